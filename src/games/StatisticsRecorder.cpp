#include "games/StatisticsRecorder.h"

#include <QDate>
#include <QTime>

#include "shell/Profile.h"

namespace {

struct TKey {
  TProfile& Profile;
  explicit TKey(TProfile& profile, const char* name) : Profile(profile) { Profile.SetEntry(QLatin1String(name)); }
  bool Present() { return Profile.Text() != Profile.DefaultText(); }
};

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

  int prior = 1;
  {
    TKey key(profile, "GamesAttempted");
    const bool present = key.Present();
    if (present) prior = profile.Value();
    profile.SetValue(present ? prior + 1 : 1);
  }

  if (result.Won) {
    {
      TKey key(profile, "GamesWon");
      profile.SetValue(key.Present() ? profile.Value() + 1 : 1);
    }
    bool lastWon = false;
    {
      TKey key(profile, "LastGame");
      if (key.Present()) lastWon = profile.State();
      profile.SetState(true);
    }
    int streak = 1;
    {
      TKey key(profile, "CurrentStreak");
      if (key.Present() && lastWon) streak = profile.Value() + 1;
      profile.SetValue(streak);
    }
    {
      TKey key(profile, "LongestStreak");
      if (key.Present() && profile.Value() > streak) return;
      profile.SetValue(streak);
    }
    profile.SetEntry(QStringLiteral("LongestStreakDate"));
    profile.SetText(FloatText(result.Now));
    return;
  }

  {
    TKey key(profile, "LastGame");
    profile.SetState(false);
  }
  {
    TKey key(profile, "CurrentStreak");
    profile.SetValue(0);
  }
  int losses = prior;
  {
    TKey key(profile, "GamesWon");
    if (key.Present()) losses -= profile.Value();
  }
  // A hand-edited file may claim more wins than attempts; never divide by zero or less.
  if (losses < 0) losses = 0;
  {
    TKey key(profile, "AvgScore");
    if (key.Present()) {
      bool ok = false;
      double average = profile.Text().trimmed().toDouble(&ok);
      if (!ok) average = 0;
      profile.SetText(FloatText((losses * average + result.Score) / (losses + 1)));
    } else {
      profile.SetValue(result.Score);
    }
  }
  {
    TKey key(profile, "HiScore");
    if (!key.Present() || profile.Value() < result.Score) profile.SetValue(result.Score);
  }
}
