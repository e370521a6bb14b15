#include "shell/StatisticsWindow.h"

#include <QContextMenuEvent>
#include <QGraphicsLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QRadialGradient>
#include <QShowEvent>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QPieSlice>
#include <QtCharts/QValueAxis>
#include <cmath>

#include "platform/Metrics.h"
#include "art/GameNames.h"
#include "platform/Help.h"
#include "shell/PellamyWindow.h"
#include "shell/Preferences.h"
#include "widgets/WindowFrame.h"
#include "widgets/wkUtils.h"

TStatisticsDlg* StatisticsDlg = nullptr;

namespace {

// The name a game has in the list: the main window's names, but FreeCell as one word.
QString ListName(int game) { return game == 12 ? QStringLiteral("FreeCell") : GameListName(game); }

// "##0.# %": at most one decimal, none when it is zero.
QString PercentText(double percent) {
  QString text = QString::number(std::round(percent * 10) / 10, 'f', 1);
  if (text.endsWith(QLatin1String(".0"))) text.chop(2);
  return text + QStringLiteral(" %");
}

constexpr int StreakLegendHeight = 48;

bool LowColourDisplay() { return PellamyForm && (PellamyForm->FLowColorDisplay || PellamyForm->FWin9x); }

// A chart on the dialog's own colour. It is opaque: "No Winning Streaks" lies under the
// streak chart and must not show through it.
QChart* NewChart(const QBrush& ground) {
  auto* chart = new QChart();
  chart->setBackgroundBrush(ground);
  chart->setBackgroundPen(Qt::NoPen);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setFont(Metrics::ArialFont(11));
  chart->legend()->setLabelColor(ToQColorResolved(clWindowText));
  return chart;
}

// Sets a figure's text with its start in view: setText leaves the cursor at the end, so a
// figure wider than its field would show its tail and lose its sign.
void ShowFigure(QLineEdit* field, const QString& text) {
  field->setText(text);
  field->setCursorPosition(0);
}

TLblEdit* NewField(QWidget* parent, const char* name, const char* label, const char* initial, int top) {
  auto* field = new TLblEdit(parent);
  field->setObjectName(QLatin1String(name));
  field->setGeometry(424, top, 76, 21);
  field->setReadOnly(true);
  ShowFigure(field, QLatin1String(initial));
  field->setFocusPolicy(Qt::ClickFocus);
  field->SetLabelMargin(6);
  field->SetLabelText(QLatin1String(label));
  return field;
}

}  // namespace

TStatisticsDlg::TStatisticsDlg(const QString& iniPath, QWidget* owner)
    : QDialog(owner), Profile1(std::make_unique<TProfile>()) {
  StatisticsDlg = this;
  Profile1->SetFileName(iniPath);
  setObjectName(QStringLiteral("StatisticsDlg"));
  setWindowTitle(QStringLiteral("Pellamy!"));
  setFixedSize(516, 453);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(Metrics::ArialFont(13));

  StatsLabel = new TExLabel(this);
  StatsLabel->setFont(Metrics::ArialFont(32));
  StatsLabel->SetCaption(QStringLiteral("Statistics"));
  StatsLabel->move(14, 8);

  GameSelectBox = new TLblComboBox(this);
  GameSelectBox->setObjectName(QStringLiteral("GameSelectBox"));
  GameSelectBox->setGeometry(322, 17, 182, 23);
  GameSelectBox->setMaxVisibleItems(16);
  for (int i = 0; i < GameCount; ++i) GameSelectBox->addItem(ListName(i));
  GameSelectBox->SetLabelMargin(4);
  GameSelectBox->SetLabelText(QStringLiteral("Game"));

  ModeTabControl = new QTabBar(this);
  ModeTabControl->setObjectName(QStringLiteral("ModeTabControl"));
  ModeTabControl->setGeometry(10, 56, 496, 26);
  ModeTabControl->setExpanding(false);
  ModeTabControl->setDrawBase(false);
  ModeTabControl->setFocusPolicy(Qt::TabFocus);
  ModeTabControl->addTab(QStringLiteral("All"));

  // The pie of wins and losses, its legend below it.
  const QBrush ground = palette().window();
  QChart* pie = NewChart(ground);
  Series1 = new QPieSeries();
  Series1->setPieSize(LowColourDisplay() ? 0.4 : 0.78);
  Series1->setVerticalPosition(0.47);
  pie->addSeries(Series1);
  FLegendSeries = new QPieSeries();
  FLegendSeries->setPieSize(0);
  pie->addSeries(FLegendSeries);
  GamesWonChart = new QChartView(pie, this);
  GamesWonChart->setObjectName(QStringLiteral("GamesWonChart"));
  GamesWonChart->setGeometry(8, 88, 250, 318);
  GamesWonChart->setFrameShape(QFrame::NoFrame);
  GamesWonChart->setBackgroundBrush(ground);
  connect(pie, &QChart::plotAreaChanged, this, [this] { UpdatePieGradient(); });
  // Anti-aliased drawing stands in for drawing the chart at twice the size and halving it.
  GamesWonChart->setRenderHint(QPainter::Antialiasing, !LowColourDisplay());

  Label1 = new QLabel(QStringLiteral("No Statistics Available"), this);
  Label1->setFont(Metrics::ArialFont(21));
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(8, 88, 250, 318);
  {
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, ToQColorResolved(clBtnShadow));
    Label1->setPalette(pal);
  }
  Label1->hide();

  StatsBevel = new QFrame(this);
  StatsBevel->setGeometry(262, 92, 246, 124);
  StatsBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);

  TotalAttemptsField = NewField(this, "TotalAttemptsField", "Games Attempted:", "0", 102);
  AllAvgScoreField = NewField(this, "AllAvgScoreField", "Overall Average Score:", "0", 130);
  HighScoreField = NewField(this, "HighScoreField", "Highest Losing Score:", "N/A", 158);
  AvgScoreField = NewField(this, "AvgScoreField", "Average Score of Losses:", "N/A", 186);

  // "No Winning Streaks" lies under the streak chart: it shows whenever the chart is hidden.
  Label2 = new QLabel(QStringLiteral("No Winning Streaks"), this);
  Label2->setFont(Metrics::ArialFont(21));
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setGeometry(262, 220, 250, 192);
  Label2->setPalette(Label1->palette());

  QChart* bars = NewChart(ground);
  // Streaks reach 2,147,483,647: whole numbers grouped as the pie's legend writes them. An
  // axis format of "%d" wraps above 2^31 - 1 (and shows nothing once localized); bar labels
  // of six significant digits turn into exponent form.
  bars->setLocalizeNumbers(true);
  bars->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  Series2 = new QBarSeries();
  Series2->setLabelsVisible(true);
  Series2->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  Series2->setLabelsFormat(QStringLiteral("@value"));
  Series2->setLabelsPrecision(10);
  Series2->setBarWidth(0.8);
  bars->addSeries(Series2);
  auto* category = new QBarCategoryAxis();
  category->append(QStringLiteral(" "));
  category->setVisible(false);
  bars->addAxis(category, Qt::AlignBottom);
  Series2->attachAxis(category);
  auto* counts = new QValueAxis();
  counts->setLabelFormat(QStringLiteral("%.0f"));
  counts->setLabelsFont(Metrics::ArialFont(10));
  counts->setLabelsColor(ToQColorResolved(clWindowText));
  bars->addAxis(counts, Qt::AlignLeft);
  Series2->attachAxis(counts);
  StreakChart = new QChartView(bars, this);
  StreakChart->setObjectName(QStringLiteral("StreakChart"));
  StreakChart->setGeometry(262, 220, 250, 192);
  StreakChart->setFrameShape(QFrame::NoFrame);
  StreakChart->setBackgroundBrush(ground);
  StreakChart->setRenderHint(QPainter::Antialiasing, !LowColourDisplay());
  // The bars' names are long ("Longest Streak, Ended " and a date): a legend of its own
  // below the bars, one name a line, instead of names cut short side by side.
  bars->setMargins(QMargins(2, 2, 8, StreakLegendHeight));
  bars->legend()->detachFromChart();
  bars->legend()->setAlignment(Qt::AlignTop);  // rows run down from the top of its place
  bars->legend()->setBackgroundVisible(false);
  StreakChart->hide();

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setGeometry(348, 418, 75, 25);
  OKBtn->setDefault(true);
  HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
  HelpBtn->setGeometry(431, 418, 75, 25);

  PopupMenu1 = new QMenu(this);
  ClearWinLoss = PopupMenu1->addAction(QStringLiteral("Clear &Win/Loss Stats"));
  ClearStreaks1 = PopupMenu1->addAction(QStringLiteral("Clear &Streaks"));

  connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
  connect(GameSelectBox, &QComboBox::currentIndexChanged, this, [this] { GameSelectBoxChange(); });
  connect(ModeTabControl, &QTabBar::currentChanged, this, [this] { ModeTabControlChange(); });
  connect(ClearWinLoss, &QAction::triggered, this, [this] { ClearWinLossClick(); });
  connect(ClearStreaks1, &QAction::triggered, this, [this] { ClearStreaksClick(); });
}

TStatisticsDlg::~TStatisticsDlg() {
  if (StatisticsDlg == this) StatisticsDlg = nullptr;
}

bool TStatisticsDlg::VegasScoring() const { return PreferencesDlg && PreferencesDlg->FVegasScoring; }

void TStatisticsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  WindowFrame::CentreOnScreen(this);
  FormShow();
}

void TStatisticsDlg::FormShow() {
  // Before any game was launched there is no current game: the list keeps its entry.
  if (CurrentGame >= 0 && CurrentGame < GameCount) {
    const QSignalBlocker quiet(GameSelectBox);
    GameSelectBox->setCurrentIndex(CurrentGame);
  }
  GameSelectBoxChange();
  OKBtn->setFocus();
}

void TStatisticsDlg::GameSelectBoxChange() {
  const int game = Game();
  if (game < 0) return;
  ModeTabControl->hide();
  {
    const QSignalBlocker quiet(ModeTabControl);
    while (ModeTabControl->count() > 0) ModeTabControl->removeTab(0);
    const QStringList tabs = StatsTabsOf(game);
    for (const QString& tab : tabs) ModeTabControl->addTab(tab);
    const int tab = StatsInitialTab(game, *Profile1);
    ModeTabControl->setCurrentIndex(tab);
    SetSection(StatsSectionOf(game, tab));
  }
  ModeTabControl->show();
  ShowSectionStats();
}

void TStatisticsDlg::ModeTabControlChange() {
  const int game = Game();
  if (game < 0) return;
  SetSection(StatsSectionOf(game, ModeTabControl->currentIndex()));
  ShowSectionStats();
}

void TStatisticsDlg::ShowOverallAverage(const TSectionStats& stats) {
  ShowFigure(AllAvgScoreField, stats.OverallAverage);
}

void TStatisticsDlg::ShowSectionStats() {
  const int game = Game();
  if (game < 0) return;
  const TSectionStats stats = ReadSectionStats(game, VegasScoring(), *Profile1);

  QWidget* const figures[] = {GamesWonChart, TotalAttemptsField, HighScoreField, AvgScoreField, AllAvgScoreField,
                              StatsBevel};
  if (!stats.HasStatistics) {
    for (QWidget* w : figures) w->hide();
    Label1->show();
  } else {
    ShowFigure(TotalAttemptsField, stats.Attempted);
    ShowOverallAverage(stats);

    Series1->clear();
    FLegendSeries->clear();
    // A hand-edited section may claim more wins than games: no slice is drawn below zero.
    auto sliceValue = [](const TStatsSlice& s) { return std::max(0.0, s.Value); };
    double total = 0;
    for (const TStatsSlice& s : stats.Slices) total += sliceValue(s);
    for (const TStatsSlice& slc : stats.Slices) {
      const TStatsSlice s{sliceValue(slc), slc.Label, slc.Color};
      // The legend lists each share's value before its name.
      QPieSlice* entry = FLegendSeries->append(NumberFormat(s.Value, 0) + QLatin1Char(' ') + s.Label, 1);
      entry->setBrush(ToQColor(s.Color));
      entry->setPen(Qt::NoPen);
      // A nil share has no slice; the legend still names it.
      if (s.Value <= 0) continue;
      const QString percent = PercentText(100.0 * s.Value / total);
      QPieSlice* slice = Series1->append(percent, s.Value);
      slice->setBrush(PieGradient(ToQColor(s.Color)));
      // Borders in the slice's own colour; a whole pie has none, as its outline would run
      // from the centre to the top, dark on the fill lightened there.
      if (s.Value < total)
        slice->setBorderColor(ToQColor(s.Color));
      else
        slice->setPen(Qt::NoPen);
      slice->setLabelVisible(true);
      slice->setLabelFont(Metrics::ArialFont(12, true));
      // A share that has room shows inside its slice; a thin one outside, on an arm in the
      // label's colour.
      if (s.Value / total >= 0.12) {
        slice->setLabelPosition(QPieSlice::LabelInsideHorizontal);
        slice->setLabelColor(Qt::white);
      } else {
        slice->setLabelPosition(QPieSlice::LabelOutside);
        slice->setLabelArmLengthFactor(0.1);
        slice->setLabelColor(ToQColorResolved(clWindowText));
      }
    }
    for (QLegendMarker* marker : GamesWonChart->chart()->legend()->markers(Series1)) marker->setVisible(false);

    for (QWidget* w : figures) w->show();
    Label1->hide();

    const QColor windowText = ToQColorResolved(clWindowText);
    auto showScore = [&](TLblEdit* field, bool enabled, const QString& text) {
      field->setEnabled(enabled);
      ShowFigure(field, text);
      if (enabled && field->LabelComponent()) {
        QPalette pal = field->LabelComponent()->palette();
        pal.setColor(QPalette::Active, QPalette::WindowText, windowText);
        pal.setColor(QPalette::Inactive, QPalette::WindowText, windowText);
        field->LabelComponent()->setPalette(pal);
      }
    };
    showScore(HighScoreField, stats.HighScoreEnabled, stats.HighScore);
    showScore(AvgScoreField, stats.AverageEnabled, stats.AverageOfLosses);
  }

  // Streaks.
  if (stats.Bars.empty()) {
    StreakChart->hide();
    return;
  }
  Series2->clear();
  double highest = 0;
  for (const TStatsBar& b : stats.Bars) {
    auto* set = new QBarSet(b.Label);
    set->append(b.Value);
    set->setColor(ToQColor(b.Color));
    set->setBorderColor(ToQColor(b.Color).darker(140));
    set->setLabelColor(ToQColorResolved(clWindowText));
    set->setLabelFont(Metrics::ArialFont(12, true));
    Series2->append(set);
    highest = std::max(highest, b.Value);
  }
  // Room above the highest bar for its value, and at most five whole-number steps.
  if (auto* axis = qobject_cast<QValueAxis*>(StreakChart->chart()->axes(Qt::Vertical).value(0))) {
    double step = 1;
    for (int i = 0; std::ceil(highest * 1.15 / step) > 5; ++i) step *= (i % 3 == 1) ? 2.5 : 2;  // 1 2 5 10 20 50..
    double top = step * std::max(1.0, std::ceil(highest * 1.15 / step));
    if (top <= highest) top += step;
    // Fixed ticks while range and interval change: dynamic ticks lay out one item per
    // interval, so the old interval over a new range (1 over 0..2,500,000,000, after a
    // short streak) would never finish.
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(0, top);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setTickType(QValueAxis::TicksDynamic);
  }
  // A detached legend lays out its markers only when given its place again.
  QLegend* legend = StreakChart->chart()->legend();
  legend->setGeometry(QRectF(4, StreakChart->height() - StreakLegendHeight, StreakChart->width() - 8,
                             StreakLegendHeight - 2));
  legend->update();
  StreakChart->show();
}

QBrush TStatisticsDlg::PieGradient(const QColor& color) const {
  // Each slice lightens towards the pie's centre. The slices paint in the pie's own
  // coordinates: the plot area with its top-left corner at (0, 0).
  const QSizeF area = GamesWonChart->chart()->plotArea().size();
  const QPointF centre(area.width() * Series1->horizontalPosition(),
                       area.height() * Series1->verticalPosition());
  const qreal radius = std::max(1.0, std::min(area.width(), area.height()) / 2 * Series1->pieSize());
  QRadialGradient gradient(centre, radius);
  gradient.setColorAt(0, color.lighter(170));
  gradient.setColorAt(1, color);
  return QBrush(gradient);
}

void TStatisticsDlg::UpdatePieGradient() {
  for (QPieSlice* slice : Series1->slices()) {
    const QGradient* gradient = slice->brush().gradient();
    if (gradient && !gradient->stops().isEmpty()) slice->setBrush(PieGradient(gradient->stops().last().second));
  }
}

void TStatisticsDlg::ClearWinLossClick() {
  const int game = Game();
  if (game < 0) return;
  const QString shown = Profile1->Section();
  for (const QString& section : StatsSectionsToClear(game, shown)) {
    SetSection(section);
    ClearWinLossCounts(*Profile1);
  }
  SetSection(shown);
  ShowSectionStats();
}

void TStatisticsDlg::ClearStreaksClick() {
  const int game = Game();
  if (game < 0) return;
  const QString shown = Profile1->Section();
  for (const QString& section : StatsSectionsToClear(game, shown)) {
    SetSection(section);
    ClearStreaks(*Profile1);
  }
  SetSection(shown);
  ShowSectionStats();
}

void TStatisticsDlg::HelpBtnClick() {
  const QString helpFile = PellamyForm && !PellamyForm->FHelpFile.isEmpty() ? PellamyForm->FHelpFile
                                                                            : Help::DefaultHelpFile();
  Help::HtmlHelp(helpFile, 503);
}

void TStatisticsDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    done(mrCancel);
    return;
  }
  if (event->key() == Qt::Key_F1) {
    HelpBtnClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TStatisticsDlg::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenu1->exec(event->globalPos());
  event->accept();
}

QStringList TStatisticsDlg::SlicePercentTexts() const {
  QStringList texts;
  for (QPieSlice* slice : Series1->slices()) texts << (slice->isLabelVisible() ? slice->label() : QString());
  return texts;
}

QStringList TStatisticsDlg::PieLegendTexts() const {
  QStringList texts;
  for (QLegendMarker* marker : GamesWonChart->chart()->legend()->markers())
    if (marker->isVisible()) texts << marker->label();
  return texts;
}
