#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <cfloat>

#include "platform/IniFile.h"
#include "shell/Profile.h"
#include "shell/StatisticsFigures.h"
#include "support/TestSupport.h"

namespace {

constexpr int Klondike = 16, DoubleKlondike = 6, Spider = 28, AcesUp = 0;

class StatisticsFiguresTest : public ::testing::Test {
protected:
  void SetUp() override {
    FIni = FConfig.File("Pellamy.ini");
    FProfile.SetFileName(FIni);
  }
  void Write(const char* section, const char* key, const char* value) { TIniFile(FIni).WriteString(section, key, value); }
  TSectionStats Read(int game, const char* section, bool vegas = false) {
    FProfile.SetSection(section);
    return ReadSectionStats(game, vegas, FProfile);
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
  TProfile FProfile;
};

TEST_F(StatisticsFiguresTest, AGameNeverPlayedHasNoStatisticsAndNoStreaks) {
  const TSectionStats stats = Read(Klondike, "Klondike");
  EXPECT_FALSE(stats.HasStatistics);
  EXPECT_TRUE(stats.Bars.empty());
}

TEST_F(StatisticsFiguresTest, AllWonPutsTheEmptyLossSliceFirst) {
  Write("Klondike", "GamesAttempted", "10");
  Write("Klondike", "GamesWon", "10");
  const TSectionStats stats = Read(Klondike, "Klondike");
  ASSERT_TRUE(stats.HasStatistics);
  EXPECT_EQ(stats.Attempted, "10");
  ASSERT_EQ(stats.Slices.size(), 2u);
  EXPECT_EQ(stats.Slices[0].Label, "Losses   ");
  EXPECT_EQ(stats.Slices[0].Value, 0);
  EXPECT_EQ(stats.Slices[0].Color, 0x000080u);
  EXPECT_EQ(stats.Slices[1].Label, "Wins");
  EXPECT_EQ(stats.Slices[1].Value, 10);
  EXPECT_FALSE(stats.HighScoreEnabled);
  EXPECT_TRUE(stats.HighScore.isEmpty());
  EXPECT_FALSE(stats.AverageEnabled);
  EXPECT_EQ(stats.OverallAverage, "52.0");
}

TEST_F(StatisticsFiguresTest, LossesGiveTheAveragesAndWinsFirst) {
  Write("AcesUp", "GamesAttempted", "4");
  Write("AcesUp", "GamesWon", "1");
  Write("AcesUp", "AvgScore", "20.5");
  Write("AcesUp", "HiScore", "30");
  const TSectionStats stats = Read(AcesUp, "AcesUp");
  EXPECT_EQ(stats.Slices[0].Label, "Wins   ");
  EXPECT_EQ(stats.Slices[1].Label, "Losses");
  EXPECT_EQ(stats.Slices[1].Value, 3);
  EXPECT_EQ(stats.OverallAverage, "27.4") << "(48 x 1 + 20.5 x 3) / 4";
  EXPECT_EQ(stats.HighScore, "30");
  EXPECT_EQ(stats.AverageOfLosses, "20.5");
}

TEST_F(StatisticsFiguresTest, VegasAmountsOnlyInVegasGames) {
  for (const char* section : {"Klondike", "DoubleKlondike"}) {
    Write(section, "GamesAttempted", "2");
    Write(section, "GamesWon", "1");
    Write(section, "HiScore", "20");
    Write(section, "AvgScore", "20");
  }
  const TSectionStats vegas = Read(Klondike, "Klondike", true);
  EXPECT_EQ(vegas.HighScore, "$48");
  EXPECT_EQ(vegas.AverageOfLosses, "$48.00");
  EXPECT_EQ(vegas.OverallAverage, "$128.00") << "(208 + 48) / 2";
  EXPECT_EQ(Read(DoubleKlondike, "DoubleKlondike", true).HighScore, "20");
  EXPECT_EQ(Read(Klondike, "Klondike", false).HighScore, "20");
}

TEST_F(StatisticsFiguresTest, StreakBars) {
  Write("Klondike", "LongestStreak", "3");
  Write("Klondike", "CurrentStreak", "3");
  Write("Klondike", "LongestStreakDate", "46363.5");
  TSectionStats stats = Read(Klondike, "Klondike");
  ASSERT_EQ(stats.Bars.size(), 2u);
  EXPECT_EQ(stats.Bars[0].Label, "Longest Streak (in progress)");
  EXPECT_EQ(stats.Bars[0].Value, 3);
  EXPECT_EQ(stats.Bars[0].Color, 0x800000u);
  EXPECT_EQ(stats.Bars[1].Label, "Current Streak");
  EXPECT_EQ(stats.Bars[1].Color, 0x008080u);

  Write("Klondike", "CurrentStreak", "0");
  stats = Read(Klondike, "Klondike");
  ASSERT_EQ(stats.Bars.size(), 1u);
  EXPECT_EQ(stats.Bars[0].Label,
            "Longest Streak, Ended " + QLocale().toString(QDate(2026, 12, 7), QLocale::ShortFormat));

  // The first and last days the short form has, 1 January 1 and 31 December 9999.
  Write("Klondike", "LongestStreakDate", "-693593");
  EXPECT_EQ(Read(Klondike, "Klondike").Bars[0].Label,
            "Longest Streak, Ended " + QLocale().toString(QDate(1, 1, 1), QLocale::ShortFormat));
  Write("Klondike", "LongestStreakDate", "2958465.99");
  EXPECT_EQ(Read(Klondike, "Klondike").Bars[0].Label,
            "Longest Streak, Ended " + QLocale().toString(QDate(9999, 12, 31), QLocale::ShortFormat));

  // Hand-edited dates that are unreadable or past the years 1 to 9999 show none, as an absent one.
  for (const char* date : {"-693593.5", "2958466", "1e308", "-1e308", "1.7976931348623157e308", "9.3e18",
                           "-9.3e18", "1e15", "nan", "inf", "-inf", "abc"}) {
    Write("Klondike", "LongestStreakDate", date);
    EXPECT_EQ(Read(Klondike, "Klondike").Bars[0].Label, "Longest Streak, Ended ") << date;
  }
  TIniFile(FIni).DeleteKey("Klondike", "LongestStreakDate");
  EXPECT_EQ(Read(Klondike, "Klondike").Bars[0].Label, "Longest Streak, Ended ") << "no date, no 1899";
}

TEST_F(StatisticsFiguresTest, HandEditedCountsNeverDivideByZero) {
  Write("Klondike", "GamesAttempted", "0");
  EXPECT_EQ(Read(Klondike, "Klondike").OverallAverage, "0.0");
  Write("Klondike", "GamesAttempted", "3");
  Write("Klondike", "GamesWon", "5");
  EXPECT_NO_THROW(Read(Klondike, "Klondike"));
}

TEST_F(StatisticsFiguresTest, CountsNearTheIntegerLimitGiveTrueFigures) {
  // A damaged or hand-edited file; "None" is an absent key. An average near the largest
  // double gives figures no larger than it.
  struct TCase {
    const char *Attempted, *Won, *AvgScore, *HiScore;
    bool Vegas;
    double Wins, Losses;
    QString Overall, Average;
    const char* HighScore;
  };
  const QString largest = NumberFormat(1e308, 1), dollarsFloor = "$" + NumberFormat(-DBL_MAX, 2);
  const TCase cases[] = {
      {"50000001", "50000000", "10", "30", false, 50000000, 1, "52.0", "10.0", "30"},
      {"2147483647", "2147483647", "None", "52", false, 2147483647, 0, "52.0", "", "52"},
      {"2147483647", "0", "10", "2147483647", true, 0, 2147483647, "$-2.00", "$-2.00", "$10737418183"},
      {"2147483647", "-1", "52", "None", false, -1, 2147483648.0, "52.0", "52.0", ""},
      {"2", "0", "1e308", "None", false, 0, 2, largest, largest, ""},
      {"2", "0", "-1e308", "None", true, 0, 2, dollarsFloor, dollarsFloor, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Attempted) + " attempted, " + c.Won + " won");
    Write("Klondike", "GamesAttempted", c.Attempted);
    Write("Klondike", "GamesWon", c.Won);
    Write("Klondike", "AvgScore", c.AvgScore);
    Write("Klondike", "HiScore", c.HiScore);
    const TSectionStats stats = Read(Klondike, "Klondike", c.Vegas);
    ASSERT_EQ(stats.Slices.size(), 2u);
    const bool winsFirst = stats.Slices[0].Label.startsWith("Wins");
    EXPECT_EQ(stats.Slices[winsFirst ? 0 : 1].Value, c.Wins);
    EXPECT_EQ(stats.Slices[winsFirst ? 1 : 0].Value, c.Losses);
    EXPECT_EQ(stats.OverallAverage.toStdString(), c.Overall.toStdString());
    EXPECT_EQ(stats.AverageOfLosses.toStdString(), c.Average.toStdString());
    EXPECT_EQ(stats.HighScore.toStdString(), c.HighScore);
  }
}

TEST_F(StatisticsFiguresTest, ModesTabsAndSections) {
  EXPECT_EQ(StatsTabsOf(Klondike), QStringList({"One Card Draw", "Three Card Draw", "Both"}));
  EXPECT_EQ(StatsSectionOf(Klondike, 0), "KlondikeDrawOne");
  EXPECT_EQ(StatsSectionOf(5, 1), "CanfieldDrawThree");
  EXPECT_EQ(StatsSectionOf(Klondike, 2), "Klondike");
  EXPECT_EQ(StatsSectionOf(Spider, 2), "SpiderChallenging");
  EXPECT_EQ(StatsSectionOf(Spider, 3), "Spider");
  EXPECT_EQ(StatsTabsOf(AcesUp), QStringList({"All"}));

  EXPECT_EQ(StatsInitialTab(Klondike, FProfile), 2) << "DrawThree absent: Both";
  Write("Klondike", "DrawThree", "True");
  EXPECT_EQ(StatsInitialTab(Klondike, FProfile), 1);
  Write("Klondike", "DrawThree", "False");
  EXPECT_EQ(StatsInitialTab(Klondike, FProfile), 0);
  EXPECT_EQ(StatsInitialTab(Spider, FProfile), 3);
  Write("Spider", "Difficulty", "7");
  EXPECT_EQ(StatsInitialTab(Spider, FProfile), 2);
  Write("Spider", "Difficulty", "1");
  EXPECT_EQ(StatsInitialTab(Spider, FProfile), 1);
}

TEST_F(StatisticsFiguresTest, ClearingADrawModeClearsEveryModeOfTheGame) {
  for (const char* section : {"Klondike", "KlondikeDrawOne", "KlondikeDrawThree"}) {
    Write(section, "GamesAttempted", "5");
    Write(section, "LongestStreak", "2");
    Write(section, "LongestStreakDate", "46000");
  }
  for (const QString& section : StatsSectionsToClear(Klondike, "KlondikeDrawOne")) {
    FProfile.SetSection(section);
    ClearWinLossCounts(FProfile);
  }
  TIniFile ini(FIni);
  for (const char* section : {"Klondike", "KlondikeDrawOne", "KlondikeDrawThree"}) {
    EXPECT_EQ(ini.ReadString(section, "GamesAttempted", ""), "None") << section;
    EXPECT_EQ(ini.ReadString(section, "LongestStreak", ""), "2") << section;
  }
  FProfile.SetSection("Klondike");
  ClearStreaks(FProfile);
  EXPECT_EQ(ini.ReadString("Klondike", "LongestStreak", ""), "None");
  EXPECT_EQ(ini.ReadString("Klondike", "CurrentStreak", ""), "None");
  EXPECT_EQ(ini.ReadString("Klondike", "LongestStreakDate", ""), "46000") << "the date stays";
  EXPECT_EQ(StatsSectionsToClear(AcesUp, "AcesUp"), QStringList({"AcesUp"}));
  // Cleared keys keep their lines; missing ones follow the section's last line, in order.
  EXPECT_EQ(PellamyTest::ReadFileBytes(FIni).toStdString(),
            "[Klondike]\r\nGamesAttempted=None\r\nLongestStreak=None\r\nLongestStreakDate=46000\r\n"
            "GamesWon=None\r\nAvgScore=None\r\nHiScore=None\r\nCurrentStreak=None\r\n"
            "[KlondikeDrawOne]\r\nGamesAttempted=None\r\nLongestStreak=2\r\nLongestStreakDate=46000\r\n"
            "GamesWon=None\r\nAvgScore=None\r\nHiScore=None\r\n"
            "[KlondikeDrawThree]\r\nGamesAttempted=None\r\nLongestStreak=2\r\nLongestStreakDate=46000\r\n"
            "GamesWon=None\r\nAvgScore=None\r\nHiScore=None\r\n");
}

TEST(NumberFormat, ThousandsSeparatorsAndFixedDecimals) {
  EXPECT_EQ(NumberFormat(1234.56, 1), "1,234.6");
  EXPECT_EQ(NumberFormat(52, 1), "52.0");
  EXPECT_EQ(NumberFormat(-12, 2), "-12.00");
}

}  // namespace
