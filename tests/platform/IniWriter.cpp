// A second copy of the program as far as the settings file is concerned, for the tests
// that share one file between processes:
//   IniWriter <file> set <section> <key> <value>   one write
//   IniWriter <file> race <copy> <count>            count rounds of: a key of its own in
//                                                   section "Copy<copy>", then the shared
//                                                   counter [Stats] Played read and written
//                                                   back plus one, as a game records a play

#include <QString>
#include <cstdio>

#include "platform/IniFile.h"

int main(int argc, char** argv) {
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
      const int played = GetPrivateProfileString(QStringLiteral("Stats"), QStringLiteral("Played"), QStringLiteral("0"), file).toInt();
      if (!WritePrivateProfileString(QStringLiteral("Stats"), QStringLiteral("Played"), QString::number(played + 1), file))
        ++failed;
    }
    if (failed) std::fprintf(stderr, "%d writes failed\n", failed);
    return failed ? 1 : 0;
  }
  return 2;
}
