#include "games/canfield/CanfieldWindow.h"

#include <QAction>
#include <QMenu>

#include "engine/Card.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/GameVariants.h"
#include "games/canfield/CanfieldLayouts.h"
#include "games/canfield/CanfieldRules.h"
#include "shell/Preferences.h"
#include "shell/Profile.h"

TCanfieldForm* CanfieldForm = nullptr;
TsCanfieldForm* sCanfieldForm = nullptr;
ThCanfieldForm* hCanfieldForm = nullptr;

const TGameSpec TCanfieldForm::Spec{.Name = "Canfield",
                                    .Section = "Canfield",
                                    .Decks = 1,
                                    .CardsToWin = 52,
                                    .Threshold = 5,
                                    .Vegas = true,
                                    .HelpTopic = 1013,
                                    .NumberPanel = 3,
                                    .ScorePanel = 5};

namespace {
TCard* TopCard(TCardPileView* view) { return view ? view->FCards->CardAt(TopOfPile) : nullptr; }
}  // namespace

TCanfieldForm::TCanfieldForm(QWidget* owner) : TCanfieldForm(CanfieldLayouts::Large, owner) {}

TCanfieldForm::TCanfieldForm(const TFormLayout& layout, QWidget* owner)
    : TDrawStockForm(Spec, layout, owner) {}

TCanfieldForm::~TCanfieldForm() { ForgetGameWindow(CanfieldForm, this); }

void TCanfieldForm::InitPiles() {
  TDrawStockForm::InitPiles();
  ReservePileView = View(QStringLiteral("ReservePileView"));
}

void TCanfieldForm::AddGameMenuItems(QMenu* menu) {
  TDrawStockForm::AddGameMenuItems(menu);
  SuperiorRules1 =
      AddMenuItem("SuperiorRules1", "\"S&uperior\" Rules", QKeySequence(Qt::Key_F2), nullptr, NewGame1);
  connect(SuperiorRules1, &QAction::triggered, this, [this] { SuperiorRules1Click(SuperiorRules1); });
  SuperiorRules1->setCheckable(true);
  PopupMenu1->insertSeparator(NewGame1);
}

void TCanfieldForm::ReadOptions() {
  TDrawStockForm::ReadOptions();
  Profile1->SetEntry(QStringLiteral("SuperiorRules"));
  FSuperiorRules = Profile1->Text() != Profile1->DefaultText() && Profile1->State();
  SuperiorRules1->setChecked(FSuperiorRules);
  SetReserveFan();
}

void TCanfieldForm::SetReserveFan() {
  if (!ReservePileView) return;
  const float step = FSuperiorRules ? 20.0f : 4.0f;
  ReservePileView->YOffset = CardSize() == CS_HUGE ? step * 1.5f : step;
  ReservePileView->repaint();
}

void TCanfieldForm::SuperiorRules1Click(QObject*) {
  FSuperiorRules = !FSuperiorRules;
  SuperiorRules1->setChecked(FSuperiorRules);
  WriteState("SuperiorRules", FSuperiorRules);
  SetReserveFan();
}

void TCanfieldForm::FirstMoveMade() { SuperiorRules1->setEnabled(false); }

void TCanfieldForm::NewDealStarted() {
  TDrawStockForm::NewDealStarted();
  SuperiorRules1->setEnabled(true);
  for (TCardPileView* f : FFoundations) f->Label.clear();
}

void TCanfieldForm::DealLayout(bool animate) {
  for (int i = 0; i < CanfieldRules::ReserveCount; ++i) {
    DealCardTo(ReservePileView, true, animate);
    if (i % 4 == 0) DealPassDone(animate);
  }
  DealCardTo(FFoundations.front(), true, animate);
  const TCard* base = TopCard(FFoundations.front());
  FBaseRank = base ? base->FValue : 0;
  for (TCardPileView* f : FFoundations) {
    f->Label = CanfieldRules::RankText(FBaseRank);
    f->repaint();
  }
  for (TCardPileView* t : FTableau) DealCardTo(t, true, animate);
  ReservePileView->repaint();
}

// ---- rules ---------------------------------------------------------------------------------

bool TCanfieldForm::CanLift(TCardPileView* view, int index) {
  return CanfieldRules::IsRun(view->FCards, index);
}

bool TCanfieldForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return CanfieldRules::CanDropOnTableau(target->FCards, source->FDragPile->FList.front(),
                                           ReservePileView->FCards->Count() == 0, FSuperiorRules);
  }, true);
}

bool TCanfieldForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  return CanDropOnFoundation(target, source, false);
}

bool TCanfieldForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source, bool fromSourceTop) {
  return DropIf(target, source, [&] {
    const TCard* card = nullptr;
    if (fromSourceTop) {
      card = TopCard(source);
    } else if (source->FDragPile->Count() == 1) {
      card = source->FDragPile->FList.front();
    }
    return CanfieldRules::FitsFoundation(target->FCards, card, FBaseRank);
  });
}

TCardPileView* TCanfieldForm::FoundationFor(TCard* card) {
  if (!card) return nullptr;
  for (TCardPileView* f : FFoundations)
    if (CanfieldRules::FitsFoundation(f->FCards, card, FBaseRank)) return f;
  return nullptr;
}

std::vector<TCardPileView*> TCanfieldForm::AutoplaySources() const {
  std::vector<TCardPileView*> sources{ReservePileView};
  sources.insert(sources.end(), FTableau.begin(), FTableau.end());
  sources.push_back(DiscardPileView);
  return sources;
}

void TCanfieldForm::ChooseSmartTarget(TCardPileView* source) {
  TCardPile* drag = source->FDragPile;
  if (drag->Count() == 1 && drag->FList.front()->FValue == FBaseRank)
    for (TCardPileView* f : FFoundations)
      if (CanDropOnFoundation(f, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
}

// ---- moves ---------------------------------------------------------------------------------

void TCanfieldForm::RefillFromReserve() {
  if (FSuperiorRules || FGameOver) return;
  for (TCardPileView* t : FTableau) {
    TCard* card = TopCard(ReservePileView);
    if (!card) return;
    if (t->FCards->Count() > 0) continue;
    ReservePileView->FCards->RemoveCard(card);
    card->FFaceUp = true;
    t->FCards->AddCard(card);
    FUndo->AddCardMove(ReservePileView, t, card);
    FUndo->MarkLastStep(RefillStep);
    ReservePileView->repaint();
    t->repaint();
    if (SoundManager) SoundManager->PlayDeal();
    Autoplay();
  }
}

int TCanfieldForm::PeekedStepMoves() const { return FUndo->FMark == RefillStep ? 0 : 1; }

void TCanfieldForm::DiscardPileViewDblClick(QObject* Sender) {
  auto* view = qobject_cast<TCardPileView*>(Sender);
  if (!view || FGameOver) return;
  if (TCard* top = TopCard(view); top && top->FFaceUp) FirstMoveMade();
  TDrawStockForm::DiscardPileViewDblClick(Sender);
  RefillFromReserve();
}

void TCanfieldForm::TableauPileView1EndDrag(QObject* Sender, QObject* Target, int X, int Y) {
  auto* source = qobject_cast<TCardPileView*>(Sender);
  if (source && source->FDropTarget) FirstMoveMade();
  TDrawStockForm::TableauPileView1EndDrag(Sender, Target, X, Y);
  RefillFromReserve();
}

void TCanfieldForm::DeckPileViewClick(QObject*) {
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  LockDrawMode();
  FirstMoveMade();
  // With stock and waste both empty nothing turns and no step is recorded.
  if (DeckPileView->FCards->Count() == 0) RedealWaste();
  TurnCards();
  if (SoundManager) SoundManager->PlayStock();
  Autoplay();
  UpdateStockStatus();
  RefillFromReserve();
}

void TCanfieldForm::UpdateStockStatus() { ShowStockStatus(true); }

// ---- card-size variants --------------------------------------------------------------------

TsCanfieldForm::TsCanfieldForm(QWidget* owner) : TCanfieldForm(CanfieldLayouts::Small, owner) {}
TsCanfieldForm::~TsCanfieldForm() { ForgetGameWindow(sCanfieldForm, this); }

ThCanfieldForm::ThCanfieldForm(QWidget* owner) : TCanfieldForm(CanfieldLayouts::Huge, owner) {}
ThCanfieldForm::~ThCanfieldForm() { ForgetGameWindow(hCanfieldForm, this); }

TCanfieldForm* CreateCanfieldWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sCanfieldForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hCanfieldForm, owner);
  return CreateGameWindow(CanfieldForm, owner);
}
