#include "widgets/wkStatusBar.h"

#include "platform/Metrics.h"

#include <QEvent>
#include <QFontInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QToolTip>

#include <algorithm>

namespace {
// The part frame: two pixels above the parts, two between neighbouring parts.
constexpr int VerticalBorder = 2;
constexpr int HorizontalGap = 2;
// What the last panel gives up to the size grip: min(23, scroll-bar width + 1).
constexpr int GripNarrowing = std::min(23, 17 + 1);

std::vector<TwkCustomStatusBar*>& BarList() {
  static std::vector<TwkCustomStatusBar*> bars;
  return bars;
}

QFont DefaultBarFont() {
  return Metrics::ArialFont(11);
}

// A plain decimal count, or that count followed by "%"; negative counts are refused.
bool ParseWidth(const QString& text, int& value, bool& percent) {
  QString digits = text;
  percent = digits.endsWith(QLatin1Char('%'));
  if (percent) digits.chop(1);
  if (digits.startsWith(QLatin1Char('+'))) digits.remove(0, 1);
  if (digits.isEmpty()) return false;
  for (QChar c : digits)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  bool ok = false;
  value = digits.toInt(&ok);
  return ok;
}

void DrawEdge(QPainter& p, const QRect& r, TColor topLeft, TColor bottomRight) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p.setPen(ToQColorResolved(topLeft));
  p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  p.setPen(ToQColorResolved(bottomRight));
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}
}  // namespace

const char* const TwkCustomStatusBar::WidthMessage =
    "Width must be a valid, positive integer, or must be an integer followed by a \"%\" sign.";

// ---- TwkStatusPanel ----

TwkStatusPanel::TwkStatusPanel(TwkStatusPanels* panels) : TwkCollectionItem(panels) {
  // "Panel" and the smallest number no panel of the bar uses.
  for (int n = 0;; ++n) {
    const QString name = QStringLiteral("Panel%1").arg(n);
    bool used = false;
    for (int i = 0; i < panels->Count() && !used; ++i)
      used = panels->Items(i)->Name().compare(name, Qt::CaseInsensitive) == 0;
    if (!used) {
      FName = name;
      break;
    }
  }
  FFont = panels->StatusBar()->font();
  FTextOptions = std::make_unique<TwkCaptionText>([this] { FlagChanged(); }, TwkText::TNotify(),
                                                  [this] { return FDrawEnabled; });
  FTextOptions->SetVAlignment(vaVCenter);
}

TwkStatusPanel::~TwkStatusPanel() = default;

TwkCustomStatusBar* TwkStatusPanel::StatusBar() const {
  auto* panels = static_cast<TwkStatusPanels*>(Collection());
  return panels ? panels->StatusBar() : nullptr;
}

#define WK_SET(field, value) \
  if (field == value) return; \
  field = value;              \
  FlagChanged()

void TwkStatusPanel::SetBevel(TwkStatusPanelBevel v) { WK_SET(FBevel, v); }
void TwkStatusPanel::SetColor(TColor v) { WK_SET(FColor, v); }
void TwkStatusPanel::SetImageIndex(int v) { WK_SET(FImageIndex, v); }
void TwkStatusPanel::SetIndent(int v) { WK_SET(FIndent, v); }
void TwkStatusPanel::SetMargin(int v) { WK_SET(FMargin, v); }
void TwkStatusPanel::SetFontColor(TColor v) { WK_SET(FFontColor, v); }

#undef WK_SET

void TwkStatusPanel::SetEnabled(bool v) {
  if (FEnabled == v) return;
  FEnabled = v;
  if (FStyle == psControl && FComponent) FComponent->setEnabled(v);
  FlagChanged();
}

void TwkStatusPanel::SetFont(const QFont& font) {
  FFont = font;
  if (FStyle == psControl && FComponent) FComponent->setFont(font);
  FlagChanged();
}

void TwkStatusPanel::SetHint(const QString& v) {
  if (FHint == v) return;
  FHint = v;
  if (FStyle == psControl && FComponent) FComponent->setToolTip(v);
  FlagChanged();
}

void TwkStatusPanel::SetName(const QString& v) {
  if (FName == v) return;
  if (auto* panels = static_cast<TwkStatusPanels*>(Collection())) {
    for (int i = 0; i < panels->Count(); ++i) {
      TwkStatusPanel* other = panels->Items(i);
      if (other != this && other->FName.compare(v, Qt::CaseInsensitive) == 0)
        throw EInvalidOperation(QStringLiteral("A panel named %1 already exists.").arg(v));
    }
    FName = v;
    panels->NotifyNameChanged(this);
  } else {
    FName = v;
  }
}

void TwkStatusPanel::SetPopupMenu(QMenu* menu) {
  if (FPopupMenu == menu) return;
  FPopupMenu = menu;
  FlagChanged();
}

void TwkStatusPanel::ReleaseControl(bool restoreParent) {
  QWidget* control = FComponent;
  FComponent = nullptr;
  if (!control || !restoreParent) return;
  TwkCustomStatusBar* bar = StatusBar();
  if (bar && control->parentWidget() == bar) {
    // Back to the window that holds the bar, where it was before the bar took it.
    QWidget* form = bar->window();
    if (form != bar) {
      const bool shown = !control->isHidden();
      const QPoint at = control->mapTo(form, QPoint(0, 0));
      control->setParent(form);
      control->move(at);
      if (shown) control->show();
    }
  }
}

void TwkStatusPanel::SetComponent(QWidget* control) {
  if (!control && !FComponent) return;
  TwkCustomStatusBar* bar = StatusBar();
  if (control && control == bar)
    throw EInvalidOperation(QStringLiteral("Control cannot equal parent StatusBar"));
  if (FComponent && FComponent != control) ReleaseControl(true);
  FComponent = control;
  FStyle = control ? psControl : psTextOnly;
  if (FStyle == psControl) {
    // A control is hosted by one panel of one bar at a time.
    for (TwkCustomStatusBar* other : TwkCustomStatusBar::StatusBars()) {
      TwkStatusPanels& panels = other->Panels();
      for (int i = 0; i < panels.Count(); ++i) {
        TwkStatusPanel* p = panels.Items(i);
        if (p != this && p->FComponent == control) {
          p->FComponent = nullptr;
          p->FStyle = psTextOnly;
          p->FlagChanged();
        }
      }
    }
  }
  FlagChanged();
}

void TwkStatusPanel::SetStyle(TwkStatusPanelStyle v) {
  if (FStyle == v) return;
  FStyle = v;
  if (v == psControl && FComponent) {
    QWidget* control = FComponent;
    for (TwkCustomStatusBar* other : TwkCustomStatusBar::StatusBars()) {
      TwkStatusPanels& panels = other->Panels();
      for (int i = 0; i < panels.Count(); ++i) {
        TwkStatusPanel* p = panels.Items(i);
        if (p != this && p->FComponent == control) {
          p->FComponent = nullptr;
          p->FStyle = psTextOnly;
          p->FlagChanged();
        }
      }
    }
  }
  FlagChanged();
}

void TwkStatusPanel::SetText(const QString& v) {
  if (FText == v) return;
  FText = v;
  if (OnTextChanged) OnTextChanged(this, v);
  if (TwkCustomStatusBar* bar = StatusBar()) bar->RepaintPanel(Index());
}

void TwkStatusPanel::SetWidth(const QString& v) {
  int value = 0;
  bool percent = false;
  if (!ParseWidth(v, value, percent))
    throw EInvalidOperation(QString::fromLatin1(TwkCustomStatusBar::WidthMessage));
  FWidth = v;
  FPixelWidth = percent ? 0 : value;
  Changed(true);  // the bar works the widths out again and re-lays every part
}

// ---- TwkStatusPanels ----

TwkStatusPanel* TwkStatusPanels::Add() {
  return static_cast<TwkStatusPanel*>(AddItem(std::make_unique<TwkStatusPanel>(this)));
}

void TwkStatusPanels::Update(TwkCollectionItem* item) {
  if (!item) {
    FBar->ResizePanels();
    return;
  }
  FBar->UpdatePanel(item->Index(), true);
}

// ---- TwkCustomStatusBar ----

const std::vector<TwkCustomStatusBar*>& TwkCustomStatusBar::StatusBars() { return BarList(); }

TwkCustomStatusBar::TwkCustomStatusBar(QWidget* parent) : QWidget(parent) {
  setFont(DefaultBarFont());
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(width(), 20);
  FPanels = std::make_unique<TwkStatusPanels>(this);
  FGrip = new QSizeGrip(this);
  FGrip->hide();
  BarList().push_back(this);
  UpdatePanels();
}

TwkCustomStatusBar::~TwkCustomStatusBar() {
  auto& bars = BarList();
  bars.erase(std::remove(bars.begin(), bars.end(), this), bars.end());
  FPanels.reset();
}

void TwkCustomStatusBar::SetSimplePanel(bool v) {
  if (FSimplePanel == v) return;
  FSimplePanel = v;
  update();
}

void TwkCustomStatusBar::SetSimpleText(const QString& v) {
  if (FSimpleText == v) return;
  FSimpleText = v;
  if (FSimplePanel) update();
}

void TwkCustomStatusBar::SetSizeGrip(bool v) {
  if (FSizeGrip == v) return;
  FSizeGrip = v;
  UpdatePanels();
}

void TwkCustomStatusBar::SetDisableThemes(bool v) {
  if (FDisableThemes == v) return;
  FDisableThemes = v;
  update();
}

bool TwkCustomStatusBar::SizeGripInEffect() const {
  if (!FSizeGrip || !parentWidget()) return false;
  const QWidget* form = window();
  if (form == this) return false;
  if (form->windowFlags() & Qt::MSWindowsFixedSizeDialogHint) return false;
  return form->minimumSize() != form->maximumSize();
}

void TwkCustomStatusBar::ResizePanels() {
  if (Loading() || width() == 0) return;
  const int barWidth = width();
  int used = 0;
  const int count = FPanels->Count();
  std::vector<int> percents(count, -1);
  for (int i = 0; i < count; ++i) {
    TwkStatusPanel* p = FPanels->Items(i);
    int value = 0;
    bool percent = false;
    int w = -1;
    if (ParseWidth(p->FWidth, value, percent)) {
      if (percent) percents[i] = value;
      else w = value;
    }
    p->FPixelWidth = std::min(barWidth - used, w);
    if (p->FPixelWidth != -1) used += p->FPixelWidth;
  }
  // Every percentage is taken of what the fixed widths leave.
  for (int i = 0; i < count; ++i) {
    TwkStatusPanel* p = FPanels->Items(i);
    if (p->FPixelWidth == -1 && barWidth - used > 0 && percents[i] >= 0)
      p->FPixelWidth = percents[i] * (barWidth - used) / 100;
  }
  FResizing = true;
  UpdatePanels();
  FResizing = false;
  FLastSize = size();
}

void TwkCustomStatusBar::UpdatePanels() {
  const int n = std::min(FPanels->Count(), MaxPanels);
  FEdges.clear();
  int edge = 0;
  for (int i = 0; i < n - 1; ++i) {
    // an unresolved percentage (no room left) counts as nothing
    edge += std::max(FPanels->Items(i)->FPixelWidth, 0);
    FEdges.push_back(edge);
  }
  FEdges.push_back(-1);
  PlaceSizeGrip();
  for (int i = 0; i < n; ++i) UpdatePanel(i, false);
  update();
}

void TwkCustomStatusBar::UpdatePanel(int index, bool invalidate) {
  if (index < 0 || index >= std::min(FPanels->Count(), MaxPanels)) return;
  if (index >= int(FEdges.size())) return;  // not laid out yet
  PlaceControl(index);
  if (invalidate) update(PartRect(index));
}

QRect TwkCustomStatusBar::PartRect(int index) const {
  if (index < 0 || index >= int(FEdges.size())) return QRect();
  const int left = index == 0 ? 0 : FEdges[index - 1] + HorizontalGap;
  const int right = FEdges[index] == -1 ? width() : FEdges[index];
  return QRect(left, VerticalBorder, right - left, height() - VerticalBorder);
}

QRect TwkCustomStatusBar::PanelRect(int index) const {
  QRect r = PartRect(index);
  if (r.isNull()) return r;
  TwkStatusPanel* p = FPanels->Items(index);
  if (p && p->Bevel() != pbNone) r.adjust(1, 1, -1, -1);
  if (index == int(FEdges.size()) - 1 && SizeGripInEffect()) r.setRight(r.right() - GripNarrowing);
  return r;
}

TwkStatusPanel* TwkCustomStatusBar::PanelAtPos(int x, int y) const {
  QPoint pt(x, y);
  if (x == -1 && y == -1) pt = mapFromGlobal(CursorPos());
  for (int i = 0; i < int(FEdges.size()); ++i)
    if (PartRect(i).contains(pt)) return FPanels->Items(i);
  return nullptr;
}

void TwkCustomStatusBar::PlaceSizeGrip() {
  const bool grip = SizeGripInEffect();
  if (grip) {
    const int side = std::min(GripNarrowing, height() - VerticalBorder);
    FGrip->setGeometry(width() - side, height() - side, side, side);
    FGrip->raise();
  }
  FGrip->setVisible(grip);
}

void TwkCustomStatusBar::PlaceControl(int index) {
  TwkStatusPanel* p = FPanels->Items(index);
  if (!p || p->FStyle != psControl || !p->FComponent || Loading()) return;
  QWidget* control = p->FComponent;
  if (control->parentWidget() != this) {
    const bool explicitlyHidden = control->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
                                  control->testAttribute(Qt::WA_WState_Hidden);
    control->setParent(this);
    if (!explicitlyHidden) control->show();
  }
  QRect r = PanelRect(index);
  if (!p->FText.isEmpty()) {
    // A text beside the control pushes it aside, two pixels apart.
    TwkCaptionText& t = *p->FTextOptions;
    t.SetText(p->FText);
    t.SetFont(p->FFont, p->FFontColor);
    t.SetBounds(r.adjusted(2 + p->FIndent, 0, -2, 0));
    const QRect tr = t.TextRect();
    if (t.Alignment() == taLeftJustify) r.setLeft(tr.x() + tr.width() + 2);
    else if (t.Alignment() == taRightJustify) r.setRight(tr.x() - 2 - 1);
  }
  r.adjust(p->FMargin, p->FMargin, -p->FMargin, -p->FMargin);
  if (r.width() > 0 && r.height() > 0) control->setGeometry(r);
  if (!ThemesActive(this)) InvalidateTree(control);
}

void TwkCustomStatusBar::RepaintPanel(int index) {
  if (Loading() || index < 0 || index >= int(FEdges.size())) return;
  QRect r = PartRect(index);
  if (index == int(FEdges.size()) - 1 && SizeGripInEffect()) r.setRight(r.right() - GripNarrowing);
  if (r.width() <= 0 || r.height() <= 0) return;
  if (isVisible()) repaint(r);
  else update(r);
}

QFont TwkCustomStatusBar::FittedFont(TwkStatusPanel* p, const QString& text, const QRect& rect) const {
  TwkCaptionText& t = *p->FTextOptions;
  if (text.isEmpty() || t.WordWrap() || t.Rotation() % 360 != 0) return p->FFont;
  const int room = rect.width() - 4 - p->FIndent;
  const int own = p->FFont.pixelSize() > 0 ? p->FFont.pixelSize() : QFontInfo(p->FFont).pixelSize();
  QFont font = p->FFont;
  t.SetText(text);
  for (int size = own; size >= MinTextHeight; --size) {
    font.setPixelSize(size);
    t.SetFont(font, p->FFontColor);
    if (t.Measure(true).width() <= room) return font;
  }
  if (own < MinTextHeight) return p->FFont;
  return font;  // at the smallest size, clipped as before
}

QFont TwkCustomStatusBar::TextFont(int index) const {
  if (index < 0 || index >= FPanels->Count()) return QFont();
  TwkStatusPanel* p = FPanels->Items(index);
  if (p->FStyle == psControl) return p->FFont;
  return FittedFont(p, p->FText, PanelRect(index));
}

void TwkCustomStatusBar::DrawPanelText(QPainter& painter, TwkStatusPanel* p, const QRect& rect) {
  if (p->FInDrawText) return;
  p->FInDrawText = true;
  QString text = p->FText;
  bool enabled = p->FEnabled;
  if (p->OnDrawText) p->OnDrawText(p, text, enabled);
  p->FDrawEnabled = enabled;
  TwkCaptionText& t = *p->FTextOptions;
  t.SetText(text);
  t.SetFont(p->FStyle == psControl ? p->FFont : FittedFont(p, text, rect), p->FFontColor);
  t.SetBounds(rect.adjusted(2 + p->FIndent, 0, -2, 0));
  t.Draw(painter);
  p->FInDrawText = false;
  if (text != p->FText && p->OnTextChanged) p->OnTextChanged(p, text);
}

void TwkCustomStatusBar::DrawPanel(QPainter& painter, int index) {
  TwkStatusPanel* p = FPanels->Items(index);
  const QRect rect = PanelRect(index);
  painter.save();
  painter.setClipRect(PartRect(index));
  if (p->FStyle != psControl) {
    painter.fillRect(rect, ToQColorResolved(p->FColor));
    DrawPanelText(painter, p, rect);
  } else if (!p->FText.isEmpty()) {
    DrawPanelText(painter, p, rect);
  }
  painter.restore();
  if (OnDrawPanel) OnDrawPanel(this, p, rect);
}

void TwkCustomStatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.fillRect(rect(), ToQColorResolved(clBtnFace));
  const bool themed = ThemesActive(this);
  auto frame = [&](const QRect& r, TwkStatusPanelBevel bevel) {
    if (themed) {
      // flat panes, a separator at the right of each
      painter.setPen(ToQColorResolved(clBtnShadow));
      painter.drawLine(r.right(), r.top() + 1, r.right(), r.bottom() - 2);
    } else if (bevel == pbLowered) {
      DrawEdge(painter, r, clBtnShadow, clBtnHighlight);
    } else if (bevel == pbRaised) {
      DrawEdge(painter, r, clBtnHighlight, clBtnShadow);
    }
  };
  if (FSimplePanel) {
    const QRect r(0, VerticalBorder, width(), height() - VerticalBorder);
    frame(r, pbLowered);
    painter.setPen(ToQColorResolved(clBtnText));
    painter.drawText(r.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignVCenter, FSimpleText);
    return;
  }
  if (FPanels->Count() == 0) {
    frame(QRect(0, VerticalBorder, width(), height() - VerticalBorder), pbLowered);
    return;
  }
  for (int i = 0; i < int(FEdges.size()); ++i) {
    frame(PartRect(i), FPanels->Items(i)->Bevel());
    DrawPanel(painter, i);
  }
}

void TwkCustomStatusBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (parentWidget() && !Loading()) ResizePanels();
  else PlaceSizeGrip();
}

void TwkCustomStatusBar::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TwkStatusPanel* p = PanelAtPos(pos.x(), pos.y());
  if (p && p->OnMouseDown) p->OnMouseDown(p, event->button(), event->modifiers(), pos.x(), pos.y());
  if (event->button() == Qt::LeftButton) FPressed = true;
  if (event->button() == Qt::RightButton && p && p->PopupMenu())
    p->PopupMenu()->popup(event->globalPosition().toPoint());
  QWidget::mousePressEvent(event);
}

void TwkCustomStatusBar::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TwkStatusPanel* p = PanelAtPos(pos.x(), pos.y());
  if (p && p->OnMouseUp) p->OnMouseUp(p, event->button(), event->modifiers(), pos.x(), pos.y());
  if (event->button() == Qt::LeftButton && FPressed) {
    FPressed = false;
    if (rect().contains(pos)) {
      if (p && p->OnClick) p->OnClick(p);
      if (OnClick) OnClick();
    }
  }
  QWidget::mouseReleaseEvent(event);
}

void TwkCustomStatusBar::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TwkStatusPanel* p = PanelAtPos(pos.x(), pos.y());
  if (event->button() == Qt::LeftButton) {
    if (p && p->OnDblClick) p->OnDblClick(p);
    if (OnDblClick) OnDblClick();
  }
  QWidget::mouseDoubleClickEvent(event);
}

void TwkCustomStatusBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TwkStatusPanel* p = PanelAtPos(pos.x(), pos.y());
  if (p && p->OnMouseMove) p->OnMouseMove(p, event->modifiers(), pos.x(), pos.y());
  // The bar's hint follows the panel under the mouse.
  if (p && toolTip() != p->Hint()) {
    QToolTip::hideText();
    setToolTip(p->Hint());
  }
  QWidget::mouseMoveEvent(event);
}

bool TwkCustomStatusBar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && !FShowHint) {
    event->ignore();
    return true;
  }
  return QWidget::event(event);
}
