#include "games/fortythieves/FortyThievesRules.h"

namespace FortyThievesRules {

bool CanDropOnTableau(const TCardPile* target, const TCard* card) {
  if (!target || !card) return false;
  const TCard* top = target->CardAt(TopOfPile);
  if (!top) return true;
  return card->FSuit == top->FSuit && card->FValue + 1 == top->FValue;
}

}  // namespace FortyThievesRules
