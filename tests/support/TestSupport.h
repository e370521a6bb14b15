#pragma once
// Shared test helpers: every test binary runs with a QApplication on the offscreen
// platform and a settings folder of its own.

#include <QString>
#include <QTemporaryDir>

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

}  // namespace PellamyTest
