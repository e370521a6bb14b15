// The picture files of the settings store: the custom card back and the table background.

#include <QFileInfo>
#include <QPainter>
#include <QStringList>

#include "art/CardArt.h"
#include "engine/Card.h"
#include "engine/JpegImage.h"
#include "platform/IniFile.h"
#include "platform/Prompts.h"
#include "shell/Preferences.h"

namespace {

const QString Section = QStringLiteral("Preferences");
const QString NotSupported = QStringLiteral("Selected image type is not supported.");

}  // namespace

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
}

void TPreferencesDlg::LoadBackgroundImage(const QString& path) {
  if (!QFileInfo::exists(path)) {
    FIniFile->DeleteKey(Section, QStringLiteral("BackgroundImage"));
    FBackgroundIndex = 0;
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
    return;
  }
  FBackgroundPicture = picture;
  FIniFile->WriteString(Section, QStringLiteral("BackgroundImage"), path);
}
