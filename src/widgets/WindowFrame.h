#pragma once
// The frame a window manager draws around a top-level window. A stored window rectangle
// is the outer (frame) rectangle, while Qt positions and sizes the client area; this is
// what converts between the two. Without a window manager (or offscreen) the frame is
// empty and both rectangles are the same.

#include <QMargins>
#include <optional>

class QWidget;

namespace WindowFrame {

// The frame's width on each side of the client area. A window that has not been mapped
// yet has no frame; the window manager is then asked for the frame it will give it.
QMargins Extents(QWidget* window);

// Whether the window manager holds the window minimized (iconic and hidden, not merely on
// another desktop); nothing when it cannot be asked or does not manage the window.
std::optional<bool> Minimized(QWidget* window);

// Puts the window's outer frame in the middle of the available area of its screen (its
// top-left corner kept inside the area). Right from the first showing, when the window
// manager has not framed the window yet.
void CentreOnScreen(QWidget* window);

}  // namespace WindowFrame
