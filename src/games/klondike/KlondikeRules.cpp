#include "games/klondike/KlondikeRules.h"

#include "games/CardRules.h"

namespace KlondikeRules {

const std::vector<TDealStep>& DealSteps() {
  static const std::vector<TDealStep> steps = [] {
    std::vector<TDealStep> list;
    for (int pass = 0; pass < TableauCount; ++pass)
      for (int pile = pass; pile < TableauCount; ++pile)
        list.push_back({pile, pile == pass, pile == TableauCount - 1});
    return list;
  }();
  return steps;
}

void DealCard(TCardPile* stock, TCardPile* pile, bool faceUp) {
  TCard* card = stock->CardAt(TopOfPile);
  if (!card) return;
  stock->RemoveCard(card);
  card->FFaceUp = faceUp;
  pile->AddCard(card);
}

void DealLayout(TCardPile* stock, TCardPile* const* tableau) {
  for (const TDealStep& step : DealSteps()) DealCard(stock, tableau[step.Pile], step.FaceUp);
}

bool CanDropOnTableau(const TCardPile* target, const TCard* bottom) {
  if (!target || !bottom) return false;
  if (target->Count() == 0) return bottom->FValue == CS_KING;
  return CardRules::BuildsDownAlternate(target->FList.back(), bottom);
}

bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged) {
  if (!dragged || dragged->Count() != 1) return false;
  return CardRules::FitsFoundation(target, dragged->FList.front());
}

int TurnStock(TCardPile* stock, TCardPile* waste, int count, TCardPile* turned) {
  int done = 0;
  while (done < count && stock->Count() > 0) {
    TCard* card = stock->FList.back();
    stock->FList.pop_back();
    card->FFaceUp = true;
    waste->AddCard(card);
    if (turned) turned->AddCard(card);
    ++done;
  }
  return done;
}

void Redeal(TCardPile* waste, TCardPile* stock, TCardPile* moved) {
  if (moved) waste->CopyPileTo(moved);
  stock->AddPile(waste);
  waste->Empty(false);
  stock->Flip();
}

}  // namespace KlondikeRules
