#include "games/fortythieves/ThievesForm.h"

#include <QAction>
#include <algorithm>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"

TThievesForm::TThievesForm(const TGameSpec& spec, const TFormLayout& layout,
                           const ThievesLayouts::TThievesMetrics& metrics, QWidget* owner)
    : TGameForm(spec, layout, owner), FMetrics(metrics) {}

void TThievesForm::InitPiles() {
  for (int i = 1; i <= 10; ++i) FTableau.push_back(View(QStringLiteral("TableauPile%1").arg(i)));
  for (int i = 1; i <= 8; ++i) FFoundations.push_back(View(QStringLiteral("FoundPile%1").arg(i)));
  DeckPileView = View(QStringLiteral("DeckPileView"));
  FDiscardView = View(QStringLiteral("DiscardPileView"));
  FormResize(this);
}

void TThievesForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  // The layouts bind the names these windows have always used; they are the template's
  // handlers.
  t.Mouse["TableauPile1MouseDown"] = t.Mouse["TableauPileView1MouseDown"];
  t.StartDrag["TableauPile1StartDrag"] = t.StartDrag["TableauPileView1StartDrag"];
  t.EndDrag["TableauPile1EndDrag"] = t.EndDrag["TableauPileView1EndDrag"];
  t.DragOver["TableauPile1DragOver"] = t.DragOver["TableauPileView1DragOver"];
  t.DragOver["FoundPile1DragOver"] = t.DragOver["FoundationPile1DragOver"];
}

void TThievesForm::AddGameMenuItems(QMenu*) {
  NewDeal1 = NewGame1;
  NewDeal1->setObjectName(QStringLiteral("NewDeal1"));
  Redeal1 = Restart1;
  Redeal1->setObjectName(QStringLiteral("Redeal1"));
}

bool TThievesForm::CanLift(TCardPileView* view, int index) {
  const TCard* card = view->FCards->CardAt(TopOfPile);
  return card && card->FFaceUp && index == view->FCards->Count() - 1;
}

std::vector<TCardPileView*> TThievesForm::AutoplaySources() const {
  std::vector<TCardPileView*> sources = FTableau;
  if (FDiscardView) sources.push_back(FDiscardView);
  return sources;
}

void TThievesForm::FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                 int X, int Y) {
  // After a win a left click on the stock opens the win dialog once, through its click.
  if (FGameOver && Button == Qt::LeftButton && Sender == DeckPileView) return;
  TGameForm::FormMouseDown(Sender, Button, Shift, X, Y);
}

void TThievesForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  TCardPile* stock = DeckPileView->FCards;
  if (TCard* card = stock->CardAt(TopOfPile)) {
    stock->RemoveCard(card);
    card->FFaceUp = true;
    FDiscardView->FCards->AddCard(card);
    DeckPileView->repaint();
    FDiscardView->repaint();
    ++FMoveCount;
    if (SoundManager) SoundManager->PlayStock();
    FUndo->AddCardMove(DeckPileView, FDiscardView, card);
    StockTurned();
  }
  UpdateStockStatus();
  Autoplay();
}

void TThievesForm::UpdateStockStatus() {
  if (!DeckPileView) return;
  const int count = DeckPileView->FCards->Count();
  SetPanelText(StockPanel, QStringLiteral("Stock: ") + QString::number(count));
  DeckPileView->setToolTip(count > 0 ? QString::number(count) : QString());
}

bool TThievesForm::UndoGameStep() {
  FUndo->Undo();
  // A card that came from the stock goes back face down.
  if (TCard* top = DeckPileView->FCards->CardAt(TopOfPile)) top->FFaceUp = false;
  if (FUndo->FFromView) FUndo->FFromView->repaint();
  if (FUndo->FToView) FUndo->FToView->repaint();
  return true;
}

bool TThievesForm::RedoGameStep() {
  FUndo->Redo();
  // A stock card turned again shows its face.
  if (FUndo->FToView)
    if (TCard* top = FUndo->FToView->FCards->CardAt(TopOfPile)) top->FFaceUp = true;
  if (FUndo->FFromView) FUndo->FFromView->repaint();
  if (FUndo->FToView) FUndo->FToView->repaint();
  FUndo->AfterRedo();
  return true;
}

void TThievesForm::FormResize(QObject*) {
  if (FTableau.empty() || FFoundations.empty()) return;
  const int base = FMetrics.Base + (FShowStatusBar ? FLayout.StatusBarHeight : 0);
  for (TCardPileView* pile : FTableau)
    pile->resize(pile->width(), std::max(0, height() + FMetrics.TableauExtra - base));
  for (TCardPileView* pile : FFoundations) pile->move(pile->x(), height() + FMetrics.FoundationExtra - base);
}

