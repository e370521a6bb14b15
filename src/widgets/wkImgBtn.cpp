#include "widgets/wkImgBtn.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TwkImageBtn::TwkImageBtn(QWidget* parent)
    : QWidget(parent),
      FTextOptions([this] { update(); }, {}, [this] { return isEnabled(); }) {
  resize(75, 25);
  setFocusPolicy(Qt::NoFocus);
  // The whole face is painted in one piece.
  setAttribute(Qt::WA_OpaquePaintEvent);
  FTextOptions.SetAlignment(taCenter);
  FTextOptions.SetVAlignment(vaVCenter);
  FImage.OnChange = [this] { PictureChanged(); };
  FImageDown.OnChange = [this] { PictureChanged(); };
}

TwkImageBtn::~TwkImageBtn() {
  FDestroying = true;
  FImage.OnChange = nullptr;
  FImageDown.OnChange = nullptr;
}

// ---- properties ----

void TwkImageBtn::SetTransparentColor(TColor color) {
  if (color == FTransparentColor) return;
  FTransparentColor = color;
  ApplyRegion();
  update();
}

void TwkImageBtn::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  update();
}

void TwkImageBtn::SetShadeStyle(TwkShadeStyle style) {
  if (style == FShadeStyle) return;
  FShadeStyle = style;
  ApplyRegion();
  update();
}

void TwkImageBtn::SetShadeColors(const TwkShadeColors& colors) {
  FShadeColors = colors;
  update();
}

void TwkImageBtn::SetOffsets(const TwkImgDownOffsets& offsets) {
  FOffsets = offsets;
  update();
}

void TwkImageBtn::SetOptions(TwkButtonOptions options) {
  if (options == FOptions) return;
  FOptions = options;
  setFocusPolicy((FOptions & boFocusable) ? Qt::StrongFocus : Qt::NoFocus);
  update();
}

void TwkImageBtn::SetMargin(int margin) {
  if (margin == FMargin) return;
  FMargin = margin;
  update();
}

void TwkImageBtn::SetSpacing(int spacing) {
  if (spacing == FSpacing) return;
  FSpacing = spacing;
  update();
}

void TwkImageBtn::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  update();
}

void TwkImageBtn::SetFontColor(TColor color) {
  if (color == FFontColor) return;
  FFontColor = color;
  update();
}

void TwkImageBtn::PictureChanged() {
  if (FDestroying) return;
  ApplyRegion();
  update();
}

// ---- outline ----

TwkBitmap& TwkImageBtn::GetImage(bool down) { return down ? FImageDown : FImage; }

TColor TwkImageBtn::GetTransparentColor(bool down) const {
  if (FTransparentColor == clNullColor) return clNullColor;
  if (FTransparentColor != clNone) return ColorToRGB(FTransparentColor);
  const TwkBitmap& picture = (down && !FImageDown.Empty()) ? FImageDown : FImage;
  return picture.Empty() ? clNone : picture.Pixel(0, 0);
}

bool TwkImageBtn::ChangesOutline() const {
  return FTransparentColor != clNullColor &&
         (FShadeStyle == fbsRaised || (!FImage.Empty() && !FImageDown.Empty()));
}

std::optional<QRegion> TwkImageBtn::CreateRegion(bool down) const {
  // The outline always comes from the picture itself; a kept copy of it could disagree
  // with the picture or the size.
  if (FTransparentColor == clNullColor || FImage.Empty()) return std::nullopt;
  const TwkBitmap& picture = (down && !FImageDown.Empty()) ? FImageDown : FImage;
  TwkBitmap temp;
  RenderImage(picture, temp, FShadeStyle, true, down);
  if (temp.Empty()) return std::nullopt;
  QRegion region = RegionFromBitmap(temp.Canvas(), GetTransparentColor(down));
  if (FShadeStyle == fbsRaised) {
    const QRegion shifted = region.translated(2, 2);
    region = down ? shifted : region.united(shifted);
  }
  return region;
}

void TwkImageBtn::ApplyRegion() {
  if (FDestroying) return;
  if (FTransparentColor == clNullColor) {
    FRegionCopy.reset();
    clearMask();
    return;
  }
  const bool state = FDown;
  const std::optional<QRegion> region = CreateRegion(state);
  if (ChangesOutline()) {
    // What the old outline covered and the new one does not must be repainted behind.
    if (FRegionCopy && region && parentWidget())
      parentWidget()->update(FRegionCopy->xored(*region).translated(pos()));
    FRegionCopy = region;
  } else {
    FRegionCopy.reset();
  }
  if (region && !region->isEmpty())
    setMask(*region);
  else
    clearMask();
  if (ChangesOutline() && parentWidget()) InvalidateChildrenOver(parentWidget(), this);
}

bool TwkImageBtn::IsMouseInButton(QPoint pos, bool requirePressed) const {
  // Windows behind a modal one get no input from Qt, and a click must not depend on how
  // soon the window manager activates the window it lands on; only the hot look asks
  // for the active window (MouseOverShape).
  if (pos == QPoint(-1, -1)) pos = mapFromGlobal(QCursor::pos());
  bool inside;
  if (ChangesOutline()) {
    const std::optional<QRegion> other = CreateRegion(!FDown);
    QRegion both = other ? *other : QRegion(rect());
    both += FRegionCopy ? *FRegionCopy : QRegion(rect());
    inside = both.contains(pos);
  } else if (parentWidget()) {
    // The topmost child there: over a cut-away corner that is whatever lies behind.
    inside = parentWidget()->childAt(mapToParent(pos)) == this;
  } else {
    inside = rect().contains(pos) && (mask().isEmpty() || mask().contains(pos));
  }
  if (requirePressed && !FTracking) return false;
  return inside;
}

// ---- state and input ----

void TwkImageBtn::SetDownState(bool value, bool repaint) {
  if (value == FDown) return;
  FDown = value;
  if (ChangesOutline()) ApplyRegion();
  if (repaint) update();
}

void TwkImageBtn::Click() {
  FInClick = true;
  if (OnClick) OnClick();
  FInClick = false;
  update();
}

void TwkImageBtn::Press() {
  FTracking = true;
  FDownAtPress = FDown;
  if (FOptions & boFocusable) setFocus(Qt::MouseFocusReason);
  const bool was = FDown;
  SetDownState(true, false);
  if (was != FDown) repaint();
}

void TwkImageBtn::Release(bool inside) {
  SetDownState(false, false);
  repaint();
  const bool click = inside || (FOptions & boToggleOnUp);
  if (click) Click();
  FTracking = false;
}

void TwkImageBtn::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  // A press over a cut-away corner belongs to what lies behind.
  if (event->button() != Qt::LeftButton || (!mask().isEmpty() && !mask().contains(p))) {
    event->ignore();
    return;
  }
  Press();
  event->accept();
}

void TwkImageBtn::mouseMoveEvent(QMouseEvent* event) {
  if (!FTracking || !(event->buttons() & Qt::LeftButton) || (FOptions & boToggleOnUp)) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  const bool inside = IsMouseInButton(event->position().toPoint(), true);
  if (inside && !FDown) {
    SetDownState(true, false);
    repaint();
  } else if (!inside && FDown && !FDownAtPress) {
    SetDownState(false, false);
    repaint();
  }
}

void TwkImageBtn::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FTracking) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  Release(IsMouseInButton(event->position().toPoint(), true));
}

void TwkImageBtn::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && (FOptions & boFocusable) && !event->isAutoRepeat()) {
    Press();
    Release(true);
    return;
  }
  QWidget::keyPressEvent(event);
}

void TwkImageBtn::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  FMouseOver = true;
  if (FShadeStyle == fbsFlat) update();
  if (OnMouseEnter) OnMouseEnter();
}

void TwkImageBtn::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  FMouseOver = false;
  if (FShadeStyle == fbsFlat) update();
  if (OnMouseLeave) OnMouseLeave();
}

bool TwkImageBtn::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && FTracking) {
    // Another window took over in the middle of a press (a dialog, say): the press ends
    // without a click, as a release away from the button would.
    SetDownState(false, false);
    FTracking = false;
  }
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
    update();
  return QWidget::event(event);
}

void TwkImageBtn::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

void TwkImageBtn::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TwkImageBtn::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void TwkImageBtn::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FRegionCopy.reset();
  ApplyRegion();
  update();
}

// ---- drawing ----

bool TwkImageBtn::MouseOverShape() const {
  // Qt reports entry only over the shape, since the window is cut to it. A button of an
  // inactive window does not look hot.
  return FMouseOver && window()->isActiveWindow();
}

void TwkImageBtn::RenderImage(const TwkBitmap& source, TwkBitmap& dest, TwkShadeStyle shadeStyle,
                              bool forRegion, bool down) const {
  if (width() <= 0 || height() <= 0) return;
  const int room = shadeStyle == fbsRaised ? 2 : 0;
  dest.SetSize(width() - room, height() - room);
  if (dest.Empty()) return;
  {
    QPainter p(&dest.Canvas());
    source.Draw(p, QRect(0, 0, dest.Width(), dest.Height()));
  }
  dest.Changed();
  if (!forRegion && FColor != clNone) {
    const TColor tint = ColorToRGB(FColor);
    dest.SetTransparentColor(GetTransparentColor(down) == clNullColor ? clNone
                                                                      : GetTransparentColor(down));
    dest.Tint(GetRValue(tint), GetGValue(tint), GetBValue(tint));
  }
}

void TwkImageBtn::ShadeEdge(TwkBitmap& dest, const TwkBitmap& face, bool drawnDown) {
  const int w = face.Width(), h = face.Height();
  if (w != dest.Width() || h != dest.Height()) return;
  TColor key = GetTransparentColor(drawnDown);
  if (key == clNone || key == clNullColor) key = face.Pixel(0, 0);
  const TColor highlight = ColorToRGB(FShadeColors.BtnHighlight);
  const TColor light = ColorToRGB(FShadeColors.Btn3DLight);
  const TColor shadow = ColorToRGB(FShadeColors.BtnShadow);
  const TColor black = ColorToRGB(FShadeColors.BtnBlack);
  const bool focused = (FOptions & boFocusable) && hasFocus();
  auto put = [&](int x, int y, TColor c) {
    if (x >= 0 && y >= 0 && x < w && y < h) dest.SetPixel(x, y, c);
  };
  auto diagonal = [&](int x0, int y0) {
    int i = 0;
    while (x0 + i < w && y0 + i < h) {
      while (x0 + i < w && y0 + i < h && face.Pixel(x0 + i, y0 + i) == key) ++i;
      if (x0 + i >= w || y0 + i >= h) break;
      int sx = x0 + i, sy = y0 + i;
      while (x0 + i < w && y0 + i < h && face.Pixel(x0 + i, y0 + i) != key) ++i;
      const int ex = x0 + i - 1, ey = y0 + i - 1;
      const int firstX = sx, firstY = sy;
      if (focused) {
        ++sx;
        ++sy;
      }
      if (!drawnDown) {
        put(ex - 1, ey - 1, shadow);
        put(sx + 1, sy + 1, light);
        put(ex, ey, black);
        put(sx, sy, highlight);
      } else {
        put(ex - 1, ey - 1, light);
        put(sx + 1, sy + 1, shadow);
        put(ex, ey, highlight);
        put(sx, sy, black);
        if (focused) put(firstX, firstY, clBlack);
      }
    }
  };
  for (int x = w - 1; x >= 0; --x) diagonal(x, 0);
  for (int y = 1; y < h; ++y) diagonal(0, y);
}

void TwkImageBtn::DrawFace(TwkBitmap& dest, bool drawnDown, TwkShadeStyle shadeStyle) {
  if (dest.Empty()) return;
  QPainter p(&dest.Canvas());
  if (FImage.Empty()) {
    // A placeholder until a picture is given.
    p.fillRect(QRect(0, 0, dest.Width(), dest.Height()), ToQColorResolved(clBtnFace));
    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawRect(0, 0, dest.Width() - 1, dest.Height() - 1);
    return;
  }
  QPoint at(0, 0);
  TwkBitmap temp;
  const bool useDown = drawnDown && !FImageDown.Empty();
  RenderImage(GetImage(useDown), temp, shadeStyle, false, drawnDown);
  if (drawnDown && FImageDown.Empty()) at = QPoint(FOffsets.ImageDownX, FOffsets.ImageDownY);

  if (shadeStyle == fbsHighlight || (shadeStyle == fbsFlat && MouseOverShape())) {
    temp.Draw(p, QRect(at, QSize(temp.Width(), temp.Height())));
    p.end();
    ShadeEdge(dest, temp, drawnDown);
    return;
  }
  const TColor ground = ColorToRGB(FShadeColors.Shadow);
  p.fillRect(QRect(0, 0, dest.Width(), dest.Height()), ToQColor(ground));
  if (FTransparentColor != clNullColor) {
    const TColor key = GetTransparentColor(drawnDown);
    if (key != clNone) temp.ReplaceColor(ground, key);
  }
  temp.Draw(p, QRect(at, QSize(temp.Width(), temp.Height())));
}

void TwkImageBtn::DrawCaption(TwkBitmap& dest, bool drawnDown) {
  const QRect client(0, 0, width(), height());
  // Margin -1 centres the caption in a rectangle one pixel larger than the button.
  const QRect area = client.adjusted(FMargin, FMargin, -FMargin, -FMargin);
  FTextOptions.SetText(FCaption);
  FTextOptions.SetFont(font(), FFontColor);
  FTextOptions.SetBounds(area);
  const QSize caption = FTextOptions.Measure();
  const int inner = FMargin == -1 ? 4 : FMargin;
  int x = width() / 2;
  if (FTextOptions.Alignment() == taLeftJustify)
    x = caption.width() / 2 + inner;
  else if (FTextOptions.Alignment() == taRightJustify)
    x = width() - inner - caption.width() / 2;
  QRect captionRect;
  ButtonLayout(QPoint(x, height() / 2), QSize(0, 0), caption, FSpacing, blGlyphLeft, &captionRect,
               nullptr);
  captionRect.translate(FOffsets.TextX, FOffsets.TextY);
  if (drawnDown) captionRect.translate(FOffsets.TextDownX, FOffsets.TextDownY);
  QPainter p(&dest.Canvas());
  p.setRenderHint(QPainter::TextAntialiasing, true);
  FTextOptions.SetBounds(captionRect);
  FTextOptions.Draw(p);
  if ((FOptions & boFocusRect) && (FOptions & boFocusable) && hasFocus()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(captionRect.adjusted(-2, -2, 1, 1));
  }
}

QImage TwkImageBtn::RenderButton() {
  if (width() <= 0 || height() <= 0) return QImage();
  const bool drawnDown = FDown;
  TwkBitmap face;
  face.SetSize(width(), height());
  // While its click runs (a dialog may be up) a flat button does not look hot.
  const TwkShadeStyle style = (FShadeStyle == fbsFlat && FInClick) ? fbsNormal : FShadeStyle;
  DrawFace(face, drawnDown, style);
  if (!FCaption.isEmpty()) DrawCaption(face, drawnDown);
  return face.ToImage();
}

void TwkImageBtn::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  QPainter p(this);
  p.drawImage(0, 0, RenderButton());
}
