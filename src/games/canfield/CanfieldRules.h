#pragma once
// Canfield apart from drawing: the deal, the base rank and wrap-around builds.

#include <QString>

#include "engine/CardPile.h"

namespace CanfieldRules {

inline constexpr int TableauCount = 4;
inline constexpr int ReserveCount = 13;

// The rank text an empty foundation shows for a base rank ("A" .. "K").
QString RankText(int value);

// A card of the base rank starts an empty foundation; then the next of the suit, the
// King followed by the Ace.
bool FitsFoundation(const TCardPile* foundation, const TCard* card, int baseRank);
// card may lie on onto in the tableau: the other colour, one value lower, an Ace below a King.
bool BuildsDown(const TCard* onto, const TCard* card);
// A run headed by bottom may go onto the tableau pile; an empty pile takes anything while
// the reserve is empty, or at any time with the Superior rules.
bool CanDropOnTableau(const TCardPile* target, const TCard* bottom, bool reserveEmpty, bool superior);
// The card at index is face up and the cards above it build down with the wrap.
bool IsRun(const TCardPile* pile, int index);

}  // namespace CanfieldRules
