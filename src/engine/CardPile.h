#pragma once
// An ordered list of cards, bottom first, and the two generators that turn a deal
// number into a shuffled deck.

#include <QObject>
#include <vector>

#include "engine/Card.h"

// Reading at this index means the top card; inserting at it means appending on top.
inline constexpr int TopOfPile = 9999;

class TCardPile {
public:
  explicit TCardPile(QObject* owner = nullptr) { (void)owner; }
  // A pile never owns its cards: only Empty(true) frees them.
  ~TCardPile() = default;
  TCardPile(const TCardPile&) = delete;
  TCardPile& operator=(const TCardPile&) = delete;

  void AddCard(TCard* card);
  void InsertCard(TCard* card, int index);
  void AddPile(TCardPile* other);
  void InsertPile(TCardPile* other, int index);
  void CopyPileTo(TCardPile* other) const;
  void RemoveCard(TCard* card);
  // Null on an empty pile; 9999 is the top entry. Throws std::out_of_range outside the list.
  TCard* CardAt(int index) const;
  int CardIndex(const TCard* card) const;
  int GetCardCount();
  void SetToNull(int index);
  void SetToCard(TCard* card, int index);
  // With freeCards, frees every card from the top down (each distinct card once), then
  // clears the list.
  void Empty(bool freeCards);
  void Flip();
  void AddDeck();
  void AddEasyDeck();
  void AddMediumDeck();
  void Shuffle();
  void FreeCellShuffle();

  // Count without touching FCount, for const readers.
  int Count() const { return static_cast<int>(FList.size()); }

  int FCount = 0;
  std::vector<TCard*> FList;

private:
  template <typename Draw> void ShuffleWith(Draw draw);
};

// General generator: modulus 2147483399, multiplier 40692, on wrapping 32-bit arithmetic.
void SeedShuffleRandom(unsigned n);
// lo + (state >> 16) mod (hi + 1 - lo) after one step; lo when hi < lo.
int ShuffleRandom(int lo, int hi);
// Second generator, used by the FreeCell family for low deal numbers.
void SeedFreeCellRandom(unsigned n);
int FreeCellRandom(int lo, int hi);
