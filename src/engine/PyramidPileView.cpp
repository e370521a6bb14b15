#include "engine/PyramidPileView.h"

#include <QPainter>

TPyramidPileView::TPyramidPileView(QWidget* parent) : TCardPileView(parent) {
  Rows = 7;
  NumCards = 28;
  CalcPyramidSize();
}

void TPyramidPileView::SetRows(int rows) {
  Rows = rows;
  NumCards = rows < 1 ? 0 : rows * (rows + 1) / 2;
  CalcPyramidSize();
}

void TPyramidPileView::CalcPyramidSize() {
  const QSize cardSize = CardSize();
  const int size = TCard::GetCardSize();
  int term;
  if (size == CS_SMALL)
    term = 47 * Rows + 48 + 5;
  else if (size == CS_HUGE)
    term = 94 * Rows + 94 + 15;
  else
    term = 62 * Rows + 63 + 10;
  const int w = static_cast<int>((Rows - 1) * XOffset + Rows * cardSize.width());
  const int h = static_cast<int>((Rows - 1) * YOffset + term);
  resize(std::max(w, 0), std::max(h, 0));
}

int TPyramidPileView::GetRow(int pos) {
  int row = 0;
  int remaining = pos;
  while (remaining - row > 0) {
    row = row + 1;
    remaining = remaining - row;
  }
  return row;
}

bool TPyramidPileView::HoldsCard(int pos) const {
  return pos >= 0 && pos < FCards->Count() && FCards->FList[static_cast<std::size_t>(pos)];
}

bool TPyramidPileView::IsCardCovered(const TCard* card) const {
  if (!card) return false;
  const int row = card->FRow;
  if (row >= Rows - 1) return false;
  const int left = card->FPos + row + 1;
  const int right = card->FPos + row + 2;
  if (HoldsCard(left) || HoldsCard(right)) return true;
  // The lifted card still covers until it is gone for good.
  return Dragging() && (left == FDragPos || right == FDragPos);
}

TCard* TPyramidPileView::OverCard(int x, int y) {
  const QSize cardSize = CardSize();
  const int last = std::min(NumCards, FCards->Count());
  for (int pos = 0; pos < last; ++pos) {
    TCard* card = FCards->FList[static_cast<std::size_t>(pos)];
    if (!card || IsCardCovered(card)) continue;
    const QRect cardRect(static_cast<int>(card->FX), static_cast<int>(card->FY),
                         cardSize.width(), cardSize.height());
    if (cardRect.contains(x, y)) FOverCard = card;
  }
  return FOverCard;
}

void TPyramidPileView::Paint(QPainter& canvas) {
  PaintBackground(canvas);
  if (IsBordered) PaintBorder(canvas);
  const QSize cardSize = CardSize();
  const float halfCard = cardSize.width() / 2.0f;
  float x0 = width() / 2 - halfCard;
  int x = 0;
  int currentRow = 0;
  for (int pos = 0; pos < FCards->Count(); ++pos) {
    const int row = GetRow(pos);
    if (pos == 0) {
      x = static_cast<int>(x0);
    } else if (row != currentRow) {
      // Each row starts half a card (and half the gap) further left.
      x0 -= halfCard + XOffset / 2;
      x = static_cast<int>(x0);
    } else {
      x = static_cast<int>(cardSize.width() + XOffset + x);
    }
    currentRow = row;
    const int y = static_cast<int>(row * (cardSize.height() / 2.0f + YOffset));
    TCard* card = FCards->FList[static_cast<std::size_t>(pos)];
    if (!card) continue;
    card->FX = static_cast<float>(x);
    card->FY = static_cast<float>(y);
    DrawCard(canvas, card, QPoint(x, y));
  }
  FXStep = XOffset;
  FYStep = YOffset;
  PaintPeek(canvas);
}

void TPyramidPileView::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                 int y) {
  FHitCard = nullptr;
  FOverCard = nullptr;
  TCardPileView::MouseDown(button, shift, x, y);
}

bool TPyramidPileView::LiftDragCards() {
  if (!FHitCard) return false;
  const int index = FCards->CardIndex(FHitCard);
  if (index < 0) return false;
  FDragPile->Empty(false);
  FDragPile->AddCard(FHitCard);
  FDragPos = index;
  FCards->SetToNull(index);
  return true;
}

void TPyramidPileView::BuildDragImages() { BuildSingleCardImages(); }

void TPyramidPileView::RestoreDragCards() {
  TCard* card = FDragPile->CardAt(TopOfPile);
  if (!card) return;
  if (HoldsCard(FDragPos) || FDragPos < 0 || FDragPos >= FCards->Count())
    FCards->AddCard(card);  // the slot was taken meanwhile: keep the card anyway
  else
    FCards->SetToCard(card, FDragPos);
}

void TPyramidPileView::DoEndDrag(QObject* target, int x, int y) {
  FDragImages.Clear();
  TCardPileView* dropTarget = FDropTarget.data();
  const int pairIndex = FOverCard ? FCards->CardIndex(FOverCard) : -1;
  if (dropTarget == this && pairIndex < 0) dropTarget = nullptr;  // no partner found
  if (!dropTarget) {
    FDropTarget = nullptr;
    RestoreDragCards();
    repaint();
  } else if (dropTarget == this) {
    // A pair within the pyramid: the partner's slot empties, the game takes both cards.
    FCards->SetToNull(pairIndex);
    repaint();
  }
  // Any other target: the dragged card stays out; the game places it.
  if (OnEndDrag) OnEndDrag(this, target, x, y);
  FOverCard = nullptr;
}
