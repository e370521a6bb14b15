#include "games/fortythieves/FortyThievesWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "engine/Card.h"
#include "games/GameVariants.h"
#include "games/fortythieves/FTPeekWindow.h"
#include "games/fortythieves/FortyThievesLayouts.h"
#include "games/fortythieves/FortyThievesRules.h"

TFortyThievesForm* FortyThievesForm = nullptr;
TsFortyThievesForm* sFortyThievesForm = nullptr;
ThFortyThievesForm* hFortyThievesForm = nullptr;

const TGameSpec TFortyThievesForm::Spec{.Name = "Forty Thieves",
                                        .Section = "FortyThieves",
                                        .Decks = 2,
                                        .CardsToWin = FortyThievesRules::CardsToWin,
                                        .Threshold = FortyThievesRules::Threshold,
                                        .HelpTopic = 1003,
                                        .NumberPanel = 2,
                                        .ScorePanel = 4,
                                        .LaunchUp = true};

TFortyThievesForm::TFortyThievesForm(QWidget* owner)
    : TFortyThievesForm(FortyThievesLayouts::Large, FortyThievesLayouts::LargeMetrics, owner) {}

TFortyThievesForm::TFortyThievesForm(const TFormLayout& layout, const ThievesLayouts::TThievesMetrics& metrics,
                                     QWidget* owner)
    : TThievesForm(Spec, layout, metrics, owner) {}

TFortyThievesForm::~TFortyThievesForm() {
  ReleasePeekDialog();
  ForgetGameWindow(FortyThievesForm, this);
}

void TFortyThievesForm::AddGameMenuItems(QMenu* menu) {
  TThievesForm::AddGameMenuItems(menu);
  Peek1 = AddMenuItem("Peek1", "&Peek...", QKeySequence(Qt::Key_F2), nullptr, NewGame1);
  connect(Peek1, &QAction::triggered, this, [this] { Peek1Click(Peek1); });
  PopupMenu1->insertSeparator(NewGame1);
  connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
}

void TFortyThievesForm::DealLayout(bool animate) {
  for (int pass = 0; pass < FortyThievesRules::DealPasses; ++pass) {
    for (TCardPileView* pile : FTableau) DealCardTo(pile, true, animate);
    DealPassDone(animate);
  }
}

bool TFortyThievesForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return source->FDragPile->Count() == 1 &&
           FortyThievesRules::CanDropOnTableau(target->FCards, source->FDragPile->FList.front());
  });
}

// ---- stock and peek dialog -------------------------------------------------------------

void TFortyThievesForm::UpdateStockStatus() {
  TThievesForm::UpdateStockStatus();
  if (!DeckPileView) return;
  TCard* next = DeckPileView->FCards->CardAt(TopOfPile);
  // Kept current here too, so its F2 key follows the stock between pop-ups.
  if (Peek1) Peek1->setEnabled(next != nullptr);
  if (!FTPeekDlg || !FTPeekDlg->isVisible()) return;
  if (next)
    FTPeekDlg->SetCard(next);
  else
    FTPeekDlg->hide();
}

void TFortyThievesForm::PopupMenu1Popup() {
  Peek1->setEnabled(DeckPileView && DeckPileView->FCards->Count() > 0);
}

void TFortyThievesForm::ShowPeekDialog(TFTPeekDlg* (*create)()) {
  if (!FTPeekDlg) {
    FTPeekDlg = create();
    // The dialog outlives the game windows; it goes with the program.
    TFTPeekDlg* dialog = FTPeekDlg;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, dialog,
                     [dialog] { delete dialog; });
  }
  FTPeekDlg->SetCard(DeckPileView->FCards->CardAt(TopOfPile));
  FTPeekDlg->show();
  FTPeekDlg->raise();
}

void TFortyThievesForm::Peek1Click(QObject*) {
  ShowPeekDialog([]() -> TFTPeekDlg* { return new TFTPeekDlg; });
}

void TFortyThievesForm::ReleasePeekDialog() {
  if (!FTPeekDlg || !FTPeekDlg->FCard) return;
  FTPeekDlg->SetCard(nullptr);
  FTPeekDlg->hide();
}

void TFortyThievesForm::FormClose(QObject* Sender) {
  // The cards are freed with the window; the dialog must not show one of them any more.
  ReleasePeekDialog();
  TThievesForm::FormClose(Sender);
}

// ---- card-size variants --------------------------------------------------------------------

TsFortyThievesForm::TsFortyThievesForm(QWidget* owner)
    : TFortyThievesForm(FortyThievesLayouts::Small, FortyThievesLayouts::SmallMetrics, owner) {}
TsFortyThievesForm::~TsFortyThievesForm() { ForgetGameWindow(sFortyThievesForm, this); }

ThFortyThievesForm::ThFortyThievesForm(QWidget* owner)
    : TFortyThievesForm(FortyThievesLayouts::Huge, FortyThievesLayouts::HugeMetrics, owner) {}
ThFortyThievesForm::~ThFortyThievesForm() { ForgetGameWindow(hFortyThievesForm, this); }

void ThFortyThievesForm::Peek1Click(QObject*) {
  ShowPeekDialog([]() -> TFTPeekDlg* { return new ThFTPeekDlg; });
}

TFortyThievesForm* CreateFortyThievesWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sFortyThievesForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hFortyThievesForm, owner);
  return CreateGameWindow(FortyThievesForm, owner);
}
