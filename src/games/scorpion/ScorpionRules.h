#pragma once
// The Scorpion family apart from drawing: the four deals, which cards may be lifted and
// where they may go, the score of suits built down inside the tableau, and the stock.

#include <vector>

#include "engine/CardPile.h"

namespace ScorpionRules {

enum class TGame { Scorpion, Scorpion2, SimpleSimon, DoubleScorpion };

// One card of the deal: the stock's top card goes to pile Pile (0-based).
struct TDealStep {
  int Pile;
  bool FaceUp;
  bool RowEnd;  // the last card of a row or pass
};
// Scorpion: seven rows over seven piles, face down in rows 1-3 of piles 1-4 (piles 1-3 in
// Scorpion II). Simple Simon: eight passes over ten piles, pile c (4..10) served only in
// passes 1..11-c, all face up. Double Scorpion: ten rows over ten piles, face down in rows
// 1-4 of piles 1-5, then one face-up card to each of piles 1-4.
std::vector<TDealStep> DealSteps(TGame game);

// Scorpion, Scorpion II, Double Scorpion: any face-up card lifts with the cards above it.
bool CanLiftAny(const TCardPile* pile, int index);
// Simple Simon: the card at index and those above it run down by one in its suit.
bool CanLiftSuitRun(const TCardPile* pile, int index);
// Scorpion games: onto the top card's suit one lower; an empty pile takes only a King.
bool CanDropInSuit(const TCardPile* target, const TCard* first);
// Simple Simon: one lower than the top card in any suit; anything on an empty pile.
bool CanDropAnySuit(const TCardPile* target, const TCard* first);

// One point for every adjacent face-up pair in which the upper card has the lower card's
// suit and is one lower; one more for a pile that is a whole suit from a face-up King at
// the bottom to a face-up Ace on top (so a finished suit scores 13).
int PileScore(const TCardPile* pile);
int Score(const std::vector<const TCardPile*>& tableau);

// Moves up to three cards face up from the stock's top to piles[0], piles[1], piles[2]
// in turn; the cards and their piles are appended to dealt. Returns how many moved.
struct TStockCard {
  TCard* Card;
  int Pile;
};
int DealStock(TCardPile* stock, const std::vector<TCardPile*>& piles, std::vector<TStockCard>* dealt);

}  // namespace ScorpionRules
