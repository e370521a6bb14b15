#include "games/yukon/YukonWindow.h"

#include "engine/Card.h"
#include "games/GameVariants.h"
#include "games/yukon/YukonLayouts.h"
#include "games/yukon/YukonRules.h"

TYukonForm* YukonForm = nullptr;
TsYukonForm* sYukonForm = nullptr;
ThYukonForm* hYukonForm = nullptr;

const TGameSpec TYukonForm::Spec{.Name = "Yukon",
                                 .Section = "Yukon",
                                 .Decks = 1,
                                 .CardsToWin = 52,
                                 .Threshold = 5,
                                 .Vegas = true,
                                 .HelpTopic = 1016,
                                 .NumberPanel = 2,
                                 .ScorePanel = 3};

TYukonForm::TYukonForm(QWidget* owner) : TYukonForm(Spec, YukonLayouts::Large, owner) {}

TYukonForm::TYukonForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner)
    : TGameForm(spec, layout, owner),
      FGameTitle(QLatin1String(spec.Name)),
      FMoveThreshold(spec.Threshold),
      FCardsToWin(spec.CardsToWin) {}

TYukonForm::~TYukonForm() { ForgetGameWindow(YukonForm, this); }

void TYukonForm::InitPiles() {
  TGameForm::InitPiles();
  FFoundationCount = static_cast<int>(FFoundations.size());
  FTableauCount = static_cast<int>(FTableau.size());
}

void TYukonForm::BindHandlers(THandlerTable& table) {
  TGameForm::BindHandlers(table);
  table.Notify["TableauPileView1DblClick"] = [this](QObject* s) { TableauPileView1DblClick(s); };
}

void TYukonForm::TableauPileView1DblClick(QObject* Sender) { DiscardPileViewDblClick(Sender); }

void TYukonForm::FormKeyPress(QChar) {}

void TYukonForm::FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                               int Y) {
  // After a win a left click on a stock opens the win dialog once, through its click.
  if (FGameOver && Button == Qt::LeftButton && DeckPileView && Sender == DeckPileView) return;
  TGameForm::FormMouseDown(Sender, Button, Shift, X, Y);
}

const std::vector<KlondikeRules::TDealStep>& TYukonForm::DealSteps() const {
  return YukonRules::YukonSteps();
}

void TYukonForm::DealLayout(bool animate) {
  for (const KlondikeRules::TDealStep& step : DealSteps()) {
    DealCardTo(FTableau[static_cast<std::size_t>(step.Pile)], step.FaceUp, animate);
    if (step.PassEnd) DealPassDone(animate);
  }
}

bool TYukonForm::CanLift(TCardPileView* view, int index) {
  // Any face-up card goes with everything above it, in any order.
  if (index < 0 || index >= view->FCards->Count()) return false;
  return view->FCards->FList[static_cast<std::size_t>(index)]->FFaceUp;
}

bool TYukonForm::CanDropInSuit(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return YukonRules::CanDropInSuit(target->FCards, source->FDragPile->FList.front());
  }, true);
}

// ---- card-size variants --------------------------------------------------------------------

TsYukonForm::TsYukonForm(QWidget* owner) : TYukonForm(Spec, YukonLayouts::Small, owner) {}
TsYukonForm::~TsYukonForm() { ForgetGameWindow(sYukonForm, this); }

ThYukonForm::ThYukonForm(QWidget* owner) : TYukonForm(Spec, YukonLayouts::Huge, owner) {}
ThYukonForm::~ThYukonForm() { ForgetGameWindow(hYukonForm, this); }

TYukonForm* CreateYukonWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sYukonForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hYukonForm, owner);
  return CreateGameWindow(YukonForm, owner);
}
