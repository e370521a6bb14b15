#pragma once
// Sea Towers apart from drawing: the deal, the runs that may be lifted, the drop rules and
// where the send-home action puts a card.

#include <functional>
#include <vector>

#include "engine/CardPile.h"

namespace SeaTowersRules {

inline constexpr int TableauCount = 10;
inline constexpr int FreeCellCount = 4;
inline constexpr int CardsToWin = 52;

enum class TDealEvent { Tableau, FreeCell, PassEnd };
using TDealObserver = std::function<void(TDealEvent event, int pile)>;

// Five passes give each of the ten piles one card from the top of the deck, face up; the
// 51st card goes face up to the third free cell and the last one stays, face up, in the
// deck's own pile (the second free cell).
void Deal(TCardPile* deck, TCardPile* const* tableau, TCardPile* thirdCell, const TDealObserver& observer = {});

// May the card at index be picked up with those above it, with emptyCells free cells
// empty? At most emptyCells + 1 cards, each one lower than the card under it and of the
// grabbed card's suit.
bool CanLift(const TCardPile* pile, int index, int emptyCells);
// A run headed by first onto the pile: the top card's suit and one higher; an empty pile
// takes only a King.
bool CanDropOnTableau(const TCardPile* target, const TCard* first);
// One card onto an empty free cell.
bool CanDropOnFreeCell(const TCardPile* target, int count);
// One card: an Ace on an empty foundation, else the next of the suit.
bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged);

// Where the send-home action puts a card: the index of a foundation (kind Foundation) or
// of the first empty free cell (kind FreeCell); an Ace only ever goes to an empty
// foundation.
enum class THome { None, Foundation, FreeCell };
struct TSendHome {
  THome Kind = THome::None;
  int Index = -1;
};
TSendHome SendHomeTarget(const TCard* card, const std::vector<const TCardPile*>& foundations,
                         const std::vector<const TCardPile*>& freeCells);

}  // namespace SeaTowersRules
