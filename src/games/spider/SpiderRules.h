#pragma once
// Spider apart from drawing: the deck by difficulty, the deal layout, which runs may be
// lifted and where they may go, the score and the completed runs that go home.

#include <vector>

#include "engine/CardPile.h"

namespace SpiderRules {

inline constexpr int TableauCount = 10;
inline constexpr int FoundationCount = 8;
inline constexpr int CardsToWin = 104;
inline constexpr int Threshold = 10;

enum TDifficulty { Easy = 0, Medium = 1, Challenging = 2 };

// The 104-card stock of a difficulty: two one-suit, two two-suit or two full decks.
void AddDecks(TCardPile* pile, int difficulty);
// "Difficulty: Easy", "Difficulty: Medium" or "Difficulty: Challenging".
const char* DifficultyText(int difficulty);
// The statistics section of a difficulty ("SpiderEasy" ...).
const char* DifficultySection(int difficulty);
// Rows dealt: 6 for 54 cards (deal count 1), else 5 for 44.
inline int RowCount(int dealCount) { return dealCount == 1 ? 6 : 5; }

// One card of the deal: the stock's top card goes to pile Pile (0-based).
struct TDealStep {
  int Pile;
  bool FaceUp;
  bool RowEnd;  // the last card of a row
};
// rows rows over the ten piles; piles 5-10 get no card in the last row; each pile's last
// card lies face up.
std::vector<TDealStep> DealSteps(int rows);

// The card at index is face up and every card above it is one lower than the card
// beneath, of the grabbed card's suit too when sameSuit is set.
bool CanLift(const TCardPile* pile, int index, bool sameSuit);
// A run headed by first may go on target: anything on an empty pile, else one lower than
// the top card in any suit.
bool CanDropOnTableau(const TCardPile* target, const TCard* first);
// Only a whole suit, King to Ace, goes home, onto an empty foundation.
bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged);
// The index of a face-up King heading twelve cards of its suit, each one lower, ending in
// the pile's top card (an Ace); -1 when the pile ends in no such run.
int CompleteRunAt(const TCardPile* pile);
// Cards on the foundations, plus one for every pair of adjacent face-up tableau cards in
// which the upper card has the lower card's suit and is one lower.
int Score(const std::vector<const TCardPile*>& tableau, const std::vector<const TCardPile*>& foundations);

// Pulls one card face up from the stock's top onto each pile in turn; the dealt cards
// are appended to dealt in order. False (and nothing moves) while a pile is empty.
bool DealFromStock(TCardPile* stock, const std::vector<TCardPile*>& tableau, std::vector<TCard*>* dealt);

}  // namespace SpiderRules
