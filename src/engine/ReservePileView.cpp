#include "engine/ReservePileView.h"

#include <algorithm>

bool TReservePileView::LiftDragCards() {
  if (!FHitCard || FCards->CardIndex(FHitCard) < 0) return false;
  FDragPile->Empty(false);
  FDragPile->AddCard(FHitCard);
  FCards->RemoveCard(FHitCard);
  return true;
}

void TReservePileView::BuildDragImages() { BuildSingleCardImages(); }

void TReservePileView::RestoreDragCards() {
  TCard* card = FDragPile->CardAt(TopOfPile);
  if (!card) return;
  // Back between its old neighbours; a stale position still keeps the card.
  FCards->InsertCard(card, std::clamp(card->FPos, 0, FCards->Count()));
}

void TReservePileView::DoEndDrag(QObject* target, int x, int y) {
  TCardPileView* dropTarget = FDropTarget.data();
  if (!dropTarget || dropTarget == this) {
    FDropTarget = nullptr;
    RestoreDragCards();
    repaint();
  } else if (!FManualDrop) {
    dropTarget->FCards->AddPile(FDragPile);
    dropTarget->repaint();
    for (int i = 0; i < FCards->Count(); ++i)
      if (TCard* card = FCards->FList[static_cast<std::size_t>(i)]) card->SetPos(i);
  }
  if (OnEndDrag) OnEndDrag(this, target, x, y);
}
