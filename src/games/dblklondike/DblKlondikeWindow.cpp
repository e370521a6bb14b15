#include "games/dblklondike/DblKlondikeWindow.h"

#include "engine/Card.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/GameVariants.h"
#include "games/dblklondike/DblKlondikeLayouts.h"
#include "games/yukon/YukonRules.h"

TDblKlondikeForm* DblKlondikeForm = nullptr;
TsDblKlondikeForm* sDblKlondikeForm = nullptr;
ThDblKlondikeForm* hDblKlondikeForm = nullptr;

const TGameSpec TDblKlondikeForm::Spec{.Name = "Double Klondike",
                                       .Section = "DoubleKlondike",
                                       .Decks = 2,
                                       .CardsToWin = 104,
                                       .Threshold = 5,
                                       .Vegas = false,
                                       .HelpTopic = 1002,
                                       .NumberPanel = 3,
                                       .ScorePanel = 5};

TDblKlondikeForm::TDblKlondikeForm(QWidget* owner) : TDblKlondikeForm(DblKlondikeLayouts::Large, owner) {}

TDblKlondikeForm::TDblKlondikeForm(const TFormLayout& layout, QWidget* owner)
    : TDrawStockForm(Spec, layout, owner) {}

TDblKlondikeForm::~TDblKlondikeForm() { ForgetGameWindow(DblKlondikeForm, this); }

void TDblKlondikeForm::SetStockBlock(bool) {
  if (!DeckPileView) return;
  for (const TComponentLayout& c : FLayout.Components)
    if (DeckPileView->objectName() == QLatin1String(c.Name)) {
      DeckPileView->XOffset = c.Props.XOffset;
      DeckPileView->YOffset = c.Props.YOffset;
      DeckPileView->repaint();
    }
}

void TDblKlondikeForm::DealLayout(bool animate) {
  FRedealCount = 0;
  for (const KlondikeRules::TDealStep& step : YukonRules::DoubleKlondikeSteps()) {
    DealCardTo(FTableau[static_cast<std::size_t>(step.Pile)], step.FaceUp, animate);
    if (step.PassEnd) DealPassDone(animate);
  }
}

void TDblKlondikeForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  // With stock and waste both empty nothing turns and no step is recorded.
  if (DeckPileView->FCards->Count() == 0 && DiscardPileView->FCards->Count() == 0) {
    UpdateStockStatus();
    return;
  }
  LockDrawMode();
  DeckPileView->State = MayRedeal() ? CS_RECYCLE : CS_BLANK;
  if (DeckPileView->FCards->Count() == 0) {
    if (!MayRedeal()) {
      DeckPileView->repaint();
      return;
    }
    ++FRedealCount;
    RedealWaste();
  }
  TurnCards();
  if (SoundManager) SoundManager->PlayStock();
  Autoplay();
  UpdateStockStatus();
}

void TDblKlondikeForm::UpdateStockStatus() { ShowStockStatus(MayRedeal()); }

// ---- card-size variants --------------------------------------------------------------------

TsDblKlondikeForm::TsDblKlondikeForm(QWidget* owner) : TDblKlondikeForm(DblKlondikeLayouts::Small, owner) {}
TsDblKlondikeForm::~TsDblKlondikeForm() { ForgetGameWindow(sDblKlondikeForm, this); }

ThDblKlondikeForm::ThDblKlondikeForm(QWidget* owner) : TDblKlondikeForm(DblKlondikeLayouts::Huge, owner) {}
ThDblKlondikeForm::~ThDblKlondikeForm() { ForgetGameWindow(hDblKlondikeForm, this); }

TDblKlondikeForm* CreateDblKlondikeWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sDblKlondikeForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hDblKlondikeForm, owner);
  return CreateGameWindow(DblKlondikeForm, owner);
}
