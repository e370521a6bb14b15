// The Scorpion family's rules without a window: the four deals, lifting, drops, score and
// the stock.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/scorpion/ScorpionRules.h"

using namespace GamesTest;
using namespace ScorpionRules;

namespace {

struct TDealShape {
  TGame Game;
  std::vector<int> Counts;
  std::vector<int> FaceDown;
  int Rows;
};

const char* GameName(TGame game) {
  switch (game) {
    case TGame::Scorpion: return "Scorpion";
    case TGame::Scorpion2: return "Scorpion2";
    case TGame::SimpleSimon: return "SimpleSimon";
    case TGame::DoubleScorpion: return "DoubleScorpion";
  }
  return "Unknown";
}

void PrintTo(const TDealShape& shape, std::ostream* os) {
  *os << GameName(shape.Game) << ", " << shape.Counts.size() << " piles, " << shape.Rows << " rows";
}

class TScorpionDealSteps : public ::testing::TestWithParam<TDealShape> {};

TEST_P(TScorpionDealSteps, EachGameDealsItsColumnsWithFaceDownCardsOnlyAtTheBottom) {
  const TDealShape shape = GetParam();
  const std::vector<TDealStep> steps = DealSteps(shape.Game);
  const std::size_t piles = shape.Counts.size();
  std::vector<int> counts(piles, 0), down(piles, 0);
  std::vector<bool> seenUp(piles, false);
  int rows = 0;
  for (const TDealStep& step : steps) {
    const auto p = static_cast<std::size_t>(step.Pile);
    ASSERT_LT(p, piles);
    ++counts[p];
    if (step.FaceUp) seenUp[p] = true;
    else {
      EXPECT_FALSE(seenUp[p]) << "a face-down card on a face-up one in pile " << p;
      ++down[p];
    }
    rows += step.RowEnd;
  }
  EXPECT_EQ(counts, shape.Counts);
  EXPECT_EQ(down, shape.FaceDown);
  EXPECT_EQ(rows, shape.Rows);
}

INSTANTIATE_TEST_SUITE_P(
    TheFourGames, TScorpionDealSteps,
    ::testing::Values(TDealShape{TGame::Scorpion, {7, 7, 7, 7, 7, 7, 7}, {3, 3, 3, 3, 0, 0, 0}, 7},
                      TDealShape{TGame::Scorpion2, {7, 7, 7, 7, 7, 7, 7}, {3, 3, 3, 0, 0, 0, 0}, 7},
                      TDealShape{TGame::SimpleSimon, {8, 8, 8, 7, 6, 5, 4, 3, 2, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 8},
                      TDealShape{TGame::DoubleScorpion,
                                 {11, 11, 11, 11, 10, 10, 10, 10, 10, 10},
                                 {4, 4, 4, 4, 4, 0, 0, 0, 0, 0},
                                 11}),
    [](const ::testing::TestParamInfo<TDealShape>& info) { return std::string(GameName(info.param.Game)); });

TEST(TScorpionLifting, ScorpionTakesAnyFaceUpCardSimpleSimonOnlySuitedRuns) {
  TCardFactory cards;
  TCardPile pile;
  cards.Fill(&pile, "#KD 9S 2H 8S 7S");
  EXPECT_FALSE(CanLiftAny(&pile, 0));
  EXPECT_TRUE(CanLiftAny(&pile, 1));  // whatever lies on it
  EXPECT_FALSE(CanLiftSuitRun(&pile, 1));
  EXPECT_FALSE(CanLiftSuitRun(&pile, 2));
  EXPECT_TRUE(CanLiftSuitRun(&pile, 3));
  EXPECT_TRUE(CanLiftSuitRun(&pile, 4));
  EXPECT_FALSE(CanLiftAny(&pile, 5));
}

TEST(TScorpionDrops, InSuitOneLowerOrAKingOnASpaceVersusAnySuitAnywhere) {
  TCardFactory cards;
  TCardPile target, empty;
  cards.Fill(&target, "#2C 9H");
  EXPECT_TRUE(CanDropInSuit(&target, cards.Make("8H")));
  EXPECT_FALSE(CanDropInSuit(&target, cards.Make("8S")));
  EXPECT_FALSE(CanDropInSuit(&target, cards.Make("7H")));
  EXPECT_TRUE(CanDropInSuit(&empty, cards.Make("KC")));
  EXPECT_FALSE(CanDropInSuit(&empty, cards.Make("QC")));
  EXPECT_TRUE(CanDropAnySuit(&target, cards.Make("8S")));
  EXPECT_FALSE(CanDropAnySuit(&target, cards.Make("TS")));
  EXPECT_TRUE(CanDropAnySuit(&empty, cards.Make("4D")));
}

TEST(TScorpionScore, SuitedPairsScoreAndAWholeSuitScoresThirteen) {
  TCardFactory cards;
  TCardPile whole, partial, withDown, broken, single;
  cards.Fill(&whole, "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS");
  EXPECT_EQ(PileScore(&whole), 13);
  cards.Fill(&partial, "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S");
  EXPECT_EQ(PileScore(&partial), 11);
  cards.Fill(&withDown, "#4H #3H 8D 7D 2C");  // 3H-4H lie face down
  EXPECT_EQ(PileScore(&withDown), 1);
  cards.Fill(&broken, "KH QH 5C 2H AH");
  EXPECT_EQ(PileScore(&broken), 2);
  cards.Fill(&single, "AS");
  EXPECT_EQ(PileScore(&single), 0);
  EXPECT_EQ(Score({&whole, &withDown, &broken}), 16);
}

TEST(TScorpionStock, UpToThreeCardsFaceUpToTheFirstThreePiles) {
  TCardFactory cards;
  TCardPile stock, a, b, c, d;
  cards.Fill(&stock, "#8D #9S");
  cards.Fill(&b, "KH");
  std::vector<TStockCard> dealt;
  EXPECT_EQ(DealStock(&stock, {&a, &b, &c, &d}, &dealt), 2);
  EXPECT_EQ(PileText(&a), "9S");  // the top card first, onto an empty pile as well
  EXPECT_EQ(PileText(&b), "KH 8D");
  EXPECT_EQ(c.Count(), 0);
  ASSERT_EQ(dealt.size(), 2u);
  EXPECT_EQ(dealt[1].Pile, 1);
  EXPECT_EQ(DealStock(&stock, {&a, &b, &c}, &dealt), 0);
}

}  // namespace
