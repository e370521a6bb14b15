#pragma once
// Queen of Italy apart from drawing: the tableau and foundation rules around the base rank
// the player picks, with ranks wrapping from King to Ace.

#include <QString>

#include "engine/CardPile.h"

namespace QueenItalyRules {

inline constexpr int TerraceCards = 11;
inline constexpr int TableauCount = 9;
inline constexpr int FirstDealt = 4;  // tableau piles dealt at first; the rest wait for the base
inline constexpr int FoundationCount = 8;
inline constexpr int FoundationSize = 13;
inline constexpr int CardsToWin = 104;
inline constexpr int Threshold = 5;

// card may lie on onto in the tableau: the other colour and one lower, a King on an Ace.
bool BuildsDown(const TCard* onto, const TCard* card);
// May card go onto the tableau pile target? Any card onto an empty pile; a card from the
// terrace only while stock and discard pile are both empty.
bool CanDropOnTableau(const TCardPile* target, const TCard* card, bool fromTerrace, bool stockAndDiscardEmpty);
// May card go onto the foundation? An empty one takes only the base rank; otherwise up in
// suit, an Ace on a King, while it holds fewer than 13 cards.
bool FitsFoundation(const TCardPile* foundation, const TCard* card, int baseRank);
// The foundations' label for a rank: "A", "2" .. "10", "J", "Q", "K".
QString RankText(int rank);

}  // namespace QueenItalyRules
