#include "games/yukon/DoubleYukonWindow.h"

#include "engine/Card.h"
#include "games/GameVariants.h"
#include "games/yukon/YukonLayouts.h"
#include "games/yukon/YukonRules.h"

TDoubleYukonForm* DoubleYukonForm = nullptr;
TsDoubleYukonForm* sDoubleYukonForm = nullptr;
ThDoubleYukonForm* hDoubleYukonForm = nullptr;

const TGameSpec TDoubleYukonForm::Spec{.Name = "Double Yukon",
                                       .Section = "DoubleYukon",
                                       .Decks = 2,
                                       .CardsToWin = 104,
                                       .Threshold = 10,
                                       .Vegas = false,
                                       .HelpTopic = 1019,
                                       .NumberPanel = 2,
                                       .ScorePanel = 3};

TDoubleYukonForm::TDoubleYukonForm(QWidget* owner) : TDoubleYukonForm(DoubleYukonLayouts::Large, owner) {}

TDoubleYukonForm::TDoubleYukonForm(const TFormLayout& layout, QWidget* owner)
    : TYukonForm(Spec, layout, owner) {}

TDoubleYukonForm::~TDoubleYukonForm() { ForgetGameWindow(DoubleYukonForm, this); }

const std::vector<KlondikeRules::TDealStep>& TDoubleYukonForm::DealSteps() const {
  return YukonRules::DoubleYukonSteps();
}

// ---- card-size variants --------------------------------------------------------------------

TsDoubleYukonForm::TsDoubleYukonForm(QWidget* owner) : TDoubleYukonForm(DoubleYukonLayouts::Small, owner) {}
TsDoubleYukonForm::~TsDoubleYukonForm() { ForgetGameWindow(sDoubleYukonForm, this); }

ThDoubleYukonForm::ThDoubleYukonForm(QWidget* owner) : TDoubleYukonForm(DoubleYukonLayouts::Huge, owner) {}
ThDoubleYukonForm::~ThDoubleYukonForm() { ForgetGameWindow(hDoubleYukonForm, this); }

TDoubleYukonForm* CreateDoubleYukonWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sDoubleYukonForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hDoubleYukonForm, owner);
  return CreateGameWindow(DoubleYukonForm, owner);
}
