#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <mutex>

namespace {
// The program and several of its windows ask for the settings file's name: why it falls
// back is said once, not at each asking.
void SayOnce(const QString& line) {
  static std::mutex mutex;
  static QStringList said;
  const std::lock_guard guard(mutex);
  if (said.contains(line)) return;
  said.append(line);
  std::fputs(line.toLocal8Bit().constData(), stderr);
}
}  // namespace

namespace Paths {

QString SettingsFilePath() {
  const QString fallback = QStringLiteral("Pelamy.ini");
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  if (QDir::isRelativePath(base)) base.clear();
  if (base.isEmpty()) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
      SayOnce(QStringLiteral("Pellamy!: no home folder; settings are kept in ./%1\n").arg(fallback));
      return fallback;
    }
    base = home + QStringLiteral("/.config");
  }
  const QString folder = base + QStringLiteral("/Orrindale");
  if (!QDir().mkpath(folder)) {
    SayOnce(QStringLiteral("Pellamy!: cannot create %1; settings are kept in ./%2\n").arg(folder, fallback));
    return fallback;
  }
  return folder + QStringLiteral("/Pellamy.ini");
}

QString DataDir() {
  const QString env = qEnvironmentVariable("PELLAMY_DATA_DIR");
  if (!env.isEmpty()) return env;
  const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  if (!exeDir.isEmpty()) {
    for (const QString& candidate : {exeDir + "/data", exeDir + "/../share/pellamy"})
      if (QFileInfo(candidate + "/help").isDir() || QFileInfo(candidate + "/Tips.ini").isFile())
        return QDir::cleanPath(candidate);
  }
#ifdef PELLAMY_SOURCE_DATA_DIR
  return QStringLiteral(PELLAMY_SOURCE_DATA_DIR);
#else
  return exeDir;
#endif
}

QString DataFile(const QString& name) { return DataDir() + QLatin1Char('/') + name; }

}  // namespace Paths
