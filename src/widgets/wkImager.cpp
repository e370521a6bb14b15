#include "widgets/wkImager.h"

#include <QPainter>

#include "widgets/wkUtils.h"

void TwkBitmapOptions::Apply(TwkBitmap& bitmap) const {
  if (bitmap.Empty()) return;
  if (FRotation.Angle != 0) bitmap.Rotate(FRotation.CenterX, FRotation.CenterY, FRotation.Angle);
  if (FHorizontallyFlipped) bitmap.FlipHorizontal();
  if (FVerticallyFlipped) bitmap.FlipVertical();
  if (FWave.XDiv != 0 && FWave.YDiv != 0 && FWave.Ratio != 0)
    bitmap.Wave(FWave.XDiv, FWave.YDiv, FWave.Ratio, FWave.Wrap);
  if (FGaussianBlur > 0) bitmap.GaussianBlur(FGaussianBlur);
  if (FSharpen > 0) bitmap.Sharpen(FSharpen);
  if (FSponge > 0) bitmap.Sponge(FSponge);
  if (FEmbossed) bitmap.Emboss();
  if (FGrayScale) bitmap.GrayScale();
  if (FSaturation != 256) bitmap.Saturation(FSaturation);
  if (FLightness != 0) bitmap.Lightness(FLightness);
  if (FContrast != 0) bitmap.Contrast(FContrast);
  if (FTintColor != clNone) {
    const TColor t = ColorToRGB(FTintColor);
    bitmap.Tint(GetRValue(t), GetGValue(t), GetBValue(t));
  }
  if (FInverted) bitmap.Invert();
  const TwkBitmap* other = FAlphaBlend.Bitmap;
  if (other && FAlphaBlend.Amount > 0 && other->Width() == bitmap.Width() &&
      other->Height() == bitmap.Height())
    bitmap.AlphaBlend(*other, FAlphaBlend.Amount, FAlphaBlend.Transparent);
}

TwkCustomImager::TwkCustomImager(QWidget* parent)
    : QWidget(parent), FOptions([this] { Invalidate(); }) {
  resize(100, 100);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TwkCustomImager::SetPicture(const QImage& picture) {
  FPicture = picture;
  Invalidate();
}

void TwkCustomImager::SetDrawStyle(TwkImagerDrawStyle style) {
  if (style == FDrawStyle) return;
  const bool tiling = style == wkdsTile || FDrawStyle == wkdsTile;
  FDrawStyle = style;
  if (tiling)
    Invalidate();
  else
    update();
}

void TwkCustomImager::Invalidate() {
  FNeedsRebuild = true;
  update();
}


void TwkCustomImager::Rebuild() {
  FNeedsRebuild = false;
  if (FPicture.isNull()) {
    FBitmap.SetSize(0, 0);
    return;
  }
  if (FDrawStyle == wkdsTile && width() > 0 && height() > 0) {
    QImage tiled(width(), height(), QImage::Format_RGB32);
    QPainter p(&tiled);
    TileBitmap(FPicture, p, tiled.rect());
    p.end();
    FBitmap.Assign(tiled);
  } else {
    FBitmap.Assign(FPicture);
  }
  FOptions.Apply(FBitmap);
}

TwkBitmap& TwkCustomImager::Bitmap() {
  // A tiled picture covers the control, so it follows the control's size.
  if (FDrawStyle == wkdsTile && !FPicture.isNull() &&
      QSize(FBitmap.Width(), FBitmap.Height()) != size())
    FNeedsRebuild = true;
  if (FNeedsRebuild) Rebuild();
  return FBitmap;
}

QRect TwkCustomImager::TargetRect() {
  const TwkBitmap& b = Bitmap();
  const QRect client = rect();
  const QSize size(b.Width(), b.Height());
  switch (FDrawStyle) {
    case wkdsNormal: return QRect(QPoint(0, 0), size);
    case wkdsCenter:
      return QRect(QPoint((client.width() - size.width()) / 2, (client.height() - size.height()) / 2),
                   size);
    case wkdsStretch:
    case wkdsTile: return client;
    case wkdsProportional: return FitRect(client, size.width(), size.height());
    case wkdsCenterProportional: return CenterFitRect(client, size.width(), size.height());
  }
  return client;
}

void TwkCustomImager::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColorResolved(FOptions.Color()));
  TwkBitmap& b = Bitmap();
  if (b.Empty()) return;
  b.Draw(p, TargetRect());
}
