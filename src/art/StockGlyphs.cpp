#include "art/StockGlyphs.h"

#include <QMutex>
#include <QPainter>
#include <QPainterPath>

#include <map>

namespace {

constexpr int Size = 18;
const QRgb Ground = qRgb(128, 128, 0);

struct TInk {
  QColor Color;
  QPainterPath Strokes;  // drawn with a 2-pixel pen
  QPainterPath Fills;    // filled
};

QPainterPath Polyline(std::initializer_list<QPointF> points) {
  QPainterPath p;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first) p.moveTo(pt);
    else p.lineTo(pt);
    first = false;
  }
  return p;
}

QPainterPath Cross(double a, double b) {
  QPainterPath p = Polyline({{a, a}, {b, b}});
  p.addPath(Polyline({{b, a}, {a, b}}));
  return p;
}

QPainterPath ArrowHead(QPointF tip, QPointF back1, QPointF back2) {
  QPainterPath p;
  p.moveTo(tip);
  p.lineTo(back1);
  p.lineTo(back2);
  p.closeSubpath();
  return p;
}

TInk InkOf(TStockGlyph glyph) {
  const QColor green(0, 144, 0), red(200, 0, 0), navy(0, 0, 168), brown(150, 80, 20);
  TInk ink;
  switch (glyph) {
    case TStockGlyph::OK:
    case TStockGlyph::Yes:
      ink.Color = green;
      ink.Strokes = Polyline({{3, 9}, {7, 13}, {15, 4}});
      break;
    case TStockGlyph::All:
      ink.Color = green;
      ink.Strokes = Polyline({{1, 8}, {4, 11}, {9, 3}});
      ink.Strokes.addPath(Polyline({{7, 10}, {10, 14}, {16, 5}}));
      break;
    case TStockGlyph::Cancel:
      ink.Color = red;
      ink.Strokes = Cross(4, 13);
      break;
    case TStockGlyph::Abort:
      ink.Color = red;
      ink.Strokes.addEllipse(QRectF(2, 2, 13, 13));
      ink.Strokes.addPath(Cross(6, 11));
      break;
    case TStockGlyph::No:
      ink.Color = red;
      ink.Strokes.addEllipse(QRectF(2, 2, 13, 13));
      ink.Strokes.addPath(Polyline({{4.5, 12.5}, {12.5, 4.5}}));
      break;
    case TStockGlyph::Help: {
      ink.Color = navy;
      QPainterPath hook;
      hook.moveTo(5, 6);
      hook.arcTo(QRectF(5, 2, 8, 7), 180, -270);
      hook.lineTo(9, 11);
      ink.Strokes = hook;
      ink.Fills.addRect(QRectF(8, 13, 3, 3));
      break;
    }
    case TStockGlyph::Close:
      ink.Color = brown;
      ink.Strokes.addRect(QRectF(4, 2, 9, 14));
      ink.Fills.addRect(QRectF(10, 8, 2, 2));
      break;
    case TStockGlyph::Retry: {
      ink.Color = green;
      QPainterPath arc;
      arc.arcMoveTo(QRectF(3, 3, 11, 11), 60);
      arc.arcTo(QRectF(3, 3, 11, 11), 60, 270);
      ink.Strokes = arc;
      ink.Fills = ArrowHead({14, 3}, {9, 3}, {14, 8});
      break;
    }
    case TStockGlyph::Ignore: {
      ink.Color = navy;
      QPainterPath jump;
      jump.moveTo(2, 14);
      jump.cubicTo(3, 2, 13, 2, 14, 11);
      ink.Strokes = jump;
      ink.Strokes.addPath(Polyline({{8, 9}, {8, 16}}));
      ink.Fills = ArrowHead({15, 15}, {11, 10}, {17, 9});
      break;
    }
  }
  return ink;
}

// Where the ink lies: white on black, no blending, so the ground stays one exact colour.
QImage InkMask(const TInk& ink) {
  QImage mask(Size, Size, QImage::Format_RGB32);
  mask.fill(Qt::black);
  QPainter p(&mask);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(ink.Strokes);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(ink.Fills);
  return mask;
}

bool Inked(const QImage& mask, int x, int y) {
  return x >= 0 && y >= 0 && x < Size && y < Size && mask.pixel(x, y) == qRgb(255, 255, 255);
}

QImage Compose(TStockGlyph glyph, bool classic) {
  const TInk ink = InkOf(glyph);
  const QImage mask = InkMask(ink);
  QImage img(2 * Size, Size, QImage::Format_RGB32);
  img.fill(Ground);
  const QRgb fill = ink.Color.rgb(), rim = ink.Color.darker(220).rgb();
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      if (Inked(mask, x, y)) {
        img.setPixel(x, y, fill);
        // The greyed picture: the ink in grey over its white copy one pixel down-right.
        img.setPixel(Size + x, y, qRgb(128, 128, 128));
      } else if (!classic && (Inked(mask, x - 1, y) || Inked(mask, x, y - 1) ||
                              Inked(mask, x - 1, y - 1))) {
        img.setPixel(x, y, rim);  // the newer look's dark rim below and right of the ink
      }
      if (Inked(mask, x - 1, y - 1) && !Inked(mask, x, y) && x + Size < 2 * Size)
        img.setPixel(Size + x, y, qRgb(255, 255, 255));
    }
  return img;
}

}  // namespace

QImage StockGlyphImage(TStockGlyph glyph, bool classic) {
  static QMutex lock;
  static std::map<std::pair<int, bool>, QImage> cache;
  QMutexLocker guard(&lock);
  const auto key = std::make_pair(static_cast<int>(glyph), classic);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, Compose(glyph, classic)).first;
  return it->second;
}
