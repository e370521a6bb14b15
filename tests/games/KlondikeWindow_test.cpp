// Klondike played through its window: deals, the stock, undo and redo.

#include "games/KlondikeTesting.h"

#include <QToolBar>

using namespace GamesTest;

using TKlondikeDeal = TKlondikeTest;

TEST_F(TKlondikeDeal, ChosenNumbersGiveTheKnownLayout) {
  Open(1);
  const char* expected[7] = {"KC", "#KH 5D", "#4S #JC 5C", "#2H #7S #KS 5H", "#JS #8S #TD #AD AH",
                             "#QH #3S #2S #6H #3C 6D", "#3D #2C #7C #4H #TS #AC 9H"};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(Text(Tableau(i)), expected[i - 1]) << "pile " << i;
  EXPECT_EQ(StockTopFirst(),
            "#KD #9C #QC #6C #5S #8C #9D #8H #TH #7H #QS #JD #AS #7D #2D #QD #4C #4D #JH #6S #3H #8D #9S #TC");
  EXPECT_EQ(FForm->PanelText(TKlondikeForm::StockPanel), "Stock: 24");
  EXPECT_EQ(FForm->PanelText(3), "Game #1");
  EXPECT_EQ(FForm->windowTitle(), "Klondike");
  EXPECT_EQ(Key("Klondike", "GameNumber"), "1");

  DealNumber(617);
  EXPECT_EQ(Text(Tableau(1)), "AC");
  EXPECT_EQ(Text(Tableau(7)), "#QC #6D #TH #5H #6H #JD JS");
  EXPECT_EQ(StockTopFirst().left(11), "#TD #3H #QS");
  DealNumber(1);
  EXPECT_EQ(Text(Tableau(4)), "#2H #7S #KS 5H");  // the same number, the same deal
}

TEST_F(TKlondikeDeal, AFreshWindowDealsQuietlyFromOneToTenMillion) {
  TCard::SetCardSize(CS_LARGE, false, false);
  FForm = CreateKlondikeWindow(CS_LARGE);
  EXPECT_EQ(KlondikeForm, FForm.data());
  EXPECT_GE(FForm->FGameNumber, 1);
  EXPECT_LE(FForm->FGameNumber, 10000000);
  EXPECT_TRUE(FDevice.Played.isEmpty());
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(FForm->FSavedDeck->Count(), 52);
  EXPECT_EQ(Key("Klondike", "GameNumber"), "None");  // a random deal writes no number
  EXPECT_EQ(FForm->FVegasBalance, -52);
}

TEST_F(TKlondikeDeal, RestartDealsTheSavedOrderAgainWithItsSound) {
  Open(1);
  FForm->DeckPileViewClick(Stock());
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FForm->FGameNumber, 1);
  EXPECT_EQ(Text(Tableau(7)), "#3D #2C #7C #4H #TS #AC 9H");
  EXPECT_EQ(Stock()->FCards->Count(), 24);
  EXPECT_EQ(Waste()->FCards->Count(), 0);
  EXPECT_TRUE(FDevice.Played.contains("RESTART"));
  EXPECT_FALSE(FDevice.Played.contains("SHUFFLE"));
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
}

using TKlondikeStock = TKlondikeTest;

TEST_F(TKlondikeStock, DrawThreeRunsThroughTheStockAndRedealsWithoutLimit) {
  Open(1);
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Text(Waste()), "KD 9C QC");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->PanelText(TKlondikeForm::StockPanel), "Stock: 21");
  EXPECT_EQ(Stock()->toolTip(), "21");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  for (int i = 0; i < 7; ++i) FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  EXPECT_EQ(Waste()->FCards->Count(), 24);
  EXPECT_EQ(Stock()->State, CS_RECYCLE);
  EXPECT_EQ(Stock()->toolTip(), "");
  EXPECT_EQ(FForm->FMoveCount, 8);
  // The next click redeals and turns three at once: one move.
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Text(Waste()), "KD 9C QC");
  EXPECT_EQ(Stock()->FCards->Count(), 21);
  EXPECT_EQ(StockTopFirst().left(7), "#6C #5S");
  EXPECT_EQ(FForm->FMoveCount, 9);
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 7; ++i) FForm->DeckPileViewClick(Stock());
    EXPECT_EQ(Waste()->FCards->Count(), 24);
    FForm->DeckPileViewClick(Stock());
    EXPECT_EQ(Text(Waste()), "KD 9C QC") << "round " << round;
  }
}

TEST_F(TKlondikeStock, DrawThreeWithTwoLeftTurnsTwoThenRedealsAndTurnsThree) {
  Open(1);
  Arrange({{Stock(), "#2C #3C #4C #5C #6C"}});  // 6C on top
  FForm->DeckPileViewClick(Stock());
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Text(Waste()), "6C 5C 4C 3C 2C");
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Text(Waste()), "6C 5C 4C");
  EXPECT_EQ(Text(Stock()), "#2C #3C");
}

TEST_F(TKlondikeStock, BothEmptyShowsABlankPlaceAndAClickDoesNothing) {
  Open(1);
  Arrange({{Tableau(1), "KS"}});
  EXPECT_EQ(Stock()->State, CS_BLANK);
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_TRUE(FForm->DrawOne1->isEnabled());  // nothing turned: the mode stays free
  EXPECT_EQ(FForm->PanelText(TKlondikeForm::StockPanel), "Stock: 0");
}

TEST_F(TKlondikeStock, DrawOneTurnsOneAndTheModeLocksUntilANewDeal) {
  Open(1);
  FForm->DrawOne1Click(FForm->DrawOne1);
  EXPECT_EQ(FForm->PanelText(TKlondikeForm::DrawPanel), "Draw: 1");
  EXPECT_EQ(Key("Klondike", "DrawThree"), "False");
  EXPECT_FALSE(Waste()->DrawThree);
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Text(Waste()), "KD");
  EXPECT_FALSE(FForm->DrawThree1->isEnabled());
  EXPECT_TRUE(FForm->DrawOne1->isEnabled());
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_FALSE(FForm->DrawThree1->isEnabled());  // Restart keeps the lock
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_TRUE(FForm->DrawThree1->isEnabled());
  FForm->DrawThree1Click(FForm->DrawThree1);
  EXPECT_TRUE(FForm->DrawThree1->isChecked());
  EXPECT_FALSE(FForm->DrawOne1->isChecked());
  EXPECT_EQ(Key("Klondike", "DrawThree"), "True");
  FForm->DeckPileViewClick(Stock());
  EXPECT_FALSE(FForm->DrawOne1->isEnabled());
}

TEST_F(TKlondikeStock, TheDrawModeIsReadBackByTheNextWindow) {
  WritePrivateProfileString("Klondike", "DrawThree", "False", FIni);
  Open(1);
  EXPECT_FALSE(FForm->FDrawThree);
  EXPECT_TRUE(FForm->DrawOne1->isChecked());
  EXPECT_EQ(FForm->PanelText(TKlondikeForm::DrawPanel), "Draw: 1");
}

TEST_F(TKlondikeStock, AClickThatRedealsAndTurnsIsOneMoveUndoneAndRedoneWhole) {
  Open(1);
  Arrange({{Stock(), "#2C #3C #4C #5C #6C #7C"}});
  FForm->DeckPileViewClick(Stock());
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(FForm->FMoveCount, 2);
  FForm->DeckPileViewClick(Stock());  // redeal and turn
  EXPECT_EQ(FForm->FMoveCount, 3);
  EXPECT_EQ(Text(Waste()), "7C 6C 5C");
  EXPECT_EQ(Text(Stock()), "#2C #3C #4C");
  FForm->Undo1Click(FForm->Undo1);  // the turn and the redeal
  EXPECT_EQ(Text(Waste()), "7C 6C 5C 4C 3C 2C");
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  EXPECT_EQ(Stock()->State, CS_RECYCLE);
  EXPECT_EQ(FForm->FMoveCount, 2);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Waste()), "7C 6C 5C");
  EXPECT_EQ(Text(Stock()), "#2C #3C #4C");
  EXPECT_EQ(FForm->FMoveCount, 3);
  EXPECT_FALSE(FForm->Redo1->isEnabled());
}

TEST_F(TKlondikeStock, UndoingEveryStockClickEndsAtNoMoves) {
  // Nine clicks, a middle press on the table among them, go through a redeal.
  Open(6041552);
  for (int click = 0; click < 9; ++click) {
    if (click == 4) Click(FForm.data(), QPoint(300, 400), Qt::MiddleButton);
    else FForm->DeckPileViewClick(Stock());
  }
  const int moves = FForm->FMoveCount;
  const QString waste = Text(Waste());
  while (FForm->Undo1->isEnabled()) FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(Stock()->FCards->Count(), 24);
  while (FForm->Redo1->isEnabled()) FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(FForm->FMoveCount, moves);
  EXPECT_EQ(Text(Waste()), waste);
}

TEST_F(TKlondikeStock, TheSpaceBarAndTheMiddleButtonTurnTheStock) {
  Open(1);
  QTest::keyClick(FForm.data(), Qt::Key_Space);
  EXPECT_EQ(Waste()->FCards->Count(), 3);
  Click(Tableau(3), TopPoint(Tableau(3)), Qt::MiddleButton);
  EXPECT_EQ(Waste()->FCards->Count(), 6);
  Click(FForm.data(), QPoint(400, 470), Qt::MiddleButton);
  EXPECT_EQ(Waste()->FCards->Count(), 9);
  Click(Stock(), QPoint(20, 20));
  EXPECT_EQ(Waste()->FCards->Count(), 12);
}

TEST_F(TKlondikeDeal, AnAnimatedDealSoundsOncePerPass) {
  Open(1);
  PreferencesDlg->FDoAnimation = true;
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FDevice.Played.count("SHUFFLE"), 1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 7);
  PreferencesDlg->FDoAnimation = false;
  FDevice.Played.clear();
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FDevice.Played, QStringList{"SHUFFLE"});
  EXPECT_EQ(Stock()->XOffset, 1.0f);  // fanned again once dealt
}

TEST_F(TKlondikeDeal, AWindowDeletedWithAButtonHeldLeavesTheFixtureNothingToRelease) {
  Open(1);
  Press(Tableau(7), TopPoint(Tableau(7)));
  // Gone before TearDown, as after a win: the held button is not released on freed memory.
  delete FForm.data();
  EXPECT_TRUE(FMouseOwner.isNull());
}
