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

// The rules in force for the life of the object.
class TNetworkMount {
public:
  TNetworkMount() : FSaved(SaveCalls()) {
    SaveCalls().Lock = NetworkLock;
    SaveCalls().ReadAt = NetworkReadAt;
  }
  ~TNetworkMount() { SaveCalls() = FSaved; }
  TNetworkMount(const TNetworkMount&) = delete;
  TNetworkMount& operator=(const TNetworkMount&) = delete;

private:
  TSaveCalls FSaved;
};

}  // namespace PellamyTest
