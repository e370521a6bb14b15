#include "engine/AnimTimer.h"

#include <QPointer>
#include <climits>

TAnimTimer::TAnimTimer(QObject* owner) : QObject(owner) {
  FTimer.setSingleShot(true);
  FTimer.setTimerType(Qt::PreciseTimer);
  connect(&FTimer, &QTimer::timeout, this, &TAnimTimer::Tick);
  FClock.start();
  UpdateTimer();
}

TAnimTimer::~TAnimTimer() {
  FEnabled = false;
  Stop();
}

void TAnimTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TAnimTimer::SetInterval(unsigned value) {
  if (value == FInterval) return;
  FInterval = value;
  Alert();
}

void TAnimTimer::SetOnTimer(TTimerEvent handler) {
  FOnTimer = std::move(handler);
  UpdateTimer();
}

void TAnimTimer::UpdateTimer() {
  Stop();
  if (FEnabled && FOnTimer) Start();
}

void TAnimTimer::Start() {
  if (FRunning) return;
  FRunning = true;
  FAlerted = false;
  ++FChain;
  // The first tick comes as soon as the event loop runs.
  FTimer.start(0);
}

void TAnimTimer::Stop() {
  if (!FRunning) return;
  FRunning = false;
  ++FChain;
  FTimer.stop();
}

void TAnimTimer::Alert() {
  if (!FRunning) return;
  if (FTimer.isActive())
    FTimer.start(0);  // waiting: the wait ends now
  else
    FAlerted = true;  // inside the tick: the coming wait is cut
}

void TAnimTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}

void TAnimTimer::Tick() {
  if (!FRunning || FInTick) return;
  const qint64 start = FClock.elapsed();
  const unsigned chain = FChain;
  QPointer<TAnimTimer> alive(this);
  // Cleared even when the handler throws, or the timer would never tick again.
  struct TInTick {
    QPointer<TAnimTimer>& Timer;
    ~TInTick() {
      if (Timer) Timer->FInTick = false;
    }
  } inTick{alive};
  FInTick = true;
  if (FEnabled) Timer();
  if (!alive) return;  // the handler freed the timer
  // Stopped, or stopped and started again, inside the handler: nothing more to arm here.
  if (!FRunning || chain != FChain) return;
  Arm(start + qint64(FInterval) - FClock.elapsed());
}

void TAnimTimer::Arm(qint64 wait) {
  if (wait <= 0) {
    // Late already: tick again once pending events are handled.
    FTimer.start(0);
    return;
  }
  if (FAlerted) {
    FAlerted = false;
    wait = 0;
  }
  FTimer.start(int(qMin<qint64>(wait, INT_MAX)));
}
