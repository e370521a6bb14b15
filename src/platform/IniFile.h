#pragma once
// The settings file with the semantics of the Windows profile calls: case-insensitive
// section and key names, first occurrence wins, values trimmed with one pair of quotes
// stripped, ';' comment lines, new keys appended at the end of their section and new
// sections at the end of the file, every untouched byte kept. Text on disk is
// Windows-1252. Every call reads the file afresh; every write goes to disk at once and
// atomically (temporary file in the same folder, then rename).

#include <QString>
#include <QStringList>
#include <optional>

// The two profile calls. A missing file or key gives def. A value of nullopt deletes the
// key; returns false when the file could not be written.
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& fileName);
bool WritePrivateProfileString(const QString& section, const QString& key,
                               const std::optional<QString>& value, const QString& fileName);

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
  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;

private:
  QString FFileName;
};
