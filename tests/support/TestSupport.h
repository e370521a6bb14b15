#pragma once
// Shared test helpers: every test binary runs with a QApplication on the offscreen
// platform and a settings folder of its own.

#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace PellamyTest {

// Points XDG_CONFIG_HOME at a fresh empty folder for the lifetime of the object,
// so a test sees exactly the settings files it writes.
class TScopedConfigDir {
public:
  TScopedConfigDir();
  ~TScopedConfigDir();
  TScopedConfigDir(const TScopedConfigDir&) = delete;
  TScopedConfigDir& operator=(const TScopedConfigDir&) = delete;

  QString Path() const { return FDir.path(); }
  // Full name of a file inside the folder.
  QString File(const QString& name) const { return FDir.filePath(name); }

private:
  QTemporaryDir FDir;
  QByteArray FPrevious;
  bool FHadPrevious = false;
};

// Whole file as bytes ("" when missing); writes bytes to a file, creating folders.
QByteArray ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// Aborts the test binary, naming what hung, when the scope it guards is not left in
// time: a regression that hangs then fails the run instead of stalling it.
class TWatchdog {
public:
  TWatchdog(const char* what, std::chrono::milliseconds limit);
  ~TWatchdog();
  TWatchdog(const TWatchdog&) = delete;
  TWatchdog& operator=(const TWatchdog&) = delete;

private:
  std::mutex FMutex;
  std::condition_variable FWake;
  bool FDone = false;
  std::thread FThread;
};

}  // namespace PellamyTest
