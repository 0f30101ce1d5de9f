// Registers the copy, move, delete, shred and attribute dialogs with the
// directory windows (DirCommands) and the main window.
#pragma once

class Tmainform;
void InstallFileOperationDialogs(Tmainform& form);
