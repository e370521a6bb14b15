#include "widgets/ToolEdit.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QUrl>

#include "platform/Prompts.h"

// ---------------------------------------------------------------------------------------
// TEditButton

TEditButton::TEditButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
}

void TEditButton::SetGlyphKind(TGlyphKind kind) {
  FGlyphKind = kind;
  update();
}

void TEditButton::SetGlyph(const QPixmap& glyph, int numGlyphs) {
  FGlyph = glyph;
  FNumGlyphs = qMax(1, numGlyphs);
  FGlyphKind = gkCustom;
  update();
}

QImage TEditButton::EllipsisGlyph(int buttonWidth) {
  const int dot = 2;
  const int gap = qBound(1, (buttonWidth - 6) / 2, 3);
  QImage image(3 * dot + 2 * gap, dot + 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int i = 0; i < 3; ++i)
    for (int y = 1; y <= dot; ++y)
      for (int x = 0; x < dot; ++x) image.setPixel(i * (dot + gap) + x, y, qRgb(0, 0, 0));
  return image;
}

namespace {

// The default button picture: a small open folder.
QImage FolderGlyph() {
  QImage image(12, 10, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setPen(QColor(0, 0, 0));
  p.setBrush(QColor(255, 255, 160));
  p.drawPolygon(QPolygon({QPoint(0, 1), QPoint(4, 1), QPoint(5, 2), QPoint(10, 2), QPoint(10, 9),
                          QPoint(0, 9)}));
  p.setBrush(QColor(224, 192, 64));
  p.drawPolygon(QPolygon({QPoint(0, 9), QPoint(2, 4), QPoint(11, 4), QPoint(10, 9)}));
  return image;
}

QImage DropDownGlyph() {
  QImage image(7, 4, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 4; ++y)
    for (int x = y; x < 7 - y; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
  return image;
}

// Black ink recoloured for the button's state.
QImage Tinted(const QImage& glyph, const QColor& color) {
  QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(line[x]) > 0 && qRed(line[x]) == 0 && qGreen(line[x]) == 0 && qBlue(line[x]) == 0)
        line[x] = qRgba(color.red(), color.green(), color.blue(), qAlpha(line[x]));
  }
  return image;
}

}  // namespace

void TEditButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton option;
  option.initFrom(this);
  option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);

  QImage glyph;
  const bool enabled = isEnabled();
  switch (FGlyphKind) {
    case gkEllipsis:
      glyph = EllipsisGlyph(width());
      break;
    case gkDropDown:
      glyph = DropDownGlyph();
      break;
    case gkDefault:
      glyph = FolderGlyph();
      break;
    case gkCustom:
      if (!FGlyph.isNull()) {
        const int w = FGlyph.width() / FNumGlyphs;
        const int index = (!enabled && FNumGlyphs > 1) ? 1 : 0;
        glyph = FGlyph.copy(index * w, 0, w, FGlyph.height()).toImage();
      }
      break;
  }
  if (glyph.isNull()) return;
  if (FGlyphKind != gkCustom || (!enabled && FNumGlyphs == 1)) {
    const QColor ink = enabled ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText);
    glyph = Tinted(glyph, ink);
  }
  const int shift = isDown() ? 1 : 0;
  p.drawImage(QPoint((width() - glyph.width()) / 2 + shift, (height() - glyph.height()) / 2 + shift),
              glyph);
}

// ---------------------------------------------------------------------------------------
// TCustomComboEdit

TCustomComboEdit::TCustomComboEdit(QWidget* parent)
    : QLineEdit(parent), FButton(new TEditButton(this)), FClickKey(Qt::ALT | Qt::Key_Down) {
  connect(FButton, &QAbstractButton::clicked, this, [this] { DoClick(); });
  PlaceButton();
}

void TCustomComboEdit::SetButtonWidth(int width) {
  FButtonWidth = qMax(0, width);
  PlaceButton();
}

void TCustomComboEdit::SetDirectInput(bool on) {
  FDirectInput = on;
  setReadOnly(!on);
}

void TCustomComboEdit::DoClick() {
  if (!isEnabled()) return;
  if (focusPolicy() != Qt::NoFocus && !hasFocus()) setFocus(Qt::OtherFocusReason);
  ButtonClick();
}

void TCustomComboEdit::ButtonClick() {
  if (OnButtonClick) OnButtonClick(this);
}

void TCustomComboEdit::keyPressEvent(QKeyEvent* event) {
  if (!FClickKey.isEmpty() && QKeySequence(event->keyCombination()) == FClickKey) {
    event->accept();
    DoClick();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TCustomComboEdit::PlaceButton() {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  const int h = qMax(1, height() - 2 * frame);
  FButton->setGeometry(width() - frame - FButtonWidth, frame, FButtonWidth, h);
  FButton->setVisible(FButtonWidth > 0);
  setTextMargins(0, 0, FButtonWidth, 0);
}

void TCustomComboEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PlaceButton();
}

void TCustomComboEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::StyleChange) PlaceButton();
}

// ---------------------------------------------------------------------------------------
// TFilenameEdit

namespace {

TFilenameEdit::TDialogHook& DialogHookSlot() {
  static TFilenameEdit::TDialogHook hook;
  return hook;
}

// The open-file dialog itself. "Description|pattern" pairs become Qt name filters whose
// pattern part is hidden, so the description reads as the program wrote it.
std::optional<TFilenameEdit::TDialogAnswer> RunOpenDialog(const TFilenameEdit::TDialogRequest& r) {
  QFileDialog dialog(r.Parent, r.Title, r.InitialDir);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::ReadOnly, (r.Options & ofReadOnly) != 0);
  dialog.setOption(QFileDialog::DontResolveSymlinks, (r.Options & ofNoDereferenceLinks) != 0);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (r.Options & ofOverwritePrompt) == 0);
  QStringList filters;
  const QStringList parts = r.Filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(qBound(1, r.FilterIndex, int(filters.size())) - 1));
  }
  if (!r.DefaultExt.isEmpty()) dialog.setDefaultSuffix(r.DefaultExt);
  if (!r.FileName.isEmpty()) dialog.selectFile(r.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  TFilenameEdit::TDialogAnswer answer;
  answer.FileName = QDir::toNativeSeparators(dialog.selectedFiles().first());
  answer.FilterIndex = filters.isEmpty() ? r.FilterIndex
                                         : int(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (answer.FilterIndex < 1) answer.FilterIndex = r.FilterIndex;
  return answer;
}

// The folder part of a name without its trailing separator ("/" for the root), "" for a
// bare name.
QString DirectoryOf(const QString& name) {
  const int slash = name.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) return QString();
  return slash == 0 ? QStringLiteral("/") : name.left(slash);
}

}  // namespace

TFilenameEdit::TFilenameEdit(QWidget* parent) : TCustomComboEdit(parent) {}

void TFilenameEdit::SetDialogHook(TDialogHook hook) { DialogHookSlot() = std::move(hook); }

bool TFilenameEdit::IsValidFileName(const QString& name) {
  if (name.isEmpty()) return false;
  // Square brackets stay allowed: they are common in real file names and play no part
  // in the quoting. NUL can never be part of a path.
  for (const QChar c : name)
    if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('"') ||
        c == QLatin1Char('|') || c == QChar(0))
      return false;
  return !name.mid(name.lastIndexOf(QLatin1Char('/')) + 1).contains(QLatin1Char('\\'));
}

QString TFilenameEdit::FirstParam(const QString& commandLine) {
  int i = 0;
  const int n = commandLine.size();
  while (i < n && commandLine[i].unicode() <= ' ') ++i;
  QString param;
  bool quoted = false;
  for (; i < n; ++i) {
    const QChar c = commandLine[i];
    if (c == QLatin1Char('"')) {
      quoted = !quoted;
    } else if (!quoted && c.unicode() <= ' ') {
      break;
    } else {
      param += c;
    }
  }
  return param;
}

QString TFilenameEdit::ClipFileName(const QString& text) {
  return IsValidFileName(text) ? text : FirstParam(text);
}

QString TFilenameEdit::QuotedFileName(const QString& name) {
  if (name.contains(QLatin1Char(' ')) && !name.startsWith(QLatin1Char('"')))
    return QLatin1Char('"') + name + QLatin1Char('"');
  return name;
}

QString TFilenameEdit::InvalidNameMessage(const QString& name) {
  return QStringLiteral("Invalid file name - ") + name;
}

QString TFilenameEdit::FileName() const { return ClipFileName(text()); }

bool TFilenameEdit::TrySetFileName(const QString& name) {
  // Only the surrounding quotes are taken off, each on its own (a name typed with an
  // opening quote and no closing one is still a name): reading a name with inner quotes
  // as a command line would accept its first word and show a name that reads back changed.
  QStringView bare(name);
  if (bare.startsWith(QLatin1Char('"'))) bare = bare.mid(1);
  if (bare.endsWith(QLatin1Char('"'))) bare.chop(1);
  if (!name.isEmpty() && !IsValidFileName(bare.toString())) return false;
  setText(QuotedFileName(name));
  return true;
}

void TFilenameEdit::SetFileName(const QString& name) {
  if (!TrySetFileName(name)) throw EComboEditError(InvalidNameMessage(name));
}

void TFilenameEdit::ShowInvalidName(const QString& name) {
  QString shown = name;
  shown.replace(QChar(0), QLatin1Char('?'));
  Prompts::MessageBox(this, InvalidNameMessage(shown), QGuiApplication::applicationDisplayName(),
                      Prompts::TButtons::Ok, Prompts::TIcon::Error);
}

void TFilenameEdit::ButtonClick() {
  TCustomComboEdit::ButtonClick();
  QString name = FileName();
  bool accept = true;
  if (OnBeforeDialog) OnBeforeDialog(this, name, accept);
  if (!accept) return;

  TDialogRequest request;
  request.Parent = window();
  if (IsValidFileName(name)) {
    const QString dir = DirectoryOf(name);
    if (!dir.isEmpty() && QDir(dir).exists()) FInitialDir = dir;
    request.FileName = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
  }
  request.Title = FDialogTitle;
  request.Filter = FFilter;
  request.FilterIndex = FFilterIndex;
  request.DefaultExt = FDefaultExt;
  request.InitialDir = FInitialDir;
  request.Options = FDialogOptions;

  const auto answer = DialogHookSlot() ? DialogHookSlot()(request) : RunOpenDialog(request);
  if (!answer) return;

  // A refused name is stopped before the after-dialog handler, which stores it.
  name = answer->FileName;
  if (!IsValidFileName(name)) {
    ShowInvalidName(name);
    return;
  }
  accept = true;
  if (OnAfterDialog) OnAfterDialog(this, name, accept);
  if (!accept) return;
  if (!TrySetFileName(name)) {
    ShowInvalidName(name);
    return;
  }
  FInitialDir = DirectoryOf(ClipFileName(name));
  FFilterIndex = answer->FilterIndex;
}

void TFilenameEdit::dragEnterEvent(QDragEnterEvent* event) {
  if (FAcceptFiles && event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
    return;
  }
  TCustomComboEdit::dragEnterEvent(event);
}

void TFilenameEdit::dropEvent(QDropEvent* event) {
  if (!FAcceptFiles || !event->mimeData()->hasUrls()) {
    TCustomComboEdit::dropEvent(event);
    return;
  }
  event->acceptProposedAction();
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    const QString name = url.toLocalFile();
    if (!TrySetFileName(name)) ShowInvalidName(name);
    break;  // the edit takes one file
  }
  if (OnDropFiles) OnDropFiles(this);
}
