// Registers the split directory window with the frame (the factory of new
// directory windows and the commands that act on them).
#pragma once

class TFrameServices;
void InstallDirectoryWindows(TFrameServices& frame);
