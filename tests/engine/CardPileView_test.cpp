// The fanned pile view: fan steps, card places, hit tests, mouse events and the drag
// protocol between two views.

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <string>

#include "PileViewTesting.h"
#include "art/CardArt.h"
#include "engine/WastePileView.h"
#include "engine/PyramidPileView.h"

namespace {

struct TOffsetCase {
  _CardSize Size;
  int Width, Height;
  float XOffset, YOffset;
  int Down, Up;
  float XStep, YStep;
};

void PrintTo(const TOffsetCase& c, std::ostream* os) {
  *os << CardSizeName(c.Size) << " " << c.Width << "x" << c.Height << ", offsets " << c.XOffset << "/"
      << c.YOffset << ", " << c.Down << " down " << c.Up << " up: steps " << c.XStep << "/" << c.YStep;
}

std::string OffsetCaseName(const ::testing::TestParamInfo<TOffsetCase>& info) {
  const TOffsetCase& c = info.param;
  return std::string(CardSizeName(c.Size)) + "_" + std::to_string(c.Width) + "x" + std::to_string(c.Height) + "_" +
         std::to_string(c.Down) + "Down" + std::to_string(c.Up) + "Up";
}

class CalcOffsetsTest : public TPileTableTest,
                        public ::testing::WithParamInterface<TOffsetCase> {};

TEST_P(CalcOffsetsTest, StepsFitTheFanIntoTheView) {
  const TOffsetCase& c = GetParam();
  UseCardSize(c.Size);
  TCardPileView* view = AddView(0, 0, c.Width, c.Height);
  view->XOffset = c.XOffset;
  view->YOffset = c.YOffset;
  Fill(view, c.Down + c.Up, c.Up);
  view->CalcOffsets();
  EXPECT_FLOAT_EQ(view->FXStep, c.XStep);
  EXPECT_FLOAT_EQ(view->FYStep, c.YStep);
}

INSTANTIATE_TEST_SUITE_P(
    AllSizes, CalcOffsetsTest,
    ::testing::Values(
        // Full fans fit: the offsets stand.
        TOffsetCase{CS_SMALL, 61, 337, 0, 14, 0, 5, 0, 14},
        TOffsetCase{CS_LARGE, 80, 337, 0, 18, 0, 5, 0, 18},
        TOffsetCase{CS_HUGE, 120, 500, 0, 28, 0, 5, 0, 28},
        // A mild squeeze keeps the top card whole while every covered card shows its
        // corner index (24, 27, 42): (320 - 95) / 9 = 25, (345 - 125) / 8 = 27.
        TOffsetCase{CS_SMALL, 61, 320, 0, 30, 0, 10, 0, 25},
        TOffsetCase{CS_LARGE, 80, 345, 0, 28, 0, 9, 0, 27},
        // One step short of the index: the top card keeps 47, 62 or 104 pixels in view
        // instead, (300 - 47) / 9 = 28, (337 - 62) / 8 = 34, so the offset stands.
        TOffsetCase{CS_SMALL, 61, 300, 0, 30, 0, 10, 0, 28},
        TOffsetCase{CS_LARGE, 80, 337, 0, 28, 0, 9, 0, 28},
        // 20 face-up cards: (337 - 47) / 19 = 15, (337 - 62) / 19 = 14, (500 - 104) / 19 = 20.
        TOffsetCase{CS_SMALL, 61, 337, 0, 18, 0, 20, 0, 15},
        TOffsetCase{CS_LARGE, 80, 337, 0, 18, 0, 20, 0, 14},
        TOffsetCase{CS_HUGE, 120, 500, 0, 30, 0, 20, 0, 20},
        // Squeezed hard: never below the face-down step.
        TOffsetCase{CS_SMALL, 61, 200, 0, 18, 0, 40, 0, 6},
        TOffsetCase{CS_LARGE, 80, 337, 0, 18, 0, 40, 0, 8},
        TOffsetCase{CS_HUGE, 120, 400, 0, 30, 0, 40, 0, 12},
        // A face-down run takes its own room first, a step for each of its cards, the
        // last one's above the first face-up card: (337 - 62 - 6 * 8) / 13 = 17.
        TOffsetCase{CS_LARGE, 80, 337, 0, 20, 6, 14, 0, 17},
        TOffsetCase{CS_SMALL, 61, 300, 0, 20, 6, 14, 0, 16},
        TOffsetCase{CS_HUGE, 120, 500, 0, 30, 6, 14, 0, 24},
        // No room left after the face-down run: the face-down step; a single face-up
        // card: the offset.
        TOffsetCase{CS_LARGE, 80, 337, 0, 18, 40, 3, 0, 8},
        TOffsetCase{CS_LARGE, 80, 200, 0, 18, 50, 1, 0, 18},
        TOffsetCase{CS_HUGE, 120, 300, 0, 30, 20, 5, 0, 12},
        // Horizontal fans: (200 - 80) / 9 = 13.
        TOffsetCase{CS_LARGE, 200, 125, 20, 0, 0, 10, 13, 0},
        TOffsetCase{CS_SMALL, 150, 95, 20, 0, 0, 10, 9, 0},
        // Fewer than two cards: the offsets themselves.
        TOffsetCase{CS_LARGE, 80, 100, 0, 18, 0, 1, 0, 18}),
    OffsetCaseName);

class PileViewTest : public TPileTableTest {};

TEST_F(PileViewTest, FannedTableauPlacesFaceDownRunTighterThanFaceUpCards) {
  TCardPileView* view = AddView(8, 152, 80, 400);
  view->AllowDrag = true;
  view->YOffset = 18;
  Fill(view, 6, 3);
  Show();
  std::vector<int> ys;
  for (TCard* card : Cards(view)) {
    EXPECT_EQ(card->FX, 0);
    ys.push_back(static_cast<int>(card->FY));
  }
  EXPECT_EQ(ys, (std::vector<int>{0, 8, 16, 24, 42, 60}));
}

TEST_F(PileViewTest, StockBlockStaysInsideItsView) {
  // Klondike's stock: 121 x 129, no dragging, 24 face-down cards at 1.0 / 0.2.
  TCardPileView* stock = AddView(8, 8, 121, 129);
  stock->XOffset = 1.0f;
  stock->YOffset = 0.2f;
  Fill(stock, 24, 0);
  Show();
  const TCard* top = stock->FCards->CardAt(TopOfPile);
  EXPECT_EQ(top->FX, 23);
  EXPECT_EQ(top->FY, 4);
  EXPECT_LE(top->FX + 80, stock->width());
  EXPECT_LE(top->FY + 125, stock->height());
}

TEST_F(PileViewTest, StackedPileDrawsAndHitsOnlyItsTopCard) {
  TCardPileView* foundation = AddView(300, 8, 80, 125);
  Fill(foundation, 4, 4);
  TCard* top = foundation->FCards->CardAt(TopOfPile);
  QObject* sender = nullptr;
  foundation->OnMouseDown = [&](QObject* s, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    sender = s;
  };
  Show();
  for (TCard* card : Cards(foundation)) EXPECT_EQ(QPointF(card->FX, card->FY), QPointF(0, 0));
  Press(foundation, QPoint(40, 60));
  Release(foundation, QPoint(40, 60));
  EXPECT_EQ(foundation->FHitCard, top);
  EXPECT_EQ(sender, foundation);
  EXPECT_EQ(foundation->FGrabX, 40);
  EXPECT_EQ(foundation->FGrabY, 60);
}

TEST_F(PileViewTest, EmptyPilesShowBorderPicturesAndLabel) {
  TCardPileView* bordered = AddView(10, 10, 80, 125);
  bordered->IsBordered = true;
  bordered->Label = "A";
  TCardPileView* recycle = AddView(100, 10, 80, 125);
  recycle->State = CS_RECYCLE;
  Show();
  const QImage shot = FWindow->grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(0, 0, 0));           // black frame
  EXPECT_EQ(shot.pixelColor(10 + 79, 10 + 124), QColor(0x80, 0x80, 0x80));  // grey frame
  // The label writes black ink near its top-left corner.
  bool ink = false;
  for (int y = 12; y < 40 && !ink; ++y)
    for (int x = 15; x < 35 && !ink; ++x) ink = shot.pixelColor(x, y) == QColor(0, 0, 0);
  EXPECT_TRUE(ink);
  // The recycle picture changes the green table somewhere in the view.
  bool drawn = false;
  for (int y = 10; y < 135 && !drawn; ++y)
    for (int x = 100; x < 180 && !drawn; ++x) drawn = shot.pixelColor(x, y) != QColor(0, 64, 0);
  EXPECT_TRUE(drawn);
}

TEST_F(PileViewTest, BitmapModeCopiesTheBackgroundBehindTheView) {
  QImage background(900, 760, QImage::Format_RGB32);
  background.fill(QColor(0, 0, 200));
  for (int y = 0; y < 760; ++y) background.setPixelColor(250, y, QColor(255, 255, 0));
  TCardPileView* view = AddView(200, 300, 100, 125);
  view->BackgroundMode = CS_BITMAP;
  view->FBackBitmap = &background;
  TCardPileView* plain = AddView(400, 300, 100, 125);
  plain->BackgroundMode = CS_BITMAP;  // no cache: the window's colour
  Show();
  const QImage shot = FWindow->grab().toImage();
  EXPECT_EQ(shot.pixelColor(210, 310), QColor(0, 0, 200));
  EXPECT_EQ(shot.pixelColor(250, 310), QColor(255, 255, 0));
  EXPECT_EQ(shot.pixelColor(410, 310), QColor(0, 64, 0));
}

TEST_F(PileViewTest, ShiftPressPeeksAtFaceUpCardsOnly) {
  TCardPileView* view = AddView(8, 152, 80, 400);
  view->AllowDrag = true;
  view->YOffset = 18;
  Fill(view, 6, 3);
  int downs = 0;
  view->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++downs; };
  Show();
  // A buried face-up card (the fourth, at y 24..42).
  Press(view, QPoint(40, 30), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_TRUE(view->FPeeking);
  EXPECT_EQ(view->FHitCard, view->FCards->CardAt(3));
  EXPECT_EQ(downs, 0);
  const QImage peeking = view->grab().toImage();
  Release(view, QPoint(40, 30));
  EXPECT_FALSE(view->FPeeking);
  EXPECT_NE(peeking, view->grab().toImage());  // the peeked card was drawn whole
  // A face-down card: no peek, the game hears the press.
  Press(view, QPoint(40, 4), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_FALSE(view->FPeeking);
  EXPECT_EQ(downs, 1);
  Release(view, QPoint(40, 4));
}

TEST_F(PileViewTest, RightPressClearsArmingButKeepsTheHitCard) {
  TCardPileView* view = AddView(8, 152, 80, 400);
  TCardPileView* other = AddView(200, 152, 80, 400);
  view->YOffset = 18;
  Fill(view, 3, 3);
  Show();
  Press(view, QPoint(40, 50));
  Release(view, QPoint(40, 50));
  TCard* hit = view->FHitCard;
  ASSERT_NE(hit, nullptr);
  view->FDragArmed = true;
  view->FDropTarget = other;
  Press(view, QPoint(40, 5), Qt::RightButton);
  Release(view, QPoint(40, 5), Qt::RightButton);
  EXPECT_FALSE(view->FDragArmed);
  EXPECT_EQ(view->FDropTarget, nullptr);
  EXPECT_EQ(view->FHitCard, hit);
  // A press beside every card finds none.
  Press(view, QPoint(40, 390));
  Release(view, QPoint(40, 390));
  EXPECT_EQ(view->FHitCard, nullptr);
}

TEST_F(PileViewTest, ClicksAndDoubleClicksArriveInTheFrameworkOrder) {
  TCardPileView* stock = AddView(8, 8, 121, 129);
  Fill(stock, 3, 0);
  std::string log;
  stock->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { log += "D"; };
  stock->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { log += "U"; };
  stock->OnClick = [&](QObject*) { log += "C"; };
  stock->OnDblClick = [&](QObject*) { log += "2"; };
  Show();
  FMouseOwner = stock;
  QTest::mouseClick(stock, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(log, "DCU");
  // Qt follows with a double-click event and a release: no second click.
  QTest::mouseDClick(stock, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseRelease(stock, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(log, "DCUD2U");
  log.clear();
  // Released outside: no click; the right button never clicks.
  Press(stock, QPoint(20, 20));
  Release(stock, QPoint(300, 20));
  Press(stock, QPoint(20, 20), Qt::RightButton);
  Release(stock, QPoint(20, 20), Qt::RightButton);
  EXPECT_EQ(log, "DUDU");
}

// ---- the drag protocol -------------------------------------------------------------------

class PileDragTest : public TPileTableTest {
protected:
  void SetUpTable() {
    FSource = AddView(8, 152, 80, 400);
    FTarget = AddView(200, 152, 80, 400);
    for (TCardPileView* view : {FSource, FTarget}) {
      view->AllowDrag = true;
      view->YOffset = 18;
      ArmOnPress(view);
    }
    Fill(FSource, 6, 3);
    Fill(FTarget, 2, 1);
    FSource->OnStartDrag = [this](QObject*, TDragObjectHack* object) {
      FLog += "S";
      FStartObject = object;
    };
    FSource->OnEndDrag = [this](QObject* sender, QObject* target, int, int) {
      FLog += "E";
      FEndSender = sender;
      FEndTarget = target;
      FEndDragPile = FSource->FDragPile->FList;
      FEndDropTarget = FSource->FDropTarget.data();
    };
    Show();
  }

  TCardPileView* FSource = nullptr;
  TCardPileView* FTarget = nullptr;
  std::string FLog;
  TDragObjectHack* FStartObject = nullptr;
  QObject* FEndSender = nullptr;
  QObject* FEndTarget = nullptr;
  std::vector<TCard*> FEndDragPile;
  TCardPileView* FEndDropTarget = nullptr;
};

TEST_F(PileDragTest, RunMovesToTheAcceptingView) {
  SetUpTable();
  AcceptDrops(FTarget);
  const std::vector<TCard*> before = Cards(FSource);
  const std::vector<TCard*> run(before.begin() + 4, before.end());
  // Grab the fifth card (y 42..60), drop on the target.
  Drag(FSource, QPoint(40, 50), FTarget, QPoint(40, 100));
  EXPECT_EQ(FLog, "SE");
  EXPECT_EQ(FStartObject->OwnerView(), FSource);
  EXPECT_EQ(FEndSender, FSource);
  EXPECT_EQ(FEndTarget, FTarget);
  EXPECT_EQ(FEndDragPile, run);
  EXPECT_EQ(FEndDropTarget, FTarget);
  EXPECT_EQ(Cards(FSource), std::vector<TCard*>(before.begin(), before.begin() + 4));
  ASSERT_EQ(FTarget->FCards->Count(), 4);
  EXPECT_EQ(FTarget->FCards->CardAt(2), run[0]);
  EXPECT_EQ(FTarget->FCards->CardAt(3), run[1]);
  // The target repainted: the moved cards know their new places.
  EXPECT_EQ(run[1]->FY, 44);
  EXPECT_FALSE(FSource->Dragging());
}

TEST_F(PileDragTest, ReleaseWithoutTargetPutsTheRunBackInOrder) {
  SetUpTable();
  const std::vector<TCard*> before = Cards(FSource);
  // Over the bare table, then over the target that has no drop rule.
  Press(FSource, QPoint(40, 30));
  MoveTo(FSource, QPoint(40, 45));
  EXPECT_EQ(FSource->FCards->Count(), 3);
  EXPECT_EQ(FSource->FDragPile->Count(), 3);
  MoveTo(FWindow.get(), QPoint(600, 600));
  MoveTo(FTarget, QPoint(40, 40));
  Release(FTarget, QPoint(40, 40));
  EXPECT_EQ(FLog, "SE");
  EXPECT_EQ(FEndTarget, nullptr);
  EXPECT_EQ(FEndDropTarget, nullptr);
  EXPECT_EQ(Cards(FSource), before);
  EXPECT_EQ(FTarget->FCards->Count(), 2);
}

TEST_F(PileDragTest, DropOnItsOwnViewPutsTheRunBack) {
  SetUpTable();
  // A rule that even names the source itself.
  FSource->OnDragOver = [this](QObject*, TDragObjectHack*, int, int, TDragState, bool& accept) {
    FSource->FDropTarget = FSource;
    accept = true;
  };
  const std::vector<TCard*> before = Cards(FSource);
  Drag(FSource, QPoint(40, 50), FSource, QPoint(40, 200));
  EXPECT_EQ(Cards(FSource), before);
  EXPECT_EQ(FEndDropTarget, nullptr);
}

TEST_F(PileDragTest, ManualDropLeavesTheMoveToTheHandler) {
  SetUpTable();
  AcceptDrops(FTarget);
  FSource->FManualDrop = true;
  int inTargetAtEnd = -1;
  FSource->OnEndDrag = [&](QObject*, QObject*, int, int) {
    inTargetAtEnd = FTarget->FCards->Count();
    FSource->FDropTarget->FCards->AddPile(FSource->FDragPile);
  };
  Drag(FSource, QPoint(40, 65), FTarget, QPoint(40, 100));
  EXPECT_EQ(inTargetAtEnd, 2);
  EXPECT_EQ(FTarget->FCards->Count(), 3);
  EXPECT_EQ(FSource->FCards->Count(), 5);
}

TEST_F(PileDragTest, NothingMovesUnlessTheGameArmsTheDrag) {
  SetUpTable();
  AcceptDrops(FTarget);
  FSource->OnMouseDown = nullptr;
  const std::vector<TCard*> before = Cards(FSource);
  Drag(FSource, QPoint(40, 50), FTarget, QPoint(40, 100));
  EXPECT_EQ(FLog, "");
  EXPECT_EQ(Cards(FSource), before);
  // Armed, but the view does not allow dragging.
  ArmOnPress(FSource);
  FSource->AllowDrag = false;
  Drag(FSource, QPoint(40, 50), FTarget, QPoint(40, 100));
  EXPECT_EQ(FLog, "");
  EXPECT_EQ(Cards(FSource), before);
}

TEST_F(PileDragTest, DelayedDragLiftsOnlyPastTheDragDistance) {
  SetUpTable();
  AcceptDrops(FTarget);
  FSource->DragDelayed = true;
  const std::vector<TCard*> before = Cards(FSource);
  Press(FSource, QPoint(40, 50));
  MoveTo(FSource, QPoint(41, 51));
  MoveTo(FSource, QPoint(42, 50));
  EXPECT_EQ(FLog, "");
  EXPECT_EQ(Cards(FSource), before);
  Release(FSource, QPoint(42, 50));
  EXPECT_EQ(Cards(FSource), before);
  EXPECT_EQ(FLog, "");
  // Far enough: the cards lift once, however many moves follow.
  Press(FSource, QPoint(40, 50));
  for (int i = 1; i <= 30; ++i) MoveTo(FSource, QPoint(40 + i, 50 + i));
  EXPECT_EQ(FLog, "S");
  EXPECT_EQ(FSource->FDragPile->Count(), 2);
  EXPECT_EQ(FSource->FCards->Count(), 4);
  Release(FTarget, QPoint(40, 100));
  EXPECT_EQ(FTarget->FCards->Count(), 4);
}

TEST_F(PileDragTest, OverlayShowsTheCardsAndTheAcceptMarkAtTheGrabPoint) {
  SetUpTable();
  AcceptDrops(FTarget);
  TDragController* controller = TDragController::For(FWindow.get());
  std::vector<TDragState> formStates;
  controller->OnDragOver = [&](QObject* sender, TDragObjectHack*, int, int, TDragState state,
                               bool& accept) {
    EXPECT_EQ(sender, FWindow.get());
    formStates.push_back(state);
    accept = false;
  };
  Press(FSource, QPoint(30, 50));  // grab 30, 8 inside the fifth card
  MoveTo(FSource, QPoint(35, 55));
  ASSERT_TRUE(FSource->Dragging());
  EXPECT_EQ(FSource->FDragImages.Count(), 3);
  EXPECT_EQ(FSource->FDragImages.HotSpot, QPoint(30, 8));
  TDragOverlay* overlay = controller->Overlay();
  ASSERT_NE(overlay, nullptr);
  EXPECT_TRUE(overlay->isVisible());
  // Over the source (no rule): refused.
  EXPECT_EQ(FSource->FDragImages.Overlay, 2);
  MoveTo(FWindow.get(), QPoint(600, 600));
  EXPECT_EQ(overlay->ImageRect().topLeft(), QPoint(570, 592));
  EXPECT_EQ(formStates, std::vector<TDragState>{dsDragEnter});
  // The window shows the lifted cards under the mouse.
  const QImage shot = FWindow->grab().toImage();
  EXPECT_NE(shot.pixelColor(QPoint(620, 630)), QColor(0, 64, 0));
  EXPECT_EQ(shot.pixelColor(QPoint(560, 630)), QColor(0, 64, 0));
  MoveTo(FTarget, QPoint(40, 40));
  EXPECT_EQ(FSource->FDragImages.Overlay, 1);
  EXPECT_EQ(formStates, (std::vector<TDragState>{dsDragEnter, dsDragLeave}));
  Release(FTarget, QPoint(40, 40));
  EXPECT_FALSE(overlay->isVisible());
}

TEST_F(PileDragTest, ThePointerIsHiddenWhileTheDragImageCarriesTheMark) {
  SetUpTable();
  AcceptDrops(FTarget);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  Press(FSource, QPoint(40, 50));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a press alone is no drag";
  MoveTo(FSource, QPoint(45, 60));
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
  MoveTo(FTarget, QPoint(40, 40));
  Release(FTarget, QPoint(40, 40));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "back on drop";

  // A drag that ends without a drop gives the pointer back too.
  Press(FTarget, QPoint(40, 60));
  MoveTo(FTarget, QPoint(45, 70));
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  FTarget->hide();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  Release(FTarget, QPoint(45, 70));
}

TEST_F(PileDragTest, OutsideTheWindowThePointerItselfCarriesTheMark) {
  SetUpTable();
  TDragController* controller = TDragController::For(FWindow.get());
  // The window refuses, as a game does with smart dragging off.
  controller->OnDragOver = [](QObject*, TDragObjectHack*, int, int, TDragState, bool& accept) { accept = false; };
  // The pointer shows the program's mark picture, key colour left out, hot spot at its corner.
  auto expectMarkPointer = [](const char* mark) {
    const QCursor* cursor = QApplication::overrideCursor();
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->hotSpot(), QPoint(0, 0));
    const QImage shown = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage picture = CardArtBitmap(QLatin1String(mark)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), picture.size()) << mark;
    int marked = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb p = picture.pixel(x, y);
        if ((p & 0xFFFFFF) == (CardArtKeyColor & 0xFFFFFF)) {
          EXPECT_EQ(qAlpha(shown.pixel(x, y)), 0) << mark << " " << x << "," << y;
        } else {
          ++marked;
          EXPECT_EQ(shown.pixel(x, y), p | 0xFF000000) << mark << " " << x << "," << y;
        }
      }
    EXPECT_GT(marked, 20) << mark;
  };
  const std::vector<TCard*> before = Cards(FSource);
  Press(FSource, QPoint(40, 50));
  MoveTo(FSource, QPoint(45, 60));
  ASSERT_TRUE(FSource->Dragging());
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
  for (QPoint outside : {QPoint(-30, 300), QPoint(300, -5), QPoint(950, 100), QPoint(300, 800)}) {
    MoveTo(FWindow.get(), outside);
    expectMarkPointer("CURSOR_BAD");
  }
  MoveTo(FWindow.get(), QPoint(600, 600));
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BlankCursor) << "back over the table";
  MoveTo(FWindow.get(), QPoint(950, 100));
  Release(FWindow.get(), QPoint(950, 100));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Cards(FSource), before) << "released outside: the cards go home";
  EXPECT_EQ(FEndDropTarget, nullptr);

  // A target chosen at the start (smart dragging) takes the cards from anywhere, so the
  // pointer outside shows the accept mark.
  const TStartDragEvent logStart = FSource->OnStartDrag;
  FSource->OnStartDrag = [&, logStart](QObject* sender, TDragObjectHack* object) {
    logStart(sender, object);
    FSource->FDropTarget = FTarget;
  };
  controller->OnDragOver = [this](QObject*, TDragObjectHack*, int, int, TDragState, bool& accept) {
    accept = !FSource->FDropTarget.isNull();
  };
  Press(FSource, QPoint(40, 50));
  MoveTo(FSource, QPoint(45, 60));
  MoveTo(FWindow.get(), QPoint(-30, 300));
  expectMarkPointer("CURSOR_GOOD");
  const int lifted = FSource->FDragPile->Count();
  Release(FWindow.get(), QPoint(-30, 300));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(FSource->FCards->Count(), 6 - lifted);
  EXPECT_EQ(FTarget->FCards->Count(), 2 + lifted);
  EXPECT_EQ(FTarget->FCards->FList.back(), before.back());
}

TEST_F(PileDragTest, ViewHiddenDuringADragTakesItsCardsHome) {
  SetUpTable();
  Press(FSource, QPoint(40, 50));
  MoveTo(FSource, QPoint(45, 60));
  ASSERT_TRUE(FSource->Dragging());
  FSource->hide();  // the game hides the view mid-drag: the cards go home
  EXPECT_FALSE(FSource->Dragging());
  EXPECT_EQ(FSource->FCards->Count(), 6);
  EXPECT_FALSE(TDragController::For(FWindow.get())->Overlay()->isVisible());
  Release(FSource, QPoint(45, 60));
  EXPECT_EQ(FSource->FCards->Count(), 6);
}

}  // namespace

// ---- a look at the whole table ------------------------------------------------------------

namespace {

// A window whose background is a picture, as the background component paints it.
class TPictureWindow : public QWidget {
public:
  explicit TPictureWindow(const QImage* picture) : FPicture(picture) {}

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, *FPicture);
  }

private:
  const QImage* FPicture;
};

class PileViewShotTest : public TPileTableTest, public ::testing::WithParamInterface<_CardSize> {};

TEST_P(PileViewShotTest, TableWithADragInProgress) {
  const _CardSize size = GetParam();
  UseCardSize(size);
  const QSize card = TCardPileView::CardSize();
  const int gap = card.width() / 5;
  const QSize windowSize(16 * card.width(), 6 * card.height());
  QImage background(windowSize, QImage::Format_RGB32);
  {
    QPainter painter(&background);
    QLinearGradient gradient(0, 0, 0, windowSize.height());
    gradient.setColorAt(0, QColor(0, 96, 32));
    gradient.setColorAt(1, QColor(0, 32, 16));
    painter.fillRect(background.rect(), gradient);
  }
  FWindow = std::make_unique<TPictureWindow>(&background);
  FWindow->resize(windowSize);
  const float fan = size == CS_SMALL ? 14 : size == CS_HUGE ? 28 : 18;

  TCardPileView* stock = AddView(gap, gap, card.width() + 41, card.height() + 4);
  stock->XOffset = 1.0f;
  stock->YOffset = 0.2f;
  Fill(stock, 24, 0);
  auto* waste = AddView<TWastePileView>(stock->geometry().right() + gap, gap, card.width() + 57,
                                        card.height() + 5);
  waste->DrawThree = true;
  waste->AllowDrag = true;
  Fill(waste, 7, 7);
  TCardPileView* foundation = AddView(waste->geometry().right() + gap, gap, card.width(), card.height());
  foundation->IsBordered = true;
  foundation->Label = "A";
  TCardPileView* recycle = AddView(foundation->geometry().right() + gap, gap, card.width(), card.height());
  recycle->State = CS_RECYCLE;
  recycle->IsBordered = true;

  const int tableauTop = card.height() + 2 * gap;
  const int tableauHeight = windowSize.height() - tableauTop - gap;
  TCardPileView* tableau = AddView(gap, tableauTop, card.width(), tableauHeight);
  TCardPileView* target = AddView(2 * gap + card.width(), tableauTop, card.width(), tableauHeight);
  TCardPileView* squeezed = AddView(3 * gap + 2 * card.width(), tableauTop, card.width(),
                                    card.height() * 2);
  for (TCardPileView* view : {tableau, target, squeezed}) {
    view->AllowDrag = true;
    view->YOffset = fan;
    view->BackgroundMode = CS_BITMAP;
    view->FBackBitmap = &background;
  }
  for (TCardPileView* view : {stock, static_cast<TCardPileView*>(waste), foundation, recycle}) {
    view->BackgroundMode = CS_BITMAP;
    view->FBackBitmap = &background;
  }
  Fill(tableau, 12, 7);
  Fill(target, 3, 1);
  Fill(squeezed, 20, 15);
  ArmOnPress(tableau);
  AcceptDrops(target);

  auto* pyramid = AddView<TPyramidPileView>(0, tableauTop, 10, 10);
  pyramid->XOffset = 4;
  pyramid->SetRows(7);
  pyramid->move(windowSize.width() - pyramid->width() - gap, tableauTop);
  pyramid->BackgroundMode = CS_BITMAP;
  pyramid->FBackBitmap = &background;
  for (int pos = 0; pos < 28; ++pos) {
    TCard* added = NewCard(static_cast<_CardSuit>(pos % 4), static_cast<_CardValue>((pos * 5) % 13), true);
    added->SetPos(pos);
    pyramid->FCards->AddCard(added);
  }
  pyramid->FCards->SetToNull(25);
  Show();

  // Lift the face-up run from its fourth card and hold it over the other tableau.
  TCard* grabbed = tableau->FCards->FList[8];
  const QPoint grab(static_cast<int>(grabbed->FX) + card.width() / 3,
                    static_cast<int>(grabbed->FY) + card.height() / 10);
  Press(tableau, grab);
  const QPoint hover(card.width() / 2, 3 * card.height() / 4);
  MoveTo(target, hover);
  ASSERT_TRUE(tableau->Dragging());
  const QImage shot = FWindow->grab().toImage();
  const QString name = QString("pileview-%1.png").arg(size == CS_SMALL ? "small" : size == CS_HUGE ? "huge" : "large");
  shot.save(QDir(QCoreApplication::applicationDirPath()).filePath(name));

  // The stock block and the pyramid stay inside their views.
  EXPECT_LE(stock->FCards->CardAt(TopOfPile)->FX + card.width(), stock->width());
  EXPECT_EQ(pyramid->FCards->FList[21]->FX, 0);
  EXPECT_EQ(pyramid->FCards->FList[27]->FX + card.width(), pyramid->width());
  // The lifted cards hang at the grab point: the card's top-left corner pixel is drawn.
  const QPoint mouse = Map(target, hover, FWindow.get());
  const QPoint corner = mouse - QPoint(grab.x() - static_cast<int>(grabbed->FX),
                                       grab.y() - static_cast<int>(grabbed->FY));
  EXPECT_NE(shot.pixelColor(corner + QPoint(card.width() / 2, 2)), background.pixelColor(corner + QPoint(card.width() / 2, 2)));
  Release(target, hover);
  EXPECT_EQ(target->FCards->Count(), 7);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, PileViewShotTest, ::testing::Values(CS_SMALL, CS_LARGE, CS_HUGE),
                         [](const ::testing::TestParamInfo<_CardSize>& info) { return CardSizeName(info.param); });

}  // namespace
