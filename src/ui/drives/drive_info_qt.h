// Connects the drive information window to the main window: File › D&rive
// Information opens or closes it, the frame asks whether it is open (the
// item's check mark, the start-up's "FInfo"/"Active") and has it measure a
// drive again after a file operation changed it.
#pragma once

class Tmainform;

void InstallDriveInformation(Tmainform& form);
