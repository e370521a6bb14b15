// Australian Patience: the all-face-up deal, the stock turned once through, its undo and
// redo, the in-suit tableau and the texts.

#include "games/KlondikeFamilyTesting.h"
#include "games/yukon/AustralianWindow.h"

using namespace GamesTest;

namespace {

class TAustralianTest : public TFamilyTest<TAustralianForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) { OpenWith(&CreateAustralianWindow, number, cardSize); }
};

}  // namespace

TEST_F(TAustralianTest, DealOneLaysFourFaceUpCardsOnEachPile) {
  Open(1);
  // Worked out by hand from the generator: four passes over the seven piles.
  const char* expected[7] = {"KC 5D KS 4H", "KH JC TD AH", "4S 7S 2S 3C", "2H 8S 7C TS",
                             "JS 3S 5H 6D", "QH 2C AD AC", "3D 5C 6H 9H"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Of(T(i + 1)), expected[i]) << "pile " << i + 1;
  EXPECT_EQ(StockView()->FCards->Count(), 24);
  EXPECT_EQ(CardText(StockView()->FCards->FList.back()), "#KD");
  EXPECT_EQ(FGame->PanelText(3), "Stock: 24");
  EXPECT_EQ(FGame->PanelText(2), "Game #1");
  EXPECT_EQ(FGame->PanelText(4), "Score: 0");
  EXPECT_EQ(StockView()->toolTip(), "24");
}

TEST_F(TAustralianTest, TheStockTurnsOneCardAndItsUndoPutsItBackFaceDown) {
  Open(1);
  FGame->DeckPileViewClick(StockView());
  EXPECT_EQ(Of(WasteView()), "KD");
  EXPECT_EQ(FGame->FMoveCount, 1);
  EXPECT_EQ(FGame->PanelText(3), "Stock: 23");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(WasteView()), "");
  EXPECT_EQ(CardText(StockView()->FCards->FList.back()), "#KD");
  EXPECT_EQ(FGame->FMoveCount, 0);
  FGame->Redo1Click(FGame->Redo1);
  EXPECT_EQ(Of(WasteView()), "KD");
  // The space bar and the middle button turn the next cards.
  QTest::keyClick(FGame.data(), Qt::Key_Space);
  EXPECT_EQ(WasteView()->FCards->Count(), 2);
  Click(T(1), TopAt(T(1)), Qt::MiddleButton);
  EXPECT_EQ(WasteView()->FCards->Count(), 3);
}

TEST_F(TAustralianTest, AnEmptyStockIgnoresClicks) {
  Open(1);
  Lay({{T(1), "KC"}, {WasteView(), "4H 9C"}});
  FGame->DeckPileViewClick(StockView());
  EXPECT_EQ(Of(WasteView()), "4H 9C");
  EXPECT_EQ(FGame->FMoveCount, 0);
  EXPECT_EQ(FGame->FUndo->StepCount(), 0);
  EXPECT_EQ(StockView()->toolTip(), "");
}

TEST_F(TAustralianTest, TheTableauBuildsInSuitAndTheWasteGivesItsTopCard) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Lay({{T(1), "9S"}, {WasteView(), "8H 8S"}, {T(2), "8C"}});
  Drag(T(2), TopAt(T(2)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "9S");
  Drag(WasteView(), TopAt(WasteView()), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "9S 8S");
  EXPECT_EQ(Of(WasteView()), "8H");
}

TEST_F(TAustralianTest, TheLastCardFromTheWasteWins) {
  Open(1);
  Lay({{F(1), SuitRun('C', 13)},
       {F(2), SuitRun('D', 13)},
       {F(3), SuitRun('H', 13)},
       {F(4), SuitRun('S', 12)},
       {WasteView(), "KS"}});
  FGame->FMoveCount = 5;
  FGame->DiscardPileViewDblClick(WasteView());
  EXPECT_TRUE(FGame->FGameOver);
  EXPECT_EQ(StockView()->State, CS_BLANK);
  EXPECT_EQ(Key("AustralianPatience", "GamesWon"), "1");
  FWinResult = TWinForm::mrCancel;
  Click(StockView());
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TAustralianTest, WindowsAtEachSize) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(3, size);
    FGame->DeckPileViewClick(StockView());
    Shoot(QStringLiteral("australian-%1").arg(size));
    const QSize min = FGame->WMGetMinMaxInfo();
    EXPECT_EQ(min.width() - 2 * Metrics::FrameWidth, size == CS_SMALL ? 560 : size == CS_HUGE ? 1000 : 672);
    FGame->close();
    delete FGame.data();
  }
}
