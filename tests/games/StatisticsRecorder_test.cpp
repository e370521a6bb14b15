// The statistics recorder writing a real settings file.

#include <gtest/gtest.h>

#include <QProcess>

#include "support/TestSupport.h"
#include "games/StatisticsRecorder.h"
#include "platform/IniFile.h"
#include "shell/Profile.h"

namespace {

class TRecorderTest : public ::testing::Test {
protected:
  PellamyTest::TScopedConfigDir FConfig;
  QString FFile = FConfig.File("Pellamy.ini");
  TProfile FProfile{QStringLiteral("Klondike")};

  void SetUp() override { FProfile.SetFileName(FFile); }

  void Record(int moves, bool won, int score, double now = 45000.5) {
    TDealResult r;
    r.MoveCount = moves;
    r.Threshold = 5;
    r.Won = won;
    r.Score = score;
    r.Now = now;
    RecordDeal(FProfile, r);
  }
  QString Key(const char* name) { return TIniFile(FFile).ReadString("Klondike", name, "None"); }
};

}  // namespace

TEST_F(TRecorderTest, NothingBelowTheThresholdAndEverythingFromIt) {
  Record(4, false, 3);
  EXPECT_EQ(Key("GamesAttempted"), "None");
  Record(5, false, 3);
  EXPECT_EQ(Key("GamesAttempted"), "1");
  EXPECT_EQ(Key("LastGame"), "False");
  EXPECT_EQ(Key("CurrentStreak"), "0");
  EXPECT_EQ(Key("AvgScore"), "3");  // a first loss: the score as an integer
  EXPECT_EQ(Key("HiScore"), "3");
  EXPECT_EQ(Key("GamesWon"), "None");
}

TEST_F(TRecorderTest, LossesAverageAsFloatTextAndKeepTheHighScore) {
  Record(5, false, 3);
  Record(9, false, 4);
  EXPECT_EQ(Key("GamesAttempted"), "2");
  EXPECT_EQ(Key("AvgScore"), "3.5");
  EXPECT_EQ(Key("HiScore"), "4");
  Record(9, false, 1);
  EXPECT_EQ(Key("AvgScore"), FloatText((2 * 3.5 + 1) / 3.0));
  EXPECT_EQ(Key("HiScore"), "4");
}

TEST_F(TRecorderTest, WinsCountStreaksAndDateTheLongest) {
  Record(5, false, 3);
  Record(40, true, 52, 45000.25);
  EXPECT_EQ(Key("GamesAttempted"), "2");
  EXPECT_EQ(Key("GamesWon"), "1");
  EXPECT_EQ(Key("LastGame"), "True");
  EXPECT_EQ(Key("CurrentStreak"), "1");
  EXPECT_EQ(Key("LongestStreak"), "1");
  EXPECT_EQ(Key("LongestStreakDate"), "45000.25");
  EXPECT_EQ(Key("AvgScore"), "3");  // wins leave the loss figures alone
  Record(40, true, 52, 45001.5);
  EXPECT_EQ(Key("CurrentStreak"), "2");
  EXPECT_EQ(Key("LongestStreak"), "2");
  EXPECT_EQ(Key("LongestStreakDate"), "45001.5");
  // A loss ends the streak; the next win starts at 1 and stays below the longest.
  Record(40, false, 10);
  EXPECT_EQ(Key("AvgScore"), "6.5");  // losses before: 3 - 2 wins = 1
  Record(40, true, 52, 45002);
  EXPECT_EQ(Key("CurrentStreak"), "1");
  EXPECT_EQ(Key("LongestStreak"), "2");
  EXPECT_EQ(Key("LongestStreakDate"), "45001.5");
}

TEST_F(TRecorderTest, AnEqualStreakRewritesTheLongestAndItsDate) {
  TIniFile ini(FFile);
  ini.WriteString("Klondike", "LongestStreak", "1");
  ini.WriteString("Klondike", "LongestStreakDate", "100");
  Record(40, true, 52, 200);
  EXPECT_EQ(Key("LongestStreak"), "1");
  EXPECT_EQ(Key("LongestStreakDate"), "200");
}

TEST_F(TRecorderTest, MoreWinsThanAttemptsInTheFileNeverDivideByZero) {
  TIniFile ini(FFile);
  ini.WriteString("Klondike", "GamesAttempted", "2");
  ini.WriteString("Klondike", "GamesWon", "3");
  ini.WriteString("Klondike", "AvgScore", "7");
  Record(40, false, 5);
  EXPECT_EQ(Key("AvgScore"), "5");
  EXPECT_EQ(Key("GamesAttempted"), "3");
}

TEST_F(TRecorderTest, CountsAtTheIntegerLimitStayThereAndAveragesStayTrue) {
  // A damaged or hand-edited file. A count never wraps negative: it stays at the largest
  // value the file's integers hold. An average that is no finite number reads as 0, and
  // one near the largest double stays finite.
  using TKeys = std::vector<std::pair<const char*, const char*>>;
  struct TCase {
    TKeys Before;
    bool Won;
    TKeys After;
  };
  const char* max = "2147483647";
  const TCase cases[] = {
      {{{"GamesAttempted", max}, {"GamesWon", max}, {"LastGame", "True"}, {"CurrentStreak", max},
        {"LongestStreak", max}},
       true,
       {{"GamesAttempted", max}, {"GamesWon", max}, {"CurrentStreak", max}, {"LongestStreak", max}}},
      // (2147483647 x 10 + 5) / 2147483648, and one more loss before when wins are -1.
      {{{"GamesAttempted", max}, {"GamesWon", "0"}, {"AvgScore", "10"}},
       false,
       {{"GamesAttempted", max}, {"AvgScore", "9.99999999767169"}, {"CurrentStreak", "0"}}},
      {{{"GamesAttempted", max}, {"GamesWon", "-1"}, {"AvgScore", "10"}}, false, {{"AvgScore", "9.99999999767169"}}},
      // Two losses before: 5 / 3, or 1e308 + (5 - 1e308) / 3.
      {{{"GamesAttempted", "3"}, {"GamesWon", "1"}, {"AvgScore", "nan"}}, false, {{"AvgScore", "1.66666666666667"}}},
      {{{"GamesAttempted", "3"}, {"GamesWon", "1"}, {"AvgScore", "inf"}}, false, {{"AvgScore", "1.66666666666667"}}},
      {{{"GamesAttempted", "3"}, {"GamesWon", "1"}, {"AvgScore", "-inf"}}, false, {{"AvgScore", "1.66666666666667"}}},
      {{{"GamesAttempted", "3"}, {"GamesWon", "1"}, {"AvgScore", "1e308"}}, false,
       {{"AvgScore", "6.66666666666667e+307"}}},
  };
  for (const TCase& c : cases) {
    std::string trace = c.Won ? "won:" : "lost:";
    for (const auto& [key, value] : c.Before) trace += std::string(" ") + key + "=" + value;
    SCOPED_TRACE(trace);
    TIniFile ini(FFile);
    ini.EraseSection("Klondike");
    for (const auto& [key, value] : c.Before) ini.WriteString("Klondike", key, value);
    Record(40, c.Won, 5);
    for (const auto& [key, value] : c.After) EXPECT_EQ(Key(key).toStdString(), value) << key;
  }
}

TEST_F(TRecorderTest, TwoCopiesRecordingAtOnceCountEveryGame) {
  // Two copies of the program finishing games at the same time, each its own process.
  constexpr int Deals = 300;
  QProcess copies[2];
  for (QProcess& copy : copies) copy.start(QStringLiteral(PELLAMY_STATISTICS_WRITER), {FFile, QString::number(Deals)});
  for (QProcess& copy : copies) {
    ASSERT_TRUE(copy.waitForFinished(240000));
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
  }
  EXPECT_EQ(Key("GamesAttempted").toStdString(), std::to_string(2 * Deals));
  EXPECT_EQ(Key("GamesWon").toStdString(), std::to_string(2 * Deals / 3));
  EXPECT_EQ(Key("HiScore").toStdString(), "29");
}

TEST(DateTimeValueTest, CountsDaysFromTheEndOf1899) {
  EXPECT_DOUBLE_EQ(DateTimeValue(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
  EXPECT_DOUBLE_EQ(DateTimeValue(QDateTime(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
  EXPECT_DOUBLE_EQ(DateTimeValue(QDateTime(QDate(2000, 1, 1), QTime(6, 0))), 36526.25);
}
