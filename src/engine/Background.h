#pragma once
// The table background of a game window: a tiled picture, a colour gradient in bands
// (horizontal, vertical or in concentric frames) or the window's ordinary background.
// It watches its window's paint and resize events, paints the background under
// everything else, and keeps the same picture in a client-sized cache from which the
// pile views copy the part behind their cards.

#include <QImage>
#include <QObject>
#include <functional>
#include <stdexcept>

#include "platform/Colors.h"

class QPainter;
class QWidget;

// A component used where it cannot work (no window among its owners).
class EComponentError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum gradType { gHorz = 0, gVert = 1, gRadial = 2 };
enum TzBackType { btBitmap = 0, btBlend = 1, btNormal = 2 };

class TzBackground : public QObject {
  Q_OBJECT
public:
  explicit TzBackground(QObject* owner);
  ~TzBackground() override;

  // Hooks the owner window (the first window among the QObject parents); call once the
  // window is built. Throws EComponentError("NoForm") when there is none.
  void Loaded();
  QWidget* GetOwnerForm() const;

  gradType FillType() const { return FFillType; }
  TzBackType BackType() const { return FBackType; }
  const QImage& BitMap() const { return FBitMap; }
  TColor Color() const { return FColor; }
  TColor EndColor() const { return FEndColor; }
  int Bands() const { return FBands; }

  // Each setter repaints the whole window.
  void SetFillType(gradType value);
  void SetBackType(TzBackType value);
  void SetBitMap(const QImage& value);
  void SetColor(TColor value);
  void SetEndColor(TColor value);
  void SetBands(int value);

  // The picture last painted, client-sized; pile views copy the part behind them.
  const QImage& BackBuffer() const { return FBackBuffer; }

  // Paints the background for a client of the window's size into the cache and, when a
  // painter is given, onto the window. Returns false when the window's own background
  // shows instead (btNormal, an empty picture, a minimized window).
  bool EraseBackground(QPainter* window);

  std::function<void(TzBackground* sender, QPainter* canvas)> OnPaint;
  std::function<void(TzBackground* sender)> OnResize;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  virtual void DoResize();
  virtual void DoPaint(QPainter* canvas);

private:
  void CalcColorSteps();
  void Invalidate();
  void SizeBackBuffer(int width, int height);
  void PaintBlend(QPainter& cache, int width, int height);
  void PaintTiles(QPainter& cache, int width, int height);
  TColor StepColor(int i, int steps) const;

  gradType FFillType = gVert;
  TzBackType FBackType = btBitmap;
  QImage FBitMap;
  TColor FColor = 0xFF00FF;
  TColor FEndColor = 0;
  int FBands = 255;

  QWidget* FForm = nullptr;
  bool FHooked = false;
  int FStartR = 0, FStartG = 0, FStartB = 0;
  int FDeltaR = 0, FDeltaG = 0, FDeltaB = 0;
  QImage FBackBuffer;
  // The cache already holds the picture for the current size and properties.
  bool FBufferValid = false;
};
