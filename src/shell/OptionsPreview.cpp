// The "Appearance" page's preview: two fanned cards at a size and look, drawn from the card
// engine's own pictures so the preview is exactly what a game will deal.

#include <QHash>
#include <QPainter>

#include "engine/Card.h"
#include "shell/Preferences.h"

QString TPreferencesDlg::SizePreviewName(int size, bool threeD, bool aged) {
  QString name = size == CS_SMALL ? QStringLiteral("SMALLPREV") : size == CS_HUGE ? QStringLiteral("HUGEPREV")
                                                                                 : QStringLiteral("LARGEPREV");
  if (threeD) name += QStringLiteral("3D");
  if (aged) name += QStringLiteral("_AGED");
  return name;
}

QImage TPreferencesDlg::SizePreviewBitmap(int size, bool threeD, bool aged) {
  static QHash<QString, QImage> cache;
  if (size < CS_SMALL || size > CS_HUGE) size = CS_LARGE;
  const QString name = SizePreviewName(size, threeD, aged);
  const auto found = cache.constFind(name);
  if (found != cache.constEnd()) return *found;

  // The card pictures are class-wide: compose the wanted set, draw, and put back the set
  // the open game uses. Nothing paints in between, and each look is drawn once a run.
  const bool wasLoaded = TCard::BitmapsLoaded();
  const int oldSize = TCard::GetCardSize();
  const bool oldThreeD = TCard::IsThreeD();
  const bool oldAged = TCard::IsAged();
  TCard::SetCardSize(static_cast<_CardSize>(size), threeD, aged);

  const QSize card = TCard::CardPixelSize(size);
  const int dx = qMin(40, 160 - card.width());
  constexpr int dy = 20;
  QImage preview(card.width() + dx, card.height() + dy, QImage::Format_ARGB32_Premultiplied);
  preview.fill(Qt::transparent);
  {
    QPainter p(&preview);
    const TCard behind(CS_HEARTS, CS_SEVEN, 1);
    const TCard front(CS_SPADES, CS_KING, 1);
    behind.DrawBitmapOnCanvas(QPoint(0, 0), &p);
    front.DrawBitmapOnCanvas(QPoint(dx, dy), &p);
  }

  if (wasLoaded && oldSize >= CS_SMALL && oldSize <= CS_HUGE)
    TCard::SetCardSize(static_cast<_CardSize>(oldSize), oldThreeD, oldAged);
  else
    TCard::FreeCardBitmaps();
  cache.insert(name, preview);
  return preview;
}
