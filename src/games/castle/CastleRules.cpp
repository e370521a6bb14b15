#include "games/castle/CastleRules.h"

#include "games/CardRules.h"

namespace CastleRules {

namespace {
void Notify(const TDealObserver& observer, TDealEvent event, int pile) {
  if (observer) observer(event, pile);
}

TCard* TakeTop(TCardPile* deck) {
  TCard* card = deck->CardAt(TopOfPile);
  if (card) deck->RemoveCard(card);
  return card;
}
}  // namespace

void DealCastle(TCardPile* deck, TCardPile* const* foundations, TCardPile* const* rows,
                const TDealObserver& observer) {
  const std::vector<TCard*> bottomUp = deck->FList;
  for (TCard* card : bottomUp) {
    card->FFaceUp = true;
    if (card->FValue != CS_ACE) continue;
    for (int f = 0; f < FoundationCount; ++f)
      if (foundations[f]->Count() == 0) {
        deck->RemoveCard(card);
        foundations[f]->AddCard(card);
        Notify(observer, TDealEvent::Foundation, f);
        break;
      }
  }
  for (int pass = 0; pass < 6; ++pass) {
    for (int row = 0; row < CastleRows; ++row) {
      TCard* card = TakeTop(deck);
      // An Ace still in the deck (more than four) is passed over without using the turn.
      while (card && card->FValue == CS_ACE) card = TakeTop(deck);
      if (!card) return;
      rows[row]->AddCard(card);
      Notify(observer, TDealEvent::Tableau, row);
    }
    Notify(observer, TDealEvent::PassEnd, -1);
  }
}

void DealBakersDozen(TCardPile* deck, TCardPile* const* piles, const TDealObserver& observer) {
  for (int pass = 0; pass < 4; ++pass) {
    for (int pile = 0; pile < BakersDozenPiles; ++pile) {
      TCard* card = TakeTop(deck);
      if (!card) return;
      card->FFaceUp = true;
      if (card->FValue == CS_KING) piles[pile]->InsertCard(card, 0);
      else piles[pile]->AddCard(card);
      Notify(observer, TDealEvent::Tableau, pile);
    }
    Notify(observer, TDealEvent::PassEnd, -1);
  }
}

bool CanDropOnTableau(const TCardPile* target, const TCardPile* dragged, bool emptyTakesAny) {
  if (!target || !dragged || dragged->Count() != 1) return false;
  if (target->Count() == 0) return emptyTakesAny;
  return dragged->FList.front()->FValue + 1 == target->FList.back()->FValue;
}

bool CanDropOnFoundation(const TCardPile* target, const TCardPile* dragged) {
  if (!target || !dragged || dragged->Count() != 1) return false;
  return CardRules::FitsFoundation(target, dragged->FList.front());
}

}  // namespace CastleRules
