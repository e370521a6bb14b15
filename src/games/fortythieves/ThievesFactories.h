#pragma once
// The game-window slots of Forty Thieves (list entry 11) and Indian Patience (15) at the
// three card sizes, with their previews drawn from real opening layouts.

#include <QImage>

inline constexpr int FortyThievesListIndex = 11;
inline constexpr int IndianPatienceListIndex = 15;

// Sets the factories of the windows and their preview pictures.
void RegisterThievesWindows();

// A game's preview: an opening layout drawn by its large-card window, without the status
// bar, 155 x 105. Null for an index this family does not hold.
QImage ThievesPreviewPicture(int listIndex);
