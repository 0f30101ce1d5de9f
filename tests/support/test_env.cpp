#include "support/test_env.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/apps/command_template.h"
#include "core/platform/platform.h"
#include "core/settings/quilby_options.h"

namespace fs = std::filesystem;

TestEnv::TestEnv() {
    std::string tmpl = (fs::temp_directory_path() / "quilby-test-XXXXXX").string();
    root = mkdtemp(tmpl.data()) ? tmpl : std::string();
    iniPath = root + "/QUILBY.INI";
    hostC = root + "/c";
    hostD = root + "/d";
    fs::create_directories(hostC);
    fs::create_directories(hostD);
    setenv("QUILBY_INI", iniPath.c_str(), 1);
    {
        std::ofstream ini(iniPath);
        ini << "[Drives]\nC=" << hostC << "\nD=" << hostD << "\n[Ports]\nLPT1=" << root
            << "/lpt1.out\nLPT2=" << root << "/lpt2.out\n";
    }
    plat::InitDrives(iniPath);
    plat::ClearFaults();
    plat::SetCurrentDir("C:\\");
    ReopenIni();
    SetDefaultsReady(false);
    DefaultOptions() = TQuilbyOptions();
    DefaultOptions().LoadDefaults();
    SetDefaultsReady(true);
}

TestEnv::~TestEnv() {
    plat::ClearFaults();
    plat::SetClockSecondSource(nullptr);
    plat::SetShellHook(nullptr);
    plat::SetShellStartHook(nullptr);
    SetParameterDialog(nullptr);
    SetAppIni(nullptr);
    std::error_code ec;
    fs::remove_all(root, ec);
}

void TestEnv::ReopenIni() {
    auto fresh = std::make_unique<TAppIni>(iniPath);
    SetAppIni(fresh.get());
    ini_ = std::move(fresh);
}

std::string TestEnv::WriteFile(const std::string& rel, const std::string& content) {
    fs::path p = fs::path(root) / rel;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << content;
    return p.string();
}

std::string TestEnv::ReadFile(const std::string& rel) const {
    std::ifstream in(fs::path(root) / rel, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool TestEnv::Exists(const std::string& rel) const { return fs::exists(fs::path(root) / rel); }
