#pragma once
// The game windows' tool-bar pictures, drawn by our own code as vector shapes: Undo, Redo,
// New Game, Select Game, Restart, Options, Rules and Statistics, in that order (the
// buttons' image indices). Each comes at 12, 16 and 24 pixels in a normal, a hot
// (brighter) and a disabled (grey, embossed) look, on a transparent background.

#include <QImage>
#include <QPixmap>
#include <vector>

enum class TToolBarLook { Normal, Hot, Disabled };

inline constexpr int ToolBarImageCount = 8;
enum TToolBarImage {
  tbUndo, tbRedo, tbNewGame, tbSelectGame, tbRestart, tbOptions, tbRules, tbStatistics
};

// The eight pictures of one image list, size x size each (12, 16 or 24; any other size
// from 8 to 64 is drawn as well, for completeness). Drawn once per size and look.
std::vector<QPixmap> ToolBarImages(int size, TToolBarLook look);
// One picture as an image (ARGB32 premultiplied); null for an index outside 0..7 or a size
// outside 8..64.
QImage ToolBarImage(int index, int size, TToolBarLook look);
