#include "engine/CardPileView.h"

#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "art/CardArt.h"

namespace {

// The shared pictures, with the key colour turned into transparency.
struct TPileBitmaps {
  int Size = -1;  // card size the sized pictures belong to
  QImage Recycle;
  QImage Empty;
  QImage BorderMask;
  QImage CursorGood;
  QImage CursorBad;
};

TPileBitmaps& PileBitmaps() {
  static TPileBitmaps bitmaps;
  return bitmaps;
}

QImage Keyed(const QString& name) {
  const QImage source = CardArtBitmap(name);
  if (source.isNull()) return QImage();
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0x00FFFFFF) == (CardArtKeyColor & 0x00FFFFFF)) line[x] = 0;
  }
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int SizeIndex() {
  const int size = TCard::GetCardSize();
  return (size >= CS_SMALL && size <= CS_HUGE) ? size : CS_LARGE;
}

const char* SizeLetter(int size) { return size == CS_SMALL ? "s" : size == CS_HUGE ? "h" : ""; }

const TPileBitmaps& CurrentBitmaps() {
  TCardPileView::LoadPileBitmaps();
  return PileBitmaps();
}

}  // namespace

// ---- construction ------------------------------------------------------------------------

TCardPileView::TCardPileView(QWidget* parent)
    : QWidget(parent), FCards(new TCardPile), FDragPile(new TCardPile),
      FDragObject(new TDragObjectHack(this)) {
  resize(CardSize());
  setMouseTracking(true);  // OnMouseMove also while no button is down
  LoadPileBitmaps();
}

TCardPileView::~TCardPileView() {
  // A view that goes away in the middle of a drag takes its lifted cards home first.
  if (FDragging) AbortDrag();
  delete FDragObject;
  FCards->Empty(false);
  FDragPile->Empty(false);
  delete FCards;
  delete FDragPile;
}

void TCardPileView::LoadPileBitmaps() {
  TPileBitmaps& bitmaps = PileBitmaps();
  const int size = SizeIndex();
  if (bitmaps.Size != size || bitmaps.Recycle.isNull()) {
    const QString letter = QString::fromLatin1(SizeLetter(size));
    bitmaps.Recycle = Keyed("CS_" + letter + "RECYCLE");
    bitmaps.Empty = Keyed("CS_" + letter + "EMPTY");
    bitmaps.BorderMask = Keyed("CS_" + letter + "BORDERMASK");
    bitmaps.Size = size;
  }
  if (bitmaps.CursorGood.isNull()) bitmaps.CursorGood = Keyed("CURSOR_GOOD");
  if (bitmaps.CursorBad.isNull()) bitmaps.CursorBad = Keyed("CURSOR_BAD");
}

void TCardPileView::FreePileBitmaps() { PileBitmaps() = TPileBitmaps(); }

QCursor TCardPileView::DragMarkCursor(bool accepted) {
  const TPileBitmaps& bitmaps = CurrentBitmaps();
  const QImage& mark = accepted ? bitmaps.CursorGood : bitmaps.CursorBad;
  if (mark.isNull()) return QCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
  return QCursor(QPixmap::fromImage(mark), 0, 0);
}

QSize TCardPileView::CardSize() { return TCard::CardPixelSize(SizeIndex()); }

int TCardPileView::FaceDownStep() {
  const int size = SizeIndex();
  return size == CS_SMALL ? 6 : size == CS_HUGE ? 12 : 8;
}

int TCardPileView::CornerIndexHeight() {
  const int size = SizeIndex();
  return size == CS_SMALL ? 24 : size == CS_HUGE ? 42 : 27;
}

int TCardPileView::TopCardReserve() {
  const int size = SizeIndex();
  return size == CS_SMALL ? 47 : size == CS_HUGE ? 104 : 62;
}

TColor TCardPileView::Color() const {
  if (FColor) return *FColor;
  const QWidget* owner = parentWidget() ? parentWidget() : this;
  return FromQColor(owner->palette().color(QPalette::Window));
}

// ---- layout --------------------------------------------------------------------------------

void TCardPileView::CalcOffsets() {
  const int step = FaceDownStep();
  const int dX = XOffset > 0 ? step : 0;
  const int dY = YOffset > 0 ? step : 0;
  if (FCards->Count() < 2) {
    FXStep = XOffset;
    FYStep = YOffset;
    return;
  }
  int up = 0;
  int down = 0;
  for (const TCard* card : FCards->FList) {
    if (!card) continue;
    if (card->FFaceUp)
      ++up;
    else
      ++down;
  }
  const QSize cardSize = CardSize();
  int w = cardSize.width();
  int h = cardSize.height();
  if (up > 0) {
    w = static_cast<int>(w + (up - 1) * XOffset);
    h = static_cast<int>(h + (up - 1) * YOffset);
  }
  // Face-down cards lie under the face-up run, each a face-down step above the next card.
  const int downSteps = up > 0 ? down : std::max(0, down - 1);
  w += downSteps * dX;
  h += downSteps * dY;
  // Squeeze the face-up step so the fan fits, but never below the face-down step and
  // never above the offset. A column too short for even that closes its fan to the
  // face-down step.
  auto squeeze = [&](int needed, int room, int lead, int downStep, float offset, bool closeShort) -> float {
    if (needed <= room || up < 2) return offset;
    const int avail = room - lead - downSteps * downStep;
    if (avail < 1) return closeShort && offset > 0 ? static_cast<float>(downStep) : offset;
    const float fit = static_cast<float>(avail / (up - 1));
    return fit < downStep ? static_cast<float>(downStep) : std::min(fit, offset);
  };
  // Sideways the top card stays inside the view.
  FXStep = squeeze(w, width(), cardSize.width(), dX, XOffset, false);
  // Downwards too, while every covered card still shows its corner index (or the whole
  // step the player chose, when that is less). Where that would squeeze the steps past
  // reading, the top card keeps only its index and upper part inside the view.
  const float wholeTop = squeeze(h, height(), cardSize.height(), dY, YOffset, true);
  const bool readable = wholeTop >= std::min(float(CornerIndexHeight()), YOffset);
  FYStep = readable ? wholeTop : squeeze(h, height(), TopCardReserve(), dY, YOffset, true);
}

// ---- painting ------------------------------------------------------------------------------

void TCardPileView::paintEvent(QPaintEvent* event) {
  QPainter canvas(this);
  FPaintRegion = event->region();
  Paint(canvas);
}

void TCardPileView::PaintBackground(QPainter& canvas) {
  if (BackgroundMode == CS_TRANSPARENT) return;  // the window shows through
  canvas.fillRect(rect(), ToQColor(Color()));
  if (BackgroundMode == CS_BITMAP && FBackBitmap && !FBackBitmap->isNull()) {
    const QRect source = geometry().intersected(FBackBitmap->rect());
    if (!source.isEmpty()) canvas.drawImage(source.topLeft() - pos(), *FBackBitmap, source);
  }
}

void TCardPileView::PaintBorder(QPainter& canvas) {
  const int w = width();
  const int h = height();
  canvas.setBrush(Qt::NoBrush);
  canvas.setPen(QColor(0, 0, 0));
  canvas.drawRect(QRect(0, 0, w - 2, h - 2));
  canvas.setPen(QColor(0x80, 0x80, 0x80));
  canvas.drawRect(QRect(1, 1, w - 2, h - 2));
}

void TCardPileView::PaintEmptyPicture(QPainter& canvas) {
  const TPileBitmaps& bitmaps = CurrentBitmaps();
  if (State == CS_EMPTY && !bitmaps.Empty.isNull()) canvas.drawImage(QPoint(0, 0), bitmaps.Empty);
  if (State == CS_RECYCLE && !bitmaps.Recycle.isNull())
    canvas.drawImage(QPoint(0, 0), bitmaps.Recycle);
}

void TCardPileView::PaintLabel(QPainter& canvas) {
  if (State != CS_BLANK || Label.isEmpty()) return;
  QFont font("Liberation Sans");
  font.setBold(true);
  // A cell height of 28 (36) pixels, as the layouts were drawn for.
  font.setPixelSize(SizeIndex() == CS_HUGE ? 32 : 25);
  canvas.setFont(font);
  const QRect area = rect();
  canvas.setPen(Qt::white);
  canvas.drawText(area.translated(6, 2), Qt::AlignLeft | Qt::AlignTop, Label);
  canvas.setPen(Qt::black);
  canvas.drawText(area.translated(5, 1), Qt::AlignLeft | Qt::AlignTop, Label);
}

void TCardPileView::PaintPeek(QPainter& canvas) {
  if (FPeeking && FHitCard)
    FHitCard->DrawCardOnCanvas(QPoint(static_cast<int>(FHitCard->FX),
                                      static_cast<int>(FHitCard->FY)),
                               &canvas);
}

void TCardPileView::DrawCard(QPainter& canvas, const TCard* card, QPoint at) {
  if (!FPaintRegion.isEmpty() && !FPaintRegion.intersects(QRect(at, CardSize()))) return;
  card->DrawCardOnCanvas(at, &canvas);
}

void TCardPileView::Paint(QPainter& canvas) {
  PaintBackground(canvas);
  const int count = FCards->Count();
  if (IsBordered && count == 0) PaintBorder(canvas);
  if (count == 0) {
    PaintEmptyPicture(canvas);
    PaintLabel(canvas);
    return;
  }
  CalcOffsets();
  const int step = FaceDownStep();
  const float dX = XOffset > 0 ? step : 0;
  const float dY = YOffset > 0 ? step : 0;
  const bool stacked = XOffset == 0 && YOffset == 0;
  const QSize cardSize = CardSize();
  const int corner = SizeIndex() == CS_SMALL ? 3 : SizeIndex() == CS_HUGE ? 11 : 7;
  const QColor outline = TCard::IsAged() ? QColor(0xDB, 0xCB, 0xB0) : QColor(0xC0, 0xC0, 0xC0);
  float x = 0;
  float y = 0;
  for (int i = 0; i < count; ++i) {
    TCard* card = FCards->FList[static_cast<std::size_t>(i)];
    if (!card) continue;
    const bool top = i == count - 1;
    card->FX = static_cast<float>(static_cast<int>(x));
    card->FY = static_cast<float>(static_cast<int>(y));
    const QPoint at(static_cast<int>(x), static_cast<int>(y));
    if (!top && stacked) continue;
    if (!top && !card->FFaceUp && !AllowDrag) {
      // A stock below its top card shows as the edges of a block of cards.
      canvas.setPen(outline);
      canvas.setBrush(i == 0 ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
      canvas.drawRoundedRect(QRectF(at.x() + 0.5, at.y() + 0.5, cardSize.width() - 1,
                                    cardSize.height() - 1),
                             corner / 2.0, corner / 2.0);
    } else {
      DrawCard(canvas, card, at);
    }
    // Face-up cards, and every card of a view without dragging, take the fan step; the
    // face-down run of a dragging view takes the tighter face-down step.
    if (card->FFaceUp || !AllowDrag) {
      x += FXStep;
      y += FYStep;
    } else {
      x += dX;
      y += dY;
    }
  }
  PaintPeek(canvas);
}

// ---- mouse ---------------------------------------------------------------------------------

void TCardPileView::mousePressEvent(QMouseEvent* event) {
  if (FDragging) return;  // further buttons during a drag change nothing
  const QPoint pos = event->position().toPoint();
  FCaptured = true;
  FPressPos = pos;
  if (event->button() == Qt::LeftButton) FClickPending = true;
  MouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TCardPileView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (FDragging) return;
  const QPoint pos = event->position().toPoint();
  FCaptured = true;
  FPressPos = pos;
  MouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
  if (event->button() == Qt::LeftButton) DblClick();
}

void TCardPileView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (FDragging) {
    if (FController) FController->Move(mapToParent(pos));
    return;
  }
  MouseMove(event->modifiers(), pos.x(), pos.y());
}

void TCardPileView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  FCaptured = event->buttons() != Qt::NoButton;
  if (FDragging) {
    FinishDrag(pos);
    return;
  }
  const bool click =
      event->button() == Qt::LeftButton && FClickPending && rect().contains(pos);
  if (event->button() == Qt::LeftButton) FClickPending = false;
  if (click) Click();
  MouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TCardPileView::hideEvent(QHideEvent* event) {
  if (FDragging) AbortDrag();
  FCaptured = false;
  FClickPending = false;
  QWidget::hideEvent(event);
}

void TCardPileView::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                              int y) {
  FDragArmed = false;
  FDropTarget = nullptr;
  if (button == Qt::LeftButton || button == Qt::MiddleButton) {
    FHitCard = nullptr;
    const QSize cardSize = CardSize();
    for (int i = FCards->Count() - 1; i >= 0; --i) {
      TCard* card = FCards->FList[static_cast<std::size_t>(i)];
      if (!card) continue;
      FHitRect = QRect(static_cast<int>(card->FX), static_cast<int>(card->FY),
                       cardSize.width(), cardSize.height());
      if (FHitRect.contains(x, y)) {
        FHitCard = card;
        FGrabX = x - FHitRect.left();
        FGrabY = y - FHitRect.top();
        break;
      }
    }
  }
  if (button == Qt::LeftButton && (shift & Qt::ShiftModifier) && FHitCard && FHitCard->FFaceUp) {
    // Shift shows a buried card whole until the button goes up.
    FPeeking = true;
    repaint();
    return;
  }
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TCardPileView::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
  if (FPeeking) {
    FPeeking = false;
    repaint();
  }
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TCardPileView::MouseMove(Qt::KeyboardModifiers shift, int x, int y) {
  if (FCaptured && FDragArmed && AllowDrag && !FDragging) {
    const bool farEnough =
        (QPoint(x, y) - FPressPos).manhattanLength() >= QApplication::startDragDistance();
    if (!DragDelayed || farEnough) BeginDrag(QPoint(x, y));
  }
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TCardPileView::Click() {
  if (OnClick) OnClick(this);
}

void TCardPileView::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

// ---- dragging ------------------------------------------------------------------------------

bool TCardPileView::LiftDragCards() {
  if (!FHitCard) return false;
  const int index = FCards->CardIndex(FHitCard);
  if (index < 0) return false;  // the game moved the card since the press
  FDragPile->Empty(false);
  auto first = FCards->FList.begin() + index;
  FDragPile->FList.assign(first, FCards->FList.end());
  FCards->FList.erase(first, FCards->FList.end());
  return true;
}

void TCardPileView::RestoreDragCards() { FCards->AddPile(FDragPile); }

void TCardPileView::BuildImagesFromPositions(const QList<QPoint>& positions) {
  const TPileBitmaps& bitmaps = CurrentBitmaps();
  const QSize cardSize = CardSize();
  const QSize cursorSize = bitmaps.CursorGood.isNull() ? QSize(32, 32) : bitmaps.CursorGood.size();
  int right = 0;
  int bottom = 0;
  for (const QPoint& at : positions) {
    right = std::max(right, at.x());
    bottom = std::max(bottom, at.y());
  }
  // Room for the cards, their shadow and the mark at the grab point.
  const QSize size(std::max(cursorSize.width() + cardSize.width() + right, FGrabX + cursorSize.width()),
                   std::max(cursorSize.height() + cardSize.height() + bottom,
                            FGrabY + cursorSize.height()));
  const QPoint shadow = SizeIndex() == CS_HUGE ? QPoint(5, 7) : QPoint(3, 5);
  QImage lifted(size, QImage::Format_ARGB32_Premultiplied);
  lifted.fill(Qt::transparent);
  QImage plain = lifted;
  {
    QPainter withShadow(&lifted);
    QPainter without(&plain);
    for (int i = 0; i < FDragPile->Count() && i < positions.size(); ++i) {
      const TCard* card = FDragPile->FList[static_cast<std::size_t>(i)];
      if (!card) continue;
      const QPoint at = positions[i];
      if (!bitmaps.BorderMask.isNull()) withShadow.drawImage(at + shadow, bitmaps.BorderMask);
      card->DrawCardOnCanvas(at, &withShadow);
      card->DrawCardOnCanvas(at, &without);
    }
  }
  QImage good = plain;
  QImage bad = plain;
  {
    QPainter goodPainter(&good);
    goodPainter.drawImage(QPoint(FGrabX, FGrabY), bitmaps.CursorGood);
    QPainter badPainter(&bad);
    badPainter.drawImage(QPoint(FGrabX, FGrabY), bitmaps.CursorBad);
  }
  FDragImages.Clear();
  FDragImages.Images = {lifted, good, bad};
  FDragImages.HotSpot = QPoint(FGrabX, FGrabY);
}

void TCardPileView::BuildDragImages() {
  CalcOffsets();
  const int step = FaceDownStep();
  const float dX = XOffset > 0 ? step : 0;
  const float dY = YOffset > 0 ? step : 0;
  QList<QPoint> positions;
  float x = 0;
  float y = 0;
  for (const TCard* card : FDragPile->FList) {
    positions.append(QPoint(static_cast<int>(x), static_cast<int>(y)));
    const bool faceUp = card && card->FFaceUp;
    x += faceUp ? FXStep : dX;
    y += faceUp ? FYStep : dY;
  }
  BuildImagesFromPositions(positions);
}

void TCardPileView::BuildSingleCardImages() { BuildImagesFromPositions({QPoint(0, 0)}); }

void TCardPileView::BeginDrag(QPoint pos) {
  QWidget* window = parentWidget();
  if (!window) return;  // nowhere to drop
  TDragController* controller = TDragController::For(window);
  if (controller->Dragging()) return;  // one drag per window at a time
  if (!LiftDragCards()) return;
  FClickPending = false;
  BuildDragImages();
  FDragging = true;
  FController = controller;
  FController->Begin(this, mapToParent(pos));
  DoStartDrag();
  // The handler may have ended the drag (hidden the view, say).
  if (FDragging && FController) FController->Move(mapToParent(pos));
}

void TCardPileView::DoStartDrag() {
  repaint();  // the lifted cards leave the pile
  FDragObject->NewDrag = true;
  if (OnStartDrag) OnStartDrag(this, FDragObject);
}

void TCardPileView::FinishDrag(QPoint pos) {
  QWidget* target = FController ? FController->Drop(mapToParent(pos)) : nullptr;
  FController = nullptr;
  FDragging = false;
  QPoint at = pos;
  if (target && target != this)
    at = target == parentWidget() ? mapToParent(pos) : target->mapFrom(parentWidget(), mapToParent(pos));
  DoEndDrag(target, at.x(), at.y());
}

void TCardPileView::AbortDrag() {
  if (FController) FController->Abort();
  FController = nullptr;
  FDragging = false;
  FDropTarget = nullptr;
  RestoreDragCards();
  FDragImages.Clear();
}

void TCardPileView::DoEndDrag(QObject* target, int x, int y) {
  TCardPileView* dropTarget = FDropTarget.data();
  if (!dropTarget || dropTarget == this) {
    FDropTarget = nullptr;
    FCards->AddPile(FDragPile);
    repaint();
  } else if (!FManualDrop) {
    dropTarget->FCards->AddPile(FDragPile);
    dropTarget->repaint();
  }
  if (OnEndDrag) OnEndDrag(this, target, x, y);
}

void TCardPileView::DragOver(TDragObjectHack* source, int x, int y, TDragState state,
                             bool& accept) {
  accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, source, x, y, state, accept);
}

void TCardPileView::DragDrop(TDragObjectHack* source, int x, int y) {
  if (OnDragDrop) OnDragDrop(this, source, x, y);
}
