#pragma once
// Klondike apart from drawing: the deal layout, the drop rules and the stock.

#include <vector>

#include "engine/CardPile.h"

namespace KlondikeRules {

inline constexpr int TableauCount = 7;
inline constexpr int FoundationCount = 4;
inline constexpr int CardsToWin = 52;
inline constexpr int Threshold = 5;

// One card of the deal: the stock's top card goes to tableau pile Pile (0-based).
struct TDealStep {
  int Pile;
  bool FaceUp;
  bool PassEnd;  // the last card of a pass over the piles
};
// Seven passes; pass r gives piles r..6 a card each, face up only on pile r.
const std::vector<TDealStep>& DealSteps();
// Deals the layout from the top of the stock without drawing.
void DealLayout(TCardPile* stock, TCardPile* const* tableau);
// Moves the stock's top card to the pile of a step.
void DealCard(TCardPile* stock, TCardPile* pile, bool faceUp);

// A run headed by card may go onto the tableau pile: onto the other colour one value
// higher, or a King onto an empty pile.
bool CanDropOnTableau(const TCardPile* target, const TCard* bottom);
// Only single cards go home: an Ace on an empty foundation, else the next of the suit.
bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged);

// Turns up to count cards from the top of the stock onto the waste, face up; the turned
// cards are appended to turned in the order turned. Returns how many were turned.
int TurnStock(TCardPile* stock, TCardPile* waste, int count, TCardPile* turned);
// Puts the waste back as the stock, turned over (the waste's bottom card on top, all face
// down); the waste's cards, bottom first, are appended to moved.
void Redeal(TCardPile* waste, TCardPile* stock, TCardPile* moved);

}  // namespace KlondikeRules
