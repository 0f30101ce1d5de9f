// Starting programs: an application of the list with its command line
// expanded, or a command typed by hand. Programs start through the
// platform's shell with their arguments one by one.
#pragma once

#include <string>
#include <vector>

#include "core/apps/app_list.h"
#include "core/apps/command_template.h"

// The message for a shell result below 32 ("File not found" ...).
std::string ShellFailureText(int result);
// Starts program with args in dir; a failure shows its message. True when
// the program started.
bool StartProgram(const std::string& program, const std::vector<std::string>& args, const std::string& dir);

// Runs entry: expands its command with the window's entry, takes its
// directory (the window's when empty), and starts its program, or only
// shows the command line in test mode. True when the program started.
bool RunApplication(const TAppEntry& entry, TCommandExpander& expander);

// A command typed into "Run a program": the program is the text before the
// first blank, the arguments the rest, split like a command line; the
// working directory is the text up to its last "\" or ":".
struct TTypedCommand {
    std::string Program, Parameters, Directory;
    std::vector<std::string> Args;
};
TTypedCommand ParseTypedCommand(const std::string& text);
