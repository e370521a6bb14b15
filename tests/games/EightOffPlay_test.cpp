// Eight Off played with the mouse: runs in suit only as long as the empty free cells
// allow, Kings alone fill empty columns, eight free cells, and the win.

#include "games/FreeCellTesting.h"

using namespace FreeCellTest;

using TEightOffPlay = TFreeCellTest;

TEST_F(TEightOffPlay, ThreeEmptyCellsMoveFourCardsAndOnlyAKingHeadsARunIntoAnEmptyColumn) {
  Open(EightOffGame, 1);
  Arrange({{Cell(1), "2C"}, {Cell(2), "2D"}, {Cell(3), "2H"}, {Cell(4), "2S"}, {Cell(5), "3C"},
           {Tableau(1), "KS QS JS TS 9S"}, {Tableau(2), "KH QH JH TH"}, {Tableau(3), "QD"},
           {Tableau(4), "3D"}, {Tableau(5), "3H"}, {Tableau(6), "3S"}, {Tableau(7), "4C"}});
  EXPECT_FALSE(Arms(Tableau(1), 0));  // five cards: empty columns do not count
  EXPECT_TRUE(Arms(Tableau(1), 1));
  EXPECT_EQ(FForm->FEmptyColumnLimit, 4);
  Drag(Tableau(1), CardPoint(Tableau(1), 1), Tableau(8), QPoint(30, 30));  // a Queen-headed run
  EXPECT_EQ(Tableau(8)->FCards->Count(), 0);
  Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(8), QPoint(30, 30));  // a Queen alone
  EXPECT_EQ(Tableau(8)->FCards->Count(), 0);
  Drag(Tableau(2), CardPoint(Tableau(2), 0), Tableau(8), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(8)), "KH QH JH TH");
  EXPECT_EQ(FForm->FMoveCount, 1);
  // A King from a free cell fills the emptied column.
  Arrange({{Cell(6), "KC"}, {Tableau(1), "3D"}});
  Drag(Cell(6), QPoint(30, 30), Tableau(2), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(2)), "KC");
}

TEST_F(TEightOffPlay, RunsAndBuildsAreInSuit) {
  Open(EightOffGame, 1);
  Arrange({{Tableau(1), "9S"}, {Tableau(2), "8H"}, {Tableau(3), "9H 8S"}, {Tableau(4), "8S 7S"}});
  EXPECT_FALSE(Arms(Tableau(3), 0));
  EXPECT_TRUE(Arms(Tableau(4), 0));
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "9S");
  Drag(Tableau(4), CardPoint(Tableau(4), 0), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "9S 8S 7S");
}

TEST_F(TEightOffPlay, SendHomeUsesTheDealtCellsAndThenTheFirstEmptyOfEight) {
  Open(EightOffGame, 32000);  // cells AH 3H 2S TC
  FForm->SendHome(Cell(1));
  EXPECT_EQ(Text(Foundation(1)), "AH");
  FForm->SendHome(Tableau(1));  // 6H to the cell the Ace left
  EXPECT_EQ(Text(Cell(1)), "6H");
  FForm->SendHome(Tableau(2));  // 8H to the fifth cell
  EXPECT_EQ(Cells(), QStringList({"6H", "3H", "2S", "TC", "8H", "", "", ""}));
  EXPECT_EQ(FForm->FMoveCount, 3);
}

TEST_F(TEightOffPlay, AWinIsRecordedInItsSection) {
  Open(EightOffGame, 1);
  FForm->FAutoplay = true;
  Arrange({{Foundation(1), SuitRun('C', 13)}, {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 12)}, {Foundation(4), SuitRun('S', 11)},
           {Cell(8), "QS"}, {Tableau(1), "KS KH"}});
  FForm->FMoveCount = 7;
  FForm->SendHome(Tableau(1));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FMoveCount, 10);
  EXPECT_EQ(Key("EightOff", "GamesWon"), "1");
  EXPECT_EQ(Key("FreeCell", "GamesWon"), "None");
}
