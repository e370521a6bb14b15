// Queen of Italy played through its window: the deal, choosing the base, the wrapping
// foundation and tableau rules, the stock with its turnovers and their undo, autoplay,
// the win and the texts, at the three card sizes.

#include <QCheckBox>

#include "games/PairingTesting.h"
#include "games/queenitaly/QueenItalyRules.h"
#include "games/queenitaly/QueenItalyWindow.h"
#include "platform/Metrics.h"
#include "widgets/FormPlacement.h"
#include "widgets/wkStatusBar.h"

using namespace PairingTest;

namespace {

const auto QueenItaly = [](int size) -> TQueenItalyForm* { return CreateQueenItalyWindow(size); };

class TQueenItalyWindow : public TPairingTest<TQueenItalyForm> {
protected:
  TCardPileView* Terrace() { return FForm->TerracePileView; }
  TCardPileView* Stock() { return FForm->DeckPileView; }
  TCardPileView* Discard() { return FForm->FDiscardView; }
  // Deal 1 with the 8 of diamonds of tableau pile 3 chosen as the base.
  void OpenWithBase() {
    Open(QueenItaly, 1);
    Click(Tableau(3), TopPoint(Tableau(3)));
    ASSERT_TRUE(FForm->FBaseChosen);
  }
  // A foundation run of one suit from the base 8 upwards, wrapping, count cards long.
  static QString Run(QChar suit, int count) {
    QStringList parts;
    for (int i = 0; i < count; ++i) parts << QString(QLatin1String("A23456789TJQK")[(7 + i) % 13]) + suit;
    return parts.join(QLatin1Char(' '));
  }
};

}  // namespace

TEST(QueenItalyRules, FoundationsWrapFromKingToAceAndHoldThirteen) {
  TCardFactory cards;
  TCardPile foundation;
  EXPECT_TRUE(QueenItalyRules::FitsFoundation(&foundation, cards.Make("9C"), CS_NINE));
  EXPECT_FALSE(QueenItalyRules::FitsFoundation(&foundation, cards.Make("TC"), CS_NINE));
  cards.Fill(&foundation, "9C TC JC QC KC");
  EXPECT_TRUE(QueenItalyRules::FitsFoundation(&foundation, cards.Make("AC"), CS_NINE));
  EXPECT_FALSE(QueenItalyRules::FitsFoundation(&foundation, cards.Make("AD"), CS_NINE));
  cards.Fill(&foundation, "AC 2C 3C 4C 5C 6C 7C 8C");
  EXPECT_FALSE(QueenItalyRules::FitsFoundation(&foundation, cards.Make("9C"), CS_NINE));
  TCardPile pile;
  cards.Fill(&pile, "AH");
  EXPECT_TRUE(QueenItalyRules::CanDropOnTableau(&pile, cards.Make("KS"), false, false));
  EXPECT_FALSE(QueenItalyRules::CanDropOnTableau(&pile, cards.Make("KD"), false, false));
  EXPECT_FALSE(QueenItalyRules::CanDropOnTableau(&pile, cards.Make("KS"), true, false));
  EXPECT_TRUE(QueenItalyRules::CanDropOnTableau(&pile, cards.Make("KS"), true, true));
  EXPECT_EQ(QueenItalyRules::RankText(CS_TEN), "10");
  EXPECT_EQ(QueenItalyRules::RankText(CS_ACE), "A");
}

TEST_F(TQueenItalyWindow, DealsTheTerraceAndFourTableauCardsFromTwoDecks) {
  Open(QueenItaly, 1);
  EXPECT_EQ(Text(Terrace()), "KC 4S 2S 3H 6S 3D 8S 5H 9C 9H 2D");
  EXPECT_EQ(Text(Tableau(1)) + " " + Text(Tableau(2)) + " " + Text(Tableau(3)) + " " + Text(Tableau(4)),
            "6H 6C 8D AC");
  for (int i = 5; i <= 9; ++i) EXPECT_EQ(Text(Tableau(i)), "");
  EXPECT_EQ(Stock()->FCards->Count(), 89);
  EXPECT_EQ(FForm->PanelText(TQueenItalyForm::StockPanel), "Stock: 89");
  EXPECT_EQ(FForm->PanelText(2), "Game #1");
  EXPECT_EQ(FForm->PanelText(TQueenItalyForm::ScorePanel), "Score: 0");
  EXPECT_EQ(FForm->windowTitle(), "Queen of Italy");
  EXPECT_FALSE(FForm->FBaseChosen);
  DealNumber(3);
  EXPECT_EQ(Text(Terrace()), "KD AC 3D 5C 4H 7D 4D TC AH 3C TS");
  EXPECT_EQ(Text(Tableau(4)), "AD");
}

TEST_F(TQueenItalyWindow, UntilTheBaseIsChosenOnlyATableauClickDoesAnything) {
  Open(QueenItaly, 1);
  Click(Stock());
  EXPECT_EQ(FForm->PanelText(TQueenItalyForm::ScorePanel), "Please select Foundation Base Card from Tableau");
  EXPECT_EQ(Stock()->FCards->Count(), 89);
  FForm->UpdateScore(false);
  Click(Terrace(), TopPoint(Terrace()));
  EXPECT_EQ(FForm->PanelText(TQueenItalyForm::ScorePanel), "Please select Foundation Base Card from Tableau");
  EXPECT_EQ(Text(Terrace()).size(), 32);
  // The 8 of diamonds becomes the base; the empty piles are filled from the stock.
  Click(Tableau(3), TopPoint(Tableau(3)));
  EXPECT_EQ(Text(Foundation(1)), "8D");
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(Foundation(i)->Label, "8");
  EXPECT_EQ(Text(Tableau(3)), "9C");
  EXPECT_EQ(Text(Tableau(5)) + " " + Text(Tableau(6)) + " " + Text(Tableau(7)) + " " + Text(Tableau(8)) + " " +
                Text(Tableau(9)),
            "AS 7S 8H 2C KH");
  EXPECT_EQ(Stock()->FCards->Count(), 83);
  EXPECT_EQ(FForm->PanelText(TQueenItalyForm::ScorePanel), "Score: 1");
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());  // the choice cannot be undone
  // A new deal forgets the base and its labels.
  DealNumber(1);
  EXPECT_FALSE(FForm->FBaseChosen);
  EXPECT_EQ(Foundation(1)->Label, "");
}

TEST_F(TQueenItalyWindow, CardsGoHomeUpInSuitWrappingAndABaseCardStartsAnEmptyFoundation) {
  OpenWithBase();
  Arrange({{Foundation(1), Run('H', 6)}, {Tableau(1), "AH"}, {Tableau(2), "8H"}, {Tableau(3), "8S"},
           {Foundation(3), Run('S', 13)}},
          Stock());
  QTest::mouseDClick(Tableau(1), Qt::LeftButton, {}, TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Foundation(1)), "8H 9H TH JH QH KH AH");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  FMouseOwner = Tableau(2);
  QTest::mouseClick(Tableau(2), Qt::LeftButton, Qt::ControlModifier, TopPoint(Tableau(2)));
  EXPECT_EQ(Text(Foundation(2)), "8H");
  // A full foundation takes nothing more; the second 8 of spades starts another.
  Drag(Tableau(3), TopPoint(Tableau(3)), Foundation(3), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(3)), "8S");
  FForm->DiscardPileViewDblClick(Tableau(3));
  EXPECT_EQ(Text(Foundation(4)), "8S");
  EXPECT_EQ(FForm->FMoveCount, 3);
  EXPECT_EQ(FForm->FScore, 7 + 1 + 13 + 1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(3)), "8S");
}

TEST_F(TQueenItalyWindow, TheTableauBuildsDownInAlternateColoursWithAKingOnAnAce) {
  OpenWithBase();
  Arrange({{Tableau(1), "AH"}, {Tableau(2), "KS"}, {Tableau(3), "QD"}, {Tableau(4), "QS"}, {Terrace(), "3C JC"},
           {Discard(), "5D"}},
          Stock());
  Drag(Tableau(2), TopPoint(Tableau(2)), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "AH KS");
  Drag(Tableau(4), TopPoint(Tableau(4)), Tableau(1), TopPoint(Tableau(1)));  // same colour
  EXPECT_EQ(Text(Tableau(4)), "QS");
  Drag(Tableau(3), TopPoint(Tableau(3)), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "AH KS QD");
  // An empty pile takes any card and is not refilled from the stock.
  Drag(Discard(), TopPoint(Discard()), Tableau(2), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(2)), "5D");
  Drag(Discard(), QPoint(30, 30), Tableau(3), QPoint(30, 30));
  EXPECT_EQ(Text(Tableau(3)), "");
  // The terrace plays to the tableau only once stock and discard pile are both empty.
  Drag(Terrace(), TopPoint(Terrace()), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Terrace()), "3C JC");
  Arrange({{Tableau(1), "AH KS QD"}, {Terrace(), "3C JC"}});
  // Only the terrace's top card is taken.
  Drag(Terrace(), CardPoint(Terrace(), 0, QPoint(5, 30)), Tableau(5), QPoint(30, 30));
  EXPECT_EQ(Text(Terrace()), "3C JC");
  Drag(Terrace(), TopPoint(Terrace()), Tableau(1), TopPoint(Tableau(1)));
  EXPECT_EQ(Text(Tableau(1)), "AH KS QD JC");
}

TEST_F(TQueenItalyWindow, TheStockTurnsOverAndThenTurnsOnlyOntoAnEmptyDiscardPile) {
  OpenWithBase();
  Arrange({{Tableau(1), "KS"}, {Discard(), "2C 3C 4C"}});
  FForm->FMoveCount = 0;
  Click(Stock(), QPoint(20, 20));
  EXPECT_TRUE(FForm->FRedealt);
  EXPECT_EQ(Text(Stock()), "#4C #3C");
  EXPECT_EQ(Text(Discard()), "2C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->PanelText(TQueenItalyForm::StockPanel), "Stock: 2");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  Click(Stock(), QPoint(20, 20));  // a card on the discard pile: nothing turns
  EXPECT_EQ(Text(Discard()), "2C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  // The turnover and its card are one move and go back in one undo.
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Discard()), "2C 3C 4C");
  EXPECT_EQ(Text(Stock()), "");
  EXPECT_FALSE(FForm->FRedealt);
  EXPECT_EQ(Stock()->State, CS_RECYCLE);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  // Redone, the turnover leaves the stock as it did the first time.
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Stock()), "#4C #3C");
  EXPECT_EQ(Text(Discard()), "2C");
  EXPECT_TRUE(FForm->FRedealt);
  EXPECT_EQ(Stock()->State, CS_BLANK);
  EXPECT_EQ(FForm->FMoveCount, 1);
  // Space and the middle button act on the stock too.
  Drag(Discard(), TopPoint(Discard()), Tableau(2), QPoint(30, 30));
  QTest::keyClick(FForm.data(), Qt::Key_Space);
  EXPECT_EQ(Text(Discard()), "3C");
}

TEST_F(TQueenItalyWindow, UndoingASecondTurnoverLeavesThePileRedealt) {
  OpenWithBase();
  PreferencesDlg->FSmartDragging = false;
  Arrange({{Tableau(1), "KS"}, {Stock(), "#JC #QH #5D"}});
  FForm->FMoveCount = 0;
  for (int i = 0; i < 4; ++i) Click(Stock(), QPoint(20, 20));  // three turned, then turned over
  EXPECT_EQ(Text(Discard()), "5D");
  Drag(Discard(), TopPoint(Discard()), Tableau(2), QPoint(30, 30));
  Click(Stock(), QPoint(20, 20));
  Drag(Discard(), TopPoint(Discard()), Tableau(3), QPoint(30, 30));
  Click(Stock(), QPoint(20, 20));
  EXPECT_EQ(Text(Discard()), "JC");
  Click(Stock(), QPoint(20, 20));  // turned over again, JC turned once more
  EXPECT_EQ(Text(Discard()), "JC");
  EXPECT_EQ(FForm->FMoveCount, 9);
  for (int i = 0; i < 3; ++i) FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Discard()), "QH");
  EXPECT_EQ(FForm->FMoveCount, 6);
  // The first turnover still stands: nothing turns onto a card.
  EXPECT_TRUE(FForm->FRedealt);
  EXPECT_EQ(Stock()->State, CS_BLANK);
  Click(Stock(), QPoint(20, 20));
  EXPECT_EQ(Text(Discard()), "QH");
  EXPECT_EQ(FForm->FMoveCount, 6);
  while (FForm->Undo1->isEnabled()) FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Stock()), "#JC #QH #5D");
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->FRedealt);
}

TEST_F(TQueenItalyWindow, AutoplaySendsEveryFittingTopCardHome) {
  OpenWithBase();
  FForm->Autoplay1Click(FForm->Autoplay1);
  EXPECT_TRUE(FForm->AutoPlayCheckBox->isChecked());
  EXPECT_EQ(Key("QueenItaly", "Autoplay"), "True");
  Arrange({{Foundation(1), "8D"}, {Tableau(1), "TD"}, {Terrace(), "JD"}, {Stock(), "#9D"}});
  Click(Stock(), QPoint(20, 20));
  EXPECT_EQ(Text(Foundation(1)), "8D 9D TD JD");
  EXPECT_EQ(FForm->FMoveCount, 4);  // the turn and three cards home
}

TEST_F(TQueenItalyWindow, TheLastCardHomeWinsAndTheFoundationsFly) {
  OpenWithBase();
  std::map<TCardPileView*, QString> layout;
  const QString suits = QStringLiteral("CDHSCDHS");
  for (int i = 1; i <= 8; ++i) layout[Foundation(i)] = Run(suits[i - 1], i == 8 ? 12 : 13);
  layout[Tableau(1)] = QStringLiteral("7S");
  Arrange(layout);
  FForm->FMoveCount = 30;
  FForm->DiscardPileViewDblClick(Tableau(1));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 104);
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("QueenItaly", "GamesWon"), "1");
  EXPECT_EQ(GameShell::WinAnimation()->FViewCount, 8);
  GameShell::WinAnimation()->Stop();
  Click(Tableau(4), QPoint(20, 20));
  EXPECT_EQ(FWinDialogs, 1);
}

TEST_F(TQueenItalyWindow, TheGamesTexts) {
  OpenWithBase();
  for (int i = 0; i < 6; ++i) Click(Stock(), QPoint(20, 20));
  ASSERT_EQ(FForm->FMoveCount, 6);
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts.value(0), "Restart this game of Queen of Italy?");
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Queen of Italy   Game #1   Score: 1");
  FAnswer = Prompts::IDOK;
  FForm->close();
  EXPECT_EQ(FPrompts.value(1), "Resign this game of Queen of Italy?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("QueenItaly", "AvgScore"), "1");
}

TEST_F(TQueenItalyWindow, EachSizeMovesItsLowerPilesWithTheWindowHeightAndTheStatusBar) {
  struct TCase {
    int Size;
    QSize Client, Minimum;
    int TableauExtra, StockExtra, Base, Bar;
    const char* Section;
    const char* Shot;
  };
  const TCase cases[] = {
      {CS_SMALL, {672, 543}, {670, 480}, 207, 424, 540, 22, "sQueenItaly", "queenitaly-small"},
      {CS_LARGE, {884, 704}, {882, 600}, 273, 552, 700, 26, "QueenItaly", "queenitaly-large"},
      {CS_HUGE, {1196, 985}, {1180, 900}, 356, 759, 985, 36, "hQueenItaly", "queenitaly-huge"}};
  for (const TCase& c : cases) {
    Open(QueenItaly, 1, c.Size);
    EXPECT_EQ(FForm->size(), c.Client) << c.Shot;
    EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(c.Minimum.width() + 2 * Metrics::FrameWidth, c.Minimum.height()));
    EXPECT_EQ(FForm->FormPlacement1->IniSection(), c.Section);
    Click(Tableau(3), TopPoint(Tableau(3)));
    for (int i = 0; i < 3; ++i) Click(Stock(), QPoint(20, 20));
    Shot(QLatin1String(c.Shot));
    const int h = FForm->height();
    EXPECT_EQ(Tableau(9)->height(), h + c.TableauExtra - (c.Base + c.Bar)) << c.Shot;
    EXPECT_EQ(Stock()->y(), h + c.StockExtra - (c.Base + c.Bar)) << c.Shot;
    EXPECT_EQ(Discard()->y(), Stock()->y());
    EXPECT_LE(Stock()->geometry().bottom(), FForm->GameStatusBar->geometry().top()) << c.Shot;
    EXPECT_LT(Tableau(1)->geometry().bottom(), Stock()->y()) << c.Shot;
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    EXPECT_EQ(Stock()->y(), h + c.StockExtra - c.Base) << c.Shot;
    EXPECT_EQ(Tableau(9)->height(), h + c.TableauExtra - c.Base) << c.Shot;
    FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
    FForm->resize(FForm->width(), h + 40);
    EXPECT_EQ(Discard()->y(), h + 40 + c.StockExtra - (c.Base + c.Bar)) << c.Shot;
    Close();
  }
}

TEST_F(TQueenItalyWindow, AnAnimatedDealSoundsAfterTheTerraceAndForEachTableauCard) {
  Open(QueenItaly, 1);
  PreferencesDlg->FDoAnimation = true;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FDevice.Played.count("DEAL"), 5);
  EXPECT_EQ(Text(Tableau(4)), "AC");
  FDevice.Played.clear();
  Click(Tableau(3), TopPoint(Tableau(3)));  // five empty piles and the base's pile filled
  EXPECT_EQ(FDevice.Played.count("DEAL"), 6);
}
