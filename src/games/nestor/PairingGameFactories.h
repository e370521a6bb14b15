#pragma once
// The pairing games' window slots: Aces Up (list entry 0), Montana (18), Nestor (19) and
// Queen of Italy (22) at the three card sizes, with their previews drawn from real
// opening layouts.

#include <QImage>

inline constexpr int AcesUpListIndex = 0;
inline constexpr int MontanaListIndex = 18;
inline constexpr int NestorListIndex = 19;
inline constexpr int QueenItalyListIndex = 22;

// Sets the factories of the windows and the preview pictures.
void RegisterPairingGameWindows();

// A game's preview (one of the indices above): an opening layout drawn by the game's
// large-card window, without its status bar, 155 x 105. Null for another index.
QImage PairingGamePreviewPicture(int listIndex);
