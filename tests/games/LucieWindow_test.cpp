// La Belle Lucie through its window: the deal in fans, the one-click play, the draw with
// its undo and redo, the two shuffles, drags to the foundations only, the win and the
// three card sizes.

#include "games/CastleFamilyTesting.h"
#include "games/lucie/LucieRules.h"
#include "games/lucie/LucieWindow.h"
#include "widgets/wkStatusBar.h"

using namespace CastleFamilyTest;

namespace {
const TCreate Lucie = [](int size) -> TGameForm* { return CreateLucieWindow(size); };
}

class TLucie : public TFamilyTest {
protected:
  TLucieForm* Form() { return static_cast<TLucieForm*>(FForm.data()); }
  TCardPileView* Fan(int i) { return Tableau(i); }
  TwkStatusPanel* ShufflePanel() { return Form()->GameStatusBar->Panels().Items(4); }
};

TEST_F(TLucie, TheDealMakesSeventeenFansOfThreeAndOneSingleCard) {
  Open(Lucie, 1);
  const char* fans[] = {"KC 5H 8H", "KH AD TH", "4S 6H 7H", "2H 4H QS", "JS AH JD", "QH 3C AS",
                        "3D TS 7D", "5D 6D 2D", "JC AC QD", "7S 9H 4C", "8S KD 4D", "3S 9C JH",
                        "2C QC 6S", "5C 6C 3H", "KS 5S 8D", "TD 8C 9S", "2S 9D TC", "7C"};
  for (int i = 1; i <= 18; ++i) EXPECT_EQ(Text(Fan(i)), fans[i - 1]) << i;
  EXPECT_EQ(FForm->windowTitle(), "La Belle Lucie");
  EXPECT_EQ(FForm->PanelText(1), "Draws Left: 1");
  EXPECT_EQ(FForm->PanelText(3), "Game #1");
  EXPECT_EQ(FForm->PanelText(4), "2 Shuffles Remaining");
  EXPECT_EQ(ShufflePanel()->Hint(), "Click to shuffle");
  EXPECT_EQ(FForm->PanelText(5), "Score: 0");
  EXPECT_EQ(Fan(1)->YOffset, 0.0f);
  FForm->ApplyPreferences();
  EXPECT_EQ(Fan(18)->YOffset, 0.0f);
  EXPECT_EQ(FForm->PanelText(1), "Draws Left: 1");
}

TEST_F(TLucie, AClickSendsATopCardHomeOrOntoTheFirstFanThatTakesIt) {
  Open(Lucie, 1);
  Click(Fan(6), TopPoint(Fan(6)));
  EXPECT_EQ(Text(Foundation(1)), "AS");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  // The seven of hearts goes onto the eight of hearts of fan 1.
  Click(Fan(3), TopPoint(Fan(3)));
  EXPECT_EQ(Text(Fan(1)), "KC 5H 8H 7H");
  EXPECT_EQ(Text(Fan(3)), "4S 6H");
  EXPECT_EQ(FForm->FMoveCount, 2);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Fan(3)), "4S 6H 7H");
  EXPECT_EQ(FForm->FMoveCount, 1);
  // The queen of spades fits nowhere: it can be dragged, but not onto a fan or an empty
  // foundation.
  Drag(Fan(4), TopPoint(Fan(4)), Fan(15), TopPoint(Fan(15)));
  Drag(Fan(4), TopPoint(Fan(4)), Foundation(2), QPoint(20, 20));
  EXPECT_EQ(Text(Fan(4)), "2H 4H QS");
  // A card that fits a foundation may be dragged there.
  Arrange({{Foundation(1), "AS"}, {Fan(1), "QD 2S"}, {Fan(2), "3S"}});
  Drag(Fan(1), TopPoint(Fan(1)), Foundation(1), QPoint(20, 20));
  EXPECT_EQ(Text(Foundation(1)), "AS 2S");
  // A click on a buried card without Ctrl does nothing.
  Click(Fan(1), CardPoint(Fan(1), 0));
  EXPECT_EQ(Text(Fan(1)), "QD");
}

TEST_F(TLucie, OneDrawPerDealWhichUndoMakesAvailableAgain) {
  Open(Lucie, 1);
  Click(Fan(1), CardPoint(Fan(1), 0), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Text(Fan(1)), "5H 8H KC");
  EXPECT_EQ(FForm->PanelText(1), "Draws Left: 0");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  // A second draw does nothing.
  Click(Fan(2), CardPoint(Fan(2), 0), Qt::MiddleButton);
  EXPECT_EQ(Text(Fan(2)), "KH AD TH");
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Fan(1)), "KC 5H 8H");
  EXPECT_EQ(FForm->PanelText(1), "Draws Left: 1");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Fan(1)), "5H 8H KC");
  EXPECT_EQ(FForm->PanelText(1), "Draws Left: 0");
  EXPECT_EQ(FForm->FMoveCount, 1);
  // A play then the draw: undoing both and redoing the play leaves the draw undone.
  FForm->Undo1Click(FForm->Undo1);
  Click(Fan(3), TopPoint(Fan(3)));  // 7H onto 8H
  Click(Fan(2), CardPoint(Fan(2), 1), Qt::MiddleButton);
  EXPECT_EQ(Text(Fan(2)), "KH TH AD");
  FForm->Undo1Click(FForm->Undo1);
  FForm->Undo1Click(FForm->Undo1);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Fan(1)), "KC 5H 8H 7H");
  EXPECT_EQ(Text(Fan(2)), "KH AD TH");
  EXPECT_EQ(FForm->PanelText(1), "Draws Left: 1");
  // Restart gives the draw back.
  FForm->Redo1Click(FForm->Redo1);
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FForm->PanelText(1), "Draws Left: 1");
}

TEST_F(TLucie, TwoShufflesGatherAndRedealTheFansAndCannotBeUndone) {
  Open(Lucie, 1);
  Click(Fan(6), TopPoint(Fan(6)));  // the ace of spades home
  FForm->Undo1Click(FForm->Undo1);
  FForm->Redo1Click(FForm->Redo1);
  ASSERT_EQ(FForm->FMoveCount, 1);
  // Back to the dealt order and the generator as the deal left it.
  DealNumber(1);
  Form()->Shuffle1Click(Form()->Shuffle1);
  const char* fans[] = {"6C 9H JC", "8D 2C 4C", "6S 2D JH", "3D 4H 5C", "3S 8H TD", "5H TH 7C",
                        "TS 7D 5D", "AS KH 3C", "JS 2S 8C", "KD 6H 7H", "9S QH AC", "QS 9D QD",
                        "JD AH 9C", "3H 4S 5S", "QC KC 8S", "TC KS 2H", "7S AD 4D", "6D"};
  for (int i = 1; i <= 18; ++i) EXPECT_EQ(Text(Fan(i)), fans[i - 1]) << i;
  EXPECT_TRUE(FDevice.Played.contains("SHUFFLE"));
  EXPECT_EQ(FForm->PanelText(4), "1 Shuffle Remaining");
  EXPECT_EQ(ShufflePanel()->Bevel(), pbRaised);

  // Forty cards left: fans 1-13 of three, fan 14 of one, the rest empty.
  std::vector<TCard*> rest;
  for (TCardPileView* fan : FForm->FTableau) fan->FCards->Empty(false);
  for (TCard* card : FForm->FSavedDeck->FList) {
    if (card->FValue <= CS_THREE) FForm->FFoundations[card->FSuit]->FCards->AddCard(card);
    else {
      Fan(1 + int(rest.size()) % 18)->FCards->AddCard(card);
      rest.push_back(card);
    }
  }
  for (TCardPileView* f : FForm->FFoundations)
    std::sort(f->FCards->FList.begin(), f->FCards->FList.end(),
              [](TCard* a, TCard* b) { return a->FValue < b->FValue; });
  Click(Fan(1), CardPoint(Fan(1), 0), Qt::LeftButton, Qt::ControlModifier);  // the draw, to have a step
  ASSERT_TRUE(FForm->Undo1->isEnabled());
  const int moves = FForm->FMoveCount;
  Form()->Shuffle1Click(nullptr);
  for (int i = 1; i <= 13; ++i) EXPECT_EQ(Fan(i)->FCards->Count(), 3) << i;
  EXPECT_EQ(Fan(14)->FCards->Count(), 1);
  for (int i = 15; i <= 18; ++i) EXPECT_EQ(Fan(i)->FCards->Count(), 0) << i;
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  EXPECT_EQ(FForm->FMoveCount, moves);
  EXPECT_EQ(FForm->PanelText(4), "No Shuffles Remaining");
  EXPECT_FALSE(ShufflePanel()->Enabled());
  EXPECT_FALSE(Form()->Shuffle1->isEnabled());
  // A third request does nothing.
  const QString before = Text(Fan(1));
  Form()->Shuffle1Click(nullptr);
  EXPECT_EQ(Text(Fan(1)), before);
  // A new deal gives both shuffles back.
  FForm->FMoveCount = 0;
  DealNumber(2);
  EXPECT_EQ(FForm->PanelText(4), "2 Shuffles Remaining");
  EXPECT_TRUE(Form()->Shuffle1->isEnabled());
}

TEST_F(TLucie, AWinRecordsInItsSectionAndEndsTheShuffles) {
  Open(Lucie, 1);
  Arrange({{Foundation(1), SuitRun('C', 13)}, {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 13)}, {Foundation(4), SuitRun('S', 12)}, {Fan(18), "KS"}});
  FForm->FMoveCount = 44;
  Click(Fan(18), TopPoint(Fan(18)));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(Key("LaBelleLucie", "GamesWon"), "1");
  EXPECT_FALSE(Form()->Shuffle1->isEnabled());
  EXPECT_FALSE(ShufflePanel()->Enabled());
  EXPECT_FALSE(FForm->Restart1->isEnabled());
}

TEST_F(TLucie, ThePromptsNameTheGame) {
  Open(Lucie, 1);
  FForm->FMoveCount = 6;
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of La Belle Lucie?");
  EXPECT_FALSE(FForm->close());
  EXPECT_EQ(FPrompts.value(1), "Resign this game of La Belle Lucie?\n\nNote:\nA resigned game counts as a loss.");
  FAnswer = Prompts::IDOK;
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "La Belle Lucie   Game #1");
}

TEST_F(TLucie, EachCardSizeDrawsItsOpeningLayout) {
  const char* names[] = {"lucie-small", "lucie-large", "lucie-huge"};
  const int bars[] = {22, 26, 36};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    Open(Lucie, 1, size);
    Shoot(QLatin1String(names[size]), Fan(17));
    const int shown = FForm->WMGetMinMaxInfo().height();
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    EXPECT_EQ(shown - FForm->WMGetMinMaxInfo().height(), bars[size]);
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    Close();
  }
}
