#include "widgets/wkBitmap.h"

#include <QBuffer>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Random.h"

namespace {

int Clamp(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
int ClampTo(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// One pass over every pixel's three channels.
template <typename F>
void ForEachChannel(TwkBitmap& bmp, F f) {
  if (bmp.Empty()) return;
  for (int y = 0; y < bmp.Height(); ++y) {
    std::uint8_t* p = bmp.ScanLine(y);
    for (int i = 0; i < bmp.Width() * 3; ++i) p[i] = static_cast<std::uint8_t>(Clamp(f(p[i])));
  }
}

void PutLE16(QByteArray& out, int v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}
void PutLE32(QByteArray& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

void TwkBitmap::Rebuild(int width, int height) {
  FCanvas = QImage();
  FBits.clear();
  FBits.shrink_to_fit();
  // An empty picture still remembers a dimension set alone, so that setting the width
  // and then the height makes a picture.
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  if (width > 0 && height > 0) {
    FBits.assign(static_cast<std::size_t>(RowBytes(width)) * height, 0);
    FCanvas = QImage(FBits.data(), width, height, RowBytes(width), QImage::Format_BGR888);
  }
}

void TwkBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  const bool wasEmpty = Empty();
  Rebuild(width, height);
  // Remembering one dimension of a picture that stays empty is no change.
  if (!wasEmpty || !Empty()) Changed();
}

void TwkBitmap::Resize(int width, int height) {
  if (width == FWidth && height == FHeight) return;
  const QImage copy = ToImage();
  ++FUpdating;
  Rebuild(width, height);
  if (!Empty() && !copy.isNull()) {
    QPainter p(&FCanvas);
    p.drawImage(QRect(0, 0, width, height), copy);
  }
  --FUpdating;
  Changed();
}

TColor TwkBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return clNone;
  const std::uint8_t* p = ScanLine(y) + 3 * x;
  return RGBColor(p[2], p[1], p[0]);
}

void TwkBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
  std::uint8_t* p = ScanLine(y) + 3 * x;
  p[0] = static_cast<std::uint8_t>(GetBValue(color));
  p[1] = static_cast<std::uint8_t>(GetGValue(color));
  p[2] = static_cast<std::uint8_t>(GetRValue(color));
}

void TwkBitmap::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  Changed();
}

void TwkBitmap::SetTransparentColor(TColor color) {
  if (FTransparentColor == color) return;
  FTransparentColor = color;
  Changed();
}

void TwkBitmap::Assign(const TwkBitmap& source) {
  if (&source == this) return;
  ++FUpdating;
  Rebuild(source.FWidth, source.FHeight);
  if (!FBits.empty()) std::memcpy(FBits.data(), source.FBits.data(), FBits.size());
  FTransparent = source.FTransparent;
  FTransparentColor = source.FTransparentColor;
  --FUpdating;
  Changed();
}

void TwkBitmap::Assign(const QImage& source) {
  ++FUpdating;
  if (source.isNull()) {
    Rebuild(0, 0);
  } else {
    const QImage rgb = source.convertToFormat(QImage::Format_BGR888);
    Rebuild(rgb.width(), rgb.height());
    for (int y = 0; y < FHeight; ++y)
      std::memcpy(ScanLine(y), rgb.constScanLine(y), static_cast<std::size_t>(FWidth) * 3);
  }
  --FUpdating;
  Changed();
}

QImage TwkBitmap::ToImage() const {
  if (Empty()) return QImage();
  return FCanvas.copy();
}

bool TwkBitmap::LoadFromData(const QByteArray& data) {
  if (!data.startsWith("BM")) return false;
  QImage image;
  if (!image.loadFromData(data, "BMP")) return false;
  Assign(image);
  return true;
}

QByteArray TwkBitmap::SaveToData() const {
  QByteArray out;
  if (Empty()) return out;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(FBits.size());
  const std::uint32_t offset = 14 + 40;
  out.append("BM");
  PutLE32(out, offset + imageSize);
  PutLE32(out, 0);
  PutLE32(out, offset);
  PutLE32(out, 40);
  PutLE32(out, static_cast<std::uint32_t>(FWidth));
  PutLE32(out, static_cast<std::uint32_t>(FHeight));  // bottom row first, as readers expect
  PutLE16(out, 1);
  PutLE16(out, 24);
  PutLE32(out, 0);  // uncompressed
  PutLE32(out, imageSize);
  PutLE32(out, 3780);  // 96 dots per inch
  PutLE32(out, 3780);
  PutLE32(out, 0);
  PutLE32(out, 0);
  for (int y = FHeight - 1; y >= 0; --y)
    out.append(reinterpret_cast<const char*>(ScanLine(y)), RowSize());
  return out;
}

QImage TwkBitmap::MaskedImage() const {
  QImage image = FCanvas.convertToFormat(QImage::Format_ARGB32);
  if (!FTransparent || FTransparentColor == clNone) return image;
  const TColor c = ColorToRGB(FTransparentColor);
  const QRgb key = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == key) line[x] = 0;
  }
  return image;
}

void TwkBitmap::Draw(QPainter& canvas, const QRect& rect) const {
  if (Empty() || rect.isEmpty()) return;
  canvas.save();
  // Stretching repeats or drops whole pixels, never mixes them.
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const bool masked = FTransparent && FTransparentColor != clNone;
  if (rect.width() == FWidth && rect.height() == FHeight) {
    if (masked)
      canvas.drawImage(rect.topLeft(), MaskedImage());
    else
      canvas.drawImage(rect.topLeft(), FCanvas);
  } else {
    canvas.drawImage(rect, masked ? MaskedImage() : FCanvas);
  }
  canvas.restore();
}

void TwkBitmap::Tile(QPainter& canvas, const QRect& rect) const {
  if (Empty() || rect.isEmpty()) return;
  const QImage image = (FTransparent && FTransparentColor != clNone) ? MaskedImage() : FCanvas;
  canvas.save();
  canvas.setClipRect(rect, Qt::IntersectClip);
  for (int y = rect.top(); y <= rect.bottom(); y += FHeight)
    for (int x = rect.left(); x <= rect.right(); x += FWidth) canvas.drawImage(QPoint(x, y), image);
  canvas.restore();
}

void TwkBitmap::Changed() {
  if (FUpdating > 0) return;
  if (OnChange) OnChange();
  // A link may remove itself while it is told.
  const auto links = FLinks;
  for (const auto& [id, link] : links)
    if (link) link();
}

int TwkBitmap::AddChangeLink(std::function<void()> link) {
  const int id = FNextLink++;
  FLinks.emplace(id, std::move(link));
  return id;
}

void TwkBitmap::RemoveChangeLink(int id) { FLinks.erase(id); }

void TwkBitmap::ReplaceColor(TColor newColor, TColor oldColor) {
  const std::uint8_t ob = GetBValue(oldColor), og = GetGValue(oldColor), orr = GetRValue(oldColor);
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x, p += 3)
      if (p[0] == ob && p[1] == og && p[2] == orr) {
        p[0] = static_cast<std::uint8_t>(GetBValue(newColor));
        p[1] = static_cast<std::uint8_t>(GetGValue(newColor));
        p[2] = static_cast<std::uint8_t>(GetRValue(newColor));
      }
  }
  Changed();
}

void TwkBitmap::Tint(int red, int green, int blue) {
  const bool keyed = FTransparentColor != clNone;
  const TColor key = ColorToRGB(FTransparentColor);
  const int kb = GetBValue(key), kg = GetGValue(key), kr = GetRValue(key);
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x, p += 3) {
      if (keyed && p[0] == kb && p[1] == kg && p[2] == kr) continue;
      p[0] = static_cast<std::uint8_t>(Clamp(p[0] - 192 + blue));
      p[1] = static_cast<std::uint8_t>(Clamp(p[1] - 192 + green));
      p[2] = static_cast<std::uint8_t>(Clamp(p[2] - 192 + red));
    }
  }
  Changed();
}

void TwkBitmap::GrayScale() {
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x, p += 3) {
      const std::uint8_t g = static_cast<std::uint8_t>(p[0] / 3 + p[1] / 3 + p[2] / 3);
      p[0] = p[1] = p[2] = g;
    }
  }
  EndEffect();
}

void TwkBitmap::Invert() {
  ForEachChannel(*this, [](int c) { return 255 - c; });
  EndEffect();
}

void TwkBitmap::Lightness(int amount) {
  amount = ClampTo(amount, -255, 255);
  if (amount >= 0)
    ForEachChannel(*this, [amount](int c) { return c + ((255 - c) * amount) / 256; });
  else
    ForEachChannel(*this, [amount](int c) { return c - (c * -amount) / 256; });
  EndEffect();
}

void TwkBitmap::Contrast(int amount) {
  ForEachChannel(*this, [amount](int c) {
    return c <= 126 ? c - ((128 - c) * amount) / 256 : c + (std::abs(c - 128) * amount) / 256;
  });
  EndEffect();
}

void TwkBitmap::Saturation(int amount) {
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x, p += 3) {
      const int gray = p[0] / 3 + p[1] / 3 + p[2] / 3;
      for (int i = 0; i < 3; ++i)
        p[i] = static_cast<std::uint8_t>(Clamp(gray + (p[i] * amount) / 256 - (gray * amount) / 256));
    }
  }
  EndEffect();
}

void TwkBitmap::ColorShift(int red, int green, int blue) {
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x, p += 3) {
      p[0] = static_cast<std::uint8_t>(Clamp(p[0] + blue));
      p[1] = static_cast<std::uint8_t>(Clamp(p[1] + green));
      p[2] = static_cast<std::uint8_t>(Clamp(p[2] + red));
    }
  }
  EndEffect();
}

void TwkBitmap::FlipHorizontal() {
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int l = 0, r = FWidth - 1; l < r; ++l, --r)
      for (int i = 0; i < 3; ++i) std::swap(p[3 * l + i], p[3 * r + i]);
  }
  EndEffect();
}

void TwkBitmap::FlipVertical() {
  if (Empty()) return;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(RowSize()));
  for (int t = 0, b = FHeight - 1; t < b; ++t, --b) {
    std::memcpy(row.data(), ScanLine(t), row.size());
    std::memcpy(ScanLine(t), ScanLine(b), row.size());
    std::memcpy(ScanLine(b), row.data(), row.size());
  }
  EndEffect();
}

void TwkBitmap::BlurStep(int d) {
  if (Empty()) return;
  for (int y = 0; y < FHeight; ++y) {
    const std::uint8_t* up = ScanLine(ClampTo(y - d, 0, FHeight - 1));
    const std::uint8_t* down = ScanLine(ClampTo(y + d, 0, FHeight - 1));
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x) {
      const int l = 3 * ClampTo(x - d, 0, FWidth - 1), r = 3 * ClampTo(x + d, 0, FWidth - 1);
      for (int i = 0; i < 3; ++i)
        p[3 * x + i] = static_cast<std::uint8_t>((up[l + i] + up[r + i] + down[l + i] + down[r + i]) / 4);
    }
  }
  EndEffect();
}

void TwkBitmap::GaussianBlur(int amount) {
  ++FUpdating;
  for (int d = amount; d >= 1; --d) BlurStep(d);
  --FUpdating;
  EndEffect();
}

void TwkBitmap::Sharpen(int d) {
  if (Empty()) return;
  // The eight neighbours at distance d; d and -d name the same ring, and at 0 every
  // neighbour is the centre itself, which leaves the picture as it is.
  static constexpr int kNeighbours[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                            {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
  const std::vector<std::uint8_t> src = FBits;
  const int row = RowSize();
  auto at = [&](int x, int y, int i) {
    return static_cast<int>(src[static_cast<std::size_t>(ClampTo(y, 0, FHeight - 1)) * row +
                                3 * ClampTo(x, 0, FWidth - 1) + i]);
  };
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x)
      for (int i = 0; i < 3; ++i) {
        int sum = 0;
        for (const auto& [ox, oy] : kNeighbours) sum += at(x + ox * d, y + oy * d, i);
        p[3 * x + i] = static_cast<std::uint8_t>(Clamp((256 * at(x, y, i) - 16 * sum) / 128));
      }
  }
  EndEffect();
}

void TwkBitmap::Emboss() {
  if (Empty()) return;
  // Rows are rewritten top to bottom, so the row above is kept before it changes.
  std::vector<std::uint8_t> above(ScanLine(0), ScanLine(0) + RowSize());
  const std::vector<std::uint8_t> last(ScanLine(FHeight - 1), ScanLine(FHeight - 1) + RowSize());
  std::vector<std::uint8_t> current(static_cast<std::size_t>(RowSize()));
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    std::memcpy(current.data(), p, current.size());
    const std::uint8_t* below = y + 1 < FHeight ? ScanLine(y + 1) : last.data();
    for (int x = 0; x < FWidth; ++x) {
      const int l = 3 * std::max(x - 1, 0), r = 3 * std::min(x + 1, FWidth - 1);
      for (int i = 0; i < 3; ++i)
        p[3 * x + i] = static_cast<std::uint8_t>(Clamp(128 + above[l + i] - below[r + i]));
    }
    above = current;
  }
  EndEffect();
}

void TwkBitmap::Sponge(int amount) {
  if (Empty() || amount <= 0) return;
  const std::vector<std::uint8_t> src = FBits;
  const int row = RowSize();
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x) {
      const int sx = ClampTo(x + Random::Below(2 * amount + 1) - amount, 0, FWidth - 1);
      const int sy = ClampTo(y + Random::Below(2 * amount + 1) - amount, 0, FHeight - 1);
      std::memcpy(p + 3 * x, src.data() + static_cast<std::size_t>(sy) * row + 3 * sx, 3);
    }
  }
  EndEffect();
}

void TwkBitmap::AlphaBlend(const TwkBitmap& other, int amount, bool transparent) {
  if (other.FWidth != FWidth || other.FHeight != FHeight)
    throw EwkBitmapError("In Alpha Blend, Blend Bitmap must be same dimensions as Current Bitmap");
  amount = ClampTo(amount, 0, 255);
  const bool keyed = transparent && other.FTransparentColor != clNone;
  const TColor key = ColorToRGB(other.FTransparentColor);
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    const std::uint8_t* q = other.ScanLine(y);
    for (int x = 0; x < FWidth; ++x, p += 3, q += 3) {
      if (keyed && RGBColor(q[2], q[1], q[0]) == key) continue;
      for (int i = 0; i < 3; ++i)
        p[i] = static_cast<std::uint8_t>((q[i] * amount + p[i] * (256 - amount)) / 256);
    }
  }
  EndEffect();
}

void TwkBitmap::Rotate(int centerX, int centerY, double angle) {
  if (Empty()) return;
  if (centerX < 0) centerX = (FWidth + 1) / 2;
  if (centerY < 0) centerY = (FHeight + 1) / 2;
  const std::vector<std::uint8_t> src = FBits;
  const int row = RowSize();
  const double a = angle * M_PI / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  const std::uint8_t fill[3] = {src[0], src[1], src[2]};
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x) {
      // Where this pixel comes from: the picture turned back by the angle.
      const double dx = x - centerX, dy = y - centerY;
      const int sx = static_cast<int>(std::lround(centerX + dx * c - dy * s));
      const int sy = static_cast<int>(std::lround(centerY + dx * s + dy * c));
      const std::uint8_t* from = (sx >= 0 && sy >= 0 && sx < FWidth && sy < FHeight)
                                     ? src.data() + static_cast<std::size_t>(sy) * row + 3 * sx
                                     : fill;
      std::memcpy(p + 3 * x, from, 3);
    }
  }
  EndEffect();
}

void TwkBitmap::Wave(int xDiv, int yDiv, double ratio, bool wrap) {
  if (Empty() || xDiv == 0 || yDiv == 0) return;
  const std::vector<std::uint8_t> src = FBits;
  const int row = RowSize();
  auto fold = [wrap](int v, int size) {
    if (wrap) return ((v % size) + size) % size;
    return ClampTo(v, 0, size - 1);
  };
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < FWidth; ++x) {
      const int sx = fold(x + static_cast<int>(std::lround(ratio * std::sin(2 * M_PI * y / yDiv))), FWidth);
      const int sy = fold(y + static_cast<int>(std::lround(ratio * std::sin(2 * M_PI * x / xDiv))), FHeight);
      std::memcpy(p + 3 * x, src.data() + static_cast<std::size_t>(sy) * row + 3 * sx, 3);
    }
  }
  EndEffect();
}

void TwkBitmap::SaveCopy() {
  FSavedBits = FBits;
  FSavedWidth = FWidth;
  FSavedHeight = FHeight;
}

void TwkBitmap::RestoreCopy() {
  if (FSavedBits.empty()) return;
  ++FUpdating;
  Rebuild(FSavedWidth, FSavedHeight);
  std::memcpy(FBits.data(), FSavedBits.data(), FBits.size());
  --FUpdating;
  Changed();
}
