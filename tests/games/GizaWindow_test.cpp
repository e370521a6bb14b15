// Giza played through its window: the deal of the pyramid and the eight piles, Kings and
// pairs between the pyramid and the pile tops with undo and redo, the win, its texts and
// its three card sizes.

#include <QCheckBox>

#include "games/PyramidTesting.h"
#include "games/pyramid/GizaWindow.h"
#include "platform/Metrics.h"
#include "widgets/wkStatusBar.h"

using namespace GamesTest;

namespace {

class TGizaTest : public TFamilyTest<TGizaForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) {
    TFamilyTest::Open([](int size) { return CreateGizaWindow(size); }, number, cardSize);
    PreferencesDlg->FSmartDragging = false;
  }
  TCardPileView* Pile(int i) { return FForm->FTableau[static_cast<std::size_t>(i - 1)]; }
  QPoint CardPoint(TCardPileView* view, int index) {
    view->repaint();
    TCard* card = view->FCards->FList[static_cast<std::size_t>(index)];
    return QPoint(int(card->FX), int(card->FY)) + QPoint(20, 10);
  }
};

}  // namespace

TEST_F(TGizaTest, DealsThePyramidAndEightPilesOfThree) {
  Open(1);
  // Deal 1, computed independently: positions 0..27 from the deck's top, then three passes
  // over the eight piles.
  EXPECT_EQ(PyramidText(),
            "KC KH 4S 2H JS QH 3D 5D JC 7S 8S 3S 2C 5C KS TD 2S 7C 5H AD 6H 4H AH 3C TS 6D AC 9H");
  const char* piles[] = {"KD TH 4C", "9C 7H 4D", "QC QS JH", "6C JD 6S",
                         "5S AS 3H", "8C 7D 8D", "9D 2D 9S", "8H QD TC"};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(Text(Pile(i)), piles[i - 1]) << i;
  EXPECT_EQ(FForm->DeckPileView, nullptr);
  EXPECT_EQ(Text(Discard()), "");
  EXPECT_EQ(FForm->windowTitle(), "Giza");
  EXPECT_EQ(FForm->PanelText(1), "Game #1");
  EXPECT_EQ(FForm->PanelText(2), "Score: 0");
  EXPECT_EQ(FForm->FMoveCount, 0);
  // No stock: the space bar does nothing.
  QTest::keyClick(FForm, Qt::Key_Space);
  EXPECT_EQ(FForm->FMoveCount, 0);
}

TEST_F(TGizaTest, AKingOnAPileTopGoesByAClickAnywhereOnThePile) {
  Open(1);
  Arrange({{Pile(1), "3C 5H KS"}, {Pile(2), "4D 9S"}});
  Click(Pile(1), CardPoint(Pile(1), 0));
  EXPECT_EQ(Text(Discard()), "KS");
  EXPECT_EQ(Text(Pile(1)), "3C 5H");
  EXPECT_EQ(FForm->PanelText(2), "Score: 1");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  // Ctrl on a pile whose top is no King does nothing.
  Click(Pile(2), CardPoint(Pile(2), 0), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Text(Pile(2)), "4D 9S");
  EXPECT_EQ(FForm->FMoveCount, 1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Pile(1)), "3C 5H KS");
  EXPECT_EQ(Text(Discard()), "");
}

TEST_F(TGizaTest, PairsBetweenThePyramidAndThePileTops) {
  Open(1);
  Arrange({{Pyramid(), PyramidWith({{21, "4S"}, {22, "9H"}, {23, "5C"}})},
           {Pile(1), "8D 8S"},
           {Pile(2), "6D 8H"},
           {Pile(3), "JH"},
           {Pile(4), "2D"}});
  // A card under a pile's top cannot be taken.
  Drag(Pile(1), CardPoint(Pile(1), 0), Pyramid(), PyramidPoint(23));
  EXPECT_EQ(Text(Pile(1)), "8D 8S");
  EXPECT_EQ(PyramidText(), PyramidWith({{21, "4S"}, {22, "9H"}, {23, "5C"}}));
  // Two pyramid cards.
  Drag(Pyramid(), PyramidPoint(21), Pyramid(), PyramidPoint(22));
  EXPECT_EQ(Text(Discard()), "4S 9H");
  // A pile top with a pyramid card.
  Drag(Pile(2), CardPoint(Pile(2), 1), Pyramid(), PyramidPoint(23));
  EXPECT_EQ(Text(Discard()), "4S 9H 8H 5C");
  EXPECT_EQ(Text(Pile(2)), "6D");
  // Two pile tops.
  Drag(Pile(4), CardPoint(Pile(4), 0), Pile(3), CardPoint(Pile(3), 0));
  EXPECT_EQ(Text(Discard()), "4S 9H 8H 5C 2D JH");
  EXPECT_EQ(Text(Pile(3)), "");
  EXPECT_EQ(FForm->FMoveCount, 3);
  // Undo brings a pair back whole, the pyramid card into its own position.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Pile(3)), "JH");
  EXPECT_EQ(Text(Pile(4)), "2D");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(PyramidText(), PyramidWith({{23, "5C"}}));
  EXPECT_EQ(Text(Pile(2)), "6D 8H");
  EXPECT_EQ(FForm->FMoveCount, 1);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Discard()), "4S 9H 8H 5C");
  EXPECT_EQ(PyramidText(), PyramidWith({}));
  EXPECT_EQ(FForm->FMoveCount, 2);
}

TEST_F(TGizaTest, SmartDraggingTriesTheFullerPilesFirst) {
  Open(1);
  PreferencesDlg->FSmartDragging = true;
  Arrange({{Pyramid(), PyramidWith({{21, "4S"}})}, {Pile(1), "9D"}, {Pile(2), "3C 9H"}, {Pile(3), "AC 2C 9C"}});
  Drag(Pyramid(), PyramidPoint(21), FForm, QPoint(700, 300));
  EXPECT_EQ(Text(Discard()), "4S 9C");
  EXPECT_EQ(Text(Pile(1)), "9D");
  EXPECT_EQ(Text(Pile(2)), "3C 9H");
}

TEST_F(TGizaTest, FiftyTwoRemovedCardsWinAfterThreeMoves) {
  Open(1);
  Arrange({{Pile(1), "KS"}});
  FillDiscard(51);
  FForm->FMoveCount = 2;
  Click(Pile(1), CardPoint(Pile(1), 0));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->PanelText(2), "Score: 52");
  EXPECT_EQ(FForm->FUndo->StepCount(), 0);
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("Giza", "GamesWon"), "1");
  Click(Pile(3), QPoint(5, 5));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TGizaTest, TextsAndThresholds) {
  Open(1);
  Arrange({{Pile(1), "KS"}, {Pile(2), "KH"}, {Pile(3), "KD"}, {Pile(4), "KC"}});
  for (int i = 1; i <= 3; ++i) Click(Pile(i), CardPoint(Pile(i), 0));
  // Three moves: New Game asks nothing yet, closing does.
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(FForm->FMoveCount, 0);
  Arrange({{Pile(1), "KS"}, {Pile(2), "KH"}, {Pile(3), "KD"}, {Pile(4), "KC"}});
  for (int i = 1; i <= 4; ++i) Click(Pile(i), CardPoint(Pile(i), 0));
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Giza?");
  FForm->close();
  EXPECT_EQ(FPrompts.value(1), "Resign this game of Giza?\n\nNote:\nA resigned game counts as a loss.");
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Giza   Game #1   Score: 4");
  EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(723 + 2 * Metrics::FrameWidth, 600));
}

TEST_F(TGizaTest, EachCardSizeHasItsWindow) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(1, size);
    const QRect table(0, 0, FForm->width(), FForm->GameStatusBar->geometry().top());
    for (TCardPileView* view : FForm->template findChildren<TCardPileView*>())
      EXPECT_TRUE(table.contains(view->geometry())) << size << view->objectName().toStdString();
    Pyramid()->repaint();
    for (const TCard* card : Pyramid()->FCards->FList) {
      const QRect r(Pyramid()->mapToParent(QPoint(int(card->FX), int(card->FY))), TCardPileView::CardSize());
      EXPECT_TRUE(Pyramid()->geometry().contains(r)) << size;
      EXPECT_FALSE(Discard()->geometry().intersects(r)) << size;
      for (TCardPileView* pile : FForm->FTableau) EXPECT_FALSE(pile->geometry().intersects(r)) << size;
    }
    Shoot(QStringLiteral("giza-%1").arg(size));
    FForm->FMoveCount = 0;
    FForm->close();
    delete FForm.data();
  }
}
