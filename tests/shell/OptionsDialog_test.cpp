#include <gtest/gtest.h>

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <vector>

#include "art/Sounds.h"
#include "engine/Card.h"
#include "engine/CardPileView.h"
#include "platform/Help.h"
#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "platform/SoundPlayer.h"
#include "shell/GameWindows.h"
#include "shell/OptionsRadioGroup.h"
#include "shell/Preferences.h"
#include "support/TestSupport.h"
#include "widgets/ColorPreview.h"
#include "widgets/ToolEdit.h"

using PellamyTest::ReadFileBytes;
using PellamyTest::TScopedConfigDir;
using PellamyTest::WriteFileBytes;

namespace {

// The sound output at the platform edge: remembers what was played and how.
class TRecordingDevice : public TSoundDevice {
public:
  struct TPlay {
    QByteArray Wav;
    QString File;
    TSoundMode Mode;
  };
  void Play(const QByteArray& wav, TSoundMode mode) override { Plays.push_back({wav, QString(), mode}); }
  void PlayFile(const QString& fileName, TSoundMode mode) override { Plays.push_back({{}, fileName, mode}); }
  std::vector<TPlay> Plays;
};

class OptionsDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    Metrics::SetDesktopSizeOverride(QSize(1280, 1024));
    Prompts::SetAnswerer([this](const Prompts::TPrompt& p) {
      Shown.push_back(p);
      return Prompts::IDOK;
    });
    SetSoundDevice(&Sound);
    TPreferencesDlg::SetColorDialogHook([this](const TPreferencesDlg::TColorDialogRequest& r) {
      ColorRequests.push_back(r);
      return ColorAnswer;
    });
    TPreferencesDlg::SetPictureDialogHook([this](const TPreferencesDlg::TPictureDialogRequest& r) {
      PictureRequests.push_back(r);
      return PictureAnswer;
    });
  }
  void TearDown() override {
    TPreferencesDlg::SetColorDialogHook(nullptr);
    TPreferencesDlg::SetPictureDialogHook(nullptr);
    TFilenameEdit::SetDialogHook(nullptr);
    SetSoundDevice(nullptr);
    Prompts::ClearAnswerer();
    Metrics::SetDesktopSizeOverride(QSize());
    Help::CloseAll();
  }

  QString Ini() const { return Config.File("Pellamy.ini"); }
  void WriteIni(const QByteArray& preferences) { WriteFileBytes(Ini(), "[Preferences]\r\n" + preferences); }
  QString Key(const QString& key) const { return TIniFile(Ini()).ReadString("Preferences", key, "<absent>"); }
  QString Picture(const QString& name, const char* format, QColor colour = QColor(200, 100, 0)) {
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = Config.File(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
  }
  // A JPEG cut in half: the extension is right, the picture unreadable.
  QString BrokenJpeg(const QString& name) {
    QByteArray jpeg;
    QBuffer b(&jpeg);
    b.open(QIODevice::WriteOnly);
    QImage(50, 50, QImage::Format_RGB32).save(&b, "JPEG");
    const QString path = Config.File(name);
    WriteFileBytes(path, jpeg.left(jpeg.size() / 2));
    return path;
  }

  TScopedConfigDir Config;
  std::vector<Prompts::TPrompt> Shown;
  TRecordingDevice Sound;
  std::vector<TPreferencesDlg::TColorDialogRequest> ColorRequests;
  TPreferencesDlg::TColorDialogAnswer ColorAnswer;
  std::vector<TPreferencesDlg::TPictureDialogRequest> PictureRequests;
  std::optional<QString> PictureAnswer;
};

QByteArray Stored() {
  return "SndVer=1\r\nSoundMask=4434\r\nCardSize=1\r\nRestoreLastGame=0\r\n"
         "BackIndex=3\r\nCardSpacing=30\r\nSmallCardSpacing=20\r\nHugeCardSpacing=50\r\n"
         "Aged=1\r\n3DPips=1\r\nAutoplaySpeed=120\r\nBackgroundIndex=1\r\nGradientIndex=1\r\n"
         "BackgroundColor=0x00102030\r\nGradientStartColor=clRed\r\nGradientEndColor=0x00405060\r\n"
         "DoAnimation=0\r\nDisableSound=1\r\nVegasScoring=1\r\nMinimizeToTray=1\r\n"
         "SmartDragging=0\r\nShowTips=0\r\nCtrlKey=0\r\nSkipConfirms=1\r\nUseImageLists=1\r\n"
         "StartupSnd=/sounds/my fanfare.wav\r\n";
}

}  // namespace

TEST_F(OptionsDialogTest, EveryControlShowsTheStoredSettings) {
  WriteIni(Stored());
  TPreferencesDlg dlg(Ini());
  dlg.show();

  EXPECT_EQ(dlg.windowTitle(), "Pellamy Options");
  EXPECT_EQ(dlg.size(), QSize(465, 425));
  EXPECT_EQ(dlg.PrefPageControl->currentWidget(), dlg.CardBackTabSheet);
  const QStringList tabs{"Card Back", "Appearance", "Spacing && Speed ", "Background", "Sound", "Other"};
  for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(dlg.PrefPageControl->tabText(i), tabs[i]);

  // Card back: the stored back is chosen; no custom picture, so the tenth is disabled.
  EXPECT_TRUE(dlg.CardBackRadio[3]->isChecked());
  EXPECT_FALSE(dlg.CardBackRadio[9]->isEnabled());
  for (int i = 0; i < 9; ++i) EXPECT_FALSE(dlg.CardBackImage[i]->pixmap().isNull()) << i;

  // Appearance.
  EXPECT_EQ(dlg.CardSizeRadioGroup->ItemIndex(), 1);
  EXPECT_TRUE(dlg.AgedCheckBox->isChecked());
  EXPECT_TRUE(dlg.ThreeDCheckBox->isChecked());
  EXPECT_EQ(TPreferencesDlg::SizePreviewName(1, true, true), "LARGEPREV3D_AGED");
  EXPECT_EQ(dlg.CardPrevImage->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            TPreferencesDlg::SizePreviewBitmap(1, true, true));

  // Spacing and speed: positions are the widest spacing less the stored one.
  EXPECT_EQ(dlg.CardSlider->value(), 10);
  EXPECT_EQ(dlg.SmallCardSlider->value(), 12);
  EXPECT_EQ(dlg.HugeCardSlider->value(), 10);
  EXPECT_EQ(dlg.SpeedSlider->value(), 120);

  // Background.
  EXPECT_EQ(dlg.BackgroundRadioGroup->ItemIndex(), 1);
  EXPECT_EQ(dlg.BackgroundPageControl->currentWidget(), dlg.GradientTabSheet);
  EXPECT_EQ(dlg.GradientRadioGroup->ItemIndex(), 1);
  EXPECT_EQ(dlg.SolidColorPreview->Color(), 0x00102030u);
  EXPECT_EQ(dlg.StartColorPreview->Color(), 0x000000FFu);
  EXPECT_EQ(dlg.EndColorPreview->Color(), 0x00405060u);

  // Sound: mask 4434 = 0x1152: shuffle, play to foundations, undo, card down, custom start-up.
  EXPECT_TRUE(dlg.SoundCheckBox->isChecked());
  EXPECT_FALSE(dlg.SoundPanel->isEnabled());
  EXPECT_FALSE(dlg.CustomSoundFileName->isEnabled());
  const std::vector<std::pair<QCheckBox*, bool>> boxes{
      {dlg.StartupCheckBox, false}, {dlg.ShuffleCheckBox, true},   {dlg.DealCheckBox, false},
      {dlg.StockCheckBox, false},   {dlg.AutoPlayCheckBox, true},  {dlg.RestartCheckBox, false},
      {dlg.UndoCheckBox, true},     {dlg.RedoCheckBox, false},     {dlg.CardUpCheckBox, false},
      {dlg.CardDownCheckBox, true}, {dlg.WinCheckBox, false},      {dlg.SpringyCheckBox, false},
      {dlg.CustomStartupCheckBox, true}};
  for (const auto& [box, on] : boxes) EXPECT_EQ(box->isChecked(), on) << box->text().toStdString();
  EXPECT_EQ(dlg.CustomSoundFileName->text(), "\"/sounds/my fanfare.wav\"");
  EXPECT_EQ(dlg.CustomSoundFileName->toolTip(), "/sounds/my fanfare.wav");

  // Other: the image-list box starts unticked whatever the file says.
  EXPECT_FALSE(dlg.AnimationCheckBox->isChecked());
  EXPECT_TRUE(dlg.TrayCheckBox->isChecked());
  EXPECT_TRUE(dlg.VegasCheckBox->isChecked());
  EXPECT_FALSE(dlg.TipsCheckBox->isChecked());
  EXPECT_FALSE(dlg.SmartCheckBox->isChecked());
  EXPECT_FALSE(dlg.CtrlKeyCheckBox->isChecked());
  EXPECT_FALSE(dlg.RestoreLastGameCheckBox->isChecked());
  EXPECT_FALSE(dlg.ImageListsCheckBox->isChecked());
  EXPECT_TRUE(dlg.SkipConfirmsCheckBox->isChecked());
  EXPECT_TRUE(dlg.HtmlHelpCheckBox->isHidden());
  EXPECT_EQ(dlg.VegasLabel->text(),
            "* Vegas scoring only available for Australian Patience, Canfield, Klondike, Russian Pellamy, and Yukon.");
  EXPECT_TRUE(Shown.empty());

  // Hints.
  EXPECT_EQ(dlg.BrowseButton->toolTip(), "Click to browse the file system and\nfind a custom card back image");
  EXPECT_EQ(dlg.Button1->toolTip(), "Click to browse the file system and\nfind a custom background image");
  EXPECT_EQ(dlg.CardSizeRadioGroup->toolTip(),
            "This preference does not take effect until\nthe current game window is closed");
  EXPECT_EQ(dlg.SolidColorPreview->toolTip(), "Click for a dialog to select a new color");
  EXPECT_EQ(dlg.EndColorPreview->toolTip(), "Click for a dialog to select a color");
  EXPECT_EQ(dlg.CustomSoundFileName->ButtonHint(), "Click to find a sound file...");
  EXPECT_EQ(dlg.CustomSoundFileName->DialogOptions(), TOpenOptions(ofReadOnly | ofEnableSizing));
  dlg.accept();
}

TEST_F(OptionsDialogTest, ChangesReachTheFieldsAndTheFileInOrder) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  // Showing the spacing preview writes the spacing of the size in use.
  EXPECT_EQ(Key("CardSpacing"), "28");

  dlg.CardBackRadio[4]->click();
  dlg.AgedCheckBox->click();
  dlg.ThreeDCheckBox->click();
  dlg.CardSlider->setValue(0);  // the top: widest
  EXPECT_EQ(Key("CardSpacing"), "40");
  EXPECT_EQ(dlg.FCardSpacing, 40);
  EXPECT_EQ(dlg.SpacingPileView->YOffset, 40.0f);
  dlg.SpeedSlider->setValue(150);
  dlg.BackgroundRadioGroup->Button(2)->click();
  EXPECT_EQ(dlg.BackgroundPageControl->currentWidget(), dlg.ImageTabSheet);
  dlg.GradientRadioGroup->Button(1)->click();
  ColorAnswer = {0x00123456, {"ColorA=563412", "ColorB=FFFFFF"}};
  QTest::mouseClick(dlg.SolidColorPreview, Qt::LeftButton);
  EXPECT_EQ(dlg.SolidColorPreview->Color(), 0x00123456u);
  dlg.WinCheckBox->click();
  dlg.CardUpCheckBox->click();
  dlg.AnimationCheckBox->click();
  dlg.TrayCheckBox->click();
  dlg.VegasCheckBox->click();
  dlg.TipsCheckBox->click();
  dlg.SmartCheckBox->click();
  dlg.CtrlKeyCheckBox->click();
  dlg.RestoreLastGameCheckBox->click();
  dlg.ImageListsCheckBox->click();
  dlg.SkipConfirmsCheckBox->click();
  dlg.SoundCheckBox->click();
  EXPECT_FALSE(dlg.FSoundOn);

  // Each change is in its field at once: games reading the store see it after the dialog.
  EXPECT_EQ(dlg.FBackIndex, 4);
  EXPECT_TRUE(dlg.FAged && dlg.F3DPips && dlg.FCardLookChanged);
  EXPECT_EQ(dlg.FAutoplaySpeed, 150);
  EXPECT_EQ(dlg.FBackgroundIndex, 2);
  EXPECT_EQ(dlg.FGradientIndex, 1);
  EXPECT_EQ(dlg.FBackgroundColor, 0x00123456u);
  EXPECT_EQ(dlg.FSoundMask, (0xE7F & ~0x200) | 0x80);

  QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(TCard::GetBackIndex(), 4);
  EXPECT_TRUE(TCard::IsAged());
  EXPECT_TRUE(TCard::IsThreeD());
  EXPECT_EQ(ReadFileBytes(Ini()),
            "[Preferences]\r\n"
            "SndVer=1\r\n"
            "CardSize=1\r\n"
            "RestoreLastGame=0\r\n"
            "CardSpacing=40\r\n"
            "CustomColors=ColorA=563412,ColorB=FFFFFF\r\n"
            "BackgroundColor=0x00123456\r\n"
            "BackIndex=4\r\n"
            "DoAnimation=0\r\n"
            "DisableSound=1\r\n"
            "SoundMask=3327\r\n"
            "VegasScoring=1\r\n"
            "SmartDragging=0\r\n"
            "ShowTips=0\r\n"
            "CtrlKey=0\r\n"
            "UseImageLists=1\r\n"
            "SkipConfirms=1\r\n"
            "MinimizeToTray=1\r\n"
            "Aged=1\r\n"
            "3DPips=1\r\n"
            "BackgroundIndex=2\r\n"
            "GradientStartColor=0x00008800\r\n"
            "GradientEndColor=0x00002400\r\n"
            "GradientIndex=1\r\n"
            "AutoplaySpeed=150\r\n");

  // Shown again, the controls show what was stored.
  dlg.show();
  EXPECT_TRUE(dlg.CardBackRadio[4]->isChecked());
  EXPECT_EQ(dlg.SpeedSlider->value(), 150);
  EXPECT_TRUE(dlg.SoundCheckBox->isChecked());
  dlg.accept();
  TCard::SetCardSize(CS_LARGE, false, false);
}

TEST_F(OptionsDialogTest, TheCloseBoxKeepsEveryChangeAndEscapeDoesNotClose) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  dlg.SkipConfirmsCheckBox->click();
  dlg.CardSlider->setValue(0);
  QTest::keyClick(dlg.CardSlider, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(Key("SkipConfirms"), "<absent>");
  EXPECT_EQ(Key("CardSpacing"), "40");  // written as the slider moved
  dlg.close();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(Key("SkipConfirms"), "1");
  EXPECT_EQ(Key("CardSpacing"), "40");
}

TEST_F(OptionsDialogTest, CardSizeAppliesAtOnceOnlyWithoutAGameOpen) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  EXPECT_FALSE(dlg.CardSlider->isHidden());
  EXPECT_TRUE(dlg.HugeCardSlider->isHidden());

  // No game open: huge cards at once, and the spacing page follows.
  dlg.CardSizeRadioGroup->Button(2)->click();
  EXPECT_EQ(TCard::GetCardSize(), CS_HUGE);
  EXPECT_EQ(dlg.FCardSize, 2);
  EXPECT_FALSE(dlg.HugeCardSlider->isHidden());
  EXPECT_FALSE(dlg.HugeSpacingText->isHidden());
  EXPECT_TRUE(dlg.CardSlider->isHidden());
  EXPECT_EQ(dlg.SpacingPileView->geometry(), QRect(84, 15, 120, 330));
  EXPECT_EQ(Key("HugeCardSpacing"), "42");
  EXPECT_EQ(dlg.SpacingPileView->FCards->Count(), 3);
  EXPECT_EQ(dlg.CardPrevImage->pixmap().width(), 160);
  dlg.accept();
  EXPECT_EQ(Key("CardSize"), "2");
  EXPECT_TRUE(dlg.FCardLookChanged);

  // A game open: the engine keeps its size until the next launch.
  GameWindows::SetFactory(16, CS_HUGE, [] { return new QWidget; });
  std::unique_ptr<QWidget> game(GameWindows::Create(16, CS_HUGE));
  ASSERT_TRUE(GameWindows::AnyOpen());
  dlg.show();
  EXPECT_FALSE(dlg.HugeCardSlider->isHidden());
  dlg.CardSizeRadioGroup->Button(0)->click();
  EXPECT_EQ(TCard::GetCardSize(), CS_HUGE);
  EXPECT_FALSE(dlg.HugeCardSlider->isHidden());
  EXPECT_EQ(dlg.CardPrevImage->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            TPreferencesDlg::SizePreviewBitmap(0, false, false));
  EXPECT_EQ(dlg.CardPrevImage->pixmap().height(), 95 + 20);
  dlg.close();
  EXPECT_EQ(Key("CardSize"), "0");
  EXPECT_EQ(TCard::GetCardSize(), CS_HUGE);
  game.reset();
  TCard::SetCardSize(CS_LARGE, false, false);
}

TEST_F(OptionsDialogTest, TheCustomBackFollowsASizeChangeWithoutAGameOpen) {
  const QString bmp = Picture("back.bmp", "BMP", QColor(0, 0, 255));
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\nBackIndex=9\r\nCustomImage=" + bmp.toUtf8() + "\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  ASSERT_NE(TCard::GetBackImage(9), nullptr);
  EXPECT_EQ(TCard::GetBackImage(9)->size(), QSize(80, 125));
  dlg.CardSizeRadioGroup->Button(0)->click();
  const QImage* back = TCard::GetBackImage(9);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->size(), QSize(61, 95));
  EXPECT_EQ(QColor(back->pixel(30, 47)), QColor(0, 0, 255));
  dlg.accept();
  EXPECT_EQ(Key("BackIndex"), "9");
  EXPECT_EQ(Key("CardSize"), "0");
  TCard::SetCardSize(CS_LARGE, false, false);
  TCard::SetCustomBackPicture(QImage());
}

TEST_F(OptionsDialogTest, TheSizePreviewLeavesTheCardPicturesOfTheGameAlone) {
  TCard::SetCardSize(CS_LARGE, false, false);
  const QImage before = *TCard::GetBackImage(0);
  const QImage huge = TPreferencesDlg::SizePreviewBitmap(CS_HUGE, true, true);
  EXPECT_EQ(huge.size(), QSize(160, 188 + 20));
  EXPECT_EQ(TCard::GetCardSize(), CS_LARGE);
  EXPECT_FALSE(TCard::IsAged());
  EXPECT_EQ(*TCard::GetBackImage(0), before);
  // The look shows: the aged 3D preview differs from the plain one.
  EXPECT_NE(huge, TPreferencesDlg::SizePreviewBitmap(CS_HUGE, false, false));
}

TEST_F(OptionsDialogTest, CustomCardBackThroughTheBrowseButton) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\nBackIndex=2\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();

  // No picture yet: the dialog opens in the card-backs folder; cancelling changes nothing.
  PictureAnswer.reset();
  dlg.BrowseButton->click();
  ASSERT_EQ(PictureRequests.size(), 1u);
  EXPECT_EQ(PictureRequests[0].InitialDir, QDir(Paths::DataDir()).filePath("CardBacks"));
  EXPECT_EQ(PictureRequests[0].Filter,
            "Images (*.bmp;*.gif;*.jpeg;*.jpg)|*.bmp;*.gif;*.jpeg;*.jpg|All Files (*.*)|*.*");
  EXPECT_EQ(Key("CustomImage"), "<absent>");

  // A good picture becomes back 9, selected, with its preview in the tenth place.
  const QString bmp = Picture("blue back.bmp", "BMP", QColor(0, 0, 255));
  PictureAnswer = bmp;
  dlg.BrowseButton->click();
  EXPECT_EQ(Key("CustomImage"), bmp);
  EXPECT_TRUE(dlg.CardBackRadio[9]->isEnabled());
  EXPECT_TRUE(dlg.CardBackRadio[9]->isChecked());
  EXPECT_EQ(dlg.FBackIndex, 9);
  const QImage preview = dlg.CardBackImage[9]->pixmap().toImage();
  ASSERT_EQ(preview.size(), QSize(80, 125));
  EXPECT_EQ(QColor(preview.pixel(40, 60)), QColor(0, 0, 255));
  EXPECT_EQ(qAlpha(preview.pixel(0, 124)), 0);  // the outline's corner is see-through

  // The next browse starts at that file, filter "Images".
  dlg.BrowseButton->click();
  EXPECT_EQ(PictureRequests.back().InitialDir, QFileInfo(bmp).absolutePath());
  EXPECT_EQ(PictureRequests.back().FileName, "blue back.bmp");
  EXPECT_EQ(PictureRequests.back().FilterIndex, 1);

  // An extension in mixed case is refused and nothing changes.
  Shown.clear();
  PictureAnswer = Picture("other.Jpg", "JPEG");
  dlg.BrowseButton->click();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "Selected image type is not supported.");
  EXPECT_EQ(Shown[0].Icon, Prompts::TIcon::Error);
  EXPECT_EQ(Key("CustomImage"), bmp);
  EXPECT_TRUE(dlg.CardBackRadio[9]->isChecked());

  // An unreadable picture drops the custom back without a message: the first back again.
  Shown.clear();
  PictureAnswer = BrokenJpeg("cut.jpg");
  dlg.BrowseButton->click();
  EXPECT_TRUE(Shown.empty());
  EXPECT_EQ(Key("CustomImage"), "<absent>");
  EXPECT_FALSE(dlg.CardBackRadio[9]->isEnabled());
  EXPECT_TRUE(dlg.CardBackRadio[0]->isChecked());
  EXPECT_TRUE(dlg.CardBackImage[9]->pixmap().isNull());
  EXPECT_EQ(dlg.FBackIndex, 0);
  dlg.accept();
  EXPECT_EQ(Key("BackIndex"), "0");

  // A stored name of a kind the filter does not list opens with "All Files".
  const QString png = Picture("back.png", "PNG");
  TIniFile(Ini()).WriteString("Preferences", "CustomImage", png);
  PictureAnswer.reset();
  dlg.BrowseButton->click();
  EXPECT_EQ(PictureRequests.back().FilterIndex, 2);
  EXPECT_EQ(PictureRequests.back().FileName, "back.png");
}

TEST_F(OptionsDialogTest, ACustomBackWhoseFileIsGoneAtStartUp) {
  const QString gone = Config.File("gone.jpg");
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\nBackIndex=9\r\nCustomImage=" + gone.toUtf8() + "\r\n");
  TPreferencesDlg dlg(Ini());
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "The custom card back image " + gone + " was not found.");
  dlg.show();
  EXPECT_FALSE(dlg.CardBackRadio[9]->isEnabled());
  EXPECT_TRUE(dlg.CardBackRadio[0]->isChecked());
  // The key is gone too, so the next browse starts in the card-backs folder.
  dlg.BrowseButton->click();
  EXPECT_EQ(PictureRequests.back().InitialDir, QDir(Paths::DataDir()).filePath("CardBacks"));
  dlg.accept();
}

TEST_F(OptionsDialogTest, BackgroundPictureThroughItsBrowseButton) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\nBackgroundIndex=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  EXPECT_TRUE(dlg.BkImageLabel->isVisibleTo(dlg.ImageTabSheet));

  PictureAnswer = Picture("felt.jpg", "JPEG");
  dlg.Button1->click();
  EXPECT_EQ(PictureRequests.back().InitialDir, QDir(Paths::DataDir()).filePath("Backgrounds"));
  EXPECT_EQ(Key("BackgroundImage"), *PictureAnswer);
  ASSERT_NE(dlg.GetBackgroundGraphic(), nullptr);
  EXPECT_EQ(dlg.BackgroundImage->pixmap().size(), QSize(40, 60));
  EXPECT_FALSE(dlg.BkImageLabel->isVisibleTo(dlg.ImageTabSheet));
  // Choosing a picture does not change the background type.
  EXPECT_EQ(dlg.FBackgroundIndex, 1);
  EXPECT_EQ(dlg.BackgroundRadioGroup->ItemIndex(), 1);

  PictureAnswer = BrokenJpeg("torn.jpeg");
  dlg.Button1->click();
  EXPECT_TRUE(Shown.empty());
  EXPECT_EQ(dlg.GetBackgroundGraphic(), nullptr);
  EXPECT_TRUE(dlg.BackgroundImage->pixmap().isNull());
  EXPECT_TRUE(dlg.BkImageLabel->isVisibleTo(dlg.ImageTabSheet));
  EXPECT_EQ(Key("BackgroundImage"), "<absent>");
  dlg.accept();

  // Gone by the next start: reported, and the table is a solid colour again.
  const QString gone = Config.File("gone.bmp");
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\nBackgroundIndex=2\r\nBackgroundImage=" + gone.toUtf8() +
           "\r\n");
  TPreferencesDlg again(Ini());
  again.show();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0].Text, "The game background image " + gone + " was not found.");
  EXPECT_EQ(again.BackgroundRadioGroup->ItemIndex(), 0);
  EXPECT_EQ(again.BackgroundPageControl->currentWidget(), again.SolidTabSheet);
  again.accept();
  EXPECT_EQ(Key("BackgroundIndex"), "0");
}

TEST_F(OptionsDialogTest, ColourPicks) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\nCustomColors=ColorA=0000FF,ColorB=00FF00\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();

  ColorAnswer = {0x00ABCDEF, {"ColorA=0000FF", "ColorB=00FF00", "ColorC=ABCDEF"}};
  QTest::mouseClick(dlg.StartColorPreview, Qt::LeftButton);
  ASSERT_EQ(ColorRequests.size(), 1u);
  EXPECT_EQ(ColorRequests[0].Color, 0x00008800u);
  EXPECT_EQ(ColorRequests[0].CustomColors, (QStringList{"ColorA=0000FF", "ColorB=00FF00"}));
  EXPECT_EQ(dlg.StartColorPreview->Color(), 0x00ABCDEFu);
  EXPECT_EQ(dlg.FGradientStartColor, 0x00ABCDEFu);
  EXPECT_EQ(Key("CustomColors"), "ColorA=0000FF,ColorB=00FF00,ColorC=ABCDEF");

  // Cancelled: the colour stays, the custom colours are still kept.
  ColorAnswer = {std::nullopt, {"ColorA=111111"}};
  QTest::mouseClick(dlg.EndColorPreview, Qt::LeftButton);
  EXPECT_EQ(ColorRequests.back().Color, 0x00002400u);
  EXPECT_EQ(dlg.EndColorPreview->Color(), 0x00002400u);
  EXPECT_EQ(dlg.FGradientEndColor, 0x00002400u);
  EXPECT_EQ(Key("CustomColors"), "ColorA=111111");
  dlg.accept();
  EXPECT_EQ(Key("GradientStartColor"), "0x00ABCDEF");
  EXPECT_EQ(Key("GradientEndColor"), "0x00002400");
}

TEST_F(OptionsDialogTest, SoundSwitchesAndTheMasterSwitch) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  EXPECT_FALSE(dlg.IsSoundOn(9));
  dlg.CardUpCheckBox->click();
  EXPECT_TRUE(dlg.IsSoundOn(9));
  dlg.RedoCheckBox->click();
  EXPECT_FALSE(dlg.IsSoundOn(8));
  dlg.CustomStartupCheckBox->click();
  EXPECT_TRUE(dlg.IsSoundOn(1));

  dlg.SoundCheckBox->click();
  EXPECT_FALSE(dlg.FSoundOn);
  for (int id = 0; id < 13; ++id) EXPECT_FALSE(dlg.IsSoundOn(id)) << id;
  EXPECT_FALSE(dlg.SoundPanel->isEnabled());
  for (QToolButton* button : dlg.SoundPreviewButtons) EXPECT_FALSE(button->isEnabled());
  EXPECT_FALSE(dlg.CustomStartupCheckBox->isEnabled());
  EXPECT_FALSE(dlg.CustomSoundFileName->isEnabled());
  dlg.SoundCheckBox->click();
  EXPECT_TRUE(dlg.FSoundOn);
  EXPECT_TRUE(dlg.CustomSoundFileName->isEnabled());
  EXPECT_TRUE(dlg.SoundPreviewButtons[3]->isEnabled());
  dlg.accept();
  EXPECT_EQ(Key("SoundMask"), QString::number((0xE7F | 0x80 | 0x1000) & ~0x400));
  EXPECT_EQ(Key("DisableSound"), "0");
}

TEST_F(OptionsDialogTest, PreviewButtonsPlayTheirSoundWhateverTheSwitchesSay) {
  WriteIni("SndVer=1\r\nSoundMask=0\r\nCardSize=1\r\nRestoreLastGame=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  const std::vector<QString> names{"SHUFFLE", "DEAL",   "STOCK",    "AUTOPLAY", "RESTART",
                                   "UNDO",    "REDO",   "CARDUP",   "CARDDOWN", "WIN_SND"};
  for (int i = 1; i <= 10; ++i) {
    SCOPED_TRACE(names[i - 1].toStdString());
    Sound.Plays.clear();
    dlg.SoundPreviewButtons[i]->click();
    ASSERT_EQ(Sound.Plays.size(), 1u);
    EXPECT_EQ(Sound.Plays[0].Wav, SoundResource(names[i - 1]));
    EXPECT_EQ(Sound.Plays[0].Mode, smAsync);
  }
  EXPECT_EQ(dlg.SoundPreviewButtons[1]->toolTip(), "Preview");

  // Springy: the first bounce to its end, then the second.
  Sound.Plays.clear();
  dlg.SoundPreviewButtons[11]->click();
  ASSERT_EQ(Sound.Plays.size(), 2u);
  EXPECT_EQ(Sound.Plays[0].Wav, SoundResource("BOING1"));
  EXPECT_EQ(Sound.Plays[0].Mode, smSync);
  EXPECT_EQ(Sound.Plays[1].Wav, SoundResource("BOING2"));
  EXPECT_EQ(Sound.Plays[1].Mode, smAsync);

  // Start-up: the built-in sound, or the custom file when that switch is on.
  Sound.Plays.clear();
  dlg.SoundPreviewButtons[0]->click();
  ASSERT_EQ(Sound.Plays.size(), 1u);
  EXPECT_EQ(Sound.Plays[0].Wav, SoundResource("OPEN"));

  const QString wav = Config.File("fanfare.wav");
  WriteFileBytes(wav, SoundResource("WIN_SND"));
  TFilenameEdit::SetDialogHook([&](const TFilenameEdit::TDialogRequest& r) {
    EXPECT_EQ(r.Title, "Browse for Custom Sound");
    EXPECT_EQ(r.Filter, "Sound Files (*.wav)|*.wav");
    return std::optional<TFilenameEdit::TDialogAnswer>({wav, 1});
  });
  dlg.CustomSoundFileName->DoClick();
  EXPECT_EQ(dlg.FStartupSnd, wav);
  EXPECT_EQ(Key("StartupSnd"), wav);
  EXPECT_EQ(dlg.CustomSoundFileName->toolTip(), wav);
  EXPECT_EQ(dlg.CustomSoundFileName->FileName(), wav);
  dlg.CustomStartupCheckBox->click();
  Sound.Plays.clear();
  dlg.SoundPreviewButtons[0]->click();
  ASSERT_EQ(Sound.Plays.size(), 1u);
  EXPECT_EQ(Sound.Plays[0].File, wav);

  // A cancelled sound dialog keeps the stored name.
  TFilenameEdit::SetDialogHook([](const TFilenameEdit::TDialogRequest&) { return std::nullopt; });
  dlg.CustomSoundFileName->DoClick();
  EXPECT_EQ(Key("StartupSnd"), wav);
  dlg.accept();
}

TEST_F(OptionsDialogTest, HelpOpensTheTopicOfTheActivePage) {
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\n");
  TPreferencesDlg dlg(Ini());
  dlg.show();
  const std::vector<std::pair<QWidget*, int>> pages{
      {dlg.CardBackTabSheet, 600},   {dlg.CardSizeTabSheet, 601}, {dlg.BackgroundTabSheet, 602},
      {dlg.SoundTabSheet, 603},      {dlg.OtherTabSheet, 604},    {dlg.CardSpacingTabSheet, 605}};
  for (const auto& [page, topic] : pages) {
    SCOPED_TRACE(topic);
    dlg.PrefPageControl->setCurrentWidget(page);
    EXPECT_EQ(dlg.HelpTopic(), topic);
    // Every topic has a page of its own.
    EXPECT_TRUE(Help::TopicPage(Help::DefaultHelpFile(), topic).endsWith(QString("/%1.html").arg(topic)));
  }
  EXPECT_TRUE(Help::TopicPage(Help::DefaultHelpFile(), 502).endsWith("/502.html"));

  dlg.PrefPageControl->setCurrentWidget(dlg.SoundTabSheet);
  QTest::mouseClick(dlg.HelpBtn, Qt::LeftButton);
  auto* browser = qobject_cast<QTextBrowser*>(Help::Window());
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->source().toLocalFile().endsWith("/603.html"));
  EXPECT_TRUE(dlg.isVisible());

  // F1 from any control of the page.
  dlg.PrefPageControl->setCurrentWidget(dlg.OtherTabSheet);
  QTest::keyClick(dlg.TipsCheckBox, Qt::Key_F1);
  EXPECT_TRUE(browser->source().toLocalFile().endsWith("/604.html"));
  dlg.accept();
}

// Not a check: with PELLAMY_GRAB_DIR set, saves a picture of every page for a person to
// look at.
TEST_F(OptionsDialogTest, GrabPages) {
  const QString folder = qEnvironmentVariable("PELLAMY_GRAB_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "PELLAMY_GRAB_DIR not set";
  WriteIni("SndVer=1\r\nCardSize=1\r\nRestoreLastGame=1\r\nAged=1\r\n");
  TPreferencesDlg dlg(Ini());
  PictureAnswer = Picture("back.bmp", "BMP", QColor(30, 90, 160));
  dlg.BrowseButton->click();
  PictureAnswer = Picture("felt.bmp", "BMP", QColor(20, 110, 40));
  dlg.Button1->click();
  dlg.show();
  for (int i = 0; i < dlg.PrefPageControl->count(); ++i) {
    dlg.PrefPageControl->setCurrentIndex(i);
    if (dlg.PrefPageControl->currentWidget() == dlg.BackgroundTabSheet) {
      for (int type = 0; type < 3; ++type) {
        dlg.BackgroundRadioGroup->Button(type)->click();
        dlg.grab().save(QDir(folder).filePath(QString("options-%1-%2.png").arg(i).arg(type)));
      }
      continue;
    }
    dlg.grab().save(QDir(folder).filePath(QString("options-%1.png").arg(i)));
  }
  for (int size : {0, 2}) {
    dlg.CardSizeRadioGroup->Button(size)->click();
    for (QWidget* page : {dlg.CardSizeTabSheet, dlg.CardSpacingTabSheet}) {
      dlg.PrefPageControl->setCurrentWidget(page);
      dlg.grab().save(QDir(folder).filePath(QString("options-size%1-%2.png").arg(size).arg(page->objectName())));
    }
  }
  dlg.accept();
  TCard::SetCardSize(CS_LARGE, false, false);
  TCard::SetCustomBackPicture(QImage());
}
