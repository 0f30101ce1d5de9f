// The main window's program-wide settings as one record, and back: what
// the option dialogs read when they open and store when "Default" is
// checked.
#pragma once

#include "core/settings/program_settings.h"

class Tmainform;

TProgramSettings CurrentProgramSettings(Tmainform& form);
// The hint switch and colour of the application, the display settings the
// windows draw with and the tab width, from s.
void ApplyProgramSettings(Tmainform& form, const TProgramSettings& s);
