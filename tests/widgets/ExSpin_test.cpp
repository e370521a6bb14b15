// The spin edit: what its text reads as, what a written value shows, how typing and the
// arrow keys behave, and the diagonal button with its auto-repeat.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "widgets/ExSpin.h"

namespace {

class ExSpinTest : public ::testing::Test {
protected:
  void SetUp() override {
    TExSpinEdit::SetBeeper([this] { ++FBeeps; });
  }
  void TearDown() override { TExSpinEdit::SetBeeper(nullptr); }
  int FBeeps = 0;
};

TEST(ExSpinConversion, StrToIntReadsDecimalAndHexWithinThirtyTwoBits) {
  struct {
    const char* text;
    std::optional<qint32> expected;
  } cases[] = {
      {"0", 0},           {"  12", 12},       {"+5", 5},
      {"-5", -5},         {"$10", 16},        {"0x10", 16},
      {"X1f", 31},        {"-$10", -16},      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},             {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},           {"3000000000", std::nullopt},
      {"$100000000", std::nullopt},           {"", std::nullopt},
      {"-", std::nullopt},                    {"$", std::nullopt},
      {"12 ", std::nullopt},                  {"1a", std::nullopt},
      {"1.5", std::nullopt},                  {"\t1", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TExSpinEdit::StrToInt(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(ExSpinConversion, FormatRoundsHalvesToEvenAndShowsHexAndFixedPoint) {
  using E = TExSpinEdit;
  EXPECT_EQ(E::FormatValue(2.5, E::vtInteger, 0), "2");
  EXPECT_EQ(E::FormatValue(3.5, E::vtInteger, 0), "4");
  EXPECT_EQ(E::FormatValue(-2.5, E::vtInteger, 0), "-2");
  EXPECT_EQ(E::FormatValue(-0.4, E::vtInteger, 0), "0");
  EXPECT_EQ(E::FormatValue(2.6, E::vtInteger, 0), "3");
  EXPECT_EQ(E::FormatValue(2000000000, E::vtInteger, 0), "2000000000");
  EXPECT_EQ(E::FormatValue(255, E::vtHex, 0), "FF");
  EXPECT_EQ(E::FormatValue(0, E::vtHex, 0), "0");
  EXPECT_EQ(E::FormatValue(-1, E::vtHex, 0), "FFFFFFFF");
  EXPECT_EQ(E::FormatValue(3.14159, E::vtFloat, 2), "3.14");
  EXPECT_EQ(E::FormatValue(12.0, E::vtFloat, 0), "12");
  EXPECT_EQ(E::FormatValue(-0.001, E::vtFloat, 2), "0.00");
}

TEST_F(ExSpinTest, NewEditShowsZeroAndReadsItsTextAsInteger) {
  TExSpinEdit edit;
  EXPECT_EQ(edit.text(), "0");
  EXPECT_EQ(edit.Value(), 0.0);
  edit.setText("1234");
  EXPECT_EQ(edit.AsInteger(), 1234);
  edit.SetAsInteger(2000000000);
  EXPECT_EQ(edit.text(), "2000000000");
  edit.SetValue(2.5);
  EXPECT_EQ(edit.text(), "2");
  edit.SetValue(3.5);
  EXPECT_EQ(edit.text(), "4");
}

TEST_F(ExSpinTest, TextThatIsNoThirtyTwoBitIntegerReadsAsNoValueInsteadOfRaising) {
  TExSpinEdit edit;
  for (const char* text : {"", "-", "+", "3000000000", "-2147483649"}) {
    edit.setText(QString::fromLatin1(text));
    EXPECT_FALSE(edit.Value().has_value()) << text;
    EXPECT_FALSE(edit.AsInteger().has_value()) << text;
  }
  // A number beyond 32 bits can still be written (nothing clamps), and then reads as none.
  edit.SetValue(3e9);
  EXPECT_EQ(edit.text(), "3000000000");
  EXPECT_FALSE(edit.AsInteger().has_value());
}

TEST_F(ExSpinTest, LimitsClampOnlyWhenMinIsBelowMax) {
  TExSpinEdit edit;
  edit.SetValue(-7);  // 0 and 0: no limits
  EXPECT_EQ(edit.text(), "-7");
  edit.SetMinValue(5);
  edit.SetMaxValue(5);
  edit.SetValue(9);
  EXPECT_EQ(edit.text(), "9");
  edit.SetMinValue(10);
  edit.SetMaxValue(1);
  edit.SetValue(-100);
  EXPECT_EQ(edit.text(), "-100");
  edit.SetMinValue(1);
  edit.SetMaxValue(10);
  edit.SetValue(-100);
  EXPECT_EQ(edit.text(), "1");
  edit.SetValue(11);
  EXPECT_EQ(edit.text(), "10");
}

TEST_F(ExSpinTest, HexAndFloatTypesReadAndWriteTheirOwnTexts) {
  TExSpinEdit edit;
  edit.setText("26");
  edit.SetValueType(TExSpinEdit::vtHex);
  EXPECT_EQ(edit.text(), "1A");
  EXPECT_EQ(edit.Value(), 26.0);
  edit.setText("FFFFFFFF");
  EXPECT_EQ(edit.AsInteger(), -1);

  edit.SetValueType(TExSpinEdit::vtFloat);
  EXPECT_EQ(edit.text(), "-1.00");
  edit.setText("-7.9");
  EXPECT_EQ(edit.AsInteger(), -7);  // toward zero
  edit.setText("1e3");
  EXPECT_EQ(edit.Value(), 1000.0);
  edit.setText("nan");
  EXPECT_FALSE(edit.Value().has_value());
}

TEST_F(ExSpinTest, ChangingToAWholeTypeRoundsTheIncrementToAtLeastOne) {
  TExSpinEdit edit;
  edit.SetValueType(TExSpinEdit::vtFloat);
  edit.SetIncrement(0.4);
  edit.SetValueType(TExSpinEdit::vtInteger);
  EXPECT_EQ(edit.Increment(), 1.0);
  edit.SetValueType(TExSpinEdit::vtFloat);
  edit.SetIncrement(2.5);
  edit.SetValueType(TExSpinEdit::vtHex);
  EXPECT_EQ(edit.Increment(), 2.0);
}

TEST_F(ExSpinTest, StepsChangeTheTextFlagItModifiedAndFireTheirEvents) {
  TExSpinEdit edit;
  int tops = 0, bottoms = 0;
  edit.OnTopClick = [&](TExSpinEdit*) { ++tops; };
  edit.OnBottomClick = [&](TExSpinEdit*) { ++bottoms; };
  QSignalSpy changed(&edit, &QLineEdit::textChanged);
  edit.setText("41");
  changed.clear();
  edit.setModified(false);

  edit.StepUp();
  EXPECT_EQ(edit.text(), "42");
  EXPECT_TRUE(edit.isModified());
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(tops, 1);

  edit.SetIncrement(5);
  edit.StepDown();
  EXPECT_EQ(edit.text(), "37");
  EXPECT_EQ(bottoms, 1);

  // At a limit the text stays, the edit is not flagged, the event still fires.
  edit.SetMinValue(0);
  edit.SetMaxValue(37);
  edit.setModified(false);
  changed.clear();
  edit.StepUp();
  EXPECT_EQ(edit.text(), "37");
  EXPECT_FALSE(edit.isModified());
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(tops, 2);
  EXPECT_EQ(FBeeps, 0);
}

TEST_F(ExSpinTest, StepsBeepWhenReadOnlyOrWhenTheTextIsNoNumber) {
  TExSpinEdit edit;
  int tops = 0;
  edit.OnTopClick = [&](TExSpinEdit*) { ++tops; };
  edit.setReadOnly(true);
  edit.StepUp();
  EXPECT_EQ(edit.text(), "0");
  EXPECT_EQ(FBeeps, 1);
  edit.setReadOnly(false);
  edit.setText("");
  edit.StepUp();
  EXPECT_EQ(edit.text(), "");
  EXPECT_EQ(FBeeps, 2);
  EXPECT_EQ(tops, 0);
}

TEST_F(ExSpinTest, ArrowKeysStepAndInvalidCharactersBeepWithoutChangingTheText) {
  TExSpinEdit edit;
  edit.setText("7");
  QTest::keyClick(&edit, Qt::Key_Up);
  QTest::keyClick(&edit, Qt::Key_Up);
  QTest::keyClick(&edit, Qt::Key_Down);
  EXPECT_EQ(edit.text(), "8");

  edit.SetArrowKeys(false);
  QTest::keyClick(&edit, Qt::Key_Up);
  EXPECT_EQ(edit.text(), "8");

  edit.end(false);
  QTest::keyClicks(&edit, "x");
  EXPECT_EQ(edit.text(), "8");
  EXPECT_EQ(FBeeps, 1);
  QTest::keyClicks(&edit, "9.e");
  EXPECT_EQ(edit.text(), "89");
  EXPECT_EQ(FBeeps, 3);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QTest::keyClicks(&edit, "-+");
  EXPECT_EQ(edit.text(), "8-+");  // signs are typed anywhere; reading decides
  EXPECT_FALSE(edit.Value().has_value());
}

TEST_F(ExSpinTest, FloatAndHexEditsAcceptTheirExtraCharactersOnce) {
  TExSpinEdit edit;
  edit.SetValueType(TExSpinEdit::vtFloat);
  edit.clear();
  QTest::keyClicks(&edit, "1.5.e3E");
  EXPECT_EQ(edit.text(), "1.5e3");
  EXPECT_EQ(FBeeps, 2);

  edit.SetValueType(TExSpinEdit::vtHex);
  edit.clear();
  QTest::keyClicks(&edit, "aFg");
  EXPECT_EQ(edit.text(), "aF");
  EXPECT_EQ(edit.Value(), 175.0);
  EXPECT_EQ(FBeeps, 3);
}

TEST_F(ExSpinTest, WithTheEditorOffNothingIsTypedOrErased) {
  TExSpinEdit edit;
  edit.setText("12");
  edit.end(false);
  edit.SetEditorEnabled(false);
  QTest::keyClicks(&edit, "3");
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), "12");
  EXPECT_EQ(FBeeps, 2);
  QTest::keyClick(&edit, Qt::Key_Up);  // the arrows still step
  EXPECT_EQ(edit.text(), "13");

  // An X server sends Ctrl+X and Ctrl+V with control characters as their text.
  edit.selectAll();
  QKeyEvent cut(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier, QString(QChar(0x18)));
  QApplication::sendEvent(&edit, &cut);
  EXPECT_EQ(edit.text(), "13");
  QGuiApplication::clipboard()->setText("77");
  edit.selectAll();
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
  QApplication::sendEvent(&edit, &paste);
  EXPECT_EQ(edit.text(), "13");
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03)));
  QApplication::sendEvent(&edit, &copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "13");  // copying still works
  EXPECT_FALSE(edit.isReadOnly());
}

TEST_F(ExSpinTest, PasteTakesOnlyCharactersOfTheValueType) {
  TExSpinEdit edit;
  for (const bool editor : {true, false}) {
    edit.SetEditorEnabled(editor);
    QGuiApplication::clipboard()->setText("12ab");
    edit.selectAll();
    edit.paste();
    EXPECT_EQ(edit.text(), "0") << editor;
  }
  edit.SetEditorEnabled(true);
  QGuiApplication::clipboard()->setText("-42");
  edit.selectAll();
  edit.paste();
  EXPECT_EQ(edit.text(), "-42");
  edit.SetValueType(TExSpinEdit::vtHex);
  QGuiApplication::clipboard()->setText("1aF");
  edit.selectAll();
  edit.paste();
  EXPECT_EQ(edit.Value(), 0x1AF);
  edit.SetValueType(TExSpinEdit::vtFloat);
  QGuiApplication::clipboard()->setText("1.5.2");
  edit.selectAll();
  edit.paste();
  EXPECT_EQ(edit.Value(), 431.0);
}

TEST_F(ExSpinTest, EnterAndEscapeReachTheDialogButtons) {
  QDialog dialog;
  auto* edit = new TExSpinEdit(&dialog);
  auto* ok = new QPushButton("Deal", &dialog);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.show();
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  dialog.setResult(0);
  dialog.show();
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ExSpinButtonHalves, TheDiagonalSplitsSquareAndOblongButtonsAlongTheirTrueDiagonal) {
  using B = TExSpinButton;
  // Square 20 x 20: the diagonal runs from (0, 20) to (20, 0).
  EXPECT_EQ(B::HalfAt(2, 2, 20, 20), B::sbTopDown);
  EXPECT_EQ(B::HalfAt(18, 18, 20, 20), B::sbBottomDown);
  EXPECT_EQ(B::HalfAt(10, 9, 20, 20), B::sbTopDown);
  EXPECT_EQ(B::HalfAt(10, 10, 20, 20), B::sbBottomDown);  // on the line: lower
  // Tall 15 x 20: near the upper-right corner the line is only a pixel or two down.
  EXPECT_EQ(B::HalfAt(14, 1, 15, 20), B::sbTopDown);
  EXPECT_EQ(B::HalfAt(14, 2, 15, 20), B::sbBottomDown);
  EXPECT_EQ(B::HalfAt(1, 17, 15, 20), B::sbTopDown);
  EXPECT_EQ(B::HalfAt(13, 10, 15, 20), B::sbBottomDown);
  // Wide 30 x 10.
  EXPECT_EQ(B::HalfAt(2, 5, 30, 10), B::sbTopDown);
  EXPECT_EQ(B::HalfAt(28, 1, 30, 10), B::sbBottomDown);
  EXPECT_EQ(B::HalfAt(15, 4, 30, 10), B::sbTopDown);
  EXPECT_EQ(B::HalfAt(15, 5, 30, 10), B::sbBottomDown);
}

class ExSpinButtonTest : public ExSpinTest {
protected:
  void SetUp() override {
    ExSpinTest::SetUp();
    FEdit = new TExSpinEdit(&FWindow);
    FEdit->setGeometry(10, 10, 153, 24);
    FEdit->setText("100");
    FWindow.resize(200, 60);
    FWindow.show();
  }
  void TearDown() override {
    // Never leave a button held for the next test.
    if (FEdit->Button()->Down() != TExSpinButton::sbNotDown)
      QTest::mouseRelease(FEdit->Button(), Qt::LeftButton);
    ExSpinTest::TearDown();
  }
  QPoint UpperLeft() const { return QPoint(2, 2); }
  QPoint LowerRight() const {
    const QSize s = FEdit->Button()->size();
    return QPoint(s.width() - 2, s.height() - 2);
  }
  QWidget FWindow;
  TExSpinEdit* FEdit = nullptr;
};

TEST_F(ExSpinButtonTest, ButtonSitsInsideTheRightEdgeAndKeepsTextFromRunningUnderIt) {
  TExSpinButton* button = FEdit->Button();
  const QRect r = button->geometry();
  EXPECT_GT(r.left(), FEdit->width() / 2);
  EXPECT_LE(r.right(), FEdit->width() - 1);
  EXPECT_GE(r.top(), 0);
  EXPECT_LE(r.bottom(), FEdit->height() - 1);
  EXPECT_GE(r.height(), FEdit->height() - 6);
  EXPECT_EQ(FEdit->textMargins().right(), r.width());

  FEdit->setLayoutDirection(Qt::RightToLeft);
  EXPECT_LT(button->geometry().right(), FEdit->width() / 2);
  EXPECT_EQ(FEdit->textMargins().left(), button->width());
}

TEST_F(ExSpinButtonTest, UpperHalfStepsUpLowerHalfStepsDownAtOnce) {
  QTest::mousePress(FEdit->Button(), Qt::LeftButton, {}, UpperLeft());
  EXPECT_EQ(FEdit->text(), "101");
  QTest::mouseRelease(FEdit->Button(), Qt::LeftButton, {}, UpperLeft());
  QTest::mousePress(FEdit->Button(), Qt::LeftButton, {}, LowerRight());
  QTest::mouseRelease(FEdit->Button(), Qt::LeftButton, {}, LowerRight());
  QTest::mousePress(FEdit->Button(), Qt::LeftButton, {}, LowerRight());
  QTest::mouseRelease(FEdit->Button(), Qt::LeftButton, {}, LowerRight());
  EXPECT_EQ(FEdit->text(), "99");
  EXPECT_TRUE(FEdit->isModified());
  EXPECT_EQ(FWindow.focusWidget(), FEdit);  // a press focuses the edit
}

TEST_F(ExSpinButtonTest, HeldButtonRepeatsFirstAfter400ThenEvery100Milliseconds) {
  TExSpinButton* button = FEdit->Button();
  QTest::mousePress(button, Qt::LeftButton, {}, LowerRight());
  EXPECT_EQ(FEdit->text(), "99");
  EXPECT_TRUE(button->RepeatTimer().isActive());
  EXPECT_EQ(button->RepeatTimer().interval(), 400);

  button->TimerExpired();  // the first repeat
  EXPECT_EQ(FEdit->text(), "98");
  EXPECT_EQ(button->RepeatTimer().interval(), 100);
  button->TimerExpired();
  EXPECT_EQ(FEdit->text(), "97");

  QTest::mouseRelease(button, Qt::LeftButton, {}, LowerRight());
  EXPECT_FALSE(button->RepeatTimer().isActive());
  button->TimerExpired();  // a late tick after the release does nothing
  EXPECT_EQ(FEdit->text(), "97");
}

TEST_F(ExSpinButtonTest, HeldButtonRepeatsInRealTime) {
  TExSpinButton* button = FEdit->Button();
  int steps = 0;
  qint64 firstRepeatAt = -1;
  QElapsedTimer clock;
  FEdit->OnTopClick = [&](TExSpinEdit*) {
    if (++steps == 2) firstRepeatAt = clock.elapsed();
  };
  clock.start();
  QTest::mousePress(button, Qt::LeftButton, {}, UpperLeft());
  EXPECT_TRUE(QTest::qWaitFor([&] { return steps >= 4; }, 3000));
  EXPECT_GE(firstRepeatAt, 395);
  QTest::mouseRelease(button, Qt::LeftButton, {}, UpperLeft());
  const int held = steps;
  QTest::qWait(250);
  EXPECT_EQ(steps, held);
  EXPECT_EQ(FEdit->AsInteger(), 100 + held);
}

}  // namespace
