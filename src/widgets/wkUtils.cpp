#include "widgets/wkUtils.h"

#include <QApplication>
#include <QBrush>
#include <QCursor>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {
bool GThemesEnabled = false;  // no visual-styles service here: classic bevels unless switched on

QRgb ToRgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
bool SameRgb(QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

QRgb TransparentRgb(const QImage& image, qint64 transparent) {
  if (transparent < 0) return image.pixel(0, 0);
  return ToRgb(ColorToRGB(static_cast<TColor>(transparent)));
}
}  // namespace

TColor ColorToRGB(TColor color) {
  if ((color & 0xFF000000u) != clSystemColor) return color;
  const QPalette pal = QApplication::palette();
  QColor c;
  switch (color & 0xFF) {
    case 5: c = pal.color(QPalette::Base); break;
    case 6: c = pal.color(QPalette::Shadow); break;
    case 8: c = pal.color(QPalette::WindowText); break;
    case 13: c = pal.color(QPalette::Highlight); break;
    case 14: c = pal.color(QPalette::HighlightedText); break;
    case 15: c = pal.color(QPalette::Button); break;
    case 16: c = pal.color(QPalette::Dark); break;
    case 17: c = pal.color(QPalette::Disabled, QPalette::WindowText); break;
    case 18: c = pal.color(QPalette::ButtonText); break;
    case 20: c = pal.color(QPalette::Light); break;
    case 21: c = pal.color(QPalette::Shadow); break;
    case 22: c = pal.color(QPalette::Midlight); break;
    case 23: c = pal.color(QPalette::ToolTipText); break;
    case 24: c = pal.color(QPalette::ToolTipBase); break;
    default: c = pal.color(QPalette::Window); break;
  }
  return FromQColor(c);
}

QColor ToQColorResolved(TColor color) {
  if (color == clNone) return QColor(Qt::transparent);
  if (color == clDefault) return QColor(Qt::transparent);
  return ToQColor(ColorToRGB(color));
}

// ---- Geometry ----

QRect FitRect(const QRect& r, int w, int h) {
  const qint64 rw = r.width(), rh = r.height();
  if (w <= 0 || h <= 0 || rw <= 0 || rh <= 0) return QRect(r.topLeft(), QSize(0, 0));
  // h / rh >= w / rw, compared without division
  if (qint64(h) * rw >= qint64(w) * rh)
    return QRect(r.left(), r.top(), int(rh * w / h), int(rh));
  return QRect(r.left(), r.top(), int(rw), int(rw * h / w));
}

QRect CenterFitRect(const QRect& r, int w, int h) {
  QRect f = FitRect(r, w, h);
  f.translate((r.width() - f.width()) / 2, (r.height() - f.height()) / 2);
  return f;
}

void ButtonLayout(QPoint centre, QSize glyphSize, QSize captionSize, int spacing,
                  TwkButtonLayout layout, QRect* captionRect, QRect* glyphRect) {
  const int gw = glyphSize.width(), gh = glyphSize.height();
  const int cw = captionSize.width(), ch = captionSize.height();
  if (gw == 0 || gh == 0) spacing = (spacing - 6) / 2;
  const int gv = gh + 1;  // the glyph's height counts one pixel more
  QPoint g, c;
  switch (layout) {
    case blGlyphLeft:
    case blGlyphRight: {
      const int start = centre.x() - (gw + cw + spacing) / 2;
      if (layout == blGlyphLeft) {
        g.setX(start);
        c.setX(start + spacing + gw);
      } else {
        c.setX(start);
        g.setX(start + spacing + cw);
      }
      g.setY(centre.y() - gv / 2);
      c.setY(centre.y() - ch / 2);
      break;
    }
    case blGlyphTop:
    case blGlyphBottom: {
      const int start = centre.y() - (gv + ch + spacing) / 2;
      if (layout == blGlyphTop) {
        g.setY(start);
        c.setY(start + spacing + gv);
      } else {
        c.setY(start);
        g.setY(start + spacing + ch);
      }
      g.setX(centre.x() - gw / 2);
      c.setX(centre.x() - cw / 2);
      break;
    }
  }
  if (captionRect) *captionRect = QRect(c, captionSize);
  if (glyphRect) *glyphRect = QRect(g, glyphSize);
}

QPoint CursorPos() { return QCursor::pos(); }

QRect WindowRectOf(const QWidget* window) {
  if (!window) return QRect();
  return QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
}

// ---- Strings ----

QString CopyRange(const QString& s, int from, int to) {
  if (from < 1) from = 1;
  if (from > s.size()) return QString();
  if (to == 0) return s.mid(from - 1);
  if (to <= from) return QString();
  return s.mid(from - 1, to - from);
}

int PosFrom(const QString& sub, const QString& s, int start) {
  if (sub.isEmpty() || start < 1) return 0;
  const qsizetype i = s.indexOf(sub, start - 1);
  return i < 0 ? 0 : int(i) + 1;
}

int NthPos(const QString& sub, const QString& s, int n) {
  if (n < 0) return 0;
  int p = 0;
  for (int i = 0; i <= n; ++i) {
    p = PosFrom(sub, s, p + 1);
    if (p == 0) return 0;
  }
  return p;
}

int FieldCount(const QString& s, QChar delimiter) {
  if (s.isEmpty()) return 0;
  return int(s.count(delimiter)) + 1;
}

QString GetField(const QString& s, QChar delimiter, int index) {
  if (index < 0 || index >= FieldCount(s, delimiter)) return QString();
  return s.section(delimiter, index, index);
}

QString ReplaceAll(const QString& s, const QString& oldText, const QString& newText) {
  if (oldText.isEmpty()) return s;
  QString r = s;
  return r.replace(oldText, newText);
}

QString StripAccelerators(const QString& s) {
  QString r;
  r.reserve(s.size());
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] == QLatin1Char('&')) {
      if (i + 1 < s.size() && s[i + 1] == QLatin1Char('&')) {
        r += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    r += s[i];
  }
  return r;
}

QChar AcceleratorChar(const QString& s) {
  for (qsizetype i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != QLatin1Char('&')) continue;
    if (s[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return s[i + 1];
  }
  return QChar();
}

int RegrabAccelerator(QWidget* owner, int id, const QString& caption, bool wanted) {
  if (id != 0) owner->releaseShortcut(id);
  const QKeySequence key = wanted ? QKeySequence::mnemonic(caption) : QKeySequence();
  return key.isEmpty() ? 0 : owner->grabShortcut(key);
}

void WatchDestroyed(QMetaObject::Connection& watch, QObject* receiver, QObject* control, std::function<void()> gone) {
  QObject::disconnect(watch);
  watch = control ? QObject::connect(control, &QObject::destroyed, receiver, std::move(gone)) : QMetaObject::Connection();
}

bool NextToken(const QString& s, int& pos, unsigned options, QString& token,
               const QString& delimiters) {
  token.clear();
  const int n = int(s.size());
  if (pos < 1) pos = 1;
  if (options & toSkipBlanks)
    while (pos <= n && (s[pos - 1] == QLatin1Char(' ') || s[pos - 1] == QLatin1Char('\t'))) ++pos;
  if (pos > n) return false;
  const int start = pos;
  if ((options & toQuoted) && s[start - 1] == QLatin1Char('"')) {
    int end = start + 1;
    while (end <= n && s[end - 1] != QLatin1Char('"')) ++end;
    const int stop = std::min(end, n);  // position of the closing quote, or the last char
    token = s.mid(start - 1, stop - start + 1);
    pos = stop + 1;
    if (options & toStripQuotes) {
      if (token.startsWith(QLatin1Char('"'))) token.remove(0, 1);
      if (token.endsWith(QLatin1Char('"')) && end <= n) token.chop(1);
    }
    return true;
  }
  int end = start;
  auto stops = [&](QChar c) {
    if (delimiters.contains(c) || c.unicode() < 32) return true;
    return !(options & toAllowBlanks) && c == QLatin1Char(' ');
  };
  // a token is at least one character long, a delimiter standing alone included
  ++end;
  if (!stops(s[start - 1]))
    while (end <= n && !stops(s[end - 1])) ++end;
  token = s.mid(start - 1, end - start);
  pos = end;
  return true;
}

int TextHeightOf(const QFont& font, int flags, int width, const QString& text) {
  const QFontMetrics fm(font);
  return fm.boundingRect(QRect(0, 0, std::max(width, 1), 100000), flags, text).height();
}

QSize MultiLineExtent(const QFont& font, const QString& text, int lineSpacing, int flags,
                      int width) {
  const QFontMetrics fm(font);
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  const QStringList lines = t.split(QLatin1Char('\n'));
  int w = 0, h = 0;
  for (int i = 0; i < lines.size(); ++i) {
    QSize sz;
    if (width != 0) {
      sz = fm.boundingRect(QRect(0, 0, width, 100000), flags | Qt::TextWordWrap, lines[i]).size();
    } else {
      sz = QSize(fm.horizontalAdvance(lines[i]), fm.height());
    }
    if (lines[i].isEmpty()) sz.setHeight(fm.height());
    w = std::max(w, sz.width());
    h += sz.height();
    if (i > 0) h += lineSpacing;
  }
  return QSize(w, h);
}

bool InheritsFromClassName(const QObject* object, const char* name) {
  if (!object) return false;
  for (const QMetaObject* m = object->metaObject(); m; m = m->superClass())
    if (qstricmp(m->className(), name) == 0) return true;
  return false;
}

bool IsGridEditor(const QWidget* control) {
  if (!control || !control->parentWidget()) return false;
  return InheritsFromClassName(control->parentWidget(), "TCustomGrid") &&
         control->property("GridEditor").toBool();
}

// ---- Colours ----

TColorBytes ColorBytes(TColor color) {
  const TColor c = ColorToRGB(color);
  return {int((c >> 24) & 0xFF), int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)};
}

int ClampByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

TColor ChangeColor(TColor color, int amount, bool percent) {
  const TColor c = ColorToRGB(color);
  const int in[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
  int out[3];
  for (int i = 0; i < 3; ++i) {
    const int v = in[i];
    const int neighbour = std::max(in[(i + 1) % 3], in[(i + 2) % 3]);
    int r;
    if (v == 0 && neighbour == 255 && amount > 0) {
      r = percent ? amount * 255 / 100 : amount;
    } else if (percent) {
      r = amount < 0 ? v + v * amount / 100 : v + (255 - v) * amount / 100;
    } else {
      r = v + amount;
    }
    out[i] = ClampByte(r);
  }
  return RGBColor(out[0], out[1], out[2]);
}

void SwapRedBlue(quint32* pixels, int count) {
  for (int i = 0; i < count; ++i) {
    const quint32 p = pixels[i];
    pixels[i] = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
  }
}

// ---- Bitmaps, regions, windows ----

QRegion RegionFromBitmap(const QImage& bitmap, qint64 transparent) {
  QRegion region;
  if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0) return region;
  const QImage img = bitmap.convertToFormat(QImage::Format_RGB32);
  const QRgb key = TransparentRgb(img, transparent);
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    int x = 0;
    while (x < img.width()) {
      while (x < img.width() && SameRgb(line[x], key)) ++x;
      const int start = x;
      while (x < img.width() && !SameRgb(line[x], key)) ++x;
      if (x > start) region += QRect(start, y, x - start, 1);
    }
  }
  return region;
}

void FillOutsideRegion(QImage& bitmap, const QRegion& region, TColor transparent) {
  if (bitmap.isNull()) return;
  QPainter p(&bitmap);
  p.setClipRegion(QRegion(bitmap.rect()).subtracted(region));
  p.fillRect(bitmap.rect(), ToQColor(ColorToRGB(transparent)));
}

void TransparentBlt(QPainter& painter, const QRect& rect, const QImage& bitmap,
                    qint64 transparent) {
  if (bitmap.isNull()) return;
  QImage img = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = TransparentRgb(img, transparent);
  for (int y = 0; y < img.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if (SameRgb(line[x], key)) line[x] = 0;
  }
  const int w = std::min(rect.width(), img.width()), h = std::min(rect.height(), img.height());
  painter.drawImage(rect.topLeft(), img, QRect(0, 0, w, h));
}

void TransparentBlt(QPainter& painter, const QRect& rect, const QImage& bitmap, bool offscreen,
                    qint64 transparent) {
  if (!offscreen || bitmap.isNull() || rect.isEmpty()) {
    TransparentBlt(painter, rect, bitmap, transparent);
    return;
  }
  // The target's own pixels when they can be read (a picture painted without a transform),
  // else a clear area: either way the copy goes back in one piece.
  QImage area(rect.size(), QImage::Format_ARGB32_Premultiplied);
  area.fill(Qt::transparent);
  const QPaintDevice* device = painter.device();
  if (device && device->devType() == QInternal::Image && painter.worldTransform().isIdentity())
    area = static_cast<const QImage*>(device)->copy(rect).convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
  {
    QPainter p(&area);
    TransparentBlt(p, QRect(QPoint(0, 0), rect.size()), bitmap, transparent);
  }
  painter.drawImage(rect.topLeft(), area);
}

QImage DrawDisabledBitmap(const QImage& bitmap, qint64 transparent) {
  if (bitmap.isNull()) return QImage();
  const QImage src = bitmap.convertToFormat(QImage::Format_RGB32);
  const QRgb key = TransparentRgb(src, transparent);
  QImage ink(src.size(), QImage::Format_ARGB32);
  ink.fill(Qt::transparent);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* d = reinterpret_cast<QRgb*>(ink.scanLine(y));
    for (int x = 0; x < src.width(); ++x)
      if (!SameRgb(s[x], key) && !SameRgb(s[x], qRgb(255, 255, 255))) d[x] = 0xFF000000;
  }
  auto tinted = [&ink](TColor c) {
    QImage t = ink;
    QPainter p(&t);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(t.rect(), ToQColor(ColorToRGB(c)));
    return t;
  };
  QImage out(src.size(), QImage::Format_RGB32);
  out.fill(ToQColor(ColorToRGB(clBtnFace)));
  QPainter p(&out);
  p.drawImage(1, 1, tinted(clBtnHighlight));
  p.drawImage(0, 0, tinted(clBtnShadow));
  return out;
}

QBrush DitherBrush(TColor first, TColor second) {
  QImage pattern(8, 8, QImage::Format_ARGB32);
  const QColor a = ToQColorResolved(first), b = ToQColorResolved(second);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pattern.setPixelColor(x, y, ((x + y) & 1) ? b : a);
  return QBrush(pattern);
}

void FillDithered(QPainter& painter, const QRect& rect, TColor first, TColor second) {
  if (second == clNone) throw EInvalidOperation(QStringLiteral("Color2 cannot be clNone"));
  painter.fillRect(rect, DitherBrush(first, second));
}

void TileBitmap(const QImage& bitmap, QPainter& painter, const QRect& rect) {
  if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) return;
  for (int y = 0; y < rect.height(); y += bitmap.height())
    for (int x = 0; x < rect.width(); x += bitmap.width())
      painter.drawImage(rect.left() + x, rect.top() + y, bitmap);
}

void InvalidateTree(QWidget* window) {
  if (!window) return;
  window->update();
  for (QObject* child : window->children())
    if (auto* w = qobject_cast<QWidget*>(child)) InvalidateTree(w);
}

void InvalidateChildrenOver(QWidget* parent, const QWidget* window) {
  if (!parent || !window) return;
  const QRect target = WindowRectOf(window);
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && w != window && WindowRectOf(w).intersects(target)) InvalidateTree(w);
  }
}

bool ThemesActive(const QWidget* control) {
  if (!GThemesEnabled) return false;
  if (!control) return true;
  QVariant v = control->property("DisableThemes");
  if (!v.isValid() && control->parentWidget()) v = control->parentWidget()->property("DisableThemes");
  return !(v.isValid() && v.toBool());
}

void SetThemesEnabled(bool enabled) { GThemesEnabled = enabled; }

// ---- Collection ----

TwkCollectionItem::TwkCollectionItem(TwkCollection* collection) : FCollection(collection) {}

int TwkCollectionItem::Index() const {
  if (!FCollection) return -1;
  for (int i = 0; i < FCollection->Count(); ++i)
    if (FCollection->FItems[i].get() == this) return i;
  return -1;
}

void TwkCollectionItem::Changed(bool allItems) {
  if (FCollection && !FCollection->Updating()) FCollection->Update(allItems ? nullptr : this);
}

TwkCollectionItem* TwkCollection::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FItems[index].get();
}

TwkCollectionItem* TwkCollection::AddItem(std::unique_ptr<TwkCollectionItem> item) {
  item->FCollection = this;
  FItems.push_back(std::move(item));
  TwkCollectionItem* added = FItems.back().get();
  if (!Updating()) Update(nullptr);
  return added;
}

void TwkCollection::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FItems.erase(FItems.begin() + index);
  if (!Updating()) Update(nullptr);
}

void TwkCollection::Clear() {
  FItems.clear();
  if (!Updating()) Update(nullptr);
}

void TwkCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Update(nullptr);
}

// ---- Image lists ----

TColor ImageListColor(TColor color) {
  if (color == clNone) return ilNone;
  if (color == clDefault) return ilDefault;
  return ColorToRGB(color);
}

int TwkImageList::Add(const QImage& image, TColor mask) {
  QImage picture = image.convertToFormat(QImage::Format_ARGB32);
  if (picture.size() != QSize(FWidth, FHeight))
    picture = picture.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (mask != clNone) {
    const QRgb key = ToRgb(ColorToRGB(mask));
    for (int y = 0; y < picture.height(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = 0; x < picture.width(); ++x)
        if (SameRgb(line[x], key)) line[x] = 0;
    }
  }
  FImages.push_back(picture);
  return Count() - 1;
}

QImage TwkImageList::Image(int index) const {
  if (index < 0 || index >= Count()) return QImage();
  return FImages[static_cast<std::size_t>(index)];
}

void DrawImage(const TwkImageList& list, int index, QPainter& canvas, bool enabled,
               unsigned style, int x, int y) {
  QImage picture = list.Image(index);
  if (picture.isNull()) return;
  if (!enabled) {
    // The mask (every pixel not fully transparent) in one colour.
    auto inked = [&picture](TColor color) {
      QImage ink(picture.size(), QImage::Format_ARGB32);
      const QRgb c = ToRgb(ColorToRGB(color)) | 0xFF000000u;
      for (int py = 0; py < picture.height(); ++py) {
        const QRgb* s = reinterpret_cast<const QRgb*>(picture.constScanLine(py));
        QRgb* d = reinterpret_cast<QRgb*>(ink.scanLine(py));
        for (int px = 0; px < picture.width(); ++px) d[px] = qAlpha(s[px]) > 0 ? c : 0;
      }
      return ink;
    };
    canvas.drawImage(x + 1, y + 1, inked(clBtnHighlight));
    canvas.drawImage(x, y, inked(clBtnShadow));
    return;
  }
  if (style & 1) --x;
  const TColor blend = ImageListColor(list.BlendColor());
  if (blend != ilNone) {
    const QRgb b = ToRgb(blend == ilDefault ? ColorToRGB(clHighlight) : blend);
    for (int py = 0; py < picture.height(); ++py) {
      QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(py));
      for (int px = 0; px < picture.width(); ++px)
        line[px] = qRgba((qRed(line[px]) + qRed(b)) / 2, (qGreen(line[px]) + qGreen(b)) / 2,
                         (qBlue(line[px]) + qBlue(b)) / 2, qAlpha(line[px]));
    }
  }
  const TColor background = ImageListColor(list.BkColor());
  if (background != ilNone && background != ilDefault)
    canvas.fillRect(QRect(x, y, list.Width(), list.Height()), ToQColor(background));
  canvas.drawImage(x, y, picture);
}
