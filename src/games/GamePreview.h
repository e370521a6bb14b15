#pragma once
// The main window's preview of a game: its real opening layout drawn by the game window
// at large cards, the table without the status bar scaled to 155 x 105.

#include <QImage>
#include <functional>
#include <memory>

#include "games/GameForm.h"

// Renders the window make() returns; the card size in use comes back afterwards.
QImage RenderGamePreview(const std::function<std::unique_ptr<TGameForm>()>& make);

// The preview of the game window class T (constructible with no arguments).
template <class T>
QImage GamePreviewPicture() {
  return RenderGamePreview([] { return std::make_unique<T>(); });
}
