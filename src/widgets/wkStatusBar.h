#pragma once
// The status bar at the foot of every game window: a row of panels that show a line of
// text or host a control (the tool bar, a check box), laid out by the bar itself.

#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

#include "widgets/wkText.h"
#include "widgets/wkUtils.h"

class QSizeGrip;
class TwkCustomStatusBar;
class TwkStatusPanels;

enum TwkStatusPanelBevel { pbNone, pbLowered, pbRaised };
// The program's windows use text panels and control panels only.
enum TwkStatusPanelStyle { psTextOnly, psControl };

class TwkStatusPanel : public TwkCollectionItem {
public:
  using TPanelEvent = std::function<void(TwkStatusPanel*)>;
  using TPanelMouseEvent =
      std::function<void(TwkStatusPanel*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>;
  using TPanelMouseMoveEvent =
      std::function<void(TwkStatusPanel*, Qt::KeyboardModifiers, int x, int y)>;
  // May change the text and the enabled flag just before they are drawn.
  using TwkDrawTextEvent = std::function<void(TwkStatusPanel*, QString& text, bool& enabled)>;
  using TwkPanelTextChangedEvent = std::function<void(TwkStatusPanel*, const QString& text)>;

  explicit TwkStatusPanel(TwkStatusPanels* panels);
  ~TwkStatusPanel() override;

  TwkStatusPanelBevel Bevel() const { return FBevel; }
  TColor Color() const { return FColor; }
  QWidget* Component() const { return FComponent; }
  bool Enabled() const { return FEnabled; }
  const QFont& Font() const { return FFont; }
  TColor FontColor() const { return FFontColor; }
  const QString& Hint() const { return FHint; }
  int ImageIndex() const { return FImageIndex; }
  int Indent() const { return FIndent; }
  int Margin() const { return FMargin; }
  const QString& Name() const { return FName; }
  QMenu* PopupMenu() const { return FPopupMenu; }
  TwkStatusPanelStyle Style() const { return FStyle; }
  int Tag() const { return FTag; }
  const QString& Text() const { return FText; }
  TwkCaptionText& TextOptions() { return *FTextOptions; }
  const QString& Width() const { return FWidth; }
  // The width in pixels the last layout gave the panel (-1 while a percentage is open).
  int PixelWidth() const { return FPixelWidth; }

  void SetBevel(TwkStatusPanelBevel v);
  void SetColor(TColor v);
  void SetComponent(QWidget* control);
  void SetEnabled(bool v);
  void SetFont(const QFont& font);
  void SetFontColor(TColor v);
  void SetHint(const QString& v);
  void SetImageIndex(int v);
  void SetIndent(int v);
  void SetMargin(int v);
  void SetName(const QString& v);
  void SetPopupMenu(QMenu* menu);
  void SetStyle(TwkStatusPanelStyle v);
  void SetTag(int v) { FTag = v; }
  void SetText(const QString& v);
  void SetWidth(const QString& v);

  TPanelEvent OnClick, OnDblClick;
  TPanelMouseEvent OnMouseDown, OnMouseUp;
  TPanelMouseMoveEvent OnMouseMove;
  TwkDrawTextEvent OnDrawText;
  TwkPanelTextChangedEvent OnTextChanged;

  TwkCustomStatusBar* StatusBar() const;

private:
  friend class TwkCustomStatusBar;
  friend class TwkStatusPanels;
  void FlagChanged() { Changed(false); }
  void ReleaseControl(bool restoreParent);

  TwkStatusPanelBevel FBevel = pbLowered;
  TColor FColor = clBtnFace;
  QPointer<QWidget> FComponent;
  bool FEnabled = true;
  QFont FFont;
  TColor FFontColor = clWindowText;
  QString FHint;
  int FImageIndex = 0;
  int FIndent = 0;
  int FMargin = 0;
  QString FName;
  QPointer<QMenu> FPopupMenu;
  TwkStatusPanelStyle FStyle = psTextOnly;
  int FTag = 0;
  QString FText;
  std::unique_ptr<TwkCaptionText> FTextOptions;
  QString FWidth = QStringLiteral("50");
  int FPixelWidth = 50;
  bool FDrawEnabled = true;  // handed to the text drawing
  bool FInDrawText = false;
};

class TwkStatusPanels : public TwkCollection {
public:
  explicit TwkStatusPanels(TwkCustomStatusBar* bar) : FBar(bar) {}
  TwkStatusPanel* Items(int index) const { return static_cast<TwkStatusPanel*>(Item(index)); }
  TwkStatusPanel* Add();
  TwkCustomStatusBar* StatusBar() const { return FBar; }

protected:
  void Update(TwkCollectionItem* item) override;

private:
  TwkCustomStatusBar* FBar;
};

class TwkCustomStatusBar : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool DisableThemes READ DisableThemes WRITE SetDisableThemes)

public:
  // The most panels a bar lays out.
  static constexpr int MaxPanels = 128;
  // Width refused by the Width setter.
  static const char* const WidthMessage;

  explicit TwkCustomStatusBar(QWidget* parent = nullptr);
  ~TwkCustomStatusBar() override;

  TwkStatusPanels& Panels() { return *FPanels; }
  const TwkStatusPanels& Panels() const { return *FPanels; }
  bool SimplePanel() const { return FSimplePanel; }
  const QString& SimpleText() const { return FSimpleText; }
  bool SizeGrip() const { return FSizeGrip; }
  bool DisableThemes() const { return FDisableThemes; }
  bool ShowHint() const { return FShowHint; }
  void SetSimplePanel(bool v);
  void SetSimpleText(const QString& v);
  void SetSizeGrip(bool v);
  void SetDisableThemes(bool v);
  void SetShowHint(bool v) { FShowHint = v; }

  // Building many panels: Panels().BeginUpdate(), then EndUpdate() lays them out once.
  // Part layout: works out the pixel widths, then re-sends every part.
  void ResizePanels();
  void UpdatePanels();
  void UpdatePanel(int index, bool invalidate);
  // The panel whose part holds the client point; (-1, -1) means the cursor position.
  TwkStatusPanel* PanelAtPos(int x, int y) const;
  // Right edges of the parts as laid out (the last is -1: it reaches the bar's end).
  std::vector<int> PartEdges() const { return FEdges; }
  // The part of a panel (its frame included) and the rectangle its content is drawn in.
  QRect PartRect(int index) const;
  QRect PanelRect(int index) const;
  // True when the size grip shows: SizeGrip set and the window can be resized.
  bool SizeGripInEffect() const;
  // The font a text panel draws its current text in: its own font while the text fits,
  // else a pixel size smaller, as far as the text needs but never below MinTextHeight.
  QFont TextFont(int index) const;
  static constexpr int MinTextHeight = 8;
  // Draws one panel now through an off-screen picture (text changes).
  void RepaintPanel(int index);

  std::function<void(TwkCustomStatusBar*, TwkStatusPanel*, const QRect&)> OnDrawPanel;
  std::function<void()> OnClick, OnDblClick;

  // Every live bar, so a control is hosted by one panel of one bar at a time.
  static const std::vector<TwkCustomStatusBar*>& StatusBars();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

private:
  friend class TwkStatusPanel;
  friend class TwkStatusPanels;
  void DrawPanel(QPainter& painter, int index);
  void DrawPanelText(QPainter& painter, TwkStatusPanel* panel, const QRect& rect);
  QFont FittedFont(TwkStatusPanel* panel, const QString& text, const QRect& rect) const;
  void PlaceControl(int index);
  void PlaceSizeGrip();
  bool Loading() const { return FPanels->Updating(); }

  std::unique_ptr<TwkStatusPanels> FPanels;
  std::vector<int> FEdges;
  QSize FLastSize{0, 0};
  bool FResizing = false;
  bool FSimplePanel = false;
  QString FSimpleText;
  bool FSizeGrip = true;
  bool FDisableThemes = false;
  bool FShowHint = true;
  bool FPressed = false;
  QSizeGrip* FGrip = nullptr;
};

class TwkStatusBar : public TwkCustomStatusBar {
  Q_OBJECT
public:
  using TwkCustomStatusBar::TwkCustomStatusBar;
};
