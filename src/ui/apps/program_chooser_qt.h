// The file chooser for a program ("Select a program to execute") and the
// save chooser of the command-line reference.
#pragma once

#include <string>

class QWidget;

// Lets the user pick an existing file; "Programs" lists the executable
// files (the host has no .EXE), "All files" every file. True with the
// Windows-form path of the choice.
bool ChooseProgram(QWidget* parent, std::string& path);
// Asks where to save ("Save Instructions As:"); true with a Windows-form path.
bool ChooseSaveFile(QWidget* parent, std::string& path);
