#pragma once
// Drawing routines behind CardArtBitmap, one file per family of pictures, and the
// geometry they share. Size numbers follow the cards: 0 small, 1 large, 2 huge.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

class QPainter;

namespace CardArt {

QSize CardSize(int size);
// The strips and the pieces cut from them (see CardSymbols.cpp for the layout).
QSize SymbolStripSize(int size);
QSize CourtSize(int size);
QSize BackDesignSize(int size);

QImage DrawOutline(int size, bool threeD, bool aged);
QImage DrawSymbolStrip(int size, bool threeD);
QImage DrawAceOfSpades(int size, bool threeD);
// value 10 Jack, 11 Queen, 12 King; suit 0 clubs, 1 diamonds, 2 hearts, 3 spades.
QImage DrawCourt(int size, bool threeD, int value, int suit);
// number 1..9
QImage DrawBack(int size, int number);
QImage DrawSelectionBrush();
QImage DrawRecycle(int size);
QImage DrawEmpty(int size);
QImage DrawBorderMask(int size);
QImage DrawCursor(bool good);
QImage DrawBackPreview(int number);

// Shared helpers (CardArtPainting.cpp).
// A suit symbol filling the unit square (0,0)-(1,1), point or stem down.
QPainterPath SuitPath(int suit);
// Glyphs of text as a path in the given font, scaled to fill box (keeping the
// aspect ratio unless stretch is set), centred.
QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box, bool stretch);
// A straight line as a path, for stroking.
QPainterPath Line(QPointF from, QPointF to);
// A white RGB32 image of the given size.
QImage WhiteImage(QSize size);
// An ARGB image whose pixels under half coverage become the key colour and the rest
// opaque; turns antialiased drawing on transparency into a keyed picture with clean edges.
QImage KeyedFromAlpha(const QImage& argb);
// The rounded card shape at a card size, inset by inset pixels.
QPainterPath CardShape(int size, qreal inset = 0);
// Red and black ink.
QColor SuitInk(int suit);

}  // namespace CardArt
