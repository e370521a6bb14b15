// A second copy of the program as far as the settings file is concerned, for the tests
// that share one file between processes:
//   IniWriter [nobody] <file> <command> ...   with "nobody", run as user 65534 when
//                                              started as root (another user's copy)
//   IniWriter <file> set <section> <key> <value>   one write
//   IniWriter <file> race <copy> <count>            count rounds of: a key of its own in
//                                                   section "Copy<copy>", then the shared
//                                                   counter [Stats] Played read and written
//                                                   back plus one in one update, as a game
//                                                   records a play
//   IniWriter <file> hold                           an update of [Holder] Key that, with the
//                                                   settings lock held, prints "held" and
//                                                   waits for a line on its input

#include <QString>
#include <cstdio>
#include <iostream>
#include <string>

#include <grp.h>
#include <unistd.h>

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
  if (argc < 3) return 2;
  const QString file = QString::fromLocal8Bit(argv[1]);
  const QString command = QString::fromLatin1(argv[2]);
  if (command == QLatin1String("set") && argc == 6)
    return WritePrivateProfileString(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                                     QString::fromLocal8Bit(argv[5]), file)
               ? 0
               : 1;
  if (command == QLatin1String("race") && argc == 5) {
    const QString copy = QString::fromLatin1(argv[3]);
    const int count = QString::fromLatin1(argv[4]).toInt();
    const QString section = QStringLiteral("Copy") + copy;
    int failed = 0;
    for (int i = 0; i < count; ++i) {
      if (!WritePrivateProfileString(section, QStringLiteral("Key%1").arg(i),
                                     QStringLiteral("value %1 of copy %2").arg(i).arg(copy), file))
        ++failed;
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
  if (command == QLatin1String("hold") && argc == 3) {
    const bool written = UpdatePrivateProfile(file, [](TIniEdit& ini) {
      ini.WriteString(QStringLiteral("Holder"), QStringLiteral("Key"), QStringLiteral("1"));
      std::printf("held\n");
      std::fflush(stdout);
      std::string line;
      std::getline(std::cin, line);
    });
    return written ? 0 : 1;
  }
  return 2;
}
