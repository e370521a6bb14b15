// Reading and writing one key of the settings file through the settings layer, on a
// 1 KiB file as the program writes it and on a 50 MiB one (a file grown by hand or by
// another program). Reads come from the parsed file kept in memory after a stat of the
// file; a write rewrites the whole file atomically, so it grows with the file's size.
// "Load" reads a key right after the file changed on disk: the parse a start-up pays once.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/IniFile.h"

namespace {

const QByteArray Preferences =
    "[Preferences]\r\nCardSize=1\r\nSndVer=1\r\nSoundMask=3711\r\nRestoreLastGame=1\r\n"
    "BackgroundColor=0x00004000\r\nBackIndex=7\r\nDoAnimation=1\r\nDisableSound=0\r\n"
    "VegasScoring=0\r\nSmartDragging=1\r\nShowTips=1\r\nCtrlKey=1\r\nAutoplaySpeed=50\r\n"
    "LastGame=12\r\n\r\n[MainWindow]\r\nLeft=220\r\nTop=140\r\n\r\n";

// The program's own sections, then filler sections of fifty keys each up to the size,
// then a game's statistics at the very end (the key the benchmarks read and write).
QByteArray SettingsFile(qint64 size) {
  QByteArray bytes = Preferences;
  for (int s = 0; bytes.size() < size - 200; ++s) {
    bytes += "[Imported " + QByteArray::number(s) + "]\r\n";
    for (int k = 0; k < 50 && bytes.size() < size - 200; ++k)
      bytes += "Entry" + QByteArray::number(k) + "=" + QByteArray(80, char('a' + k % 26)) + "\r\n";
  }
  bytes += "[Klondike]\r\nGamesPlayed=120\r\nGamesWon=31\r\n";
  return bytes;
}

// A settings file of the given size, as a file from an earlier session: a file changed
// within the last second is read again at every access, since a change in the same
// clock tick could keep its time stamps.
struct TBenchFile {
  explicit TBenchFile(qint64 size) : Path(Dir.filePath("Pellamy.ini")) {
    QFile f(Path);
    f.open(QIODevice::WriteOnly);
    f.write(SettingsFile(size));
    f.close();
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  }
  // Changes the file's time stamps, so the next read parses it again.
  void Touch() const { utimensat(AT_FDCWD, QFile::encodeName(Path).constData(), nullptr, 0); }
  QTemporaryDir Dir;
  QString Path;
};

const QString Section = QStringLiteral("Klondike");
const QString Key = QStringLiteral("GamesWon");

void ReadKey(benchmark::State& state) {
  const TBenchFile file(state.range(0));
  GetPrivateProfileString(Section, Key, QString(), file.Path);
  for (auto _ : state) benchmark::DoNotOptimize(GetPrivateProfileString(Section, Key, QString(), file.Path));
}

void WriteKey(benchmark::State& state) {
  const TBenchFile file(state.range(0));
  int value = 0;
  for (auto _ : state) WritePrivateProfileString(Section, Key, QString::number(value++ % 100), file.Path);
}

void LoadAndReadKey(benchmark::State& state) {
  const TBenchFile file(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    file.Touch();
    state.ResumeTiming();
    benchmark::DoNotOptimize(GetPrivateProfileString(Section, Key, QString(), file.Path));
  }
}

constexpr qint64 Small = 1024;
constexpr qint64 Large = 50LL * 1024 * 1024;

}  // namespace

BENCHMARK(ReadKey)->Arg(Small)->Arg(Large)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteKey)->Arg(Small)->Arg(Large)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAndReadKey)->Arg(Small)->Arg(Large)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
