#pragma once
// A push button whose face is a picture and whose window is cut to the picture's outline,
// so that it looks like a free-form shape on its form. Clicks on the cut-away parts fall
// through to what lies behind.

#include <QRegion>
#include <QWidget>

#include <functional>
#include <optional>

#include "widgets/wkBitmap.h"
#include "widgets/wkText.h"
#include "widgets/wkUtils.h"

// A TransparentColor meaning "no transparent colour at all": a plain rectangular button.
inline constexpr TColor clNullColor = 0x0FFFFFFF;

enum TwkShadeStyle { fbsNormal, fbsRaised, fbsHighlight, fbsFlat };

enum TwkButtonOption : unsigned { boFocusable = 1, boToggleOnUp = 4, boFocusRect = 8 };
using TwkButtonOptions = unsigned;

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
  explicit TwkImageBtn(QWidget* parent = nullptr);
  ~TwkImageBtn() override;

  // The face in the up state (its outline shapes the window) and in the down state
  // (empty: the up face, moved by ImageDownX/Y).
  TwkBitmap& Image() { return FImage; }
  TwkBitmap& ImageDown() { return FImageDown; }

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

  bool Down() const { return FDown; }
  void SetDown(bool value) { SetDownState(value, true); }

  std::function<void()> OnClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

  // The picture in use for a state.
  TwkBitmap& GetImage(bool down);
  // The colour that lies outside the shape for a state (clNone resolved to the
  // top-left pixel's colour; clNullColor stays itself).
  TColor GetTransparentColor(bool down) const;
  // The outline for a state, built from the picture; none for a rectangular button.
  std::optional<QRegion> CreateRegion(bool down) const;
  // Cuts the window to the outline of the current state.
  void ApplyRegion();
  // Whether a point (button coordinates; (-1, -1): the cursor) is over the shape;
  // requirePressed: and the left button was pressed on this button.
  bool IsMouseInButton(QPoint pos, bool requirePressed) const;
  void SetDownState(bool value, bool repaint);
  virtual void Click();

  // The picture fitted to the button's size and tinted with Color.
  void RenderImage(const TwkBitmap& source, TwkBitmap& dest, TwkShadeStyle shadeStyle,
                   bool forRegion, bool down) const;
  // The whole face without caption.
  void DrawFace(TwkBitmap& dest, bool drawnDown, TwkShadeStyle shadeStyle);
  // The face with its caption, as painted.
  QImage RenderButton();

protected:
  bool event(QEvent* event) override;
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
  bool ChangesOutline() const;
  bool MouseOverShape() const;
  void PictureChanged();
  void Press();
  void Release(bool inside);
  void DrawCaption(TwkBitmap& dest, bool drawnDown);
  void ShadeEdge(TwkBitmap& dest, const TwkBitmap& face, bool drawnDown);

  TwkBitmap FImage;
  TwkBitmap FImageDown;
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

  bool FDown = false;
  bool FTracking = false;
  bool FDownAtPress = false;
  bool FMouseOver = false;
  bool FInClick = false;
  bool FDestroying = false;
  std::optional<QRegion> FRegionCopy;
};
