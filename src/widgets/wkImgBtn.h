#pragma once
// A push button whose face is a picture and whose window is cut to the picture's outline,
// so that it looks like a free-form shape on its form. Clicks on the cut-away parts fall
// through to what lies behind. Beside the picture it can show a small glyph with its
// caption, latch down in a group of radio-like buttons, act as a dialog's default or
// cancel button, and take its pictures from another button or an imager.

#include <QByteArray>
#include <QImage>
#include <QMetaObject>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "widgets/ExCtrls.h"  // TButtonStyle
#include "widgets/wkBitmap.h"
#include "widgets/wkText.h"
#include "widgets/wkUtils.h"

class TwkCustomImager;

// A TransparentColor meaning "no transparent colour at all": a plain rectangular button.
inline constexpr TColor clNullColor = 0x0FFFFFFF;

enum TwkShadeStyle { fbsNormal, fbsRaised, fbsHighlight, fbsFlat };

// boOverrideActionGlyph belongs to action links, which these buttons do not use.
enum TwkButtonOption : unsigned {
  boFocusable = 1,
  boOverrideActionGlyph = 2,
  boToggleOnUp = 4,
  boFocusRect = 8,
  boAutoBold = 16
};
using TwkButtonOptions = unsigned;

// How the pattern over a latched-down grouped button is laid.
enum TwkDitherStyle { dsDither, dsBlendDither, dsFill };

// Stock caption, glyph and modal result.
enum TBitBtnKind {
  bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll
};

using TButtonLayout = TwkButtonLayout;
using TModalResult = int;

// Colours of the shaded edge and of the ground around the picture.
struct TwkShadeColors {
  TColor BtnHighlight = clBtnHighlight;
  TColor Btn3DLight = cl3DLight;
  TColor BtnShadow = clBtnShadow;
  TColor BtnBlack = clBlack;
  TColor BtnFocus = clBlack;
  TColor Shadow = clBlack;
};

// Pixel offsets of caption and picture; the Down ones apply while the button is down.
struct TwkImgDownOffsets {
  int GlyphX = 0, GlyphY = 0;
  int TextX = 0, TextY = 0;
  int TextDownX = 1, TextDownY = 1;
  int ImageDownX = 2, ImageDownY = 2;
};

class TwkImageBtn : public QWidget {
public:
  // The modal results a button hands its dialog.
  enum : TModalResult {
    mrNone = 0, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo, mrAll
  };

  explicit TwkImageBtn(QWidget* parent = nullptr);
  ~TwkImageBtn() override;

  // The face in the up state (its outline shapes the window) and in the down state
  // (empty: the up face, moved by ImageDownX/Y). A change to either drops ExtImage /
  // ExtImageDown.
  TwkBitmap& Image() { return FImage; }
  TwkBitmap& ImageDown() { return FImageDown; }

  // Another image button or imager (TwkCustomImager) whose picture replaces Image /
  // ImageDown; for a button as ExtImageDown, that button's ImageDown. Changes of the
  // source's picture reshape this button; the reference is dropped when the source goes.
  QWidget* ExtImage() const { return FExtImage.Source; }
  void SetExtImage(QWidget* source) { SetExtSource(FExtImage, source, false); }
  QWidget* ExtImageDown() const { return FExtImageDown.Source; }
  void SetExtImageDown(QWidget* source) { SetExtSource(FExtImageDown, source, true); }

  // clNone: the top-left pixel's colour; clNullColor: no transparency, rectangular.
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor color);
  // Tints the face (each channel moves by the colour's less 192); clNone: untinted.
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TwkShadeStyle ShadeStyle() const { return FShadeStyle; }
  void SetShadeStyle(TwkShadeStyle style);
  const TwkShadeColors& ShadeColors() const { return FShadeColors; }
  void SetShadeColors(const TwkShadeColors& colors);
  // Derives the four edge colours from one base colour: shadow and black step darker by
  // 50 each, light and highlight lighter by 50 each.
  void SetShadeBaseColor(TColor base);
  const TwkImgDownOffsets& Offsets() const { return FOffsets; }
  void SetOffsets(const TwkImgDownOffsets& offsets);
  TwkButtonOptions Options() const { return FOptions; }
  void SetOptions(TwkButtonOptions options);
  int Margin() const { return FMargin; }
  void SetMargin(int margin);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor color);
  TwkCaptionText& TextOptions() { return FTextOptions; }
  // Draws the caption a second time straight onto the widget, over the final background.
  bool SmoothFont() const { return FSmoothFont; }
  void SetSmoothFont(bool value);
  // Whether the parent clips its children when it paints; false unclips it, true leaves
  // the parent as it is.
  bool ParentClipping() const;
  void SetParentClipping(bool value);

  // ---- groups: buttons of one parent with the same non-zero index act as radio buttons
  bool Down() const { return FDown; }
  void SetDown(bool value) { SetDownState(value, true, true); }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int index);
  // A grouped button may be released so that none of its group is down (shared by the
  // whole group).
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  // The pattern laid over a latched-down grouped button that has no down picture
  // (clNone: none).
  TColor DitherColor() const { return FDitherColor; }
  void SetDitherColor(TColor color);
  TwkDitherStyle DitherStyle() const { return FDitherStyle; }
  void SetDitherStyle(TwkDitherStyle style);
  // Another button of the same parent and group went down: this one goes up.
  void CMButtonPressed(int groupIndex, TwkImageBtn* sender);

  // ---- glyph: NumGlyphs equal pictures side by side for the up, disabled, clicked and
  // down states; missing ones are the up one (disabled: embossed). The bottom-left
  // pixel's colour is left out.
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& glyph);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  // The look of the stock glyphs (bsWin31: the older, flat one).
  TButtonStyle Style() const { return FStyle; }
  void SetStyle(TButtonStyle style);
  // The picture of one state: 0 up, 1 disabled, 2 clicked, 3 down.
  QImage GlyphFor(int state) const;
  // Where glyph and caption stand (button coordinates), as the last paint laid them out.
  QRect GlyphRect() const { return FGlyphRect; }
  QRect CaptionRect() const { return FCaptionRect; }

  // ---- kind, dialog result and keys
  // A stock kind sets caption, glyph, modal result, Default and Cancel; it reads back as
  // bkCustom (for good) once one of those no longer matches.
  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind kind);
  // Handed to the owning dialog when clicked (0 leaves it open).
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result);
  // Enter in the dialog clicks the button while no other image button has the focus.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  // Escape in the dialog clicks the button.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value);

  // Copies the look and behaviour of another button (not its caption, font, shade style
  // or kind) and takes its pictures through ExtImage and ExtImageDown.
  void Assign(const TwkImageBtn& source);

  std::function<void()> OnClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  // A grouped button's down state changed.
  std::function<void()> OnSelChange;
  using TMouseEvent = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)>;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  std::function<void(Qt::KeyboardModifiers, QPoint)> OnMouseMove;

  // The picture in use for a state.
  TwkBitmap& GetImage(bool down);
  const TwkBitmap& GetImage(bool down) const;
  // The colour that lies outside the shape for a state (clNone resolved to the
  // top-left pixel's colour; clNullColor stays itself).
  TColor GetTransparentColor(bool down) const;
  // The outline for a state: the stored block when there is one, else (with build) the
  // one built from the picture, which is then stored; none for a rectangular button.
  std::optional<QRegion> CreateRegion(bool build, bool down);
  // Replaces the stored block of a state with the region's.
  void SaveRegion(const QRegion& region, bool down);
  // The stored outline of the up / down state as a byte block: a little-endian length,
  // then a rectangle-list region block (32-byte header, 16 bytes a rectangle); four
  // zero bytes when none is stored. Given back, a non-empty block replaces the stored
  // one and wins over the picture until the picture or the size changes.
  QByteArray RegionData() const { return StreamedBlock(FRegionData); }
  void SetRegionData(const QByteArray& data) { ReadBlock(FRegionData, data); }
  QByteArray DownRegionData() const { return StreamedBlock(FDownRegionData); }
  void SetDownRegionData(const QByteArray& data) { ReadBlock(FDownRegionData, data); }
  // Cuts the window to the outline of the current state.
  void ApplyRegion();
  // Whether a point (button coordinates; (-1, -1): the cursor) is over the shape;
  // requirePressed: and the left button was pressed on this button.
  bool IsMouseInButton(QPoint pos, bool requirePressed);
  void SetDownState(bool value, bool repaint, bool notifyGroup = false);
  virtual void Click();

  // The picture fitted to the button's size, tinted with Color and, for a latched
  // grouped button, dithered.
  void RenderImage(const TwkBitmap& source, TwkBitmap& dest, TwkShadeStyle shadeStyle,
                   bool forRegion, bool down);
  // The whole face without caption.
  void DrawFace(TwkBitmap& dest, bool drawnDown, TwkShadeStyle shadeStyle);
  // The face with its glyph and caption, as painted.
  QImage RenderButton();

protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  struct TExtSource {
    QPointer<QWidget> Source;
    QPointer<TwkImageBtn> SourceButton;  // set when the source is an image button
    int Link = 0;                        // change link on the source's picture
    QMetaObject::Connection Gone;
  };

  bool ChangesOutline() const;
  bool MouseOverShape() const;
  void PictureChanged(bool down);
  void Press();
  void Release(bool inside);
  void DrawGlyphAndCaption(TwkBitmap& dest, bool drawnDown);
  void LayOut(bool drawnDown);
  void ShadeEdge(TwkBitmap& dest, const TwkBitmap& face, bool drawnDown);
  bool Dithered(bool down) const;

  // groups
  void NotifyGroup();
  std::vector<TwkImageBtn*> GroupSiblings() const;
  // kind and keys
  bool CanTakeFocus() const;
  bool DialogKey(QKeyEvent* event);
  void AcceleratorClick();
  void GrabAccelerator();
  void FocusChanged(QWidget* now);
  void WatchWindow();
  void LoadStockGlyph();
  // region blocks
  static QByteArray StreamedBlock(const QByteArray& block);
  void ReadBlock(QByteArray& block, const QByteArray& data);
  void DiscardRegionBlocks();
  // pictures from elsewhere
  void SetExtSource(TExtSource& ext, QWidget* source, bool down);
  void DropExtSource(TExtSource& ext);
  TwkBitmap* ExtPicture(const TExtSource& ext, bool down) const;

  TwkBitmap FImage;
  TwkBitmap FImageDown;
  TExtSource FExtImage;
  TExtSource FExtImageDown;
  std::vector<QPointer<TwkImageBtn>> FExtUsers;  // buttons that show this one's pictures
  TColor FTransparentColor = clNone;
  TColor FColor = clNone;
  TwkShadeStyle FShadeStyle = fbsNormal;
  TwkShadeColors FShadeColors;
  TwkImgDownOffsets FOffsets;
  TwkButtonOptions FOptions = 0;
  int FMargin = -1;
  int FSpacing = 4;
  QString FCaption;
  TColor FFontColor = clBtnText;
  TwkCaptionText FTextOptions;
  bool FSmoothFont = false;

  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  TColor FDitherColor = clWhite;
  TwkDitherStyle FDitherStyle = dsDither;

  QImage FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  TButtonStyle FStyle = bsAutoDetect;
  QRect FGlyphRect;
  QRect FCaptionRect;

  mutable TBitBtnKind FKind = bkCustom;
  bool FModifiedGlyph = false;
  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;  // the active default button: Enter clicks it
  QPointer<QWidget> FWatchedWindow;

  QByteArray FRegionData;      // stored outline blocks (after the length), empty: none
  QByteArray FDownRegionData;

  bool FDown = false;
  bool FTracking = false;
  bool FDownAtPress = false;
  bool FMouseOver = false;
  bool FInClick = false;
  bool FJustActivated = false;  // the window became active in this pass of the event loop
  int FAcceleratorId = 0;       // Alt + the caption's accelerator
  bool FDestroying = false;
  std::optional<QRegion> FRegionCopy;
};
