// Command-line templates: the text an application's Command holds, with
// codes for the file under the cursor (%N %I %E %F), the directory (%P %D),
// the tagged entries (%C, and %*(NAME) writing them to a list file), the
// date (%@format@) and a parameter asked for at run time (#).
//
// The template is cut into arguments first (blanks separate them, double
// quotes group them), then each code is expanded inside its argument: a
// file name stays one argument whatever it holds, and nothing is ever
// handed to a shell. The expansion comes in two forms: the text as the
// user reads it, with Windows-form paths, and the host arguments that the
// started program receives, with host paths.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/platform.h"

// What expansion reads of the active file window (a directory window or the
// editor).
class TAppWindow {
public:
    virtual ~TAppWindow() = default;
    // Whether the window's file may be used now (the editor asks to save).
    virtual bool QuerySave() = 0;
    virtual std::string GetDirectory() = 0;
    virtual int GetTaggedCount() = 0;
    // The entry under the cursor; "" when none.
    virtual std::string GetCurrentName() = 0;
    // Full Windows-form paths of the tagged entries, in list order.
    virtual std::vector<std::string> TaggedPaths() = 0;
};

struct TExpansion {
    std::string Text;               // Windows form, as the user reads it
    std::vector<std::string> Args;  // host form, one text per argument
};

// Cuts a command line into arguments: blanks separate, double quotes group
// (and are dropped), "" is an empty argument.
std::vector<std::string> SplitCommandLine(const std::string& line);
// The arguments as one line for the user to read: an argument with a blank
// or a quote, or an empty one, is put in quotes, its own quotes as \".
std::string JoinCommandLine(const std::vector<std::string>& args);

// The parameter prompt "Application Parameters": value comes preset to the
// last answer, with the earlier answers; false on Cancel. The program
// installs its dialog; without one the prompter's input asks.
using TParameterDialog = std::function<bool(std::string& value, const std::vector<std::string>& history)>;
void SetParameterDialog(TParameterDialog dialog);
// Asks for a parameter and keeps the answer ("FPARMS"/"TEXT" and its
// history); false on Cancel.
bool AskApplicationParameter(std::string& answer);

class TCommandExpander {
public:
    // The active file window; nullptr when there is none.
    TAppWindow* Window = nullptr;
    // Where "#" gets its text; false stops the expansion.
    std::function<bool(std::string&)> AskParameter = AskApplicationParameter;
    std::function<plat::DateTime()> Now = plat::Now;

    // Every failure shows its message and answers nullopt.
    std::optional<TExpansion> ExpandCommand(const std::string& commandTemplate);
};
