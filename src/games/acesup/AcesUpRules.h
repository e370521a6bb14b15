#pragma once
// Aces Up apart from drawing: which top card may be discarded.

#include "engine/CardPile.h"

namespace AcesUpRules {

inline constexpr int PileCount = 4;
inline constexpr int CardsToWin = 48;  // everything but the four Aces discarded
inline constexpr int Threshold = 5;

// Rank with the Ace counting highest: Two 1 .. King 12, Ace 13.
int AceHighRank(const TCard* card);
// The top card of a pile is discarded when another pile's top card has its suit and a
// higher rank (Ace high), whatever the distance. An Ace never goes.
bool CanDiscard(const TCard* card, TCardPile* const* piles, int count);

}  // namespace AcesUpRules
