#include "games/castle/CastleWindow.h"

#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/castle/CastleLayouts.h"
#include "games/castle/CastleRules.h"

TCastleForm* CastleForm = nullptr;
TsCastleForm* sCastleForm = nullptr;
ThCastleForm* hCastleForm = nullptr;

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }
}  // namespace

const TGameSpec TCastleForm::Spec{.Name = "Beleaguered Castle",
                                  .Section = "Castle",
                                  .Decks = 1,
                                  .CardsToWin = CastleRules::CardsToWin,
                                  .Threshold = 3,
                                  .Vegas = false,
                                  .HelpTopic = 1001,
                                  .NumberPanel = CastleLayouts::NumberPanel,
                                  .ScorePanel = CastleLayouts::ScorePanel};

TCastleForm::TCastleForm(QWidget* owner) : TCastleForm(Spec, CastleLayouts::Large, owner) {}

TCastleForm::TCastleForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner)
    : TGameForm(spec, layout, owner) {}

TCastleForm::~TCastleForm() { ForgetGameWindow(CastleForm, this); }

void TCastleForm::InitPiles() {
  for (const TBuiltComponent& c : FComponents) {
    const QString name = c.View->objectName();
    if (name.startsWith(QLatin1String("TableauPileView"))) FTableau.push_back(c.View);
    else if (name.startsWith(QLatin1String("FoundationPileView"))) FFoundations.push_back(c.View);
  }
}

void TCastleForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Notify["TableauPileView1DblClick"] = [this](QObject* s) { TableauPileView1DblClick(s); };
  t.DragOver["FoundationPileView1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y,
                                                     TDragState st, bool& a) {
    FoundationPileView1DragOver(s, d, x, y, st, a);
  };
}



// ---- dealing -------------------------------------------------------------------------

void TCastleForm::ShowDealt(TCardPileView* view, bool animate) {
  if (animate && view) view->repaint();
}

void TCastleForm::DealLayout(bool animate) {
  TCardPile* foundations[CastleRules::FoundationCount];
  TCardPile* rows[CastleRules::CastleRows];
  for (int i = 0; i < CastleRules::FoundationCount; ++i) foundations[i] = FFoundations[std::size_t(i)]->FCards;
  for (int i = 0; i < CastleRules::CastleRows; ++i) rows[i] = FTableau[std::size_t(i)]->FCards;
  CastleRules::DealCastle(StockPile(), foundations, rows, [&](CastleRules::TDealEvent event, int pile) {
    switch (event) {
      case CastleRules::TDealEvent::Foundation:
        ShowDealt(FFoundations[std::size_t(pile)], animate);
        if (animate && SoundManager) SoundManager->PlayDeal();
        break;
      case CastleRules::TDealEvent::Tableau: ShowDealt(FTableau[std::size_t(pile)], animate); break;
      case CastleRules::TDealEvent::PassEnd: DealPassDone(animate); break;
    }
  });
  for (TCardPileView* view : FFoundations) view->repaint();
}

// ---- pressing and dragging -------------------------------------------------------------

bool TCastleForm::CanLift(TCardPileView* view, int index) {
  return index >= 0 && index == view->FCards->Count() - 1;
}

void TCastleForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                            Qt::KeyboardModifiers Shift, int X, int Y) {
  TCardPileView* view = AsView(Sender);
  // The middle button, or Ctrl/Shift with the left, plays the top card home, also when
  // the press is beside the cards.
  const bool sendHome = Button == Qt::MiddleButton ||
                        (Button == Qt::LeftButton && (Shift & (Qt::ShiftModifier | Qt::ControlModifier)));
  if (view && sendHome && !FGameOver) {
    view->FDragArmed = false;
    TableauPileView1DblClick(view);
    return;
  }
  TGameForm::TableauPileView1MouseDown(Sender, Button, Shift, X, Y);
}

void TCastleForm::TableauPileView1DblClick(QObject* Sender) { DiscardPileViewDblClick(Sender); }

bool TCastleForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return CastleRules::CanDropOnTableau(target->FCards, source->FDragPile, EmptyPileTakesAny());
  });
}

bool TCastleForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return CastleRules::CanDropOnFoundation(target->FCards, source->FDragPile);
  });
}

void TCastleForm::FoundationPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y,
                                              TDragState State, bool& Accept) {
  FoundationPile1DragOver(Sender, Source, X, Y, State, Accept);
}

void TCastleForm::ChooseSmartTarget(TCardPileView* source) {
  const TCardPile* drag = source->FDragPile;
  if (drag->Count() == 0) return;
  const TCard* card = drag->FList.front();
  if (drag->Count() == 1 && card->FValue == CS_ACE)
    for (TCardPileView* f : FFoundations)
      if (CanDropOnFoundation(f, source)) return;
  // A pile of the card's own suit first, so a later play home stays open.
  for (TCardPileView* t : FTableau) {
    const TCard* top = t->FCards->CardAt(TopOfPile);
    if (top && top->FSuit == card->FSuit && CanDropOnTableau(t, source)) return;
  }
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
}

// ---- card-size variants --------------------------------------------------------------------

TsCastleForm::TsCastleForm(QWidget* owner) : TCastleForm(Spec, CastleLayouts::Small, owner) {}
TsCastleForm::~TsCastleForm() { ForgetGameWindow(sCastleForm, this); }

ThCastleForm::ThCastleForm(QWidget* owner) : TCastleForm(Spec, CastleLayouts::Huge, owner) {}
ThCastleForm::~ThCastleForm() { ForgetGameWindow(hCastleForm, this); }

TCastleForm* CreateCastleWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sCastleForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hCastleForm, owner);
  return CreateGameWindow(CastleForm, owner);
}
