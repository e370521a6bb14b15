#include "shell/GameWindows.h"

#include <QPointer>
#include <array>

#include "art/GameNames.h"

namespace GameWindows {
namespace {
struct TSlot {
  TFactory Factory;
  QPointer<QWidget> Window;
};
std::array<std::array<TSlot, 3>, GameCount>& Slots() {
  static std::array<std::array<TSlot, 3>, GameCount> table;
  return table;
}
bool Valid(int game, int cardSize) { return game >= 0 && game < GameCount && cardSize >= 0 && cardSize < 3; }
}  // namespace

void SetFactory(int game, int cardSize, TFactory factory) {
  if (Valid(game, cardSize)) Slots()[game][cardSize].Factory = std::move(factory);
}

bool HasFactory(int game, int cardSize) {
  return Valid(game, cardSize) && static_cast<bool>(Slots()[game][cardSize].Factory);
}

QWidget* Create(int game, int cardSize) {
  if (!HasFactory(game, cardSize)) return nullptr;
  TSlot& slot = Slots()[game][cardSize];
  slot.Window = slot.Factory();
  return slot.Window;
}

QWidget* Window(int game, int cardSize) {
  return Valid(game, cardSize) ? Slots()[game][cardSize].Window.data() : nullptr;
}

bool AnyOpen() {
  bool any = false;
  ForEachOpen([&](int, int, QWidget*) { any = true; });
  return any;
}

void ForEachOpen(const std::function<void(int, int, QWidget*)>& fn) {
  for (int game = 0; game < GameCount; ++game)
    for (int size : SlotOrder)
      if (QWidget* window = Slots()[game][size].Window) fn(game, size, window);
}

}  // namespace GameWindows
