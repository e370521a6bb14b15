#include "games/acesup/AcesUpRules.h"

namespace AcesUpRules {

int AceHighRank(const TCard* card) { return card->FValue == CS_ACE ? 13 : card->FValue; }

bool CanDiscard(const TCard* card, TCardPile* const* piles, int count) {
  if (!card || card->FValue == CS_ACE) return false;
  for (int i = 0; i < count; ++i) {
    const TCard* top = piles[i] ? piles[i]->CardAt(TopOfPile) : nullptr;
    if (top && top != card && top->FSuit == card->FSuit && AceHighRank(top) > AceHighRank(card))
      return true;
  }
  return false;
}

}  // namespace AcesUpRules
