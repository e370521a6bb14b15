#pragma once
// The program's card artwork, drawn by our own code the first time a name is asked for
// and kept for the rest of the run. Every picture is an RGB32 image; its transparent
// parts are the key colour 0xFF00FF, so callers that need transparency turn that colour
// into alpha themselves (the card composition and the pile views do).
//
// Names (size letter: "" large, "s" small, "h" huge):
//   card outlines, card size      "CS_<s>BORDER", "CS_<s>3DBORDER", "CS_AGED_<s>BORDER",
//                                 "CS_3DAGED_<s>BORDER"
//   symbol strips                 "CS_<s>SYMBOLS", "CS_<s>3DSYMBOLS" (224 x 74; huge 337 x 111)
//   Ace of spades picture         "CS_<s>ACES", "CS_<s>3DACES"
//   court pictures                "CS_<s>[3D]JACK|QUEEN|KING" + "C"|"D"|"H"|"S"
//                                 (56 x 102; huge 84 x 153; small at most 41 x 75)
//   back designs                  "CS_<s>BACK1" .. "CS_<s>BACK9" (68 x 115; small 51 x 87;
//                                 huge 102 x 173)
//   selection brush               "CS_SELECTED" (a small pattern, tiled)
//   pile-view pictures, card size "CS_<s>RECYCLE", "CS_<s>EMPTY", "CS_<s>BORDERMASK"
//   drag cursors (32 x 32, hot spot at the top-left pixel)  "CURSOR_GOOD", "CURSOR_BAD"
//   option-dialog previews        "PREVIEW_BACK1" .. "PREVIEW_BACK9" (80 x 125, whole backs)
// Pieces that are AND-ed onto a card face (strips, courts, backs, the selection brush)
// are dark ink on pure white; white leaves the face unchanged.

#include <QImage>
#include <QString>

// The picture of that name, or a null image for an unknown name. Thread-safe.
QImage CardArtBitmap(const QString& resourceName);

// The key colour that stands for transparent pixels.
constexpr QRgb CardArtKeyColor = 0xFFFF00FF;
