// Composition of the card pictures from the artwork, the class-wide look and drawing.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include "art/CardArt.h"
#include "engine/Card.h"
#include "engine/CardPileView.h"

namespace {

const char* const Letters[3] = {"s", "", "h"};

// Expected placements, in pixels, per size (small, large, huge).
struct TExpected {
  QRect Index;         // source in the strip of value 0, black
  QPoint IndexAt;
  int RedShift;
  QPoint TurnedIndexAt;
  int TurnedIndexTop;
  QRect Symbol;        // clubs
  QPoint SymbolAt, AceSymbolAt, TurnedSymbolAt, AceTurnedSymbolAt;
  int TurnedSymbolShift;
  QRect Pip;           // clubs
  int TurnedPipShift;
  QPoint Slot8, Slot15;
  QRect Court;         // source
  QPoint CourtAt;
  QRect Back;
  QPoint BackAt;
};

const TExpected Expected[3] = {
    {{0, 0, 8, 14}, {2, 3}, 8, {51, 78}, 15, {0, 52, 10, 12}, {2, 17}, {11, 4}, {50, 64}, {41, 79}, 40,
     {0, 30, 20, 21}, 80, {21, 38}, {21, 66}, {0, 0, 41, 75}, {10, 10}, {0, 0, 51, 87}, {5, 4}},
    {{0, 0, 8, 14}, {3, 6}, 8, {69, 106}, 15, {0, 52, 10, 12}, {2, 20}, {12, 7}, {69, 92}, {60, 107}, 40,
     {0, 30, 20, 21}, 80, {30, 52}, {30, 91}, {0, 0, 56, 102}, {12, 11}, {0, 0, 68, 115}, {6, 5}},
    {{0, 0, 12, 21}, {5, 9}, 12, {104, 159}, 23, {0, 78, 15, 18}, {3, 30}, {18, 11}, {104, 138},
     {90, 161}, 60, {0, 45, 30, 32}, 120, {45, 77}, {45, 137}, {0, 0, 84, 153}, {18, 18},
     {0, 0, 102, 173}, {9, 8}},
};

QImage Art(const QString& name) { return CardArtBitmap(name).convertToFormat(QImage::Format_RGB32); }

QString OutlineName(int size, bool threeD, bool aged) {
  const QString l = QString::fromLatin1(Letters[size]);
  if (threeD && aged) return "CS_3DAGED_" + l + "BORDER";
  if (aged) return "CS_AGED_" + l + "BORDER";
  return "CS_" + l + (threeD ? "3D" : "") + "BORDER";
}

// The expected face: the outline with every named piece AND-ed on.
class TExpectedFace {
public:
  TExpectedFace(int size, bool threeD, bool aged) : FImage(Art(OutlineName(size, threeD, aged))) {}
  void And(QPoint at, const QImage& piece, QRect source) {
    for (int y = 0; y < source.height(); ++y)
      for (int x = 0; x < source.width(); ++x) {
        const QPoint d = at + QPoint(x, y);
        if (!FImage.rect().contains(d) || !piece.rect().contains(source.topLeft() + QPoint(x, y)))
          continue;
        FImage.setPixel(d, FImage.pixel(d) & piece.pixel(source.topLeft() + QPoint(x, y)));
      }
  }
  QImage FImage;
};

// Opaque colour of a composed picture at p, or 0 for a transparent pixel.
QRgb Pixel(const QImage& picture, QPoint p) {
  const QRgb c = picture.pixel(p);
  return qAlpha(c) == 0 ? 0 : (c | 0xFF000000u);
}

// Counts pixels of rect in face that differ from the expected picture.
int Differences(const QImage& face, const QImage& expected, QRect rect) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QRgb want = expected.pixel(x, y) | 0xFF000000u;
      const QRgb key = 0xFFFF00FFu;
      const QRgb got = Pixel(face, {x, y});
      if (want == key ? got != 0 : got != want) ++count;
    }
  return count;
}

class CardPicturesTest : public ::testing::Test {
protected:
  void SetUp() override {
    TCard::FreeCardBitmaps();
    TCard::UseImageLists(false);
    TCard::SetCustomBackPicture(QImage());
    TCard::SetBackIndex(0);
  }
  void TearDown() override { SetUp(); }
  static const QImage& Face(int suit, int value) {
    return TCard(_CardSuit(suit), _CardValue(value), 1).GetCardBitmap();
  }
};

TEST_F(CardPicturesTest, FacesAreTheOutlineAndedWithThePiecesAtTheirPlaces) {
  for (int size = 0; size < 3; ++size) {
    for (int look = 0; look < 4; ++look) {
      const bool threeD = look & 1, aged = look & 2;
      SCOPED_TRACE(QStringLiteral("size %1 look %2").arg(size).arg(look).toStdString());
      TCard::SetCardSize(_CardSize(size), threeD, aged);
      const TExpected& e = Expected[size];
      const QString l = QString::fromLatin1(Letters[size]);
      const QString look3D = threeD ? "3D" : "";
      const QImage strip = Art("CS_" + l + look3D + "SYMBOLS");

      // Seven of hearts: red index, small symbols, pips in slots 0, 2, 4, 7, 9, 14, 16.
      {
        TExpectedFace want(size, threeD, aged);
        const QRect index = e.Index.translated(6 * e.Index.width() * 2 + e.RedShift, 0);
        want.And(e.IndexAt, strip, index);
        want.And(e.TurnedIndexAt, strip, index.translated(0, e.TurnedIndexTop));
        const QRect symbol = e.Symbol.translated(2 * e.Symbol.width(), 0);
        want.And(e.SymbolAt, strip, symbol);
        want.And(e.TurnedSymbolAt, strip, symbol.translated(e.TurnedSymbolShift, 0));
        const QRect pip = e.Pip.translated(2 * e.Pip.width(), 0);
        const QSize card = TCard::CardPixelSize(size);
        TExpectedFace full = want;
        const QPoint slotCorners[3][7] = {
            {{9, 9}, {33, 9}, {21, 24}, {9, 38}, {33, 38}, {9, 66}, {33, 66}},
            {{13, 13}, {47, 13}, {30, 33}, {13, 52}, {47, 52}, {13, 91}, {47, 91}},
            {{20, 20}, {71, 20}, {45, 50}, {20, 77}, {71, 77}, {20, 137}, {71, 137}}};
        for (int i = 0; i < 7; ++i)
          full.And(slotCorners[size][i], strip, i >= 5 ? pip.translated(e.TurnedPipShift, 0) : pip);
        EXPECT_EQ(Differences(Face(CS_HEARTS, CS_SEVEN), full.FImage, QRect(QPoint(0, 0), card)), 0);
      }

      // Ace of diamonds: centre pip in slot 8 and the two extra small symbols.
      {
        TExpectedFace want(size, threeD, aged);
        const QRect index = e.Index.translated(e.RedShift, 0);
        want.And(e.IndexAt, strip, index);
        want.And(e.TurnedIndexAt, strip, index.translated(0, e.TurnedIndexTop));
        const QRect symbol = e.Symbol.translated(e.Symbol.width(), 0);
        for (const QPoint at : {e.SymbolAt, e.AceSymbolAt}) want.And(at, strip, symbol);
        for (const QPoint at : {e.TurnedSymbolAt, e.AceTurnedSymbolAt})
          want.And(at, strip, symbol.translated(e.TurnedSymbolShift, 0));
        want.And(e.Slot8, strip, e.Pip.translated(e.Pip.width(), 0));
        EXPECT_EQ(Differences(Face(CS_DIAMONDS, CS_ACE), want.FImage,
                              QRect(QPoint(0, 0), TCard::CardPixelSize(size))), 0);
      }

      // Ace of spades: its picture and no centre pip, no extra symbols.
      {
        TExpectedFace want(size, threeD, aged);
        want.And(e.IndexAt, strip, e.Index);
        want.And(e.TurnedIndexAt, strip, e.Index.translated(0, e.TurnedIndexTop));
        const QRect symbol = e.Symbol.translated(3 * e.Symbol.width(), 0);
        want.And(e.SymbolAt, strip, symbol);
        want.And(e.TurnedSymbolAt, strip, symbol.translated(e.TurnedSymbolShift, 0));
        const QImage picture = Art("CS_" + l + look3D + "ACES");
        want.And(e.CourtAt, picture, size == 0 ? picture.rect() : e.Court);
        EXPECT_EQ(Differences(Face(CS_SPADES, CS_ACE), want.FImage,
                              QRect(QPoint(0, 0), TCard::CardPixelSize(size))), 0);
      }

      // Queen of clubs: the court picture at its place.
      {
        TExpectedFace want(size, threeD, aged);
        const QRect index = e.Index.translated(11 * e.Index.width() * 2, 0);
        want.And(e.IndexAt, strip, index);
        want.And(e.TurnedIndexAt, strip, index.translated(0, e.TurnedIndexTop));
        want.And(e.SymbolAt, strip, e.Symbol);
        want.And(e.TurnedSymbolAt, strip, e.Symbol.translated(e.TurnedSymbolShift, 0));
        const QImage court = Art("CS_" + l + look3D + "QUEENC");
        want.And(e.CourtAt, court, size == 0 ? court.rect() : e.Court);
        EXPECT_EQ(Differences(Face(CS_CLUBS, CS_QUEEN), want.FImage,
                              QRect(QPoint(0, 0), TCard::CardPixelSize(size))), 0);
      }

      // Backs 0..8: the design AND-ed onto the outline.
      {
        TExpectedFace want(size, threeD, aged);
        want.And(e.BackAt, Art("CS_" + l + "BACK8"), e.Back);
        EXPECT_EQ(Differences(*TCard::GetBackImage(7), want.FImage,
                              QRect(QPoint(0, 0), TCard::CardPixelSize(size))), 0);
      }
    }
  }
}

// A squeezed fan keeps covered cards readable while each shows the corner index: every
// rank whole, and every suit down to the row where its symbol is widest, so hearts and
// diamonds, clubs and spades are told apart. The measure must follow the art.
TEST_F(CardPicturesTest, TheCornerIndexShowsEveryRankAndSuitOfTheArt) {
  auto ink = [](QRgb c) { return qRed(c) < 200 || qGreen(c) < 200 || qBlue(c) < 200; };
  for (int size = 0; size < 3; ++size) {
    TCard::SetCardSize(_CardSize(size), false, false);
    const int index = TCardPileView::CornerIndexHeight();
    const TExpected& e = Expected[size];
    int deepest = 0;
    for (const char* look : {"", "3D"}) {
      SCOPED_TRACE(testing::Message() << "size " << size << " look '" << look << "'");
      const QImage strip = Art("CS_" + QString::fromLatin1(Letters[size]) + look + "SYMBOLS");
      for (int value = 0; value < 13; ++value)
        for (int red = 0; red < 2; ++red) {
          const QRect rank = e.Index.translated(value * 2 * e.Index.width() + red * e.RedShift, 0);
          for (int y = 0; y < rank.height(); ++y)
            for (int x = rank.left(); x <= rank.right(); ++x)
              if (ink(strip.pixel(x, rank.top() + y))) deepest = std::max(deepest, e.IndexAt.y() + y + 1);
        }
      for (int suit = 0; suit < 4; ++suit) {
        const QRect symbol = e.Symbol.translated(suit * e.Symbol.width(), 0);
        int widest = 0, widestRow = 0;
        for (int y = 0; y < symbol.height(); ++y) {
          int width = 0;
          for (int x = symbol.left(); x <= symbol.right(); ++x) width += ink(strip.pixel(x, symbol.top() + y));
          if (width > widest) widest = width, widestRow = y;
        }
        deepest = std::max(deepest, e.SymbolAt.y() + widestRow + 1);
      }
    }
    EXPECT_EQ(index, deepest) << "size " << size;
  }
}

TEST_F(CardPicturesTest, TheAgedLookChangesOnlyTheOutline) {
  TCard::SetCardSize(CS_LARGE, false, false);
  const QImage plain = Face(CS_CLUBS, CS_KING);
  TCard::SetCardSize(CS_LARGE, false, true);
  const QImage aged = Face(CS_CLUBS, CS_KING);
  const QImage plainOutline = Art("CS_BORDER"), agedOutline = Art("CS_AGED_BORDER");
  // Where both outlines are white the composed faces agree pixel for pixel.
  int compared = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      if ((plainOutline.pixel(x, y) | 0xFF000000u) == 0xFFFFFFFFu) {
        const QRgb mask = agedOutline.pixel(x, y);
        ASSERT_EQ(Pixel(plain, {x, y}) & mask, Pixel(aged, {x, y})) << x << "," << y;
        ++compared;
      }
  EXPECT_GT(compared, 5000);
}

TEST_F(CardPicturesTest, SettingTheSameLookTwiceLoadsOnce) {
  TCard::SetCardSize(CS_LARGE, false, false);
  const QImage* back = TCard::GetBackImage(0);
  const qint64 first = back->cacheKey();
  TCard::SetCardSize(CS_LARGE, false, false);
  EXPECT_EQ(TCard::GetBackImage(0)->cacheKey(), first);

  TCard::SetCardSize(CS_LARGE, false, true);
  EXPECT_NE(TCard::GetBackImage(0)->cacheKey(), first);
  EXPECT_TRUE(TCard::IsAged());
  EXPECT_EQ(TCard::GetCardSize(), CS_LARGE);

  // After the pictures were freed the same look loads again instead of drawing nothing.
  TCard::FreeCardBitmaps();
  EXPECT_FALSE(TCard::BitmapsLoaded());
  EXPECT_EQ(TCard::GetBackImage(0), nullptr);
  TCard::SetCardSize(CS_LARGE, false, true);
  EXPECT_TRUE(TCard::BitmapsLoaded());
  ASSERT_NE(TCard::GetBackImage(0), nullptr);
}

TEST_F(CardPicturesTest, EveryFaceAndBackHasTransparentCornersAndTheCardSize) {
  for (int size = 0; size < 3; ++size) {
    TCard::SetCardSize(_CardSize(size), size == 1, size == 2);
    const QSize card = TCard::CardPixelSize(size);
    for (int i = 0; i < 52; ++i) {
      const QImage& face = Face(i / 13, i % 13);
      ASSERT_EQ(face.size(), card);
      EXPECT_EQ(qAlpha(face.pixel(0, card.height() - 1)), 0) << "face " << i;
      EXPECT_EQ(qAlpha(face.pixel(card.width() / 2, card.height() / 2)), 255) << "face " << i;
    }
    for (int i = 0; i < 10; ++i) {
      const QImage* back = TCard::GetBackImage(i);
      ASSERT_NE(back, nullptr);
      ASSERT_EQ(back->size(), card);
      EXPECT_EQ(qAlpha(back->pixel(0, card.height() - 1)), 0) << "back " << i;
      EXPECT_EQ(qAlpha(back->pixel(card.width() / 2, card.height() / 2)), 255) << "back " << i;
    }
  }
}

QImage Drawn(const TCard& card) {
  QImage canvas(TCard::CardPixelSize(TCard::GetCardSize()), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(QColor(0, 128, 0));
  QPainter p(&canvas);
  card.DrawCardOnCanvas(QPoint(0, 0), &p);
  return canvas;
}

TEST_F(CardPicturesTest, ASelectedFaceDiffersOnlyInsideTheCard) {
  for (int size = 0; size < 3; ++size) {
    TCard::SetCardSize(_CardSize(size), false, false);
    TCard card(CS_HEARTS, CS_QUEEN, 1);
    const QImage plain = Drawn(card);
    card.FSelected = true;
    const QImage selected = Drawn(card);
    const QImage& face = card.GetCardBitmap();
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x) {
        const bool inside = qAlpha(face.pixel(x, y)) != 0;
        if (!inside) {
          EXPECT_EQ(plain.pixel(x, y), selected.pixel(x, y)) << x << "," << y;
        }
        if (plain.pixel(x, y) != selected.pixel(x, y)) ++changed;
      }
    EXPECT_GT(changed, plain.width() * plain.height() / 2);
    // The picture for the win animation is always the plain face.
    QImage bitmap(plain.size(), QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(QColor(0, 128, 0));
    QPainter p(&bitmap);
    card.DrawBitmapOnCanvas(QPoint(0, 0), &p);
    p.end();
    EXPECT_EQ(bitmap, plain);
  }
}

TEST_F(CardPicturesTest, FaceDownCardsShowTheCurrentBackAndAnIndexOutOfRangeShowsTheFirst) {
  TCard::SetCardSize(CS_LARGE, false, false);
  TCard card(CS_SPADES, CS_TEN, 0);
  TCard::SetBackIndex(4);
  const QImage fifth = Drawn(card);
  TCard::SetBackIndex(0);
  const QImage first = Drawn(card);
  EXPECT_NE(fifth, first);
  for (int bad : {10, -1, 1000}) {
    TCard::SetBackIndex(bad);
    EXPECT_EQ(Drawn(card), first) << bad;
  }
  EXPECT_EQ(TCard::GetBackImage(10), nullptr);
  EXPECT_EQ(TCard::GetBackImage(-1), nullptr);
}

TEST_F(CardPicturesTest, TheCustomBackSurvivesEveryReload) {
  TCard::SetCardSize(CS_LARGE, false, false);
  QImage picture(40, 40, QImage::Format_RGB32);
  picture.fill(QColor(10, 200, 30));
  TCard::SetCustomBackPicture(picture);
  TCard::SetBackIndex(9);
  TCard card(CS_CLUBS, CS_TWO, 0);
  EXPECT_EQ(Drawn(card).pixel(40, 60), QColor(10, 200, 30).rgb());

  const struct { _CardSize Size; bool ThreeD, Aged; } looks[] = {
      {CS_LARGE, true, false}, {CS_LARGE, true, true}, {CS_SMALL, true, true}, {CS_HUGE, false, false}};
  for (const auto& look : looks) {
    TCard::SetCardSize(look.Size, look.ThreeD, look.Aged);
    const QSize s = TCard::CardPixelSize(look.Size);
    const QImage drawn = Drawn(card);
    EXPECT_EQ(drawn.pixel(s.width() / 2, s.height() / 2), QColor(10, 200, 30).rgb());
    // The edge of the card is the current look's outline, the corner stays transparent.
    const QImage outline = Art(OutlineName(look.Size, look.ThreeD, look.Aged));
    EXPECT_EQ(drawn.pixel(s.width() / 2, 0), outline.pixel(s.width() / 2, 0));
    EXPECT_EQ(drawn.pixel(0, s.height() - 1), QColor(0, 128, 0).rgb());
  }

  // Without a custom picture back 9 is the bare outline.
  TCard::SetCustomBackPicture(QImage());
  const QImage outline = Art("CS_BORDER");
  TCard::SetCardSize(CS_LARGE, false, false);
  EXPECT_EQ(Drawn(card).pixel(40, 60), outline.pixel(40, 60));
}

TEST_F(CardPicturesTest, ImageListModeDrawsTheSamePicturesAndKeepsTheCustomBack) {
  TCard::SetCardSize(CS_LARGE, false, false);
  TCard faceUp(CS_DIAMONDS, CS_NINE, 1), faceDown(CS_DIAMONDS, CS_NINE, 0), spade(CS_SPADES, CS_ACE, 1);
  TCard::SetBackIndex(3);
  const QImage face = Drawn(faceUp), back = Drawn(faceDown), black = Drawn(spade);

  TCard::FreeCardBitmaps();
  TCard::UseImageLists(true);
  TCard::SetCardSize(CS_LARGE, false, false);
  ASSERT_NE(TCard::GetFaceImageList(), nullptr);
  ASSERT_NE(TCard::GetBackImageList(), nullptr);
  EXPECT_EQ(TCard::GetFaceImageList()->Count(), 52);
  EXPECT_EQ(TCard::GetBackImageList()->Count(), 9);
  EXPECT_EQ(Drawn(faceUp), face);
  EXPECT_EQ(Drawn(faceDown), back);
  EXPECT_EQ(Drawn(spade), black);
  faceUp.FSelected = true;
  EXPECT_NE(Drawn(faceUp), face);

  QImage picture(20, 20, QImage::Format_RGB32);
  picture.fill(QColor(200, 10, 30));
  TCard::SetCustomBackPicture(picture);
  EXPECT_EQ(TCard::GetBackImageList()->Count(), 10);
  TCard::SetCardSize(CS_LARGE, true, false);
  EXPECT_EQ(TCard::GetBackImageList()->Count(), 10);
  TCard::SetBackIndex(9);
  EXPECT_EQ(Drawn(faceDown).pixel(40, 60), QColor(200, 10, 30).rgb());
}

TEST_F(CardPicturesTest, NothingIsDrawnBeforeThePicturesAreLoaded) {
  TCard card(CS_HEARTS, CS_KING, 1);
  EXPECT_TRUE(card.GetCardBitmap().isNull());
  QImage canvas(10, 10, QImage::Format_RGB32);
  canvas.fill(Qt::green);
  QPainter p(&canvas);
  card.DrawCardOnCanvas(QPoint(0, 0), &p);
  card.FFaceUp = false;
  card.DrawCardOnCanvas(QPoint(0, 0), &p);
  p.end();
  EXPECT_EQ(canvas.pixel(5, 5), QColor(Qt::green).rgb());
}

// Writes contact sheets of every face and back for each size and look into the build
// folder, for looking at the artwork.
TEST_F(CardPicturesTest, WritesContactSheets) {
  const char* const looks[4] = {"plain", "3d", "aged", "3daged"};
  const char* const sizes[3] = {"small", "large", "huge"};
  const QDir out(QCoreApplication::applicationDirPath() + "/../..");
  for (int size = 0; size < 3; ++size) {
    for (int look = 0; look < 4; ++look) {
      TCard::SetCardSize(_CardSize(size), look & 1, look & 2);
      const QSize card = TCard::CardPixelSize(size);
      const int gap = 6;
      QImage sheet(13 * (card.width() + gap) + gap, 5 * (card.height() + gap) + gap, QImage::Format_RGB32);
      sheet.fill(QColor(0, 110, 40));
      QPainter p(&sheet);
      for (int i = 0; i < 52; ++i) {
        TCard c(_CardSuit(i / 13), _CardValue(i % 13), 1);
        c.DrawCardOnCanvas(QPoint(gap + (i % 13) * (card.width() + gap), gap + (i / 13) * (card.height() + gap)), &p);
      }
      TCard down(CS_CLUBS, CS_ACE, 0);
      for (int b = 0; b < 9; ++b) {
        TCard::SetBackIndex(b);
        down.DrawCardOnCanvas(QPoint(gap + b * (card.width() + gap), gap + 4 * (card.height() + gap)), &p);
      }
      TCard selected(CS_HEARTS, CS_QUEEN, 1);
      selected.FSelected = true;
      selected.DrawCardOnCanvas(QPoint(gap + 10 * (card.width() + gap), gap + 4 * (card.height() + gap)), &p);
      p.end();
      const QString name = QStringLiteral("contact-%1-%2.png").arg(sizes[size], looks[look]);
      EXPECT_TRUE(sheet.save(out.absoluteFilePath(name))) << name.toStdString();
    }
  }
}

}  // namespace
