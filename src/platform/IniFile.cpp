#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "platform/SafeFile.h"

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

enum class TLineKind : quint8 { Blank, Comment, Section, Key, Other };

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

// What a line is, from its bytes. Every character that decides it is ASCII, which the
// code page keeps as it is.
TLineKind KindOf(QByteArrayView line) {
  const QByteArrayView t = Trim(line);
  if (t.isEmpty()) return TLineKind::Blank;
  if (t[0] == ';') return TLineKind::Comment;
  // A header without its closing bracket is no header (and no key either).
  if (t[0] == '[') return t.contains(']') ? TLineKind::Section : TLineKind::Other;
  const qsizetype eq = t.indexOf('=');
  return eq > 0 ? TLineKind::Key : TLineKind::Other;  // no '=' or no name
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

// One line of the file: where its text starts in the file's bytes, its length without the
// ending, and the ending ("\r\n", "\n", or none for a last line without one).
struct TLineRef {
  qsizetype Start = 0;
  qsizetype Length = 0;
  quint8 EndLength = 0;
  TLineKind Kind = TLineKind::Other;
};

}  // namespace

// The file as bytes with an index of its lines, its sections and (built when first asked)
// the keys of each section, so that finding a key does not walk the file.
class TIniDocument {
public:
  void Assign(QByteArray bytes) {
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

  const QByteArray& Bytes() const { return FBytes; }
  bool Changed() const { return FChanged; }
  void ClearChanged() { FChanged = false; }

  // Index of the first header of the section, -1 when absent.
  qsizetype FindSection(const QString& section) const { return FFirstHeader.value(Fold(section), -1); }

  // Index of the first line of the key in the section, -1 when absent.
  qsizetype FindKey(const QString& section, const QString& key, TParsed* parsed = nullptr) const {
    const qsizetype header = FindSection(section);
    if (header < 0) return -1;
    const qsizetype at = KeyIndex(header).value(Fold(key), -1);
    if (at >= 0 && parsed) *parsed = ParseLine(Text(at));
    return at;
  }

  QStringList Keys(const QString& section) const {
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

  bool HasKeys(const QString& section) const {
    const qsizetype header = FindSection(section);
    return header >= 0 && !KeyIndex(header).isEmpty();
  }

  QStringList Sections() const {
    QStringList names;
    for (const qsizetype header : FHeaders)
      if (FFirstHeader.value(Fold(SectionName(header))) == header) names.append(SectionName(header));
    return names;
  }

  void SetValue(const QString& section, const QString& key, const QString& value) {
    TParsed existing;
    const qsizetype at = FindKey(section, key, &existing);
    if (at >= 0) {
      // Keep the name as the file spells it.
      ReplaceLine(at, Cp1252::Encode(existing.Name + QLatin1Char('=') + value));
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

  void DeleteKey(const QString& section, const QString& key) {
    const qsizetype at = FindKey(section, key);
    if (at >= 0) RemoveLines(at, at + 1);
  }

  void EraseSection(const QString& section) {
    const qsizetype header = FindSection(section);
    if (header >= 0) RemoveLines(header, SectionEnd(header));
  }

private:
  QByteArrayView View(const TLineRef& line) const {
    return QByteArrayView(FBytes.constData() + line.Start, line.Length);
  }
  QString Text(qsizetype i) const { return Cp1252::Decode(View(FLines[i])); }
  QString SectionName(qsizetype header) const { return ParseLine(Text(header)).Name; }
  // The name of a key line: the text before its first '=', trimmed.
  QString KeyName(qsizetype i) const {
    const QByteArrayView t = Trim(View(FLines[i]));
    return Cp1252::Decode(Trim(t.first(t.indexOf('='))));
  }

  // One past the last line of the section whose header is at index header.
  qsizetype SectionEnd(qsizetype header) const {
    const auto next = std::upper_bound(FHeaders.begin(), FHeaders.end(), header);
    return next == FHeaders.end() ? qsizetype(FLines.size()) : *next;
  }

  const QHash<QString, qsizetype>& KeyIndex(qsizetype header) const {
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

  void Reindex() {
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

  void Shift(qsizetype fromLine, qsizetype delta) {
    if (delta == 0) return;
    for (qsizetype j = fromLine; j < qsizetype(FLines.size()); ++j) FLines[j].Start += delta;
  }

  // The line ending the file already uses; a new file gets the Windows one.
  QByteArray Ending() const {
    for (const TLineRef& l : FLines)
      if (l.EndLength == 2) return QByteArrayLiteral("\r\n");
      else if (l.EndLength == 1) return QByteArrayLiteral("\n");
    return QByteArrayLiteral("\r\n");
  }

  void ReplaceLine(qsizetype i, const QByteArray& text) {
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

  // Inserts a line after index (-1: at the start), ending the line before it when it
  // was the unterminated last line.
  void InsertAfter(qsizetype index, const QByteArray& text) {
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

  void RemoveLines(qsizetype from, qsizetype to) {
    if (to <= from) return;
    const qsizetype start = FLines[from].Start;
    const qsizetype end = to < qsizetype(FLines.size()) ? FLines[to].Start : FBytes.size();
    FBytes.remove(start, end - start);
    FLines.erase(FLines.begin() + from, FLines.begin() + to);
    Shift(from, -(end - start));
    FChanged = true;
    Reindex();
  }

  QByteArray FBytes;
  std::vector<TLineRef> FLines;
  std::vector<qsizetype> FHeaders;         // every header line, in file order
  QHash<QString, qsizetype> FFirstHeader;  // folded name -> first header of that name
  mutable QHash<qsizetype, QHash<QString, qsizetype>> FKeys;  // header -> folded key -> first line
  bool FChanged = false;
};

namespace {

// A line break inside a name or value would split it into lines of its own.
QString OneLine(QString s) {
  s.replace(QLatin1Char('\r'), QLatin1Char(' '));
  s.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return s;
}

// Larger files are not settings this program wrote; they are refused, not loaded.
constexpr qint64 MaxSettingsBytes = 512LL * 1024 * 1024;
// Time stamps of files may be this coarse (whole seconds on some file systems): a file
// changed less than this before it was read may change again with the same stamps.
// Copies of this program always write a new file, which the open descriptor of the
// cached one keeps from getting its inode number; only writers that change the file in
// place are left to the stamps.
constexpr qint64 StampGrainNs = 1'000'000'000;
// A copy that holds the settings lock longer than this is stuck: the write is kept back
// rather than freezing the window.
constexpr auto LockWait = std::chrono::milliseconds(500);
// While changes are kept back the holder is known to be stuck: later writes only look.
constexpr auto KeptBackWait = std::chrono::milliseconds(20);
// The marker in the names of the temporaries of saves, which no player gives a file.
const QString SaveMarker = QStringLiteral(".pellamy-save-");

// What identifies one state of the file on disk.
struct TStamp {
  dev_t Dev = 0;
  ino_t Ino = 0;
  off_t Size = -1;
  qint64 MTimeNs = 0;
  qint64 CTimeNs = 0;

  static TStamp Of(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
  }
  bool operator==(const TStamp&) const = default;
};

qint64 NowNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

using TChange = std::function<void(TIniEdit&)>;

// The parsed file kept between calls. It is used again only when the file on disk still
// has the stamp it was read with, and that stamp is trustworthy: the file was last
// changed well before it was read (a change within the same clock tick could keep the
// stamp). The descriptor of the file read stays open, so its inode number cannot be
// handed to a replacement while the entry lives. Changes kept back behind a stuck copy's
// lock live here too, with the file as reads see it then.
struct TCachedFile {
  TIniDocument Doc;
  bool Valid = false;    // Doc is the file as last seen
  bool Present = false;  // the file existed
  bool Racy = true;      // the stamp alone cannot vouch for the content
  TStamp Stamp;
  int Pinned = -1;
  quint64 LastUse = 0;
  std::vector<TChange> KeptBack;  // in the order they were made
  TIniDocument Overlay;           // Doc with KeptBack applied, while OverlayValid
  bool OverlayValid = false;

  ~TCachedFile() { Unpin(); }
  void Unpin() {
    if (Pinned >= 0) ::close(Pinned);
    Pinned = -1;
  }
  void Invalidate() {
    Valid = false;
    Present = false;
    Racy = true;
    OverlayValid = false;
    Unpin();
    Doc.Assign(QByteArray());
  }
  void SetMissing() {
    Invalidate();
    Valid = true;
  }
  void Take(TRegularFile& file, bool racy) {
    Unpin();
    Stamp = TStamp::Of(file.Status());
    Racy = racy;
    Present = true;
    Valid = true;
    OverlayValid = false;
    Pinned = file.Release();
  }
  // The file as this program sees it: with the kept-back changes made.
  const TIniDocument& View() {
    if (KeptBack.empty()) return Doc;
    if (!OverlayValid) {
      Overlay = Doc;
      TIniEdit edit(Overlay);
      for (const TChange& change : KeptBack) change(edit);
      OverlayValid = true;
    }
    return Overlay;
  }
  // The sections the kept-back changes write to.
  QStringList KeptBackSections() const {
    TIniDocument scratch = Doc;
    TIniEdit edit(scratch);
    for (const TChange& change : KeptBack) change(edit);
    return edit.Sections();
  }
};

std::mutex& CacheMutex() {
  static std::mutex m;
  return m;
}

// A program reads its own settings file and, now and then, a tips file: a few entries.
constexpr size_t MaxCachedFiles = 4;

std::unordered_map<QString, std::unique_ptr<TCachedFile>>& CachedFiles() {
  static std::unordered_map<QString, std::unique_ptr<TCachedFile>> files;
  return files;
}

TCachedFile& CachedFile(const QString& fileName) {
  auto& files = CachedFiles();
  static quint64 uses = 0;
  auto found = files.find(fileName);
  if (found == files.end()) {
    // Entries holding kept-back changes stay until those are written.
    auto oldest = files.end();
    for (auto it = files.begin(); it != files.end(); ++it)
      if (it->second->KeptBack.empty() && (oldest == files.end() || it->second->LastUse < oldest->second->LastUse))
        oldest = it;
    if (files.size() >= MaxCachedFiles && oldest != files.end()) files.erase(oldest);
    found = files.emplace(fileName, std::make_unique<TCachedFile>()).first;
  }
  found->second->LastUse = ++uses;
  return *found->second;
}

// Brings the entry up to date with the disk. False when the file is there but cannot be
// read (not a regular file, too large, no permission).
bool Refresh(const QString& fileName, TCachedFile& entry) {
  struct stat st {};
  if (::stat(QFile::encodeName(fileName).constData(), &st) != 0) {
    entry.SetMissing();
    return true;
  }
  if (entry.Valid && entry.Present && !entry.Racy && entry.Stamp == TStamp::Of(st)) return true;
  const qint64 readAt = NowNs();
  TRegularFile file;
  if (!file.Open(fileName)) {
    if (file.Missing()) {
      entry.SetMissing();
      return true;
    }
    entry.Invalidate();
    return false;
  }
  std::optional<QByteArray> bytes = file.ReadAll(MaxSettingsBytes);
  if (!bytes) {
    entry.Invalidate();
    return false;
  }
  entry.Doc.Assign(std::move(*bytes));
  const TStamp stamp = TStamp::Of(file.Status());
  entry.Take(file, std::max(stamp.MTimeNs, stamp.CTimeNs) > readAt - StampGrainNs);
  return true;
}

// The folder the settings file's name is in.
QByteArray FolderOf(const QString& fileName) { return QFile::encodeName(QFileInfo(fileName).absolutePath()); }

// What the save lock is taken on, chosen from the files alone so that every copy takes
// the same one: "<file>.lock" (made when missing), opened for writing or, when it cannot
// be (another user's file, a folder), for reading, which flock takes as well; failing
// both (a link, a loop), the settings folder itself. Links are never followed, so the
// lock file cannot be turned into a way to make a file elsewhere.
int OpenLockTarget(const QString& fileName) {
  const QByteArray lockName = QFile::encodeName(fileName + QStringLiteral(".lock"));
  constexpr int Flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  int handle = ::open(lockName.constData(), O_RDWR | O_CREAT | Flags, 0644);
  if (handle < 0) handle = ::open(lockName.constData(), O_RDONLY | Flags);
  if (handle < 0) handle = ::open(FolderOf(fileName).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return handle;
}

bool SameFile(int a, int b) {
  struct stat sa {}, sb {};
  return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// The advisory lock every copy of the program takes around a read-modify-write of the
// file. The kernel drops it when its holder ends, so a killed copy never leaves it held.
class TSaveLock {
public:
  TSaveLock(const QString& fileName, std::chrono::steady_clock::duration wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    FHandle = OpenLockTarget(fileName);
    auto pause = std::chrono::microseconds(50);
    int changes = 0;
    while (FHandle >= 0) {
      if (::flock(FHandle, LOCK_EX | LOCK_NB) == 0) {
        // The files may have changed since the choice (the lock file removed or made):
        // the lock counts only if it is still what every copy would choose now.
        const int now = OpenLockTarget(fileName);
        if (now >= 0 && SameFile(now, FHandle)) {
          ::close(now);
          FHeld = true;
          return;
        }
        ::close(FHandle);
        FHandle = now;
        if (++changes > 100) break;  // files changing under us all the time: give up
        continue;
      }
      if (errno != EWOULDBLOCK && errno != EINTR) break;
      if (std::chrono::steady_clock::now() >= deadline) {
        FBusy = true;
        break;
      }
      std::this_thread::sleep_for(pause);
      pause = std::min(pause * 2, std::chrono::microseconds(2000));
    }
    if (FHandle >= 0) ::close(FHandle);
    FHandle = -1;
  }
  ~TSaveLock() {
    if (FHandle >= 0) ::close(FHandle);
  }
  TSaveLock(const TSaveLock&) = delete;
  TSaveLock& operator=(const TSaveLock&) = delete;

  bool Held() const { return FHeld; }
  // Another copy holds the lock (and kept it past the wait).
  bool Busy() const { return FBusy; }

private:
  int FHandle = -1;
  bool FHeld = false;
  bool FBusy = false;
};

// The file a save replaces: the name itself, or the end of its chain of links (so a file
// kept elsewhere and linked in stays linked). Empty for links that never end.
QString SaveTarget(const QString& fileName) {
  QFileInfo info(fileName);
  for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
  return info.isSymLink() ? QString() : info.absoluteFilePath();
}

QString RandomLetters(int count) {
  static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QString text;
  for (int i = 0; i < count; ++i) text += QLatin1Char(Letters[QRandomGenerator::global()->bounded(62)]);
  return text;
}

bool WriteAll(int handle, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(handle, bytes.constData() + done, size_t(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

// Replaces the file atomically: a new hidden temporary beside it, named with a marker
// only this program uses (RemoveStraySaveFiles knows it, and nothing else), written and
// flushed to disk, given the old file's owner and permissions, then renamed over it.
bool Save(const QString& fileName, const QByteArray& bytes) {
  const QString target = SaveTarget(fileName);
  if (target.isEmpty()) return false;
  const QByteArray targetName = QFile::encodeName(target);
  struct stat old {};
  const bool exists = ::stat(targetName.constData(), &old) == 0;
  // A settings file made read-only is left as it is.
  if (exists && ::access(targetName.constData(), W_OK) != 0) return false;
  const QFileInfo info(target);
  const QString prefix = info.absolutePath() + QStringLiteral("/.") + info.fileName() + SaveMarker;
  QByteArray tempName;
  int handle = -1;
  for (int attempt = 0; attempt < 100 && handle < 0; ++attempt) {
    tempName = QFile::encodeName(prefix + RandomLetters(6));
    handle = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, exists ? 0600 : 0666);
    if (handle < 0 && errno != EEXIST) return false;
  }
  if (handle < 0) return false;
  bool ok = true;
  if (exists) {
    // The owner only when it differs (a run as another user); failing that, ours.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)::fchown(handle, old.st_uid, old.st_gid);
    ok = ::fchmod(handle, old.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(handle, bytes) && ::fdatasync(handle) == 0;
  ok = ::close(handle) == 0 && ok;
  ok = ok && ::rename(tempName.constData(), targetName.constData()) == 0;
  if (!ok) ::unlink(tempName.constData());
  return ok;
}

// Applies the kept-back changes and then change (when given) to the file read afresh,
// and saves once. The save lock is held. On success nothing is kept back any more; on
// failure the file is as it was, the kept-back changes stay and change is dropped.
bool SaveLocked(const QString& fileName, TCachedFile& entry, const TChange* change) {
  if (!Refresh(fileName, entry)) return false;
  TIniDocument& doc = entry.Doc;
  doc.ClearChanged();
  TIniEdit edit(doc);
  for (const TChange& kept : entry.KeptBack) kept(edit);
  if (change) (*change)(edit);
  if (doc.Changed()) {
    if (!Save(fileName, doc.Bytes())) {
      entry.Invalidate();
      return false;
    }
    // The new file is the one just written (every copy writes under the lock): keep the
    // document and take the new file's stamp.
    TRegularFile written;
    if (written.Open(fileName))
      entry.Take(written, false);
    else
      entry.Invalidate();
  }
  entry.KeptBack.clear();
  entry.OverlayValid = false;
  return true;
}

// One write or update of the file: under the lock when it comes in time, else kept back.
bool Commit(const QString& fileName, TChange change) {
  bool keptBack = false;
  {
    std::lock_guard guard(CacheMutex());
    keptBack = !CachedFile(fileName).KeptBack.empty();
  }
  // Locked from the read to the rename, and the file read afresh under the lock when it
  // changed, so that a write never acts on another copy's older view of the file.
  const TSaveLock lock(fileName, keptBack ? KeptBackWait : LockWait);
  std::lock_guard guard(CacheMutex());
  TCachedFile& entry = CachedFile(fileName);
  if (lock.Busy()) {
    entry.KeptBack.push_back(std::move(change));
    entry.OverlayValid = false;
    return true;
  }
  if (!lock.Held()) return false;
  return SaveLocked(fileName, entry, &change);
}

// Runs a read-only look at the file's current content; def when it cannot be read.
template <typename TResult, typename TLook>
TResult Look(const QString& fileName, TResult def, TLook look) {
  std::lock_guard guard(CacheMutex());
  TCachedFile& entry = CachedFile(fileName);
  if (!Refresh(fileName, entry)) return def;
  return look(entry.View());
}

}  // namespace

QString TIniEdit::ReadString(const QString& section, const QString& key, const QString& def) const {
  if (section.isEmpty() || key.isEmpty()) return def;
  TParsed p;
  return FDoc.FindKey(section, key, &p) < 0 ? def : p.Value;
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

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& fileName) {
  if (section.isEmpty() || key.isEmpty() || fileName.isEmpty()) return def;
  return Look(fileName, def, [&](const TIniDocument& doc) {
    TParsed p;
    return doc.FindKey(section, key, &p) < 0 ? def : p.Value;
  });
}

bool WritePrivateProfileString(const QString& section, const QString& key,
                               const std::optional<QString>& value, const QString& fileName) {
  if (section.isEmpty() || fileName.isEmpty()) return false;
  return Commit(fileName, [section, key, value](TIniEdit& ini) {
    if (key.isEmpty())
      ini.EraseSection(section);
    else if (!value)
      ini.DeleteKey(section, key);
    else
      ini.WriteString(section, key, *value);
  });
}

bool UpdatePrivateProfile(const QString& fileName, std::function<void(TIniEdit&)> change) {
  if (fileName.isEmpty() || !change) return false;
  return Commit(fileName, std::move(change));
}

bool FlushPrivateProfiles(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  QStringList waiting;
  {
    std::lock_guard guard(CacheMutex());
    for (const auto& [name, entry] : CachedFiles())
      if (!entry->KeptBack.empty()) waiting.append(name);
  }
  bool allSaved = true;
  for (const QString& fileName : waiting) {
    const TSaveLock lock(fileName, std::max(deadline - std::chrono::steady_clock::now(),
                                            std::chrono::steady_clock::duration::zero()));
    std::lock_guard guard(CacheMutex());
    TCachedFile& entry = CachedFile(fileName);
    if (entry.KeptBack.empty() || (lock.Held() && SaveLocked(fileName, entry, nullptr))) continue;
    allSaved = false;
    const QStringList sections = entry.KeptBackSections();
    const QString message = QStringLiteral("Pellamy!: settings not saved to %1 (it stayed locked or could not be "
                                           "written): [%2]\n")
                                .arg(fileName, sections.join(QStringLiteral("], [")));
    std::fputs(message.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
  }
  return allSaved;
}

int RemoveStraySaveFiles(const QString& fileName, qint64 minAgeSeconds) {
  if (fileName.isEmpty()) return 0;
  // Every copy saves under the lock, so while it is held here no save is under way and a
  // temporary beside the file is left over from a copy that was killed while saving.
  const TSaveLock lock(fileName, std::chrono::steady_clock::duration::zero());
  if (!lock.Held()) return 0;
  const QString target = SaveTarget(fileName);
  if (target.isEmpty()) return 0;
  const QFileInfo info(target);
  const QDir folder = info.absoluteDir();
  const QRegularExpression stray(QStringLiteral("^\\.") + QRegularExpression::escape(info.fileName() + SaveMarker) +
                                 QStringLiteral("[A-Za-z0-9]{6}$"));
  const qint64 oldest = NowNs() - minAgeSeconds * 1'000'000'000;
  int removed = 0;
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
    if (!stray.match(name).hasMatch()) continue;
    const QByteArray path = QFile::encodeName(folder.filePath(name));
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (TStamp::Of(st).MTimeNs > oldest) continue;
    if (::unlink(path.constData()) == 0) ++removed;
  }
  return removed;
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
  if (FFileName.isEmpty()) return {};
  return Look(FFileName, QStringList(), [&](const TIniDocument& doc) { return doc.Keys(section); });
}

QStringList TIniFile::ReadSections() const {
  if (FFileName.isEmpty()) return {};
  return Look(FFileName, QStringList(), [&](const TIniDocument& doc) { return doc.Sections(); });
}

bool TIniFile::SectionExists(const QString& section) const {
  if (FFileName.isEmpty()) return false;
  return Look(FFileName, false, [&](const TIniDocument& doc) { return doc.HasKeys(section); });
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
  if (FFileName.isEmpty()) return false;
  return Look(FFileName, false, [&](const TIniDocument& doc) { return doc.FindKey(section, key) >= 0; });
}
