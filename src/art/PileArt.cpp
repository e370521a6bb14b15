// Pictures of the pile views: empty and recycle marks, the drag shadow and the drag cursors.

#include <QPainter>
#include <QPainterPathStroker>
#include <QtMath>

#include "art/CardArt.h"
#include "art/CardArtParts.h"

namespace CardArt {

namespace {

// The outline of an empty place: a light rounded edge with the table showing inside.
QImage EmptyPlace(int size, QPainter& p, QImage& canvas) {
  canvas = QImage(CardSize(size), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  p.begin(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal width = size == 2 ? 2.5 : 2.0;
  p.strokePath(CardShape(size, width / 2), QPen(QColor(0xE6, 0xEA, 0xE6), width));
  return canvas;
}

}  // namespace

QImage DrawEmpty(int size) {
  QPainter p;
  QImage canvas;
  EmptyPlace(size, p, canvas);
  // A faint inner line, so the place reads as a card slot.
  const qreal inset = size == 0 ? 4 : size == 2 ? 7 : 5;
  p.strokePath(CardShape(size, inset), QPen(QColor(0xB8, 0xC4, 0xB8), size == 2 ? 1.5 : 1.0));
  p.end();
  return KeyedFromAlpha(canvas);
}

QImage DrawRecycle(int size) {
  QPainter p;
  QImage canvas;
  EmptyPlace(size, p, canvas);
  // A circular arrow: the stock can be turned over again.
  const QSize s = CardSize(size);
  const QPointF c(s.width() / 2.0, s.height() / 2.0);
  const qreal r = s.width() * 0.27, stroke = s.width() * 0.085;
  QPainterPath arc;
  const QRectF ring(c.x() - r, c.y() - r, 2 * r, 2 * r);
  arc.arcMoveTo(ring, 110);
  arc.arcTo(ring, 110, 290);
  QPainterPathStroker stroker;
  stroker.setWidth(stroke);
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath band = stroker.createStroke(arc);
  // Arrow head at the end of the arc (angle 40 degrees), pointing along it.
  const qreal a = qDegreesToRadians(40.0);
  const QPointF tip(c.x() + r * qCos(a), c.y() - r * qSin(a));
  const QPointF along(-qSin(a), -qCos(a));   // direction of travel, counter-clockwise
  const QPointF across(qCos(a), -qSin(a));
  QPainterPath head;
  head.moveTo(tip + across * stroke * 1.25);
  head.lineTo(tip + along * stroke * 1.6);
  head.lineTo(tip - across * stroke * 1.25);
  head.closeSubpath();
  QPainterPath arrow = band.united(head);
  p.strokePath(arrow, QPen(QColor(0x20, 0x30, 0x20), size == 2 ? 2.0 : 1.4));
  p.fillPath(arrow, QColor(0xF2, 0xF4, 0xF0));
  p.end();
  return KeyedFromAlpha(canvas);
}

QImage DrawBorderMask(int size) {
  QImage canvas(CardSize(size), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(CardShape(size, 0), QColor(0x20, 0x20, 0x20));
  p.end();
  return KeyedFromAlpha(canvas);
}

QImage DrawCursor(bool good) {
  QImage canvas(32, 32, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 18);
  arrow.lineTo(5, 14);
  arrow.lineTo(8, 21);
  arrow.lineTo(11, 20);
  arrow.lineTo(8, 13);
  arrow.lineTo(13, 13);
  arrow.closeSubpath();
  p.fillPath(arrow, Qt::white);
  p.strokePath(arrow, QPen(Qt::black, 1));
  if (!good) {
    p.setPen(QPen(QColor(0xD0, 0, 0), 2.5));
    p.drawEllipse(QPointF(22, 22), 7, 7);
    p.drawLine(QPointF(17, 17), QPointF(27, 27));
  }
  p.end();
  return KeyedFromAlpha(canvas);
}

}  // namespace CardArt
