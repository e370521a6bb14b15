#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QDir>
#include <QGraphicsTextItem>
#include <QKeyEvent>
#include <QTest>
#include <QTextBrowser>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QPieSlice>
#include <QtCharts/QValueAxis>

#include "platform/Help.h"
#include "platform/IniFile.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "shell/StatisticsWindow.h"
#include "support/TestSupport.h"

namespace {

constexpr int Canfield = 5, DoubleKlondike = 6, Klondike = 16, Spider = 28, Yukon = 29;

class StatisticsWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    FIni = FConfig.File("Pellamy.ini");
    CurrentGame = Klondike;
  }
  void TearDown() override {
    Help::CloseAll();
    CurrentGame = -1;
  }

  void Write(const char* section, const char* key, const char* value) { TIniFile(FIni).WriteString(section, key, value); }
  QString Read(const char* section, const char* key) { return TIniFile(FIni).ReadString(section, key, "<absent>"); }
  // A section with wins, losses, scores and streaks.
  void WriteSection(const char* section) {
    Write(section, "GamesAttempted", "12");
    Write(section, "GamesWon", "5");
    Write(section, "HiScore", "40");
    Write(section, "AvgScore", "23.5714");
    Write(section, "LongestStreak", "3");
    Write(section, "CurrentStreak", "1");
    Write(section, "LongestStreakDate", "46000.75");
  }

  // The dialog as a user opens it: constructed, then shown (FormShow runs).
  std::unique_ptr<TStatisticsDlg> Open() {
    auto dlg = std::make_unique<TStatisticsDlg>(FIni);
    dlg->show();
    QCoreApplication::processEvents();
    return dlg;
  }

  static bool Shown(QWidget* w) { return w->isVisibleTo(w->window()); }
  // A slice is filled with a gradient that ends at the rim in the slice's colour.
  static QColor SliceColor(QPieSlice* slice) {
    const QGradient* gradient = slice->brush().gradient();
    if (!gradient || gradient->type() != QGradient::RadialGradient) return QColor();
    return gradient->stops().last().second;
  }
  static QStringList Tabs(const TStatisticsDlg& dlg) {
    QStringList tabs;
    for (int i = 0; i < dlg.ModeTabControl->count(); ++i) tabs << dlg.ModeTabControl->tabText(i);
    return tabs;
  }
  struct TBar {
    QString Label;
    double Value;
    QColor Color;
    bool operator==(const TBar&) const = default;
  };
  static std::vector<TBar> Bars(const TStatisticsDlg& dlg) {
    std::vector<TBar> bars;
    for (QBarSet* set : dlg.Series2->barSets()) bars.push_back({set->label(), set->at(0), set->color()});
    return bars;
  }
  // The numbers on the laid-out streak chart, axis and bars, in text order.
  static QStringList StreakNumbers(const TStatisticsDlg& dlg) {
    QCoreApplication::processEvents();
    QStringList numbers;
    for (QGraphicsItem* item : dlg.StreakChart->scene()->items())
      if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
        if (const QString t = text->toPlainText(); !t.isEmpty() && !t.contains(QLatin1String("Streak"))) numbers << t;
    numbers.sort();
    return numbers;
  }

  // Dynamic ticks lay out one item per interval: over a huge range with a small interval
  // the chart would fill gigabytes for minutes. Fails such a state the moment the axis
  // takes it, before the chart lays it out, and defuses it with fixed ticks.
  static void FailOnRunawayTicks(const TStatisticsDlg& dlg) {
    auto* axis = qobject_cast<QValueAxis*>(dlg.StreakChart->chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(axis, nullptr);
    auto check = [axis] {
      if (axis->tickType() != QValueAxis::TicksDynamic || (axis->max() - axis->min()) / axis->tickInterval() <= 1000)
        return;
      ADD_FAILURE() << "dynamic ticks every " << axis->tickInterval() << " up to " << axis->max();
      axis->setTickType(QValueAxis::TicksFixed);
    };
    for (auto changed : {&QValueAxis::minChanged, &QValueAxis::maxChanged, &QValueAxis::tickIntervalChanged})
      QObject::connect(axis, changed, axis, check);
    QObject::connect(axis, &QValueAxis::tickTypeChanged, axis, check);
  }

  PellamyTest::TScopedConfigDir FConfig;
  QString FIni;
};

TEST_F(StatisticsWindowTest, BuiltWithItsTextsAndTheThirtyGames) {
  TStatisticsDlg dlg(FIni);
  EXPECT_EQ(StatisticsDlg, &dlg);
  EXPECT_EQ(dlg.Profile1->FileName(), FIni);
  EXPECT_EQ(dlg.Profile1->DefaultText(), "None");
  EXPECT_EQ(dlg.windowTitle(), "Pellamy!");
  EXPECT_EQ(dlg.size(), QSize(516, 453));
  EXPECT_EQ(dlg.StatsLabel->Caption(), "Statistics");
  ASSERT_EQ(dlg.GameSelectBox->count(), 30);
  EXPECT_EQ(dlg.GameSelectBox->itemText(0), "Aces Up");
  EXPECT_EQ(dlg.GameSelectBox->itemText(12), "FreeCell");
  EXPECT_EQ(dlg.GameSelectBox->itemText(23), "Russian Pellamy");
  EXPECT_EQ(dlg.GameSelectBox->itemText(29), "Yukon");
  EXPECT_EQ(dlg.GameSelectBox->LabelComponent()->text(), "Game:");
  EXPECT_EQ(dlg.GameSelectBox->LabelComponent()->objectName(), "el_GameSelectBox");
  const std::pair<TLblEdit*, const char*> fields[] = {{dlg.TotalAttemptsField, "Games Attempted:"},
                                                      {dlg.AllAvgScoreField, "Overall Average Score:"},
                                                      {dlg.HighScoreField, "Highest Losing Score:"},
                                                      {dlg.AvgScoreField, "Average Score of Losses:"}};
  for (const auto& [field, label] : fields) {
    EXPECT_TRUE(field->isReadOnly()) << label;
    EXPECT_EQ(field->LabelComponent()->text(), label);
    EXPECT_EQ(field->LabelComponent()->objectName(), "el_" + field->objectName());
  }
  EXPECT_EQ(dlg.TotalAttemptsField->text(), "0");
  EXPECT_EQ(dlg.HighScoreField->text(), "N/A");
  EXPECT_EQ(dlg.Label1->text(), "No Statistics Available");
  EXPECT_EQ(dlg.Label2->text(), "No Winning Streaks");
  EXPECT_EQ(dlg.OKBtn->text(), "OK");
  EXPECT_TRUE(dlg.OKBtn->isDefault());
  EXPECT_EQ(dlg.HelpBtn->text(), "&Help");
  EXPECT_EQ(dlg.ClearWinLoss->text(), "Clear &Win/Loss Stats");
  EXPECT_EQ(dlg.ClearStreaks1->text(), "Clear &Streaks");
}

TEST_F(StatisticsWindowTest, AGameNeverPlayedShowsNoStatisticsAndNoStreaks) {
  auto dlg = Open();
  EXPECT_EQ(dlg->GameSelectBox->currentIndex(), Klondike);
  EXPECT_EQ(Tabs(*dlg), QStringList({"One Card Draw", "Three Card Draw", "Both"}));
  EXPECT_EQ(dlg->ModeTabControl->currentIndex(), 2) << "no DrawThree key: both modes";
  EXPECT_EQ(dlg->Profile1->Section(), "Klondike");
  EXPECT_TRUE(Shown(dlg->Label1));
  for (QWidget* w : std::initializer_list<QWidget*>{dlg->GamesWonChart, dlg->TotalAttemptsField, dlg->AllAvgScoreField,
                                                    dlg->HighScoreField, dlg->AvgScoreField, dlg->StatsBevel,
                                                    dlg->TotalAttemptsField->LabelComponent(), dlg->StreakChart})
    EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
  EXPECT_TRUE(Shown(dlg->Label2));
  EXPECT_TRUE(dlg->OKBtn->hasFocus());
}

TEST_F(StatisticsWindowTest, KlondikeSectionShowsEveryFigure) {
  Write("Klondike", "DrawThree", "True");
  WriteSection("KlondikeDrawThree");
  auto dlg = Open();
  EXPECT_EQ(dlg->ModeTabControl->currentIndex(), 1);
  EXPECT_EQ(dlg->Profile1->Section(), "KlondikeDrawThree");
  EXPECT_FALSE(Shown(dlg->Label1));
  EXPECT_TRUE(Shown(dlg->GamesWonChart));
  EXPECT_TRUE(Shown(dlg->StatsBevel));
  EXPECT_TRUE(Shown(dlg->HighScoreField->LabelComponent()));

  EXPECT_EQ(dlg->TotalAttemptsField->text(), "12");
  EXPECT_EQ(dlg->AllAvgScoreField->text(), "35.4");
  EXPECT_EQ(dlg->HighScoreField->text(), "40");
  EXPECT_EQ(dlg->AvgScoreField->text(), "23.6");
  EXPECT_TRUE(dlg->HighScoreField->isEnabled());
  EXPECT_TRUE(dlg->AvgScoreField->isEnabled());

  ASSERT_EQ(dlg->Series1->count(), 2);
  EXPECT_EQ(dlg->PieLegendTexts(), QStringList({"5 Wins   ", "7 Losses"}));
  EXPECT_EQ(dlg->SlicePercentTexts(), QStringList({"41.7 %", "58.3 %"}));
  EXPECT_EQ(dlg->Series1->slices()[0]->value(), 5);
  EXPECT_EQ(SliceColor(dlg->Series1->slices()[0]), QColor(0, 128, 0));
  EXPECT_EQ(dlg->Series1->slices()[1]->value(), 7);
  EXPECT_EQ(SliceColor(dlg->Series1->slices()[1]), QColor(128, 0, 0));

  EXPECT_TRUE(Shown(dlg->StreakChart));
  const std::vector<TBar> expected = {
      {"Longest Streak, Ended " + ShortDateText(46000.75), 3, QColor(0, 0, 128)},
      {"Current Streak", 1, QColor(128, 128, 0)}};
  EXPECT_EQ(Bars(*dlg), expected);
  EXPECT_TRUE(dlg->Series2->isLabelsVisible());

  dlg->setWindowTitle("Pellamy! - Statistics");
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("StatisticsWindow.png");
  EXPECT_TRUE(dlg->grab().save(path));
}

TEST_F(StatisticsWindowTest, AllWonPutsTheEmptyLossSliceFirstAndGreysTheLossFigures) {
  Write("Klondike", "DrawThree", "False");
  Write("KlondikeDrawOne", "GamesAttempted", "10");
  Write("KlondikeDrawOne", "GamesWon", "10");
  Write("KlondikeDrawOne", "LongestStreak", "10");
  Write("KlondikeDrawOne", "CurrentStreak", "10");
  auto dlg = Open();
  EXPECT_EQ(dlg->ModeTabControl->currentIndex(), 0);
  EXPECT_EQ(dlg->PieLegendTexts(), QStringList({"0 Losses   ", "10 Wins"}));
  EXPECT_EQ(dlg->SlicePercentTexts(), QStringList({"100 %"}));
  EXPECT_EQ(dlg->AllAvgScoreField->text(), "52.0");
  for (TLblEdit* field : {dlg->HighScoreField, dlg->AvgScoreField}) {
    EXPECT_FALSE(field->isEnabled());
    EXPECT_TRUE(field->text().isEmpty());
    auto* label = qobject_cast<TEnhLabel*>(field->LabelComponent());
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->ShownDisabled());
  }
  const std::vector<TBar> expected = {{"Longest Streak (in progress)", 10, QColor(0, 0, 128)},
                                      {"Current Streak", 10, QColor(128, 128, 0)}};
  EXPECT_EQ(Bars(*dlg), expected);

  // A loss recorded meanwhile: the fields come back in the window-text colour.
  Write("KlondikeDrawOne", "GamesAttempted", "11");
  Write("KlondikeDrawOne", "HiScore", "7");
  Write("KlondikeDrawOne", "AvgScore", "7");
  Write("KlondikeDrawOne", "CurrentStreak", "0");
  dlg->ShowSectionStats();
  EXPECT_TRUE(dlg->HighScoreField->isEnabled());
  EXPECT_EQ(dlg->HighScoreField->text(), "7");
  EXPECT_FALSE(qobject_cast<TEnhLabel*>(dlg->HighScoreField->LabelComponent())->ShownDisabled());
  ASSERT_EQ(dlg->Series2->count(), 1) << "current streak 0: the longest streak alone";
  EXPECT_EQ(dlg->Series2->barSets()[0]->label(), "Longest Streak, Ended ") << "no date stored";
}

TEST_F(StatisticsWindowTest, AOneSidedRecordDrawsAWholePieWithoutASeam) {
  struct TCase {
    const char* Won;
    QStringList Legend;
    double Value;
    QColor Color;
  };
  const TCase cases[] = {{"10", {"0 Losses   ", "10 Wins"}, 10, QColor(0, 128, 0)},
                         {"0", {"0 Wins   ", "10 Losses"}, 10, QColor(128, 0, 0)}};
  for (const TCase& c : cases) {
    Write("Yukon", "GamesAttempted", "10");
    Write("Yukon", "GamesWon", c.Won);
    CurrentGame = Yukon;
    auto dlg = Open();
    SCOPED_TRACE(c.Won);
    ASSERT_EQ(dlg->Series1->count(), 1) << "no slice for the nil share";
    EXPECT_EQ(dlg->Series1->slices()[0]->value(), c.Value);
    EXPECT_EQ(SliceColor(dlg->Series1->slices()[0]), c.Color);
    EXPECT_EQ(dlg->SlicePercentTexts(), QStringList({"100 %"}));
    EXPECT_EQ(dlg->PieLegendTexts(), c.Legend) << "the legend names both";

    // The fill lightens towards the centre alike in every direction: the radius to the
    // top, where a slice's outline starts, looks like the radius to the left.
    QChart* chart = dlg->GamesWonChart->chart();
    const QRectF area = chart->plotArea();
    const QPointF centre = area.topLeft() + QPointF(area.width() * dlg->Series1->horizontalPosition(),
                                                    area.height() * dlg->Series1->verticalPosition());
    const QPointF at = QPointF(dlg->GamesWonChart->mapFromScene(chart->mapToScene(centre)));
    const qreal radius = std::min(area.width(), area.height()) / 2 * dlg->Series1->pieSize();
    ASSERT_GT(radius, 40);
    const QImage shot = dlg->GamesWonChart->grab().toImage();
    int worst = 0;
    for (int k = static_cast<int>(radius * 0.1); k < radius * 0.8; ++k)
      for (int dx = -1; dx <= 1; ++dx) {
        // (dx, -k) from the centre, and the same turned a quarter to the left: (-k, -dx).
        const QColor up = shot.pixelColor(QPointF(at + QPointF(dx, -k)).toPoint());
        const QColor left = shot.pixelColor(QPointF(at + QPointF(-k, -dx)).toPoint());
        worst = std::max({worst, std::abs(up.red() - left.red()), std::abs(up.green() - left.green()),
                          std::abs(up.blue() - left.blue())});
      }
    EXPECT_LE(worst, 8) << "a line from the centre to the top";
    const QString shotName = QStringLiteral("StatisticsWindow-Won%1.png").arg(c.Won);
    EXPECT_TRUE(dlg->grab().save(QDir(QCoreApplication::applicationDirPath()).filePath(shotName)));
  }
}

TEST_F(StatisticsWindowTest, VegasScoringShowsDollarsInVegasGamesOnly) {
  TIniFile(FIni).WriteString("Preferences", "VegasScoring", "1");
  TPreferencesDlg preferences(FIni);
  ASSERT_TRUE(preferences.FVegasScoring);
  for (const char* section : {"Klondike", "DoubleKlondike"}) {
    Write(section, "GamesAttempted", "2");
    Write(section, "GamesWon", "1");
    Write(section, "HiScore", "20");
    Write(section, "AvgScore", "20");
  }
  auto dlg = Open();
  EXPECT_EQ(dlg->HighScoreField->text(), "$48");
  EXPECT_EQ(dlg->AvgScoreField->text(), "$48.00");
  EXPECT_EQ(dlg->AllAvgScoreField->text(), "$128.00");

  dlg->GameSelectBox->setCurrentIndex(DoubleKlondike);  // the list's change event
  EXPECT_EQ(dlg->Profile1->Section(), "DoubleKlondike");
  EXPECT_EQ(dlg->HighScoreField->text(), "20");
  EXPECT_EQ(dlg->AvgScoreField->text(), "20.0");
  EXPECT_EQ(dlg->AllAvgScoreField->text(), "62.0");

  preferences.FVegasScoring = false;
  dlg->GameSelectBox->setCurrentIndex(Klondike);
  EXPECT_EQ(dlg->HighScoreField->text(), "20");
}

TEST_F(StatisticsWindowTest, TabsAndGamesSwitchTheSectionShown) {
  WriteSection("Klondike");
  Write("KlondikeDrawOne", "GamesAttempted", "3");
  auto dlg = Open();
  FailOnRunawayTicks(*dlg);
  EXPECT_EQ(dlg->TotalAttemptsField->text(), "12");
  dlg->ModeTabControl->setCurrentIndex(0);
  EXPECT_EQ(dlg->Profile1->Section(), "KlondikeDrawOne");
  EXPECT_EQ(dlg->TotalAttemptsField->text(), "3");
  EXPECT_FALSE(Shown(dlg->StreakChart));
  dlg->ModeTabControl->setCurrentIndex(1);
  EXPECT_TRUE(Shown(dlg->Label1));

  Write("Spider", "Difficulty", "7");
  WriteSection("SpiderChallenging");
  dlg->GameSelectBox->setCurrentIndex(Spider);
  EXPECT_EQ(Tabs(*dlg), QStringList({"Easy", "Medium", "Challenging", "All"}));
  EXPECT_EQ(dlg->ModeTabControl->currentIndex(), 2);
  EXPECT_EQ(dlg->Profile1->Section(), "SpiderChallenging");
  EXPECT_EQ(dlg->AllAvgScoreField->text(), "57.1") << "(104 x 5 + 23.5714 x 7) / 12";
  dlg->ModeTabControl->setCurrentIndex(3);
  EXPECT_EQ(dlg->Profile1->Section(), "Spider");

  // A huge streak after a short one, and a short one again: a handful of whole-number ticks.
  Write("Yukon", "LongestStreak", "2147483647");
  dlg->GameSelectBox->setCurrentIndex(Yukon);
  EXPECT_EQ(Tabs(*dlg), QStringList({"All"}));
  EXPECT_EQ(dlg->Profile1->Section(), "Yukon");
  EXPECT_EQ(StreakNumbers(*dlg), QStringList({"0", "1,000,000,000", "1,500,000,000", "2,000,000,000", "2,147,483,647",
                                              "2,500,000,000", "500,000,000"}));
  dlg->GameSelectBox->setCurrentIndex(Klondike);
  EXPECT_EQ(StreakNumbers(*dlg), QStringList({"0", "1", "1", "2", "3", "3", "4"}));

  // Every showing starts again from the game last launched and its current mode.
  dlg->hide();
  CurrentGame = Spider;
  Write("Spider", "Difficulty", "0");
  dlg->show();
  EXPECT_EQ(dlg->GameSelectBox->currentIndex(), Spider);
  EXPECT_EQ(dlg->ModeTabControl->currentIndex(), 0);
  EXPECT_EQ(dlg->Profile1->Section(), "SpiderEasy");
}

TEST_F(StatisticsWindowTest, ClearingADrawModeGameClearsAllItsSections) {
  Write("Klondike", "DrawThree", "False");
  for (const char* section : {"Klondike", "KlondikeDrawOne", "KlondikeDrawThree", "Canfield"}) WriteSection(section);
  auto dlg = Open();
  ASSERT_EQ(dlg->Profile1->Section(), "KlondikeDrawOne");
  ASSERT_TRUE(Shown(dlg->GamesWonChart));

  dlg->ClearWinLoss->trigger();
  for (const char* section : {"Klondike", "KlondikeDrawOne", "KlondikeDrawThree"}) {
    for (const char* key : {"GamesAttempted", "GamesWon", "AvgScore", "HiScore"})
      EXPECT_EQ(Read(section, key), "None") << section << " " << key;
    EXPECT_EQ(Read(section, "LongestStreak"), "3") << section;
  }
  EXPECT_EQ(Read("Canfield", "GamesAttempted"), "12");
  EXPECT_EQ(dlg->Profile1->Section(), "KlondikeDrawOne");
  EXPECT_TRUE(Shown(dlg->Label1));
  EXPECT_FALSE(Shown(dlg->GamesWonChart));
  EXPECT_TRUE(Shown(dlg->StreakChart)) << "the streaks stay";

  dlg->ClearStreaks1->trigger();
  for (const char* section : {"Klondike", "KlondikeDrawOne", "KlondikeDrawThree"}) {
    EXPECT_EQ(Read(section, "LongestStreak"), "None") << section;
    EXPECT_EQ(Read(section, "CurrentStreak"), "None") << section;
    EXPECT_EQ(Read(section, "LongestStreakDate"), "46000.75") << section;
  }
  EXPECT_FALSE(Shown(dlg->StreakChart));
  EXPECT_TRUE(Shown(dlg->Label2));
  EXPECT_EQ(Read("Canfield", "LongestStreak"), "3");
}

TEST_F(StatisticsWindowTest, ClearingSpiderClearsEveryDifficultyAndOtherGamesTheirOwnSection) {
  for (const char* section : {"Spider", "SpiderEasy", "SpiderMedium", "SpiderChallenging", "Yukon", "Golf"})
    WriteSection(section);
  CurrentGame = Spider;
  auto dlg = Open();
  EXPECT_EQ(dlg->ModeTabControl->currentIndex(), 3);
  dlg->ClearStreaks1->trigger();
  for (const char* section : {"Spider", "SpiderEasy", "SpiderMedium", "SpiderChallenging"})
    EXPECT_EQ(Read(section, "LongestStreak"), "None") << section;
  EXPECT_EQ(Read("Spider", "GamesAttempted"), "12");

  dlg->GameSelectBox->setCurrentIndex(Yukon);
  dlg->ClearWinLoss->trigger();
  EXPECT_EQ(Read("Yukon", "GamesAttempted"), "None");
  EXPECT_EQ(Read("Golf", "GamesAttempted"), "12");
  EXPECT_EQ(Read("Spider", "GamesAttempted"), "12");
  EXPECT_TRUE(Shown(dlg->Label1));
}

TEST_F(StatisticsWindowTest, HandEditedCountsNeverDrawANegativeSlice) {
  Write("Klondike", "GamesAttempted", "3");
  Write("Klondike", "GamesWon", "5");
  auto dlg = Open();
  ASSERT_EQ(dlg->Series1->count(), 1);
  EXPECT_EQ(dlg->Series1->slices()[0]->value(), 5);
  EXPECT_EQ(dlg->SlicePercentTexts(), QStringList({"100 %"}));
  EXPECT_EQ(dlg->PieLegendTexts(), QStringList({"5 Wins   ", "0 Losses"}));

  // Figures wider than their fields show their start: the sign and the leading digits.
  Write("Klondike", "GamesAttempted", "2147483647");
  Write("Klondike", "GamesWon", "0");
  Write("Klondike", "HiScore", "-2147483648");
  Write("Klondike", "AvgScore", "-1e308");
  TPreferencesDlg preferences(FIni);
  for (const bool vegas : {false, true}) {
    preferences.FVegasScoring = vegas;
    dlg->ShowSectionStats();
    const QString sign = vegas ? "$-" : "-";
    EXPECT_EQ(dlg->HighScoreField->text(), vegas ? "$-10737418292" : "-2147483648");
    for (TLblEdit* field : {dlg->HighScoreField, dlg->AvgScoreField, dlg->AllAvgScoreField}) {
      SCOPED_TRACE(field->objectName().toStdString() + (vegas ? " in dollars" : ""));
      EXPECT_TRUE(field->text().startsWith(sign)) << field->text().toStdString();
      EXPECT_GT(field->fontMetrics().horizontalAdvance(field->text()), field->width()) << "wider than its field";
      EXPECT_EQ(field->cursorPosition(), 0);
    }
    EXPECT_EQ(dlg->TotalAttemptsField->cursorPosition(), 0);
  }
}

TEST_F(StatisticsWindowTest, ARightClickOnTheChartsOpensThePopUpMenu) {
  WriteSection("Klondike");
  auto dlg = Open();
  int shown = 0;
  QObject::connect(dlg->PopupMenu1, &QMenu::aboutToShow, [&] {
    ++shown;
    QTimer::singleShot(0, dlg->PopupMenu1, &QMenu::close);
  });
  for (QWidget* w : {dlg->GamesWonChart->viewport(), dlg->StreakChart->viewport(), static_cast<QWidget*>(dlg.get())}) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), w->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(w, &event);
  }
  EXPECT_EQ(shown, 3);
}

TEST_F(StatisticsWindowTest, KeysCloseTheDialogAndOpenHelp) {
  auto dlg = Open();
  QTest::keyClick(dlg->OKBtn, Qt::Key_F1);
  auto* help = qobject_cast<QTextBrowser*>(Help::Window());
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->source().toLocalFile().endsWith("/503.html")) << help->source().toString().toStdString();
  EXPECT_TRUE(dlg->isVisible());

  QTest::keyClick(dlg->OKBtn, Qt::Key_Escape);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), 2);

  dlg->show();
  dlg->OKBtn->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), 1);
}

}  // namespace
