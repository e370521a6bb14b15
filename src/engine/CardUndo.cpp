#include "engine/CardUndo.h"

#include <QAbstractButton>
#include <QApplication>
#include <algorithm>

#include "engine/CardPileView.h"

namespace {

void SetControlEnabled(QObject* control, bool enabled) {
  if (auto* action = qobject_cast<QAction*>(control))
    action->setEnabled(enabled);
  else if (auto* widget = qobject_cast<QWidget*>(control))
    widget->setEnabled(enabled);
}

TCardPile* PileOf(TCardPileView* view) { return view ? view->FCards : nullptr; }

// Appends unless the pile holds the card already: a history that got out of step with
// the table must not deal a card twice.
void AppendOnce(TCardPile* pile, TCard* card) {
  if (pile && pile->CardIndex(card) < 0) pile->AddCard(card);
}

}  // namespace

TCardUndo::TCardUndo(QAction* undoItem, QObject* undoButton, QAction* redoItem,
                     QObject* redoButton)
    : FUndoItem(undoItem), FUndoButton(undoButton), FRedoItem(redoItem),
      FRedoButton(redoButton) {}

TCardUndo::~TCardUndo() { Clear(); }

void TCardUndo::CheckLengths() const {
  if (FFromViews.size() != FToViews.size() || FToViews.size() != FMoves.size())
    QApplication::beep();
}

void TCardUndo::EnableUndo(bool enabled) {
  SetControlEnabled(FUndoItem.data(), enabled);
  SetControlEnabled(FUndoButton.data(), enabled);
}

void TCardUndo::EnableRedo(bool enabled) {
  SetControlEnabled(FRedoItem.data(), enabled);
  SetControlEnabled(FRedoButton.data(), enabled);
}

void TCardUndo::AddMove(TCardPileView* from, TCardPileView* to, TCardPile* cards) {
  TruncateRedo();
  auto copy = std::make_unique<TCardPile>();
  if (cards) cards->CopyPileTo(copy.get());
  FFromViews.push_back(from);
  FToViews.push_back(to);
  FMoves.push_back(std::move(copy));
  FMarks.resize(FMoves.size() - 1);
  FMarks.push_back(0);
  FPosition = StepCount();
  EnableUndo(true);
  CheckLengths();
}

void TCardUndo::AddCardMove(TCardPileView* from, TCardPileView* to, TCard* card) {
  TCardPile single;
  single.AddCard(card);
  AddMove(from, to, &single);
  single.Empty(false);
}

void TCardUndo::TruncateRedo() {
  const std::size_t keep = static_cast<std::size_t>(std::max(FPosition, 0));
  if (FMoves.size() <= keep && FFromViews.size() <= keep && FToViews.size() <= keep) return;
  if (FCards && std::any_of(FMoves.begin() + static_cast<long>(std::min(keep, FMoves.size())),
                            FMoves.end(), [&](const auto& p) { return p.get() == FCards; }))
    FCards = nullptr;
  if (FMoves.size() > keep) FMoves.resize(keep);
  if (FFromViews.size() > keep) FFromViews.resize(keep);
  if (FToViews.size() > keep) FToViews.resize(keep);
  if (FMarks.size() > keep) FMarks.resize(keep);
  EnableRedo(false);
}

bool TCardUndo::PeekStep(int index) {
  if (index < 0 || index >= StepCount() || index >= static_cast<int>(FFromViews.size()) ||
      index >= static_cast<int>(FToViews.size())) {
    FFromView = nullptr;
    FToView = nullptr;
    FCards = nullptr;
    FMark = 0;
    return false;
  }
  const auto i = static_cast<std::size_t>(index);
  FFromView = FFromViews[i];
  FToView = FToViews[i];
  FCards = FMoves[i].get();
  FMark = i < FMarks.size() ? FMarks[i] : 0;
  return true;
}

void TCardUndo::MarkLastStep(int mark) {
  if (FPosition < 1 || FPosition > static_cast<int>(FMarks.size())) return;
  FMarks[static_cast<std::size_t>(FPosition - 1)] = mark;
}

bool TCardUndo::HasDoneStep(const TCardPileView* from, const TCardPileView* to) const {
  const int done = std::min({FPosition, static_cast<int>(FFromViews.size()), static_cast<int>(FToViews.size())});
  for (int i = 0; i < done; ++i)
    if (FFromViews[static_cast<std::size_t>(i)] == from && FToViews[static_cast<std::size_t>(i)] == to) return true;
  return false;
}

void TCardUndo::PeekUndo() { PeekStep(FPosition - 1); }

void TCardUndo::PeekRedo() { PeekStep(FPosition); }

void TCardUndo::Undo() {
  CheckLengths();
  if (FPosition < 1 || !PeekStep(FPosition - 1)) {
    PeekStep(-1);
    EnableUndo(false);
    return;
  }
  if (FFromView != FToView) {
    for (TCard* card : FCards->FList) {
      if (TCardPile* to = PileOf(FToView)) to->RemoveCard(card);
      AppendOnce(PileOf(FFromView), card);
    }
  }
  --FPosition;
}

void TCardUndo::UndoSlot() {
  CheckLengths();
  if (FPosition < 1 || !PeekStep(FPosition - 1)) {
    PeekStep(-1);
    EnableUndo(false);
    return;
  }
  if (FFromView != FToView) {
    TCardPile* from = PileOf(FFromView);
    for (TCard* card : FCards->FList) {
      if (TCardPile* to = PileOf(FToView)) to->RemoveCard(card);
      if (!from || from->CardIndex(card) >= 0) continue;
      const int slot = card->FPos;
      // Back into its empty slot; should the slot be gone or taken, keep the card anyway.
      if (slot >= 0 && slot < from->Count() && !from->FList[static_cast<std::size_t>(slot)])
        from->SetToCard(card, slot);
      else
        from->AddCard(card);
    }
  }
  --FPosition;
}

void TCardUndo::UndoInsert() {
  CheckLengths();
  if (FPosition < 1 || !PeekStep(FPosition - 1)) {
    PeekStep(-1);
    EnableUndo(false);
    return;
  }
  if (FFromView != FToView) {
    TCardPile* from = PileOf(FFromView);
    for (TCard* card : FCards->FList) {
      if (TCardPile* to = PileOf(FToView)) to->RemoveCard(card);
      if (from && from->CardIndex(card) < 0)
        from->InsertCard(card, std::clamp(card->FPos, 0, from->Count()));
    }
  }
  --FPosition;
}

void TCardUndo::AfterUndo() {
  FCards = nullptr;
  if (FPosition <= 0) EnableUndo(false);
  if (CanRedo()) EnableRedo(true);
}

void TCardUndo::Redo() {
  if (!PeekStep(FPosition)) {
    EnableRedo(false);
    return;
  }
  if (FFromView != FToView) {
    for (TCard* card : FCards->FList) {
      if (TCardPile* from = PileOf(FFromView)) from->RemoveCard(card);
      AppendOnce(PileOf(FToView), card);
    }
  }
  ++FPosition;
}

void TCardUndo::RedoSlot() {
  if (!PeekStep(FPosition)) {
    EnableRedo(false);
    return;
  }
  if (FFromView != FToView) {
    for (TCard* card : FCards->FList) {
      if (TCardPile* from = PileOf(FFromView)) {
        const int slot = from->CardIndex(card);
        if (slot >= 0) from->SetToNull(slot);
      }
      AppendOnce(PileOf(FToView), card);
    }
  }
  ++FPosition;
}

void TCardUndo::AfterRedo() {
  FCards = nullptr;
  EnableUndo(FPosition > 0);
  EnableRedo(CanRedo());
}

void TCardUndo::Clear() {
  while (!FMoves.empty()) {
    FMoves.back()->Empty(false);
    FMoves.pop_back();
  }
  FFromViews.clear();
  FToViews.clear();
  FMarks.clear();
  FPosition = 0;
  FMark = 0;
  FFromView = nullptr;
  FToView = nullptr;
  FCards = nullptr;
  EnableUndo(false);
  EnableRedo(false);
}
