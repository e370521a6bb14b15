#include "art/ToolBarArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>

namespace {

// Every picture is designed on a 24-unit grid and scaled to its size; line widths are
// chosen per size in real pixels so thin parts stay visible at 12 px and crisp at 24 px.
class TIconPen {
public:
  TIconPen(QPainter& painter, int size, TToolBarLook look)
      : P(painter), FSize(size), FScale(size / 24.0), FLook(look) {
    P.setRenderHint(QPainter::Antialiasing);
    P.scale(FScale, FScale);
  }

  // A width of `px` real pixels in grid units.
  double Px(double px) const { return px / FScale; }
  // The outline width: one real pixel.
  double Hair() const { return Px(1.0); }
  // Heavy strokes (arrow shafts): grows with the size but never below 1.5 pixels.
  double Heavy() const { return Px(FSize <= 12 ? 1.6 : FSize <= 16 ? 2.2 : 3.0); }
  bool Small() const { return FSize <= 12; }
  bool Large() const { return FSize >= 24; }
  bool Disabled() const { return FLook == TToolBarLook::Disabled; }
  bool Hot() const { return FLook == TToolBarLook::Hot; }

  // A rectangle moved to the pixel grid so that a one-pixel outline along its edges falls
  // on whole pixels.
  QRectF Snap(const QRectF& r) const {
    auto edge = [this](double v) { return (std::round(v * FScale - 0.5) + 0.5) / FScale; };
    return QRectF(QPointF(edge(r.left()), edge(r.top())), QPointF(edge(r.right()), edge(r.bottom())));
  }
  // A fill colour in the picture's look: the hot look is brighter, the outline stays.
  QColor Fill(const QColor& c) const {
    if (!Hot()) return c;
    auto lift = [](int v) { return v + (255 - v) * 3 / 10; };
    return QColor(lift(c.red()), lift(c.green()), lift(c.blue()));
  }

  // Fills a shape with a top-to-bottom gradient and outlines it.
  void Shape(const QPainterPath& path, const QColor& light, const QColor& dark, const QColor& outline) {
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, Fill(light));
    gradient.setColorAt(1, Fill(dark));
    // The disabled look greys out by lightness, so a shape is drawn flat: one part of
    // it must not fade out while the rest stays.
    if (Disabled())
      P.setBrush(QColor((light.red() + dark.red()) / 2, (light.green() + dark.green()) / 2,
                        (light.blue() + dark.blue()) / 2));
    else
      P.setBrush(gradient);
    P.setPen(QPen(outline, Hair(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.drawPath(path);
  }

  // A stroked line turned into an outline-able area.
  QPainterPath StrokeArea(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::FlatCap) const {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
  }

  QPainter& P;

private:
  int FSize;
  double FScale;
  TToolBarLook FLook;
};

const QColor Outline(28, 36, 52);

QPainterPath Triangle(QPointF a, QPointF b, QPointF c) {
  QPainterPath path;
  path.moveTo(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  return path;
}

// An arrow head with its tip at `tip`, pointing along `angle` (radians, screen axes).
QPainterPath ArrowHead(QPointF tip, double angle, double length, double halfWidth) {
  const QPointF dir(std::cos(angle), std::sin(angle));
  const QPointF normal(-dir.y(), dir.x());
  const QPointF base = tip - dir * length;
  return Triangle(tip, base + normal * halfWidth, base - normal * halfWidth);
}

// The undo arrow: a shaft rising from the lower right and bending over to the left,
// where the head points left. Redo is its mirror image.
void DrawUndo(TIconPen& pen) {
  QPainterPath shaft;
  shaft.moveTo(19.5, 20.0);
  shaft.cubicTo(21.5, 12.0, 16.5, 8.0, 9.5, 8.5);
  const double headLen = pen.Small() ? 8.0 : 8.5;
  QPainterPath arrow = pen.StrokeArea(shaft, pen.Heavy() + 1.0, Qt::RoundCap)
                           .united(ArrowHead(QPointF(1.5, 8.5), std::numbers::pi, headLen, pen.Small() ? 6.5 : 6.0));
  pen.Shape(arrow.simplified(), QColor(120, 180, 255), QColor(24, 88, 200), Outline);
}

void DrawRedo(TIconPen& pen) {
  pen.P.translate(24, 0);
  pen.P.scale(-1, 1);
  DrawUndo(pen);
}

QPainterPath CardShape(const QRectF& r) {
  QPainterPath path;
  path.addRoundedRect(r, 1.6, 1.6);
  return path;
}

void DrawDiamond(QPainter& p, QPointF centre, double w, double h, const QColor& colour) {
  QPainterPath diamond;
  diamond.moveTo(centre.x(), centre.y() - h / 2);
  diamond.lineTo(centre.x() + w / 2, centre.y());
  diamond.lineTo(centre.x(), centre.y() + h / 2);
  diamond.lineTo(centre.x() - w / 2, centre.y());
  diamond.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(diamond);
}

// Two cards fanned out: a blue back behind a face with a red diamond. Below 24 pixels the
// cards stand upright, one offset from the other, so their edges stay sharp.
void DrawNewGame(TIconPen& pen) {
  QPainter& p = pen.P;
  const QColor backLight(110, 150, 235), backDark(30, 70, 170);
  const QColor faceLight(255, 255, 255), faceDark(222, 226, 232), red(214, 30, 30);
  if (!pen.Large()) {
    pen.Shape(CardShape(pen.Snap(QRectF(0.5, 0.5, 13.5, 19.0))), backLight, backDark, Outline);
    const QRectF face = pen.Snap(QRectF(9.5, 4.5, 14.0, 19.0));
    pen.Shape(CardShape(face), faceLight, faceDark, Outline);
    DrawDiamond(p, face.center(), 7.5, 11.0, pen.Fill(red));
    return;
  }
  const QRectF card(0, 0, 12.0, 17.0);
  p.save();
  p.translate(8.5, 20.5);
  p.rotate(-22);
  p.translate(-card.width() / 2, -card.height());
  pen.Shape(CardShape(card), backLight, backDark, Outline);
  if (!pen.Disabled()) {  // greyed out, the fine frame of the back is only noise
    p.setPen(QPen(pen.Fill(QColor(225, 235, 255)), pen.Hair()));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(2.2, 2.2, -2.2, -2.2), 0.8, 0.8);
  }
  p.restore();

  p.save();
  p.translate(15.5, 22.5);
  p.rotate(10);
  p.translate(-card.width() / 2, -card.height());
  pen.Shape(CardShape(card), faceLight, faceDark, Outline);
  DrawDiamond(p, card.center(), 7.0, 10.0, pen.Fill(red));
  p.restore();
}

// One upright card bearing "#", drawn as strokes so it stays crisp without a font.
void DrawSelectGame(TIconPen& pen) {
  QPainter& p = pen.P;
  const QRectF card = pen.Snap(QRectF(4.0, 1.0, 16.0, 22.0));
  pen.Shape(CardShape(card), QColor(255, 255, 255), QColor(222, 226, 232), Outline);
  const double w = pen.Px(pen.Small() ? 1.0 : pen.Large() ? 2.0 : 1.25);
  // Hot, the sign turns a livelier blue rather than a paler one.
  p.setPen(QPen(pen.Hot() ? QColor(30, 80, 235) : QColor(20, 40, 150), w, Qt::SolidLine, Qt::FlatCap));
  const QPointF c = card.center();
  const double half = pen.Small() ? 5.5 : 5.2;   // half the height of the sign
  const double gap = pen.Small() ? 2.4 : 2.4;    // half the distance between parallels
  const double slant = 1.0;
  p.drawLine(QPointF(c.x() - gap + slant, c.y() - half), QPointF(c.x() - gap - slant, c.y() + half));
  p.drawLine(QPointF(c.x() + gap + slant, c.y() - half), QPointF(c.x() + gap - slant, c.y() + half));
  p.drawLine(QPointF(c.x() - half, c.y() - gap), QPointF(c.x() + half, c.y() - gap));
  p.drawLine(QPointF(c.x() - half, c.y() + gap), QPointF(c.x() + half, c.y() + gap));
}

// A circular arrow running clockwise almost all the way round.
void DrawRestart(TIconPen& pen) {
  const QPointF centre(12, 12.5);
  const double radius = 7.5;
  const double startDeg = 70, sweepDeg = -285;  // Qt: degrees counter-clockwise from 3 o'clock
  QPainterPath arc;
  const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  arc.arcMoveTo(box, startDeg);
  arc.arcTo(box, startDeg, sweepDeg);
  const double endRad = (startDeg + sweepDeg) * std::numbers::pi / 180.0;
  const QPointF end(centre.x() + radius * std::cos(endRad), centre.y() - radius * std::sin(endRad));
  // Moving clockwise on screen, the tangent at angle a is (sin a, cos a) in screen axes.
  const double along = std::atan2(std::cos(endRad), std::sin(endRad));
  const QPointF dir(std::cos(along), std::sin(along));
  const double headLen = pen.Small() ? 7.5 : 7.0;
  QPainterPath arrow = pen.StrokeArea(arc, pen.Heavy() + 1.0)
                           .united(ArrowHead(end + dir * (headLen - 1.0), along, headLen, pen.Small() ? 6.0 : 5.5));
  pen.Shape(arrow.simplified(), QColor(120, 215, 110), QColor(24, 130, 40), Outline);
}

// A gear with eight teeth and a hole.
void DrawOptions(TIconPen& pen) {
  const QPointF c(12, 12);
  const int teeth = 8;
  const double outer = 10.5, inner = 7.6;
  QPainterPath gear;
  for (int i = 0; i < teeth; ++i) {
    const double a0 = (i * 360.0 / teeth - 11) * std::numbers::pi / 180.0;
    const double a1 = (i * 360.0 / teeth + 11) * std::numbers::pi / 180.0;
    const double b0 = (i * 360.0 / teeth - 17) * std::numbers::pi / 180.0;
    const double b1 = (i * 360.0 / teeth + 17) * std::numbers::pi / 180.0;
    const QPointF pb0(c.x() + inner * std::cos(b0), c.y() + inner * std::sin(b0));
    const QPointF pa0(c.x() + outer * std::cos(a0), c.y() + outer * std::sin(a0));
    const QPointF pa1(c.x() + outer * std::cos(a1), c.y() + outer * std::sin(a1));
    const QPointF pb1(c.x() + inner * std::cos(b1), c.y() + inner * std::sin(b1));
    if (i == 0) gear.moveTo(pb0); else gear.lineTo(pb0);
    gear.lineTo(pa0);
    gear.lineTo(pa1);
    gear.lineTo(pb1);
  }
  gear.closeSubpath();
  QPainterPath hole;
  const double holeR = pen.Large() ? 3.6 : 3.4;
  hole.addEllipse(c, holeR, holeR);
  pen.Shape(gear.subtracted(hole), QColor(200, 208, 220), QColor(96, 108, 128), Outline);
}

// A closed book with a question mark on its cover.
void DrawRules(TIconPen& pen) {
  QPainter& p = pen.P;
  // Pages showing under and to the right of the cover.
  QPainterPath pages;
  pages.addRoundedRect(pen.Snap(QRectF(5.5, 3.5, 16.0, 19.5)), 1.0, 1.0);
  pen.Shape(pages, QColor(255, 255, 250), QColor(225, 220, 200), Outline);
  QPainterPath cover;
  cover.addRoundedRect(pen.Snap(QRectF(2.5, 1.0, 16.5, 19.5)), 1.2, 1.2);
  pen.Shape(cover, QColor(230, 70, 60), QColor(150, 20, 20), Outline);
  if (!pen.Small()) {
    // The spine's fold.
    p.setPen(QPen(QColor(110, 10, 10), pen.Hair()));
    p.drawLine(QPointF(5.8, 2.2), QPointF(5.8, 20.0));
  }
  // The question mark: a hook and a dot.
  const double w = pen.Px(pen.Small() ? 1.4 : pen.Large() ? 2.6 : 1.8);
  p.setPen(QPen(pen.Fill(QColor(255, 228, 90)), w, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  const double cx = pen.Small() ? 11.3 : 11.2;
  QPainterPath hook;
  hook.moveTo(cx - 3.0, 7.5);
  hook.cubicTo(cx - 3.0, 3.6, cx + 3.3, 3.6, cx + 3.1, 7.3);
  hook.cubicTo(cx + 3.0, 9.6, cx, 10.0, cx, 12.5);
  hook.lineTo(cx, 13.6);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(pen.Fill(QColor(255, 228, 90)));
  const double dot = pen.Small() ? 1.6 : 1.5;
  p.drawEllipse(QPointF(cx, 16.8), dot, dot);
}

// Three bars of a chart standing on an axis.
void DrawStatistics(TIconPen& pen) {
  QPainter& p = pen.P;
  struct TBar { double x, top; QColor light, dark; };
  // Clear space between the bars, so they stay apart in the disabled look as well.
  const TBar bars[] = {{1.5, 12.0, QColor(255, 120, 110), QColor(190, 30, 30)},
                       {9.0, 3.5, QColor(130, 220, 120), QColor(30, 140, 40)},
                       {16.5, 8.0, QColor(120, 170, 255), QColor(30, 80, 200)}};
  if (pen.Small()) {
    // Too small for outlined bars: three solid bars three pixels wide, a pixel apart.
    const double tops[] = {10.0, 2.0, 6.0};
    for (int i = 0; i < 3; ++i) {
      QLinearGradient gradient(0, tops[i], 0, 20);
      gradient.setColorAt(0, pen.Fill(bars[i].dark.lighter(125)));
      gradient.setColorAt(1, pen.Fill(bars[i].dark.darker(120)));
      p.fillRect(QRectF(i * 8.0, tops[i], 6.0, 20.0 - tops[i]), gradient);
    }
    p.fillRect(QRectF(0, 20.0, 24.0, 2.0), Outline);
    return;
  }
  const double width = 5.0, base = 21.0;
  for (const TBar& bar : bars) {
    QPainterPath path;
    path.addRect(pen.Snap(QRectF(bar.x, bar.top, width, base - bar.top)));
    pen.Shape(path, bar.light, bar.dark, Outline);
  }
  // The axis just under the bars' outlines, one pixel thick at 12 px, two above.
  p.setPen(QPen(Outline, pen.Px(pen.Small() ? 1.0 : 2.0), Qt::SolidLine, Qt::FlatCap));
  const double axis = pen.Snap(QRectF(0, base, 1, 1)).top() + pen.Px(pen.Small() ? 1.0 : 1.5);
  p.drawLine(QPointF(0.5, axis), QPointF(23.5, axis));
}

QImage DrawPicture(int index, int size, TToolBarLook look) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  TIconPen pen(painter, size, look);
  switch (index) {
    case tbUndo: DrawUndo(pen); break;
    case tbRedo: DrawRedo(pen); break;
    case tbNewGame: DrawNewGame(pen); break;
    case tbSelectGame: DrawSelectGame(pen); break;
    case tbRestart: DrawRestart(pen); break;
    case tbOptions: DrawOptions(pen); break;
    case tbRules: DrawRules(pen); break;
    case tbStatistics: DrawStatistics(pen); break;
    default: break;
  }
  return image;
}

// The disabled look: the picture's dark parts as a grey shape with a white copy one
// pixel down and right, so it looks pressed into the button. Light parts (card faces,
// pages) drop out and only their outlines remain.
QImage Emboss(const QImage& normal) {
  const QImage source = normal.convertToFormat(QImage::Format_ARGB32);
  const int w = source.width(), h = source.height();
  std::vector<double> ink(static_cast<size_t>(w) * h, 0.0);
  for (int y = 0; y < h; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb c = line[x];
      const double alpha = qAlpha(c) / 255.0;
      const double lum = (0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c)) / 255.0;
      const double dark = std::clamp((0.85 - lum) / 0.15, 0.0, 1.0);
      // Firmed up so thin strokes keep a solid core after the grey-out.
      ink[static_cast<size_t>(y) * w + x] = std::clamp((alpha * dark - 0.2) / 0.5, 0.0, 1.0);
    }
  }
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const QRgb shadow = qRgb(128, 128, 128), highlight = qRgb(255, 255, 255);
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double top = ink[static_cast<size_t>(y) * w + x];
      const double under = (x > 0 && y > 0) ? ink[static_cast<size_t>(y - 1) * w + (x - 1)] : 0.0;
      // Grey over white, composed by coverage.
      const double a = top + under * (1 - top);
      if (a <= 0) continue;
      auto mix = [&](int grey, int white) {
        return static_cast<int>(std::lround((grey * top + white * under * (1 - top)) / a));
      };
      line[x] = qRgba(mix(qRed(shadow), qRed(highlight)), mix(qGreen(shadow), qGreen(highlight)),
                      mix(qBlue(shadow), qBlue(highlight)), static_cast<int>(std::lround(a * 255)));
    }
  }
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct TCacheKey {
  int Size;
  TToolBarLook Look;
  bool operator<(const TCacheKey& o) const {
    return Size != o.Size ? Size < o.Size : static_cast<int>(Look) < static_cast<int>(o.Look);
  }
};

std::mutex CacheLock;
std::map<TCacheKey, std::vector<QImage>>& Cache() {
  static std::map<TCacheKey, std::vector<QImage>> cache;
  return cache;
}

const std::vector<QImage>& CachedImages(int size, TToolBarLook look) {
  std::lock_guard<std::mutex> guard(CacheLock);
  auto& cache = Cache();
  const TCacheKey key{size, look};
  auto it = cache.find(key);
  if (it == cache.end()) {
    std::vector<QImage> images;
    for (int i = 0; i < ToolBarImageCount; ++i) {
      const QImage picture = DrawPicture(i, size, look);
      images.push_back(look == TToolBarLook::Disabled ? Emboss(picture) : picture);
    }
    it = cache.emplace(key, std::move(images)).first;
  }
  return it->second;
}

bool SizeInRange(int size) { return size >= 8 && size <= 64; }

}  // namespace

QImage ToolBarImage(int index, int size, TToolBarLook look) {
  if (index < 0 || index >= ToolBarImageCount || !SizeInRange(size)) return {};
  return CachedImages(size, look)[static_cast<size_t>(index)];
}

std::vector<QPixmap> ToolBarImages(int size, TToolBarLook look) {
  std::vector<QPixmap> pixmaps;
  if (!SizeInRange(size)) return pixmaps;
  for (const QImage& image : CachedImages(size, look)) pixmaps.push_back(QPixmap::fromImage(image));
  return pixmaps;
}
