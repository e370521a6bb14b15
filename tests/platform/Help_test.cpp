#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextBrowser>

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

TEST(HelpPages, EveryTopicTheShellOpensHasItsOwnPage) {
  for (int topic : {100, 500, 503})
    EXPECT_EQ(QFileInfo(Help::TopicPage(Help::DefaultHelpFile(), topic)).fileName(),
              QString::number(topic) + ".html");
}

}  // namespace
