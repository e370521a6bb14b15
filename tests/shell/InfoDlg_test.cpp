#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <vector>

#include "art/ShellArt.h"
#include "platform/DesktopLinks.h"
#include "shell/InfoDlg.h"

namespace {

TEST(JesterAnimation, FramesCycleFromTheLeftLeaningOne) {
  int counter = 99;
  QLabel image;
  TJesterAnimation jester(counter, &image, nullptr);
  EXPECT_EQ(counter, 1) << "building a dialog starts the cycle";
  const QImage left = LoadPngResource("JESTERLEFT"), upright = LoadPngResource("JESTER"),
               right = LoadPngResource("JESTERRIGHT");
  const std::vector<QImage> expected = {left, upright, right, upright, left, upright};
  for (const QImage& frame : expected) {
    jester.JesterTimerTimer();
    EXPECT_EQ(image.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              frame.convertToFormat(QImage::Format_ARGB32));
  }
  EXPECT_EQ(jester.JesterTimer->interval(), 300);
}

TEST(TInfoBox, LinksOpenTheSiteWithTheQueryAndTheMailAddress) {
  std::vector<QString> opened;
  DesktopLinks::SetOpener([&](const QString& url) {
    opened.push_back(url);
    return true;
  });
  auto* box = new TInfoBox;
  EXPECT_EQ(InfoBox, box);
  box->urlLabelClick();
  box->commentLabelClick();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], TInfoBox::WebSite + "?info");
  EXPECT_EQ(opened[1], "mailto:" + TInfoBox::SupportAddress);
  EXPECT_EQ(box->urlLabel->FontColor(), 0xFF0000u) << "blue again after the click";
  DesktopLinks::SetOpener(nullptr);

  box->show();
  box->grab().save("about-box.png");  // for looking at it
  QPointer<TInfoBox> watch(box);
  QTest::keyClick(box, Qt::Key_Escape);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watch.isNull()) << "Escape closes and frees the box";
  EXPECT_EQ(InfoBox, nullptr);
}

}  // namespace
