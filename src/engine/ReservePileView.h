#pragma once
// Flower Garden's reserve: a fan from which any single card may be dragged out.

#include "engine/CardPileView.h"

class TReservePileView : public TCardPileView {
  Q_OBJECT
public:
  explicit TReservePileView(QWidget* parent = nullptr) : TCardPileView(parent) {}

protected:
  bool LiftDragCards() override;
  void BuildDragImages() override;
  void RestoreDragCards() override;
  void DoEndDrag(QObject* target, int x, int y) override;
};
