// The settings every window draws and reacts with, read once from the
// settings store: the list font, how executables are drawn, and what a
// double click and a right click in a tree do. The frame owns one; the
// directory windows read it through their frame.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

class TAppIni;

struct TDisplaySettings {
    QFont ListFont;                // "FontName", "FontSize"
    bool DBLClickRun = true;       // a double click runs a file, else tags it
    bool RDJump = false;           // right click in a tree jumps
    bool RD_Menu = true;           // right click in a tree shows the menu
    bool RDBack = true;            // right click on no item goes back a level
    int32_t ExeColorSetting = -1;  // "ExeColor" as stored
    QColor ExeColor = Qt::black;   // colour of executable entries
    bool ExeBold = true, ExeItalic = false, ExeStrikeout = false, ExeUnderline = false;

    // Sections "Application" (font) and "Mainform" (the rest).
    void Read(TAppIni& ini);
};
