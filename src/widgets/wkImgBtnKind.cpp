// The image button's glyph, its stock kinds, and its part in a dialog: the modal result
// it hands the dialog, Enter for the default button, Escape for the cancel button, and
// the caption's accelerator.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "art/StockGlyphs.h"
#include "platform/Help.h"
#include "widgets/wkImgBtn.h"

namespace {

QString StockCaption(TBitBtnKind kind) {
  switch (kind) {
    case bkOK: return QStringLiteral("OK");
    case bkCancel: return QStringLiteral("Cancel");
    case bkHelp: return QStringLiteral("&Help");
    case bkYes: return QStringLiteral("&Yes");
    case bkNo: return QStringLiteral("&No");
    case bkClose: return QStringLiteral("&Close");
    case bkAbort: return QStringLiteral("Abort");
    case bkRetry: return QStringLiteral("&Retry");
    case bkIgnore: return QStringLiteral("&Ignore");
    case bkAll: return QStringLiteral("&All");
    case bkCustom: break;
  }
  return QString();
}

TModalResult StockResult(TBitBtnKind kind) {
  switch (kind) {
    case bkOK: return TwkImageBtn::mrOk;
    case bkCancel: return TwkImageBtn::mrCancel;
    case bkYes: return TwkImageBtn::mrYes;
    case bkNo: return TwkImageBtn::mrNo;
    case bkAbort: return TwkImageBtn::mrAbort;
    case bkRetry: return TwkImageBtn::mrRetry;
    case bkIgnore: return TwkImageBtn::mrIgnore;
    case bkAll: return TwkImageBtn::mrAll;
    case bkCustom:
    case bkHelp:
    case bkClose: break;
  }
  return TwkImageBtn::mrNone;
}

TStockGlyph StockGlyphOf(TBitBtnKind kind) {
  switch (kind) {
    case bkCancel: return TStockGlyph::Cancel;
    case bkHelp: return TStockGlyph::Help;
    case bkYes: return TStockGlyph::Yes;
    case bkNo: return TStockGlyph::No;
    case bkClose: return TStockGlyph::Close;
    case bkAbort: return TStockGlyph::Abort;
    case bkRetry: return TStockGlyph::Retry;
    case bkIgnore: return TStockGlyph::Ignore;
    case bkAll: return TStockGlyph::All;
    case bkOK:
    case bkCustom: break;
  }
  return TStockGlyph::OK;
}

bool StockDefault(TBitBtnKind kind) { return kind == bkOK || kind == bkYes; }
bool StockCancel(TBitBtnKind kind) { return kind == bkCancel || kind == bkNo; }

}  // namespace

// ---- glyph ----

void TwkImageBtn::SetGlyph(const QImage& glyph) {
  FGlyph = glyph;
  FModifiedGlyph = true;
  update();
}

void TwkImageBtn::SetNumGlyphs(int count) {
  count = std::clamp(count, 0, 4);
  if (count == FNumGlyphs) return;
  FNumGlyphs = count;
  update();
}

void TwkImageBtn::SetLayout(TButtonLayout layout) {
  if (layout == FLayout) return;
  FLayout = layout;
  update();
}

void TwkImageBtn::SetStyle(TButtonStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  if (Kind() != bkCustom) LoadStockGlyph();
  update();
}

void TwkImageBtn::LoadStockGlyph() {
  FGlyph = StockGlyphImage(StockGlyphOf(FKind), FStyle == bsWin31);
  FNumGlyphs = 2;
  FModifiedGlyph = false;
}

QImage TwkImageBtn::GlyphFor(int state) const {
  if (FGlyph.isNull()) return QImage();
  const int count = FNumGlyphs <= 0 ? 1 : FNumGlyphs;
  const int w = FGlyph.width() / count, h = FGlyph.height();
  if (w <= 0 || h <= 0) return QImage();
  if (state >= 0 && state < count) return FGlyph.copy(state * w, 0, w, h);
  const QImage up = FGlyph.copy(0, 0, w, h);
  if (state != 1) return up;
  const QRgb key = up.pixel(0, h - 1);
  return DrawDisabledBitmap(up, RGBColor(qRed(key), qGreen(key), qBlue(key)));
}

// ---- kind and modal result ----

TBitBtnKind TwkImageBtn::Kind() const {
  if (FKind != bkCustom &&
      (FDefault != StockDefault(FKind) || FCancel != StockCancel(FKind) ||
       FModalResult != StockResult(FKind) || FModifiedGlyph))
    FKind = bkCustom;
  return FKind;
}

void TwkImageBtn::SetKind(TBitBtnKind kind) {
  if (kind == Kind()) return;
  FKind = kind;
  if (kind != bkCustom) {
    SetDefault(StockDefault(kind));
    SetCancel(StockCancel(kind));
    SetCaption(StockCaption(kind));
    FModalResult = StockResult(kind);
    LoadStockGlyph();
  }
  update();
}

void TwkImageBtn::SetModalResult(TModalResult result) { FModalResult = result; }

void TwkImageBtn::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  // Whether Enter clicks this button now depends on where the focus is.
  QWidget* focus = window()->focusWidget();
  if (focus)
    FocusChanged(focus);
  else
    FActive = FDefault;
  update();
}

void TwkImageBtn::SetCancel(bool value) { FCancel = value; }

void TwkImageBtn::Click() {
  QPointer<TwkImageBtn> self(this);
  FInClick = true;
  const TBitBtnKind kind = Kind();
  bool done = false;
  bool formStep = true;
  if (kind == bkHelp) {
    // The nearest parent that names a help topic (dynamic property "HelpContext").
    for (QWidget* w = parentWidget(); w && !done; w = w->parentWidget()) {
      const int topic = w->property("HelpContext").toInt();
      if (topic != 0) {
        Help::HtmlHelp(Help::DefaultHelpFile(), topic);
        done = true;
      }
    }
    formStep = false;
  } else if (kind == bkClose && window() != this) {
    window()->close();
    done = true;
  }
  if (!done) {
    // The result is set before the handler runs and the dialog ends only after it, so a
    // handler can set the result back to none and keep the dialog open.
    QPointer<QDialog> dialog = formStep ? qobject_cast<QDialog*>(window()) : nullptr;
    if (dialog) dialog->setResult(FModalResult);
    if (OnClick) OnClick();
    if (dialog && dialog->isVisible() && dialog->result() != mrNone) dialog->done(dialog->result());
  }
  if (!self) return;  // the click closed the window that owned the button
  FInClick = false;
  update();
}

// ---- dialog keys ----

bool TwkImageBtn::CanTakeFocus() const {
  return isVisible() && isEnabled() && window()->isEnabled();
}

void TwkImageBtn::WatchWindow() {
  QWidget* w = window() == this ? nullptr : window();
  if (w == FWatchedWindow) return;
  if (FWatchedWindow) FWatchedWindow->removeEventFilter(this);
  FWatchedWindow = w;
  if (w) w->installEventFilter(this);
}

void TwkImageBtn::FocusChanged(QWidget* now) {
  if (!now || now->window() != window()) return;
  bool active;
  if (now == this)
    active = true;
  else if (dynamic_cast<TwkImageBtn*>(now))
    active = false;  // another button of this kind takes Enter itself
  else
    active = FDefault;
  if (active == FActive) return;
  FActive = active;
  update();
}

bool TwkImageBtn::DialogKey(QKeyEvent* event) {
  if (!CanTakeFocus()) return false;
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    const bool mine = key == Qt::Key_Escape ? FCancel : FActive;
    if (mods || !mine) return false;
    Click();
    return true;
  }
  // The caption's accelerator, alone or with Alt.
  const QChar accel = AcceleratorChar(FCaption);
  if (accel.isNull() || (mods & Qt::ControlModifier) || key <= 0 || key > 0xFFFF) return false;
  if (QChar(key).toUpper() != accel.toUpper()) return false;
  AcceleratorClick();
  return true;
}

void TwkImageBtn::AcceleratorClick() {
  if (!CanTakeFocus()) return;
  QPointer<TwkImageBtn> self(this);
  if (FGroupIndex != 0) SetDownState(FAllowAllUp ? !FDown : true, false, true);
  Click();
  if (self) update();
}

// Alt with the caption's accelerator clicks the button whatever has the focus, as Qt's
// own buttons do: taken as a shortcut, it is the button's before a focused edit can type
// the letter. The letter alone still reaches the button only when the focused control
// leaves it (DialogKey).
void TwkImageBtn::GrabAccelerator() { FAcceleratorId = RegrabAccelerator(this, FAcceleratorId, FCaption); }

bool TwkImageBtn::eventFilter(QObject* watched, QEvent* event) {
  // Keys the focused control left alone reach the window: the dialog keys.
  if (watched == FWatchedWindow && event->type() == QEvent::KeyPress &&
      DialogKey(static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
