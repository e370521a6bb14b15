#pragma once
// Double Yukon: Yukon with two decks over ten tableau piles and eight foundations; no Vegas
// scoring, and a deal counts from ten moves.
// TDoubleYukonForm's small- and huge-card windows are TsDoubleYukonForm and ThDoubleYukonForm.

#include "games/yukon/YukonWindow.h"

class TDoubleYukonForm : public TYukonForm {
  Q_OBJECT
public:
  explicit TDoubleYukonForm(QWidget* owner = nullptr);
  ~TDoubleYukonForm() override;

  static const TGameSpec Spec;

protected:
  TDoubleYukonForm(const TFormLayout& layout, QWidget* owner);
  const std::vector<KlondikeRules::TDealStep>& DealSteps() const override;
};

class TsDoubleYukonForm : public TDoubleYukonForm {
  Q_OBJECT
public:
  explicit TsDoubleYukonForm(QWidget* owner = nullptr);
  ~TsDoubleYukonForm() override;
};

class ThDoubleYukonForm : public TDoubleYukonForm {
  Q_OBJECT
public:
  explicit ThDoubleYukonForm(QWidget* owner = nullptr);
  ~ThDoubleYukonForm() override;
};

extern TDoubleYukonForm* DoubleYukonForm;
extern TsDoubleYukonForm* sDoubleYukonForm;
extern ThDoubleYukonForm* hDoubleYukonForm;

// The window of a card size (0 small, 1 large, 2 huge), made into its global pointer
// with its first game dealt; not shown.
TDoubleYukonForm* CreateDoubleYukonWindow(int cardSize, QWidget* owner = nullptr);
