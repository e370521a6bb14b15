// Klondike's deal, drop rules and stock, without a window.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/klondike/KlondikeRules.h"

using namespace GamesTest;

namespace {

struct TDealt {
  TCardPile Stock;
  TCardPile Tableau[7];
  ~TDealt() {
    Stock.Empty(true);
    for (TCardPile& p : Tableau) p.Empty(true);
  }
  void Deal(unsigned number) {
    Stock.AddDeck();
    SeedShuffleRandom(number);
    Stock.Shuffle();
    TCardPile* piles[7];
    for (int i = 0; i < 7; ++i) piles[i] = &Tableau[i];
    KlondikeRules::DealLayout(&Stock, piles);
  }
};

}  // namespace

TEST(KlondikeDealTest, DealOneGivesTheKnownLayout) {
  TDealt d;
  d.Deal(1);
  const char* expected[7] = {"KC", "#KH 5D", "#4S #JC 5C", "#2H #7S #KS 5H", "#JS #8S #TD #AD AH",
                             "#QH #3S #2S #6H #3C 6D", "#3D #2C #7C #4H #TS #AC 9H"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(PileText(&d.Tableau[i]), expected[i]) << "pile " << i + 1;
  ASSERT_EQ(d.Stock.Count(), 24);
  EXPECT_EQ(CardText(d.Stock.FList.back()), "#KD");
  EXPECT_EQ(CardText(d.Stock.FList.front()), "#TC");
}

TEST(KlondikeDealTest, PassesRunLeftToRightWithOneFaceUpCardPerPile) {
  const auto& steps = KlondikeRules::DealSteps();
  ASSERT_EQ(steps.size(), 28u);
  EXPECT_EQ(steps[0].Pile, 0);
  EXPECT_TRUE(steps[0].FaceUp);
  EXPECT_FALSE(steps[1].FaceUp);
  EXPECT_TRUE(steps[6].PassEnd);
  EXPECT_EQ(steps[7].Pile, 1);  // second pass starts at pile 2
  EXPECT_TRUE(steps[7].FaceUp);
  EXPECT_EQ(steps.back().Pile, 6);
  EXPECT_TRUE(steps.back().FaceUp);
}

TEST(KlondikeDropTest, TableauTakesTheOtherColourOneLowerAndKingsOnEmpty) {
  TCardFactory f;
  TCardPile empty, black9;
  f.Fill(&black9, "9S");
  EXPECT_TRUE(KlondikeRules::CanDropOnTableau(&black9, f.Make("8H")));
  EXPECT_TRUE(KlondikeRules::CanDropOnTableau(&black9, f.Make("8D")));
  EXPECT_FALSE(KlondikeRules::CanDropOnTableau(&black9, f.Make("8C")));
  EXPECT_FALSE(KlondikeRules::CanDropOnTableau(&black9, f.Make("7H")));
  EXPECT_FALSE(KlondikeRules::CanDropOnTableau(&black9, f.Make("TH")));
  EXPECT_TRUE(KlondikeRules::CanDropOnTableau(&empty, f.Make("KH")));
  EXPECT_FALSE(KlondikeRules::CanDropOnTableau(&empty, f.Make("QH")));
  black9.Empty(false);
}

TEST(KlondikeDropTest, FoundationTakesSingleCardsUpInSuitFromTheAce) {
  TCardFactory f;
  TCardPile empty, hearts, one, two;
  f.Fill(&hearts, "AH 2H");
  f.Fill(&one, "AS");
  EXPECT_TRUE(KlondikeRules::CanDropOnFoundation(&empty, &one));
  one.Empty(false);
  f.Fill(&one, "3H");
  EXPECT_TRUE(KlondikeRules::CanDropOnFoundation(&hearts, &one));
  EXPECT_FALSE(KlondikeRules::CanDropOnFoundation(&empty, &one));
  one.Empty(false);
  f.Fill(&one, "3D");
  EXPECT_FALSE(KlondikeRules::CanDropOnFoundation(&hearts, &one));
  f.Fill(&two, "3H 2S");
  EXPECT_FALSE(KlondikeRules::CanDropOnFoundation(&hearts, &two));  // one card at a time
  hearts.Empty(false);
  one.Empty(false);
  two.Empty(false);
}

TEST(KlondikeStockTest, TurningTakesFromTheTopAndRedealTurnsTheWasteOver) {
  TCardFactory f;
  TCardPile stock, waste, turned;
  f.Fill(&stock, "#2C #3C #4C #5C #6C");  // 6C on top
  EXPECT_EQ(KlondikeRules::TurnStock(&stock, &waste, 3, &turned), 3);
  EXPECT_EQ(PileText(&waste), "6C 5C 4C");
  EXPECT_EQ(PileText(&turned), "6C 5C 4C");
  turned.Empty(false);
  EXPECT_EQ(KlondikeRules::TurnStock(&stock, &waste, 3, &turned), 2);  // what is left
  EXPECT_EQ(PileText(&waste), "6C 5C 4C 3C 2C");
  EXPECT_EQ(KlondikeRules::TurnStock(&stock, &waste, 3, nullptr), 0);

  TCardPile moved;
  KlondikeRules::Redeal(&waste, &stock, &moved);
  EXPECT_EQ(waste.Count(), 0);
  EXPECT_EQ(PileText(&moved), "#6C #5C #4C #3C #2C");  // the same cards, now on the stock
  // The waste's bottom card is the stock's top card again; all face down.
  EXPECT_EQ(PileText(&stock), "#2C #3C #4C #5C #6C");
  stock.Empty(false);
  turned.Empty(false);
  moved.Empty(false);
}
