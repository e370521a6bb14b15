#pragma once
// The read rule of shares that enforce locks (SMB): while one descriptor holds the
// exclusive lock of a file, reads through any other, in any process, fail with EACCES.
// Plain C library calls only, so the rule also serves a preloaded library.

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/file.h>
#include <sys/types.h>

namespace PellamyTest {

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

// pread (given as read) under the rule.
template <typename TRead>
ssize_t ShareReadAt(TRead read, int handle, void* buffer, size_t size, off_t offset) {
  // A shared lock is refused exactly while another descriptor holds the exclusive one.
  if (!HoldsExclusiveLock(handle)) {
    if (::flock(handle, LOCK_SH | LOCK_NB) != 0) {
      errno = EACCES;
      return -1;
    }
    ::flock(handle, LOCK_UN);
  }
  return read(handle, buffer, size, offset);
}

}  // namespace PellamyTest
