// Simple Simon's window: the staircase deal, no stock, suited runs lifted, drops in any
// suit, anything into a space, its smart dragging and the win.

#include "games/SpiderFamilyTesting.h"

#include <QCoreApplication>
#include <QDir>

#include "games/scorpion/SimpleSimonWindow.h"

using namespace SpiderFamilyTest;

namespace {

const TCreate SimpleSimonGame = [](int size) -> TGameForm* { return CreateSimpleSimonWindow(size); };

using TSimpleSimonTest = TSpiderFamilyTest;

TEST_F(TSimpleSimonTest, DealThreeIsAStaircaseOfFaceUpCardsWithNoStock) {
  Open(SimpleSimonGame, 3);
  EXPECT_EQ(Columns(), QStringList({"KD 3D 4D 8D 8C KH 6H 2C", "JH JS 7S 3S 9D 7D 6C 5C",
                                    "AS 3C QH TS 5S JC JD 2H", "9H QS 4C 7H TC QC 5H", "KC 2S 3H 2D AC 9S",
                                    "5D KS 6D 8H AH", "QD 8S AD 9C", "4H 4S 6S", "TH 7C", "TD"}));
  EXPECT_EQ(Stock(), nullptr);
  EXPECT_EQ(FForm->windowTitle(), "Simple Simon");
  EXPECT_EQ(FForm->PanelText(1), "Game #3");
  EXPECT_EQ(FForm->PanelText(2), "Score: 1");  // 6C-5C
  EXPECT_EQ(Key("SimpleSimon", "GameNumber"), "3");
  // Space and the middle button find no stock.
  FForm->FormKeyPress(QLatin1Char(' '));
  FForm->FormMouseDown(FForm, Qt::MiddleButton, {}, 400, 450);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(FForm->FUndo->StepCount(), 0);
}

TEST_F(TSimpleSimonTest, OnlySuitedRunsLiftAndTheyGoOntoAnyCardOneHigherOrIntoASpace) {
  Open(SimpleSimonGame, 3);
  Arrange({{Tableau(1), "9D 8S 7S"}, {Tableau(2), "9H"}, {Tableau(3), ""}, {Tableau(4), "3C"}});
  DragTo(Tableau(1), 0, Tableau(3));  // 9D under a spade run
  EXPECT_EQ(Text(Tableau(1)), "9D 8S 7S");
  DragTo(Tableau(1), 1, Tableau(2));
  EXPECT_EQ(Text(Tableau(2)), "9H 8S 7S");
  EXPECT_EQ(FForm->FMoveCount, 1);
  DragTo(Tableau(4), 0, Tableau(3));  // a Three fills the space
  EXPECT_EQ(Text(Tableau(3)), "3C");
  DragTo(Tableau(1), 0, Tableau(2));  // 9D onto 7S: not one lower
  EXPECT_EQ(Text(Tableau(1)), "9D");
  FForm->Undo1Click(FForm->Undo1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "9D 8S 7S");
  EXPECT_EQ(FForm->FMoveCount, 0);
}

TEST_F(TSimpleSimonTest, SmartDraggingPrefersTheSameSuitThenAnyCardThenASpace) {
  Open(SimpleSimonGame, 3);
  PreferencesDlg->FSmartDragging = true;
  Arrange({{Tableau(1), "8H 7S"}, {Tableau(2), ""}, {Tableau(3), "8D"}, {Tableau(4), "8S"}, {Tableau(5), "KC"}});
  Drag(Tableau(1), TopPoint(Tableau(1)), FForm.data(), QPoint(40, 480));
  EXPECT_EQ(Text(Tableau(4)), "8S 7S");
  Drag(Tableau(4), TopPoint(Tableau(4)), FForm.data(), QPoint(40, 480));
  EXPECT_EQ(Text(Tableau(1)), "8H 7S");  // no spade: the first card one higher
  Drag(Tableau(5), TopPoint(Tableau(5)), FForm.data(), QPoint(40, 480));
  EXPECT_EQ(Text(Tableau(2)), "KC");
}

TEST_F(TSimpleSimonTest, FourWholeSuitsWin) {
  Open(SimpleSimonGame, 3);
  Arrange({{Tableau(1), KingDown('C')}, {Tableau(2), KingDown('D')}, {Tableau(3), KingDown('H')},
           {Tableau(4), KingDown('S', 12)}, {Tableau(9), "AS"}});
  FForm->FMoveCount = 5;
  DragTo(Tableau(9), 0, Tableau(4));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(Key("SimpleSimon", "GamesWon"), "1");
}

TEST_F(TSimpleSimonTest, EachSizeDrawsItsOpeningLayoutWithinItsWindow) {
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/spider-shots");
  QDir().mkpath(folder);
  const char* sizes[] = {"small", "large", "huge"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(SimpleSimonGame, 3, size);
    const QImage shot = FForm->grab().toImage();
    shot.save(folder + QStringLiteral("/SimpleSimon-%1.png").arg(QLatin1String(sizes[size])));
    for (TCardPileView* view : FForm->FTableau)
      EXPECT_TRUE(FForm->rect().contains(view->geometry().topRight())) << size;
    const QPoint inCard = Tableau(10)->mapTo(FForm.data(), TopPoint(Tableau(10)));
    EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << size;
    Close();
  }
}

}  // namespace
