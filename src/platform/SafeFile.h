#pragma once
// Reading a file whose name came from the user or from the settings file. The name may
// point at anything: a FIFO, a device, a folder, a huge file. It is opened without
// blocking, and only a regular file of bounded size is read, so a bad name fails at once
// instead of hanging the program.

#include <QByteArray>
#include <QString>
#include <optional>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

// Reads size bytes at offset into buffer, as pread does.
using TReadAt = ssize_t (*)(int handle, void* buffer, size_t size, off_t offset);

// The whole file behind handle, read from its start with readAt, and its status after
// the read; nullopt when it holds more than maxBytes or a read fails (errno tells why).
std::optional<QByteArray> ReadWholeHandle(int handle, qint64 maxBytes, struct stat& status,
                                          TReadAt readAt = ::pread);

class TRegularFile {
public:
  TRegularFile() = default;
  ~TRegularFile();
  TRegularFile(const TRegularFile&) = delete;
  TRegularFile& operator=(const TRegularFile&) = delete;

  // Opens for reading with O_NONBLOCK and checks the opened file itself: false for
  // anything but a regular file (errno EINVAL then), or when it cannot be opened.
  bool Open(const QString& fileName);
  // The open failed because nothing is there.
  bool Missing() const { return FMissing; }
  int Handle() const { return FHandle; }
  // The status of the opened file, as of Open or the last ReadAll.
  const struct stat& Status() const { return FStatus; }
  // The whole file; nullopt when it holds more than maxBytes or a read fails.
  std::optional<QByteArray> ReadAll(qint64 maxBytes);
  // Hands the descriptor over to the caller, who closes it.
  int Release();
  void Close();

private:
  int FHandle = -1;
  bool FMissing = false;
  struct stat FStatus {};
};

// The whole of a regular file of at most maxBytes; nullopt for anything else.
std::optional<QByteArray> ReadRegularFile(const QString& fileName, qint64 maxBytes);
