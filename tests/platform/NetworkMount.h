#pragma once
// The locking rules of network mounts, put into the settings layer's calls for the tests:
// - NFS and SMB emulate flock with byte-range locks, so an exclusive lock on a descriptor
//   not open for writing fails with EBADF (a folder can never be locked);
// - SMB enforces locks: while one descriptor holds the lock, reads through any other, in
//   any process, fail with EACCES.

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "ShareRules.h"
#include "platform/IniSave.h"

namespace PellamyTest {

inline int NetworkLock(int handle, int operation) {
  const int flags = ::fcntl(handle, F_GETFL);
  if ((operation & LOCK_EX) && (flags < 0 || (flags & O_PATH) || (flags & O_ACCMODE) == O_RDONLY)) {
    errno = EBADF;
    return -1;
  }
  return ::flock(handle, operation);
}

inline ssize_t NetworkReadAt(int handle, void* buffer, size_t size, off_t offset) {
  return ShareReadAt(::pread, handle, buffer, size, offset);
}

// The settings layer's calls as they are now, put back when the object goes: a test
// changes them for as long as it lives.
class TScopedSaveCalls {
public:
  TScopedSaveCalls() : FSaved(SaveCalls()) {}
  ~TScopedSaveCalls() { SaveCalls() = FSaved; }
  TScopedSaveCalls(const TScopedSaveCalls&) = delete;
  TScopedSaveCalls& operator=(const TScopedSaveCalls&) = delete;

private:
  TSaveCalls FSaved;
};

// The rules in force for the life of the object.
class TNetworkMount : TScopedSaveCalls {
public:
  TNetworkMount() {
    SaveCalls().Lock = NetworkLock;
    SaveCalls().ReadAt = NetworkReadAt;
  }
};

}  // namespace PellamyTest
