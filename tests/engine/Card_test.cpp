#include "engine/Card.h"

#include <gtest/gtest.h>

namespace {

TEST(Card, ConstructorsLeaveTheCachesAtZero) {
  const TCard plain;
  EXPECT_EQ(plain.FSuit, CS_CLUBS);
  EXPECT_EQ(plain.FValue, CS_ACE);
  EXPECT_FALSE(plain.FFaceUp);
  TCard down(CS_HEARTS, CS_QUEEN);
  EXPECT_FALSE(down.FFaceUp);
  TCard up(CS_DIAMONDS, CS_KING, 7);
  EXPECT_TRUE(up.FFaceUp);
  EXPECT_FALSE(TCard(CS_DIAMONDS, CS_KING, 0).FFaceUp);
  for (const TCard* card : {&plain, const_cast<const TCard*>(&down), const_cast<const TCard*>(&up)}) {
    EXPECT_EQ(card->FColor, 0);  // red cards too, until GetCardColor runs
    EXPECT_FALSE(card->FSelected);
    EXPECT_EQ(card->FRow, 0);
    EXPECT_EQ(card->FPos, 0);
    EXPECT_EQ(card->FX, 0);
    EXPECT_EQ(card->FY, 0);
  }
  EXPECT_EQ(up.FaceIndex(), 1 * 13 + 12);
}

TEST(Card, ColourAndFlip) {
  const std::pair<_CardSuit, int> colours[] = {{CS_CLUBS, 0}, {CS_DIAMONDS, 1}, {CS_HEARTS, 1}, {CS_SPADES, 0}};
  for (const auto& [suit, colour] : colours) {
    TCard card(suit, CS_SEVEN);
    EXPECT_EQ(card.GetCardColor(), colour);
    EXPECT_EQ(card.FColor, colour);
  }
  TCard card(CS_SPADES, CS_ACE);
  card.Flip();
  EXPECT_TRUE(card.FFaceUp);
  card.Flip();
  EXPECT_FALSE(card.FFaceUp);
}

TEST(Card, SetPosGivesTheTriangularRow) {
  const std::pair<int, int> rows[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {5, 2}, {6, 3},
                                      {9, 3}, {10, 4}, {20, 5}, {21, 6}, {27, 6}, {28, 7}};
  TCard card;
  for (const auto& [pos, row] : rows) {
    card.SetPos(pos);
    EXPECT_EQ(card.FPos, pos);
    EXPECT_EQ(card.FRow, row) << pos;
  }
}

}  // namespace
