#pragma once
// The small pictures of the stock push-button kinds (OK, Cancel, Help, ...). Each is two
// 18 x 18 pictures side by side, the normal one and the greyed one, on an olive ground
// that the buttons leave out (the bottom-left pixel's colour).

#include <QImage>

enum class TStockGlyph { OK, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All };

// classic: the older, flat look (plain strokes without the dark rim). Drawn once per
// picture and shared.
QImage StockGlyphImage(TStockGlyph glyph, bool classic);
