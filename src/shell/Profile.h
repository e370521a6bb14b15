#pragma once
// One key of the settings file, read and written as text, integer or boolean. Every
// access goes to the settings layer, which answers from the file as it is on disk now
// (re-read when it changed, with any write still kept back behind another copy's lock)
// and writes through at once; the component itself keeps nothing but the last text seen.

#include <QString>

// The boolean rule of a profile text: "TRUE" or "YES" in any case of the ASCII letters,
// or exactly "1"; anything else is false ("0", "False", "None", "2", " 1", "").
bool ProfileTextToBool(const QString& text);
// "True" or "False".
QString BoolToProfileText(bool value);
// The integer rule of a profile text: a 32-bit integer (decimal, or hex after "$", "x",
// "X", "0x", "0X"); a text that is no number gives 1 when it reads true, else 0.
int ProfileTextToInt(const QString& text);
// The decimal rule of a profile text (a stored average or date): a finite number with '.'
// as the decimal point, blanks around it ignored. Anything else gives 0, "nan" and "inf"
// too: sums and products of them would be written back and shown for good. ok, when
// given, tells whether the text was such a number.
double ProfileTextToFloat(const QString& text, bool* ok = nullptr);
// The most characters a read hands back.
constexpr qsizetype ProfileMaxText = 255;

class TProfile {
public:
  // A profile as every form's layout sets it up: default text "None", file "Pellamy.ini",
  // no entry yet (so nothing is read or written until Entry is set).
  explicit TProfile(const QString& section = QString()) : FSection(section) {}

  const QString& DefaultText() const { return FDefaultText; }
  const QString& Entry() const { return FEntry; }
  const QString& FileName() const { return FFileName; }
  const QString& Section() const { return FSection; }
  void SetDefaultText(const QString& text) { FDefaultText = text; }
  void SetEntry(const QString& entry) { FEntry = entry; }
  void SetFileName(const QString& fileName) { FFileName = fileName; }
  void SetSection(const QString& section) { FSection = section; }

  // The key's text, cut to 255 characters; DefaultText when the key is absent; "" (not
  // DefaultText) while Section, Entry or FileName is empty.
  QString Text();
  // Writes the key; nothing happens while Section, Entry or FileName is empty, and a
  // failed write is silent.
  void SetText(const QString& text);
  // Text by the rule of ProfileTextToInt.
  int Value();
  // Writes the decimal form.
  void SetValue(int value);
  // Text by the boolean rule of ProfileTextToBool.
  bool State();
  // Writes "True" or "False".
  void SetState(bool value);

  // The text last read, or last written successfully.
  const QString& LastText() const { return FLastText; }

private:
  bool KeySelected() const { return !FSection.isEmpty() && !FEntry.isEmpty() && !FFileName.isEmpty(); }

  QString FDefaultText = QStringLiteral("None");
  QString FEntry;
  QString FFileName = QStringLiteral("Pellamy.ini");
  QString FSection;
  QString FLastText;
};
