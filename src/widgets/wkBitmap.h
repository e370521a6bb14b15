#pragma once
// A 24-bit picture whose pixels lie open for fast reading and writing: rows top first,
// three bytes per pixel (blue, green, red), every row padded to a 4-byte boundary. The
// image buttons keep their faces in it and scan it for their outline; the imager runs
// its effects on it.

#include "platform/Colors.h"
#include "widgets/wkUtils.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

class QPainter;

// Misuse of a picture (the alpha blend of pictures of different sizes).
class EwkBitmapError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TwkBitmap {
public:
  TwkBitmap() = default;
  TwkBitmap(const TwkBitmap&) = delete;
  TwkBitmap& operator=(const TwkBitmap&) = delete;

  bool Empty() const { return FBits.empty(); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }
  // A new picture of that size (pixels black, not kept); a size of 0 or less leaves it
  // empty but remembered, so that the width and the height can be set one after the
  // other. The same size again changes nothing.
  void SetSize(int width, int height);
  // Keeps the picture, stretched onto the new size.
  void Resize(int width, int height);

  // Bytes of one row for a picture of that width: 3 per pixel, padded to 4.
  static int RowBytes(int width) { return width * 3 + width % 4; }
  int RowSize() const { return RowBytes(FWidth); }
  std::uint8_t* ScanLine(int y) { return FBits.data() + static_cast<std::size_t>(y) * RowSize(); }
  const std::uint8_t* ScanLine(int y) const {
    return FBits.data() + static_cast<std::size_t>(y) * RowSize();
  }
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // A paint target that shares the pixels. Paint on it through a QPainter, then call
  // Changed(). Never copy it: a copy would detach from the pixels on the next write.
  QImage& Canvas() { return FCanvas; }

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor color);

  // Copies from another kit picture: size, pixels and transparency.
  void Assign(const TwkBitmap& source);
  // Copies from any image (palette images take their palette's colours); a null image
  // empties the picture.
  void Assign(const QImage& source);
  // A 24-bit copy of the pixels.
  QImage ToImage() const;
  // A Windows bitmap file ("BM" first); false, picture unchanged, when it cannot be read.
  bool LoadFromData(const QByteArray& data);
  // A 24-bit Windows bitmap file; empty for an empty picture.
  QByteArray SaveToData() const;

  // Draws onto rect: copied when the sizes agree, else stretched pixel for pixel;
  // Transparent leaves out the pixels of TransparentColor. An empty picture draws nothing.
  void Draw(QPainter& canvas, const QRect& rect) const;
  // Draws the picture repeatedly from rect's top-left corner until rect is covered.
  void Tile(QPainter& canvas, const QRect& rect) const;

  // Reports a change to OnChange and every change link, unless the picture is in the
  // middle of changing itself.
  void Changed();
  std::function<void()> OnChange;
  // Other objects that want every change; the returned id removes the link.
  int AddChangeLink(std::function<void()> link);
  void RemoveChangeLink(int id);

  // Every pixel of oldColor becomes newColor.
  void ReplaceColor(TColor newColor, TColor oldColor);
  // Each channel of every pixel not of TransparentColor moves by (value - 192), clamped;
  // (192, 192, 192) changes nothing.
  void Tint(int red, int green, int blue);

  // Effects; each reports one change.
  void GrayScale();
  void Invert();
  void Lightness(int amount);
  void Contrast(int amount);
  void Saturation(int amount);
  void ColorShift(int red, int green, int blue);
  void FlipHorizontal();
  void FlipVertical();
  void BlurStep(int distance);
  void GaussianBlur(int amount);
  void Sharpen(int distance);
  void Emboss();
  void Sponge(int amount);
  // Throws EwkBitmapError when the sizes differ, changing nothing.
  void AlphaBlend(const TwkBitmap& other, int amount, bool transparent);
  // Turns the picture about (centerX, centerY); -1 takes the middle (odd halves upwards).
  void Rotate(int centerX, int centerY, double angle);
  // Shifts rows and columns along sine waves of periods xDiv and yDiv and height ratio,
  // wrapping round the edges or clamped to them.
  void Wave(int xDiv, int yDiv, double ratio, bool wrap);

  // Keeps a copy of the pixels and size, and puts it back later.
  void SaveCopy();
  void RestoreCopy();
  bool HasSavedCopy() const { return !FSavedBits.empty(); }

private:
  void Rebuild(int width, int height);
  QImage MaskedImage() const;
  void EndEffect() { Changed(); }

  int FWidth = 0;
  int FHeight = 0;
  std::vector<std::uint8_t> FBits;
  QImage FCanvas;
  bool FTransparent = false;
  TColor FTransparentColor = clNone;
  int FUpdating = 0;
  std::map<int, std::function<void()>> FLinks;
  int FNextLink = 1;
  std::vector<std::uint8_t> FSavedBits;
  int FSavedWidth = 0;
  int FSavedHeight = 0;
};
