#include "shell/Profile.h"

#include <cmath>

#include "platform/IniFile.h"

namespace {
QString AsciiUpper(const QString& text) {
  QString upper = text;
  for (QChar& c : upper)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  return upper;
}
}  // namespace

bool ProfileTextToBool(const QString& text) {
  const QString upper = AsciiUpper(text);
  return upper == QLatin1String("TRUE") || upper == QLatin1String("YES") || text == QLatin1String("1");
}

QString BoolToProfileText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

int ProfileTextToInt(const QString& text) {
  int value = 0;
  if (TryStrToInt(text, value)) return value;
  return ProfileTextToBool(text) ? 1 : 0;
}

double ProfileTextToFloat(const QString& text, bool* ok) {
  bool read = false;
  double value = text.trimmed().toDouble(&read);
  read = read && std::isfinite(value);
  if (ok) *ok = read;
  return read ? value : 0;
}

QString TProfile::Text() {
  if (!KeySelected()) {
    FLastText.clear();
    return FLastText;
  }
  FLastText = GetPrivateProfileString(FSection, FEntry, FDefaultText, FFileName).left(ProfileMaxText);
  return FLastText;
}

void TProfile::SetText(const QString& text) {
  if (!KeySelected()) return;
  if (WritePrivateProfileString(FSection, FEntry, text, FFileName)) FLastText = text;
}

int TProfile::Value() { return ProfileTextToInt(Text()); }

void TProfile::SetValue(int value) { SetText(QString::number(value)); }

bool TProfile::State() { return ProfileTextToBool(Text()); }

void TProfile::SetState(bool value) { SetText(BoolToProfileText(value)); }
