#pragma once
// The locking rules of network mounts, put into the settings layer's calls for the tests:
// - NFS and SMB emulate flock with byte-range locks, so an exclusive lock on a descriptor
//   not open for writing fails with EBADF (a folder can never be locked);
// - SMB enforces locks: while one descriptor holds the lock, reads through any other, in
//   any process, fail with EACCES.

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

// The descriptor itself holds an exclusive lock: the kernel lists it with the descriptor.
inline bool HoldsExclusiveLock(int handle) {
  char name[64];
  std::snprintf(name, sizeof name, "/proc/self/fdinfo/%d", handle);
  FILE* info = std::fopen(name, "re");
  if (!info) return false;
  char line[512];
  bool held = false;
  while (std::fgets(line, sizeof line, info))
    held = held || (std::strncmp(line, "lock:", 5) == 0 && std::strstr(line, "FLOCK") && std::strstr(line, "WRITE"));
  std::fclose(info);
  return held;
}

inline ssize_t NetworkReadAt(int handle, void* buffer, size_t size, off_t offset) {
  // A shared lock is refused exactly while another descriptor holds the exclusive one.
  if (!HoldsExclusiveLock(handle)) {
    if (::flock(handle, LOCK_SH | LOCK_NB) != 0) {
      errno = EACCES;
      return -1;
    }
    ::flock(handle, LOCK_UN);
  }
  return ::pread(handle, buffer, size, offset);
}

// The rules in force for the life of the object.
class TNetworkMount {
public:
  TNetworkMount() : FSaved(SaveCalls()) { SaveCalls() = {NetworkLock, NetworkReadAt}; }
  ~TNetworkMount() { SaveCalls() = FSaved; }
  TNetworkMount(const TNetworkMount&) = delete;
  TNetworkMount& operator=(const TNetworkMount&) = delete;

private:
  TSaveCalls FSaved;
};

}  // namespace PellamyTest
