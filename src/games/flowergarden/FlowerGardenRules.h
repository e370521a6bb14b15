#pragma once
// Flower Garden apart from drawing: the deal and the reserve's numbering. Its drop rules
// are the Castle family's (CastleRules): single cards one lower in any suit, any card on
// an empty pile, the foundations up in suit from the Ace.

#include <functional>

#include "engine/CardPile.h"

namespace FlowerGardenRules {

inline constexpr int TableauCount = 6;
inline constexpr int ReserveCount = 16;
inline constexpr int CardsToWin = 52;

// Six passes give each of the six piles one card from the top of the deck, face up
// (observer gets the pile, and -1 after each pass); the sixteen cards left are the
// reserve, face up and numbered from the bottom.
void Deal(TCardPile* deck, TCardPile* const* tableau, const std::function<void(int pile)>& observer = {});
// Every card's FPos becomes its index in the pile (0 the bottom).
void Renumber(TCardPile* pile);

}  // namespace FlowerGardenRules
