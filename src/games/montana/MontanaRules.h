#pragma once
// Montana apart from drawing. The grid is 52 places, four rows of thirteen, row by row;
// each place holds one card or none (a gap). Rules read the places' piles and say which
// card fits where; the reshuffle gathers the cards not yet in place and deals them again.

#include <functional>

#include "engine/CardPile.h"

namespace MontanaRules {

inline constexpr int Rows = 4;
inline constexpr int Columns = 13;
inline constexpr int Places = Rows * Columns;
inline constexpr int CardsToWin = 48;
inline constexpr int Threshold = 5;
inline constexpr int MaxShuffles = 2;

// The 52 places' piles in view order (row 1 left to right, then row 2 ...).
using TGrid = TCardPile* const*;

inline int Row(int place) { return place / Columns; }
inline int Column(int place) { return place % Columns; }
// The card of a place, null for a gap.
TCard* CardOf(TGrid grid, int place);

// Column 1 holding a 2, then cards of its suit one higher each, without a gap: the number
// of cards of that run (0 when column 1 holds no 2). Up to 12 (2 to King).
int RunLength(TGrid grid, int row);
// Cards in place: the runs of the four rows, at most 48.
int Score(TGrid grid);

// May card fill the gap at place? In the first column a 2; elsewhere the next card of the
// suit of the left neighbour (none right of a gap or a King).
bool FitsGap(TGrid grid, int place, const TCard* card);
// The place of the card that a click on the gap at place brings in, or -1. Outside the
// first column: the card following the left neighbour. In the first column: the 2 of the
// right neighbour's suit when that is a 3 (wherever the 2 lies), else the first 2 not in
// the first column.
int SourceForGap(TGrid grid, int place);
// The gap a click on the card at place sends it to, or -1: a 2 to the first empty place of
// the first column (top row first); another card to the first gap, by columns 2..13 and
// rows within a column, whose left neighbour is its predecessor of the suit.
int TargetForCard(TGrid grid, int place);

// Deals the shuffled deck column by column (each column top to bottom) face up and takes
// the Aces out to aces, row by row. placed(place) after each card, columnDone(column)
// after each column.
void Deal(TCardPile* deck, TGrid grid, TCardPile* aces, const std::function<void(int)>& placed = {},
          const std::function<void(int)>& columnDone = {});
// The reshuffle: every card after a row's run (the whole row without a run) and the Aces
// of aces are gathered and shuffled with the deal generator as it stands; each row is
// refilled after its run, leaving the place right of the run empty (a row without a run
// is refilled from its first place); Aces dealt are taken out again and replaced from the
// rest while it lasts; what is left goes to aces. filled(place) after each card,
// rowDone(row) after each row.
void Reshuffle(TGrid grid, TCardPile* aces, const std::function<void(int)>& filled = {},
               const std::function<void(int)>& rowDone = {});

}  // namespace MontanaRules
