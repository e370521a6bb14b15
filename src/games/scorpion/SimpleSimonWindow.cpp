#include "games/scorpion/SimpleSimonWindow.h"

#include "games/GameVariants.h"
#include "games/scorpion/SimpleSimonLayouts.h"

TSimpleSimonForm* SimpleSimonForm = nullptr;
TsSimpleSimonForm* sSimpleSimonForm = nullptr;
ThSimpleSimonForm* hSimpleSimonForm = nullptr;

const TGameSpec TSimpleSimonForm::Spec{.Name = "Simple Simon",
                                       .Section = "SimpleSimon",
                                       .Decks = 1,
                                       .CardsToWin = 52,
                                       .Threshold = 5,
                                       .Vegas = false,
                                       .HelpTopic = 1030,
                                       .NumberPanel = ScorpionLayouts::NumberPanel,
                                       .ScorePanel = ScorpionLayouts::ScorePanel};

TSimpleSimonForm::TSimpleSimonForm(QWidget* owner) : TSimpleSimonForm(SimpleSimonLayouts::Large, owner) {}
TSimpleSimonForm::TSimpleSimonForm(const TFormLayout& layout, QWidget* owner) : TScorpionForm(Spec, layout, owner) {}
TSimpleSimonForm::~TSimpleSimonForm() { ForgetGameWindow(SimpleSimonForm, this); }

void TSimpleSimonForm::DealLayout(bool animate) {
  DealSteps(ScorpionRules::DealSteps(ScorpionRules::TGame::SimpleSimon), animate);
}

bool TSimpleSimonForm::CanLift(TCardPileView* view, int index) {
  return ScorpionRules::CanLiftSuitRun(view->FCards, index);
}

bool TSimpleSimonForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return ScorpionRules::CanDropAnySuit(target->FCards, source->FDragPile->FList.front());
  }, true);
}

void TSimpleSimonForm::ChooseSmartTarget(TCardPileView* source) {
  if (source->FDragPile->Count() == 0) return;
  const _CardSuit suit = source->FDragPile->FList.front()->FSuit;
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && t->FCards->FList.back()->FSuit == suit && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
}

TsSimpleSimonForm::TsSimpleSimonForm(QWidget* owner) : TSimpleSimonForm(SimpleSimonLayouts::Small, owner) {}
TsSimpleSimonForm::~TsSimpleSimonForm() { ForgetGameWindow(sSimpleSimonForm, this); }

ThSimpleSimonForm::ThSimpleSimonForm(QWidget* owner) : TSimpleSimonForm(SimpleSimonLayouts::Huge, owner) {}
ThSimpleSimonForm::~ThSimpleSimonForm() { ForgetGameWindow(hSimpleSimonForm, this); }

TSimpleSimonForm* CreateSimpleSimonWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sSimpleSimonForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hSimpleSimonForm, owner);
  return CreateGameWindow(SimpleSimonForm, owner);
}
