#pragma once
// Rules every card game shares, apart from drawing: colours and builds, runs that may be
// lifted, foundation fits, deal numbers, Vegas money and the score texts of the status
// bar and caption. Plain functions over cards, piles and numbers.

#include <QString>

#include "engine/CardPile.h"

namespace CardRules {

inline constexpr int MaxRandomDeal = 10000000;
inline constexpr int MaxChosenDeal = 2000000000;

inline bool IsRed(const TCard* card) { return card->FSuit == CS_DIAMONDS || card->FSuit == CS_HEARTS; }
inline bool OtherColour(const TCard* a, const TCard* b) { return IsRed(a) != IsRed(b); }

// card may lie on onto: the other colour and one value lower.
bool BuildsDownAlternate(const TCard* onto, const TCard* card);
// card may go on onto in a foundation: the same suit and one value higher.
bool BuildsUpInSuit(const TCard* onto, const TCard* card);
// The card at index is face up and every card above it is one value lower and of the
// other colour than the card beneath (the top card alone always qualifies when face up).
bool IsAlternatingRun(const TCardPile* pile, int index);
// The card may go on this foundation pile: an Ace on an empty one, else the next of the suit.
bool FitsFoundation(const TCardPile* foundation, const TCard* card);
// Cards on the given piles, summed.
int CountCards(TCardPile* const* piles, int count);

// A random deal number from a 31-bit draw r: (r mod 2,000,000,000) mod 10,000,000 + 1.
int RandomDealNumber(unsigned r);

// Vegas money: 5 dollars a card home, on top of the balance carried from earlier deals.
inline constexpr int VegasStartBalance = -52;
inline int VegasMoney(int score, int balance) { return 5 * score + balance; }
// A deal left by New Game or Select Game: the cards home pay, the stake is lost.
inline int VegasAfterAbandon(int balance, int score) { return balance + 5 * score - 52; }
// The deal after a win.
inline int VegasAfterWin(int balance) { return balance + 208; }

// What UpdateScore shows.
struct TScoreTexts {
  QString Caption;
  QString NumberPanel;  // "" while the status bar is hidden
  QString ScorePanel;
};
TScoreTexts ScoreTexts(const QString& name, int gameNumber, int score, bool vegas, int money,
                       bool statusBarShown);

}  // namespace CardRules
