// Court pictures (Jack, Queen, King of each suit) and the Ace of spades.
//
// A court is drawn in design units on a 56 x 102 frame and scaled to the picture size.
// Like a real court card it shows a half figure in the upper part, cut off by a slanted
// line through the centre, and the same half turned round below. The suit symbol and the
// rank letter sit in the upper corners of each half. The 3-D variant shades the costume,
// headgear and face with gradients; the plain one uses flat colours.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "art/CardArt.h"
#include "art/CardArtParts.h"

namespace CardArt {

namespace {

constexpr qreal DesignW = 56, DesignH = 102;

const QColor Ink(0x1A, 0x1A, 0x22);
const QColor Gold(0xEE, 0xB8, 0x22);
const QColor Red(0xC8, 0x1E, 0x2A);
const QColor Blue(0x24, 0x44, 0xA8);
const QColor Flesh(0xF8, 0xD9, 0xB6);
const QColor White(0xFF, 0xFF, 0xFF);

enum TItem { Sceptre, Sword, Axe, Flower, Leaf, Halberd };

struct TCourtLook {
  QColor Robe, Panel, Trim, Hair;
  TItem Item;
  bool Mirrored;  // figure faces the other way, item on the right
};

TCourtLook LookOf(int value, int suit) {
  // Costume colours cycle by suit; the Queen wears the colours the other way round.
  static const QColor robes[4][3] = {
      {Blue, Red, Gold}, {Red, Gold, Blue}, {Red, Blue, Gold}, {Blue, Gold, Red}};
  TCourtLook look;
  const QColor* c = robes[suit];
  look.Robe = value == 11 ? c[1] : c[0];
  look.Panel = value == 11 ? c[0] : c[1];
  look.Trim = c[2] == look.Robe ? Gold : c[2];
  static const TItem items[3][4] = {
      {Halberd, Axe, Leaf, Halberd},       // Jacks
      {Flower, Flower, Flower, Sceptre},   // Queens
      {Sceptre, Axe, Sword, Sceptre}};     // Kings
  look.Item = items[value - 10][suit];
  static const QColor hair[3] = {QColor(0xA8, 0x62, 0x28), QColor(0xD0, 0x8C, 0x2C), QColor(0x8A, 0x5A, 0x2A)};
  look.Hair = hair[value - 10];
  look.Mirrored = suit == 1 || suit == 3;
  return look;
}

// Flat colour, or for the 3-D pictures the colour lit from the upper left.
QBrush Shade(const QColor& colour, const QRectF& over, bool threeD) {
  if (!threeD) return colour;
  QLinearGradient g(over.topLeft(), over.bottomRight());
  g.setColorAt(0.0, colour.lighter(150));
  g.setColorAt(0.45, colour);
  g.setColorAt(1.0, colour.darker(150));
  return g;
}

void Fill(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal outline = 0.7) {
  p.fillPath(path, brush);
  if (outline > 0) p.strokePath(path, QPen(Ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

void DrawSuit(QPainter& p, int suit, const QRectF& box, bool threeD) {
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  const QPainterPath shape = t.map(SuitPath(suit));
  p.fillPath(shape, Shade(SuitInk(suit), box, threeD));
}

// ---- the hand-held items -------------------------------------------------------------

void DrawItem(QPainter& p, TItem item, bool threeD, const TCourtLook& look) {
  // The item stands at x = 13; the hand holds it at y = 42.
  const qreal x = 13;
  switch (item) {
    case Sceptre: {
      Fill(p, Polygon({{x - 0.9, 15}, {x + 0.9, 15}, {x + 1.2, 56}, {x - 1.2, 56}}), Shade(Gold, {x - 1, 15, 2, 40}, threeD), 0.5);
      Fill(p, Ellipse(x, 13, 2.6, 2.6), Shade(Gold, {x - 3, 10, 6, 6}, threeD), 0.6);
      Fill(p, Polygon({{x - 0.6, 7.5}, {x + 0.6, 7.5}, {x + 0.6, 10.6}, {x - 0.6, 10.6}}), Gold, 0.4);
      Fill(p, Polygon({{x - 1.8, 8.4}, {x + 1.8, 8.4}, {x + 1.8, 9.4}, {x - 1.8, 9.4}}), Gold, 0.4);
      Fill(p, Ellipse(x, 13, 1, 1), Red, 0);
      break;
    }
    case Sword: {
      // Raised behind the head, as the King of hearts holds it.
      QPainterPath blade = Polygon({{x - 1.0, 40}, {x + 1.0, 40}, {x + 1.0, 9}, {x, 6}, {x - 1.0, 9}});
      Fill(p, blade, Shade(QColor(0xD8, 0xDC, 0xE4), {x - 1, 6, 2, 34}, threeD), 0.5);
      p.strokePath(Line({x, 10}, {x, 38}), QPen(QColor(0x90, 0x98, 0xA8), 0.4));
      Fill(p, Polygon({{x - 4, 40}, {x + 4, 40}, {x + 4, 41.8}, {x - 4, 41.8}}), Gold, 0.5);
      Fill(p, Polygon({{x - 0.9, 41.8}, {x + 0.9, 41.8}, {x + 0.9, 48}, {x - 0.9, 48}}), look.Trim == Gold ? Red : look.Trim, 0.5);
      Fill(p, Ellipse(x, 49, 1.4, 1.4), Gold, 0.5);
      break;
    }
    case Axe: {
      Fill(p, Polygon({{x - 0.8, 12}, {x + 0.8, 12}, {x + 1.0, 56}, {x - 1.0, 56}}), QColor(0x9A, 0x6A, 0x3A), 0.5);
      QPainterPath head;
      head.moveTo(x + 0.8, 13);
      head.cubicTo(x + 5, 11, x + 7, 12, x + 7.5, 9);
      head.cubicTo(x + 8.5, 14, x + 8.5, 20, x + 7.5, 24);
      head.cubicTo(x + 6.5, 21, x + 4, 20, x + 0.8, 20);
      head.closeSubpath();
      Fill(p, head, Shade(QColor(0xD0, 0xD4, 0xDC), {x, 9, 8, 15}, threeD), 0.6);
      Fill(p, Polygon({{x - 0.8, 12}, {x, 9}, {x + 0.8, 12}}), Gold, 0.4);
      break;
    }
    case Halberd: {
      Fill(p, Polygon({{x - 0.7, 10}, {x + 0.7, 10}, {x + 0.9, 56}, {x - 0.9, 56}}), QColor(0x9A, 0x6A, 0x3A), 0.5);
      Fill(p, Polygon({{x, 5}, {x + 1.4, 9.5}, {x, 11}, {x - 1.4, 9.5}}), Shade(QColor(0xD0, 0xD4, 0xDC), {x - 2, 5, 4, 6}, threeD), 0.5);
      QPainterPath blade;
      blade.moveTo(x + 0.7, 11.5);
      blade.lineTo(x + 5.5, 10);
      blade.quadTo(x + 6.5, 14.5, x + 5.5, 19);
      blade.lineTo(x + 0.7, 17);
      blade.closeSubpath();
      Fill(p, blade, Shade(QColor(0xD0, 0xD4, 0xDC), {x, 10, 6, 9}, threeD), 0.5);
      Fill(p, Polygon({{x - 0.7, 12.5}, {x - 4, 14.5}, {x - 0.7, 15.5}}), QColor(0xD0, 0xD4, 0xDC), 0.5);
      Fill(p, Polygon({{x - 1.4, 21}, {x + 1.4, 21}, {x + 1.4, 22.4}, {x - 1.4, 22.4}}), look.Trim, 0.4);
      break;
    }
    case Flower: {
      QPainterPath stem;
      stem.moveTo(x + 1, 44);
      stem.cubicTo(x - 1, 36, x + 1, 30, x, 22);
      p.strokePath(stem, QPen(QColor(0x2A, 0x80, 0x30), 1.0, Qt::SolidLine, Qt::RoundCap));
      QPainterPath leaf;
      leaf.moveTo(x, 32);
      leaf.cubicTo(x - 3, 29, x - 5, 30, x - 6, 28);
      leaf.cubicTo(x - 5, 32, x - 3, 33, x, 32);
      Fill(p, leaf, QColor(0x3A, 0x9A, 0x3A), 0.4);
      for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(i * 72.0 - 90);
        Fill(p, Ellipse(x + 2.2 * qCos(a), 19.5 + 2.2 * qSin(a), 1.9, 1.9), Shade(Red, {x - 4, 16, 8, 8}, threeD), 0.4);
      }
      Fill(p, Ellipse(x, 19.5, 1.3, 1.3), Gold, 0.4);
      break;
    }
    case Leaf: {
      QPainterPath leaf;
      leaf.moveTo(x + 1, 44);
      leaf.cubicTo(x - 6, 34, x - 5, 22, x, 12);
      leaf.cubicTo(x + 5, 22, x + 6, 34, x + 1, 44);
      Fill(p, leaf, Shade(QColor(0x38, 0x98, 0x3C), {x - 5, 12, 10, 32}, threeD), 0.6);
      QPainterPath vein;
      vein.moveTo(x + 0.6, 43);
      vein.quadTo(x - 0.5, 28, x, 14);
      for (int i = 0; i < 4; ++i) {
        vein.moveTo(x, 38 - i * 6);
        vein.lineTo(x - 3, 34 - i * 6);
        vein.moveTo(x, 38 - i * 6);
        vein.lineTo(x + 3, 34 - i * 6);
      }
      p.strokePath(vein, QPen(QColor(0x1E, 0x5A, 0x22), 0.45));
      break;
    }
  }
}

// ---- the figure ------------------------------------------------------------------------

void DrawRobe(QPainter& p, int value, bool threeD, const TCourtLook& look) {
  // Shoulders and costume down past the cut.
  QPainterPath robe;
  robe.moveTo(4, 60);
  robe.lineTo(4, 43);
  robe.cubicTo(4, 37, 9, 34, 19, 31.5);
  robe.lineTo(37, 31.5);
  robe.cubicTo(47, 34, 52, 37, 52, 43);
  robe.lineTo(52, 60);
  robe.closeSubpath();
  Fill(p, robe, Shade(look.Robe, {3, 31, 50, 29}, threeD));

  // Brocade: small diamonds of the trim colour over the costume.
  p.save();
  p.setClipPath(robe, Qt::IntersectClip);
  const QColor brocade = look.Trim == look.Robe ? White : look.Trim;
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 12; ++col) {
      const qreal bx = 4 + col * 4.4 + (row % 2) * 2.2, by = 37 + row * 4;
      Fill(p, Polygon({{bx, by - 1.1}, {bx + 0.9, by}, {bx, by + 1.1}, {bx - 0.9, by}}), brocade, 0);
    }
  // The seam of the sleeves.
  QPainterPath seams;
  seams.moveTo(9, 35);
  seams.cubicTo(8, 40, 8.5, 48, 9.5, 60);
  seams.moveTo(47, 35);
  seams.cubicTo(48, 40, 47.5, 48, 46.5, 60);
  p.strokePath(seams, QPen(Ink, 0.5));
  p.restore();

  // The front panel, widening downwards, with a pattern of the trim colour.
  QPainterPath panel = Polygon({{22, 32}, {34, 32}, {38, 60}, {18, 60}});
  Fill(p, panel, Shade(look.Panel, {18, 32, 20, 28}, threeD));
  p.save();
  p.setClipPath(panel, Qt::IntersectClip);
  QPen trimPen(look.Trim == look.Panel ? White : look.Trim, 1.1);
  for (int i = 0; i < 5; ++i) {
    QPainterPath zig;
    const qreal y = 38 + i * 5;
    zig.moveTo(16, y);
    for (int k = 0; k < 12; ++k) zig.lineTo(17.5 + k * 2, y + ((k % 2) ? -1.6 : 0));
    p.strokePath(zig, trimPen);
  }
  p.restore();
  p.strokePath(panel, QPen(Ink, 0.6));

  // The collar: ermine for the King, lace for the Queen, a plain band for the Jack.
  QPainterPath collar;
  collar.moveTo(14, 33);
  collar.cubicTo(20, 29.5, 36, 29.5, 42, 33);
  collar.cubicTo(36, 36.8, 20, 36.8, 14, 33);
  collar.closeSubpath();
  if (value == 12) {
    Fill(p, collar, White, 0.6);
    for (int i = 0; i < 6; ++i) Fill(p, Polygon({{17.5 + i * 4.2, 32.2}, {18.3 + i * 4.2, 34.2}, {16.7 + i * 4.2, 34.2}}), Ink, 0);
  } else if (value == 11) {
    Fill(p, collar, White, 0.6);
    for (int i = 0; i < 7; ++i) p.strokePath(Ellipse(16.5 + i * 3.8, 34.8, 1.5, 1.1), QPen(Ink, 0.35));
    Fill(p, Ellipse(28, 37.5, 1.5, 1.5), Shade(look.Trim == Gold ? Red : Gold, {26, 36, 3, 3}, threeD), 0.4);
  } else {
    Fill(p, collar, look.Trim, 0.6);
  }
}

void DrawHead(QPainter& p, int value, bool threeD, const TCourtLook& look) {
  const qreal cx = 28, cy = 21;
  // Hair behind the face: long for the Queen, to the collar for the Jack.
  QPainterPath hair;
  if (value == 11) {
    hair.moveTo(cx - 7, 11);
    hair.cubicTo(cx - 10.5, 17, cx - 9, 27, cx - 11, 34);
    hair.lineTo(cx + 11, 34);
    hair.cubicTo(cx + 9, 27, cx + 10.5, 17, cx + 7, 11);
    hair.closeSubpath();
  } else if (value == 10) {
    hair.moveTo(cx - 7.5, 12);
    hair.cubicTo(cx - 10, 17, cx - 9.5, 24, cx - 8.5, 28.5);
    hair.quadTo(cx - 7, 29.5, cx - 5.5, 28);
    hair.lineTo(cx + 5.5, 28);
    hair.quadTo(cx + 7, 29.5, cx + 8.5, 28.5);
    hair.cubicTo(cx + 9.5, 24, cx + 10, 17, cx + 7.5, 12);
    hair.closeSubpath();
  } else {
    hair.addEllipse(QPointF(cx, cy - 1), 8.2, 9.5);
  }
  Fill(p, hair, Shade(look.Hair, hair.boundingRect(), threeD));
  if (value == 11) {
    // Long strands.
    QPen strand(look.Hair.darker(160), 0.4);
    for (int side : {-1, 1})
      for (int k = 0; k < 3; ++k) {
        QPainterPath c;
        c.moveTo(cx + side * (6.5 + k * 0.8), 15 + k * 2);
        c.cubicTo(cx + side * (9 + k * 0.3), 22, cx + side * (7.5 + k), 28, cx + side * (9 + k * 0.6), 33.5);
        p.strokePath(c, strand);
      }
  } else if (value == 10) {
    // Curls at the ends.
    QPen curl(Ink, 0.4);
    for (int side : {-1, 1})
      for (int k = 0; k < 2; ++k) {
        QPainterPath c;
        const qreal y = 21 + k * 4;
        c.moveTo(cx + side * 7, y);
        c.quadTo(cx + side * 9.8, y + 1.5, cx + side * 7.8, y + 3.2);
        p.strokePath(c, curl);
      }
  }

  // Neck and face.
  Fill(p, Polygon({{cx - 2.6, 27}, {cx + 2.6, 27}, {cx + 3, 32}, {cx - 3, 32}}), Flesh, 0.5);
  QBrush skin = Flesh;
  if (threeD) {
    QRadialGradient g(QPointF(cx - 2, cy - 3), 10);
    g.setColorAt(0, Flesh.lighter(108));
    g.setColorAt(1, Flesh.darker(115));
    skin = g;
  }
  Fill(p, Ellipse(cx, cy, 6, 7.4), skin, 0.7);

  // Features: brows, eyes looking aside, nose, mouth, a touch of colour on the cheeks.
  QPen line(Ink, 0.5, Qt::SolidLine, Qt::RoundCap);
  QPainterPath brows;
  brows.moveTo(cx - 4.3, cy - 3.2);
  brows.quadTo(cx - 2.8, cy - 4.1, cx - 1.3, cy - 3.2);
  brows.moveTo(cx + 1.3, cy - 3.2);
  brows.quadTo(cx + 2.8, cy - 4.1, cx + 4.3, cy - 3.2);
  p.strokePath(brows, line);
  for (int side : {-1, 1}) {
    p.fillPath(Ellipse(cx + side * 2.8, cy - 1.6, 1.25, 0.8), White);
    p.fillPath(Ellipse(cx + side * 2.8 - 0.4, cy - 1.6, 0.65, 0.7), Ink);
    p.fillPath(Ellipse(cx + side * 3.6, cy + 2.6, 1.3, 0.9), QColor(0xF0, 0xA8, 0x98));
  }
  QPainterPath nose;
  nose.moveTo(cx - 0.2, cy - 1.5);
  nose.lineTo(cx - 0.9, cy + 1.8);
  nose.lineTo(cx + 0.6, cy + 2.1);
  p.strokePath(nose, QPen(Ink, 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath mouth;
  mouth.moveTo(cx - 1.7, cy + 4.1);
  mouth.quadTo(cx, cy + 5.1, cx + 1.7, cy + 4.1);
  mouth.quadTo(cx, cy + 4.4, cx - 1.7, cy + 4.1);
  Fill(p, mouth, Red, 0.3);

  if (value == 12) {
    // Moustache and a forked beard.
    QPainterPath beard;
    beard.moveTo(cx - 5.6, cy + 2);
    beard.cubicTo(cx - 5.5, cy + 8, cx - 3, cy + 11, cx - 0.8, cy + 12.5);
    beard.lineTo(cx, cy + 10.8);
    beard.lineTo(cx + 0.8, cy + 12.5);
    beard.cubicTo(cx + 3, cy + 11, cx + 5.5, cy + 8, cx + 5.6, cy + 2);
    beard.cubicTo(cx + 3.5, cy + 6.5, cx - 3.5, cy + 6.5, cx - 5.6, cy + 2);
    beard.closeSubpath();
    Fill(p, beard, Shade(look.Hair, beard.boundingRect(), threeD), 0.6);
    QPainterPath moustache;
    moustache.moveTo(cx, cy + 3);
    moustache.cubicTo(cx - 2, cy + 2.2, cx - 3.5, cy + 3.6, cx - 4.6, cy + 2.8);
    moustache.cubicTo(cx - 3.4, cy + 5, cx - 1.5, cy + 4.6, cx, cy + 3.8);
    moustache.cubicTo(cx + 1.5, cy + 4.6, cx + 3.4, cy + 5, cx + 4.6, cy + 2.8);
    moustache.cubicTo(cx + 3.5, cy + 3.6, cx + 2, cy + 2.2, cx, cy + 3);
    Fill(p, moustache, look.Hair.darker(130), 0.4);
  }
}

void DrawHeadgear(QPainter& p, int value, bool threeD, const TCourtLook& look) {
  const qreal cx = 28;
  const QColor jewel = look.Trim == Gold ? Red : look.Trim;
  if (value == 12) {
    // A crown of five points on a jewelled band.
    QPainterPath crown;
    crown.moveTo(cx - 8.5, 14.5);
    crown.lineTo(cx - 9.5, 5.5);
    crown.lineTo(cx - 5.5, 9.5);
    crown.lineTo(cx - 3.8, 3.8);
    crown.lineTo(cx - 1.6, 8.8);
    crown.lineTo(cx, 2.2);
    crown.lineTo(cx + 1.6, 8.8);
    crown.lineTo(cx + 3.8, 3.8);
    crown.lineTo(cx + 5.5, 9.5);
    crown.lineTo(cx + 9.5, 5.5);
    crown.lineTo(cx + 8.5, 14.5);
    crown.closeSubpath();
    Fill(p, crown, Shade(Gold, {cx - 9.5, 2, 19, 13}, threeD));
    Fill(p, Polygon({{cx - 8.7, 11.5}, {cx + 8.7, 11.5}, {cx + 8.5, 14.5}, {cx - 8.5, 14.5}}), Shade(jewel, {cx - 9, 11, 18, 4}, threeD), 0.5);
    for (qreal x : {-9.5, -3.8, 0.0, 3.8, 9.5}) Fill(p, Ellipse(cx + x, x == 0 ? 2.2 : (qAbs(x) > 5 ? 5.5 : 3.8), 1.05, 1.05), Gold, 0.4);
    for (qreal x : {-5.0, 0.0, 5.0}) Fill(p, Ellipse(cx + x, 13, 1.1, 1.0), x == 0 ? QColor(0x30, 0xA0, 0x50) : White, 0.35);
  } else if (value == 11) {
    // A small crown with a tall centre point, over a veil.
    QPainterPath veil;
    veil.moveTo(cx - 7, 12);
    veil.cubicTo(cx - 9, 10, cx - 4, 7.5, cx, 7.5);
    veil.cubicTo(cx + 4, 7.5, cx + 9, 10, cx + 7, 12);
    veil.closeSubpath();
    Fill(p, veil, Shade(look.Panel, {cx - 9, 7, 18, 6}, threeD), 0.5);
    QPainterPath crown;
    crown.moveTo(cx - 6.5, 13.2);
    crown.lineTo(cx - 7, 7);
    crown.lineTo(cx - 3.6, 10);
    crown.lineTo(cx, 3.5);
    crown.lineTo(cx + 3.6, 10);
    crown.lineTo(cx + 7, 7);
    crown.lineTo(cx + 6.5, 13.2);
    crown.closeSubpath();
    Fill(p, crown, Shade(Gold, {cx - 7, 3, 14, 10}, threeD));
    for (qreal x : {-7.0, 0.0, 7.0}) Fill(p, Ellipse(cx + x, x == 0 ? 3.5 : 7, 1.0, 1.0), x == 0 ? jewel : Gold, 0.35);
    Fill(p, Ellipse(cx, 11.2, 1.2, 1.1), jewel, 0.35);
  } else {
    // A soft cap with a band, worn a little to one side, and a feather.
    QPainterPath feather;
    feather.moveTo(cx + 4, 8);
    feather.cubicTo(cx + 8, 1.5, cx + 12, 0.8, cx + 15, 2.2);
    feather.cubicTo(cx + 12, 3.5, cx + 9, 6, cx + 6, 9.5);
    feather.closeSubpath();
    Fill(p, feather, look.Trim == Gold ? White : look.Trim, 0.5);
    QPainterPath quill;
    quill.moveTo(cx + 5, 8.8);
    quill.cubicTo(cx + 8.5, 4.5, cx + 11.5, 2.5, cx + 14.5, 2.3);
    p.strokePath(quill, QPen(Ink, 0.35));
    QPainterPath cap;
    cap.moveTo(cx - 9.5, 12.8);
    cap.cubicTo(cx - 11, 6, cx - 3, 2.8, cx + 2, 3.6);
    cap.cubicTo(cx + 8, 4.4, cx + 10.5, 8, cx + 9.5, 12.8);
    cap.closeSubpath();
    Fill(p, cap, Shade(look.Panel, {cx - 11, 3, 21, 10}, threeD));
    QPainterPath folds;
    folds.moveTo(cx - 5, 11.5);
    folds.quadTo(cx - 4, 7, cx - 1, 4.5);
    folds.moveTo(cx + 1, 11.5);
    folds.quadTo(cx + 2, 7.5, cx + 5, 5.5);
    p.strokePath(folds, QPen(Ink, 0.35));
    QPainterPath band;
    band.moveTo(cx - 9.8, 14.6);
    band.cubicTo(cx - 9.5, 11.2, cx + 9.5, 11.2, cx + 9.8, 14.6);
    band.cubicTo(cx + 6, 13.2, cx - 6, 13.2, cx - 9.8, 14.6);
    band.closeSubpath();
    Fill(p, band, Shade(look.Trim == look.Panel ? look.Robe : look.Trim, {cx - 10, 11, 20, 4}, threeD), 0.6);
    Fill(p, Ellipse(cx + 4.5, 12.2, 1.1, 1.1), look.Trim == Red ? White : Red, 0.35);
  }
}

// The upper half: costume, item, hand, head, headgear, then suit and letter.
void DrawHalf(QPainter& p, int value, int suit, bool threeD) {
  const TCourtLook look = LookOf(value, suit);
  p.save();
  if (look.Mirrored) {
    p.translate(DesignW, 0);
    p.scale(-1, 1);
  }
  const bool itemBehind = look.Item == Sword;
  if (itemBehind) DrawItem(p, look.Item, threeD, look);
  DrawRobe(p, value, threeD, look);
  if (!itemBehind) DrawItem(p, look.Item, threeD, look);
  // The hand that holds the item.
  Fill(p, Ellipse(13.4, 42.6, 2.4, 2.0), Flesh, 0.5);
  Fill(p, Polygon({{9.6, 44.2}, {17.2, 44.2}, {16.6, 46.6}, {10.2, 46.6}}), Shade(look.Trim, {9, 44, 8, 3}, threeD), 0.5);
  DrawHead(p, value, threeD, look);
  DrawHeadgear(p, value, threeD, look);
  p.restore();

  // Suit symbol and letter in the corners, on a white ground so they read at once.
  const QRectF symbolBox(2.8, 3, 8, 9);
  const QRectF letterBox(45.2, 3.2, 8, 9);
  DrawSuit(p, suit, symbolBox, threeD);
  QFont serif(QStringLiteral("Liberation Serif"));
  serif.setBold(true);
  serif.setPixelSize(40);
  const QString letter = value == 10 ? QStringLiteral("J") : value == 11 ? QStringLiteral("Q") : QStringLiteral("K");
  p.fillPath(TextPath(letter, serif, letterBox, false), SuitInk(suit));
}

}  // namespace

QImage DrawCourt(int size, bool threeD, int value, int suit) {
  const QSize pictureSize = CourtSize(size);
  QImage image = WhiteImage(pictureSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(pictureSize.width() / DesignW, pictureSize.height() / DesignH);

  // The cut between the halves runs slanted through the centre, so that turning the
  // picture round maps it onto itself.
  QPainterPath upper = Polygon({{0, 0}, {DesignW, 0}, {DesignW, 46}, {0, 56}});
  for (int half = 0; half < 2; ++half) {
    p.save();
    if (half == 1) {
      p.translate(DesignW, DesignH);
      p.rotate(180);
    }
    p.setClipPath(upper);
    DrawHalf(p, value, suit, threeD);
    p.restore();
  }
  const QColor frame = SuitInk(suit);
  QPainterPath cut;
  cut.moveTo(1, 55.8);
  cut.lineTo(DesignW - 1, 46.2);
  p.strokePath(cut, QPen(frame, 0.9));
  QPainterPath border;
  border.addRect(QRectF(0.6, 0.6, DesignW - 1.2, DesignH - 1.2));
  p.strokePath(border, QPen(frame, 1.1));
  p.end();
  return image;
}

QImage DrawAceOfSpades(int size, bool threeD) {
  const QSize pictureSize = CourtSize(size);
  QImage image = WhiteImage(pictureSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(pictureSize.width() / DesignW, pictureSize.height() / DesignH);

  // A large spade in a ring of small ones, with a white inline and a star at its heart.
  const QRectF box(11, 27, 34, 40);
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  const QPainterPath spade = t.map(SuitPath(3));
  QBrush ink = Ink;
  if (threeD) {
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, QColor(0x70, 0x78, 0x90));
    g.setColorAt(0.5, QColor(0x18, 0x18, 0x22));
    g.setColorAt(1, QColor(0x02, 0x02, 0x06));
    ink = g;
  }
  p.fillPath(spade, ink);
  QTransform inner;
  inner.translate(28, 46);
  inner.scale(0.84, 0.84);
  inner.translate(-28, -46);
  p.strokePath(inner.map(spade), QPen(White, 0.7));

  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal a = qDegreesToRadians(i * 36.0 - 90);
    const qreal r = (i % 2) ? 1.7 : 4.2;
    const QPointF pt(28 + r * qCos(a), 46 + r * qSin(a));
    if (i == 0) star.moveTo(pt); else star.lineTo(pt);
  }
  star.closeSubpath();
  p.fillPath(star, White);

  // A laurel wreath round the spade, tied below.
  const QPointF wreath(28, 51);
  const QColor leafInk = threeD ? QColor(0x2A, 0x30, 0x3C) : Ink;
  const qreal rx = 24.5, ry = 30;
  for (int side : {-1, 1}) {
    // Each branch grows from the tie below up one side; leaves point along it.
    auto at = [&](qreal deg) {
      const qreal a = qDegreesToRadians(deg);
      return QPointF(wreath.x() + side * rx * qCos(a), wreath.y() + ry * qSin(a));
    };
    auto heading = [&](qreal deg) {
      const qreal a = qDegreesToRadians(deg);
      return qRadiansToDegrees(qAtan2(ry * qCos(a), side * -rx * qSin(a)));
    };
    QPainterPath twig;
    twig.moveTo(at(100));
    for (qreal deg = 104; deg <= 236; deg += 4) twig.lineTo(at(deg));
    p.strokePath(twig, QPen(leafInk, 0.6));
    for (int k = 0; k < 9; ++k) {
      const qreal deg = 112 + k * 14.5;
      for (int out : {-1, 1}) {
        QTransform t;
        t.translate(at(deg).x(), at(deg).y());
        t.rotate(heading(deg) + out * 38);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(1.2, -1.2, 3.4, -1.2, 4.4, 0);
        leaf.cubicTo(3.4, 1.2, 1.2, 1.2, 0, 0);
        p.fillPath(t.map(leaf), leafInk);
      }
    }
  }
  QPainterPath bow;
  bow.addEllipse(QPointF(28, 81.5), 1.4, 1.2);
  p.fillPath(bow, Ink);

  QFont serif(QStringLiteral("Liberation Serif"));
  serif.setBold(true);
  serif.setPixelSize(40);
  p.fillPath(TextPath(QStringLiteral("PELLAMY"), serif, QRectF(15, 88, 26, 5), false), Ink);
  p.end();
  return image;
}

}  // namespace CardArt
