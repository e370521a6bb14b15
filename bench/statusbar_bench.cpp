// The status bar of a game window: a score change repaints one panel at once, after every
// move; a window resize lays every panel out again. Both should stay well under a
// millisecond.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QToolBar>

#include "widgets/wkStatusBar.h"

namespace {

struct TFoot {
  TFoot() {
    Form.resize(1000, 200);
    Bar = new TwkStatusBar(&Form);
    Bar->setGeometry(0, 174, 1000, 26);
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    Bar->Panels().BeginUpdate();
    for (const char* w : {"210", "55", "80", "130", "70", "80"}) {
      TwkStatusPanel* p = Bar->Panels().Add();
      p->SetWidth(w);
      p->SetFont(font);
    }
    auto* toolBar = new QToolBar(&Form);
    for (int i = 0; i < 6; ++i) toolBar->addAction(QString::number(i));
    Bar->Panels().Items(0)->SetComponent(toolBar);
    Bar->Panels().Items(2)->SetMargin(2);
    Bar->Panels().Items(2)->SetComponent(new QCheckBox("Autoplay", &Form));
    Bar->Panels().Items(5)->TextOptions().SetAlignment(taRightJustify);
    Bar->Panels().EndUpdate();
    Form.show();
    QApplication::processEvents();
  }
  QWidget Form;
  TwkStatusBar* Bar;
};

void ScoreTextChange(benchmark::State& state) {
  TFoot foot;
  TwkStatusPanel* score = foot.Bar->Panels().Items(5);
  int n = 0;
  for (auto _ : state) score->SetText(QStringLiteral("Score: %1").arg(++n));
}
BENCHMARK(ScoreTextChange)->Unit(benchmark::kMicrosecond);

void ResizeLayout(benchmark::State& state) {
  TFoot foot;
  int w = 900;
  for (auto _ : state) {
    w = w == 900 ? 1000 : 900;
    foot.Bar->resize(w, 26);
    QApplication::processEvents();
  }
}
BENCHMARK(ResizeLayout)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
