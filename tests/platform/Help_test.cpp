#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "platform/Help.h"
#include "support/TestSupport.h"

namespace {

class HelpTest : public ::testing::Test {
protected:
  void SetUp() override {
    PellamyTest::WriteFileBytes(FDir.filePath("index.html"), "<html><body>Contents</body></html>");
    PellamyTest::WriteFileBytes(FDir.filePath("100.html"), "<html><body>The program</body></html>");
  }
  void TearDown() override { Help::CloseAll(); }
  QTemporaryDir FDir;
};

TEST_F(HelpTest, KnownTopicShowsItsPageAndUnknownTopicShowsContents) {
  EXPECT_EQ(QFileInfo(Help::HtmlHelp(FDir.path(), 100)).fileName(), "100.html");
  auto* browser = qobject_cast<QTextBrowser*>(Help::Window());
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->isVisible());
  EXPECT_TRUE(browser->toPlainText().contains("The program"));

  EXPECT_EQ(QFileInfo(Help::HtmlHelp(FDir.path(), 4242)).fileName(), "index.html");
  EXPECT_TRUE(browser->toPlainText().contains("Contents"));
  EXPECT_EQ(Help::Window(), browser) << "one help window is reused";
}

TEST_F(HelpTest, MissingHelpFolderSaysSoInsteadOfFailing) {
  EXPECT_TRUE(Help::HtmlHelp(FDir.filePath("nowhere"), 100).isEmpty());
  auto* browser = qobject_cast<QTextBrowser*>(Help::Window());
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->toPlainText().contains("not found"));
}

TEST_F(HelpTest, OpensBesideTheAskingWindowWithMarginsAndAHistory) {
  QWidget asker;
  asker.setGeometry(100, 100, 300, 200);
  asker.show();
  Help::HtmlHelp(FDir.path(), 100, &asker);
  auto* browser = qobject_cast<QTextBrowser*>(Help::Window());
  ASSERT_NE(browser, nullptr);
  // Beside it when a side has room, else over it; on the offscreen screen (800 x 600)
  // neither side has room for the help window, so over it, inside the screen.
  const QRect help = browser->frameGeometry();
  const QRect area = browser->screen()->availableGeometry();
  EXPECT_TRUE(help.adjusted(-1, -1, 1, 1).intersects(asker.frameGeometry()));
  EXPECT_TRUE(area.contains(help)) << help.x() << "," << help.y();
  EXPECT_GE(browser->document()->documentMargin(), 12) << "the text does not touch the window's edge";

  Help::HtmlHelp(FDir.path(), 4242, &asker);
  EXPECT_GE(browser->document()->documentMargin(), 12) << "every page keeps the margin";
  EXPECT_EQ(browser->frameGeometry(), help) << "an open help window stays where it is";
  auto* back = browser->findChild<QToolButton*>();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->text(), "Back");
  ASSERT_TRUE(back->isEnabled());
  back->click();
  EXPECT_TRUE(browser->toPlainText().contains("The program"));
  // Forward by the keyboard, as in a web browser.
  const QKeySequence forward = QKeySequence::keyBindings(QKeySequence::Forward).first();
  QTest::keySequence(browser, forward);
  EXPECT_TRUE(browser->toPlainText().contains("Contents"));
}

TEST(HelpPages, EveryTopicTheShellOpensHasItsOwnPage) {
  for (int topic : {100, 500, 503})
    EXPECT_EQ(QFileInfo(Help::TopicPage(Help::DefaultHelpFile(), topic)).fileName(),
              QString::number(topic) + ".html");
}

}  // namespace
