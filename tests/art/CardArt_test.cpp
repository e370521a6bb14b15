// The card artwork by name: sizes, where the key colour may appear, and the properties the
// composition of card faces relies on.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include "art/CardArt.h"
#include "art/CardArtParts.h"

namespace {

const char* const Letters[3] = {"s", "", "h"};
const QSize CardSizes[3] = {{61, 95}, {80, 125}, {120, 188}};
constexpr QRgb Key = 0xFFFF00FF;

QString Name(const char* pattern, int size) {
  // Not arg(): "%13D" would read as placeholder 13.
  return QString::fromLatin1(pattern).replace(QStringLiteral("%1"), QString::fromLatin1(Letters[size]));
}

QStringList CourtNames(int size) {
  QStringList names;
  for (const char* look : {"", "3D"})
    for (const char* rank : {"JACK", "QUEEN", "KING"})
      for (const char* suit : {"C", "D", "H", "S"})
        names << QStringLiteral("CS_%1%2%3%4").arg(Letters[size], look, rank, suit);
  return names;
}

int CountKeyPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == Key;
  return count;
}

// How far a covered face-down card shows under the next, and where a back's design goes.
constexpr int FaceDownSteps[3] = {6, 8, 12};
const QPoint BackAt[3] = {{5, 4}, {6, 5}, {9, 8}};

// A back as the cards compose it: the design AND-ed onto the plain outline.
QImage ComposedBack(int size, int number) {
  QImage back = CardArtBitmap(Name("CS_%1BORDER", size));
  QPainter p(&back);
  p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  p.drawImage(BackAt[size], CardArtBitmap(QStringLiteral("CS_%1BACK%2").arg(Letters[size]).arg(number)));
  p.end();
  return back;
}

// The key colour made transparent, for drawing a picture onto a sheet.
QImage Keyed(const QImage& picture) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if (keyed.pixel(x, y) == Key) keyed.setPixel(x, y, 0);
  return keyed;
}

TEST(CardArt, EveryPictureHasItsSize) {
  for (int size = 0; size < 3; ++size) {
    SCOPED_TRACE(size);
    for (const char* outline : {"CS_%1BORDER", "CS_%13DBORDER", "CS_AGED_%1BORDER", "CS_3DAGED_%1BORDER",
                                "CS_%1RECYCLE", "CS_%1EMPTY", "CS_%1BORDERMASK"})
      EXPECT_EQ(CardArtBitmap(Name(outline, size)).size(), CardSizes[size]) << outline;
    const QSize strip = size == 2 ? QSize(337, 111) : QSize(224, 74);
    EXPECT_EQ(CardArtBitmap(Name("CS_%1SYMBOLS", size)).size(), strip);
    EXPECT_EQ(CardArtBitmap(Name("CS_%13DSYMBOLS", size)).size(), strip);
    const QSize court = size == 0 ? QSize(41, 75) : size == 1 ? QSize(56, 102) : QSize(84, 153);
    for (const QString& name : CourtNames(size)) EXPECT_EQ(CardArtBitmap(name).size(), court) << name.toStdString();
    EXPECT_EQ(CardArtBitmap(Name("CS_%1ACES", size)).size(), court);
    EXPECT_EQ(CardArtBitmap(Name("CS_%13DACES", size)).size(), court);
    const QSize back = size == 0 ? QSize(51, 87) : size == 1 ? QSize(68, 115) : QSize(102, 173);
    for (int i = 1; i <= 9; ++i)
      EXPECT_EQ(CardArtBitmap(QStringLiteral("CS_%1BACK%2").arg(Letters[size]).arg(i)).size(), back) << i;
  }
  EXPECT_EQ(CardArtBitmap("CURSOR_GOOD").size(), QSize(32, 32));
  EXPECT_EQ(CardArtBitmap("CURSOR_BAD").size(), QSize(32, 32));
  EXPECT_FALSE(CardArtBitmap("CS_SELECTED").isNull());
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(CardArtBitmap(QStringLiteral("PREVIEW_BACK%1").arg(i)).size(), QSize(80, 125));
}

TEST(CardArt, UnknownNamesGiveANullPicture) {
  for (const char* name : {"", "CS_BACK0", "CS_BACK10", "CS_xBORDER", "cs_border", "CS_3DAGED_s3DBORDER",
                           "CS_JACKX", "CS_h3DQUEEN", "CURSOR_UGLY", "PREVIEW_BACK10"})
    EXPECT_TRUE(CardArtBitmap(QString::fromLatin1(name)).isNull()) << name;
}

TEST(CardArt, OutlinesAreTransparentOnlyOutsideTheRoundedCorners) {
  for (int size = 0; size < 3; ++size) {
    for (const char* pattern : {"CS_%1BORDER", "CS_%13DBORDER", "CS_AGED_%1BORDER", "CS_3DAGED_%1BORDER"}) {
      const QImage outline = CardArtBitmap(Name(pattern, size));
      const int w = outline.width(), h = outline.height();
      EXPECT_EQ(outline.pixel(0, h - 1), Key) << pattern;
      const int corner = size == 2 ? 8 : 6;
      int keys = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          if (outline.pixel(x, y) == Key) {
            ++keys;
            const bool inCorner = (x < corner || x >= w - corner) && (y < corner || y >= h - corner);
            EXPECT_TRUE(inCorner) << pattern << " size " << size << " at " << x << "," << y;
          }
      EXPECT_GE(keys, 4 * 3) << pattern;
      // The card is closed: every corner has its rounded cut.
      for (QPoint c : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1)}) EXPECT_EQ(outline.pixel(c), Key);
    }
  }
}

TEST(CardArt, PiecesAndedOntoAFaceNeverHoldTheKeyColour) {
  for (int size = 0; size < 3; ++size) {
    QStringList names = CourtNames(size);
    names << Name("CS_%1SYMBOLS", size) << Name("CS_%13DSYMBOLS", size) << Name("CS_%1ACES", size)
          << Name("CS_%13DACES", size);
    for (int i = 1; i <= 9; ++i) names << QStringLiteral("CS_%1BACK%2").arg(Letters[size]).arg(i);
    for (const QString& name : names) EXPECT_EQ(CountKeyPixels(CardArtBitmap(name)), 0) << name.toStdString();
  }
  EXPECT_EQ(CountKeyPixels(CardArtBitmap("CS_SELECTED")), 0);
}

// Everything a strip holds lies inside the cells that are cut from it, so no neighbour
// bleeds into a face.
TEST(CardArt, SymbolStripsInkOnlyInsideTheirCells) {
  for (int size = 0; size < 3; ++size) {
    const bool huge = size == 2;
    QList<QRect> cells;
    const int iw = huge ? 12 : 8, ih = huge ? 21 : 14, step = huge ? 24 : 16, turned = huge ? 23 : 15;
    for (int v = 0; v < 13; ++v) {
      cells << QRect(v * step, 0, 2 * iw, ih) << QRect(v * step, turned, 2 * iw, ih);
    }
    const int pw = huge ? 30 : 20, ph = huge ? 32 : 21, pt = huge ? 45 : 30;
    const int sw = huge ? 15 : 10, sh = huge ? 18 : 12, st = huge ? 78 : 52;
    cells << QRect(0, pt, 8 * pw, ph) << QRect(0, st, 8 * sw, sh);
    for (const char* pattern : {"CS_%1SYMBOLS", "CS_%13DSYMBOLS"}) {
      const QImage strip = CardArtBitmap(Name(pattern, size));
      int outside = 0;
      for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
          if ((strip.pixel(x, y) | 0xFF000000u) == 0xFFFFFFFFu) continue;
          bool inCell = false;
          for (const QRect& c : cells) inCell = inCell || c.contains(x, y);
          outside += !inCell;
        }
      EXPECT_EQ(outside, 0) << pattern << " size " << size;
      // Each cell is inked: no rank or symbol is missing.
      for (int v = 0; v < 13; ++v)
        for (int red = 0; red < 2; ++red) {
          const QRect cell(v * step + red * iw, 0, iw, ih);
          int ink = 0;
          for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) ink += qGray(strip.pixel(x, y)) < 128;
          EXPECT_GT(ink, 6) << "value " << v;
          // A red index is red, a black one dark.
          bool redInk = false;
          for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
              const QRgb c = strip.pixel(x, y);
              redInk = redInk || (qRed(c) > 150 && qGreen(c) < 80);
            }
          EXPECT_EQ(redInk, red == 1) << "value " << v;
        }
    }
  }
}

TEST(CardArt, TheThreeDimensionalLookHasItsOwnPipsAndCourts) {
  for (int size = 0; size < 3; ++size) {
    EXPECT_NE(CardArtBitmap(Name("CS_%1SYMBOLS", size)), CardArtBitmap(Name("CS_%13DSYMBOLS", size)));
    EXPECT_NE(CardArtBitmap(Name("CS_%1KINGH", size)), CardArtBitmap(Name("CS_%13DKINGH", size)));
    EXPECT_NE(CardArtBitmap(Name("CS_%1ACES", size)), CardArtBitmap(Name("CS_%13DACES", size)));
    EXPECT_NE(CardArtBitmap(Name("CS_%1BORDER", size)), CardArtBitmap(Name("CS_%13DBORDER", size)));
    EXPECT_NE(CardArtBitmap(Name("CS_%1BORDER", size)), CardArtBitmap(Name("CS_AGED_%1BORDER", size)));
  }
}

TEST(CardArt, CourtsAreTwoHalvesTurnedRoundAndDifferBySuitAndRank) {
  for (int size = 0; size < 3; ++size) {
    const QStringList names = CourtNames(size);
    for (const QString& name : names) {
      const QImage court = CardArtBitmap(name);
      const QImage turned = court.mirrored(true, true);
      int differing = 0;
      for (int y = 0; y < court.height(); ++y)
        for (int x = 0; x < court.width(); ++x) {
          // Skip the slanted cut through the centre, where the halves meet.
          const qreal dx = (x + 0.5) * 56 / court.width(), dy = (y + 0.5) * 102 / court.height();
          if (qAbs((dy - 51) + (dx - 28) * 9.6 / 54) < 2.0) continue;
          const QRgb a = court.pixel(x, y), b = turned.pixel(x, y);
          differing += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 96;
        }
      // Scaling to an odd size moves the turned half by a fraction of a pixel.
      EXPECT_LT(differing, court.width() * court.height() / (size == 1 ? 50 : 6)) << name.toStdString();
    }
    for (int i = 0; i < names.size(); ++i)
      for (int j = i + 1; j < names.size(); ++j) EXPECT_NE(CardArtBitmap(names[i]), CardArtBitmap(names[j]));
  }
}

TEST(CardArt, BacksAreDistinctAndDrawingIsRepeatable) {
  for (int size = 0; size < 3; ++size)
    for (int i = 1; i <= 9; ++i) {
      for (int j = i + 1; j <= 9; ++j) EXPECT_NE(CardArt::DrawBack(size, i), CardArt::DrawBack(size, j));
      EXPECT_EQ(CardArt::DrawBack(size, i), CardArt::DrawBack(size, i));
    }
  EXPECT_EQ(CardArt::DrawCourt(1, true, 11, 2), CardArt::DrawCourt(1, true, 11, 2));
}

TEST(CardArt, PilePicturesAndCursorsAreKeyedOutside) {
  for (int size = 0; size < 3; ++size) {
    const QSize card = CardSizes[size];
    const QImage mask = CardArtBitmap(Name("CS_%1BORDERMASK", size));
    EXPECT_EQ(mask.pixel(0, card.height() - 1), Key);
    EXPECT_NE(mask.pixel(card.width() / 2, card.height() / 2), Key);
    for (const char* pattern : {"CS_%1RECYCLE", "CS_%1EMPTY"}) {
      const QImage picture = CardArtBitmap(Name(pattern, size));
      EXPECT_EQ(picture.pixel(0, card.height() - 1), Key);
      EXPECT_EQ(picture.pixel(card.width() / 2, card.height() / 5), Key) << "the table shows through inside";
      EXPECT_NE(CountKeyPixels(picture), card.width() * card.height());
    }
  }
  for (const char* name : {"CURSOR_GOOD", "CURSOR_BAD"}) {
    const QImage cursor = CardArtBitmap(name);
    EXPECT_EQ(cursor.pixel(31, 0), Key);
    EXPECT_NE(cursor.pixel(1, 2), Key) << "the hot spot is the arrow's tip";
  }
}

// In a fan only a strip of each covered face-down card shows: below the card's white rim
// it must be the back's pattern, not paper or a pale frame line, or the card looks blank.
TEST(CardArt, ACoveredBackShowsItsPatternRightBelowTheRim) {
  auto paler = [](QRgb c, int level) { return qMin(qMin(qRed(c), qGreen(c)), qBlue(c)) >= level; };
  for (int size = 0; size < 3; ++size)
    for (int i = 1; i <= 9; ++i) {
      const QImage back = ComposedBack(size, i);
      const int top = BackAt[size].y(), left = BackAt[size].x(), width = back.width() - 2 * left;
      // The rows a covered card leaves in view: no pale line among them.
      for (int y = top; y < FaceDownSteps[size]; ++y) {
        int pale = 0;
        for (int x = left; x < left + width; ++x) pale += paler(back.pixel(x, y), 0xC8);
        EXPECT_LE(pale, width / 5) << "back " << i << " size " << size << " row " << y;
      }
      // The band of eight rows under the rim is pattern, not paper.
      int paper = 0;
      for (int y = top; y < top + 8; ++y)
        for (int x = left; x < left + width; ++x) paper += paler(back.pixel(x, y), 0xE6);
      EXPECT_LE(paper, 8 * width / 20) << "back " << i << " size " << size;
    }
}

// A sheet of the raw artwork, four times enlarged, into the build folder for looking at it.
TEST(CardArt, WritesArtSheets) {
  const QDir out(QCoreApplication::applicationDirPath() + "/../..");
  for (int size = 0; size < 3; ++size) {
    QStringList names = CourtNames(size);
    names << Name("CS_%1ACES", size) << Name("CS_%13DACES", size);
    const QSize court = CardArtBitmap(names.first()).size();
    QImage sheet(14 * (court.width() + 4) + 4, 2 * (court.height() + 4) + 4, QImage::Format_RGB32);
    sheet.fill(QColor(0, 110, 40));
    QPainter p(&sheet);
    for (int i = 0; i < names.size(); ++i) {
      const int col = i < 24 ? i % 12 : 12, row = i < 24 ? i / 12 : i - 24;
      p.drawImage(4 + col * (court.width() + 4), 4 + row * (court.height() + 4), CardArtBitmap(names[i]));
    }
    p.end();
    EXPECT_TRUE(sheet.save(out.absoluteFilePath(QStringLiteral("art-courts-%1.png").arg(size))));

    QImage strips = CardArtBitmap(Name("CS_%1SYMBOLS", size));
    QImage strips3D = CardArtBitmap(Name("CS_%13DSYMBOLS", size));
    QImage both(strips.width(), strips.height() * 2 + 4, QImage::Format_RGB32);
    both.fill(Qt::gray);
    QPainter q(&both);
    q.drawImage(0, 0, strips);
    q.drawImage(0, strips.height() + 4, strips3D);
    q.end();
    EXPECT_TRUE(both.scaled(both.size() * 4).save(out.absoluteFilePath(QStringLiteral("art-strips-%1.png").arg(size))));

    const QSize card = CardSizes[size];
    QImage pile(6 * (card.width() + 4) + 40, card.height() + 8, QImage::Format_RGB32);
    pile.fill(QColor(0, 110, 40));
    QPainter r(&pile);
    int x = 4;
    for (const char* pattern : {"CS_%1RECYCLE", "CS_%1EMPTY", "CS_%1BORDERMASK", "CS_%1BORDER", "CS_%13DBORDER",
                                "CS_3DAGED_%1BORDER"}) {
      QImage picture = CardArtBitmap(Name(pattern, size)).convertToFormat(QImage::Format_ARGB32);
      for (int yy = 0; yy < picture.height(); ++yy)
        for (int xx = 0; xx < picture.width(); ++xx)
          if (picture.pixel(xx, yy) == Key) picture.setPixel(xx, yy, 0);
      r.drawImage(x, 4, picture);
      x += card.width() + 4;
    }
    for (const char* cursor : {"CURSOR_GOOD", "CURSOR_BAD"}) {
      QImage picture = CardArtBitmap(cursor).convertToFormat(QImage::Format_ARGB32);
      for (int yy = 0; yy < picture.height(); ++yy)
        for (int xx = 0; xx < picture.width(); ++xx)
          if (picture.pixel(xx, yy) == Key) picture.setPixel(xx, yy, 0);
      r.drawImage(x, 4 + (cursor[7] == 'B' ? 40 : 0), picture);
    }
    r.end();
    EXPECT_TRUE(pile.scaled(pile.size() * 3).save(out.absoluteFilePath(QStringLiteral("art-pile-%1.png").arg(size))));

    // The nine backs whole, and each again as a fan of covered backs as the games show them.
    QImage backs(9 * (card.width() + 8) + 8, 2 * card.height() + 4 * FaceDownSteps[size] + 24, QImage::Format_RGB32);
    backs.fill(QColor(0, 110, 40));
    QPainter b(&backs);
    for (int i = 1; i <= 9; ++i) {
      const QImage back = Keyed(ComposedBack(size, i));
      const int left = 8 + (i - 1) * (card.width() + 8);
      b.drawImage(left, 8, back);
      for (int k = 0; k < 5; ++k) b.drawImage(left, card.height() + 16 + k * FaceDownSteps[size], back);
    }
    b.end();
    EXPECT_TRUE(backs.scaled(backs.size() * 2).save(out.absoluteFilePath(QStringLiteral("art-backs-%1.png").arg(size))));
  }
}

}  // namespace
