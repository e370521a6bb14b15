// Spider's window: the deal by number and variation, the stock, runs and drops, undo of
// stock deals, completed suits, the win, the variations dialog and the texts.

#include "games/SpiderFamilyTesting.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QRadioButton>

#include "widgets/wkStatusBar.h"

using namespace SpiderFamilyTest;

namespace {

const TCreate SpiderGame = [](int size) -> TGameForm* { return CreateSpiderWindow(size); };

class TSpiderTest : public TSpiderFamilyTest {
protected:
  void OpenSpider(int number = 1, int size = CS_LARGE) { Open(SpiderGame, number, size); }
  TSpiderForm* Form() { return static_cast<TSpiderForm*>(FForm.data()); }
};

TEST_F(TSpiderTest, DealOneChallengingLaysOutFortyFourCardsAndShowsItsTexts) {
  OpenSpider(1);
  EXPECT_EQ(Columns(), QStringList({"#KC #2D #KH #TS QD", "#4S #6H #2D #6C 7D", "#2S #6C #JC #JS 3S",
                                    "#3H #8D #7H #8D QH", "#6S #AC #7C 7H", "#3D #9C #4H 4D",
                                    "#8S #AS #AC JH", "#5H #7S #9S TC", "#9C #8H #KH 5S", "#9H #2C #7S 4H"}));
  EXPECT_EQ(Stock()->FCards->Count(), 60);
  EXPECT_EQ(StockTopFirst(6), "#JD #TD #9H #5C #3H #QC");
  EXPECT_EQ(FForm->windowTitle(), "Spider");
  EXPECT_EQ(FForm->PanelText(2), "Variations...");
  EXPECT_EQ(FForm->PanelText(3), "Difficulty: Challenging");
  EXPECT_EQ(FForm->PanelText(4), "Game #1");
  EXPECT_EQ(FForm->PanelText(5), "Stock: 60");
  EXPECT_EQ(FForm->PanelText(6), "Score: 0");
  EXPECT_EQ(Stock()->toolTip(), "60");
  EXPECT_EQ(Key("Spider", "GameNumber"), "1");
  // The status bar hidden: number and score in the caption.
  FForm->ShowStatusBar1Click(FForm->ShowStatusBar1);
  EXPECT_EQ(FForm->windowTitle(), "Spider   Game #1");
  Arrange({{Tableau(1), "9H 8H"}}, true);
  EXPECT_EQ(FForm->windowTitle(), "Spider   Game #1   Score: 1");
}

TEST_F(TSpiderTest, EasyFiftyFourDealsSixRowsOfSpadesAndMediumTwoSuits) {
  SetKey("Spider", "Difficulty", "0");
  SetKey("Spider", "DealCount", "1");
  OpenSpider(77);
  EXPECT_EQ(Columns(), QStringList({"#TS #JS #AS #TS #TS QS", "#8S #5S #8S #JS #3S 5S", "#9S #2S #8S #4S #6S AS",
                                    "#7S #QS #2S #9S #QS QS", "#2S #6S #9S #4S 3S", "#8S #3S #AS #KS 7S",
                                    "#5S #7S #KS #KS AS", "#8S #3S #6S #QS 7S", "#9S #5S #6S #9S TS",
                                    "#5S #8S #2S #JS JS"}));
  EXPECT_EQ(Stock()->FCards->Count(), 50);
  EXPECT_EQ(FForm->PanelText(3), "Difficulty: Easy");
  SetKey("Spider", "Difficulty", "1");
  SetKey("Spider", "DealCount", "0");
  DealNumber(5);
  EXPECT_EQ(Text(Tableau(1)), "#5S #AS #TS #9H 7H");
  EXPECT_EQ(Text(Tableau(10)), "#2S #3S #5H 6H");
  EXPECT_EQ(FForm->PanelText(3), "Difficulty: Medium");
  // An unusable value deals the default.
  SetKey("Spider", "Difficulty", "7");
  DealNumber(1);
  EXPECT_EQ(Text(Tableau(1)), "#KC #2D #KH #TS QD");
}

TEST_F(TSpiderTest, RestartDealsTheSameCardsWithTheVariationsOfThatDeal) {
  SetKey("Spider", "DealCount", "1");
  OpenSpider(9);
  const QStringList opening = Columns();
  SetKey("Spider", "DealCount", "0");
  SetKey("Spider", "Difficulty", "0");
  FForm->DeckPileViewClick(Stock());
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(Columns(), opening);
  EXPECT_EQ(Stock()->FCards->Count(), 50);
  EXPECT_EQ(FForm->PanelText(3), "Difficulty: Challenging");
  EXPECT_TRUE(FDevice.Played.contains("RESTART"));
}

TEST_F(TSpiderTest, TheStockDealsOneFaceUpCardToEachPileAndUndoTakesAllTenBack) {
  OpenSpider(1);
  Click(Stock(), QPoint(20, 20));
  EXPECT_EQ(Text(Tableau(1)), "#KC #2D #KH #TS QD JD");
  EXPECT_EQ(Text(Tableau(2)), "#4S #6H #2D #6C 7D TD");
  EXPECT_EQ(Text(Tableau(10)), "#9H #2C #7S 4H 4S");
  EXPECT_EQ(Stock()->FCards->Count(), 50);
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_EQ(FForm->PanelText(5), "Stock: 50");
  EXPECT_TRUE(FDevice.Played.contains("DEAL"));
  EXPECT_EQ(FForm->FUndo->StepCount(), 10);

  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "#KC #2D #KH #TS QD");
  EXPECT_EQ(Text(Tableau(10)), "#9H #2C #7S 4H");
  EXPECT_EQ(Stock()->FCards->Count(), 60);
  EXPECT_EQ(StockTopFirst(3), "#JD #TD #9H");
  EXPECT_EQ(FForm->FMoveCount, 0);  // the deal's move goes back with it
  EXPECT_FALSE(FForm->Undo1->isEnabled());
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(1)), "#KC #2D #KH #TS QD JD");
  EXPECT_EQ(Stock()->FCards->Count(), 50);
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_FALSE(FForm->Redo1->isEnabled());
}

TEST_F(TSpiderTest, AStockClickWithAnEmptyPileIsRefusedWithAMessage) {
  OpenSpider(1);
  Arrange({{Tableau(1), "9H"}, {Tableau(2), "8S"}, {Tableau(3), "KD"}, {Tableau(4), "QD"}, {Tableau(5), "3C"},
           {Tableau(6), "4C"}, {Tableau(7), "5C"}, {Tableau(8), "6C"}, {Tableau(9), "7C"}},
          true);
  const int stock = Stock()->FCards->Count();
  FForm->FormKeyPress(QLatin1Char(' '));
  ASSERT_EQ(FPrompts, QStringList{"You must fill empty tableau spaces first."});
  EXPECT_EQ(FPromptData.front().Buttons, Prompts::TButtons::Ok);
  EXPECT_EQ(FPromptData.front().Icon, Prompts::TIcon::Information);
  EXPECT_EQ(Stock()->FCards->Count(), stock);
  EXPECT_EQ(FForm->FMoveCount, 0);
  EXPECT_FALSE(FForm->Undo1->isEnabled());
}

TEST_F(TSpiderTest, RunsOfAnySuitMoveOntoACardOneHigherAndTheExposedCardTurnsUp) {
  OpenSpider(1);
  Arrange({{Tableau(1), "#4C 9D 8S 7H"}, {Tableau(2), "#2C TH"}, {Tableau(3), "9S 5D"}, {Tableau(4), ""}}, true);
  DragTo(Tableau(1), 1, Tableau(2));
  EXPECT_EQ(Text(Tableau(2)), "#2C TH 9D 8S 7H");
  EXPECT_EQ(Text(Tableau(1)), "4C");
  EXPECT_EQ(FForm->FMoveCount, 1);
  EXPECT_TRUE(FDevice.Played.contains("CARDDOWN"));
  // A broken run does not lift; a single card may fill a space.
  DragTo(Tableau(3), 0, Tableau(4));
  EXPECT_EQ(Text(Tableau(3)), "9S 5D");
  DragTo(Tableau(3), 1, Tableau(4));
  EXPECT_EQ(Text(Tableau(4)), "5D");
  EXPECT_EQ(FForm->FMoveCount, 2);
  // Undo takes the turn-up back with its move.
  FForm->Undo1Click(FForm->Undo1);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "#4C 9D 8S 7H");
  EXPECT_EQ(FForm->FMoveCount, 0);
  FForm->Redo1Click(FForm->Redo1);
  EXPECT_EQ(Text(Tableau(1)), "4C");
  EXPECT_EQ(FForm->FMoveCount, 1);
}

TEST_F(TSpiderTest, SameSuitMovesOnlyStopMixedRunsButNotSingleCards) {
  SetKey("Spider", "SameSuitBuilds", "True");
  OpenSpider(1);
  EXPECT_TRUE(Form()->FSameSuit);
  Arrange({{Tableau(1), "9D 8S 7S"}, {Tableau(2), "TH"}, {Tableau(3), "8C"}}, true);
  DragTo(Tableau(1), 0, Tableau(2));
  EXPECT_EQ(Text(Tableau(2)), "TH");
  DragTo(Tableau(1), 1, Tableau(2));
  EXPECT_EQ(Text(Tableau(2)), "TH");  // 8S on TH: not one lower
  Arrange({{Tableau(1), "9D 8S 7S"}, {Tableau(2), "9H"}, {Tableau(3), "8C"}}, true);
  DragTo(Tableau(1), 1, Tableau(2));
  EXPECT_EQ(Text(Tableau(2)), "9H 8S 7S");
  DragTo(Tableau(3), 0, Tableau(1));  // a single club on the diamond
  EXPECT_EQ(Text(Tableau(1)), "9D 8C");
}

TEST_F(TSpiderTest, AWholeSuitGoesOnlyOntoAnEmptyFoundationAndWithAutoplayByItself) {
  OpenSpider(1);
  Arrange({{Tableau(1), "#5D " + KingDown('S')}, {Tableau(2), "3H"}, {Foundation(1), KingDown('H')}}, true);
  DragTo(Tableau(1), 1, Foundation(1));
  EXPECT_EQ(Tableau(1)->FCards->Count(), 14);
  DragTo(Tableau(1), 1, Foundation(2));
  EXPECT_EQ(Text(Foundation(2)), KingDown('S'));
  EXPECT_EQ(Text(Tableau(1)), "5D");
  EXPECT_TRUE(FDevice.Played.contains("AUTOPLAY"));
  EXPECT_EQ(FForm->FScore, 26);
  FForm->Undo1Click(FForm->Undo1);
  EXPECT_EQ(Text(Tableau(1)), "#5D " + KingDown('S'));

  FForm->Autoplay1Click(FForm->Autoplay1);
  Arrange({{Tableau(1), "#5D " + KingDown('S', 12)}, {Tableau(2), "AS"}, {Foundation(1), KingDown('H')}}, true);
  DragTo(Tableau(2), 0, Tableau(1));
  EXPECT_EQ(Text(Foundation(2)), KingDown('S'));
  EXPECT_EQ(Text(Tableau(1)), "5D");
  EXPECT_EQ(FForm->FMoveCount, 2);
  FForm->Undo1Click(FForm->Undo1);  // the run and its turn-up go back together
  EXPECT_EQ(Text(Tableau(1)), "#5D " + KingDown('S'));
  EXPECT_EQ(FForm->FMoveCount, 1);
}

TEST_F(TSpiderTest, SmartDraggingTriesHomeThenTheSameSuitThenAnyCardThenASpace) {
  OpenSpider(1);
  PreferencesDlg->FSmartDragging = true;
  Arrange({{Tableau(1), "9C 8H"}, {Tableau(2), "9D"}, {Tableau(3), ""}, {Tableau(4), "9H"}, {Tableau(5), "KD"},
           {Tableau(6), KingDown('S')}},
          true);
  const QPoint table(440, 600);
  Drag(Tableau(1), TopPoint(Tableau(1)), FForm.data(), table);
  EXPECT_EQ(Text(Tableau(4)), "9H 8H");
  Drag(Tableau(4), TopPoint(Tableau(4)), FForm.data(), table);
  EXPECT_EQ(Text(Tableau(1)), "9C 8H");  // no heart Nine left: the first Nine
  Drag(Tableau(5), TopPoint(Tableau(5)), FForm.data(), table);
  EXPECT_EQ(Text(Tableau(3)), "KD");
  Drag(Tableau(6), CardPoint(Tableau(6), 0), FForm.data(), table);
  EXPECT_EQ(Text(Foundation(1)), KingDown('S'));
  EXPECT_EQ(FForm->FMoveCount, 4);
}

TEST_F(TSpiderTest, TheMiddleButtonOnAPileDealsTheStockAndTheMenuHasVariationsAfterAutoplay) {
  OpenSpider(1);
  QTest::mousePress(Tableau(4), Qt::MiddleButton, {}, QPoint(20, 20));
  QTest::mouseRelease(Tableau(4), Qt::MiddleButton, {}, QPoint(20, 20));
  EXPECT_EQ(Stock()->FCards->Count(), 50);
  EXPECT_EQ(FForm->FMoveCount, 1);
  QStringList names;
  for (QAction* action : FForm->PopupMenu1->actions())
    if (!action->isSeparator()) names << action->objectName();
  EXPECT_EQ(names, QStringList({"Undo1", "Redo1", "Autoplay1", "OptionsMenuItem", "NewGame1", "SelectGame1",
                                "Restart1", "Preferences1", "About1", "Statistics1", "ShowStatusBar1"}));
  EXPECT_EQ(Form()->OptionsMenuItem->text(), "&Variations...");
}

TEST_F(TSpiderTest, TheLastSuitHomeWinsAndRecordsInSpiderAndTheDifficultySection) {
  SetKey("Spider", "Difficulty", "1");
  OpenSpider(1);
  FForm->Autoplay1Click(FForm->Autoplay1);
  std::map<TCardPileView*, QString> layout;
  for (int f = 1; f <= 7; ++f) layout[Foundation(f)] = KingDown(f % 2 ? 'H' : 'S');
  layout[Tableau(1)] = KingDown('S', 12);
  layout[Tableau(2)] = "AS";
  Arrange(layout);
  FForm->FMoveCount = 20;
  DragTo(Tableau(2), 0, Tableau(1));
  EXPECT_TRUE(FForm->FGameOver);
  EXPECT_EQ(FForm->FScore, 104);
  EXPECT_FALSE(FForm->Restart1->isEnabled());
  EXPECT_TRUE(FDevice.Played.contains("WIN_SND"));
  EXPECT_EQ(Key("Spider", "GamesWon"), "1");
  EXPECT_EQ(Key("SpiderMedium", "GamesWon"), "1");
  EXPECT_EQ(Key("SpiderChallenging", "GamesWon"), "None");
  FWinResult = TWinForm::mrCancel;
  Click(Foundation(3), QPoint(20, 20));
  EXPECT_EQ(FWinDialogs, 1);
  FWinResult = TWinForm::mrCancel;
  FForm->DeckPileViewClick(Stock());
  EXPECT_EQ(FWinDialogs, 2);
}

TEST_F(TSpiderTest, ResigningFromTenMovesCountsALossInBothSections) {
  OpenSpider(1);
  FForm->FMoveCount = 9;
  bool canClose = false;
  FForm->FormCloseQuery(FForm, canClose);
  EXPECT_TRUE(canClose);
  EXPECT_TRUE(FPrompts.isEmpty());
  FForm->FMoveCount = 10;
  FForm->NewGame1Click(FForm->NewGame1);  // New Game asks from eleven moves on
  EXPECT_TRUE(FPrompts.isEmpty());
  FForm->FMoveCount = 10;
  FAnswer = Prompts::IDCANCEL;
  FForm->FormCloseQuery(FForm, canClose);
  EXPECT_FALSE(canClose);
  EXPECT_EQ(FPrompts, QStringList{"Resign this game of Spider?\n\nNote:\nA resigned game counts as a loss."});
  FAnswer = Prompts::IDOK;
  FForm->FormCloseQuery(FForm, canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(Key("Spider", "GamesAttempted"), "1");
  EXPECT_EQ(Key("SpiderChallenging", "GamesAttempted"), "1");
  EXPECT_EQ(Key("SpiderChallenging", "CurrentStreak"), "0");
  FForm->FMoveCount = 11;
  FPrompts.clear();
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(FPrompts, QStringList{"Restart this game of Spider?"});
}

TEST_F(TSpiderTest, TheVariationsDialogLoadsDefaultsAndAppliesToTheNextDealOrDealsNow) {
  OpenSpider(1);
  const QStringList opening = Columns();
  FOptionsAnswer = [](TSpiderOptionsForm* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Spider Variations");
    EXPECT_EQ(dialog->DifficultyIndex(), 2);
    EXPECT_EQ(dialog->DealIndex(), 0);
    EXPECT_FALSE(dialog->SameSuitCheckBox->isChecked());
    EXPECT_EQ(dialog->DifficultyItems[1]->text(), "Medium: 2 suits (Spades && Hearts)");
    dialog->SetDifficultyIndex(0);
    dialog->SetDealIndex(1);
    dialog->SameSuitCheckBox->setChecked(true);
    dialog->ApplyNextButton->click();
  };
  EXPECT_EQ(Key("Spider", "Difficulty"), "None");
  Form()->OptionsMenuItemClick(Form()->OptionsMenuItem);
  EXPECT_EQ(FOptionsDialogs, 1);
  EXPECT_EQ(Key("Spider", "Difficulty"), "0");
  EXPECT_EQ(Key("Spider", "DealCount"), "1");
  EXPECT_EQ(Key("Spider", "SameSuitBuilds"), "True");
  EXPECT_EQ(Columns(), opening);  // the current game goes on
  FForm->NewGame1Click(FForm->Restart1);
  EXPECT_EQ(Columns(), opening);
  EXPECT_EQ(FForm->PanelText(3), "Difficulty: Challenging");

  // The status-bar panel opens the same dialog; Deal Now deals at once.
  FOptionsAnswer = [](TSpiderOptionsForm* dialog) {
    EXPECT_EQ(dialog->DifficultyIndex(), 0);
    EXPECT_TRUE(dialog->SameSuitCheckBox->isChecked());
    dialog->DealButton->click();
  };
  FForm->GameStatusBar->Panels().Items(2)->OnClick(FForm->GameStatusBar->Panels().Items(2));
  EXPECT_EQ(FOptionsDialogs, 2);
  EXPECT_EQ(FForm->PanelText(3), "Difficulty: Easy");
  EXPECT_EQ(Stock()->FCards->Count(), 50);
  EXPECT_TRUE(Form()->FSameSuit);
  EXPECT_EQ(FForm->GameStatusBar->Panels().Items(2)->Bevel(), pbRaised);
  // Cancel changes nothing.
  FOptionsAnswer = [](TSpiderOptionsForm* dialog) {
    dialog->SetDifficultyIndex(2);
    dialog->CancelButton->click();
  };
  const QStringList now = Columns();
  EXPECT_EQ(Form()->OptionsMenuItem->shortcut(), QKeySequence(Qt::Key_F2));
  Form()->OptionsMenuItem->trigger();
  EXPECT_EQ(FOptionsDialogs, 3);
  EXPECT_EQ(Key("Spider", "Difficulty"), "0");
  EXPECT_EQ(Columns(), now);
  // Closing the window releases the dialog.
  Close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(SpiderOptionsForm, nullptr);
}

TEST_F(TSpiderTest, EachSizeDrawsItsOpeningLayoutWithinItsWindow) {
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/spider-shots");
  QDir().mkpath(folder);
  const char* sizes[] = {"small", "large", "huge"};
  for (int size : {CS_SMALL, CS_LARGE, CS_HUGE}) {
    OpenSpider(1, size);
    FForm->DeckPileViewClick(Stock());
    const QImage shot = FForm->grab().toImage();
    shot.save(folder + QStringLiteral("/Spider-%1.png").arg(QLatin1String(sizes[size])));
    for (TCardPileView* view : FForm->FTableau)
      EXPECT_TRUE(FForm->rect().contains(view->geometry().topRight())) << size;
    const QPoint inCard = Tableau(10)->mapTo(FForm.data(), TopPoint(Tableau(10)));
    EXPECT_NE(shot.pixelColor(inCard), QColor(0, 64, 0)) << size;
    Close();
  }
  TSpiderOptionsForm dialog;
  dialog.LoadOptions();
  dialog.grab().save(folder + QStringLiteral("/SpiderVariations.png"));
  EXPECT_EQ(dialog.size(), QSize(281, 329));
  for (QWidget* child : dialog.findChildren<QWidget*>())
    EXPECT_TRUE(dialog.rect().contains(child->mapTo(&dialog, child->rect().bottomRight())))
        << child->objectName().toStdString();
}

}  // namespace
