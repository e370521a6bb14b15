#pragma once
// The settings file as text, inside the settings layer: its bytes with an index of its
// lines, its sections and (built when first asked) the keys of each section, so that
// finding a key does not walk the file. Reads and edits follow the profile calls' rules
// (IniFile.h); an edit changes only the lines it must and keeps every other byte.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

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

class TIniDocument {
public:
  enum class TLineKind : quint8 { Blank, Comment, Section, Key, Other };

  void Assign(QByteArray bytes);

  const QByteArray& Bytes() const { return FBytes; }
  // Whether an edit changed the bytes since Assign or ClearChanged.
  bool Changed() const { return FChanged; }
  void ClearChanged() { FChanged = false; }

  // The value of the first occurrence of the key in the first section of the name.
  std::optional<QString> Value(const QString& section, const QString& key) const;
  bool HasKey(const QString& section, const QString& key) const { return FindKey(section, key) >= 0; }
  // Key names of the section in file order (first occurrence of each).
  QStringList Keys(const QString& section) const;
  bool HasKeys(const QString& section) const;
  QStringList Sections() const;

  void SetValue(const QString& section, const QString& key, const QString& value);
  void DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);

  // One name for every spelling of a key that the file treats as the same key.
  static QString KeyId(const QString& section, const QString& key);

private:
  // One line of the file: where its text starts in the file's bytes, its length without
  // the ending, and the ending ("\r\n", "\n", or none for a last line without one).
  struct TLineRef {
    qsizetype Start = 0;
    qsizetype Length = 0;
    quint8 EndLength = 0;
    TLineKind Kind = TLineKind::Other;
  };
  static TLineKind KindOf(QByteArrayView line);

  qsizetype FindSection(const QString& section) const;
  qsizetype FindKey(const QString& section, const QString& key) const;
  QByteArrayView View(const TLineRef& line) const;
  QString Text(qsizetype i) const;
  QString SectionName(qsizetype header) const;
  QString KeyName(qsizetype i) const;
  qsizetype SectionEnd(qsizetype header) const;
  const QHash<QString, qsizetype>& KeyIndex(qsizetype header) const;
  void Reindex();
  void Shift(qsizetype fromLine, qsizetype delta);
  QByteArray Ending() const;
  void ReplaceLine(qsizetype i, const QByteArray& text);
  void InsertAfter(qsizetype index, const QByteArray& text);
  void RemoveLines(qsizetype from, qsizetype to);

  QByteArray FBytes;
  std::vector<TLineRef> FLines;
  std::vector<qsizetype> FHeaders;         // every header line, in file order
  QHash<QString, qsizetype> FFirstHeader;  // folded name -> first header of that name
  mutable QHash<qsizetype, QHash<QString, qsizetype>> FKeys;  // header -> folded key -> first line
  bool FChanged = false;
};

// The file as one update sees it: the reads and writes of the profile calls on the
// content read under the lock, with the update's own writes so far.
class TIniEdit {
public:
  explicit TIniEdit(TIniDocument& doc) : FDoc(doc) {}
  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  void DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);
  // The sections written to, in the order first written.
  const QStringList& Sections() const { return FSections; }

private:
  void Touch(const QString& section);
  TIniDocument& FDoc;
  QStringList FSections;
};
