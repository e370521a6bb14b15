#include "shell/StatisticsFigures.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "platform/IniFile.h"
#include "shell/GameTable.h"
#include "shell/Profile.h"

namespace {
constexpr int Canfield = 5, DoubleKlondike = 6, Klondike = 16, Spider = 28;
const QString None = QStringLiteral("None");

bool Present(TProfile& profile, const char* key) {
  profile.SetEntry(QLatin1String(key));
  return profile.Text() != None;
}

double DecimalValue(TProfile& profile, const char* key) {
  return Present(profile, key) ? ProfileTextToFloat(profile.Text()) : 0;
}

// A figure past the largest double (from a hand-edited average near it) shows as the
// largest double rather than as "inf".
double Saturated(double value) { return std::clamp(value, -DBL_MAX, DBL_MAX); }

// Writes "None" to keys of the profile's section in one update of the file, so the clear
// is applied whole to the file as it stands, also when it has to wait for another copy.
void WriteNone(TProfile& profile, QStringList keys) {
  if (profile.Section().isEmpty() || profile.FileName().isEmpty()) return;
  UpdatePrivateProfile(profile.FileName(),
                       [section = profile.Section(), keys = std::move(keys), none = None](TIniEdit& ini) {
                         for (const QString& key : keys) ini.WriteString(section, key, none);
                       });
}

}  // namespace

TStatsModes StatsModesOf(int game) {
  if (game == Canfield || game == DoubleKlondike || game == Klondike) return TStatsModes::DrawModes;
  if (game == Spider) return TStatsModes::SpiderDifficulty;
  return TStatsModes::All;
}

QStringList StatsTabsOf(int game) {
  switch (StatsModesOf(game)) {
    case TStatsModes::DrawModes: return {"One Card Draw", "Three Card Draw", "Both"};
    case TStatsModes::SpiderDifficulty: return {"Easy", "Medium", "Challenging", "All"};
    case TStatsModes::All: break;
  }
  return {"All"};
}

QString StatsSectionOf(int game, int tab) {
  const QString section = QLatin1String(GameInfo(game).Section);
  switch (StatsModesOf(game)) {
    case TStatsModes::DrawModes:
      if (tab == 0) return section + QStringLiteral("DrawOne");
      if (tab == 1) return section + QStringLiteral("DrawThree");
      return section;
    case TStatsModes::SpiderDifficulty:
      if (tab == 0) return QStringLiteral("SpiderEasy");
      if (tab == 1) return QStringLiteral("SpiderMedium");
      if (tab == 2) return QStringLiteral("SpiderChallenging");
      return section;
    case TStatsModes::All: break;
  }
  return section;
}

int StatsInitialTab(int game, TProfile& profile) {
  profile.SetSection(QLatin1String(GameInfo(game).Section));
  switch (StatsModesOf(game)) {
    case TStatsModes::DrawModes:
      if (!Present(profile, "DrawThree")) return 2;
      return profile.State() ? 1 : 0;
    case TStatsModes::SpiderDifficulty: {
      if (!Present(profile, "Difficulty")) return 3;
      const int difficulty = profile.Value();
      return difficulty == 0 ? 0 : difficulty == 1 ? 1 : 2;
    }
    case TStatsModes::All: break;
  }
  return 0;
}

QStringList StatsSectionsToClear(int game, const QString& shownSection) {
  switch (StatsModesOf(game)) {
    case TStatsModes::DrawModes: return {StatsSectionOf(game, 2), StatsSectionOf(game, 1), StatsSectionOf(game, 0)};
    case TStatsModes::SpiderDifficulty:
      return {StatsSectionOf(game, 3), StatsSectionOf(game, 0), StatsSectionOf(game, 1), StatsSectionOf(game, 2)};
    case TStatsModes::All: break;
  }
  return {shownSection};
}

int WonGameScore(int game) {
  switch (game) {
    case 0: case 18: return 48;                                      // Aces Up, Montana
    case 6: case 7: case 8: case 11: case 15: case 22: case 28: return 104;
    default: return 52;
  }
}

bool IsVegasGame(int game) { return game == 1 || game == 5 || game == 16 || game == 23 || game == 29; }

QString NumberFormat(double value, int decimals) {
  QLocale english(QLocale::English, QLocale::UnitedStates);
  english.setNumberOptions(QLocale::DefaultNumberOptions);
  return english.toString(value, 'f', decimals);
}

double WeightedMean(double first, double firstCount, double second, double secondCount) {
  const double count = firstCount + secondCount;
  // A hand-edited section may claim no games at all; give 0 rather than divide by it.
  if (count <= 0) return 0;
  const double plain = (first * firstCount + second * secondCount) / count;
  return std::isfinite(plain) ? plain : Saturated(first * (firstCount / count) + second * (secondCount / count));
}

QString ShortDateText(double dateTime) {
  // The days of the years 1 to 9999 only: a hand-edited date far past them would overflow
  // the conversion. Negated so that nan fails too.
  const double day = std::floor(dateTime);
  if (!(day >= -693593 && day <= 2958465)) return {};
  const QDate epoch(1899, 12, 30);
  return QLocale().toString(epoch.addDays(static_cast<qint64>(day)), QLocale::ShortFormat);
}

TSectionStats ReadSectionStats(int game, bool vegasScoring, TProfile& profile) {
  TSectionStats stats;
  const bool dollars = vegasScoring && IsVegasGame(game);
  if (Present(profile, "GamesAttempted")) {
    stats.HasStatistics = true;
    // In double: a damaged or hand-edited file may hold counts whose differences and
    // products overflow an int.
    const double attempted = profile.Value();
    stats.Attempted = profile.Text();
    const double won = Present(profile, "GamesWon") ? profile.Value() : 0;
    const double losses = attempted - won;

    // Amounts in dollars, or points with one decimal.
    const auto shown = [dollars](double amount) {
      return dollars ? QStringLiteral("$") + NumberFormat(amount, 2) : NumberFormat(amount, 1);
    };
    const double avgLoss = DecimalValue(profile, "AvgScore");
    const double lossAmount = dollars ? Saturated(5 * avgLoss - 52) : avgLoss;
    stats.OverallAverage = shown(WeightedMean(dollars ? 208 : WonGameScore(game), won, lossAmount, losses));

    const TColor maroon = 0x000080, green = 0x008000;
    if (losses == 0)
      stats.Slices = {{0, QStringLiteral("Losses   "), maroon}, {won, QStringLiteral("Wins"), green}};
    else
      stats.Slices = {{won, QStringLiteral("Wins   "), green}, {losses, QStringLiteral("Losses"), maroon}};

    if (Present(profile, "HiScore")) {
      stats.HighScoreEnabled = true;
      stats.HighScore =
          dollars ? QStringLiteral("$") + QString::number(5 * qint64(profile.Value()) - 52) : profile.Text();
    }
    if (Present(profile, "AvgScore")) {
      stats.AverageEnabled = true;
      stats.AverageOfLosses = shown(lossAmount);
    }
  }

  const int longest = Present(profile, "LongestStreak") ? profile.Value() : 0;
  const bool hasCurrent = Present(profile, "CurrentStreak");
  const int current = hasCurrent ? profile.Value() : 0;
  if (longest <= 0) return stats;
  const bool inProgress = hasCurrent && current >= longest;
  const TColor navy = 0x800000, olive = 0x008080;
  if (inProgress) {
    stats.Bars.push_back({double(longest), QStringLiteral("Longest Streak (in progress)"), navy});
  } else {
    QString label = QStringLiteral("Longest Streak, Ended ");
    // A streak without a readable date (hand-edited) shows no date rather than 30/12/1899.
    if (Present(profile, "LongestStreakDate")) {
      bool ok = false;
      const double date = ProfileTextToFloat(profile.Text(), &ok);
      if (ok) label += ShortDateText(date);
    }
    stats.Bars.push_back({double(longest), label, navy});
  }
  if (hasCurrent && current > 0) stats.Bars.push_back({double(current), QStringLiteral("Current Streak"), olive});
  return stats;
}

void ClearWinLossCounts(TProfile& profile) {
  WriteNone(profile, {"GamesAttempted", "GamesWon", "AvgScore", "HiScore"});
}

void ClearStreaks(TProfile& profile) { WriteNone(profile, {"LongestStreak", "CurrentStreak"}); }
