#include "platform/SafeFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

TRegularFile::~TRegularFile() { Close(); }

void TRegularFile::Close() {
  if (FHandle >= 0) ::close(FHandle);
  FHandle = -1;
}

int TRegularFile::Release() {
  const int handle = FHandle;
  FHandle = -1;
  return handle;
}

bool TRegularFile::Open(const QString& fileName) {
  Close();
  FMissing = false;
  if (fileName.isEmpty()) {
    FMissing = true;
    errno = ENOENT;
    return false;
  }
  // O_NONBLOCK: opening a FIFO without a writer, or a device, must not wait. The check
  // is made on the opened descriptor, so the name cannot be swapped in between.
  const int handle = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (handle < 0) {
    FMissing = errno == ENOENT || errno == ENOTDIR;
    return false;
  }
  if (::fstat(handle, &FStatus) != 0 || !S_ISREG(FStatus.st_mode)) {
    ::close(handle);
    errno = EINVAL;
    return false;
  }
  FHandle = handle;
  return true;
}

std::optional<QByteArray> ReadWholeHandle(int handle, qint64 maxBytes, struct stat& status, TReadAt readAt) {
  if (::fstat(handle, &status) != 0) return std::nullopt;
  const auto tooLarge = [] {
    errno = EFBIG;
    return std::nullopt;
  };
  if (status.st_size > maxBytes) return tooLarge();
  QByteArray bytes;
  bytes.resize(qsizetype(status.st_size));
  qint64 done = 0;
  for (;;) {
    // One byte of room beyond the size seen, so that a file still growing is noticed.
    if (done == bytes.size()) {
      if (done > maxBytes) return tooLarge();
      bytes.resize(qsizetype(std::min<qint64>(maxBytes + 1, std::max<qint64>(done * 2, done + 4096))));
    }
    const ssize_t n = readAt(handle, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    done += n;
  }
  if (done > maxBytes) return tooLarge();
  bytes.resize(qsizetype(done));
  ::fstat(handle, &status);
  return bytes;
}

std::optional<QByteArray> TRegularFile::ReadAll(qint64 maxBytes) {
  if (FHandle < 0) return std::nullopt;
  return ReadWholeHandle(FHandle, maxBytes, FStatus);
}

std::optional<QByteArray> ReadRegularFile(const QString& fileName, qint64 maxBytes) {
  TRegularFile file;
  if (!file.Open(fileName)) return std::nullopt;
  return file.ReadAll(maxBytes);
}
