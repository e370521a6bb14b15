#pragma once
// The control that shows one pile of cards and lets the user drag from it.

#include <QWidget>

class TCardPileView : public QWidget {
  Q_OBJECT
public:
  explicit TCardPileView(QWidget* parent = nullptr) : QWidget(parent) {}

  // Pictures shared by every view (recycle and empty marks, drag shadow) at the current
  // card size; the card pictures call these when the size or look changes.
  static void LoadPileBitmaps();
  static void FreePileBitmaps();
};
