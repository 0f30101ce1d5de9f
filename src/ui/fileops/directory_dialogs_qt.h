// Registers the directory dialogs (create, remove tree, copy tree, rename)
// with the directory windows.
#pragma once

#include <string>

class TFrameServices;
void InstallDirectoryDialogs(TFrameServices& frame);

// The directory copy a drop of a directory opens: root is the dragged
// directory, destination the directory it was dropped on.
void CopyDirectoryTo(TFrameServices* frame, const std::string& root, const std::string& destination);
