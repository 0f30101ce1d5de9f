#include "ui/viewers/text_viewer_font.h"

#include "core/settings/app_ini.h"

namespace {
TFontSpec StoredFontOf(const QFont& font) {
    TFontSpec stored;
    stored.Name = font.family().toStdString();
    stored.Size = font.pointSize() > 0 ? font.pointSize() : 10;
    stored.Bold = font.bold();
    stored.Italic = font.italic();
    stored.Underline = font.underline();
    stored.StrikeOut = font.strikeOut();
    return stored;
}
}  // namespace

QFont ReadViewerFont(const std::string& section, const std::string& prefix, const QFont& fallback) {
    TFontSpec stored = StoredFontOf(fallback);
    AppIni().ReadFont(section, prefix, stored);
    QFont font(QString::fromStdString(stored.Name));
    // A stored size that makes no sense reads as the fallback's.
    font.setPointSize(stored.Size > 0 && stored.Size <= 200 ? stored.Size : StoredFontOf(fallback).Size);
    font.setBold(stored.Bold);
    font.setItalic(stored.Italic);
    font.setUnderline(stored.Underline);
    font.setStrikeOut(stored.StrikeOut);
    return font;
}

void WriteViewerFont(const std::string& section, const std::string& prefix, const QFont& font) {
    AppIni().WriteFont(section, prefix, StoredFontOf(font));
}
