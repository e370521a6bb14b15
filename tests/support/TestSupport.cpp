#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace PellamyTest {

TScopedConfigDir::TScopedConfigDir() {
  FHadPrevious = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  if (FHadPrevious) FPrevious = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", FDir.path().toLocal8Bit());
}

TScopedConfigDir::~TScopedConfigDir() {
  if (FHadPrevious)
    qputenv("XDG_CONFIG_HOME", FPrevious);
  else
    qunsetenv("XDG_CONFIG_HOME");
}

QByteArray ReadFileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

TWatchdog::TWatchdog(const char* what, std::chrono::milliseconds limit)
    : FThread([this, what, limit] {
        std::unique_lock lock(FMutex);
        if (!FWake.wait_for(lock, limit, [this] { return FDone; })) {
          std::fprintf(stderr, "Hung for more than %lld ms: %s\n", static_cast<long long>(limit.count()), what);
          std::fflush(stderr);
          std::abort();
        }
      }) {}

TWatchdog::~TWatchdog() {
  {
    std::lock_guard lock(FMutex);
    FDone = true;
  }
  FWake.notify_all();
  FThread.join();
}

}  // namespace PellamyTest
