#include "games/flowergarden/FlowerGardenWindow.h"

#include "engine/CardUndo.h"
#include "engine/ReservePileView.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/castle/CastleRules.h"
#include "games/flowergarden/FlowerGardenLayouts.h"
#include "games/flowergarden/FlowerGardenRules.h"

TFlowerGardenForm* FlowerGardenForm = nullptr;
TsFlowerGardenForm* sFlowerGardenForm = nullptr;
ThFlowerGardenForm* hFlowerGardenForm = nullptr;

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }
}  // namespace

const TGameSpec TFlowerGardenForm::Spec{.Name = "Flower Garden",
                                        .Section = "FlowerGarden",
                                        .Decks = 1,
                                        .CardsToWin = FlowerGardenRules::CardsToWin,
                                        .Threshold = 5,
                                        .Vegas = false,
                                        .HelpTopic = 1028,
                                        .NumberPanel = FlowerGardenLayouts::NumberPanel,
                                        .ScorePanel = FlowerGardenLayouts::ScorePanel};

TFlowerGardenForm::TFlowerGardenForm(QWidget* owner) : TFlowerGardenForm(FlowerGardenLayouts::Large, owner) {}

TFlowerGardenForm::TFlowerGardenForm(const TFormLayout& layout, QWidget* owner)
    : TGameForm(Spec, layout, owner) {}

TFlowerGardenForm::~TFlowerGardenForm() { ForgetGameWindow(FlowerGardenForm, this); }

void TFlowerGardenForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("TableauPileView"))) FTableau.push_back(c.View);
    else if (name.startsWith(QLatin1String("FoundationPileView"))) FFoundations.push_back(c.View);
    else if (name == QLatin1String("ReservePileView")) ReservePileView = qobject_cast<TReservePileView*>(c.View);
  }
}

void TFlowerGardenForm::ApplySpacing() {
  FitReserveFan();
  TGameForm::ApplySpacing();
}

void TFlowerGardenForm::FormResize(QObject*) { FitReserveFan(); }

void TFlowerGardenForm::FitReserveFan() {
  if (!ReservePileView) return;
  ReservePileView->YOffset = static_cast<float>(
      FormBuilder::FittedFanStep(TableauSpacing(), ReservePileView->height(), TCardPileView::CardSize().height(),
                                 FlowerGardenRules::ReserveCount, TCardPileView::FaceDownStep()));
}

void TFlowerGardenForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Mouse["ReservePileViewMouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                               int y) { ReservePileViewMouseDown(s, b, m, x, y); };
  t.Notify["ReservePileViewDblClick"] = [this](QObject* s) { ReservePileViewDblClick(s); };
  t.Notify["TableauPileView1DblClick"] = [this](QObject* s) { TableauPileView1DblClick(s); };
  t.DragOver["FoundationPileView1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y,
                                                     TDragState st, bool& a) {
    FoundationPileView1DragOver(s, d, x, y, st, a);
  };
}

void TFlowerGardenForm::RenumberReserve() {
  if (ReservePileView) FlowerGardenRules::Renumber(ReservePileView->FCards);
}

// ---- dealing -------------------------------------------------------------------------

void TFlowerGardenForm::DealLayout(bool animate) {
  TCardPile* tableau[FlowerGardenRules::TableauCount];
  for (int i = 0; i < FlowerGardenRules::TableauCount; ++i) tableau[i] = FTableau[std::size_t(i)]->FCards;
  FlowerGardenRules::Deal(StockPile(), tableau, [&](int pile) {
    if (pile < 0) DealPassDone(animate);
    else if (animate) FTableau[std::size_t(pile)]->repaint();
  });
  // What is left of the deck is the reserve.
  StockPile()->CopyPileTo(ReservePileView->FCards);
  StockPile()->Empty(false);
  ReservePileView->repaint();
  if (animate && SoundManager) SoundManager->PlayDeal();
  for (TCardPileView* view : FFoundations) view->repaint();
}

// ---- pressing and dragging -------------------------------------------------------------

bool TFlowerGardenForm::CanLift(TCardPileView* view, int index) {
  return index >= 0 && index == view->FCards->Count() - 1;
}

void TFlowerGardenForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                                  Qt::KeyboardModifiers Shift, int X, int Y) {
  TCardPileView* view = AsView(Sender);
  if (view && !FGameOver && Button == Qt::LeftButton && (Shift & Qt::ControlModifier)) {
    TableauPileView1DblClick(view);
    return;
  }
  TGameForm::TableauPileView1MouseDown(Sender, Button, Shift & ~Qt::ShiftModifier, X, Y);
}

void TFlowerGardenForm::ReservePileViewMouseDown(QObject* Sender, Qt::MouseButton Button,
                                                 Qt::KeyboardModifiers Shift, int, int) {
  TCardPileView* view = AsView(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  view->FDragArmed = false;
  if (Button != Qt::LeftButton || !view->FHitCard) return;
  if (Shift & Qt::ControlModifier) {
    ReservePileViewDblClick(view);
    return;
  }
  view->FDragArmed = true;
}

void TFlowerGardenForm::ReservePileViewDblClick(QObject* Sender) {
  TCardPileView* view = AsView(Sender);
  if (view) SendHome(view, view->FHitCard);
}

void TFlowerGardenForm::TableauPileView1DblClick(QObject* Sender) {
  TCardPileView* view = AsView(Sender);
  if (view) SendHome(view, view->FCards->CardAt(TopOfPile));
}

bool TFlowerGardenForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return CastleRules::CanDropOnTableau(target->FCards, source->FDragPile, true);
  });
}

bool TFlowerGardenForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return CastleRules::CanDropOnFoundation(target->FCards, source->FDragPile);
  });
}

void TFlowerGardenForm::FoundationPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                                    TDragState State, bool& Accept) {
  FoundationPile1DragOver(Sender, Source, X, Y, State, Accept);
}

void TFlowerGardenForm::ChooseSmartTarget(TCardPileView* source) {
  const TCardPile* drag = source->FDragPile;
  if (drag->Count() != 1) return;
  const TCard* card = drag->FList.front();
  if (card->FValue == CS_ACE)
    for (TCardPileView* f : FFoundations)
      if (CanDropOnFoundation(f, source)) return;
  for (TCardPileView* t : FTableau) {
    const TCard* top = t->FCards->CardAt(TopOfPile);
    if (top && top->FSuit == card->FSuit && CanDropOnTableau(t, source)) return;
  }
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
}

// ---- sending home ----------------------------------------------------------------------

void TFlowerGardenForm::SendHome(TCardPileView* view, TCard* card) {
  if (!view || FGameOver) return;
  view->FDragArmed = false;
  if (!card || view->FCards->CardIndex(card) < 0) return;
  if (TCardPileView* foundation = FoundationFor(card)) {
    view->FCards->RemoveCard(card);
    foundation->FCards->AddCard(card);
    view->repaint();
    foundation->repaint();
    ++FMoveCount;
    if (SoundManager) SoundManager->PlayAutoplayStep();
    FUndo->AddCardMove(view, foundation, card);
    if (view == ReservePileView) RenumberReserve();
  }
  CheckForWin();
}

// ---- undo and redo ---------------------------------------------------------------------

bool TFlowerGardenForm::UndoGameStep() {
  if (FUndo->FFromView != ReservePileView) return false;
  // The card goes back to its place in the reserve.
  FUndo->UndoInsert();
  ReservePileView->repaint();
  if (FUndo->FToView) FUndo->FToView->repaint();
  RenumberReserve();
  return true;
}

bool TFlowerGardenForm::RedoGameStep() {
  if (FUndo->FFromView != ReservePileView) return false;
  FUndo->Redo();
  RenumberReserve();
  ReservePileView->repaint();
  if (FUndo->FToView) FUndo->FToView->repaint();
  FUndo->AfterRedo();
  return true;
}

// ---- card-size variants --------------------------------------------------------------------

TsFlowerGardenForm::TsFlowerGardenForm(QWidget* owner) : TFlowerGardenForm(FlowerGardenLayouts::Small, owner) {}
TsFlowerGardenForm::~TsFlowerGardenForm() { ForgetGameWindow(sFlowerGardenForm, this); }

ThFlowerGardenForm::ThFlowerGardenForm(QWidget* owner) : TFlowerGardenForm(FlowerGardenLayouts::Huge, owner) {}
ThFlowerGardenForm::~ThFlowerGardenForm() { ForgetGameWindow(hFlowerGardenForm, this); }

TFlowerGardenForm* CreateFlowerGardenWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sFlowerGardenForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hFlowerGardenForm, owner);
  return CreateGameWindow(FlowerGardenForm, owner);
}
