// The two option dialogs: registered with the main window's "&Global
// options ..." item and its "Set Options" button (which the directory
// windows' options command also runs), and the refresh of the directory
// windows after each.
#pragma once

class TFrameServices;
class Tmainform;

// Opens "Quilby Global Options" modally over form.
void ShowGlobalOptions(Tmainform& form);
// Opens "Directory Options" on the active directory window's options, or
// on the program-wide defaults when no directory window is active.
void ShowWindowOptions(Tmainform& form);

// After the global options: the active directory window takes the list
// font (re-reading when it changed, else rebuilding its header and
// repainting); every other directory window takes it too, or repaints.
void RefreshAfterGlobalOptions(TFrameServices& frame);
// After the window options: the active directory window takes the list
// font, else rebuilds its header and reads its directory again; every other
// split window takes the font or repaints; every result window repaints.
void RefreshAfterWindowOptions(TFrameServices& frame);

void InstallOptionDialogs(Tmainform& form);
