#include "platform/InstanceLock.h"

#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// $XDG_RUNTIME_DIR; without it, the private folder Qt makes for this user in the
// temporary folder (checked to be the user's own, mode 0700).
QString LockFolder() { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); }

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
