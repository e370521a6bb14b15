#pragma once
// The faces of the main window's four picture buttons: slanted bars with rounded ends on
// pure red (the colour the buttons cut away). The word is the button's own caption,
// drawn over the face.

#include <QImage>

enum class TButtonFace { Info, Help, Options, Statistics };

// 67, 72, 78 and 103 pixels wide; 29 high.
QSize ButtonFaceSize(TButtonFace face);
// The face as a 32-bit RGB picture; every pixel outside the shape is exactly 0xFF0000.
QImage ButtonFaceImage(TButtonFace face);
// A face of any size, drawn the same way.
QImage DrawButtonFace(int width, int height);
