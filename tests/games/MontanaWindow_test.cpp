// Montana played through its window: the deal with the Aces out, filling gaps by click,
// by one-click moves and by dragging, the reshuffles, Show Match, the win and the texts,
// at the three card sizes.

#include <QCheckBox>
#include <QApplication>
#include <QCursor>
#include <QTimer>

#include "games/PairingTesting.h"
#include "games/montana/MontanaWindow.h"
#include "platform/Metrics.h"
#include "widgets/FormPlacement.h"
#include "widgets/wkStatusBar.h"

using namespace PairingTest;

namespace {

const auto Montana = [](int size) -> TMontanaForm* { return CreateMontanaWindow(size); };

// Deal 1 as dealt, the Aces out.
const QStringList Deal1 = {"KC JS JC 2C 2S 6H TS KD 5S TH -- 4C 3H",
                           "KH QH 7S 5C 7C 4H 6D 9C 8C 7H 7D 4D 8D",
                           "4S 3D 8S KS 5H -- -- QC 9D QS 2D JH 9S",
                           "2H 5D 3S TD -- 3C 9H 6C 8H JD QD 6S TC"};

class TMontanaWindow : public TPairingTest<TMontanaForm> {
protected:
  TCardPileView* Place(int row, int column) { return FForm->FGrid[std::size_t((row - 1) * 13 + column - 1)]; }
  QString Row(int row) {
    QStringList parts;
    for (int column = 1; column <= 13; ++column) {
      const QString text = Text(Place(row, column));
      parts << (text.isEmpty() ? QStringLiteral("--") : text);
    }
    return parts.join(QLatin1Char(' '));
  }
  // Lays the grid out from four rows of text ("--" a gap); the rest, the Aces, goes to
  // the hidden discard pile in the order given.
  void ArrangeGrid(const QStringList& rows, const QString& aces = QStringLiteral("AS AH AC AD")) {
    std::map<TCardPileView*, QString> layout;
    for (int row = 1; row <= 4; ++row) {
      const QStringList tokens = rows[row - 1].split(QLatin1Char(' '));
      for (int column = 1; column <= 13; ++column)
        layout[Place(row, column)] = tokens[column - 1] == QLatin1String("--") ? QString() : tokens[column - 1];
    }
    layout[FForm->FDiscardView] = aces;
    Arrange(layout);
  }
  QPoint Centre(TCardPileView* view) { return view->geometry().center(); }
  QStringList Selected() {
    QStringList cards;
    for (TCardPileView* view : FForm->FGrid)
      if (TCard* card = view->FCards->CardAt(TopOfPile); card && card->FSelected) cards << CardText(card);
    return cards;
  }
};

}  // namespace

TEST_F(TMontanaWindow, DealsColumnByColumnAndTakesTheAcesOut) {
  Open(Montana, 1);
  for (int row = 1; row <= 4; ++row) EXPECT_EQ(Row(row), Deal1[row - 1]) << row;
  EXPECT_EQ(Text(FForm->FDiscardView), "AS AH AC AD");
  EXPECT_FALSE(FForm->FDiscardView->isVisible());
  EXPECT_EQ(FForm->FScore, 1);  // the 2 of hearts starts row 4
  EXPECT_EQ(FForm->PanelText(3), "Score: 1");
  EXPECT_EQ(FForm->PanelText(1), "Game #1");
  EXPECT_EQ(FForm->PanelText(2), "2 Shuffles Remaining");
  EXPECT_EQ(FForm->ShufflePanel->Hint(), "Shuffles Non-Ordered Cards");
  EXPECT_TRUE(FForm->Timer1->isActive());
  EXPECT_EQ(FForm->Timer1->interval(), 500);
  DealNumber(5);
  EXPECT_EQ(Row(1), "5D 5C -- 2S 3D 8D 8S JC 5S 7S JS 7C 3H");
  EXPECT_EQ(Row(4), "KS QS 9H 7D 9D KH 6S 4S -- JD TC 4D 6C");
}

TEST_F(TMontanaWindow, ClickingAGapBringsInTheCardThatFollowsItsLeftNeighbour) {
  Open(Montana, 1);
  Click(Place(1, 11), QPoint(30, 30));  // right of TH: JH comes from row 3
  EXPECT_EQ(Text(Place(1, 11)), "JH");
  EXPECT_EQ(Text(Place(3, 12)), "");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  // Right of another gap nothing fits; right of a King neither.
  Click(Place(3, 7), QPoint(30, 30));
  EXPECT_EQ(Text(Place(3, 7)), "");
  EXPECT_EQ(FForm->FMoveCount, 1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Place(1, 11)), "");
  EXPECT_EQ(Text(Place(3, 12)), "JH");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Place(1, 11)), "JH");
  // The right button does nothing.
  Click(Place(3, 6), QPoint(30, 30), Qt::RightButton);
  EXPECT_EQ(Text(Place(3, 6)), "");
  Click(Place(3, 6), QPoint(30, 30), Qt::MiddleButton);
  EXPECT_EQ(Text(Place(3, 6)), "6H");
}

TEST_F(TMontanaWindow, AFirstColumnGapTakesTheTwoOfANeighbouringThreeElseTheFirstLooseTwo) {
  Open(Montana, 1);
  QStringList rows = Deal1;
  rows[0] = "-- JS JC 2C 2S 6H TS KD 5S TH KC 4C 3H";
  ArrangeGrid(rows);
  Click(Place(1, 1), QPoint(30, 30));
  EXPECT_EQ(Text(Place(1, 1)), "2C");  // the first 2 outside the first column
  rows[0] = "-- 3S JC 2C 2S 6H TS KD 5S TH KC 4C 3H";
  rows[3] = "2H 5D JS TD -- 3C 9H 6C 8H JD QD 6S TC";
  ArrangeGrid(rows);
  Click(Place(1, 1), QPoint(30, 30));
  EXPECT_EQ(Text(Place(1, 1)), "2S");
  rows[0] = "-- 3H JC 2C 2S 6H TS KD 5S TH KC 4C JS";
  rows[3] = "2H 5D 3S TD -- 3C 9H 6C 8H JD QD 6S TC";
  ArrangeGrid(rows);
  Click(Place(1, 1), QPoint(30, 30));
  EXPECT_EQ(Text(Place(1, 1)), "2H");  // even from another row's first column
  EXPECT_EQ(Text(Place(4, 1)), "");
}

TEST_F(TMontanaWindow, ClickingACardSendsItToTheGapItFitsAndOtherwisePicksItUp) {
  Open(Montana, 1);
  QStringList rows = Deal1;
  rows[0] = "-- JS JC 2C 2S 6H TS KD 5S TH KC 4C 3H";
  ArrangeGrid(rows);
  Click(Place(1, 4), QPoint(30, 30));  // a 2 goes to the first empty place of column 1
  EXPECT_EQ(Text(Place(1, 1)), "2C");
  Click(Place(1, 6), QPoint(30, 30));  // 6H to the gap right of 5H
  EXPECT_EQ(Text(Place(3, 6)), "6H");
  EXPECT_EQ(FForm->FMoveCount, 2);
  FMouseOwner = Place(2, 1);
  QTest::mousePress(Place(2, 1), Qt::LeftButton, {}, QPoint(30, 30));  // KH fits nowhere
  EXPECT_TRUE(Place(2, 1)->FDragArmed);
  QTest::mouseRelease(Place(2, 1), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(Text(Place(2, 1)), "KH");
}

TEST_F(TMontanaWindow, ADraggedCardLandsOnlyOnAGapItFits) {
  Open(Montana, 1);
  Drag(Place(3, 13), QPoint(30, 30), Place(1, 11), QPoint(30, 30));  // 9S right of TH: no
  EXPECT_EQ(Text(Place(3, 13)), "9S");
  Drag(Place(2, 8), QPoint(30, 30), Place(3, 12), QPoint(30, 30));  // 9C onto JH: no
  EXPECT_EQ(Text(Place(2, 8)), "9C");
  Drag(Place(3, 12), QPoint(30, 30), Place(1, 11), QPoint(30, 30));  // JH right of TH
  EXPECT_EQ(Text(Place(1, 11)), "JH");
  EXPECT_EQ(Text(Place(3, 12)), "");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("CARDUP"));
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Place(3, 12)), "JH");
}

TEST_F(TMontanaWindow, AReshuffleKeepsTheRunsLeavesAGapAfterThemAndDealsTheRestAgain) {
  Open(Montana, 1);
  ArrangeGrid({"2C 3C 4C JS JC 2S 6H TS KD 5S TH -- 3H", "KH QH 7S 5C 7C 4H 6D 9C 8C 7H 7D 4D 8D",
               "4S 3D 8S KS 5H -- -- QC 9D QS 2D JH 9S", "2H 5D 3S TD -- KC 9H 6C 8H JD QD 6S TC"});
  FForm->FMoveCount = 7;
  Click(Place(1, 12), QPoint(30, 30));  // a move to undo: JH right of TH
  FForm->Shuffle1Click(FForm->Shuffle1);
  // The run 2-4 of clubs stays with a gap after it; row 4 keeps its 2.
  EXPECT_TRUE(Row(1).startsWith("2C 3C 4C -- ")) << Row(1).toStdString();
  EXPECT_TRUE(Row(4).startsWith("2H -- ")) << Row(4).toStdString();
  EXPECT_EQ(FForm->FMoveCount, 8);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("SHUFFLE"));
  EXPECT_EQ(FForm->PanelText(2), "1 Shuffle Remaining");
  EXPECT_EQ(FForm->FDiscardView->FCards->Count(), 4);
  int cards = 0;
  for (TCardPileView* view : FForm->FGrid) cards += view->FCards->Count();
  EXPECT_EQ(cards, 48);
  FForm->Shuffle1Click(FForm->Shuffle1);
  EXPECT_EQ(FForm->PanelText(2), "0 Shuffles Remaining");
  EXPECT_FALSE(FForm->Shuffle1->isEnabled());
  EXPECT_FALSE(FForm->ShufflePanel->Enabled());
  const QString before = Row(2);
  FForm->Shuffle1Click(FForm->Shuffle1);
  EXPECT_EQ(Row(2), before);
}

TEST_F(TMontanaWindow, AReshuffleWithoutMovesFollowsTheDealGenerator) {
  Open(Montana, 1);
  ArrangeGrid({"2C 3C 4C JS JC 2S 6H TS KD 5S TH -- 3H", "KH QH 7S 5C 7C 4H 6D 9C 8C 7H 7D 4D 8D",
               "4S 3D 8S KS 5H -- -- QC 9D QS 2D JH 9S", "2H 5D 3S TD -- KC 9H 6C 8H JD QD 6S TC"});
  // The status-bar panel does the same as the menu item.
  FForm->ShufflePanel->OnClick(FForm->ShufflePanel);
  EXPECT_EQ(Row(1), "2C 3C 4C -- 3H 2S JD 7C TH 5D 7S 4H QH");
  EXPECT_EQ(Row(2), "4S 6D 4D 8S QD 8D TD 6S JC 5H JH 9D JS");
  EXPECT_EQ(Row(3), "5S 7D -- 8H QC TS 8C 6C 3S TC 3D 5C KC");
  EXPECT_EQ(Row(4), "2H -- 9C 9S -- QS 2D 7H KD KS 6H 9H KH");
  EXPECT_EQ(Text(FForm->FDiscardView), "AH AS AC AD");
}

TEST_F(TMontanaWindow, ShowMatchMarksTheCardThatFitsTheGapUnderTheMouse) {
  Open(Montana, 1);
  FForm->Timer1->stop();  // the points below stand for the mouse; the real one stays out of it
  FForm->ShowMatchAt(Centre(Place(1, 11)));
  EXPECT_EQ(Selected(), QStringList{"JH"});
  EXPECT_EQ(FForm->FLastGap, Place(1, 11));
  FForm->ShowMatchAt(Centre(Place(3, 6)));
  EXPECT_EQ(Selected(), QStringList{"6H"});
  FForm->ShowMatchAt(Centre(Place(3, 7)));  // right of a gap: nothing, not remembered
  EXPECT_TRUE(Selected().isEmpty());
  EXPECT_EQ(FForm->FLastGap, nullptr);
  FForm->ShowMatchAt(Centre(Place(1, 11)));
  FForm->ShowMatchAt(Centre(Place(2, 2)));  // over a card: the marks go
  EXPECT_TRUE(Selected().isEmpty());
  // A first-column gap marks every 2 outside the first column.
  QStringList rows = Deal1;
  rows[0] = "-- JS JC 2C 2S 6H TS KD 5S TH KC 4C 3H";
  ArrangeGrid(rows);
  FForm->ShowMatchAt(Centre(Place(1, 1)));
  EXPECT_EQ(Selected(), (QStringList{"2C", "2S", "2D"}));
  // Clicking clears the marks; switching Show Match off clears them and is remembered.
  Click(Place(1, 1), QPoint(30, 30));
  EXPECT_TRUE(Selected().isEmpty());
  FForm->ShowMatchAt(Centre(Place(1, 4)));
  EXPECT_EQ(Selected(), QStringList{"QC"});
  FForm->ShowMatchMenuClick(FForm->ShowMatchMenu);
  EXPECT_TRUE(Selected().isEmpty());
  EXPECT_FALSE(FForm->ShowMatchMenu->isChecked());
  EXPECT_EQ(Key("Montana", "ShowMatch"), "False");
  FForm->ShowMatchAt(Centre(Place(1, 4)));
  EXPECT_TRUE(Selected().isEmpty());
}

TEST_F(TMontanaWindow, FillingTheLastPlaceWinsWhateverTheOrderOfTheRows) {
  Open(Montana, 1);
  ArrangeGrid({"2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD --", "2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC --",
               "2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH --", "2S 3S 4S 5S 6S 7S 8S 9S TS JS QS -- KS"});
  EXPECT_EQ(FForm->FScore, 47);
  FForm->FMoveCount = 12;
  Click(Place(4, 12), QPoint(30, 30));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 48);
  EXPECT_FALSE(FForm->Shuffle1->isEnabled());
  EXPECT_FALSE(FForm->Timer1->isActive());
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("Montana", "GamesWon"), "1");
  EXPECT_EQ(GameShell::WinAnimation()->FViewCount, 52);
  GameShell::WinAnimation()->Stop();
  // A press on the window's own surface opens the win dialog.
  Click(FForm.data(), QPoint(Place(1, 1)->x() + 10, Place(2, 1)->y() - 3));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TMontanaWindow, TheGamesTextsAndTheStatisticsScore) {
  Open(Montana, 1);
  Click(Place(1, 11), QPoint(30, 30));
  Click(Place(3, 6), QPoint(30, 30));
  Click(Place(3, 12), QPoint(30, 30));  // right of JH: QH
  FForm->FMoveCount = 6;
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Montana?");
  EXPECT_TRUE(FForm->Timer1->isActive());
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Montana   Game #1   Score: 1");
  FAnswer = Prompts::IDOK;
  FForm->close();
  EXPECT_EQ(FPrompts.value(1), "Resign this game of Montana?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("Montana", "HiScore"), "1");
}

TEST_F(TMontanaWindow, EachCardSizeHasItsLayoutAndAMinimumThatDropsWithTheStatusBar) {
  struct TCase {
    int Size;
    QSize Client, Minimum;
    int Bar;
    const char* Section;
    const char* Shot;
  };
  const TCase cases[] = {{CS_SMALL, {800, 444}, {800, 444}, 22, "sMontana", "montana-small"},
                         {CS_LARGE, {1041, 600}, {1041, 595}, 26, "Montana", "montana-large"},
                         {CS_HUGE, {1664, 833}, {1600, 830}, 36, "hMontana", "montana-huge"}};
  for (const TCase& c : cases) {
    Open(Montana, 1, c.Size);
    EXPECT_EQ(FForm->size(), c.Client) << c.Shot;
    const int frames = Metrics::CaptionHeight + 2 * Metrics::FrameHeight;
    EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(c.Minimum.width() + 2 * Metrics::FrameWidth, c.Minimum.height() + frames));
    EXPECT_EQ(FForm->FormPlacement1->IniSection(), c.Section);
    for (TCardPileView* view : FForm->FGrid) {
      EXPECT_LE(view->geometry().bottom(), FForm->GameStatusBar->geometry().top()) << c.Shot;
      EXPECT_LE(view->geometry().right(), FForm->width()) << c.Shot;
    }
    FForm->ShowMatchAt(Centre(Place(1, 11)));  // a marked card on the picture
    Shot(QLatin1String(c.Shot));
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    EXPECT_EQ(FForm->WMGetMinMaxInfo().height(), c.Minimum.height() + frames - c.Bar) << c.Shot;
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    Close();
  }
}

TEST_F(TMontanaWindow, TheTimerLooksAtTheMouseOnlyWhileTheWindowIsActiveAndShowMatchIsOn) {
  Open(Montana, 1);
  FForm->Timer1->stop();
  QCursor::setPos(FForm->mapToGlobal(Centre(Place(1, 11))));
  QApplication::setActiveWindow(nullptr);
  FForm->Timer1Timer();
  EXPECT_TRUE(Selected().isEmpty());
  QApplication::setActiveWindow(FForm.data());
  if (!FForm->isActiveWindow()) GTEST_SKIP() << "the platform cannot activate windows";
  FForm->Timer1Timer();
  EXPECT_EQ(Selected(), QStringList{"JH"});
  FForm->ShowMatchMenuClick(FForm->ShowMatchMenu);
  FForm->Timer1Timer();
  EXPECT_TRUE(Selected().isEmpty());
  QCursor::setPos(QPoint(-500, -500));
}

TEST_F(TMontanaWindow, AnAnimatedDealSoundsAfterEachColumnAndAReshuffleAfterEachRow) {
  Open(Montana, 1);
  PreferencesDlg->FDoAnimation = true;
  DealNumber(1);
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 13);
  EXPECT_EQ(Row(1), Deal1[0]);
  FDevice.Played.clear();
  FForm->Shuffle1Click(FForm->Shuffle1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 4);
}
