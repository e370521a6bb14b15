#include "art/PngCodec.h"

#include <png.h>

#include <cstring>

QImage DecodePng(const QByteArray& data) {
  if (data.isEmpty()) return {};
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.constData(), static_cast<size_t>(data.size())))
    return {};
  // BGRA in memory is QImage's ARGB32 on little-endian machines.
  image.format = PNG_FORMAT_BGRA;
  if (image.width == 0 || image.height == 0 || image.width > 16384 || image.height > 16384) {
    png_image_free(&image);
    return {};
  }
  QImage result(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
  if (result.isNull()) {
    png_image_free(&image);
    return {};
  }
  if (!png_image_finish_read(&image, nullptr, result.bits(), static_cast<png_int_32>(result.bytesPerLine()),
                             nullptr)) {
    png_image_free(&image);
    return {};
  }
  return result;
}

QByteArray EncodePng(const QImage& source) {
  if (source.isNull()) return {};
  const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(argb.width());
  image.height = static_cast<png_uint_32>(argb.height());
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  const auto stride = static_cast<png_int_32>(argb.bytesPerLine());
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, argb.constBits(), stride, nullptr)) return {};
  QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, argb.constBits(), stride, nullptr)) return {};
  out.resize(static_cast<qsizetype>(size));
  return out;
}
