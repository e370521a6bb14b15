// The picture files of the settings store: the custom card back and the table background.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringList>

#include "art/CardArt.h"
#include "engine/Card.h"
#include "engine/JpegImage.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "shell/OptionsRadioGroup.h"
#include "shell/Preferences.h"

namespace {

const QString Section = QStringLiteral("Preferences");
const QString NotSupported = QStringLiteral("Selected image type is not supported.");
const QString PictureFilter =
    QStringLiteral("Images (*.bmp;*.gif;*.jpeg;*.jpg)|*.bmp;*.gif;*.jpeg;*.jpg|All Files (*.*)|*.*");

TPreferencesDlg::TPictureDialogHook& PictureHookSlot() {
  static TPreferencesDlg::TPictureDialogHook hook;
  return hook;
}

std::optional<QString> RunPictureDialog(const TPreferencesDlg::TPictureDialogRequest& r) {
  QFileDialog dialog(r.Parent, QString(), r.InitialDir);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  QStringList filters;
  const QStringList parts = r.Filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
    filters << parts[i].section(QLatin1Char('('), 0, 0).trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(qBound(1, r.FilterIndex, int(filters.size())) - 1));
  if (!r.FileName.isEmpty()) dialog.selectFile(r.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

}  // namespace

void TPreferencesDlg::SetPictureDialogHook(TPictureDialogHook hook) { PictureHookSlot() = std::move(hook); }

void TPreferencesDlg::BrowseButtonClick(QObject* sender) {
  const bool cardBack = sender && sender == BrowseButton;
  if (!cardBack && !(sender && sender == Button1)) return;
  const QString key = cardBack ? QStringLiteral("CustomImage") : QStringLiteral("BackgroundImage");

  if (FIniFile->ValueExists(Section, key)) {
    const QString stored = FIniFile->ReadString(Section, key, QString());
    // A stored file that is gone leaves the dialog where it was last time.
    if (!stored.isEmpty() && QFileInfo::exists(stored)) {
      const QFileInfo info(stored);
      FOpenDialogDir = info.absolutePath();
      FOpenDialogFileName = info.fileName();
      FOpenDialogFilterIndex = IsSupportedPictureName(stored) ? 1 : 2;
    }
  } else {
    FOpenDialogDir = QDir(Paths::DataDir()).filePath(cardBack ? QStringLiteral("CardBacks") : QStringLiteral("Backgrounds"));
    FOpenDialogFileName.clear();
  }

  TPictureDialogRequest request;
  request.Parent = this;
  request.Filter = PictureFilter;
  request.FilterIndex = FOpenDialogFilterIndex;
  request.InitialDir = FOpenDialogDir;
  request.FileName = FOpenDialogFileName;
  const std::optional<QString> chosen = PictureHookSlot() ? PictureHookSlot()(request) : RunPictureDialog(request);
  if (!chosen || chosen->isEmpty()) return;
  const QFileInfo info(*chosen);
  FOpenDialogDir = info.absolutePath();
  FOpenDialogFileName = info.fileName();

  // The background type stays as it is: the picture shows once "Tiled Image" is chosen.
  if (cardBack)
    LoadCustomCardBack(*chosen, true);
  else
    LoadBackgroundImage(*chosen);
}

void TPreferencesDlg::ShowBackgroundPictureControls() {
  if (!BackgroundImage) return;
  if (FBackgroundPicture.isNull())
    BackgroundImage->clear();
  else
    BackgroundImage->setPixmap(QPixmap::fromImage(FBackgroundPicture));
  BkImageLabel->setVisible(FBackgroundPicture.isNull());
  BackgroundRadioGroup->SetItemIndex(FBackgroundIndex);
  BackgroundPageControl->setCurrentIndex(qBound(0, FBackgroundIndex, 2));
}

bool TPreferencesDlg::IsSupportedPictureName(const QString& path) {
  const int dot = path.lastIndexOf('.');
  if (dot < 0) return false;
  static const QStringList accepted{".BMP", ".bmp", ".JPG", ".jpg", ".JPEG", ".jpeg", ".GIF", ".gif"};
  return accepted.contains(path.mid(dot));
}

// The custom back is gone: its radio button is disabled and a deal that used it shows the
// first back, which is also what the settings file says from now on.
void TPreferencesDlg::DropCustomBack() {
  FCustomBackAvailable = false;
  FCustomBackPreview = QImage();
  TCard::SetCustomBackPicture(QImage());
  FIniFile->DeleteKey(Section, QStringLiteral("CustomImage"));
  if (FBackIndex == 9) {
    FBackIndex = 0;
    TCard::SetBackIndex(0);
    FIniFile->WriteInteger(Section, QStringLiteral("BackIndex"), 0);
  }
  ShowCustomBackControls();
}

void TPreferencesDlg::LoadCustomCardBack(const QString& path, bool select) {
  if (!QFileInfo::exists(path)) {
    DropCustomBack();
    Prompts::MessageBox(this, QStringLiteral("The custom card back image ") + path +
                                  QStringLiteral(" was not found."),
                        windowTitle(), Prompts::TButtons::Ok, Prompts::TIcon::Warning);
    return;
  }
  if (!IsSupportedPictureName(path)) {
    Prompts::MessageBox(this, NotSupported, windowTitle(), Prompts::TButtons::Ok,
                        Prompts::TIcon::Error);
    return;
  }
  const QImage picture = LoadPictureFile(path);
  if (picture.isNull()) {
    DropCustomBack();
    return;
  }

  QImage preview = CardArtBitmap(QStringLiteral("CS_BORDER"));
  if (preview.isNull()) {
    preview = QImage(80, 125, QImage::Format_RGB32);
    preview.fill(Qt::white);
  }
  preview = preview.convertToFormat(QImage::Format_RGB32);
  {
    QPainter p(&preview);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(5, 5, preview.width() - 10, preview.height() - 10), picture);
  }
  FCustomBackPreview = preview;

  // The card engine draws the picture into the outline of every size it loads.
  TCard::SetCustomBackPicture(picture);
  FIniFile->WriteString(Section, QStringLiteral("CustomImage"), path);
  FCustomBackAvailable = true;
  if (select) {
    FBackIndex = 9;
    TCard::SetBackIndex(9);
  }
  ShowCustomBackControls();
}

void TPreferencesDlg::LoadBackgroundImage(const QString& path) {
  if (!QFileInfo::exists(path)) {
    FIniFile->DeleteKey(Section, QStringLiteral("BackgroundImage"));
    FBackgroundIndex = 0;
    FBackgroundPicture = QImage();
    ShowBackgroundPictureControls();
    Prompts::MessageBox(this, QStringLiteral("The game background image ") + path +
                                  QStringLiteral(" was not found."),
                        windowTitle(), Prompts::TButtons::Ok, Prompts::TIcon::Warning);
    return;
  }
  if (!IsSupportedPictureName(path)) {
    Prompts::MessageBox(this, NotSupported, windowTitle(), Prompts::TButtons::Ok,
                        Prompts::TIcon::Error);
    return;
  }
  const QImage picture = LoadPictureFile(path);
  if (picture.isNull()) {
    FBackgroundPicture = QImage();
    FIniFile->DeleteKey(Section, QStringLiteral("BackgroundImage"));
    ShowBackgroundPictureControls();
    return;
  }
  FBackgroundPicture = picture;
  FIniFile->WriteString(Section, QStringLiteral("BackgroundImage"), path);
  ShowBackgroundPictureControls();
}
