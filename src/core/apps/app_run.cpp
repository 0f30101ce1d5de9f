#include "core/apps/app_run.h"

#include "core/platform/platform.h"
#include "core/seams/prompter.h"

namespace {
constexpr int kShellSuccess = 32;
}

std::string ShellFailureText(int result) {
    switch (result) {
    case 2: return "File not found";
    case 3: return "Path not found";
    case 5: return "Share Error";
    case 6: return "Out of memory";
    case 31: return "No association for file";
    default: return "Error loading file";
    }
}

bool StartProgram(const std::string& program, const std::vector<std::string>& args, const std::string& dir) {
    const int result = plat::ShellStart(program, args, dir);
    if (result >= kShellSuccess) return true;
    ShowMessage(ShellFailureText(result));
    return false;
}

bool RunApplication(const TAppEntry& entry, TCommandExpander& expander) {
    const auto command = expander.ExpandCommand(entry.Command);
    if (!command) return false;
    std::string dir = entry.Directory;
    if (dir.empty()) {
        if (!expander.Window) {
            ShowMessage("A directory form MUST be active!");
            return false;
        }
        dir = expander.Window->GetDirectory();
    }
    if (entry.TestMode) {
        // The line exactly as the program would receive it.
        ShowMessage("Command line is: \n" + JoinCommandLine(command->Args));
        return false;
    }
    return StartProgram(entry.Program, command->Args, dir);
}

TTypedCommand ParseTypedCommand(const std::string& text) {
    TTypedCommand c;
    const size_t blank = text.find(' ');
    c.Program = text.substr(0, blank);
    if (blank != std::string::npos) c.Parameters = plat::Trim(text.substr(blank + 1));
    c.Args = SplitCommandLine(c.Parameters);
    const size_t last = text.find_last_of("\\:");
    if (last != std::string::npos) c.Directory = text.substr(0, last + 1);
    return c;
}
