#include "games/StatisticsRecorder.h"

#include <QDate>
#include <QTime>

#include <limits>

#include "platform/IniFile.h"
#include "shell/Profile.h"
#include "shell/StatisticsFigures.h"

namespace {

// The keys of one statistics section, read and written as the profile component reads
// and writes them, inside one update of the settings file.
class TStatistics {
public:
  TStatistics(TIniEdit& ini, const QString& section, const QString& none)
      : FIni(ini), FSection(section), FNone(none) {}

  QString Text(const char* key) const {
    return FIni.ReadString(FSection, QLatin1String(key), FNone).left(ProfileMaxText);
  }
  bool Present(const char* key) const { return Text(key) != FNone; }
  int Value(const char* key) const { return ProfileTextToInt(Text(key)); }
  bool State(const char* key) const { return ProfileTextToBool(Text(key)); }
  void SetText(const char* key, const QString& text) { FIni.WriteString(FSection, QLatin1String(key), text); }
  void SetValue(const char* key, int value) { SetText(key, QString::number(value)); }
  void SetState(const char* key, bool value) { SetText(key, BoolToProfileText(value)); }

private:
  TIniEdit& FIni;
  const QString& FSection;
  const QString& FNone;
};

// A count one higher. One already at the largest value the file's integers hold (a
// damaged or hand-edited file) stays there rather than wrapping negative.
int Incremented(int count) { return count < std::numeric_limits<int>::max() ? count + 1 : count; }

void Record(TStatistics& keys, const TDealResult& result) {
  int prior = 1;
  const bool attempted = keys.Present("GamesAttempted");
  if (attempted) prior = keys.Value("GamesAttempted");
  keys.SetValue("GamesAttempted", attempted ? Incremented(prior) : 1);

  if (result.Won) {
    keys.SetValue("GamesWon", keys.Present("GamesWon") ? Incremented(keys.Value("GamesWon")) : 1);
    const bool lastWon = keys.Present("LastGame") && keys.State("LastGame");
    keys.SetState("LastGame", true);
    int streak = 1;
    if (keys.Present("CurrentStreak") && lastWon) streak = Incremented(keys.Value("CurrentStreak"));
    keys.SetValue("CurrentStreak", streak);
    if (keys.Present("LongestStreak") && keys.Value("LongestStreak") > streak) return;
    keys.SetValue("LongestStreak", streak);
    keys.SetText("LongestStreakDate", FloatText(result.Now));
    return;
  }

  keys.SetState("LastGame", false);
  keys.SetValue("CurrentStreak", 0);
  // 64 bits: the counts of a hand-edited file may be far apart.
  qint64 losses = prior;
  if (keys.Present("GamesWon")) losses -= keys.Value("GamesWon");
  // A hand-edited file may claim more wins than attempts; never divide by zero or less.
  if (losses < 0) losses = 0;
  if (keys.Present("AvgScore")) {
    const double average = ProfileTextToFloat(keys.Text("AvgScore"));
    keys.SetText("AvgScore", FloatText(WeightedMean(average, double(losses), result.Score, 1)));
  } else {
    keys.SetValue("AvgScore", result.Score);
  }
  if (!keys.Present("HiScore") || keys.Value("HiScore") < result.Score) keys.SetValue("HiScore", result.Score);
}

}  // namespace

double DateTimeValue(const QDateTime& when) {
  const QDate epoch(1899, 12, 30);
  const double days = static_cast<double>(epoch.daysTo(when.date()));
  const double fraction = when.time().msecsSinceStartOfDay() / 86400000.0;
  return days + fraction;
}

QString FloatText(double value) { return QString::number(value, 'g', 15); }

void RecordDeal(TProfile& profile, const TDealResult& result) {
  if (result.MoveCount < result.Threshold) return;
  if (profile.Section().isEmpty() || profile.FileName().isEmpty()) return;
  // One update of the file: another copy recording at the same time cannot slip its
  // counts in between this one's reads and writes.
  UpdatePrivateProfile(profile.FileName(), [section = profile.Section(), none = profile.DefaultText(),
                                            result](TIniEdit& ini) {
    TStatistics keys(ini, section, none);
    Record(keys, result);
  });
}
