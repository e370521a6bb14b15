#include "platform/IniDocument.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

QString Decode(QByteArrayView bytes) {
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

using TLineKind = TIniDocument::TLineKind;

struct TParsed {
  TLineKind Kind = TLineKind::Other;
  QString Name;   // section or key name, trimmed
  QString Value;  // key value, trimmed, one pair of quotes stripped
};

// Blanks as the profile calls see them: ASCII white space only, so a no-break space
// (0xA0) at either end of a value is kept.
bool IsBlank(char16_t u) { return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f'; }

QString Trim(const QString& s) {
  qsizetype b = 0;
  qsizetype e = s.size();
  while (b < e && IsBlank(s[b].unicode())) ++b;
  while (e > b && IsBlank(s[e - 1].unicode())) --e;
  return s.mid(b, e - b);
}

QByteArrayView Trim(QByteArrayView s) {
  qsizetype b = 0;
  qsizetype e = s.size();
  while (b < e && IsBlank(char16_t(uchar(s[b])))) ++b;
  while (e > b && IsBlank(char16_t(uchar(s[e - 1])))) --e;
  return s.sliced(b, e - b);
}

TParsed ParseLine(const QString& text) {
  TParsed p;
  const QString t = Trim(text);
  if (t.isEmpty()) {
    p.Kind = TLineKind::Blank;
  } else if (t.startsWith(QLatin1Char(';'))) {
    p.Kind = TLineKind::Comment;
  } else if (t.startsWith(QLatin1Char('['))) {
    const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
    if (close < 0) return p;
    p.Kind = TLineKind::Section;
    p.Name = Trim(t.mid(1, close - 1));
  } else {
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0) return p;
    p.Kind = TLineKind::Key;
    p.Name = Trim(t.left(eq));
    QString v = Trim(t.mid(eq + 1));
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
      v = v.mid(1, v.size() - 2);
    p.Value = v;
  }
  return p;
}

// Names compare as the profile calls compare them: character by character, case folded.
QString Fold(const QString& name) {
  QString folded = name;
  for (QChar& c : folded) c = QChar(QChar::toCaseFolded(c.unicode()));
  return folded;
}

// A line break inside a name or value would split it into lines of its own.
QString OneLine(QString s) {
  s.replace(QLatin1Char('\r'), QLatin1Char(' '));
  s.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return s;
}

}  // namespace

// What a line is, from its bytes. Every character that decides it is ASCII, which the
// code page keeps as it is.
TIniDocument::TLineKind TIniDocument::KindOf(QByteArrayView line) {
  const QByteArrayView t = Trim(line);
  if (t.isEmpty()) return TLineKind::Blank;
  if (t[0] == ';') return TLineKind::Comment;
  // A header without its closing bracket is no header (and no key either).
  if (t[0] == '[') return t.contains(']') ? TLineKind::Section : TLineKind::Other;
  const qsizetype eq = t.indexOf('=');
  return eq > 0 ? TLineKind::Key : TLineKind::Other;  // no '=' or no name
}

void TIniDocument::Assign(QByteArray bytes) {
  FBytes = std::move(bytes);
  FLines.clear();
  const char* d = FBytes.constData();
  const qsizetype n = FBytes.size();
  qsizetype start = 0;
  while (start < n) {
    TLineRef line;
    line.Start = start;
    const auto* nl = static_cast<const char*>(std::memchr(d + start, '\n', size_t(n - start)));
    if (!nl) {
      line.Length = n - start;
      start = n;
    } else {
      const qsizetype at = nl - d;
      qsizetype end = at;
      if (end > start && d[end - 1] == '\r') --end;
      line.Length = end - start;
      line.EndLength = quint8(at + 1 - end);
      start = at + 1;
    }
    line.Kind = KindOf(View(line));
    FLines.push_back(line);
  }
  FChanged = false;
  Reindex();
}

QString TIniDocument::KeyId(const QString& section, const QString& key) {
  return Fold(OneLine(section)) + QChar(0) + Fold(OneLine(key));
}

// Index of the first header of the section, -1 when absent.
qsizetype TIniDocument::FindSection(const QString& section) const { return FFirstHeader.value(Fold(section), -1); }

// Index of the first line of the key in the section, -1 when absent.
qsizetype TIniDocument::FindKey(const QString& section, const QString& key) const {
  const qsizetype header = FindSection(section);
  return header < 0 ? -1 : KeyIndex(header).value(Fold(key), -1);
}

std::optional<QString> TIniDocument::Value(const QString& section, const QString& key) const {
  const qsizetype at = FindKey(section, key);
  if (at < 0) return std::nullopt;
  return ParseLine(Text(at)).Value;
}

QStringList TIniDocument::Keys(const QString& section) const {
  QStringList keys;
  const qsizetype header = FindSection(section);
  if (header < 0) return keys;
  const qsizetype end = SectionEnd(header);
  const QHash<QString, qsizetype>& index = KeyIndex(header);
  for (qsizetype i = header + 1; i < end; ++i) {
    if (FLines[i].Kind != TLineKind::Key) continue;
    const QString name = KeyName(i);
    if (index.value(Fold(name)) == i) keys.append(name);
  }
  return keys;
}

bool TIniDocument::HasKeys(const QString& section) const {
  const qsizetype header = FindSection(section);
  return header >= 0 && !KeyIndex(header).isEmpty();
}

QStringList TIniDocument::Sections() const {
  QStringList names;
  for (const qsizetype header : FHeaders)
    if (FFirstHeader.value(Fold(SectionName(header))) == header) names.append(SectionName(header));
  return names;
}

void TIniDocument::SetValue(const QString& section, const QString& key, const QString& value) {
  const qsizetype at = FindKey(section, key);
  if (at >= 0) {
    // Keep the name as the file spells it.
    ReplaceLine(at, Cp1252::Encode(ParseLine(Text(at)).Name + QLatin1Char('=') + value));
    return;
  }
  const QByteArray text = Cp1252::Encode(key + QLatin1Char('=') + value);
  const qsizetype header = FindSection(section);
  if (header >= 0) {
    qsizetype last = SectionEnd(header) - 1;
    while (last > header && FLines[last].Kind == TLineKind::Blank) --last;
    InsertAfter(last, text);
    return;
  }
  InsertAfter(qsizetype(FLines.size()) - 1, Cp1252::Encode(QLatin1Char('[') + section + QLatin1Char(']')));
  InsertAfter(qsizetype(FLines.size()) - 1, text);
}

void TIniDocument::DeleteKey(const QString& section, const QString& key) {
  const qsizetype at = FindKey(section, key);
  if (at >= 0) RemoveLines(at, at + 1);
}

void TIniDocument::EraseSection(const QString& section) {
  const qsizetype header = FindSection(section);
  if (header >= 0) RemoveLines(header, SectionEnd(header));
}

QByteArrayView TIniDocument::View(const TLineRef& line) const {
  return QByteArrayView(FBytes.constData() + line.Start, line.Length);
}

QString TIniDocument::Text(qsizetype i) const { return Cp1252::Decode(View(FLines[i])); }

QString TIniDocument::SectionName(qsizetype header) const { return ParseLine(Text(header)).Name; }

// The name of a key line: the text before its first '=', trimmed.
QString TIniDocument::KeyName(qsizetype i) const {
  const QByteArrayView t = Trim(View(FLines[i]));
  return Cp1252::Decode(Trim(t.first(t.indexOf('='))));
}

// One past the last line of the section whose header is at index header.
qsizetype TIniDocument::SectionEnd(qsizetype header) const {
  const auto next = std::upper_bound(FHeaders.begin(), FHeaders.end(), header);
  return next == FHeaders.end() ? qsizetype(FLines.size()) : *next;
}

const QHash<QString, qsizetype>& TIniDocument::KeyIndex(qsizetype header) const {
  auto found = FKeys.find(header);
  if (found != FKeys.end()) return *found;
  QHash<QString, qsizetype> index;
  const qsizetype end = SectionEnd(header);
  // The first occurrence of a name wins.
  for (qsizetype i = header + 1; i < end; ++i) {
    if (FLines[i].Kind != TLineKind::Key) continue;
    const QString folded = Fold(KeyName(i));
    if (!index.contains(folded)) index.insert(folded, i);
  }
  return *FKeys.insert(header, std::move(index));
}

void TIniDocument::Reindex() {
  FHeaders.clear();
  FFirstHeader.clear();
  FKeys.clear();
  for (qsizetype i = 0; i < qsizetype(FLines.size()); ++i) {
    if (FLines[i].Kind != TLineKind::Section) continue;
    FHeaders.push_back(i);
    const QString folded = Fold(SectionName(i));
    if (!FFirstHeader.contains(folded)) FFirstHeader.insert(folded, i);
  }
}

void TIniDocument::Shift(qsizetype fromLine, qsizetype delta) {
  if (delta == 0) return;
  for (qsizetype j = fromLine; j < qsizetype(FLines.size()); ++j) FLines[j].Start += delta;
}

// The line ending the file already uses; a new file gets the Windows one.
QByteArray TIniDocument::Ending() const {
  for (const TLineRef& l : FLines)
    if (l.EndLength == 2) return QByteArrayLiteral("\r\n");
    else if (l.EndLength == 1) return QByteArrayLiteral("\n");
  return QByteArrayLiteral("\r\n");
}

void TIniDocument::ReplaceLine(qsizetype i, const QByteArray& text) {
  TLineRef& line = FLines[i];
  if (View(line) == QByteArrayView(text)) return;
  const qsizetype delta = text.size() - line.Length;
  FBytes.replace(line.Start, line.Length, text);
  line.Length = text.size();
  const TLineKind before = line.Kind;
  line.Kind = KindOf(text);
  Shift(i + 1, delta);
  FChanged = true;
  // A key rewritten keeps its name; only a line that turned into something else (a
  // value holding ']' after a name starting with '[') changes the index.
  if (line.Kind != before) Reindex();
}

// Inserts a line after index (-1: at the start), ending the line before it when it was
// the unterminated last line.
void TIniDocument::InsertAfter(qsizetype index, const QByteArray& text) {
  const QByteArray ending = Ending();
  if (index >= 0 && FLines[index].EndLength == 0) {
    TLineRef& before = FLines[index];
    FBytes.insert(before.Start + before.Length, ending);
    before.EndLength = quint8(ending.size());
    Shift(index + 1, ending.size());
  }
  const qsizetype at = index >= 0 ? FLines[index].Start + FLines[index].Length + FLines[index].EndLength : 0;
  FBytes.insert(at, text + ending);
  TLineRef line;
  line.Start = at;
  line.Length = text.size();
  line.EndLength = quint8(ending.size());
  line.Kind = KindOf(text);
  FLines.insert(FLines.begin() + (index + 1), line);
  Shift(index + 2, text.size() + ending.size());
  FChanged = true;
  Reindex();
}

void TIniDocument::RemoveLines(qsizetype from, qsizetype to) {
  if (to <= from) return;
  const qsizetype start = FLines[from].Start;
  const qsizetype end = to < qsizetype(FLines.size()) ? FLines[to].Start : FBytes.size();
  FBytes.remove(start, end - start);
  FLines.erase(FLines.begin() + from, FLines.begin() + to);
  Shift(from, -(end - start));
  FChanged = true;
  Reindex();
}

QString TIniEdit::ReadString(const QString& section, const QString& key, const QString& def) const {
  if (section.isEmpty() || key.isEmpty()) return def;
  return FDoc.Value(section, key).value_or(def);
}

void TIniEdit::WriteString(const QString& section, const QString& key, const QString& value) {
  if (section.isEmpty() || key.isEmpty()) return;
  FDoc.SetValue(OneLine(section), OneLine(key), OneLine(value));
  Touch(section);
}

void TIniEdit::DeleteKey(const QString& section, const QString& key) {
  if (section.isEmpty() || key.isEmpty()) return;
  FDoc.DeleteKey(section, key);
  Touch(section);
}

void TIniEdit::EraseSection(const QString& section) {
  if (section.isEmpty()) return;
  FDoc.EraseSection(section);
  Touch(section);
}

void TIniEdit::Touch(const QString& section) {
  if (!FSections.contains(section, Qt::CaseInsensitive)) FSections.append(section);
}
