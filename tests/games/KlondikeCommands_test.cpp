// Klondike's commands: confirmations and thresholds, statistics of abandoned deals,
// Vegas money, Select Game, status bar and caption, keys, minimum size.

#include "games/KlondikeTesting.h"

#include <QCheckBox>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include "engine/Background.h"
#include "widgets/wkStatusBar.h"

#include "platform/Metrics.h"
#include "shell/GameSelectWindow.h"

using namespace GamesTest;

namespace {

class TKlondikeCommands : public TKlondikeTest {
protected:
  // n moves made by turning the stock.
  void Moves(int n) {
    for (int i = 0; i < n; ++i) FForm->DeckPileViewClick(Stock());
    ASSERT_EQ(FForm->FMoveCount, n);
  }
  const QString Resign = "Resign this game of Klondike?\n\nNote:\nA resigned game counts as a loss.";
  const QString Restart = "Restart this game of Klondike?";
};

}  // namespace

TEST_F(TKlondikeCommands, ClosingBelowTheThresholdAsksAndRecordsNothing) {
  Open(1);
  Moves(4);
  EXPECT_TRUE(FForm->close());
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "None");
}

TEST_F(TKlondikeCommands, ClosingAtTheThresholdAsksAndOkRecordsALossInBothSections) {
  Open(1);
  Moves(5);
  FForm->DiscardPileViewDblClick(Tableau(5));  // AH home: score 1
  EXPECT_TRUE(FForm->close());
  EXPECT_EQ(FPrompts, QStringList{Resign});
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");
  EXPECT_EQ(Key("Klondike", "AvgScore"), "1");
  EXPECT_EQ(Key("Klondike", "LastGame"), "False");
  EXPECT_EQ(Key("KlondikeDrawThree", "GamesAttempted"), "1");
  EXPECT_EQ(Key("KlondikeDrawOne", "GamesAttempted"), "None");
}

TEST_F(TKlondikeCommands, CancellingTheResignKeepsTheWindowAndRecordsNothing) {
  Open(1);
  Moves(5);
  FAnswer = Prompts::IDCANCEL;
  EXPECT_FALSE(FForm->close());
  EXPECT_FALSE(FForm.isNull());
  EXPECT_TRUE(FForm->isVisible());
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "None");
}

TEST_F(TKlondikeCommands, SkipConfirmsRecordsTheLossSilently) {
  Open(1);
  PreferencesDlg->FSkipConfirms = true;
  FForm->DrawOne1Click(FForm->DrawOne1);
  Moves(5);
  EXPECT_TRUE(FForm->close());
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");
  EXPECT_EQ(Key("KlondikeDrawOne", "GamesAttempted"), "1");
  EXPECT_EQ(Key("KlondikeDrawThree", "GamesAttempted"), "None");
}

TEST_F(TKlondikeCommands, NewGameAtFiveMovesNeitherAsksNorRecordsNorCharges) {
  Open(1);
  Moves(5);
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_TRUE(FPrompts.isEmpty());
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "None");
  EXPECT_EQ(FForm->FVegasBalance, -52);
  EXPECT_EQ(FForm->FMoveCount, 0);
}

TEST_F(TKlondikeCommands, NewGameAtSixMovesResignsRecordsAndChargesTheStake) {
  Open(1);
  Moves(6);
  FForm->DiscardPileViewDblClick(Tableau(5));  // one card home
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FPrompts, QStringList{Resign});
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");
  EXPECT_EQ(FForm->FVegasBalance, -52 + 5 - 52);
  EXPECT_NE(FForm->FGameNumber, 0);
  // Cancel leaves the deal as it was.
  Moves(6);
  const int number = FForm->FGameNumber;
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FForm->FGameNumber, number);
  EXPECT_EQ(FForm->FMoveCount, 6);
  EXPECT_EQ(FForm->FVegasBalance, -99);
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");
}

TEST_F(TKlondikeCommands, RestartAsksFromSixMovesAndRecordsNothing) {
  Open(1);
  Moves(5);
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_TRUE(FPrompts.isEmpty());
  Moves(6);
  FAnswer = Prompts::IDCANCEL;
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts, QStringList{Restart});
  EXPECT_EQ(FForm->FMoveCount, 6);
  FAnswer = Prompts::IDOK;
  FForm->RestartSpeedButtonClick(FForm->RestartSpeedButton);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(FForm->FGameNumber, 1);
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "None");
  EXPECT_EQ(FForm->FVegasBalance, -52);
}

TEST_F(TKlondikeCommands, VegasScoringShowsDollarsAndCarriesTheBalance) {
  PreferencesDlg->FVegasScoring = true;
  Open(1);
  EXPECT_EQ(FForm->PanelText(5), "Score: $-52");
  Arrange({{Foundation(1), SuitRun('C', 13)},
           {Foundation(2), SuitRun('D', 13)},
           {Foundation(3), SuitRun('H', 13)},
           {Foundation(4), SuitRun('S', 12)},
           {Tableau(1), "KS"}});
  FForm->DiscardPileViewDblClick(Tableau(1));
  ASSERT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->PanelText(5), "Score: $208");
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FForm->FVegasBalance, 156);
  EXPECT_EQ(FForm->PanelText(5), "Score: $156");
  // The balance moves the same with Vegas scoring hidden.
  PreferencesDlg->FVegasScoring = false;
  Moves(6);
  FForm->NewGame1Click(FForm->NewGame1);
  EXPECT_EQ(FForm->FVegasBalance, 104);
  EXPECT_EQ(FForm->PanelText(5), "Score: 0");
}

TEST_F(TKlondikeCommands, SelectGameRecordsTheAbandonedDealAndDealsTheChosenNumber) {
  TGameSelectDlg dialog(FIni);
  GameSelectDlg = &dialog;
  Open(1);
  Moves(6);
  QTimer::singleShot(0, [&] {
    dialog.SpinEdit->SetValue(617);
    dialog.OKBtn->click();
  });
  FForm->SelectGame1Click(FForm->SelectGame1);
  GameSelectDlg = nullptr;
  EXPECT_TRUE(FPrompts.isEmpty());  // chosen deals are not prompted
  EXPECT_EQ(FForm->FGameNumber, 617);
  EXPECT_EQ(Text(Tableau(1)), "AC");
  EXPECT_EQ(Key("Klondike", "GameNumber"), "617");
  EXPECT_EQ(Key("Klondike", "GamesAttempted"), "1");
  EXPECT_EQ(Key("KlondikeDrawThree", "GamesAttempted"), "1");
  EXPECT_EQ(FForm->FVegasBalance, -104);
  EXPECT_TRUE(FForm->FRandomDeal);
}

TEST_F(TKlondikeCommands, HidingTheStatusBarMovesNumberAndScoreIntoTheCaption) {
  Open(1);
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_FALSE(FForm->GameStatusBar->isVisible());
  EXPECT_FALSE(FForm->ShowStatusBar1->isChecked());
  EXPECT_EQ(FForm->windowTitle(), "Klondike   Game #1");
  EXPECT_EQ(Key("Klondike", "ShowStatusBar"), "False");
  FForm->DiscardPileViewDblClick(Tableau(5));
  EXPECT_EQ(FForm->windowTitle(), "Klondike   Game #1   Score: 1");
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Klondike");
  EXPECT_EQ(FForm->PanelText(5), "Score: 1");
}

TEST_F(TKlondikeCommands, SavedOptionsAreReadBack) {
  WritePrivateProfileString("Klondike", "ShowStatusBar", "False", FIni);
  WritePrivateProfileString("Klondike", "Autoplay", "True", FIni);
  Open(1);
  EXPECT_FALSE(FForm->FShowStatusBar);
  EXPECT_FALSE(FForm->GameStatusBar->isVisible());
  EXPECT_TRUE(FForm->FAutoplay);
  EXPECT_TRUE(FForm->AutoPlayCheckBox->isChecked());
  EXPECT_TRUE(FForm->Autoplay1->isChecked());
  FForm->AutoPlayCheckBox->click();
  EXPECT_FALSE(FForm->FAutoplay);
  EXPECT_FALSE(FForm->Autoplay1->isChecked());
  EXPECT_EQ(Key("Klondike", "Autoplay"), "False");
}

TEST_F(TKlondikeCommands, LetterKeysActOnlyWithoutTheCtrlKeyOption) {
  Open(1);
  PreferencesDlg->FCtrlKey = true;
  QTest::keyClick(FForm.data(), Qt::Key_A);
  EXPECT_FALSE(FForm->FAutoplay);
  PreferencesDlg->FCtrlKey = false;
  QTest::keyClick(FForm.data(), Qt::Key_A);
  EXPECT_TRUE(FForm->FAutoplay);
  QTest::keyClick(FForm.data(), Qt::Key_A);
  EXPECT_FALSE(FForm->FAutoplay);
  Moves(2);
  QTest::keyClick(FForm.data(), Qt::Key_Z);
  EXPECT_EQ(FForm->FMoveCount, 1);
  QTest::keyClick(FForm.data(), Qt::Key_R);
  EXPECT_EQ(FForm->FMoveCount, 2);
  QTest::keyClick(FForm.data(), Qt::Key_Y);  // restart
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_EQ(FForm->FGameNumber, 1);
  QTest::keyClick(FForm.data(), Qt::Key_N);
  EXPECT_NE(Key("Klondike", "GameNumber"), "None");
  QTest::keyClick(FForm.data(), Qt::Key_S);
  EXPECT_EQ(FStatisticsDialogs, 1);
}

TEST_F(TKlondikeCommands, MenuItemsShortcutsAndToolButtonsAreInPlace) {
  Open(1);
  QStringList items;
  for (QAction* a : FForm->PopupMenu1->actions())
    items << (a->isSeparator() ? QString("-") : a->text() + (a->shortcut().isEmpty() ? "" : "\t" + a->shortcut().toString()));
  EXPECT_EQ(items, (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+R", "-", "&Autoplay\tCtrl+A", "-",
                                "Draw &Three", "&Draw One", "-", "&New Game\tCtrl+N",
                                "Select &Game...\tCtrl+G", "R&estart\tCtrl+Y", "-", "&Options...\tCtrl+O",
                                "&Help / Rules...\tF1", "&Statistics...\tCtrl+S", "-",
                                "Show Status &Bar\tF5"}));
  QStringList hints;
  for (QAction* a : FForm->SpeedBar->actions()) hints << (a->isSeparator() ? QString("-") : a->toolTip());
  EXPECT_EQ(hints, (QStringList{"Undo", "Redo", "-", "New Game", "Select Game...", "Restart Game", "-",
                                "Options...", "Rules...", "Statistics..."}));
  EXPECT_FALSE(FForm->UndoSpeedButton->isEnabled());
  Moves(1);
  EXPECT_TRUE(FForm->UndoSpeedButton->isEnabled());
  FForm->UndoSpeedButton->trigger();
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->NewGameSpeedButton->trigger();
  EXPECT_NE(FForm->FGameNumber, 1);
}

TEST_F(TKlondikeCommands, TheMinimumSizeIsTheTablesUnlessMaximized) {
  Open(1);
  EXPECT_EQ(FForm->WMGetMinMaxInfo(), QSize(672 + 2 * Metrics::FrameWidth, 480));
  EXPECT_EQ(FForm->minimumSize(), QSize(672, 480 - Metrics::CaptionHeight - 2 * Metrics::FrameHeight));
  FForm->showMaximized();
  QCoreApplication::processEvents();
  if (FForm->isMaximized()) {
    EXPECT_FALSE(FForm->WMGetMinMaxInfo().isValid());
    EXPECT_EQ(FForm->minimumSize(), QSize(0, 0));
  }
}

TEST_F(TKlondikeCommands, ResizingStretchesTheTableauAndKeepsTheStatusBarAtTheFoot) {
  Open(1);
  FForm->resize(800, 600);
  QCoreApplication::processEvents();
  // The column stretches down to the status bar, not under it.
  EXPECT_EQ(Tableau(1)->geometry(), QRect(8, 152, 80, 600 - 26 - 152));
  EXPECT_EQ(Foundation(4)->geometry(), QRect(584, 8, 80, 125));
  EXPECT_EQ(FForm->GameStatusBar->geometry(), QRect(0, 600 - 26, 800, 26));
}

TEST_F(TKlondikeCommands, OptionsApplyTheBackgroundAndTheFanSpacing) {
  Open(1);
  // The default gradient: the views copy the table's picture behind their cards.
  EXPECT_EQ(Tableau(1)->BackgroundMode, CS_BITMAP);
  EXPECT_EQ(FForm->zBackground1->BackType(), btBlend);
  EXPECT_EQ(Tableau(2)->YOffset, 28.0f);
  // A tiled picture that is missing falls back to the solid colour.
  PreferencesDlg->FBackgroundIndex = 2;
  PreferencesDlg->FBackgroundPicture = QImage();
  PreferencesDlg->FBackgroundColor = 0x00112233;
  PreferencesDlg->FCardSpacing = 20;
  FForm->ApplyPreferences();
  EXPECT_EQ(Tableau(1)->BackgroundMode, CS_NORMAL);
  EXPECT_EQ(FForm->zBackground1->BackType(), btNormal);
  EXPECT_EQ(FForm->palette().color(QPalette::Window), QColor(0x33, 0x22, 0x11));
  EXPECT_EQ(Tableau(2)->YOffset, 20.0f);
  // With the picture there, it is tiled.
  QImage tile(32, 32, QImage::Format_RGB32);
  tile.fill(Qt::red);
  PreferencesDlg->FBackgroundPicture = tile;
  FForm->ApplyPreferences();
  EXPECT_EQ(FForm->zBackground1->BackType(), btBitmap);
  EXPECT_EQ(Tableau(1)->BackgroundMode, CS_BITMAP);
  const QImage window = FForm->grab().toImage();
  EXPECT_EQ(window.pixelColor(384, 440), QColor(Qt::red));
  EXPECT_EQ(window.pixelColor(40, 440), QColor(Qt::red)) << "inside pile 1, below its card";
}
