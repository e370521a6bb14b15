#include "platform/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <vector>

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the
// control character of the same number, as the system's conversion does, so every byte
// survives a read and a write.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

namespace Cp1252 {

QString Decode(const QByteArray& bytes) {
  QString text;
  text.resize(bytes.size());
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
  }
  return text;
}

QByteArray Encode(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      // One character outside the 16-bit range: one '?'.
      bytes.append('?');
      ++i;
      continue;
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      bytes.append(static_cast<char>(c));
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k) {
      if (Cp1252High[k] == c) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    bytes.append(mapped);
  }
  return bytes;
}

}  // namespace Cp1252

bool TryStrToInt(const QString& text, int& value) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  bool hex = false;
  if (i < n && (text[i] == QLatin1Char('$') || text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
             (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;
  // Decimal reaches -2147483648..2147483647; hex takes all 32 bits, so "$FFFFFFFF" is -1.
  const unsigned long long limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  unsigned long long magnitude = 0;
  for (; i < n; ++i) {
    const char16_t c = text[i].unicode();
    int digit;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (hex && c >= u'a' && c <= u'f')
      digit = c - u'a' + 10;
    else if (hex && c >= u'A' && c <= u'F')
      digit = c - u'A' + 10;
    else
      return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (magnitude > limit) return false;
  }
  auto bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<int>(bits);
  return true;
}

namespace {

// One line of the file without its ending, and the ending ("\r\n", "\n" or "" for a last
// line without one).
struct TLine {
  QString Text;
  QString Ending;
};

enum class TLineKind { Blank, Comment, Section, Key, Other };

struct TParsed {
  TLineKind Kind = TLineKind::Other;
  QString Name;   // section or key name, trimmed
  QString Value;  // key value, trimmed, one pair of quotes stripped
};

// Blanks as the profile calls see them: ASCII white space only, so a no-break space
// (0xA0) at either end of a value is kept.
bool IsBlank(QChar c) {
  const char16_t u = c.unicode();
  return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f';
}

QString Trim(const QString& s) {
  qsizetype b = 0;
  qsizetype e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.mid(b, e - b);
}

TParsed ParseLine(const QString& text) {
  TParsed p;
  const QString t = Trim(text);
  if (t.isEmpty()) {
    p.Kind = TLineKind::Blank;
  } else if (t.startsWith(QLatin1Char(';'))) {
    p.Kind = TLineKind::Comment;
  } else if (t.startsWith(QLatin1Char('['))) {
    // A header without its closing bracket is no header (and no key either).
    const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
    if (close < 0) return p;
    p.Kind = TLineKind::Section;
    p.Name = Trim(t.mid(1, close - 1));
  } else {
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0) return p;  // no '=' or no name
    p.Kind = TLineKind::Key;
    p.Name = Trim(t.left(eq));
    QString v = Trim(t.mid(eq + 1));
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
      v = v.mid(1, v.size() - 2);
    p.Value = v;
  }
  return p;
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

class TIniText {
public:
  // False when the file exists but cannot be read.
  bool Load(const QString& fileName) {
    QFile f(fileName);
    if (!f.exists()) return true;
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QString text = Cp1252::Decode(f.readAll());
    qsizetype start = 0;
    while (start < text.size()) {
      const qsizetype nl = text.indexOf(QLatin1Char('\n'), start);
      TLine line;
      if (nl < 0) {
        line.Text = text.mid(start);
        start = text.size();
      } else {
        qsizetype end = nl;
        if (end > start && text[end - 1] == QLatin1Char('\r')) --end;
        line.Text = text.mid(start, end - start);
        line.Ending = text.mid(end, nl + 1 - end);
        start = nl + 1;
      }
      FLines.push_back(std::move(line));
    }
    return true;
  }

  QByteArray Bytes() const {
    QString text;
    for (const TLine& l : FLines) {
      text += l.Text;
      text += l.Ending;
    }
    return Cp1252::Encode(text);
  }

  // The line ending the file already uses; a new file gets the Windows one.
  QString Ending() const {
    for (const TLine& l : FLines)
      if (!l.Ending.isEmpty()) return l.Ending;
    return QStringLiteral("\r\n");
  }

  // Index of the first header of the section, -1 when absent.
  qsizetype FindSection(const QString& section) const {
    for (qsizetype i = 0; i < qsizetype(FLines.size()); ++i) {
      const TParsed p = ParseLine(FLines[i].Text);
      if (p.Kind == TLineKind::Section && SameName(p.Name, section)) return i;
    }
    return -1;
  }

  // One past the last line of the section whose header is at index header.
  qsizetype SectionEnd(qsizetype header) const {
    qsizetype i = header + 1;
    while (i < qsizetype(FLines.size()) && ParseLine(FLines[i].Text).Kind != TLineKind::Section) ++i;
    return i;
  }

  // Index of the first line of the key in the section, -1 when absent.
  qsizetype FindKey(const QString& section, const QString& key, TParsed* parsed = nullptr) const {
    const qsizetype header = FindSection(section);
    if (header < 0) return -1;
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
      TParsed p = ParseLine(FLines[i].Text);
      if (p.Kind == TLineKind::Key && SameName(p.Name, key)) {
        if (parsed) *parsed = std::move(p);
        return i;
      }
    }
    return -1;
  }

  QStringList Keys(const QString& section) const {
    QStringList keys;
    const qsizetype header = FindSection(section);
    if (header < 0) return keys;
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
      const TParsed p = ParseLine(FLines[i].Text);
      if (p.Kind == TLineKind::Key && !keys.contains(p.Name, Qt::CaseInsensitive)) keys.append(p.Name);
    }
    return keys;
  }

  QStringList Sections() const {
    QStringList names;
    for (const TLine& l : FLines) {
      const TParsed p = ParseLine(l.Text);
      if (p.Kind == TLineKind::Section && !names.contains(p.Name, Qt::CaseInsensitive)) names.append(p.Name);
    }
    return names;
  }

  void SetValue(const QString& section, const QString& key, const QString& value) {
    const QString text = key + QLatin1Char('=') + value;
    TParsed existing;
    const qsizetype at = FindKey(section, key, &existing);
    if (at >= 0) {
      // Keep the name as the file spells it.
      FLines[at].Text = existing.Name + QLatin1Char('=') + value;
      return;
    }
    const qsizetype header = FindSection(section);
    if (header >= 0) {
      qsizetype last = SectionEnd(header) - 1;
      while (last > header && ParseLine(FLines[last].Text).Kind == TLineKind::Blank) --last;
      InsertAfter(last, text);
      return;
    }
    InsertAfter(qsizetype(FLines.size()) - 1, QLatin1Char('[') + section + QLatin1Char(']'));
    InsertAfter(qsizetype(FLines.size()) - 1, text);
  }

  void DeleteKey(const QString& section, const QString& key) {
    const qsizetype at = FindKey(section, key);
    if (at >= 0) RemoveLines(at, at + 1);
  }

  void EraseSection(const QString& section) {
    const qsizetype header = FindSection(section);
    if (header >= 0) RemoveLines(header, SectionEnd(header));
  }

private:
  // Inserts a line after index (-1: at the start), ending the line before it when it
  // was the unterminated last line.
  void InsertAfter(qsizetype index, const QString& text) {
    const QString ending = Ending();
    if (index >= 0 && FLines[index].Ending.isEmpty()) FLines[index].Ending = ending;
    FLines.insert(FLines.begin() + (index + 1), TLine{text, ending});
  }

  void RemoveLines(qsizetype from, qsizetype to) { FLines.erase(FLines.begin() + from, FLines.begin() + to); }

  std::vector<TLine> FLines;
};

// A line break inside a name or value would split it into lines of its own.
QString OneLine(QString s) {
  s.replace(QLatin1Char('\r'), QLatin1Char(' '));
  s.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return s;
}

bool Save(const QString& fileName, const QByteArray& bytes) {
  QSaveFile f(fileName);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    f.commit();
    return false;
  }
  return f.commit();
}

}  // namespace

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& fileName) {
  if (section.isEmpty() || key.isEmpty() || fileName.isEmpty()) return def;
  TIniText ini;
  if (!ini.Load(fileName)) return def;
  TParsed p;
  if (ini.FindKey(section, key, &p) < 0) return def;
  return p.Value;
}

bool WritePrivateProfileString(const QString& section, const QString& key,
                               const std::optional<QString>& value, const QString& fileName) {
  if (section.isEmpty() || fileName.isEmpty()) return false;
  TIniText ini;
  if (!ini.Load(fileName)) return false;
  const QByteArray before = ini.Bytes();
  if (key.isEmpty())
    ini.EraseSection(section);
  else if (!value)
    ini.DeleteKey(section, key);
  else
    ini.SetValue(OneLine(section), OneLine(key), OneLine(*value));
  const QByteArray after = ini.Bytes();
  if (after == before && QFile::exists(fileName)) return true;
  if (after.isEmpty() && !QFile::exists(fileName)) return true;
  return Save(fileName, after);
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  return GetPrivateProfileString(section, key, def, FFileName);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
  const QString text = ReadString(section, key, QString());
  int value = 0;
  return TryStrToInt(text, value) ? value : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  WritePrivateProfileString(section, key, value, FFileName);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
  WritePrivateProfileString(section, key, std::nullopt, FFileName);
}

void TIniFile::EraseSection(const QString& section) {
  WritePrivateProfileString(section, QString(), std::nullopt, FFileName);
}

QStringList TIniFile::ReadSection(const QString& section) const {
  TIniText ini;
  if (!ini.Load(FFileName)) return {};
  return ini.Keys(section);
}

QStringList TIniFile::ReadSections() const {
  TIniText ini;
  if (!ini.Load(FFileName)) return {};
  return ini.Sections();
}

bool TIniFile::SectionExists(const QString& section) const { return !ReadSection(section).isEmpty(); }

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
  return ReadSection(section).contains(key, Qt::CaseInsensitive);
}
