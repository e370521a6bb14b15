#include "widgets/WindowFrame.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* X11Connection() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

xcb_window_t RootWindow(xcb_connection_t* c) {
  return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The 32-bit values of a window property (empty when absent).
std::vector<uint32_t> Cardinals(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type,
                                uint32_t count) {
  std::vector<uint32_t> values;
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, count), nullptr);
  if (reply && reply->format == 32) {
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply));
    values.assign(v, v + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return values;
}

bool WindowManagerSupports(xcb_connection_t* c, xcb_atom_t atom) {
  for (uint32_t a : Cardinals(c, RootWindow(c), Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024))
    if (a == atom) return true;
  return false;
}

QMargins FrameProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t extents) {
  const std::vector<uint32_t> v = Cardinals(c, w, extents, XCB_ATOM_CARDINAL, 4);
  if (v.size() != 4) return QMargins(-1, -1, -1, -1);
  // left, right, top, bottom
  return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

}  // namespace

namespace WindowFrame {

QMargins Extents(QWidget* window) {
  // A window that does not exist on the screen yet has no frame.
  if (!window || !window->testAttribute(Qt::WA_WState_Created)) return {};
  xcb_connection_t* c = X11Connection();
  if (!c) return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
  const auto w = xcb_window_t(window->winId());
  const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
  QMargins m = FrameProperty(c, w, extents);
  if (m.left() >= 0) return m;
  // Not framed yet: window managers answer this request with the frame to come.
  const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  if (!WindowManagerSupports(c, request)) return {};
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = w;
  event.type = request;
  xcb_send_event(c, 0, RootWindow(c),
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 250) {
    m = FrameProperty(c, w, extents);
    if (m.left() >= 0) return m;
    QThread::msleep(2);
  }
  return {};
}

std::optional<bool> Minimized(QWidget* window) {
  if (!window || !window->testAttribute(Qt::WA_WState_Created)) return std::nullopt;
  xcb_connection_t* c = X11Connection();
  if (!c) return std::nullopt;
  const auto w = xcb_window_t(window->winId());
  const xcb_atom_t wmState = Atom(c, "WM_STATE");
  const std::vector<uint32_t> state = Cardinals(c, w, wmState, wmState, 2);
  constexpr uint32_t NormalState = 1, IconicState = 3;
  if (state.empty() || (state[0] != NormalState && state[0] != IconicState)) return std::nullopt;
  if (state[0] == NormalState) return false;
  // Window managers that know the hidden state also make windows on other desktops iconic.
  const xcb_atom_t hidden = Atom(c, "_NET_WM_STATE_HIDDEN");
  if (!WindowManagerSupports(c, hidden)) return true;
  for (uint32_t a : Cardinals(c, w, Atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32))
    if (a == hidden) return true;
  return false;
}

void CentreOnScreen(QWidget* window) {
  if (!window) return;
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins m = Extents(window);
  const QSize outer = window->size().grownBy(m);
  const QPoint frame(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                     area.top() + std::max(0, (area.height() - outer.height()) / 2));
  // The client rectangle, not a move: Qt then asks for static gravity, so the client area
  // lands exactly there, framed or not yet.
  window->setGeometry(QRect(frame + QPoint(m.left(), m.top()), window->size()));
}

}  // namespace WindowFrame
