// Connects the program's parts to the main window: each part that brings a
// window or dialog registers its factory, commands and hooks here, before
// the main window is first shown.
#pragma once

class Tmainform;

void InstallProgramParts(Tmainform& form);
