#pragma once
// Cards in a triangle of fixed positions: row r (0 at the top) holds r + 1 cards at
// positions r(r+1)/2 .. r(r+1)/2 + r; an empty position is a null entry of FCards. The
// card at position p in row r is covered by positions p + r + 1 and p + r + 2.

#include "engine/CardPileView.h"

class TPyramidPileView : public TCardPileView {
  Q_OBJECT
public:
  explicit TPyramidPileView(QWidget* parent = nullptr);

  int Rows = 7;
  int NumCards = 28;  // number of positions

  int FDragPos = -1;           // position of the card being dragged
  TCard* FOverCard = nullptr;  // found by OverCard; the games clear it first

  virtual void SetRows(int rows);
  // Sizes the view to hold Rows rows at the current card size and offsets.
  void CalcPyramidSize();
  static int GetRow(int pos);
  bool IsCardCovered(const TCard* card) const;
  // The uncovered card whose last drawn rectangle holds (x, y), later positions first;
  // FOverCard is left as it was when none does.
  TCard* OverCard(int x, int y);

protected:
  void Paint(QPainter& canvas) override;
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
  bool LiftDragCards() override;
  void BuildDragImages() override;
  void RestoreDragCards() override;
  void DoEndDrag(QObject* target, int x, int y) override;

private:
  bool HoldsCard(int pos) const;
};
