#pragma once
// A framed colour swatch, optionally semi-transparent over a checkerboard; the options
// dialog shows the background colours in three of them.

#include <QWidget>

#include <functional>

#include "platform/Colors.h"

// Two colours mixed channel by channel; system colours are resolved first. A weight below
// 100 is a percentage of color1, otherwise per mille.
TColor Blend(TColor color1, TColor color2, int weight);

class TColorPreview : public QWidget {
public:
  explicit TColorPreview(QWidget* parent = nullptr);

  TColor Color() const { return FColor; }
  void SetColor(TColor color);  // clNone shows no colour
  int Opacity() const { return FOpacity; }
  void SetOpacity(int percent);
  int BlockSize() const { return FBlockSize; }
  void SetBlockSize(int pixels);
  bool SwatchStyle() const { return FSwatchStyle; }
  void SetSwatchStyle(bool value);

  std::function<void()> OnColorChange;
  std::function<void()> OnOpacityChange;
  std::function<void(Qt::MouseButton button, QPoint pos)> OnMouseDown;

  // The face as it is painted, at the control's size.
  QImage Render() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  TColor FColor;
  int FOpacity = 100;
  int FBlockSize = 6;
  bool FSwatchStyle = false;
};
