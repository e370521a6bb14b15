#include "engine/WastePileView.h"

#include <QPainter>

void TWastePileView::Paint(QPainter& canvas) {
  PaintBackground(canvas);
  if (IsBordered) PaintBorder(canvas);
  const int count = FCards->Count();
  if (count == 0) PaintEmptyPicture(canvas);
  // Fixed pixel steps at every card size; buried cards keep (0, 0) as their place.
  const int shown = DrawThree ? 4 : 2;
  QPoint at(0, 0);
  for (int i = 0; i < count; ++i) {
    TCard* card = FCards->FList[static_cast<std::size_t>(i)];
    if (!card) continue;
    card->FX = static_cast<float>(at.x());
    card->FY = static_cast<float>(at.y());
    if (i < count - shown) continue;
    DrawCard(canvas, card, at);
    if (i == count - shown)
      at += QPoint(4, 2);  // the card under the fan peeks out a little
    else
      at += DrawThree ? QPoint(20, 2) : QPoint(4, 2);
  }
  FXStep = XOffset;
  FYStep = YOffset;
  PaintPeek(canvas);
}
