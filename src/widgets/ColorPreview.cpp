#include "widgets/ColorPreview.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/wkUtils.h"

TColor Blend(TColor color1, TColor color2, int weight) {
  const TColor c1 = ColorToRGB(color1), c2 = ColorToRGB(color2);
  const int scale = weight < 100 ? 100 : 1000;
  auto mix = [&](int a, int b) { return (a * weight + b * (scale - weight) + scale / 2) / scale; };
  return RGBColor(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                  mix(GetBValue(c1), GetBValue(c2)));
}

TColorPreview::TColorPreview(QWidget* parent) : QWidget(parent), FColor(clWhite) {
  resize(68, 32);
  setFocusPolicy(Qt::NoFocus);
  // Every pixel is painted, so nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TColorPreview::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  update();
  if (OnColorChange) OnColorChange();
}

void TColorPreview::SetOpacity(int percent) {
  if (percent == FOpacity) return;
  FOpacity = percent;
  update();
  if (OnOpacityChange) OnOpacityChange();
}

void TColorPreview::SetBlockSize(int pixels) {
  FBlockSize = pixels;
  update();
}

void TColorPreview::SetSwatchStyle(bool value) {
  FSwatchStyle = value;
  update();
}

QImage TColorPreview::Render() const {
  const int w = width(), h = height();
  const int block = FBlockSize > 0 ? FBlockSize : 1;
  QImage image(w + block, h + block, QImage::Format_RGB32);
  image.fill(ToQColorResolved(clWindow));
  QPainter p(&image);
  auto fill = [&p](const QRect& r, TColor c) {
    if (r.isValid()) p.fillRect(r, ToQColor(ColorToRGB(c)));
  };
  const QRect client(0, 0, w, h);
  const bool none = FColor == clNone;
  const bool opaque = !none && FOpacity == 100;
  TColor back = FColor;
  if (!opaque) back = (none || FOpacity == 0) ? clWhite : Blend(FColor, clWhite, FOpacity);

  // A shadow-coloured frame round the ground colour.
  fill(client, clBtnShadow);
  if (FSwatchStyle) {
    fill(client.adjusted(1, 1, -1, -1), clWindow);
    fill(client.adjusted(2, 2, -2, -2), Blend(back, clBlack, 75));
    fill(client.adjusted(3, 3, -3, -3), Blend(back, clBlack, 87));
    fill(client.adjusted(4, 4, -4, -4), back);
  } else {
    fill(client.adjusted(1, 1, -1, -1), back);
  }

  if (!opaque) {
    const TColor cell = (none || FOpacity == 0) ? clSilver : Blend(FColor, clSilver, FOpacity);
    p.setClipRect(client.adjusted(1, 1, -1, -1));
    for (int row = 0; row * block < h; ++row)
      for (int col = 0; col * block < w; ++col)
        if ((row & 1) != (col & 1)) fill(QRect(col * block, row * block, block, block), cell);
  }
  p.end();
  return image.copy(client);
}

void TColorPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Render());
}

void TColorPreview::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event->button(), event->position().toPoint());
  QWidget::mousePressEvent(event);
}
