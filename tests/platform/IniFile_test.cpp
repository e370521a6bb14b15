#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "NetworkMount.h"
#include "support/TestSupport.h"

using PellamyTest::ReadFileBytes;
using PellamyTest::TScopedConfigDir;
using PellamyTest::WriteFileBytes;

namespace {

// A file as a user or another program might have left it: CRLF lines, comments, names in
// mixed case, quoted values, '=' and ';' inside values, Windows-1252 letters, a section
// that appears twice and a last line without an ending.
const QByteArray ForeignFile =
    "; Settings written by hand\r\n"
    "[Preferences]\r\n"
    "Sound = 1 \r\n"
    "Name=\"Quoted Value\"\r\n"
    "Single='x'\r\n"
    "Uneven=\"abc'\r\n"
    "Nested=\"\"x\"\"\r\n"
    "Formula=a=b;c\r\n"
    "; Hidden=commented out\r\n"
    "NoEquals\r\n"
    "[Broken\r\n"
    "=nameless\r\n"
    "Euro=\x80 and \x9F and \xE9\xA0\r\n"
    "  Indented  =  spaced out  \r\n"
    "Empty=\r\n"
    "sound=shadowed\r\n"
    "\r\n"
    "[preferences]\r\n"
    "Other=second section\r\n"
    "[Klondike]\r\n"
    "GamesWon=5\r\n"
    "Unterminated=last";

class IniFileTest : public ::testing::Test {
protected:
  TScopedConfigDir Dir;
  QString Path = Dir.File("Pellamy.ini");

  // The file's bytes, as a string so a failure shows a readable diff.
  std::string Disk() const { return ReadFileBytes(Path).toStdString(); }

  QString Read(const char* section, const char* key, const char* def = "<def>") {
    return GetPrivateProfileString(section, key, def, Path);
  }
  bool Write(const char* section, const char* key, std::optional<QString> value) {
    return WritePrivateProfileString(section, key, value, Path);
  }
  // The foreign file with one piece of text replaced.
  static std::string ForeignWith(const QByteArray& from, const QByteArray& to) {
    QByteArray b = ForeignFile;
    EXPECT_TRUE(b.contains(from));
    return b.replace(from, to).toStdString();
  }
};

TEST_F(IniFileTest, ReadsAForeignFileAsWindowsDoes) {
  WriteFileBytes(Path, ForeignFile);
  EXPECT_EQ(Read("PREFERENCES", "sOUND"), "1");  // names ignore case, value trimmed
  EXPECT_EQ(Read("Preferences", "Name"), "Quoted Value");
  EXPECT_EQ(Read("Preferences", "Single"), "x");
  EXPECT_EQ(Read("Preferences", "Uneven"), "\"abc'");  // quotes must match to be stripped
  EXPECT_EQ(Read("Preferences", "Nested"), "\"x\"");   // one pair only
  EXPECT_EQ(Read("Preferences", "Formula"), "a=b;c");
  EXPECT_EQ(Read("Preferences", "Hidden"), "<def>");
  EXPECT_EQ(Read("Preferences", "NoEquals"), "<def>");
  EXPECT_EQ(Read("Broken", "Euro"), "<def>");
  EXPECT_EQ(Read("Preferences", "Euro"), QString::fromUtf8("\u20AC and \u0178 and \u00E9\u00A0"));
  EXPECT_EQ(Read("Preferences", "Indented"), "spaced out");
  EXPECT_EQ(Read("Preferences", "Empty"), "");  // present but empty: not the default
  // First section of a name wins, and only its keys count.
  EXPECT_EQ(Read("Preferences", "Other"), "<def>");
  EXPECT_EQ(Read("klondike", "gameswon"), "5");
  EXPECT_EQ(Read("Klondike", "Unterminated"), "last");
  EXPECT_EQ(Read("Klondike", "Sound"), "<def>");
  EXPECT_EQ(Read("Missing", "Sound"), "<def>");
  EXPECT_EQ(GetPrivateProfileString("Preferences", "Sound", "d", Dir.File("none.ini")), "d");

  TIniFile ini(Path);
  EXPECT_EQ(ini.ReadSection("preferences"),
            QStringList({"Sound", "Name", "Single", "Uneven", "Nested", "Formula", "Euro", "Indented", "Empty"}));
  EXPECT_EQ(ini.ReadSections(), QStringList({"Preferences", "Klondike"}));
  EXPECT_TRUE(ini.ValueExists("PREFERENCES", "empty"));
  EXPECT_FALSE(ini.ValueExists("Preferences", "Other"));
  EXPECT_TRUE(ini.SectionExists("klondike"));
  EXPECT_FALSE(ini.SectionExists("Missing"));
}

TEST_F(IniFileTest, WritesChangeOnlyTheirOwnLines) {
  // Rewriting a key keeps the file's spelling of the name and every other byte.
  WriteFileBytes(Path, ForeignFile);
  ASSERT_TRUE(Write("PREFERENCES", "SOUND", "0"));
  EXPECT_EQ(Disk(), ForeignWith("Sound = 1 \r\n", "Sound=0\r\n"));

  // A new key follows the section's last non-blank line.
  WriteFileBytes(Path, ForeignFile);
  ASSERT_TRUE(Write("preferences", "Added", QString::fromUtf8("\u00E9t\u00E9")));
  EXPECT_EQ(Disk(), ForeignWith("sound=shadowed\r\n", "sound=shadowed\r\nAdded=\xE9t\xE9\r\n"));

  // A new key in the last section ends the unterminated last line first.
  WriteFileBytes(Path, ForeignFile);
  ASSERT_TRUE(Write("Klondike", "GamesLost", "2"));
  EXPECT_EQ(Disk(), (ForeignFile + "\r\nGamesLost=2\r\n").toStdString());

  // A new section goes at the end.
  WriteFileBytes(Path, ForeignFile);
  ASSERT_TRUE(Write("Spider", "Suits", "4"));
  EXPECT_EQ(Disk(), (ForeignFile + "\r\n[Spider]\r\nSuits=4\r\n").toStdString());

  // Deleting a key removes its line; deleting a missing one changes nothing.
  WriteFileBytes(Path, ForeignFile);
  ASSERT_TRUE(Write("Preferences", "formula", std::nullopt));
  EXPECT_EQ(Disk(), ForeignWith("Formula=a=b;c\r\n", ""));
  ASSERT_TRUE(Write("Preferences", "Nothing", std::nullopt));
  ASSERT_TRUE(Write("Nowhere", "Nothing", std::nullopt));
  EXPECT_EQ(Disk(), ForeignWith("Formula=a=b;c\r\n", ""));

  // An empty key erases the first section of the name with its comments and blank lines.
  WriteFileBytes(Path, ForeignFile);
  ASSERT_TRUE(Write("PREFERENCES", "", std::nullopt));
  EXPECT_EQ(ReadFileBytes(Path),
            "; Settings written by hand\r\n[preferences]\r\nOther=second section\r\n"
            "[Klondike]\r\nGamesWon=5\r\nUnterminated=last");
  EXPECT_EQ(Read("Preferences", "Other"), "second section");  // the second one now counts
  ASSERT_TRUE(Write("Klondike", "", "ignored"));
  EXPECT_EQ(Disk(), "; Settings written by hand\r\n[preferences]\r\nOther=second section\r\n");
}

TEST_F(IniFileTest, NewFilesUseCrLfAndLfFilesStayLf) {
  ASSERT_TRUE(Write("Preferences", "Sound", "1"));
  ASSERT_TRUE(Write("Preferences", "Back", "3"));
  ASSERT_TRUE(Write("Klondike", "DrawThree", "True"));
  EXPECT_EQ(Disk(), "[Preferences]\r\nSound=1\r\nBack=3\r\n[Klondike]\r\nDrawThree=True\r\n");

  WriteFileBytes(Path, "[A]\nk=1\n; note\n\n\n[B]\nj=2\n");
  ASSERT_TRUE(Write("a", "New", "x"));
  ASSERT_TRUE(Write("C", "m", "y"));
  EXPECT_EQ(Disk(), "[A]\nk=1\n; note\nNew=x\n\n\n[B]\nj=2\n[C]\nm=y\n");

  // A rewritten line keeps the ending it had.
  WriteFileBytes(Path, "[A]\nk=1\r\nj=2");
  ASSERT_TRUE(Write("A", "K", "10"));
  ASSERT_TRUE(Write("A", "J", "20"));
  EXPECT_EQ(Disk(), "[A]\nk=10\r\nj=20");
}

TEST_F(IniFileTest, TextIsWindows1252OnDisk) {
  const QString text = QString::fromUtf8("\u20AC\u0160\u017E \u00E9\u00FF \u03A9 \u4E2D \U0001F600 end");
  ASSERT_TRUE(Write("S", "K", text));
  EXPECT_EQ(Disk(), "[S]\r\nK=\x80\x8A\x9E \xE9\xFF ? ? ? end\r\n");
  EXPECT_EQ(Read("S", "K"), QString::fromUtf8("\u20AC\u0160\u017E \u00E9\u00FF ? ? ? end"));
  // Bytes the code page leaves undefined survive a rewrite of another line.
  WriteFileBytes(Path, "[S]\r\nK=\x81\x8D\x8F\x90\x9D\r\nJ=1\r\n");
  ASSERT_TRUE(Write("S", "J", "2"));
  EXPECT_EQ(Disk(), "[S]\r\nK=\x81\x8D\x8F\x90\x9D\r\nJ=2\r\n");
}

TEST_F(IniFileTest, LongPathsAndValuesAndLineBreaks) {
  QString folder = Dir.Path();
  for (int i = 0; i < 12; ++i) folder += "/" + QString(40, QChar('a' + i));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString longPath = folder + "/Pellamy.ini";
  ASSERT_GT(longPath.size(), 500);
  const QString value = QString(70000, 'v') + "end";
  const QString key = QString(1000, 'k');
  ASSERT_TRUE(WritePrivateProfileString("Long", key, value, longPath));
  EXPECT_EQ(GetPrivateProfileString("Long", key, "", longPath), value);

  // A value can never add lines, sections or keys of its own.
  ASSERT_TRUE(Write("S", "K", "one\r\n[Evil]\nX=1"));
  EXPECT_EQ(Disk(), "[S]\r\nK=one  [Evil] X=1\r\n");
  EXPECT_EQ(Read("Evil", "X"), "<def>");
}

TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileAndSaysSo) {
  EXPECT_FALSE(WritePrivateProfileString("S", "K", "v", Dir.File("missing/Pellamy.ini")));
  EXPECT_FALSE(WritePrivateProfileString("", "K", "v", Path));
  EXPECT_FALSE(WritePrivateProfileString("S", "K", "v", ""));

  // The disk fills up half-way through the write: the file size limit stops the
  // temporary file after 4 KiB, as a full disk would. Also where there was no file yet,
  // and where the player left an empty one: a file made only to be locked goes again, the
  // player's stays.
  WriteFileBytes(Path, ForeignFile);
  const QString fresh = Dir.File("fresh.ini"), players = Dir.File("players.ini");
  WriteFileBytes(players, "");
  struct stat playersBefore {};
  ASSERT_EQ(stat(QFile::encodeName(players).constData(), &playersBefore), 0);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = Write("Preferences", "Big", QString(100000, 'x'));
  bool othersAsExpected = true;  // to each, a write that fails and one that changes nothing
  for (const QString& name : {fresh, players})
    othersAsExpected &= !WritePrivateProfileString("S", "Big", QString(100000, 'x'), name) &&
                        WritePrivateProfileString("S", "Absent", std::nullopt, name);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_TRUE(othersAsExpected);
  EXPECT_EQ(Disk(), ForeignFile.toStdString());
  struct stat playersAfter {};
  ASSERT_EQ(stat(QFile::encodeName(players).constData(), &playersAfter), 0);
  EXPECT_EQ(playersAfter.st_ino, playersBefore.st_ino);
  // No temporary left behind, nor a file where there was none.
  EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Pellamy.ini", "players.ini"}));
  ASSERT_TRUE(QFile::remove(players));

  // A file made read-only is left as it is, also by root, whom no permission check stops.
  ASSERT_EQ(chmod(QFile::encodeName(Path).constData(), 0444), 0);
  EXPECT_FALSE(Write("Preferences", "Sound", "0"));
  EXPECT_EQ(Disk(), ForeignFile.toStdString());
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(Path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST_F(IniFileTest, IntegersAndBooleansFollowTheFrameworkRule) {
  WriteFileBytes(Path,
                 "[N]\r\nDec=42\r\nNeg=-12\r\nPlus=+7\r\nDollar=$1F\r\nZeroX=0x1F\r\nUpperX=0X1f\r\nX=x10\r\n"
                 "NegHex=-$10\r\nAllBits=$FFFFFFFF\r\nMin=-2147483648\r\nMax=2147483647\r\nOver=2147483648\r\n"
                 "HexOver=$100000000\r\nTrailing=12abc\r\nWord=True\r\nEmpty=\r\nSign=-\r\nDollarOnly=$\r\n"
                 "Zero=0\r\n");
  TIniFile ini(Path);
  const std::pair<const char*, int> cases[] = {
      {"Dec", 42},     {"Neg", -12},     {"Plus", 7},          {"Dollar", 31},        {"ZeroX", 31},
      {"UpperX", 31},  {"X", 16},        {"NegHex", -16},      {"AllBits", -1},       {"Min", INT32_MIN},
      {"Max", INT32_MAX}, {"Over", -99}, {"HexOver", -99},     {"Trailing", -99},     {"Word", -99},
      {"Empty", -99},  {"Sign", -99},    {"DollarOnly", -99},  {"Zero", 0},           {"Absent", -99}};
  for (const auto& [key, expected] : cases) EXPECT_EQ(ini.ReadInteger("n", key, -99), expected) << key;
  EXPECT_TRUE(ini.ReadBool("N", "Dec", false));
  EXPECT_FALSE(ini.ReadBool("N", "Zero", true));
  EXPECT_TRUE(ini.ReadBool("N", "Word", true));  // unreadable: the default
  EXPECT_FALSE(ini.ReadBool("N", "Word", false));

  ini.WriteInteger("N", "Written", -2147483647 - 1);
  ini.WriteBool("N", "Flag", true);
  ini.WriteBool("N", "Other", false);
  EXPECT_EQ(ini.ReadString("N", "Written", ""), "-2147483648");
  EXPECT_EQ(ini.ReadString("N", "Flag", ""), "1");
  EXPECT_EQ(ini.ReadString("N", "Other", ""), "0");
  ini.DeleteKey("N", "Flag");
  EXPECT_FALSE(ini.ValueExists("N", "Flag"));
  ini.EraseSection("n");
  EXPECT_TRUE(ini.ReadSections().isEmpty());
}

TEST_F(IniFileTest, WritesThroughALinkToTheFile) {
  // Settings kept elsewhere and linked in: the write replaces the target, not the link.
  const QString target = Dir.File("real.ini");
  WriteFileBytes(target, "[S]\r\nK=1\r\n");
  ASSERT_TRUE(QFile::link(target, Path));
  ASSERT_TRUE(Write("S", "K", "2"));
  EXPECT_TRUE(QFileInfo(Path).isSymLink());
  EXPECT_EQ(ReadFileBytes(target), "[S]\r\nK=2\r\n");

  // As a dotfile manager links them: the settings folder is a link, and the file in it a
  // relative link out of it with "..", which leads out of the real folder, not the named
  // one. Also when the file it leads to is not there yet; nothing is left where the name
  // alone would lead.
  const PellamyTest::TWatchdog watchdog("a write through a link in a linked folder", std::chrono::seconds(20));
  ASSERT_TRUE(QDir(Dir.Path()).mkpath("dotfiles/config/app"));
  ASSERT_TRUE(QDir(Dir.Path()).mkpath("home"));
  ASSERT_TRUE(QFile::link(Dir.File("dotfiles/config/app"), Dir.File("home/app")));
  const QString real = Dir.File("dotfiles/config/Pellamy.ini");
  const QString linked = Dir.File("home/app/Pellamy.ini");
  ASSERT_EQ(symlink("../Pellamy.ini", QFile::encodeName(Dir.File("dotfiles/config/app/Pellamy.ini")).constData()), 0);
  for (const bool present : {true, false}) {
    SCOPED_TRACE(present ? "a stored file" : "no file yet");
    QFile::remove(real);
    if (present) WriteFileBytes(real, "[S]\r\nK=1\r\n");
    ASSERT_TRUE(WritePrivateProfileString("S", "K", "2", linked));
    EXPECT_EQ(GetPrivateProfileString("S", "K", "<def>", linked), "2");
    EXPECT_EQ(ReadFileBytes(real), "[S]\r\nK=2\r\n");
    EXPECT_EQ(QDir(Dir.File("home")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"app"});
  }
}

// What this process writes to standard error while the object lives, kept in a file.
class TCaughtStderr {
public:
  explicit TCaughtStderr(QString path) : FPath(std::move(path)) {
    std::fflush(stderr);
    FSaved = dup(STDERR_FILENO);
    const int file = open(QFile::encodeName(FPath).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, STDERR_FILENO);
    close(file);
  }
  ~TCaughtStderr() {
    std::fflush(stderr);
    dup2(FSaved, STDERR_FILENO);
    close(FSaved);
  }
  TCaughtStderr(const TCaughtStderr&) = delete;
  TCaughtStderr& operator=(const TCaughtStderr&) = delete;
  QByteArray Text() const {
    std::fflush(stderr);
    return ReadFileBytes(FPath);
  }

private:
  QString FPath;
  int FSaved = -1;
};

// Another copy of the program that takes the settings lock for an update and keeps it
// until told (or for ms milliseconds), started under the rules of a network mount.
void StartHolder(QProcess& holder, const QString& path, bool network, int ms = -1) {
  QStringList args{path, "hold"};
  if (ms >= 0) args << QString::number(ms);
  if (network) args.prepend("network");
  holder.start(QStringLiteral(PELLAMY_INI_WRITER), args);
  QByteArray said;
  while (!said.contains("held") && holder.waitForReadyRead(30000)) said += holder.readAllStandardOutput();
  ASSERT_TRUE(said.contains("held")) << holder.readAllStandardError().toStdString();
}

// Another copy of the program, writing the same file.
bool RunWriter(const QStringList& args) {
  QProcess writer;
  writer.start(QStringLiteral(PELLAMY_INI_WRITER), args);
  return writer.waitForFinished(60000) && writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0;
}

// What another program does the moment a save's rename is done, once.
std::function<void()> AfterRename;

int RenameThenAct(int fromFolder, const char* from, int toFolder, const char* to) {
  const int renamed = renameat(fromFolder, from, toFolder, to);
  if (renamed == 0 && AfterRename) std::exchange(AfterRename, nullptr)();
  return renamed;
}

// Sets the file's modification time, as a coarse clock or a copy with a clock behind
// ours would leave it.
void SetModifiedTime(const QString& path, timespec when) {
  const timespec times[2] = {when, when};
  ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

TEST_F(IniFileTest, TwoCopiesWritingAtOnceLoseNothingWhateverTheirNamesUsersAndLockFiles) {
  // Everything a copy does not write must come through byte for byte, and each copy's
  // counter updates all count. Also when a lock file of an older version lies beside the
  // settings and the program cannot open it for writing: a folder, a read-only file (one
  // left by another user: as root, the copies run as another user), a link to itself, a
  // dangling link, root's private file with one copy as root and one as another user. And
  // when the copies reach the file through links in two folders, on a network mount (where
  // only a descriptor open for writing takes the lock and another's lock refuses reads), or
  // in a folder they may write but not read.
  const QByteArray kept = ForeignFile + "\r\n[Unknown Section]\r\n; a note\r\nX = \"y\"\r\n";
  const QString lock = Path + ".lock";
  const QByteArray lockName = QFile::encodeName(lock);
  const bool root = getuid() == 0;
  const QByteArray folder = QFile::encodeName(Dir.Path());
  const auto shareWithOtherUsers = [&](mode_t folderMode = 0777) {
    ASSERT_EQ(chmod(folder.constData(), folderMode), 0);
    ASSERT_EQ(chmod(QFile::encodeName(Path).constData(), 0666), 0);
  };
  const std::unique_ptr<const char, std::function<void(const char*)>> restoreFolder(
      folder.constData(), [](const char* name) { chmod(name, 0700); });
  struct TLockCase {
    const char* Name;
    std::function<void()> Make;
    bool OtherUser[2] = {false, false};  // the copy runs as user 65534 (when run as root)
    QString Names[2] = {};               // the names the copies give the file, when not Path
    bool Network = false;                // the copies follow the locking rules of network mounts
  };
  const TLockCase cases[] = {
      {"made by the copies", [] {}},
      {"a folder", [&] { ASSERT_EQ(mkdir(lockName.constData(), 0755), 0); }},
      {"read-only",
       [&] {
         WriteFileBytes(lock, "");
         ASSERT_EQ(chmod(lockName.constData(), 0444), 0);
         if (root) shareWithOtherUsers();
       },
       {root, root}},
      {"a link to itself", [&] { ASSERT_EQ(symlink(lockName.constData(), lockName.constData()), 0); }},
      {"a dangling link", [&] { ASSERT_EQ(symlink(QFile::encodeName(Dir.File("gone")).constData(), lockName.constData()), 0); }},
      {"root's own, as sudo leaves it",
       [&] {
         WriteFileBytes(lock, "");
         ASSERT_EQ(chmod(lockName.constData(), 0600), 0);
         shareWithOtherUsers();
       },
       {false, true}},
      {"links in two folders",
       [&] {
         for (const char* link : {"a/Pellamy.ini", "b/Pellamy.ini"}) {
           QDir().mkpath(QFileInfo(Dir.File(link)).path());
           QFile::remove(Dir.File(link));
           ASSERT_TRUE(QFile::link(Path, Dir.File(link)));
         }
       },
       {false, false},
       {Dir.File("a/Pellamy.ini"), Dir.File("b/Pellamy.ini")}},
      {"on a network mount", [] {}, {false, false}, {}, true},
      {"a folder they may write but not read", [&] { shareWithOtherUsers(0333); }, {root, root}},
  };
  constexpr int Rounds = 100;
  QByteArray own[2];
  for (int c = 0; c < 2; ++c) {
    own[c] = "[Copy" + QByteArray::number(c + 1) + "]\r\n";
    for (int i = 0; i < Rounds; ++i)
      own[c] += "Key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + " of copy " +
                QByteArray::number(c + 1) + "\r\n";
  }
  const QByteArray stats = "[Stats]\r\nPlayed=" + QByteArray::number(2 * Rounds) + "\r\n";
  for (const TLockCase& lockCase : cases) {
    SCOPED_TRACE(lockCase.Name);
    if ((lockCase.OtherUser[0] != lockCase.OtherUser[1]) && !root) {
      std::printf("(skipped \"%s\": needs root)\n", lockCase.Name);
      continue;
    }
    ASSERT_EQ(chmod(folder.constData(), 0700), 0);
    if (unlink(lockName.constData()) != 0) rmdir(lockName.constData());
    WriteFileBytes(Path, kept + "[Stats]\r\nPlayed=0\r\n");
    lockCase.Make();
    struct stat lockBefore {};
    const bool hadLock = lstat(lockName.constData(), &lockBefore) == 0;
    QProcess copies[2];
    for (int c = 0; c < 2; ++c) {
      QStringList args{lockCase.Names[c].isEmpty() ? Path : lockCase.Names[c], "race", QString::number(c + 1),
                       QString::number(Rounds)};
      if (lockCase.Network) args.prepend("network");
      if (lockCase.OtherUser[c]) args.prepend("nobody");
      copies[c].start(QStringLiteral(PELLAMY_INI_WRITER), args);
    }
    for (QProcess& copy : copies) {
      ASSERT_TRUE(copy.waitForFinished(120000));
      EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
    }
    // The copies' sections follow in the order the copies first wrote.
    const QByteArray disk = ReadFileBytes(Path);
    EXPECT_TRUE(disk == kept + stats + own[0] + own[1] || disk == kept + stats + own[1] + own[0])
        << disk.toStdString();
    // The lock file the player has is left as it is.
    struct stat lockAfter {};
    if (hadLock) {
      ASSERT_EQ(lstat(lockName.constData(), &lockAfter), 0);
      EXPECT_EQ(lockAfter.st_ino, lockBefore.st_ino);
      EXPECT_EQ(lockAfter.st_mode, lockBefore.st_mode);
    }
  }
}

TEST_F(IniFileTest, ASaveSyncsTheFolderAfterTheRename) {
  // Until the folder is synced, the rename of a save is not on disk: a power cut soon
  // after it would bring back the old file. The system calls of a save, as strace sees them.
  WriteFileBytes(Path, "[S]\r\nK=1\r\n");
  const QString log = Dir.File("trace.txt");
  QProcess strace;
  strace.start(QStringLiteral("strace"), {"-f", "-e", "trace=openat,close,rename,renameat,renameat2,fsync,fdatasync",
                                          "-o", log, QStringLiteral(PELLAMY_INI_WRITER), Path, "set", "S", "K", "2"});
  ASSERT_TRUE(strace.waitForStarted()) << "strace is not installed (run scripts/install-deps.sh)";
  ASSERT_TRUE(strace.waitForFinished(60000));
  ASSERT_EQ(strace.exitCode(), 0) << strace.readAllStandardError().toStdString();
  EXPECT_EQ(Disk(), "[S]\r\nK=2\r\n");

  // Which descriptor is the settings folder, at each line; then the rename of the
  // temporary over the file, and after it a sync of the folder.
  const QRegularExpression openFolder(QStringLiteral("openat\\(.*\"%1\", [^)]*O_DIRECTORY[^)]*\\) += (\\d+)")
                                          .arg(QRegularExpression::escape(Dir.Path())));
  const QRegularExpression closed(QStringLiteral("close\\((\\d+)\\) += 0"));
  const QRegularExpression renamed(QStringLiteral("rename.*\\.Pellamy\\.ini\\.pellamy-save-\\w{6}\".*\"(.*/)?Pellamy\\.ini\"\\) += 0"));
  const QRegularExpression synced(QStringLiteral("fsync\\((\\d+)\\) += 0"));
  QSet<QString> folders;
  bool afterRename = false, folderSynced = false;
  const QByteArray trace = ReadFileBytes(log);
  for (const QString& line : QString::fromUtf8(trace).split('\n')) {
    if (const auto m = openFolder.match(line); m.hasMatch()) folders.insert(m.captured(1));
    if (const auto m = closed.match(line); m.hasMatch()) folders.remove(m.captured(1));
    if (renamed.match(line).hasMatch()) afterRename = true;
    if (const auto m = synced.match(line); m.hasMatch() && afterRename && folders.contains(m.captured(1)))
      folderSynced = true;
  }
  EXPECT_TRUE(afterRename && folderSynced) << trace.toStdString();
}

TEST_F(IniFileTest, AnUpdateMayUseTheProfileCallsItself) {
  // A change that reads the file through the profile calls sees it without its own edits;
  // one that writes to it has the write kept back, written by the next flush.
  const PellamyTest::TWatchdog watchdog("an update using the profile calls", std::chrono::seconds(20));
  WriteFileBytes(Path, "[S]\r\nA=1\r\n");
  bool nested = false;
  ASSERT_TRUE(UpdatePrivateProfile(Path, [&](TIniEdit& ini) {
    ini.WriteString("S", "A", "2");
    ini.WriteString("S", "B", Read("S", "A"));
    nested = Write("S", "C", "3");
  }));
  EXPECT_TRUE(nested);
  EXPECT_EQ(Read("S", "C"), "3");
  EXPECT_TRUE(FlushPrivateProfiles());
  EXPECT_EQ(Disk(), "[S]\r\nA=2\r\nB=1\r\nC=3\r\n");
}

TEST_F(IniFileTest, ACachedReadFollowsEveryChangeOnDisk) {
  WriteFileBytes(Path, "[S]\r\nK=1111\r\n");
  EXPECT_EQ(Read("S", "K"), "1111");
  // Another copy writes; then the file is rewritten in place, same size, within the
  // same second.
  ASSERT_TRUE(RunWriter({Path, "set", "S", "K", "2222"}));
  EXPECT_EQ(Read("S", "K"), "2222");
  WriteFileBytes(Path, "[S]\r\nK=3333\r\n");
  EXPECT_EQ(Read("S", "K"), "3333");

  // Once the file has rested long enough for its stamps to be trusted, reads come from
  // memory; changes whose modification time is put back to what it was are still seen.
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  struct stat before {};
  ASSERT_EQ(stat(QFile::encodeName(Path).constData(), &before), 0);
  EXPECT_EQ(Read("S", "K"), "3333");
  EXPECT_EQ(Read("S", "K"), "3333");
  ASSERT_TRUE(RunWriter({Path, "set", "S", "K", "4444"}));
  SetModifiedTime(Path, before.st_mtim);
  EXPECT_EQ(Read("S", "K"), "4444");
  WriteFileBytes(Path, "[S]\r\nK=5555\r\n");
  SetModifiedTime(Path, before.st_mtim);
  EXPECT_EQ(Read("S", "K"), "5555");
  // Our own write is seen by the next read.
  ASSERT_TRUE(Write("S", "K", "6666"));
  EXPECT_EQ(Read("S", "K"), "6666");
  EXPECT_EQ(Disk(), "[S]\r\nK=6666\r\n");
}

TEST_F(IniFileTest, ASettingsFileThatIsNoRegularFileNeitherHangsNorIsReplaced) {
  const PellamyTest::TWatchdog watchdog("settings file that is a FIFO", std::chrono::seconds(10));
  ASSERT_EQ(mkfifo(QFile::encodeName(Path).constData(), 0600), 0);
  EXPECT_EQ(Read("Preferences", "Sound"), "<def>");
  EXPECT_FALSE(Write("Preferences", "Sound", "1"));
  EXPECT_TRUE(QFileInfo(Path).isFile() == false && QFileInfo::exists(Path));
  EXPECT_TRUE(TIniFile(Path).ReadSections().isEmpty());
}

TEST_F(IniFileTest, StartUpRemovesOnlyTheTemporariesOfKilledSaves) {
  WriteFileBytes(Path, "[S]\r\nK=1\r\n");
  const timespec old{time(nullptr) - 600, 0};
  // What a save killed half-way leaves: a hidden name only the program makes.
  const QStringList strays{".Pellamy.ini.pellamy-save-bzhQyB", ".Pellamy.ini.pellamy-save-000000"};
  // The player's own copies, named as a player names them, and near misses.
  const QStringList players{"Pellamy.ini.backup", "Pellamy.ini.Backup", "Pellamy.ini.saved1", "Pellamy.ini.old001",
                            "Pellamy.ini.AbC123", "Pellamy.ini.bzhQyB", ".Pellamy.ini.pellamy-save-toolong1",
                            ".Pellamy.ini.pellamy-save-sh0rt", ".Other.ini.pellamy-save-abcdef", "Pellamy.ini"};
  const QString young = ".Pellamy.ini.pellamy-save-young1";
  for (const QString& name : strays + players + QStringList{young}) {
    if (name != "Pellamy.ini") WriteFileBytes(Dir.File(name), "[S]\r\nK=" + name.toUtf8() + "\r\n");
    if (name != young) SetModifiedTime(Dir.File(name), old);
  }
  // Names of the pattern that are no file of their own: a link to the player's backup, a folder.
  ASSERT_TRUE(QFile::link(Dir.File("Pellamy.ini.backup"), Dir.File(".Pellamy.ini.pellamy-save-link00")));
  ASSERT_TRUE(QDir(Dir.Path()).mkdir(".Pellamy.ini.pellamy-save-folder"));

  // While another copy holds the save lock, its temporary may be the one being written.
  const int other = open(QFile::encodeName(Path).constData(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_EQ(flock(other, LOCK_EX), 0);
  EXPECT_EQ(RemoveStraySaveFiles(Path), 0);
  close(other);

  EXPECT_EQ(RemoveStraySaveFiles(Path), 2);
  const QStringList left = QDir(Dir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& name : strays) EXPECT_FALSE(left.contains(name)) << name.toStdString();
  for (const QString& name : players + QStringList{young}) {
    if (name == "Pellamy.ini") continue;
    EXPECT_EQ(ReadFileBytes(Dir.File(name)), "[S]\r\nK=" + name.toUtf8() + "\r\n") << name.toStdString();
  }
  EXPECT_TRUE(left.contains(".Pellamy.ini.pellamy-save-link00"));
  EXPECT_TRUE(left.contains(".Pellamy.ini.pellamy-save-folder"));
  EXPECT_EQ(Read("S", "K"), "1");
}

TEST_F(IniFileTest, ACopyStoppedWhileSavingHoldsNoWriteUpAndLosesNothing) {
  // Also on a network mount that refuses reads while the stopped copy holds the lock:
  // reads then answer from the file as last read, and nothing is saved from a refused read.
  for (const bool network : {false, true}) {
    SCOPED_TRACE(network ? "on a network mount" : "on a local disk");
    std::optional<PellamyTest::TNetworkMount> mount;
    if (network) mount.emplace();
    WriteFileBytes(Path, "[Game]\r\nCount=0\r\n");
    ASSERT_TRUE(Write("Game", "Kept", "yes"));
    // Another copy takes the lock for an update and is stopped there (Ctrl+Z, a debugger).
    QProcess holder;
    StartHolder(holder, Path, network);
    const pid_t pid = pid_t(holder.processId());
    ASSERT_EQ(kill(pid, SIGSTOP), 0);
    const std::unique_ptr<void, std::function<void(void*)>> resume(&holder, [pid](void*) { kill(pid, SIGCONT); });
    using Clock = std::chrono::steady_clock;
    // This copy's own last save answers at once, also where the lock refuses the read.
    const auto firstRead = Clock::now();
    EXPECT_EQ(Read("Game", "Kept"), "yes");
    EXPECT_LT(Clock::now() - firstRead, std::chrono::milliseconds(100));

    // Writes and updates return at once, are kept in memory, and reads see them. A later
    // write of a key takes the place of an earlier kept one only while no update of the
    // file comes between them.
    Clock::duration longest{};
    auto timed = [&](const std::function<bool()>& write) {
      const auto start = Clock::now();
      const bool done = write();
      longest = std::max(longest, Clock::now() - start);
      return done;
    };
    auto increment = [&] {
      return UpdatePrivateProfile(Path, [](TIniEdit& ini) {
        ini.WriteString("Game", "Count", QString::number(ini.ReadString("Game", "Count", "0").toInt() + 1));
      });
    };
    EXPECT_TRUE(timed([&] { return Write("Game", "A", "1"); }));
    EXPECT_TRUE(timed([&] { return Write("Game", "Count", "10"); }));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(timed(increment));
    EXPECT_TRUE(timed([&] { return Write("Game", "Count", "20"); }));
    EXPECT_TRUE(timed([&] { return Write("Game", "B", "2"); }));
    const auto readStart = Clock::now();
    EXPECT_EQ(Read("Game", "A"), "1");
    EXPECT_EQ(Read("Game", "Count"), "20");
    EXPECT_EQ(Read("Game", "Kept"), "yes");
    EXPECT_EQ(TIniFile(Path).ReadSection("Game"), QStringList({"Count", "Kept", "A", "B"}));
    longest = std::max(longest, Clock::now() - readStart);
    EXPECT_LT(longest, std::chrono::seconds(1));
    EXPECT_EQ(Disk(), "[Game]\r\nCount=0\r\nKept=yes\r\n");

    if (!network) {
      // Closing with the holder still stopped gives up after a while and says what was not saved.
      const TCaughtStderr caught(Dir.File("stderr.txt"));
      const auto flushStart = Clock::now();
      const bool flushed = FlushPrivateProfiles();
      const auto flushTime = Clock::now() - flushStart;
      EXPECT_FALSE(flushed);
      EXPECT_GT(flushTime, std::chrono::seconds(4));
      EXPECT_LT(flushTime, std::chrono::seconds(10));
      const QByteArray message = caught.Text();
      EXPECT_TRUE(message.contains(QFile::encodeName(Path)) && message.contains("[Game]")) << message.toStdString();
      EXPECT_EQ(message.count('\n'), 1) << message.toStdString();
    }

    // Once the holder goes on, the next write brings every kept change to disk, in order.
    ASSERT_EQ(kill(pid, SIGCONT), 0);
    holder.write("\n");
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(holder.exitCode(), 0);
    EXPECT_TRUE(Write("Game", "C", "3"));
    EXPECT_EQ(Disk(), "[Game]\r\nCount=20\r\nKept=yes\r\nA=1\r\nB=2\r\nC=3\r\n[Holder]\r\nKey=1\r\n");
    EXPECT_TRUE(FlushPrivateProfiles());
  }
}

TEST_F(IniFileTest, ACopyStartingUnderAnotherCopysLockOnAShareNeverReplacesTheStoredSettings) {
  // A share that refuses reads while another copy holds the lock, and a copy that has
  // never read the file: its first read waits for the file rather than taking defaults.
  const PellamyTest::TWatchdog watchdog("a first read under another copy's lock", std::chrono::seconds(60));
  const PellamyTest::TNetworkMount mount;
  const QByteArray stored = "[Preferences]\r\nCardSize=0\r\nShowTips=0\r\n[Stats]\r\nPlayed=7\r\n";
  WriteFileBytes(Path, stored);
  const TCaughtStderr caught(Dir.File("stderr.txt"));
  using Clock = std::chrono::steady_clock;
  {
    QProcess holder;
    StartHolder(holder, Path, true, 1500);
    EXPECT_EQ(Read("Preferences", "CardSize"), "0");
    EXPECT_EQ(Read("Preferences", "ShowTips"), "0");
    ASSERT_TRUE(holder.waitForFinished(30000));
  }
  EXPECT_EQ(caught.Text(), "");

  // A copy that never lets go (stopped): defaults, said once, and what this copy writes
  // from them never lands over the stored values; what the file lacks is added, and
  // counters count on the file as it is.
  const QString path = Dir.File("Stuck.ini");
  const QByteArray stuck = "[Preferences]\r\nCardSize=0\r\nShowTips=0\r\nBackIndex=3\r\n[Stats]\r\nPlayed=7\r\n";
  WriteFileBytes(path, stuck);
  QProcess holder;
  StartHolder(holder, path, true);
  const pid_t pid = pid_t(holder.processId());
  ASSERT_EQ(kill(pid, SIGSTOP), 0);
  const std::unique_ptr<void, std::function<void(void*)>> resume(&holder, [pid](void*) { kill(pid, SIGCONT); });
  EXPECT_EQ(GetPrivateProfileString("Preferences", "CardSize", "2", path), "2");
  const auto start = Clock::now();
  EXPECT_EQ(GetPrivateProfileString("Preferences", "ShowTips", "1", path), "1");
  EXPECT_EQ(TIniFile(path).ReadInteger("Preferences", "BackIndex", 7), 7);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(WritePrivateProfileString("Preferences", "CardSize", "2", path));
  EXPECT_TRUE(WritePrivateProfileString("Preferences", "TipIndex", "1", path));
  EXPECT_TRUE(WritePrivateProfileString("Stats", "Played", std::nullopt, path));
  EXPECT_TRUE(UpdatePrivateProfile(path, [](TIniEdit& ini) {
    ini.WriteString("Stats", "Played", QString::number(ini.ReadString("Stats", "Played", "0").toInt() + 1));
  }));
  // This copy sees its own writes, before it ever read the file.
  EXPECT_EQ(GetPrivateProfileString("Preferences", "CardSize", "<def>", path), "2");
  EXPECT_EQ(GetPrivateProfileString("Preferences", "TipIndex", "<def>", path), "1");
  EXPECT_EQ(ReadFileBytes(path), stuck);
  const QByteArray said = caught.Text();
  EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
  EXPECT_TRUE(said.contains(QFile::encodeName(path))) << said.toStdString();

  ASSERT_EQ(kill(pid, SIGCONT), 0);
  holder.write("\n");
  ASSERT_TRUE(holder.waitForFinished(30000));
  EXPECT_TRUE(FlushPrivateProfiles());
  const QByteArray saved =
      "[Preferences]\r\nCardSize=0\r\nShowTips=0\r\nBackIndex=3\r\nTipIndex=1\r\n[Stats]\r\nPlayed=8\r\n[Holder]"
      "\r\nKey=1\r\n";
  EXPECT_EQ(ReadFileBytes(path), saved);

  // Once the file can be read, what this copy took without it still replaces nothing: an
  // options dialog closed unchanged writes it all again. A value the player changes is
  // saved, and stays the player's when changed back to the default.
  TIniFile ini(path);
  ini.WriteInteger("Preferences", "CardSize", 2);
  ini.WriteBool("Preferences", "ShowTips", true);
  ini.WriteInteger("Preferences", "BackIndex", 7);
  ini.WriteInteger("Preferences", "TipIndex", 1);
  EXPECT_EQ(ReadFileBytes(path).toStdString(), saved.toStdString());
  ini.WriteInteger("Preferences", "BackIndex", 4);
  EXPECT_EQ(ReadFileBytes(path).toStdString(), QByteArray(saved).replace("BackIndex=3", "BackIndex=4").toStdString());
  ini.WriteInteger("Preferences", "BackIndex", 7);
  EXPECT_EQ(ReadFileBytes(path).toStdString(), QByteArray(saved).replace("BackIndex=3", "BackIndex=7").toStdString());
}

// Another program writing the settings file in place, as cp, a shell's ">" or an editor
// saving in place does: it truncates the file, writes the first piece, and each further
// piece after a pause. A non-stop one then writes its text over the file again every
// millisecond, through the same descriptor, until stopped (3 s at most, so that a layer
// waiting for it to end fails rather than hangs). Truncating and closing the file each
// time would stall it on a busy disk longer than any settle, so that it paused in fact.
class TInPlaceWriter {
public:
  TInPlaceWriter(QString path, QList<QByteArray> pieces, std::chrono::milliseconds pause, bool nonStop)
      : FPath(QFile::encodeName(path)), FPieces(std::move(pieces)), FPause(pause), FNonStop(nonStop) {}
  ~TInPlaceWriter() { Stop(); }
  TInPlaceWriter(const TInPlaceWriter&) = delete;
  TInPlaceWriter& operator=(const TInPlaceWriter&) = delete;

  // Writes from this thread.
  void Run() {
    const int file = open(FPath.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    EXPECT_GE(file, 0) << FPath.constData();
    QByteArray text;
    for (qsizetype i = 0; i < FPieces.size() && file >= 0; ++i) {
      if (i > 0) std::this_thread::sleep_for(FPause);
      EXPECT_EQ(write(file, FPieces[i].constData(), size_t(FPieces[i].size())), FPieces[i].size());
      text += FPieces[i];
      if (i == 0) FFirst.set_value();
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (FNonStop && file >= 0 && !FStop && std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      EXPECT_EQ(pwrite(file, text.constData(), size_t(text.size()), 0), text.size());
    }
    if (file >= 0) close(file);
    else FFirst.set_value();
  }
  // Writes from a thread of its own; returns once the file is truncated and the first
  // piece written.
  void Start() {
    FThread = std::thread([this] { Run(); });
    FFirst.get_future().wait();
  }
  void Stop() {
    FStop = true;
    if (FThread.joinable()) FThread.join();
  }

private:
  QByteArray FPath;
  QList<QByteArray> FPieces;
  std::chrono::milliseconds FPause;
  bool FNonStop;
  std::atomic<bool> FStop = false;
  std::promise<void> FFirst;
  std::thread FThread;
};

TEST_F(IniFileTest, AFileChangedByAnotherProgramUnderTheLockKeepsEveryWriteReportedSaved) {
  // While one copy holds the lock inside a change, an editor saves the file by rename or
  // rewrites it in place, the file is removed, or the link that is the settings name is
  // pointed at another file; another copy then saves (at once, or as soon as the lock
  // frees). The first copy's change is made again on the file now there, so nothing is
  // renamed over, also when its change changes nothing in the file it first read.
  //
  // And while this copy writes A=1, B=2 and C=3, another program writes the file in place:
  // each write that meets it lands on top of the other program's text by the time it
  // returns. A save waits for a file truncated or changed in place to hold still; a file
  // rewritten in place in the second of a read or of this copy's own save, where stamps
  // are whole seconds, is read again; while the file never holds still, writes are kept
  // back (and reads see them) until the next write after it does.
  const PellamyTest::TWatchdog watchdog("a file changed under the lock", std::chrono::seconds(120));
  enum TChange { Renamed, Removed, RewrittenInPlace, Relinked, Truncated, ByThisCopy };
  enum TWhen { BeforeTheWrites, AtTheFirstRename, BetweenTheFirstWrites };
  // How another program writes the file while this copy writes.
  struct TWriter {
    TWhen When;
    QList<QByteArray> Pieces;          // truncating first; the first and each after Pause
    std::chrono::milliseconds Pause;
    bool NonStop;
    bool ReadFirst;                    // this copy has read the file before
    bool WholeSecond;                  // stamps in whole seconds, and everything within one
    QString SeenA;                     // what reads then give for A
    std::optional<QByteArray> AfterA;  // the file when write A returns (none: kept back)
    QByteArray AfterB;                 // the file once B is written and the other program done
  };
  struct TCase {
    const char* Name;
    TChange Change;
    bool HeldAlready = false;  // the file holds the first copy's key already: its change changes nothing
    std::optional<TWriter> Writer = std::nullopt;
  };
  const QByteArray old = "[Old]\r\nKey=old\r\n";
  const QByteArray held = "[Holder]\r\nKey=1\r\n";
  const QByteArray edited = "[Edited]\r\nBy=editor\r\n";
  const QByteArray mine = "[Mine]\r\nA=1\r\n";
  const QByteArray sameSize = "[Old]\r\nKey=new\r\n";
  using std::chrono::milliseconds;
  const TCase cases[] = {
      {"replaced by an editor", Renamed},
      {"removed", Removed},
      {"rewritten in place", RewrittenInPlace},
      {"holding the key, replaced by an editor", Renamed, true},
      {"holding the key, removed", Removed, true},
      {"holding the key, the name's link pointed elsewhere", Relinked, true},
      {"truncated, and written 10 ms later", Truncated},
      {"rewritten, one byte longer, the moment a save renamed it", ByThisCopy, false,
       TWriter{AtTheFirstRename, {old + "[Mine]\r\nA=10\r\n"}, milliseconds(0), false, false, false, "10",
               old + "[Mine]\r\nA=10\r\n", old + "[Mine]\r\nA=10\r\nB=2\r\n"}},
      {"rewritten to the same size in the second of a save, whole-second stamps", ByThisCopy, false,
       TWriter{BetweenTheFirstWrites, {old + "[Mine]\r\nA=9\r\n"}, milliseconds(0), false, false, true, "9",
               old + mine, old + "[Mine]\r\nA=9\r\nB=2\r\n"}},
      {"rewritten to the same size in the second this copy read it, whole-second stamps", ByThisCopy, false,
       TWriter{BeforeTheWrites, {sameSize}, milliseconds(0), false, true, true, "1", sameSize + mine,
               sameSize + mine + "B=2\r\n"}},
      {"written in two steps 15 ms apart after this copy read it", ByThisCopy, false,
       TWriter{BeforeTheWrites, {edited.left(9), edited.mid(9)}, milliseconds(15), false, true, false, "1",
               edited + mine, edited + mine + "B=2\r\n"}},
      {"truncated, and written 15 ms later, never read by this copy", ByThisCopy, false,
       TWriter{BeforeTheWrites, {"", edited}, milliseconds(15), false, false, false, "1", edited + mine,
               edited + mine + "B=2\r\n"}},
      {"rewritten without pause", ByThisCopy, false,
       TWriter{BeforeTheWrites, {edited}, milliseconds(0), true, true, false, "1", std::nullopt,
               edited + mine + "B=2\r\n"}},
  };
  const QString first = Dir.File("first.ini"), second = Dir.File("second.ini");
  using Clock = std::chrono::steady_clock;
  for (const bool network : {false, true}) {
    for (const TCase& c : cases) {
      SCOPED_TRACE(std::string(network ? "on a network mount, " : "on a local disk, ") + c.Name);
      std::optional<PellamyTest::TNetworkMount> mount;
      if (network) mount.emplace();
      const PellamyTest::TScopedSaveCalls restore;
      if (c.Writer && c.Writer->WholeSecond) {
        SaveCalls().TimeGrainNs = 1'000'000'000;
        // Early in a second, so that all of it happens within that second.
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::this_thread::sleep_for(std::chrono::nanoseconds(1'020'000'000 - now.tv_nsec));
      }
      // A file of its own, which this copy has never read.
      Path = Dir.File(QStringLiteral("Pellamy-%1-%2.ini").arg(network).arg(&c - cases));
      const QByteArray before = old + (c.HeldAlready ? held : QByteArray());
      if (c.Change == Relinked) {
        WriteFileBytes(first, before);
        WriteFileBytes(second, edited);
        ASSERT_TRUE(QFile::link(first, Path));
      } else {
        WriteFileBytes(Path, before);
      }
      if (c.Writer) {
        const TWriter& w = *c.Writer;
        if (w.ReadFirst) {
          EXPECT_EQ(Read("Old", "Key"), "old");
        }
        TInPlaceWriter other(Path, w.Pieces, w.Pause, w.NonStop);
        if (w.When == BeforeTheWrites) other.Start();
        if (w.When == AtTheFirstRename) {
          SaveCalls().Rename = RenameThenAct;
          AfterRename = [&] { other.Run(); };
        }
        // Each write returns in time, whatever the other program does.
        const auto timedWrite = [&](const char* key, const char* value) {
          const auto start = Clock::now();
          EXPECT_TRUE(Write("Mine", key, value)) << key;
          EXPECT_LT(Clock::now() - start, milliseconds(1500)) << key;
        };
        timedWrite("A", "1");
        if (w.AfterA) {
          EXPECT_EQ(Disk(), w.AfterA->toStdString());
        }
        if (w.When == BetweenTheFirstWrites) other.Run();
        timedWrite("B", "2");
        if (w.AfterA) {
          EXPECT_EQ(Disk(), w.AfterB.toStdString());
        }
        EXPECT_EQ(Read("Mine", "A"), w.SeenA);
        EXPECT_EQ(Read("Mine", "B"), "2");
        {
          // The program ending meanwhile names what it could not save.
          const TCaughtStderr caught(Dir.File("stderr.txt"));
          EXPECT_EQ(FlushPrivateProfiles(milliseconds(200)), w.AfterA.has_value());
          EXPECT_EQ(caught.Text().contains("[Mine]"), !w.AfterA) << caught.Text().toStdString();
        }
        other.Stop();
        AfterRename = nullptr;
        timedWrite("C", "3");
        EXPECT_EQ(Disk(), (w.AfterB + "C=3\r\n").toStdString());
      } else {
        QProcess holder;
        StartHolder(holder, Path, network);
        QProcess copyB;
        const QStringList setB{Path, "set", "Other", "Copy", "B"};
        int truncated = -1;
        switch (c.Change) {
          case Renamed:
            WriteFileBytes(Dir.File("edited.tmp"), edited);
            ASSERT_EQ(rename(QFile::encodeName(Dir.File("edited.tmp")).constData(), QFile::encodeName(Path).constData()),
                      0);
            break;
          case Removed:
            ASSERT_TRUE(QFile::remove(Path));
            break;
          case RewrittenInPlace:
            WriteFileBytes(Path, edited);
            break;
          case Truncated:
            truncated = open(QFile::encodeName(Path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            ASSERT_GE(truncated, 0);
            break;
          case ByThisCopy:
            break;  // above
          case Relinked: {
            // Copy B waits for the lock of the file the link leads to now; then the link moves.
            copyB.start(QStringLiteral(PELLAMY_INI_WRITER), network ? QStringList{"network"} + setB : setB);
            ASSERT_TRUE(copyB.waitForStarted());
            const QString fd = QStringLiteral("/proc/%1/fd/").arg(copyB.processId());
            const QString target = QFileInfo(first).canonicalFilePath();
            auto opened = [&] {
              for (const QString& n : QDir(fd).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                if (QFile::symLinkTarget(fd + n) == target) return true;
              return false;
            };
            for (int i = 0; i < 2000 && !opened(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ASSERT_TRUE(opened());
            ASSERT_TRUE(QFile::link(second, Dir.File("link.tmp")));
            ASSERT_EQ(rename(QFile::encodeName(Dir.File("link.tmp")).constData(), QFile::encodeName(Path).constData()),
                      0);
            break;
          }
        }
        // Copy B saves beside the held lock where the name leads to another file now.
        const bool besideTheLock = c.Change == Renamed || c.Change == Removed;
        if (besideTheLock) {
          ASSERT_TRUE(RunWriter(network ? QStringList{"network"} + setB : setB));
        }
        // Once for the change it was making, once for the file now there.
        holder.write("\n\n");
        holder.closeWriteChannel();
        if (truncated >= 0) {
          ASSERT_TRUE(holder.waitForBytesWritten(30000));
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
          ASSERT_EQ(write(truncated, edited.constData(), size_t(edited.size())), edited.size());
          close(truncated);
        }
        ASSERT_TRUE(holder.waitForFinished(30000));
        EXPECT_EQ(holder.exitCode(), 0);
        if (c.Change == Relinked) {
          ASSERT_TRUE(copyB.waitForFinished(30000));
          EXPECT_EQ(copyB.exitCode(), 0);
          // Everything lands where the name leads now; the file it led to keeps what it had.
          EXPECT_EQ(ReadFileBytes(first).toStdString(), before.toStdString());
          const QByteArray now = ReadFileBytes(second);
          EXPECT_TRUE(now == edited + held + "[Other]\r\nCopy=B\r\n" || now == edited + "[Other]\r\nCopy=B\r\n" + held)
              << now.toStdString();
        } else {
          const QByteArray b = besideTheLock ? QByteArray("[Other]\r\nCopy=B\r\n") : QByteArray();
          EXPECT_EQ(Disk(), ((c.Change == Removed ? QByteArray() : edited) + b + held).toStdString());
        }
      }
      EXPECT_TRUE(QDir(Dir.Path()).entryList(QDir::Files | QDir::Hidden).filter("pellamy-save").isEmpty());
    }
  }
}

}  // namespace
