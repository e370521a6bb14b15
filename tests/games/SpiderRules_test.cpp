// Spider's rules without a window: decks, the deal layout, runs, drops, score.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/spider/SpiderRules.h"

using namespace GamesTest;
using namespace SpiderRules;

namespace {

struct TDealShape {
  int Rows;
  std::vector<int> Counts;
  int Dealt;
};

void PrintTo(const TDealShape& shape, std::ostream* os) {
  *os << shape.Rows << " rows, " << shape.Dealt << " cards";
}

class TSpiderDealSteps : public ::testing::TestWithParam<TDealShape> {};

TEST_P(TSpiderDealSteps, PilesOneToFourGetAFullColumnAndOnlyEachPilesLastCardIsFaceUp) {
  const TDealShape shape = GetParam();
  const std::vector<TDealStep> steps = DealSteps(shape.Rows);
  ASSERT_EQ(int(steps.size()), shape.Dealt);
  std::vector<int> counts(10, 0), faceUp(10, 0), lastUp(10, -1);
  int rowEnds = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const TDealStep& step = steps[i];
    ++counts[static_cast<std::size_t>(step.Pile)];
    if (step.FaceUp) {
      ++faceUp[static_cast<std::size_t>(step.Pile)];
      lastUp[static_cast<std::size_t>(step.Pile)] = counts[static_cast<std::size_t>(step.Pile)];
    }
    rowEnds += step.RowEnd;
  }
  EXPECT_EQ(counts, shape.Counts);
  for (std::size_t p = 0; p < 10; ++p) {
    EXPECT_EQ(faceUp[p], 1) << p;
    EXPECT_EQ(lastUp[p], counts[p]) << p;
  }
  EXPECT_EQ(rowEnds, shape.Rows);
  EXPECT_TRUE(steps.back().RowEnd);
}

INSTANTIATE_TEST_SUITE_P(
    FortyFourAndFiftyFour, TSpiderDealSteps,
    ::testing::Values(TDealShape{5, {5, 5, 5, 5, 4, 4, 4, 4, 4, 4}, 44},
                      TDealShape{6, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5}, 54}),
    [](const ::testing::TestParamInfo<TDealShape>& info) {
      return std::to_string(info.param.Rows) + "Rows_" + std::to_string(info.param.Dealt) + "Cards";
    });

TEST(TSpiderDecks, EasyIsAllSpadesMediumHalfHeartsChallengingFourSuits) {
  for (int difficulty : {Easy, Medium, Challenging}) {
    TCardPile pile;
    AddDecks(&pile, difficulty);
    ASSERT_EQ(pile.Count(), 104);
    int suits[4] = {}, values[13] = {};
    for (TCard* card : pile.FList) {
      ++suits[card->FSuit];
      ++values[card->FValue];
      EXPECT_FALSE(card->FFaceUp);
    }
    for (int v = 0; v < 13; ++v) EXPECT_EQ(values[v], 8);
    if (difficulty == Easy) {
      EXPECT_EQ(suits[CS_SPADES], 104);
    } else if (difficulty == Medium) {
      EXPECT_EQ(suits[CS_SPADES], 52);
      EXPECT_EQ(suits[CS_HEARTS], 52);
    } else {
      for (int s = 0; s < 4; ++s) EXPECT_EQ(suits[s], 26);
    }
    pile.Empty(true);
  }
  EXPECT_STREQ(DifficultyText(Medium), "Difficulty: Medium");
  EXPECT_STREQ(DifficultySection(Easy), "SpiderEasy");
  EXPECT_STREQ(DifficultySection(Challenging), "SpiderChallenging");
  EXPECT_EQ(RowCount(0), 5);
  EXPECT_EQ(RowCount(1), 6);
}

TEST(TSpiderRuns, AnyDescendingRunLiftsUnlessSameSuitIsAskedFor) {
  TCardFactory cards;
  TCardPile pile;
  cards.Fill(&pile, "#KD 9S 8H 7H 6H");
  EXPECT_FALSE(CanLift(&pile, 0, false));  // face down
  EXPECT_TRUE(CanLift(&pile, 1, false));
  EXPECT_FALSE(CanLift(&pile, 1, true));   // 9S over hearts
  EXPECT_TRUE(CanLift(&pile, 2, true));
  EXPECT_TRUE(CanLift(&pile, 4, true));    // a single card
  EXPECT_FALSE(CanLift(&pile, 5, false));
  TCardPile broken;
  cards.Fill(&broken, "9S 7S 6S");
  EXPECT_FALSE(CanLift(&broken, 0, false));
  EXPECT_TRUE(CanLift(&broken, 1, false));
}

TEST(TSpiderRuns, DropsBuildDownInAnySuitAndAnythingFillsASpace) {
  TCardFactory cards;
  TCardPile target, empty;
  cards.Fill(&target, "#3C 9H");
  EXPECT_TRUE(CanDropOnTableau(&target, cards.Make("8S")));
  EXPECT_TRUE(CanDropOnTableau(&target, cards.Make("8H")));
  EXPECT_FALSE(CanDropOnTableau(&target, cards.Make("7H")));
  EXPECT_FALSE(CanDropOnTableau(&target, cards.Make("TH")));
  EXPECT_TRUE(CanDropOnTableau(&empty, cards.Make("5D")));
}

TEST(TSpiderRuns, OnlyAWholeSuitGoesHomeAndOnlyOntoAnEmptyFoundation) {
  TCardFactory cards;
  TCardPile run, mixed, short12, empty, full;
  cards.Fill(&run, "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS");
  cards.Fill(&mixed, "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AH");
  cards.Fill(&short12, "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S");
  cards.Fill(&full, "KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H AH");
  EXPECT_TRUE(CanDropOnFoundation(&empty, &run));
  EXPECT_FALSE(CanDropOnFoundation(&empty, &mixed));
  EXPECT_FALSE(CanDropOnFoundation(&empty, &short12));
  EXPECT_FALSE(CanDropOnFoundation(&full, &run));
}

TEST(TSpiderRuns, ACompleteRunIsFoundOnlyAtThePilesEndAndFaceUp) {
  TCardFactory cards;
  TCardPile pile, notAtEnd, faceDownKing, tooShort;
  cards.Fill(&pile, "#4C 9D KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS");
  EXPECT_EQ(CompleteRunAt(&pile), 2);
  cards.Fill(&notAtEnd, "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS 5D");
  EXPECT_EQ(CompleteRunAt(&notAtEnd), -1);
  cards.Fill(&faceDownKing, "#KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS");
  EXPECT_EQ(CompleteRunAt(&faceDownKing), -1);
  cards.Fill(&tooShort, "QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS");
  EXPECT_EQ(CompleteRunAt(&tooShort), -1);
}

TEST(TSpiderScore, FoundationCardsPlusSuitedFaceUpPairs) {
  TCardFactory cards;
  TCardPile a, b, home;
  cards.Fill(&a, "#9S #8S 7H 6H 5S 4S");  // 6H-7H, 4S-5S; the face-down pair scores nothing
  cards.Fill(&b, "#3D 8D 7D 6C");         // 7D-8D
  cards.Fill(&home, "KC QC JC TC 9C 8C 7C 6C 5C 4C 3C 2C AC");
  EXPECT_EQ(Score({&a, &b}, {}), 3);
  EXPECT_EQ(Score({&a, &b}, {&home}), 16);
}

TEST(TSpiderStock, OneCardToEachPileUnlessAPileIsEmpty) {
  TCardFactory cards;
  TCardPile stock;
  cards.Fill(&stock, "#AS #2S #3S #4S #5S #6S #7S #8S #9S #TS #JS");
  std::vector<TCardPile> piles(10);
  std::vector<TCardPile*> tableau;
  for (TCardPile& pile : piles) tableau.push_back(&pile);
  std::vector<TCard*> dealt;
  EXPECT_FALSE(DealFromStock(&stock, tableau, &dealt));
  EXPECT_EQ(stock.Count(), 11);
  for (TCardPile& pile : piles) cards.Fill(&pile, "KH");
  piles[3].Empty(false);
  EXPECT_FALSE(DealFromStock(&stock, tableau, &dealt));
  cards.Fill(&piles[3], "KH");
  EXPECT_TRUE(DealFromStock(&stock, tableau, &dealt));
  EXPECT_EQ(stock.Count(), 1);
  ASSERT_EQ(dealt.size(), 10u);
  EXPECT_EQ(PileText(&piles[0]), "KH JS");  // the stock's top card goes to pile 1
  EXPECT_EQ(PileText(&piles[9]), "KH 2S");
}

}  // namespace
