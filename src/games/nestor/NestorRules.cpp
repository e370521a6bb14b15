#include "games/nestor/NestorRules.h"

namespace NestorRules {

namespace {

bool HoldsRank(const TCardPile* pile, int value) {
  for (const TCard* card : pile->FList)
    if (card && card->FValue == value) return true;
  return false;
}

TCard* TakeTop(TCardPile* stock) {
  TCard* card = stock->CardAt(TopOfPile);
  if (card) stock->RemoveCard(card);
  return card;
}

void PutFaceUp(TCardPile* pile, TCard* card) {
  card->FFaceUp = true;
  pile->AddCard(card);
}

}  // namespace

void DealColumnCard(TCardPile* stock, TCardPile* const* columns, int column) {
  TCardPile* pile = columns[column];
  TCard* card = TakeTop(stock);
  if (!card) return;
  if (pile->Count() == 0) {
    PutFaceUp(pile, card);
    return;
  }
  bool gaveUp = false;
  for (int scans = 0;;) {
    bool changed = false;
    for (int i = pile->Count() - 1; i >= 0; --i) {
      if (pile->FList[static_cast<std::size_t>(i)]->FValue != card->FValue) continue;
      stock->InsertCard(card, 0);
      card = TakeTop(stock);
      changed = true;
    }
    if (!changed) break;
    if (++scans > MaxScans) {
      gaveUp = true;
      break;
    }
  }
  if (gaveUp) {
    for (int other = 0; other < ColumnCount - 1; ++other) {
      TCardPile* swap = columns[other];
      if (HoldsRank(swap, card->FValue) || swap->Count() == 0) continue;
      TCard* top = TakeTop(swap);
      PutFaceUp(swap, card);
      card = top;
      break;
    }
  }
  PutFaceUp(pile, card);
}

void DealReserve(TCardPile* stock, TCardPile* const* reserve) {
  for (int i = 1; i < ReserveCount; ++i)
    if (TCard* card = TakeTop(stock)) PutFaceUp(reserve[i], card);
  if (TCard* card = TakeTop(stock)) PutFaceUp(reserve[0], card);
}

bool Pairs(const TCard* a, const TCard* b) { return a && b && a != b && a->FValue == b->FValue; }

}  // namespace NestorRules
