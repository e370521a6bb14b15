// All 90 game windows, made through the app's factory table: every status panel carries
// its width, font and role, its longest texts fit, and every card lies inside the table,
// above the status bar and inside its own view: in the opening deal, with the whole stock
// turned and after a redeal. Where fans are squeezed (at the window's minimum size, dealt
// and with the stock turned, and Aces Up with thirteen cards in every column) every card
// is still whole side to side, every covered face-up card shows its corner index (or at
// least the step a column keeps when its top card runs past the view), every top card
// shows its index above the status bar, and no two piles that lie apart at the design
// size cover each other.

#include "games/GamesTesting.h"

#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QMap>
#include <QStyle>
#include <QToolBar>

#include "app/GameFactories.h"
#include "shell/GameTable.h"
#include "shell/GameWindows.h"
#include "widgets/wkStatusBar.h"

using namespace GamesTest;

namespace {

// Panel roles: T tool bar, A Autoplay check box, K King check box, N game number,
// S stock, W waste, C score, D draw mode, L draws left, H shuffles, V variations,
// F difficulty.
struct TPanelRow {
  char Role;
  int Width[3];  // with normal, small and huge cards
};
struct TGameRow {
  const char* Game;
  std::vector<TPanelRow> Panels;
};

constexpr TPanelRow Bar{'T', {210, 170, 306}};
constexpr TPanelRow Number{'N', {140, 140, 180}};
constexpr TPanelRow Score{'C', {80, 80, 80}};
constexpr TPanelRow Autoplay{'A', {80, 80, 100}};

// The panels of the game windows, in the games' list order.
const TGameRow PanelTable[GameCount] = {
    {"Aces Up", {Bar, Number, {'S', {70, 70, 90}}, Score}},
    {"Australian Patience", {Bar, {'A', {84, 80, 100}}, {'N', {146, 140, 180}}, {'S', {70, 70, 90}}, Score}},
    {"Baker's Dozen", {Bar, {'A', {90, 80, 100}}, Number, Score}},
    {"Baker's Game", {Bar, Autoplay, Number, Score}},
    {"Beleaguered Castle", {Bar, Autoplay, Number, Score}},
    {"Canfield",
     {Bar, {'D', {55, 48, 70}}, {'A', {80, 72, 100}}, {'N', {130, 110, 180}}, {'S', {70, 55, 80}}, Score}},
    {"Double Klondike",
     {Bar, {'D', {55, 55, 70}}, Autoplay, {'N', {130, 130, 180}}, {'S', {70, 70, 90}}, Score}},
    {"Double Scorpion", {Bar, Number, Score}},
    {"Double Yukon", {Bar, Autoplay, Number, Score}},
    {"Eight Off", {Bar, Autoplay, Number, Score}},
    {"Flower Garden", {Bar, Autoplay, Number, Score}},
    {"Forty Thieves", {Bar, Autoplay, Number, {'S', {80, 70, 90}}, Score}},
    {"FreeCell", {Bar, Autoplay, Number, Score}},
    {"Giza", {Bar, Number, Score}},
    {"Golf", {Bar, {'K', {160, 135, 200}}, Number, {'S', {70, 60, 80}}, Score}},
    {"Indian Patience", {Bar, Autoplay, Number, {'S', {70, 70, 80}}, Score}},
    {"Klondike",
     {Bar, {'D', {55, 48, 68}}, {'A', {80, 70, 95}}, {'N', {130, 96, 150}}, {'S', {70, 55, 85}}, Score}},
    {"La Belle Lucie",
     {Bar, {'L', {90, 78, 110}}, {'A', {80, 70, 100}}, {'N', {140, 110, 180}}, {'H', {160, 140, 180}}, Score}},
    {"Montana", {Bar, {'N', {140, 140, 200}}, {'H', {160, 160, 180}}, Score}},
    {"Nestor", {Bar, Number, Score}},
    {"Pyramid", {Bar, Number, {'S', {70, 60, 80}}, {'W', {70, 60, 80}}, Score}},
    {"Pyramid Golf", {Bar, Number, {'S', {70, 70, 80}}, Score}},
    {"Queen of Italy", {Bar, Autoplay, Number, {'S', {70, 70, 80}}, Score}},
    {"Russian Pellamy", {Bar, Autoplay, Number, Score}},
    {"Scorpion", {Bar, Number, Score}},
    {"Scorpion II", {Bar, Number, Score}},
    {"Sea Towers", {Bar, Autoplay, Number, Score}},
    {"Simple Simon", {Bar, Number, Score}},
    {"Spider",
     {Bar, {'A', {80, 70, 100}}, {'V', {90, 80, 110}}, {'F', {140, 130, 180}}, {'N', {150, 140, 180}},
      {'S', {70, 60, 80}}, Score}},
    {"Yukon", {Bar, Autoplay, Number, Score}},
};

// Text panels and check boxes are Arial of 11, 13 and 15 pixels with small, normal and
// huge cards; a text too wide for its panel is drawn smaller, down to 8 pixels.
constexpr int PanelFont[3] = {11, 13, 15};
constexpr int SmallestText = 8;

// The width a check box needs to show its box and every pixel of its caption.
int CheckBoxNeeds(const QCheckBox* check) {
  const QStyle* style = check->style();
  const QRect ink = QFontMetrics(check->font()).tightBoundingRect(check->text());
  return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) +
         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check) + ink.x() + ink.width();
}

// The widest texts a panel of the role shows besides its current one.
QStringList LongestTexts(char role) {
  switch (role) {
    case 'N': return {"Game #2000000000"};
    case 'C': return {"Score: 104"};
    case 'D': return {"Draw: 1", "Draw: 3"};
    case 'L': return {"Draws Left: 0", "Draws Left: 1"};
    case 'H': return {"2 Shuffles Remaining", "No Shuffles Remaining"};
    case 'V': return {"Variations..."};
    case 'F': return {"Difficulty: Medium", "Difficulty: Challenging"};
    default: return {};
  }
}

TAlignment RoleAlignment(char role) {
  if (role == 'C') return taRightJustify;
  if (role == 'N' || role == 'H' || role == 'V' || role == 'F') return taCenter;
  return taLeftJustify;
}

TwkStatusPanelBevel RoleBevel(char role) {
  if (role == 'T') return pbNone;
  if (role == 'H' || role == 'V') return pbRaised;
  return pbLowered;
}

const char* RoleControl(char role) {
  return role == 'T' ? "SpeedBar" : role == 'A' ? "AutoPlayCheckBox" : role == 'K' ? "KingsCheckBox" : nullptr;
}

class TGameWindowLayouts : public TGameFormTest<TGameForm> {
protected:
  void CheckPanels(const TGameRow& row, int size) {
    const int column = size == CS_LARGE ? 0 : size == CS_SMALL ? 1 : 2;
    TwkStatusBar* bar = FForm->GameStatusBar;
    ASSERT_EQ(bar->Panels().Count(), int(row.Panels.size()));
    for (int i = 0; i < int(row.Panels.size()); ++i) {
      const TPanelRow& want = row.Panels[std::size_t(i)];
      const bool last = i == int(row.Panels.size()) - 1;
      TwkStatusPanel* panel = bar->Panels().Items(i);
      SCOPED_TRACE(testing::Message() << "panel " << i << " (" << want.Role << ")");
      EXPECT_EQ(panel->Width(), QString::number(want.Width[column]));
      if (!last) {
        EXPECT_EQ(panel->PixelWidth(), want.Width[column]);
      }
      EXPECT_EQ(panel->Bevel(), RoleBevel(want.Role));
      if (const char* control = RoleControl(want.Role)) {
        ASSERT_NE(panel->Component(), nullptr);
        EXPECT_EQ(panel->Component()->objectName(), QLatin1String(control));
        if (auto* check = qobject_cast<QCheckBox*>(panel->Component())) {
          EXPECT_EQ(check->font().pixelSize(), PanelFont[size]);
          EXPECT_LE(CheckBoxNeeds(check), check->width()) << check->text().toStdString();
        }
        continue;
      }
      EXPECT_EQ(panel->Component(), nullptr);
      EXPECT_EQ(panel->Font().pixelSize(), PanelFont[size]);
      EXPECT_EQ(panel->TextOptions().Alignment(), RoleAlignment(want.Role));
      // Each text fits clear of the frame, in the panel's font or as little smaller as
      // it needs; a seven-digit game number keeps the panel's font.
      const QString shown = panel->Text();
      QStringList texts = LongestTexts(want.Role) << shown;
      if (want.Role == 'N') texts << QStringLiteral("Game #1234567");
      if (want.Role == 'C' && FForm->Spec().Vegas) texts << QStringLiteral("Score: $-20800");
      const int room = bar->PanelRect(i).width() - 4 - panel->Indent();
      for (const QString& text : texts) {
        panel->SetText(text);
        const QFont font = bar->TextFont(i);
        SCOPED_TRACE(testing::Message() << text.toStdString() << " at " << font.pixelSize() << " px");
        EXPECT_GE(font.pixelSize(), SmallestText);
        EXPECT_LT(QFontMetrics(font).horizontalAdvance(text), room);
        if (font.pixelSize() < PanelFont[size]) {
          QFont larger = font;
          larger.setPixelSize(font.pixelSize() + 1);
          EXPECT_GE(QFontMetrics(larger).horizontalAdvance(text), room) << "shrunk more than needed";
        }
        if (text == QLatin1String("Game #1234567")) {
          EXPECT_EQ(font.pixelSize(), PanelFont[size]);
        }
      }
      panel->SetText(shown);
    }
  }

  // A picture of the window for looking at, when PELLAMY_SHOTS names a folder.
  void Shot(const QString& name) {
    const QString folder = qEnvironmentVariable("PELLAMY_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    FForm->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
  }

  // Clicks the stock as a player does until it is empty or a click turns nothing, so a
  // draw-three waste reaches its fullest fan. False for a window without a stock.
  bool TurnTheStock() {
    TCardPileView* stock = FForm->DeckPileView;
    if (!stock || !stock->isVisibleTo(FForm.data())) return false;
    for (int clicks = 0; stock->FCards->Count() > 0 && clicks < 120; ++clicks) {
      const int before = stock->FCards->Count();
      Click(stock);
      if (stock->FCards->Count() == before) break;
    }
    return true;
  }

  // Notes each card of the view, as last painted, that is not wholly inside the view and
  // the table above the status bar.
  void CheckView(TCardPileView* view) {
    const QRect table(0, 0, FForm->width(), FForm->GameStatusBar->geometry().top());
    const QSize card = TCardPileView::CardSize();
    for (int i = 0; i < view->FCards->Count(); ++i) {
      const TCard* c = view->FCards->FList[std::size_t(i)];
      if (!c) continue;
      const QRect inView(QPoint(int(c->FX), int(c->FY)), card);
      const QRect onTable = inView.translated(view->pos());
      if (view->rect().contains(inView) && table.contains(onTable)) continue;
      const QString note = QStringLiteral("%1: %2 card %3 of %4 at %5,%6, view %7,%8 %9x%10, table above %11")
                               .arg(FPhase, view->objectName()).arg(i).arg(view->FCards->Count())
                               .arg(onTable.x()).arg(onTable.y()).arg(view->x()).arg(view->y())
                               .arg(view->width()).arg(view->height()).arg(table.bottom() + 1);
      if (!FOutside.contains(note)) FOutside << note;
    }
  }

  // The step a column's face-up cards keep when its top card may run past the view by
  // all but its index and upper part (47, 62 or 104 pixels), never below the face-down
  // step: the least a squeezed fan of the given offset may show of each covered card.
  static int ReservedStep(const TCardPileView* view, float offset, int up, int down) {
    const int dY = TCardPileView::FaceDownStep();
    const QSize card = TCardPileView::CardSize();
    const int downSteps = up > 0 ? down : std::max(0, down - 1);
    if (up < 2 || card.height() + (up - 1) * offset + downSteps * dY <= view->height()) return int(offset);
    const int avail = view->height() - TCardPileView::TopCardReserve() - downSteps * dY;
    if (avail < 1) return dY;
    return std::clamp(avail / (up - 1), dY, std::max(dY, int(offset)));
  }

  // The options' card spacing for the current card size.
  static int ChosenSpacing() {
    const int size = TCard::GetCardSize();
    return size == CS_SMALL ? PreferencesDlg->FSmallCardSpacing
           : size == CS_HUGE ? PreferencesDlg->FHugeCardSpacing
                             : PreferencesDlg->FCardSpacing;
  }

  // In a squeezed fan (at the minimum size, or thirteen cards a column) a card keeps its
  // whole width inside its view and the window, and a column stays readable: each covered
  // face-up card shows its corner index or the reserved step when that is less, and the
  // top card's index is above the status bar. A tableau column is judged by the options'
  // card spacing, so a game that narrows its own fan cannot pass on the narrower step.
  void CheckSqueezedView(TCardPileView* view) {
    const int statusTop = FForm->GameStatusBar->isVisible() ? FForm->GameStatusBar->geometry().top()
                                                            : FForm->height();
    const QSize card = TCardPileView::CardSize();
    const int index = TCardPileView::CornerIndexHeight();
    const int count = view->FCards->Count();
    int up = 0;
    for (const TCard* c : view->FCards->FList) up += c && c->FFaceUp;
    const auto& tableau = FForm->FTableau;
    const bool column = view->YOffset > 0 && std::find(tableau.begin(), tableau.end(), view) != tableau.end();
    const float chosen = column ? float(ChosenSpacing()) : view->YOffset;
    const int least = std::min(index, ReservedStep(view, chosen, up, count - up));
    for (int i = 0; i < count; ++i) {
      const TCard* c = view->FCards->FList[std::size_t(i)];
      if (!c) continue;
      const QRect inView(QPoint(int(c->FX), int(c->FY)), card);
      const QRect onTable = inView.translated(view->pos());
      const bool top = i == count - 1;
      const int shown = top ? std::min(statusTop - onTable.top(), view->height() - inView.top())
                           : int(view->FCards->FList[std::size_t(i + 1)]->FY) - inView.top();
      const bool readable = !c->FFaceUp || view->YOffset <= 0 || (top ? shown >= index : shown >= least);
      if (inView.left() >= 0 && inView.right() < view->width() && onTable.left() >= 0 &&
          onTable.right() < FForm->width() && onTable.top() >= 0 && onTable.top() + index <= statusTop && readable)
        continue;
      FOutside << QStringLiteral("%1: %2 card %3 of %4 at %5,%6 shows %7, view %8,%9 %10x%11, window %12x%13, "
                                 "status bar at %14")
                      .arg(FPhase, view->objectName()).arg(i).arg(count).arg(onTable.x()).arg(onTable.y()).arg(shown)
                      .arg(view->x()).arg(view->y()).arg(view->width()).arg(view->height()).arg(FForm->width())
                      .arg(FForm->height()).arg(statusTop);
    }
  }

  void CheckSqueezed(const QMap<QString, QRect>& design) {
    FForm->grab();
    QList<TCardPileView*> views;
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>())
      if (view->isVisibleTo(FForm.data())) views << view;
    for (TCardPileView* view : views) {
      CheckSqueezedView(view);
      if (view->x() < 0 || view->x() + view->width() > FForm->width())
        FOutside << QStringLiteral("%1: %2 at %3 %4 wide, window %5 wide")
                        .arg(FPhase, view->objectName()).arg(view->x()).arg(view->width()).arg(FForm->width());
    }
    for (int a = 0; a < views.size(); ++a)
      for (int b = a + 1; b < views.size(); ++b) {
        const QString na = views[a]->objectName(), nb = views[b]->objectName();
        if (design.value(na).intersects(design.value(nb))) continue;
        if (views[a]->geometry().intersects(views[b]->geometry()))
          FOutside << QStringLiteral("%1: %2 covers %3").arg(FPhase, na, nb);
      }
  }

  // Every view of the window paints and is checked.
  void CheckCards() {
    FForm->grab();
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>())
      if (view->isVisibleTo(FForm.data())) CheckView(view);
  }

  // Checks the stock and waste views (every view but the tableau) at each paint, so the
  // states a deal or a turn passes through count as well as the one it ends in.
  class TPaintWatch : public QObject {
  public:
    explicit TPaintWatch(TGameWindowLayouts* test) : FTest(test) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() != QEvent::Paint || FInside) return false;
      auto* view = static_cast<TCardPileView*>(watched);
      FInside = true;
      static_cast<QObject*>(view)->event(event);  // paint first: it places the cards
      FInside = false;
      FTest->CheckView(view);
      return true;
    }

  private:
    TGameWindowLayouts* FTest;
    bool FInside = false;
  };

  void WatchStockAndWaste(TPaintWatch* watch) {
    const auto& tableau = FForm->FTableau;
    for (TCardPileView* view : FForm->findChildren<TCardPileView*>())
      if (view->isVisibleTo(FForm.data()) && std::find(tableau.begin(), tableau.end(), view) == tableau.end())
        view->installEventFilter(watch);
  }

  QString FPhase;
  QStringList FOutside;
};

TEST_F(TGameWindowLayouts, EveryWindowHasItsPanelsAndDealsInsideTheTable) {
  RegisterGameWindows();
  PreferencesDlg->FVegasScoring = true;
  TPaintWatch watch(this);
  for (int game = 0; game < GameCount; ++game)
    for (int size : GameWindows::SlotOrder) {
      SCOPED_TRACE(testing::Message() << PanelTable[game].Game << ", card size " << size);
      ASSERT_STREQ(GameInfo(game).GameName, PanelTable[game].Game);
      Open([&](int cardSize) { return qobject_cast<TGameForm*>(GameWindows::Create(game, cardSize)); },
           2000000000, size);
      ASSERT_FALSE(FForm.isNull());
      EXPECT_EQ(FForm->GameStatusBar->height(), StatusBarHeights[size]);
      const QString shot = QStringLiteral("%1-%2").arg(GameInfo(game).Section).arg(size);
      if (FForm->Spec().Vegas) {  // a balance a few lost deals reach
        FForm->FVegasBalance = -2080 - 5 * FForm->FScore;
        FForm->UpdateScore(false);
        EXPECT_EQ(FForm->PanelText(FForm->Spec().ScorePanel), "Score: $-2080");
      }
      CheckPanels(PanelTable[game], size);
      FPhase = QStringLiteral("opening deal");
      CheckCards();
      Shot(shot);
      QMap<QString, QRect> design;
      for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) design[view->objectName()] = view->geometry();

      WatchStockAndWaste(&watch);
      FPhase = QStringLiteral("animated deal");
      PreferencesDlg->FDoAnimation = true;
      FForm->NewGame1Click(FForm->Restart1);
      PreferencesDlg->FDoAnimation = false;
      FPhase = QStringLiteral("stock turned");
      if (TurnTheStock()) {
        FForm->grab();  // the watched views paint once more, however the game asked for it
        Shot(shot + QStringLiteral("-turned"));
        FPhase = QStringLiteral("redeal");
        Click(FForm->DeckPileView);  // redeals where the game allows it
        FForm->grab();
      }
      if (GameInfo(game).Section == QLatin1String("AcesUp")) {
        FPhase = QStringLiteral("thirteen cards a column");
        DealNumber(2000000000);
        for (int deal = 0; deal < 12; ++deal) Click(FForm->DeckPileView);
        for (TCardPileView* column : FForm->FTableau) EXPECT_EQ(column->FCards->Count(), 13);
        CheckSqueezed(design);
        Shot(shot + QStringLiteral("-thirteen"));
      }
      FPhase = QStringLiteral("minimum size");
      for (TCardPileView* view : FForm->findChildren<TCardPileView*>()) view->removeEventFilter(&watch);
      DealNumber(2000000000);
      FForm->resize(FForm->minimumSize());
      CheckSqueezed(design);
      Shot(shot + QStringLiteral("-minimum"));
      FPhase = QStringLiteral("minimum size, stock turned");
      if (TurnTheStock()) CheckSqueezed(design);
      if (GameInfo(game).Section == QLatin1String("AcesUp")) {
        FPhase = QStringLiteral("minimum size, thirteen cards a column");
        DealNumber(2000000000);
        for (int deal = 0; deal < 12; ++deal) Click(FForm->DeckPileView);
        CheckSqueezed(design);
        Shot(shot + QStringLiteral("-minimum-thirteen"));
      }
      EXPECT_TRUE(FOutside.isEmpty()) << FOutside.join(QLatin1Char('\n')).toStdString();
      FOutside.clear();
      Close();
    }
}

}  // namespace
