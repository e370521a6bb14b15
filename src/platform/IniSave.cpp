#include "platform/IniSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "platform/IniFile.h"

namespace {

// The marker in the names of the temporaries of saves, which no player gives a file.
const char SaveMarker[] = ".pellamy-save-";

QByteArray FolderOf(const QString& path) { return QFile::encodeName(QFileInfo(path).absolutePath()); }

int OpenFolder(const QByteArray& folder) { return ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

// The handle is the folder that the path names now.
bool IsFolderOf(int handle, const QString& path) {
  struct stat open {}, named {};
  return ::fstat(handle, &open) == 0 && ::stat(FolderOf(path).constData(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

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
  QFileInfo info(fileName);
  for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
  return info.isSymLink() ? QString() : info.absoluteFilePath();
}

TSaveLock::TSaveLock(const QString& fileName, std::chrono::steady_clock::duration wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  QString target = SaveTarget(fileName);
  if (target.isEmpty()) return;
  FFolder = OpenFolder(FolderOf(target));
  auto pause = std::chrono::microseconds(50);
  int changes = 0;
  while (FFolder >= 0) {
    if (::flock(FFolder, LOCK_EX | LOCK_NB) == 0) {
      // A link may have been pointed elsewhere meanwhile: the lock counts only while it
      // is on the folder the file is in now.
      const QString now = SaveTarget(fileName);
      if (!now.isEmpty() && IsFolderOf(FFolder, now)) {
        FTarget = now;
        FHeld = true;
        return;
      }
      ::close(FFolder);
      FFolder = now.isEmpty() ? -1 : OpenFolder(FolderOf(now));
      if (++changes > 100) break;  // links changing under us all the time: give up
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
  if (FFolder >= 0) ::close(FFolder);
  FFolder = -1;
}

TSaveLock::~TSaveLock() {
  if (FFolder >= 0) ::close(FFolder);
}

TSaveResult SaveFile(const TSaveLock& lock, const QByteArray& bytes) {
  if (!lock.Held()) return TSaveResult::Failed;
  const int folder = lock.Folder();
  const QByteArray name = QFile::encodeName(QFileInfo(lock.Target()).fileName());
  struct stat old {};
  const bool exists = ::fstatat(folder, name.constData(), &old, 0) == 0;
  // A settings file made read-only is left as it is: by root too, whom no permission
  // check stops, so the mode bits decide.
  if (exists && ((old.st_mode & 0222) == 0 || ::faccessat(folder, name.constData(), W_OK, AT_EACCESS) != 0))
    return TSaveResult::Failed;
  const QByteArray prefix = "." + name + SaveMarker;
  QByteArray tempName;
  int handle = -1;
  for (int attempt = 0; attempt < 100 && handle < 0; ++attempt) {
    tempName = prefix + RandomLetters(6);
    handle = ::openat(folder, tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                      exists ? 0600 : 0666);
    if (handle < 0 && errno != EEXIST) return TSaveResult::Failed;
  }
  if (handle < 0) return TSaveResult::Failed;
  bool ok = true;
  if (exists) {
    // The owner only when it differs (a run as another user); failing that, ours.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)::fchown(handle, old.st_uid, old.st_gid);
    ok = ::fchmod(handle, old.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(handle, bytes) && ::fdatasync(handle) == 0;
  ok = ::close(handle) == 0 && ok;
  ok = ok && ::renameat(folder, tempName.constData(), folder, name.constData()) == 0;
  if (!ok) {
    ::unlinkat(folder, tempName.constData(), 0);
    return TSaveResult::Failed;
  }
  // The rename is a change of the folder: until the folder is synced, a power cut can
  // bring back the old file. File systems that cannot sync a folder say EINVAL.
  return ::fsync(folder) == 0 || errno == EINVAL ? TSaveResult::Saved : TSaveResult::Replaced;
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
