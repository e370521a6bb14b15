#include "widgets/wkText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <cmath>

namespace {
// Rounds (value - 0.4999) to the nearest integer: the drawer's way of flooring.
int FloorOf(double value) { return static_cast<int>(std::lround(value - 0.4999)); }

int Sign(int v) { return (v > 0) - (v < 0); }

QStringList SplitLines(const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return t.split(QLatin1Char('\n'));
}
}  // namespace

QPoint OrientationStep(TwkOrientation orientation) {
  switch (orientation) {
    case wkTopLeft: return {1, 1};
    case wkTopRight: return {-1, 1};
    case wkBottomLeft: return {1, -1};
    case wkBottomRight: return {-1, -1};
    case wkTop: return {0, 1};
    case wkRight: return {-1, 0};
    case wkLeft: return {1, 0};
    case wkBottom: return {0, -1};
  }
  return {0, 0};
}

// ---- Effect settings ----

#define WK_SET(field, value, sizeChanges) \
  if (field == value) return;             \
  field = value;                          \
  FOwner->EffectChanged(sizeChanges)

void TwkShadowEffects::SetEnabled(bool v) { WK_SET(FEnabled, v, true); }
void TwkShadowEffects::SetColor(TColor v) { WK_SET(FColor, v, false); }
void TwkShadowEffects::SetXOffset(int v) { WK_SET(FXOffset, v, true); }
void TwkShadowEffects::SetYOffset(int v) { WK_SET(FYOffset, v, true); }
void TwkShadowEffects::Assign(const TwkShadowEffects& o) {
  FEnabled = o.FEnabled;
  FColor = o.FColor;
  FXOffset = o.FXOffset;
  FYOffset = o.FYOffset;
  FOwner->EffectChanged(true);
}

void TwkExtrudeEffects::SetEnabled(bool v) { WK_SET(FEnabled, v, true); }
void TwkExtrudeEffects::SetDepth(int v) { WK_SET(FDepth, v, true); }
void TwkExtrudeEffects::SetNearColor(TColor v) { WK_SET(FNearColor, v, false); }
void TwkExtrudeEffects::SetFarColor(TColor v) { WK_SET(FFarColor, v, false); }
void TwkExtrudeEffects::SetOrientation(TwkOrientation v) { WK_SET(FOrientation, v, true); }
void TwkExtrudeEffects::SetStriated(bool v) { WK_SET(FStriated, v, false); }
void TwkExtrudeEffects::Assign(const TwkExtrudeEffects& o) {
  FEnabled = o.FEnabled;
  FDepth = o.FDepth;
  FNearColor = o.FNearColor;
  FFarColor = o.FFarColor;
  FOrientation = o.FOrientation;
  FStriated = o.FStriated;
  FOwner->EffectChanged(true);
}

void TwkDisabledColors::SetHighlightColor(TColor v) { WK_SET(FHighlightColor, v, false); }
void TwkDisabledColors::SetShadeColor(TColor v) { WK_SET(FShadeColor, v, false); }
void TwkDisabledColors::Assign(const TwkDisabledColors& o) {
  FHighlightColor = o.FHighlightColor;
  FShadeColor = o.FShadeColor;
  FOwner->EffectChanged(false);
}

#undef WK_SET

// ---- TwkText ----

TwkText::TwkText(TNotify onChange, TNotify onAdjustSize, TQueryEnabled isEnabled)
    : FOnChange(std::move(onChange)),
      FOnAdjustSize(std::move(onAdjustSize)),
      FIsEnabled(std::move(isEnabled)) {
  FFont.setFamily(QStringLiteral("Liberation Sans"));
  FFont.setPixelSize(11);
}

void TwkText::Changed(bool sizeChanges) {
  if (sizeChanges && FOnAdjustSize) FOnAdjustSize();
  if (FOnChange) FOnChange();
}

void TwkText::EffectChanged(bool sizeChanges) { Changed(sizeChanges); }

#define WK_SET(field, value, sizeChanges) \
  if (field == value) return;             \
  field = value;                          \
  Changed(sizeChanges)

void TwkText::SetAlignment(TAlignment v) { WK_SET(FAlignment, v, true); }
void TwkText::SetVAlignment(TwkVAlignment v) { WK_SET(FVAlignment, v, true); }
void TwkText::SetWordWrap(bool v) { WK_SET(FWordWrap, v, true); }
void TwkText::SetLineSpacing(int v) { WK_SET(FLineSpacing, v, true); }
void TwkText::SetOptions(TwkTextOptions v) { WK_SET(FOptions, v, true); }
void TwkText::SetRotation(int v) { WK_SET(FRotation, v, true); }
void TwkText::SetStyle(TwkTextStyle v) { WK_SET(FStyle, v, true); }
void TwkText::SetHighlightColor(TColor v) { WK_SET(FHighlightColor, v, false); }
void TwkText::SetShadeColor(TColor v) { WK_SET(FShadeColor, v, false); }
void TwkText::SetOutlineColor(TColor v) { WK_SET(FOutlineColor, v, false); }
void TwkText::SetDoubleBuffered(bool v) { WK_SET(FDoubleBuffered, v, false); }

#undef WK_SET

void TwkText::Assign(const TwkText& o) {
  FAlignment = o.FAlignment;
  FDisabled.Assign(o.FDisabled);
  FDoubleBuffered = o.FDoubleBuffered;
  FWordWrap = o.FWordWrap;
  FVAlignment = o.FVAlignment;
  FExtrude.Assign(o.FExtrude);
  FHighlightColor = o.FHighlightColor;
  FLineSpacing = o.FLineSpacing;
  FOptions = o.FOptions;
  FOutlineColor = o.FOutlineColor;
  FRotation = o.FRotation;
  FShadeColor = o.FShadeColor;
  FShadow.Assign(o.FShadow);
  FStyle = o.FStyle;
  FText = o.FText;
  Changed(true);
}

QString TwkText::ShownText() const {
  return (FOptions & toShowAccel) ? StripAccelerators(FText) : FText;
}

// The shadow's share of the measured size; inside an extrusion an offset adds nothing
// unless it points the same way as the layers step.
static QPoint ShadowExtent(const TwkShadowEffects& shadow, const TwkExtrudeEffects& extrude) {
  if (!shadow.Enabled()) return {0, 0};
  if (!extrude.Enabled()) return {shadow.XOffset(), shadow.YOffset()};
  const QPoint step = OrientationStep(extrude.Orientation());
  return {step.x() != 0 && Sign(shadow.XOffset()) == step.x() ? shadow.XOffset() : 0,
          step.y() != 0 && Sign(shadow.YOffset()) == step.y() ? shadow.YOffset() : 0};
}

QSize TwkText::EffectExtent() const {
  const QPoint shadow = ShadowExtent(FShadow, FExtrude);
  const int depth = FExtrude.Enabled() ? FExtrude.Depth() : 0;
  const int outline = FStyle == wklsOutline ? 2 : 0;
  return {depth + shadow.x() + outline, depth + shadow.y() + outline};
}

QSize TwkText::PlainExtent() const {
  const int shadowX = ShadowExtent(FShadow, FExtrude).x();
  const int extrude = FExtrude.Enabled() ? FExtrude.Depth() : 0;
  const int available = FBounds.width() - std::max(shadowX, extrude);
  const int flags = (FOptions & toFullJustify) ? Qt::AlignJustify : Qt::AlignLeft;
  QSize s = MultiLineExtent(FFont, ShownText(), FLineSpacing, flags,
                            FWordWrap ? std::max(available, 1) : 0);
  s.rwidth() += 1;
  return s;
}

QSize TwkText::Measure(bool raw) const {
  QSize s = PlainExtent() + EffectExtent();
  if (FRotation % 360 != 0) {
    const double a = FRotation * M_PI / 180.0;
    const double c = std::fabs(std::cos(a)), sn = std::fabs(std::sin(a));
    s = QSize(FloorOf(c * s.width() + sn * s.height()), FloorOf(sn * s.width() + c * s.height()));
  }
  if (!raw) s = s.boundedTo(FBounds.size());
  return s;
}

QRect TwkText::TextRect() const {
  const QSize m = Measure(false);
  QRect r = FBounds;
  const bool rotated = FRotation % 360 != 0;
  if (!rotated) {
    if (FAlignment == taLeftJustify) r.setWidth(m.width());
    else if (FAlignment == taRightJustify) r.setLeft(FBounds.x() + FBounds.width() - m.width());
  }
  if (FVAlignment == vaTop) r.setHeight(m.height());
  else if (FVAlignment == vaBottom) r.setTop(FBounds.y() + FBounds.height() - m.height());

  // The text itself, limited to what the bounds leave after the effects.
  const QSize fx = EffectExtent();
  QSize t = PlainExtent().boundedTo(QSize(std::max(FBounds.width() - fx.width(), 0),
                                          std::max(FBounds.height() - fx.height(), 0)));
  if (rotated) {
    const double a = FRotation * M_PI / 180.0;
    const double c = std::fabs(std::cos(a)), sn = std::fabs(std::sin(a));
    t = QSize(FloorOf(c * t.width() + sn * t.height()), FloorOf(sn * t.width() + c * t.height()));
  }
  const QPoint shadow = ShadowExtent(FShadow, FExtrude);
  const int depth = FExtrude.Enabled() ? FExtrude.Depth() : 0;
  QPoint start(r.x() + r.width() / 2, r.y() + r.height() / 2);
  start -= QPoint(shadow.x() / 2, shadow.y() / 2);
  start -= QPoint(depth / 2, depth / 2);
  start -= QPoint(t.width() / 2, t.height() / 2);
  QRect d(start, t);
  if (d.x() < r.x()) d.moveLeft(r.x());
  if (d.y() < r.y()) d.moveTop(r.y());
  return d;
}

int TwkText::DrawFlags() const {
  int flags = Qt::TextDontClip | Qt::AlignTop;
  const bool rotated = FRotation % 360 != 0;
  if (FWordWrap && (FOptions & toFullJustify)) flags |= Qt::AlignJustify;
  else if (!rotated && FAlignment == taCenter) flags |= Qt::AlignHCenter;
  else if (!rotated && FAlignment == taRightJustify) flags |= Qt::AlignRight;
  else flags |= Qt::AlignLeft;
  if (FWordWrap) flags |= Qt::TextWordWrap;
  if (FOptions & toShowAccel) flags |= Qt::TextShowMnemonic;
  return flags;
}

void TwkText::DrawCopy(QPainter& painter, const QRect& rect, TColor color) const {
  if (color == clNone) return;
  painter.save();
  painter.setPen(ToQColorResolved(color));
  painter.setBackgroundMode(Qt::TransparentMode);
  const int flags = DrawFlags();
  const QFontMetrics fm(FFont);
  const bool rotated = FRotation % 360 != 0;
  QRect cur = rect;
  if (rotated) {
    // Turned about the box's centre; lines follow the rotated vertical axis.
    const QSize plain = PlainExtent();
    painter.translate(rect.center().x() + 1, rect.center().y() + 1);
    painter.rotate(-FRotation);
    cur = QRect(-plain.width() / 2, -plain.height() / 2, plain.width(), plain.height());
  }
  for (const QString& line : SplitLines(FText)) {
    QString shown = line;
    if ((FOptions & toShowEllipsis) && !FWordWrap) {
      const QString plain = (FOptions & toShowAccel) ? StripAccelerators(line) : line;
      if (fm.horizontalAdvance(plain) > cur.width())
        shown = fm.elidedText(plain, Qt::ElideRight, cur.width());
    }
    QRect bounding;
    painter.drawText(QRect(cur.x(), cur.y(), cur.width(), std::max(cur.height(), 1)), flags,
                     shown, &bounding);
    const int h = (shown.isEmpty() ? fm.height() : bounding.height()) + FLineSpacing;
    cur.translate(0, h);
  }
  painter.restore();
}

void TwkText::DrawEmbossed(QPainter& painter, const QRect& rect, bool enabled) const {
  const TColor light = enabled ? FHighlightColor : FDisabled.HighlightColor();
  const TColor dark = enabled ? FShadeColor : FDisabled.ShadeColor();
  const bool raised = FStyle == wklsRaised;
  if (enabled) DrawCopy(painter, rect.translated(-1, -1), raised ? light : dark);
  DrawCopy(painter, rect.translated(1, 1), raised ? dark : light);
  DrawCopy(painter, rect, enabled ? FFontColor : FDisabled.ShadeColor());
}

void TwkText::Draw(QPainter& painter) const {
  const bool enabled = FIsEnabled ? FIsEnabled() : true;
  QRect rect = TextRect();
  painter.save();
  painter.setFont(FFont);

  if (FExtrude.Enabled() && FExtrude.Depth() > 0) {
    const QPoint step = OrientationStep(FExtrude.Orientation());
    const int depth = FExtrude.Depth();
    const int hx = depth * std::abs(step.x()) / 2, hy = depth * std::abs(step.y()) / 2;
    rect.translate(hx, hy);
    rect.translate(-step.x() * hx, -step.y() * hy);
    const TColor nearC = ColorToRGB(FExtrude.NearColor()), farC = ColorToRGB(FExtrude.FarColor());
    const int n[3] = {GetRValue(nearC), GetGValue(nearC), GetBValue(nearC)};
    const int f[3] = {GetRValue(farC), GetGValue(farC), GetBValue(farC)};
    for (int i = 1; i <= depth; ++i) {
      rect.translate(step);
      int c[3];
      for (int k = 0; k < 3; ++k) {
        if (FExtrude.Striated()) {
          c[k] = (f[k] + (n[k] - f[k]) / depth) * i;
          if (i % 2 == 0) c[k] /= 4;
        } else {
          c[k] = f[k] + FloorOf(double(n[k] - f[k]) * i / depth);
        }
        c[k] = ClampByte(c[k]);
      }
      DrawCopy(painter, rect, RGBColor(c[0], c[1], c[2]));
    }
  }
  if (FShadow.Enabled())
    DrawCopy(painter, rect.translated(FShadow.XOffset(), FShadow.YOffset()),
             enabled ? FShadow.Color() : FDisabled.ShadeColor());

  switch (FStyle) {
    case wklsDefault:
      if (enabled) DrawCopy(painter, rect, FFontColor);
      else DrawEmbossed(painter, rect, false);  // a disabled caption looks lowered
      break;
    case wklsLowered:
    case wklsRaised:
      DrawEmbossed(painter, rect, enabled);
      break;
    case wklsOutline:
      for (int o = wkTopLeft; o <= wkBottom; ++o)
        DrawCopy(painter, rect.translated(OrientationStep(TwkOrientation(o))),
                 enabled ? FOutlineColor : FDisabled.ShadeColor());
      DrawCopy(painter, rect, enabled ? FFontColor : FDisabled.HighlightColor());
      break;
  }
  painter.restore();
}
