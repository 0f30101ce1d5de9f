// A text as a person reads it in a widget: names carry the characters a
// Windows-form name cannot hold as U+F000 + code, and every label, list,
// caption and message draws them as the characters they stand for. Only for
// texts that are shown; a field whose text is read back as a path keeps the
// Windows form.
#pragma once

#include <QString>
#include <string>

#include "core/text/column_text.h"

inline QString ShownQText(const std::string& text) { return QString::fromStdString(ShownText(text)); }
