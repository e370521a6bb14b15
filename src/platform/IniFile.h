#pragma once
// The settings file with the semantics of the Windows profile calls: case-insensitive
// section and key names, first occurrence wins, values trimmed with one pair of quotes
// stripped, ';' comment lines, new keys appended at the end of their section and new
// sections at the end of the file, every untouched byte kept. Text on disk is
// Windows-1252. Every write goes to disk at once and atomically (temporary file in the
// same folder, then rename); a failed write leaves the old file as it was.
//
// The parsed file is kept in memory and read again only when the file on disk changed
// (its inode, size or time stamps differ, or it changed too recently for the stamps to
// tell). Several copies of the program may share the file: each write holds an advisory
// lock on "<file>.lock" from reading the file to renaming the new one into place, so no
// copy writes back a view that misses another copy's change. What can still race is a
// caller's own read-then-write (a counter read by two copies, each writing its value
// plus one): one of those increments is lost, nothing else.
//
// Line endings: a rewritten line keeps its own ending; an added line takes the ending of
// the file's first terminated line, and a new file uses "\r\n" as Windows does. A new key
// goes after the last non-blank line of its section (comments included); a new section
// goes at the end of the file without a blank line before it. Line breaks inside names and
// values are written as blanks, so a value can never add lines of its own.

#include <QString>
#include <QStringList>
#include <optional>

// Windows-1252, the code page of the file. Every byte decodes to one character and back;
// a character the code page lacks is written as '?'.
namespace Cp1252 {
QString Decode(QByteArrayView bytes);
QByteArray Encode(const QString& text);
}  // namespace Cp1252

// The framework's string-to-integer rule: optional leading blanks and sign, then decimal
// digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X". Decimal must fit in 32
// signed bits; hexadecimal may use all 32 bits ("$FFFFFFFF" is -1). False, value
// untouched, on anything else (empty text, trailing characters, overflow).
bool TryStrToInt(const QString& text, int& value);

// The two profile calls. A missing file or key, or an empty section, key or file name,
// gives def. A value of nullopt deletes the key; an empty key erases the whole section.
// Returns false when the file could not be read or written (or section or file name is
// empty); a write that changes nothing does not touch the file.
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& fileName);
bool WritePrivateProfileString(const QString& section, const QString& key,
                               const std::optional<QString>& value, const QString& fileName);

// Removes temporaries of the file's atomic saves that a copy killed while saving left
// beside it ("<file name>.XXXXXX", six letters or digits, a regular file of ours, last
// changed at least minAgeSeconds ago). Only while the save lock can be taken at once, so
// never another running copy's save in progress. Returns how many went.
int RemoveStraySaveFiles(const QString& fileName, qint64 minAgeSeconds = 60);

// The framework's INI class over the same calls.
class TIniFile {
public:
  explicit TIniFile(QString fileName) : FFileName(std::move(fileName)) {}

  const QString& FileName() const { return FFileName; }

  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // Decimal or hex ("$1F", "0x1F") integer; def when missing or unreadable.
  int ReadInteger(const QString& section, const QString& key, int def) const;
  // ReadInteger(def ? 1 : 0) != 0.
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  // Writes "1" or "0".
  void WriteBool(const QString& section, const QString& key, bool value);
  void DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);
  // Key names of the section in file order (first occurrence of each).
  QStringList ReadSection(const QString& section) const;
  QStringList ReadSections() const;
  // True when the section holds at least one key.
  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;

private:
  QString FFileName;
};
