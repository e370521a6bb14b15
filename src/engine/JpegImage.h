#pragma once
// Picture files the user picks (custom card backs, table backgrounds). JPEG is decoded
// here with libjpeg-turbo behind a setjmp error handler, so a damaged file comes back as a
// null image instead of ending the program; BMP and GIF go through QImage.

#include <QByteArray>
#include <QImage>
#include <QString>

// The decoded picture as RGB32, or a null image when the data is not a whole, readable
// JPEG. Data that decodes only with warnings (a truncated file, corrupt entropy data) is
// refused too, so a half-grey picture never reaches the table.
QImage DecodeJpegImage(const QByteArray& data);
QImage LoadJpegImage(const QString& fileName);

// Reads a picture file by its extension: ".jpg"/".jpeg" (any case) through the decoder
// above, every other name through QImage ("BMP", "GIF"). Null on any failure, and at
// once for anything but a regular file of at most 256 MiB (a FIFO, a device, a folder).
QImage LoadPictureFile(const QString& fileName);
