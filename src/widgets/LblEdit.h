#pragma once
// An edit and a combo box that own a caption label and keep it beside them (above, to
// the left, below, to the right, or where the layout put it), greying the label with the
// control. The statistics dialog's score fields and game list use them.

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <functional>
#include <stdexcept>

#include "platform/Colors.h"

// Misuse of a labelled control; the message names the control.
class ELabeledControl : public std::runtime_error {
public:
  enum TKind { lcCannotAttach, lcParentDiffers, lcUndefined };

  ELabeledControl(TKind kind, const QString& controlName);
  static QString MessageFor(TKind kind, const QString& controlName);

  TKind Kind() const { return FKind; }
  const QString& Message() const { return FMessage; }

private:
  TKind FKind;
  QString FMessage;
};

// A caption label that shows itself disabled in its own colour while its control is
// disabled, and tells the control when its size or text changes.
class TEnhLabel : public QLabel {
  Q_OBJECT
public:
  explicit TEnhLabel(QWidget* parent = nullptr);

  TColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(TColor color);
  // Shown disabled: the font colour becomes DisabledColor, the former one is kept and
  // restored when shown enabled again. The label itself stays enabled.
  bool ShownDisabled() const { return FShownDisabled; }
  void SetShownDisabled(bool on);

  // Auto-sized labels fit their text whenever text or font change.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool on);
  // Sets the text (fitting the size when auto-sized) and tells the control.
  void SetCaption(const QString& text);

  // Set by the owning control: after a size, position or text change; and whether a new
  // name is acceptable (other renames are undone).
  std::function<void()> OnLabelChanged;
  std::function<bool(const QString& newName)> OnCanRename;

protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void Notify();
  void NameChanged(const QString& name);

  TColor FDisabledColor;
  bool FShownDisabled = false;
  bool FAutoSize = true;
  QColor FSavedColor;
  QString FAcceptedName;
};

enum TLabelPosition { lpCustom, lpTop, lpLeft, lpBottom, lpRight };

// The label-keeping part shared by TLblEdit and TLblComboBox.
class TLabelLink {
public:
  explicit TLabelLink(QWidget* control);
  ~TLabelLink();
  TLabelLink(const TLabelLink&) = delete;
  TLabelLink& operator=(const TLabelLink&) = delete;

  QString LabelText() const;
  void SetLabelText(const QString& text);
  TLabelPosition LabelPos() const { return FLabelPos; }
  void SetLabelPos(TLabelPosition pos);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int margin);
  bool LabelColon() const { return FLabelColon; }
  void SetLabelColon(bool on);
  QLabel* LabelComponent() const { return FLabel.data(); }
  void SetLabelComponent(QLabel* label);

  // Moves the label beside the control as LabelPos says (never for lpCustom).
  void PositionLabel();
  // Where the label goes for a position, control geometry, label size and margin.
  static QPoint LabelPlace(TLabelPosition pos, const QRect& control, const QSize& label,
                           int margin);

  // Called by the control.
  void ControlVisibilityChanging(bool visible);
  void ControlEnabledChanged();
  void ControlGeometryChanged() { PositionLabel(); }

private:
  QString LabelName() const;
  void CreateLabel();
  void FreeLabel();
  void Hook(QLabel* label);
  void Unhook(QLabel* label);
  void ApplyEnabled();

  QWidget* FControl;
  QPointer<QLabel> FLabel;
  bool FOwnLabel = false;
  TLabelPosition FLabelPos = lpLeft;
  int FLabelMargin = 8;
  bool FLabelColon = true;
};

// The control side of a labelled control: the label properties plus the events that
// keep the label placed, shown and greyed with the control.
template <class TBase>
class TLabeledControl : public TBase {
public:
  explicit TLabeledControl(QWidget* parent = nullptr) : TBase(parent), FLink(this) {}

  QString LabelText() const { return FLink.LabelText(); }
  void SetLabelText(const QString& text) { FLink.SetLabelText(text); }
  TLabelPosition LabelPos() const { return FLink.LabelPos(); }
  void SetLabelPos(TLabelPosition pos) { FLink.SetLabelPos(pos); }
  int LabelMargin() const { return FLink.LabelMargin(); }
  void SetLabelMargin(int margin) { FLink.SetLabelMargin(margin); }
  bool LabelColon() const { return FLink.LabelColon(); }
  void SetLabelColon(bool on) { FLink.SetLabelColon(on); }
  QLabel* LabelComponent() const { return FLink.LabelComponent(); }
  void SetLabelComponent(QLabel* label) { FLink.SetLabelComponent(label); }
  void PositionLabel() { FLink.PositionLabel(); }

  void setVisible(bool visible) override {
    FLink.ControlVisibilityChanging(visible);
    TBase::setVisible(visible);
  }

protected:
  void moveEvent(QMoveEvent* event) override {
    TBase::moveEvent(event);
    FLink.ControlGeometryChanged();
  }
  void resizeEvent(QResizeEvent* event) override {
    TBase::resizeEvent(event);
    FLink.ControlGeometryChanged();
  }
  void changeEvent(QEvent* event) override {
    TBase::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) FLink.ControlEnabledChanged();
  }

private:
  TLabelLink FLink;
};

class TLblEdit : public TLabeledControl<QLineEdit> {
  Q_OBJECT
public:
  explicit TLblEdit(QWidget* parent = nullptr) : TLabeledControl<QLineEdit>(parent) {}
};

class TLblComboBox : public TLabeledControl<QComboBox> {
  Q_OBJECT
public:
  explicit TLblComboBox(QWidget* parent = nullptr) : TLabeledControl<QComboBox>(parent) {}
};
