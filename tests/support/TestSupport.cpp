#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

}  // namespace PellamyTest
