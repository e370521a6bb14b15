#pragma once
// Forty Thieves apart from drawing: its numbers and the tableau's build rule.

#include "engine/CardPile.h"

namespace FortyThievesRules {

inline constexpr int DealPasses = 4;  // four face-up cards on each of the ten piles
inline constexpr int CardsToWin = 104;
inline constexpr int Threshold = 10;

// A card may go onto a tableau pile: any card onto an empty pile, otherwise only the
// card of the same suit one value lower than the pile's top card.
bool CanDropOnTableau(const TCardPile* target, const TCard* card);

}  // namespace FortyThievesRules
