// Pyramid played through its window: the deal, Kings and pairs, the three passes of the
// stock with undo and redo, the win, its texts and its three card sizes.

#include <QCheckBox>
#include <QLabel>
#include <QMenu>

#include "games/PyramidTesting.h"
#include "games/pyramid/PyramidRules.h"
#include "games/pyramid/PyramidWindow.h"
#include "platform/Metrics.h"
#include "widgets/wkStatusBar.h"

using namespace GamesTest;

namespace {

class TPyramidTest : public TFamilyTest<TPyramidForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) {
    TFamilyTest::Open([](int size) { return CreatePyramidWindow(size); }, number, cardSize);
    PreferencesDlg->FSmartDragging = false;
  }
  TCardPileView* Play() { return FForm->PlayPileView; }
  TCardPileView* Waste() { return FForm->WastePileView; }
  void ClickStock(int times = 1) {
    for (int i = 0; i < times; ++i) FForm->DeckPileViewClick(Stock());
  }
};

// Deal 1 of the general generator, computed independently: the first 28 cards off the
// shuffled deck's top fill positions 0..27, the other 24 stay in the stock.
const char* Deal1Pyramid =
    "KC KH 4S 2H JS QH 3D 5D JC 7S 8S 3S 2C 5C KS TD 2S 7C 5H AD 6H 4H AH 3C TS 6D AC 9H";
const char* Deal1Stock =
    "#KD #9C #QC #6C #5S #8C #9D #8H #TH #7H #QS #JD #AS #7D #2D #QD #4C #4D #JH #6S #3H #8D #9S #TC";

}  // namespace

TEST_F(TPyramidTest, DealsTheNumberedLayoutWithItsTexts) {
  Open(1);
  EXPECT_EQ(PyramidText(), Deal1Pyramid);
  EXPECT_EQ(StockTopFirst(), Deal1Stock);
  for (int pos = 0; pos < 28; ++pos) {
    EXPECT_EQ(Pyramid()->FCards->FList[pos]->FPos, pos);
    EXPECT_EQ(Pyramid()->FCards->FList[pos]->FRow, TPyramidPileView::GetRow(pos));
  }
  EXPECT_EQ(FForm->windowTitle(), "Pyramid");
  EXPECT_EQ(FForm->PanelText(1), "Game #1");
  EXPECT_EQ(FForm->PanelText(2), "Stock: 24");
  EXPECT_EQ(FForm->PanelText(3), "Waste: 0");
  EXPECT_EQ(FForm->PanelText(4), "Score: 0");
  EXPECT_EQ(FForm->Label1->text(), "First Pass");
  EXPECT_EQ(Stock()->toolTip(), "Stock: 24");
  EXPECT_EQ(Stock()->State, CS_RECYCLE);
  EXPECT_FLOAT_EQ(Stock()->YOffset, 0.6f);
  EXPECT_EQ(FForm->FMoveCount, 0);
  // The same number deals the same layout again.
  DealNumber(1000);
  EXPECT_EQ(PyramidText(),
            "2C 5D 3C 9S 9C QH 7D TS 3H TD KS 3D 7S 4H QC 6C 8D 4S JC TC AH 5H AD 4C JH KC JS 6S");
}

TEST_F(TPyramidTest, HasNoAutoplay) {
  Open(1);
  EXPECT_FALSE(FForm->PopupMenu1->actions().contains(FForm->Autoplay1));
  EXPECT_FALSE(FForm->AutoPlayCheckBox->isVisible());
  QTest::keyClick(FForm, Qt::Key_A);
  FForm->Autoplay1->trigger();
  EXPECT_FALSE(FForm->FAutoplay);
  EXPECT_EQ(Key("Pyramid", "Autoplay"), "None");
}

TEST_F(TPyramidTest, AKingGoesByOneClickOnlyWhenUncovered) {
  Open(1);
  // KC at the top is covered: nothing happens.
  Click(Pyramid(), PyramidPoint(0));
  EXPECT_EQ(Text(Discard()), "");
  Arrange({{Pyramid(), PyramidWith({{10, "KS"}, {21, "5H"}, {22, "9C"}})}, {Play(), "4D"}});
  Click(Pyramid(), PyramidPoint(21), Qt::LeftButton, Qt::ControlModifier);  // not a King
  EXPECT_EQ(Text(Discard()), "");
  Click(Pyramid(), PyramidPoint(10));  // KS is uncovered (its row below is gone)
  EXPECT_EQ(Text(Discard()), "KS");
  EXPECT_EQ(Pyramid()->FCards->FList[10], nullptr);
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->PanelText(4), "Score: 1");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Pyramid()->FCards->FList[10], Find("KS"));
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Discard()), "KS");
  EXPECT_EQ(Pyramid()->FCards->FList[10], nullptr);
  // A King on the play pile goes by a double-click too.
  Arrange({{Play(), "KH"}});
  FForm->PyramidPileViewDblClick(Play());
  EXPECT_EQ(Text(Discard()), "KH");
}

TEST_F(TPyramidTest, PairsWithinThePyramidAndWithThePlayAndWasteCards) {
  Open(1);
  Arrange({{Pyramid(), PyramidWith({{15, "8C"}, {21, "6H"}, {22, "7C"}, {23, "5D"}})},
           {Play(), "8D"},
           {Waste(), "2C QS"}});
  // 6 and 7 make thirteen.
  Drag(Pyramid(), PyramidPoint(21), Pyramid(), PyramidPoint(22));
  EXPECT_EQ(Text(Discard()), "6H 7C");
  EXPECT_EQ(Pyramid()->FCards->FList[21], nullptr);
  EXPECT_EQ(Pyramid()->FCards->FList[22], nullptr);
  EXPECT_EQ(FForm->FUndo->StepCount(), 2);
  // 5 and Queen do not: the card returns to its place.
  Drag(Pyramid(), PyramidPoint(23), Waste(), TopPoint(Waste()));
  EXPECT_EQ(Pyramid()->FCards->FList[23], Find("5D"));
  EXPECT_EQ(Text(Waste()), "2C QS");
  // The play card with a pyramid card (8 + 5).
  Drag(Play(), TopPoint(Play()), Pyramid(), PyramidPoint(23));
  EXPECT_EQ(Text(Discard()), "6H 7C 8D 5D");
  EXPECT_EQ(Text(Play()), "");
  // A pyramid card with the waste's top card (Ace and Queen).
  Arrange({{Pyramid(), PyramidWith({{21, "AH"}})}, {Play(), "JD"}, {Waste(), "2C QS"}});
  Drag(Pyramid(), PyramidPoint(21), Waste(), TopPoint(Waste()));
  EXPECT_EQ(Text(Discard()), "AH QS");
  EXPECT_EQ(Text(Waste()), "2C");
  // The play card with the waste's top card.
  Drag(Play(), TopPoint(Play()), Waste(), TopPoint(Waste()));
  EXPECT_EQ(Text(Discard()), "AH QS JD 2C");
  // One undo click takes back a whole pair, the pyramid card into its own slot.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Play()), "JD");
  EXPECT_EQ(Text(Waste()), "2C");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(PyramidText(), PyramidWith({{21, "AH"}}));
  EXPECT_EQ(Text(Waste()), "2C QS");
  EXPECT_EQ(Text(Discard()), "");
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Discard()), "AH QS");
  EXPECT_EQ(Pyramid()->FCards->FList[21], nullptr);
}

TEST_F(TPyramidTest, SmartDraggingFindsThePartnerAndTheDiscardRefuses) {
  Open(1);
  PreferencesDlg->FSmartDragging = true;
  Arrange({{Pyramid(), PyramidWith({{21, "4S"}, {27, "9H"}})}, {Play(), "9D"}});
  // Released over the table, the 4 still finds the 9 at position 27 first.
  Drag(Pyramid(), PyramidPoint(21), FForm, QPoint(300, 560));
  EXPECT_EQ(Text(Discard()), "4S 9H");
  // Over the discard pile nothing is accepted.
  Arrange({{Pyramid(), PyramidWith({{21, "4S"}})}, {Play(), "9D"}});
  Drag(Pyramid(), PyramidPoint(21), Discard(), QPoint(30, 30));
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(Pyramid()->FCards->FList[21], Find("4S"));
}

TEST_F(TPyramidTest, TheStockGoesRoundThreeTimes) {
  Open(1);
  ClickStock();
  EXPECT_EQ(Text(Play()), "KD");
  ClickStock();
  EXPECT_EQ(Text(Play()), "9C");
  EXPECT_EQ(Text(Waste()), "KD");
  EXPECT_EQ(FForm->PanelText(2), "Stock: 22");
  EXPECT_EQ(FForm->PanelText(3), "Waste: 1");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  // One undo takes back the whole click.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Play()), "KD");
  EXPECT_EQ(Text(Waste()), "");
  EXPECT_EQ(StockTopFirst().left(3), "#9C");
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Play()), "9C");
  EXPECT_EQ(Text(Waste()), "KD");
  ClickStock(22);
  EXPECT_EQ(Text(Play()), "TC");
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  EXPECT_EQ(Stock()->State, CS_RECYCLE);
  EXPECT_EQ(FForm->FMoveCount, 24);
  // The turnover: the waste becomes the stock, its bottom card on top, and is drawn from.
  ClickStock();
  EXPECT_EQ(FForm->Label1->text(), "Second Pass");
  EXPECT_EQ(FForm->FPass, 2);
  EXPECT_EQ(Text(Play()), "KD");
  EXPECT_EQ(StockTopFirst().left(7), "#9C #QC");
  EXPECT_EQ(Stock()->FCards->Count(), 23);
  EXPECT_EQ(FForm->FMoveCount, 25);
  // One undo click takes back the whole click and its one move: the draw, the turnover
  // and the play card moved to the waste.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(FForm->Label1->text(), "First Pass");
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  EXPECT_EQ(Text(Play()), "TC");
  EXPECT_EQ(Waste()->FCards->Count(), 23);
  EXPECT_TRUE(Waste()->FCards->CardAt(TopOfPile)->FFaceUp);
  EXPECT_EQ(FForm->FMoveCount, 24);
  // One redo click gives all of it again.
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(FForm->Label1->text(), "Second Pass");
  EXPECT_EQ(Text(Play()), "KD");
  EXPECT_EQ(StockTopFirst().left(7), "#9C #QC");
  EXPECT_EQ(FForm->FMoveCount, 25);
  // Through the second pass into the third.
  ClickStock(23);
  ClickStock();
  EXPECT_EQ(FForm->Label1->text(), "Third Pass");
  EXPECT_EQ(Stock()->State, CS_BLANK);
  ClickStock(23);
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  const int moves = FForm->FMoveCount;
  const QString play = Text(Play());
  ClickStock();  // nothing more to turn
  EXPECT_EQ(FForm->FMoveCount, moves);
  EXPECT_EQ(Text(Play()), play);
  EXPECT_EQ(FForm->Label1->text(), "Third Pass");
  EXPECT_EQ(Stock()->State, CS_BLANK);
}

TEST_F(TPyramidTest, ATurnoverWithAnEmptyPlayPileIsOneUndoAndOneRedo) {
  Open(1);
  Arrange({{Pyramid(), PyramidWith({{27, "KS"}})}, {Waste(), "5C 7D"}});
  FForm->Undo1Click(FForm->Undo1);  // nothing to undo yet
  ClickStock();  // the turnover and a draw
  EXPECT_EQ(FForm->Label1->text(), "Second Pass");
  EXPECT_EQ(Text(Play()), "5C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(FForm->Label1->text(), "First Pass");
  EXPECT_EQ(Text(Waste()), "5C 7D");
  EXPECT_EQ(Text(Play()), "");
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(FForm->Label1->text(), "Second Pass");
  EXPECT_EQ(Text(Play()), "5C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_FALSE(FForm->Redo1->isEnabled());
}

TEST_F(TPyramidTest, FiftyTwoRemovedCardsWinEvenInTheFirstPass) {
  Open(1);
  Arrange({{Pyramid(), PyramidWith({{21, "6H"}, {22, "7C"}})}});
  FillDiscard(50);
  FForm->FMoveCount = 4;
  Drag(Pyramid(), PyramidPoint(21), Pyramid(), PyramidPoint(22));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FPass, 3);
  EXPECT_EQ(FForm->PanelText(4), "Score: 52");
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_EQ(Stock()->State, CS_BLANK);
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("Pyramid", "GamesAttempted"), "1");
  EXPECT_EQ(Key("Pyramid", "GamesWon"), "1");
  EXPECT_EQ(Key("Pyramid", "CurrentStreak"), "1");
  // Any press now opens the win dialog; the stock does too.
  Click(Pyramid(), QPoint(5, 5));
  EXPECT_EQ(FWinDialogs, 1);
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(FWinDialogs, 2);
}

TEST_F(TPyramidTest, ALostGameScoresTheRemovedCards) {
  Open(1);
  Arrange({{Pyramid(), PyramidWith({{21, "6H"}, {22, "7C"}, {23, "5D"}})}});
  FillDiscard(10);
  FForm->FMoveCount = 5;
  FForm->close();
  EXPECT_EQ(FPrompts.value(0), "Resign this game of Pyramid?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("Pyramid", "GamesAttempted"), "1");
  EXPECT_EQ(Key("Pyramid", "HiScore"), "10");
  EXPECT_EQ(Key("Pyramid", "AvgScore"), "10");
}

TEST_F(TPyramidTest, PromptsAndCaptionTexts) {
  Open(1);
  ClickStock(6);
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Pyramid?");
  EXPECT_EQ(FForm->FMoveCount, 6);
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Pyramid   Game #1");
  Arrange({{Pyramid(), PyramidWith({{10, "KS"}})}});
  Click(Pyramid(), PyramidPoint(10));
  EXPECT_EQ(FForm->windowTitle(), "Pyramid   Game #1   Score: 1");
  EXPECT_EQ(Key("Pyramid", "ShowStatusBar"), "False");
}

TEST_F(TPyramidTest, LabelColourFollowsTheBackground) {
  Open(1);
  EXPECT_EQ(FForm->Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
  PreferencesDlg->FBackgroundColor = 0x00FFFFFF;
  FForm->ApplyPreferences();
  EXPECT_EQ(FForm->Label1->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(TPyramidTest, EachCardSizeHasItsWindow) {
  struct TCase {
    int Size;
    int MinWidth, MinHeight;
    const char* Name;
  };
  for (const TCase& c : {TCase{CS_SMALL, 520, 480, "pyramid-small"}, TCase{CS_LARGE, 640, 600, "pyramid-large"},
                         TCase{CS_HUGE, 960, 900, "pyramid-huge"}}) {
    Open(1, c.Size);
    const QSize min = FForm->WMGetMinMaxInfo();
    EXPECT_EQ(min.width(), c.MinWidth + 2 * Metrics::FrameWidth) << c.Name;
    EXPECT_EQ(min.height(), c.MinHeight + Metrics::CaptionHeight + 2 * Metrics::FrameHeight) << c.Name;
    // The whole pyramid lies inside the view and clear of the corner piles.
    Pyramid()->repaint();
    const QSize card = TCardPileView::CardSize();
    for (const TCard* card27 : Pyramid()->FCards->FList) {
      const QRect r(Pyramid()->mapToParent(QPoint(int(card27->FX), int(card27->FY))), card);
      EXPECT_TRUE(Pyramid()->geometry().contains(r)) << c.Name;
      for (TCardPileView* pile : {Stock(), Play(), Waste(), Discard()})
        EXPECT_FALSE(pile->geometry().intersects(r)) << c.Name << " " << pile->objectName().toStdString();
    }
    EXPECT_LE(Pyramid()->geometry().bottom(), FForm->GameStatusBar->geometry().top()) << c.Name;
    ClickStock(2);
    Shoot(QLatin1String(c.Name));
    FForm->FMoveCount = 0;
    FForm->close();
    delete FForm.data();
  }
}

TEST_F(TPyramidTest, AnimatedDealSoundsEachRowAndRestartBeginsTheFirstPassAgain) {
  Open(1);
  PreferencesDlg->FDoAnimation = true;
  DealNumber(7);
  FForm->NewGame1Click(FForm->Restart1);
  // Six new rows and the end of the deal.
  EXPECT_EQ(FDevice.Played.count("DEAL"), 7);
  EXPECT_TRUE(FDevice.Played.contains("RESTART"));
  const QString layout = PyramidText();
  ClickStock(25);
  EXPECT_EQ(FForm->FPass, 2);
  FForm->NewGame1Click(FForm->Restart1);  // at 25 moves it asks first
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Pyramid?");
  EXPECT_EQ(PyramidText(), layout);
  EXPECT_EQ(FForm->FPass, 1);
  EXPECT_EQ(FForm->Label1->text(), "First Pass");
  EXPECT_EQ(Stock()->FCards->Count(), 24);
  EXPECT_EQ(Text(Play()), "");
  EXPECT_EQ(Text(Waste()), "");
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
}
