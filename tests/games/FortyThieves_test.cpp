// Forty Thieves: the deal, building down in suit with single cards, the stock turned once
// through with its undo steps, the thresholds of ten moves, the win at 104 cards, the
// window at three card sizes and the peek dialog.

#include <QLabel>
#include <QPushButton>

#include "art/ShellArt.h"
#include "games/KlondikeFamilyTesting.h"
#include "games/fortythieves/FTPeekWindow.h"
#include "games/fortythieves/FortyThievesWindow.h"
#include "games/fortythieves/ThievesFactories.h"
#include "shell/GameWindows.h"
#include "widgets/wkStatusBar.h"

using namespace GamesTest;

namespace {

class TFortyThievesTest : public TFamilyTest<TFortyThievesForm> {
protected:
  void TearDown() override {
    delete FTPeekDlg;
    TFamilyTest<TFortyThievesForm>::TearDown();
  }
  void Open(int number = 1, int cardSize = CS_LARGE) {
    PreferencesDlg->FSmartDragging = false;
    OpenWith(&CreateFortyThievesWindow, number, cardSize);
  }
  void CloseGame() {
    FGame->FMoveCount = 0;
    FGame->close();
    delete FGame.data();
  }
  TCardPileView* W() { return FGame->FDiscardView; }
  // The stock from its top card down.
  QString StockTop(int count) {
    QStringList parts;
    const auto& list = StockView()->FCards->FList;
    for (auto it = list.rbegin(); it != list.rend() && parts.size() < count; ++it) parts << CardText(*it);
    return parts.join(QLatin1Char(' '));
  }
  // Every foundation but the last full, the last up to the Queen of spades.
  void LayAlmostWon(const QString& rest) {
    std::vector<std::pair<TCardPileView*, QString>> layout;
    const QChar suits[] = {'C', 'D', 'H', 'S', 'C', 'D', 'H', 'S'};
    for (int i = 0; i < 8; ++i) layout.push_back({F(i + 1), SuitRun(suits[i], i == 7 ? 12 : 13)});
    layout.push_back({T(4), rest});
    Lay(layout);
  }
};

}  // namespace

TEST_F(TFortyThievesTest, DealOneLaysFourFaceUpCardsOnEachPileAndLeavesSixtyFour) {
  Open(1);
  // Worked out from the general generator over two decks, four passes over ten piles.
  const char* expected[10] = {"KC 2D KH TS", "4S 6H 2D 6C", "2S 6C JC JS", "3H 8D 7H 8D", "6S AC 7C 7H",
                              "3D 9C 4H 4D", "8S AS AC JH", "5H 7S 9S TC", "9C 8H KH 5S", "9H 2C 7S 4H"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Of(T(i + 1)), expected[i]) << "pile " << i + 1;
  EXPECT_EQ(StockTop(8), "#QD #7D #3S #QH #JD #TD #9H #5C");
  EXPECT_EQ(StockView()->FCards->Count(), 64);
  EXPECT_EQ(W()->FCards->Count(), 0);
  EXPECT_EQ(FGame->FFoundations.size(), 8u);
  EXPECT_EQ(FGame->windowTitle(), "Forty Thieves");
  EXPECT_EQ(FGame->PanelText(2), "Game #1");
  EXPECT_EQ(FGame->PanelText(3), "Stock: 64");
  EXPECT_EQ(FGame->PanelText(4), "Score: 0");
  EXPECT_EQ(StockView()->toolTip(), "64");

  Deal(2);
  EXPECT_EQ(Of(T(1)), "2S 3C TH 5S");
  EXPECT_EQ(Of(T(10)), "8S JS 4H JD");
  EXPECT_EQ(StockTop(3), "#JC #JD #QS");
}

TEST_F(TFortyThievesTest, TableauBuildsDownInSuitOneCardAtATimeAndAnyCardFillsAGap) {
  Open(1);
  Lay({{T(1), "KS"}, {T(2), "9D QS"}, {T(3), "QH"}, {T(4), "KH"}, {T(5), ""}});
  // Only the top card may be taken.
  Drag(T(2), CardAt(T(2), 0, QPoint(20, 4)), T(5), QPoint(30, 30));
  EXPECT_EQ(Of(T(2)), "9D QS");
  // A Queen of another suit may not go on the King of spades, nor a King on a Queen.
  Drag(T(3), TopAt(T(3)), T(1), TopAt(T(1)));
  Drag(T(4), TopAt(T(4)), T(2), TopAt(T(2)));
  EXPECT_EQ(Of(T(1)), "KS");
  EXPECT_EQ(FGame->FMoveCount, 0);
  // The Queen of spades goes on the King of spades; any card fills the empty pile.
  Drag(T(2), TopAt(T(2)), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "KS QS");
  EXPECT_EQ(Of(T(2)), "9D");  // no card is ever turned by a move
  Drag(T(3), TopAt(T(3)), T(5), QPoint(30, 30));
  EXPECT_EQ(Of(T(5)), "QH");
  EXPECT_EQ(FGame->FMoveCount, 2);
  EXPECT_EQ(FGame->FUndo->StepCount(), 2);
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(T(3)), "QH");
  EXPECT_EQ(Of(T(5)), "");
  EXPECT_EQ(FGame->FMoveCount, 1);
}

TEST_F(TFortyThievesTest, FoundationsTakeEitherDecksAcesAndKeepTheirCards) {
  Open(1);
  Lay({{T(1), "AH"}, {T(2), "AH"}, {T(3), "2H"}, {T(4), "7C"}, {F(1), ""}});
  FGame->DiscardPileViewDblClick(T(1));
  FGame->DiscardPileViewDblClick(T(2));
  FGame->DiscardPileViewDblClick(T(3));
  EXPECT_EQ(Of(F(1)), "AH 2H");
  EXPECT_EQ(Of(F(2)), "AH");
  EXPECT_EQ(FGame->FMoveCount, 3);
  EXPECT_EQ(FGame->PanelText(4), "Score: 3");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  // A card that fits nowhere stays.
  FGame->DiscardPileViewDblClick(T(4));
  EXPECT_EQ(Of(T(4)), "7C");
  EXPECT_EQ(FGame->FMoveCount, 3);
  // A foundation's card cannot be taken back.
  Drag(F(1), TopAt(F(1)), T(1), QPoint(30, 30));
  EXPECT_EQ(Of(F(1)), "AH 2H");
  EXPECT_EQ(Of(T(1)), "");
}

TEST_F(TFortyThievesTest, TheStockTurnsOneCardAtATimeOnceThroughWithUndoAndRedo) {
  Open(1);
  Click(StockView(), QPoint(20, 20));
  EXPECT_EQ(Of(W()), "QD");
  EXPECT_EQ(StockView()->FCards->Count(), 63);
  EXPECT_EQ(FGame->FMoveCount, 1);
  EXPECT_EQ(FGame->PanelText(3), "Stock: 63");
  EXPECT_EQ(StockView()->toolTip(), "63");
  EXPECT_TRUE(FDevice.Played.contains("STOCK"));
  FGame->FormKeyPress(QLatin1Char(' '));
  EXPECT_EQ(Of(W()), "QD 7D");

  FGame->Undo1Click(FGame->Undo1);
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(Of(W()), "");
  EXPECT_EQ(StockTop(2), "#QD #7D");
  EXPECT_EQ(FGame->FMoveCount, 0);
  EXPECT_EQ(FGame->PanelText(3), "Stock: 64");
  FGame->Redo1Click(FGame->Redo1);
  EXPECT_EQ(Of(W()), "QD");
  EXPECT_EQ(StockTop(1), "#7D");
  EXPECT_EQ(FGame->FMoveCount, 1);

  // Only the waste's top card is taken, and it plays like a tableau card.
  Lay({{W(), "5H 6S"}, {T(1), "7S"}, {T(2), "6H"}});
  Drag(W(), CardAt(W(), 0), T(2), TopAt(T(2)));
  EXPECT_EQ(Of(W()), "5H 6S");
  Drag(W(), TopAt(W()), T(1), TopAt(T(1)));
  EXPECT_EQ(Of(T(1)), "7S 6S");

  // An empty stock is not dealt again; a click still runs autoplay.
  FGame->FAutoplay = true;
  Lay({{W(), "9C AS"}, {F(1), ""}});
  const int moves = FGame->FMoveCount;
  Click(StockView(), QPoint(20, 20));
  EXPECT_EQ(Of(W()), "9C");
  EXPECT_EQ(Of(F(1)), "AS");
  EXPECT_EQ(FGame->FMoveCount, moves + 1);
  EXPECT_EQ(FGame->PanelText(3), "Stock: 0");
  EXPECT_EQ(StockView()->toolTip(), "");
}

TEST_F(TFortyThievesTest, TenMovesAreRecordedOnClosingButNewGameAsksOnlyFromEleven) {
  Open(1);
  FGame->FMoveCount = 10;
  FGame->NewDeal1Click(FGame->NewDeal1);
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("FortyThieves", "GamesAttempted"), "None");

  FGame->FMoveCount = 11;
  FAnswer = Prompts::IDCANCEL;
  FGame->NewDeal1Click(FGame->Redeal1);
  ASSERT_EQ(FPrompts.size(), 1);
  EXPECT_EQ(FPrompts[0], "Restart this game of Forty Thieves?");
  EXPECT_EQ(FGame->FMoveCount, 11);

  FGame->FMoveCount = 10;
  FAnswer = Prompts::IDOK;
  FGame->close();
  ASSERT_EQ(FPrompts.size(), 2);
  EXPECT_EQ(FPrompts[1], "Resign this game of Forty Thieves?\n\nNote:\nA resigned game counts as a loss.");
  EXPECT_EQ(Key("FortyThieves", "GamesAttempted"), "1");
  EXPECT_EQ(Key("FortyThieves", "HiScore"), "0");
}

TEST_F(TFortyThievesTest, TheHundredAndFourthCardWinsAndRecordsInItsSection) {
  Open(1);
  LayAlmostWon("KS");
  FGame->FMoveCount = 12;
  FGame->DiscardPileViewDblClick(T(4));
  ASSERT_TRUE(FGame->FGameOver);
  EXPECT_EQ(FGame->FScore, 104);
  EXPECT_EQ(FGame->PanelText(4), "Score: 104");
  EXPECT_FALSE(FGame->Undo1->isEnabled());
  EXPECT_FALSE(FGame->Redeal1->isEnabled());
  EXPECT_FALSE(FGame->RestartSpeedButton->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_FALSE(GameShell::WinAnimation()->FStopped);
  EXPECT_EQ(Key("FortyThieves", "GamesWon"), "1");
  EXPECT_EQ(Key("FortyThieves", "GamesAttempted"), "1");
  EXPECT_EQ(Key("FortyThieves", "CurrentStreak"), "1");

  // Any press then opens the win dialog once: on the table, a foundation or the stock.
  FWinResult = TWinForm::mrCancel;
  Click(FGame.data(), QPoint(400, 140));
  EXPECT_EQ(FWinDialogs, 1);
  Click(F(2), QPoint(20, 20));
  EXPECT_EQ(FWinDialogs, 2);
  Click(StockView(), QPoint(20, 20));
  EXPECT_EQ(FWinDialogs, 3);
  FWinResult = TWinForm::mrNewGame;
  Click(T(1), QPoint(20, 20));
  EXPECT_FALSE(FGame->FGameOver);
  EXPECT_EQ(StockView()->FCards->Count(), 64);
  EXPECT_TRUE(FPrompts.isEmpty());
}

TEST_F(TFortyThievesTest, TheLowerPilesFollowTheWindowAndTheStatusBarAtEachSize) {
  struct TCase {
    int Size;
    int FoundationTop, TableauHeight, Bar, MinWidth;
  };
  // At the design height, with the status bar shown.
  const TCase cases[] = {{CS_SMALL, 396, 267, 22, 725}, {CS_LARGE, 520, 351, 26, 885}, {CS_HUGE, 664, 426, 36, 1260}};
  for (const TCase& c : cases) {
    Open(3, c.Size);
    Shoot(QStringLiteral("fortythieves-%1").arg(c.Size));
    EXPECT_EQ(F(8)->y(), c.FoundationTop) << c.Size;
    EXPECT_EQ(T(10)->height(), c.TableauHeight) << c.Size;
    EXPECT_EQ(FGame->WMGetMinMaxInfo().width() - 2 * Metrics::FrameWidth, c.MinWidth);
    FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
    EXPECT_EQ(F(1)->y(), c.FoundationTop + c.Bar) << c.Size;
    EXPECT_EQ(T(1)->height(), c.TableauHeight + c.Bar) << c.Size;
    EXPECT_EQ(FGame->windowTitle(), "Forty Thieves   Game #3");
    FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
    FGame->resize(FGame->width() + 40, FGame->height() + 50);
    EXPECT_EQ(F(1)->y(), c.FoundationTop + 50) << c.Size;
    EXPECT_EQ(T(1)->height(), c.TableauHeight + 50) << c.Size;
    EXPECT_EQ(W()->width(), FGame->FormLayout().Components[1].Width + 40);
    CloseGame();
  }
}

TEST_F(TFortyThievesTest, TheCaptionCarriesNumberAndScoreWhileTheStatusBarIsHidden) {
  Open(12);
  FGame->ShowStatusBar1Click(FGame->ShowStatusBar1);
  EXPECT_EQ(FGame->windowTitle(), "Forty Thieves   Game #12");
  EXPECT_EQ(Key("FortyThieves", "ShowStatusBar"), "False");
  Lay({{T(1), "AD"}});
  FGame->DiscardPileViewDblClick(T(1));
  EXPECT_EQ(FGame->windowTitle(), "Forty Thieves   Game #12   Score: 1");
}

// ---- the peek dialog -------------------------------------------------------------------------

TEST_F(TFortyThievesTest, PeekShowsTheNextStockCardAndFollowsTheStockAndUndo) {
  Open(1);
  FGame->Peek1Click(FGame->Peek1);
  ASSERT_NE(FTPeekDlg, nullptr);
  EXPECT_TRUE(FTPeekDlg->isVisible());
  EXPECT_EQ(FTPeekDlg->windowTitle(), "Peek");
  EXPECT_EQ(FTPeekDlg->Label1->text(), "Next card in stock");
  EXPECT_EQ(FTPeekDlg->size(), QSize(114, 188));
  EXPECT_EQ(CardText(FTPeekDlg->FCard), "#QD");
  EXPECT_EQ(FTPeekDlg->Image1->pixmap().size(), QSize(80, 125));
  EXPECT_EQ(FTPeekDlg->Image1->pixmap().toImage(), StockView()->FCards->CardAt(TopOfPile)->GetCardBitmap());
  for (int i = 0; i < 12; ++i) FGame->DeckPileViewClick(StockView());
  Shoot(QStringLiteral("fortythieves-waste"));
  FTPeekDlg->grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/klondike-family-shots/ftpeek.png"));
  for (int i = 0; i < 12; ++i) FGame->Undo1Click(FGame->Undo1);

  FGame->DeckPileViewClick(StockView());
  EXPECT_EQ(CardText(FTPeekDlg->FCard), "#7D");
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_EQ(CardText(FTPeekDlg->FCard), "#QD");
  FGame->Redo1Click(FGame->Redo1);
  EXPECT_EQ(CardText(FTPeekDlg->FCard), "#7D");
  Deal(2);
  EXPECT_EQ(CardText(FTPeekDlg->FCard), "#JC");

  // Turning the last card hides the dialog and disables the item.
  Lay({{T(1), "9C"}, {StockView(), "#4D"}});
  FGame->DeckPileViewClick(StockView());
  EXPECT_FALSE(FTPeekDlg->isVisible());
  FGame->PopupMenu1Popup();
  EXPECT_FALSE(FGame->Peek1->isEnabled());
  // Undo brings the card back to the stock; the hidden dialog stays hidden.
  FGame->Undo1Click(FGame->Undo1);
  EXPECT_FALSE(FTPeekDlg->isVisible());
  FGame->PopupMenu1Popup();
  EXPECT_TRUE(FGame->Peek1->isEnabled());
}

TEST_F(TFortyThievesTest, KeysInThePeekDialogActOnTheGameAndSpaceLeavesItOpen) {
  Open(1);
  FGame->Peek1Click(FGame->Peek1);
  ASSERT_NE(FTPeekDlg, nullptr);
  QTest::keyClick(FTPeekDlg->OKBtn, Qt::Key_Space);
  EXPECT_TRUE(FTPeekDlg->isVisible());
  EXPECT_EQ(Of(W()), "QD");
  EXPECT_EQ(CardText(FTPeekDlg->FCard), "#7D");
  QTest::keyClick(FTPeekDlg->OKBtn, Qt::Key_Space);
  EXPECT_EQ(Of(W()), "QD 7D");
  PreferencesDlg->FCtrlKey = false;
  QTest::keyClick(FTPeekDlg->OKBtn, Qt::Key_Z);  // undo in the game
  EXPECT_EQ(Of(W()), "QD");
  EXPECT_EQ(CardText(FTPeekDlg->FCard), "#7D");
  EXPECT_TRUE(FTPeekDlg->isVisible());

  // OK closes it; its position goes to its own section.
  FTPeekDlg->OKBtn->click();
  EXPECT_FALSE(FTPeekDlg->isVisible());
  EXPECT_NE(Key("FTPeekDialog", "NormPos"), "None");
  EXPECT_EQ(Key("FTPeekDialog", "ShowCmd"), "1");
}

TEST_F(TFortyThievesTest, TheHugeWindowMakesAHugeDialogButReusesOneThatExists) {
  Open(1, CS_HUGE);
  FGame->Peek1Click(FGame->Peek1);
  ASSERT_NE(qobject_cast<ThFTPeekDlg*>(FTPeekDlg), nullptr);
  EXPECT_EQ(FTPeekDlg->size(), QSize(155, 248));
  EXPECT_EQ(FTPeekDlg->Image1->geometry(), QRect(17, 19, 120, 188));
  EXPECT_EQ(FTPeekDlg->Image1->pixmap().size(), QSize(120, 188));
  EXPECT_EQ(FTPeekDlg->OKBtn->pos(), QPoint(42, 216));
  FTPeekDlg->OKBtn->click();
  EXPECT_NE(Key("hFTPeekDialog", "NormPos"), "None");
  EXPECT_EQ(Key("FTPeekDialog", "NormPos"), "None");
  CloseGame();
  delete FTPeekDlg;
  ASSERT_EQ(FTPeekDlg, nullptr);

  // A dialog made by the large window serves the huge one unchanged.
  Open(1, CS_LARGE);
  FGame->Peek1Click(FGame->Peek1);
  TFTPeekDlg* made = FTPeekDlg;
  CloseGame();
  Open(1, CS_HUGE);
  FGame->Peek1Click(FGame->Peek1);
  EXPECT_EQ(FTPeekDlg, made);
  EXPECT_EQ(qobject_cast<ThFTPeekDlg*>(FTPeekDlg), nullptr);
  EXPECT_EQ(FTPeekDlg->Image1->pixmap().size(), QSize(120, 188));  // the card at the current size
}

TEST_F(TFortyThievesTest, ClosingTheGameLeavesNoCardInThePeekDialog) {
  Open(1);
  FGame->Peek1Click(FGame->Peek1);
  ASSERT_NE(FTPeekDlg, nullptr);
  CloseGame();
  ASSERT_NE(FTPeekDlg, nullptr);
  EXPECT_EQ(FTPeekDlg->FCard, nullptr);
  EXPECT_FALSE(FTPeekDlg->isVisible());
  // A key pressed in it with no game open does nothing.
  QTest::keyClick(FTPeekDlg->OKBtn, Qt::Key_Space);
  EXPECT_EQ(FortyThievesForm, nullptr);
}

TEST_F(TFortyThievesTest, TheMenuOffersPeekOnF2WhileTheStockHoldsCards) {
  Open(1);
  QStringList items;
  for (QAction* a : FGame->PopupMenu1->actions())
    items << (a->isSeparator() ? QString("-") : a->objectName() + " " + a->text() + (a->shortcut().isEmpty() ? "" : "\t" + a->shortcut().toString()));
  EXPECT_EQ(items, (QStringList{"Undo1 &Undo\tCtrl+Z", "Redo1 &Redo\tCtrl+R", "-", "Autoplay1 &Autoplay\tCtrl+A", "-",
                                "Peek1 &Peek...\tF2", "-", "NewDeal1 &New Game\tCtrl+N",
                                "SelectGame1 Select &Game...\tCtrl+G", "Redeal1 R&estart\tCtrl+Y", "-",
                                "Preferences1 &Options...\tCtrl+O", "About1 &Help / Rules...\tF1",
                                "Statistics1 &Statistics...\tCtrl+S", "-", "ShowStatusBar1 Show Status &Bar\tF5"}));
  QTest::keyClick(FGame.data(), Qt::Key_F2);
  ASSERT_NE(FTPeekDlg, nullptr);
  EXPECT_TRUE(FTPeekDlg->isVisible());
  FTPeekDlg->OKBtn->click();
  // After a new deal F2 works again even if the menu was last opened over an empty stock.
  Lay({{T(1), "9C"}});
  FGame->PopupMenu1Popup();
  EXPECT_FALSE(FGame->Peek1->isEnabled());
  Deal(2);
  EXPECT_TRUE(FGame->Peek1->isEnabled());
}

// ---- the window table ------------------------------------------------------------------------

TEST_F(TFortyThievesTest, EverySlotMakesItsClassAndThePreviewIsTheRealTable) {
  const QImage placeholder = LoadPngResource(QStringLiteral("1011"));
  RegisterThievesWindows();
  const char* classes[3] = {"TsFortyThievesForm", "TFortyThievesForm", "ThFortyThievesForm"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    TCard::SetCardSize(static_cast<_CardSize>(size), false, false);
    FGame = qobject_cast<TFortyThievesForm*>(GameWindows::Create(FortyThievesListIndex, size));
    ASSERT_FALSE(FGame.isNull());
    EXPECT_STREQ(FGame->metaObject()->className(), classes[size]);
    EXPECT_EQ(FGame->FSavedDeck->Count(), 104);
    CloseGame();
  }
  const QImage preview = LoadPngResource(QStringLiteral("1011"));
  ASSERT_EQ(preview.size(), QSize(155, 105));
  EXPECT_NE(preview, placeholder);
  // Felt green at the top right; the band of the tableau is mostly white card faces.
  const QColor felt = preview.pixelColor(150, 2);
  EXPECT_GT(felt.green(), 2 * felt.red());
  double red = 0;
  int count = 0;
  for (int y = 28; y < 56; ++y)
    for (int x = 1; x < 154; ++x, ++count) red += preview.pixelColor(x, y).red();
  EXPECT_GT(red / count, 150.0);
}
