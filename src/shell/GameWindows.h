#pragma once
// The 90 game-window slots (30 games x small, large, huge cards). The app fills in how each
// window is made; the shell opens, finds and closes windows through here and never sees
// a game's class.

#include <QWidget>
#include <functional>

// What the shell asks of an open game window besides being a window.
class TGameWindowHost {
public:
  virtual ~TGameWindowHost() = default;
  // Re-reads the options (background, card backs, spacing) after the options dialog.
  virtual void ApplyPreferences() = 0;
};

namespace GameWindows {

using TFactory = std::function<QWidget*()>;

// Card sizes in slot order when the slots of one game are tested: large, small, huge.
inline constexpr int SlotOrder[3] = {1, 0, 2};

void SetFactory(int game, int cardSize, TFactory factory);
bool HasFactory(int game, int cardSize);
// Creates the window (not shown) and remembers it; null when no factory is set.
QWidget* Create(int game, int cardSize);
// The open window of that slot, or null once it has been destroyed.
QWidget* Window(int game, int cardSize);
bool AnyOpen();
// Calls fn for every open window: games in list order, large, small, huge per game.
void ForEachOpen(const std::function<void(int game, int cardSize, QWidget* window)>& fn);

}  // namespace GameWindows
