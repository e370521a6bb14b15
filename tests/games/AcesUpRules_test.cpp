// Which top card Aces Up discards, without a window.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/acesup/AcesUpRules.h"

using namespace GamesTest;

namespace {

struct TTops {
  TCardFactory Cards;
  TCardPile Piles[4];
  TCardPile* List[4] = {&Piles[0], &Piles[1], &Piles[2], &Piles[3]};
  TTops(const QString& a, const QString& b, const QString& c, const QString& d) {
    Cards.Fill(&Piles[0], a);
    Cards.Fill(&Piles[1], b);
    Cards.Fill(&Piles[2], c);
    Cards.Fill(&Piles[3], d);
  }
  bool Discards(int pile) { return AcesUpRules::CanDiscard(Piles[pile].CardAt(TopOfPile), List, 4); }
};

}  // namespace

TEST(AcesUpRules, ACardGoesWhenAnyOtherTopCardOfItsSuitIsHigherWithTheAceHigh) {
  TTops far("2H", "5C", "", "KH");
  EXPECT_TRUE(far.Discards(0));   // a King far above
  EXPECT_FALSE(far.Discards(1));  // no other club
  EXPECT_FALSE(far.Discards(3));  // the Two is lower

  TTops king("KS", "AS", "QS", "9D");
  EXPECT_TRUE(king.Discards(0));   // only an Ace beats a King
  EXPECT_FALSE(king.Discards(1));  // an Ace never goes
  EXPECT_TRUE(king.Discards(2));
  EXPECT_FALSE(king.Discards(3));
}

TEST(AcesUpRules, OnlyTopCardsCount) {
  // The King of hearts lies under the Three: the Five has no higher heart on top.
  TTops buried("5H", "KH 3C", "", "");
  EXPECT_FALSE(buried.Discards(0));
  EXPECT_FALSE(AcesUpRules::CanDiscard(nullptr, buried.List, 4));
  EXPECT_EQ(AcesUpRules::AceHighRank(buried.Piles[1].CardAt(0)), 12);
}
