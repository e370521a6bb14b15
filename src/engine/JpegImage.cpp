#include "engine/JpegImage.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <csetjmp>
#include <memory>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

#include "platform/SafeFile.h"

namespace {

// Pictures beyond this many pixels are refused before any memory is taken: a damaged
// header can claim 65535 x 65535.
constexpr long long MaxPixels = 100LL * 1000 * 1000;
// Picture files beyond this size are not read at all.
constexpr qint64 MaxPictureFileBytes = 256LL * 1024 * 1024;

struct TJpegErrorManager {
  jpeg_error_mgr Pub;
  std::jmp_buf Escape;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  std::longjmp(err->Escape, 1);
}

// Warnings (level -1) mean damaged data: treat them as errors. Trace messages are ignored.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0) ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}

// Everything the decoder touches after setjmp lives here, outside the function that
// calls setjmp, so no automatic variable is left indeterminate by the longjmp.
struct TJpegJob {
  jpeg_decompress_struct Info{};
  TJpegErrorManager Error{};
  QImage Image;
};

bool Decode(TJpegJob& job, const QByteArray& data) {
  jpeg_decompress_struct& info = job.Info;
  info.err = jpeg_std_error(&job.Error.Pub);
  job.Error.Pub.error_exit = ErrorExit;
  job.Error.Pub.emit_message = EmitMessage;
  job.Error.Pub.output_message = OutputMessage;
  if (setjmp(job.Error.Escape)) {
    jpeg_destroy_decompress(&info);
    job.Image = QImage();
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_calc_output_dimensions(&info);
  const long long pixels = static_cast<long long>(info.output_width) * info.output_height;
  if (info.output_width == 0 || info.output_height == 0 || pixels > MaxPixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  job.Image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                     QImage::Format_RGB32);
  if (job.Image.isNull()) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    unsigned char* row = job.Image.scanLine(static_cast<int>(info.output_scanline));
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    if (cmyk) {
      // Adobe writes CMYK inverted: each byte is 255 - ink. Convert in place to BGRX.
      for (unsigned x = 0; x < info.output_width; ++x) {
        unsigned char* p = row + 4 * x;
        const int c = p[0], m = p[1], y = p[2], k = p[3];
        p[0] = static_cast<unsigned char>(y * k / 255);
        p[1] = static_cast<unsigned char>(m * k / 255);
        p[2] = static_cast<unsigned char>(c * k / 255);
        p[3] = 0xFF;
      }
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpegImage(const QByteArray& data) {
  if (data.isEmpty()) return {};
  auto job = std::make_unique<TJpegJob>();
  if (!Decode(*job, data)) return {};
  return std::move(job->Image);
}

QImage LoadJpegImage(const QString& fileName) {
  const std::optional<QByteArray> data = ReadRegularFile(fileName, MaxPictureFileBytes);
  return data ? DecodeJpegImage(*data) : QImage();
}

QImage LoadPictureFile(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return LoadJpegImage(fileName);
  // Read through the bounded, non-blocking reader; the reader is chosen by the
  // extension first and by the content after, as it would be for the file itself.
  std::optional<QByteArray> data = ReadRegularFile(fileName, MaxPictureFileBytes);
  if (!data || data->isEmpty()) return {};
  QBuffer buffer(&*data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, suffix.toLatin1());
  QImage image = reader.read();
  if (image.isNull()) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}
