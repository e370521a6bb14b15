// The FreeCell family's windows: numbered deals and Restart, texts, sizes, placement
// sections, statistics and closing.

#include "games/FreeCellTesting.h"

#include "platform/Metrics.h"
#include "widgets/FormPlacement.h"
#include "widgets/wkStatusBar.h"

using namespace FreeCellTest;

using TFreeCellDeal = TFreeCellTest;

TEST_F(TFreeCellDeal, ChosenNumbersGiveTheKnownLayoutsInEveryGame) {
  Open(FreeCellGame, 1000000);
  EXPECT_EQ(Columns(), QStringList({"2D 9C KD JD 3H TC TS", "6H 3D 5H 7S 4S AS AH", "6S 7D 5D QD 3S 6D 9S",
                                    "TH 7C QH 8D KC 8H 4H", "JC QC JH 2H KH 2C", "3C AC 6C AD 9D QS",
                                    "4D 2S 9H 5C 7H 5S", "TD 4C KS 8C 8S JS"}));
  EXPECT_EQ(Cells(), QStringList({"", "", "", ""}));
  EXPECT_EQ(Key("FreeCell", "GameNumber"), "1000000");
  DealNumber(1000001);
  EXPECT_EQ(Text(Tableau(1)), "2C 8S 8H KH AS QC 5H");
  EXPECT_EQ(Text(Tableau(8)), "3C 6D 9S 8D TS QD");
  Close();

  Open(BakersGame, 1);
  EXPECT_EQ(Text(Tableau(1)), "JD KD 2S 4C 3S 6D 6S");
  EXPECT_EQ(Text(Tableau(8)), "5H 3H 3C 7S 7D TC");
  EXPECT_EQ(Key("BakersGame", "GameNumber"), "1");
  Close();

  Open(EightOffGame, 32000);
  EXPECT_EQ(Columns(), QStringList({"QD 3S 8C JH 3D 6H", "8D JD 9H 7D 7S 8H", "QS 7C 5S 6S 2H TS",
                                    "4H 9D 4C 9C AD 6C", "2C KD 5H 3C AS 4D", "JC 5C AC 9S JS QC",
                                    "2D 5D KS TD KH KC", "TH 6D 7H QH 8S 4S"}));
  EXPECT_EQ(Cells(), QStringList({"AH", "3H", "2S", "TC", "", "", "", ""}));
  DealNumber(32001);
  EXPECT_EQ(Text(Tableau(1)), "TC 8C KS 8D 9S 6H");
  EXPECT_EQ(Cells(), QStringList({"TD", "9C", "7C", "5C", "", "", "", ""}));
  EXPECT_EQ(Key("EightOff", "GameNumber"), "32001");
}

TEST_F(TFreeCellDeal, AFreshWindowDealsQuietlyAndRestartDealsTheSameCardsAgain) {
  TCard::SetCardSize(CS_LARGE, false, false);
  FForm = CreateEightOffWindow(CS_LARGE);
  EXPECT_EQ(EightOffForm, FForm.data());
  EXPECT_GE(FForm->FGameNumber, 1);
  EXPECT_LE(FForm->FGameNumber, 10000000);
  EXPECT_TRUE(FDevice.Played.isEmpty());
  int dealt = 0;
  for (TCardPileView* view : FForm->FTableau) dealt += view->FCards->Count();
  EXPECT_EQ(dealt, 48);
  EXPECT_EQ(EightOffForm->EmptyFreeCells(), 4);

  DealNumber(32000);
  FForm->SendHome(Cell(1));  // AH home
  EXPECT_EQ(FForm->FMoveCount, 1);
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_TRUE(FPrompts.isEmpty());  // one move: no question
  EXPECT_EQ(FForm->FGameNumber, 32000);
  EXPECT_EQ(Cells(), QStringList({"AH", "3H", "2S", "TC", "", "", "", ""}));
  EXPECT_EQ(Foundation(1)->FCards->Count(), 0);
  EXPECT_TRUE(FDevice.Played.contains("RESTART"));
  EXPECT_EQ(FForm->FMoveCount, 0);
  for (TCardPileView* view : FForm->FTableau)
    for (TCard* card : view->FCards->FList) EXPECT_TRUE(card->FFaceUp);
}

TEST_F(TFreeCellDeal, AnAnimatedDealSoundsAfterEachRow) {
  Open(FreeCellGame, 1);
  PreferencesDlg->FDoAnimation = true;
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 7);
  EXPECT_EQ(FDevice.Played.first(), "SHUFFLE");
}

using TFreeCellTexts = TFreeCellTest;

TEST_F(TFreeCellTexts, CaptionsPanelsAndPromptsNameTheGame) {
  Open(FreeCellGame, 1);
  EXPECT_EQ(FForm->windowTitle(), "FreeCell");
  EXPECT_EQ(FForm->PanelText(2), "Game #1");
  EXPECT_EQ(FForm->PanelText(3), "Score: 0");
  FForm->SendHome(Tableau(4));  // 6H to a free cell
  FForm->SendHome(Tableau(4));  // QS
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "FreeCell   Game #1");
  EXPECT_EQ(Key("FreeCell", "ShowStatusBar"), "False");
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  for (int i = 0; i < 3; ++i) FForm->SendHome(Tableau(8));  // TC and 7D fill the cells
  EXPECT_EQ(Cells(), QStringList({"6H", "QS", "TC", "7D"}));
  EXPECT_EQ(Text(Tableau(8)), "5H 3H 3C 7S");  // no empty cell: 7S stayed
  EXPECT_EQ(FForm->FMoveCount, 4);
  FAnswer = Prompts::IDCANCEL;
  FForm->FMoveCount = 5;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_TRUE(FPrompts.isEmpty());  // five moves: no question yet
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->FMoveCount = 6;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts, QStringList({"Restart this game of FreeCell?"}));
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FPrompts.last(), "Resign this game of FreeCell?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(FForm->FMoveCount, 6);  // refused: the deal stays
  Close();

  Open(BakersGame, 1);
  EXPECT_EQ(FForm->windowTitle(), "Baker's Game");
  EXPECT_EQ(FForm->RestartPrompt(), "Restart this game of Baker's Game?");
  EXPECT_EQ(FForm->TGameForm::Spec().HelpTopic, 1022);
  Close();
  Open(EightOffGame, 1);
  EXPECT_EQ(FForm->windowTitle(), "Eight Off");
  EXPECT_EQ(FForm->ResignPrompt(), "Resign this game of Eight Off?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(FForm->TGameForm::Spec().HelpTopic, 1023);
}

TEST_F(TFreeCellTexts, EveryWindowHasItsMinimumSizeAndPlacementSection) {
  struct TCase {
    const TCreate* Game;
    int Size;
    int Width, Height;
    const char* Section;
  };
  const TCase cases[] = {
      {&FreeCellGame, CS_SMALL, 590, 300, "sFreeCell"},  {&FreeCellGame, CS_LARGE, 776, 480, "FreeCell"},
      {&FreeCellGame, CS_HUGE, 1100, 600, "hFreeCell"},  {&BakersGame, CS_SMALL, 590, 300, "sBakersGame"},
      {&BakersGame, CS_LARGE, 776, 480, "BakersGame"},   {&BakersGame, CS_HUGE, 1100, 600, "hBakersGame"},
      {&EightOffGame, CS_SMALL, 680, 476, "sEightOff"},  {&EightOffGame, CS_LARGE, 838, 600, "EightOff"},
      {&EightOffGame, CS_HUGE, 1160, 740, "hEightOff"},
  };
  for (const TCase& c : cases) {
    Open(*c.Game, 1, c.Size, false);
    EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(c.Width + 2 * Metrics::FrameWidth, c.Height)) << c.Section;
    EXPECT_EQ(FForm->FormPlacement1->IniSection(), c.Section);
    // Every pile lies inside the design client area, clear of its neighbours.
    const QRect client(0, 0, FForm->FormLayout().ClientWidth, FForm->FormLayout().ClientHeight);
    const QList<TCardPileView*> views = FForm->findChildren<TCardPileView*>();
    for (TCardPileView* a : views) {
      EXPECT_TRUE(client.contains(a->geometry())) << c.Section << " " << a->objectName().toStdString();
      EXPECT_GE(a->width(), TCardPileView::CardSize().width());
      for (TCardPileView* b : views)
        if (a != b) {
          EXPECT_FALSE(a->geometry().intersects(b->geometry())) << c.Section;
        }
    }
    Close();
  }
}

using TFreeCellStatistics = TFreeCellTest;

TEST_F(TFreeCellStatistics, AResignedDealCountsAsALossInTheGamesOwnSection) {
  const std::pair<const TCreate*, const char*> games[] = {
      {&FreeCellGame, "FreeCell"}, {&BakersGame, "BakersGame"}, {&EightOffGame, "EightOff"}};
  for (const auto& [game, section] : games) {
    Open(*game, 1);
    FForm->FMoveCount = 4;
    EXPECT_TRUE(FForm->close());  // below the threshold: no question, nothing recorded
    delete FForm.data();
    EXPECT_TRUE(FPrompts.isEmpty());
    EXPECT_EQ(Key(section, "GamesAttempted"), "None");
    Open(*game, 1);
    FForm->SendHome(Tableau(1));
    const int score = FForm->FScore;
    FForm->FMoveCount = 5;
    FAnswer = Prompts::IDCANCEL;
    EXPECT_FALSE(FForm->close());
    EXPECT_EQ(Key(section, "GamesAttempted"), "None");
    FAnswer = Prompts::IDOK;
    EXPECT_TRUE(FForm->close());
    EXPECT_EQ(FPrompts.size(), 2);
    EXPECT_EQ(Key(section, "GamesAttempted"), "1") << section;
    EXPECT_EQ(Key(section, "LastGame"), "False");
    EXPECT_EQ(Key(section, "HiScore"), QString::number(score));
    FPrompts.clear();
    delete FForm.data();
  }
  EXPECT_EQ(Key("FreeCell", "GamesWon"), "None");
}
