#pragma once
// Eight Off: eight free cells, four of them filled by the deal; runs build in suit and
// are only as long as the empty free cells allow; only Kings fill an empty column.
// TsEightOffForm and ThEightOffForm are the small- and huge-card windows.

#include "games/freecell/FreeCellWindow.h"

class TEightOffForm : public TFreeCellForm {
  Q_OBJECT
public:
  explicit TEightOffForm(QWidget* owner = nullptr);
  ~TEightOffForm() override;

  static const TGameSpec Spec;

protected:
  TEightOffForm(const TFormLayout& layout, QWidget* owner);
};

class TsEightOffForm : public TEightOffForm {
  Q_OBJECT
public:
  explicit TsEightOffForm(QWidget* owner = nullptr);
  ~TsEightOffForm() override;
};

class ThEightOffForm : public TEightOffForm {
  Q_OBJECT
public:
  explicit ThEightOffForm(QWidget* owner = nullptr);
  ~ThEightOffForm() override;
};

extern TEightOffForm* EightOffForm;
extern TsEightOffForm* sEightOffForm;
extern ThEightOffForm* hEightOffForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer with
// its first game dealt; not shown.
TEightOffForm* CreateEightOffWindow(int cardSize, QWidget* owner = nullptr);
