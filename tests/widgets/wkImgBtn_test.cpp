// The shaped image button: its outline, clicks only on release inside the shape, the flat
// hover and pressed looks, tinting, and the main window's four faces on screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>

#include <memory>

#include "art/ButtonFaces.h"
#include "widgets/ColorPreview.h"
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
