// Pyramid Golf played through its window: the deal with its first stock card, clicking
// uncovered pyramid cards onto the discard pile with the turn between King and Ace, the
// stock, undo and redo, the win, its texts and its three card sizes.

#include <QCheckBox>

#include "games/PyramidTesting.h"
#include "games/pyramid/PyramidGolfWindow.h"
#include "platform/Metrics.h"
#include "widgets/wkStatusBar.h"

using namespace GamesTest;

namespace {

class TPyramidGolfTest : public TFamilyTest<TPyramidGolfForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) {
    TFamilyTest::Open([](int size) { return CreatePyramidGolfWindow(size); }, number, cardSize);
  }
  void ClickPosition(int pos) { Click(Pyramid(), PyramidPoint(pos)); }
};

}  // namespace

TEST_F(TPyramidGolfTest, DealsThePyramidAndTurnsTheFirstStockCard) {
  Open(1);
  // Deal 1, computed independently (the same pyramid as Pyramid's deal 1).
  EXPECT_EQ(PyramidText(),
            "KC KH 4S 2H JS QH 3D 5D JC 7S 8S 3S 2C 5C KS TD 2S 7C 5H AD 6H 4H AH 3C TS 6D AC 9H");
  EXPECT_EQ(Text(Discard()), "KD");
  EXPECT_EQ(StockTopFirst().left(11), "#9C #QC #6C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->windowTitle(), "Pyramid Golf");
  EXPECT_EQ(FForm->PanelText(1), "Game #1");
  EXPECT_EQ(FForm->PanelText(2), "Stock: 23");
  EXPECT_EQ(FForm->PanelText(3), "Score: 1");
  EXPECT_FALSE(FForm->AutoPlayCheckBox->isVisible());
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(StockTopFirst().left(7), "#KD #9C");
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Discard()), "KD");
}

TEST_F(TPyramidGolfTest, UncoveredCardsPlayOneRankAwayTurningTheCorner) {
  Open(1);
  Arrange({{Pyramid(), PyramidWith({{0, "JD"}, {1, "2H"}, {21, "QS"}, {22, "AH"}, {23, "KC"}, {24, "2D"}})},
           {Discard(), "KD"}});
  ClickPosition(0);  // covered by position 1
  EXPECT_EQ(Text(Discard()), "KD");
  ClickPosition(24);  // a Two is not next to a King
  EXPECT_EQ(Text(Discard()), "KD");
  // It can be picked up, but nothing takes it.
  Drag(Pyramid(), PyramidPoint(24), Discard(), QPoint(30, 30));
  EXPECT_EQ(Pyramid()->FCards->FList[24], Find("2D"));
  EXPECT_TRUE(FDevice.Played.contains("CARDUP"));
  EXPECT_EQ(Text(Discard()), "KD");
  ClickPosition(21);  // a Queen on a King
  EXPECT_EQ(Text(Discard()), "KD QS");
  EXPECT_EQ(Pyramid()->FCards->FList[21], nullptr);
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  Arrange({{Pyramid(), PyramidWith({{22, "AH"}, {23, "KC"}, {24, "2D"}})}, {Discard(), "KD"}});
  FForm->FMoveCount = 0;
  ClickPosition(22);  // an Ace on a King
  ClickPosition(23);  // a King on an Ace
  EXPECT_EQ(Text(Discard()), "KD AH KC");
  EXPECT_EQ(FForm->FMoveCount, 2);
  // Undo puts the King back into its own position.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(PyramidText(), PyramidWith({{23, "KC"}, {24, "2D"}}));
  EXPECT_EQ(Text(Discard()), "KD AH");
  ClickPosition(24);  // a Two on an Ace
  EXPECT_EQ(Text(Discard()), "KD AH 2D");
  FForm->Undo1Click(FForm->Undo1);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(PyramidText(), PyramidWith({{23, "KC"}}));
  EXPECT_EQ(Text(Discard()), "KD AH 2D");
}

TEST_F(TPyramidGolfTest, TheStockIsTurnedOnceByClickSpaceOrMiddleButton) {
  Open(1);
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Text(Discard()), "KD 9C");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  QTest::keyClick(FForm, Qt::Key_Space);
  Click(Pyramid(), PyramidPoint(27), Qt::MiddleButton);
  EXPECT_EQ(Text(Discard()), "KD 9C QC 6C");
  EXPECT_FALSE(PyramidText().contains(QLatin1Char('-')));  // the middle press played nothing
  for (int i = 0; i < 25; ++i) FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  EXPECT_EQ(FForm->FMoveCount, 24);
  EXPECT_EQ(FForm->PanelText(2), "Stock: 0");
  EXPECT_EQ(Stock()->toolTip(), "");
}

TEST_F(TPyramidGolfTest, WonOnlyWithThePyramidClearedAndTheStockUsed) {
  Open(1);
  Arrange({{Pyramid(), PyramidWith({{27, "9H"}})}, {Discard(), "8D"}});
  FillDiscard(50);
  Arrange({{Pyramid(), PyramidWith({{27, "9H"}})}, {Discard(), Text(Discard()).replace("8D ", "") + " 8D"}});
  ASSERT_EQ(Discard()->FCards->Count(), 51);
  FForm->FMoveCount = 4;
  ClickPosition(27);
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->PanelText(3), "Score: 52");
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_EQ(Key("PyramidGolf", "GamesWon"), "1");
  EXPECT_EQ(Key("PyramidGolf", "GamesAttempted"), "1");
  Click(Pyramid(), QPoint(5, 5));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TPyramidGolfTest, TextsAreComposedFromTheName) {
  Open(1);
  for (int i = 0; i < 5; ++i) FForm->DeckPileViewClick(Stock());
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Pyramid Golf?");
  FForm->close();
  EXPECT_EQ(FPrompts.value(1), "Resign this game of Pyramid Golf?\n\nNote:\nA resigned game counts as a loss.");
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Pyramid Golf   Game #1   Score: 6");
}

TEST_F(TPyramidGolfTest, EachCardSizeHasItsWindow) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(1, size);
    const QRect table(0, 0, FForm->width(), FForm->GameStatusBar->geometry().top());
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>())
      EXPECT_TRUE(table.contains(view->geometry())) << size << view->objectName().toStdString();
    Pyramid()->repaint();
    for (const TCard* card : Pyramid()->FCards->FList) {
      const QRect r(Pyramid()->mapToParent(QPoint(int(card->FX), int(card->FY))), TCardPileView::CardSize());
      EXPECT_TRUE(Pyramid()->geometry().contains(r)) << size;
      EXPECT_FALSE(Stock()->geometry().intersects(r)) << size;
      EXPECT_FALSE(Discard()->geometry().intersects(r)) << size;
    }
    for (int i = 0; i < 23; ++i) FForm->DeckPileViewClick(Stock());
    Shoot(QStringLiteral("pyramidgolf-%1").arg(size));
    FForm->FMoveCount = 0;
    FForm->close();
    delete FForm.data();
  }
}
