#pragma once
// PNG pictures go through libpng: the program's own artwork is kept as PNG data and
// decoded here, and a damaged picture decodes to a null image instead of failing.

#include <QByteArray>
#include <QImage>

// Decodes PNG data to an ARGB32 image; null on any error.
QImage DecodePng(const QByteArray& data);
// Encodes an image as 8-bit RGBA PNG; empty on error.
QByteArray EncodePng(const QImage& image);
