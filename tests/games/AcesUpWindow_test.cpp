// Aces Up played through its window: the deal, discarding, moves to empty piles, dealt
// rows with their undo, the win and the game's texts, at the three card sizes.

#include <QCheckBox>

#include "games/PairingTesting.h"
#include "games/acesup/AcesUpWindow.h"
#include "platform/Metrics.h"
#include "widgets/FormPlacement.h"
#include "widgets/wkStatusBar.h"

using namespace PairingTest;

namespace {

const auto AcesUp = [](int size) -> TAcesUpForm* { return CreateAcesUpWindow(size); };

class TAcesUpWindow : public TPairingTest<TAcesUpForm> {
protected:
  TCardPileView* Stock() { return FForm->DeckPileView; }
  TCardPileView* Discard() { return FForm->FDiscardView; }
  // The stock from its top card down.
  QString StockTopFirst(int count) {
    QStringList parts;
    const auto& list = Stock()->FCards->FList;
    for (auto it = list.rbegin(); it != list.rend() && parts.size() < count; ++it) parts << CardText(*it);
    return parts.join(QLatin1Char(' '));
  }
};

}  // namespace

TEST_F(TAcesUpWindow, DealsOneCardToEachPileAndKeepsTheRestInTheStock) {
  Open(AcesUp, 1);
  EXPECT_EQ(Text(Tableau(1)), "KC");
  EXPECT_EQ(Text(Tableau(2)), "KH");
  EXPECT_EQ(Text(Tableau(3)), "4S");
  EXPECT_EQ(Text(Tableau(4)), "2H");
  EXPECT_EQ(Stock()->FCards->Count(), 48);
  EXPECT_EQ(StockTopFirst(8), "#JS #QH #3D #5D #JC #7S #8S #3S");
  EXPECT_EQ(FForm->PanelText(TAcesUpForm::StockPanel), "Stock: 48");
  EXPECT_EQ(Stock()->toolTip(), "Stock: 48");
  EXPECT_EQ(FForm->PanelText(1), "Game #1");
  EXPECT_EQ(FForm->PanelText(3), "Score: 0");
  EXPECT_EQ(FForm->windowTitle(), "Aces Up");
  // Deal 1000: the four top cards of that shuffle.
  DealNumber(1000);
  EXPECT_EQ(Text(Tableau(1)) + " " + Text(Tableau(2)) + " " + Text(Tableau(3)) + " " + Text(Tableau(4)),
            "2C 5D 3C 9S");
}

TEST_F(TAcesUpWindow, ClickingATopCardDiscardsItWhenAHigherCardOfItsSuitShows) {
  Open(AcesUp, 1);
  Click(Tableau(4), TopPoint(Tableau(4)));  // 2H under KH's eye
  EXPECT_EQ(Text(Tableau(4)), "");
  EXPECT_EQ(Text(Discard()), "2H");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->PanelText(3), "Score: 1");
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  // KC has no higher club in sight: it is only picked up.
  FMouseOwner = Tableau(1);
  QTest::mousePress(Tableau(1), Qt::LeftButton, {}, TopPoint(Tableau(1)));
  EXPECT_TRUE(Tableau(1)->FDragArmed);
  QTest::mouseRelease(Tableau(1), Qt::LeftButton, {}, TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "KC");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(4)), "2H");
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(FForm->PanelText(3), "Score: 0");
}

TEST_F(TAcesUpWindow, ACardUnderTheTopCanNeitherGoNorMove) {
  Open(AcesUp, 1);
  Arrange({{Tableau(1), "3H 9C"}, {Tableau(2), "KH"}, {Tableau(3), ""}, {Tableau(4), "AS"}}, Stock());
  Click(Tableau(1), CardPoint(Tableau(1), 0, QPoint(20, 5)));
  Drag(Tableau(1), CardPoint(Tableau(1), 0, QPoint(20, 5)), Tableau(3), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(1)), "3H 9C");
  EXPECT_EQ(Text(Tableau(3)), "");
  EXPECT_EQ(FForm->FMoveCount, 0);
}

TEST_F(TAcesUpWindow, ATopCardMovesOnlyToAnEmptyPile) {
  Open(AcesUp, 1);
  Arrange({{Tableau(1), "3H 9C"}, {Tableau(2), "KH"}, {Tableau(3), ""}, {Tableau(4), "AS"}}, Stock());
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), TopPoint(Tableau(2)));
  EXPECT_EQ(Text(Tableau(1)), "3H 9C");
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(3), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(1)), "3H");
  EXPECT_EQ(Text(Tableau(3)), "9C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("CARDUP"));
  // Aces move too, though they never go.
  Click(Tableau(4), TopPoint(Tableau(4)));
  EXPECT_EQ(Text(Tableau(4)), "AS");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "3H 9C");
  EXPECT_EQ(Text(Tableau(3)), "");
}

TEST_F(TAcesUpWindow, SmartDraggingPicksTheFirstEmptyPile) {
  Open(AcesUp, 1);
  PreferencesDlg->FSmartDragging = true;
  Arrange({{Tableau(1), "3H 9C"}, {Tableau(2), ""}, {Tableau(3), ""}, {Tableau(4), "AS"}}, Stock());
  Drag(Tableau(1), TopPoint(Tableau(1)), FForm.data(), QPoint(600, 400));
  EXPECT_EQ(Text(Tableau(2)), "9C");
  EXPECT_EQ(Text(Tableau(3)), "");
}

TEST_F(TAcesUpWindow, ADealtRowCountsFourMovesAndIsUndoneAndRedoneWhole) {
  Open(AcesUp, 1);
  Click(Tableau(4), TopPoint(Tableau(4)));  // 2H goes: pile 4 is empty
  Click(Stock());
  EXPECT_EQ(Text(Tableau(1)), "KC JS");
  EXPECT_EQ(Text(Tableau(2)), "KH QH");
  EXPECT_EQ(Text(Tableau(3)), "4S 3D");
  EXPECT_EQ(Text(Tableau(4)), "5D");  // the empty pile is filled too
  EXPECT_EQ(FForm->FMoveCount, 5);
  EXPECT_EQ(FForm->PanelText(TAcesUpForm::StockPanel), "Stock: 44");
  EXPECT_TRUE(FDevice.Played.contains("DEAL"));

  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "KC");
  EXPECT_EQ(Text(Tableau(4)), "");
  EXPECT_EQ(StockTopFirst(5), "#JS #QH #3D #5D #JC");
  EXPECT_EQ(FForm->FMoveCount, 1);  // the row's four moves go back with it
  EXPECT_EQ(FForm->PanelText(TAcesUpForm::StockPanel), "Stock: 48");
  EXPECT_EQ(Text(Discard()), "2H");

  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(2)), "KH QH");
  EXPECT_EQ(Text(Tableau(4)), "5D");
  EXPECT_EQ(FForm->FMoveCount, 5);
  EXPECT_FALSE(FForm->Redo1->isEnabled());
  // The space bar and the middle button deal as well.
  QTest::keyClick(FForm.data(), Qt::Key_Space);
  EXPECT_EQ(Text(Tableau(1)), "KC JS JC");
  Click(Tableau(2), TopPoint(Tableau(2)), Qt::MiddleButton);
  EXPECT_EQ(Stock()->FCards->Count(), 36);
}

TEST_F(TAcesUpWindow, TheStockRunsOutAfterTwelveRows) {
  Open(AcesUp, 1);
  for (int row = 0; row < 13; ++row) FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(Stock()->FCards->Count(), 0);
  EXPECT_EQ(FForm->FMoveCount, 48);
  EXPECT_EQ(Text(Tableau(1)).count(' ') + 1, 13);
  EXPECT_EQ(FForm->PanelText(TAcesUpForm::StockPanel), "Stock: 0");
  EXPECT_EQ(Stock()->toolTip(), "");
}

TEST_F(TAcesUpWindow, DiscardingTheLastCardWinsWithTheFourAcesLeft) {
  Open(AcesUp, 1);
  Arrange({{Tableau(1), "AC"}, {Tableau(2), "AD"}, {Tableau(3), "AH 2S"}, {Tableau(4), "AS"}}, Discard());
  FForm->FMoveCount = 20;
  EXPECT_EQ(FForm->FScore, 47);
  Click(Tableau(3), TopPoint(Tableau(3)));
  EXPECT_EQ(Text(Tableau(3)), "AH");
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 48);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("AcesUp", "GamesWon"), "1");
  EXPECT_EQ(Key("AcesUp", "GamesAttempted"), "1");
  EXPECT_FALSE(GameShell::WinAnimation()->FStopped);
  EXPECT_EQ(GameShell::WinAnimation()->FTotal, 48);  // the discard pile flies
  GameShell::WinAnimation()->Stop();
  // Any press afterwards opens the win dialog.
  Click(Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(FWinDialogs, 1);
  Click(FForm.data(), QPoint(600, 300));
  EXPECT_EQ(FWinDialogs, 2);
}

TEST_F(TAcesUpWindow, ALossRecordsTheDiscardedCardsAsTheScore) {
  Open(AcesUp, 1);
  Click(Tableau(4), TopPoint(Tableau(4)));
  for (int row = 0; row < 2; ++row) FForm->DeckPileViewClick(Stock());
  ASSERT_EQ(FForm->FMoveCount, 9);
  FForm->close();
  EXPECT_EQ(FPrompts.value(0), "Resign this game of Aces Up?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("AcesUp", "GamesAttempted"), "1");
  EXPECT_EQ(Key("AcesUp", "AvgScore"), "1");
  EXPECT_EQ(Key("AcesUp", "HiScore"), "1");
}

TEST_F(TAcesUpWindow, RestartAsksFromSixMovesAndKeepsTheDeal) {
  Open(AcesUp, 7);
  FForm->DeckPileViewClick(Stock());
  FForm->NewGame1Click(FForm->Restart1);  // 4 moves: no question
  EXPECT_TRUE(FPrompts.isEmpty());
  FForm->DeckPileViewClick(Stock());
  FForm->DeckPileViewClick(Stock());  // 8 moves
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Aces Up?");
  EXPECT_EQ(FForm->FMoveCount, 8);
  FAnswer = Prompts::IDOK;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(FForm->FGameNumber, 7);
  EXPECT_EQ(Stock()->FCards->Count(), 48);
}

TEST_F(TAcesUpWindow, HasNoAutoplayAndShowsTheScoreInTheCaptionWithoutTheStatusBar) {
  Open(AcesUp, 1);
  EXPECT_FALSE(FForm->Autoplay1->isVisible());
  EXPECT_FALSE(FForm->AutoPlayCheckBox->isVisible());
  PreferencesDlg->FCtrlKey = false;
  QTest::keyClick(FForm.data(), Qt::Key_A);
  QTest::keyClick(FForm.data(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_FALSE(FForm->FAutoplay);
  EXPECT_EQ(Key("AcesUp", "Autoplay"), "None");
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Aces Up   Game #1");
  Click(Tableau(4), TopPoint(Tableau(4)));
  EXPECT_EQ(FForm->windowTitle(), "Aces Up   Game #1   Score: 1");
  EXPECT_EQ(Key("AcesUp", "ShowStatusBar"), "False");
}

TEST_F(TAcesUpWindow, EachCardSizeHasItsOwnLayoutMinimumAndPlacementSection) {
  struct TCase {
    int Size;
    QSize Client, Minimum;
    const char* Section;
    const char* Shot;
  };
  const TCase cases[] = {{CS_SMALL, {582, 450}, {500, 300}, "sAcesUp", "acesup-small"},
                         {CS_LARGE, {650, 450}, {650, 300}, "AcesUp", "acesup-large"},
                         {CS_HUGE, {926, 603}, {850, 500}, "hAcesUp", "acesup-huge"}};
  for (const TCase& c : cases) {
    Open(AcesUp, 1, c.Size);
    FForm->DeckPileViewClick(Stock());
    FForm->DeckPileViewClick(Stock());
    Click(Tableau(4), TopPoint(Tableau(4)));
    EXPECT_EQ(FForm->size(), c.Client) << c.Shot;
    EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(c.Minimum.width() + 2 * Metrics::FrameWidth, c.Minimum.height()));
    EXPECT_EQ(FForm->FormPlacement1->IniSection(), c.Section);
    // Every pile lies inside the table, above the status bar.
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>())
      EXPECT_LE(view->geometry().bottom(), FForm->GameStatusBar->geometry().top()) << view->objectName().toStdString();
    Shot(QLatin1String(c.Shot));
    const QImage shot = FForm->grab().toImage();
    const QPoint inCard = Tableau(2)->mapTo(FForm.data(), TopPoint(Tableau(2)));
    EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << c.Shot;
    Close();
  }
}

TEST_F(TAcesUpWindow, AnAnimatedDealSoundsForEachCard) {
  Open(AcesUp, 1);
  PreferencesDlg->FDoAnimation = true;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 4);
  EXPECT_EQ(Text(Tableau(4)), "2H");
}
