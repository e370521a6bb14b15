#pragma once
// The frame a window manager draws around a top-level window. A stored window rectangle
// is the outer (frame) rectangle, while Qt positions and sizes the client area; this is
// what converts between the two. Without a window manager (or offscreen) the frame is
// empty and both rectangles are the same.

#include <QMargins>

class QWidget;

namespace WindowFrame {

// The frame's width on each side of the client area. A window that has not been mapped
// yet has no frame; the window manager is then asked for the frame it will give it.
QMargins Extents(QWidget* window);

}  // namespace WindowFrame
