// The program's start-up before any window exists, in its fixed order, and
// the program-wide display of errors that reach the top of a command.
#pragma once

#include <functional>
#include <string>

// "Quilby  - 95" (two blanks before the dash): captions of plain message
// boxes.
const std::string& ApplicationTitle();

// The start-up steps that need no window:
//  1. the ini file's host path (QUILBY_INI, else beside the executable,
//     else the user's config folder) and the drive table from it;
//  2. the settings store, which follows "System"/"LocalIni";
//  3. the program-wide window options defaults;
//  4. the quick directory list and the application list;
//  5. the help file "Quilby.hlp" in the program's folder.
// The store lives until EndProgram.
void StartProgram();
void EndProgram();

// The quick directory list and the application list, loaded at start-up.
// Both lists come with their own modules; until then they load empty.
void LoadQuickDirectoryList();
void LoadApplicationList();

// The general error display: the message of an exception that reached the
// top of a command, shown through the prompter. The program goes on.
void ShowException(const std::string& message);
// Runs fn; any exception it raises is shown by ShowException. False when
// one was raised.
bool RunReportingErrors(const std::function<void()>& fn);
