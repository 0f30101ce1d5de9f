#include "core/settings/startup.h"

#include <exception>
#include <memory>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "core/seams/prompter.h"
#include "core/settings/quilby_options.h"

namespace {

std::unique_ptr<TAppIni> programIni;

// The folder part of a host path, without its last separator.
std::string HostFolder(const std::string& hostPath) {
    size_t slash = hostPath.rfind('/');
    return slash == std::string::npos ? std::string(".") : hostPath.substr(0, slash);
}

}  // namespace

const std::string& ApplicationTitle() {
    static const std::string title = "Quilby  - 95";
    return title;
}

void StartProgram() {
    std::string exe = plat::ExecutablePath();
    std::string iniPath = plat::DefaultIniPath(exe);
    plat::InitDrives(iniPath);

    auto ini = std::make_unique<TAppIni>(iniPath);
    SetAppIni(ini.get());
    programIni = std::move(ini);

    // The defaults are read while not ready, so they start empty rather
    // than as a copy of themselves.
    SetDefaultsReady(false);
    DefaultOptions() = TQuilbyOptions();
    DefaultOptions().LoadDefaults();
    SetDefaultsReady(true);

    LoadQuickDirectoryList();
    LoadApplicationList();

    plat::SetHelpFile(HostFolder(exe) + "/Quilby.hlp");
}

void EndProgram() {
    SetAppIni(nullptr);
    programIni.reset();
}

void LoadQuickDirectoryList() {}

void LoadApplicationList() {}

void ShowException(const std::string& message) {
    prompter().Message(message, MsgIcon::Error, mbOK);
}

bool RunReportingErrors(const std::function<void()>& fn) {
    try {
        fn();
        return true;
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown error");
    }
    return false;
}
