// Nestor's deal, card by card, without a window: clashing ranks are sent to the bottom of
// the stock, and a hopeless clash swaps with another column.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/nestor/NestorRules.h"

using namespace GamesTest;

namespace {

struct TTable {
  TCardFactory Cards;
  TCardPile Stock;
  TCardPile Columns[8];
  TCardPile* List[8];
  TTable() {
    for (int i = 0; i < 8; ++i) List[i] = &Columns[i];
  }
  // The stock written top card first.
  void SetStock(const QString& topFirst) {
    QStringList parts = topFirst.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::reverse(parts.begin(), parts.end());
    Cards.Fill(&Stock, parts.join(QLatin1Char(' ')));
  }
};

}  // namespace

TEST(NestorRules, AClashingCardGoesToTheBottomOfTheStockAndTheNextIsTried) {
  TTable t;
  t.Cards.Fill(&t.Columns[0], "#5C KH");
  t.SetStock("#KD #5S #9C");
  NestorRules::DealColumnCard(&t.Stock, t.List, 0);
  // KD clashes with KH, 5S with 5C further down; 9C fits.
  EXPECT_EQ(PileText(&t.Columns[0]), "#5C KH 9C");
  EXPECT_EQ(PileText(&t.Stock), "#5S #KD");  // bottom first: the last sent lies lowest
  // An empty column takes the top card at once.
  NestorRules::DealColumnCard(&t.Stock, t.List, 3);
  EXPECT_EQ(PileText(&t.Columns[3]), "KD");
}

TEST(NestorRules, AHopelessClashSwapsWithTheFirstColumnFreeOfTheRank) {
  TTable t;
  t.Cards.Fill(&t.Columns[0], "7H 5D");
  t.Cards.Fill(&t.Columns[1], "QS 2C");
  t.Cards.Fill(&t.Columns[2], "5C 8D");
  t.SetStock("#5S");
  NestorRules::DealColumnCard(&t.Stock, t.List, 2);
  // Column 1 holds a Five; column 2 does not: its top card comes over unchecked.
  EXPECT_EQ(PileText(&t.Columns[1]), "QS 5S");
  EXPECT_EQ(PileText(&t.Columns[2]), "5C 8D 2C");
  EXPECT_EQ(t.Stock.Count(), 0);
}

TEST(NestorRules, WhenEveryColumnHoldsTheRankTheCardStillStaysInTheDeal) {
  TTable t;
  const char* columns[] = {"5C", "5D", "5H", "5C", "5D", "5H", "5C", "AS"};
  for (int i = 0; i < 8; ++i) t.Cards.Fill(&t.Columns[i], QLatin1String(columns[i]));
  t.SetStock("#5S");
  NestorRules::DealColumnCard(&t.Stock, t.List, 0);
  EXPECT_EQ(PileText(&t.Columns[0]), "5C 5S");
  EXPECT_EQ(t.Stock.Count(), 0);
}

TEST(NestorRules, TheReserveTakesThreeCardsAndTheLastGoesFirst) {
  TTable t;
  TCardPile reserve[4];
  TCardPile* list[4] = {&reserve[0], &reserve[1], &reserve[2], &reserve[3]};
  t.SetStock("#2C #3C #4C #5C");
  NestorRules::DealReserve(&t.Stock, list);
  EXPECT_EQ(PileText(&reserve[0]), "5C");
  EXPECT_EQ(PileText(&reserve[1]), "2C");
  EXPECT_EQ(PileText(&reserve[3]), "4C");
  TCardFactory cards;
  EXPECT_TRUE(NestorRules::Pairs(cards.Make("9H"), cards.Make("9S")));
  EXPECT_FALSE(NestorRules::Pairs(cards.Make("9H"), cards.Make("TH")));
}
