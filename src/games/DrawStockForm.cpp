#include "games/DrawStockForm.h"

#include <QAction>
#include <QMenu>

#include "engine/CardUndo.h"
#include "engine/WastePileView.h"
#include "games/klondike/KlondikeRules.h"
#include "shell/Profile.h"

TDrawStockForm::TDrawStockForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner)
    : TGameForm(spec, layout, owner) {}

void TDrawStockForm::AddGameMenuItems(QMenu*) {
  DrawThree1 = AddMenuItem("DrawThree1", "Draw &Three", QKeySequence(), nullptr, NewGame1);
  DrawOne1 = AddMenuItem("DrawOne1", "&Draw One", QKeySequence(), nullptr, NewGame1);
  connect(DrawThree1, &QAction::triggered, this, [this] { DrawThree1Click(DrawThree1); });
  connect(DrawOne1, &QAction::triggered, this, [this] { DrawOne1Click(DrawOne1); });
  DrawThree1->setCheckable(true);
  DrawOne1->setCheckable(true);
  DrawThree1->setChecked(true);
  PopupMenu1->insertSeparator(NewGame1);
}

void TDrawStockForm::FormMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                   int X, int Y) {
  // After a win a left click on the stock opens the win dialog once, through its click;
  // opening it on the press too would show it twice.
  if (FGameOver && Button == Qt::LeftButton && Sender == DeckPileView) return;
  TGameForm::FormMouseDown(Sender, Button, Shift, X, Y);
}

void TDrawStockForm::SetDrawThree(bool drawThree) {
  FDrawThree = drawThree;
  DrawThree1->setChecked(drawThree);
  DrawOne1->setChecked(!drawThree);
  if (DiscardPileView) {
    DiscardPileView->DrawThree = drawThree;
    DiscardPileView->repaint();
  }
  SetPanelText(DrawPanel, drawThree ? QStringLiteral("Draw: 3") : QStringLiteral("Draw: 1"));
}

void TDrawStockForm::ReadOptions() {
  Profile1->SetEntry(QStringLiteral("DrawThree"));
  SetDrawThree(Profile1->Text() == Profile1->DefaultText() ? true : Profile1->State());
}

void TDrawStockForm::DrawThree1Click(QObject*) {
  SetDrawThree(true);
  WriteState("DrawThree", DrawThree1->isChecked());
}

void TDrawStockForm::DrawOne1Click(QObject*) {
  SetDrawThree(false);
  WriteState("DrawThree", DrawThree1->isChecked());
}

QString TDrawStockForm::ModeSection() const {
  return QLatin1String(FSpec.Section) +
         (FDrawThree ? QStringLiteral("DrawThree") : QStringLiteral("DrawOne"));
}

void TDrawStockForm::NewDealStarted() {
  DrawOne1->setEnabled(true);
  DrawThree1->setEnabled(true);
}

void TDrawStockForm::LockDrawMode() { (FDrawThree ? DrawOne1 : DrawThree1)->setEnabled(false); }

bool TDrawStockForm::RedealWaste() {
  TCardPile* waste = DiscardPileView->FCards;
  if (waste->Count() == 0) return false;
  TCardPile moved;
  KlondikeRules::Redeal(waste, DeckPileView->FCards, &moved);
  FUndo->AddMove(DiscardPileView, DeckPileView, &moved);
  DiscardPileView->repaint();
  DeckPileView->repaint();
  return true;
}

int TDrawStockForm::TurnCards() {
  TCardPile turned;
  const int count =
      KlondikeRules::TurnStock(DeckPileView->FCards, DiscardPileView->FCards, FDrawThree ? 3 : 1, &turned);
  if (count > 0) {
    ++FMoveCount;
    FUndo->AddMove(DeckPileView, DiscardPileView, &turned);
  }
  DeckPileView->repaint();
  DiscardPileView->repaint();
  return count;
}

bool TDrawStockForm::IsTurnStep() const {
  return FUndo->FCards && FUndo->FFromView == DeckPileView && FUndo->FToView == DiscardPileView;
}

bool TDrawStockForm::IsRedealStep() const {
  return FUndo->FCards && FUndo->FFromView == DiscardPileView && FUndo->FToView == DeckPileView;
}

// A click that redealt and turned is one move: its turn and its redeal go back together.
bool TDrawStockForm::UndoGameStep() {
  const bool turn = IsTurnStep();
  if (!turn && !IsRedealStep()) return false;
  if (turn) {
    FUndo->FCards->Flip();  // the turned cards go back face down in their old order
    FUndo->Undo();
    FUndo->PeekUndo();
  }
  if (IsRedealStep()) {
    for (TCard* card : FUndo->FCards->FList) card->FFaceUp = true;
    FUndo->Undo();
  }
  DeckPileView->repaint();
  DiscardPileView->repaint();
  return true;
}

bool TDrawStockForm::RedoGameStep() {
  if (!IsTurnStep() && !IsRedealStep()) return false;
  if (IsRedealStep()) {
    FUndo->Redo();
    DeckPileView->FCards->Flip();
    FUndo->PeekRedo();
  }
  if (IsTurnStep()) {
    FUndo->FCards->Flip();
    FUndo->Redo();
  }
  DeckPileView->repaint();
  DiscardPileView->repaint();
  FUndo->AfterRedo();
  return true;
}

void TDrawStockForm::ShowStockStatus(bool mayRedeal) {
  if (!DeckPileView || !DiscardPileView) return;
  const int count = DeckPileView->FCards->Count();
  SetPanelText(StockPanel, QStringLiteral("Stock: ") + QString::number(count));
  if (count > 0) {
    DeckPileView->setToolTip(QString::number(count));
    return;
  }
  DeckPileView->setToolTip(QString());
  DeckPileView->State = DiscardPileView->FCards->Count() > 0 && mayRedeal ? CS_RECYCLE : CS_BLANK;
  DeckPileView->repaint();
}
