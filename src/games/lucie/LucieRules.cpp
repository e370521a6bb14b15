#include "games/lucie/LucieRules.h"

#include <algorithm>

namespace LucieRules {

namespace {
TCard* TakeTop(TCardPile* deck) {
  TCard* card = deck->CardAt(TopOfPile);
  if (card) deck->RemoveCard(card);
  return card;
}
}  // namespace

void Deal(TCardPile* deck, TCardPile* const* fans, const TDealObserver& observer) {
  for (int pass = 0; pass < 3; ++pass) {
    for (int fan = 0; fan < FanCount; ++fan) {
      if (fan == FanCount - 1 && pass > 0) continue;
      TCard* card = TakeTop(deck);
      if (!card) return;
      card->FFaceUp = true;
      fans[fan]->AddCard(card);
      if (observer) observer(fan);
    }
    if (observer) observer(-1);
  }
}

void Gather(TCardPile* const* fans, TCardPile* gathered) {
  for (int fan = 0; fan < FanCount; ++fan) {
    TCardPile* pile = fans[fan];
    for (auto it = pile->FList.rbegin(); it != pile->FList.rend(); ++it) gathered->AddCard(*it);
    pile->Empty(false);
  }
}

int Redeal(TCardPile* cards, TCardPile* const* fans, const TDealObserver& observer) {
  const int n = cards->Count();
  const int rest = n % 3;
  const int used = std::min(FanCount, n / 3 + (rest ? 1 : 0));
  for (int pass = 0; pass < 3; ++pass) {
    for (int fan = 0; fan < used; ++fan) {
      if (rest && fan == used - 1 && pass >= rest) continue;
      TCard* card = TakeTop(cards);
      if (!card) return used;
      card->FFaceUp = true;
      fans[fan]->AddCard(card);
      if (observer) observer(fan);
    }
    if (observer) observer(-1);
  }
  return used;
}

int FanFor(const TCard* card, TCardPile* const* fans, int from) {
  if (!card) return -1;
  for (int fan = 0; fan < FanCount; ++fan) {
    if (fan == from) continue;
    const TCard* top = fans[fan]->CardAt(TopOfPile);
    if (top && top->FSuit == card->FSuit && top->FValue == card->FValue + 1) return fan;
  }
  return -1;
}

const char* ShuffleText(int used) {
  switch (used) {
    case 0: return "2 Shuffles Remaining";
    case 1: return "1 Shuffle Remaining";
    default: return "No Shuffles Remaining";
  }
}

}  // namespace LucieRules
