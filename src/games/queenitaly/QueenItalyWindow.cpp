#include "games/queenitaly/QueenItalyWindow.h"

#include <algorithm>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/queenitaly/QueenItalyRules.h"
#include "shell/Preferences.h"

TQueenItalyForm* QueenItalyForm = nullptr;
TsQueenItalyForm* sQueenItalyForm = nullptr;
ThQueenItalyForm* hQueenItalyForm = nullptr;

using namespace QueenItalyRules;

const TGameSpec TQueenItalyForm::Spec{.Name = "Queen of Italy",
                                      .Section = "QueenItaly",
                                      .Decks = 2,
                                      .CardsToWin = QueenItalyRules::CardsToWin,
                                      .Threshold = QueenItalyRules::Threshold,
                                      .HelpTopic = 1010,
                                      .NumberPanel = 2,
                                      .ScorePanel = TQueenItalyForm::ScorePanel,
                                      .LaunchUp = false};

TQueenItalyForm::TQueenItalyForm(QWidget* owner)
    : TQueenItalyForm(QueenItalyLayouts::Large, QueenItalyLayouts::LargeMetrics, owner) {}

TQueenItalyForm::TQueenItalyForm(const TFormLayout& layout,
                                 const QueenItalyLayouts::TQueenItalyMetrics& metrics, QWidget* owner)
    : TGameForm(Spec, layout, owner), FMetrics(metrics) {}

TQueenItalyForm::~TQueenItalyForm() { ForgetGameWindow(QueenItalyForm, this); }

void TQueenItalyForm::InitPiles() {
  TGameForm::InitPiles();
  for (int i = 1; i <= FoundationCount; ++i) FFoundations.push_back(View(QStringLiteral("FoundPile%1").arg(i)));
  TerracePileView = View(QStringLiteral("TerracePileView"));
  FDiscardView = View(QStringLiteral("DiscardPileView"));
  FormResize(this);
}

void TQueenItalyForm::DealLayout(bool animate) {
  for (TCardPileView* foundation : FFoundations) foundation->Label.clear();
  for (int i = 0; i < TerraceCards; ++i) DealCardTo(TerracePileView, true, animate);
  if (animate && SoundManager) SoundManager->PlayDeal();
  for (int i = 0; i < FirstDealt; ++i) {
    DealCardTo(FTableau[std::size_t(i)], true, animate);
    if (animate && SoundManager) SoundManager->PlayDeal();
  }
  FBaseChosen = false;
  FRedealt = false;
  DeckPileView->State = CS_RECYCLE;
  RepaintViews();
}

// ---- the base --------------------------------------------------------------------------------

void TQueenItalyForm::AskForBase() {
  SetPanelText(ScorePanel, QStringLiteral("Please select Foundation Base Card from Tableau"));
}

void TQueenItalyForm::ChooseBase(TCardPileView* view, TCard* card) {
  view->FCards->RemoveCard(card);
  FFoundations.front()->FCards->AddCard(card);
  view->repaint();
  FBaseChosen = true;
  FBaseRank = card->FValue;
  SetFoundationLabels();
  FillEmptyTableau();
  UpdateScore(false);
}

void TQueenItalyForm::SetFoundationLabels() {
  for (TCardPileView* foundation : FFoundations) {
    foundation->Label = RankText(FBaseRank);
    foundation->repaint();
  }
}

void TQueenItalyForm::FillEmptyTableau() {
  if (!FBaseChosen) return;
  const bool animate = PreferencesDlg && PreferencesDlg->FDoAnimation;
  for (TCardPileView* pile : FTableau)
    if (pile->FCards->Count() == 0 && DeckPileView->FCards->Count() > 0) {
      DealCardTo(pile, true, animate);
      if (animate && SoundManager) SoundManager->PlayDeal();
    }
  UpdateStockStatus();
  for (TCardPileView* pile : FTableau) pile->repaint();
}

// ---- the stock -------------------------------------------------------------------------------

void TQueenItalyForm::DeckPileViewClick(QObject*) {
  if (FGameOver) return;  // the press has opened the win dialog
  if (!FBaseChosen) {
    AskForBase();
    return;
  }
  TCardPile* stock = DeckPileView->FCards;
  TCardPile* discard = FDiscardView->FCards;
  if (stock->Count() == 0 && discard->Count() > 0) {
    FUndo->AddMove(FDiscardView, DeckPileView, discard);
    stock->AddPile(discard);
    stock->Flip();
    discard->Empty(false);
    FRedealt = true;
    DeckPileView->State = CS_BLANK;
    FDiscardView->repaint();
    DeckPileView->repaint();
  }
  TurnStockCard();
  CheckForWin();
}

void TQueenItalyForm::TurnStockCard() {
  TCardPile* stock = DeckPileView->FCards;
  TCard* card = stock->CardAt(TopOfPile);
  if (card && (!FRedealt || FDiscardView->FCards->Count() == 0)) {
    stock->RemoveCard(card);
    card->FFaceUp = true;
    FDiscardView->FCards->AddCard(card);
    ++FMoveCount;
    if (SoundManager) SoundManager->PlayStock();
    FUndo->AddCardMove(DeckPileView, FDiscardView, card);
    DeckPileView->repaint();
    FDiscardView->repaint();
  }
  UpdateStockStatus();
}

void TQueenItalyForm::UpdateStockStatus() {
  const int count = DeckPileView->FCards->Count();
  SetPanelText(StockPanel, QStringLiteral("Stock: ") + QString::number(count));
  DeckPileView->setToolTip(count > 0 ? QString::number(count) : QString());
}

// ---- pressing and dragging -------------------------------------------------------------------

void TQueenItalyForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                                Qt::KeyboardModifiers Shift, int X, int Y) {
  auto* view = qobject_cast<TCardPileView*>(Sender);
  if (!view) return;
  if (FGameOver || FBaseChosen) {
    TGameForm::TableauPileView1MouseDown(Sender, Button, Shift, X, Y);
    return;
  }
  view->FDragArmed = false;
  if (Button == Qt::MiddleButton) AskForBase();
  if (Button == Qt::LeftButton && view->FHitCard) ChooseBase(view, view->FHitCard);
}

void TQueenItalyForm::DiscardPileViewMouseDown(QObject* Sender, Qt::MouseButton Button,
                                               Qt::KeyboardModifiers Shift, int X, int Y) {
  if (FGameOver || FBaseChosen) {
    TGameForm::DiscardPileViewMouseDown(Sender, Button, Shift, X, Y);
    return;
  }
  if (auto* view = qobject_cast<TCardPileView*>(Sender)) view->FDragArmed = false;
  AskForBase();
}

void TQueenItalyForm::DiscardPileViewDblClick(QObject* Sender) {
  if (!FBaseChosen) return;
  TGameForm::DiscardPileViewDblClick(Sender);
}

bool TQueenItalyForm::CanLift(TCardPileView* view, int index) { return index == view->FCards->Count() - 1; }

bool TQueenItalyForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    if (source->FDragPile->Count() != 1) return false;
    if (std::find(FTableau.begin(), FTableau.end(), target) == FTableau.end()) return false;
    const bool empty = DeckPileView->FCards->Count() == 0 && FDiscardView->FCards->Count() == 0;
    return QueenItalyRules::CanDropOnTableau(target->FCards, source->FDragPile->FList.front(),
                                             source == TerracePileView, empty);
  });
}

bool TQueenItalyForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  if (!FBaseChosen) return false;
  return DropIf(target, source, [&] {
    if (source->FDragPile->Count() != 1) return false;
    if (std::find(FFoundations.begin(), FFoundations.end(), target) == FFoundations.end()) return false;
    return FitsFoundation(target->FCards, source->FDragPile->FList.front(), FBaseRank);
  });
}

void TQueenItalyForm::ChooseSmartTarget(TCardPileView* source) {
  TCardPile* drag = source->FDragPile;
  if (drag->Count() == 1 && drag->FList.front()->FValue == FBaseRank)
    for (TCardPileView* f : FFoundations)
      if (CanDropOnFoundation(f, source)) return;
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
}

// ---- sending home and autoplay ---------------------------------------------------------------

TCardPileView* TQueenItalyForm::FoundationFor(TCard* card) {
  if (!FBaseChosen || !card) return nullptr;
  for (TCardPileView* f : FFoundations)
    if (FitsFoundation(f->FCards, card, FBaseRank)) {
      // A card of the base rank only starts a foundation, even where it would also follow.
      if (card->FValue == FBaseRank && f->FCards->Count() > 0) continue;
      return f;
    }
  return nullptr;
}

std::vector<TCardPileView*> TQueenItalyForm::AutoplaySources() const {
  std::vector<TCardPileView*> sources{TerracePileView};
  sources.insert(sources.end(), FTableau.begin(), FTableau.end());
  sources.push_back(FDiscardView);
  return sources;
}

// ---- undo and redo ---------------------------------------------------------------------------

bool TQueenItalyForm::IsTurnStep() const {
  return FUndo->FCards && FUndo->FFromView == DeckPileView && FUndo->FToView == FDiscardView;
}

bool TQueenItalyForm::IsTurnoverStep() const {
  return FUndo->FCards && FUndo->FFromView == FDiscardView && FUndo->FToView == DeckPileView;
}

// A click that turned the discard pile over and then turned a card is one move: both
// go back together. The pile counts as redealt while any turnover still stands.
bool TQueenItalyForm::UndoGameStep() {
  const bool turn = IsTurnStep();
  if (!turn && !IsTurnoverStep()) return false;
  if (turn) {
    FUndo->Undo();
    if (TCard* card = DeckPileView->FCards->CardAt(TopOfPile)) card->FFaceUp = false;
    FUndo->PeekUndo();
  }
  if (IsTurnoverStep()) {
    FUndo->Undo();
    for (TCard* card : FDiscardView->FCards->FList) card->FFaceUp = true;
  }
  FRedealt = FUndo->HasDoneStep(FDiscardView, DeckPileView);
  DeckPileView->State = FRedealt ? CS_BLANK : CS_RECYCLE;
  DeckPileView->repaint();
  FDiscardView->repaint();
  return true;
}

bool TQueenItalyForm::RedoGameStep() {
  if (!IsTurnStep() && !IsTurnoverStep()) return false;
  if (IsTurnoverStep()) {
    FUndo->Redo();
    // As the turnover left it: the discard pile's bottom card on top, all face down.
    DeckPileView->FCards->Flip();
    FRedealt = true;
    DeckPileView->State = CS_BLANK;
    FUndo->PeekRedo();
  }
  if (IsTurnStep()) {
    FUndo->Redo();
    if (TCard* card = FDiscardView->FCards->CardAt(TopOfPile)) card->FFaceUp = true;
  }
  DeckPileView->repaint();
  FDiscardView->repaint();
  FUndo->AfterRedo();
  return true;
}

// ---- layout --------------------------------------------------------------------------------

void TQueenItalyForm::FormResize(QObject*) {
  if (FTableau.empty() || !DeckPileView || !FDiscardView) return;
  const int s = FShowStatusBar ? FLayout.StatusBarHeight : 0;
  const int base = FMetrics.Base + s;
  for (TCardPileView* pile : FTableau)
    pile->resize(pile->width(), std::max(0, height() + FMetrics.TableauExtra - base));
  const int top = height() + FMetrics.StockExtra - base;
  DeckPileView->move(DeckPileView->x(), top);
  FDiscardView->move(FDiscardView->x(), top);
}

// ---- card-size variants --------------------------------------------------------------------

TsQueenItalyForm::TsQueenItalyForm(QWidget* owner)
    : TQueenItalyForm(QueenItalyLayouts::Small, QueenItalyLayouts::SmallMetrics, owner) {}
TsQueenItalyForm::~TsQueenItalyForm() { ForgetGameWindow(sQueenItalyForm, this); }

ThQueenItalyForm::ThQueenItalyForm(QWidget* owner)
    : TQueenItalyForm(QueenItalyLayouts::Huge, QueenItalyLayouts::HugeMetrics, owner) {}
ThQueenItalyForm::~ThQueenItalyForm() { ForgetGameWindow(hQueenItalyForm, this); }

TQueenItalyForm* CreateQueenItalyWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sQueenItalyForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hQueenItalyForm, owner);
  return CreateGameWindow(QueenItalyForm, owner);
}
