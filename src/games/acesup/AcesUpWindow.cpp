#include "games/acesup/AcesUpWindow.h"

#include <QAction>
#include <QCheckBox>
#include <algorithm>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/acesup/AcesUpLayouts.h"
#include "games/acesup/AcesUpRules.h"

TAcesUpForm* AcesUpForm = nullptr;
TsAcesUpForm* sAcesUpForm = nullptr;
ThAcesUpForm* hAcesUpForm = nullptr;

const TGameSpec TAcesUpForm::Spec{.Name = "Aces Up",
                                  .Section = "AcesUp",
                                  .Decks = 1,
                                  .CardsToWin = AcesUpRules::CardsToWin,
                                  .Threshold = AcesUpRules::Threshold,
                                  .HelpTopic = 1021,
                                  .NumberPanel = 1,
                                  .ScorePanel = 3,
                                  .LaunchUp = false};

TAcesUpForm::TAcesUpForm(QWidget* owner) : TAcesUpForm(AcesUpLayouts::Large, owner) {}

TAcesUpForm::TAcesUpForm(const TFormLayout& layout, QWidget* owner) : TGameForm(Spec, layout, owner) {}

TAcesUpForm::~TAcesUpForm() { ForgetGameWindow(AcesUpForm, this); }

void TAcesUpForm::AddGameMenuItems(QMenu*) {
  // No autoplay in this game: neither the item, its shortcut nor the check box.
  Autoplay1->setVisible(false);
  AutoPlayCheckBox->hide();
}

void TAcesUpForm::InitPiles() {
  TGameForm::InitPiles();
  FDiscardView = View(QStringLiteral("DiscardPileView"));
  FFoundations = {FDiscardView};
}

void TAcesUpForm::DealLayout(bool animate) {
  for (TCardPileView* pile : FTableau) {
    DealCardTo(pile, true, animate);
    DealPassDone(animate);
  }
}

void TAcesUpForm::DealRow() {
  TCardPile* stock = DeckPileView->FCards;
  if (stock->Count() == 0) return;
  for (TCardPileView* pile : FTableau) {
    TCard* card = stock->CardAt(TopOfPile);
    if (!card) break;
    stock->RemoveCard(card);
    card->FFaceUp = true;
    pile->FCards->AddCard(card);
    pile->repaint();
    ++FMoveCount;
    FUndo->AddCardMove(DeckPileView, pile, card);
  }
  DeckPileView->repaint();
  if (SoundManager) SoundManager->PlayDeal();
  UpdateStockStatus();
  CheckForWin();
}

void TAcesUpForm::DeckPileViewClick(QObject*) {
  // After a win the press itself has opened the win dialog.
  if (FGameOver) return;
  DealRow();
}

void TAcesUpForm::UpdateStockStatus() {
  const QString text = QStringLiteral("Stock: ") + QString::number(DeckPileView->FCards->Count());
  SetPanelText(StockPanel, text);
  DeckPileView->setToolTip(DeckPileView->FCards->Count() > 0 ? text : QString());
}

void TAcesUpForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers,
                                            int, int) {
  auto* view = qobject_cast<TCardPileView*>(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) DeckPileViewClick(DeckPileView);
  view->FDragArmed = false;
  TCard* top = view->FCards->CardAt(TopOfPile);
  if (Button != Qt::LeftButton || !view->FHitCard || view->FHitCard != top) return;
  std::vector<TCardPile*> piles;
  for (TCardPileView* pile : FTableau) piles.push_back(pile->FCards);
  if (!AcesUpRules::CanDiscard(top, piles.data(), int(piles.size()))) {
    view->FDragArmed = true;
    return;
  }
  if (SoundManager) SoundManager->PlayCardDown();
  view->FCards->RemoveCard(top);
  FDiscardView->FCards->AddCard(top);
  FUndo->AddCardMove(view, FDiscardView, top);
  ++FMoveCount;
  view->repaint();
  FDiscardView->repaint();
  CheckForWin();
}

bool TAcesUpForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return target->FCards->Count() == 0 &&
           std::find(FTableau.begin(), FTableau.end(), target) != FTableau.end();
  });
}

void TAcesUpForm::ChooseSmartTarget(TCardPileView* source) {
  for (TCardPileView* pile : FTableau)
    if (CanDropOnTableau(pile, source)) return;
}

// Each card of a dealt row counts a move, so the row's undo takes them all back.
int TAcesUpForm::PeekedStepMoves() const {
  return FUndo->FFromView == DeckPileView ? AcesUpRules::PileCount : 1;
}

// A dealt row is four steps from the stock, undone and redone together; each card goes
// face down again on the stock and face up again on its pile.
bool TAcesUpForm::UndoGameStep() {
  if (FUndo->FFromView != DeckPileView) return false;
  for (int i = 0; i < AcesUpRules::PileCount; ++i) {
    FUndo->PeekUndo();
    if (!FUndo->FCards || FUndo->FFromView != DeckPileView) break;
    TCardPileView* pile = FUndo->FToView;
    FUndo->Undo();
    if (TCard* card = DeckPileView->FCards->CardAt(TopOfPile)) card->FFaceUp = false;
    pile->repaint();
    DeckPileView->repaint();
    FUndo->AfterUndo();
  }
  return true;
}

bool TAcesUpForm::RedoGameStep() {
  if (FUndo->FFromView != DeckPileView) return false;
  for (int i = 0; i < AcesUpRules::PileCount; ++i) {
    FUndo->PeekRedo();
    if (!FUndo->FCards || FUndo->FFromView != DeckPileView) break;
    TCardPileView* pile = FUndo->FToView;
    FUndo->Redo();
    if (TCard* card = pile->FCards->CardAt(TopOfPile)) card->FFaceUp = true;
    pile->repaint();
    DeckPileView->repaint();
    FUndo->AfterRedo();
  }
  return true;
}

// ---- card-size variants --------------------------------------------------------------------

TsAcesUpForm::TsAcesUpForm(QWidget* owner) : TAcesUpForm(AcesUpLayouts::Small, owner) {}
TsAcesUpForm::~TsAcesUpForm() { ForgetGameWindow(sAcesUpForm, this); }

ThAcesUpForm::ThAcesUpForm(QWidget* owner) : TAcesUpForm(AcesUpLayouts::Huge, owner) {}
ThAcesUpForm::~ThAcesUpForm() { ForgetGameWindow(hAcesUpForm, this); }

TAcesUpForm* CreateAcesUpWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sAcesUpForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hAcesUpForm, owner);
  return CreateGameWindow(AcesUpForm, owner);
}
