#pragma once
// Russian Pellamy: Yukon whose tableau builds down in suit.
// TRussianForm's small- and huge-card windows are TsRussianForm and ThRussianForm.

#include "games/yukon/YukonWindow.h"

class TRussianForm : public TYukonForm {
  Q_OBJECT
public:
  explicit TRussianForm(QWidget* owner = nullptr);
  ~TRussianForm() override;

  static const TGameSpec Spec;
  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;

protected:
  TRussianForm(const TFormLayout& layout, QWidget* owner);
};

class TsRussianForm : public TRussianForm {
  Q_OBJECT
public:
  explicit TsRussianForm(QWidget* owner = nullptr);
  ~TsRussianForm() override;
};

class ThRussianForm : public TRussianForm {
  Q_OBJECT
public:
  explicit ThRussianForm(QWidget* owner = nullptr);
  ~ThRussianForm() override;
};

extern TRussianForm* RussianForm;
extern TsRussianForm* sRussianForm;
extern ThRussianForm* hRussianForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TRussianForm* CreateRussianWindow(int cardSize, QWidget* owner = nullptr);
