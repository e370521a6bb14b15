#include "games/indian/IndianWindow.h"

#include <algorithm>

#include "engine/Card.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "games/GameVariants.h"
#include "games/indian/IndianLayouts.h"

TIndianPatienceForm* IndianPatienceForm = nullptr;
TsIndianPatienceForm* sIndianPatienceForm = nullptr;
ThIndianPatienceForm* hIndianPatienceForm = nullptr;

const TGameSpec TIndianPatienceForm::Spec{.Name = "Indian Patience",
                                          .Section = "IndianPatience",
                                          .Decks = 2,
                                          .CardsToWin = IndianRules::CardsToWin,
                                          .Threshold = IndianRules::Threshold,
                                          .HelpTopic = 1006,
                                          .NumberPanel = 2,
                                          .ScorePanel = 4,
                                          .LaunchUp = true};

TIndianPatienceForm::TIndianPatienceForm(QWidget* owner)
    : TIndianPatienceForm(IndianLayouts::Large, IndianLayouts::LargeMetrics, owner) {}

TIndianPatienceForm::TIndianPatienceForm(const TFormLayout& layout,
                                         const ThievesLayouts::TThievesMetrics& metrics, QWidget* owner)
    : TThievesForm(Spec, layout, metrics, owner) {}

TIndianPatienceForm::~TIndianPatienceForm() { ForgetGameWindow(IndianPatienceForm, this); }

void TIndianPatienceForm::DealLayout(bool animate) {
  FBottomCards.assign(FTableau.size(), nullptr);
  for (int pass = 0; pass < IndianRules::DealPasses; ++pass) {
    for (std::size_t i = 0; i < FTableau.size(); ++i) {
      DealCardTo(FTableau[i], pass > 0, animate);
      if (pass == 0) FBottomCards[i] = FTableau[i]->FCards->CardAt(TopOfPile);
    }
    DealPassDone(animate);
  }
}

// ---- moves ---------------------------------------------------------------------------------

bool TIndianPatienceForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return source->FDragPile->Count() == 1 &&
           IndianRules::CanDropOnTableau(target->FCards, source->FDragPile->FList.front(), FBottomCards);
  });
}

void TIndianPatienceForm::ChooseSmartTarget(TCardPileView* source) {
  TCardPile* drag = source->FDragPile;
  if (drag->Count() == 1 && drag->FList.front()->FValue == CS_ACE)
    for (TCardPileView* f : FFoundations)
      if (CanDropOnFoundation(f, source)) return;
  // A pile with cards first; an empty pile only when nothing else takes the card.
  for (TCardPileView* t : FTableau)
    if (t->FCards->Count() > 0 && CanDropOnTableau(t, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
}

void TIndianPatienceForm::CheckForWin() {
  RefillEmptyPile();
  UpdateBottomCards();
  TThievesForm::CheckForWin();
}

void TIndianPatienceForm::RefillEmptyPile() {
  TCardPile* stock = DeckPileView->FCards;
  bool refilled = false;
  for (TCardPileView* pile : FTableau) {
    if (pile->FCards->Count() > 0 || stock->Count() == 0) continue;
    TCardPile taken;
    IndianRules::Refill(stock, pile->FCards, &taken);
    pile->repaint();
    DeckPileView->repaint();
    if (SoundManager) SoundManager->PlayDeal();
    FUndo->AddMove(DeckPileView, pile, &taken);
    ++FMoveCount;
    refilled = true;
  }
  if (refilled) UpdateStockStatus();
}

void TIndianPatienceForm::UpdateBottomCards() {
  std::vector<TCardPile*> piles;
  for (TCardPileView* view : FTableau) piles.push_back(view->FCards);
  const bool stockHasCards = DeckPileView->FCards->Count() > 0;
  for (int i : IndianRules::SettleBottomCards(piles.data(), static_cast<int>(piles.size()), stockHasCards,
                                              FBottomCards))
    FTableau[static_cast<std::size_t>(i)]->repaint();
}

// ---- undo and redo -------------------------------------------------------------------------

bool TIndianPatienceForm::IsRefillStep() const {
  return FUndo->FCards && FUndo->FFromView == DeckPileView &&
         std::find(FTableau.begin(), FTableau.end(), FUndo->FToView) != FTableau.end();
}

bool TIndianPatienceForm::UndoGameStep() {
  if (IsRefillStep()) {
    // The refill goes back first, its cards face down on the stock in their old order;
    // then the move that emptied the pile.
    TCardPileView* pile = FUndo->FToView;
    FUndo->FCards->Flip();
    FUndo->Undo();
    TCardPile* stock = DeckPileView->FCards;
    const int count = stock->Count();
    for (int i = std::max(0, count - IndianRules::RefillCount); i < count; ++i)
      stock->FList[static_cast<std::size_t>(i)]->FFaceUp = false;
    DeckPileView->repaint();
    pile->repaint();
    FUndo->AfterUndo();
    --FMoveCount;
    FUndo->PeekUndo();
  }
  if (FUndo->FCards) TThievesForm::UndoGameStep();
  UpdateBottomCards();
  return true;
}

bool TIndianPatienceForm::RedoGameStep() {
  TThievesForm::RedoGameStep();
  FUndo->PeekRedo();
  if (IsRefillStep()) {
    TCardPileView* pile = FUndo->FToView;
    FUndo->FCards->Flip();
    FUndo->Redo();
    // Laid as the refill laid them: the lowest face down under the others.
    if (FUndo->FCards->Count() > 1) FUndo->FCards->FList.front()->FFaceUp = false;
    DeckPileView->repaint();
    pile->repaint();
    FUndo->AfterRedo();
    ++FMoveCount;
  }
  FUndo->FCards = nullptr;
  UpdateBottomCards();
  return true;
}

// ---- card-size variants --------------------------------------------------------------------

TsIndianPatienceForm::TsIndianPatienceForm(QWidget* owner)
    : TIndianPatienceForm(IndianLayouts::Small, IndianLayouts::SmallMetrics, owner) {}
TsIndianPatienceForm::~TsIndianPatienceForm() { ForgetGameWindow(sIndianPatienceForm, this); }

ThIndianPatienceForm::ThIndianPatienceForm(QWidget* owner)
    : TIndianPatienceForm(IndianLayouts::Huge, IndianLayouts::HugeMetrics, owner) {}
ThIndianPatienceForm::~ThIndianPatienceForm() { ForgetGameWindow(hIndianPatienceForm, this); }

TIndianPatienceForm* CreateIndianPatienceWindow(int cardSize, QWidget* owner) {
  if (cardSize == CS_SMALL) return CreateGameWindow(sIndianPatienceForm, owner);
  if (cardSize == CS_HUGE) return CreateGameWindow(hIndianPatienceForm, owner);
  return CreateGameWindow(IndianPatienceForm, owner);
}
