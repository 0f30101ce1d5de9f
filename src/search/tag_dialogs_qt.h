// Registers the tagging dialogs (wildcards, date range, size, attributes)
// with the directory windows and the main window.
#pragma once

class Tmainform;
void InstallTaggingDialogs(Tmainform& form);
