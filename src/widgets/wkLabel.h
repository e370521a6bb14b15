#pragma once
// A caption label drawn through the kit's text effects (shadow, highlight, 3D), sized to
// its text unless AutoSize is off.

#include <QPointer>
#include <QWidget>

#include <functional>

#include "widgets/wkText.h"

class TwkCustomLabel : public QWidget {
  Q_OBJECT
public:
  explicit TwkCustomLabel(QWidget* parent = nullptr);

  TwkCaptionText& TextOptions() { return FTextOptions; }
  const QString& Caption() const { return FCaption; }
  bool AutoSize() const { return FAutoSize; }
  bool Transparent() const { return FTransparent; }
  TColor Color() const { return FColor; }
  TColor FontColor() const { return FFontColor; }
  QWidget* FocusControl() const { return FFocusControl; }

  void SetCaption(const QString& caption);
  void SetAutoSize(bool v);
  void SetTransparent(bool v);
  void SetColor(TColor v);
  void SetFontColor(TColor v);
  void SetFocusControl(QWidget* control);

  // Takes the size of the measured text: a right-aligned label keeps its right edge,
  // the others their left edge; the top stays.
  void AdjustBounds();

  std::function<void()> OnClick, OnDblClick, OnMouseEnter, OnMouseLeave;

protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  void UpdateShortcut();

  TwkCaptionText FTextOptions;
  QString FCaption;
  bool FAutoSize = true;
  bool FTransparent = false;
  TColor FColor = clWindow;
  TColor FFontColor = clWindowText;
  QPointer<QWidget> FFocusControl;
  QMetaObject::Connection FFocusGone;
  int FShortcutId = 0;
  bool FPressed = false;
};

class TwkLabel : public TwkCustomLabel {
  Q_OBJECT
public:
  using TwkCustomLabel::TwkCustomLabel;
};
