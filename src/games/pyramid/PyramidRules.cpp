#include "games/pyramid/PyramidRules.h"

#include <cstdlib>

namespace PyramidRules {

bool Pairs(const TCard* a, const TCard* b) { return a && b && a->FValue + b->FValue == 11; }

QString PassCaption(int pass) {
  if (pass >= 3) return QStringLiteral("Third Pass");
  if (pass == 2) return QStringLiteral("Second Pass");
  return QStringLiteral("First Pass");
}

bool GolfPlays(const TCard* discardTop, const TCard* card, bool kingStopsSequence) {
  if (!discardTop || !card) return false;
  if (discardTop->FValue == CS_KING) return !kingStopsSequence && card->FValue == CS_QUEEN;
  if (discardTop->FValue == CS_ACE) return card->FValue == CS_TWO;
  return std::abs(card->FValue - discardTop->FValue) == 1;
}

bool GolfLiftsUnplayable(const TCard* discardTop, bool kingStopsSequence) {
  if (!discardTop) return false;
  if (discardTop->FValue == CS_KING) return kingStopsSequence;
  return discardTop->FValue != CS_ACE;
}

bool PyramidGolfPlays(const TCard* discardTop, const TCard* card) {
  if (!discardTop || !card) return false;
  if (discardTop->FValue == CS_KING) return card->FValue == CS_QUEEN || card->FValue == CS_ACE;
  if (discardTop->FValue == CS_ACE) return card->FValue == CS_TWO || card->FValue == CS_KING;
  return std::abs(card->FValue - discardTop->FValue) == 1;
}

TCard* TurnCard(TCardPile* stock, TCardPile* pile) {
  TCard* card = stock->CardAt(TopOfPile);
  if (!card) return nullptr;
  stock->RemoveCard(card);
  card->FFaceUp = true;
  pile->AddCard(card);
  return card;
}

}  // namespace PyramidRules
