#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The runtime folder when it is usable; else a private folder in the temporary folder,
// made for this user only, so that nobody else can plant the name there.
QString LockFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QDir(runtime).exists()) return runtime;
  const QString folder = QDir::tempPath() + QStringLiteral("/pellamy-") + QString::number(::getuid());
  const QByteArray name = QFile::encodeName(folder);
  ::mkdir(name.constData(), 0700);
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) return QString();
  return folder;
}

}  // namespace

TInstanceLock::TInstanceLock() {
  const QString folder = LockFolder();
  if (folder.isEmpty()) return;
  FFileName = folder + QStringLiteral("/Pellamy");
  FHandle = ::open(QFile::encodeName(FFileName).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                   0600);
  if (FHandle < 0) return;
  // Shared: the lock exists while any copy runs, and no copy waits for another.
  if (::flock(FHandle, LOCK_SH | LOCK_NB) != 0) {
    ::close(FHandle);
    FHandle = -1;
  }
}

TInstanceLock::~TInstanceLock() {
  if (FHandle >= 0) ::close(FHandle);
}
