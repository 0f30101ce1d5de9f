#include "ui/options/program_settings_qt.h"

#include <QPalette>
#include <QToolTip>

#include "ui/frame/main_window.h"
#include "ui/frame/win_color_qt.h"

TProgramSettings CurrentProgramSettings(Tmainform& form) {
    const TDisplaySettings& d = form.Display();
    TProgramSettings s;
    s.VPicS = form.VPicS;
    s.VAscS = form.VAscS;
    s.VHexS = form.VHexS;
    s.ShowHint = form.ShowHint;
    s.HintColor = form.HintColor;
    s.FontName = d.ListFont.family().toStdString();
    s.FontSize = d.ListFont.pointSize();
    s.Tabs = form.Tabs;
    s.DBLClickRun = d.DBLClickRun;
    s.RDJump = d.RDJump;
    s.RD_Menu = d.RD_Menu;
    s.RDBack = d.RDBack;
    s.ExeColor = d.ExeColorSetting;
    s.ExeBold = d.ExeBold;
    s.ExeItalic = d.ExeItalic;
    s.ExeStrikeout = d.ExeStrikeout;
    s.ExeUnderline = d.ExeUnderline;
    return s;
}

void ApplyProgramSettings(Tmainform& form, const TProgramSettings& s) {
    form.ShowHint = s.ShowHint;
    if (s.HintColor != -1 && s.HintColor != form.HintColor) {
        QPalette tips = QToolTip::palette();
        tips.setColor(QPalette::ToolTipBase, WinColorToQColor(s.HintColor));
        QToolTip::setPalette(tips);
    }
    form.HintColor = s.HintColor;
    form.Tabs = s.Tabs;

    TDisplaySettings& d = form.Display();
    d.DBLClickRun = s.DBLClickRun;
    d.RDJump = s.RDJump;
    d.RD_Menu = s.RD_Menu;
    d.RDBack = s.RDBack;
    // A new font object only when face or size changed, so that the windows
    // see an unchanged font as unchanged.
    if (d.ListFont.family().toStdString() != s.FontName || d.ListFont.pointSize() != s.FontSize) {
        QFont font(QString::fromStdString(s.FontName));
        font.setPointSize(s.FontSize);
        d.ListFont = font;
    }
    d.ExeColorSetting = s.ExeColor;
    d.ExeColor = s.ExeColor == -1 ? QColor(Qt::black) : WinColorToQColor(s.ExeColor);
    d.ExeBold = s.ExeBold;
    d.ExeItalic = s.ExeItalic;
    d.ExeStrikeout = s.ExeStrikeout;
    d.ExeUnderline = s.ExeUnderline;
}
