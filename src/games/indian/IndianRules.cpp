#include "games/indian/IndianRules.h"

#include <algorithm>

namespace IndianRules {

bool IsBottomCard(const TCard* card, const TBottomCards& bottoms) {
  return card && std::find(bottoms.begin(), bottoms.end(), card) != bottoms.end();
}

bool CanDropOnTableau(const TCardPile* target, const TCard* card, const TBottomCards& bottoms) {
  if (!target || !card) return false;
  const TCard* top = target->CardAt(TopOfPile);
  if (!top) return true;
  if (IsBottomCard(top, bottoms) || IsBottomCard(card, bottoms)) return false;
  return card->FSuit != top->FSuit && card->FValue + 1 == top->FValue;
}

int Refill(TCardPile* stock, TCardPile* pile, TCardPile* taken) {
  int moved = 0;
  while (moved < RefillCount && stock->Count() > 0) {
    TCard* card = stock->FList.back();
    stock->FList.pop_back();
    card->FFaceUp = moved > 0;
    pile->AddCard(card);
    if (taken) taken->AddCard(card);
    ++moved;
  }
  if (moved == 1) pile->FList.front()->FFaceUp = true;
  return moved;
}

std::vector<int> SettleBottomCards(TCardPile* const* piles, int count, bool stockHasCards,
                                   TBottomCards& bottoms) {
  std::vector<int> changed;
  bottoms.assign(static_cast<std::size_t>(count), nullptr);
  for (int i = 0; i < count; ++i) {
    TCardPile* pile = piles[i];
    if (pile->Count() == 0) continue;
    TCard* bottom = pile->FList.front();
    bottoms[static_cast<std::size_t>(i)] = bottom;
    bool turned = false;
    if (bottom->FFaceUp && pile->Count() > 1 && stockHasCards) {
      bottom->FFaceUp = false;
      turned = true;
    } else if (!bottom->FFaceUp && pile->Count() == 1) {
      bottom->FFaceUp = true;
      turned = true;
    }
    if (turned) changed.push_back(i);
  }
  if (!stockHasCards) bottoms.clear();
  return changed;
}

}  // namespace IndianRules
