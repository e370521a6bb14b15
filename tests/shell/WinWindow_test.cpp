#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "shell/WinWindow.h"

namespace {

// Opens a fresh dialog, lets act() answer it, and returns exec()'s result.
int Answer(const std::function<void(TWinForm*)>& act) {
  auto* form = new TWinForm;
  QPointer<TWinForm> watch(form);
  QTimer::singleShot(0, [&] { act(form); });
  const int result = form->exec();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watch.isNull()) << "the dialog frees itself";
  EXPECT_EQ(WinForm, nullptr);
  return result;
}

TEST(TWinForm, EachChoiceReturnsItsResult) {
  EXPECT_EQ(Answer([](TWinForm* f) { f->Button2->click(); }), 6);
  EXPECT_EQ(Answer([](TWinForm* f) { f->Button3->click(); }), 7);
  EXPECT_EQ(Answer([](TWinForm* f) { f->Button4->click(); }), 8);
  EXPECT_EQ(Answer([](TWinForm* f) { f->Button5->click(); }), 3);
  EXPECT_EQ(Answer([](TWinForm* f) { QTest::keyClick(f, Qt::Key_Escape); }), 2);
  EXPECT_EQ(Answer([](TWinForm* f) { f->close(); }), 2) << "the close box";
  EXPECT_EQ(Answer([](TWinForm* f) { f->Button1->click(); }), 2) << "the hidden button closes the form";
}

TEST(TWinForm, TextsAndTheJester) {
  TWinForm form;
  EXPECT_EQ(form.windowTitle(), "Pellamy!");
  EXPECT_EQ(form.ExLabel1->Caption(), "Congratulations!");
  EXPECT_EQ(form.Button2->text(), "New Game");
  EXPECT_EQ(form.Button4->text(), "Select Game...");
  EXPECT_EQ(form.Button3->text(), "Show Statistics...");
  EXPECT_EQ(form.Button5->text(), "Close Game");
  EXPECT_FALSE(form.Button1->isVisibleTo(&form));
  EXPECT_TRUE(form.JesterImage->pixmap().isNull()) << "empty until the first tick";
  EXPECT_EQ(form.Jester->JesterTimer->interval(), 300);
  form.Jester->JesterTimerTimer();
  EXPECT_FALSE(form.JesterImage->pixmap().isNull());
  form.show();
  form.grab().save("win-dialog.png");  // for looking at it
  form.setAttribute(Qt::WA_DeleteOnClose, false);
}

}  // namespace
