// Registers the text viewer (with the panels it writes when it becomes the
// active window) and the text editor with the main window.
#pragma once

class Tmainform;
class TFVAscii;
class Tf_Editor;
#include <string>

void InstallTextViewers(Tmainform& form);

// Opens a new text viewer on fileName in form; nullptr when the file could
// not be read (the message was shown and the window closed).
TFVAscii* OpenTextViewer(Tmainform& form, const std::string& fileName);

// Brings the editor already open on fileName to the front, or opens a new
// one (empty name: a new file); nullptr when the file cannot be read.
Tf_Editor* OpenEditor(Tmainform& form, const std::string& fileName);
