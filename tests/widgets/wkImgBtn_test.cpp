// The shaped image button: its outline, clicks only on release inside the shape, the flat
// hover and pressed looks, tinting, groups, glyphs and stock kinds, dialog keys, pictures
// taken from elsewhere, the stored outline blocks, and the main window's four faces.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <memory>

#include "art/ButtonFaces.h"
#include "widgets/ColorPreview.h"
#include "widgets/wkImager.h"
#include "widgets/wkImgBtn.h"

namespace {

constexpr TColor Inside = RGBColor(100, 110, 120);
constexpr TColor Highlight = RGBColor(250, 250, 1);
constexpr TColor Light = RGBColor(2, 250, 250);
constexpr TColor Shade = RGBColor(3, 3, 160);
constexpr TColor Dark = RGBColor(4, 4, 4);
constexpr TColor Ground = RGBColor(90, 0, 90);

// A 10 x 8 picture: a red frame one pixel wide round a grey inside.
QImage FramedPicture() {
  QImage img(10, 8, QImage::Format_RGB32);
  img.fill(qRgb(255, 0, 0));
  QPainter p(&img);
  p.fillRect(QRect(1, 1, 8, 6), QColor(100, 110, 120));
  return img;
}

// The picture all in the colour the button cuts away.
QImage AllRed() {
  QImage img(10, 8, QImage::Format_RGB32);
  img.fill(qRgb(255, 0, 0));
  return img;
}

qint32 IntAt(const QByteArray& data, int offset) {
  return qFromLittleEndian<qint32>(data.constData() + offset);
}

// The smallest rectangle holding every pixel of that colour.
QRect Bounds(const QImage& img, QRgb color) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == color) r = r.united(QRect(x, y, 1, 1));
  return r;
}

TColor At(const QImage& img, int x, int y) {
  const QRgb c = img.pixel(x, y);
  return RGBColor(qRed(c), qGreen(c), qBlue(c));
}

void SendEnter(QWidget* w) {
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(w, &enter);
}

void SendLeave(QWidget* w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w, &leave);
}

// The main window's look: flat, red cut away, tinted by the button face colour, a bold
// white caption with a one-pixel shadow.
void StyleAsMainWindowButton(TwkImageBtn* b, TButtonFace face, const QString& caption) {
  b->Image().Assign(ButtonFaceImage(face));
  b->resize(ButtonFaceSize(face));
  b->SetTransparentColor(clRed);
  b->SetColor(clBtnFace);
  b->SetShadeStyle(fbsFlat);
  QFont font("Liberation Sans");
  font.setPixelSize(11);
  font.setBold(true);
  b->setFont(font);
  b->SetFontColor(clWhite);
  b->TextOptions().Shadow().SetEnabled(true);
  b->TextOptions().Shadow().SetXOffset(1);
  b->TextOptions().Shadow().SetYOffset(1);
  b->SetCaption(caption);
}

class ImageBtnTest : public ::testing::Test {
protected:
  void SetUp() override {
    FForm = std::make_unique<QWidget>();
    FForm->resize(160, 100);
    FButton = new TwkImageBtn(FForm.get());
    FButton->move(20, 30);
    FButton->Image().Assign(FramedPicture());
    FButton->resize(10, 8);
    FButton->SetTransparentColor(clRed);
    FButton->SetColor(RGBColor(192, 192, 192));
    FButton->SetShadeStyle(fbsFlat);
    FButton->SetShadeColors({Highlight, Light, Shade, Dark, clBlack, Ground});
    FButton->OnClick = [this] { ++FClicks; };
    FForm->show();
    QApplication::setActiveWindow(FForm.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
  }
  void TearDown() override { FForm.reset(); }

  std::unique_ptr<QWidget> FForm;
  TwkImageBtn* FButton = nullptr;
  int FClicks = 0;
};

}  // namespace

TEST_F(ImageBtnTest, WindowIsCutToThePicturesOutline) {
  EXPECT_EQ(FButton->mask(), QRegion(1, 1, 8, 6));
  EXPECT_EQ(FForm->childAt(20 + 0, 30 + 0), nullptr);  // a cut-away corner
  EXPECT_EQ(FForm->childAt(20 + 1, 30 + 1), FButton);

  // The outline follows a new size, stretched from the picture.
  FButton->resize(20, 16);
  EXPECT_EQ(FButton->mask(), QRegion(2, 2, 16, 12));
  // ... and a new picture.
  QImage round = FramedPicture();
  round.setPixel(1, 1, qRgb(255, 0, 0));
  FButton->resize(10, 8);
  FButton->Image().Assign(round);
  EXPECT_FALSE(FButton->mask().contains(QPoint(1, 1)));
  EXPECT_TRUE(FButton->mask().contains(QPoint(2, 1)));

  // clNone takes the top-left pixel's colour; clNullColor makes a plain rectangle.
  FButton->SetTransparentColor(clNone);
  EXPECT_EQ(FButton->GetTransparentColor(false), clRed);
  EXPECT_FALSE(FButton->mask().contains(QPoint(0, 0)));
  FButton->SetTransparentColor(clNullColor);
  EXPECT_TRUE(FButton->mask().isEmpty());
  EXPECT_EQ(FForm->childAt(20, 30), FButton);
}

TEST_F(ImageBtnTest, RaisedStyleAddsTheShiftedOutline) {
  FButton->resize(12, 10);  // the picture is fitted to 10 x 8, two pixels less
  FButton->SetShadeStyle(fbsRaised);
  EXPECT_EQ(FButton->mask(), QRegion(1, 1, 8, 6).united(QRegion(3, 3, 8, 6)));
  FButton->SetDown(true);
  EXPECT_EQ(FButton->mask(), QRegion(3, 3, 8, 6));
}

TEST_F(ImageBtnTest, ClicksOnlyOnReleaseInsideTheShape) {
  QTest::mouseClick(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(FClicks, 1);

  // A press on a cut-away corner is not the button's. (QTest takes (0, 0) for the centre.)
  QTest::mousePress(FButton, Qt::LeftButton, {}, QPoint(9, 0));
  EXPECT_FALSE(FButton->Down());
  QTest::mouseRelease(FButton, Qt::LeftButton, {}, QPoint(9, 0));
  EXPECT_EQ(FClicks, 1);

  // Pressed inside, released over a transparent corner of its own rectangle.
  QTest::mousePress(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_TRUE(FButton->Down());
  QTest::mouseRelease(FButton, Qt::LeftButton, {}, QPoint(9, 7));
  EXPECT_FALSE(FButton->Down());
  EXPECT_EQ(FClicks, 1);

  // Pressed inside, released well outside.
  QTest::mousePress(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  QTest::mouseRelease(FButton, Qt::LeftButton, {}, QPoint(60, 40));
  EXPECT_EQ(FClicks, 1);
  EXPECT_FALSE(FButton->Down());

  // Other buttons do nothing.
  QTest::mouseClick(FButton, Qt::RightButton, {}, QPoint(5, 4));
  EXPECT_EQ(FClicks, 1);
}

TEST_F(ImageBtnTest, SpaceClicksOnlyAFocusableButton) {
  FButton->setFocus();
  QTest::keyClick(FButton, Qt::Key_Space);
  EXPECT_EQ(FClicks, 0);
  FButton->SetOptions(boFocusable);
  FButton->setFocus();
  ASSERT_TRUE(FButton->hasFocus());
  QTest::keyClick(FButton, Qt::Key_Space);
  EXPECT_EQ(FClicks, 1);
  EXPECT_FALSE(FButton->Down());
}

TEST_F(ImageBtnTest, DraggingOutAndBackInShowsUpThenDown) {
  QTest::mousePress(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  ASSERT_TRUE(FButton->Down());
  QTest::mouseMove(FButton, QPoint(0, 7));
  EXPECT_FALSE(FButton->Down());
  QTest::mouseMove(FButton, QPoint(4, 3));
  EXPECT_TRUE(FButton->Down());
  QTest::mouseRelease(FButton, Qt::LeftButton, {}, QPoint(4, 3));
  EXPECT_EQ(FClicks, 1);
  EXPECT_FALSE(FButton->Down());
}

TEST_F(ImageBtnTest, FlatLooksAtRestHoveredAndPressed) {
  // At rest: the plain picture, its cut-away pixels in the ground colour.
  QImage img = FButton->RenderButton();
  EXPECT_EQ(At(img, 0, 0), Ground);
  EXPECT_EQ(At(img, 1, 1), Inside);
  EXPECT_EQ(At(img, 8, 6), Inside);

  // Hovered: every down-right diagonal run is lit at its upper-left end and dark at its
  // lower-right end.
  SendEnter(FButton);
  img = FButton->RenderButton();
  EXPECT_EQ(At(img, 1, 1), Highlight);
  EXPECT_EQ(At(img, 2, 2), Light);
  EXPECT_EQ(At(img, 6, 6), Dark);
  EXPECT_EQ(At(img, 5, 5), Shade);
  EXPECT_EQ(At(img, 8, 6), Dark);
  EXPECT_EQ(At(img, 4, 1), Highlight);
  EXPECT_EQ(At(img, 4, 3), Inside);

  // Edge colours stepped from one base colour, 50 apart.
  const TwkShadeColors given = FButton->ShadeColors();
  FButton->SetShadeBaseColor(RGBColor(100, 120, 140));
  img = FButton->RenderButton();
  EXPECT_EQ(At(img, 1, 1), RGBColor(200, 220, 240));
  EXPECT_EQ(At(img, 2, 2), RGBColor(150, 170, 190));
  EXPECT_EQ(At(img, 5, 5), RGBColor(50, 70, 90));
  EXPECT_EQ(At(img, 6, 6), RGBColor(0, 20, 40));
  FButton->SetShadeColors(given);

  // Pressed under the pointer: the edge colours swap, the picture moves 2 right and down.
  QTest::mousePress(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  img = FButton->RenderButton();
  EXPECT_EQ(At(img, 1, 1), Dark);
  EXPECT_EQ(At(img, 2, 2), Shade);
  EXPECT_EQ(At(img, 6, 6), Highlight);
  EXPECT_EQ(At(img, 5, 5), Light);
  EXPECT_EQ(At(img, 4, 4), Inside);

  // The look while the click runs is the plain one.
  TColor duringClick = 0;
  FButton->OnClick = [&] { duringClick = At(FButton->RenderButton(), 4, 1); };
  QTest::mouseRelease(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(duringClick, Inside);

  // Pressed away from the pointer: the band left uncovered shows the ground colour.
  SendLeave(FButton);
  FButton->SetDown(true);
  img = FButton->RenderButton();
  EXPECT_EQ(At(img, 1, 1), Ground);
  EXPECT_EQ(At(img, 2, 2), Ground);
  EXPECT_EQ(At(img, 3, 3), Inside);
  FButton->SetDown(false);
  EXPECT_EQ(At(FButton->RenderButton(), 1, 1), Inside);
}

TEST_F(ImageBtnTest, HoverNeedsTheActiveWindow) {
  SendEnter(FButton);
  EXPECT_EQ(At(FButton->RenderButton(), 1, 1), Highlight);
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(At(FButton->RenderButton(), 1, 1), Inside);
}

TEST_F(ImageBtnTest, LosingTheWindowEndsAPressWithoutClick) {
  QTest::mousePress(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  ASSERT_TRUE(FButton->Down());
  QWidget dialog;
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EXPECT_FALSE(FButton->Down());
  QTest::mouseRelease(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(FClicks, 0);
}

TEST_F(ImageBtnTest, AClickOnAnInactiveWindowBringsItForwardAndClicksWithoutAMouseDown) {
  int downs = 0;
  FButton->OnMouseDown = [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { ++downs; };
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QTest::mouseClick(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(FClicks, 1);
  EXPECT_EQ(downs, 0);
  EXPECT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
  QTest::qWait(20);
  // The window is active now: a click is an ordinary one.
  QTest::mouseClick(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(FClicks, 2);
  EXPECT_EQ(downs, 1);
}

TEST_F(ImageBtnTest, ColourTintsTheInsideOnly) {
  EXPECT_EQ(At(FButton->RenderButton(), 4, 3), Inside);  // RGB(192, 192, 192)
  FButton->SetColor(clNone);
  EXPECT_EQ(At(FButton->RenderButton(), 4, 3), Inside);
  FButton->SetColor(RGBColor(250, 100, 192));
  EXPECT_EQ(At(FButton->RenderButton(), 4, 3), RGBColor(158, 18, 120));
  FButton->SetColor(clBtnFace);
  const TColor face = ColorToRGB(clBtnFace);
  auto shift = [](int c, int f) { return std::clamp(c + f - 192, 0, 255); };
  EXPECT_EQ(At(FButton->RenderButton(), 4, 3),
            RGBColor(shift(100, GetRValue(face)), shift(110, GetGValue(face)),
                     shift(120, GetBValue(face))));
  // The outside keeps its colour, so the outline is unchanged by tinting.
  EXPECT_EQ(FButton->mask(), QRegion(1, 1, 8, 6));
}

TEST_F(ImageBtnTest, EmptyPictureIsARectangularPlaceholder) {
  TwkImageBtn blank(FForm.get());
  blank.resize(30, 20);
  EXPECT_TRUE(blank.mask().isEmpty());
  const QImage img = blank.RenderButton();
  EXPECT_EQ(At(img, 15, 10), ColorToRGB(clBtnFace));
  int black = 0;
  for (int x = 0; x < 30; ++x) black += At(img, x, 0) == clBlack;
  EXPECT_GT(black, 10);  // a dash-dot frame
  blank.resize(0, 20);
  EXPECT_TRUE(blank.RenderButton().isNull());
}

TEST_F(ImageBtnTest, AllTransparentPictureShowsNothingAndTakesNoClicks) {
  // Through the window, as a user's click is routed.
  QTest::mouseClick(FForm->windowHandle(), Qt::LeftButton, {}, QPoint(25, 34));
  ASSERT_EQ(FClicks, 1);

  FButton->Image().Assign(AllRed());
  EXPECT_EQ(FForm->childAt(25, 34), nullptr);
  QTest::mouseClick(FForm->windowHandle(), Qt::LeftButton, {}, QPoint(25, 34));
  EXPECT_EQ(FClicks, 1);
  const QImage shot = FForm->grab().toImage();
  EXPECT_EQ(shot.pixel(25, 34), shot.pixel(5, 5));
  // The empty outline is kept as a block of no rectangles.
  EXPECT_EQ(IntAt(FButton->RegionData(), 0), 32);
  EXPECT_EQ(IntAt(FButton->RegionData(), 12), 0);
}

TEST_F(ImageBtnTest, MouseEventsCarryButtonAndPoint) {
  QStringList events;
  auto record = [&](const char* what) {
    return [&events, what](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint p) {
      events << QStringLiteral("%1 %2 %3,%4").arg(what).arg(int(b)).arg(p.x()).arg(p.y());
    };
  };
  FButton->OnMouseDown = record("down");
  FButton->OnMouseUp = record("up");
  FButton->OnMouseMove = [&](Qt::KeyboardModifiers, QPoint p) {
    events << QStringLiteral("move %1,%2").arg(p.x()).arg(p.y());
  };
  QTest::mousePress(FButton, Qt::LeftButton, {}, QPoint(5, 4));
  QTest::mouseMove(FButton, QPoint(6, 3));
  QTest::mouseRelease(FButton, Qt::LeftButton, {}, QPoint(6, 3));
  QTest::mouseClick(FButton, Qt::RightButton, {}, QPoint(2, 2));
  EXPECT_EQ(events, QStringList({"down 1 5,4", "move 6,3", "up 1 6,3", "down 2 2,2", "up 2 2,2"}));
  EXPECT_EQ(FClicks, 1);
}

TEST_F(ImageBtnTest, LatchedGroupKeepsOneButtonDown) {
  TwkImageBtn* buttons[3];
  int changes[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    buttons[i] = new TwkImageBtn(FForm.get());
    buttons[i]->Image().Assign(FramedPicture());
    buttons[i]->setGeometry(40 + 15 * i, 10, 10, 8);
    buttons[i]->SetTransparentColor(clRed);
    buttons[i]->SetGroupIndex(1);
    buttons[i]->SetOptions(boAutoBold);
    buttons[i]->OnSelChange = [&changes, i] { ++changes[i]; };
    buttons[i]->show();
  }
  FButton->SetGroupIndex(2);  // another group of the same parent
  FButton->SetDown(true);
  auto downs = [&] {
    return QString("%1%2%3").arg(buttons[0]->Down()).arg(buttons[1]->Down()).arg(buttons[2]->Down());
  };
  QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(downs(), "100");
  EXPECT_TRUE(buttons[0]->font().bold());
  QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(downs(), "010");
  EXPECT_FALSE(buttons[0]->font().bold());
  EXPECT_TRUE(FButton->Down());
  // Clicking the down one keeps it down, unless the group may be all up (set on any one).
  QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(downs(), "010");
  buttons[2]->SetAllowAllUp(true);
  EXPECT_TRUE(buttons[1]->AllowAllUp());
  QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(5, 4));
  EXPECT_EQ(downs(), "000");
  // Down set in code releases the others too; a press released away changes nothing.
  buttons[2]->SetDown(true);
  buttons[0]->SetDown(true);
  EXPECT_EQ(downs(), "100");
  QTest::mousePress(buttons[1], Qt::LeftButton, {}, QPoint(5, 4));
  QTest::mouseRelease(buttons[1], Qt::LeftButton, {}, QPoint(60, 40));
  EXPECT_EQ(downs(), "100");
  EXPECT_EQ(changes[0], 3);
  EXPECT_EQ(changes[1], 4);
  EXPECT_EQ(changes[2], 2);
}

TEST_F(ImageBtnTest, LatchedButtonIsDitheredOverItsShape) {
  FButton->SetGroupIndex(1);
  FButton->SetDitherStyle(dsFill);
  FButton->SetDown(true);
  // The face moves 2 right and down; the pattern covers the shape only.
  QImage img = FButton->RenderButton();
  EXPECT_EQ(At(img, 5, 4), clWhite);
  EXPECT_EQ(At(img, 2, 2), Ground);
  FButton->SetDitherStyle(dsDither);
  img = FButton->RenderButton();
  EXPECT_EQ(At(img, 3, 4) == clWhite, !(At(img, 4, 4) == clWhite));
  EXPECT_TRUE(At(img, 3, 4) == Inside || At(img, 4, 4) == Inside);
  FButton->SetDitherColor(clNone);
  EXPECT_EQ(At(FButton->RenderButton(), 5, 4), Inside);
  // Not for an ungrouped button, nor for one with a down picture.
  FButton->SetDitherColor(clWhite);
  FButton->SetGroupIndex(0);
  EXPECT_EQ(At(FButton->RenderButton(), 5, 4), Inside);
}

TEST(ImageBtnGlyph, StandsBesideTheCaptionByLayout) {
  TwkImageBtn b;
  b.resize(100, 40);
  QImage strip(16, 8, QImage::Format_RGB32);  // up (blue) and disabled (green)
  strip.fill(qRgb(0, 0, 255));
  QPainter(&strip).fillRect(8, 0, 8, 8, Qt::green);
  strip.setPixel(0, 7, qRgb(128, 128, 0));
  strip.setPixel(8, 7, qRgb(128, 128, 0));
  b.SetGlyph(strip);
  b.SetNumGlyphs(2);
  const QRgb blue = qRgb(0, 0, 255);
  EXPECT_EQ(Bounds(b.RenderButton(), blue), QRect(46, 16, 8, 8));
  EXPECT_EQ(b.RenderButton().pixel(46, 23), ColorToRGB(clBtnFace) | 0xFF000000);  // its key

  b.SetCaption("Caption");
  for (TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
    b.SetLayout(layout);
    const QRect glyph = Bounds(b.RenderButton(), blue);
    ASSERT_EQ(glyph, b.GlyphRect()) << layout;
    const QRect caption = b.CaptionRect();
    const QRect both = glyph.united(caption);
    EXPECT_LE(std::abs(both.center().x() - 50), 1) << layout;
    EXPECT_LE(std::abs(both.center().y() - 20), 1) << layout;
    switch (layout) {
      case blGlyphLeft: EXPECT_EQ(caption.left() - glyph.right() - 1, b.Spacing()); break;
      case blGlyphRight: EXPECT_EQ(glyph.left() - caption.right() - 1, b.Spacing()); break;
      case blGlyphTop: EXPECT_GT(caption.top(), glyph.bottom()); break;
      case blGlyphBottom: EXPECT_GT(glyph.top(), caption.bottom()); break;
    }
  }
  b.setEnabled(false);
  EXPECT_EQ(Bounds(b.RenderButton(), qRgb(0, 255, 0)), b.GlyphRect());
}

TEST(ImageBtnKind, StockKindReadsBackAsCustomOnceChanged) {
  TwkImageBtn b;
  b.SetKind(bkYes);
  EXPECT_EQ(b.Kind(), bkYes);
  EXPECT_EQ(b.Caption(), "&Yes");
  EXPECT_EQ(b.ModalResult(), TwkImageBtn::mrYes);
  EXPECT_TRUE(b.Default());
  EXPECT_FALSE(b.Cancel());
  EXPECT_EQ(b.NumGlyphs(), 2);
  const QImage up = b.GlyphFor(0);
  ASSERT_EQ(up.size(), QSize(18, 18));
  EXPECT_EQ(up.pixel(0, 17), qRgb(128, 128, 0));  // the ground left out
  EXPECT_NE(Bounds(up, qRgb(0, 144, 0)), QRect());
  b.SetStyle(bsWin31);
  EXPECT_NE(b.GlyphFor(0), up);
  EXPECT_EQ(b.Kind(), bkYes);

  b.SetModalResult(TwkImageBtn::mrOk);
  EXPECT_EQ(b.Kind(), bkCustom);
  b.SetModalResult(TwkImageBtn::mrYes);
  EXPECT_EQ(b.Kind(), bkCustom);  // and stays so

  b.SetKind(bkNo);
  EXPECT_TRUE(b.Cancel());
  EXPECT_FALSE(b.Default());
  b.SetDefault(true);
  EXPECT_EQ(b.Kind(), bkCustom);
  b.SetKind(bkAbort);
  EXPECT_EQ(b.Kind(), bkAbort);
  b.SetGlyph(QImage(4, 4, QImage::Format_RGB32));
  EXPECT_EQ(b.Kind(), bkCustom);
}

TEST(ImageBtnDialog, EnterEscapeAndAcceleratorClickTheirButtons) {
  QDialog dialog;
  dialog.resize(300, 100);
  auto* edit = new QLineEdit(&dialog);
  auto* ok = new TwkImageBtn(&dialog);
  ok->SetKind(bkOK);
  ok->move(0, 30);
  auto* cancel = new TwkImageBtn(&dialog);
  cancel->SetKind(bkCancel);
  cancel->move(80, 30);
  auto* retry = new TwkImageBtn(&dialog);
  retry->SetKind(bkRetry);
  retry->move(160, 30);
  auto* other = new TwkImageBtn(&dialog);
  other->SetOptions(boFocusable);
  other->move(0, 60);
  int okClicks = 0, otherClicks = 0;
  ok->OnClick = [&] { ++okClicks; };
  other->OnClick = [&] { ++otherClicks; };
  auto open = [&] {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    edit->setFocus();
  };

  open();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), TwkImageBtn::mrCancel);

  open();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), TwkImageBtn::mrOk);
  EXPECT_EQ(okClicks, 1);

  // With another image button focused, Enter is that button's.
  open();
  other->setFocus();
  ASSERT_TRUE(other->hasFocus());
  QTest::keyClick(other, Qt::Key_Return);
  EXPECT_EQ(otherClicks, 1);
  EXPECT_EQ(okClicks, 1);
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(other, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(otherClicks, 1);
  // A key the focused control leaves alone reaches the caption's accelerator ("&Retry").
  QTest::keyClick(other, Qt::Key_R);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), TwkImageBtn::mrRetry);

  // Alt with the accelerator is the button's whatever has the focus, also an edit; the
  // letter alone is the edit's text.
  open();
  QTest::keyClick(edit, Qt::Key_R);
  EXPECT_EQ(edit->text(), "r");
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(edit, Qt::Key_R, Qt::AltModifier);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), TwkImageBtn::mrRetry);
  EXPECT_EQ(edit->text(), "r");

  // A Close button closes its window.
  open();
  retry->SetKind(bkClose);
  retry->Click();
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ImageBtnDialog, AClickHandlerThatClearsTheResultKeepsTheDialogOpen) {
  QDialog dialog;
  auto* ok = new TwkImageBtn(&dialog);
  ok->SetKind(bkOK);
  bool refuse = true;
  int clicks = 0;
  // The usual check of an OK button: the result is already set when the handler runs.
  ok->OnClick = [&] {
    ++clicks;
    EXPECT_EQ(dialog.result(), TwkImageBtn::mrOk);
    if (refuse) dialog.setResult(TwkImageBtn::mrNone);
  };
  QTimer::singleShot(0, &dialog, [&] {
    ok->Click();
    EXPECT_TRUE(dialog.isVisible());
    refuse = false;
    ok->Click();
    if (dialog.isVisible()) dialog.reject();
  });
  EXPECT_EQ(dialog.exec(), TwkImageBtn::mrOk);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ImageBtnTest, PicturesFromAnotherButtonOrImager) {
  auto* user = new TwkImageBtn(FForm.get());
  user->setGeometry(60, 30, 10, 8);
  user->SetTransparentColor(clRed);
  EXPECT_TRUE(user->mask().isEmpty());  // no picture of its own
  user->SetExtImage(FButton);
  EXPECT_EQ(user->mask(), QRegion(1, 1, 8, 6));
  // The source's changes reach it.
  QImage lower = FramedPicture();
  QPainter(&lower).fillRect(1, 1, 8, 2, Qt::red);
  FButton->Image().Assign(lower);
  EXPECT_EQ(user->mask(), QRegion(1, 3, 8, 4));

  // Assign copies the look and shares the pictures.
  TwkImageBtn copy(FForm.get());
  copy.setGeometry(80, 30, 10, 8);
  copy.Assign(*FButton);
  EXPECT_EQ(copy.ExtImage(), FButton);
  EXPECT_EQ(copy.ExtImageDown(), FButton);
  EXPECT_EQ(copy.TransparentColor(), clRed);
  EXPECT_EQ(copy.ShadeColors().Shadow, Ground);
  EXPECT_EQ(copy.mask(), QRegion(1, 3, 8, 4));
  EXPECT_EQ(copy.RenderButton(), FButton->RenderButton());

  // Gone sources are let go of.
  delete FButton;
  FButton = nullptr;
  EXPECT_EQ(user->ExtImage(), nullptr);
  EXPECT_EQ(copy.ExtImageDown(), nullptr);
  EXPECT_TRUE(user->mask().isEmpty());

  auto* imager = new TwkCustomImager(FForm.get());
  imager->SetPicture(FramedPicture());
  user->SetExtImage(imager);
  EXPECT_EQ(user->mask(), QRegion(1, 1, 8, 6));
  delete imager;
  EXPECT_EQ(user->ExtImage(), nullptr);

  // A picture of its own replaces the one from elsewhere.
  user->SetExtImage(&copy);
  user->Image().Assign(lower);
  EXPECT_EQ(user->ExtImage(), nullptr);
}

TEST_F(ImageBtnTest, StoredOutlineBlockWinsUntilPictureOrSizeChanges) {
  const QByteArray block = FButton->RegionData();
  ASSERT_EQ(block.size(), 4 + 32 + 16);
  const qint32 expected[] = {48, 32, 1, 1, 16, 1, 1, 9, 7, 1, 1, 9, 7};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(IntAt(block, 4 * i), expected[i]) << i;
  EXPECT_EQ(FButton->DownRegionData(), QByteArray(4, '\0'));

  TwkImageBtn other(FForm.get());
  other.setGeometry(60, 30, 10, 8);
  other.show();
  other.SetTransparentColor(clRed);
  QImage wide = AllRed();
  QPainter(&wide).fillRect(0, 2, 10, 3, Qt::gray);
  other.Image().Assign(wide);
  EXPECT_EQ(other.mask(), QRegion(0, 2, 10, 3));
  other.SetRegionData(block);
  EXPECT_EQ(other.mask(), QRegion(1, 1, 8, 6));
  EXPECT_EQ(other.RegionData(), block);
  other.Image().Assign(wide);
  EXPECT_EQ(other.mask(), QRegion(0, 2, 10, 3));
  other.SetRegionData(block);
  other.resize(20, 8);
  EXPECT_EQ(other.mask(), QRegion(0, 2, 20, 3));

  // A header that claims more rectangles than the block holds uses those present; a
  // block shorter than its length, or of length 0, is refused.
  QByteArray claims = block;
  qToLittleEndian<qint32>(1000, claims.data() + 12);
  other.SetRegionData(claims);
  EXPECT_EQ(other.mask(), QRegion(1, 1, 8, 6));
  other.SetRegionData(block.left(30));
  other.SetRegionData(QByteArray(4, '\0'));
  EXPECT_EQ(other.mask(), QRegion(1, 1, 8, 6));
  // No transparent colour: rectangular, whatever is stored.
  other.SetTransparentColor(clNullColor);
  other.SetRegionData(block);
  EXPECT_TRUE(other.mask().isEmpty());
}

TEST(MainWindowButtons, FacesAreCutFromPureRed) {
  const TButtonFace faces[] = {TButtonFace::Info, TButtonFace::Help, TButtonFace::Options,
                               TButtonFace::Statistics};
  const int widths[] = {67, 72, 78, 103};
  for (int i = 0; i < 4; ++i) {
    const QImage img = ButtonFaceImage(faces[i]);
    ASSERT_EQ(img.size(), QSize(widths[i], 29));
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(widths[i] - 1, 28), qRgb(255, 0, 0));
    EXPECT_NE(img.pixel(widths[i] / 2, 14), qRgb(255, 0, 0));
    // Drawing is deterministic.
    EXPECT_EQ(img, ButtonFaceImage(faces[i]));
    // The shape is one solid piece from its first to its last row: every row is one run.
    const QRegion shape = RegionFromBitmap(img, clRed);
    for (int y = 1; y < 28; ++y) {
      const QRegion row = shape.intersected(QRect(0, y, img.width(), 1));
      EXPECT_EQ(row.rectCount(), 1) << "row " << y;
    }
  }
}

// The main window's four buttons at rest, hovered and pressed, beside two swatches.
// Set PELLAMY_SCREENSHOT_DIR to keep the picture.
TEST(MainWindowButtons, Screenshot) {
  QWidget form;
  form.setAutoFillBackground(true);
  form.resize(3 * 120 + 100, 160);
  const struct {
    TButtonFace Face;
    const char* Caption;
    QPoint At;  // as placed on the main window, relative to the Statistics button's left
  } buttons[] = {{TButtonFace::Info, "Info", {36, 8}},
                 {TButtonFace::Help, "Help", {31, 38}},
                 {TButtonFace::Options, "Options", {25, 67}},
                 {TButtonFace::Statistics, "Statistics", {0, 126}}};
  std::vector<TwkImageBtn*> columns[3];
  for (int column = 0; column < 3; ++column)
    for (const auto& b : buttons) {
      auto* button = new TwkImageBtn(&form);
      StyleAsMainWindowButton(button, b.Face, b.Caption);
      button->move(b.At + QPoint(8 + column * 115, 0));
      columns[column].push_back(button);
    }
  auto* solid = new TColorPreview(&form);
  solid->move(360, 10);
  solid->SetSwatchStyle(true);
  solid->SetColor(RGBColor(0, 128, 64));
  auto* clear = new TColorPreview(&form);
  clear->move(360, 60);
  clear->SetSwatchStyle(true);
  clear->SetColor(clRed);
  clear->SetOpacity(50);

  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  for (TwkImageBtn* b : columns[1]) SendEnter(b);
  for (TwkImageBtn* b : columns[2]) {
    SendEnter(b);
    b->SetDown(true);
  }
  const QImage shot = form.grab().toImage();

  // The caption is white over the face; the three states differ.
  const QImage rest = columns[0][3]->RenderButton();
  int white = 0;
  for (int y = 8; y < 22; ++y)
    for (int x = 20; x < 80; ++x)
      if (rest.pixel(x, y) == qRgb(255, 255, 255)) ++white;
  EXPECT_GT(white, 20);
  EXPECT_NE(rest, columns[1][3]->RenderButton());
  EXPECT_NE(columns[1][3]->RenderButton(), columns[2][3]->RenderButton());

  const QByteArray dir = qgetenv("PELLAMY_SCREENSHOT_DIR");
  if (!dir.isEmpty()) {
    const QString path = QDir(QString::fromLocal8Bit(dir)).filePath("wkImgBtn_screenshot.png");
    EXPECT_TRUE(shot.scaled(shot.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .save(path));
    EXPECT_TRUE(shot.save(QDir(QString::fromLocal8Bit(dir)).filePath("wkImgBtn_screenshot_1x.png")));
  }
}
