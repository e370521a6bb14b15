#include "widgets/wkLabel.h"

#include "platform/Metrics.h"
#include "widgets/wkUtils.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

TwkCustomLabel::TwkCustomLabel(QWidget* parent)
    : QWidget(parent),
      FTextOptions([this] { update(); }, [this] { AdjustBounds(); },
                   [this] { return isEnabled(); }) {
  setFont(Metrics::ArialFont(11));
  resize(65, 17);
}

void TwkCustomLabel::SetCaption(const QString& caption) {
  if (FCaption == caption) return;
  FCaption = caption;
  FTextOptions.SetText(caption);
  UpdateShortcut();
  AdjustBounds();
  update();
}

void TwkCustomLabel::SetAutoSize(bool v) {
  if (FAutoSize == v) return;
  FAutoSize = v;
  AdjustBounds();
  update();
}

void TwkCustomLabel::SetTransparent(bool v) {
  if (FTransparent == v) return;
  FTransparent = v;
  update();
}

void TwkCustomLabel::SetColor(TColor v) {
  if (FColor == v) return;
  FColor = v;
  update();
}

void TwkCustomLabel::SetFontColor(TColor v) {
  if (FFontColor == v) return;
  FFontColor = v;
  update();
}

void TwkCustomLabel::SetFocusControl(QWidget* control) {
  FFocusControl = control;
  // A control that goes takes the accelerator with it; left registered, it would share
  // the key with another label and take every second press.
  WatchDestroyed(FFocusGone, this, control, [this] {
    FFocusControl = nullptr;
    UpdateShortcut();
  });
  UpdateShortcut();
}

void TwkCustomLabel::UpdateShortcut() {
  FShortcutId = RegrabAccelerator(this, FShortcutId, FCaption, FFocusControl != nullptr);
}

void TwkCustomLabel::AdjustBounds() {
  if (!FAutoSize) return;
  FTextOptions.SetText(FCaption);
  FTextOptions.SetFont(font(), FFontColor);
  FTextOptions.SetBounds(rect());
  const QSize s = FTextOptions.Measure(true);
  QRect g = geometry();
  if (FTextOptions.Alignment() == taRightJustify) g.setLeft(g.left() + g.width() - s.width());
  g.setSize(s);
  setGeometry(g);
}

void TwkCustomLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!FTransparent) painter.fillRect(rect(), ToQColorResolved(FColor));
  FTextOptions.SetText(FCaption);
  FTextOptions.SetFont(font(), FFontColor);
  FTextOptions.SetBounds(rect());
  FTextOptions.Draw(painter);
}

void TwkCustomLabel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) AdjustBounds();
}

bool TwkCustomLabel::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    auto* se = static_cast<QShortcutEvent*>(event);
    if (se->shortcutId() == FShortcutId && FFocusControl && isEnabled() &&
        (FTextOptions.Options() & toShowAccel) && FFocusControl->isEnabled() &&
        FFocusControl->focusPolicy() != Qt::NoFocus) {
      FFocusControl->setFocus(Qt::ShortcutFocusReason);
      return true;
    }
  }
  return QWidget::event(event);
}

void TwkCustomLabel::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (OnMouseEnter) OnMouseEnter();
}

void TwkCustomLabel::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (OnMouseLeave) OnMouseLeave();
}

void TwkCustomLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FPressed = true;
  QWidget::mousePressEvent(event);
}

void TwkCustomLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && FPressed &&
                     rect().contains(event->position().toPoint());
  FPressed = false;
  QWidget::mouseReleaseEvent(event);
  if (click && OnClick) OnClick();
}

void TwkCustomLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick();
}
