// Baker's Game played with the mouse: Free Cell's limits with runs and builds in suit,
// and the win.

#include "games/FreeCellTesting.h"

using namespace FreeCellTest;

using TBakersPlay = TFreeCellTest;

TEST_F(TBakersPlay, RunsInSuitWithFreeCellLimits) {
  Open(BakersGame, 1);
  Arrange({{Cell(1), "2C"}, {Cell(2), "2D"}, {Cell(3), "2H"},
           {Tableau(1), "KS QS JS TS 9S"}, {Tableau(2), "KH QC JH"}, {Tableau(3), "3C"},
           {Tableau(4), "3D"}, {Tableau(5), "3H"}, {Tableau(6), "3S"}, {Tableau(7), "4C"}});
  // One empty cell and one empty column: (1 + 1) x (1 + 1) = 4 lift, 2 to the empty column.
  EXPECT_FALSE(Arms(Tableau(1), 0));
  EXPECT_TRUE(Arms(Tableau(1), 1));
  EXPECT_EQ(FForm->FEmptyColumnLimit, 2);
  EXPECT_FALSE(Arms(Tableau(2), 1));  // alternate colours are no run here
  Drag(Tableau(1), CardPoint(Tableau(1), 1), Tableau(8), QPoint(30, 30));
  EXPECT_EQ(Tableau(8)->FCards->Count(), 0);
  Drag(Tableau(1), CardPoint(Tableau(1), 3), Tableau(8), QPoint(30, 30));  // a Ten needs no King
  EXPECT_EQ(Text(Tableau(8)), "TS 9S");
  // Builds go in suit.
  Arrange({{Tableau(1), "9S"}, {Tableau(2), "8H"}, {Tableau(3), "8S"}});
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "9S");
  Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "9S 8S");
}

TEST_F(TBakersPlay, AWinIsRecordedInItsSection) {
  Open(BakersGame, 1);
  FForm->Autoplay1Click(FForm->Autoplay1);
  EXPECT_EQ(Key("BakersGame", "Autoplay"), "True");
  Arrange({{Foundation(1), SuitRun('C', 13)}, {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 13)}, {Foundation(4), SuitRun('S', 11)},
           {Tableau(3), "KS QS"}});
  FForm->FMoveCount = 3;
  Drag(Tableau(3), TopPoint(Tableau(3)), Foundation(4), QPoint(30, 30));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(Key("BakersGame", "GamesWon"), "1");
  EXPECT_EQ(Key("BakersGame", "LongestStreak"), "1");
}
