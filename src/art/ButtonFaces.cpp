#include "art/ButtonFaces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr QRgb Outside = 0xFFFF0000;
// The ground the edge is smoothed against: the buttons lift their faces by the window
// colour less this grey, so a smoothed edge pixel meets the window colour.
constexpr int Ground = 192;

// The bar: rounded ends, leaning right by `slant` pixels from bottom to top.
QPainterPath BarPath(double width, double height, double slant, double inset) {
  QPainterPath path;
  const double radius = height / 2 - inset;
  path.addRoundedRect(QRectF(inset, inset, width - slant - 2 * inset, height - 2 * inset), radius,
                      radius);
  QTransform shear;
  shear.translate(slant, 0);
  shear.shear(-slant / height, 0);
  return shear.map(path);
}

}  // namespace

QSize ButtonFaceSize(TButtonFace face) {
  switch (face) {
    case TButtonFace::Info: return QSize(67, 29);
    case TButtonFace::Help: return QSize(72, 29);
    case TButtonFace::Options: return QSize(78, 29);
    case TButtonFace::Statistics: return QSize(103, 29);
  }
  return QSize(67, 29);
}

QImage ButtonFaceImage(TButtonFace face) {
  const QSize size = ButtonFaceSize(face);
  return DrawButtonFace(size.width(), size.height());
}

QImage DrawButtonFace(int width, int height) {
  if (width <= 0 || height <= 0) return QImage();
  const double w = width, h = height;
  const double slant = std::min(6.0, h / 5);

  // Painted with smoothing on a transparent layer first; the alpha says how much of each
  // edge pixel the bar covers.
  QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);

    // Dark rim, then the body: deep blue, lighter at the top.
    p.setBrush(QColor(14, 30, 74));
    p.drawPath(BarPath(w, h, slant, 0));
    QLinearGradient body(0, 0, 0, h);
    body.setColorAt(0.0, QColor(70, 112, 186));
    body.setColorAt(0.5, QColor(36, 72, 146));
    body.setColorAt(1.0, QColor(22, 48, 112));
    p.setBrush(body);
    p.drawPath(BarPath(w, h, slant, 1.2));

    // Gloss over the upper half.
    QLinearGradient gloss(0, 0, 0, h / 2);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 18));
    p.setBrush(gloss);
    p.setClipRect(QRectF(0, 0, w, h * 0.48));
    p.drawPath(BarPath(w, h, slant, 2.4));
    p.setClipping(false);

    // A faint light line along the bottom inside the rim.
    QPen lip(QColor(120, 160, 230, 90), 1.0);
    p.setPen(lip);
    p.setBrush(Qt::NoBrush);
    p.setClipRect(QRectF(0, h * 0.62, w, h));
    p.drawPath(BarPath(w, h, slant, 1.8));
  }

  QImage face(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const QRgb* src = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    QRgb* dst = reinterpret_cast<QRgb*>(face.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int a = qAlpha(src[x]);
      if (a < 100) {
        dst[x] = Outside;
        continue;
      }
      // Premultiplied colour over the grey ground.
      const int r = qRed(src[x]) + Ground * (255 - a) / 255;
      const int g = qGreen(src[x]) + Ground * (255 - a) / 255;
      const int b = qBlue(src[x]) + Ground * (255 - a) / 255;
      dst[x] = qRgb(std::min(r, 254), std::min(g, 255), std::min(b, 255));
    }
  }
  return face;
}
