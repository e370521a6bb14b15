#pragma once
// System measures the windows are laid out with. Tests override the desktop size.

#include <QFont>
#include <QSize>

class QScreen;

namespace Metrics {
// Frame and caption of a sizeable window, fixed so minimum sizes are the same everywhere.
inline constexpr int FrameWidth = 4;
inline constexpr int FrameHeight = 4;
inline constexpr int CaptionHeight = 19;
inline constexpr int MenuHeight = 19;

// The primary screen's full size (not its work area), or the override when one is set.
QSize DesktopSize();
int DesktopWidth();
void SetDesktopSizeOverride(QSize size);  // an invalid size removes the override
// The free area of the screen (without panels) that a window may take; with the desktop
// override set, the whole overridden desktop.
QSize WorkAreaSize(const QScreen* screen);

// The windows are laid out in pixels for Arial; its metric twin stands in for it.
QFont ArialFont(int pixelSize, bool bold = false);
}  // namespace Metrics
