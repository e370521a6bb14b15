// Nestor played through its window: the deal, pairs dragged to the discard pile, undo of
// a pair, the win, its texts and the piles following the window's height at each size.

#include <QCheckBox>

#include "games/PairingTesting.h"
#include "games/nestor/NestorWindow.h"
#include "platform/Metrics.h"
#include "widgets/FormPlacement.h"
#include "widgets/wkStatusBar.h"

using namespace PairingTest;

namespace {

const auto Nestor = [](int size) -> TNestorForm* { return CreateNestorWindow(size); };

class TNestorWindow : public TPairingTest<TNestorForm> {
protected:
  TCardPileView* Reserve(int i) { return FForm->FReserve[static_cast<std::size_t>(i - 1)]; }
  TCardPileView* Discard() { return FForm->FDiscardView; }
};

}  // namespace

TEST_F(TNestorWindow, DealsSixCardsToEachColumnWithoutEqualRanksAndFourToTheReserve) {
  Open(Nestor, 1);
  const char* deal1[] = {"KC JC 2S AC 9D 4C", "KH 7S 5H 9H 8H 4D", "4S 8S AD KD TH JH", "2H 3S 6H 9C 7H 8D",
                         "JS 2C 4H QC AS 9S", "QH 5C AH 6C 7D TC", "3D KS TS 5S 2D 7C", "5D TD 6D 8C QD 3C"};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(Text(Tableau(i)), deal1[i - 1]) << i;
  EXPECT_EQ(Text(Reserve(1)) + " " + Text(Reserve(2)) + " " + Text(Reserve(3)) + " " + Text(Reserve(4)),
            "3H QS JD 6S");
  EXPECT_EQ(FForm->PanelText(1), "Game #1");
  EXPECT_EQ(FForm->PanelText(2), "Score: 0");
  DealNumber(2);
  EXPECT_EQ(Text(Tableau(1)), "2S QS 7H 5C 8D JD");
  EXPECT_EQ(Text(Tableau(8)), "AS 4D 8C QH 6H 9S");
  EXPECT_EQ(Text(Reserve(1)) + " " + Text(Reserve(4)), "8H AC");
}

TEST_F(TNestorWindow, APairDraggedTogetherGoesToTheDiscardPileAndComesBackInOneUndo) {
  Open(Nestor, 1);
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), TopPoint(Tableau(2)));  // 4C on 4D
  EXPECT_EQ(Text(Tableau(1)), "KC JC 2S AC 9D");
  EXPECT_EQ(Text(Tableau(2)), "KH 7S 5H 9H 8H");
  EXPECT_EQ(Text(Discard()), "4C 4D");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->PanelText(2), "Score: 2");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "KC JC 2S AC 9D 4C");
  EXPECT_EQ(Text(Tableau(2)), "KH 7S 5H 9H 8H 4D");
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Discard()), "4C 4D");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_FALSE(FForm->Redo1->isEnabled());
  // A reserve card pairs with a column's top card.
  Drag(Reserve(1), TopPoint(Reserve(1)), Tableau(8), TopPoint(Tableau(8)));  // 3H on 3C
  EXPECT_EQ(Text(Reserve(1)), "");
  EXPECT_EQ(Text(Discard()), "4C 4D 3H 3C");
}

TEST_F(TNestorWindow, OnlyTopCardsPairAndOnlyWithTheirRank) {
  Open(Nestor, 1);
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(3), TopPoint(Tableau(3)));  // 4C on JH
  EXPECT_EQ(Text(Tableau(1)), "KC JC 2S AC 9D 4C");
  EXPECT_EQ(Text(Tableau(3)), "4S 8S AD KD TH JH");
  // 4S under the others of column 3 cannot be taken to 4C.
  Drag(Tableau(3), CardPoint(Tableau(3), 0, QPoint(20, 5)), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(3)), "4S 8S AD KD TH JH");
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(FForm->FMoveCount, 0);
}

TEST_F(TNestorWindow, SmartDraggingPrefersALongerColumn) {
  Open(Nestor, 1);
  PreferencesDlg->FSmartDragging = true;
  Arrange({{Tableau(1), "9C"}, {Tableau(2), "2C 9D"}, {Tableau(3), "9H"}, {Reserve(1), "9S"}}, Discard());
  Drag(Reserve(1), TopPoint(Reserve(1)), FForm.data(), QPoint(700, 300));
  EXPECT_EQ(Text(Tableau(2)), "2C");
  EXPECT_EQ(Text(Tableau(1)), "9C");
  EXPECT_EQ(Discard()->FCards->Count(), 49);
}

TEST_F(TNestorWindow, TheLastPairWinsAndTheDiscardPileFlies) {
  Open(Nestor, 1);
  Arrange({{Tableau(1), "5C"}, {Tableau(2), "5D"}}, Discard());
  FForm->FMoveCount = 10;
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), TopPoint(Tableau(2)));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 52);
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("Nestor", "GamesWon"), "1");
  EXPECT_EQ(GameShell::WinAnimation()->FTotal, 52);
  EXPECT_TRUE(GameShell::WinAnimation()->FLaunchUp);
  GameShell::WinAnimation()->Stop();
  Click(FForm.data(), QPoint(700, 20));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TNestorWindow, CountsFromThreeMovesAndAsksOnNewGameFromFour) {
  Open(Nestor, 1);
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), TopPoint(Tableau(2)));
  Drag(Reserve(1), TopPoint(Reserve(1)), Tableau(8), TopPoint(Tableau(8)));
  Drag(Reserve(3), TopPoint(Reserve(3)), Tableau(3), TopPoint(Tableau(3)));
  ASSERT_EQ(FForm->FMoveCount, 3);
  FForm->NewGame1Click(FForm->NewGame1);  // three moves: no question, nothing recorded
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("Nestor", "GamesAttempted"), "None");
  DealNumber(1);
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), TopPoint(Tableau(2)));
  Drag(Reserve(1), TopPoint(Reserve(1)), Tableau(8), TopPoint(Tableau(8)));
  Drag(Reserve(3), TopPoint(Reserve(3)), Tableau(3), TopPoint(Tableau(3)));
  FForm->close();  // closing asks from three moves
  EXPECT_EQ(FPrompts.value(0), "Resign this game of Nestor?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("Nestor", "GamesAttempted"), "1");
  EXPECT_EQ(Key("Nestor", "HiScore"), "6");
}

TEST_F(TNestorWindow, HasNoAutoplayAndShowsTheScoreInTheCaptionWithoutTheStatusBar) {
  Open(Nestor, 1);
  EXPECT_FALSE(FForm->Autoplay1->isVisible());
  EXPECT_FALSE(FForm->AutoPlayCheckBox->isVisible());
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Nestor   Game #1");
  Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), TopPoint(Tableau(2)));
  EXPECT_EQ(FForm->windowTitle(), "Nestor   Game #1   Score: 2");
}

TEST_F(TNestorWindow, EachSizeLaysItsColumnsAndDiscardPileByTheWindowHeightAndTheStatusBar) {
  struct TCase {
    int Size;
    QSize Client, Minimum;
    int ColumnExtra, DiscardExtra, Base, Bar;
    int Step;  // of the dealt columns: the options' spacing, six whole cards in a column
    const char* Section;
    const char* Shot;
  };
  const TCase cases[] = {
      {CS_SMALL, {593, 448}, {593, 400}, 227, 344, 448, 22, 22, "sNestor", "nestor-small"},
      {CS_LARGE, {725, 604}, {725, 500}, 320, 470, 604, 26, 28, "Nestor", "nestor-large"},
      {CS_HUGE, {1049, 839}, {1000, 740}, 434, 643, 839, 36, 42, "hNestor", "nestor-huge"}};
  for (const TCase& c : cases) {
    Open(Nestor, 1, c.Size);
    EXPECT_EQ(FForm->size(), c.Client) << c.Shot;  // never below the minimum
    FForm->grab();
    for (int i = 1; i <= 8; ++i) {
      EXPECT_EQ(Tableau(i)->FYStep, c.Step) << c.Shot << " column " << i;
      EXPECT_EQ(Tableau(i)->FCards->CardAt(TopOfPile)->FY, 5 * c.Step) << c.Shot << " column " << i;
    }
    EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(c.Minimum.width() + 2 * Metrics::FrameWidth, c.Minimum.height()));
    EXPECT_EQ(FForm->FormPlacement1->IniSection(), c.Section);
    Drag(Tableau(1), TopPoint(Tableau(1)), Tableau(2), TopPoint(Tableau(2)));
    Shot(QLatin1String(c.Shot));
    const int h = FForm->height();
    EXPECT_EQ(Tableau(5)->height(), h + c.ColumnExtra - (c.Base + c.Bar)) << c.Shot;
    EXPECT_EQ(Discard()->y(), h + c.DiscardExtra - (c.Base + c.Bar)) << c.Shot;
    EXPECT_LE(Discard()->geometry().bottom(), FForm->GameStatusBar->geometry().top());
    // Hiding the bar moves the discard pile down by the bar's height.
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    EXPECT_EQ(Tableau(5)->height(), h + c.ColumnExtra - c.Base) << c.Shot;
    EXPECT_EQ(Discard()->y(), h + c.DiscardExtra - c.Base) << c.Shot;
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    // A taller window gives taller columns.
    FForm->resize(FForm->width(), h + 50);
    EXPECT_EQ(Tableau(1)->height(), h + 50 + c.ColumnExtra - (c.Base + c.Bar)) << c.Shot;
    EXPECT_EQ(Discard()->y(), h + 50 + c.DiscardExtra - (c.Base + c.Bar)) << c.Shot;
    const QImage shot = FForm->grab().toImage();
    const QPoint inCard = Discard()->mapTo(FForm.data(), TopPoint(Discard()));
    EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << c.Shot;
    Close();
  }
}

TEST_F(TNestorWindow, AnAnimatedDealSoundsAfterEachPassAndTheReserve) {
  Open(Nestor, 1);
  PreferencesDlg->FDoAnimation = true;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 7);
  EXPECT_EQ(Text(Tableau(8)), "5D TD 6D 8C QD 3C");
}
