#include "games/freecell/BakersWindow.h"

#include "games/GameVariants.h"
#include "games/freecell/BakersLayouts.h"

TBakersForm* BakersForm = nullptr;
TsBakersForm* sBakersForm = nullptr;
ThBakersForm* hBakersForm = nullptr;

const TGameSpec TBakersForm::Spec{.Name = "Baker's Game",
                                  .Section = "BakersGame",
                                  .Decks = 1,
                                  .CardsToWin = FreeCellRules::CardsToWin,
                                  .Threshold = FreeCellRules::Threshold,
                                  .Vegas = false,
                                  .HelpTopic = 1022,
                                  .NumberPanel = FreeCellLayouts::NumberPanel,
                                  .ScorePanel = FreeCellLayouts::ScorePanel};

TBakersForm::TBakersForm(QWidget* owner) : TBakersForm(BakersLayouts::Large, owner) {}

TBakersForm::TBakersForm(const TFormLayout& layout, QWidget* owner)
    : TFreeCellForm(Spec, FreeCellRules::Bakers, layout, owner) {}

TBakersForm::~TBakersForm() { ForgetGameWindow(BakersForm, this); }

TsBakersForm::TsBakersForm(QWidget* owner) : TBakersForm(BakersLayouts::Small, owner) {}
TsBakersForm::~TsBakersForm() { ForgetGameWindow(sBakersForm, this); }

ThBakersForm::ThBakersForm(QWidget* owner) : TBakersForm(BakersLayouts::Huge, owner) {}
ThBakersForm::~ThBakersForm() { ForgetGameWindow(hBakersForm, this); }

TBakersForm* CreateBakersWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sBakersForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hBakersForm, owner);
  return CreateGameWindow(BakersForm, owner);
}
