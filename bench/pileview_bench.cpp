// Painting pile views at the huge card size, and one step of a drag: the costs a player
// feels while moving cards around. Each should stay well under a millisecond.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <memory>
#include <vector>

#include "engine/Card.h"
#include "engine/CardPileView.h"
#include "engine/PyramidPileView.h"

namespace {

struct TTable {
  TTable() {
    TCard::SetCardSize(CS_HUGE, false, false);
    Window.resize(1400, 1000);
    Window.setAutoFillBackground(true);
    Deck.AddDeck();
    for (TCard* card : Deck.FList) card->FFaceUp = true;
  }
  ~TTable() { Deck.Empty(true); }

  TCard* Card(int i) { return Deck.FList[static_cast<std::size_t>(i % 52)]; }

  QWidget Window;
  TCardPile Deck;
};

// A tall tableau of 20 cards, 6 face down, fanned by the huge spacing.
void PaintFannedView(benchmark::State& state) {
  TTable table;
  TCardPileView view(&table.Window);
  view.setGeometry(10, 10, 120, 900);
  view.AllowDrag = true;
  view.YOffset = 28;
  for (int i = 0; i < 20; ++i) {
    table.Card(i)->FFaceUp = i >= 6;
    view.FCards->AddCard(table.Card(i));
  }
  QImage canvas(view.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    view.render(&canvas);
    benchmark::DoNotOptimize(canvas.constBits());
  }
}
BENCHMARK(PaintFannedView)->Unit(benchmark::kMicrosecond);

void PaintFullPyramid(benchmark::State& state) {
  TTable table;
  TPyramidPileView pyramid(&table.Window);
  pyramid.XOffset = 6;
  pyramid.SetRows(7);
  for (int pos = 0; pos < 28; ++pos) {
    table.Card(pos)->SetPos(pos);
    pyramid.FCards->AddCard(table.Card(pos));
  }
  QImage canvas(pyramid.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    pyramid.render(&canvas);
    benchmark::DoNotOptimize(canvas.constBits());
  }
}
BENCHMARK(PaintFullPyramid)->Unit(benchmark::kMicrosecond);

// One mouse move of a drag of five cards across a shown window: asking the view under the
// mouse, moving the drag image, and repainting what it left and entered.
void DragMoveStep(benchmark::State& state) {
  TTable table;
  std::vector<TCardPileView*> tableau;
  for (int i = 0; i < 7; ++i) {
    auto* view = new TCardPileView(&table.Window);
    view->setGeometry(10 + 140 * i, 220, 120, 760);
    view->AllowDrag = true;
    view->YOffset = 28;
    for (int k = 0; k < 7; ++k) view->FCards->AddCard(table.Card(7 * i + k));
    view->OnMouseDown = [view](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
      view->FDragArmed = true;
    };
    view->OnDragOver = [view](QObject*, TDragObjectHack* source, int, int, TDragState, bool& accept) {
      source->OwnerView()->FDropTarget = view;
      accept = true;
    };
    tableau.push_back(view);
  }
  table.Window.show();
  QApplication::processEvents();
  for (TCardPileView* view : tableau) view->repaint();
  TCardPileView* source = tableau[0];
  const QPoint grab(40, 2 * 28 + 10);  // the third card: five cards lift
  QMouseEvent press(QEvent::MouseButtonPress, grab, source->mapToGlobal(grab), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(source, &press);
  int step = 0;
  auto moveTo = [&](QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, source->mapToGlobal(at), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source, &move);
    QApplication::processEvents();  // the repaint the move asked for
  };
  moveTo(grab + QPoint(10, 10));
  if (!source->Dragging()) state.SkipWithError("the drag did not start");
  for (auto _ : state) {
    // Sweep across the other piles and back, 7 pixels at a time.
    const int x = 300 + (step % 120) * 7;
    ++step;
    moveTo(QPoint(x, 300 + (step % 40)));
  }
  QMouseEvent release(QEvent::MouseButtonRelease, grab, source->mapToGlobal(grab),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(source, &release);
}
BENCHMARK(DragMoveStep)->Unit(benchmark::kMicrosecond);

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
