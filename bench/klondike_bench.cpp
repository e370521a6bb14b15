// Klondike's window on the default gradient table: a quiet New Game (shuffle, deal,
// layout and the repaints the deal makes) at large cards, and a full repaint of the
// huge-card window. Targets: under 5 ms and under 8 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "engine/Card.h"
#include "games/klondike/KlondikeWindow.h"
#include "shell/Preferences.h"

namespace {

// Every window of the run lives in a settings folder of its own, shown on the offscreen
// platform so paint events reach the views.
TKlondikeForm* OpenKlondike(int cardSize) {
  TCard::SetCardSize(static_cast<_CardSize>(cardSize), false, false);
  TKlondikeForm* form = CreateKlondikeWindow(cardSize);
  form->show();
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  return form;
}

void CloseKlondike(TKlondikeForm* form) {
  form->FMoveCount = 0;
  form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QuietNewGame(benchmark::State& state) {
  TKlondikeForm* form = OpenKlondike(CS_LARGE);
  for (auto _ : state) {
    form->NewGame1Click(form->NewGame1);
    benchmark::DoNotOptimize(form->FGameNumber);
  }
  state.SetItemsProcessed(state.iterations());
  CloseKlondike(form);
}
BENCHMARK(QuietNewGame)->Unit(benchmark::kMillisecond);

void HugeWindowRepaint(benchmark::State& state) {
  TKlondikeForm* form = OpenKlondike(CS_HUGE);
  // A table in play: a few cards turned and home.
  for (int i = 0; i < 3; ++i) form->DeckPileViewClick(form->DeckPileView);
  for (auto _ : state) {
    form->repaint();
    QCoreApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations());
  CloseKlondike(form);
}
BENCHMARK(HugeWindowRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  // The default options: a gradient table, animation and sounds as a fresh install has them
  // (no sound device is opened: the sound manager is not created).
  TPreferencesDlg preferences;
  PreferencesDlg->FDoAnimation = false;  // a quiet deal
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
