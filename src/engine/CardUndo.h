#pragma once
// The undo and redo history of one game window. Each step records a source view, a
// destination view and a copy of the list of cards moved; undo and redo move those
// cards between the views' piles. The game repaints, scores and turns cards itself. A
// step from a view to itself records a card turned face up there: undoing or redoing it
// moves nothing, the game turns the card.
//
// The history also enables the game's Undo and Redo menu items and tool buttons (a
// tool button may be a QAbstractButton or a QAction).

#include <QAction>
#include <QPointer>
#include <memory>
#include <vector>

#include "engine/CardPile.h"

class TCardPileView;

class TCardUndo {
public:
  TCardUndo() = default;
  TCardUndo(QAction* undoItem, QObject* undoButton, QAction* redoItem, QObject* redoButton);
  ~TCardUndo();
  TCardUndo(const TCardUndo&) = delete;
  TCardUndo& operator=(const TCardUndo&) = delete;

  void AddMove(TCardPileView* from, TCardPileView* to, TCardPile* cards);
  void AddCardMove(TCardPileView* from, TCardPileView* to, TCard* card);
  // Drops every step that could be redone.
  void TruncateRedo();

  // FFromView, FToView and FCards of the step Undo would revert (null when none).
  void PeekUndo();
  void Undo();
  // For slot layouts: each card goes back into its slot FPos of the source.
  void UndoSlot();
  // Each card is inserted into the source at its index FPos (Flower Garden's reserve).
  void UndoInsert();
  void AfterUndo();

  void PeekRedo();
  void Redo();
  // For slot layouts: the card's slot in the source empties.
  void RedoSlot();
  void AfterRedo();

  void Clear();

  // A game's own note on the step just recorded (say, a step no move of the player
  // made); 0 unless set. Peeking, undoing and redoing a step set FMark to its note.
  void MarkLastStep(int mark);
  // Is a step from `from` to `to` among the steps done (those Undo could revert)?
  bool HasDoneStep(const TCardPileView* from, const TCardPileView* to) const;

  int StepCount() const { return static_cast<int>(FMoves.size()); }
  bool CanUndo() const { return FPosition > 0 && FPosition <= StepCount(); }
  bool CanRedo() const { return FPosition >= 0 && FPosition < StepCount(); }

  std::vector<TCardPileView*> FFromViews;
  std::vector<TCardPileView*> FToViews;
  std::vector<std::unique_ptr<TCardPile>> FMoves;
  std::vector<int> FMarks;
  int FPosition = 0;
  TCardPileView* FFromView = nullptr;
  TCardPileView* FToView = nullptr;
  TCardPile* FCards = nullptr;
  int FMark = 0;
  QPointer<QAction> FUndoItem;
  QPointer<QObject> FUndoButton;
  QPointer<QAction> FRedoItem;
  QPointer<QObject> FRedoButton;

private:
  void CheckLengths() const;
  // Sets the peek fields to step index; false (and all null) when there is none.
  bool PeekStep(int index);
  void EnableUndo(bool enabled);
  void EnableRedo(bool enabled);
};
