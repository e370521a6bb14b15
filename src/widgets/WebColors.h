#pragma once
// The web's colour tables beside the colour swatch: the six web-safe levels of a byte,
// the 140 named colours, the 216 web-safe colours, the 16 basic names and the system
// colour names, with lookups by name and by colour.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Colors.h"

struct TWebColor {
  const char* Name;
  TColor Color;  // 0x00BBGGRR; a system colour for the system names
};

// Each byte value mapped to the nearest web-safe level: (value + 25) div 51 x 51.
const std::array<std::uint8_t, 256>& WebSafeBytes();
// The colour with every channel moved to its nearest web-safe level.
TColor WebSafeColor(TColor color);

// The 140 named colours of the web, alphabetical ("AliceBlue" .. "YellowGreen").
const std::vector<TWebColor>& WebNamedColors();
// The 216 web-safe colours, each named by its code ("#000000", "#000033", .. "#FFFFFF"),
// red varying slowest.
const std::vector<TWebColor>& WebSafeColors();
// The 16 basic colours ("Black", "Maroon", .. "White").
const std::vector<TWebColor>& WebBasicColors();
// The system colours by the names the program's colour constants carry ("clScrollBar" ..
// "clInfoBk").
const std::vector<TWebColor>& WebSystemColors();

// "#RRGGBB" of a colour (a system colour resolved first).
QString WebColorCode(TColor color);
// A colour from a name of any table (case ignored) or from a code "#RRGGBB" (the "#"
// may be left out); nullopt for anything else.
std::optional<TColor> WebColorFromName(const QString& name);
// The name of a colour: its basic name, else its named-colour name, else its code.
QString WebColorName(TColor color);
