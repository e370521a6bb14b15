#pragma once
// Indian Patience apart from drawing: its numbers, the tableau's build rule with the
// bottom cards, the refill of an emptied pile and the faces of the bottom cards.
//
// Each tableau pile's lowest card is its bottom card while the stock lasts: it lies face
// down while covered, nothing may be built on it, and it may not move to another tableau
// pile. Once the stock is empty, bottom cards are ordinary cards.

#include <vector>

#include "engine/CardPile.h"

namespace IndianRules {

inline constexpr int DealPasses = 3;   // a face-down bottom card and two face-up cards
inline constexpr int RefillCount = 3;  // cards an emptied pile takes from the stock
inline constexpr int CardsToWin = 104;
inline constexpr int Threshold = 10;

// One entry per tableau pile: its bottom card, null when it has none.
using TBottomCards = std::vector<TCard*>;

bool IsBottomCard(const TCard* card, const TBottomCards& bottoms);

// card may go onto the tableau pile target: any card onto an empty pile; nothing onto a
// bottom card, and no bottom card onto another pile; otherwise a card of another suit
// one value lower than the pile's top card.
bool CanDropOnTableau(const TCardPile* target, const TCard* card, const TBottomCards& bottoms);

// Moves up to three cards from the top of the stock onto pile: the first face down, the
// others face up, and a lone card face up. The cards moved are appended to taken in the
// order taken. Returns how many moved.
int Refill(TCardPile* stock, TCardPile* pile, TCardPile* taken);

// Takes every pile's lowest card as its bottom card and sets the faces: a bottom card
// under other cards lies face down while the stock holds cards, and a bottom card alone
// on its pile lies face up. Once the stock is empty the list is cleared. Returns the
// indices of the piles whose faces changed.
std::vector<int> SettleBottomCards(TCardPile* const* piles, int count, bool stockHasCards,
                                   TBottomCards& bottoms);

}  // namespace IndianRules
