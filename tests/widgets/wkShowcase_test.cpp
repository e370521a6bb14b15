// A game window's foot at the three card sizes (tool bar and check box hosted in the
// status bar, the Klondike texts) and the title and effect labels, grabbed to
// widgets_showcase.png in the working folder for a look by eye.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QToolBar>

#include "widgets/ExCtrls.h"
#include "widgets/wkLabel.h"
#include "widgets/wkStatusBar.h"

namespace {

QFont Arial(int pixels, bool bold = false) {
  QFont f("Liberation Sans");
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QIcon ToolIcon(int kind) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::darkBlue, 1.5));
  switch (kind) {
    case 0: p.setBrush(Qt::white); p.drawRect(3, 1, 10, 14); break;              // new game
    case 1: p.drawArc(2, 2, 12, 12, 30 * 16, 300 * 16); break;                   // restart
    case 2: p.drawLine(3, 8, 13, 8); p.drawLine(3, 8, 7, 4); p.drawLine(3, 8, 7, 12); break;  // undo
    case 3: p.drawLine(3, 8, 13, 8); p.drawLine(13, 8, 9, 4); p.drawLine(13, 8, 9, 12); break;  // redo
    case 4: p.setBrush(Qt::yellow); p.drawEllipse(3, 3, 10, 10); break;          // options
    default: p.setBrush(Qt::red); p.drawRect(5, 5, 6, 6); break;                 // statistics
  }
  return QIcon(pm);
}

struct TFootCase {
  const char* Name;
  int BarHeight, FontPixels;
  const char* Widths[6];
};

// The Klondike foot: tool bar, draw mode, autoplay, game number, stock, score.
std::unique_ptr<QWidget> MakeFoot(const TFootCase& c, int formWidth) {
  auto form = std::make_unique<QWidget>();
  form->resize(formWidth, c.BarHeight + 8);
  auto* bar = new TwkStatusBar(form.get());
  bar->setGeometry(0, 8, formWidth, c.BarHeight);
  auto* speedBar = new QToolBar(form.get());
  speedBar->setIconSize(QSize(16, 16));
  for (int i = 0; i < 6; ++i) speedBar->addAction(ToolIcon(i), QString());
  auto* check = new QCheckBox("Autoplay", form.get());
  check->setFocusPolicy(Qt::NoFocus);
  check->setFont(Arial(c.FontPixels));

  TwkStatusPanels& panels = bar->Panels();
  panels.BeginUpdate();
  for (const char* w : c.Widths) {
    TwkStatusPanel* p = panels.Add();
    p->SetWidth(w);
    p->SetFont(Arial(c.FontPixels));
  }
  panels.Items(0)->SetComponent(speedBar);
  panels.Items(1)->SetText("Draw: 3");
  panels.Items(2)->SetIndent(5);
  panels.Items(2)->SetMargin(2);
  panels.Items(2)->SetComponent(check);
  panels.Items(3)->TextOptions().SetAlignment(taCenter);
  panels.Items(3)->SetText("Game #502340");
  panels.Items(4)->SetText("Stock: 24");
  panels.Items(5)->TextOptions().SetAlignment(taRightJustify);
  panels.Items(5)->SetText("Score: 20");
  panels.EndUpdate();
  return form;
}

TEST(ShowcaseTest, GameFootsAndLabelsGrabbedToPng) {
  const TFootCase cases[] = {
      {"small", 22, 11, {"170", "48", "70", "96", "55", "80"}},
      {"large", 26, 13, {"210", "55", "80", "130", "70", "80"}},
      {"huge", 36, 15, {"306", "68", "95", "150", "85", "80"}},
  };
  std::vector<QImage> shots;
  for (const TFootCase& c : cases) {
    auto form = MakeFoot(c, 860);
    form->show();
    auto* bar = form->findChild<TwkStatusBar*>();
    auto* check = form->findChild<QCheckBox*>();
    ASSERT_TRUE(bar && check);
    EXPECT_EQ(check->parentWidget(), bar);
    EXPECT_EQ(check->geometry(), bar->PanelRect(2).adjusted(2, 2, -2, -2));
    shots.push_back(form->grab().toImage());
  }

  QWidget titles;
  titles.resize(860, 150);
  auto* stats = new TExLabel(&titles);
  stats->setFont(Arial(32));
  stats->SetCaption("Statistics");
  stats->move(10, 8);
  auto* disabled = new TExLabel(&titles);
  disabled->setFont(Arial(32));
  disabled->SetCaption("Requirements");
  disabled->setEnabled(false);
  disabled->move(200, 8);
  auto* select = new TwkLabel(&titles);
  select->setFont(Arial(16, true));
  select->SetTransparent(true);
  select->TextOptions().Shadow().SetEnabled(true);
  select->TextOptions().Shadow().SetXOffset(1);
  select->TextOptions().Shadow().SetYOffset(1);
  select->SetCaption("Select a Game");
  select->move(440, 16);
  auto* url = new TwkLabel(&titles);
  QFont link = Arial(13, true);
  link.setUnderline(true);
  url->setFont(link);
  url->SetFontColor(clBlue);
  url->SetCaption("www.pellamy.example");
  url->setCursor(ScreenCursor(crExHand));
  url->move(620, 18);
  const TwkTextStyle styles[] = {wklsRaised, wklsLowered, wklsOutline};
  for (int i = 0; i < 3; ++i) {
    auto* l = new TwkLabel(&titles);
    l->setFont(Arial(24, true));
    l->SetColor(clSilver);
    l->SetFontColor(i == 2 ? clYellow : clSilver);
    l->TextOptions().SetStyle(styles[i]);
    l->SetCaption(i == 0 ? "Raised" : i == 1 ? "Lowered" : "Outline");
    l->move(10 + 130 * i, 70);
  }
  auto* extruded = new TwkLabel(&titles);
  extruded->setFont(Arial(28, true));
  extruded->SetTransparent(true);
  extruded->SetFontColor(clWhite);
  extruded->TextOptions().ExtrudeEffects().SetEnabled(true);
  extruded->TextOptions().ExtrudeEffects().SetDepth(6);
  extruded->TextOptions().ExtrudeEffects().SetNearColor(clNavy);
  extruded->TextOptions().ExtrudeEffects().SetFarColor(clSilver);
  extruded->TextOptions().SetOutlineColor(clNavy);
  extruded->SetCaption("Pellamy!");
  extruded->move(420, 64);
  auto* shadowed = new TwkLabel(&titles);
  shadowed->setFont(Arial(24, true));
  shadowed->SetTransparent(true);
  shadowed->SetFontColor(clMaroon);
  shadowed->TextOptions().Shadow().SetEnabled(true);
  shadowed->TextOptions().Shadow().SetXOffset(3);
  shadowed->TextOptions().Shadow().SetYOffset(3);
  shadowed->SetCaption("Congratulations!");
  shadowed->move(600, 70);
  auto* cursors = new QLabel(&titles);
  QPixmap both(70, 34);
  both.fill(Qt::lightGray);
  {
    QPainter p(&both);
    p.drawPixmap(1, 1, ExHandCursorPixmap());
    p.drawPixmap(37, 1, ExDragCursorPixmap());
  }
  cursors->setPixmap(both);
  cursors->setGeometry(10, 110, 70, 34);
  titles.show();
  shots.push_back(titles.grab().toImage());

  int height = 0;
  for (const QImage& s : shots) height += s.height() + 6;
  QImage sheet(860, height, QImage::Format_RGB32);
  sheet.fill(QColor(90, 90, 90));
  {
    QPainter p(&sheet);
    int y = 0;
    for (const QImage& s : shots) {
      p.drawImage(0, y, s);
      y += s.height() + 6;
    }
  }
  const QString file = QDir::current().filePath("widgets_showcase.png");
  ASSERT_TRUE(sheet.save(file)) << file.toStdString();
}

}  // namespace
