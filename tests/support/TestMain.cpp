// Entry point of every test binary: an offscreen QApplication and a private settings
// folder, so no test touches the user's real settings.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  // The offscreen screen is a desktop monitor that holds every window at its design size
  // (a window too large for its screen is fitted to it when shown).
  QTemporaryDir screens;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    QFile screenFile(screens.filePath("screens.json"));
    if (screenFile.open(QIODevice::WriteOnly))
      screenFile.write(R"({"screens": [{"x": 0, "y": 0, "width": 1920, "height": 1200}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenFile.fileName().toLocal8Bit());
  }
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QTemporaryDir runtime;
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
