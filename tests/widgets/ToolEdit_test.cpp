// The file-name edit: which names it takes, how it shows and reads them back, and the
// browse button answered through the dialog seam (never a real dialog here).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Prompts.h"
#include "widgets/ToolEdit.h"

namespace {

TEST(ToolEditNames, ShellCharactersAndQuotesAreInvalid) {
  EXPECT_FALSE(TFilenameEdit::IsValidFileName(""));
  EXPECT_FALSE(TFilenameEdit::IsValidFileName(QString("a") + QChar(0) + "b.wav"));
  for (const char* name : {"a|b.wav", "<odd>.wav", "a>b", "has \"quote\" and blank.wav",
                           "/snd/back\\slash.wav"})
    EXPECT_FALSE(TFilenameEdit::IsValidFileName(name)) << name;
  for (const char* name : {"/home/ann/start.wav", "x[1].wav", "/odd\\dir/a.wav", "with blank.wav"})
    EXPECT_TRUE(TFilenameEdit::IsValidFileName(name)) << name;
}

TEST(ToolEditNames, QuotingAndReadingBack) {
  EXPECT_EQ(TFilenameEdit::QuotedFileName("/snd/a b.wav"), "\"/snd/a b.wav\"");
  EXPECT_EQ(TFilenameEdit::QuotedFileName("/snd/ab.wav"), "/snd/ab.wav");
  EXPECT_EQ(TFilenameEdit::QuotedFileName("\"/snd/a b.wav\""), "\"/snd/a b.wav\"");

  EXPECT_EQ(TFilenameEdit::FirstParam("\"/snd/a b.wav\" -x"), "/snd/a b.wav");
  EXPECT_EQ(TFilenameEdit::FirstParam("  /snd/ab.wav more"), "/snd/ab.wav");
  EXPECT_EQ(TFilenameEdit::FirstParam("/snd/\"a b\".wav"), "/snd/a b.wav");
  EXPECT_EQ(TFilenameEdit::FirstParam("\"\""), "");

  EXPECT_EQ(TFilenameEdit::ClipFileName("\"/snd/a b.wav\""), "/snd/a b.wav");
  EXPECT_EQ(TFilenameEdit::ClipFileName("/snd/a b.wav"), "/snd/a b.wav");
  EXPECT_EQ(TFilenameEdit::InvalidNameMessage("x"), "Invalid file name - x");
}

TEST(ToolEditFileName, ANameWithABlankIsShownQuotedAndReadBackWithout) {
  TFilenameEdit edit;
  QSignalSpy changed(&edit, &QLineEdit::textChanged);
  edit.SetFileName("/home/ann/my sounds/start.wav");
  EXPECT_EQ(edit.text(), "\"/home/ann/my sounds/start.wav\"");
  EXPECT_EQ(edit.FileName(), "/home/ann/my sounds/start.wav");
  EXPECT_EQ(changed.count(), 1);

  // Every name the edit takes reads back exactly as it was written.
  for (const QString name : {"/snd/[live] take 2.wav", " lead.wav", "/snd/tab\tand blank .wav",
                             "/snd/x[1].wav"}) {
    edit.SetFileName(name);
    EXPECT_EQ(edit.FileName(), name) << name.toStdString();
  }

  // The name is checked with its surrounding quotes off: an opening quote without a
  // closing one still leaves a name.
  edit.SetFileName("\"sounds/a b.wav");
  EXPECT_EQ(edit.text(), "\"sounds/a b.wav");
  EXPECT_EQ(edit.FileName(), "sounds/a b.wav");

  edit.SetFileName("");
  EXPECT_EQ(edit.text(), "");
  EXPECT_EQ(edit.FileName(), "");
}

TEST(ToolEditFileName, AnInvalidNameRaisesButTheStartUpPathNeverDoes) {
  TFilenameEdit edit;
  edit.SetFileName("/snd/ok.wav");
  const QString bad = QString("/snd/a") + QChar(0) + ".wav";
  try {
    edit.SetFileName(bad);
    FAIL() << "expected EComboEditError";
  } catch (const EComboEditError& e) {
    EXPECT_EQ(e.Message(), "Invalid file name - " + bad);
  }
  EXPECT_THROW(edit.SetFileName("\"\""), EComboEditError);
  for (const QString other : {"a|b.wav", "/snd/a \"b\".wav"}) {
    try {
      edit.SetFileName(other);
      ADD_FAILURE() << "accepted " << other.toStdString();
    } catch (const EComboEditError& e) {
      EXPECT_EQ(e.Message(), "Invalid file name - " + other);
    }
  }
  EXPECT_EQ(edit.text(), "/snd/ok.wav");

  EXPECT_FALSE(edit.TrySetFileName(bad));
  EXPECT_EQ(edit.text(), "/snd/ok.wav");
  EXPECT_TRUE(edit.TrySetFileName("/snd/new one.wav"));
  EXPECT_EQ(edit.FileName(), "/snd/new one.wav");
}

// The options dialog's sound file edit, with the browse dialog answered by the test.
class ToolEditBrowseTest : public ::testing::Test {
protected:
  void SetUp() override {
    FEdit = new TFilenameEdit(&FForm);
    FEdit->setGeometry(10, 10, 200, 21);
    FEdit->SetFilter("Sound Files (*.wav)|*.wav");
    FEdit->SetDialogTitle("Browse for Custom Sound");
    FEdit->SetButtonHint("Click to find a sound file...");
    FEdit->SetGlyphKind(gkEllipsis);
    FEdit->SetButtonWidth(20);
    FEdit->OnAfterDialog = [this](TFilenameEdit*, QString& name, bool&) {
      FAfter << name;
      FStored = name;  // what the options dialog writes to the settings
    };
    TFilenameEdit::SetDialogHook([this](const TFilenameEdit::TDialogRequest& request) {
      FRequests.push_back(request);
      return FAnswer;
    });
    Prompts::SetAnswerer([this](const Prompts::TPrompt& prompt) {
      FPrompts << prompt.Text;
      return Prompts::IDOK;
    });
    FForm.show();
  }
  void TearDown() override {
    TFilenameEdit::SetDialogHook(nullptr);
    Prompts::ClearAnswerer();
  }
  void ClickButton() { QTest::mouseClick(FEdit->Button(), Qt::LeftButton); }

  QWidget FForm;
  TFilenameEdit* FEdit = nullptr;
  std::optional<TFilenameEdit::TDialogAnswer> FAnswer;
  std::vector<TFilenameEdit::TDialogRequest> FRequests;
  QStringList FAfter;
  QStringList FPrompts;
  QString FStored;
};

TEST_F(ToolEditBrowseTest, ButtonSitsAtTheRightEdgeWithItsHint) {
  const QRect r = FEdit->Button()->geometry();
  EXPECT_EQ(r.width(), 20);
  EXPECT_LE(r.right(), FEdit->width() - 1);
  EXPECT_GE(r.right(), FEdit->width() - 4);
  EXPECT_EQ(FEdit->textMargins().right(), 20);
  EXPECT_EQ(FEdit->Button()->toolTip(), "Click to find a sound file...");
}

TEST_F(ToolEditBrowseTest, ChosenFileIsShownQuotedReportedAndRemembered) {
  QTemporaryDir dir;
  const QString folder = dir.path() + "/my sounds";
  QDir().mkpath(folder);
  FEdit->SetFileName(folder + "/old.wav");
  FAnswer = TFilenameEdit::TDialogAnswer{folder + "/new start.wav", 1};
  ClickButton();

  ASSERT_EQ(FRequests.size(), 1u);
  const auto& request = FRequests[0];
  EXPECT_EQ(request.Title, "Browse for Custom Sound");
  EXPECT_EQ(request.Filter, "Sound Files (*.wav)|*.wav");
  EXPECT_EQ(request.FilterIndex, 1);
  EXPECT_EQ(request.InitialDir, folder);  // the current file's folder, which exists
  EXPECT_EQ(request.FileName, "old.wav");
  EXPECT_EQ(request.Parent, &FForm);
  EXPECT_EQ(request.Options, TOpenOptions(ofHideReadOnly));  // the default set

  EXPECT_EQ(FAfter, QStringList{folder + "/new start.wav"});
  EXPECT_EQ(FEdit->text(), "\"" + folder + "/new start.wav\"");
  EXPECT_EQ(FEdit->FileName(), folder + "/new start.wav");
  EXPECT_EQ(FEdit->InitialDir(), folder);
  EXPECT_TRUE(FPrompts.isEmpty());
}

TEST_F(ToolEditBrowseTest, AMissingFolderLeavesTheInitialFolderAndTheFilterIndexIsTaken) {
  FEdit->SetInitialDir("/start/here");
  FEdit->SetFilter("Sound Files (*.wav)|*.wav|All Files (*.*)|*.*");
  FEdit->SetFileName("/no/such/folder/x.wav");
  FAnswer = TFilenameEdit::TDialogAnswer{"/tmp/y.wav", 2};
  ClickButton();
  ASSERT_EQ(FRequests.size(), 1u);
  EXPECT_EQ(FRequests[0].InitialDir, "/start/here");
  EXPECT_EQ(FRequests[0].FileName, "x.wav");
  EXPECT_EQ(FEdit->FilterIndex(), 2);
  EXPECT_EQ(FEdit->InitialDir(), "/tmp");
}

TEST_F(ToolEditBrowseTest, CancellingChangesNothing) {
  FEdit->SetFileName("/snd/keep.wav");
  FAnswer.reset();
  QSignalSpy changed(FEdit, &QLineEdit::textChanged);
  ClickButton();
  EXPECT_EQ(FRequests.size(), 1u);
  EXPECT_EQ(FEdit->text(), "/snd/keep.wav");
  EXPECT_TRUE(FAfter.isEmpty());
  EXPECT_EQ(changed.count(), 0);
}

TEST_F(ToolEditBrowseTest, ARefusedNameNeverReachesTheAfterDialogHandler) {
  FEdit->SetFileName("/snd/keep.wav");
  FAnswer = TFilenameEdit::TDialogAnswer{QString("/snd/a") + QChar(0) + ".wav", 1};
  ClickButton();
  EXPECT_TRUE(FAfter.isEmpty());
  EXPECT_TRUE(FStored.isEmpty());
  EXPECT_EQ(FEdit->text(), "/snd/keep.wav");
  EXPECT_EQ(FPrompts, QStringList{"Invalid file name - /snd/a?.wav"});
}

TEST_F(ToolEditBrowseTest, HandlersCanRefuseOrRewriteTheName) {
  FEdit->OnBeforeDialog = [](TFilenameEdit*, QString&, bool& accept) { accept = false; };
  FAnswer = TFilenameEdit::TDialogAnswer{"/snd/x.wav", 1};
  ClickButton();
  EXPECT_TRUE(FRequests.empty());

  FEdit->OnBeforeDialog = nullptr;
  FEdit->OnAfterDialog = [](TFilenameEdit*, QString&, bool& accept) { accept = false; };
  ClickButton();
  EXPECT_EQ(FEdit->text(), "");

  FEdit->OnAfterDialog = [](TFilenameEdit*, QString& name, bool&) { name = "/snd/other.wav"; };
  ClickButton();
  EXPECT_EQ(FEdit->text(), "/snd/other.wav");
}

TEST_F(ToolEditBrowseTest, ClickKeyOpensTheDialogAndDisabledEditsDoNot) {
  FAnswer.reset();
  FEdit->setFocus();
  QTest::keyClick(FEdit, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(FRequests.size(), 1u);
  FEdit->setEnabled(false);
  FEdit->DoClick();
  EXPECT_EQ(FRequests.size(), 1u);
}

TEST_F(ToolEditBrowseTest, ADroppedFileBecomesTheNameOnlyWhenFilesAreAccepted) {
  FEdit->SetFileName("/snd/keep.wav");
  auto drop = [&](const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file), QUrl::fromLocalFile("/snd/second.wav")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(FEdit, &enter);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(FEdit, &event);
  };
  int drops = 0;
  FEdit->OnDropFiles = [&](TFilenameEdit*) { ++drops; };
  FEdit->SetAcceptFiles(true);
  drop("/snd/dropped here.wav");
  EXPECT_EQ(FEdit->FileName(), "/snd/dropped here.wav");
  EXPECT_EQ(drops, 1);
  FEdit->SetAcceptFiles(false);
  FEdit->SetFileName("/snd/keep.wav");
  drop("/snd/ignored.wav");
  EXPECT_EQ(FEdit->FileName(), "/snd/keep.wav");
  EXPECT_EQ(drops, 1);
}

TEST(ToolEditGlyph, EllipsisDotsAreSpacedByTheButtonWidth) {
  // Width 20: gap 3 (capped); three 2 x 2 dots from the second row.
  const QImage g = TEditButton::EllipsisGlyph(20);
  ASSERT_EQ(g.size(), QSize(12, 3));
  auto ink = [&](int x, int y) { return qAlpha(g.pixel(x, y)) != 0; };
  for (int x = 0; x < 12; ++x) EXPECT_FALSE(ink(x, 0)) << x;
  for (int x : {0, 1, 5, 6, 10, 11}) EXPECT_TRUE(ink(x, 1) && ink(x, 2)) << x;
  for (int x : {2, 3, 4, 7, 8, 9}) EXPECT_FALSE(ink(x, 1)) << x;
  EXPECT_EQ(TEditButton::EllipsisGlyph(9).width(), 3 * 2 + 2 * 1);
  EXPECT_EQ(TEditButton::EllipsisGlyph(4).width(), 3 * 2 + 2 * 1);
  EXPECT_EQ(TEditButton::EllipsisGlyph(10).width(), 3 * 2 + 2 * 2);
}

}  // namespace
