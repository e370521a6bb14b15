#include <QFont>
#include <QPainter>
#include <QTransform>

#include "art/CardArt.h"
#include "art/CardArtParts.h"

namespace CardArt {

QSize CardSize(int size) {
  switch (size) {
    case 0: return {61, 95};
    case 2: return {120, 188};
    default: return {80, 125};
  }
}

QSize SymbolStripSize(int size) { return size == 2 ? QSize(337, 111) : QSize(224, 74); }

QSize CourtSize(int size) {
  switch (size) {
    case 0: return {41, 75};
    case 2: return {84, 153};
    default: return {56, 102};
  }
}

QSize BackDesignSize(int size) {
  switch (size) {
    case 0: return {51, 87};
    case 2: return {102, 173};
    default: return {68, 115};
  }
}

QPainterPath SuitPath(int suit) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  switch (suit) {
    case 0: {  // clubs: three leaves on a flared stem
      const qreal r = 0.235;
      path.addEllipse(QPointF(0.5, 0.25), r, r);
      path.addEllipse(QPointF(0.24, 0.57), r, r);
      path.addEllipse(QPointF(0.76, 0.57), r, r);
      path.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
      QPainterPath stem;
      stem.moveTo(0.46, 0.5);
      stem.cubicTo(0.46, 0.8, 0.38, 0.93, 0.26, 1.0);
      stem.lineTo(0.74, 1.0);
      stem.cubicTo(0.62, 0.93, 0.54, 0.8, 0.54, 0.5);
      stem.closeSubpath();
      path.addPath(stem);
      break;
    }
    case 1:  // diamonds: a rhombus with gently curved sides
      path.moveTo(0.5, 0.0);
      path.quadTo(0.68, 0.28, 0.92, 0.5);
      path.quadTo(0.68, 0.72, 0.5, 1.0);
      path.quadTo(0.32, 0.72, 0.08, 0.5);
      path.quadTo(0.32, 0.28, 0.5, 0.0);
      path.closeSubpath();
      break;
    case 2:  // hearts
      path.moveTo(0.5, 0.2);
      path.cubicTo(0.42, 0.0, 0.0, -0.02, 0.0, 0.3);
      path.cubicTo(0.0, 0.58, 0.32, 0.74, 0.5, 1.0);
      path.cubicTo(0.68, 0.74, 1.0, 0.58, 1.0, 0.3);
      path.cubicTo(1.0, -0.02, 0.58, 0.0, 0.5, 0.2);
      path.closeSubpath();
      break;
    default: {  // spades: a turned heart on a flared stem
      path.moveTo(0.5, 0.0);
      path.cubicTo(0.34, 0.22, 0.0, 0.36, 0.0, 0.6);
      path.cubicTo(0.0, 0.84, 0.3, 0.88, 0.47, 0.7);
      path.lineTo(0.53, 0.7);
      path.cubicTo(0.7, 0.88, 1.0, 0.84, 1.0, 0.6);
      path.cubicTo(1.0, 0.36, 0.66, 0.22, 0.5, 0.0);
      path.closeSubpath();
      QPainterPath stem;
      stem.moveTo(0.46, 0.6);
      stem.cubicTo(0.46, 0.82, 0.38, 0.94, 0.26, 1.0);
      stem.lineTo(0.74, 1.0);
      stem.cubicTo(0.62, 0.94, 0.54, 0.82, 0.54, 0.6);
      stem.closeSubpath();
      path.addPath(stem);
      break;
    }
  }
  return path.simplified();
}

QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box, bool stretch) {
  QPainterPath glyphs;
  glyphs.addText(0, 0, font, text);
  const QRectF bounds = glyphs.boundingRect();
  if (bounds.isEmpty()) return glyphs;
  qreal sx = box.width() / bounds.width();
  qreal sy = box.height() / bounds.height();
  if (!stretch) sx = sy = qMin(sx, sy);
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(sx, sy);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(glyphs);
}

QPainterPath Line(QPointF from, QPointF to) {
  QPainterPath path;
  path.moveTo(from);
  path.lineTo(to);
  return path;
}

QImage WhiteImage(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

QImage KeyedFromAlpha(const QImage& argb) {
  const QImage source = argb.convertToFormat(QImage::Format_ARGB32);
  QImage keyed(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = in[x];
      QRgb q = qAlpha(p) < 128 ? CardArtKeyColor : (p | 0xFF000000u);
      // Never let a drawn pixel collide with the key colour by accident.
      if (qAlpha(p) >= 128 && q == CardArtKeyColor) q = 0xFFFE00FE;
      out[x] = q;
    }
  }
  return keyed;
}

QPainterPath CardShape(int size, qreal inset) {
  const QSize s = CardSize(size);
  const qreal radius = (size == 0 ? 4.5 : size == 2 ? 7.5 : 5.5) - inset * 0.6;
  QPainterPath path;
  path.addRoundedRect(QRectF(inset, inset, s.width() - 2 * inset, s.height() - 2 * inset),
                      radius, radius);
  return path;
}

QColor SuitInk(int suit) {
  return (suit == 1 || suit == 2) ? QColor(0xCC, 0x10, 0x18) : QColor(0x10, 0x10, 0x14);
}

}  // namespace CardArt
