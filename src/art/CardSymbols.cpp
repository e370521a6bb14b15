// The symbol strips: rank indices (black and red, upright and turned), pips and small
// suit symbols (upright and turned). Layout, in pixels (large and small / huge):
//   index of value v, black    (16v, 0, 8, 14)     / (24v, 0, 12, 21); red one width to the right
//   turned index               (16v, 15, 8, 14)    / (24v, 23, 12, 21)
//   pip of suit s              (20s, 30, 20, 21)   / (30s, 45, 30, 32); turned 4 pips to the right
//   small symbol of suit s     (10s, 52, 10, 12)   / (15s, 78, 15, 18); turned 4 symbols to the right

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include "art/CardArt.h"
#include "art/CardArtParts.h"

namespace CardArt {

namespace {

const char* const RankText[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// The glyphs of a rank, as tall as the box and as wide as they naturally are, squeezed
// sideways only when they would not fit ("10").
QPainterPath RankPath(int value, const QRectF& box) {
  if (value == 9) {
    // "10" in the width of one letter: a slim one and a narrow ring, drawn rather than
    // squeezed from a font, so that it stays legible eight pixels wide.
    const qreal flag = box.width() * 0.13, stem = box.width() * 0.2, gap = box.width() * 0.1;
    const qreal ring = box.width() * 0.16;
    const qreal stemLeft = box.left() + flag, oneRight = stemLeft + stem;
    QPainterPath ten;
    ten.setFillRule(Qt::WindingFill);
    ten.addRect(QRectF(stemLeft, box.top(), stem, box.height()));
    QPainterPath one;
    one.moveTo(stemLeft + stem * 0.5, box.top());
    one.lineTo(stemLeft, box.top() + box.height() * 0.2);
    one.lineTo(box.left(), box.top() + box.height() * 0.3);
    one.lineTo(box.left(), box.top() + box.height() * 0.17);
    one.closeSubpath();
    ten.addPath(one);
    const QRectF zero(oneRight + gap, box.top(), box.right() - oneRight - gap, box.height());
    QPainterPath outer, inner;
    outer.addEllipse(zero);
    inner.addEllipse(zero.adjusted(ring, ring * 1.1, -ring, -ring * 1.1));
    ten.addPath(outer.subtracted(inner));
    return ten.simplified();
  }
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(64);
  QPainterPath glyphs;
  glyphs.addText(0, 0, font, QString::fromLatin1(RankText[value]));
  const QRectF bounds = glyphs.boundingRect();
  // Ignore the Q's tail when sizing, so its bowl matches the other letters.
  QPainterPath reference;
  reference.addText(0, 0, font, QStringLiteral("K"));
  const qreal capHeight = reference.boundingRect().height();
  const qreal sy = box.height() / capHeight;
  const qreal sx = qMin(sy, box.width() / bounds.width());
  QTransform t;
  t.translate(box.center().x(), box.top());
  t.scale(sx, sy);
  t.translate(-bounds.center().x(), -reference.boundingRect().top());
  return t.map(glyphs);
}

void DrawSymbol(QPainter& p, int suit, const QRectF& box, bool threeD, bool turned) {
  p.save();
  QTransform t;
  if (turned) {
    t.translate(box.right(), box.bottom());
    t.rotate(180);
  } else {
    t.translate(box.left(), box.top());
  }
  t.scale(box.width(), box.height());
  const QPainterPath shape = t.map(SuitPath(suit));
  const QColor ink = SuitInk(suit);
  if (threeD) {
    // Lit from the top left: a lighter tone fading into the ink, then a thin dark rim.
    QLinearGradient light(box.topLeft(), box.bottomRight());
    if (turned) light = QLinearGradient(box.bottomRight(), box.topLeft());
    const bool red = suit == 1 || suit == 2;
    light.setColorAt(0.0, red ? QColor(0xFF, 0x80, 0x80) : QColor(0x80, 0x88, 0x98));
    light.setColorAt(0.55, ink);
    light.setColorAt(1.0, ink.darker(170));
    p.fillPath(shape, light);
    p.strokePath(shape, QPen(ink.darker(200), qMax<qreal>(0.6, box.width() / 28.0)));
  } else {
    p.fillPath(shape, ink);
  }
  p.restore();
}

}  // namespace

QImage DrawSymbolStrip(int size, bool threeD) {
  const bool huge = size == 2;
  QImage image = WhiteImage(SymbolStripSize(size));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  const int indexW = huge ? 12 : 8, indexH = huge ? 21 : 14, indexStep = huge ? 24 : 16;
  const int turnedTop = huge ? 23 : 15;
  // Glyph box inside an index cell: a little air around the ink.
  const QRectF glyphBox = huge ? QRectF(0.6, 2.0, 10.8, 17.0) : QRectF(0.4, 1.5, 7.2, 11.0);
  for (int v = 0; v < 13; ++v) {
    for (int red = 0; red < 2; ++red) {
      const QColor ink = SuitInk(red ? 2 : 3);
      const QPointF cell(v * indexStep + red * indexW, 0);
      const QPainterPath rank = RankPath(v, glyphBox.translated(cell));
      // A hair of outline thickens the strokes at these small sizes.
      const QPen bolder(ink, v == 9 ? 0.0 : huge ? 0.35 : 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      p.save();
      p.setClipRect(QRectF(cell, QSizeF(indexW, indexH)));
      p.fillPath(rank, ink);
      if (v != 9) p.strokePath(rank, bolder);
      p.restore();
      QTransform turn;
      turn.translate(cell.x() + indexW, turnedTop + indexH);
      turn.rotate(180);
      turn.translate(-cell.x(), 0);
      p.save();
      p.setClipRect(QRectF(cell.x(), turnedTop, indexW, indexH));
      p.fillPath(turn.map(rank), ink);
      if (v != 9) p.strokePath(turn.map(rank), bolder);
      p.restore();
    }
  }

  const int pipW = huge ? 30 : 20, pipH = huge ? 32 : 21, pipTop = huge ? 45 : 30;
  const int smallW = huge ? 15 : 10, smallH = huge ? 18 : 12, smallTop = huge ? 78 : 52;
  // The pip inside its cell: small cards place their pip cells only 12 pixels apart, so
  // their pips are drawn smaller, centred in the same cells.
  const QSizeF pipInk = size == 0 ? QSizeF(11.5, 12.5) : huge ? QSizeF(24.5, 26.5) : QSizeF(16.5, 17.5);
  const qreal pipX = (pipW - pipInk.width()) / 2, pipY = (pipH - pipInk.height()) / 2;
  const qreal smallMargin = huge ? 1.2 : 0.8;
  for (int s = 0; s < 4; ++s) {
    const QRectF pip(s * pipW, pipTop, pipW, pipH);
    DrawSymbol(p, s, pip.adjusted(pipX, pipY, -pipX, -pipY), threeD, false);
    DrawSymbol(p, s, pip.translated(4 * pipW, 0).adjusted(pipX, pipY, -pipX, -pipY),
               threeD, true);
    const QRectF small(s * smallW, smallTop, smallW, smallH);
    DrawSymbol(p, s, small.adjusted(smallMargin, smallMargin, -smallMargin, -smallMargin), threeD, false);
    DrawSymbol(p, s,
               small.translated(4 * smallW, 0).adjusted(smallMargin, smallMargin, -smallMargin, -smallMargin),
               threeD, true);
  }
  p.end();
  return image;
}

}  // namespace CardArt
