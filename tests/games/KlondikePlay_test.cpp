// Klondike played with the mouse: pressing, dragging, smart dragging, double-clicks,
// autoplay and the win.

#include "games/KlondikeTesting.h"

using namespace GamesTest;

using TKlondikeDrag = TKlondikeTest;

TEST_F(TKlondikeDrag, ALegalDropMovesTheCardAndTurnsUpTheExposedOneInOneUndoStep) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  // 5C (pile 3) onto 6D (pile 6).
  Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(6), TopPoint(Tableau(6)));
  EXPECT_EQ(Text(Tableau(6)), "#QH #3S #2S #6H #3C 6D 5C");
  EXPECT_EQ(Text(Tableau(3)), "#4S JC");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("CARDUP"));
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  EXPECT_EQ(FForm->FUndo->StepCount(), 2);  // the move and the turn-up
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(3)), "#4S #JC 5C");
  EXPECT_EQ(Text(Tableau(6)), "#QH #3S #2S #6H #3C 6D");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(3)), "#4S JC");
  EXPECT_EQ(Text(Tableau(6)), "#QH #3S #2S #6H #3C 6D 5C");
  EXPECT_EQ(FForm->FMoveCount, 1);
}

TEST_F(TKlondikeDrag, AnIllegalDropPutsTheCardsBack) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(7), TopPoint(Tableau(7)));  // 5D onto 9H
  EXPECT_EQ(Text(Tableau(2)), "#KH 5D");
  EXPECT_EQ(Text(Tableau(7)), "#3D #2C #7C #4H #TS #AC 9H");
  Drag(Tableau(4), TopPoint(Tableau(4)), Foundation(1), QPoint(30, 30));  // 5H on an empty foundation
  EXPECT_EQ(Text(Tableau(4)), "#2H #7S #KS 5H");
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
}

TEST_F(TKlondikeDrag, RunsAreLiftedWholeAndKingsFillEmptyPiles) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Arrange({{Tableau(1), ""}, {Tableau(2), "#3D KS QH JC"}, {Tableau(3), "#2C QD"}, {Tableau(4), "9S"}});
  // A face-down card cannot be taken; a broken run cannot be taken either.
  Drag(Tableau(2), CardPoint(Tableau(2), 0, QPoint(20, 4)), Tableau(1), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(2)), "#3D KS QH JC");
  // The run K-Q-J goes to the empty pile.
  Drag(Tableau(2), CardPoint(Tableau(2), 1), Tableau(1), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(1)), "KS QH JC");
  EXPECT_EQ(Text(Tableau(2)), "3D");
  // A Queen may not fill an empty pile.
  Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(2), QPoint(30, 100));
  Arrange({{Tableau(3), "QD"}});
  Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(1), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(3)), "QD");
}

TEST_F(TKlondikeDrag, SmartDraggingChoosesTheTargetAtTheStartAndADropAnywhereGoesThere) {
  Open(1);
  PreferencesDlg->FSmartDragging = true;
  // 5C released over the empty table lands on 6D, the first pile that takes it.
  Drag(Tableau(3), TopPoint(Tableau(3)), FForm.data(), QPoint(400, 470));
  EXPECT_EQ(Text(Tableau(6)), "#QH #3S #2S #6H #3C 6D 5C");
  EXPECT_EQ(Text(Tableau(3)), "#4S JC");
  // A single Ace goes home first.
  Drag(Tableau(5), TopPoint(Tableau(5)), FForm.data(), QPoint(400, 470));
  EXPECT_EQ(Text(Foundation(1)), "AH");
  EXPECT_EQ(Text(Tableau(5)), "#JS #8S #TD AD");
}

TEST_F(TKlondikeDrag, WithoutSmartDraggingATableDropReturnsTheCards) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Drag(Tableau(3), TopPoint(Tableau(3)), FForm.data(), QPoint(400, 470));
  EXPECT_EQ(Text(Tableau(3)), "#4S #JC 5C");
  EXPECT_EQ(FForm->FMoveCount, 0);
}

TEST_F(TKlondikeDrag, ATargetOnceFoundStaysWhenTheReleaseIsOverARefusingPile) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  // Over 6D (accepts), then released over 9H (refuses): the card goes to 6D.
  Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(7), TopPoint(Tableau(7)), Tableau(6), TopPoint(Tableau(6)));
  EXPECT_EQ(Text(Tableau(6)), "#QH #3S #2S #6H #3C 6D 5C");
  EXPECT_EQ(Text(Tableau(7)), "#3D #2C #7C #4H #TS #AC 9H");
}

TEST_F(TKlondikeDrag, OnlyTheWastesTopCardIsTaken) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Arrange({{Waste(), "5S 8H"}, {Tableau(1), "9C"}, {Tableau(2), "6D"}});
  Drag(Waste(), QPoint(5, 40), Tableau(2), TopPoint(Tableau(2)));  // 5S lies under 8H
  EXPECT_EQ(Text(Waste()), "5S 8H");
  Drag(Waste(), TopPoint(Waste()), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "9C 8H");
  EXPECT_EQ(Text(Waste()), "5S");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Waste()), "5S 8H");  // the waste turns nothing up
}

TEST_F(TKlondikeDrag, DoubleClickAndCtrlClickSendACardHome) {
  Open(1);
  QTest::mouseDClick(Tableau(5), Qt::LeftButton, {}, TopPoint(Tableau(5)));
  EXPECT_EQ(Text(Foundation(1)), "AH");
  EXPECT_EQ(Text(Tableau(5)), "#JS #8S #TD AD");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  // Ctrl+click (Shift+click on a face-up card peeks instead).
  FMouseOwner = Tableau(5);
  QTest::mouseClick(Tableau(5), Qt::LeftButton, Qt::ControlModifier, TopPoint(Tableau(5)));
  EXPECT_EQ(Text(Foundation(2)), "AD");
  EXPECT_EQ(Text(Tableau(5)), "#JS #8S TD");
  // Nothing fits: nothing moves.
  FForm->DiscardPileViewDblClick(Tableau(1));
  EXPECT_EQ(Text(Tableau(1)), "KC");
  EXPECT_EQ(FForm->FMoveCount, 2);
  // Undo takes the move and its turn-up back together.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(5)), "#JS #8S #TD AD");
  EXPECT_EQ(Foundation(2)->FCards->Count(), 0);
}

using TKlondikeWin = TKlondikeTest;

TEST_F(TKlondikeWin, AutoplaySendsEveryFittingCardUpInAChain) {
  Open(1);
  FForm->Autoplay1Click(FForm->Autoplay1);
  EXPECT_EQ(Key("Klondike", "Autoplay"), "True");
  Arrange({{Tableau(1), "3H"}, {Tableau(2), "#KS 2H"}, {Tableau(3), "AH"}, {Waste(), "AS"}}, true);
  FForm->DiscardPileViewDblClick(Tableau(3));
  EXPECT_EQ(Text(Foundation(1)), "AH 2H 3H");
  EXPECT_EQ(Text(Foundation(2)), "AS");
  EXPECT_EQ(Text(Tableau(2)), "KS");  // turned up on the way
  EXPECT_EQ(FForm->FMoveCount, 4);
  EXPECT_EQ(FForm->PanelText(5), "Score: 4");
}

TEST_F(TKlondikeWin, AWinClearsUndoRecordsPlaysAndAnimatesThenTheNextClickOpensTheDialog) {
  Open(1);
  FForm->FAutoplay = true;
  Arrange({{Foundation(1), SuitRun('C', 12)},
           {Foundation(2), SuitRun('D', 12)},
           {Foundation(3), SuitRun('H', 11)},
           {Foundation(4), SuitRun('S', 12)},
           {Tableau(1), "KC QH"},
           {Tableau(2), "KH"},
           {Waste(), "KD KS"}});
  FForm->FMoveCount = 10;
  FForm->DiscardPileViewDblClick(Tableau(1));  // QH home, then the Kings by autoplay
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 52);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_EQ(FForm->FUndo->StepCount(), 0);
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_FALSE(FForm->RestartSpeedButton->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_FALSE(GameShell::WinAnimation()->FStopped);
  EXPECT_EQ(Key("Klondike", "GamesWon"), "1");
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");
  EXPECT_EQ(Key("KlondikeDrawThree", "GamesWon"), "1");
  EXPECT_EQ(Key("KlondikeDrawOne", "GamesWon"), "None");
  EXPECT_EQ(Key("Klondike", "AvgScore"), "None");

  // The next click anywhere opens the win dialog; Escape does nothing more.
  FWinResult = TWinForm::mrCancel;
  Click(FForm.data(), QPoint(400, 470));
  EXPECT_EQ(FWinDialogs, 1);
  EXPECT_TRUE(FForm->FGameOver);
  Click(Tableau(3), QPoint(20, 20));
  EXPECT_EQ(FWinDialogs, 2);
  // Statistics (7), then a new game (6).
  FWinResult = 7;
  Click(Stock(), QPoint(20, 20));
  EXPECT_EQ(FStatisticsDialogs, 1);
  FWinResult = 6;
  Click(FForm.data(), QPoint(400, 470));
  EXPECT_FALSE(FForm->FGameOver);
  EXPECT_TRUE(GameShell::WinAnimation()->FStopped);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(Stock()->FCards->Count(), 24);
  EXPECT_TRUE(FForm->Restart1->isEnabled());
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");  // a won deal is not recorded again
}

TEST_F(TKlondikeWin, WinDialogSelectGameDealsTheChosenNumber) {
  TGameSelectDlg dialog(FIni);
  Open(1);
  Arrange({{Foundation(1), SuitRun('C', 13)},
           {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 13)},
           {Foundation(4), SuitRun('S', 12)},
           {Tableau(1), "KS"}});
  FForm->FMoveCount = 9;
  FForm->DiscardPileViewDblClick(Tableau(1));
  ASSERT_TRUE(FForm->FGameOver);
  FWinResult = TWinForm::mrSelectGame;
  FSelectNumber = 617;
  Click(FForm.data(), QPoint(400, 470));
  GameSelectDlg = nullptr;
  EXPECT_FALSE(FForm->FGameOver);
  EXPECT_EQ(FForm->FGameNumber, 617);
  EXPECT_EQ(Text(Tableau(1)), "AC");
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");  // the won deal is not recorded again
  EXPECT_EQ(Key("Klondike", "GamesWon"), "1");
}

TEST_F(TKlondikeWin, WinDialogCloseGameClosesTheWindow) {
  Open(1);
  Arrange({{Foundation(1), SuitRun('C', 13)},
           {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 13)},
           {Foundation(4), SuitRun('S', 12)},
           {Tableau(1), "KS"}});
  FForm->DiscardPileViewDblClick(Tableau(1));
  ASSERT_TRUE(FForm->FGameOver);
  FWinResult = 3;
  Click(FForm.data(), QPoint(400, 470));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(FForm.isNull());
  EXPECT_EQ(KlondikeForm, nullptr);
  EXPECT_TRUE(FPrompts.isEmpty());
}
