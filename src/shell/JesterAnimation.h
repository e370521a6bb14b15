#pragma once
// The jester of the About box and the win dialog: every 300 ms the next frame of the
// cycle JESTER, JESTERLEFT, JESTER, JESTERRIGHT. Each dialog keeps its own frame counter,
// which lives for the whole run and is set to 1 when a dialog is built, so the first
// frame seen is JESTERLEFT.

#include <QImage>
#include <QLabel>
#include <QTimer>

class TJesterAnimation : public QObject {
  Q_OBJECT
public:
  // counter: the dialog's process-wide frame counter; image: where the frames show.
  TJesterAnimation(int& counter, QLabel* image, QObject* parent);

  QTimer* JesterTimer;
  // One tick: shows the counter's frame and advances the counter.
  void JesterTimerTimer();
  void Stop() { JesterTimer->stop(); }

  // The frame shown for a counter value (0..3).
  static const char* FrameName(int counter);

private:
  int& FCounter;
  QLabel* FImage;
  QImage FFrames[3];  // JESTER, JESTERLEFT, JESTERRIGHT
};
