#pragma once
// The statistics recorder's arithmetic: what a finished or abandoned deal writes into one
// statistics section ("GamesAttempted", "GamesWon", "LastGame", "CurrentStreak",
// "LongestStreak", "LongestStreakDate", "AvgScore", "HiScore"). A key counts as present
// when its text is not the profile's default "None". A deal is recorded in one update of
// the settings file, so copies of the program recording at once lose no counts.

#include <QDateTime>
#include <QString>

class TProfile;

struct TDealResult {
  int MoveCount = 0;
  int Threshold = 0;  // nothing is recorded below this many moves
  bool Won = false;
  int Score = 0;      // cards home (removed cards in the pairing games)
  double Now = 0;     // the date-time value stored with a new longest streak
};

// Records the deal in profile's current section (nothing while the profile names no
// section or file); the profile's entry is left as it was.
void RecordDeal(TProfile& profile, const TDealResult& result);

// Days since 30 December 1899, the time of day as the fraction.
double DateTimeValue(const QDateTime& when);
// A float as the settings file stores it (general format, up to 15 digits).
QString FloatText(double value);
