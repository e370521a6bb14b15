#pragma once
// What the statistics dialog shows, worked out from the keys the statistics recorder
// leaves in a game's section: which sections and mode tabs a game has, the figures'
// texts, the pie slices and the streak bars.

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/Colors.h"

class TProfile;

enum class TStatsModes { All, DrawModes, SpiderDifficulty };

TStatsModes StatsModesOf(int game);
QStringList StatsTabsOf(int game);
// The section a mode tab of a game shows (tabs as in StatsTabsOf).
QString StatsSectionOf(int game, int tab);
// The tab first shown, from the game's "DrawThree" or "Difficulty" key.
int StatsInitialTab(int game, TProfile& profile);
// Every section the dialog's clear commands touch for a game shown at the given section.
QStringList StatsSectionsToClear(int game, const QString& shownSection);

// The score a won game counts in the overall average.
int WonGameScore(int game);
// Games whose amounts are shown in dollars when Vegas scoring is on.
bool IsVegasGame(int game);

// The mean of firstCount figures of first and secondCount of second; 0 for no figures.
// Ordinary counts keep the plain formula, and so the last digit of their texts; where its
// products overflow (a hand-edited figure near the largest double), the mean by shares.
double WeightedMean(double first, double firstCount, double second, double secondCount);
// Fixed-point with thousands separators and '.' as decimal point ("1,234.5").
QString NumberFormat(double value, int decimals);
// A date-time value (days since 30 December 1899, time as fraction) in the short date form;
// empty outside the years 1 to 9999.
QString ShortDateText(double dateTime);

struct TStatsSlice {
  double Value;
  QString Label;
  TColor Color;
};
struct TStatsBar {
  double Value;
  QString Label;
  TColor Color;
};

struct TSectionStats {
  bool HasStatistics = false;      // "GamesAttempted" present
  QString Attempted;               // as stored
  QString OverallAverage;
  bool HighScoreEnabled = false;
  QString HighScore;
  bool AverageEnabled = false;
  QString AverageOfLosses;
  std::vector<TStatsSlice> Slices;  // wins and losses
  std::vector<TStatsBar> Bars;      // empty: "No Winning Streaks"
};

// Reads the figures of the profile's current section for a game.
TSectionStats ReadSectionStats(int game, bool vegasScoring, TProfile& profile);

// Writes "None" to the win/loss keys, or to the streak keys, of the profile's section, in
// one update of the file.
void ClearWinLossCounts(TProfile& profile);
void ClearStreaks(TProfile& profile);
