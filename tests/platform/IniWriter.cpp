// A second copy of the program as far as the settings file is concerned, for the tests
// that share one file between processes:
//   IniWriter [nobody] [network] <file> <command> ...
//                                                   with "nobody", run as user 65534 when
//                                                   started as root (another user's copy);
//                                                   with "network", under the locking rules
//                                                   of network mounts (NetworkMount.h)
//   IniWriter <file> set <section> <key> <value>   one write, waited for as the program's end waits
//   IniWriter <file> race <copy> <count>            count rounds of: a key of its own in
//                                                   section "Copy<copy>", then the shared
//                                                   counter [Stats] Played read and written
//                                                   back plus one in one update, as a game
//                                                   records a play; each key of its own must
//                                                   read back at once, and the first read,
//                                                   made before any write, must find the
//                                                   file's sections (never an empty file)
//   IniWriter <file> hold [ms]                      an update of [Holder] Key that, with the
//                                                   settings lock held, prints "held" and
//                                                   waits for a line on its input (or ms
//                                                   milliseconds)

#include <QString>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include <grp.h>
#include <unistd.h>

#include "NetworkMount.h"
#include "platform/IniFile.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "nobody") {
    if (::getuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      std::perror("IniWriter: cannot become user 65534");
      return 3;
    }
    --argc;
    ++argv;
  }
  std::optional<PellamyTest::TNetworkMount> network;
  if (argc > 1 && std::string(argv[1]) == "network") {
    network.emplace();
    --argc;
    ++argv;
  }
  if (argc < 3) return 2;
  const QString file = QString::fromLocal8Bit(argv[1]);
  const QString command = QString::fromLatin1(argv[2]);
  // Written as the program writes: a write kept back behind the lock goes to disk as it ends.
  if (command == QLatin1String("set") && argc == 6)
    return WritePrivateProfileString(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                                     QString::fromLocal8Bit(argv[5]), file) &&
                   FlushPrivateProfiles()
               ? 0
               : 1;
  if (command == QLatin1String("race") && argc == 5) {
    const QString copy = QString::fromLatin1(argv[3]);
    const int count = QString::fromLatin1(argv[4]).toInt();
    const QString section = QStringLiteral("Copy") + copy;
    int failed = 0;
    // Started beside the other copy, this read may meet its lock before this copy ever read the file.
    if (TIniFile(file).ReadSections().isEmpty()) ++failed;
    for (int i = 0; i < count; ++i) {
      const QString key = QStringLiteral("Key%1").arg(i);
      const QString value = QStringLiteral("value %1 of copy %2").arg(i).arg(copy);
      if (!WritePrivateProfileString(section, key, value, file)) ++failed;
      // Read while the other copy may hold the lock: a read it refuses is no empty file.
      if (GetPrivateProfileString(section, key, QString(), file) != value) ++failed;
      if (!UpdatePrivateProfile(file, [](TIniEdit& ini) {
            const int played = ini.ReadString(QStringLiteral("Stats"), QStringLiteral("Played"), QStringLiteral("0")).toInt();
            ini.WriteString(QStringLiteral("Stats"), QStringLiteral("Played"), QString::number(played + 1));
          }))
        ++failed;
    }
    if (!FlushPrivateProfiles()) ++failed;
    if (failed) std::fprintf(stderr, "%d writes failed\n", failed);
    return failed ? 1 : 0;
  }
  if (command == QLatin1String("hold") && (argc == 3 || argc == 4)) {
    const int ms = argc == 4 ? QString::fromLatin1(argv[3]).toInt() : -1;
    const bool written = UpdatePrivateProfile(file, [ms](TIniEdit& ini) {
      ini.WriteString(QStringLiteral("Holder"), QStringLiteral("Key"), QStringLiteral("1"));
      std::printf("held\n");
      std::fflush(stdout);
      std::string line;
      if (ms >= 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      else
        std::getline(std::cin, line);
    });
    return written ? 0 : 1;
  }
  return 2;
}
