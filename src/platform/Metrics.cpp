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

QSize WorkAreaSize(const QScreen* screen) {
  if (Override.isValid()) return Override;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

QFont ArialFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}
}  // namespace Metrics
