// The settings layer's cache of parsed files, the writes kept back behind a stuck copy,
// and the public calls. The text is IniDocument's, the lock and the save IniSave's.

#include "platform/IniFile.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include <sys/stat.h>
#include <time.h>

#include "platform/IniDocument.h"
#include "platform/IniSave.h"
#include "platform/SafeFile.h"

namespace {

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
// A file never read yet, whose reads another copy's lock refuses (shares that enforce
// locks), is waited for as long as the program's end waits for its kept-back writes: what
// start-up reads now, it keeps using, and defaults would hide every stored setting.
constexpr auto FirstReadWait = std::chrono::seconds(5);
// Saves that find the file replaced or rewritten by another program start over this
// often at most, for as long as the wait for the lock (or two settles): then the write
// is kept back.
constexpr int MaxSaveTurns = 100;
// Another program writing the file in place truncates it and writes it a moment later:
// the file is read once its size and stamps have held still this long.
constexpr auto SettleTime = std::chrono::milliseconds(40);

// What identifies one state of the file on disk.
struct TStamp {
  dev_t Dev = 0;
  ino_t Ino = 0;
  off_t Size = -1;
  qint64 MTimeNs = 0;
  qint64 CTimeNs = 0;

  // The stamps as the file system keeps them, in whole multiples of its grain.
  static TStamp Of(const struct stat& st) {
    const qint64 grain = std::max<qint64>(1, SaveCalls().TimeGrainNs);
    const auto ns = [grain](const timespec& t) {
      return (qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec) / grain * grain;
    };
    return {st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
  }
  bool SameFile(const TStamp& other) const { return Dev == other.Dev && Ino == other.Ino; }
  bool operator==(const TStamp&) const = default;
};

qint64 NowNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

using TChange = std::function<void(TIniEdit&)>;

// One write of the file: a key written (Value) or deleted (no Value), a section erased
// (no Key), or an update (Update), which reads the file and writes what it makes of it.
// A tentative write writes what the program took from defaults, without the file (its
// reads refused by another copy's lock): it only adds a key the file (as read before the
// writes, file) lacks, and deletes nothing.
struct TWrite {
  QString Section;
  QString Key;
  std::optional<QString> Value;
  TChange Update;
  bool Tentative = false;

  void Apply(TIniEdit& edit, const TIniDocument& file) const {
    if (Tentative && !Update && (Key.isEmpty() || !Value || file.HasKey(Section, Key))) return;
    if (Update)
      Update(edit);
    else if (Key.isEmpty())
      edit.EraseSection(Section);
    else if (!Value)
      edit.DeleteKey(Section, Key);
    else
      edit.WriteString(Section, Key, *Value);
  }
};

TIniDocument Applied(const TIniDocument& file, const std::vector<TWrite>& writes) {
  TIniDocument doc = file;
  TIniEdit edit(doc);
  for (const TWrite& write : writes) write.Apply(edit, file);
  return doc;
}

// The parsed file kept between calls. It is used again only when the file on disk still
// has the stamp it was read with, and that stamp is trustworthy: the file was last
// changed well before it was read (a change within the same clock tick could keep the
// stamp). The descriptor of the file read stays open, so its inode number cannot be
// handed to a replacement while the entry lives.
//
// Writes kept back behind a stuck copy's lock live here too, in order. A later write of a
// key takes the place of the one before it, so while nothing else comes between, the
// kept writes are at most one per key. An update or an erased section comes between: an
// update is run again on the file as it is when it is written (another copy may have
// changed what it reads, a counter say), so the writes around it keep their order.
struct TCachedFile {
  TIniDocument Doc;
  bool Valid = false;    // Doc is the file as last seen
  bool Present = false;  // the file existed
  bool Racy = true;      // the stamp alone cannot vouch for the content
  bool Stale = false;    // a save found the file differs from Doc: read it, whatever the stamps say
  bool OwnSave = false;  // Doc is this copy's own last save, with the stamp it left
  // A save found the file changing in place until its time ran out: later saves wait for it
  // to hold still, whatever the stamps say, since a read between two rewrites takes the
  // stamp of one of them.
  bool Restless = false;
  bool Refused = false;  // the last read was refused by another copy's lock, after waiting
  bool Seen = false;     // the file has been read (or found missing) once
  // The values this copy took without the file while it could never read it, by key: the
  // default each read gave, and what it wrote then. Written again, such a value is still
  // no choice of the player's, so it never replaces a stored one, also once the file can
  // be read; a key written with another value since is the player's (nullopt).
  QHash<QString, std::optional<QString>> Taken;
  // Writes under way, waiting for the lock: named with the kept-back ones when the
  // program is ended before they are done.
  std::map<quint64, TWrite> InFlight;
  TStamp Stamp;
  int Pinned = -1;
  quint64 LastUse = 0;
  std::vector<TWrite> KeptBack;
  QHash<QString, size_t> LastWrite;  // key -> its write in KeptBack since the last update or erase
  TIniDocument View;                 // Doc with KeptBack applied, while ViewValid
  bool ViewValid = false;
  quint64 Generation = 0;  // counts the changes of Doc, KeptBack and View

  ~TCachedFile() { Unpin(); }
  bool Unread() const { return Refused && !Seen; }
  // Whether the write only writes what this copy took without the file; remembers what
  // it takes now.
  bool TakenWithoutFile(const TWrite& write) {
    if (write.Update) return false;
    if (write.Key.isEmpty()) return Unread();
    const QString key = TIniDocument::KeyId(write.Section, write.Key);
    // Everything written without the file is made from defaults (a size chosen for the
    // screen when none is stored, the next tip after none shown).
    if (Unread()) {
      if (write.Value) Taken.insert(key, write.Value);
      return true;
    }
    const auto taken = Taken.find(key);
    if (taken == Taken.end()) return false;
    if (taken->has_value() && *taken == write.Value) return true;
    *taken = std::nullopt;
    return false;
  }
  // Entries that hold what must not be forgotten stay in the cache.
  bool Evictable() const { return KeptBack.empty() && Taken.empty() && InFlight.empty(); }
  void Unpin() {
    if (Pinned >= 0) ::close(Pinned);
    Pinned = -1;
  }
  void Changed() {
    ++Generation;
    ViewValid = false;
  }
  void Invalidate() {
    Valid = false;
    Present = false;
    Racy = true;
    OwnSave = false;
    Unpin();
    Doc.Assign(QByteArray());
    Changed();
  }
  void SetMissing() {
    Invalidate();
    Valid = Seen = true;
  }
  // Doc is the file with that status now; pin is a descriptor of it (or -1), kept open.
  void Take(int pin, const struct stat& status, bool racy, bool changed = true) {
    Unpin();
    Stamp = TStamp::Of(status);
    Racy = racy;
    Stale = false;
    OwnSave = false;
    Present = Valid = Seen = true;
    Pinned = pin;
    if (changed) Changed();
  }
  // Keeps a key written or deleted, or a section erased, back; the view follows.
  void KeepBack(TWrite write) {
    ++Generation;
    if (ViewValid) {
      TIniEdit edit(View);
      write.Apply(edit, Doc);
    }
    if (write.Key.isEmpty()) {
      KeptBack.push_back(std::move(write));
      LastWrite.clear();
      return;
    }
    const QString key = TIniDocument::KeyId(write.Section, write.Key);
    const auto last = LastWrite.constFind(key);
    if (last != LastWrite.cend()) {
      KeptBack[*last].Value = std::move(write.Value);
      KeptBack[*last].Tentative = write.Tentative;
      return;
    }
    LastWrite.insert(key, KeptBack.size());
    KeptBack.push_back(std::move(write));
  }
  // Keeps an update back, with the view it made (when it was made on the current view).
  void KeepBack(TWrite update, std::optional<TIniDocument> view) {
    const bool current = view.has_value();
    Changed();
    KeptBack.push_back(std::move(update));
    LastWrite.clear();
    if (current) {
      View = std::move(*view);
      ViewValid = true;
    }
  }
  // The kept writes up to count are in the file now.
  void Written(size_t count) {
    KeptBack.erase(KeptBack.begin(), KeptBack.begin() + qsizetype(std::min(count, KeptBack.size())));
    LastWrite.clear();
    Changed();
  }
};

// The cache outlives every other object of the program: the flush may run from exit().
std::mutex& CacheMutex() {
  static auto* m = new std::mutex;
  return *m;
}

// A program reads its own settings file and, now and then, a tips file: a few entries.
constexpr size_t MaxCachedFiles = 4;

std::unordered_map<QString, std::shared_ptr<TCachedFile>>& CachedFiles() {
  static auto* files = new std::unordered_map<QString, std::shared_ptr<TCachedFile>>;
  return *files;
}

// The entry of the file; the mutex is held.
std::shared_ptr<TCachedFile> CachedFile(const QString& fileName) {
  auto& files = CachedFiles();
  static quint64 uses = 0;
  auto found = files.find(fileName);
  if (found == files.end()) {
    // Entries holding kept-back changes stay until those are written, and so do those
    // that remember what this copy took without the file.
    auto oldest = files.end();
    for (auto it = files.begin(); it != files.end(); ++it)
      if (it->second->Evictable() && (oldest == files.end() || it->second->LastUse < oldest->second->LastUse))
        oldest = it;
    if (files.size() >= MaxCachedFiles && oldest != files.end()) files.erase(oldest);
    found = files.emplace(fileName, std::make_shared<TCachedFile>()).first;
  }
  found->second->LastUse = ++uses;
  return found->second;
}

enum class TFreshness {
  Current,     // the entry is the file as it is (or was missing)
  Busy,        // another copy's lock refused the read: the entry is the file as last read
  Unreadable,  // the file is there but cannot be read (not a regular file, too large, no permission)
};

// A descriptor of the file with that status, opened afresh: the lock's own may not stay
// with the entry, since its lock lasts as long as any descriptor of it is open.
int OpenPin(const QString& fileName, const struct stat& status) {
  TRegularFile file;
  if (!file.Open(fileName) || file.Status().st_dev != status.st_dev || file.Status().st_ino != status.st_ino)
    return -1;
  return file.Release();
}

// Brings the entry up to date with the disk; the mutex is held. Under the save lock the
// file is read through the lock's descriptor, which file systems that enforce locks let
// read; otherwise through a descriptor of its own.
TFreshness Refresh(const QString& fileName, TCachedFile& entry, const TSaveLock* lock = nullptr) {
  struct stat st {};
  if (lock) {
    if (::fstat(lock->Handle(), &st) != 0) {
      entry.Invalidate();
      return TFreshness::Unreadable;
    }
  } else if (::stat(QFile::encodeName(fileName).constData(), &st) != 0) {
    if (!entry.Valid || entry.Present) entry.SetMissing();
    return TFreshness::Current;
  }
  const bool stampHolds = entry.Valid && entry.Present && !entry.Stale && entry.Stamp == TStamp::Of(st);
  // A save checks the file's content before it replaces it, so under the lock a stamp too
  // fresh to vouch for the content serves until that check finds otherwise.
  if (stampHolds && (!entry.Racy || lock)) return TFreshness::Current;
  const qint64 readAt = NowNs();
  TRegularFile file;
  if (!lock && !file.Open(fileName)) {
    if (file.Missing()) {
      entry.SetMissing();
      return TFreshness::Current;
    }
    entry.Invalidate();
    return TFreshness::Unreadable;
  }
  QByteArray bytes;
  struct stat status {};
  switch (ReadWholeFile(lock ? lock->Handle() : file.Handle(), MaxSettingsBytes, bytes, status)) {
    case TReadResult::Read:
      break;
    case TReadResult::Busy:
      // This copy's own last save, its stamp unchanged, is the best answer there is while
      // another copy's lock refuses the read: given at once, as nothing else is waited for.
      return stampHolds && entry.OwnSave ? TFreshness::Current : TFreshness::Busy;
    case TReadResult::Failed:
      entry.Invalidate();
      return TFreshness::Unreadable;
  }
  // Read again only because the stamps could not tell: the view made from it still holds.
  const bool same = entry.Valid && entry.Present && bytes == entry.Doc.Bytes();
  if (!same) entry.Doc.Assign(std::move(bytes));
  const int pin = lock ? OpenPin(fileName, status) : file.Release();
  const TStamp stamp = TStamp::Of(status);
  entry.Take(pin, status, pin < 0 || std::max(stamp.MTimeNs, stamp.CTimeNs) > readAt - StampGrainNs, !same);
  return TFreshness::Current;
}

// Says that the program goes on without the settings it could never read.
void SayUnread(const QString& fileName) {
  const QString message = QStringLiteral("Pellamy!: %1 stays locked by another copy of the program; using default "
                                         "settings, which will not replace the ones it holds\n")
                              .arg(fileName);
  std::fputs(message.toLocal8Bit().constData(), stderr);
  std::fflush(stderr);
}

// Refresh, with a read that another copy's lock refuses tried again for as long as a
// write waits for the lock, or longer for a file never read (not again while it stays
// refused). entry may be replaced.
TFreshness RefreshWaiting(std::unique_lock<std::mutex>& guard, const QString& fileName,
                          std::shared_ptr<TCachedFile>& entry) {
  TFreshness fresh = Refresh(fileName, *entry);
  const std::chrono::milliseconds wait = entry->Refused ? std::chrono::milliseconds(0)
                                         : !entry->Seen ? FirstReadWait
                                         : entry->KeptBack.empty() ? LockWait
                                                                   : KeptBackWait;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  auto pause = std::chrono::microseconds(50);
  while (fresh == TFreshness::Busy && std::chrono::steady_clock::now() < deadline) {
    guard.unlock();
    PauseGrowing(pause);
    guard.lock();
    entry = CachedFile(fileName);
    fresh = Refresh(fileName, *entry);
  }
  // Once: while the file stays refused, later reads do not wait again.
  if (fresh == TFreshness::Busy && wait == FirstReadWait) SayUnread(fileName);
  entry->Refused = fresh == TFreshness::Busy;
  return fresh;
}

// The file as this program sees it, with the kept-back writes made; the mutex is held
// on entry and on return, but not while the kept updates run, since they may use the
// profile calls themselves.
TIniDocument ViewOf(std::unique_lock<std::mutex>& guard, TCachedFile& entry) {
  if (entry.KeptBack.empty()) return entry.Doc;
  if (entry.ViewValid) return entry.View;
  const quint64 generation = entry.Generation;
  const TIniDocument doc = entry.Doc;
  const std::vector<TWrite> kept = entry.KeptBack;
  guard.unlock();
  TIniDocument view = Applied(doc, kept);
  guard.lock();
  if (entry.Generation == generation) {
    entry.View = view;
    entry.ViewValid = true;
  }
  return view;
}

// Whether the locked file holds still, so that a save may be based on it. Another program
// writing the file in place (an editor saving in place, cp, a sync tool) truncates it and
// writes it a moment later: a read in between sees part of the file, or nothing. A file
// changed in place since this copy read it (the same file, known, with other stamps), or
// found empty, or last found changing (restless), is read only once its size and stamps
// have held still a while. Copies of this program replace the file by rename, so their
// changes need no wait; nor does a file the lock has just made. False when it went on
// changing until the deadline.
bool Settled(const TSaveLock& lock, const TStamp* known, bool restless,
             std::chrono::steady_clock::time_point deadline) {
  struct stat st {};
  if (lock.Created() || ::fstat(lock.Handle(), &st) != 0) return true;
  TStamp now = TStamp::Of(st);
  if (!restless && now.Size != 0 && !(known && known->SameFile(now) && *known != now)) return true;
  auto still = std::chrono::steady_clock::now();
  auto pause = std::chrono::microseconds(500);
  while (std::chrono::steady_clock::now() - still < SettleTime) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    PauseGrowing(pause);
    // A failing fstat is for the read that follows to tell.
    if (::fstat(lock.Handle(), &st) != 0) return true;
    if (const TStamp next = TStamp::Of(st); next != now) {
      now = next;
      still = std::chrono::steady_clock::now();
    }
  }
  return true;
}

// Applies the kept-back writes and then write (when given) to the file read afresh
// through the lock, and saves once. The save lock is held. Saved when the result is on
// disk; the kept writes applied are then gone, and so they are when the file was replaced
// but could not be synced (Replaced). Moved when another program replaced, removed or
// rewrote the file meanwhile, or is still writing it: nothing changed, lock the file now
// there and call again. On failure the file is as it was, the kept writes stay and write
// is dropped.
TSaveResult SaveLocked(const QString& fileName, TSaveLock& lock, const TWrite* write,
                       std::chrono::steady_clock::time_point deadline) {
  std::unique_lock guard(CacheMutex());
  const std::shared_ptr<TCachedFile> entry = CachedFile(fileName);
  const TStamp known = entry->Stamp;
  const bool read = entry->Valid && entry->Present;
  const bool restless = entry->Restless;
  guard.unlock();
  const bool settled = Settled(lock, read ? &known : nullptr, restless, deadline);
  guard.lock();
  entry->Restless = !settled;
  if (!settled) return TSaveResult::Moved;
  // Nothing is ever saved from a read that failed.
  if (Refresh(fileName, *entry, &lock) != TFreshness::Current) return TSaveResult::Failed;
  const TIniDocument file = entry->Doc;
  TIniDocument doc = file;
  const std::vector<TWrite> kept = entry->KeptBack;
  // Writes kept back from now on (by an update below, say) stay apart from these.
  entry->LastWrite.clear();
  guard.unlock();

  doc.ClearChanged();
  {
    TIniEdit edit(doc);
    for (const TWrite& k : kept) k.Apply(edit, file);
    if (write) write->Apply(edit, file);
  }
  const bool changed = doc.Changed();
  // A write that changes nothing holds only while the file read is still the one there,
  // as it was read.
  const QByteArray basis = file.Bytes();
  const TSaveResult saved = changed                  ? SaveFile(lock, doc.Bytes(), basis)
                            : lock.Unchanged(basis) ? TSaveResult::Saved
                                                     : TSaveResult::Moved;
  if (saved == TSaveResult::Moved) {
    // What was read is not the file any more: the next turn reads it again, whatever its
    // stamps say.
    guard.lock();
    entry->Stale = true;
    return saved;
  }
  // The lock is on the new file now, so no other copy has replaced it.
  struct stat status {};
  const bool stamped = saved != TSaveResult::Failed && changed && ::fstat(lock.Handle(), &status) == 0;
  const int pin = stamped ? OpenPin(fileName, status) : -1;

  guard.lock();
  if (saved == TSaveResult::Failed) {
    entry->Invalidate();
    return saved;
  }
  if (changed) {
    // The new file is the one just written: keep the document and take its stamp. Another
    // program may have written the file in place since the rename, within the stamps'
    // grain, so a read must still vouch for the stamp.
    if (stamped) {
      entry->Doc = std::move(doc);
      entry->Take(pin, status, true);
      entry->OwnSave = true;
    } else {
      entry->Invalidate();
    }
  }
  entry->Written(kept.size());
  return saved;
}

// Locks the file and saves; when another program replaced or rewrote the file meanwhile,
// locks the one now there and saves again, so nothing reported saved lands on a file
// renamed over. Moved when the file kept changing through every turn. busy: another copy
// kept the lock past wait.
TSaveResult LockAndSave(const QString& fileName, std::chrono::steady_clock::duration wait, const TWrite* write,
                        bool& busy) {
  busy = false;
  const auto deadline =
      std::chrono::steady_clock::now() + std::max<std::chrono::steady_clock::duration>(wait, 2 * SettleTime);
  for (int turn = 0; turn < MaxSaveTurns && (turn == 0 || std::chrono::steady_clock::now() < deadline); ++turn) {
    TSaveLock lock(fileName, wait);
    busy = lock.Busy();
    if (!lock.Held()) return TSaveResult::Failed;
    const TSaveResult saved = SaveLocked(fileName, lock, write, deadline);
    if (saved != TSaveResult::Moved) return saved;
  }
  return TSaveResult::Moved;
}

// Keeps a write back behind a busy lock. An update is made on the file as reads see it
// now, without the mutex, so reads see it too.
bool KeepBack(const QString& fileName, TWrite write) {
  std::unique_lock guard(CacheMutex());
  const std::shared_ptr<TCachedFile> entry = CachedFile(fileName);
  // No waiting for a refused read here: the lock's holder is stuck.
  const TFreshness fresh = Refresh(fileName, *entry);
  const bool readable = fresh != TFreshness::Unreadable;
  if (!write.Update) {
    entry->KeepBack(std::move(write));
    return true;
  }
  std::optional<TIniDocument> view;
  if (readable) view = ViewOf(guard, *entry);
  const quint64 generation = entry->Generation;
  guard.unlock();
  if (view) {
    TIniEdit edit(*view);
    write.Update(edit);
  }
  guard.lock();
  // Another thread may have changed the entry meanwhile, or even dropped it from the cache.
  const std::shared_ptr<TCachedFile> now = CachedFile(fileName);
  if (now != entry || now->Generation != generation) view.reset();
  now->KeepBack(std::move(write), std::move(view));
  return true;
}

// One write of the file: under the lock when it comes in time, else kept back.
bool Commit(const QString& fileName, TWrite write) {
  static quint64 writes = 0;
  bool keptBack = false;
  quint64 id = 0;
  {
    std::lock_guard guard(CacheMutex());
    const std::shared_ptr<TCachedFile> entry = CachedFile(fileName);
    keptBack = !entry->KeptBack.empty();
    write.Tentative = entry->TakenWithoutFile(write);
    id = ++writes;
    entry->InFlight.emplace(id, write);
  }
  // Locked from the read to the rename, and the file read afresh under the lock when it
  // changed, so that a write never acts on another copy's older view of the file. Behind
  // a stuck copy's lock, or a file another program kept changing, the write waits in
  // memory for the next one.
  bool busy = false;
  const TSaveResult saved = LockAndSave(fileName, keptBack ? KeptBackWait : LockWait, &write, busy);
  const bool done = busy || saved == TSaveResult::Moved ? KeepBack(fileName, std::move(write))
                                                        : saved == TSaveResult::Saved;
  std::lock_guard guard(CacheMutex());
  CachedFile(fileName)->InFlight.erase(id);
  return done;
}

// Runs a look at the file's current content (as last read, while another copy's lock
// refuses reads) and its entry, the mutex held; def when it cannot be read.
template <typename TResult, typename TLook>
TResult Look(const QString& fileName, TResult def, TLook look) {
  std::unique_lock guard(CacheMutex());
  std::shared_ptr<TCachedFile> entry = CachedFile(fileName);
  // A file never read shows only this copy's kept-back writes.
  if (RefreshWaiting(guard, fileName, entry) == TFreshness::Unreadable) return def;
  if (entry->KeptBack.empty()) return look(entry->Doc, *entry);
  if (entry->ViewValid) return look(entry->View, *entry);
  return look(ViewOf(guard, *entry), *entry);
}

// One key's value, nullopt when the file lacks it. While this copy has never read the
// file, the key then takes the value given (the caller's default) as one it took without
// the file.
std::optional<QString> ReadValue(const QString& section, const QString& key, const QString& fileName,
                                 const QString& given) {
  return Look(fileName, std::optional<QString>(), [&](const TIniDocument& doc, TCachedFile& entry) {
    std::optional<QString> value = doc.Value(section, key);
    if (!value && entry.Unread()) {
      const QString id = TIniDocument::KeyId(section, key);
      if (!entry.Taken.contains(id)) entry.Taken.insert(id, given);
    }
    return value;
  });
}

// The sections the kept-back writes of the file, and the writes still waiting for its
// lock, write to.
QStringList KeptBackSections(const QString& fileName) {
  std::unique_lock guard(CacheMutex());
  const std::shared_ptr<TCachedFile> entry = CachedFile(fileName);
  const TIniDocument file = entry->Doc;
  std::vector<TWrite> kept = entry->KeptBack;
  for (const auto& [id, write] : entry->InFlight) kept.push_back(write);
  guard.unlock();
  TIniDocument scratch = file;
  TIniEdit edit(scratch);
  for (const TWrite& write : kept) write.Apply(edit, file);
  return edit.Sections();
}

}  // namespace

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& fileName) {
  if (section.isEmpty() || key.isEmpty() || fileName.isEmpty()) return def;
  return ReadValue(section, key, fileName, def).value_or(def);
}

bool WritePrivateProfileString(const QString& section, const QString& key,
                               const std::optional<QString>& value, const QString& fileName) {
  if (section.isEmpty() || fileName.isEmpty()) return false;
  return Commit(fileName, TWrite{section, key, key.isEmpty() ? std::nullopt : value, {}});
}

bool UpdatePrivateProfile(const QString& fileName, std::function<void(TIniEdit&)> change) {
  if (fileName.isEmpty() || !change) return false;
  return Commit(fileName, TWrite{{}, {}, {}, std::move(change)});
}

bool FlushPrivateProfiles(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  QStringList waiting;
  {
    std::lock_guard guard(CacheMutex());
    for (const auto& [name, entry] : CachedFiles())
      if (!entry->KeptBack.empty() || !entry->InFlight.empty()) waiting.append(name);
  }
  bool allSaved = true;
  for (const QString& fileName : waiting) {
    bool busy = false;
    LockAndSave(fileName,
                std::max(deadline - std::chrono::steady_clock::now(), std::chrono::steady_clock::duration::zero()),
                nullptr, busy);
    // A write still under way (the program ended from another thread meanwhile) is not
    // saved either.
    {
      std::lock_guard guard(CacheMutex());
      const std::shared_ptr<TCachedFile> entry = CachedFile(fileName);
      if (entry->KeptBack.empty() && entry->InFlight.empty()) continue;
    }
    allSaved = false;
    const QString message = QStringLiteral("Pellamy!: settings not saved to %1 (it stayed locked, kept changing or "
                                           "could not be written): [%2]\n")
                                .arg(fileName, KeptBackSections(fileName).join(QStringLiteral("], [")));
    std::fputs(message.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
  }
  return allSaved;
}

bool ProfileUnread(const QString& fileName) {
  std::lock_guard guard(CacheMutex());
  const auto found = CachedFiles().find(fileName);
  return found != CachedFiles().end() && found->second->Unread();
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  return GetPrivateProfileString(section, key, def, FFileName);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
  if (section.isEmpty() || key.isEmpty() || FFileName.isEmpty()) return def;
  // Without the file, the default is taken as the text that writing it back would write.
  const std::optional<QString> text = ReadValue(section, key, FFileName, QString::number(def));
  int value = 0;
  return text && TryStrToInt(*text, value) ? value : def;
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
  return Look(FFileName, QStringList(), [&](const TIniDocument& doc, const TCachedFile&) { return doc.Keys(section); });
}

QStringList TIniFile::ReadSections() const {
  if (FFileName.isEmpty()) return {};
  return Look(FFileName, QStringList(), [&](const TIniDocument& doc, const TCachedFile&) { return doc.Sections(); });
}

bool TIniFile::SectionExists(const QString& section) const {
  if (FFileName.isEmpty()) return false;
  return Look(FFileName, false, [&](const TIniDocument& doc, const TCachedFile&) { return doc.HasKeys(section); });
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
  if (FFileName.isEmpty()) return false;
  return Look(FFileName, false, [&](const TIniDocument& doc, const TCachedFile&) { return doc.HasKey(section, key); });
}
