// Free Cell played with the mouse: run limits captured at the press, drops on columns,
// free cells and foundations, smart dragging, the send-home press, autoplay and the win.

#include "games/FreeCellTesting.h"

#include <QCheckBox>

using namespace FreeCellTest;

using TFreeCellRuns = TFreeCellTest;

TEST_F(TFreeCellRuns, FourEmptyCellsAndTwoEmptyColumnsLiftFifteenButOnlyTenGoToAColumn) {
  Open(FreeCellGame, 1);
  Arrange({{Tableau(1), DownRun(13, 13, "SHCD")},  // KS QH JC TD 9S ... AS
           {Tableau(2), "KH"}, {Tableau(3), "KD"}, {Tableau(4), "KC"}, {Tableau(5), "QC"}, {Tableau(6), "QD"}});
  EXPECT_TRUE(Arms(Tableau(1), 0));  // 13 cards, within (4 + 1) x (2 + 1)
  EXPECT_EQ(FForm->FEmptyColumnLimit, 10);
  // The whole run is too long for an empty column; the ten from the Ten down fit.
  Drag(Tableau(1), CardPoint(Tableau(1), 0), Tableau(7), QPoint(30, 30));
  EXPECT_EQ(Tableau(1)->FCards->Count(), 13);
  EXPECT_EQ(Tableau(7)->FCards->Count(), 0);
  Drag(Tableau(1), CardPoint(Tableau(1), 2), Tableau(7), QPoint(30, 30));
  EXPECT_EQ(Tableau(7)->FCards->Count(), 0);  // eleven cards from the Jack: refused
  Drag(Tableau(1), CardPoint(Tableau(1), 3), Tableau(7), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(7)), DownRun(10, 10, "DSHC"));
  EXPECT_EQ(Text(Tableau(1)), "KS QH JC");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->FUndo->StepCount(), 1);

  // One empty column left: (4 + 1) x 2 = 10 lift, 5 to the empty column.
  EXPECT_TRUE(Arms(Tableau(7), 0));
  EXPECT_EQ(FForm->FEmptyColumnLimit, 5);
  // A card in a free cell: (3 + 1) x 2 = 8 lift, 4 to the empty column.
  FForm->SendHome(Tableau(1));
  EXPECT_EQ(Text(Cell(1)), "JC");
  EXPECT_FALSE(Arms(Tableau(7), 0));  // ten cards
  EXPECT_FALSE(Arms(Tableau(7), 1));  // nine
  EXPECT_TRUE(Arms(Tableau(7), 2));   // eight
  EXPECT_EQ(FForm->FEmptyColumnLimit, 4);
}

TEST_F(TFreeCellRuns, WithNoEmptyCellOrColumnOnlySingleCardsMove) {
  Open(FreeCellGame, 1);
  Arrange({{Cell(1), "AC"}, {Cell(2), "AD"}, {Cell(3), "AH"}, {Cell(4), "AS"},
           {Tableau(1), "KS QH"}, {Tableau(2), "2C"}, {Tableau(3), "2D"}, {Tableau(4), "2H"},
           {Tableau(5), "2S"}, {Tableau(6), "3C"}, {Tableau(7), "3D"}, {Tableau(8), "KC"}});
  EXPECT_FALSE(Arms(Tableau(1), 0));
  EXPECT_TRUE(Arms(Tableau(1), 1));
  // A broken run is never lifted, however much room there is.
  Arrange({{Tableau(1), "KS QS JD"}});
  EXPECT_FALSE(Arms(Tableau(1), 0));
  EXPECT_TRUE(Arms(Tableau(1), 1));
}

TEST_F(TFreeCellRuns, RunsBuildDownInAlternateColours) {
  Open(FreeCellGame, 1);
  Arrange({{Tableau(1), "9S"}, {Tableau(2), "8C"}, {Tableau(3), "8H 7C"}});
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(1), TopPoint(Tableau(1)));  // same colour
  EXPECT_EQ(Text(Tableau(1)), "9S");
  Drag(Tableau(3), CardPoint(Tableau(3), 0), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "9S 8H 7C");
  EXPECT_TRUE(FDevice.Played.contains("CARDUP"));
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(3)), "8H 7C");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(1)), "9S 8H 7C");
  EXPECT_EQ(FForm->FMoveCount, 1);
}

using TFreeCellDrops = TFreeCellTest;

TEST_F(TFreeCellDrops, AFreeCellTakesOneCardAndOnlyWhenEmpty) {
  Open(FreeCellGame, 1);
  Arrange({{Tableau(1), "9S 8H"}, {Tableau(2), "5C"}, {Cell(1), "KD"}});
  Drag(Tableau(2), TopPoint(Tableau(2)), Cell(1), QPoint(30, 30));
  EXPECT_EQ(Text(Cell(1)), "KD");
  EXPECT_EQ(Text(Tableau(2)), "5C");
  Drag(Tableau(1), CardPoint(Tableau(1), 0), Cell(2), QPoint(30, 30));
  EXPECT_EQ(Cell(2)->FCards->Count(), 0);
  Drag(Tableau(2), TopPoint(Tableau(2)), Cell(2), QPoint(30, 30));
  EXPECT_EQ(Text(Cell(2)), "5C");
  EXPECT_EQ(Tableau(2)->FCards->Count(), 0);
  // From a free cell the card goes to an empty column, one card fitting any empty column.
  Drag(Cell(1), QPoint(30, 30), Tableau(2), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(2)), "KD");
  // A free cell's card dropped back on its own cell stays put and counts nothing.
  Drag(Cell(2), QPoint(30, 30), Cell(2), QPoint(40, 40));
  EXPECT_EQ(Text(Cell(2)), "5C");
  EXPECT_EQ(FForm->FMoveCount, 2);
}

TEST_F(TFreeCellDrops, FoundationsTakeSingleCardsUpInSuit) {
  Open(FreeCellGame, 1);
  Arrange({{Tableau(1), "2H AC"}, {Tableau(2), "3C 2D"}, {Foundation(2), "AD"}});
  Drag(Tableau(1), CardPoint(Tableau(1), 0), Foundation(1), QPoint(30, 30));  // two cards
  EXPECT_EQ(Foundation(1)->FCards->Count(), 0);
  Drag(Tableau(1), TopPoint(Tableau(1)), Foundation(1), QPoint(30, 30));
  EXPECT_EQ(Text(Foundation(1)), "AC");
  Drag(Tableau(2), TopPoint(Tableau(2)), Foundation(1), QPoint(30, 30));  // wrong suit
  EXPECT_EQ(Text(Foundation(1)), "AC");
  Drag(Tableau(2), TopPoint(Tableau(2)), Foundation(2), QPoint(30, 30));
  EXPECT_EQ(Text(Foundation(2)), "AD 2D");
  EXPECT_EQ(FForm->PanelText(3), "Score: 3");
}

TEST_F(TFreeCellDrops, SmartDraggingPicksAColumnOrHomeButNeverAFreeCell) {
  Open(FreeCellGame, 1);
  PreferencesDlg->FSmartDragging = true;
  Arrange({{Tableau(1), "9S"}, {Tableau(2), "QD 8H"}, {Tableau(3), "KD AC"}, {Tableau(4), "QH"},
           {Tableau(5), "JH"}, {Tableau(6), "KH"}, {Tableau(7), "QS"}, {Tableau(8), "QC"}});
  const QPoint table(388, 60);  // between the free cells and the foundations
  Drag(Tableau(2), TopPoint(Tableau(2)), FForm.data(), table);
  EXPECT_EQ(Text(Tableau(1)), "9S 8H");
  Drag(Tableau(3), TopPoint(Tableau(3)), FForm.data(), table);
  EXPECT_EQ(Text(Foundation(1)), "AC");
  // The Queen of hearts fits no column and no foundation: it comes back, though the
  // free cells are empty.
  Drag(Tableau(4), TopPoint(Tableau(4)), FForm.data(), table);
  EXPECT_EQ(Text(Tableau(4)), "QH");
  EXPECT_EQ(Cell(1)->FCards->Count(), 0);
  EXPECT_EQ(FForm->FMoveCount, 2);
}

using TFreeCellSendHome = TFreeCellTest;

TEST_F(TFreeCellSendHome, DoubleClickSendsACardHomeElseToTheFirstEmptyFreeCell) {
  Open(FreeCellGame, 1);
  Arrange({{Tableau(1), "9S 2C"}, {Tableau(2), "KH AC"}, {Cell(2), "5D"}});
  DoubleClick(Tableau(2), TopPoint(Tableau(2)));
  EXPECT_EQ(Text(Foundation(1)), "AC");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  FDevice.Played.clear();
  DoubleClick(Tableau(2), TopPoint(Tableau(2)));  // the King fits no foundation
  EXPECT_EQ(Text(Cell(1)), "KH");
  EXPECT_EQ(Tableau(2)->FCards->Count(), 0);
  EXPECT_FALSE(FDevice.Played.contains("AUTOPLAY"));  // no sound for a free cell
  // A free cell's card that fits nowhere goes to another, the first empty one.
  FForm->SendHome(Cell(2));
  EXPECT_EQ(Text(Cell(3)), "5D");
  EXPECT_EQ(Cell(2)->FCards->Count(), 0);
  EXPECT_EQ(FForm->FMoveCount, 3);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Cell(2)), "5D");
  FForm->Undo1Click(FForm->Undo1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(2)), "KH AC");
  EXPECT_EQ(FForm->FMoveCount, 0);
}

TEST_F(TFreeCellSendHome, CtrlPressesAndTheMiddleButtonSendHomeToo) {
  Open(FreeCellGame, 1);
  Arrange({{Tableau(1), "9S 2C"}, {Tableau(2), "KH AC"}, {Tableau(3), "AD"}, {Cell(1), "2D"}});
  const QPoint ace = TopPoint(Tableau(2));
  Press(Tableau(2), ace, Qt::LeftButton, Qt::ControlModifier);
  Release(Tableau(2), ace);
  EXPECT_EQ(Text(Foundation(1)), "AC");
  EXPECT_FALSE(Tableau(2)->FDragArmed);
  // The middle button on a column (anywhere on it) sends its top card.
  Press(Tableau(1), QPoint(30, 200), Qt::MiddleButton);
  Release(Tableau(1), QPoint(30, 200), Qt::MiddleButton);
  EXPECT_EQ(Text(Foundation(1)), "AC 2C");
  // On a free cell the middle button does nothing; Ctrl does.
  Press(Tableau(3), QPoint(30, 30), Qt::LeftButton, Qt::ControlModifier);
  Release(Tableau(3), QPoint(30, 30));
  Press(Cell(1), QPoint(30, 30), Qt::MiddleButton);
  Release(Cell(1), QPoint(30, 30), Qt::MiddleButton);
  EXPECT_EQ(Text(Cell(1)), "2D");
  Press(Cell(1), QPoint(30, 30), Qt::LeftButton, Qt::ControlModifier);
  Release(Cell(1), QPoint(30, 30));
  EXPECT_EQ(Text(Foundation(2)), "AD 2D");
  EXPECT_EQ(FForm->FMoveCount, 4);
}

TEST_F(TFreeCellSendHome, AnAceWithEveryFoundationTakenStaysAndAnEmptyPileDoesNothing) {
  Open(FreeCellGame, 1);
  Arrange({{Foundation(1), "AC"}, {Foundation(2), "AD"}, {Foundation(3), "AH"}, {Foundation(4), "2H"},
           {Tableau(1), "AS"}});
  FForm->SendHome(Tableau(1));
  EXPECT_EQ(Text(Tableau(1)), "AS");
  EXPECT_EQ(Cell(1)->FCards->Count(), 0);
  FForm->SendHome(Tableau(2));
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
}

using TFreeCellWin = TFreeCellTest;

TEST_F(TFreeCellWin, AutoplayTakesFreeCellsFirstAndPlaysOnToTheWin) {
  Open(FreeCellGame, 1);
  FForm->Autoplay1Click(FForm->Autoplay1);
  EXPECT_EQ(Key("FreeCell", "Autoplay"), "True");
  Arrange({{Foundation(1), SuitRun('C', 11)},
           {Foundation(2), SuitRun('D', 12)},
           {Foundation(3), SuitRun('H', 11)},
           {Foundation(4), SuitRun('S', 12)},
           {Tableau(1), "KC QH"},
           {Tableau(2), "KD"},
           {Tableau(3), "KS"},
           {Cell(3), "QC"},
           {Cell(4), "KH"}});
  FForm->FMoveCount = 10;
  FForm->SendHome(Tableau(1));  // the Queen of hearts; autoplay does the rest
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 52);
  EXPECT_EQ(FForm->FMoveCount, 16);
  EXPECT_EQ(Cells(), QStringList({"", "", "", ""}));
  EXPECT_EQ(FDevice.Played.count("AUTOPLAY"), 6);
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_FALSE(FForm->RestartSpeedButton->isEnabled());
  EXPECT_FALSE(GameShell::WinAnimation()->FStopped);
  EXPECT_EQ(Key("FreeCell", "GamesWon"), "1");
  EXPECT_EQ(Key("FreeCell", "GamesAttempted"), "1");
  EXPECT_EQ(Key("FreeCell", "CurrentStreak"), "1");
  EXPECT_EQ(FForm->PanelText(3), "Score: 52");

  // Any press on a pile, or on the table, opens the win dialog.
  Press(Tableau(4), QPoint(30, 30));
  Release(Tableau(4), QPoint(30, 30));
  EXPECT_EQ(FWinDialogs, 1);
  Press(Foundation(2), QPoint(30, 30));
  Release(Foundation(2), QPoint(30, 30));
  EXPECT_EQ(FWinDialogs, 2);
  FWinResult = TWinForm::mrNewGame;
  FMouseOwner = FForm.data();
  QTest::mouseClick(FForm.data(), Qt::LeftButton, {}, QPoint(388, 60));
  EXPECT_EQ(FWinDialogs, 3);
  EXPECT_FALSE(FForm->FGameOver);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("FreeCell", "GamesAttempted"), "1");
}

TEST_F(TFreeCellWin, WithoutAutoplayOnlyThePressedCardGoesHome) {
  Open(FreeCellGame, 1);
  Arrange({{Tableau(1), "2C AC"}, {Cell(1), "AD"}});
  FForm->SendHome(Tableau(1));
  EXPECT_EQ(Text(Foundation(1)), "AC");
  EXPECT_EQ(Text(Tableau(1)), "2C");
  EXPECT_EQ(Text(Cell(1)), "AD");
  // Switched on, it acts at the next move: free cells first, then the columns.
  FForm->AutoPlayCheckBox->click();
  EXPECT_TRUE(FForm->FAutoplay);
  Arrange({{Tableau(1), "2C AC"}, {Cell(2), "AD"}, {Tableau(2), "KS"}});
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(3), QPoint(30, 30));
  EXPECT_EQ(Text(Foundation(1)), "AD");
  EXPECT_EQ(Text(Foundation(2)), "AC 2C");
}
