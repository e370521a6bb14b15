#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/InstanceLock.h"
#include "support/TestSupport.h"

using PellamyTest::TScopedConfigDir;

namespace {

// Sets or removes an environment variable for the lifetime of the object.
class TScopedEnv {
public:
  TScopedEnv(const char* name, const QByteArray* value) : FName(name), FHad(qEnvironmentVariableIsSet(name)) {
    if (FHad) FOld = qgetenv(name);
    if (value)
      qputenv(name, *value);
    else
      qunsetenv(name);
  }
  ~TScopedEnv() {
    if (FHad)
      qputenv(FName, FOld);
    else
      qunsetenv(FName);
  }

private:
  const char* FName;
  bool FHad;
  QByteArray FOld;
};

TEST(Paths, SettingsFileLivesInTheConfigFolder) {
  TScopedConfigDir dir;
  const QString expected = dir.Path() + "/Orrindale/Pellamy.ini";
  EXPECT_FALSE(QFileInfo(dir.Path() + "/Orrindale").exists());
  EXPECT_EQ(Paths::SettingsFilePath(), expected);
  EXPECT_TRUE(QFileInfo(dir.Path() + "/Orrindale").isDir());
  EXPECT_EQ(Paths::SettingsFilePath(), expected);  // an existing folder is fine

  // Missing parents are created too.
  const QByteArray nested = (dir.Path() + "/a/b").toLocal8Bit();
  TScopedEnv xdg("XDG_CONFIG_HOME", &nested);
  EXPECT_EQ(Paths::SettingsFilePath(), dir.Path() + "/a/b/Orrindale/Pellamy.ini");
  EXPECT_TRUE(QFileInfo(dir.Path() + "/a/b/Orrindale").isDir());
}

TEST(Paths, WithoutXdgConfigHomeTheHomeConfigFolderIsUsed) {
  TScopedConfigDir dir;
  const QByteArray home = dir.Path().toLocal8Bit();
  TScopedEnv homeEnv("HOME", &home);
  {
    TScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(Paths::SettingsFilePath(), dir.Path() + "/.config/Orrindale/Pellamy.ini");
    EXPECT_TRUE(QFileInfo(dir.Path() + "/.config/Orrindale").isDir());
  }
  {
    const QByteArray relative = "relative/config";
    TScopedEnv xdg("XDG_CONFIG_HOME", &relative);
    EXPECT_EQ(Paths::SettingsFilePath(), dir.Path() + "/.config/Orrindale/Pellamy.ini");
  }
}

TEST(Paths, AFolderThatCannotBeMadeFallsBackToTheBareName) {
  TScopedConfigDir dir;
  // A file where the folder should go: no user, not even root, can create the folder.
  PellamyTest::WriteFileBytes(dir.Path() + "/blocked", "x");
  const QByteArray blocked = (dir.Path() + "/blocked").toLocal8Bit();
  TScopedEnv xdg("XDG_CONFIG_HOME", &blocked);
  // Said once however often it is asked, as the program and each of its windows ask.
  const auto timesSaid = [](const std::string& err) {
    const std::string line = "settings are kept in";
    int count = 0;
    for (size_t at = err.find(line); at != std::string::npos; at = err.find(line, at + 1)) ++count;
    return count;
  };
  testing::internal::CaptureStderr();
  const QString path = Paths::SettingsFilePath();
  EXPECT_EQ(Paths::SettingsFilePath(), path);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(path, "Pelamy.ini");
  EXPECT_NE(err.find("blocked/Orrindale"), std::string::npos) << err;
  EXPECT_NE(err.find("Pelamy.ini"), std::string::npos) << err;
  EXPECT_EQ(timesSaid(err), 1) << err;

  // No home folder at all.
  TScopedEnv noXdg("XDG_CONFIG_HOME", nullptr);
  TScopedEnv noHome("HOME", nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(Paths::SettingsFilePath(), "Pelamy.ini");
  EXPECT_EQ(Paths::SettingsFilePath(), "Pelamy.ini");
  const std::string noHomeErr = testing::internal::GetCapturedStderr();
  EXPECT_NE(noHomeErr.find("Pelamy.ini"), std::string::npos);
  EXPECT_EQ(timesSaid(noHomeErr), 1) << noHomeErr;
}

TEST(InstanceLock, EveryCopyHoldsTheNamedLockInTheRuntimeFolder) {
  const TInstanceLock first;
  const TInstanceLock second;  // a second copy is not kept out
  ASSERT_TRUE(first.Held());
  EXPECT_TRUE(second.Held());
  EXPECT_EQ(first.FileName(), QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/Pellamy");
  const int probe = open(QFile::encodeName(first.FileName()).constData(), O_RDONLY);
  ASSERT_GE(probe, 0);
  EXPECT_NE(flock(probe, LOCK_EX | LOCK_NB), 0) << "held while the copies run";
  close(probe);
}

}  // namespace
