#include "games/seatowers/SeaTowersWindow.h"

#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/seatowers/SeaTowersLayouts.h"
#include "games/seatowers/SeaTowersRules.h"

TSeaHavenForm* SeaHavenForm = nullptr;
TsSeaHavenForm* sSeaHavenForm = nullptr;
ThSeaHavenForm* hSeaHavenForm = nullptr;

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }

std::vector<const TCardPile*> Piles(const std::vector<TCardPileView*>& views) {
  std::vector<const TCardPile*> piles;
  for (TCardPileView* view : views) piles.push_back(view->FCards);
  return piles;
}
}  // namespace

const TGameSpec TSeaHavenForm::Spec{.Name = "Sea Towers",
                                    .Section = "SeaHavenTowers",
                                    .Decks = 1,
                                    .CardsToWin = SeaTowersRules::CardsToWin,
                                    .Threshold = 5,
                                    .Vegas = false,
                                    .HelpTopic = 1011,
                                    .NumberPanel = SeaTowersLayouts::NumberPanel,
                                    .ScorePanel = SeaTowersLayouts::ScorePanel};

TSeaHavenForm::TSeaHavenForm(QWidget* owner) : TSeaHavenForm(SeaTowersLayouts::Large, owner) {}

TSeaHavenForm::TSeaHavenForm(const TFormLayout& layout, QWidget* owner) : TGameForm(Spec, layout, owner) {}

TSeaHavenForm::~TSeaHavenForm() { ForgetGameWindow(SeaHavenForm, this); }

void TSeaHavenForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("TableauPileView"))) FTableau.push_back(c.View);
    else if (name.startsWith(QLatin1String("FoundPileView"))) FFoundations.push_back(c.View);
    else if (name.startsWith(QLatin1String("FreePileView"))) FFreeCells.push_back(c.View);
  }
}

void TSeaHavenForm::BindHandlers(THandlerTable& t) {
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

int TSeaHavenForm::EmptyFreeCells() const {
  int count = 0;
  for (TCardPileView* view : FFreeCells)
    if (view->FCards->Count() == 0) ++count;
  return count;
}

// ---- dealing -------------------------------------------------------------------------

void TSeaHavenForm::DealLayout(bool animate) {
  TCardPile* tableau[SeaTowersRules::TableauCount];
  for (int i = 0; i < SeaTowersRules::TableauCount; ++i) tableau[i] = FTableau[std::size_t(i)]->FCards;
  SeaTowersRules::Deal(StockPile(), tableau, FFreeCells[2]->FCards, [&](SeaTowersRules::TDealEvent event, int pile) {
    if (event == SeaTowersRules::TDealEvent::PassEnd) DealPassDone(animate);
    else if (animate)
      (event == SeaTowersRules::TDealEvent::Tableau ? FTableau : FFreeCells)[std::size_t(pile)]->repaint();
  });
  // The last card stays where the deck was built: in the second free cell.
  StockPile()->CopyPileTo(FFreeCells[1]->FCards);
  StockPile()->Empty(false);
  for (TCardPileView* view : FFreeCells) view->repaint();
  for (TCardPileView* view : FFoundations) view->repaint();
}

// ---- pressing and dragging -------------------------------------------------------------

bool TSeaHavenForm::CanLift(TCardPileView* view, int index) {
  return SeaTowersRules::CanLift(view->FCards, index, EmptyFreeCells());
}

void TSeaHavenForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                              Qt::KeyboardModifiers Shift, int X, int Y) {
  TCardPileView* view = AsView(Sender);
  // The middle button, or Ctrl/Shift with the left, plays the top card home, also when
  // the press is beside the cards.
  const bool sendHome = Button == Qt::MiddleButton ||
                        (Button == Qt::LeftButton && (Shift & (Qt::ShiftModifier | Qt::ControlModifier)));
  if (view && sendHome && !FGameOver) {
    view->FDragArmed = false;
    DiscardPileViewDblClick(view);
    return;
  }
  TGameForm::TableauPileView1MouseDown(Sender, Button, Shift, X, Y);
}

void TSeaHavenForm::FreePileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                           Qt::KeyboardModifiers Shift, int X, int Y) {
  DiscardPileViewMouseDown(Sender, Button, Shift, X, Y);
}

void TSeaHavenForm::TableauPileView1DblClick(QObject* Sender) { DiscardPileViewDblClick(Sender); }

bool TSeaHavenForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return SeaTowersRules::CanDropOnTableau(target->FCards, source->FDragPile->FList.front());
  }, true);
}

bool TSeaHavenForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return SeaTowersRules::CanDropOnFoundation(target->FCards, source->FDragPile);
  });
}

bool TSeaHavenForm::CanDropOnFreeCell(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return SeaTowersRules::CanDropOnFreeCell(target->FCards, source->FDragPile->Count());
  });
}

void TSeaHavenForm::FreePileView1DragOver(QObject* Sender, TDragObjectHack* Source, int, int, TDragState,
                                          bool& Accept) {
  AnswerDragOver(Sender, Source, Accept, [this](TCardPileView* t, TCardPileView* s) { CanDropOnFreeCell(t, s); });
}

void TSeaHavenForm::FoundPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                           TDragState State, bool& Accept) {
  FoundationPile1DragOver(Sender, Source, X, Y, State, Accept);
}

void TSeaHavenForm::ChooseSmartTarget(TCardPileView* source) {
  const TCardPile* drag = source->FDragPile;
  if (drag->Count() == 1 && drag->FList.front()->FValue == CS_ACE)
    for (TCardPileView* f : FFoundations)
      if (CanDropOnFoundation(f, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
}

// ---- sending home and autoplay ---------------------------------------------------------

void TSeaHavenForm::DiscardPileViewDblClick(QObject* Sender) {
  TCardPileView* view = AsView(Sender);
  if (!view || FGameOver) return;
  view->FDragArmed = false;
  TCard* card = view->FCards->CardAt(TopOfPile);
  if (!card) return;
  const SeaTowersRules::TSendHome home =
      SeaTowersRules::SendHomeTarget(card, Piles(FFoundations), Piles(FFreeCells));
  if (home.Kind != SeaTowersRules::THome::None) {
    const bool toFoundation = home.Kind == SeaTowersRules::THome::Foundation;
    TCardPileView* target = (toFoundation ? FFoundations : FFreeCells)[std::size_t(home.Index)];
    view->FCards->RemoveCard(card);
    target->FCards->AddCard(card);
    view->repaint();
    target->repaint();
    if (toFoundation && SoundManager) SoundManager->PlayAutoplayStep();
    FUndo->AddCardMove(view, target, card);
    ++FMoveCount;
  }
  CheckForWin();
}

std::vector<TCardPileView*> TSeaHavenForm::AutoplaySources() const {
  std::vector<TCardPileView*> sources = FFreeCells;
  sources.insert(sources.end(), FTableau.begin(), FTableau.end());
  return sources;
}

// ---- card-size variants --------------------------------------------------------------------

TsSeaHavenForm::TsSeaHavenForm(QWidget* owner) : TSeaHavenForm(SeaTowersLayouts::Small, owner) {}
TsSeaHavenForm::~TsSeaHavenForm() { ForgetGameWindow(sSeaHavenForm, this); }

ThSeaHavenForm::ThSeaHavenForm(QWidget* owner) : TSeaHavenForm(SeaTowersLayouts::Huge, owner) {}
ThSeaHavenForm::~ThSeaHavenForm() { ForgetGameWindow(hSeaHavenForm, this); }

TSeaHavenForm* CreateSeaHavenWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sSeaHavenForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hSeaHavenForm, owner);
  return CreateGameWindow(SeaHavenForm, owner);
}
