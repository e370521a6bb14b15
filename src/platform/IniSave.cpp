#include "platform/IniSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

// The marker in the names of the temporaries of saves, which no player gives a file.
const char SaveMarker[] = ".pellamy-save-";

QByteArray FolderOf(const QString& path) { return QFile::encodeName(QFileInfo(path).absolutePath()); }

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Random letters and digits for a temporary's name, from the kernel (no state of our
// own, so a save also works while the program is ending).
QByteArray RandomLetters(int count) {
  static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char random[16] = {};
  const int n = std::min<int>(count, sizeof random);
  if (::getrandom(random, size_t(n), GRND_NONBLOCK) != n) {
    // Names only need to differ between tries; O_EXCL catches the rest.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::uint64_t mix = std::uint64_t(now.tv_nsec) ^ (std::uint64_t(::getpid()) << 32);
    for (int i = 0; i < n; ++i) random[i] = uchar((mix = mix * 6364136223846793005ull + 1442695040888963407ull) >> 56);
  }
  QByteArray text;
  for (int i = 0; i < n; ++i) text += Letters[random[i] % 62];
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

}  // namespace

QString SaveTarget(const QString& fileName) {
  // Each step splits the path into its folder, resolved by the kernel, and the last name;
  // a link's relative target then starts from that real folder. Nothing is cleaned as
  // text: "link/.." is for the kernel to follow.
  QByteArray path = QFile::encodeName(fileName);
  if (path.isEmpty()) return QString();
  if (!path.startsWith('/')) path = QFile::encodeName(QDir::currentPath()) + '/' + path;
  for (int depth = 0; depth <= 40; ++depth) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    char* real = ::realpath(slash > 0 ? path.left(slash).constData() : "/", nullptr);
    // A folder that is not there cannot hold the file.
    if (!real) return QString();
    QByteArray folder(real);
    std::free(real);
    if (!folder.endsWith('/')) folder += '/';
    path = folder + name;
    if (name == "." || name == "..") return QFile::decodeName(path);
    struct stat named {};
    if (::lstat(path.constData(), &named) != 0 || !S_ISLNK(named.st_mode)) return QFile::decodeName(path);
    QByteArray link(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(path.constData(), link.data(), size_t(link.size()));
    if (length <= 0 || length >= link.size()) return QString();
    link.truncate(length);
    path = link.startsWith('/') ? link : folder + link;
  }
  return QString();
}

TSaveCalls& SaveCalls() {
  static TSaveCalls calls;
  return calls;
}

void PauseGrowing(std::chrono::microseconds& pause) {
  std::this_thread::sleep_for(pause);
  pause = std::min(pause * 2, std::chrono::microseconds(2000));
}

TSaveLock::TSaveLock(const QString& fileName, std::chrono::steady_clock::duration wait)
    : FPath(QFile::encodeName(fileName)) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  auto pause = std::chrono::microseconds(50);
  const auto late = [&] { return FBusy = std::chrono::steady_clock::now() >= deadline; };
  // Each turn finds the file and locks it; another turn only when the file or a link
  // changed meanwhile. Links changing under us all the time: give up.
  for (int turn = 0; turn < 1000; ++turn) {
    Release();
    const QString target = SaveTarget(fileName);
    if (target.isEmpty()) return;
    const QByteArray folder = FolderOf(target);
    FFolder = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    FFolderOpen = FFolder >= 0;
    // A folder the player may write but not read: enough to save in, not to sync.
    if (FFolder < 0 && errno == EACCES) FFolder = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (FFolder < 0) return;
    FName = QFile::encodeName(QFileInfo(target).fileName());
    struct stat named {};
    if (::fstatat(FFolder, FName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0) {
      if (S_ISLNK(named.st_mode)) continue;
      // A FIFO or a device is never opened for writing.
      if (!S_ISREG(named.st_mode)) break;
      FFile = ::openat(FFolder, FName.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } else if (errno == ENOENT) {
      FFile = ::openat(FFolder, FName.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
      FCreated = FFile >= 0;
    } else {
      break;
    }
    if (FFile < 0) {
      if (errno == ENOENT || errno == EEXIST || errno == ELOOP) continue;  // changed since we looked
      break;
    }
    struct stat locked {};
    if (::fstat(FFile, &locked) != 0 || !S_ISREG(locked.st_mode)) break;
    while (SaveCalls().Lock(FFile, LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR) continue;
      if (errno != EWOULDBLOCK || late()) {
        Release();
        return;
      }
      PauseGrowing(pause);
    }
    FLocked = true;
    // A save may have replaced the file while we waited, or a link been pointed elsewhere:
    // the lock counts only on the file the name reaches now.
    if (InPlace()) {
      FTarget = target;
      FHeld = true;
      return;
    }
    if (late()) break;
    PauseGrowing(pause);
  }
  Release();
}

bool TSaveLock::InPlace() const {
  struct stat locked {}, now {}, reached {};
  return FFile >= 0 && ::fstat(FFile, &locked) == 0 &&
         ::fstatat(FFolder, FName.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(now, locked) &&
         ::stat(FPath.constData(), &reached) == 0 && SameFile(reached, locked);
}

bool TSaveLock::Unchanged(const QByteArray& basis) const {
  if (!InPlace()) return false;
  // The content itself: an in-place rewrite within one tick of a coarse clock, to the
  // same size, keeps every time stamp. Read through the lock's own descriptor, which
  // shares that enforce locks let read.
  QByteArray now;
  struct stat status {};
  return ReadWholeFile(FFile, basis.size(), now, status) == TReadResult::Read && now == basis;
}

TSaveLock::~TSaveLock() { Release(); }

void TSaveLock::Release() {
  struct stat file {}, named {};
  // Made empty only to be locked, and nothing saved or written into it since: given up,
  // it goes, also when it never counted (the name led elsewhere by then). Only while its
  // lock is ours, so no other copy is about to save into it.
  if (FLocked && FCreated && ::fstat(FFile, &file) == 0 && file.st_size == 0 &&
      ::fstatat(FFolder, FName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(file, named))
    ::unlinkat(FFolder, FName.constData(), 0);
  if (FFile >= 0) ::close(FFile);
  if (FFolder >= 0) ::close(FFolder);
  FFile = FFolder = -1;
  FFolderOpen = FCreated = FLocked = FHeld = false;
  FTarget.clear();
}

TSaveResult SaveFile(TSaveLock& lock, const QByteArray& bytes, const QByteArray& basis) {
  if (!lock.Held()) return TSaveResult::Failed;
  const int folder = lock.Folder();
  struct stat old {};
  // A settings file made read-only is left as it is: by root too, whom no permission
  // check stops, so the mode bits decide.
  if (::fstat(lock.Handle(), &old) != 0 || (old.st_mode & 0222) == 0) return TSaveResult::Failed;
  const QByteArray prefix = "." + lock.FName + SaveMarker;
  QByteArray tempName;
  int handle = -1;
  for (int attempt = 0; attempt < 100 && handle < 0; ++attempt) {
    tempName = prefix + RandomLetters(6);
    handle = ::openat(folder, tempName.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (handle < 0 && errno != EEXIST) return TSaveResult::Failed;
  }
  if (handle < 0) return TSaveResult::Failed;
  // The owner only when it differs (a run as another user); failing that, ours.
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)::fchown(handle, old.st_uid, old.st_gid);
  // Locked before the rename, so that the file in place is never without the lock.
  bool ok = ::fchmod(handle, old.st_mode & 07777) == 0 && SaveCalls().Lock(handle, LOCK_EX | LOCK_NB) == 0;
  ok = ok && WriteAll(handle, bytes) && ::fdatasync(handle) == 0;
  // Renamed only over the file this copy read and locked, as it read it: one another
  // program put in its place or rewrote since then holds changes (and other copies'
  // writes) that were never read here.
  const bool moved = ok && !lock.Unchanged(basis);
  ok = ok && !moved && SaveCalls().Rename(folder, tempName.constData(), folder, lock.FName.constData()) == 0;
  if (!ok) {
    ::unlinkat(folder, tempName.constData(), 0);
    ::close(handle);
    return moved ? TSaveResult::Moved : TSaveResult::Failed;
  }
  ::close(lock.FFile);
  lock.FFile = handle;
  lock.FCreated = false;
  // The rename is a change of the folder: until the folder is synced, a power cut can
  // bring back the old file. File systems that cannot sync a folder say EINVAL. A folder
  // we may not read cannot be opened to be synced: its whole file system is.
  const bool synced = lock.FFolderOpen ? ::fsync(folder) == 0 || errno == EINVAL : ::syncfs(handle) == 0;
  return synced ? TSaveResult::Saved : TSaveResult::Replaced;
}

TReadResult ReadWholeFile(int handle, qint64 maxBytes, QByteArray& bytes, struct stat& status) {
  std::optional<QByteArray> read = ReadWholeHandle(handle, maxBytes, status, SaveCalls().ReadAt);
  if (read) {
    bytes = std::move(*read);
    return TReadResult::Read;
  }
  // A lock that the file system enforces (SMB) refuses the read while another holds it.
  return errno == EACCES || errno == EAGAIN ? TReadResult::Busy : TReadResult::Failed;
}

int RemoveStraySaveFiles(const QString& fileName, qint64 minAgeSeconds) {
  if (fileName.isEmpty()) return 0;
  // Every copy saves under the lock, so while it is held here no save is under way and a
  // temporary beside the file is left over from a copy that was killed while saving.
  const TSaveLock lock(fileName, std::chrono::steady_clock::duration::zero());
  if (!lock.Held()) return 0;
  const QFileInfo info(lock.Target());
  const QRegularExpression stray(QStringLiteral("^\\.") + QRegularExpression::escape(info.fileName() + SaveMarker) +
                                 QStringLiteral("[A-Za-z0-9]{6}$"));
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const qint64 oldest = qint64(now.tv_sec) - minAgeSeconds;
  int removed = 0;
  for (const QString& name :
       info.absoluteDir().entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
    if (!stray.match(name).hasMatch()) continue;
    const QByteArray entry = QFile::encodeName(name);
    struct stat st {};
    if (::fstatat(lock.Folder(), entry.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid())
      continue;
    // Changed at least minAgeSeconds ago (to the nanosecond, as the clock allows).
    if (qint64(st.st_mtim.tv_sec) > oldest || (qint64(st.st_mtim.tv_sec) == oldest && st.st_mtim.tv_nsec > now.tv_nsec))
      continue;
    if (::unlinkat(lock.Folder(), entry.constData(), 0) == 0) ++removed;
  }
  return removed;
}
