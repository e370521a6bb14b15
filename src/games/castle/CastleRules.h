#pragma once
// The Castle family apart from drawing: Beleaguered Castle's and Baker's Dozen's deals and
// their drop rules. Only single top cards move; foundations build up in suit from the Ace.

#include <functional>

#include "engine/CardPile.h"

namespace CastleRules {

inline constexpr int CastleRows = 8;
inline constexpr int BakersDozenPiles = 13;
inline constexpr int FoundationCount = 4;
inline constexpr int CardsToWin = 52;

// What a deal did with one card, for an animated deal to show it.
enum class TDealEvent { Foundation, Tableau, PassEnd };
using TDealObserver = std::function<void(TDealEvent event, int pile)>;

// Beleaguered Castle: every card turned face up; the Aces, met from the bottom of the deck
// up, go to the first empty foundation; then six passes give each of the eight rows one
// card from the top of the deck.
void DealCastle(TCardPile* deck, TCardPile* const* foundations, TCardPile* const* rows,
                const TDealObserver& observer = {});
// Baker's Dozen: four passes over the thirteen piles, face up; a King goes to the bottom
// of its pile instead of on top.
void DealBakersDozen(TCardPile* deck, TCardPile* const* piles, const TDealObserver& observer = {});

// A single card one lower than the top card, any suit; an empty pile takes any card only
// when emptyTakesAny (Beleaguered Castle), never in Baker's Dozen.
bool CanDropOnTableau(const TCardPile* target, const TCardPile* dragged, bool emptyTakesAny);
// A single card: an Ace on an empty foundation, else the next of the top card's suit.
bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged);

}  // namespace CastleRules
