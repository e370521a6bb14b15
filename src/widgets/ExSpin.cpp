#include "widgets/ExSpin.h"

#include "platform/IniFile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <limits>

// ---------------------------------------------------------------------------------------
// TExSpinButton

TExSpinButton::TExSpinButton(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::NoFocus);
  FRepeatTimer.setSingleShot(false);
  FRepeatTimer.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire the first repeat early
  connect(&FRepeatTimer, &QTimer::timeout, this, [this] { TimerExpired(); });
}

TExSpinButton::TSpinHalf TExSpinButton::HalfAt(int x, int y, int width, int height) {
  // The diagonal runs from (0, height) to (width, 0). Compared in whole numbers so that a
  // button that is not square splits along its true diagonal.
  if (width <= 0 || height <= 0) return sbTopDown;
  const qint64 lhs = static_cast<qint64>(y) * width;
  const qint64 rhs = static_cast<qint64>(height) * (width - x);
  return lhs >= rhs ? sbBottomDown : sbTopDown;
}

void TExSpinButton::Click(TSpinHalf half) {
  if (half == sbTopDown) {
    if (OnTopClick) OnTopClick();
  } else if (half == sbBottomDown) {
    if (OnBottomClick) OnBottomClick();
  }
}

void TExSpinButton::TimerExpired() {
  FRepeatTimer.setInterval(RepeatPause);
  if (FDown == sbNotDown) {
    FRepeatTimer.stop();
    return;
  }
  Click(FDown);
}

void TExSpinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) {
    QWidget::mousePressEvent(event);
    return;
  }
  if (FFocusControl && FFocusControl->focusPolicy() != Qt::NoFocus && !FFocusControl->hasFocus())
    FFocusControl->setFocus(Qt::MouseFocusReason);
  if (FDown != sbNotDown) return;
  const QPoint p = event->position().toPoint();
  FDown = HalfAt(p.x(), p.y(), width(), height());
  repaint();
  FRepeatTimer.start(InitRepeatPause);
  Click(FDown);
}

void TExSpinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  FRepeatTimer.stop();
  if (FDown != sbNotDown) {
    FDown = sbNotDown;
    update();
  }
}

namespace {

// A small filled arrow centred on c, pointing up or down.
void DrawArrow(QPainter& p, QPointF c, qreal half, bool up, const QColor& color) {
  QPainterPath path;
  const qreal h = half;  // arrow height equals half its base
  if (up) {
    path.moveTo(c.x() - half, c.y() + h / 2);
    path.lineTo(c.x() + half, c.y() + h / 2);
    path.lineTo(c.x(), c.y() - h / 2);
  } else {
    path.moveTo(c.x() - half, c.y() - h / 2);
    path.lineTo(c.x() + half, c.y() - h / 2);
    path.lineTo(c.x(), c.y() + h / 2);
  }
  path.closeSubpath();
  p.fillPath(path, color);
}

}  // namespace

void TExSpinButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  const int h = height();
  const QPalette& pal = palette();
  const QColor face = pal.color(QPalette::Button);
  const QColor light = pal.color(QPalette::Light);
  const QColor shadow = pal.color(QPalette::Dark);
  const QColor dark = pal.color(QPalette::Shadow);

  p.fillRect(rect(), face);

  // The held half is drawn sunken.
  QPolygon upper, lower;
  upper << QPoint(0, 0) << QPoint(w, 0) << QPoint(0, h);
  lower << QPoint(w, 0) << QPoint(w, h) << QPoint(0, h);
  if (FDown == sbTopDown) {
    p.setPen(Qt::NoPen);
    p.setBrush(face.darker(112));
    p.drawPolygon(upper);
  } else if (FDown == sbBottomDown) {
    p.setPen(Qt::NoPen);
    p.setBrush(face.darker(112));
    p.drawPolygon(lower);
  }

  // Raised outer bevel.
  p.setBrush(Qt::NoBrush);
  p.setPen(FDown == sbTopDown ? shadow : light);
  p.drawLine(0, 0, w - 1, 0);
  p.drawLine(0, 0, 0, h - 1);
  p.setPen(FDown == sbBottomDown ? light : dark);
  p.drawLine(0, h - 1, w - 1, h - 1);
  p.drawLine(w - 1, 0, w - 1, h - 1);

  // The dividing diagonal, with a highlight below it.
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(shadow, 1));
  p.drawLine(QPointF(0.5, h - 0.5), QPointF(w - 0.5, 0.5));
  p.setPen(QPen(light, 1));
  p.drawLine(QPointF(1.5, h - 0.5), QPointF(w - 0.5, 1.5));

  const QColor ink = isEnabled() ? pal.color(QPalette::ButtonText)
                                 : pal.color(QPalette::Disabled, QPalette::ButtonText);
  const qreal half = qMax(2.0, qMin(w, h) / 4.5);
  const qreal shiftUp = FDown == sbTopDown ? 1 : 0;
  const qreal shiftDown = FDown == sbBottomDown ? 1 : 0;
  DrawArrow(p, QPointF(w * 0.33 + shiftUp, h * 0.30 + shiftUp), half, true, ink);
  DrawArrow(p, QPointF(w * 0.67 + shiftDown, h * 0.72 + shiftDown), half, false, ink);
}

// ---------------------------------------------------------------------------------------
// TExSpinEdit

namespace {

std::function<void()>& BeeperSlot() {
  static std::function<void()> beeper;
  return beeper;
}

}  // namespace

void TExSpinEdit::SetBeeper(std::function<void()> beeper) { BeeperSlot() = std::move(beeper); }

void TExSpinEdit::Beep() {
  if (BeeperSlot())
    BeeperSlot()();
  else
    QApplication::beep();
}

namespace {

// Refuses a changed text with characters the value type does not take, whichever way
// it came in (paste by key, menu or middle button, drop, input method).
class TSpinTextValidator : public QValidator {
public:
  explicit TSpinTextValidator(TExSpinEdit* edit) : QValidator(edit), FEdit(edit) {}
  State validate(QString& input, int&) const override {
    return FEdit->IsValidText(input) ? Acceptable : Invalid;
  }

private:
  TExSpinEdit* FEdit;
};

}  // namespace

TExSpinEdit::TExSpinEdit(QWidget* parent) : QLineEdit(parent), FButton(new TExSpinButton(this)) {
  setValidator(new TSpinTextValidator(this));
  FButton->SetFocusControl(this);
  FButton->OnTopClick = [this] { StepUp(); };
  FButton->OnBottomClick = [this] { StepDown(); };
  setText(QStringLiteral("0"));
  PlaceButton();
}

std::optional<qint32> TExSpinEdit::StrToInt(const QString& text) {
  int value = 0;
  if (!TryStrToInt(text, value)) return std::nullopt;
  return value;
}

QString TExSpinEdit::FormatValue(double value, TValueType type, int decimals) {
  switch (type) {
    case vtInteger: {
      double r = std::rint(value);  // the default rounding mode: halves to even
      if (r == 0) r = 0;            // no "-0"
      return QString::number(r, 'f', 0);
    }
    case vtHex: {
      const double r = std::rint(value);
      constexpr double lo = -9223372036854775808.0;
      const qint64 n = r <= lo ? std::numeric_limits<qint64>::min()
                       : r >= -lo ? std::numeric_limits<qint64>::max()
                                  : static_cast<qint64>(r);
      // Negative numbers show as their 32-bit pattern, which reads back the same.
      if (n < 0 && n >= std::numeric_limits<qint32>::min())
        return QString::number(static_cast<quint32>(static_cast<qint32>(n)), 16).toUpper();
      return QString::number(static_cast<quint64>(n), 16).toUpper();
    }
    case vtFloat:
      break;
  }
  // Fixed point with `decimals` decimals on 15 significant digits.
  const double v = QString::number(value, 'g', 15).toDouble();
  if (std::fabs(v) >= 1e15) return QString::number(v, 'E', 14);
  QString s = QString::number(v, 'f', decimals);
  if (s.startsWith(QLatin1Char('-')) && s.mid(1).toDouble() == 0) s.remove(0, 1);
  return s;
}

std::optional<double> TExSpinEdit::Value() const {
  switch (FValueType) {
    case vtInteger:
      if (auto n = StrToInt(text())) return static_cast<double>(*n);
      return std::nullopt;
    case vtHex:
      if (auto n = StrToInt(QLatin1Char('$') + text())) return static_cast<double>(*n);
      return std::nullopt;
    case vtFloat: {
      bool ok = false;
      const double v = text().toDouble(&ok);
      if (!ok || !std::isfinite(v)) return std::nullopt;
      return v;
    }
  }
  return std::nullopt;
}

std::optional<qint64> TExSpinEdit::AsInteger() const {
  const auto v = Value();
  if (!v) return std::nullopt;
  const double t = std::trunc(*v);
  if (t < -9.2e18 || t > 9.2e18) return std::nullopt;
  return static_cast<qint64>(t);
}

void TExSpinEdit::SetValue(double value) {
  if (!std::isfinite(value)) return;
  if (FMinValue < FMaxValue) value = std::clamp(value, FMinValue, FMaxValue);
  const QString s = FormatValue(value, FValueType, FDecimal);
  if (s != text()) setText(s);
}

void TExSpinEdit::SetValueType(TValueType type) {
  if (type == FValueType) return;
  const auto current = Value();
  FValueType = type;
  if (type != vtFloat) {
    FIncrement = std::rint(FIncrement);
    if (FIncrement == 0) FIncrement = 1;
  }
  if (current) SetValue(*current);
}

void TExSpinEdit::Step(double delta, bool up) {
  if (isReadOnly() && !FInputLocked) {
    Beep();
    return;
  }
  const auto v = Value();
  if (!v) {
    // Nothing to step from: refuse as for a bad key instead of guessing a number.
    Beep();
    return;
  }
  const QString before = text();
  SetValue(*v + delta);
  if (text() != before) setModified(true);
  if (up) {
    if (OnTopClick) OnTopClick(this);
  } else {
    if (OnBottomClick) OnBottomClick(this);
  }
}

void TExSpinEdit::StepUp() { Step(FIncrement, true); }
void TExSpinEdit::StepDown() { Step(-FIncrement, false); }

bool TExSpinEdit::IsValidChar(QChar ch) const {
  const ushort u = ch.unicode();
  if (u < 0x20 || u == 0x7F) return FEditorEnabled || u != 0x08;
  if (!FEditorEnabled) return false;
  if (ch == QLatin1Char('+') || ch == QLatin1Char('-') || (u >= '0' && u <= '9')) return true;
  if (FValueType == vtFloat) {
    if (ch == QLatin1Char('.') && !text().contains(QLatin1Char('.'))) return true;
    if ((ch == QLatin1Char('e') || ch == QLatin1Char('E')) &&
        !text().contains(QLatin1Char('E'), Qt::CaseInsensitive))
      return true;
  }
  if (FValueType == vtHex && ((u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F'))) return true;
  return false;
}

bool TExSpinEdit::IsValidText(const QString& text) const {
  int points = 0, exponents = 0;
  for (const QChar ch : text) {
    const ushort u = ch.unicode();
    if (ch == QLatin1Char('+') || ch == QLatin1Char('-') || (u >= '0' && u <= '9')) continue;
    if (FValueType == vtFloat && ch == QLatin1Char('.') && ++points == 1) continue;
    if (FValueType == vtFloat && (u == 'e' || u == 'E') && ++exponents == 1) continue;
    if (FValueType == vtHex && ((u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F'))) continue;
    return false;
  }
  return true;
}

bool TExSpinEdit::event(QEvent* event) {
  // With the editor off the line edit handles input as if read-only: selecting and
  // copying still work, but no key (an X server sends Ctrl+X and Ctrl+V as control
  // characters), menu command, middle-button paste or drop changes the text.
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::MouseButtonRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
      if (!FEditorEnabled && !isReadOnly()) {
        FInputLocked = true;
        setReadOnly(true);
        const bool done = QLineEdit::event(event);
        setReadOnly(false);
        FInputLocked = false;
        return done;
      }
      break;
    default:
      break;
  }
  return QLineEdit::event(event);
}

void TExSpinEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (FArrowKeys && (key == Qt::Key_Up || key == Qt::Key_Down) &&
      !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
    if (key == Qt::Key_Up)
      StepUp();
    else
      StepDown();
    event->accept();
    return;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    // Left to the dialog, so its default and cancel buttons act.
    event->ignore();
    return;
  }
  if (!FEditorEnabled && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
    Beep();
    event->accept();
    return;
  }
  const QString typed = event->text();
  for (const QChar ch : typed) {
    if (!IsValidChar(ch)) {
      Beep();
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TExSpinEdit::PlaceButton() {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  const int h = qMax(1, height() - 2 * frame);
  const int w = qMax(12, h * 3 / 4);
  const int x = isRightToLeft() ? frame : width() - frame - w;
  FButton->setGeometry(x, frame, w, h);
  // Text never runs under the button.
  if (isRightToLeft())
    setTextMargins(w, 0, 0, 0);
  else
    setTextMargins(0, 0, w, 0);
}

void TExSpinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PlaceButton();
}

void TExSpinEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::StyleChange)
    PlaceButton();
}
