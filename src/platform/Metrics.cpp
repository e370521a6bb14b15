#include "platform/Metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace Metrics {
namespace {
QSize Override;
}

QSize DesktopSize() {
  if (Override.isValid()) return Override;
  if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->size();
  return QSize(1024, 768);
}

int DesktopWidth() { return DesktopSize().width(); }

void SetDesktopSizeOverride(QSize size) { Override = size; }
}  // namespace Metrics
