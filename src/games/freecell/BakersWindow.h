#pragma once
// Baker's Game: Free Cell with runs built in suit. TsBakersForm and ThBakersForm are the
// small- and huge-card windows.

#include "games/freecell/FreeCellWindow.h"

class TBakersForm : public TFreeCellForm {
  Q_OBJECT
public:
  explicit TBakersForm(QWidget* owner = nullptr);
  ~TBakersForm() override;

  static const TGameSpec Spec;

protected:
  TBakersForm(const TFormLayout& layout, QWidget* owner);
};

class TsBakersForm : public TBakersForm {
  Q_OBJECT
public:
  explicit TsBakersForm(QWidget* owner = nullptr);
  ~TsBakersForm() override;
};

class ThBakersForm : public TBakersForm {
  Q_OBJECT
public:
  explicit ThBakersForm(QWidget* owner = nullptr);
  ~ThBakersForm() override;
};

extern TBakersForm* BakersForm;
extern TsBakersForm* sBakersForm;
extern ThBakersForm* hBakersForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TBakersForm* CreateBakersWindow(int cardSize, QWidget* owner = nullptr);
