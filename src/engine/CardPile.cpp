#include "engine/CardPile.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <utility>

namespace {
std::uint32_t ShuffleState = 0;
std::uint32_t FreeCellState = 0;

void StepShuffle() { ShuffleState = (ShuffleState * 40692u + 1u) % 2147483399u; }
void StepFreeCell() { FreeCellState = (FreeCellState * 214013u + 2531011u) & 0x7FFFFFFFu; }

// An empty range (hi < lo) gives lo rather than a division by zero.
int Draw(std::uint32_t state, int lo, int hi) {
  const long long span = static_cast<long long>(hi) + 1 - lo;
  if (span <= 0) return lo;
  return static_cast<int>(lo + static_cast<long long>(state >> 16) % span);
}
}  // namespace

void SeedShuffleRandom(unsigned n) {
  ShuffleState = n;
  for (int i = 0; i < 10; ++i) StepShuffle();
}

int ShuffleRandom(int lo, int hi) {
  StepShuffle();
  return Draw(ShuffleState, lo, hi);
}

void SeedFreeCellRandom(unsigned n) { FreeCellState = n; }

int FreeCellRandom(int lo, int hi) {
  StepFreeCell();
  return Draw(FreeCellState, lo, hi);
}

void TCardPile::AddCard(TCard* card) { FList.push_back(card); }

void TCardPile::InsertCard(TCard* card, int index) {
  if (index == TopOfPile) {
    FList.push_back(card);
    return;
  }
  if (index < 0 || index > Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  FList.insert(FList.begin() + index, card);
}

void TCardPile::AddPile(TCardPile* other) { InsertPile(other, TopOfPile); }

void TCardPile::InsertPile(TCardPile* other, int index) {
  // Copy first: other may be this pile.
  const std::vector<TCard*> cards = other->FList;
  if (index == TopOfPile || index >= Count()) {
    FList.insert(FList.end(), cards.begin(), cards.end());
  } else {
    FList.insert(FList.begin() + std::max(index, 0), cards.begin(), cards.end());
  }
}

void TCardPile::CopyPileTo(TCardPile* other) const {
  const std::vector<TCard*> cards = FList;
  other->FList.insert(other->FList.end(), cards.begin(), cards.end());
}

void TCardPile::RemoveCard(TCard* card) {
  for (auto it = FList.begin(); it != FList.end(); ++it) {
    if (*it == card) {
      FList.erase(it);
      return;
    }
  }
}

TCard* TCardPile::CardAt(int index) const {
  if (FList.empty()) return nullptr;
  if (index == TopOfPile) return FList.back();
  if (index < 0 || index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return FList[static_cast<std::size_t>(index)];
}

int TCardPile::CardIndex(const TCard* card) const {
  for (int i = 0; i < Count(); ++i)
    if (FList[static_cast<std::size_t>(i)] == card) return i;
  return -1;
}

int TCardPile::GetCardCount() {
  FCount = Count();
  return FCount;
}

void TCardPile::SetToNull(int index) { SetToCard(nullptr, index); }

void TCardPile::SetToCard(TCard* card, int index) {
  if (index < 0 || index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  FList[static_cast<std::size_t>(index)] = card;
}

void TCardPile::Empty(bool freeCards) {
  if (freeCards) {
    // A card listed twice (a pile appended to itself) is freed once.
    std::unordered_set<TCard*> freed;
    for (auto it = FList.rbegin(); it != FList.rend(); ++it)
      if (*it && freed.insert(*it).second) delete *it;
  }
  FList.clear();
}

void TCardPile::Flip() {
  // Take each entry from the top down and append it turned over: the pile reverses.
  const int n = Count();
  for (int i = n - 1; i >= 0; --i) {
    TCard* card = FList[static_cast<std::size_t>(i)];
    FList.erase(FList.begin() + i);
    FList.push_back(card);
    if (card) card->Flip();
  }
}

void TCardPile::AddDeck() {
  for (int k = 0; k < 52; ++k)
    AddCard(new TCard(static_cast<_CardSuit>(k % 4), static_cast<_CardValue>(k / 4)));
}

void TCardPile::AddEasyDeck() {
  for (int k = 0; k < 52; ++k) AddCard(new TCard(CS_SPADES, static_cast<_CardValue>(k / 4)));
}

void TCardPile::AddMediumDeck() {
  for (int k = 0; k < 52; ++k)
    AddCard(new TCard(k % 2 == 0 ? CS_HEARTS : CS_SPADES, static_cast<_CardValue>(k / 4)));
}

template <typename Draw> void TCardPile::ShuffleWith(Draw draw) {
  for (int i = Count() - 1; i >= 0; --i) {
    const int j = draw(0, i);
    if (j != i) std::swap(FList[static_cast<std::size_t>(i)], FList[static_cast<std::size_t>(j)]);
  }
}

void TCardPile::Shuffle() { ShuffleWith(ShuffleRandom); }

void TCardPile::FreeCellShuffle() { ShuffleWith(FreeCellRandom); }
