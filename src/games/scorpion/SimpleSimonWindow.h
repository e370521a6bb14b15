#pragma once
// Simple Simon: all 52 cards dealt face up to ten piles as a staircase, no stock. Cards
// build down in any suit, only runs of one suit are lifted, and anything fills a space.
// TsSimpleSimonForm and ThSimpleSimonForm are the small- and huge-card windows.

#include "games/scorpion/ScorpionWindow.h"

class TSimpleSimonForm : public TScorpionForm {
  Q_OBJECT
public:
  explicit TSimpleSimonForm(QWidget* owner = nullptr);
  ~TSimpleSimonForm() override;

  static const TGameSpec Spec;

  bool CanDropOnTableau(TCardPileView* target, TCardPileView* source) override;

protected:
  TSimpleSimonForm(const TFormLayout& layout, QWidget* owner);
  void DealLayout(bool animate) override;
  bool CanLift(TCardPileView* view, int index) override;
  void ChooseSmartTarget(TCardPileView* source) override;
};

class TsSimpleSimonForm : public TSimpleSimonForm {
  Q_OBJECT
public:
  explicit TsSimpleSimonForm(QWidget* owner = nullptr);
  ~TsSimpleSimonForm() override;
};

class ThSimpleSimonForm : public TSimpleSimonForm {
  Q_OBJECT
public:
  explicit ThSimpleSimonForm(QWidget* owner = nullptr);
  ~ThSimpleSimonForm() override;
};

extern TSimpleSimonForm* SimpleSimonForm;
extern TsSimpleSimonForm* sSimpleSimonForm;
extern ThSimpleSimonForm* hSimpleSimonForm;

TSimpleSimonForm* CreateSimpleSimonWindow(int cardSize, QWidget* owner = nullptr);
