#pragma once
// The caption drawer behind every TextOptions of the kit: alignment, word wrap, rotation,
// lowered/raised/outlined styles, drop shadow, 3D extrusion and disabled colours.

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

#include "widgets/wkUtils.h"

class QPainter;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TwkVAlignment { vaTop, vaVCenter, vaBottom };
enum TwkTextStyle { wklsDefault, wklsLowered, wklsRaised, wklsOutline };
enum TwkOrientation {
  wkTopLeft, wkTopRight, wkBottomLeft, wkBottomRight, wkTop, wkRight, wkLeft, wkBottom
};
enum TwkTextOption : unsigned { toShowAccel = 1, toShowEllipsis = 2, toFullJustify = 4 };
using TwkTextOptions = unsigned;

// One pixel per extrusion layer (and the outline's eight directions), by orientation.
QPoint OrientationStep(TwkOrientation orientation);

class TwkText;

class TwkShadowEffects {
public:
  explicit TwkShadowEffects(TwkText* owner) : FOwner(owner) {}
  bool Enabled() const { return FEnabled; }
  TColor Color() const { return FColor; }
  int XOffset() const { return FXOffset; }
  int YOffset() const { return FYOffset; }
  void SetEnabled(bool v);
  void SetColor(TColor v);
  void SetXOffset(int v);
  void SetYOffset(int v);
  void Assign(const TwkShadowEffects& other);

private:
  TwkText* FOwner;
  bool FEnabled = false;
  TColor FColor = clBtnShadow;
  int FXOffset = 10;
  int FYOffset = 10;
};

class TwkExtrudeEffects {
public:
  explicit TwkExtrudeEffects(TwkText* owner) : FOwner(owner) {}
  bool Enabled() const { return FEnabled; }
  int Depth() const { return FDepth; }
  TColor NearColor() const { return FNearColor; }
  TColor FarColor() const { return FFarColor; }
  TwkOrientation Orientation() const { return FOrientation; }
  bool Striated() const { return FStriated; }
  void SetEnabled(bool v);
  void SetDepth(int v);
  void SetNearColor(TColor v);
  void SetFarColor(TColor v);
  void SetOrientation(TwkOrientation v);
  void SetStriated(bool v);
  void Assign(const TwkExtrudeEffects& other);

private:
  TwkText* FOwner;
  bool FEnabled = false;
  int FDepth = 10;
  TColor FNearColor = clBlack;
  TColor FFarColor = clBlack;
  TwkOrientation FOrientation = wkBottomRight;
  bool FStriated = false;
};

class TwkDisabledColors {
public:
  explicit TwkDisabledColors(TwkText* owner) : FOwner(owner) {}
  TColor HighlightColor() const { return FHighlightColor; }
  TColor ShadeColor() const { return FShadeColor; }
  void SetHighlightColor(TColor v);
  void SetShadeColor(TColor v);
  void Assign(const TwkDisabledColors& other);

private:
  TwkText* FOwner;
  TColor FHighlightColor = clBtnHighlight;
  TColor FShadeColor = clBtnShadow;
};

class TwkText {
public:
  using TNotify = std::function<void()>;
  using TQueryEnabled = std::function<bool()>;
  // The owner's callbacks: repaint, size adjustment, and whether the owner is enabled.
  TwkText(TNotify onChange = {}, TNotify onAdjustSize = {}, TQueryEnabled isEnabled = {});
  virtual ~TwkText() = default;
  TwkText(const TwkText&) = delete;
  TwkText& operator=(const TwkText&) = delete;

  // Set by the owner before measuring or drawing.
  void SetText(const QString& text) { FText = text; }
  const QString& Text() const { return FText; }
  void SetBounds(const QRect& bounds) { FBounds = bounds; }
  const QRect& Bounds() const { return FBounds; }
  void SetFont(const QFont& font, TColor color) {
    FFont = font;
    FFontColor = color;
  }
  const QFont& Font() const { return FFont; }
  TColor FontColor() const { return FFontColor; }

  TAlignment Alignment() const { return FAlignment; }
  TwkVAlignment VAlignment() const { return FVAlignment; }
  bool WordWrap() const { return FWordWrap; }
  int LineSpacing() const { return FLineSpacing; }
  TwkTextOptions Options() const { return FOptions; }
  int Rotation() const { return FRotation; }
  TwkTextStyle Style() const { return FStyle; }
  TColor HighlightColor() const { return FHighlightColor; }
  TColor ShadeColor() const { return FShadeColor; }
  TColor OutlineColor() const { return FOutlineColor; }
  bool DoubleBuffered() const { return FDoubleBuffered; }
  TwkShadowEffects& Shadow() { return FShadow; }
  const TwkShadowEffects& Shadow() const { return FShadow; }
  TwkExtrudeEffects& ExtrudeEffects() { return FExtrude; }
  const TwkExtrudeEffects& ExtrudeEffects() const { return FExtrude; }
  TwkDisabledColors& DisabledColors() { return FDisabled; }
  const TwkDisabledColors& DisabledColors() const { return FDisabled; }

  void SetAlignment(TAlignment v);
  void SetVAlignment(TwkVAlignment v);
  void SetWordWrap(bool v);
  void SetLineSpacing(int v);
  void SetOptions(TwkTextOptions v);
  void SetRotation(int v);
  void SetStyle(TwkTextStyle v);
  void SetHighlightColor(TColor v);
  void SetShadeColor(TColor v);
  void SetOutlineColor(TColor v);
  void SetDoubleBuffered(bool v);

  // The size the caption needs in the bounds (limited to them unless raw).
  QSize Measure(bool raw = false) const;
  // The rectangle the caption's first copy is drawn from (bounds placement).
  QRect TextRect() const;
  // Draws the caption in the bounds.
  void Draw(QPainter& painter) const;

  void Assign(const TwkText& other);

  // Called by the effect objects: size adjustment first when the size may change, then
  // the owner repaints.
  void EffectChanged(bool sizeChanges);

private:
  QString ShownText() const;  // accelerators stripped with toShowAccel
  QSize PlainExtent() const;  // text measured at the available width, +1 wide
  QSize EffectExtent() const;  // shadow, extrusion and outline on top of the text
  int DrawFlags() const;
  void DrawCopy(QPainter& painter, const QRect& rect, TColor color) const;
  void DrawEmbossed(QPainter& painter, const QRect& rect, bool enabled) const;
  void Changed(bool sizeChanges);

  TNotify FOnChange, FOnAdjustSize;
  TQueryEnabled FIsEnabled;
  QString FText;
  QRect FBounds;
  QFont FFont;
  TColor FFontColor = clWindowText;

  TAlignment FAlignment = taLeftJustify;
  TwkVAlignment FVAlignment = vaTop;
  bool FWordWrap = false;
  int FLineSpacing = 5;
  TwkTextOptions FOptions = toShowAccel;
  int FRotation = 0;
  TwkTextStyle FStyle = wklsDefault;
  TColor FHighlightColor = clBtnHighlight;
  TColor FShadeColor = clBtnShadow;
  TColor FOutlineColor = clBlack;
  bool FDoubleBuffered = false;
  TwkShadowEffects FShadow{this};
  TwkExtrudeEffects FExtrude{this};
  TwkDisabledColors FDisabled{this};
};

class TwkCaptionText : public TwkText {
public:
  using TwkText::TwkText;
};
