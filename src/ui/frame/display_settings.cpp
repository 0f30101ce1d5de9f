#include "ui/frame/display_settings.h"

#include <string>

#include "core/settings/app_ini.h"
#include "ui/frame/win_color_qt.h"

void TDisplaySettings::Read(TAppIni& ini) {
    const std::string fontName = ini.ReadString("Application", "FontName", "Arial");
    const int32_t fontSize = ini.ReadInteger("Application", "FontSize", 10);
    ListFont = QFont(QString::fromStdString(fontName));
    // A size that names no font size keeps the default rather than an
    // unusable font.
    ListFont.setPointSize(fontSize > 0 && fontSize <= 200 ? fontSize : 10);

    DBLClickRun = ini.ReadBool("Mainform", "DBLClickRun", true);
    RDJump = ini.ReadBool("Mainform", "RDJump", false);
    RD_Menu = ini.ReadBool("Mainform", "RD_Menu", true);
    RDBack = ini.ReadBool("Mainform", "RDBack", true);
    ExeColorSetting = ini.ReadInteger("Mainform", "ExeColor", -1);
    if (ExeColorSetting != -1) ExeColor = WinColorToQColor(ExeColorSetting);
    ExeBold = ini.ReadBool("Mainform", "ExeBold", true);
    ExeItalic = ini.ReadBool("Mainform", "ExeItalic", false);
    ExeStrikeout = ini.ReadBool("Mainform", "ExeStrikeout", false);
    ExeUnderline = ini.ReadBool("Mainform", "ExeUnderline", false);
}
