#include "engine/Background.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

TzBackground::TzBackground(QObject* owner) : QObject(owner) {
  // Until the first paint the cache is a white square with a black outline.
  FBackBuffer = QImage(100, 100, QImage::Format_RGB32);
  FBackBuffer.fill(Qt::white);
  QPainter p(&FBackBuffer);
  p.setPen(Qt::black);
  p.drawRect(0, 0, 99, 99);
  p.end();
  CalcColorSteps();
}

TzBackground::~TzBackground() {
  if (FHooked && FForm) FForm->removeEventFilter(this);
}

QWidget* TzBackground::GetOwnerForm() const {
  for (QObject* o = parent(); o; o = o->parent()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->isWindow()) return w;
  }
  throw EComponentError("NoForm");
}

void TzBackground::Loaded() {
  if (FHooked) return;
  FForm = GetOwnerForm();
  FForm->installEventFilter(this);
  FHooked = true;
}

void TzBackground::SetFillType(gradType value) {
  FFillType = value;
  CalcColorSteps();
  Invalidate();
}

void TzBackground::SetBackType(TzBackType value) {
  if (value == FBackType) return;
  FBackType = value;
  CalcColorSteps();
  Invalidate();
}

void TzBackground::SetBitMap(const QImage& value) {
  FBitMap = value;
  CalcColorSteps();
  Invalidate();
}

void TzBackground::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  CalcColorSteps();
  Invalidate();
}

void TzBackground::SetEndColor(TColor value) {
  if (value == FEndColor) return;
  FEndColor = value;
  CalcColorSteps();
  Invalidate();
}

void TzBackground::SetBands(int value) {
  if (value == FBands) return;
  FBands = value;
  CalcColorSteps();
  Invalidate();
}

void TzBackground::CalcColorSteps() {
  FStartR = GetRValue(FColor);
  FStartG = GetGValue(FColor);
  FStartB = GetBValue(FColor);
  FDeltaR = GetRValue(FEndColor) - FStartR;
  FDeltaG = GetGValue(FEndColor) - FStartG;
  FDeltaB = GetBValue(FEndColor) - FStartB;
}

void TzBackground::Invalidate() {
  FBufferValid = false;
  if (FForm) FForm->update();
}

TColor TzBackground::StepColor(int i, int steps) const {
  return RGBColor(FStartR + MulDiv(i, FDeltaR, steps), FStartG + MulDiv(i, FDeltaG, steps),
                  FStartB + MulDiv(i, FDeltaB, steps));
}

bool TzBackground::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FForm) {
    if (event->type() == QEvent::Paint) {
      QPainter p(FForm);
      EraseBackground(&p);
    } else if (event->type() == QEvent::Resize) {
      DoResize();
      FForm->update();
    }
  }
  return QObject::eventFilter(watched, event);
}

void TzBackground::SizeBackBuffer(int width, int height) {
  if (FBackBuffer.width() == width && FBackBuffer.height() == height) return;
  FBufferValid = false;
  // Like a bitmap being resized: what was there stays, new area is white.
  QImage sized(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  sized.fill(Qt::white);
  if (!sized.isNull() && !FBackBuffer.isNull()) {
    QPainter p(&sized);
    p.drawImage(0, 0, FBackBuffer);
  }
  FBackBuffer = sized;
}

bool TzBackground::EraseBackground(QPainter* window) {
  QWidget* form = FForm;
  if (form && form->isMinimized()) return false;
  const int w = form ? form->width() : FBackBuffer.width();
  const int h = form ? form->height() : FBackBuffer.height();
  SizeBackBuffer(w, h);

  const bool tiles = FBackType == btBitmap && !FBitMap.isNull();
  const bool painted = !FBackBuffer.isNull() && (tiles || FBackType == btBlend);
  // Paint events come for every exposed part; the picture is drawn once per change.
  if (painted && !FBufferValid) {
    QPainter cache(&FBackBuffer);
    if (tiles)
      PaintTiles(cache, w, h);
    else
      PaintBlend(cache, w, h);
    FBufferValid = true;
  }
  if (painted && window) window->drawImage(0, 0, FBackBuffer);
  if (window) DoPaint(window);
  return painted;
}

void TzBackground::PaintTiles(QPainter& cache, int width, int height) {
  const int tw = FBitMap.width();
  const int th = FBitMap.height();
  for (int row = 0; row <= height / th; ++row)
    for (int col = 0; col <= width / tw; ++col) cache.drawImage(col * tw, row * th, FBitMap);
}

void TzBackground::PaintBlend(QPainter& cache, int width, int height) {
  const int n = FBands;
  if (FFillType == gRadial) {
    int m = std::min({FBands, width / 2, height / 2});
    if (m <= 0) {
      // Too few bands or too small a window for one frame: the start colour throughout.
      cache.fillRect(0, 0, width, height, ToQColor(FColor));
      return;
    }
    const int dx = std::max(1, (width / 2) / m);
    const int dy = std::max(1, (height / 2) / m);
    int left = 0, top = 0, right = width, bottom = height;
    auto fill = [&](int l, int t, int r, int b, const QColor& c) {
      if (r > l && b > t) cache.fillRect(l, t, r - l, b - t, c);
    };
    for (int i = 0; i <= m; ++i) {
      const QColor c = ToQColor(StepColor(i, m));
      if (i < m) {
        fill(left, top, right, top + dy, c);
        fill(left, bottom - dy, right, bottom, c);
        fill(left, top + dy, left + dx, bottom - dy, c);
        fill(right - dx, top + dy, right, bottom - dy, c);
      } else {
        fill(left, top, right, bottom, c);
      }
      left += dx;
      right -= dx;
      top += dy;
      bottom -= dy;
    }
    return;
  }
  if (n <= 0) {
    // No steps to spread the colours over.
    cache.fillRect(0, 0, width, height, ToQColor(FColor));
    return;
  }
  for (int i = 0; i <= n; ++i) {
    const QColor c = ToQColor(StepColor(i, n));
    if (FFillType == gVert) {
      const int y0 = MulDiv(i, height, n + 1);
      const int y1 = MulDiv(i + 1, height, n + 1);
      if (y1 > y0) cache.fillRect(0, y0, width, y1 - y0, c);
    } else {
      const int x0 = MulDiv(i, width, n + 1);
      const int x1 = MulDiv(i + 1, width, n + 1);
      if (x1 > x0) cache.fillRect(x0, 0, x1 - x0, height, c);
    }
  }
}

void TzBackground::DoResize() {
  if (OnResize) OnResize(this);
}

void TzBackground::DoPaint(QPainter* canvas) {
  if (OnPaint) OnPaint(this, canvas);
}
