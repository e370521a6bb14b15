#include "games/nestor/NestorWindow.h"

#include <QAction>
#include <QCheckBox>
#include <algorithm>

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/nestor/NestorRules.h"

TNestorForm* NestorForm = nullptr;
TsNestorForm* sNestorForm = nullptr;
ThNestorForm* hNestorForm = nullptr;

const TGameSpec TNestorForm::Spec{.Name = "Nestor",
                                  .Section = "Nestor",
                                  .Decks = 1,
                                  .CardsToWin = NestorRules::CardsToWin,
                                  .Threshold = NestorRules::Threshold,
                                  .HelpTopic = 1024,
                                  .NumberPanel = 1,
                                  .ScorePanel = 2,
                                  .LaunchUp = true};

TNestorForm::TNestorForm(QWidget* owner)
    : TNestorForm(NestorLayouts::Large, NestorLayouts::LargeMetrics, owner) {}

TNestorForm::TNestorForm(const TFormLayout& layout, const NestorLayouts::TNestorMetrics& metrics,
                         QWidget* owner)
    : TGameForm(Spec, layout, owner), FMetrics(metrics) {}

TNestorForm::~TNestorForm() { ForgetGameWindow(NestorForm, this); }

void TNestorForm::AddGameMenuItems(QMenu*) {
  // No autoplay in this game: neither the item, its shortcut nor the check box.
  Autoplay1->setVisible(false);
  AutoPlayCheckBox->hide();
}

void TNestorForm::InitPiles() {
  TGameForm::InitPiles();
  for (int i = 1; i <= NestorRules::ReserveCount; ++i)
    FReserve.push_back(View(QStringLiteral("PlayPileView%1").arg(i)));
  FDiscardView = View(QStringLiteral("DiscardPileView"));
  FFoundations = {FDiscardView};
  for (TCardPileView* view : FTableau) view->FManualDrop = true;
  for (TCardPileView* view : FReserve) view->FManualDrop = true;
  FormResize(this);
}

void TNestorForm::DealLayout(bool animate) {
  std::vector<TCardPile*> columns;
  for (TCardPileView* view : FTableau) columns.push_back(view->FCards);
  for (int pass = 0; pass < NestorRules::Passes; ++pass) {
    for (int column = 0; column < NestorRules::ColumnCount; ++column) {
      NestorRules::DealColumnCard(StockPile(), columns.data(), column);
      // The give-up swap may have changed another column.
      if (animate) FTableau[static_cast<std::size_t>(column)]->repaint();
    }
    if (animate && SoundManager) SoundManager->PlayDeal();
  }
  std::vector<TCardPile*> reserve;
  for (TCardPileView* view : FReserve) reserve.push_back(view->FCards);
  NestorRules::DealReserve(StockPile(), reserve.data());
  if (animate && SoundManager) SoundManager->PlayDeal();
  RepaintViews();
}

// ---- pairing -------------------------------------------------------------------------------

bool TNestorForm::CanPair(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    const bool pile = std::find(FTableau.begin(), FTableau.end(), target) != FTableau.end() ||
                      std::find(FReserve.begin(), FReserve.end(), target) != FReserve.end();
    return pile && NestorRules::Pairs(source->FDragPile->FList.front(), target->FCards->CardAt(TopOfPile));
  }, true);
}

bool TNestorForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return CanPair(target, source);
}

void TNestorForm::ChooseSmartTarget(TCardPileView* source) {
  for (TCardPileView* column : FTableau)
    if (column->FCards->Count() > 1 && CanPair(column, source)) return;
  for (TCardPileView* column : FTableau)
    if (CanPair(column, source)) return;
  for (TCardPileView* play : FReserve)
    if (CanPair(play, source)) return;
}

void TNestorForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers,
                                            int, int) {
  auto* view = qobject_cast<TCardPileView*>(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  view->FDragArmed = Button == Qt::LeftButton && view->FHitCard &&
                     view->FHitCard == view->FCards->CardAt(TopOfPile);
}

void TNestorForm::FormMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  if (FGameOver) ShowWinDialog();
}

void TNestorForm::TableauPileView1EndDrag(QObject* Sender, QObject*, int, int) {
  auto* source = qobject_cast<TCardPileView*>(Sender);
  if (!source || !source->FDropTarget) return;
  TCardPileView* target = source->FDropTarget;
  TCard* partner = target->FCards->CardAt(TopOfPile);
  if (!partner) return;
  ++FMoveCount;
  if (SoundManager) SoundManager->PlayAutoplay();
  FDiscardView->FCards->AddPile(source->FDragPile);
  FUndo->AddMove(source, FDiscardView, source->FDragPile);
  FUndo->AddCardMove(target, FDiscardView, partner);
  target->FCards->RemoveCard(partner);
  FDiscardView->FCards->AddCard(partner);
  source->repaint();
  target->repaint();
  FDiscardView->repaint();
  CheckForWin();
}

// A pair is two steps, undone and redone together.
bool TNestorForm::UndoGameStep() {
  for (int step = 0; step < 2; ++step) {
    FUndo->PeekUndo();
    if (!FUndo->FCards) break;
    FUndo->Undo();
    FUndo->FFromView->repaint();
    FUndo->FToView->repaint();
    if (step == 0) FUndo->AfterUndo();
  }
  return true;
}

bool TNestorForm::RedoGameStep() {
  for (int step = 0; step < 2; ++step) {
    FUndo->PeekRedo();
    if (!FUndo->FCards) break;
    FUndo->Redo();
    FUndo->FFromView->repaint();
    FUndo->FToView->repaint();
    FUndo->AfterRedo();
  }
  return true;
}

// ---- layout --------------------------------------------------------------------------------

// The columns follow the window's height; their fans are squeezed, like every game's, when
// the views paint.
void TNestorForm::FormResize(QObject*) {
  if (FTableau.empty() || !FDiscardView) return;
  const int s = FShowStatusBar ? FLayout.StatusBarHeight : 0;
  const int base = FMetrics.Base + s;
  for (TCardPileView* column : FTableau)
    column->resize(column->width(), std::max(0, height() + FMetrics.ColumnExtra - base));
  FDiscardView->move(FDiscardView->x(), height() + FMetrics.DiscardExtra - base);
}

// ---- card-size variants --------------------------------------------------------------------

TsNestorForm::TsNestorForm(QWidget* owner)
    : TNestorForm(NestorLayouts::Small, NestorLayouts::SmallMetrics, owner) {}
TsNestorForm::~TsNestorForm() { ForgetGameWindow(sNestorForm, this); }

ThNestorForm::ThNestorForm(QWidget* owner)
    : TNestorForm(NestorLayouts::Huge, NestorLayouts::HugeMetrics, owner) {}
ThNestorForm::~ThNestorForm() { ForgetGameWindow(hNestorForm, this); }

TNestorForm* CreateNestorWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sNestorForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hNestorForm, owner);
  return CreateGameWindow(NestorForm, owner);
}
