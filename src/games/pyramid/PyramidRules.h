#pragma once
// The pyramid and golf games apart from drawing: the pairs that add up to thirteen, the
// rank steps of the golf games, the pass indicator and turning a card from the stock.

#include <QString>

#include "engine/CardPile.h"

namespace PyramidRules {

inline constexpr int PyramidRows = 7;
inline constexpr int PyramidCards = 28;
inline constexpr int CardsToWin = 52;

// Two cards whose ranks add up to thirteen (values, Ace 0, add up to 11).
bool Pairs(const TCard* a, const TCard* b);
inline bool IsKing(const TCard* card) { return card && card->FValue == CS_KING; }

// The pass indicator's text for pass 1..3.
QString PassCaption(int pass);

// Golf: a card plays onto the discard's top card one rank above or below it. Nothing
// goes on an Ace but a Two; on a King only a Queen, and nothing at all while a King
// stops the sequence.
bool GolfPlays(const TCard* discardTop, const TCard* card, bool kingStopsSequence);
// A top card that does not play may still be picked up (and falls back).
bool GolfLiftsUnplayable(const TCard* discardTop, bool kingStopsSequence);
// Pyramid Golf: one rank up or down, turning the corner between King and Ace.
bool PyramidGolfPlays(const TCard* discardTop, const TCard* card);

// Moves the stock's top card face up onto pile; null when the stock is empty.
TCard* TurnCard(TCardPile* stock, TCardPile* pile);

}  // namespace PyramidRules
