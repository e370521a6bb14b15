// Yukon and the family base: the deal, moving any face-up card with whatever lies on it,
// the drop rules, undo of a move with its turn-up, the win and the texts.

#include "art/ShellArt.h"
#include "games/KlondikeFamilyTesting.h"
#include "games/yukon/KlondikeFamilyFactories.h"
#include "games/yukon/YukonRules.h"
#include "games/yukon/YukonWindow.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"

using namespace GamesTest;

namespace {

class TYukonTest : public TFamilyTest<TYukonForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) { OpenWith(&CreateYukonWindow, number, cardSize); }
};

}  // namespace

TEST(YukonRulesTest, DealStepsCoverTheDeckExactly) {
  EXPECT_EQ(YukonRules::YukonSteps().size(), 52u);
  EXPECT_EQ(YukonRules::AustralianSteps().size(), 28u);
  EXPECT_EQ(YukonRules::DoubleYukonSteps().size(), 104u);
  EXPECT_EQ(YukonRules::DoubleKlondikeSteps().size(), 45u);
  // Double Yukon's last pass skips the first pile.
  EXPECT_EQ(YukonRules::DoubleYukonSteps()[55 + 40].Pile, 1);
  EXPECT_EQ(YukonRules::YukonSteps()[28].Pile, 1);
}

TEST_F(TYukonTest, DealOneLaysFiveFaceUpCardsOnEveryPileButTheFirst) {
  Open(1);
  // Worked out by hand from the generator: the triangle, then four passes over piles 2..7.
  const char* expected[7] = {"KC",
                             "#KH 5D KD 9D AS JH",
                             "#4S #JC 5C 9C 8H 7D 6S",
                             "#2H #7S #KS 5H QC TH 2D 3H",
                             "#JS #8S #TD #AD AH 6C 7H QD 8D",
                             "#QH #3S #2S #6H #3C 6D 5S QS 4C 9S",
                             "#3D #2C #7C #4H #TS #AC 9H 8C JD 4D TC"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Of(T(i + 1)), expected[i]) << "pile " << i + 1;
  EXPECT_EQ(FGame->FTableauCount, 7);
  EXPECT_EQ(FGame->FFoundationCount, 4);
  EXPECT_EQ(FGame->PanelText(2), "Game #1");
  EXPECT_EQ(FGame->PanelText(3), "Score: 0");
  EXPECT_EQ(FGame->windowTitle(), "Yukon");
  EXPECT_EQ(FGame->DeckPileView, nullptr);
}

TEST_F(TYukonTest, AnyFaceUpCardMovesWithEverythingAboveItAndUndoTurnsTheExposedCardBack) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  // 5D (second card of pile 2) with KD 9D AS JH, out of order, onto 6S of pile 3.
  Drag(T(2), CardAt(T(2), 1), T(3), TopAt(T(3)));
  EXPECT_EQ(Of(T(3)), "#4S #JC 5C 9C 8H 7D 6S 5D KD 9D AS JH");
  EXPECT_EQ(Of(T(2)), "KH");
  EXPECT_EQ(FGame->FMoveCount, 1);
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(T(2)), "#KH 5D KD 9D AS JH");
  EXPECT_EQ(FGame->FMoveCount, 0);
  FGame->Redo1Click(FGame->Redo1);
  EXPECT_EQ(Of(T(2)), "KH");
  // A face-down card is never taken.
  Drag(T(4), CardAt(T(4), 0, QPoint(20, 3)), T(1), QPoint(30, 30));
  EXPECT_EQ(Of(T(4)), "#2H #7S #KS 5H QC TH 2D 3H");
}

TEST_F(TYukonTest, TableauTakesTheOtherColourOneLowerAndOnlyKingsWhenEmpty) {
  Open(1);
  PreferencesDlg->FSmartDragging = false;
  Lay({{T(1), ""}, {T(2), "8S"}, {T(3), "7S QH"}, {T(4), "7H 2C"}, {T(5), "KD"}});
  Drag(T(3), CardAt(T(3), 0), T(2), TopAt(T(2)));  // black on black
  EXPECT_EQ(Of(T(3)), "7S QH");
  Drag(T(4), CardAt(T(4), 0), T(2), TopAt(T(2)));
  EXPECT_EQ(Of(T(2)), "8S 7H 2C");
  Drag(T(3), CardAt(T(3), 1), T(1), QPoint(30, 30));  // a Queen may not fill a gap
  EXPECT_EQ(Of(T(1)), "");
  Drag(T(5), TopAt(T(5)), T(1), QPoint(30, 30));
  EXPECT_EQ(Of(T(1)), "KD");
}

TEST_F(TYukonTest, AutoplayChainsAndTheLastCardWinsInTheGamesOwnSectionOnly) {
  Open(1);
  FGame->Autoplay1Click(FGame->Autoplay1);
  Lay({{F(1), SuitRun('C', 13)},
       {F(2), SuitRun('D', 13)},
       {F(3), SuitRun('H', 13)},
       {F(4), SuitRun('S', 10)},
       {T(1), "KS"},
       {T(2), "QS"},
       {T(3), "JS"}});
  FGame->FMoveCount = 5;
  FGame->TableauPileView1DblClick(T(3));
  EXPECT_TRUE(FGame->FGameOver);
  EXPECT_EQ(Key("Yukon", "GamesWon"), "1");
  EXPECT_EQ(Key("Yukon", "GamesAttempted"), "1");
  FWinResult = TWinForm::mrCancel;
  Click(T(1), QPoint(10, 10));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TYukonTest, FourMovesLeaveNoRecordAndNoPrompt) {
  Open(1);
  FGame->FMoveCount = 4;
  FGame->close();
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("Yukon", "GamesAttempted"), "None");
}

TEST_F(TYukonTest, TextsComeFromTheTitle) {
  Open(9);
  FGame->FMoveCount = 5;
  FAnswer = Prompts::IDCANCEL;
  FGame->close();
  FGame->FMoveCount = 6;
  FGame->NewGame1Click(FGame->Restart1);
  ASSERT_EQ(FPrompts.size(), 2);
  EXPECT_EQ(FPrompts[0], "Resign this game of Yukon?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(FPrompts[1], "Restart this game of Yukon?");
  PreferencesDlg->FVegasScoring = true;
  FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
  EXPECT_EQ(FGame->windowTitle(), "Yukon   Game #9   Score: $-52");
}

TEST_F(TYukonTest, WindowsAtEachSize) {
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(3, size);
    Shoot(QStringLiteral("yukon-%1").arg(size));
    const QSize min = FGame->WMGetMinMaxInfo();
    EXPECT_EQ(min.width() - 2 * Metrics::FrameWidth, size == CS_SMALL ? 560 : size == CS_HUGE ? 900 : 672);
    FGame->close();
    delete FGame.data();
  }
}

// ---- the family's registration ------------------------------------------------------------

TEST_F(TYukonTest, RegistrationMakesEachGamesWindowClassAtEachSizeAndRealPreviews) {
  const QImage before = LoadPngResource("1029");
  RegisterKlondikeFamilyWindows();
  for (int index : {AustralianListIndex, CanfieldListIndex, DoubleKlondikeListIndex, DoubleYukonListIndex,
                    RussianListIndex, YukonListIndex})
    for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
      ASSERT_TRUE(GameWindows::HasFactory(index, size));
      TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
      QWidget* window = GameWindows::Create(index, size);
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()), GameWindowClassName(index, size));
      EXPECT_EQ(window->objectName(), QLatin1String(GameInfo(index).Section));
      window->close();
      delete window;
    }
  const QImage preview = LoadPngResource("1029");
  ASSERT_FALSE(preview.isNull());
  EXPECT_EQ(preview.size(), QSize(155, 105));
  EXPECT_NE(preview.convertToFormat(QImage::Format_RGB32), before.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(Key("Yukon", "GameNumber"), "None");
}
