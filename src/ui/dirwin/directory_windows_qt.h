// Registers the split directory window with the main window (the factory
// of new directory windows and the commands that act on them).
#pragma once

class Tmainform;
void InstallDirectoryWindows(Tmainform& form);
