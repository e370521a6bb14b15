#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace Paths {

QString SettingsFilePath() {
  const QString fallback = QStringLiteral("Pelamy.ini");
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  if (QDir::isRelativePath(base)) base.clear();
  if (base.isEmpty()) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
      std::fprintf(stderr, "Pellamy!: no home folder; settings are kept in ./%s\n", qPrintable(fallback));
      return fallback;
    }
    base = home + QStringLiteral("/.config");
  }
  const QString folder = base + QStringLiteral("/Orrindale");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "Pellamy!: cannot create %s; settings are kept in ./%s\n", qPrintable(folder),
                 qPrintable(fallback));
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
