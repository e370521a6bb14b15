// Indian Patience: the deal with its face-down bottom cards, building down in another
// suit, the bottom-card rules while the stock lasts, the refill of emptied piles with
// its undo, the stock turned once through, the thresholds, the win at 104 cards and the
// window at three card sizes.

#include "art/ShellArt.h"
#include "games/KlondikeFamilyTesting.h"
#include "games/fortythieves/ThievesFactories.h"
#include "games/indian/IndianWindow.h"
#include "shell/GameWindows.h"

using namespace GamesTest;

namespace {

class TIndianTest : public TFamilyTest<TIndianPatienceForm> {
protected:
  void Open(int number = 1, int cardSize = CS_LARGE) {
    PreferencesDlg->FSmartDragging = false;
    OpenWith(&CreateIndianPatienceWindow, number, cardSize);
  }
  void CloseGame() {
    FGame->FMoveCount = 0;
    FGame->close();
    delete FGame.data();
  }
  TCardPileView* W() { return FGame->FDiscardView; }
  // Lays out the piles (the cards not named go to the stock) and lets the bottom cards
  // settle as after a move.
  void LayPiles(const std::vector<std::pair<TCardPileView*, QString>>& layout, bool rest = true) {
    Lay(layout, rest);
    FGame->UpdateBottomCards();
  }
  // Ten piles with cards, so that no move of a test empties one by chance.
  std::vector<std::pair<TCardPileView*, QString>> Filled(std::vector<std::pair<TCardPileView*, QString>> piles) {
    const char* fillers[] = {"#2C 9C", "#2D 9D", "#2H 9H", "#2S 9S", "#3C TC",
                             "#3D TD", "#3H TH", "#3S TS", "#4C JC", "#4D JD"};
    for (int i = 1; i <= 10; ++i) {
      const bool named = std::any_of(piles.begin(), piles.end(), [&](const auto& p) { return p.first == T(i); });
      if (!named) piles.push_back({T(i), fillers[i - 1]});
    }
    return piles;
  }
};

}  // namespace

TEST_F(TIndianTest, DealOneLaysABottomCardFaceDownUnderTwoFaceUpCards) {
  Open(1);
  // Worked out from the general generator over two decks, three passes over ten piles.
  const char* expected[10] = {"#KC 2D KH", "#4S 6H 2D", "#2S 6C JC", "#3H 8D 7H", "#6S AC 7C",
                              "#3D 9C 4H", "#8S AS AC", "#5H 7S 9S", "#9C 8H KH", "#9H 2C 7S"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Of(T(i + 1)), expected[i]) << "pile " << i + 1;
    EXPECT_EQ(FGame->FBottomCards[static_cast<std::size_t>(i)], T(i + 1)->FCards->FList.front());
  }
  EXPECT_EQ(StockView()->FCards->Count(), 74);
  EXPECT_EQ(CardText(StockView()->FCards->CardAt(TopOfPile)), "#TS");
  EXPECT_EQ(FGame->windowTitle(), "Indian Patience");
  EXPECT_EQ(FGame->PanelText(2), "Game #1");
  EXPECT_EQ(FGame->PanelText(3), "Stock: 74");
  EXPECT_EQ(FGame->PanelText(4), "Score: 0");

  Deal(7);
  EXPECT_EQ(Of(T(1)), "#6C KS KC");
  EXPECT_EQ(Of(T(10)), "#AC QS 2D");
}

TEST_F(TIndianTest, TableauBuildsDownInAnotherSuitButNeverOnOrWithABottomCard) {
  Open(1);
  LayPiles(Filled({{T(1), "#9S KH"}, {T(2), "#3D QH"}, {T(3), "#4C QS"}, {T(4), "8D"}, {T(5), "#2C 7C"},
                   {T(6), "#5H 9S"}}));
  EXPECT_EQ(Of(T(4)), "8D");
  // Same suit: refused.
  Drag(T(2), TopAt(T(2)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "#9S KH");
  // Another suit, one lower: taken; the pile's bottom card then lies alone, face up.
  Drag(T(3), TopAt(T(3)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "#9S KH QS");
  EXPECT_EQ(Of(T(3)), "4C");
  EXPECT_EQ(FGame->FMoveCount, 1);
  // Nothing goes onto a bottom card, and a bottom card does not move to another pile.
  Drag(T(5), TopAt(T(5)), T(4), TopAt(T(4)));
  EXPECT_EQ(Of(T(5)), "#2C 7C");
  Drag(T(4), TopAt(T(4)), T(6), TopAt(T(6)));
  EXPECT_EQ(Of(T(4)), "8D");
  EXPECT_EQ(Of(T(6)), "#5H 9S");
  EXPECT_EQ(FGame->FMoveCount, 1);
  // Undoing the move covers the bottom card again.
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(T(3)), "#4C QS");
  EXPECT_EQ(FGame->FMoveCount, 0);
}

TEST_F(TIndianTest, AnEmptiedPileIsRefilledAtOnceAndUndoTakesTheRefillBackWithTheMove) {
  Open(1);
  LayPiles(Filled({{T(4), "AS"}}));
  const QString stockTop = CardText(StockView()->FCards->FList.back());
  const int stock = StockView()->FCards->Count();
  // A bottom card may still go to a foundation.
  FGame->DiscardPileViewDblClick(T(4));
  EXPECT_EQ(Of(F(1)), "AS");
  ASSERT_EQ(T(4)->FCards->Count(), 3);
  EXPECT_FALSE(T(4)->FCards->FList[0]->FFaceUp);
  EXPECT_TRUE(T(4)->FCards->FList[1]->FFaceUp);
  EXPECT_TRUE(T(4)->FCards->FList[2]->FFaceUp);
  EXPECT_EQ(CardText(T(4)->FCards->FList[0]), stockTop);
  EXPECT_EQ(FGame->FBottomCards[3], T(4)->FCards->FList[0]);
  EXPECT_EQ(StockView()->FCards->Count(), stock - 3);
  EXPECT_EQ(FGame->PanelText(3), QStringLiteral("Stock: %1").arg(stock - 3));
  EXPECT_EQ(FGame->FMoveCount, 2);  // the move and the refill
  EXPECT_TRUE(FDevice.Played.contains("DEAL"));
  const QString refill = Of(T(4));

  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(T(4)), "AS");
  EXPECT_EQ(Of(F(1)), "");
  EXPECT_EQ(StockView()->FCards->Count(), stock);
  EXPECT_EQ(CardText(StockView()->FCards->FList.back()), stockTop);
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(StockView()->FCards->FList[static_cast<std::size_t>(stock - i)]->FFaceUp);
  EXPECT_EQ(FGame->FMoveCount, 0);
  EXPECT_FALSE(FGame->Undo1->isEnabled());

  FGame->Redo1Click(FGame->Redo1);
  EXPECT_EQ(Of(F(1)), "AS");
  EXPECT_EQ(Of(T(4)), refill);
  EXPECT_EQ(FGame->FMoveCount, 2);
  EXPECT_EQ(StockView()->FCards->Count(), stock - 3);
}

TEST_F(TIndianTest, TheLastStockCardRefillsFaceUpAndThenBottomCardsAreOrdinary) {
  Open(1);
  LayPiles(Filled({{T(1), "#6H 7C"}, {T(2), "6D"}, {T(3), "AS"}, {T(6), "8H"}, {StockView(), "#KD"}}), false);
  FGame->DiscardPileViewDblClick(T(3));
  EXPECT_EQ(Of(T(3)), "KD");
  EXPECT_EQ(StockView()->FCards->Count(), 0);
  EXPECT_TRUE(FGame->FBottomCards.empty());
  EXPECT_EQ(FGame->PanelText(3), "Stock: 0");
  EXPECT_EQ(StockView()->toolTip(), "");
  // A former bottom card moves like any other, and emptied piles stay empty.
  Drag(T(2), TopAt(T(2)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "#6H 7C 6D");
  EXPECT_EQ(Of(T(2)), "");
  // Any card fills an empty pile.
  Drag(T(3), TopAt(T(3)), T(2), QPoint(30, 30));
  EXPECT_EQ(Of(T(2)), "KD");
  Drag(T(1), TopAt(T(1)), T(3), QPoint(30, 30));
  EXPECT_EQ(Of(T(3)), "6D");
  // A former bottom card takes cards; a covered one shows once it is alone.
  Drag(T(1), TopAt(T(1)), T(6), TopAt(T(6)));
  EXPECT_EQ(Of(T(6)), "8H 7C");
  EXPECT_EQ(Of(T(1)), "6H");
}

TEST_F(TIndianTest, TheStockTurnsOneCardOnceThroughAndAnEmptyStockOnlyRunsAutoplay) {
  Open(1);
  Click(StockView(), QPoint(20, 20));
  EXPECT_EQ(Of(W()), "TS");
  EXPECT_EQ(FGame->FMoveCount, 1);
  EXPECT_EQ(FGame->PanelText(3), "Stock: 73");
  EXPECT_EQ(StockView()->toolTip(), "73");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(W()), "");
  EXPECT_EQ(CardText(StockView()->FCards->CardAt(TopOfPile)), "#TS");
  FGame->Redo1Click(FGame->Redo1);
  EXPECT_EQ(Of(W()), "TS");

  FGame->FAutoplay = true;
  LayPiles(Filled({{W(), "4C AH"}}), false);
  Click(StockView(), QPoint(20, 20));
  EXPECT_EQ(Of(W()), "4C");
  EXPECT_EQ(Of(F(1)), "AH");
  EXPECT_EQ(StockView()->FCards->Count(), 0);
}

TEST_F(TIndianTest, SmartDraggingTriesAnEmptyPileLast) {
  Open(1);
  PreferencesDlg->FSmartDragging = true;
  LayPiles(Filled({{T(1), ""}, {T(2), "#5C 6D"}, {T(3), "#4H 8C"}, {W(), "7H"}}), false);
  Drag(W(), TopAt(W()), FGame.data(), QPoint(440, 140));
  EXPECT_EQ(Of(T(3)), "#4H 8C 7H");
  EXPECT_EQ(Of(T(1)), "");
  LayPiles(Filled({{T(1), ""}, {W(), "5S"}}), false);
  Drag(W(), TopAt(W()), FGame.data(), QPoint(440, 140));
  EXPECT_EQ(Of(T(1)), "5S");
}

TEST_F(TIndianTest, TenMovesAreRecordedOnClosingButNewGameAsksOnlyFromEleven) {
  Open(1);
  FGame->FMoveCount = 10;
  FGame->NewDeal1Click(FGame->NewDeal1);
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("IndianPatience", "GamesAttempted"), "None");
  FGame->FMoveCount = 11;
  FAnswer = Prompts::IDCANCEL;
  FGame->NewDeal1Click(FGame->Redeal1);
  ASSERT_EQ(FPrompts.size(), 1);
  EXPECT_EQ(FPrompts[0], "Restart this game of Indian Patience?");
  FGame->FMoveCount = 10;
  FAnswer = Prompts::IDOK;
  FGame->close();
  ASSERT_EQ(FPrompts.size(), 2);
  EXPECT_EQ(FPrompts[1], "Resign this game of Indian Patience?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("IndianPatience", "GamesAttempted"), "1");
}

TEST_F(TIndianTest, TheHundredAndFourthCardWinsAndRecordsInItsSection) {
  Open(1);
  std::vector<std::pair<TCardPileView*, QString>> layout;
  const QChar suits[] = {'C', 'D', 'H', 'S', 'C', 'D', 'H', 'S'};
  for (int i = 0; i < 8; ++i) layout.push_back({F(i + 1), SuitRun(suits[i], i == 7 ? 12 : 13)});
  layout.push_back({T(4), "KS"});
  LayPiles(layout, false);
  FGame->FMoveCount = 12;
  FGame->DiscardPileViewDblClick(T(4));
  ASSERT_TRUE(FGame->FGameOver);
  EXPECT_EQ(FGame->PanelText(4), "Score: 104");
  EXPECT_FALSE(FGame->Redeal1->isEnabled());
  EXPECT_FALSE(FGame->Undo1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("IndianPatience", "GamesWon"), "1");
  FWinResult = TWinForm::mrCancel;
  Click(StockView(), QPoint(20, 20));
  EXPECT_EQ(FWinDialogs, 1);
  Click(FGame.data(), QPoint(400, 140));
  EXPECT_EQ(FWinDialogs, 2);
}

TEST_F(TIndianTest, TheLowerPilesFollowTheWindowAndTheStatusBarAtEachSize) {
  struct TCase {
    int Size;
    int FoundationTop, TableauHeight, Bar, MinWidth;
  };
  const TCase cases[] = {{CS_SMALL, 396, 248, 22, 725}, {CS_LARGE, 520, 351, 26, 885}, {CS_HUGE, 664, 426, 36, 1280}};
  for (const TCase& c : cases) {
    Open(5, c.Size);
    Shoot(QStringLiteral("indian-%1").arg(c.Size));
    EXPECT_EQ(F(8)->y(), c.FoundationTop) << c.Size;
    EXPECT_EQ(T(10)->height(), c.TableauHeight) << c.Size;
    EXPECT_EQ(FGame->WMGetMinMaxInfo().width() - 2 * Metrics::FrameWidth, c.MinWidth);
    FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
    EXPECT_EQ(F(1)->y(), c.FoundationTop + c.Bar) << c.Size;
    EXPECT_EQ(T(1)->height(), c.TableauHeight + c.Bar) << c.Size;
    EXPECT_EQ(FGame->windowTitle(), "Indian Patience   Game #5");
    FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
    CloseGame();
  }
}

TEST_F(TIndianTest, EverySlotMakesItsClassAndThePreviewIsTheRealTable) {
  const QImage placeholder = LoadPngResource(QStringLiteral("1015"));
  RegisterThievesWindows();
  const char* classes[3] = {"TsIndianPatienceForm", "TIndianPatienceForm", "ThIndianPatienceForm"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
    FGame = qobject_cast<TIndianPatienceForm*>(GameWindows::Create(IndianPatienceListIndex, size));
    ASSERT_FALSE(FGame.isNull());
    EXPECT_STREQ(FGame->metaObject()->className(), classes[size]);
    EXPECT_EQ(FGame->FSavedDeck->Count(), 104);
    CloseGame();
  }
  const QImage preview = LoadPngResource(QStringLiteral("1015"));
  ASSERT_EQ(preview.size(), QSize(155, 105));
  EXPECT_NE(preview, placeholder);
  preview.save(QCoreApplication::applicationDirPath() + QStringLiteral("/klondike-family-shots/indian-preview.png"));
}
