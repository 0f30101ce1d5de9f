// Registers the hex viewer ("View &Hex") and the picture viewer ("View
// &Picture") with the frame: one of each at a time, free-standing or a
// document window as "Application"/"VHexS" and "VPicS" say.
#pragma once

class Tmainform;
class TfVHex;
class TViewForm;

void InstallBinaryViewers(Tmainform& form);

// The open viewers of form, nullptr when none is open.
TfVHex* OpenHexViewer(Tmainform& form);
TViewForm* OpenPictureViewer(Tmainform& form);
