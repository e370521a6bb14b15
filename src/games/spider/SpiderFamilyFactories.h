#pragma once
// The game-window factories and preview pictures of Spider and the Scorpion family.

#include <QImage>

inline constexpr int DoubleScorpionListIndex = 7;
inline constexpr int ScorpionListIndex = 24;
inline constexpr int Scorpion2ListIndex = 25;
inline constexpr int SimpleSimonListIndex = 27;
inline constexpr int SpiderListIndex = 28;

// Fills the window slots of the five games at the three card sizes and installs their
// preview pictures.
void RegisterSpiderFamilyWindows();

// A game's opening layout drawn by its large-card window, 155 x 105 (null for another
// list index).
QImage SpiderFamilyPreviewPicture(int listIndex);
