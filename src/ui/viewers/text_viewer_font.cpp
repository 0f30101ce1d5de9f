#include "ui/viewers/text_viewer_font.h"

#include "core/settings/app_ini.h"

namespace {
TFontSpec SpecOf(const QFont& font) {
    TFontSpec spec;
    spec.Name = font.family().toStdString();
    spec.Size = font.pointSize() > 0 ? font.pointSize() : 10;
    spec.Bold = font.bold();
    spec.Italic = font.italic();
    spec.Underline = font.underline();
    spec.StrikeOut = font.strikeOut();
    return spec;
}
}  // namespace

QFont ReadViewerFont(const std::string& section, const std::string& prefix, const QFont& fallback) {
    TFontSpec spec = SpecOf(fallback);
    AppIni().ReadFont(section, prefix, spec);
    QFont font(QString::fromStdString(spec.Name));
    // A stored size that makes no sense reads as the fallback's.
    font.setPointSize(spec.Size > 0 && spec.Size <= 200 ? spec.Size : SpecOf(fallback).Size);
    font.setBold(spec.Bold);
    font.setItalic(spec.Italic);
    font.setUnderline(spec.Underline);
    font.setStrikeOut(spec.StrikeOut);
    return font;
}

void WriteViewerFont(const std::string& section, const std::string& prefix, const QFont& font) {
    AppIni().WriteFont(section, prefix, SpecOf(font));
}
