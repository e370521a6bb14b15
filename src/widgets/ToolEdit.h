#pragma once
// An edit with a small button at its right edge, and the file-name edit built on it: the
// button browses for a file, the edit shows the name (quoted when it holds a blank). The
// options dialog's custom start-up sound uses it.

#include <QAbstractButton>
#include <QKeySequence>
#include <QLineEdit>
#include <QPixmap>

#include <functional>
#include <optional>
#include <stdexcept>

// A name the file-name edit refuses: "Invalid file name - " and the name.
class EComboEditError : public std::runtime_error {
public:
  explicit EComboEditError(const QString& message)
      : std::runtime_error(message.toStdString()), FMessage(message) {}
  const QString& Message() const { return FMessage; }

private:
  QString FMessage;
};

enum TGlyphKind { gkCustom, gkDefault, gkDropDown, gkEllipsis };

// Options of the open-file dialog, as a set of bits.
enum TOpenOption : unsigned {
  ofReadOnly = 1u << 0,        // the chosen file is only read: the dialog offers no renames or deletes
  ofOverwritePrompt = 1u << 1,
  ofHideReadOnly = 1u << 2,
  ofNoChangeDir = 1u << 3,
  ofShowHelp = 1u << 4,
  ofNoValidate = 1u << 5,
  ofAllowMultiSelect = 1u << 6,
  ofPathMustExist = 1u << 7,
  ofFileMustExist = 1u << 8,
  ofCreatePrompt = 1u << 9,
  ofNoDereferenceLinks = 1u << 10,
  ofEnableSizing = 1u << 11,
};
using TOpenOptions = unsigned;

// The button inside the edit: a push-button face with one glyph.
class TEditButton : public QAbstractButton {
  Q_OBJECT
public:
  explicit TEditButton(QWidget* parent = nullptr);

  TGlyphKind GlyphKind() const { return FGlyphKind; }
  void SetGlyphKind(TGlyphKind kind);
  // gkCustom: NumGlyphs images side by side; the first is the normal one, the second
  // (when there is one) the disabled one.
  void SetGlyph(const QPixmap& glyph, int numGlyphs);

  // The ellipsis picture for a button this wide: three 2 x 2 dots one pixel below the
  // top, spaced by (width - 6) / 2 limited to 1..3, black on transparent.
  static QImage EllipsisGlyph(int buttonWidth);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TGlyphKind FGlyphKind = gkDefault;
  QPixmap FGlyph;
  int FNumGlyphs = 1;
};

class TCustomComboEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit TCustomComboEdit(QWidget* parent = nullptr);

  TEditButton* Button() const { return FButton; }

  TGlyphKind GlyphKind() const { return FButton->GlyphKind(); }
  void SetGlyphKind(TGlyphKind kind) { FButton->SetGlyphKind(kind); }
  void SetGlyph(const QPixmap& glyph, int numGlyphs = 1) { FButton->SetGlyph(glyph, numGlyphs); }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int width);
  QString ButtonHint() const { return FButton->toolTip(); }
  void SetButtonHint(const QString& hint) { FButton->setToolTip(hint); }
  // The key that acts as a button click (Alt+Down unless changed).
  QKeySequence ClickKey() const { return FClickKey; }
  void SetClickKey(const QKeySequence& key) { FClickKey = key; }
  // Typing allowed; off, the text changes only through the button.
  bool DirectInput() const { return FDirectInput; }
  void SetDirectInput(bool on);

  // What a click on the button does (nothing while the edit is disabled).
  void DoClick();

  std::function<void(TCustomComboEdit*)> OnButtonClick;

protected:
  // Fires OnButtonClick; descendants add their own action.
  virtual void ButtonClick();
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void PlaceButton();

  TEditButton* FButton;
  int FButtonWidth = 21;
  QKeySequence FClickKey;
  bool FDirectInput = true;
};

class TFilenameEdit : public TCustomComboEdit {
  Q_OBJECT
public:
  explicit TFilenameEdit(QWidget* parent = nullptr);

  // The text without surrounding quotes: a text that is not a valid name is read as a
  // command line and its first parameter returned.
  QString FileName() const;
  // Writes a valid name as the text (quoted when it holds a blank and does not begin
  // with a quote); a non-empty invalid name raises EComboEditError.
  void SetFileName(const QString& name);
  // The same without raising: false (text unchanged) for an invalid name. For names
  // read from the settings, which must never stop start-up.
  bool TrySetFileName(const QString& name);

  QString Filter() const { return FFilter; }
  void SetFilter(const QString& filter) { FFilter = filter; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int index) { FFilterIndex = index; }
  QString DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const QString& ext) { FDefaultExt = ext; }
  QString InitialDir() const { return FInitialDir; }
  void SetInitialDir(const QString& dir) { FInitialDir = dir; }
  QString DialogTitle() const { return FDialogTitle; }
  void SetDialogTitle(const QString& title) { FDialogTitle = title; }
  TOpenOptions DialogOptions() const { return FDialogOptions; }
  void SetDialogOptions(TOpenOptions options) { FDialogOptions = options; }
  // Files dropped on the edit (the first one) become its name.
  bool AcceptFiles() const { return FAcceptFiles; }
  void SetAcceptFiles(bool on) { FAcceptFiles = on; }

  // The dialog events get the name (in/out) and an accept flag that starts true.
  using TDialogEvent = std::function<void(TFilenameEdit*, QString& name, bool& accept)>;
  TDialogEvent OnBeforeDialog;
  TDialogEvent OnAfterDialog;
  std::function<void(TFilenameEdit*)> OnDropFiles;

  // What the open-file dialog is shown with, and what it answers.
  struct TDialogRequest {
    QWidget* Parent = nullptr;
    QString Title;
    QString Filter;  // "Description|pattern|Description|pattern"
    int FilterIndex = 1;
    QString DefaultExt;
    QString InitialDir;
    QString FileName;  // name part only
    TOpenOptions Options = ofHideReadOnly;
  };
  struct TDialogAnswer {
    QString FileName;
    int FilterIndex = 1;
  };
  // nullopt when the user cancelled.
  using TDialogHook = std::function<std::optional<TDialogAnswer>(const TDialogRequest&)>;
  // Tests answer the dialog here; null restores the real dialog.
  static void SetDialogHook(TDialogHook hook);

  // Not empty, none of < > " | (nor NUL), and no backslash after the last "/". Names
  // never hold a double quote, so the quotes added for a blank always read back exactly.
  static bool IsValidFileName(const QString& name);
  // The first parameter of a command line: blanks separate, double quotes group and are
  // removed.
  static QString FirstParam(const QString& commandLine);
  // The name with surrounding quotes taken off: a text that is not a valid name is read
  // as a command line and its first parameter taken.
  static QString ClipFileName(const QString& text);
  // The text shown for a name: enclosed in double quotes when it holds a blank and does
  // not already begin with a quote.
  static QString QuotedFileName(const QString& name);
  static QString InvalidNameMessage(const QString& name);

protected:
  void ButtonClick() override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void ShowInvalidName(const QString& name);

  QString FFilter;
  int FFilterIndex = 1;
  QString FDefaultExt;
  QString FInitialDir;
  QString FDialogTitle;
  TOpenOptions FDialogOptions = ofHideReadOnly;
  bool FAcceptFiles = false;
};
