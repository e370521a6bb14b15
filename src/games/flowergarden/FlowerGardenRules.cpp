#include "games/flowergarden/FlowerGardenRules.h"

namespace FlowerGardenRules {

void Deal(TCardPile* deck, TCardPile* const* tableau, const std::function<void(int pile)>& observer) {
  for (int pass = 0; pass < 6; ++pass) {
    for (int pile = 0; pile < TableauCount; ++pile) {
      TCard* card = deck->CardAt(TopOfPile);
      if (!card) return;
      deck->RemoveCard(card);
      card->FFaceUp = true;
      tableau[pile]->AddCard(card);
      if (observer) observer(pile);
    }
    if (observer) observer(-1);
  }
  for (TCard* card : deck->FList) card->FFaceUp = true;
  Renumber(deck);
}

void Renumber(TCardPile* pile) {
  for (int i = 0; i < pile->Count(); ++i)
    if (TCard* card = pile->FList[std::size_t(i)]) card->SetPos(i);
}

}  // namespace FlowerGardenRules
