#pragma once
// The FreeCell family apart from drawing: Free Cell, Baker's Game and Eight Off. All cards
// lie face up in eight columns; free cells hold one card each; the foundations build up in
// suit from the Ace. The three games differ only in the values of TVariant.

#include <vector>

#include "engine/CardPile.h"

namespace FreeCellRules {

inline constexpr int TableauCount = 8;
inline constexpr int FoundationCount = 4;
inline constexpr int CardsToWin = 52;
inline constexpr int Threshold = 5;

// What sets one game of the family apart.
struct TVariant {
  int FreeCells;       // 4, or 8 in Eight Off
  int DealLimit;       // numbers up to this use the second generator
  bool SameSuit;       // runs build in suit rather than in alternate colours
  bool ColumnsCount;   // empty columns lengthen the runs that may be lifted
  bool KingToEmpty;    // only a King (or a run headed by one) fills an empty column
  bool EightOffDeal;   // six even rows and four cards in the free cells
};

inline constexpr TVariant FreeCell{.FreeCells = 4, .DealLimit = 1000000, .SameSuit = false,
                                   .ColumnsCount = true, .KingToEmpty = false, .EightOffDeal = false};
inline constexpr TVariant Bakers{.FreeCells = 4, .DealLimit = 1000000, .SameSuit = true,
                                 .ColumnsCount = true, .KingToEmpty = false, .EightOffDeal = false};
inline constexpr TVariant EightOff{.FreeCells = 8, .DealLimit = 32000, .SameSuit = true,
                                   .ColumnsCount = false, .KingToEmpty = true, .EightOffDeal = true};

// ---- dealing

// Shuffles the pile for a deal number: the second generator up to the variant's limit, the
// general one above it. Seeds the generator itself.
void ShuffleNumbered(TCardPile* deck, int number, const TVariant& variant);

enum class TPileKind { Tableau, FreeCell };

// One card of the deal: the top card of the deck goes to pile Index (0-based) of a kind.
struct TDealStep {
  TPileKind Kind;
  int Index;
  bool RowEnd;  // the last card of a row
};
// Free Cell and Baker's Game: rows 1-6 give each column a card, row 7 columns 1-4.
// Eight Off: six rows to all eight columns, then free cells 4, 3 and 2; the last card
// stays where the deck was built (free cell 1), so it has no step.
std::vector<TDealStep> DealSteps(const TVariant& variant);
// Deals a shuffled deck lying in cells[0] without drawing: every card face up.
void DealLayout(const TVariant& variant, TCardPile* const* tableau, TCardPile* const* cells);

// ---- runs and drops

// The card at index and every card above it form a run: face up, each card one value
// lower than the card beneath and of the other colour (or, with sameSuit, of its suit).
bool IsRun(const TCardPile* pile, int index, bool sameSuit);
// Longest run that may be picked up with freeCells empty cells and emptyColumns empty columns.
int LiftLimit(const TVariant& variant, int freeCells, int emptyColumns);
// Longest run that may be dropped on an empty column (captured at the press).
int EmptyColumnLimit(const TVariant& variant, int freeCells, int emptyColumns);
// May the run (bottom card first, length runLength) go onto the tableau pile?
bool CanDropOnTableau(const TVariant& variant, const TCardPile* target, const TCard* bottom,
                      int runLength, int emptyColumnLimit);
// A free cell takes exactly one card, and only while empty.
bool CanDropOnFreeCell(const TCardPile* target, int runLength);
// A foundation takes exactly one card: an Ace when empty, else the next of its suit.
bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged);

// ---- sending home, autoplay, the win

// Piles by role, in array order.
struct TTable {
  std::vector<TCardPile*> Tableau;
  std::vector<TCardPile*> Foundations;
  std::vector<TCardPile*> FreeCells;
};
int EmptyPiles(const std::vector<TCardPile*>& piles);

// Where a drag goes when the smart-dragging option picks at the press: index into the
// kind's array, or Kind None.
enum class TTargetKind { None, Tableau, Foundation, FreeCell };
struct TTarget {
  TTargetKind Kind = TTargetKind::None;
  int Index = -1;
};
// A lone Ace tries the foundations; then each column with cards; then each column, empty
// ones included; then each foundation. Free cells are never chosen in advance. The
// source pile never takes its own cards.
TTarget SmartTarget(const TVariant& variant, const TTable& table, const TCardPile* source,
                    const TCardPile* dragged, int emptyColumnLimit);
// Where the send-home action puts a card: an Ace on the first empty foundation (else
// nowhere); another card on the first foundation of its suit one lower, else in the first
// empty free cell.
TTarget SendHomeTarget(const TTable& table, const TCard* card);
// The foundation a card fits, or -1.
int FoundationFor(const TTable& table, const TCard* card);
bool IsWon(const TTable& table);

}  // namespace FreeCellRules
