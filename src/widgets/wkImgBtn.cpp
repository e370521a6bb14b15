#include "widgets/wkImgBtn.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

TwkImageBtn::TwkImageBtn(QWidget* parent)
    : QWidget(parent),
      FTextOptions([this] { update(); }, {}, [this] { return isEnabled(); }) {
  resize(75, 25);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);  // OnMouseMove also while no button is held
  // The whole face is painted in one piece.
  setAttribute(Qt::WA_OpaquePaintEvent);
  FTextOptions.SetAlignment(taCenter);
  FTextOptions.SetVAlignment(vaVCenter);
  // A new picture replaces the one taken from elsewhere.
  FImage.OnChange = [this] {
    DropExtSource(FExtImage);
    PictureChanged(false);
  };
  FImageDown.OnChange = [this] {
    DropExtSource(FExtImageDown);
    PictureChanged(true);
  };
  if (qApp)
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FocusChanged(now); });
  WatchWindow();
}

TwkImageBtn::~TwkImageBtn() {
  FDestroying = true;
  FImage.OnChange = nullptr;
  FImageDown.OnChange = nullptr;
  DropExtSource(FExtImage);
  DropExtSource(FExtImageDown);
  // Buttons showing this one's pictures let go of them while they still exist.
  const auto users = FExtUsers;
  for (const QPointer<TwkImageBtn>& user : users) {
    if (!user) continue;
    for (const bool down : {false, true}) {
      TExtSource& ext = down ? user->FExtImageDown : user->FExtImage;
      if (ext.SourceButton != this) continue;
      user->DropExtSource(ext);
      user->PictureChanged(down);
    }
  }
  if (FWatchedWindow) FWatchedWindow->removeEventFilter(this);
}

// ---- properties ----

void TwkImageBtn::SetTransparentColor(TColor color) {
  if (color == FTransparentColor) return;
  FTransparentColor = color;
  // The stored outlines were cut for the old colour.
  DiscardRegionBlocks();
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
  // The stored outlines were built for the old style (raised adds a shadow).
  DiscardRegionBlocks();
  ApplyRegion();
  update();
}

void TwkImageBtn::SetShadeColors(const TwkShadeColors& colors) {
  FShadeColors = colors;
  update();
}

void TwkImageBtn::SetShadeBaseColor(TColor base) {
  TwkShadeColors colors = FShadeColors;
  colors.BtnShadow = ChangeColor(base, -50, false);
  colors.BtnBlack = ChangeColor(colors.BtnShadow, -50, false);
  colors.Btn3DLight = ChangeColor(base, 50, false);
  colors.BtnHighlight = ChangeColor(colors.Btn3DLight, 50, false);
  SetShadeColors(colors);
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
  GrabAccelerator();
  update();
}

void TwkImageBtn::SetFontColor(TColor color) {
  if (color == FFontColor) return;
  FFontColor = color;
  update();
}

void TwkImageBtn::SetSmoothFont(bool value) {
  if (value == FSmoothFont) return;
  FSmoothFont = value;
  update();
}

bool TwkImageBtn::ParentClipping() const {
  return parentWidget() && !parentWidget()->testAttribute(Qt::WA_PaintUnclipped);
}

void TwkImageBtn::SetParentClipping(bool value) {
  if (!value && parentWidget()) parentWidget()->setAttribute(Qt::WA_PaintUnclipped, true);
}

void TwkImageBtn::PictureChanged(bool down) {
  if (FDestroying) return;
  // The outline of that picture is built afresh.
  (down ? FDownRegionData : FRegionData).clear();
  ApplyRegion();
  update();
  if (parentWidget()) parentWidget()->update(geometry());
}

// ---- input ----

void TwkImageBtn::Press() {
  FTracking = true;
  FDownAtPress = FDown;
  // A grouped button that toggles on release does not go down on the press.
  if (FGroupIndex != 0 && (FOptions & boToggleOnUp)) return;
  if (FOptions & boFocusable) setFocus(Qt::MouseFocusReason);
  const bool was = FDown;
  SetDownState(true, false);
  if (was != FDown) repaint();
}

void TwkImageBtn::Release(bool inside) {
  const bool click = inside || (FOptions & boToggleOnUp);
  if (FGroupIndex == 0) {
    SetDownState(false, false);
  } else {
    // A grouped button latches down, or comes up when the group may be all up; released
    // away, it stays as it was before the press.
    const bool down = click ? !(FDownAtPress && FAllowAllUp) : FDownAtPress;
    SetDownState(down, false);
    NotifyGroup();
  }
  repaint();
  QPointer<TwkImageBtn> self(this);
  if (click) Click();
  if (self) FTracking = false;
}

void TwkImageBtn::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  // A press over a cut-away corner belongs to what lies behind.
  if (!mask().isEmpty() && !mask().contains(p)) {
    event->ignore();
    return;
  }
  if (event->button() != Qt::LeftButton) {
    if (OnMouseDown) OnMouseDown(event->button(), event->modifiers(), p);
    event->ignore();
    return;
  }
  // One click on a button of an inactive window brings the window forward and presses
  // the button; that press is no mouse-down of the button's. A window manager may have
  // activated the window for this very click just before it arrived.
  const bool activating = !(FOptions & boFocusable) && (!window()->isActiveWindow() || FJustActivated);
  if (activating) {
    window()->raise();
    window()->activateWindow();
  }
  QPointer<TwkImageBtn> self(this);
  Press();
  if (self && OnMouseDown && !activating) OnMouseDown(Qt::LeftButton, event->modifiers(), p);
  event->accept();
}

void TwkImageBtn::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseMove) OnMouseMove(event->modifiers(), p);
  if (!FTracking || !(event->buttons() & Qt::LeftButton) || (FOptions & boToggleOnUp)) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  const bool inside = IsMouseInButton(p, true);
  if (inside && !FDown) {
    SetDownState(true, false);
    repaint();
  } else if (!inside && FDown && !FDownAtPress) {
    SetDownState(false, false);
    repaint();
  }
}

void TwkImageBtn::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  QPointer<TwkImageBtn> self(this);
  if (OnMouseUp) OnMouseUp(event->button(), event->modifiers(), p);
  if (!self) return;
  if (event->button() != Qt::LeftButton || !FTracking) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  Release(IsMouseInButton(p, true));
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
  if (FShadeStyle == fbsFlat || FNumGlyphs == 4 || ThemesActive(this)) update();
  if (OnMouseEnter) OnMouseEnter();
}

void TwkImageBtn::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  FMouseOver = false;
  if (FShadeStyle == fbsFlat || FNumGlyphs == 4 || ThemesActive(this)) update();
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
  if (event->type() == QEvent::WindowActivate) {
    // Input that arrived together with the activation (the click that activated the
    // window) is handled before this is cleared.
    FJustActivated = true;
    QMetaObject::invokeMethod(this, [this] { FJustActivated = false; }, Qt::QueuedConnection);
  }
  if (event->type() == QEvent::Shortcut &&
      static_cast<QShortcutEvent*>(event)->shortcutId() == FAcceleratorId) {
    AcceleratorClick();
    return true;
  }
  if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show) WatchWindow();
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
  // The stored outlines were cut for the old size.
  DiscardRegionBlocks();
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
                              bool forRegion, bool down) {
  if (width() <= 0 || height() <= 0) return;
  const int room = shadeStyle == fbsRaised ? 2 : 0;
  dest.SetSize(width() - room, height() - room);
  if (dest.Empty()) return;
  const bool dither = !forRegion && Dithered(down);
  std::optional<QRegion> region;
  if (dither) region = CreateRegion(true, down);
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
  if (dither) {
    // A latched-down grouped button shows a pattern over its shape.
    const QRect all(0, 0, dest.Width(), dest.Height());
    QRegion clip = region ? *region : QRegion(all);
    if (shadeStyle == fbsRaised) clip.translate(-2, -2);
    QPainter p(&dest.Canvas());
    p.setClipRegion(clip);
    if (FDitherStyle == dsFill)
      p.fillRect(all, ToQColorResolved(FDitherColor));
    else
      FillDithered(p, all, clNone, FDitherColor);
    p.end();
    dest.Changed();
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
  const TwkBitmap& up = GetImage(false);
  const TwkBitmap& downPicture = GetImage(true);
  if (up.Empty()) {
    // A placeholder until a picture is given.
    p.fillRect(QRect(0, 0, dest.Width(), dest.Height()), ToQColorResolved(clBtnFace));
    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawRect(0, 0, dest.Width() - 1, dest.Height() - 1);
    return;
  }
  QPoint at(0, 0);
  TwkBitmap temp;
  const bool useDown = drawnDown && !downPicture.Empty();
  RenderImage(useDown ? downPicture : up, temp, shadeStyle, false, drawnDown);
  if (drawnDown && downPicture.Empty()) at = QPoint(FOffsets.ImageDownX, FOffsets.ImageDownY);

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
    if (drawnDown && FDitherStyle == dsBlendDither) {
      temp.SetTransparentColor(key);
      temp.SetTransparent(true);
    } else if (key != clNone) {
      temp.ReplaceColor(ground, key);
    }
  }
  temp.Draw(p, QRect(at, QSize(temp.Width(), temp.Height())));
}

void TwkImageBtn::LayOut(bool drawnDown) {
  const QRect client(0, 0, width(), height());
  // Margin -1 centres glyph and caption in a rectangle one pixel larger than the button.
  const QRect area = client.adjusted(FMargin, FMargin, -FMargin, -FMargin);
  const int inner = FMargin == -1 ? 4 : FMargin;
  FTextOptions.SetText(FCaption);
  FTextOptions.SetFont(font(), FFontColor);
  FTextOptions.SetBounds(area);
  const QImage glyph = GlyphFor(0);
  const QSize glyphSize = glyph.isNull() ? QSize(0, 0) : glyph.size();
  QSize caption = FCaption.isEmpty() ? QSize(0, 0) : FTextOptions.Measure();
  const int gap = (!glyph.isNull() && !FCaption.isEmpty()) ? FSpacing : 0;
  auto place = [&] {
    const int group = caption.width() + glyphSize.width() + gap;
    int x = width() / 2;
    if (FTextOptions.Alignment() == taLeftJustify)
      x = group / 2 + inner;
    else if (FTextOptions.Alignment() == taRightJustify)
      x = width() - inner - group / 2;
    ButtonLayout(QPoint(x, height() / 2), glyphSize, caption, gap, FLayout, &FCaptionRect,
                 &FGlyphRect);
  };
  place();
  if (FLayout == blGlyphLeft && !FCaption.isEmpty()) {
    // Measured again in the room the first layout gave the caption (a wrapped caption may
    // need other lines there).
    FTextOptions.SetBounds(FCaptionRect);
    caption = FTextOptions.Measure();
    place();
  }
  FCaptionRect.translate(FOffsets.TextX, FOffsets.TextY);
  FGlyphRect.translate(FOffsets.GlyphX, FOffsets.GlyphY);
  if (drawnDown) {
    FCaptionRect.translate(FOffsets.TextDownX, FOffsets.TextDownY);
    FGlyphRect.translate(FOffsets.TextDownX, FOffsets.TextDownY);
  }
  if (glyph.isNull()) FGlyphRect = QRect();
}

void TwkImageBtn::DrawGlyphAndCaption(TwkBitmap& dest, bool drawnDown) {
  LayOut(drawnDown);
  QPainter p(&dest.Canvas());
  if (!FGlyph.isNull()) {
    const int state = !isEnabled() ? 1 : drawnDown ? (FTracking ? 2 : 3) : 0;
    const QImage glyph = GlyphFor(state);
    if (!glyph.isNull()) {
      const QRgb key = glyph.pixel(0, glyph.height() - 1);
      TransparentBlt(p, FGlyphRect, glyph, RGBColor(qRed(key), qGreen(key), qBlue(key)));
    }
  }
  if (!FCaption.isEmpty()) {
    p.setRenderHint(QPainter::TextAntialiasing, true);
    FTextOptions.SetBounds(FCaptionRect);
    FTextOptions.Draw(p);
  }
  if ((FOptions & boFocusRect) && (FOptions & boFocusable) && hasFocus()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    const QRect both = FGlyphRect.isNull() ? FCaptionRect : FCaptionRect.united(FGlyphRect);
    p.drawRect(both.adjusted(-2, -2, 1, 1));
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
  if (!FCaption.isEmpty() || !FGlyph.isNull()) DrawGlyphAndCaption(face, drawnDown);
  return face.ToImage();
}

void TwkImageBtn::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  QPainter p(this);
  p.drawImage(0, 0, RenderButton());
  if (FSmoothFont && !FCaption.isEmpty()) {
    // Once more straight onto the widget, smoothed against the final background.
    p.setRenderHint(QPainter::TextAntialiasing, true);
    FTextOptions.SetBounds(FCaptionRect);
    FTextOptions.Draw(p);
  }
}
