#include "games/queenitaly/QueenItalyRules.h"

#include "games/CardRules.h"

namespace QueenItalyRules {

bool BuildsDown(const TCard* onto, const TCard* card) {
  if (!onto || !card || !CardRules::OtherColour(onto, card)) return false;
  return card->FValue + 1 == onto->FValue || (card->FValue == CS_KING && onto->FValue == CS_ACE);
}

bool CanDropOnTableau(const TCardPile* target, const TCard* card, bool fromTerrace, bool stockAndDiscardEmpty) {
  if (!target || !card) return false;
  if (fromTerrace && !stockAndDiscardEmpty) return false;
  if (target->Count() == 0) return true;
  return BuildsDown(target->CardAt(TopOfPile), card);
}

bool FitsFoundation(const TCardPile* foundation, const TCard* card, int baseRank) {
  if (!foundation || !card) return false;
  if (foundation->Count() == 0) return card->FValue == baseRank;
  if (foundation->Count() >= FoundationSize) return false;
  const TCard* top = foundation->CardAt(TopOfPile);
  if (top->FSuit != card->FSuit) return false;
  return card->FValue == top->FValue + 1 || (card->FValue == CS_ACE && top->FValue == CS_KING);
}

QString RankText(int rank) {
  static const char* const texts[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  return (rank >= 0 && rank < 13) ? QLatin1String(texts[rank]) : QString();
}

}  // namespace QueenItalyRules
