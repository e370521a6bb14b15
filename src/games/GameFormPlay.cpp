// The game-window template: pressing, dragging, double-clicks, autoplay, the win, undo
// and redo, and the statistics recorder.

#include <QAction>
#include <QDateTime>
#include <algorithm>

#include "engine/Animate.h"
#include "engine/CardUndo.h"
#include "engine/Sounds.h"
#include "engine/WastePileView.h"
#include "games/CardRules.h"
#include "games/GameForm.h"
#include "games/GameShell.h"
#include "games/StatisticsRecorder.h"
#include "games/klondike/KlondikeRules.h"
#include "shell/Preferences.h"
#include "shell/Profile.h"

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }
TCard* TopCard(TCardPileView* view) { return view ? view->FCards->CardAt(TopOfPile) : nullptr; }
}  // namespace

void TGameForm::BindHandlers(THandlerTable& t) {
  t.Mouse["TableauPileView1MouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    TableauPileView1MouseDown(s, b, m, x, y);
  };
  t.Mouse["DiscardPileViewMouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    DiscardPileViewMouseDown(s, b, m, x, y);
  };
  t.Mouse["FormMouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    FormMouseDown(s, b, m, x, y);
  };
  t.StartDrag["TableauPileView1StartDrag"] = [this](QObject* s, TDragObjectHack* d) { TableauPileView1StartDrag(s, d); };
  t.DragOver["TableauPileView1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st, bool& a) {
    TableauPileView1DragOver(s, d, x, y, st, a);
  };
  t.DragOver["FoundationPile1DragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st, bool& a) {
    FoundationPile1DragOver(s, d, x, y, st, a);
  };
  t.DragOver["FormDragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st, bool& a) {
    FormDragOver(s, d, x, y, st, a);
  };
  t.EndDrag["TableauPileView1EndDrag"] = [this](QObject* s, QObject* target, int x, int y) {
    TableauPileView1EndDrag(s, target, x, y);
  };
  t.Notify["DiscardPileViewDblClick"] = [this](QObject* s) { DiscardPileViewDblClick(s); };
  t.Notify["DeckPileViewClick"] = [this](QObject* s) { DeckPileViewClick(s); };
}

// ---- pressing --------------------------------------------------------------------------

bool TGameForm::CanLift(TCardPileView* view, int index) {
  return CardRules::IsAlternatingRun(view->FCards, index);
}

void TGameForm::TableauPileView1MouseDown(QObject* Sender, Qt::MouseButton Button,
                                          Qt::KeyboardModifiers Shift, int, int) {
  TCardPileView* view = AsView(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) MiddleButtonPress(view);
  view->FDragArmed = false;
  if (Button != Qt::LeftButton || !view->FHitCard) return;
  if (Shift & (Qt::ShiftModifier | Qt::ControlModifier)) {
    DiscardPileViewDblClick(view);
    return;
  }
  if (!CanLift(view, view->FCards->CardIndex(view->FHitCard))) return;
  view->FDragArmed = true;
}

void TGameForm::DiscardPileViewMouseDown(QObject* Sender, Qt::MouseButton Button,
                                         Qt::KeyboardModifiers Shift, int, int) {
  TCardPileView* view = AsView(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) MiddleButtonPress(view);
  view->FDragArmed = false;
  if (Button != Qt::LeftButton || !view->FHitCard) return;
  if (Shift & (Qt::ShiftModifier | Qt::ControlModifier)) {
    DiscardPileViewDblClick(view);
    return;
  }
  if (view->FHitCard != TopCard(view) || !view->FHitCard->FFaceUp) return;
  view->FDragArmed = true;
}

void TGameForm::FormMouseDown(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int) {
  if (FGameOver && !FSpec.RoutesLButtonDown && Button == Qt::LeftButton) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) MiddleButtonPress(nullptr);
}

void TGameForm::MiddleButtonPress(TCardPileView*) { DeckPileViewClick(DeckPileView); }

void TGameForm::WMLButtonDown() {
  if (FGameOver) ShowWinDialog();
}

void TGameForm::DeckPileViewClick(QObject*) {
  if (FGameOver) ShowWinDialog();
}

// ---- dragging --------------------------------------------------------------------------

bool TGameForm::DropIf(TCardPileView* target, TCardPileView* source,
                       const std::function<bool()>& rule, bool needsCards) {
  if (!target || !source || target == source) return false;
  if (needsCards && source->FDragPile->Count() == 0) return false;
  if (!rule()) return false;
  source->FDropTarget = target;
  return true;
}

bool TGameForm::CanDropOnTableau(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return KlondikeRules::CanDropOnTableau(target->FCards, source->FDragPile->FList.front());
  }, true);
}

bool TGameForm::CanDropOnFoundation(TCardPileView* target, TCardPileView* source) {
  return DropIf(target, source, [&] {
    return KlondikeRules::CanDropOnFoundation(target->FCards, source->FDragPile);
  });
}

void TGameForm::ChooseSmartTarget(TCardPileView* source) {
  TCardPile* drag = source->FDragPile;
  if (drag->Count() == 1 && drag->FList.front()->FValue == CS_ACE)
    for (TCardPileView* f : FFoundations)
      if (CanDropOnFoundation(f, source)) return;
  for (TCardPileView* t : FTableau)
    if (CanDropOnTableau(t, source)) return;
  for (TCardPileView* f : FFoundations)
    if (CanDropOnFoundation(f, source)) return;
}

void TGameForm::TableauPileView1StartDrag(QObject* Sender, TDragObjectHack* DragObject) {
  if (SoundManager) SoundManager->PlayCardUp();
  TCardPileView* source = DragObject ? DragObject->OwnerView() : AsView(Sender);
  if (!source) return;
  if (PreferencesDlg && PreferencesDlg->FSmartDragging && !source->FDropTarget) ChooseSmartTarget(source);
}

void TGameForm::AnswerDragOver(QObject* sender, TDragObjectHack* drag, bool& accept,
                               const std::function<void(TCardPileView*, TCardPileView*)>& check) {
  TCardPileView* source = drag ? drag->OwnerView() : nullptr;
  if (!source) {
    accept = false;
    return;
  }
  check(AsView(sender), source);
  accept = !source->FDropTarget.isNull();
}

void TGameForm::TableauPileView1DragOver(QObject* Sender, TDragObjectHack* Source, int, int,
                                         TDragState, bool& Accept) {
  AnswerDragOver(Sender, Source, Accept, [this](TCardPileView* t, TCardPileView* s) { CanDropOnTableau(t, s); });
}

void TGameForm::FoundationPile1DragOver(QObject* Sender, TDragObjectHack* Source, int, int,
                                        TDragState, bool& Accept) {
  AnswerDragOver(Sender, Source, Accept, [this](TCardPileView* t, TCardPileView* s) { CanDropOnFoundation(t, s); });
}

void TGameForm::FormDragOver(QObject*, TDragObjectHack* Source, int, int, TDragState, bool& Accept) {
  TCardPileView* source = Source ? Source->OwnerView() : nullptr;
  if (!source) {
    Accept = false;
    return;
  }
  if (!PreferencesDlg || !PreferencesDlg->FSmartDragging) {
    source->FDropTarget = nullptr;
    Accept = false;
    return;
  }
  Accept = !source->FDropTarget.isNull();
}

void TGameForm::TableauPileView1EndDrag(QObject* Sender, QObject*, int, int) {
  TCardPileView* source = AsView(Sender);
  if (!source || !source->FDropTarget) return;
  TCardPileView* target = source->FDropTarget;
  if (SoundManager) SoundManager->PlayCardDown();
  FUndo->AddMove(source, target, source->FDragPile);
  target->repaint();
  source->repaint();
  TurnUpTopCard(source);
  ++FMoveCount;
  UpdateStockStatus();
  CheckForWin();
}

void TGameForm::TurnUpTopCard(TCardPileView* view) {
  TCard* top = TopCard(view);
  if (!top || top->FFaceUp) return;
  top->FFaceUp = true;
  view->repaint();
  FUndo->AddCardMove(view, view, top);
}

// ---- double-click, autoplay and the win ------------------------------------------------

TCardPileView* TGameForm::FoundationFor(TCard* card) {
  if (!card) return nullptr;
  for (TCardPileView* f : FFoundations)
    if (CardRules::FitsFoundation(f->FCards, card)) return f;
  return nullptr;
}

void TGameForm::DiscardPileViewDblClick(QObject* Sender) {
  TCardPileView* view = AsView(Sender);
  if (!view || FGameOver) return;
  view->FDragArmed = false;
  TCard* top = TopCard(view);
  if (!top || !top->FFaceUp) return;
  TCardPileView* target = SendHomeTarget(view, top);
  if (!target) {
    CheckForWin();
    return;
  }
  const bool home = target == FoundationFor(top);
  view->FCards->RemoveCard(top);
  target->FCards->AddCard(top);
  view->repaint();
  target->repaint();
  FUndo->AddCardMove(view, target, top);
  if (home && SoundManager) SoundManager->PlayAutoplayStep();
  ++FMoveCount;
  if (TurnsUpAfterSendHome(view)) TurnUpTopCard(view);
  CheckForWin();
}

TCardPileView* TGameForm::SendHomeTarget(TCardPileView*, TCard* card) { return FoundationFor(card); }

bool TGameForm::TurnsUpAfterSendHome(TCardPileView* view) const { return view != DiscardPileView; }

void TGameForm::CheckForWin() {
  if (FGameOver) return;
  UpdateScore(false);
  if (FScore < FSpec.CardsToWin) {
    Autoplay();
    return;
  }
  FGameOver = true;
  FUndo->Clear();
  Restart1->setEnabled(false);
  RestartSpeedButton->setEnabled(false);
  if (DeckPileView) {
    DeckPileView->State = CS_BLANK;
    DeckPileView->setToolTip(QString());
    DeckPileView->repaint();
  }
  RecordStatistics();
  if (SoundManager) SoundManager->PlayWin();
  std::vector<TCardPileView*> piles = WinAnimationPiles();
  GameShell::WinAnimation()->Start(static_cast<int>(piles.size()), piles.data(), FSpec.LaunchUp, this);
}

void TGameForm::Autoplay() {
  if (!FAutoplay) return;
  for (TCardPileView* source : AutoplaySources()) {
    if (FGameOver) return;
    TCard* top = TopCard(source);
    if (top && top->FFaceUp && FoundationFor(top)) DiscardPileViewDblClick(source);
  }
  if (!FGameOver) UpdateStockStatus();
}

void TGameForm::ShowWinDialog() {
  const int result = GameShell::ShowWinDialog(this);
  switch (result) {
    case 6: NewGame1Click(NewGame1); break;
    case 7: Statistics1Click(Statistics1); break;
    case 8: SelectGame1Click(SelectGame1); break;
    case 3: close(); break;
    default: break;
  }
}

// ---- undo and redo ---------------------------------------------------------------------

void TGameForm::Undo1Click(QObject*) {
  if (!Undo1->isEnabled()) return;
  FUndo->PeekUndo();
  if (!FUndo->FCards) return;
  const int moves = PeekedStepMoves();
  if (!UndoGameStep()) {
    if (IsTurnUpStep()) {
      // A turned-up card goes face down again together with the move that exposed it.
      TCardPileView* view = FUndo->FFromView;
      TCard* card = FUndo->FCards->CardAt(TopOfPile);
      FUndo->Undo();
      if (card) card->FFaceUp = false;
      if (view) view->repaint();
      FUndo->AfterUndo();
    }
    FUndo->Undo();
    if (FUndo->FFromView) FUndo->FFromView->repaint();
    if (FUndo->FToView) FUndo->FToView->repaint();
  }
  FUndo->AfterUndo();
  FMoveCount = std::max(0, FMoveCount - moves);
  if (SoundManager) SoundManager->PlayUndo();
  UpdateStockStatus();
  UpdateScore(false);
}

void TGameForm::Redo1Click(QObject*) {
  if (!Redo1->isEnabled()) return;
  FUndo->PeekRedo();
  if (!FUndo->FCards) return;
  const int moves = PeekedStepMoves();
  if (!RedoGameStep()) {
    FUndo->Redo();
    if (FUndo->FFromView) FUndo->FFromView->repaint();
    if (FUndo->FToView) FUndo->FToView->repaint();
    FUndo->AfterRedo();
  }
  FUndo->PeekRedo();
  if (FUndo->FCards && IsTurnUpStep()) {
    TCardPileView* view = FUndo->FFromView;
    TCard* card = FUndo->FCards->CardAt(TopOfPile);
    FUndo->Redo();
    if (card) card->FFaceUp = true;
    if (view) view->repaint();
    FUndo->AfterRedo();
  }
  FUndo->FCards = nullptr;
  FMoveCount += moves;
  if (SoundManager) SoundManager->PlayRedo();
  UpdateStockStatus();
  UpdateScore(false);
}

bool TGameForm::IsTurnUpStep() const { return FUndo->FFromView == FUndo->FToView; }

// ---- statistics ------------------------------------------------------------------------

double TGameForm::Now() const { return DateTimeValue(QDateTime::currentDateTime()); }

void TGameForm::UseSection(const QString& section) { Profile1->SetSection(section); }

void TGameForm::UpdateStatistics() {
  TDealResult result;
  result.MoveCount = FMoveCount;
  result.Threshold = FSpec.Threshold;
  result.Won = FGameOver;
  result.Score = FScore;
  result.Now = Now();
  RecordDeal(*Profile1, result);
}

void TGameForm::RecordStatistics() {
  const QString section = QLatin1String(FSpec.Section);
  UseSection(section);
  UpdateStatistics();
  const QString mode = ModeSection();
  if (!mode.isEmpty()) {
    UseSection(mode);
    UpdateStatistics();
  }
  UseSection(section);
}
