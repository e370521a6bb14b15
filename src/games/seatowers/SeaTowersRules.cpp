#include "games/seatowers/SeaTowersRules.h"

#include "games/CardRules.h"

namespace SeaTowersRules {

namespace {
TCard* TakeTop(TCardPile* deck) {
  TCard* card = deck->CardAt(TopOfPile);
  if (card) deck->RemoveCard(card);
  return card;
}
}  // namespace

void Deal(TCardPile* deck, TCardPile* const* tableau, TCardPile* thirdCell, const TDealObserver& observer) {
  for (int pass = 0; pass < 5; ++pass) {
    for (int pile = 0; pile < TableauCount; ++pile) {
      TCard* card = TakeTop(deck);
      if (!card) return;
      card->FFaceUp = true;
      tableau[pile]->AddCard(card);
      if (observer) observer(TDealEvent::Tableau, pile);
    }
    if (observer) observer(TDealEvent::PassEnd, -1);
  }
  if (TCard* card = TakeTop(deck)) {
    card->FFaceUp = true;
    thirdCell->AddCard(card);
    if (observer) observer(TDealEvent::FreeCell, 2);
  }
  for (TCard* card : deck->FList) card->FFaceUp = true;
}

bool CanLift(const TCardPile* pile, int index, int emptyCells) {
  if (!pile || index < 0 || index >= pile->Count()) return false;
  if (pile->Count() - index > emptyCells + 1) return false;
  const TCard* grabbed = pile->FList[std::size_t(index)];
  for (int i = index + 1; i < pile->Count(); ++i) {
    const TCard* below = pile->FList[std::size_t(i - 1)];
    const TCard* card = pile->FList[std::size_t(i)];
    if (card->FSuit != grabbed->FSuit || card->FValue + 1 != below->FValue) return false;
  }
  return true;
}

bool CanDropOnTableau(const TCardPile* target, const TCard* first) {
  if (!target || !first) return false;
  if (target->Count() == 0) return first->FValue == CS_KING;
  const TCard* top = target->FList.back();
  return top->FSuit == first->FSuit && first->FValue + 1 == top->FValue;
}

bool CanDropOnFreeCell(const TCardPile* target, int count) { return target && count == 1 && target->Count() == 0; }

bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged) {
  if (!target || !dragged || dragged->Count() != 1) return false;
  return CardRules::FitsFoundation(target, dragged->FList.front());
}

TSendHome SendHomeTarget(const TCard* card, const std::vector<const TCardPile*>& foundations,
                         const std::vector<const TCardPile*>& freeCells) {
  if (!card) return {};
  for (int i = 0; i < int(foundations.size()); ++i)
    if (CardRules::FitsFoundation(foundations[std::size_t(i)], card)) return {THome::Foundation, i};
  if (card->FValue == CS_ACE) return {};
  for (int i = 0; i < int(freeCells.size()); ++i)
    if (freeCells[std::size_t(i)]->Count() == 0) return {THome::FreeCell, i};
  return {};
}

}  // namespace SeaTowersRules
