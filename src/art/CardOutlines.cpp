// Card outlines: the blank card every face and back is composed on. The pieces of a face
// are AND-ed onto it, so the outline's interior colour is the paper of every card.
//   plain   white card, thin dark edge
//   3-D     the edge lit from the upper left: a light rim above and left, a soft shade
//           along the right and bottom
//   aged    ivory paper with faint mottling that darkens towards a brownish edge

#include <QPainter>
#include <cmath>

#include "art/CardArt.h"
#include "art/CardArtParts.h"

namespace CardArt {

namespace {

// Repeatable pseudo-random value in 0..1 for a lattice point.
qreal Hash(int x, int y, int seed) {
  quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFF) / 65535.0;
}

// Smooth value noise with the given cell size.
qreal Noise(qreal x, qreal y, qreal cell, int seed) {
  const qreal fx = x / cell, fy = y / cell;
  const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
  qreal tx = fx - ix, ty = fy - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const qreal a = Hash(ix, iy, seed), b = Hash(ix + 1, iy, seed);
  const qreal c = Hash(ix, iy + 1, seed), d = Hash(ix + 1, iy + 1, seed);
  return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty;
}

// Ivory paper: mottled, a little darker and warmer towards the edges.
void AgePaper(QImage& card, int size) {
  const QSize s = CardSize(size);
  const qreal scale = s.width() / 80.0;
  for (int y = 0; y < s.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(card.scanLine(y));
    for (int x = 0; x < s.width(); ++x) {
      const QRgb p = line[x];
      if (qAlpha(p) == 0) continue;
      const qreal edge = qMin(qMin(x, s.width() - 1 - x), qMin(y, s.height() - 1 - y)) / (10.0 * scale);
      const qreal vignette = 1.0 - 0.05 * qMax<qreal>(0, 1 - edge);
      const qreal mottle = 0.975 + 0.03 * Noise(x, y, 9 * scale, 1) + 0.012 * Noise(x, y, 2.5 * scale, 2);
      const qreal f = vignette * mottle;
      // Tint multiplies, so the edge and the 3-D shade turn warm along with the paper.
      const int r = qBound(0, int(qRed(p) * f * 0xF6 / 255), 255);
      const int g = qBound(0, int(qGreen(p) * f * 0xEC / 255), 255);
      const int b = qBound(0, int(qBlue(p) * f * f * 0xD2 / 255), 255);
      line[x] = qRgba(r, g, b, qAlpha(p));
    }
  }
}

}  // namespace

QImage DrawOutline(int size, bool threeD, bool aged) {
  const QSize s = CardSize(size);
  QImage canvas(s, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor edge = aged ? QColor(0x6E, 0x5C, 0x46) : QColor(0x33, 0x33, 0x38);
  p.fillPath(CardShape(size, 0), edge);
  p.fillPath(CardShape(size, 1), Qt::white);
  if (threeD) {
    // Shade along the right and bottom inside the edge, light rim above and left.
    const qreal depth = size == 2 ? 3.0 : 2.0;
    p.save();
    p.setClipPath(CardShape(size, 1));
    QPainterPath shade = CardShape(size, 1).subtracted(CardShape(size, 1).translated(-depth, -depth));
    p.fillPath(shade, QColor(0xB8, 0xB8, 0xC0));
    QPainterPath soft = CardShape(size, 1).subtracted(CardShape(size, 1).translated(-depth / 2, -depth / 2));
    p.fillPath(soft, QColor(0x98, 0x98, 0xA2));
    p.restore();
  }
  p.end();
  if (aged) AgePaper(canvas, size);
  return KeyedFromAlpha(canvas);
}

}  // namespace CardArt
