#pragma once
// Scorpion II: Scorpion with face-down cards under the first three piles only. Its small-
// and huge-card windows derive from Scorpion's (TsScorpionForm, ThScorpionForm) and state
// the same deal themselves.

#include "games/scorpion/ScorpionWindow.h"

class TScorpion2Form : public TScorpionForm {
  Q_OBJECT
public:
  explicit TScorpion2Form(QWidget* owner = nullptr);
  ~TScorpion2Form() override;

  static const TGameSpec Spec;

protected:
  void DealLayout(bool animate) override;
};

class TsScorpion2Form : public TsScorpionForm {
  Q_OBJECT
public:
  explicit TsScorpion2Form(QWidget* owner = nullptr);
  ~TsScorpion2Form() override;

protected:
  void DealLayout(bool animate) override;
};

class ThScorpion2Form : public ThScorpionForm {
  Q_OBJECT
public:
  explicit ThScorpion2Form(QWidget* owner = nullptr);
  ~ThScorpion2Form() override;

protected:
  void DealLayout(bool animate) override;
};

extern TScorpion2Form* Scorpion2Form;
extern TsScorpion2Form* sScorpion2Form;
extern ThScorpion2Form* hScorpion2Form;

TScorpionForm* CreateScorpion2Window(int cardSize, QWidget* owner = nullptr);
