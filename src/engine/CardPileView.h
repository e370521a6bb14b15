#pragma once
// The control that shows one pile of cards and lets the user drag from it.
//
// A view knows no rules. A press records the card under the mouse in FHitCard and
// clears FDragArmed and FDropTarget; the game's OnMouseDown arms the drag; the first
// move with the button held lifts the hit card and those above it into FDragPile; the
// game's drag-over handlers set the source view's FDropTarget; the release appends the
// lifted cards to FDropTarget (unless FManualDrop) or puts them back, then fires
// OnEndDrag, whose handler records the undo step from FDragPile.
//
// Mouse events follow the order the game windows were written for: OnMouseDown on
// every press; on the second press of a double click OnMouseDown and then OnDblClick;
// OnClick on a left release inside the view when no drag ran, then OnMouseUp. While a
// drag runs the view sees no mouse events of its own.
//
// Events are std::function members (see DragController.h for their types and for how a
// window binds its handlers by name).

#include <QCursor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "engine/Card.h"
#include "engine/CardPile.h"
#include "engine/DragController.h"
#include "platform/Colors.h"

enum _PileBitmap : std::uint8_t { CS_BLANK = 0, CS_RECYCLE = 1, CS_EMPTY = 2 };
enum _BackgroundType : std::uint8_t { CS_NORMAL = 0, CS_BITMAP = 1, CS_TRANSPARENT = 2 };

class TCardPileView : public QWidget {
  Q_OBJECT
public:
  explicit TCardPileView(QWidget* parent = nullptr);
  ~TCardPileView() override;

  // ---- published properties (plain fields: games set them and repaint themselves)
  float XOffset = 0;  // fan step of face-up cards
  float YOffset = 0;
  bool IsBordered = false;  // frame an empty pile
  bool AllowDrag = false;   // cards may be dragged out; face-down cards fan tighter
  bool DragDelayed = false; // the drag starts only past the drag distance
  _PileBitmap State = CS_BLANK;
  _BackgroundType BackgroundMode = CS_NORMAL;
  QString Label;  // shown on an empty CS_BLANK pile

  // The fill colour: the window's background colour unless set.
  TColor Color() const;
  void SetColor(TColor color) { FColor = color; }

  // ---- events
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

  // ---- fields the games read and write
  bool FPeeking = false;
  float FXStep = 0;  // effective fan steps, see CalcOffsets
  float FYStep = 0;
  TCardPile* FCards;  // owned list; the cards belong to the game's saved deck
  TCard* FHitCard = nullptr;
  TCardPile* FDragPile;  // the cards of the current or last drag
  bool FDragArmed = false;
  QPointer<TCardPileView> FDropTarget;
  bool FManualDrop = false;
  // The window's background cache (TzBackground::BackBuffer) for CS_BITMAP mode.
  const QImage* FBackBitmap = nullptr;
  QRect FHitRect;
  int FGrabX = 0;
  int FGrabY = 0;
  TDragImageList FDragImages;
  TDragObjectHack* FDragObject;

  // Pictures shared by every view (recycle and empty marks, drag shadow, drag marks) at
  // the current card size; the card pictures call these when the size or look changes.
  static void LoadPileBitmaps();
  static void FreePileBitmaps();

  TDragImageList* GetDragImages() { return &FDragImages; }

  // The accept or refuse mark of the drag images as a pointer, its hot spot at the
  // mark's top-left corner as in the images: for where the drag image cannot show it.
  static QCursor DragMarkCursor(bool accepted);

  // Effective fan steps FXStep/FYStep: the offsets, squeezed so a long fan fits.
  void CalcOffsets();

  // True from the lift of the cards until the release.
  bool Dragging() const { return FDragging; }
  // Ends a drag in progress without a drop: the lifted cards go back where they were.
  void CancelDrag() {
    if (FDragging) AbortDrag();
  }

  // Asked by the drag controller while a drag passes over this view.
  virtual void DragOver(TDragObjectHack* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TDragObjectHack* source, int x, int y);

  // Metrics of the current card size.
  static QSize CardSize();
  static int FaceDownStep();  // 6, 8 or 12 pixels
  // The rows of a face that show its rank whole and its suit down to the symbol's widest
  // row, so every suit's shape is told apart: 24, 27 or 42 pixels.
  static int CornerIndexHeight();
  // What a squeezed column keeps below its last step when a whole top card would leave
  // the covered cards unreadable: the top card's index and upper part, 47, 62 or 104.
  static int TopCardReserve();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

  virtual void Paint(QPainter& canvas);
  virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  virtual void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
  virtual void Click();
  virtual void DblClick();
  virtual void DoStartDrag();
  virtual void DoEndDrag(QObject* target, int x, int y);
  // Moves the cards to drag into FDragPile; false when there is nothing to lift.
  virtual bool LiftDragCards();
  // Fills FDragImages for the cards in FDragPile.
  virtual void BuildDragImages();
  // Puts lifted cards back without any event (the drag could not run or was aborted).
  virtual void RestoreDragCards();

  // Painting pieces shared by the variants.
  void PaintBackground(QPainter& canvas);
  void PaintBorder(QPainter& canvas);
  void PaintEmptyPicture(QPainter& canvas);
  void PaintLabel(QPainter& canvas);
  void PaintPeek(QPainter& canvas);
  // Draws the card unless its rectangle lies outside the area being painted.
  void DrawCard(QPainter& canvas, const TCard* card, QPoint at);
  // Drag images of a single card with no fan (pyramid and reserve).
  void BuildSingleCardImages();
  void BuildImagesFromPositions(const QList<QPoint>& positions);

private:
  void BeginDrag(QPoint pos);
  void FinishDrag(QPoint pos);
  void AbortDrag();

  std::optional<TColor> FColor;
  QPointer<TDragController> FController;  // of the drag in progress
  QRegion FPaintRegion;
  QPoint FPressPos;
  bool FCaptured = false;
  bool FClickPending = false;
  bool FDragging = false;
};
