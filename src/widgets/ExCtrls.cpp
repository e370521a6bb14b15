#include "widgets/ExCtrls.h"

#include "platform/Metrics.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QShortcutEvent>
#include <QThread>

#include <map>

// ---- Cursors ----

QPixmap ExHandCursorPixmap() {
  // A pointing hand, index finger up, hot spot at the fingertip.
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  const QPolygon hand({{5, 1},   {6, 0},   {8, 0},   {9, 1},   {9, 7},   {10, 6},  {12, 6},
                       {13, 7},  {14, 7},  {16, 7},  {17, 8},  {18, 8},  {20, 8},  {21, 9},
                       {21, 17}, {19, 21}, {19, 24}, {9, 24},  {9, 22},  {3, 15},  {1, 12},
                       {1, 11},  {2, 10},  {3, 10},  {5, 12}});
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawPolygon(hand);
  // knuckle lines between the fingers
  p.drawLine(9, 8, 9, 13);
  p.drawLine(13, 8, 13, 13);
  p.drawLine(17, 9, 17, 13);
  // the cuff
  p.drawLine(9, 22, 19, 22);
  return QPixmap::fromImage(img);
}

QPixmap ExDragCursorPixmap() {
  // The arrow with a dashed box below it: something is being carried.
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  const QPolygon arrow({{0, 0}, {0, 16}, {4, 12}, {7, 18}, {9, 17}, {6, 11}, {11, 11}});
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawPolygon(arrow);
  p.fillRect(QRect(9, 19, 13, 10), Qt::white);
  QPen dash(Qt::black);
  dash.setStyle(Qt::DotLine);
  p.setPen(dash);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(9, 19, 12, 9));
  return QPixmap::fromImage(img);
}

QCursor ScreenCursor(int id) {
  static std::map<int, QCursor> cursors;
  auto it = cursors.find(id);
  if (it != cursors.end()) return it->second;
  QCursor c;
  if (id == crExHand) c = QCursor(ExHandCursorPixmap(), 6, 0);
  else if (id == crExDrag) c = QCursor(ExDragCursorPixmap(), 0, 0);
  else return QCursor(Qt::ArrowCursor);
  cursors.emplace(id, c);
  return c;
}

// ---- Routines ----

QString MinimizeText(const QString& text, const QFont& font, int maxWidth) {
  const QFontMetrics fm(font);
  if (fm.horizontalAdvance(text) <= maxWidth) return text;
  const QString dots = QStringLiteral("...");
  for (qsizetype n = text.size() - 1; n > 0; --n) {
    if (text[n - 1].isHighSurrogate()) continue;  // never half a character
    const QString shortened = text.left(n) + dots;
    if (fm.horizontalAdvance(shortened) <= maxWidth) return shortened;
  }
  return dots;
}

void CopyParentImage(QWidget* control, QPainter& painter) {
  QWidget* parent = control ? control->parentWidget() : nullptr;
  if (!parent) return;
  const QRect area = control->geometry();
  parent->render(&painter, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground);
  // Siblings earlier in the list lie below the control.
  for (QObject* child : parent->children()) {
    if (child == control) break;
    auto* sibling = qobject_cast<QWidget*>(child);
    if (!sibling || sibling->isWindow() || !sibling->isVisible()) continue;
    const QRect overlap = sibling->geometry().intersected(area);
    if (overlap.isEmpty()) continue;
    sibling->render(&painter, overlap.topLeft() - area.topLeft(),
                    QRegion(overlap.translated(-sibling->pos())),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
  }
}

bool ActiveWindowInThisThread() {
  const QWidget* active = QApplication::activeWindow();
  return active && active->thread() == QThread::currentThread();
}

// ---- TExCustomLabel ----

TExCustomLabel::TExCustomLabel(QWidget* parent) : QWidget(parent) {
  setFont(Metrics::ArialFont(11));
  resize(65, 17);
}

#define EX_SET(field, value, remeasure) \
  if (field == value) return;           \
  field = value;                        \
  if (remeasure) AdjustBounds();        \
  update()

void TExCustomLabel::SetAlignment(TAlignment v) { EX_SET(FAlignment, v, false); }
void TExCustomLabel::SetAutoSize(bool v) { EX_SET(FAutoSize, v, true); }
void TExCustomLabel::SetLayout(TTextLayout v) { EX_SET(FLayout, v, false); }
void TExCustomLabel::SetShadowColor(TColor v) { EX_SET(FShadowColor, v, false); }
void TExCustomLabel::SetShadowPos(TShadowPosition v) { EX_SET(FShadowPos, v, false); }
void TExCustomLabel::SetShowFocus(bool v) { EX_SET(FShowFocus, v, false); }
void TExCustomLabel::SetTransparent(bool v) { EX_SET(FTransparent, v, false); }
void TExCustomLabel::SetWordWrap(bool v) { EX_SET(FWordWrap, v, true); }
void TExCustomLabel::SetFontColor(TColor v) { EX_SET(FFontColor, v, false); }

#undef EX_SET

TColor TExCustomLabel::Color() const {
  if (!FParentColor) return FColor;
  const QWidget* parent = parentWidget();
  if (!parent) return clBtnFace;
  return FromQColor(parent->palette().color(parent->backgroundRole()));
}

void TExCustomLabel::SetColor(TColor v) {
  if (!FParentColor && FColor == v) return;
  FColor = v;
  FParentColor = false;
  update();
}

void TExCustomLabel::SetParentColor(bool v) {
  if (FParentColor == v) return;
  FParentColor = v;
  update();
}

void TExCustomLabel::SetShadowSize(int v) {
  v = ClampByte(v);
  if (FShadowSize == v) return;
  FShadowSize = v;
  AdjustBounds();
  update();
}

void TExCustomLabel::SetShowAccelChar(bool v) {
  if (FShowAccelChar == v) return;
  FShowAccelChar = v;
  UpdateShortcut();
  AdjustBounds();
  update();
}

void TExCustomLabel::SetCaption(const QString& v) {
  if (FCaption == v) return;
  FCaption = v;
  UpdateShortcut();
  AdjustBounds();
  update();
}

void TExCustomLabel::SetFocusControl(QWidget* control) {
  FFocusControl = control;
  // The accelerator goes with the control, so that another label can have the key.
  WatchDestroyed(FFocusGone, this, control, [this] {
    FFocusControl = nullptr;
    UpdateShortcut();
  });
  UpdateShortcut();
}

void TExCustomLabel::UpdateShortcut() {
  FShortcutId = RegrabAccelerator(this, FShortcutId, FCaption, FFocusControl && FShowAccelChar);
}

int TExCustomLabel::TextFlags() const {
  int flags = Qt::TextExpandTabs | Qt::AlignTop;
  if (FAlignment == taCenter) flags |= Qt::AlignHCenter;
  else if (FAlignment == taRightJustify) flags |= Qt::AlignRight;
  else flags |= Qt::AlignLeft;
  if (FWordWrap) flags |= Qt::TextWordWrap;
  if (FShowAccelChar) flags |= Qt::TextShowMnemonic;
  return flags;
}

QPoint TExCustomLabel::ShadowOffset(int size, TShadowPosition pos) const {
  switch (pos) {
    case spLeftTop: return {-size, -size};
    case spLeftBottom: return {-size, size};
    case spRightBottom: return {size, size};
    case spRightTop: return {size, -size};
  }
  return {0, 0};
}

QSize TExCustomLabel::MeasureText() const {
  QString text = FCaption;
  if (text.isEmpty() || (FShowAccelChar && text == QLatin1String("&"))) text = QStringLiteral(" ");
  const QFontMetrics fm(font());
  const int flags = (TextFlags() & ~(Qt::AlignHCenter | Qt::AlignRight)) | Qt::AlignLeft;
  const QRect r = fm.boundingRect(QRect(0, 0, FWordWrap ? std::max(width(), 1) : 0, 0), flags, text);
  const QRect text0(0, 0, r.width(), r.height());
  int size = FShadowSize;
  TShadowPosition pos = FShadowPos;
  if (!isEnabled() && size == 0) {
    size = 1;
    pos = spRightBottom;
  }
  return text0.united(text0.translated(ShadowOffset(size, pos))).size();
}

void TExCustomLabel::AdjustBounds() {
  if (!FAutoSize) return;
  const QSize s = MeasureText();
  QRect g = geometry();
  if (FAlignment == taRightJustify) g.setLeft(g.left() + g.width() - s.width());
  g.setSize(s);
  setGeometry(g);
}

void TExCustomLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  if (!FTransparent) painter.fillRect(rect(), ToQColorResolved(Color()));
  QRect r = rect().adjusted(1, 1, -1, -1);
  if (FLayout != tlTop) {
    const int free = r.height() - MeasureText().height();
    r.translate(0, FLayout == tlCenter ? free / 2 : free);
  }
  TColor textColor = FFontColor, shadowColor = FShadowColor;
  int size = FShadowSize;
  TShadowPosition pos = FShadowPos;
  if (!isEnabled()) {
    textColor = clGrayText;
    shadowColor = clBtnHighlight;
    if (size == 0) {
      size = 1;  // the engraved look
      pos = spRightBottom;
    }
  }
  const int flags = TextFlags() | Qt::TextDontClip;
  if (size > 0) {
    painter.setPen(ToQColorResolved(shadowColor));
    painter.drawText(r.translated(ShadowOffset(size, pos)), flags, FCaption);
  }
  painter.setPen(ToQColorResolved(textColor));
  QRect drawn;
  painter.drawText(r, flags, FCaption, &drawn);
  if (FShowFocus && FFocusControl && FFocusControl->hasFocus() && isEnabled()) {
    QPen pen(ToQColorResolved(textColor));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(drawn.adjusted(-1, -1, 0, 0));
  }
}

void TExCustomLabel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) AdjustBounds();
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) update();
}

bool TExCustomLabel::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    auto* se = static_cast<QShortcutEvent*>(event);
    if (se->shortcutId() == FShortcutId && FFocusControl && FFocusControl->isEnabled()) {
      FFocusControl->setFocus(Qt::ShortcutFocusReason);
      return true;
    }
  }
  return QWidget::event(event);
}

void TExCustomLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FPressed = true;
  QWidget::mousePressEvent(event);
}

void TExCustomLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && FPressed &&
                     rect().contains(event->position().toPoint());
  FPressed = false;
  QWidget::mouseReleaseEvent(event);
  if (!click) return;
  if (FFocusControl && FFocusControl->isEnabled()) FFocusControl->setFocus(Qt::MouseFocusReason);
  if (OnClick) OnClick();
}

// ---- TExSpeedButton ----

TExSpeedButton::TExSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAutoRepeat(false);
  setAutoRepeatDelay(500);
  setAutoRepeatInterval(100);
  resize(25, 25);
  if (parent) setFont(parent->font());
}

#define EX_SET(field, value) \
  if (field == value) return; \
  field = value;              \
  update()

void TExSpeedButton::SetAlignment(TAlignment v) { EX_SET(FAlignment, v); }
void TExSpeedButton::SetAllowAllUp(bool v) { EX_SET(FAllowAllUp, v); }
void TExSpeedButton::SetFlat(bool v) { EX_SET(FFlat, v); }
void TExSpeedButton::SetGrayedInactive(bool v) { EX_SET(FGrayedInactive, v); }
void TExSpeedButton::SetLayout(TwkButtonLayout v) { EX_SET(FLayout, v); }
void TExSpeedButton::SetMargin(int v) { EX_SET(FMargin, v); }
void TExSpeedButton::SetSpacing(int v) { EX_SET(FSpacing, v); }
void TExSpeedButton::SetStyle(TButtonStyle v) { EX_SET(FStyle, v); }
void TExSpeedButton::SetTransparent(bool v) { EX_SET(FTransparent, v); }
void TExSpeedButton::SetWordWrap(bool v) { EX_SET(FWordWrap, v); }

#undef EX_SET

void TExSpeedButton::SetGlyph(const QPixmap& glyph, int numGlyphs) {
  FGlyph = glyph;
  FNumGlyphs = std::clamp(numGlyphs, 1, 4);
  update();
}

void TExSpeedButton::SetNumGlyphs(int v) {
  v = std::clamp(v, 1, 4);
  if (FNumGlyphs == v) return;
  FNumGlyphs = v;
  update();
}

void TExSpeedButton::SetGroupIndex(int v) {
  if (FGroupIndex == v) return;
  FGroupIndex = v;
  setCheckable(v > 0);  // a click then runs nextCheckState
  UpdateExclusive();
}

void TExSpeedButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;  // only grouped buttons stay down
  if (FDown == v) return;
  if (FDown && !FAllowAllUp) {
    // the last down button of a group stays down unless all may be up
    bool otherDown = false;
    if (parentWidget())
      for (auto* b : parentWidget()->findChildren<TExSpeedButton*>(Qt::FindDirectChildrenOnly))
        otherDown |= b != this && b->FGroupIndex == FGroupIndex && b->FDown;
    if (!otherDown) return;
  }
  FDown = v;
  if (v) UpdateExclusive();
  update();
}

void TExSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !FDown || !parentWidget()) return;
  for (auto* b : parentWidget()->findChildren<TExSpeedButton*>(Qt::FindDirectChildrenOnly))
    if (b != this && b->FGroupIndex == FGroupIndex && b->FDown) {
      b->FDown = false;
      b->update();
    }
}

void TExSpeedButton::nextCheckState() {
  if (FGroupIndex == 0) return;
  if (FDown && FAllowAllUp) {
    FDown = false;
  } else {
    FDown = true;
    UpdateExclusive();
  }
  update();
}

QImage TExSpeedButton::GlyphFor(int state) const {
  if (FGlyph.isNull()) return QImage();
  const QImage strip = FGlyph.toImage().convertToFormat(QImage::Format_RGB32);
  const int w = strip.width() / FNumGlyphs;
  if (state >= FNumGlyphs) {
    if (state == 1) {
      // no disabled picture in the strip: emboss the normal one
      const QImage up = strip.copy(0, 0, w, strip.height());
      return DrawDisabledBitmap(up, FromQColor(QColor(up.pixel(0, up.height() - 1))));
    }
    state = 0;
  }
  return strip.copy(state * w, 0, w, strip.height());
}

void TExSpeedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  const bool pressed = isDown() || FDown;
  if (!FTransparent) p.fillRect(r, ToQColorResolved(clBtnFace));
  auto line = [&p](TColor c, int x1, int y1, int x2, int y2) {
    p.setPen(ToQColorResolved(c));
    p.drawLine(x1, y1, x2, y2);
  };
  const int R = r.right(), B = r.bottom();
  if (FFlat) {
    if (pressed) {
      line(clBtnShadow, 0, 0, R, 0);
      line(clBtnShadow, 0, 0, 0, B);
      line(clBtnHighlight, 0, B, R, B);
      line(clBtnHighlight, R, 0, R, B);
    } else if (FMouseInControl && isEnabled()) {
      line(clBtnHighlight, 0, 0, R, 0);
      line(clBtnHighlight, 0, 0, 0, B);
      line(clBtnShadow, 0, B, R, B);
      line(clBtnShadow, R, 0, R, B);
    }
  } else if (pressed) {
    line(cl3DDkShadow, 0, 0, R, 0);
    line(cl3DDkShadow, 0, 0, 0, B);
    line(clBtnShadow, 1, 1, R - 1, 1);
    line(clBtnShadow, 1, 1, 1, B - 1);
    line(clBtnHighlight, 0, B, R, B);
    line(clBtnHighlight, R, 0, R, B);
  } else {
    line(clBtnHighlight, 0, 0, R - 1, 0);
    line(clBtnHighlight, 0, 0, 0, B - 1);
    line(cl3DDkShadow, 0, B, R, B);
    line(cl3DDkShadow, R, 0, R, B);
    line(clBtnShadow, 1, B - 1, R - 1, B - 1);
    line(clBtnShadow, R - 1, 1, R - 1, B - 1);
  }

  const int state = !isEnabled() ? 1 : (FDown ? 3 : (isDown() ? 2 : 0));
  QImage glyph = GlyphFor(state);
  if (!glyph.isNull() && FFlat && FGrayedInactive && !FMouseInControl && isEnabled() && !pressed)
    glyph = glyph.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
  const QString caption = text();
  const QFontMetrics fm(font());
  const QSize captionSize =
      caption.isEmpty() ? QSize(0, 0)
                        : fm.boundingRect(QRect(0, 0, r.width(), r.height()),
                                          Qt::TextShowMnemonic | (FWordWrap ? Qt::TextWordWrap : 0),
                                          caption)
                              .size();
  const QSize glyphSize = glyph.isNull() ? QSize(0, 0) : glyph.size();
  const int spacing = (glyphSize.isEmpty() || captionSize.isEmpty()) ? 0 : FSpacing;
  const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  const int total = horizontal ? glyphSize.width() + spacing + captionSize.width()
                               : glyphSize.height() + spacing + captionSize.height();
  const int room = horizontal ? r.width() : r.height();
  const int start = FMargin < 0 ? (room - total) / 2 : FMargin;
  QPoint g, c;
  if (horizontal) {
    g.setY((r.height() - glyphSize.height()) / 2);
    c.setY((r.height() - captionSize.height()) / 2);
    const bool glyphFirst = FLayout == blGlyphLeft;
    g.setX(glyphFirst ? start : start + captionSize.width() + spacing);
    c.setX(glyphFirst ? start + glyphSize.width() + spacing : start);
  } else {
    g.setX((r.width() - glyphSize.width()) / 2);
    c.setX((r.width() - captionSize.width()) / 2);
    const bool glyphFirst = FLayout == blGlyphTop;
    g.setY(glyphFirst ? start : start + captionSize.height() + spacing);
    c.setY(glyphFirst ? start + glyphSize.height() + spacing : start);
  }
  if (pressed) {
    g += QPoint(1, 1);
    c += QPoint(1, 1);
  }
  if (!glyph.isNull()) {
    const TColor key = FromQColor(QColor(glyph.pixel(0, glyph.height() - 1)));
    TransparentBlt(p, QRect(g, glyphSize), glyph, key);
  }
  if (!caption.isEmpty()) {
    p.setPen(ToQColorResolved(isEnabled() ? clBtnText : clGrayText));
    int align = FAlignment == taCenter ? Qt::AlignHCenter
                                       : (FAlignment == taRightJustify ? Qt::AlignRight : Qt::AlignLeft);
    p.drawText(QRect(c, captionSize), align | Qt::TextShowMnemonic | (FWordWrap ? Qt::TextWordWrap : 0),
               caption);
  }
}

void TExSpeedButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  FMouseInControl = true;
  update();
  if (OnMouseEnter) OnMouseEnter();
}

void TExSpeedButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  FMouseInControl = false;
  update();
  if (OnMouseLeave) OnMouseLeave();
}

void TExSpeedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && FDropDownMenu) {
    const QPoint at = FMenuPosition == dmpBottom ? QPoint(0, height()) : QPoint(width(), 0);
    setDown(true);
    FDropDownMenu->exec(mapToGlobal(at));
    setDown(false);
    return;
  }
  QAbstractButton::mousePressEvent(event);
}
