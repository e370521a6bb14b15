// Preloaded into whole programs (LD_PRELOAD), puts the read rule of shares that enforce
// locks into their pread calls, so a desktop test can start the real program as if its
// settings lived on such a share.

#include <dlfcn.h>
#include <unistd.h>

#include "ShareRules.h"

namespace {

using TPread = ssize_t (*)(int, void*, size_t, off_t);

TPread Next(const char* name) { return reinterpret_cast<TPread>(::dlsym(RTLD_NEXT, name)); }

}  // namespace

extern "C" ssize_t pread(int handle, void* buffer, size_t size, off_t offset) {
  static const TPread next = Next("pread");
  return PellamyTest::ShareReadAt(next, handle, buffer, size, offset);
}

extern "C" ssize_t pread64(int handle, void* buffer, size_t size, off_t offset) {
  static const TPread next = Next("pread64");
  return PellamyTest::ShareReadAt(next, handle, buffer, size, offset);
}
