#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QTextLayout>
#include <QTest>
#include <cmath>
#include <memory>
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

TEST(TInfoBox, TheAddressFollowsTheSentenceThatAnnouncesItAndTheBoxOpensCentredOnTheScreen) {
  QWidget main;
  main.setGeometry(20, 30, 336, 306);
  main.show();
  std::unique_ptr<TInfoBox> box(new TInfoBox(&main));
  const QLabel* text = box->Label2;
  // Every component keeps its place.
  EXPECT_EQ(text->geometry(), QRect(96, 72, 356, 128));
  EXPECT_EQ(box->urlLabel->pos(), QPoint(179, 206));
  EXPECT_EQ(box->Label3->pos(), QPoint(96, 232));
  EXPECT_EQ(box->commentLabel->pos(), QPoint(177, 254));

  // The label's text laid out as the label paints it: word-wrapped at its contents width.
  QString painted = text->text();
  painted.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(painted, text->font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  QStringList lines;
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(text->contentsRect().width());
    height += line.height();
    lines << painted.mid(line.textStart(), line.textLength()).replace(QChar(0x00A0), QLatin1Char(' ')).trimmed();
  }
  layout.endLayout();
  ASSERT_EQ(std::lround(height), text->heightForWidth(text->width())) << "laid out as the label does";
  ASSERT_GE(lines.size(), 2);
  EXPECT_TRUE(lines.last().endsWith("available at:")) << lines.last().toStdString();

  // The text fills the label to its last line, all of it showing, and the address comes
  // right under the sentence: no overlap, no gap of a line.
  const int lineSpacing = QFontMetrics(text->font()).lineSpacing();
  const int textBottom = text->y() + std::lround(height);
  const int labelBottom = text->geometry().bottom() + 1;
  EXPECT_LE(textBottom, labelBottom) << "all of the text shows";
  EXPECT_LT(labelBottom - textBottom, lineSpacing) << "the text fills its label";
  const int gap = box->urlLabel->y() - textBottom;
  EXPECT_GE(gap, 0);
  EXPECT_LT(gap, lineSpacing);
  EXPECT_LT(box->urlLabel->geometry().bottom(), box->Label3->y());
  EXPECT_LE(box->urlLabel->geometry().right(), box->width());

  // Centred by its frame on the screen's free area, not over the window that opened it.
  box->show();
  const QRect area = box->screen()->availableGeometry();
  const QRect frame = box->frameGeometry();
  EXPECT_EQ(frame.topLeft(), area.topLeft() + QPoint((area.width() - frame.width()) / 2,
                                                     (area.height() - frame.height()) / 2));
}

}  // namespace
