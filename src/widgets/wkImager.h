#pragma once
// A picture control that shows its picture through a chain of bitmap effects.

#include <QImage>
#include <QWidget>

#include <functional>

#include "widgets/wkBitmap.h"

// Where and how the picture is drawn in the control.
enum TwkImagerDrawStyle {
  wkdsNormal,         // unscaled at the top-left corner
  wkdsCenter,         // unscaled, centred
  wkdsStretch,        // stretched over the control
  wkdsTile,           // repeated over the control
  wkdsProportional,   // largest rectangle of the picture's aspect, top-left
  wkdsCenterProportional  // the same, centred
};

struct TwkAlphaBlend {
  int Amount = 0;                    // 0..255; 0 leaves the picture alone
  const TwkBitmap* Bitmap = nullptr;  // blended in when it has the picture's size
  bool Transparent = false;          // leaves out the blend picture's transparent pixels
  bool operator==(const TwkAlphaBlend&) const = default;
};

struct TwkRotate {
  int CenterX = -1;  // -1: the middle
  int CenterY = -1;
  double Angle = 0;  // degrees
  bool operator==(const TwkRotate&) const = default;
};

struct TwkWave {
  int XDiv = 0;  // 0: no wave
  int YDiv = 0;
  double Ratio = 0;
  bool Wrap = false;
  bool operator==(const TwkWave&) const = default;
};

// The effects applied to the imager's picture; every change rebuilds it.
class TwkBitmapOptions {
public:
  explicit TwkBitmapOptions(std::function<void()> onChange) : FOnChange(std::move(onChange)) {}

  const TwkAlphaBlend& AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(const TwkAlphaBlend& v) { Store(FAlphaBlend, v); }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { Store(FColor, v); }
  int Contrast() const { return FContrast; }
  void SetContrast(int v) { Store(FContrast, v); }
  bool Embossed() const { return FEmbossed; }
  void SetEmbossed(bool v) { Store(FEmbossed, v); }
  TColor TintColor() const { return FTintColor; }
  void SetTintColor(TColor v) { Store(FTintColor, v); }
  int GaussianBlur() const { return FGaussianBlur; }
  void SetGaussianBlur(int v) { Store(FGaussianBlur, v); }
  bool GrayScale() const { return FGrayScale; }
  void SetGrayScale(bool v) { Store(FGrayScale, v); }
  bool HorizontallyFlipped() const { return FHorizontallyFlipped; }
  void SetHorizontallyFlipped(bool v) { Store(FHorizontallyFlipped, v); }
  bool Inverted() const { return FInverted; }
  void SetInverted(bool v) { Store(FInverted, v); }
  int Lightness() const { return FLightness; }
  void SetLightness(int v) { Store(FLightness, v); }
  const TwkRotate& Rotation() const { return FRotation; }
  void SetRotation(const TwkRotate& v) { Store(FRotation, v); }
  int Saturation() const { return FSaturation; }
  void SetSaturation(int v) { Store(FSaturation, v); }
  int Sharpen() const { return FSharpen; }
  void SetSharpen(int v) { Store(FSharpen, v); }
  int Sponge() const { return FSponge; }
  void SetSponge(int v) { Store(FSponge, v); }
  bool VerticallyFlipped() const { return FVerticallyFlipped; }
  void SetVerticallyFlipped(bool v) { Store(FVerticallyFlipped, v); }
  const TwkWave& Wave() const { return FWave; }
  void SetWave(const TwkWave& v) { Store(FWave, v); }

  // Runs the effects on a picture, in a fixed order: geometry first, then filters, then
  // colours, then the blend.
  void Apply(TwkBitmap& bitmap) const;

private:
  template <typename T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (FOnChange) FOnChange();
  }

  std::function<void()> FOnChange;
  TwkAlphaBlend FAlphaBlend;
  TColor FColor = clBtnFace;
  int FContrast = 0;
  bool FEmbossed = false;
  TColor FTintColor = clNone;
  int FGaussianBlur = 0;
  bool FGrayScale = false;
  bool FHorizontallyFlipped = false;
  bool FInverted = false;
  int FLightness = 0;
  TwkRotate FRotation;
  int FSaturation = 256;
  int FSharpen = 0;
  int FSponge = 0;
  bool FVerticallyFlipped = false;
  TwkWave FWave;
};

class TwkCustomImager : public QWidget {
public:
  explicit TwkCustomImager(QWidget* parent = nullptr);

  const QImage& Picture() const { return FPicture; }
  void SetPicture(const QImage& picture);
  TwkBitmapOptions& BitmapOptions() { return FOptions; }
  TwkImagerDrawStyle DrawStyle() const { return FDrawStyle; }
  void SetDrawStyle(TwkImagerDrawStyle style);

  // The picture after the effects (rebuilt first when something changed).
  TwkBitmap& Bitmap();
  // Where the picture is drawn in the control for the current style.
  QRect TargetRect();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void Invalidate();
  void Rebuild();

  QImage FPicture;
  TwkBitmap FBitmap;
  TwkBitmapOptions FOptions;
  TwkImagerDrawStyle FDrawStyle = wkdsNormal;
  bool FNeedsRebuild = true;
};
