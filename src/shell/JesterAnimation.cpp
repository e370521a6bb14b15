#include "shell/JesterAnimation.h"

#include <QPixmap>

#include "art/ShellArt.h"

TJesterAnimation::TJesterAnimation(int& counter, QLabel* image, QObject* parent)
    : QObject(parent), JesterTimer(new QTimer(this)), FCounter(counter), FImage(image) {
  FFrames[0] = LoadPngResource(QStringLiteral("JESTER"));
  FFrames[1] = LoadPngResource(QStringLiteral("JESTERLEFT"));
  FFrames[2] = LoadPngResource(QStringLiteral("JESTERRIGHT"));
  FCounter = 1;
  JesterTimer->setInterval(300);
  connect(JesterTimer, &QTimer::timeout, this, &TJesterAnimation::JesterTimerTimer);
  JesterTimer->start();
}

const char* TJesterAnimation::FrameName(int counter) {
  switch (counter) {
    case 1: return "JESTERLEFT";
    case 3: return "JESTERRIGHT";
    default: return "JESTER";
  }
}

void TJesterAnimation::JesterTimerTimer() {
  // Counter outside 0..3 (never from this code) shows the upright frame.
  const int frame = FCounter == 1 ? 1 : FCounter == 3 ? 2 : 0;
  if (FCounter == 3) FCounter = -1;
  ++FCounter;
  FImage->setPixmap(QPixmap::fromImage(FFrames[frame]));
}
