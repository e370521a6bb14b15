#pragma once
// The waste of the draw-one and draw-three games: only the top two cards, or in
// draw-three mode the top four, are shown, each a few pixels along.

#include "engine/CardPileView.h"

class TWastePileView : public TCardPileView {
  Q_OBJECT
public:
  explicit TWastePileView(QWidget* parent = nullptr) : TCardPileView(parent) {}

  bool DrawThree = false;

protected:
  void Paint(QPainter& canvas) override;
};
