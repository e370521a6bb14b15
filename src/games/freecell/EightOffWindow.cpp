#include "games/freecell/EightOffWindow.h"

#include "games/GameVariants.h"
#include "games/freecell/EightOffLayouts.h"

TEightOffForm* EightOffForm = nullptr;
TsEightOffForm* sEightOffForm = nullptr;
ThEightOffForm* hEightOffForm = nullptr;

const TGameSpec TEightOffForm::Spec{.Name = "Eight Off",
                                    .Section = "EightOff",
                                    .Decks = 1,
                                    .CardsToWin = FreeCellRules::CardsToWin,
                                    .Threshold = FreeCellRules::Threshold,
                                    .Vegas = false,
                                    .HelpTopic = 1023,
                                    .NumberPanel = FreeCellLayouts::NumberPanel,
                                    .ScorePanel = FreeCellLayouts::ScorePanel};

TEightOffForm::TEightOffForm(QWidget* owner) : TEightOffForm(EightOffLayouts::Large, owner) {}

TEightOffForm::TEightOffForm(const TFormLayout& layout, QWidget* owner)
    : TFreeCellForm(Spec, FreeCellRules::EightOff, layout, owner) {}

TEightOffForm::~TEightOffForm() { ForgetGameWindow(EightOffForm, this); }

TsEightOffForm::TsEightOffForm(QWidget* owner) : TEightOffForm(EightOffLayouts::Small, owner) {}
TsEightOffForm::~TsEightOffForm() { ForgetGameWindow(sEightOffForm, this); }

ThEightOffForm::ThEightOffForm(QWidget* owner) : TEightOffForm(EightOffLayouts::Huge, owner) {}
ThEightOffForm::~ThEightOffForm() { ForgetGameWindow(hEightOffForm, this); }

TEightOffForm* CreateEightOffWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sEightOffForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hEightOffForm, owner);
  return CreateGameWindow(EightOffForm, owner);
}
