#pragma once
// A fine-grained timer for animation. Ticks run on the user-interface thread and never
// overlap: the next tick is due at the start of this one plus Interval, so a slow handler
// lengthens the period (the next tick follows at once) instead of queueing ticks.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class TAnimTimer : public QObject {
  Q_OBJECT
public:
  using TTimerEvent = std::function<void(QObject* Sender)>;

  explicit TAnimTimer(QObject* owner = nullptr);
  ~TAnimTimer() override;

  bool Enabled() const { return FEnabled; }
  // On with a handler: the first tick follows at once; off: no further tick, even when
  // switched off inside the handler.
  virtual void SetEnabled(bool value);
  unsigned Interval() const { return FInterval; }
  // A change cuts the current wait short: the next tick follows at once, later ones at
  // the new interval.
  virtual void SetInterval(unsigned value);
  const TTimerEvent& OnTimer() const { return FOnTimer; }
  virtual void SetOnTimer(TTimerEvent handler);

  // Ticks are being produced (enabled with a handler).
  bool Running() const { return FRunning; }

protected:
  virtual void Start();
  virtual void Stop();
  virtual void Alert();
  virtual void UpdateTimer();
  virtual void Timer();

private:
  void Tick();
  void Arm(qint64 wait);

  QTimer FTimer;
  QElapsedTimer FClock;
  TTimerEvent FOnTimer;
  unsigned FInterval = 10;
  bool FEnabled = true;
  bool FRunning = false;
  bool FAlerted = false;  // an interval change not yet used to cut a wait
  bool FInTick = false;
  unsigned FChain = 0;    // bumped by every Start and Stop
};
