#pragma once
// The statistics dialog: the wins and losses of one game, or of one draw mode or Spider
// difficulty, as a pie chart, the longest and current winning streaks as bars, and the
// score figures, all read from the settings file at every change. Its pop-up menu clears
// the win/loss counts or the streaks. One dialog is created at start-up and shown modally
// by the main window and the game windows.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QtCharts/QBarSeries>
#include <QtCharts/QChartView>
#include <QtCharts/QPieSeries>
#include <memory>

#include "shell/Profile.h"
#include "shell/StatisticsFigures.h"
#include "widgets/ExCtrls.h"
#include "widgets/LblEdit.h"

class TStatisticsDlg : public QDialog {
  Q_OBJECT
public:
  enum : int { mrOk = 1, mrCancel = 2 };

  // iniPath: the settings file (the main window's FIniPath).
  explicit TStatisticsDlg(const QString& iniPath, QWidget* owner = nullptr);
  ~TStatisticsDlg() override;

  // Components.
  TExLabel* StatsLabel;
  TLblComboBox* GameSelectBox;
  QTabBar* ModeTabControl;
  QChartView* GamesWonChart;
  QPieSeries* Series1;
  QFrame* StatsBevel;
  TLblEdit* TotalAttemptsField;
  TLblEdit* AllAvgScoreField;
  TLblEdit* HighScoreField;
  TLblEdit* AvgScoreField;
  QLabel* Label1;  // "No Statistics Available"
  QChartView* StreakChart;
  QBarSeries* Series2;
  QLabel* Label2;  // "No Winning Streaks", under StreakChart
  QPushButton* OKBtn;
  QPushButton* HelpBtn;
  QMenu* PopupMenu1;
  QAction* ClearWinLoss;
  QAction* ClearStreaks1;
  std::unique_ptr<TProfile> Profile1;

  // Selects the game last launched (CurrentGame) and shows its current mode.
  void FormShow();
  void GameSelectBoxChange();
  void ModeTabControlChange();
  // Fills the fields and charts from the section Profile1 is set to.
  void ShowSectionStats();
  void ShowOverallAverage(const TSectionStats& stats);
  void ClearWinLossClick();
  void ClearStreaksClick();
  void HelpBtnClick();

  // The game shown (list index) and whether its amounts are in dollars now.
  int Game() const { return GameSelectBox->currentIndex(); }
  bool VegasScoring() const;
  // The text each pie slice shows on the chart ("##0.# %"); a nil share has no slice.
  QStringList SlicePercentTexts() const;
  // The texts the pie's legend lists, wins and losses.
  QStringList PieLegendTexts() const;

  void reject() override { done(mrCancel); }

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  // The legend's entries: wins and losses are both named even when one of them is nil and
  // has no slice. A series of its own, drawn at no size.
  QPieSeries* FLegendSeries;

  void SetSection(const QString& section) { Profile1->SetSection(section); }
  // A slice's fill: its colour, lighter towards the pie's centre.
  QBrush PieGradient(const QColor& color) const;
  // Re-centres the slices' gradients when the pie moves.
  void UpdatePieGradient();
};

// The one dialog, set at the start of its constructor.
extern TStatisticsDlg* StatisticsDlg;
