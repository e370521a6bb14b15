#pragma once
// Dragging cards between pile views inside one game window, without the platform's
// drag and drop: the source view keeps the mouse and forwards its moves and the release
// here; an overlay child of the window draws the lifted cards at the grab point; the
// view under the mouse is found from the geometry of the window's pile views.
//
// Event types of the pile views. A game window binds a handler by assigning a lambda
// that calls its own (virtual) handler method, for example
//   TableauPileView1->OnEndDrag = [this](QObject* s, QObject* t, int x, int y) {
//     TableauPileView1EndDrag(s, t, x, y); };
// so a derived window that overrides TableauPileView1EndDrag takes over the binding.
// Sender is the view (or the window) the event happened on; coordinates are in the
// sender's own client coordinates.

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

class TCardPileView;
class TDragObjectHack;

enum TDragState { dsDragEnter = 0, dsDragLeave = 1, dsDragMove = 2 };

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMouseEvent = std::function<void(QObject* Sender, Qt::MouseButton Button,
                                       Qt::KeyboardModifiers Shift, int X, int Y)>;
using TMouseMoveEvent =
    std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TStartDragEvent = std::function<void(QObject* Sender, TDragObjectHack* DragObject)>;
// Accept arrives true; the handler clears it to refuse.
using TDragOverEvent = std::function<void(QObject* Sender, TDragObjectHack* Source, int X,
                                          int Y, TDragState State, bool& Accept)>;
using TDragDropEvent =
    std::function<void(QObject* Sender, TDragObjectHack* Source, int X, int Y)>;
// Target is the view (or window) that accepted the drop, null when none did.
using TEndDragEvent = std::function<void(QObject* Sender, QObject* Target, int X, int Y)>;

// The pictures of one drag: image 0 the lifted cards with their shadow, image 1 the cards
// with the accept mark, image 2 with the refuse mark. All share one size; HotSpot is the
// grab point inside them. Overlay is the mark image shown over image 0 (1 or 2).
struct TDragImageList {
  QList<QImage> Images;
  QPoint HotSpot;
  int Overlay = 1;

  void Clear() {
    Images.clear();
    HotSpot = QPoint();
    Overlay = 1;
  }
  int Count() const { return static_cast<int>(Images.size()); }
  QSize Size() const { return Images.isEmpty() ? QSize() : Images.first().size(); }
};

// Handed to OnStartDrag and OnDragOver; games reach the source view through OwnerView.
class TDragObjectHack {
public:
  explicit TDragObjectHack(TCardPileView* view) : FOwnerView(view) {}

  bool NewDrag = false;
  TCardPileView* OwnerView() const { return FOwnerView; }

  // Shows the accept or refuse mark when acceptance changed since the last call of any
  // drag object, or on the first call of a new drag. Returns -1: no pointer of its own,
  // the mark in the drag image is the pointer.
  int GetDragCursor(bool accepted, int x, int y);

private:
  TCardPileView* FOwnerView;
  static inline bool FLastAccepted = false;
};

// Draws the drag image over everything else in the window; never takes the mouse.
class TDragOverlay : public QWidget {
  Q_OBJECT
public:
  explicit TDragOverlay(QWidget* window);

  // Shows images[0] and images[overlay] with their top-left corner at topLeft.
  void ShowImages(const TDragImageList* images, QPoint topLeft);
  void HideImages();
  QRect ImageRect() const { return FImageRect; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const TDragImageList* FImages = nullptr;
  QRect FImageRect;
  int FShownOverlay = 1;
};

// One per game window, created on first use. Positions are in the window's client
// coordinates (the coordinates of the views' geometry).
class TDragController : public QObject {
  Q_OBJECT
public:
  // The controller of the window, created when absent.
  static TDragController* For(QWidget* window);

  explicit TDragController(QWidget* window);
  ~TDragController() override;

  // Drag-over handler for every place of the window that is not a pile view (the
  // background, the status and tool bars). Unassigned: such places refuse.
  TDragOverEvent OnDragOver;

  bool Dragging() const { return !FSource.isNull(); }
  TCardPileView* Source() const { return FSource.data(); }
  // The view (or the window itself) under the mouse at the last move, and its answer.
  QWidget* Target() const { return FTarget.data(); }
  bool Accepted() const { return FAccepted; }
  TDragOverlay* Overlay() const { return FOverlay; }

  // The topmost visible pile view of the window whose geometry holds the point.
  TCardPileView* ViewAt(QPoint windowPos) const;

  // Called by the source view: the drag begins, each move asks the view under the mouse,
  // the release asks a last time and returns the widget that accepted (or null).
  void Begin(TCardPileView* source, QPoint windowPos);
  void Move(QPoint windowPos);
  QWidget* Drop(QPoint windowPos);
  // Ends without asking anybody (the source went away or was hidden).
  void Abort();

private:
  // The pointer during a drag: the window's own before and after it; blank while the
  // drag image carries the mark; the mark itself while the pointer is outside the window,
  // where the drag image cannot follow it.
  enum class TPointer { Own, Blank, AcceptMark, RefuseMark };

  bool AskDragOver(QWidget* target, TDragState state);
  void SetPointer(TPointer pointer);

  QWidget* FWindow;
  QPointer<TCardPileView> FSource;
  QPointer<QWidget> FTarget;
  QPointer<TDragOverlay> FOverlay;
  QPoint FPos;
  bool FMoved = false;
  bool FAccepted = false;
  TPointer FPointer = TPointer::Own;
};
