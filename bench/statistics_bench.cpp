// Recording one finished Klondike game: the statistics recorder writes the game's section
// and its draw-mode section, as the game window does, into a settings file as a player's
// file looks after a while (preferences, window places, statistics of all thirty games).
// Losses and wins alternate, so every key the recorder knows is read and written. Each
// recording saves the file twice, and each save syncs the new file's data and then, after
// the rename, its folder: the cost of a recorded game surviving a power cut.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

#include "games/StatisticsRecorder.h"
#include "shell/Profile.h"

namespace {

const char* const Games[] = {
    "Klondike",     "DoubleKlondike", "Canfield",       "Yukon",        "DoubleYukon",    "AustralianPatience",
    "RussianPellamy", "IndianPatience", "FortyThieves", "FreeCell",     "BakersGame",     "EightOff",
    "SeaHavenTowers", "Castle",       "BakersDozen",    "FlowerGarden", "LaBelleLucie",   "Spider",
    "Scorpion",     "Scorpion2",      "DoubleScorpion", "SimpleSimon",  "Pyramid",        "PyramidGolf",
    "Golf",         "Giza",           "Nestor",         "AcesUp",       "Montana",        "QueenItaly"};

QByteArray Statistics(const QByteArray& section) {
  return "[" + section +
         "]\r\nShowStatusBar=True\r\nAutoplay=False\r\nGameNumber=18211\r\nGamesAttempted=140\r\n"
         "GamesWon=37\r\nLastGame=False\r\nCurrentStreak=0\r\nLongestStreak=4\r\n"
         "LongestStreakDate=45212.6340277778\r\nAvgScore=21.4563106796117\r\nHiScore=49\r\n";
}

QByteArray SettingsFile() {
  QByteArray bytes =
      "[Preferences]\r\nCardSize=1\r\nSndVer=1\r\nSoundMask=3711\r\nRestoreLastGame=1\r\n"
      "BackgroundColor=0x00004000\r\nBackIndex=7\r\nDoAnimation=1\r\nDisableSound=0\r\n"
      "VegasScoring=0\r\nSmartDragging=1\r\nShowTips=1\r\nCtrlKey=1\r\nAutoplaySpeed=50\r\n"
      "LastGame=0\r\nTipsIndex=12\r\n[MainWindow]\r\nFormVersion=0\r\nFlags=0\r\nShowCmd=1\r\n"
      "PixelsPerInch=96\r\nMinMaxPos=-1,-1,-1,-1\r\nNormPos=220,140,562,484\r\n";
  for (const char* game : Games) {
    bytes += Statistics(game);
    bytes += "[" + QByteArray(game) + "]\r\nFormVersion=0\r\nFlags=0\r\nShowCmd=1\r\nNormPos=10,10,650,500\r\n";
  }
  bytes += Statistics("KlondikeDrawThree") + Statistics("KlondikeDrawOne");
  return bytes;
}

void RecordOneGame(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Pellamy.ini");
  {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(SettingsFile());
  }
  // A file from an earlier session, not one changed within the clock's grain.
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  TProfile profile;
  profile.SetFileName(path);
  TDealResult result;
  result.MoveCount = 80;
  result.Threshold = 5;
  result.Now = 45300.5;
  bool won = false;
  for (auto _ : state) {
    result.Won = won;
    result.Score = won ? 52 : 23;
    won = !won;
    profile.SetSection(QStringLiteral("Klondike"));
    RecordDeal(profile, result);
    profile.SetSection(QStringLiteral("KlondikeDrawThree"));
    RecordDeal(profile, result);
  }
}

}  // namespace

BENCHMARK(RecordOneGame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
