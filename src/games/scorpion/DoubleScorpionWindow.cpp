#include "games/scorpion/DoubleScorpionWindow.h"

#include "games/GameVariants.h"
#include "games/scorpion/DoubleScorpionLayouts.h"

TDoubleScorpionForm* DoubleScorpionForm = nullptr;
TsDoubleScorpionForm* sDoubleScorpionForm = nullptr;
ThDoubleScorpionForm* hDoubleScorpionForm = nullptr;

const TGameSpec TDoubleScorpionForm::Spec{.Name = "Double Scorpion",
                                          .Section = "DoubleScorpion",
                                          .Decks = 2,
                                          .CardsToWin = 104,
                                          .Threshold = 10,
                                          .Vegas = false,
                                          .HelpTopic = 1018,
                                          .NumberPanel = ScorpionLayouts::NumberPanel,
                                          .ScorePanel = ScorpionLayouts::ScorePanel};

TDoubleScorpionForm::TDoubleScorpionForm(QWidget* owner) : TDoubleScorpionForm(DoubleScorpionLayouts::Large, owner) {}
TDoubleScorpionForm::TDoubleScorpionForm(const TFormLayout& layout, QWidget* owner)
    : TScorpionForm(Spec, layout, owner) {}
TDoubleScorpionForm::~TDoubleScorpionForm() { ForgetGameWindow(DoubleScorpionForm, this); }

void TDoubleScorpionForm::DealLayout(bool animate) {
  DealSteps(ScorpionRules::DealSteps(ScorpionRules::TGame::DoubleScorpion), animate);
}

TsDoubleScorpionForm::TsDoubleScorpionForm(QWidget* owner) : TDoubleScorpionForm(DoubleScorpionLayouts::Small, owner) {}
TsDoubleScorpionForm::~TsDoubleScorpionForm() { ForgetGameWindow(sDoubleScorpionForm, this); }

ThDoubleScorpionForm::ThDoubleScorpionForm(QWidget* owner) : TDoubleScorpionForm(DoubleScorpionLayouts::Huge, owner) {}
ThDoubleScorpionForm::~ThDoubleScorpionForm() { ForgetGameWindow(hDoubleScorpionForm, this); }

TDoubleScorpionForm* CreateDoubleScorpionWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sDoubleScorpionForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hDoubleScorpionForm, owner);
  return CreateGameWindow(DoubleScorpionForm, owner);
}
