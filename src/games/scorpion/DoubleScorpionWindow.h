#pragma once
// Double Scorpion: Scorpion with two decks on ten piles, all 104 cards dealt, no stock.
// TsDoubleScorpionForm and ThDoubleScorpionForm are the small- and huge-card windows.

#include "games/scorpion/ScorpionWindow.h"

class TDoubleScorpionForm : public TScorpionForm {
  Q_OBJECT
public:
  explicit TDoubleScorpionForm(QWidget* owner = nullptr);
  ~TDoubleScorpionForm() override;

  static const TGameSpec Spec;

protected:
  TDoubleScorpionForm(const TFormLayout& layout, QWidget* owner);
  void DealLayout(bool animate) override;
};

class TsDoubleScorpionForm : public TDoubleScorpionForm {
  Q_OBJECT
public:
  explicit TsDoubleScorpionForm(QWidget* owner = nullptr);
  ~TsDoubleScorpionForm() override;
};

class ThDoubleScorpionForm : public TDoubleScorpionForm {
  Q_OBJECT
public:
  explicit ThDoubleScorpionForm(QWidget* owner = nullptr);
  ~ThDoubleScorpionForm() override;
};

extern TDoubleScorpionForm* DoubleScorpionForm;
extern TsDoubleScorpionForm* sDoubleScorpionForm;
extern ThDoubleScorpionForm* hDoubleScorpionForm;

TDoubleScorpionForm* CreateDoubleScorpionWindow(int cardSize, QWidget* owner = nullptr);
