#include "games/scorpion/Scorpion2Window.h"

#include "games/GameVariants.h"
#include "games/scorpion/ScorpionLayouts.h"

TScorpion2Form* Scorpion2Form = nullptr;
TsScorpion2Form* sScorpion2Form = nullptr;
ThScorpion2Form* hScorpion2Form = nullptr;

using ScorpionRules::TGame;

const TGameSpec TScorpion2Form::Spec{.Name = "Scorpion II",
                                     .Section = "Scorpion2",
                                     .Decks = 1,
                                     .CardsToWin = 52,
                                     .Threshold = 5,
                                     .Vegas = false,
                                     .HelpTopic = 1026,
                                     .NumberPanel = ScorpionLayouts::NumberPanel,
                                     .ScorePanel = ScorpionLayouts::ScorePanel};

TScorpion2Form::TScorpion2Form(QWidget* owner) : TScorpionForm(Spec, ScorpionLayouts::Large, owner) {}
TScorpion2Form::~TScorpion2Form() { ForgetGameWindow(Scorpion2Form, this); }
void TScorpion2Form::DealLayout(bool animate) { DealSteps(ScorpionRules::DealSteps(TGame::Scorpion2), animate); }

TsScorpion2Form::TsScorpion2Form(QWidget* owner) : TsScorpionForm(TScorpion2Form::Spec, owner) {}
TsScorpion2Form::~TsScorpion2Form() { ForgetGameWindow(sScorpion2Form, this); }
void TsScorpion2Form::DealLayout(bool animate) { DealSteps(ScorpionRules::DealSteps(TGame::Scorpion2), animate); }

ThScorpion2Form::ThScorpion2Form(QWidget* owner) : ThScorpionForm(TScorpion2Form::Spec, owner) {}
ThScorpion2Form::~ThScorpion2Form() { ForgetGameWindow(hScorpion2Form, this); }
void ThScorpion2Form::DealLayout(bool animate) { DealSteps(ScorpionRules::DealSteps(TGame::Scorpion2), animate); }

TScorpionForm* CreateScorpion2Window(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sScorpion2Form, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hScorpion2Form, owner);
  return CreateGameWindow(Scorpion2Form, owner);
}
