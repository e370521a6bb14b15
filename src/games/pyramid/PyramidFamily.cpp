#include "games/pyramid/PyramidFamily.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "engine/CardUndo.h"
#include "engine/PyramidPileView.h"
#include "engine/Sounds.h"
#include "games/pyramid/PyramidRules.h"
#include "shell/Preferences.h"

namespace {
TCardPileView* AsView(QObject* sender) { return qobject_cast<TCardPileView*>(sender); }
}  // namespace

TPyramidFamilyForm::TPyramidFamilyForm(const TGameSpec& spec, const TFormLayout& layout, QWidget* owner)
    : TGameForm(spec, layout, owner) {}

TPyramidFamilyForm::~TPyramidFamilyForm() = default;

void TPyramidFamilyForm::InitPiles() {
  TGameForm::InitPiles();
  DiscardPile = View(QStringLiteral("DiscardPileView"));
  PyramidPileView = qobject_cast<TPyramidPileView*>(View(QStringLiteral("PyramidPileView")));
  // The removed cards count as the score and are the cards that fly at a win.
  FFoundations.clear();
  if (DiscardPile) FFoundations.push_back(DiscardPile);
}

void TPyramidFamilyForm::AddGameMenuItems(QMenu* menu) {
  menu->removeAction(Autoplay1);
  removeAction(Autoplay1);
  AutoPlayCheckBox->hide();
}

void TPyramidFamilyForm::Autoplay1Click(QObject*) {}

void TPyramidFamilyForm::AutoPlayCheckBoxClick(QObject*) {}

void TPyramidFamilyForm::BindHandlers(THandlerTable& t) {
  TGameForm::BindHandlers(t);
  t.Mouse["DeckPileViewMouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    DeckPileViewMouseDown(s, b, m, x, y);
  };
}

void TPyramidFamilyForm::DeckPileViewMouseDown(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int) {
  if (Button == Qt::MiddleButton) DeckPileViewClick(DeckPileView);
}

TCard* TPyramidFamilyForm::TopCard(TCardPileView* view) const {
  return view ? view->FCards->CardAt(TopOfPile) : nullptr;
}

void TPyramidFamilyForm::SetStockBlock(bool block) {
  if (!PyramidPileView || !DeckPileView) {
    TGameForm::SetStockBlock(block);
    return;
  }
  DeckPileView->XOffset = 0;
  DeckPileView->YOffset = block ? 0.2f : 0.6f;
  DeckPileView->repaint();
}

void TPyramidFamilyForm::DealPyramidCards(bool animate) {
  if (!PyramidPileView) return;
  int row = 0;
  for (int pos = 0; pos < PyramidRules::PyramidCards; ++pos) {
    TCard* card = PyramidRules::TurnCard(StockPile(), PyramidPileView->FCards);
    if (!card) break;
    card->SetPos(pos);
    if (!animate) continue;
    PyramidPileView->repaint();
    if (DeckPileView) DeckPileView->repaint();
    if (card->FRow != row && SoundManager) SoundManager->PlayDeal();
    row = card->FRow;
  }
  if (animate && SoundManager) SoundManager->PlayDeal();
}

void TPyramidFamilyForm::TurnStockCard(bool silent) {
  if (TCard* card = PyramidRules::TurnCard(DeckPileView->FCards, DiscardPile->FCards)) {
    DeckPileView->repaint();
    DiscardPile->repaint();
    ++FMoveCount;
    if (!silent && SoundManager) SoundManager->PlayStock();
    FUndo->AddCardMove(DeckPileView, DiscardPile, card);
  }
  UpdateStockStatus();
}

bool TPyramidFamilyForm::UndoGameStep() {
  TCardPileView* from = FUndo->FFromView;
  TCard* card = FUndo->FCards->CardAt(TopOfPile);
  if (from && from == PyramidPileView) FUndo->UndoSlot();
  else FUndo->Undo();
  if (from == DeckPileView && card) card->FFaceUp = false;
  if (from) from->repaint();
  DiscardPile->repaint();
  return true;
}

bool TPyramidFamilyForm::RedoGameStep() {
  TCardPileView* from = FUndo->FFromView;
  if (from && from == PyramidPileView) FUndo->RedoSlot();
  else FUndo->Redo();
  if (from == DeckPileView)
    if (TCard* top = TopCard(DiscardPile)) top->FFaceUp = true;
  if (from) from->repaint();
  DiscardPile->repaint();
  FUndo->AfterRedo();
  return true;
}

// ---- pairs and Kings ----------------------------------------------------------------------

void TPairingForm::BindHandlers(THandlerTable& t) {
  TPyramidFamilyForm::BindHandlers(t);
  t.Mouse["PyramidPileViewMouseDown"] = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                               int y) { PyramidPileViewMouseDown(s, b, m, x, y); };
  t.Notify["PyramidPileViewDblClick"] = [this](QObject* s) { PyramidPileViewDblClick(s); };
  t.StartDrag["PyramidPileViewStartDrag"] = [this](QObject* s, TDragObjectHack* d) {
    PyramidPileViewStartDrag(s, d);
  };
  t.DragOver["PyramidPileViewDragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st,
                                                 bool& a) { PyramidPileViewDragOver(s, d, x, y, st, a); };
  t.DragOver["DiscardPileViewDragOver"] = [this](QObject* s, TDragObjectHack* d, int x, int y, TDragState st,
                                                 bool& a) { DiscardPileViewDragOver(s, d, x, y, st, a); };
  t.EndDrag["PyramidPileViewEndDrag"] = [this](QObject* s, QObject* target, int x, int y) {
    PyramidPileViewEndDrag(s, target, x, y);
  };
}

void TPairingForm::PyramidPileViewMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                            int, int) {
  TCardPileView* view = AsView(Sender);
  if (!view) return;
  if (FGameOver) {
    ShowWinDialog();
    return;
  }
  if (Button == Qt::MiddleButton) {
    DeckPileViewClick(DeckPileView);
    return;
  }
  view->FDragArmed = false;
  TCard* hit = view->FHitCard;
  if (Button != Qt::LeftButton || !hit) return;
  const bool ctrl = Shift & Qt::ControlModifier;
  if (view == PyramidPileView) {
    if (PyramidPileView->IsCardCovered(hit)) return;
    if (PyramidRules::IsKing(hit) || ctrl) KingAction(view);
    else view->FDragArmed = true;
    return;
  }
  TCard* top = TopCard(view);
  if (PyramidRules::IsKing(top) || ctrl) KingAction(view);
  else if (hit == top) view->FDragArmed = true;
}

void TPairingForm::PyramidPileViewDblClick(QObject* Sender) {
  if (TCardPileView* view = AsView(Sender); view && !FGameOver) KingAction(view);
}

void TPairingForm::KingAction(TCardPileView* view) {
  TCard* king = nullptr;
  if (view == PyramidPileView) {
    TCard* hit = view->FHitCard;
    const int index = view->FCards->CardIndex(hit);
    if (hit && index >= 0 && PyramidRules::IsKing(hit) && !PyramidPileView->IsCardCovered(hit)) {
      king = hit;
      view->FCards->SetToNull(index);
    }
  } else if (TCard* top = TopCard(view); PyramidRules::IsKing(top)) {
    king = top;
    view->FCards->RemoveCard(top);
  }
  if (king) {
    DiscardPile->FCards->AddCard(king);
    FUndo->AddCardMove(view, DiscardPile, king);
    ++FMoveCount;
    if (SoundManager) SoundManager->PlayAutoplay();
    view->repaint();
    DiscardPile->repaint();
  }
  CheckForWin();
}

bool TPairingForm::CanPair(TCardPileView* target, TCardPileView* source, int x, int y) {
  if (!target || !source) return false;
  TCard* dragged = source->FDragPile->CardAt(TopOfPile);
  if (!dragged) return false;
  if (target == PyramidPileView) {
    // A card that does not pair keeps the partner found before.
    TCard* previous = PyramidPileView->FOverCard;
    PyramidPileView->FOverCard = nullptr;
    if (PyramidRules::Pairs(dragged, PyramidPileView->OverCard(x, y))) {
      source->FDropTarget = target;
      return true;
    }
    PyramidPileView->FOverCard = previous;
    return false;
  }
  if (target == source || !PyramidRules::Pairs(dragged, TopCard(target))) return false;
  source->FDropTarget = target;
  return true;
}

void TPairingForm::PyramidPileViewStartDrag(QObject* Sender, TDragObjectHack* DragObject) {
  if (SoundManager) SoundManager->PlayCardUp();
  TCardPileView* source = DragObject ? DragObject->OwnerView() : AsView(Sender);
  if (!source || !PreferencesDlg || !PreferencesDlg->FSmartDragging || source->FDropTarget) return;
  if (PyramidPileView) {
    const auto& positions = PyramidPileView->FCards->FList;
    for (int pos = static_cast<int>(positions.size()) - 1; pos >= 0; --pos) {
      const TCard* card = positions[static_cast<std::size_t>(pos)];
      if (card && CanPair(PyramidPileView, source, static_cast<int>(card->FX), static_cast<int>(card->FY)))
        return;
    }
  }
  for (TCardPileView* pile : SmartPairPiles())
    if (CanPair(pile, source, 0, 0)) return;
}

void TPairingForm::PyramidPileViewDragOver(QObject* Sender, TDragObjectHack* Source, int X, int Y, TDragState,
                                           bool& Accept) {
  AnswerDragOver(Sender, Source, Accept, [this, X, Y](TCardPileView* t, TCardPileView* s) { CanPair(t, s, X, Y); });
}

void TPairingForm::DiscardPileViewDragOver(QObject*, TDragObjectHack* Source, int, int, TDragState, bool& Accept) {
  if (TCardPileView* source = Source ? Source->OwnerView() : nullptr) source->FDropTarget = nullptr;
  Accept = false;
}

void TPairingForm::PyramidPileViewEndDrag(QObject* Sender, QObject*, int, int) {
  TCardPileView* source = AsView(Sender);
  if (!source || !source->FDropTarget) return;
  TCardPileView* target = source->FDropTarget;
  TCard* dragged = source->FDragPile->CardAt(TopOfPile);
  TCard* partner = target == PyramidPileView ? PyramidPileView->FOverCard : TopCard(target);
  if (!dragged || !partner || partner == dragged) {
    // No partner after all: the card goes back where it came from.
    if (dragged && source == PyramidPileView) {
      const int pos = dragged->FPos;
      if (pos >= 0 && pos < source->FCards->Count() && !source->FCards->FList[static_cast<std::size_t>(pos)])
        source->FCards->SetToCard(dragged, pos);
      else if (source->FCards->CardIndex(dragged) < 0)
        source->FCards->AddCard(dragged);
    } else if (dragged && source->FCards->CardIndex(dragged) < 0) {
      source->FCards->AddPile(source->FDragPile);
    }
    source->FDropTarget = nullptr;
    source->repaint();
    return;
  }
  ++FMoveCount;
  if (SoundManager) SoundManager->PlayAutoplay();
  DiscardPile->FCards->AddCard(dragged);
  FUndo->AddMove(source, DiscardPile, source->FDragPile);
  const int index = target->FCards->CardIndex(partner);
  if (target == PyramidPileView) {
    if (index >= 0) target->FCards->SetToNull(index);
    PyramidPileView->FOverCard = nullptr;
  } else {
    target->FCards->RemoveCard(partner);
  }
  DiscardPile->FCards->AddCard(partner);
  FUndo->AddCardMove(target, DiscardPile, partner);
  source->repaint();
  target->repaint();
  DiscardPile->repaint();
  CheckForWin();
}

void TPairingForm::UndoRemoval() {
  auto undoOne = [this] {
    if (FUndo->FFromView == PyramidPileView) FUndo->UndoSlot();
    else FUndo->Undo();
    if (FUndo->FFromView) FUndo->FFromView->repaint();
  };
  TCard* top = FUndo->FCards ? FUndo->FCards->CardAt(TopOfPile) : nullptr;
  if (PyramidRules::IsKing(top) && FUndo->FFromView != DeckPileView) {
    undoOne();
  } else {
    for (int i = 0; i < 2; ++i) {
      FUndo->PeekUndo();
      if (!FUndo->FCards) break;
      undoOne();
    }
  }
  DiscardPile->repaint();
}

void TPairingForm::RedoRemoval() {
  auto redoOne = [this] {
    if (FUndo->FFromView == PyramidPileView) FUndo->RedoSlot();
    else FUndo->Redo();
    if (FUndo->FFromView) FUndo->FFromView->repaint();
  };
  TCard* top = FUndo->FCards ? FUndo->FCards->CardAt(TopOfPile) : nullptr;
  if (PyramidRules::IsKing(top) && FUndo->FFromView != DeckPileView) {
    redoOne();
  } else {
    for (int i = 0; i < 2; ++i) {
      FUndo->PeekRedo();
      if (!FUndo->FCards) break;
      redoOne();
    }
  }
  DiscardPile->repaint();
  FUndo->AfterRedo();
}
