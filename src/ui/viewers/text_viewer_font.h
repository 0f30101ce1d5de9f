// The viewer's and editor's fonts as the settings store keeps them.
#pragma once

#include <QFont>
#include <string>

// The font stored under section/prefix, or fallback when none is stored.
QFont ReadViewerFont(const std::string& section, const std::string& prefix, const QFont& fallback);
void WriteViewerFont(const std::string& section, const std::string& prefix, const QFont& font);
