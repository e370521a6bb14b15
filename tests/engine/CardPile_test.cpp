#include "engine/CardPile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Position of every card in the deck as it was built (value * 4 + suit for AddDeck),
// read bottom first, so a shuffled deck compares as a list of numbers.
std::vector<int> BuiltOrder(const TCardPile& pile, const std::vector<TCard*>& built) {
  std::vector<int> order;
  for (TCard* card : pile.FList) {
    int k = 0;
    while (built[static_cast<std::size_t>(k)] != card) ++k;
    order.push_back(k);
  }
  return order;
}

struct TDeal {
  unsigned Number;
  std::vector<int> Order;
};

std::vector<int> DealGeneral(unsigned number, int decks) {
  TCardPile pile;
  for (int d = 0; d < decks; ++d) pile.AddDeck();
  const std::vector<TCard*> built = pile.FList;
  SeedShuffleRandom(number);
  pile.Shuffle();
  std::vector<int> order = BuiltOrder(pile, built);
  pile.Empty(true);
  return order;
}

std::vector<int> DealFreeCell(unsigned number, int decks) {
  TCardPile pile;
  for (int d = 0; d < decks; ++d) pile.AddDeck();
  const std::vector<TCard*> built = pile.FList;
  SeedFreeCellRandom(number);
  pile.FreeCellShuffle();
  std::vector<int> order = BuiltOrder(pile, built);
  pile.Empty(true);
  return order;
}

std::vector<int> Draws(int (*draw)(int, int), int lo, int hi, int count) {
  std::vector<int> out;
  for (int i = 0; i < count; ++i) out.push_back(draw(lo, hi));
  return out;
}

TEST(DealGenerators, GeneralGeneratorDraws) {
  // Seeding takes ten steps; seed 1 is one step past seed 0 (0 steps to 1).
  SeedShuffleRandom(0);
  EXPECT_EQ(Draws(ShuffleRandom, 0, 51, 5), (std::vector<int>{46, 48, 36, 19, 35}));
  SeedShuffleRandom(1);
  EXPECT_EQ(Draws(ShuffleRandom, 0, 51, 5), (std::vector<int>{48, 36, 19, 35, 15}));
  SeedShuffleRandom(1);
  EXPECT_EQ(Draws(ShuffleRandom, 1, 6, 5), (std::vector<int>{1, 3, 6, 6, 2}));
  SeedShuffleRandom(2000000000u);
  EXPECT_EQ(Draws(ShuffleRandom, 0, 51, 5), (std::vector<int>{49, 21, 13, 26, 11}));
  // The first step wraps: 4294967295 * 40692 + 1 overflows 32 bits.
  SeedShuffleRandom(4294967295u);
  EXPECT_EQ(Draws(ShuffleRandom, 0, 51, 5), (std::vector<int>{38, 49, 22, 13, 50}));
  SeedShuffleRandom(4294967295u);
  EXPECT_EQ(Draws(ShuffleRandom, 1, 6, 5), (std::vector<int>{1, 6, 1, 6, 1}));
  // An empty range gives its low end instead of dividing by zero.
  EXPECT_EQ(ShuffleRandom(5, 4), 5);
  EXPECT_EQ(ShuffleRandom(0, -1), 0);
}

TEST(DealGenerators, SecondGeneratorDraws) {
  // 1 * 214013 + 2531011 = 2745024, and 2745024 >> 16 = 41.
  SeedFreeCellRandom(1);
  EXPECT_EQ(FreeCellRandom(0, 51), 41);
  SeedFreeCellRandom(1);
  EXPECT_EQ(Draws(FreeCellRandom, 0, 51, 5), (std::vector<int>{41, 7, 42, 32, 33}));
  SeedFreeCellRandom(2);
  EXPECT_EQ(Draws(FreeCellRandom, 0, 51, 5), (std::vector<int>{45, 44, 18, 11, 0}));
  SeedFreeCellRandom(1000000);
  EXPECT_EQ(Draws(FreeCellRandom, 0, 51, 5), (std::vector<int>{5, 22, 45, 37, 28}));
  SeedFreeCellRandom(4294967295u);
  EXPECT_EQ(Draws(FreeCellRandom, 0, 51, 5), (std::vector<int>{35, 47, 46, 13, 4}));
}

TEST(DealGenerators, KnownDealsWithTheGeneralGenerator) {
  const TDeal deals[] = {
      {0, {17, 51, 50, 26, 38, 9,  22, 37, 42, 6,  29, 18, 24, 31, 45, 8,  28, 27,
           49, 1,  36, 48, 43, 35, 3,  30, 0,  2,  25, 11, 10, 7,  39, 5,  33, 23,
           34, 12, 19, 20, 14, 15, 44, 41, 13, 16, 4,  47, 40, 32, 21, 46}},
      {1, {36, 35, 29, 10, 23, 42, 13, 12, 45, 5,  25, 3,  41, 47, 26, 38, 30, 33,
           28, 19, 20, 44, 32, 49, 34, 0,  21, 39, 8,  2,  14, 22, 1,  18, 24, 7,
           37, 51, 16, 4,  11, 31, 27, 40, 17, 9,  46, 43, 6,  15, 50, 48}},
      {2000000000u, {4,  6,  2,  35, 21, 36, 3,  9,  34, 1,  37, 33, 30, 17, 16, 0,  28, 31,
                     7,  32, 27, 44, 5,  19, 46, 20, 39, 12, 15, 10, 24, 40, 8,  50, 48, 26,
                     45, 38, 18, 11, 41, 22, 51, 29, 14, 42, 25, 47, 13, 23, 43, 49}},
      {4294967295u, {13, 7,  32, 2,  24, 4,  11, 16, 46, 22, 28, 27, 43, 36, 5,  33, 23, 18,
                     31, 49, 41, 40, 6,  25, 47, 10, 48, 14, 29, 0,  30, 19, 50, 20, 15, 3,
                     37, 39, 12, 8,  17, 21, 1,  51, 35, 45, 26, 42, 9,  34, 44, 38}},
  };
  for (const TDeal& deal : deals) EXPECT_EQ(DealGeneral(deal.Number, 1), deal.Order) << deal.Number;

  // The multiplier is divisible by 4, so numbers 2^30 apart give the same deal.
  EXPECT_EQ(DealGeneral(926258176u, 1), DealGeneral(2000000000u, 1));
  EXPECT_EQ(DealGeneral(1073741823u, 1), DealGeneral(4294967295u, 1));
  EXPECT_NE(DealGeneral(2, 1), DealGeneral(3, 1));
}

TEST(DealGenerators, KnownDealsWithTheSecondGenerator) {
  const TDeal deals[] = {
      {1, {22, 6,  32, 23, 36, 28, 9,  20, 47, 29, 31, 21, 25, 42, 4,  30, 38, 15,
           37, 11, 27, 13, 0,  14, 46, 39, 16, 12, 8,  2,  3,  43, 45, 33, 51, 7,
           10, 50, 44, 1,  19, 35, 48, 49, 18, 24, 26, 17, 40, 34, 5,  41}},
      {1000000, {14, 35, 2,  39, 43, 19, 47, 4,  30, 21, 3,  36, 31, 26, 33, 50, 48, 11,
                 15, 10, 28, 16, 1,  6,  29, 45, 27, 41, 51, 34, 20, 42, 46, 17, 18, 49,
                 12, 7,  0,  44, 24, 25, 9,  32, 37, 13, 8,  40, 38, 23, 22, 5}},
      {4294967295u, {30, 26, 32, 25, 51, 7,  48, 0,  44, 3,  41, 16, 43, 14, 45, 23, 22, 28,
                     46, 17, 34, 5,  2,  4,  8,  38, 1,  19, 13, 33, 39, 49, 31, 10, 20, 27,
                     40, 29, 50, 11, 47, 37, 36, 42, 15, 9,  21, 12, 18, 24, 6,  35}},
  };
  for (const TDeal& deal : deals) EXPECT_EQ(DealFreeCell(deal.Number, 1), deal.Order) << deal.Number;
}

TEST(DealGenerators, TwoDeckDeals) {
  // 104 cards: AddDeck twice; positions 52..103 are the second deck.
  const std::vector<int> general = {
      36, 75, 82,  23, 73, 78, 81, 80, 84, 13, 102, 43, 25, 62, 17, 44, 57, 31, 46, 56, 41,
      71, 45, 19,  74, 20, 42, 1,  93, 9,  0,  48,  16, 63, 86, 87, 100, 92, 33, 53, 32, 83,
      27, 40, 98,  66, 77, 79, 72, 52, 60, 35, 18,  61, 12, 6,  11, 37, 26, 54, 101, 99, 2,
      10, 5,  95,  58, 8,  59, 4,  91, 49, 21, 76,  50, 30, 24, 29, 64, 3,  88, 96, 65, 47,
      39, 69, 15,  38, 7,  70, 55, 34, 51, 85, 67,  97, 94, 89, 90, 28, 103, 68, 14, 22};
  EXPECT_EQ(DealGeneral(123456, 2), general);
  const std::vector<int> second = {
      7,  72, 19, 5,  31, 23, 87,  57, 64, 55, 25, 2,  77,  88, 78, 11, 4,  8,  9,  50, 74,
      99, 33, 90, 22, 45, 102, 97, 91, 61, 0,  68, 89,  51, 34, 95, 37, 48, 29, 15, 94, 36,
      43, 58, 59, 56, 28, 3,   14, 47, 101, 98, 49, 83, 70, 63, 35, 103, 39, 13, 30, 80, 92,
      86, 73, 20, 40, 12, 18,  54, 82, 81, 21, 46, 100, 96, 1,  16, 84, 65, 10, 66, 44, 79,
      62, 76, 38, 42, 53, 85,  6,  41, 67, 17, 52, 60,  71, 75, 24, 26, 32, 27, 69, 93};
  EXPECT_EQ(DealFreeCell(31999, 2), second);
}

TEST(Decks, BuildersGiveTheirOrderFaceDown) {
  TCardPile deck;
  deck.AddDeck();
  ASSERT_EQ(deck.GetCardCount(), 52);
  EXPECT_EQ(deck.FCount, 52);
  for (int k = 0; k < 52; ++k) {
    const TCard* card = deck.CardAt(k);
    EXPECT_EQ(card->FValue, k / 4);
    EXPECT_EQ(card->FSuit, k % 4);
    EXPECT_FALSE(card->FFaceUp);
  }
  EXPECT_EQ(deck.CardAt(1)->FSuit, CS_DIAMONDS);
  deck.Empty(true);

  deck.AddEasyDeck();
  for (int k = 0; k < 52; ++k) {
    EXPECT_EQ(deck.CardAt(k)->FSuit, CS_SPADES);
    EXPECT_EQ(deck.CardAt(k)->FValue, k / 4);
  }
  deck.Empty(true);

  deck.AddMediumDeck();
  const std::pair<_CardSuit, _CardValue> start[] = {
      {CS_HEARTS, CS_ACE}, {CS_SPADES, CS_ACE}, {CS_HEARTS, CS_ACE}, {CS_SPADES, CS_ACE}, {CS_HEARTS, CS_TWO}};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(deck.CardAt(k)->FSuit, start[k].first) << k;
    EXPECT_EQ(deck.CardAt(k)->FValue, start[k].second) << k;
  }
  EXPECT_EQ(deck.CardAt(51)->FSuit, CS_SPADES);
  EXPECT_EQ(deck.CardAt(51)->FValue, CS_KING);
  EXPECT_FALSE(deck.CardAt(51)->FFaceUp);
  deck.Empty(true);
}

TEST(Piles, ListOperations) {
  TCard a(CS_CLUBS, CS_ACE), b(CS_HEARTS, CS_TWO), c(CS_SPADES, CS_KING), x(CS_DIAMONDS, CS_TEN);
  TCardPile pile;
  EXPECT_EQ(pile.CardAt(TopOfPile), nullptr);
  EXPECT_EQ(pile.CardAt(5), nullptr);  // empty: null for any index
  pile.AddCard(&a);
  EXPECT_EQ(pile.CardAt(TopOfPile), &a);
  pile.InsertCard(&c, TopOfPile);
  pile.InsertCard(&b, 1);
  EXPECT_EQ(pile.FList, (std::vector<TCard*>{&a, &b, &c}));
  EXPECT_EQ(pile.CardAt(TopOfPile), &c);
  EXPECT_EQ(pile.CardIndex(&b), 1);
  EXPECT_EQ(pile.CardIndex(&x), -1);
  EXPECT_THROW(pile.CardAt(3), std::out_of_range);
  EXPECT_THROW(pile.CardAt(-1), std::out_of_range);
  EXPECT_THROW(pile.InsertCard(&x, 4), std::out_of_range);

  pile.RemoveCard(&x);  // absent: unchanged
  EXPECT_EQ(pile.FList, (std::vector<TCard*>{&a, &b, &c}));

  pile.SetToNull(1);
  EXPECT_EQ(pile.GetCardCount(), 3);  // null slots count
  EXPECT_EQ(pile.CardAt(1), nullptr);
  EXPECT_EQ(pile.CardIndex(&c), 2);
  pile.SetToCard(&x, 1);
  EXPECT_EQ(pile.FList, (std::vector<TCard*>{&a, &x, &c}));
  EXPECT_THROW(pile.SetToNull(3), std::out_of_range);

  TCardPile other;
  other.AddCard(&b);
  pile.CopyPileTo(&other);  // shared, bottom first
  EXPECT_EQ(other.FList, (std::vector<TCard*>{&b, &a, &x, &c}));
  EXPECT_EQ(pile.Count(), 3);
  other.AddPile(&other);  // appending a pile to itself doubles it
  EXPECT_EQ(other.Count(), 8);
  EXPECT_EQ(other.CardAt(4), &b);
  pile.InsertPile(&other, TopOfPile);
  EXPECT_EQ(pile.Count(), 11);
  EXPECT_EQ(pile.CardAt(3), &b);
  pile.RemoveCard(&b);  // the first entry only
  EXPECT_EQ(pile.CardIndex(&b), 6);
  pile.Empty(false);
  other.Empty(false);
  EXPECT_EQ(pile.GetCardCount(), 0);
}

TEST(Piles, FlipReversesAndTurnsOver) {
  TCard a(CS_CLUBS, CS_ACE), b(CS_HEARTS, CS_TWO, 1), c(CS_SPADES, CS_KING);
  TCardPile pile;
  pile.AddCard(&a);
  pile.AddCard(&b);
  pile.AddCard(&c);
  pile.Flip();
  EXPECT_EQ(pile.FList, (std::vector<TCard*>{&c, &b, &a}));
  EXPECT_TRUE(a.FFaceUp);
  EXPECT_FALSE(b.FFaceUp);
  EXPECT_TRUE(c.FFaceUp);
  pile.Empty(false);
  pile.Flip();  // empty: nothing
  EXPECT_EQ(pile.Count(), 0);
}

// A card that records its own destruction.
class TCountedCard : public TCard {
public:
  TCountedCard(int id, std::vector<int>& freed) : TCard(CS_CLUBS, CS_ACE), FId(id), FFreed(freed) {}
  ~TCountedCard() override { FFreed.push_back(FId); }

private:
  int FId;
  std::vector<int>& FFreed;
};

TEST(Piles, EmptyFreesExactlyTheCards) {
  std::vector<int> freed;
  TCardPile pile;
  for (int id = 0; id < 5; ++id) pile.AddCard(new TCountedCard(id, freed));
  // Slots 1 and 3 are emptied; their cards now lie in another pile.
  TCardPile elsewhere;
  elsewhere.AddCard(pile.CardAt(1));
  elsewhere.AddCard(pile.CardAt(3));
  pile.SetToNull(1);
  pile.SetToNull(3);
  pile.AddCard(nullptr);

  TCardPile copy;  // without the free flag nothing is freed
  pile.CopyPileTo(&copy);
  copy.Empty(false);
  EXPECT_TRUE(freed.empty());

  // [0, null, 2, null, 4, null]: freed top down, nulls skipped, other cards untouched.
  pile.Empty(true);
  EXPECT_EQ(freed, (std::vector<int>{4, 2, 0}));
  EXPECT_EQ(pile.Count(), 0);
  elsewhere.Empty(true);
  EXPECT_EQ(freed, (std::vector<int>{4, 2, 0, 3, 1}));

  // A card listed twice is freed once.
  freed.clear();
  pile.AddCard(new TCountedCard(7, freed));
  pile.AddPile(&pile);
  ASSERT_EQ(pile.Count(), 2);
  pile.Empty(true);
  EXPECT_EQ(freed, (std::vector<int>{7}));
}

}  // namespace
