// Shared rules: runs, foundation fits, deal numbers, Vegas money and the score texts.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/CardRules.h"

using namespace GamesTest;
using namespace CardRules;

TEST(CardRulesTest, RunsMustBeFaceUpAlternatingAndDescending) {
  TCardFactory f;
  TCardPile pile;
  f.Fill(&pile, "#KS #3D 9C 8H 7S 6D");
  EXPECT_FALSE(IsAlternatingRun(&pile, 0));  // face down
  EXPECT_FALSE(IsAlternatingRun(&pile, 1));
  EXPECT_TRUE(IsAlternatingRun(&pile, 2));
  EXPECT_TRUE(IsAlternatingRun(&pile, 5));   // the top card alone
  EXPECT_FALSE(IsAlternatingRun(&pile, 6));  // past the top
  EXPECT_FALSE(IsAlternatingRun(&pile, -1));
  pile.Empty(false);
  f.Fill(&pile, "9C 8H 7H");  // same colour breaks the run
  EXPECT_FALSE(IsAlternatingRun(&pile, 0));
  EXPECT_TRUE(IsAlternatingRun(&pile, 2));
  pile.Empty(false);
  f.Fill(&pile, "9C 7H");  // a gap breaks it
  EXPECT_FALSE(IsAlternatingRun(&pile, 0));
  pile.Empty(false);
}

TEST(CardRulesTest, FoundationsBuildUpInSuitFromTheAce) {
  TCardFactory f;
  TCardPile empty, clubs;
  f.Fill(&clubs, "AC 2C");
  EXPECT_TRUE(FitsFoundation(&empty, f.Make("AD")));
  EXPECT_FALSE(FitsFoundation(&empty, f.Make("2D")));
  EXPECT_TRUE(FitsFoundation(&clubs, f.Make("3C")));
  EXPECT_FALSE(FitsFoundation(&clubs, f.Make("3S")));
  EXPECT_FALSE(FitsFoundation(&clubs, f.Make("4C")));
  EXPECT_FALSE(FitsFoundation(&clubs, f.Make("AC")));
  clubs.Empty(false);
}

TEST(CardRulesTest, RandomDealNumbersRunFromOneToTenMillion) {
  EXPECT_EQ(RandomDealNumber(0), 1);
  EXPECT_EQ(RandomDealNumber(9999999), 10000000);
  EXPECT_EQ(RandomDealNumber(10000000), 1);
  EXPECT_EQ(RandomDealNumber(2000000000u), 1);  // cut at 2,000,000,000 first
  EXPECT_EQ(RandomDealNumber(0x7FFFFFFFu), int((0x7FFFFFFFu % 2000000000u) % 10000000u) + 1);
}

TEST(CardRulesTest, VegasBalanceFollowsWinsAndAbandonedDeals) {
  EXPECT_EQ(VegasMoney(0, VegasStartBalance), -52);
  EXPECT_EQ(VegasMoney(52, -52), 208);           // a win from the first deal
  EXPECT_EQ(VegasAfterWin(-52), 156);            // and the next deal starts there
  EXPECT_EQ(VegasAfterAbandon(-52, 10), -54);    // 50 - 52
  EXPECT_EQ(VegasAfterAbandon(-52, 0), -104);
}

TEST(CardRulesTest, ScoreGoesToThePanelsOrIntoTheCaption) {
  TScoreTexts shown = ScoreTexts("Klondike", 123, 7, false, 0, true);
  EXPECT_EQ(shown.Caption, "Klondike");
  EXPECT_EQ(shown.NumberPanel, "Game #123");
  EXPECT_EQ(shown.ScorePanel, "Score: 7");
  EXPECT_EQ(ScoreTexts("Klondike", 123, 0, false, 0, false).Caption, "Klondike   Game #123");
  EXPECT_EQ(ScoreTexts("Klondike", 123, 1, false, 0, false).Caption, "Klondike   Game #123   Score: 1");
  EXPECT_EQ(ScoreTexts("Klondike", 5, 0, true, -52, true).ScorePanel, "Score: $-52");
  EXPECT_EQ(ScoreTexts("Klondike", 5, 0, true, -52, false).Caption, "Klondike   Game #5   Score: $-52");
}
