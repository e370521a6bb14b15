#pragma once
// The game-window slots of Canfield (list entry 5), Double Klondike (6), Australian
// Patience (1), Russian Pellamy (23), Double Yukon (8) and Yukon (29) at the three card
// sizes, with their previews drawn from real opening layouts.

#include <QImage>

inline constexpr int AustralianListIndex = 1;
inline constexpr int CanfieldListIndex = 5;
inline constexpr int DoubleKlondikeListIndex = 6;
inline constexpr int DoubleYukonListIndex = 8;
inline constexpr int RussianListIndex = 23;
inline constexpr int YukonListIndex = 29;

// Sets the factories of the windows and their preview pictures.
void RegisterKlondikeFamilyWindows();

// A game's preview: an opening layout drawn by its large-card window, without the status
// bar, 155 x 105. Null for an index this family does not hold.
QImage KlondikeFamilyPreviewPicture(int listIndex);
