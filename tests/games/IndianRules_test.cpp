// Indian Patience's rules without a window: the refill of an emptied pile from a short
// stock, the faces of the bottom cards, and the build rule with bottom cards.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/indian/IndianRules.h"

using namespace GamesTest;

TEST(IndianRules, ARefillTakesUpToThreeCardsTheLowestFaceDownAndALoneCardFaceUp) {
  struct TCase {
    const char* Stock;  // bottom first
    const char* Pile;
    const char* Left;
    int Moved;
  };
  const TCase cases[] = {
      {"#2C #3C #4C #5C", "#5C 4C 3C", "#2C", 3},
      {"#4C #5C", "#5C 4C", "", 2},
      {"#5C", "5C", "", 1},
      {"", "", "", 0},
  };
  for (const TCase& c : cases) {
    TCardFactory cards;
    TCardPile stock, pile, taken;
    cards.Fill(&stock, QLatin1String(c.Stock));
    EXPECT_EQ(IndianRules::Refill(&stock, &pile, &taken), c.Moved) << c.Stock;
    EXPECT_EQ(PileText(&pile), QLatin1String(c.Pile)) << c.Stock;
    EXPECT_EQ(PileText(&stock), QLatin1String(c.Left)) << c.Stock;
    EXPECT_EQ(PileText(&taken), QLatin1String(c.Pile)) << c.Stock;
  }
}

TEST(IndianRules, BottomCardsLieFaceDownWhileCoveredAndTheListEndsWithTheStock) {
  TCardFactory cards;
  TCardPile a, b, c, d;
  cards.Fill(&a, "9S KH");   // a bottom card face up under another card
  cards.Fill(&b, "#4C");     // a bottom card alone, face down
  cards.Fill(&c, "#2D 7H");  // already right
  TCardPile* piles[] = {&a, &b, &c, &d};
  IndianRules::TBottomCards bottoms;
  EXPECT_EQ(IndianRules::SettleBottomCards(piles, 4, true, bottoms), (std::vector<int>{0, 1}));
  EXPECT_EQ(PileText(&a), "#9S KH");
  EXPECT_EQ(PileText(&b), "4C");
  ASSERT_EQ(bottoms.size(), 4u);
  EXPECT_EQ(bottoms[2], c.FList.front());
  EXPECT_EQ(bottoms[3], nullptr);
  // Nothing on a bottom card, no bottom card onto another pile; another suit one lower.
  TCardPile e;
  cards.Fill(&e, "#3S 8C");
  EXPECT_FALSE(IndianRules::CanDropOnTableau(&b, cards.Make("3D"), bottoms));
  TCardPile f;
  cards.Fill(&f, "#3S 5H");
  EXPECT_FALSE(IndianRules::CanDropOnTableau(&f, b.FList.front(), bottoms));
  EXPECT_TRUE(IndianRules::CanDropOnTableau(&e, cards.Make("7D"), bottoms));
  EXPECT_FALSE(IndianRules::CanDropOnTableau(&e, cards.Make("7C"), bottoms));
  EXPECT_FALSE(IndianRules::CanDropOnTableau(&e, cards.Make("6D"), bottoms));
  EXPECT_TRUE(IndianRules::CanDropOnTableau(&d, cards.Make("QS"), bottoms));

  // With the stock gone a covered bottom card stays as it lies and the rule lets go.
  cards.Fill(&a, "QD");
  EXPECT_TRUE(IndianRules::SettleBottomCards(piles, 4, false, bottoms).empty());
  EXPECT_TRUE(bottoms.empty());
  EXPECT_EQ(PileText(&a), "#9S KH QD");
  EXPECT_TRUE(IndianRules::CanDropOnTableau(&f, b.FList.front(), bottoms));
}
