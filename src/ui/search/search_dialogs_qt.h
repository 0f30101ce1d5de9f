// Registers the search dialogs with the frame's command registry.
#pragma once

class TFrameServices;

void InstallSearchDialogs(TFrameServices& frame);
