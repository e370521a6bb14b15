// The pyramid and golf games' rules without a window: pairs, rank steps, the pass texts.

#include <gtest/gtest.h>

#include "games/GamesTesting.h"
#include "games/pyramid/PyramidRules.h"

using namespace GamesTest;
using namespace PyramidRules;

TEST(PyramidRules, PairsAddUpToThirteen) {
  TCardFactory cards;
  const char* pairs[][2] = {{"AS", "QH"}, {"2C", "JD"}, {"3H", "TS"}, {"4D", "9C"}, {"5S", "8S"}, {"6H", "7C"}};
  for (const auto& pair : pairs) {
    EXPECT_TRUE(Pairs(cards.Make(pair[0]), cards.Make(pair[1]))) << pair[0] << pair[1];
    EXPECT_TRUE(Pairs(cards.Make(pair[1]), cards.Make(pair[0]))) << pair[1] << pair[0];
  }
  EXPECT_FALSE(Pairs(cards.Make("KS"), cards.Make("KH")));  // a King goes alone
  EXPECT_FALSE(Pairs(cards.Make("KS"), cards.Make("AH")));
  EXPECT_FALSE(Pairs(cards.Make("6S"), cards.Make("6H")));
  EXPECT_FALSE(Pairs(cards.Make("QS"), nullptr));
  EXPECT_TRUE(IsKing(cards.Make("KD")));
  EXPECT_FALSE(IsKing(cards.Make("QD")));
  EXPECT_FALSE(IsKing(nullptr));
}

TEST(PyramidRules, GolfStepsStopAtTheAceAndTheKing) {
  TCardFactory cards;
  struct TCase {
    const char* Discard;
    const char* Card;
    bool KingStops;
    bool Plays;
  };
  const TCase cases[] = {
      {"7H", "8C", true, true},  {"7H", "6S", true, true},   {"7H", "7S", true, false},
      {"7H", "9S", true, false}, {"AH", "2C", true, true},   {"AH", "KC", false, false},
      {"KH", "QC", true, false}, {"KH", "QC", false, true},  {"KH", "AC", false, false},
      {"QH", "KC", true, true},  {"2H", "AC", true, true},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(GolfPlays(cards.Make(c.Discard), cards.Make(c.Card), c.KingStops), c.Plays)
        << c.Discard << " " << c.Card << " " << c.KingStops;
  EXPECT_FALSE(GolfPlays(nullptr, cards.Make("2C"), true));
  // A card that does not play is picked up on an ordinary card, and on a King that stops
  // the sequence; never on an Ace, nor on a King that lets a Queen follow.
  EXPECT_TRUE(GolfLiftsUnplayable(cards.Make("7H"), false));
  EXPECT_TRUE(GolfLiftsUnplayable(cards.Make("KH"), true));
  EXPECT_FALSE(GolfLiftsUnplayable(cards.Make("KH"), false));
  EXPECT_FALSE(GolfLiftsUnplayable(cards.Make("AH"), true));
}

TEST(PyramidRules, PyramidGolfTurnsTheCorner) {
  TCardFactory cards;
  EXPECT_TRUE(PyramidGolfPlays(cards.Make("KH"), cards.Make("QS")));
  EXPECT_TRUE(PyramidGolfPlays(cards.Make("KH"), cards.Make("AS")));
  EXPECT_FALSE(PyramidGolfPlays(cards.Make("KH"), cards.Make("2S")));
  EXPECT_TRUE(PyramidGolfPlays(cards.Make("AH"), cards.Make("2S")));
  EXPECT_TRUE(PyramidGolfPlays(cards.Make("AH"), cards.Make("KS")));
  EXPECT_FALSE(PyramidGolfPlays(cards.Make("AH"), cards.Make("QS")));
  EXPECT_TRUE(PyramidGolfPlays(cards.Make("5H"), cards.Make("4S")));
  EXPECT_FALSE(PyramidGolfPlays(cards.Make("5H"), cards.Make("5S")));
  EXPECT_FALSE(PyramidGolfPlays(nullptr, cards.Make("5S")));
}

TEST(PyramidRules, PassCaptionsAndTurningACard) {
  EXPECT_EQ(PassCaption(1), "First Pass");
  EXPECT_EQ(PassCaption(2), "Second Pass");
  EXPECT_EQ(PassCaption(3), "Third Pass");
  TCardFactory cards;
  TCardPile stock, pile;
  cards.Fill(&stock, "#2C #9H");
  EXPECT_EQ(TurnCard(&stock, &pile)->FValue, CS_NINE);
  EXPECT_EQ(PileText(&pile), "9H");
  EXPECT_EQ(PileText(&stock), "#2C");
  TurnCard(&stock, &pile);
  EXPECT_EQ(TurnCard(&stock, &pile), nullptr);
  EXPECT_EQ(PileText(&pile), "9H 2C");
}
