#include "widgets/WebColors.h"

#include "widgets/wkUtils.h"

#include <algorithm>
#include <cstdio>

namespace {

const TWebColor kNamed[] = {
    {"AliceBlue", 0xFFF8F0},
    {"AntiqueWhite", 0xD7EBFA},
    {"Aqua", 0xFFFF00},
    {"Aquamarine", 0xD4FF7F},
    {"Azure", 0xFFFFF0},
    {"Beige", 0xDCF5F5},
    {"Bisque", 0xC4E4FF},
    {"Black", 0x000000},
    {"BlanchedAlmond", 0xCDEBFF},
    {"Blue", 0xFF0000},
    {"BlueViolet", 0xE22B8A},
    {"Brown", 0x2A2AA5},
    {"BurlyWood", 0x87B8DE},
    {"CadetBlue", 0xA09E5F},
    {"Chartreuse", 0x00FF7F},
    {"Chocolate", 0x1E69D2},
    {"Coral", 0x507FFF},
    {"CornflowerBlue", 0xED9564},
    {"Cornsilk", 0xDCF8FF},
    {"Crimson", 0x3C14DC},
    {"Cyan", 0xFFFF00},
    {"DarkBlue", 0x8B0000},
    {"DarkCyan", 0x8B8B00},
    {"DarkGoldenrod", 0x0B86B8},
    {"DarkGray", 0xA9A9A9},
    {"DarkGreen", 0x006400},
    {"DarkKhaki", 0x6BB7BD},
    {"DarkMagenta", 0x8B008B},
    {"DarkOliveGreen", 0x2F6B55},
    {"DarkOrange", 0x008CFF},
    {"DarkOrchid", 0xCC3299},
    {"DarkRed", 0x00008B},
    {"DarkSalmon", 0x7A96E9},
    {"DarkSeaGreen", 0x8FBC8F},
    {"DarkSlateBlue", 0x8B3D48},
    {"DarkSlateGray", 0x4F4F2F},
    {"DarkTurquoise", 0xD1CE00},
    {"DarkViolet", 0xD30094},
    {"DeepPink", 0x9314FF},
    {"DeepSkyBlue", 0xFFBF00},
    {"DimGray", 0x696969},
    {"DodgerBlue", 0xFF901E},
    {"FireBrick", 0x2222B2},
    {"FloralWhite", 0xF0FAFF},
    {"ForestGreen", 0x228B22},
    {"Fuchsia", 0xFF00FF},
    {"Gainsboro", 0xDCDCDC},
    {"GhostWhite", 0xFFF8F8},
    {"Gold", 0x00D7FF},
    {"Goldenrod", 0x20A5DA},
    {"Gray", 0x808080},
    {"Green", 0x008000},
    {"GreenYellow", 0x2FFFAD},
    {"Honeydew", 0xF0FFF0},
    {"HotPink", 0xB469FF},
    {"IndianRed", 0x5C5CCD},
    {"Indigo", 0x82004B},
    {"Ivory", 0xF0FFFF},
    {"Khaki", 0x8CE6F0},
    {"Lavender", 0xFAE6E6},
    {"LavenderBlush", 0xF5F0FF},
    {"LawnGreen", 0x00FC7C},
    {"LemonChiffon", 0xCDFAFF},
    {"LightBlue", 0xE6D8AD},
    {"LightCoral", 0x8080F0},
    {"LightCyan", 0xFFFFE0},
    {"LightGoldenrodYellow", 0xD2FAFA},
    {"LightGreen", 0x90EE90},
    {"LightGrey", 0xD3D3D3},
    {"LightPink", 0xC1B6FF},
    {"LightSalmon", 0x7AA0FF},
    {"LightSeaGreen", 0xAAB220},
    {"LightSkyBlue", 0xFACE87},
    {"LightSlateGray", 0x998877},
    {"LightSteelBlue", 0xDEC4B0},
    {"LightYellow", 0xE0FFFF},
    {"Lime", 0x00FF00},
    {"LimeGreen", 0x32CD32},
    {"Linen", 0xE6F0FA},
    {"Magenta", 0xFF00FF},
    {"Maroon", 0x000080},
    {"MediumAquamarine", 0xAACD66},
    {"MediumBlue", 0xCD0000},
    {"MediumOrchid", 0xD355BA},
    {"MediumPurple", 0xDB7093},
    {"MediumSeaGreen", 0x71B33C},
    {"MediumSlateBlue", 0xEE687B},
    {"MediumSpringGreen", 0x9AFA00},
    {"MediumTurquoise", 0xCCD148},
    {"MediumVioletRed", 0x8515C7},
    {"MidnightBlue", 0x701919},
    {"MintCream", 0xFAFFF5},
    {"MistyRose", 0xE1E4FF},
    {"Moccasin", 0xB5E4FF},
    {"NavajoWhite", 0xADDEFF},
    {"Navy", 0x800000},
    {"OldLace", 0xE6F5FD},
    {"Olive", 0x008080},
    {"OliveDrab", 0x238E6B},
    {"Orange", 0x00A5FF},
    {"OrangeRed", 0x0045FF},
    {"Orchid", 0xD670DA},
    {"PaleGoldenrod", 0xAAE8EE},
    {"PaleGreen", 0x98FB98},
    {"PaleTurquoise", 0xEEEEAF},
    {"PaleVioletRed", 0x9370DB},
    {"PapayaWhip", 0xD5EFFF},
    {"PeachPuff", 0xB9DAFF},
    {"Peru", 0x3F85CD},
    {"Pink", 0xCBC0FF},
    {"Plum", 0xDDA0DD},
    {"PowderBlue", 0xE6E0B0},
    {"Purple", 0x800080},
    {"Red", 0x0000FF},
    {"RosyBrown", 0x8F8FBC},
    {"RoyalBlue", 0xE16941},
    {"SaddleBrown", 0x13458B},
    {"Salmon", 0x7280FA},
    {"SandyBrown", 0x60A4F4},
    {"SeaGreen", 0x578B2E},
    {"Seashell", 0xEEF5FF},
    {"Sienna", 0x2D52A0},
    {"Silver", 0xC0C0C0},
    {"SkyBlue", 0xEBCE87},
    {"SlateBlue", 0xCD5A6A},
    {"SlateGray", 0x908070},
    {"Snow", 0xFAFAFF},
    {"SpringGreen", 0x7FFF00},
    {"SteelBlue", 0xB48246},
    {"Tan", 0x8CB4D2},
    {"Teal", 0x808000},
    {"Thistle", 0xD8BFD8},
    {"Tomato", 0x4763FF},
    {"Turquoise", 0xD0E040},
    {"Violet", 0xEE82EE},
    {"Wheat", 0xB3DEF5},
    {"White", 0xFFFFFF},
    {"WhiteSmoke", 0xF5F5F5},
    {"Yellow", 0x00FFFF},
    {"YellowGreen", 0x32CD9A},
};

const TWebColor kBasic[] = {
    {"Black", clBlack}, {"Maroon", clMaroon}, {"Green", clGreen},   {"Olive", clOlive},
    {"Navy", clNavy},   {"Purple", clPurple}, {"Teal", clTeal},     {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},     {"Lime", clLime},     {"Yellow", clYellow},
    {"Blue", clBlue},   {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite},
};

const char* const kSystemNames[] = {
    "clScrollBar",     "clBackground",     "clActiveCaption", "clInactiveCaption",
    "clMenu",          "clWindow",         "clWindowFrame",   "clMenuText",
    "clWindowText",    "clCaptionText",    "clActiveBorder",  "clInactiveBorder",
    "clAppWorkSpace",  "clHighlight",      "clHighlightText", "clBtnFace",
    "clBtnShadow",     "clGrayText",       "clBtnText",       "clInactiveCaptionText",
    "clBtnHighlight",  "cl3DDkShadow",     "cl3DLight",       "clInfoText",
    "clInfoBk",
};

bool IsHexDigit(QChar c) {
  const ushort u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

}  // namespace

const std::array<std::uint8_t, 256>& WebSafeBytes() {
  static const std::array<std::uint8_t, 256> table = [] {
    std::array<std::uint8_t, 256> t{};
    for (int v = 0; v < 256; ++v) t[v] = static_cast<std::uint8_t>((v + 25) / 51 * 51);
    return t;
  }();
  return table;
}

TColor WebSafeColor(TColor color) {
  const TColor c = ColorToRGB(color);
  const auto& t = WebSafeBytes();
  return RGBColor(t[GetRValue(c)], t[GetGValue(c)], t[GetBValue(c)]);
}

const std::vector<TWebColor>& WebNamedColors() {
  static const std::vector<TWebColor> table(std::begin(kNamed), std::end(kNamed));
  return table;
}

const std::vector<TWebColor>& WebSafeColors() {
  static std::array<std::array<char, 8>, 216> codes;
  static const std::vector<TWebColor> table = [] {
    std::vector<TWebColor> t;
    for (int i = 0; i < 216; ++i) {
      const int r = i / 36 * 51, g = i / 6 % 6 * 51, b = i % 6 * 51;
      std::snprintf(codes[i].data(), codes[i].size(), "#%02X%02X%02X", r, g, b);
      t.push_back({codes[i].data(), RGBColor(r, g, b)});
    }
    return t;
  }();
  return table;
}

const std::vector<TWebColor>& WebBasicColors() {
  static const std::vector<TWebColor> table(std::begin(kBasic), std::end(kBasic));
  return table;
}

const std::vector<TWebColor>& WebSystemColors() {
  static const std::vector<TWebColor> table = [] {
    std::vector<TWebColor> t;
    for (std::size_t i = 0; i < std::size(kSystemNames); ++i)
      t.push_back({kSystemNames[i], clSystemColor | static_cast<TColor>(i)});
    return t;
  }();
  return table;
}

QString WebColorCode(TColor color) {
  const TColor c = ColorToRGB(color);
  return QStringLiteral("#%1%2%3")
      .arg(GetRValue(c), 2, 16, QLatin1Char('0'))
      .arg(GetGValue(c), 2, 16, QLatin1Char('0'))
      .arg(GetBValue(c), 2, 16, QLatin1Char('0'))
      .toUpper();
}

std::optional<TColor> WebColorFromName(const QString& name) {
  const QString key = name.trimmed();
  for (const auto* table : {&WebBasicColors(), &WebNamedColors(), &WebSystemColors()})
    for (const TWebColor& entry : *table)
      if (key.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0) return entry.Color;
  const QString digits = key.startsWith(QLatin1Char('#')) ? key.mid(1) : key;
  if (digits.size() != 6 || !std::all_of(digits.begin(), digits.end(), IsHexDigit)) return std::nullopt;
  const int rgb = digits.toInt(nullptr, 16);
  return RGBColor(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString WebColorName(TColor color) {
  for (const auto* table : {&WebBasicColors(), &WebNamedColors(), &WebSystemColors()})
    for (const TWebColor& entry : *table)
      if (entry.Color == color) return QLatin1String(entry.Name);
  return WebColorCode(color);
}
