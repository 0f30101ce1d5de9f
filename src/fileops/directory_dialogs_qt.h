// Registers the directory dialogs (create, remove tree, copy tree, rename)
// with the directory windows.
#pragma once

class Tmainform;
void InstallDirectoryDialogs(Tmainform& form);
