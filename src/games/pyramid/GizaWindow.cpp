#include "games/pyramid/GizaWindow.h"

#include "engine/CardUndo.h"
#include "games/GameVariants.h"
#include "games/pyramid/GizaLayouts.h"
#include "games/pyramid/PyramidRules.h"

TGizaForm* GizaForm = nullptr;
TsGizaForm* sGizaForm = nullptr;
ThGizaForm* hGizaForm = nullptr;

const TGameSpec TGizaForm::Spec{.Name = "Giza",
                                .Section = "Giza",
                                .Decks = 1,
                                .CardsToWin = PyramidRules::CardsToWin,
                                .Threshold = 3,
                                .Vegas = false,
                                .HelpTopic = 1029,
                                .NumberPanel = 1,
                                .ScorePanel = 2,
                                .LaunchUp = false};

TGizaForm::TGizaForm(QWidget* owner) : TGizaForm(GizaLayouts::Large, owner) {}

TGizaForm::TGizaForm(const TFormLayout& layout, QWidget* owner) : TPairingForm(Spec, layout, owner) {}

TGizaForm::~TGizaForm() { ForgetGameWindow(GizaForm, this); }

void TGizaForm::InitPiles() {
  TPairingForm::InitPiles();
  // The game moves both cards of a pair itself.
  for (TCardPileView* pile : FTableau) pile->FManualDrop = true;
}

void TGizaForm::DeckPileViewClick(QObject*) {}

void TGizaForm::DealLayout(bool animate) {
  DealPyramidCards(animate);
  for (int pass = 0; pass < 3; ++pass) {
    for (TCardPileView* pile : FTableau) DealCardTo(pile, true, animate);
    DealPassDone(animate);
  }
}

std::vector<TCardPileView*> TGizaForm::SmartPairPiles() const {
  // The fuller piles first: freeing their cards opens the most play.
  std::vector<TCardPileView*> order;
  for (int more : {2, 1, 0})
    for (TCardPileView* pile : FTableau)
      if (pile->FCards->Count() > more) order.push_back(pile);
  return order;
}

bool TGizaForm::UndoGameStep() {
  UndoRemoval();
  return true;
}

bool TGizaForm::RedoGameStep() {
  RedoRemoval();
  return true;
}

// ---- card-size variants --------------------------------------------------------------------

TsGizaForm::TsGizaForm(QWidget* owner) : TGizaForm(GizaLayouts::Small, owner) {}
TsGizaForm::~TsGizaForm() { ForgetGameWindow(sGizaForm, this); }

ThGizaForm::ThGizaForm(QWidget* owner) : TGizaForm(GizaLayouts::Huge, owner) {}
ThGizaForm::~ThGizaForm() { ForgetGameWindow(hGizaForm, this); }

TGizaForm* CreateGizaWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sGizaForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hGizaForm, owner);
  return CreateGameWindow(GizaForm, owner);
}
