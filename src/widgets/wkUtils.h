#pragma once
// Free routines shared by the widget kit: geometry, strings, colours, bitmaps and regions,
// plus the change link and the collection base the status-bar panels derive from.

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/Colors.h"

class QPainter;
class QWidget;
class QPixmap;
class QBrush;

// Misuse of a component (the kit's fixed messages); reaches the program's error guard.
class EInvalidOperation : public std::runtime_error {
public:
  explicit EInvalidOperation(const QString& message)
      : std::runtime_error(message.toStdString()), FMessage(message) {}
  const QString& Message() const { return FMessage; }

private:
  QString FMessage;
};

// ---- Colour constants (0x00BBGGRR; system colours carry 0xFF in the high byte) ----
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clSystemColor = 0xFF000000;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;

// A system colour resolved through the application's palette (so kit controls match the
// Qt controls beside them); any other colour is returned unchanged.
TColor ColorToRGB(TColor color);
// ColorToRGB as a QColor; clNone gives a transparent QColor.
QColor ToQColorResolved(TColor color);

// ---- Numbers and geometry ----
inline int MinInt(int a, int b) { return a < b ? a : b; }
inline int MaxInt(int a, int b) { return a > b ? a : b; }
inline int RectWidth(const QRect& r) { return r.width(); }
inline int RectHeight(const QRect& r) { return r.height(); }
inline QPoint MakePoint(int x, int y) { return QPoint(x, y); }
inline bool PointsEqual(const QPoint& p, const QPoint& q) { return p == q; }
template <typename T>
inline T IfThen(bool flag, T a, T b) { return flag ? a : b; }
inline unsigned SetFlag(unsigned flags, bool set, unsigned bits) {
  return set ? (flags | bits) : (flags & ~bits);
}

// The largest rectangle of aspect w:h inside r, at r's top-left corner.
QRect FitRect(const QRect& r, int w, int h);
// FitRect centred in r along the axis that has room to spare.
QRect CenterFitRect(const QRect& r, int w, int h);

enum TwkButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Places a glyph and a caption as one group centred on `centre`; either out rectangle
// may be null.
void ButtonLayout(QPoint centre, QSize glyphSize, QSize captionSize, int spacing,
                  TwkButtonLayout layout, QRect* captionRect, QRect* glyphRect);

QPoint CursorPos();
QRect WindowRectOf(const QWidget* window);  // screen rectangle

// ---- Strings (positions count from 1, 0 means none) ----
QString CopyRange(const QString& s, int from, int to);
int PosFrom(const QString& sub, const QString& s, int start);
int NthPos(const QString& sub, const QString& s, int n);
int FieldCount(const QString& s, QChar delimiter);
QString GetField(const QString& s, QChar delimiter, int index);
QString ReplaceAll(const QString& s, const QString& oldText, const QString& newText);
QString StripAccelerators(const QString& s);
// The accelerator character of a caption ("&x"), or a null QChar.
QChar AcceleratorChar(const QString& s);
// Gives up the Alt+accelerator shortcut owner holds as id and, when wanted, takes the one
// of caption's "&x" instead. Returns the new shortcut's id, 0 for none.
int RegrabAccelerator(QWidget* owner, int id, const QString& caption, bool wanted = true);
// Makes watch the one connection that runs gone (in receiver's context) when control is
// destroyed; a null control leaves nothing watched.
void WatchDestroyed(QMetaObject::Connection& watch, QObject* receiver, QObject* control, std::function<void()> gone);

enum TwkTokenOption : unsigned {
  toSkipBlanks = 1,    // skip blanks and tabs before the token
  toQuoted = 2,        // a double-quoted token is read whole
  toStripQuotes = 4,   // ... without its quotes
  toAllowBlanks = 8,   // blanks do not end a token
};
// Reads one token of s from pos (1-based, advanced past it); false at the end.
bool NextToken(const QString& s, int& pos, unsigned options, QString& token,
               const QString& delimiters);

// Height of text laid out with the Qt text flags in a rectangle `width` wide.
int TextHeightOf(const QFont& font, int flags, int width, const QString& text);
// Lines split at "\r\n" (and "\n"), each wrapped to width when width is not 0; widest
// line by the sum of line heights plus lineSpacing between neighbouring lines.
QSize MultiLineExtent(const QFont& font, const QString& text, int lineSpacing, int flags,
                      int width);

// True when the object's class or an ancestor is called `name` (case-insensitive).
bool InheritsFromClassName(const QObject* object, const char* name);
// True when the control is a grid's in-place editor (parent a "TCustomGrid" and the
// control's dynamic property "GridEditor" set).
bool IsGridEditor(const QWidget* control);

// ---- Colours ----
struct TColorBytes {
  int A, B, G, R;
};
TColorBytes ColorBytes(TColor color);
int ClampByte(int v);
TColor ChangeColor(TColor color, int amount, bool percent);
// Exchanges the first and third byte of each 32-bit pixel and clears the fourth.
void SwapRedBlue(quint32* pixels, int count);

// The values an image list takes for "no colour" and "its own default colour".
inline constexpr TColor ilNone = 0xFFFFFFFF;
inline constexpr TColor ilDefault = 0xFF000000;
// The resolved colour; clNone becomes ilNone and clDefault ilDefault.
TColor ImageListColor(TColor color);

// ---- Bitmaps, regions, windows ----
// Runs of pixels that differ from `transparent` (-1: the top-left pixel's colour), as
// one-pixel-high rectangles joined into one region.
QRegion RegionFromBitmap(const QImage& bitmap, qint64 transparent);
// Every pixel outside the region becomes `transparent`.
void FillOutsideRegion(QImage& bitmap, const QRegion& region, TColor transparent);
// Draws the bitmap into rect without the pixels of the transparent colour (-1: top-left).
void TransparentBlt(QPainter& painter, const QRect& rect, const QImage& bitmap,
                    qint64 transparent);
// The same; with `offscreen` the bitmap is drawn onto a copy of the target area, which is
// then copied back in one piece.
void TransparentBlt(QPainter& painter, const QRect& rect, const QImage& bitmap, bool offscreen,
                    qint64 transparent);
// The embossed look of a disabled picture: button face, the ink (pixels other than the
// transparent colour, -1: top-left) once at (1, 1) in the highlight and at (0, 0) in the
// shadow colour.
QImage DrawDisabledBitmap(const QImage& bitmap, qint64 transparent = -1);
// A list of pictures of one size, with the colours it draws them with.
class TwkImageList {
public:
  TwkImageList(int width, int height) : FWidth(width), FHeight(height) {}

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return static_cast<int>(FImages.size()); }
  // Adds a picture, scaled to the list's size when it has another; pixels of `mask`
  // become transparent (clNone: the picture's own alpha counts). Returns its index.
  int Add(const QImage& image, TColor mask = clNone);
  // The picture at index, ARGB32 (a null image for a wrong index).
  QImage Image(int index) const;

  // Filled behind the pictures (clNone or clDefault: nothing, they draw transparently).
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor color) { FBkColor = color; }
  // Mixed half and half into the pictures (clNone: nothing; clDefault: the highlight).
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor color) { FBlendColor = color; }

private:
  int FWidth;
  int FHeight;
  std::vector<QImage> FImages;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
};
// Draws picture `index` at (x, y): enabled, with the list's background and blend colours
// (one pixel further left when bit 0 of `style` is set); disabled, embossed from its mask:
// in the button-highlight colour at (x + 1, y + 1), then in the button-shadow colour.
void DrawImage(const TwkImageList& list, int index, QPainter& canvas, bool enabled,
               unsigned style, int x, int y);

// A pattern brush of an 8 x 8 checkerboard: `second` over `first` (clNone: transparent).
QBrush DitherBrush(TColor first, TColor second);
// Fills with the checkerboard; `second` of clNone raises "Color2 cannot be clNone".
void FillDithered(QPainter& painter, const QRect& rect, TColor first, TColor second);
// Draws the picture repeatedly from rect's top-left until rect is covered.
void TileBitmap(const QImage& bitmap, QPainter& painter, const QRect& rect);
void InvalidateTree(QWidget* window);
void InvalidateChildrenOver(QWidget* parent, const QWidget* window);
// Whether themed drawing is in effect for the control: the process-wide switch, unless
// the control (or, when it has none, its parent) sets the property DisableThemes.
bool ThemesActive(const QWidget* control);
void SetThemesEnabled(bool enabled);

// ---- Change link ----
class TwkChangeLink {
public:
  using TNotify = std::function<void()>;
  TNotify OnChange1, OnChange2, OnChange3;
  void Change1() { if (OnChange1) OnChange1(); }
  void Change2() { if (OnChange2) OnChange2(); }
  void Change3() { if (OnChange3) OnChange3(); }
};

// ---- Collection base ----
class TwkCollection;

class TwkCollectionItem {
public:
  explicit TwkCollectionItem(TwkCollection* collection);
  virtual ~TwkCollectionItem() = default;
  TwkCollectionItem(const TwkCollectionItem&) = delete;
  TwkCollectionItem& operator=(const TwkCollectionItem&) = delete;

  TwkCollection* Collection() const { return FCollection; }
  int Index() const;
  std::function<void(TwkCollectionItem*)> OnChange;

protected:
  // Fires OnChange; descendants call it when something about them changed.
  void DoChange() { if (OnChange) OnChange(this); }
  // Flags this item as changed; the collection decides what to update.
  void Changed(bool allItems);

private:
  friend class TwkCollection;
  TwkCollection* FCollection;
};

class TwkCollection {
public:
  TwkCollection() = default;
  virtual ~TwkCollection() = default;
  TwkCollection(const TwkCollection&) = delete;
  TwkCollection& operator=(const TwkCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  TwkCollectionItem* Item(int index) const;
  void Delete(int index);
  void Clear();
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

  // An owned companion object (freed with the collection); items forward their name
  // changes to it when one is set.
  struct TCompanion {
    virtual ~TCompanion() = default;
    virtual void NameChanged(TwkCollectionItem*) {}
  };
  void SetCompanion(std::unique_ptr<TCompanion> companion) { FCompanion = std::move(companion); }
  TCompanion* Companion() const { return FCompanion.get(); }
  void NotifyNameChanged(TwkCollectionItem* item) {
    if (FCompanion) FCompanion->NameChanged(item);
  }

protected:
  // Takes ownership of a new item at the end.
  TwkCollectionItem* AddItem(std::unique_ptr<TwkCollectionItem> item);
  // item null: the whole collection changed.
  virtual void Update(TwkCollectionItem* item) { (void)item; }

private:
  friend class TwkCollectionItem;
  std::vector<std::unique_ptr<TwkCollectionItem>> FItems;
  std::unique_ptr<TCompanion> FCompanion;
  int FUpdateCount = 0;
};
