#pragma once
// Nestor apart from drawing: the deal that keeps equal ranks out of each column, and the
// pair rule.

#include "engine/CardPile.h"

namespace NestorRules {

inline constexpr int ColumnCount = 8;
inline constexpr int ReserveCount = 4;
inline constexpr int Passes = 6;
inline constexpr int CardsToWin = 52;
inline constexpr int Threshold = 3;
// Scans of one column's card before the deal gives up looking for a card that fits.
inline constexpr int MaxScans = 5000;

// Deals the stock's top card face up onto columns[column]. A card whose rank the column
// already holds goes to the bottom of the stock and the next card is tried instead, until
// one fits or MaxScans scans have passed; then the card goes onto the first of columns
// 0..6 holding no card of its rank, whose top card moves onto the column being dealt
// (that card is not checked). When no such column exists the card stays on the column
// being dealt. Every card stays in the deal.
void DealColumnCard(TCardPile* stock, TCardPile* const* columns, int column);
// The four reserve cards: the next three onto reserve[1..3], the last onto reserve[0].
void DealReserve(TCardPile* stock, TCardPile* const* reserve);

// Two available cards pair when their ranks are equal.
bool Pairs(const TCard* a, const TCard* b);

}  // namespace NestorRules
