// The nine built-in card back designs, the selection brush and the back previews.
//
// A design is drawn in design units on a 68 x 115 field (the large size) and scaled to
// the size asked for, so all three sizes show the same picture. The design is AND-ed onto
// the white card outline, which leaves the card's white rim around it.
//
// In a fan of face-down cards only the outer 2.7 units of a design show below the rim of a
// covered card, so every design runs its pattern right to its edge and keeps its frame lines
// at FrameInset or further in: a covered strip then reads as a back, not as a blank card.
//   1 blue lattice       2 red rings          3 green tartan
//   4 starry night       5 sea waves          6 gold sunburst
//   7 honeycomb          8 royal rosette (the default back)   9 suits on green

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "art/CardArt.h"
#include "art/CardArtParts.h"

namespace CardArt {

namespace {

constexpr qreal W = 68, H = 115;
const QRectF Field(0, 0, W, H);

const QColor Gold(0xE2, 0xB4, 0x3C);
const QColor Cream(0xF6, 0xEE, 0xD8);

// Where the frame of a design lies: just inside what a covered card leaves in view.
constexpr qreal FrameInset = 4;

QPainterPath RoundedField(qreal inset, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(Field.adjusted(inset, inset, -inset, -inset), radius, radius);
  return path;
}

void Frame(QPainter& p, qreal inset, const QColor& colour, qreal width, qreal radius = 2.5) {
  p.strokePath(RoundedField(inset, radius), QPen(colour, width));
}

// A frame line on a plain band of the ground colour, so it stands clear of the pattern.
void BandedFrame(QPainter& p, const QColor& ground, qreal bandWidth, const QColor& line, qreal lineWidth,
                 qreal radius = 2.5) {
  Frame(p, FrameInset, ground, bandWidth, radius);
  Frame(p, FrameInset, line, lineWidth, radius);
}

QPainterPath Suit(int suit, const QRectF& box) {
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  return t.map(SuitPath(suit));
}

// Repeatable pseudo-random sequence for scattered details.
class TScatter {
public:
  explicit TScatter(quint32 seed) : FState(seed) {}
  qreal Next() {
    FState = FState * 1664525u + 1013904223u;
    return (FState >> 8) / qreal(1 << 24);
  }

private:
  quint32 FState;
};

// 1: navy with a light diamond lattice, dots at the crossings and a light inner frame.
void BlueLattice(QPainter& p) {
  const QColor navy(0x1C, 0x35, 0x78);
  p.fillRect(Field, navy);
  const qreal step = 6;
  QPen line(QColor(0x78, 0x98, 0xD8), 0.7);
  for (qreal d = -H; d < W + H; d += step) {
    p.strokePath(Line({d, 0}, {d + H, H}), line);
    p.strokePath(Line({d, H}, {d + H, 0}), line);
  }
  for (qreal y = 0; y <= H + step; y += step / 2)
    for (qreal x = (int(y / (step / 2)) % 2) ? step / 2 : 0; x <= W + step; x += step) {
      QPainterPath dot;
      dot.addEllipse(QPointF(x + 1.5, y), 0.9, 0.9);
      p.fillPath(dot, QColor(0xC8, 0xD6, 0xF4));
    }
  BandedFrame(p, navy, 2.6, QColor(0xC8, 0xD6, 0xF4), 0.9);
}

// 2: crimson with interlaced rings and a gold frame.
void RedRings(QPainter& p) {
  const QColor crimson(0x9C, 0x14, 0x24);
  p.fillRect(Field, crimson);
  const qreal r = 4.2;
  QPen ring(QColor(0xD8, 0x58, 0x62), 0.65);
  for (qreal y = 0; y <= H + r; y += r)
    for (qreal x = 0; x <= W + r; x += r) {
      QPainterPath c;
      c.addEllipse(QPointF(x, y), r, r);
      p.strokePath(c, ring);
    }
  // A plain oval in the centre, as on many classic backs.
  QPainterPath oval;
  oval.addEllipse(QPointF(W / 2, H / 2), 13, 18);
  p.fillPath(oval, crimson);
  p.strokePath(oval, QPen(Gold, 1.2));
  QPainterPath inner;
  inner.addEllipse(QPointF(W / 2, H / 2), 10.5, 15.5);
  p.strokePath(inner, QPen(Gold, 0.5));
  p.fillPath(Suit(2, QRectF(W / 2 - 6, H / 2 - 6.5, 12, 13)), Gold);
  BandedFrame(p, crimson, 2.6, Gold, 1.0);
}

// 3: tartan of green and navy bands with red and yellow threads.
void Tartan(QPainter& p) {
  p.fillRect(Field, QColor(0x17, 0x5A, 0x34));
  const QColor navy(0x10, 0x20, 0x50, 150);
  const qreal sett = 17;
  for (int pass = 0; pass < 2; ++pass) {
    for (qreal o = -sett; o < H + sett; o += sett) {
      auto band = [&](qreal at, qreal width, const QColor& colour) {
        if (pass == 0)
          p.fillRect(QRectF(at, 0, width, H), colour);
        else
          p.fillRect(QRectF(0, at, W, width), colour);
      };
      band(o + 2, 7, navy);
      band(o + 11, 1.0, QColor(0xC8, 0x20, 0x28, 220));
      band(o + 14.5, 0.6, QColor(0xF0, 0xD0, 0x40, 220));
      band(o + 0.5, 0.6, QColor(0x0A, 0x0A, 0x0A, 120));
    }
  }
  // A woven look: fine diagonal twill.
  QPen twill(QColor(0, 0, 0, 40), 0.5);
  for (qreal d = -H; d < W + H; d += 1.6)
    p.strokePath(Line({d, 0}, {d + H, H}), twill);
  BandedFrame(p, QColor(0x10, 0x3A, 0x24), 2.4, Cream, 0.7);
}

// 4: night sky over hills with a crescent moon and stars.
void StarryNight(QPainter& p) {
  QLinearGradient sky(0, 0, 0, H);
  sky.setColorAt(0, QColor(0x0A, 0x10, 0x38));
  sky.setColorAt(0.6, QColor(0x2A, 0x20, 0x68));
  sky.setColorAt(1, QColor(0x5A, 0x34, 0x80));
  p.fillRect(Field, sky);
  TScatter scatter(4);
  for (int i = 0; i < 70; ++i) {
    const QPointF at(scatter.Next() * W, scatter.Next() * H * 0.8);
    const qreal r = 0.35 + scatter.Next() * 0.55;
    QPainterPath star;
    star.addEllipse(at, r, r);
    p.fillPath(star, QColor(0xFF, 0xF4, 0xD0, 150 + int(scatter.Next() * 105)));
  }
  for (int i = 0; i < 6; ++i) {
    // A few brighter four-pointed stars.
    const QPointF c(6 + scatter.Next() * (W - 12), 6 + scatter.Next() * H * 0.6);
    QPainterPath sparkle;
    const qreal a = 2.4, b = 0.45;
    sparkle.moveTo(c.x(), c.y() - a);
    sparkle.lineTo(c.x() + b, c.y() - b);
    sparkle.lineTo(c.x() + a, c.y());
    sparkle.lineTo(c.x() + b, c.y() + b);
    sparkle.lineTo(c.x(), c.y() + a);
    sparkle.lineTo(c.x() - b, c.y() + b);
    sparkle.lineTo(c.x() - a, c.y());
    sparkle.lineTo(c.x() - b, c.y() - b);
    sparkle.closeSubpath();
    p.fillPath(sparkle, QColor(0xFF, 0xF8, 0xE0));
  }
  QPainterPath moon;
  moon.addEllipse(QPointF(48, 22), 9, 9);
  QPainterPath bite;
  bite.addEllipse(QPointF(52.5, 18.5), 8, 8);
  QRadialGradient glow(QPointF(48, 22), 16);
  glow.setColorAt(0, QColor(0xFF, 0xF0, 0xB0, 90));
  glow.setColorAt(1, QColor(0xFF, 0xF0, 0xB0, 0));
  p.fillRect(QRectF(30, 4, 36, 36), glow);
  p.fillPath(moon.subtracted(bite), QColor(0xFF, 0xEC, 0xA0));
  QPainterPath far;
  far.moveTo(0, 92);
  far.cubicTo(14, 82, 26, 86, 38, 90);
  far.cubicTo(50, 84, 60, 83, W, 88);
  far.lineTo(W, H);
  far.lineTo(0, H);
  far.closeSubpath();
  p.fillPath(far, QColor(0x26, 0x1C, 0x4A));
  QPainterPath near;
  near.moveTo(0, 101);
  near.cubicTo(18, 94, 36, 104, 50, 99);
  near.cubicTo(58, 96, 64, 97, W, 99);
  near.lineTo(W, H);
  near.lineTo(0, H);
  near.closeSubpath();
  p.fillPath(near, QColor(0x12, 0x0C, 0x28));
  Frame(p, FrameInset, QColor(0xFF, 0xEC, 0xA0), 0.8);
}

// 5: overlapping fans of waves in indigo and white.
void SeaWaves(QPainter& p) {
  const QColor deep(0x14, 0x3C, 0x78), mid(0x3A, 0x78, 0xBC), foam(0xE4, 0xF0, 0xFA);
  p.fillRect(Field, deep);
  const qreal r = 7;
  int row = 0;
  for (qreal y = -r; y <= H + r; y += r / 2, ++row) {
    const qreal shift = (row % 2) ? r : 0;
    for (qreal x = -2 * r + shift; x <= W + 2 * r; x += 2 * r) {
      for (int k = 0; k < 4; ++k) {
        const qreal rr = r * (1.0 - k * 0.23);
        QPainterPath fan;
        fan.addEllipse(QPointF(x, y), rr, rr);
        p.fillPath(fan, k == 0 ? deep : k == 2 ? mid : deep);
        p.strokePath(fan, QPen(foam, k == 0 ? 0.7 : 0.45));
      }
    }
  }
  BandedFrame(p, deep, 2.6, foam, 0.9);
}

// 6: gold rays from a ringed centre on black, art-deco style, with stepped corners.
void Sunburst(QPainter& p) {
  p.fillRect(Field, QColor(0x14, 0x14, 0x18));
  const QPointF c(W / 2, H / 2);
  for (int i = 0; i < 36; ++i) {
    const qreal a = qDegreesToRadians(i * 10.0), b = qDegreesToRadians(i * 10.0 + 5);
    QPainterPath ray;
    ray.moveTo(c);
    ray.lineTo(c + QPointF(qCos(a), qSin(a)) * 90);
    ray.lineTo(c + QPointF(qCos(b), qSin(b)) * 90);
    ray.closeSubpath();
    p.fillPath(ray, QColor(0xB8, 0x8A, 0x2A));
  }
  QRadialGradient fade(c, 60);
  fade.setColorAt(0, QColor(0x14, 0x14, 0x18, 0));
  fade.setColorAt(0.3, QColor(0x14, 0x14, 0x18, 60));
  fade.setColorAt(1, QColor(0x14, 0x14, 0x18, 130));
  p.fillRect(Field, fade);
  for (qreal r : {15.0, 12.0}) {
    QPainterPath ring;
    ring.addEllipse(c, r, r);
    p.fillPath(ring, r > 14 ? Gold : QColor(0x14, 0x14, 0x18));
  }
  for (int s = 0; s < 4; ++s) {
    const qreal a = qDegreesToRadians(s * 90.0 - 90);
    const QPointF at = c + QPointF(qCos(a), qSin(a)) * 5.5;
    p.fillPath(Suit(s, QRectF(at.x() - 3, at.y() - 3.3, 6, 6.6)), Gold);
  }
  Frame(p, FrameInset, QColor(0x14, 0x14, 0x18), 2.6, 1);
  Frame(p, FrameInset, Gold, 1.0, 1);
  const qreal in = FrameInset + 2;
  Frame(p, in, Gold, 0.5, 1);
  for (const QPointF corner : {QPointF(in, in), QPointF(W - in, in), QPointF(in, H - in), QPointF(W - in, H - in)}) {
    const qreal sx = corner.x() < W / 2 ? 1 : -1, sy = corner.y() < H / 2 ? 1 : -1;
    for (int k = 1; k <= 3; ++k)
      p.fillRect(QRectF(corner.x(), corner.y(), sx * k * 2.2, sy * (8 - k * 2.2)).normalized(), Gold);
  }
}

// 7: a honeycomb of amber cells with darker walls.
void Honeycomb(QPainter& p) {
  p.fillRect(Field, QColor(0x7A, 0x3E, 0x0C));
  const qreal r = 4.4;
  const qreal dx = r * qSqrt(3.0), dy = r * 1.5;
  int row = 0;
  for (qreal y = -r; y <= H + r; y += dy, ++row) {
    for (qreal x = (row % 2) ? dx / 2 : 0; x <= W + dx; x += dx) {
      QPolygonF hex;
      for (int k = 0; k < 6; ++k) {
        const qreal a = qDegreesToRadians(60.0 * k - 30);
        hex << QPointF(x + r * 0.86 * qCos(a), y + r * 0.86 * qSin(a));
      }
      QPainterPath cell;
      cell.addPolygon(hex);
      cell.closeSubpath();
      QLinearGradient honey(x, y - r, x, y + r);
      honey.setColorAt(0, QColor(0xFF, 0xCC, 0x48));
      honey.setColorAt(1, QColor(0xE0, 0x8C, 0x10));
      p.fillPath(cell, honey);
    }
  }
  BandedFrame(p, QColor(0x5A, 0x2C, 0x08), 2.4, Cream, 0.6);
}

// 8: the default back: deep blue with a fine trellis, a double gold frame, corner
// fleurons and a rosette medallion in the centre.
void RoyalRosette(QPainter& p) {
  QRadialGradient field(QPointF(W / 2, H / 2), 70);
  field.setColorAt(0, QColor(0x24, 0x46, 0x94));
  field.setColorAt(1, QColor(0x10, 0x24, 0x5C));
  p.fillRect(Field, field);

  QPen trellis(QColor(0x5A, 0x7C, 0xC4, 170), 0.5);
  const qreal step = 4;
  for (qreal d = -H; d < W + H; d += step) {
    p.strokePath(Line({d, 0}, {d + H, H}), trellis);
    p.strokePath(Line({d, H}, {d + H, 0}), trellis);
  }
  // Small gold quatrefoils scattered on a wide diagonal grid.
  for (qreal y = 12; y < H; y += 12)
    for (qreal x = (int(y / 12) % 2) ? 12 : 6; x < W; x += 12) {
      QPainterPath dot;
      for (int k = 0; k < 4; ++k) {
        const qreal a = qDegreesToRadians(90.0 * k);
        dot.addEllipse(QPointF(x + qCos(a) * 0.9, y + qSin(a) * 0.9), 0.7, 0.7);
      }
      p.fillPath(dot, QColor(0xD8, 0xB0, 0x50));
    }

  // The double frame on a plain band, the trellis running on outside it to the edge.
  const qreal in = FrameInset + 2.6;
  p.strokePath(RoundedField((FrameInset + in) / 2, 2), QPen(QBrush(field), in - FrameInset + 2.2));
  Frame(p, FrameInset, Gold, 1.1, 2.5);
  Frame(p, in, Gold, 0.5, 1.5);

  // Corner ornaments: a leaf pointing inwards between two scrolls along the edges.
  const qreal o = in + 0.4;
  for (const QPointF corner : {QPointF(o, o), QPointF(W - o, o), QPointF(o, H - o), QPointF(W - o, H - o)}) {
    const qreal sx = corner.x() < W / 2 ? 1 : -1, sy = corner.y() < H / 2 ? 1 : -1;
    QTransform t;
    t.translate(corner.x(), corner.y());
    t.scale(sx, sy);
    QPainterPath leaf;
    leaf.moveTo(1.2, 1.2);
    leaf.cubicTo(5, 1.8, 8.2, 4.6, 8.2, 8.2);
    leaf.cubicTo(4.6, 8.2, 1.8, 5, 1.2, 1.2);
    leaf.closeSubpath();
    p.fillPath(t.map(leaf), Gold);
    QPainterPath scrolls;
    scrolls.moveTo(2.5, 1.3);
    scrolls.cubicTo(6.5, 0.6, 10.5, 1.2, 11.5, 3.6);
    scrolls.cubicTo(11.9, 4.8, 10.6, 5.4, 10.0, 4.4);
    scrolls.moveTo(1.3, 2.5);
    scrolls.cubicTo(0.6, 6.5, 1.2, 10.5, 3.6, 11.5);
    scrolls.cubicTo(4.8, 11.9, 5.4, 10.6, 4.4, 10.0);
    p.strokePath(t.map(scrolls), QPen(Gold, 0.7, Qt::SolidLine, Qt::RoundCap));
    QPainterPath vein;
    vein.moveTo(2, 2);
    vein.lineTo(7, 7);
    p.strokePath(t.map(vein), QPen(QColor(0x8A, 0x60, 0x18), 0.35));
    QPainterPath bud;
    bud.addEllipse(QPointF(9.4, 9.4), 1.1, 1.1);
    p.fillPath(t.map(bud), QColor(0xC0, 0x28, 0x30));
  }

  // The medallion: gold rim, a sixteen-petal rosette in red and gold, a blue heart.
  const QPointF c(W / 2, H / 2);
  QPainterPath medallion;
  medallion.addEllipse(c, 19, 25);
  p.fillPath(medallion, QColor(0x10, 0x24, 0x5C));
  p.strokePath(medallion, QPen(Gold, 1.2));
  QPainterPath rim;
  rim.addEllipse(c, 16.8, 22.8);
  p.strokePath(rim, QPen(Gold, 0.45));
  for (int k = 0; k < 24; ++k) {
    const qreal a = qDegreesToRadians(15.0 * k);
    QPainterPath bead;
    bead.addEllipse(c + QPointF(qCos(a) * 17.9, qSin(a) * 23.9), 0.55, 0.55);
    p.fillPath(bead, Gold);
  }
  for (int ring = 0; ring < 2; ++ring) {
    const int petals = 16;
    const qreal length = ring == 0 ? 14.5 : 9.5, width = ring == 0 ? 2.9 : 2.3;
    for (int k = 0; k < petals; ++k) {
      const qreal angle = 360.0 / petals * k + (ring ? 360.0 / petals / 2 : 0);
      QTransform t;
      t.translate(c.x(), c.y());
      t.rotate(angle);
      QPainterPath petal;
      petal.moveTo(0, 0);
      petal.cubicTo(width, -length * 0.35, width * 0.8, -length * 0.8, 0, -length);
      petal.cubicTo(-width * 0.8, -length * 0.8, -width, -length * 0.35, 0, 0);
      const QPainterPath shape = t.map(petal);
      QColor fill = ring == 0 ? ((k % 2) ? QColor(0xC8, 0x2A, 0x34) : Gold) : ((k % 2) ? Gold : QColor(0xE0, 0x50, 0x50));
      p.fillPath(shape, fill);
      p.strokePath(shape, QPen(QColor(0x5A, 0x30, 0x10), 0.3));
    }
  }
  QPainterPath heart;
  heart.addEllipse(c, 3.6, 3.6);
  p.fillPath(heart, Gold);
  QPainterPath centre;
  centre.addEllipse(c, 2.2, 2.2);
  p.fillPath(centre, QColor(0x1C, 0x3C, 0x8C));
  QPainterPath spark;
  spark.addEllipse(c + QPointF(-0.7, -0.7), 0.6, 0.6);
  p.fillPath(spark, QColor(0xC0, 0xD8, 0xFF));
}

// 9: rows of the four suits in cream on green inside a frame, a chain of small lozenges
// round the edge.
void SuitsOnGreen(QPainter& p) {
  const QColor green(0x0E, 0x5C, 0x3A), blush(0xF0, 0xC8, 0x9C);
  p.fillRect(Field, green);
  const qreal edge = 1.45;
  auto lozenge = [&](QPointF c, int k) {
    QPainterPath l;
    l.moveTo(c.x(), c.y() - 1.25);
    l.lineTo(c.x() + 1.0, c.y());
    l.lineTo(c.x(), c.y() + 1.25);
    l.lineTo(c.x() - 1.0, c.y());
    l.closeSubpath();
    p.fillPath(l, k % 2 ? blush : Cream);
  };
  const int across = 20, down = 34;
  for (int i = 0; i <= across; ++i) {
    const qreal x = edge + i * (W - 2 * edge) / across;
    lozenge({x, edge}, i);
    lozenge({x, H - edge}, i);
  }
  for (int j = 1; j < down; ++j) {
    const qreal y = edge + j * (H - 2 * edge) / down;
    lozenge({edge, y}, j);
    lozenge({W - edge, y}, j);
  }
  // Ten rows, five and four suits by turns, centred inside the frame.
  for (int row = 0; row < 10; ++row) {
    const qreal y = 6.8 + row * 10.4;
    const int count = row % 2 ? 4 : 5;
    for (int col = 0; col < count; ++col) {
      const qreal x = (row % 2 ? 14 : 8.5) + col * 11;
      const int suit = (col + row * 2) % 4;
      p.fillPath(Suit(suit, QRectF(x, y, 7, 7.8)), (suit == 1 || suit == 2) ? blush : Cream);
    }
  }
  Frame(p, FrameInset, Cream, 0.8);
}

}  // namespace

QImage DrawBack(int size, int number) {
  const QSize s = BackDesignSize(size);
  QImage image = WhiteImage(s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s.width() / W, s.height() / H);
  switch (number) {
    case 1: BlueLattice(p); break;
    case 2: RedRings(p); break;
    case 3: Tartan(p); break;
    case 4: StarryNight(p); break;
    case 5: SeaWaves(p); break;
    case 6: Sunburst(p); break;
    case 7: Honeycomb(p); break;
    case 8: RoyalRosette(p); break;
    default: SuitsOnGreen(p); break;
  }
  p.end();
  return image;
}

QImage DrawSelectionBrush() {
  // A light blue wash with a faint stipple; AND-ed over a face it tints the paper and
  // leaves the dark ink dark.
  QImage image(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      image.setPixel(x, y, ((x + y) % 4 == 0) ? qRgb(0x9C, 0xBC, 0xF4) : qRgb(0xB4, 0xD0, 0xFC));
  return image;
}

QImage DrawBackPreview(int number) {
  QImage preview = CardArtBitmap(QStringLiteral("CS_BORDER"));
  const QImage design = CardArtBitmap(QStringLiteral("CS_BACK%1").arg(number));
  QPainter p(&preview);
  p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  p.drawImage(6, 5, design);
  p.end();
  return preview;
}

}  // namespace CardArt
