#include "games/klondike/KlondikeWindow.h"

#include "engine/Card.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/GameVariants.h"
#include "games/klondike/KlondikeLayouts.h"
#include "games/klondike/KlondikeRules.h"

TKlondikeForm* KlondikeForm = nullptr;
TsKlondikeForm* sKlondikeForm = nullptr;
ThKlondikeForm* hKlondikeForm = nullptr;

const TGameSpec TKlondikeForm::Spec{.Name = "Klondike",
                                    .Section = "Klondike",
                                    .Decks = 1,
                                    .CardsToWin = KlondikeRules::CardsToWin,
                                    .Threshold = KlondikeRules::Threshold,
                                    .Vegas = true,
                                    .HelpTopic = 1007,
                                    .NumberPanel = 3,
                                    .ScorePanel = 5,
                                    .RoutesLButtonDown = true};

TKlondikeForm::TKlondikeForm(QWidget* owner) : TKlondikeForm(KlondikeLayouts::Large, owner) {}

TKlondikeForm::TKlondikeForm(const TFormLayout& layout, QWidget* owner) : TDrawStockForm(Spec, layout, owner) {}

TKlondikeForm::~TKlondikeForm() { ForgetGameWindow(KlondikeForm, this); }

void TKlondikeForm::DealLayout(bool animate) {
  for (const KlondikeRules::TDealStep& step : KlondikeRules::DealSteps()) {
    DealCardTo(FTableau[static_cast<std::size_t>(step.Pile)], step.FaceUp, animate);
    if (step.PassEnd) DealPassDone(animate);
  }
}

void TKlondikeForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (DeckPileView->FCards->Count() == 0 && DiscardPileView->FCards->Count() == 0) {
    UpdateStockStatus();
    return;
  }
  LockDrawMode();
  if (DeckPileView->FCards->Count() == 0) RedealWaste();
  TurnCards();
  if (SoundManager) SoundManager->PlayStock();
  UpdateStockStatus();
  Autoplay();
}

// Endless redeals: the recycle picture shows whenever the waste has cards.
void TKlondikeForm::UpdateStockStatus() { ShowStockStatus(true); }

// ---- card-size variants --------------------------------------------------------------------

TsKlondikeForm::TsKlondikeForm(QWidget* owner) : TKlondikeForm(KlondikeLayouts::Small, owner) {}
TsKlondikeForm::~TsKlondikeForm() { ForgetGameWindow(sKlondikeForm, this); }

ThKlondikeForm::ThKlondikeForm(QWidget* owner) : TKlondikeForm(KlondikeLayouts::Huge, owner) {}
ThKlondikeForm::~ThKlondikeForm() { ForgetGameWindow(hKlondikeForm, this); }

TKlondikeForm* CreateKlondikeWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sKlondikeForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hKlondikeForm, owner);
  return CreateGameWindow(KlondikeForm, owner);
}
