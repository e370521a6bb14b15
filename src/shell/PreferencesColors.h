#pragma once
// Colours as text in the settings file: a colour constant's name ("clGreen") or a number,
// decimal or hexadecimal ("0x00004000", "$4000"); written as the name when the colour has
// one, else "0x" and eight hexadecimal digits.

#include <QString>
#include <optional>

#include "platform/Colors.h"

QString ColorToString(TColor color);
// Names compare without regard to case; nullopt when the text is neither a known name
// nor a number.
std::optional<TColor> StringToColor(const QString& text);
