#include "engine/DragController.h"

#include <QApplication>
#include <QCursor>
#include <QPaintEvent>
#include <QPainter>

#include "engine/CardPileView.h"

// ---- TDragObjectHack -------------------------------------------------------------------

int TDragObjectHack::GetDragCursor(bool accepted, int x, int y) {
  (void)x;
  (void)y;
  if (accepted != FLastAccepted || NewDrag) {
    if (FOwnerView) FOwnerView->FDragImages.Overlay = accepted ? 1 : 2;
    NewDrag = false;
  }
  FLastAccepted = accepted;
  return -1;
}

// ---- TDragOverlay ----------------------------------------------------------------------

TDragOverlay::TDragOverlay(QWidget* window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void TDragOverlay::ShowImages(const TDragImageList* images, QPoint topLeft) {
  const QRect old = FImageRect;
  const int oldOverlay = FShownOverlay;
  FImages = images;
  FImageRect = images ? QRect(topLeft, images->Size()) : QRect();
  FShownOverlay = images ? images->Overlay : 1;
  if (QWidget* window = parentWidget()) {
    if (geometry() != window->rect()) setGeometry(window->rect());
  }
  if (isHidden()) {
    raise();
    show();
    update(FImageRect);
    return;
  }
  if (old == FImageRect && oldOverlay == FShownOverlay) return;
  // Only the two places the picture leaves and enters need painting.
  if (old.intersects(FImageRect))
    update(old.united(FImageRect));
  else {
    update(old);
    update(FImageRect);
  }
}

void TDragOverlay::HideImages() {
  FImages = nullptr;
  FImageRect = QRect();
  hide();
}

void TDragOverlay::paintEvent(QPaintEvent* event) {
  (void)event;
  if (!FImages || FImages->Count() == 0) return;
  QPainter painter(this);
  painter.drawImage(FImageRect.topLeft(), FImages->Images[0]);
  const int overlay = FImages->Overlay;
  if (overlay > 0 && overlay < FImages->Count())
    painter.drawImage(FImageRect.topLeft(), FImages->Images[overlay]);
}

// ---- TDragController -------------------------------------------------------------------

TDragController* TDragController::For(QWidget* window) {
  if (!window) return nullptr;
  auto* controller = window->findChild<TDragController*>(QString(), Qt::FindDirectChildrenOnly);
  return controller ? controller : new TDragController(window);
}

TDragController::TDragController(QWidget* window) : QObject(window), FWindow(window) {}

TDragController::~TDragController() { SetPointer(TPointer::Own); }

TCardPileView* TDragController::ViewAt(QPoint windowPos) const {
  const QObjectList& children = FWindow->children();
  // Later children lie on top.
  for (auto it = children.crbegin(); it != children.crend(); ++it) {
    auto* view = qobject_cast<TCardPileView*>(*it);
    if (view && !view->isHidden() && view->geometry().contains(windowPos)) return view;
  }
  return nullptr;
}

bool TDragController::AskDragOver(QWidget* target, TDragState state) {
  TCardPileView* source = FSource.data();
  if (!target || !source) return false;
  bool accept = false;
  if (auto* view = qobject_cast<TCardPileView*>(target)) {
    const QPoint at = FPos - view->pos();
    view->DragOver(source->FDragObject, at.x(), at.y(), state, accept);
  } else if (OnDragOver) {
    accept = true;
    OnDragOver(target, source->FDragObject, FPos.x(), FPos.y(), state, accept);
  }
  return accept;
}

void TDragController::Begin(TCardPileView* source, QPoint windowPos) {
  FSource = source;
  FTarget = nullptr;
  FPos = windowPos;
  FMoved = false;
  FAccepted = false;
  if (!FOverlay) FOverlay = new TDragOverlay(FWindow);
}

void TDragController::Move(QPoint windowPos) {
  TCardPileView* source = FSource.data();
  if (!source) return;
  FPos = windowPos;
  FMoved = true;
  QWidget* target = ViewAt(windowPos);
  if (!target) target = FWindow;
  bool accept;
  if (target != FTarget.data()) {
    if (FTarget) AskDragOver(FTarget.data(), dsDragLeave);
    FTarget = target;
    accept = AskDragOver(target, dsDragEnter);
  } else {
    accept = AskDragOver(target, dsDragMove);
  }
  // A handler may have ended the drag.
  if (!FSource) return;
  FAccepted = accept;
  source->FDragObject->GetDragCursor(accept, windowPos.x(), windowPos.y());
  if (FOverlay && source->FDragImages.Count() > 0) {
    FOverlay->ShowImages(&source->FDragImages, windowPos - source->FDragImages.HotSpot);
    // The window still answers out there (a smart drag may drop from anywhere), so the
    // mark says what a release would do.
    if (FWindow->rect().contains(windowPos))
      SetPointer(TPointer::Blank);
    else
      SetPointer(accept ? TPointer::AcceptMark : TPointer::RefuseMark);
  }
}

void TDragController::SetPointer(TPointer pointer) {
  if (pointer == FPointer) return;
  const bool overridden = FPointer != TPointer::Own;
  FPointer = pointer;
  if (pointer == TPointer::Own) {
    QApplication::restoreOverrideCursor();
    return;
  }
  // The mark in the drag image is the pointer while it shows: the real one would sit on
  // top of it.
  const QCursor cursor = pointer == TPointer::Blank
                             ? QCursor(Qt::BlankCursor)
                             : TCardPileView::DragMarkCursor(pointer == TPointer::AcceptMark);
  if (overridden)
    QApplication::changeOverrideCursor(cursor);
  else
    QApplication::setOverrideCursor(cursor);
}

QWidget* TDragController::Drop(QPoint windowPos) {
  if (!FSource) return nullptr;
  if (!FMoved || windowPos != FPos) Move(windowPos);
  TCardPileView* source = FSource.data();
  QWidget* target = FTarget.data();
  const bool accepted = FAccepted && target;
  if (target) AskDragOver(target, dsDragLeave);
  if (FOverlay) FOverlay->HideImages();
  SetPointer(TPointer::Own);
  FSource = nullptr;
  FTarget = nullptr;
  if (!accepted || !source) return nullptr;
  if (auto* view = qobject_cast<TCardPileView*>(target)) {
    const QPoint at = windowPos - view->pos();
    view->DragDrop(source->FDragObject, at.x(), at.y());
  }
  return target;
}

void TDragController::Abort() {
  if (FOverlay) FOverlay->HideImages();
  SetPointer(TPointer::Own);
  FSource = nullptr;
  FTarget = nullptr;
  FAccepted = false;
}
