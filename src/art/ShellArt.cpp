#include "art/ShellArt.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "art/GameNames.h"
#include "art/PngCodec.h"

namespace {

QPainterPath Diamond(QPointF c, double rx, double ry) {
  QPainterPath p;
  p.moveTo(c.x(), c.y() - ry);
  p.lineTo(c.x() + rx, c.y());
  p.lineTo(c.x(), c.y() + ry);
  p.lineTo(c.x() - rx, c.y());
  p.closeSubpath();
  return p;
}

// The jester: a three-pointed cap with bells, a ruff, a harlequin suit. lean -1 looks and
// leans left, +1 right, 0 stands straight.
QImage DrawJester(int lean) {
  QImage img(68, 97, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor red(196, 30, 45), gold(238, 186, 40), green(32, 120, 64), ink(40, 24, 16);
  const QColor skin(250, 214, 178);
  p.setPen(QPen(ink, 1.0));

  // Legs and shoes stay put; the body turns about the hips.
  p.setBrush(red);
  p.drawRect(QRectF(25, 70, 8, 19));
  p.setBrush(green);
  p.drawRect(QRectF(35, 70, 8, 19));
  p.setBrush(gold);
  QPainterPath shoeL;
  shoeL.moveTo(33, 88); shoeL.lineTo(18, 88); shoeL.quadTo(14, 84, 17, 83); shoeL.lineTo(25, 92);
  shoeL.lineTo(33, 92); shoeL.closeSubpath();
  p.drawPath(shoeL);
  QPainterPath shoeR;
  shoeR.moveTo(35, 88); shoeR.lineTo(50, 88); shoeR.quadTo(54, 84, 51, 83); shoeR.lineTo(43, 92);
  shoeR.lineTo(35, 92); shoeR.closeSubpath();
  p.drawPath(shoeR);

  p.save();
  p.translate(34, 70);
  p.rotate(lean * 9.0);
  p.translate(-34, -70);

  // Arms, one raised holding a bauble stick, the other on the hip.
  p.setBrush(green);
  QPainterPath armL;
  armL.moveTo(24, 44); armL.quadTo(14, 46, 12, 34); armL.lineTo(17, 32); armL.quadTo(19, 41, 25, 39);
  armL.closeSubpath();
  p.drawPath(armL);
  p.setBrush(red);
  QPainterPath armR;
  armR.moveTo(44, 42); armR.quadTo(53, 50, 46, 60); armR.lineTo(42, 57); armR.quadTo(46, 51, 42, 47);
  armR.closeSubpath();
  p.drawPath(armR);
  p.setPen(QPen(ink, 1.6));
  p.drawLine(QPointF(14, 33), QPointF(10, 16));
  p.setPen(QPen(ink, 1.0));
  p.setBrush(gold);
  p.drawEllipse(QPointF(10, 14), 3.2, 3.2);
  p.setBrush(skin);
  p.drawEllipse(QPointF(14.5, 33), 2.6, 2.6);

  // Body: quartered harlequin suit with gold diamonds.
  QPainterPath body;
  body.moveTo(24, 40); body.lineTo(44, 40); body.lineTo(45, 71); body.lineTo(23, 71); body.closeSubpath();
  p.setBrush(red);
  p.drawPath(body);
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(green);
  p.drawRect(QRectF(34, 40, 12, 16));
  p.drawRect(QRectF(22, 56, 12, 16));
  p.setBrush(gold);
  p.drawPath(Diamond(QPointF(34, 56), 4, 6));
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  p.setBrush(gold);
  p.drawRect(QRectF(23, 66, 22, 3));

  // Ruff collar of points.
  QPainterPath ruff;
  ruff.moveTo(21, 38);
  for (int i = 0; i < 6; ++i) {
    const double x = 21 + i * 4.5;
    ruff.lineTo(x + 2.25, 45);
    ruff.lineTo(x + 4.5, 38);
  }
  ruff.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(ruff);

  // Head, looking the way he leans.
  const double look = lean * 1.5;
  p.setBrush(skin);
  p.drawEllipse(QPointF(34, 30), 8, 8.5);
  p.setBrush(ink);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(31 + look, 29), 1.1, 1.3);
  p.drawEllipse(QPointF(37 + look, 29), 1.1, 1.3);
  p.setBrush(QColor(235, 120, 120));
  p.drawEllipse(QPointF(29, 33), 1.8, 1.2);
  p.drawEllipse(QPointF(39, 33), 1.8, 1.2);
  p.setPen(QPen(ink, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(30 + look, 30, 8, 6), 200 * 16, 140 * 16);

  // Cap: three floppy points, the bells swinging against the lean.
  const double swing = -lean * 3.0;
  p.setBrush(red);
  QPainterPath capL;
  capL.moveTo(26, 25); capL.quadTo(18, 12, 8 + swing, 15); capL.quadTo(20, 17, 31, 22); capL.closeSubpath();
  p.drawPath(capL);
  p.setBrush(green);
  QPainterPath capM;
  capM.moveTo(29, 22); capM.quadTo(32, 4, 36 + swing, 2); capM.quadTo(38, 12, 40, 22); capM.closeSubpath();
  p.drawPath(capM);
  p.setBrush(red);
  QPainterPath capR;
  capR.moveTo(37, 22); capR.quadTo(48, 17, 60 + swing, 15); capR.quadTo(50, 12, 42, 25); capR.closeSubpath();
  p.drawPath(capR);
  p.setBrush(gold);
  p.drawRoundedRect(QRectF(25, 21, 18, 5), 2, 2);
  for (QPointF bell : {QPointF(8 + swing, 15), QPointF(36 + swing, 2.5), QPointF(60 + swing, 15)})
    p.drawEllipse(bell, 2.6, 2.6);
  p.restore();
  p.end();
  return img;
}

// A table-green preview with the game's name; games replace it with their real layout.
QImage DrawPlaceholderPreview(int index) {
  QImage img(155, 105, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient felt(77, 52, 110);
  felt.setColorAt(0, QColor(0, 128, 64));
  felt.setColorAt(1, QColor(0, 80, 40));
  p.fillRect(img.rect(), felt);
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.drawRect(img.rect().adjusted(3, 3, -4, -4));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(15);
  font.setBold(true);
  p.setFont(font);
  const QRect textRect = img.rect().adjusted(6, 6, -6, -6);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(textRect.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, GameListName(index));
  p.setPen(QColor(255, 240, 190));
  p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, GameListName(index));
  p.end();
  return img;
}

// The tip picture: a light bulb on the key colour the tip dialog makes transparent.
QImage DrawTipPicture() {
  QImage img(32, 40, QImage::Format_RGB32);
  img.fill(QColor(255, 0, 255));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  QRadialGradient glass(14, 12, 14);
  glass.setColorAt(0, QColor(255, 255, 210));
  glass.setColorAt(1, QColor(250, 205, 40));
  p.setPen(QPen(QColor(120, 90, 0), 1));
  p.setBrush(glass);
  p.drawEllipse(QRect(4, 2, 24, 24));
  p.setBrush(QColor(250, 205, 40));
  p.drawRect(QRect(11, 24, 10, 4));
  p.setBrush(QColor(150, 150, 160));
  p.drawRect(QRect(11, 28, 10, 7));
  p.setPen(QColor(90, 90, 100));
  p.drawLine(11, 31, 21, 31);
  p.drawLine(11, 33, 21, 33);
  p.setPen(QPen(QColor(200, 120, 0), 1));
  p.drawLine(13, 18, 16, 10);
  p.drawLine(16, 10, 19, 18);
  p.end();
  return img;
}

// The program icon: two fanned cards with a heart and a spade.
QImage DrawMainIcon() {
  QImage img(48, 48, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(18);
  font.setBold(true);
  p.setFont(font);
  const struct { double Angle; QColor Ink; const char* Text; } cards[2] = {
      {-14, QColor(20, 20, 20), "\u2660"}, {12, QColor(200, 20, 30), "\u2665"}};
  for (const auto& card : cards) {
    p.save();
    p.translate(24, 40);
    p.rotate(card.Angle);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-13, -36, 26, 36), 3, 3);
    p.setPen(card.Ink);
    p.drawText(QRectF(-13, -34, 26, 32), Qt::AlignCenter, QString::fromUtf8(card.Text));
    p.restore();
  }
  p.end();
  return img;
}

QImage DrawNamed(const QString& name, bool* known) {
  *known = true;
  if (name == QLatin1String("JESTER")) return DrawJester(0);
  if (name == QLatin1String("JESTERLEFT")) return DrawJester(-1);
  if (name == QLatin1String("JESTERRIGHT")) return DrawJester(1);
  if (name == QLatin1String("TIPBMP")) return DrawTipPicture();
  if (name == QLatin1String("MAINICON")) return DrawMainIcon();
  bool numeric = false;
  const int id = name.toInt(&numeric);
  if (numeric && id >= 1000 && id < 1030) return DrawPlaceholderPreview(id - 1000);
  *known = false;
  return {};
}

QMutex CacheLock;
QHash<QString, QByteArray>& Cache() {
  static QHash<QString, QByteArray> cache;
  return cache;
}

}  // namespace

static std::function<QImage()> PreviewRenderers[GameCount];

QByteArray PngResource(const QString& name) {
  QMutexLocker lock(&CacheLock);
  auto it = Cache().constFind(name);
  if (it != Cache().constEnd()) return *it;
  bool numeric = false;
  const int game = name.toInt(&numeric) - 1000;
  if (numeric && game >= 0 && game < GameCount && PreviewRenderers[game]) {
    // Drawing a game's deal builds a window, which may load pictures of its own.
    const std::function<QImage()> render = PreviewRenderers[game];
    lock.unlock();
    const QImage picture = render();
    lock.relock();
    if (!picture.isNull()) {
      const QByteArray png = EncodePng(picture);
      Cache().insert(name, png);
      return png;
    }
  }
  bool known = false;
  const QImage picture = DrawNamed(name, &known);
  if (!known) return {};
  const QByteArray png = EncodePng(picture);
  Cache().insert(name, png);
  return png;
}

QImage LoadPngResource(const QString& name) { return DecodePng(PngResource(name)); }

void SetPreviewRenderer(int gameIndex, std::function<QImage()> render) {
  if (gameIndex < 0 || gameIndex >= GameCount) return;
  QMutexLocker lock(&CacheLock);
  PreviewRenderers[gameIndex] = std::move(render);
  Cache().remove(QString::number(1000 + gameIndex));
}

void SetPreviewPicture(int gameIndex, const QImage& picture) {
  if (gameIndex < 0 || gameIndex >= 30 || picture.isNull()) return;
  QMutexLocker lock(&CacheLock);
  Cache().insert(QString::number(1000 + gameIndex), EncodePng(picture));
}
