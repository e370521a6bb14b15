#pragma once
// The dialogs' large shadowed titles (TExLabel), the small glyph push button
// (TExSpeedButton), and the hand and drag screen cursors.

#include <QAbstractButton>
#include <QCursor>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "widgets/wkText.h"
#include "widgets/wkUtils.h"


// Screen cursors the kit adds to the standard ones.
inline constexpr int crExHand = 14000;  // "EX_HANDCUR"
inline constexpr int crExDrag = 14001;  // "EX_DRAGCUR"
// The cursor registered under a screen-cursor number (the arrow for an unknown one).
QCursor ScreenCursor(int id);
// The cursor pictures, drawn by our own code (32 x 32, transparent outside the shape).
QPixmap ExHandCursorPixmap();
QPixmap ExDragCursorPixmap();

// The text cut short at its end, "..." added, so that it fits maxWidth pixels in the font;
// a text that fits comes back as it is, and "..." alone when nothing else fits.
QString MinimizeText(const QString& text, const QFont& font, int maxWidth);
// Paints what the control's parent shows under it (the parent's own drawing and the
// sibling controls below it), in the control's coordinates: the backdrop of a
// transparent control drawn into a picture of its own.
void CopyParentImage(QWidget* control, QPainter& painter);
// Whether the active window is one of ours and belongs to the calling thread.
bool ActiveWindowInThisThread();

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

class TExCustomLabel : public QWidget {
  Q_OBJECT
public:
  explicit TExCustomLabel(QWidget* parent = nullptr);

  const QString& Caption() const { return FCaption; }
  TAlignment Alignment() const { return FAlignment; }
  bool AutoSize() const { return FAutoSize; }
  TTextLayout Layout() const { return FLayout; }
  TColor ShadowColor() const { return FShadowColor; }
  int ShadowSize() const { return FShadowSize; }
  TShadowPosition ShadowPos() const { return FShadowPos; }
  bool ShowAccelChar() const { return FShowAccelChar; }
  bool ShowFocus() const { return FShowFocus; }
  bool Transparent() const { return FTransparent; }
  bool WordWrap() const { return FWordWrap; }
  QWidget* FocusControl() const { return FFocusControl; }
  // The fill colour: the parent's background colour while ParentColor is on (the
  // default; the button face without a parent), else the colour set.
  TColor Color() const;
  bool ParentColor() const { return FParentColor; }
  TColor FontColor() const { return FFontColor; }

  void SetCaption(const QString& v);
  void SetAlignment(TAlignment v);
  void SetAutoSize(bool v);
  void SetLayout(TTextLayout v);
  void SetShadowColor(TColor v);
  void SetShadowSize(int v);  // 0..255
  void SetShadowPos(TShadowPosition v);
  void SetShowAccelChar(bool v);
  void SetShowFocus(bool v);
  void SetTransparent(bool v);
  void SetWordWrap(bool v);
  void SetFocusControl(QWidget* control);
  // Also turns ParentColor off.
  void SetColor(TColor v);
  void SetParentColor(bool v);
  void SetFontColor(TColor v);

  // The text and its shadow measured at the label's width: the union of both rectangles.
  QSize MeasureText() const;
  void AdjustBounds();

  std::function<void()> OnClick;

protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  int TextFlags() const;
  QPoint ShadowOffset(int size, TShadowPosition pos) const;
  void UpdateShortcut();

  QString FCaption;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  TColor FShadowColor = clBtnHighlight;
  int FShadowSize = 1;
  TShadowPosition FShadowPos = spLeftTop;
  bool FShowAccelChar = true;
  bool FShowFocus = false;
  bool FTransparent = false;
  bool FWordWrap = false;
  QPointer<QWidget> FFocusControl;
  TColor FColor = clBtnFace;
  bool FParentColor = true;
  TColor FFontColor = clWindowText;
  QMetaObject::Connection FFocusGone;
  int FShortcutId = 0;
  bool FPressed = false;
};

class TExLabel : public TExCustomLabel {
  Q_OBJECT
public:
  using TExCustomLabel::TExCustomLabel;
};

enum TDropDownMenuPos { dmpBottom, dmpRight };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

class TExSpeedButton : public QAbstractButton {
  Q_OBJECT
public:
  explicit TExSpeedButton(QWidget* parent = nullptr);

  TAlignment Alignment() const { return FAlignment; }
  bool AllowAllUp() const { return FAllowAllUp; }
  bool AllowTimer() const { return autoRepeat(); }
  bool Down() const { return FDown; }
  QMenu* DropDownMenu() const { return FDropDownMenu; }
  TDropDownMenuPos MenuPosition() const { return FMenuPosition; }
  bool Flat() const { return FFlat; }
  const QPixmap& Glyph() const { return FGlyph; }
  bool GrayedInactive() const { return FGrayedInactive; }
  int GroupIndex() const { return FGroupIndex; }
  int InitPause() const { return autoRepeatDelay(); }
  TwkButtonLayout Layout() const { return FLayout; }
  int Margin() const { return FMargin; }
  int ModalResult() const { return FModalResult; }
  int NumGlyphs() const { return FNumGlyphs; }
  int RepeatInterval() const { return autoRepeatInterval(); }
  int Spacing() const { return FSpacing; }
  TButtonStyle Style() const { return FStyle; }
  bool Transparent() const { return FTransparent; }
  bool WordWrap() const { return FWordWrap; }
  bool MouseInControl() const { return FMouseInControl; }

  void SetAlignment(TAlignment v);
  void SetAllowAllUp(bool v);
  void SetAllowTimer(bool v) { setAutoRepeat(v); }
  void SetDown(bool v);
  void SetDropDownMenu(QMenu* menu) { FDropDownMenu = menu; }
  void SetMenuPosition(TDropDownMenuPos v) { FMenuPosition = v; }
  void SetFlat(bool v);
  // A strip of NumGlyphs pictures: up, disabled, clicked, down; the bottom-left pixel's
  // colour is transparent.
  void SetGlyph(const QPixmap& glyph, int numGlyphs = 1);
  void SetGrayedInactive(bool v);
  void SetGroupIndex(int v);
  void SetInitPause(int ms) { setAutoRepeatDelay(ms); }
  void SetLayout(TwkButtonLayout v);
  void SetMargin(int v);
  void SetModalResult(int v) { FModalResult = v; }
  void SetNumGlyphs(int v);
  void SetRepeatInterval(int ms) { setAutoRepeatInterval(ms); }
  void SetSpacing(int v);
  void SetStyle(TButtonStyle v);
  void SetTransparent(bool v);
  void SetWordWrap(bool v);

  // The glyph picture for a state: 0 up, 1 disabled, 2 clicked, 3 down.
  QImage GlyphFor(int state) const;

  std::function<void()> OnMouseEnter, OnMouseLeave;

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void nextCheckState() override;
  QSize sizeHint() const override { return QSize(25, 25); }

private:
  void UpdateExclusive();

  TAlignment FAlignment = taCenter;
  bool FAllowAllUp = false;
  bool FDown = false;
  QPointer<QMenu> FDropDownMenu;
  TDropDownMenuPos FMenuPosition = dmpBottom;
  bool FFlat = false;
  QPixmap FGlyph;
  bool FGrayedInactive = true;
  int FGroupIndex = 0;
  TwkButtonLayout FLayout = blGlyphTop;
  int FMargin = -1;
  int FModalResult = 0;
  int FNumGlyphs = 1;
  int FSpacing = 1;
  TButtonStyle FStyle = bsAutoDetect;
  bool FTransparent = false;
  bool FWordWrap = false;
  bool FMouseInControl = false;
};
