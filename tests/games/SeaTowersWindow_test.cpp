// Sea Towers through its window: the deal, the run limit from the empty free cells, the
// King-only empty piles, sending home or to a free cell, autoplay, the win and the three
// card sizes.

#include "games/CastleFamilyTesting.h"
#include "games/seatowers/SeaTowersRules.h"
#include "games/seatowers/SeaTowersWindow.h"

using namespace CastleFamilyTest;

namespace {
const TCreate SeaTowers = [](int size) -> TGameForm* { return CreateSeaHavenWindow(size); };
}

class TSeaTowers : public TFamilyTest {
protected:
  TSeaHavenForm* Sea() { return static_cast<TSeaHavenForm*>(FForm.data()); }
  TCardPileView* Cell(int i) { return Sea()->FFreeCells[std::size_t(i - 1)]; }
};

TEST_F(TSeaTowers, TheDealGivesFiveCardsToEachPileAndTwoToTheMiddleFreeCells) {
  Open(SeaTowers, 1);
  const char* piles[] = {"KC 8S 6H QC AS", "KH 3S 4H 6C 7D", "4S 2C AH 5S 2D", "2H 5C 3C 8C QD",
                         "JS KS TS 9D 4C", "QH TD 6D 8H 4D", "3D 2S AC TH JH", "5D 7C 9H 7H 6S",
                         "JC 5H KD QS 3H", "7S AD 9C JD 8D"};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(Text(Tableau(i)), piles[i - 1]) << i;
  EXPECT_EQ(Text(Cell(1)), "");
  EXPECT_EQ(Text(Cell(2)), "TC");
  EXPECT_EQ(Text(Cell(3)), "9S");
  EXPECT_EQ(Text(Cell(4)), "");
  EXPECT_EQ(FForm->windowTitle(), "Sea Towers");
  EXPECT_EQ(FForm->PanelText(2), "Game #1");
  EXPECT_EQ(FForm->PanelText(3), "Score: 0");
  DealNumber(617);
  EXPECT_EQ(Text(Tableau(10)), "8C 3C 3H 8H 7D");
  EXPECT_EQ(Text(Cell(2)) + " " + Text(Cell(3)), "4S 4C");
}

TEST_F(TSeaTowers, TheEmptyFreeCellsLimitTheRunThatCanBeLifted) {
  Open(SeaTowers, 1);
  Arrange({{Tableau(1), "9H 8H 7H"}, {Tableau(2), "TH"}, {Cell(1), "2C"}, {Cell(2), "3C"},
           {Cell(3), "4C"}, {Cell(4), "5C"}});
  // Every cell full: only the top card moves.
  Drag(Tableau(1), CardPoint(Tableau(1), 0), Tableau(2), TopPoint(Tableau(2)));
  EXPECT_EQ(Text(Tableau(1)), "9H 8H 7H");
  // Two empty cells: the run of three moves onto the ten of its suit.
  Arrange({{Tableau(1), "9H 8H 7H"}, {Tableau(2), "TH"}, {Cell(1), "2C"}, {Cell(2), "3C"}});
  Drag(Tableau(1), CardPoint(Tableau(1), 0), Tableau(2), TopPoint(Tableau(2)));
  EXPECT_EQ(Text(Tableau(2)), "TH 9H 8H 7H");
  EXPECT_EQ(FForm->FMoveCount, 1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "9H 8H 7H");
  // A run of mixed suits is never lifted, and one card of another suit does not fit.
  TCardFactory cards;
  TCardPile mixed;
  cards.Fill(&mixed, "9H 8S 7H");
  EXPECT_FALSE(SeaTowersRules::CanLift(&mixed, 0, 4));
  EXPECT_TRUE(SeaTowersRules::CanLift(&mixed, 2, 0));
  EXPECT_FALSE(SeaTowersRules::CanLift(&mixed, 1, 0));
}

TEST_F(TSeaTowers, OnlyARunHeadedByAKingFillsAnEmptyPile) {
  Open(SeaTowers, 1);
  Arrange({{Tableau(1), "QS JS"}, {Tableau(2), ""}, {Tableau(3), "9D KD QD"}});
  Drag(Tableau(1), CardPoint(Tableau(1), 0), Tableau(2), QPoint(20, 20));
  EXPECT_EQ(Text(Tableau(1)), "QS JS");
  Drag(Tableau(3), CardPoint(Tableau(3), 1), Tableau(2), QPoint(20, 20));
  EXPECT_EQ(Text(Tableau(2)), "KD QD");
  // A free cell takes one card, never a run.
  Drag(Tableau(1), CardPoint(Tableau(1), 0), Cell(1), QPoint(20, 20));
  EXPECT_EQ(Text(Cell(1)), "");
  Drag(Tableau(1), TopPoint(Tableau(1)), Cell(1), QPoint(20, 20));
  EXPECT_EQ(Text(Cell(1)), "JS");
  // And gives it back to the tableau.
  Drag(Cell(1), TopPoint(Cell(1)), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "QS JS");
}

TEST_F(TSeaTowers, SendingHomeFallsBackToTheFirstEmptyFreeCellWithoutTheAutoplaySound) {
  Open(SeaTowers, 1);
  Arrange({{Tableau(1), "5H 9C"}, {Tableau(2), "AS"}, {Cell(1), "2C"}, {Cell(3), "3C"}});
  DoubleClick(Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Cell(2)), "9C");
  EXPECT_FALSE(FDevice.Played.contains("AUTOPLAY"));
  Click(Tableau(2), TopPoint(Tableau(2)), Qt::MiddleButton);
  EXPECT_EQ(Text(Foundation(1)), "AS");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  EXPECT_EQ(FForm->FMoveCount, 2);
  FForm->Undo1Click(FForm->Undo1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "5H 9C");
  EXPECT_EQ(Text(Cell(2)), "");
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Cell(2)), "9C");
  // Cells full and no foundation fits: nothing moves.
  Arrange({{Tableau(1), "5H"}, {Cell(1), "2C"}, {Cell(2), "3C"}, {Cell(3), "4C"}, {Cell(4), "6C"}});
  Click(Tableau(1), TopPoint(Tableau(1)), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Text(Tableau(1)), "5H");
  // Shift or Ctrl with a press below the pile's cards plays its top card as well.
  Arrange({{Tableau(1), "9S 2C"}, {Foundation(1), "AC"}, {Tableau(2), "3C"}});
  const QPoint below(20, Tableau(1)->height() - 10);
  Click(Tableau(1), below, Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(Text(Foundation(1)), "AC 2C");
  Click(Tableau(2), below, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Text(Foundation(1)), "AC 2C 3C");
}

TEST_F(TSeaTowers, AutoplayTakesTheFreeCellsFirstAndAWinIsRecorded) {
  Open(SeaTowers, 1);
  FForm->FAutoplay = true;
  Arrange({{Foundation(1), SuitRun('C', 13)}, {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 10)}, {Foundation(4), SuitRun('S', 13)},
           {Cell(4), "JH"}, {Tableau(5), "KH QH"}});
  FForm->FMoveCount = 20;
  FForm->CheckForWin();
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(Text(Foundation(3)).right(8), "JH QH KH");
  EXPECT_EQ(Key("SeaHavenTowers", "GamesWon"), "1");
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
}

TEST_F(TSeaTowers, PromptsAndThresholdOfFiveMoves) {
  Open(SeaTowers, 1);
  FForm->FMoveCount = 6;
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Sea Towers?");
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FPrompts.value(1), "Resign this game of Sea Towers?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(FForm->FMoveCount, 6);
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Sea Towers   Game #1");
  FAnswer = Prompts::IDOK;
}

TEST_F(TSeaTowers, EachCardSizeDrawsItsOpeningLayout) {
  const char* names[] = {"seatowers-small", "seatowers-large", "seatowers-huge"};
  const int minimum[3][2] = {{725, 360}, {887, 480}, {1250, 700}};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(SeaTowers, 1, size);
    Shoot(QLatin1String(names[size]), Tableau(10));
    Shoot(QLatin1String(names[size]) + QStringLiteral("-cell"), Cell(3));
    EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(minimum[size][0] + 2 * Metrics::FrameWidth, minimum[size][1]));
    Close();
  }
}
