// Golf played through its window: the deal with its first stock card, clicking column
// tops onto the discard pile, the King option, the stock, undo and redo, the win, its
// texts and its three card sizes.

#include <QCheckBox>

#include "games/PyramidTesting.h"
#include "games/pyramid/GolfWindow.h"
#include "platform/Metrics.h"
#include "widgets/wkStatusBar.h"

using namespace GamesTest;

namespace {

class TGolfTest : public TFamilyTest<TGolfForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) {
    TFamilyTest::Open([](int size) { return CreateGolfWindow(size); }, number, cardSize);
  }
  TCardPileView* Column(int i) { return FForm->FTableau[static_cast<std::size_t>(i - 1)]; }
  void ClickTop(int column) { Click(Column(column), TopPoint(Column(column))); }
};

}  // namespace

TEST_F(TGolfTest, DealsFiveRowsAndTurnsTheFirstStockCard) {
  Open(1);
  // Deal 1, computed independently: five passes over the seven columns from the deck's top,
  // then the next card turned onto the discard pile.
  const char* columns[] = {"KC 5D KS 4H KD", "KH JC TD AH 9C", "4S 7S 2S 3C QC", "2H 8S 7C TS 6C",
                           "JS 3S 5H 6D 5S", "QH 2C AD AC 8C", "3D 5C 6H 9H 9D"};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(Text(Column(i)), columns[i - 1]) << i;
  EXPECT_EQ(Text(Discard()), "8H");
  EXPECT_EQ(StockTopFirst(), "#TH #7H #QS #JD #AS #7D #2D #QD #4C #4D #JH #6S #3H #8D #9S #TC");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->windowTitle(), "Golf");
  EXPECT_EQ(FForm->PanelText(2), "Game #1");
  EXPECT_EQ(FForm->PanelText(3), "Stock: 16");
  EXPECT_EQ(FForm->PanelText(4), "Score: 1");
  EXPECT_EQ(Stock()->toolTip(), "Stock: 16");
  EXPECT_EQ(FForm->KingsCheckBox->text(), "King Stops Sequence");
  EXPECT_TRUE(FForm->KingsCheckBox->isVisible());
  EXPECT_TRUE(FForm->KingsCheckBox->isEnabled());
  EXPECT_FALSE(FForm->AutoPlayCheckBox->isVisible());
  // The first stock card goes back by undo, face down, and comes again by redo.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(StockTopFirst().left(7), "#8H #TH");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Discard()), "8H");
  EXPECT_EQ(FForm->PanelText(3), "Stock: 16");
}

TEST_F(TGolfTest, ColumnTopsOneRankAwayPlayByAClick) {
  Open(1);
  // The Jack under the Nine is not a top card.
  Click(Column(2), QPoint(20, 40));
  EXPECT_EQ(Text(Discard()), "8H");
  EXPECT_FALSE(FForm->KingsCheckBox->isEnabled());  // play has started
  EXPECT_FALSE(FForm->KingStopsSequence1->isEnabled());
  ClickTop(2);  // 9C on 8H
  EXPECT_EQ(Text(Discard()), "8H 9C");
  EXPECT_EQ(Text(Column(2)), "KH JC TD AH");
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  ClickTop(6);  // 8C on 9C
  ClickTop(7);  // 9D on 8C
  EXPECT_EQ(Text(Discard()), "8H 9C 8C 9D");
  ClickTop(1);  // KD on 9D does not play
  EXPECT_EQ(Text(Column(1)), "KC 5D KS 4H KD");
  // It can be picked up, but nothing takes it.
  Drag(Column(1), TopPoint(Column(1)), Discard(), QPoint(30, 30));
  EXPECT_EQ(Text(Column(1)), "KC 5D KS 4H KD");
  EXPECT_TRUE(FDevice.Played.contains("CARDUP"));
  EXPECT_EQ(FForm->FMoveCount, 4);
  EXPECT_EQ(FForm->PanelText(4), "Score: 4");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Column(7)), "3D 5C 6H 9H 9D");
  EXPECT_EQ(FForm->FMoveCount, 3);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Discard()), "8H 9C 8C 9D");
}

TEST_F(TGolfTest, AcesAndKingsEndTheSequence) {
  Open(1);
  FForm->FKingStopsSequence = true;
  Arrange({{Column(1), "QC"}, {Column(2), "2D"}, {Column(3), "KS"}, {Discard(), "KH"}});
  ClickTop(1);  // nothing on a King while it stops the sequence
  EXPECT_EQ(Text(Discard()), "KH");
  FForm->FKingStopsSequence = false;
  ClickTop(3);  // a King never on a King
  EXPECT_EQ(Text(Discard()), "KH");
  ClickTop(1);  // a Queen on a King
  EXPECT_EQ(Text(Discard()), "KH QC");
  Arrange({{Column(1), "KC"}, {Column(2), "2D"}, {Discard(), "AH"}});
  ClickTop(1);  // no turning the corner from Ace to King
  EXPECT_EQ(Text(Discard()), "AH");
  ClickTop(2);
  EXPECT_EQ(Text(Discard()), "AH 2D");
}

TEST_F(TGolfTest, TheKingOptionIsKeptAndFixedOncePlayStarts) {
  Open(1);
  EXPECT_TRUE(FForm->FKingStopsSequence);
  FForm->KingsCheckBox->click();
  EXPECT_FALSE(FForm->FKingStopsSequence);
  EXPECT_FALSE(FForm->KingStopsSequence1->isChecked());
  EXPECT_EQ(Key("Golf", "KingStopsSequence"), "False");
  FForm->KingStopsSequence1->trigger();
  EXPECT_TRUE(FForm->KingsCheckBox->isChecked());
  EXPECT_EQ(Key("Golf", "KingStopsSequence"), "True");
  FForm->KingStopsSequence1->trigger();
  // A stock click fixes the option until the next deal.
  FForm->DeckPileViewClick(Stock());
  EXPECT_FALSE(FForm->KingsCheckBox->isEnabled());
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_TRUE(FForm->KingsCheckBox->isEnabled());
  // A new window reads the stored option.
  FForm->FMoveCount = 0;
  FForm->close();
  delete FForm.data();
  Open(1);
  EXPECT_FALSE(FForm->FKingStopsSequence);
  EXPECT_FALSE(FForm->KingsCheckBox->isChecked());
}

TEST_F(TGolfTest, TheStockIsTurnedOnceWithoutRedeal) {
  Open(1);
  QTest::keyClick(FForm, Qt::Key_Space);
  EXPECT_EQ(Text(Discard()), "8H TH");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  Click(Column(4), TopPoint(Column(4)), Qt::MiddleButton);
  EXPECT_EQ(Text(Discard()), "8H TH 7H");
  for (int i = 0; i < 14; ++i) FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  EXPECT_EQ(FForm->PanelText(3), "Stock: 0");
  EXPECT_EQ(Stock()->toolTip(), "");
  const int moves = FForm->FMoveCount;
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(FForm->FMoveCount, moves);
  EXPECT_EQ(Discard()->FCards->Count(), 17);
  // Undo turns the card back face down onto the stock.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(StockTopFirst(), "#TC");
}

TEST_F(TGolfTest, AllFiftyTwoOnTheDiscardWin) {
  Open(1);
  Arrange({{Column(1), "9C"}, {Discard(), "8H"}});
  FillDiscard(50);
  Arrange({{Column(1), "9C"}, {Discard(), Text(Discard()).replace("8H ", "") + " 8H"}});
  ASSERT_EQ(Discard()->FCards->Count(), 51);
  FForm->FMoveCount = 4;
  ClickTop(1);
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->PanelText(4), "Score: 52");
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_EQ(FForm->FUndo->StepCount(), 0);
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("Golf", "GamesWon"), "1");
  Click(FForm, QPoint(600, 20));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TGolfTest, TextsAndTheMinimumSizeWithoutTheStatusBar) {
  Open(1);
  for (int i = 0; i < 6; ++i) FForm->DeckPileViewClick(Stock());
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Golf?");
  FForm->close();
  EXPECT_EQ(FPrompts.value(1), "Resign this game of Golf?\n\nNote:\nA resigned game counts as a loss.");
  const int height = FForm->WMGetMinMaxInfo().height();
  EXPECT_EQ(height, 456 + Metrics::CaptionHeight + 2 * Metrics::FrameHeight);
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->WMGetMinMaxInfo().height(), height - 26);
  EXPECT_EQ(FForm->windowTitle(), "Golf   Game #1   Score: 7");
}

TEST_F(TGolfTest, EachCardSizeHasItsWindow) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(1, size);
    const QRect table(0, 0, FForm->width(), FForm->GameStatusBar->geometry().top());
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>())
      EXPECT_TRUE(table.contains(view->geometry())) << size << view->objectName().toStdString();
    ClickTop(2);
    Shoot(QStringLiteral("golf-%1").arg(size));
    FForm->FMoveCount = 0;
    FForm->close();
    delete FForm.data();
  }
}
