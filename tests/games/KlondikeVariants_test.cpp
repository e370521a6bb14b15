// Klondike at its three card sizes, made through the app's factory table; and pictures
// of them for looking at (written when PELLAMY_SHOTS names a folder).

#include "games/KlondikeTesting.h"

#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QToolBar>

#include "app/GameFactories.h"
#include "art/ShellArt.h"
#include "platform/Metrics.h"
#include "shell/GameWindows.h"
#include "widgets/FormPlacement.h"
#include "widgets/wkStatusBar.h"

using namespace GamesTest;

namespace {

class TKlondikeVariants : public TKlondikeTest {
protected:
  void OpenThroughFactory(int size) {
    RegisterGameWindows();
    TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
    FForm = qobject_cast<TKlondikeForm*>(GameWindows::Create(16, size));
    ASSERT_FALSE(FForm.isNull());
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.data()));
    DealNumber(1);
  }
  void Shot(const QString& name) {
    const QString folder = qEnvironmentVariable("PELLAMY_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    // The win animation's trail lives over the window until it repaints: lay it on the grab.
    const QImage trail = GameShell::WinAnimation()->TrailImage();
    QImage picture = FForm->grab().toImage();
    if (!trail.isNull() && trail.size() == picture.size()) {
      QPainter painter(&picture);
      painter.drawImage(0, 0, trail);
    }
    picture.save(folder + "/" + name + ".png");
  }
  // A few moves of deal 1: AH home, 5C onto 6D, a stock turn.
  void PlayAFewMoves() {
    FForm->DiscardPileViewDblClick(Tableau(5));
    Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(6), TopPoint(Tableau(6)));
    FForm->DeckPileViewClick(Stock());
    ASSERT_EQ(FForm->FMoveCount, 3);
  }
};

struct TSizeCase {
  int Size;
  const char* ClassName;
  QSize Client;
  int BarHeight;
  int FirstPanel;
  int TableauLefts[7];
  int TableauTop;
  QSize MinOuter;
  const char* Placement;
};

const TSizeCase SizeCases[] = {
    {0, "TsKlondikeForm", {525, 392}, 22, 170, {17, 89, 161, 233, 305, 377, 449}, 120, {525 + 8, 300}, "sKlondike"},
    {1, "TKlondikeForm", {672, 491}, 26, 210, {8, 104, 200, 296, 392, 488, 584}, 152, {672 + 8, 480}, "Klondike"},
    {2, "ThKlondikeForm", {1008, 736}, 36, 306, {15, 153, 302, 446, 590, 734, 878}, 208, {980 + 8, 650}, "hKlondike"},
};

}  // namespace

TEST_F(TKlondikeVariants, EachCardSizeHasItsOwnClassLayoutAndMinimum) {
  for (const TSizeCase& c : SizeCases) {
    SCOPED_TRACE(c.ClassName);
    OpenThroughFactory(c.Size);
    EXPECT_STREQ(FForm->metaObject()->className(), c.ClassName);
    EXPECT_EQ(FForm->size(), c.Client);
    EXPECT_EQ(FForm->GameStatusBar->height(), c.BarHeight);
    EXPECT_EQ(FForm->GameStatusBar->Panels().Items(0)->PixelWidth(), c.FirstPanel);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Tableau(i + 1)->pos(), QPoint(c.TableauLefts[i], c.TableauTop));
    EXPECT_EQ(Tableau(1)->width(), TCardPileView::CardSize().width());
    EXPECT_EQ(FForm->WMGetMinMaxInfo(), c.MinOuter);
    EXPECT_EQ(FForm->FormPlacement1->IniSection(), c.Placement);
    EXPECT_EQ(Text(Tableau(7)), "#3D #2C #7C #4H #TS #AC 9H");  // the same deal at every size
    // Piles never overlap and stay inside the window.
    const QRect client(QPoint(0, 0), c.Client);
    for (TCardPileView* a : FForm->findChildren<TCardPileView*>()) {
      EXPECT_TRUE(client.contains(a->geometry())) << a->objectName().toStdString();
      for (TCardPileView* b : FForm->findChildren<TCardPileView*>()) {
        if (a != b) {
          EXPECT_FALSE(a->geometry().intersects(b->geometry()))
              << a->objectName().toStdString() << " " << b->objectName().toStdString();
        }
      }
    }
    EXPECT_EQ(GameWindows::Window(16, c.Size), FForm.data());
    FForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(FForm.isNull());
    EXPECT_EQ(GameWindows::Window(16, c.Size), nullptr);
  }
  EXPECT_EQ(KlondikeForm, nullptr);
  EXPECT_EQ(sKlondikeForm, nullptr);
  EXPECT_EQ(hKlondikeForm, nullptr);
}

TEST_F(TKlondikeVariants, GlobalPointersFollowTheirWindows) {
  OpenThroughFactory(CS_HUGE);
  EXPECT_EQ(hKlondikeForm, FForm.data());
  EXPECT_EQ(KlondikeForm, nullptr);
  delete FForm.data();
  EXPECT_EQ(hKlondikeForm, nullptr);
}

TEST_F(TKlondikeVariants, StatisticsAreSharedAndPlacementIsKeptPerSize) {
  PreferencesDlg->FSkipConfirms = true;
  OpenThroughFactory(CS_SMALL);
  for (int i = 0; i < 5; ++i) FForm->DeckPileViewClick(Stock());
  FForm->move(30, 40);
  FForm->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");
  EXPECT_NE(Key("sKlondike", "NormPos"), "None");
  EXPECT_EQ(Key("hKlondike", "NormPos"), "None");
  OpenThroughFactory(CS_HUGE);
  for (int i = 0; i < 5; ++i) FForm->DeckPileViewClick(Stock());
  FForm->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "2");
  EXPECT_NE(Key("hKlondike", "NormPos"), "None");
}

TEST_F(TKlondikeVariants, ThePreviewIsARealOpeningLayout) {
  const QImage before = LoadPngResource("1016");
  RegisterGameWindows();
  const QImage preview = LoadPngResource("1016");
  ASSERT_FALSE(preview.isNull());
  EXPECT_EQ(preview.size(), QSize(155, 105));
  EXPECT_NE(preview.convertToFormat(QImage::Format_RGB32), before.convertToFormat(QImage::Format_RGB32));
  // The settings file is left alone.
  EXPECT_EQ(Key("Klondike", "GameNumber"), "None");
  EXPECT_EQ(Key("Klondike", "NormPos"), "None");
  // Mostly the table's green, with white card faces on it.
  int green = 0, white = 0;
  for (int y = 0; y < preview.height(); ++y)
    for (int x = 0; x < preview.width(); ++x) {
      const QColor c = preview.pixelColor(x, y);
      if (c.green() > 2 * c.red() && c.green() > 2 * c.blue()) ++green;
      if (c.red() > 220 && c.green() > 220 && c.blue() > 220) ++white;
    }
  EXPECT_GT(green, preview.width() * preview.height() / 3);
  EXPECT_GT(white, 500);
}

TEST_F(TKlondikeVariants, Screenshots) {
  if (qEnvironmentVariableIsEmpty("PELLAMY_SHOTS")) GTEST_SKIP() << "set PELLAMY_SHOTS to a folder";
  const char* names[3] = {"small", "large", "huge"};
  for (int size = 0; size < 3; ++size) {
    OpenThroughFactory(size);
    Shot(QString("klondike-%1-deal").arg(names[size]));
    // Mid-drag: the 5C lifted over the 6D.
    FMouseOwner = Tableau(3);
    QTest::mousePress(Tableau(3), Qt::LeftButton, {}, TopPoint(Tableau(3)));
    QTest::mouseMove(Tableau(3), TopPoint(Tableau(3)) + QPoint(12, 12));
    QTest::mouseMove(Tableau(3), Map(Tableau(6), TopPoint(Tableau(6)) + QPoint(0, 20), Tableau(3)));
    Shot(QString("klondike-%1-drag").arg(names[size]));
    QTest::mouseMove(Tableau(3), TopPoint(Tableau(3)));
    QTest::mouseRelease(Tableau(3), Qt::LeftButton, {}, TopPoint(Tableau(3)));
    PlayAFewMoves();
    Shot(QString("klondike-%1-moves").arg(names[size]));
    // One move from the win, then the win and some animation.
    Arrange({{Foundation(1), SuitRun('C', 13)},
             {Foundation(2), SuitRun('D', 13)},
             {Foundation(3), SuitRun('H', 13)},
             {Foundation(4), SuitRun('S', 12)},
             {Tableau(4), "KS"}});
    FForm->DiscardPileViewDblClick(Tableau(4));
    QTest::qWait(1500);
    Shot(QString("klondike-%1-win").arg(names[size]));
    GameShell::WinAnimation()->Stop();
    FForm->FMoveCount = 0;
    FForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(TKlondikeVariants, EveryToolButtonFitsItsBar) {
  for (int size = 0; size < 3; ++size) {
    SCOPED_TRACE(size);
    OpenThroughFactory(size);
    QCoreApplication::processEvents();
    const QRect bar = FForm->SpeedBar->rect();
    for (QAction* action : FForm->SpeedBar->actions()) {
      if (action->isSeparator()) continue;
      QWidget* button = FForm->SpeedBar->widgetForAction(action);
      ASSERT_NE(button, nullptr);
      EXPECT_TRUE(button->isVisible()) << action->toolTip().toStdString();
      EXPECT_TRUE(bar.contains(button->geometry())) << action->toolTip().toStdString() << " "
          << button->geometry().x() << "," << button->geometry().width() << " bar " << bar.width();
    }
    FForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
