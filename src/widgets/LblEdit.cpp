#include "widgets/LblEdit.h"

#include <QMouseEvent>

#include "widgets/wkUtils.h"

// ---------------------------------------------------------------------------------------
// ELabeledControl

QString ELabeledControl::MessageFor(TKind kind, const QString& controlName) {
  switch (kind) {
    case lcCannotAttach:
      return QStringLiteral("Cannot attach label to ") + controlName +
             QStringLiteral(". Label and control must be on the same form!");
    case lcParentDiffers:
      return QStringLiteral("Cannot set label position. Label parent is different from ") +
             controlName + QStringLiteral(" parent.");
    case lcUndefined:
      break;
  }
  return QStringLiteral("Undefined exception (?)");
}

ELabeledControl::ELabeledControl(TKind kind, const QString& controlName)
    : std::runtime_error(MessageFor(kind, controlName).toStdString()),
      FKind(kind),
      FMessage(MessageFor(kind, controlName)) {}

// ---------------------------------------------------------------------------------------
// TEnhLabel

TEnhLabel::TEnhLabel(QWidget* parent) : QLabel(parent), FDisabledColor(clBtnShadow) {
  connect(this, &QObject::objectNameChanged, this, [this](const QString& name) { NameChanged(name); });
}

void TEnhLabel::NameChanged(const QString& name) {
  if (name == FAcceptedName) return;
  if (OnCanRename && !OnCanRename(name)) {
    setObjectName(FAcceptedName);  // undo; the signal comes back with the accepted name
    return;
  }
  FAcceptedName = name;
}

void TEnhLabel::SetDisabledColor(TColor color) {
  FDisabledColor = color;
  if (FShownDisabled) {
    QPalette pal = palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, ToQColorResolved(color));
    pal.setColor(QPalette::Inactive, QPalette::WindowText, ToQColorResolved(color));
    setPalette(pal);
  }
}

void TEnhLabel::SetShownDisabled(bool on) {
  if (on == FShownDisabled) return;
  QPalette pal = palette();
  QColor color;
  if (on) {
    FSavedColor = pal.color(QPalette::Active, QPalette::WindowText);
    color = ToQColorResolved(FDisabledColor);
  } else {
    color = FSavedColor;
  }
  pal.setColor(QPalette::Active, QPalette::WindowText, color);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, color);
  FShownDisabled = on;
  setPalette(pal);
}

void TEnhLabel::SetAutoSize(bool on) {
  FAutoSize = on;
  if (on) adjustSize();
}

void TEnhLabel::SetCaption(const QString& text) {
  if (text == this->text()) return;
  setText(text);
  if (FAutoSize) adjustSize();
  Notify();
}

void TEnhLabel::Notify() {
  if (OnLabelChanged) OnLabelChanged();
}

void TEnhLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Notify();
}

void TEnhLabel::moveEvent(QMoveEvent* event) {
  QLabel::moveEvent(event);
  Notify();
}

void TEnhLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    if (FAutoSize)
      adjustSize();  // the resize tells the control
    else
      Notify();
  }
}

void TEnhLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (FShownDisabled) return;
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && buddy() && rect().contains(event->position().toPoint()))
    buddy()->setFocus(Qt::MouseFocusReason);
}

// ---------------------------------------------------------------------------------------
// TLabelLink

TLabelLink::TLabelLink(QWidget* control) : FControl(control) {
  QObject::connect(control, &QObject::objectNameChanged, control, [this](const QString&) {
    if (FLabel) FLabel->setObjectName(LabelName());
  });
}

TLabelLink::~TLabelLink() {
  // A label the control made goes with it; an attached one stays with its form.
  if (FLabel) {
    Unhook(FLabel);
    if (FOwnLabel) delete FLabel.data();
  }
}

QString TLabelLink::LabelName() const { return QStringLiteral("el_") + FControl->objectName(); }

QPoint TLabelLink::LabelPlace(TLabelPosition pos, const QRect& c, const QSize& label, int margin) {
  switch (pos) {
    case lpTop:
      return QPoint(c.left(), c.top() - (label.height() + margin));
    case lpLeft:
      return QPoint(c.left() - (label.width() + margin), c.top() + 3);
    case lpBottom:
      return QPoint(c.left(), c.top() + c.height() + margin);
    case lpRight:
      return QPoint(c.left() + c.width() + margin, c.top() + 3);
    case lpCustom:
      break;
  }
  return QPoint();
}

void TLabelLink::PositionLabel() {
  if (!FLabel || FLabelPos == lpCustom) return;
  FLabel->move(LabelPlace(FLabelPos, FControl->geometry(), FLabel->size(), FLabelMargin));
}

void TLabelLink::Hook(QLabel* label) {
  label->setBuddy(FControl);
  if (auto* enh = qobject_cast<TEnhLabel*>(label)) {
    enh->OnLabelChanged = [this] { PositionLabel(); };
    enh->OnCanRename = [this](const QString& name) { return name == LabelName(); };
  }
}

void TLabelLink::Unhook(QLabel* label) {
  if (auto* enh = qobject_cast<TEnhLabel*>(label)) {
    enh->OnLabelChanged = nullptr;
    enh->OnCanRename = nullptr;
  }
}

void TLabelLink::ApplyEnabled() {
  if (!FLabel) return;
  if (auto* enh = qobject_cast<TEnhLabel*>(FLabel.data()))
    enh->SetShownDisabled(!FControl->isEnabled());
  else
    FLabel->setEnabled(FControl->isEnabled());
}

void TLabelLink::CreateLabel() {
  QWidget* owner = FControl->window();
  if (owner != FControl) {
    if (auto* found = owner->findChild<QLabel*>(LabelName())) {
      FLabel = found;
      FOwnLabel = false;
      Hook(found);
      ApplyEnabled();
      return;
    }
  }
  auto* label = new TEnhLabel(FControl->parentWidget());
  label->hide();  // until placed
  label->setObjectName(LabelName());
  FLabel = label;
  FOwnLabel = true;
  Hook(label);
  ApplyEnabled();
}

void TLabelLink::FreeLabel() {
  if (!FLabel) return;
  QLabel* label = FLabel.data();
  Unhook(label);
  FLabel.clear();
  delete label;
  FOwnLabel = false;
}

QString TLabelLink::LabelText() const {
  if (!FLabel) return QString();
  const QString caption = FLabel->text();
  return FLabelColon ? caption.left(caption.size() - 1) : caption;
}

void TLabelLink::SetLabelText(const QString& text) {
  if (text.isEmpty()) {
    FreeLabel();
    return;
  }
  const bool created = !FLabel;
  if (created) CreateLabel();
  QString caption = text;
  if (FLabelColon && !caption.endsWith(QLatin1Char(':'))) caption += QLatin1Char(':');
  if (auto* enh = qobject_cast<TEnhLabel*>(FLabel.data()))
    enh->SetCaption(caption);
  else
    FLabel->setText(caption);
  PositionLabel();
  if (created && FOwnLabel && FLabel->parentWidget()) FLabel->setVisible(!FControl->isHidden());
}

void TLabelLink::SetLabelPos(TLabelPosition pos) {
  if (pos == FLabelPos) return;
  if (FLabel && FLabel->parentWidget() != FControl->parentWidget())
    throw ELabeledControl(ELabeledControl::lcParentDiffers, FControl->objectName());
  FLabelPos = pos;
  PositionLabel();
}

void TLabelLink::SetLabelMargin(int margin) {
  FLabelMargin = margin;
  PositionLabel();
}

void TLabelLink::SetLabelColon(bool on) {
  if (on == FLabelColon) return;
  const QString text = LabelText();  // read with the old rule
  FLabelColon = on;
  if (FLabel) SetLabelText(text);
}

void TLabelLink::SetLabelComponent(QLabel* label) {
  if (label == FLabel) return;
  if (!label) {
    FreeLabel();
    return;
  }
  if (label->window() != FControl->window())
    throw ELabeledControl(ELabeledControl::lcCannotAttach, FControl->objectName());
  if (FOwnLabel) {
    FreeLabel();
  } else if (FLabel) {
    Unhook(FLabel);
    FLabel.clear();
  }
  FLabelPos = lpCustom;
  FLabel = label;
  FOwnLabel = false;
  label->setObjectName(LabelName());
  Hook(label);
  FLabelColon = label->text().endsWith(QLatin1Char(':'));
  ApplyEnabled();
}

void TLabelLink::ControlVisibilityChanging(bool visible) {
  if (!FLabel) return;
  if (visible) {
    if (FLabel->text().isEmpty()) return;
    PositionLabel();
    if (FLabel->parentWidget()) FLabel->show();
  } else {
    FLabel->hide();
  }
}

void TLabelLink::ControlEnabledChanged() { ApplyEnabled(); }
