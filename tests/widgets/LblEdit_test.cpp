// Labelled edits: where the label goes, the colon rule, attaching a label of the form,
// the misuse messages, and the label following the control's name, visibility and
// enabled state.

#include <gtest/gtest.h>

#include <QTest>

#include "widgets/LblEdit.h"
#include "widgets/wkUtils.h"

namespace {

TEST(LblEditPlacement, LabelGoesBesideTheControlByItsPosition) {
  const QRect control(100, 50, 120, 21);
  const QSize label(40, 13);
  EXPECT_EQ(TLabelLink::LabelPlace(lpTop, control, label, 8), QPoint(100, 50 - 21));
  EXPECT_EQ(TLabelLink::LabelPlace(lpLeft, control, label, 8), QPoint(100 - 48, 53));
  EXPECT_EQ(TLabelLink::LabelPlace(lpBottom, control, label, 8), QPoint(100, 50 + 21 + 8));
  EXPECT_EQ(TLabelLink::LabelPlace(lpRight, control, label, 8), QPoint(228, 53));
  EXPECT_EQ(TLabelLink::LabelPlace(lpLeft, control, label, 0), QPoint(60, 53));
}

TEST(LblEditMessages, MisuseMessagesNameTheControl) {
  EXPECT_EQ(ELabeledControl::MessageFor(ELabeledControl::lcCannotAttach, "HighScoreField"),
            "Cannot attach label to HighScoreField. Label and control must be on the same form!");
  EXPECT_EQ(ELabeledControl::MessageFor(ELabeledControl::lcParentDiffers, "HighScoreField"),
            "Cannot set label position. Label parent is different from HighScoreField parent.");
  EXPECT_EQ(ELabeledControl::MessageFor(ELabeledControl::lcUndefined, "X"),
            "Undefined exception (?)");
  const ELabeledControl e(ELabeledControl::lcCannotAttach, "GameList");
  EXPECT_STREQ(e.what(),
               "Cannot attach label to GameList. Label and control must be on the same form!");
}

class LblEditTest : public ::testing::Test {
protected:
  void SetUp() override {
    FForm.resize(400, 300);
    FEdit = new TLblEdit(&FForm);
    FEdit->setObjectName("HighScoreField");
    FEdit->setGeometry(150, 100, 120, 21);
  }
  TEnhLabel* Label() const { return qobject_cast<TEnhLabel*>(FEdit->LabelComponent()); }
  QWidget FForm;
  TLblEdit* FEdit = nullptr;
};

TEST_F(LblEditTest, LabelTextCreatesANamedLabelLeftOfTheEditWithAColon) {
  FEdit->SetLabelText("Game");
  TEnhLabel* label = Label();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Game:");
  EXPECT_EQ(FEdit->LabelText(), "Game");
  EXPECT_EQ(label->objectName(), "el_HighScoreField");
  EXPECT_EQ(label->parentWidget(), &FForm);
  EXPECT_EQ(label->buddy(), FEdit);
  EXPECT_EQ(label->pos(), QPoint(150 - label->width() - 8, 103));
  FForm.show();
  EXPECT_TRUE(label->isVisible());

  // Text that already ends with a colon gets no second one, and reads back without it.
  FEdit->SetLabelText("High Score:");
  EXPECT_EQ(label->text(), "High Score:");
  EXPECT_EQ(FEdit->LabelText(), "High Score");
}

TEST_F(LblEditTest, ColonRuleFollowsLabelColonAndEmptyTextFreesTheLabel) {
  FEdit->SetLabelText("Average");
  FEdit->SetLabelColon(false);
  EXPECT_EQ(Label()->text(), "Average");
  EXPECT_EQ(FEdit->LabelText(), "Average");
  FEdit->SetLabelColon(true);
  EXPECT_EQ(Label()->text(), "Average:");
  EXPECT_EQ(FEdit->LabelText(), "Average");

  QPointer<QLabel> label = FEdit->LabelComponent();
  FEdit->SetLabelText("");
  EXPECT_EQ(FEdit->LabelComponent(), nullptr);
  EXPECT_TRUE(label.isNull());
  EXPECT_EQ(FEdit->LabelText(), "");
}

TEST_F(LblEditTest, LabelFollowsTheControlWhenItMovesAndKeepsItsSize) {
  FEdit->SetLabelText("Streak");
  QLabel* label = FEdit->LabelComponent();
  const QSize size = label->size();
  FEdit->move(210, 30);  // while the form is hidden: placed when it shows
  FForm.show();
  EXPECT_EQ(label->pos(), QPoint(210 - size.width() - 8, 33));
  FEdit->move(200, 40);
  EXPECT_EQ(label->pos(), QPoint(200 - size.width() - 8, 43));
  FEdit->SetLabelMargin(2);
  EXPECT_EQ(label->pos(), QPoint(200 - size.width() - 2, 43));
  FEdit->SetLabelPos(lpTop);
  EXPECT_EQ(label->pos(), QPoint(200, 40 - size.height() - 2));
  FEdit->SetLabelPos(lpBottom);
  EXPECT_EQ(label->pos(), QPoint(200, 40 + 21 + 2));
  FEdit->SetLabelPos(lpRight);
  EXPECT_EQ(label->pos(), QPoint(200 + 120 + 2, 43));
  EXPECT_EQ(label->size(), size);

  // A longer text widens the label; on the left its right edge stays by the edit.
  FEdit->SetLabelPos(lpLeft);
  FEdit->SetLabelText("Longest winning streak");
  EXPECT_GT(label->width(), size.width());
  EXPECT_EQ(label->geometry().right() + 1 + 2, 200);

  FEdit->SetLabelPos(lpCustom);
  label->move(5, 5);
  FEdit->move(250, 60);
  EXPECT_EQ(label->pos(), QPoint(5, 5));
}

TEST_F(LblEditTest, ALabelOfThatNameOnTheFormIsUsedInsteadOfANewOne) {
  auto* existing = new QLabel("Played", &FForm);
  existing->setObjectName("el_HighScoreField");
  FEdit->SetLabelText("Games played");
  EXPECT_EQ(FEdit->LabelComponent(), existing);
  EXPECT_EQ(existing->text(), "Games played:");
  EXPECT_EQ(FForm.findChildren<QLabel*>().size(), 1);
}

TEST_F(LblEditTest, AttachingALabelOfTheFormMakesItCustomAndTakesItsColon) {
  FEdit->SetLabelText("Old");
  QPointer<QLabel> own = FEdit->LabelComponent();
  auto* panel = new QWidget(&FForm);
  auto* label = new QLabel("Score", panel);
  label->move(7, 9);
  FEdit->SetLabelComponent(label);
  EXPECT_TRUE(own.isNull());  // the edit's own label is freed
  EXPECT_EQ(FEdit->LabelComponent(), label);
  EXPECT_EQ(FEdit->LabelPos(), lpCustom);
  EXPECT_EQ(label->objectName(), "el_HighScoreField");
  EXPECT_EQ(label->buddy(), FEdit);
  EXPECT_FALSE(FEdit->LabelColon());
  EXPECT_EQ(FEdit->LabelText(), "Score");
  EXPECT_EQ(label->pos(), QPoint(7, 9));

  // Its parent is not the edit's: the position cannot be set.
  try {
    FEdit->SetLabelPos(lpTop);
    FAIL() << "expected ELabeledControl";
  } catch (const ELabeledControl& e) {
    EXPECT_EQ(e.Message(),
              "Cannot set label position. Label parent is different from HighScoreField parent.");
  }
  EXPECT_EQ(FEdit->LabelPos(), lpCustom);

  auto* colon = new QLabel("Won:", &FForm);
  FEdit->SetLabelComponent(colon);
  EXPECT_TRUE(FEdit->LabelColon());
  EXPECT_EQ(FEdit->LabelText(), "Won");
  EXPECT_FALSE(label == nullptr);  // an attached label is not the edit's to free
}

TEST_F(LblEditTest, ALabelOfAnotherFormIsRefused) {
  QWidget other;
  auto* label = new QLabel("Score", &other);
  try {
    FEdit->SetLabelComponent(label);
    FAIL() << "expected ELabeledControl";
  } catch (const ELabeledControl& e) {
    EXPECT_EQ(e.Message(),
              "Cannot attach label to HighScoreField. Label and control must be on the same form!");
  }
  EXPECT_EQ(FEdit->LabelComponent(), nullptr);
}

TEST_F(LblEditTest, RenamingTheControlRenamesItsLabelAndNoOtherRenameSticks) {
  FEdit->SetLabelText("Best");
  FEdit->setObjectName("AvgScoreField");
  EXPECT_EQ(Label()->objectName(), "el_AvgScoreField");
  Label()->setObjectName("SomethingElse");
  EXPECT_EQ(Label()->objectName(), "el_AvgScoreField");
}

TEST_F(LblEditTest, DisablingGreysTheLabelInItsDisabledColourAndEnablingRestoresIt) {
  FEdit->SetLabelText("Game");
  TEnhLabel* label = Label();
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
  label->setPalette(pal);

  FEdit->setEnabled(false);
  EXPECT_TRUE(label->ShownDisabled());
  EXPECT_TRUE(label->isEnabled());
  EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText),
            ToQColorResolved(clBtnShadow));
  FEdit->setEnabled(true);
  EXPECT_FALSE(label->ShownDisabled());
  EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 128));

  // What the label paints follows.
  label->SetDisabledColor(RGBColor(255, 0, 0));
  FEdit->setEnabled(false);
  const QImage shot = label->grab().toImage();
  bool red = false;
  for (int y = 0; y < shot.height() && !red; ++y)
    for (int x = 0; x < shot.width() && !red; ++x)
      red = QColor(shot.pixel(x, y)) == QColor(255, 0, 0);
  EXPECT_TRUE(red);
}

TEST_F(LblEditTest, APlainLabelTakesTheControlsEnabledState) {
  auto* label = new QLabel("Mode", &FForm);
  FEdit->setEnabled(false);
  FEdit->SetLabelComponent(label);
  EXPECT_FALSE(label->isEnabled());
  FEdit->setEnabled(true);
  EXPECT_TRUE(label->isEnabled());
}

TEST_F(LblEditTest, HidingTheControlHidesTheLabelAndShowingShowsIt) {
  FEdit->SetLabelText("Game");
  FForm.show();
  QLabel* label = FEdit->LabelComponent();
  EXPECT_TRUE(label->isVisible());
  FEdit->hide();
  EXPECT_FALSE(label->isVisible());
  FEdit->move(180, 150);
  FEdit->show();
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->pos(), QPoint(180 - label->width() - 8, 153));

  // A control hidden before its label exists keeps the new label hidden.
  auto* hidden = new TLblEdit(&FForm);
  hidden->setObjectName("LowScoreField");
  hidden->hide();
  hidden->SetLabelText("Low");
  EXPECT_FALSE(hidden->LabelComponent()->isVisible());
}

TEST_F(LblEditTest, ClickingTheLabelFocusesTheControlUnlessShownDisabled) {
  FEdit->SetLabelText("Game");
  auto* other = new QLineEdit(&FForm);
  FForm.show();
  other->setFocus();
  QTest::mouseClick(Label(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(FForm.focusWidget(), FEdit);

  other->setFocus();
  Label()->SetShownDisabled(true);
  QTest::mouseClick(Label(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(FForm.focusWidget(), other);
}

TEST_F(LblEditTest, FreeingTheLabelClearsTheReferenceAndTheControlFreesItsOwn) {
  FEdit->SetLabelText("Game");
  delete FEdit->LabelComponent();
  EXPECT_EQ(FEdit->LabelComponent(), nullptr);
  EXPECT_EQ(FEdit->LabelText(), "");

  FEdit->SetLabelText("Again");
  QPointer<QLabel> label = FEdit->LabelComponent();
  delete FEdit;
  EXPECT_TRUE(label.isNull());
}

TEST(LblComboBox, GameListKeepsItsLabelToo) {
  QWidget form;
  auto* combo = new TLblComboBox(&form);
  combo->setObjectName("GameList");
  combo->setGeometry(100, 20, 150, 21);
  combo->SetLabelText("Game");
  combo->SetLabelPos(lpTop);
  QLabel* label = combo->LabelComponent();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->objectName(), "el_GameList");
  EXPECT_EQ(label->text(), "Game:");
  EXPECT_EQ(label->pos(), QPoint(100, 20 - label->height() - 8));
  combo->setEnabled(false);
  EXPECT_TRUE(qobject_cast<TEnhLabel*>(label)->ShownDisabled());
}

}  // namespace

// A window with the kit's edits as the dialogs use them, grabbed to a PNG beside the test
// executable so a person can look at it.
#include <QCoreApplication>

#include "widgets/ExSpin.h"
#include "widgets/ToolEdit.h"

namespace {

TEST(LblEditScreenshot, KitWindowIsDrawnWithLabelsBesideTheirControls) {
  QWidget form;
  QFont font("Liberation Sans");
  font.setPixelSize(13);
  form.setFont(font);
  form.resize(420, 200);

  auto* edit = new TLblEdit(&form);
  edit->setObjectName("HighScoreField");
  edit->setGeometry(120, 16, 120, 21);
  edit->setReadOnly(true);
  edit->setText("1,250");
  edit->SetLabelText("High Score");

  auto* disabled = new TLblEdit(&form);
  disabled->setObjectName("AvgScoreField");
  disabled->setGeometry(120, 46, 120, 21);
  disabled->setText("n/a");
  disabled->SetLabelText("Average");
  disabled->setEnabled(false);

  auto* combo = new TLblComboBox(&form);
  combo->setObjectName("GameList");
  combo->setGeometry(260, 34, 140, 22);
  combo->addItems({"Klondike", "Spider", "Yukon"});
  combo->SetLabelPos(lpTop);
  combo->SetLabelMargin(2);
  combo->SetLabelText("Game");

  auto* spin = new TExSpinEdit(&form);
  spin->setGeometry(120, 84, 153, 24);
  spin->setAlignment(Qt::AlignCenter);
  spin->SetDecimal(0);
  spin->SetAsInteger(1000);

  auto* file = new TFilenameEdit(&form);
  file->setGeometry(120, 126, 280, 21);
  file->SetGlyphKind(gkEllipsis);
  file->SetButtonWidth(20);
  file->SetButtonHint("Click to find a sound file...");
  file->SetFileName("/home/ann/My Sounds/fanfare.wav");

  form.show();
  const QImage shot = form.grab().toImage();
  const QString path = QCoreApplication::applicationDirPath() + "/widgets_kit_window.png";
  ASSERT_TRUE(shot.save(path));

  // The spin button with its lower half held.
  TExSpinEdit::SetBeeper([] {});
  QTest::mousePress(spin->Button(), Qt::LeftButton, {}, QPoint(spin->Button()->width() - 2,
                                                             spin->Button()->height() - 2));
  const QImage held = spin->grab().toImage();
  QTest::mouseRelease(spin->Button(), Qt::LeftButton);
  TExSpinEdit::SetBeeper(nullptr);
  ASSERT_TRUE(held.save(QCoreApplication::applicationDirPath() + "/widgets_spin_held.png"));
  EXPECT_EQ(spin->text(), "999");

  // The labels stand clear of their controls.
  EXPECT_LE(edit->LabelComponent()->geometry().right(), edit->geometry().left() - 8);
  EXPECT_LE(combo->LabelComponent()->geometry().bottom(), combo->geometry().top() - 2);
  EXPECT_EQ(file->text(), "\"/home/ann/My Sounds/fanfare.wav\"");
}

}  // namespace
