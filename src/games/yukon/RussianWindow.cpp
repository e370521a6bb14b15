#include "games/yukon/RussianWindow.h"

#include "engine/Card.h"
#include "games/GameVariants.h"
#include "games/yukon/YukonLayouts.h"
#include "games/yukon/YukonRules.h"

TRussianForm* RussianForm = nullptr;
TsRussianForm* sRussianForm = nullptr;
ThRussianForm* hRussianForm = nullptr;

const TGameSpec TRussianForm::Spec{.Name = "Russian Pellamy",
                                   .Section = "RussianPellamy",
                                   .Decks = 1,
                                   .CardsToWin = 52,
                                   .Threshold = 5,
                                   .Vegas = true,
                                   .HelpTopic = 1014,
                                   .NumberPanel = 2,
                                   .ScorePanel = 3};

TRussianForm::TRussianForm(QWidget* owner) : TRussianForm(RussianLayouts::Large, owner) {}

TRussianForm::TRussianForm(const TFormLayout& layout, QWidget* owner) : TYukonForm(Spec, layout, owner) {}

TRussianForm::~TRussianForm() { ForgetGameWindow(RussianForm, this); }

bool TRussianForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return CanDropInSuit(target, source);
}

// ---- card-size variants --------------------------------------------------------------------

TsRussianForm::TsRussianForm(QWidget* owner) : TRussianForm(RussianLayouts::Small, owner) {}
TsRussianForm::~TsRussianForm() { ForgetGameWindow(sRussianForm, this); }

ThRussianForm::ThRussianForm(QWidget* owner) : TRussianForm(RussianLayouts::Huge, owner) {}
ThRussianForm::~ThRussianForm() { ForgetGameWindow(hRussianForm, this); }

TRussianForm* CreateRussianWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sRussianForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hRussianForm, owner);
  return CreateGameWindow(RussianForm, owner);
}
