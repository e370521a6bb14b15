#pragma once
// The card-size variants of the game windows. A game's window class takes its layout in
// a protected constructor; its small (Ts) and huge (Th) classes are thin subclasses that
// pass their own layout table, which carries everything that differs by size (client
// and minimum size, status bar and its panels, tool-bar metrics by card size, placement
// section prefix). A game adds its three tables and its two thin classes.

#include <QWidget>

// Creates a game window of class T into its global pointer and deals its first game.
template <class T>
T* CreateGameWindow(T*& global, QWidget* owner = nullptr) {
  auto* window = new T(owner);
  global = window;
  window->Init();
  return window;
}

// For destructors: the global pointer stops pointing at a window going away.
template <class T, class U>
void ForgetGameWindow(T*& global, const U* window) {
  if (static_cast<const void*>(global) == static_cast<const void*>(window)) global = nullptr;
}
