#include "games/freecell/FreeCellWindow.h"

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/freecell/FreeCellLayouts.h"

TFreeCellForm* FreeCellForm = nullptr;
TsFreeCellForm* sFreeCellForm = nullptr;
ThFreeCellForm* hFreeCellForm = nullptr;

using namespace FreeCellRules;

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }
}  // namespace

const TGameSpec TFreeCellForm::Spec{.Name = "FreeCell",
                                    .Section = "FreeCell",
                                    .Decks = 1,
                                    .CardsToWin = CardsToWin,
                                    .Threshold = Threshold,
                                    .Vegas = false,
                                    .HelpTopic = 1004,
                                    .NumberPanel = FreeCellLayouts::NumberPanel,
                                    .ScorePanel = FreeCellLayouts::ScorePanel};

TFreeCellForm::TFreeCellForm(QWidget* owner)
    : TFreeCellForm(Spec, FreeCellRules::FreeCell, FreeCellLayouts::Large, owner) {}

TFreeCellForm::TFreeCellForm(const TGameSpec& spec, const TVariant& variant, const TFormLayout& layout,
                             QWidget* owner)
    : TGameForm(spec, layout, owner), FVariant(variant) {}

TFreeCellForm::~TFreeCellForm() { ForgetGameWindow(FreeCellForm, this); }

void TFreeCellForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("TableauPileView"))) FTableau.push_back(c.View);
    else if (name.startsWith(QLatin1String("FoundPileView"))) FFoundations.push_back(c.View);
    else if (name.startsWith(QLatin1String("FreePileView"))) FFreeCells.push_back(c.View);
  }
}

void TFreeCellForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Mouse["FreePileView1MouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    FreePileView1MouseDown(s, b, m, x, y);
  };
  t.DragOver["FreePileView1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st, bool& a) {
    FreePileView1DragOver(s, d, x, y, st, a);
  };
  t.DragOver["FoundPileView1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st, bool& a) {
    FoundPileView1DragOver(s, d, x, y, st, a);
  };
  t.Notify["TableauPileView1DblClick"] = [this](QObject* s) { TableauPileView1DblClick(s); };
}

TTable TFreeCellForm::Table() const {
  TTable table;
  for (TCardPileView* view : FTableau) table.Tableau.push_back(view->FCards);
  for (TCardPileView* view : FFoundations) table.Foundations.push_back(view->FCards);
  for (TCardPileView* view : FFreeCells) table.FreeCells.push_back(view->FCards);
  return table;
}

TCardPileView* TFreeCellForm::TargetView(const TTarget& target) const {
  const auto index = static_cast<std::size_t>(target.Index);
  switch (target.Kind) {
    case TTargetKind::Tableau: return FTableau[index];
    case TTargetKind::Foundation: return FFoundations[index];
    case TTargetKind::FreeCell: return FFreeCells[index];
    case TTargetKind::None: break;
  }
  return nullptr;
}

int TFreeCellForm::EmptyFreeCells() const { return EmptyPiles(Table().FreeCells); }

int TFreeCellForm::EmptyColumns() const { return EmptyPiles(Table().Tableau); }

// ---- dealing -------------------------------------------------------------------------

void TFreeCellForm::ShuffleDeck(TCardPile* pile) { ShuffleNumbered(pile, FGameNumber, FVariant); }

void TFreeCellForm::DealLayout(bool animate) {
  // The deck lies in the first free cell and is dealt from its top.
  TCardPileView* deck = FFreeCells.front();
  StockPile()->CopyPileTo(deck->FCards);
  StockPile()->Empty(false);
  if (animate) deck->repaint();
  for (const TDealStep& step : DealSteps(FVariant)) {
    TCard* card = deck->FCards->CardAt(TopOfPile);
    if (!card) break;
    deck->FCards->RemoveCard(card);
    card->FFaceUp = true;
    TCardPileView* target = step.Kind == TPileKind::Tableau ? FTableau[static_cast<std::size_t>(step.Index)]
                                                            : FFreeCells[static_cast<std::size_t>(step.Index)];
    target->FCards->AddCard(card);
    if (animate) {
      target->repaint();
      deck->repaint();
    }
    if (step.RowEnd) DealPassDone(animate);
  }
  for (TCard* card : deck->FCards->FList) card->FFaceUp = true;
  for (TCardPileView* view : FFreeCells) view->repaint();
  for (TCardPileView* view : FFoundations) view->repaint();
}

// ---- pressing ------------------------------------------------------------------------

bool TFreeCellForm::CanLift(TCardPileView* view, int index) {
  const int cells = EmptyFreeCells();
  const int columns = EmptyColumns();
  FEmptyColumnLimit = EmptyColumnLimit(FVariant, cells, columns);
  if (view->FCards->Count() - index > LiftLimit(FVariant, cells, columns)) return false;
  return IsRun(view->FCards, index, FVariant.SameSuit);
}

void TFreeCellForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                              Qt::KeyboardModifiers Shift, int X, int Y) {
  TCardPileView* view = AsView(Sender);
  if (view && !FGameOver && Button == Qt::LeftButton && !view->FHitCard &&
      (Shift & (Qt::ShiftModifier | Qt::ControlModifier))) {
    SendHome(view);
    return;
  }
  TGameForm::TableauPileView1MouseDown(Sender, Button, Shift, X, Y);
}

void TFreeCellForm::MiddleButtonPress(TCardPileView* view) {
  if (view) SendHome(view);
  else TGameForm::MiddleButtonPress(view);
}

void TFreeCellForm::FreePileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                           Qt::KeyboardModifiers Shift, int, int) {
  TCardPileView* view = AsView(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  view->FDragArmed = false;
  if (Button != Qt::LeftButton) return;
  if (Shift & (Qt::ShiftModifier | Qt::ControlModifier)) {
    SendHome(view);
    return;
  }
  if (!view->FHitCard || view->FHitCard != view->FCards->CardAt(TopOfPile)) return;
  view->FDragArmed = true;
  FEmptyColumnLimit = 1;
}

// ---- dragging ------------------------------------------------------------------------

bool TFreeCellForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    const TCardPile* drag = source->FDragPile;
    return FreeCellRules::CanDropOnTableau(FVariant, target->FCards, drag->FList.front(), drag->Count(),
                                           FEmptyColumnLimit);
  }, true);
}

bool TFreeCellForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return FreeCellRules::CanDropOnFoundation(target->FCards, source->FDragPile);
  });
}

bool TFreeCellForm::CanDropOnFreeCell(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return FreeCellRules::CanDropOnFreeCell(target->FCards, source->FDragPile->Count());
  });
}

void TFreeCellForm::FreePileView1DragOver(QObject* Sender, TDragObjectHack* Source, int, int, TDragState,
                                          bool& Accept) {
  AnswerDragOver(Sender, Source, Accept, [this](TCardPileView* t, TCardPileView* s) { CanDropOnFreeCell(t, s); });
}

void TFreeCellForm::FoundPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                           TDragState State, bool& Accept) {
  FoundationPile1DragOver(Sender, Source, X, Y, State, Accept);
}

void TFreeCellForm::ChooseSmartTarget(TCardPileView* source) {
  const TTarget target = SmartTarget(FVariant, Table(), source->FCards, source->FDragPile, FEmptyColumnLimit);
  if (TCardPileView* view = TargetView(target)) source->FDropTarget = view;
}

// ---- sending home and autoplay ---------------------------------------------------------

void TFreeCellForm::TableauPileView1DblClick(QObject* Sender) { SendHome(AsView(Sender)); }

TCardPileView* TFreeCellForm::SendHomeTarget(TCardPileView*, TCard* card) {
  return TargetView(FreeCellRules::SendHomeTarget(Table(), card));
}

std::vector<TCardPileView*> TFreeCellForm::AutoplaySources() const {
  std::vector<TCardPileView*> sources = FFreeCells;
  sources.insert(sources.end(), FTableau.begin(), FTableau.end());
  return sources;
}

// ---- card-size variants --------------------------------------------------------------------

TsFreeCellForm::TsFreeCellForm(QWidget* owner)
    : TFreeCellForm(Spec, FreeCellRules::FreeCell, FreeCellLayouts::Small, owner) {}
TsFreeCellForm::~TsFreeCellForm() { ForgetGameWindow(sFreeCellForm, this); }

ThFreeCellForm::ThFreeCellForm(QWidget* owner)
    : TFreeCellForm(Spec, FreeCellRules::FreeCell, FreeCellLayouts::Huge, owner) {}
ThFreeCellForm::~ThFreeCellForm() { ForgetGameWindow(hFreeCellForm, this); }

TFreeCellForm* CreateFreeCellWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sFreeCellForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hFreeCellForm, owner);
  return CreateGameWindow(FreeCellForm, owner);
}
