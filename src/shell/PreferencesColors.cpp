#include "shell/PreferencesColors.h"

#include <array>

#include "platform/IniFile.h"

namespace {

struct TColorName {
  TColor Value;
  const char* Name;
};

// The named colours a table colour can be. System colours are left out on purpose: they
// are not colour values, and a background cannot be painted in one.
constexpr std::array<TColorName, 20> ColorNames{{
    {0x000000, "clBlack"},  {0x000080, "clMaroon"},    {0x008000, "clGreen"},
    {0x008080, "clOlive"},  {0x800000, "clNavy"},      {0x800080, "clPurple"},
    {0x808000, "clTeal"},   {0x808080, "clGray"},      {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},    {0x00FF00, "clLime"},      {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},   {0xFF00FF, "clFuchsia"},   {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},  {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},  {0xA4A0A0, "clMedGray"},
}};

}  // namespace

QString ColorToString(TColor color) {
  for (const TColorName& n : ColorNames)
    if (n.Value == color) return QString::fromLatin1(n.Name);
  return QStringLiteral("0x") + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> StringToColor(const QString& text) {
  const QString t = text.trimmed();
  for (const TColorName& n : ColorNames)
    if (t.compare(QLatin1String(n.Name), Qt::CaseInsensitive) == 0) return n.Value;
  int value = 0;
  if (!TryStrToInt(t, value)) return std::nullopt;
  return static_cast<TColor>(value);
}
