#include "art/CardArt.h"

#include <QHash>
#include <QRecursiveMutex>
#include <QRegularExpression>

#include "art/CardArtParts.h"

namespace {

int SizeFromLetter(const QString& letter) {
  if (letter == QLatin1String("s")) return 0;
  if (letter == QLatin1String("h")) return 2;
  return 1;
}

int SuitFromLetter(QChar letter) {
  switch (letter.unicode()) {
    case 'C': return 0;
    case 'D': return 1;
    case 'H': return 2;
    default: return 3;
  }
}

QImage Draw(const QString& name) {
  using namespace CardArt;
  static const QRegularExpression border(QStringLiteral("^CS_(3DAGED_|AGED_)?([sh]?)(3D)?BORDER$"));
  static const QRegularExpression strip(QStringLiteral("^CS_([sh]?)(3D)?SYMBOLS$"));
  static const QRegularExpression ace(QStringLiteral("^CS_([sh]?)(3D)?ACES$"));
  static const QRegularExpression court(QStringLiteral("^CS_([sh]?)(3D)?(JACK|QUEEN|KING)([CDHS])$"));
  static const QRegularExpression back(QStringLiteral("^CS_([sh]?)BACK([1-9])$"));
  static const QRegularExpression pile(QStringLiteral("^CS_([sh]?)(RECYCLE|EMPTY|BORDERMASK)$"));
  static const QRegularExpression preview(QStringLiteral("^PREVIEW_BACK([1-9])$"));

  if (name == QLatin1String("CS_SELECTED")) return DrawSelectionBrush();
  if (name == QLatin1String("CURSOR_GOOD")) return DrawCursor(true);
  if (name == QLatin1String("CURSOR_BAD")) return DrawCursor(false);

  QRegularExpressionMatch m;
  if ((m = border.match(name)).hasMatch()) {
    // The aged names carry 3-D in front ("CS_3DAGED_sBORDER"), the others after the
    // size letter ("CS_s3DBORDER"); a name mixing both spellings is not ours.
    const QString agedPart = m.captured(1);
    if (!agedPart.isEmpty() && !m.captured(3).isEmpty()) return {};
    const bool threeD = agedPart == QLatin1String("3DAGED_") || !m.captured(3).isEmpty();
    return DrawOutline(SizeFromLetter(m.captured(2)), threeD, !agedPart.isEmpty());
  }
  if ((m = strip.match(name)).hasMatch())
    return DrawSymbolStrip(SizeFromLetter(m.captured(1)), !m.captured(2).isEmpty());
  if ((m = ace.match(name)).hasMatch())
    return DrawAceOfSpades(SizeFromLetter(m.captured(1)), !m.captured(2).isEmpty());
  if ((m = court.match(name)).hasMatch()) {
    const QString v = m.captured(3);
    const int value = v == QLatin1String("JACK") ? 10 : v == QLatin1String("QUEEN") ? 11 : 12;
    return DrawCourt(SizeFromLetter(m.captured(1)), !m.captured(2).isEmpty(), value,
                     SuitFromLetter(m.captured(4).at(0)));
  }
  if ((m = back.match(name)).hasMatch())
    return DrawBack(SizeFromLetter(m.captured(1)), m.captured(2).toInt());
  if ((m = pile.match(name)).hasMatch()) {
    const int size = SizeFromLetter(m.captured(1));
    const QString what = m.captured(2);
    if (what == QLatin1String("RECYCLE")) return DrawRecycle(size);
    if (what == QLatin1String("EMPTY")) return DrawEmpty(size);
    return DrawBorderMask(size);
  }
  if ((m = preview.match(name)).hasMatch()) return DrawBackPreview(m.captured(1).toInt());
  return {};
}

}  // namespace

QImage CardArtBitmap(const QString& resourceName) {
  // Recursive: a picture may be drawn from others (a preview from an outline and a back).
  static QRecursiveMutex lock;
  static QHash<QString, QImage> cache;
  QMutexLocker<QRecursiveMutex> guard(&lock);
  auto found = cache.constFind(resourceName);
  if (found != cache.constEnd()) return *found;
  QImage picture = Draw(resourceName);
  if (!picture.isNull()) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
    cache.insert(resourceName, picture);
  }
  return picture;
}
