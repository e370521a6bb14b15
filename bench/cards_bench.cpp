// Composing the card pictures of one size and look (52 faces and 10 backs) from the
// artwork, which happens at every size or look change, and drawing one card, which
// happens for every card on every repaint.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "art/CardArt.h"
#include "art/CardArtParts.h"
#include "engine/Card.h"

namespace {

void Compose(int size, bool threeD) {
  switch (size) {
    case CS_SMALL: TCard::LoadSmallCardBitmaps(threeD, false); break;
    case CS_HUGE: TCard::LoadHugeCardBitmaps(threeD, false); break;
    default: TCard::LoadCardBitmaps(threeD, false); break;
  }
}

// The artwork is drawn once per run and cached; this measures the composition alone.
void ComposeFullSet(benchmark::State& state) {
  const int size = int(state.range(0));
  const bool threeD = state.range(1) != 0;
  TCard::UseImageLists(false);
  TCard::FreeCardBitmaps();
  Compose(size, threeD);  // warms the artwork cache
  for (auto _ : state) {
    TCard::FreeCardBitmaps();
    Compose(size, threeD);
    benchmark::DoNotOptimize(TCard::GetBackImage(9));
  }
  TCard::FreeCardBitmaps();
}
BENCHMARK(ComposeFullSet)
    ->ArgNames({"size", "3d"})
    ->Args({CS_SMALL, 0})
    ->Args({CS_LARGE, 0})
    ->Args({CS_HUGE, 0})
    ->Args({CS_HUGE, 1})
    ->Unit(benchmark::kMillisecond);

// Drawing the artwork one picture set needs (outline, strip, courts, Ace, backs), which
// the first use of a size and look pays before the cache holds it.
void DrawArtwork(benchmark::State& state) {
  const int size = int(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(CardArt::DrawOutline(size, false, false));
    benchmark::DoNotOptimize(CardArt::DrawSymbolStrip(size, false));
    benchmark::DoNotOptimize(CardArt::DrawAceOfSpades(size, false));
    for (int value = 10; value <= 12; ++value)
      for (int suit = 0; suit < 4; ++suit) benchmark::DoNotOptimize(CardArt::DrawCourt(size, false, value, suit));
    for (int back = 1; back <= 9; ++back) benchmark::DoNotOptimize(CardArt::DrawBack(size, back));
  }
}
BENCHMARK(DrawArtwork)->ArgName("size")->Arg(CS_SMALL)->Arg(CS_LARGE)->Arg(CS_HUGE)->Unit(benchmark::kMillisecond);

void DrawCard(benchmark::State& state) {
  TCard::UseImageLists(false);
  TCard::FreeCardBitmaps();
  TCard::SetCardSize(CS_HUGE, false, false);
  QImage canvas(800, 600, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::darkGreen);
  QPainter painter(&canvas);
  TCard card(CS_HEARTS, CS_QUEEN, 1);
  card.FSelected = state.range(0) != 0;
  for (auto _ : state) card.DrawCardOnCanvas(QPoint(100, 100), &painter);
}
BENCHMARK(DrawCard)->ArgName("selected")->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
