// Scorpion's and Scorpion II's windows: deals by number, the stock with its undo, moving
// any face-up card, Kings into spaces, the score, the win and the texts.

#include "games/SpiderFamilyTesting.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>

#include "games/scorpion/Scorpion2Window.h"
#include "games/scorpion/ScorpionWindow.h"
#include "widgets/FormPlacement.h"

using namespace SpiderFamilyTest;

namespace {

const TCreate ScorpionGame = [](int size) -> TGameForm* { return CreateScorpionWindow(size); };
const TCreate Scorpion2Game = [](int size) -> TGameForm* { return CreateScorpion2Window(size); };

const QStringList ScorpionDealOne = {"#KC #5D #KS 4H KD 8H 2D",  "#KH #JC #TD AH 9C TH QD",
                                     "#4S #7S #2S 3C QC 7H 4C",  "#2H #8S #7C TS 6C QS 4D",
                                     "JS 3S 5H 6D 5S JD JH",     "QH 2C AD AC 8C AS 6S",
                                     "3D 5C 6H 9H 9D 7D 3H"};

using TScorpionTest = TSpiderFamilyTest;

TEST_F(TScorpionTest, DealOneLeavesThreeFaceDownCardsUnderPilesOneToFourAndThreeInTheStock) {
  Open(ScorpionGame, 1);
  EXPECT_EQ(Columns(), ScorpionDealOne);
  EXPECT_EQ(StockTopFirst(5), "#8D #9S #TC");
  EXPECT_EQ(Stock()->toolTip(), "3");
  EXPECT_EQ(Stock()->XOffset, 4);
  EXPECT_TRUE(Stock()->AllowDrag);
  EXPECT_EQ(FForm->windowTitle(), "Scorpion");
  EXPECT_EQ(FForm->PanelText(1), "Game #1");
  EXPECT_EQ(FForm->PanelText(2), "Score: 0");
  EXPECT_EQ(Key("Scorpion", "GameNumber"), "1");
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Scorpion   Game #1");
  Arrange({{Tableau(1), "9H 8H 7H"}});
  EXPECT_EQ(FForm->windowTitle(), "Scorpion   Game #1   Score: 2");
}

TEST_F(TScorpionTest, ScorpionTwoHidesCardsUnderThreePilesOnlyAtEverySize) {
  const char* placements[] = {"sScorpion2", "Scorpion2", "hScorpion2"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(Scorpion2Game, 1, size);
    QStringList expected = ScorpionDealOne;
    expected[3] = "2H 8S 7C TS 6C QS 4D";
    EXPECT_EQ(Columns(), expected) << size;
    EXPECT_EQ(FForm->windowTitle(), "Scorpion II");
    EXPECT_EQ(FForm->FormPlacement1->IniSection(), placements[size]);
    EXPECT_EQ(Key("Scorpion2", "GameNumber"), "1");
    FPrompts.clear();
    FForm->FMoveCount = 6;
    FForm->NewGame1Click(FForm->Restart1);
    EXPECT_EQ(FPrompts, QStringList{"Restart this game of Scorpion II?"});
    EXPECT_EQ(Columns(), expected);
    Close();
  }
}

TEST_F(TScorpionTest, TheStockDealsItsThreeCardsEvenOntoSpacesAndUndoesAsOneMove) {
  Open(ScorpionGame, 1);
  Arrange({{Tableau(1), ""}, {Tableau(2), "KH"}, {Tableau(3), "5C"}}, true);
  FDevice.Played.clear();
  const QString top = StockTopFirst(3);
  Click(Stock(), QPoint(20, 20));
  EXPECT_EQ(Tableau(1)->FCards->Count(), 1);
  EXPECT_EQ(Tableau(2)->FCards->Count(), 2);
  EXPECT_EQ(Tableau(3)->FCards->Count(), 2);
  EXPECT_TRUE(Tableau(1)->FCards->FList.back()->FFaceUp);
  EXPECT_EQ(Stock()->FCards->Count(), 52 - 2 - 3);
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("DEAL"));
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "");
  EXPECT_EQ(Text(Tableau(2)), "KH");
  EXPECT_EQ(Text(Tableau(3)), "5C");
  EXPECT_EQ(StockTopFirst(3), top);
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Tableau(1)->FCards->Count(), 1);
  EXPECT_EQ(FForm->FMoveCount, 1);
}

TEST_F(TScorpionTest, TheDealtStockClickedAgainDoesNothing) {
  Open(ScorpionGame, 1);
  FForm->FormKeyPress(QLatin1Char(' '));
  EXPECT_EQ(Text(Tableau(1)), "#KC #5D #KS 4H KD 8H 2D 8D");
  EXPECT_EQ(Text(Tableau(2)), "#KH #JC #TD AH 9C TH QD 9S");
  EXPECT_EQ(Text(Tableau(3)), "#4S #7S #2S 3C QC 7H 4C TC");
  EXPECT_EQ(Stock()->toolTip(), "");
  Click(Stock(), QPoint(20, 20));
  FForm->FormMouseDown(FForm, Qt::MiddleButton, {}, 400, 400);
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->FUndo->StepCount(), 3);
}

TEST_F(TScorpionTest, AnyFaceUpCardMovesWithWhateverLiesOnItOntoItsSuitOneHigher) {
  Open(ScorpionGame, 1);
  Arrange({{Tableau(1), "#3C 5H 9C 2D"}, {Tableau(2), "6H"}, {Tableau(3), "6S"}, {Tableau(4), "#JD"}});
  DragTo(Tableau(1), 1, Tableau(3));  // not the suit
  EXPECT_EQ(Text(Tableau(1)), "#3C 5H 9C 2D");
  DragTo(Tableau(4), 0, Tableau(2));  // face down
  EXPECT_EQ(Text(Tableau(4)), "#JD");
  DragTo(Tableau(1), 1, Tableau(2));
  EXPECT_EQ(Text(Tableau(2)), "6H 5H 9C 2D");
  EXPECT_EQ(Text(Tableau(1)), "3C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->PanelText(2), "Score: 1");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "#3C 5H 9C 2D");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(1)), "3C");
  EXPECT_EQ(FForm->FMoveCount, 1);
}

TEST_F(TScorpionTest, OnlyAKingHeadedGroupFillsASpaceAndSmartDraggingFindsIt) {
  Open(ScorpionGame, 1);
  Arrange({{Tableau(1), "2C QD 5S"}, {Tableau(2), "8H KS 3D"}, {Tableau(3), ""}});
  DragTo(Tableau(1), 1, Tableau(3));
  EXPECT_EQ(Text(Tableau(3)), "");
  PreferencesDlg->FSmartDragging = true;
  Drag(Tableau(2), CardPoint(Tableau(2), 1), FForm.data(), QPoint(20, 480));
  EXPECT_EQ(Text(Tableau(3)), "KS 3D");
  EXPECT_EQ(Text(Tableau(2)), "8H");
}

TEST_F(TScorpionTest, FourWholeSuitsWinAndRecordInTheGamesSection) {
  Open(ScorpionGame, 1);
  Arrange({{Tableau(1), KingDown('C')}, {Tableau(2), KingDown('D')}, {Tableau(3), KingDown('H')},
           {Tableau(4), KingDown('S', 12)}, {Tableau(5), "AS"}});
  EXPECT_EQ(FForm->FScore, 3 * 13 + 11);
  FForm->FMoveCount = 7;
  DragTo(Tableau(5), 0, Tableau(4));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->PanelText(2), "Score: 52");
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_FALSE(GameShell::WinAnimation()->FStopped);
  EXPECT_EQ(Key("Scorpion", "GamesWon"), "1");
  EXPECT_EQ(Key("Scorpion", "GamesAttempted"), "1");
  FWinResult = TWinForm::mrCancel;
  Click(Tableau(6), QPoint(20, 20));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TScorpionTest, AStockDealThatCompletesTheLastSuitsWinsInBothGames) {
  for (const TCreate& game : {ScorpionGame, Scorpion2Game}) {
    Open(game, 1);
    Arrange({{Tableau(1), KingDown('C', 12)}, {Tableau(2), KingDown('D', 12)}, {Tableau(3), KingDown('H', 12)},
             {Tableau(4), KingDown('S')}, {Stock(), "#AH #AD #AC"}});
    FForm->FMoveCount = 7;
    Click(Stock(), QPoint(20, 20));
    EXPECT_TRUE(FForm->FGameOver);
    EXPECT_EQ(FForm->PanelText(2), "Score: 52");
    EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
    EXPECT_EQ(Key(FForm->Spec().Section, "GamesWon"), "1");
    Close();
  }
}

TEST_F(TScorpionTest, NoAutoplayAnywhereAndResigningCountsFromFiveMoves) {
  Open(ScorpionGame, 1);
  EXPECT_FALSE(FForm->PopupMenu1->actions().contains(FForm->Autoplay1));
  EXPECT_FALSE(FForm->AutoPlayCheckBox->isVisible());
  QTest::keyClick(FForm.data(), Qt::Key_A);
  EXPECT_EQ(Key("Scorpion", "Autoplay"), "None");
  FForm->FMoveCount = 4;
  bool canClose = false;
  FForm->FormCloseQuery(FForm, canClose);
  EXPECT_TRUE(FPrompts.isEmpty());
  FForm->FMoveCount = 5;
  FForm->FormCloseQuery(FForm, canClose);
  EXPECT_EQ(FPrompts, QStringList{"Resign this game of Scorpion?\n\nNote:\nA resigned game counts as a loss."});
  EXPECT_EQ(Key("Scorpion", "GamesAttempted"), "1");
}

TEST_F(TScorpionTest, EachSizeDrawsItsOpeningLayoutWithinItsWindow) {
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/spider-shots");
  QDir().mkpath(folder);
  const char* sizes[] = {"small", "large", "huge"};
  for (const auto& [game, name] : {std::pair{&ScorpionGame, "Scorpion"}, std::pair{&Scorpion2Game, "Scorpion2"}})
    for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
      Open(*game, 1, size);
      const QImage shot = FForm->grab().toImage();
      shot.save(folder + QStringLiteral("/%1-%2.png").arg(QLatin1String(name), QLatin1String(sizes[size])));
      for (TCardPileView* view : FForm->FTableau)
        EXPECT_TRUE(FForm->rect().contains(view->geometry().topRight())) << size;
      const QPoint inCard = Tableau(7)->mapTo(FForm.data(), TopPoint(Tableau(7)));
      EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << size;
      Close();
    }
}

}  // namespace
