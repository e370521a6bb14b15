#include "engine/AnimTimer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <vector>

namespace {

// Runs the event loop until done() holds or the time is up.
template <typename Done>
bool RunUntil(Done done, int timeoutMs = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::usleep(200);
  }
  return done();
}

void RunFor(int ms) {
  RunUntil([] { return false; }, ms);
}

class AnimTimerTest : public ::testing::Test {
protected:
  QElapsedTimer FClock;
  std::vector<qint64> FTicks;  // start time of each tick
  void SetUp() override { FClock.start(); }
};

}  // namespace

TEST_F(AnimTimerTest, TicksOnTheUserInterfaceThreadAtTheInterval) {
  TAnimTimer timer;
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 10u);
  EXPECT_FALSE(timer.Running());  // no handler yet

  timer.SetInterval(30);
  QObject* sender = nullptr;
  bool offThread = false;
  timer.SetOnTimer([&](QObject* s) {
    sender = s;
    offThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
    FTicks.push_back(FClock.elapsed());
  });
  EXPECT_TRUE(timer.Running());
  ASSERT_TRUE(RunUntil([&] { return FTicks.size() >= 6; }));
  timer.SetEnabled(false);
  EXPECT_EQ(sender, &timer);
  EXPECT_FALSE(offThread);
  // Due at each tick's start plus the interval: never early, and over five periods not
  // much late either.
  for (std::size_t i = 1; i < FTicks.size(); ++i) EXPECT_GE(FTicks[i] - FTicks[i - 1], 29);
  EXPECT_LT(FTicks[5] - FTicks[0], 5 * 30 + 150);
}

TEST_F(AnimTimerTest, ASlowHandlerIsNeverEnteredTwice) {
  TAnimTimer timer;
  timer.SetInterval(40);
  int depth = 0, deepest = 0;
  std::vector<qint64> ends;
  timer.SetOnTimer([&](QObject*) {
    ++depth;
    deepest = std::max(deepest, depth);
    FTicks.push_back(FClock.elapsed());
    // Longer than the interval, and letting the event loop run meanwhile.
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 60) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ends.push_back(FClock.elapsed());
    --depth;
  });
  ASSERT_TRUE(RunUntil([&] { return FTicks.size() >= 4; }));
  timer.SetEnabled(false);
  EXPECT_EQ(deepest, 1);
  // Already due when the handler returns: the next tick follows at once rather than a
  // whole interval later.
  for (std::size_t i = 1; i < FTicks.size(); ++i) EXPECT_LT(FTicks[i] - ends[i - 1], 25);
}

TEST_F(AnimTimerTest, DisablingInsideTheHandlerEndsTheTicks) {
  TAnimTimer timer;
  timer.SetInterval(5);
  timer.SetOnTimer([&](QObject*) {
    FTicks.push_back(FClock.elapsed());
    timer.SetEnabled(false);
  });
  ASSERT_TRUE(RunUntil([&] { return !FTicks.empty(); }));
  RunFor(80);
  EXPECT_EQ(FTicks.size(), 1u);
  EXPECT_FALSE(timer.Running());

  // Enabled again: the first tick comes at once.
  const qint64 enabledAt = FClock.elapsed();
  timer.SetInterval(1000);
  timer.SetEnabled(true);
  ASSERT_TRUE(RunUntil([&] { return FTicks.size() == 2; }, 500));
  EXPECT_LT(FTicks[1] - enabledAt, 200);
}

TEST_F(AnimTimerTest, DisablingAndEnablingInsideTheHandlerKeepsOneChain) {
  TAnimTimer timer;
  timer.SetInterval(20);
  int depth = 0, deepest = 0;
  timer.SetOnTimer([&](QObject*) {
    deepest = std::max(deepest, ++depth);
    FTicks.push_back(FClock.elapsed());
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    --depth;
  });
  RunFor(150);
  timer.SetEnabled(false);
  EXPECT_EQ(deepest, 1);
  EXPECT_GE(FTicks.size(), 3u);
}

TEST_F(AnimTimerTest, ChangingTheIntervalInsideTheHandlerTakesEffectAtOnce) {
  TAnimTimer timer;
  timer.SetInterval(1000);
  timer.SetOnTimer([&](QObject*) {
    FTicks.push_back(FClock.elapsed());
    if (FTicks.size() == 1) timer.SetInterval(150);
  });
  ASSERT_TRUE(RunUntil([&] { return FTicks.size() >= 3; }, 1500));
  timer.SetEnabled(false);
  // The wait after the change is cut short, then the new interval holds.
  EXPECT_LT(FTicks[1] - FTicks[0], 100);
  EXPECT_GE(FTicks[2] - FTicks[1], 149);
  EXPECT_LT(FTicks[2] - FTicks[1], 600);
}

TEST_F(AnimTimerTest, ChangingTheIntervalWhileWaitingCutsTheWaitShort) {
  TAnimTimer timer;
  timer.SetInterval(2000);
  timer.SetOnTimer([&](QObject*) { FTicks.push_back(FClock.elapsed()); });
  ASSERT_TRUE(RunUntil([&] { return FTicks.size() == 1; }, 500));
  QTimer::singleShot(60, [&] { timer.SetInterval(1500); });
  ASSERT_TRUE(RunUntil([&] { return FTicks.size() == 2; }, 1000));
  EXPECT_LT(FTicks[1] - FTicks[0], 500);
  // The same interval again is no change.
  timer.SetInterval(1500);
  RunFor(200);
  EXPECT_EQ(FTicks.size(), 2u);
  timer.SetEnabled(false);
}

TEST_F(AnimTimerTest, HandlerMayFreeItsTimer) {
  auto* timer = new TAnimTimer;
  int ticks = 0;
  timer->SetOnTimer([&](QObject*) {
    ++ticks;
    delete timer;
  });
  RunFor(60);
  EXPECT_EQ(ticks, 1);
}
