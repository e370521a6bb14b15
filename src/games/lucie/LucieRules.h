#pragma once
// La Belle Lucie apart from drawing: the deal in fans, gathering and redealing the fans
// for a shuffle, and where a one-click play puts a fan's top card.

#include <functional>

#include "engine/CardPile.h"

namespace LucieRules {

inline constexpr int FanCount = 18;
inline constexpr int CardsToWin = 52;
inline constexpr int Shuffles = 2;

// Called with the fan that got a card, and -1 after each pass.
using TDealObserver = std::function<void(int fan)>;

// Three passes from the top of the deck, face up: fans 1..17 get three cards, fan 18 one
// (it takes part in the first pass only).
void Deal(TCardPile* deck, TCardPile* const* fans, const TDealObserver& observer = {});
// Every fan's cards onto gathered, fan by fan from the first, each fan from its top card
// down; the fans are left empty.
void Gather(TCardPile* const* fans, TCardPile* gathered);
// Deals n cards back in three passes over as few fans as hold them in threes: fans
// 1..f-1 get three, the last used fan gets n mod 3 (three when n divides), the rest stay
// empty. Returns the number of fans used.
int Redeal(TCardPile* cards, TCardPile* const* fans, const TDealObserver& observer = {});
// The first fan other than from (in order 1..18) whose top card is of card's suit and one
// higher, or -1.
int FanFor(const TCard* card, TCardPile* const* fans, int from);
// The text of the shuffle panel with used shuffles made.
const char* ShuffleText(int used);

}  // namespace LucieRules
