#include "games/yukon/AustralianWindow.h"

#include "engine/Card.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/GameVariants.h"
#include "games/yukon/YukonLayouts.h"
#include "games/yukon/YukonRules.h"

TAustralianForm* AustralianForm = nullptr;
TsAustralianForm* sAustralianForm = nullptr;
ThAustralianForm* hAustralianForm = nullptr;

const TGameSpec TAustralianForm::Spec{.Name = "Australian Patience",
                                      .Section = "AustralianPatience",
                                      .Decks = 1,
                                      .CardsToWin = 52,
                                      .Threshold = 5,
                                      .Vegas = true,
                                      .HelpTopic = 1017,
                                      .NumberPanel = 2,
                                      .ScorePanel = 4};

TAustralianForm::TAustralianForm(QWidget* owner) : TAustralianForm(AustralianLayouts::Large, owner) {}

TAustralianForm::TAustralianForm(const TFormLayout& layout, QWidget* owner)
    : TYukonForm(Spec, layout, owner) {}

TAustralianForm::~TAustralianForm() { ForgetGameWindow(AustralianForm, this); }

const std::vector<KlondikeRules::TDealStep>& TAustralianForm::DealSteps() const {
  return YukonRules::AustralianSteps();
}

bool TAustralianForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return CanDropInSuit(target, source);
}

void TAustralianForm::FormKeyPress(QChar Key) { TGameForm::FormKeyPress(Key); }

void TAustralianForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  TCardPile turned;
  if (KlondikeRules::TurnStock(DeckPileView->FCards, DiscardPileView->FCards, 1, &turned) == 0) return;
  ++FMoveCount;
  FUndo->AddMove(DeckPileView, DiscardPileView, &turned);
  DeckPileView->repaint();
  DiscardPileView->repaint();
  if (SoundManager) SoundManager->PlayStock();
  Autoplay();
  UpdateStockStatus();
}

void TAustralianForm::UpdateStockStatus() {
  if (!DeckPileView) return;
  const int count = DeckPileView->FCards->Count();
  SetPanelText(StockPanel, QStringLiteral("Stock: ") + QString::number(count));
  DeckPileView->setToolTip(count > 0 ? QString::number(count) : QString());
}

// A turned card goes back face down and comes out face up again.
bool TAustralianForm::UndoGameStep() {
  if (FUndo->FFromView != DeckPileView) return false;
  FUndo->FCards->Flip();
  FUndo->Undo();
  DeckPileView->repaint();
  DiscardPileView->repaint();
  return true;
}

bool TAustralianForm::RedoGameStep() {
  if (FUndo->FFromView != DeckPileView) return false;
  FUndo->FCards->Flip();
  FUndo->Redo();
  DeckPileView->repaint();
  DiscardPileView->repaint();
  FUndo->AfterRedo();
  return true;
}

// ---- card-size variants --------------------------------------------------------------------

TsAustralianForm::TsAustralianForm(QWidget* owner) : TAustralianForm(AustralianLayouts::Small, owner) {}
TsAustralianForm::~TsAustralianForm() { ForgetGameWindow(sAustralianForm, this); }

ThAustralianForm::ThAustralianForm(QWidget* owner) : TAustralianForm(AustralianLayouts::Huge, owner) {}
ThAustralianForm::~ThAustralianForm() { ForgetGameWindow(hAustralianForm, this); }

TAustralianForm* CreateAustralianWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sAustralianForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hAustralianForm, owner);
  return CreateGameWindow(AustralianForm, owner);
}
