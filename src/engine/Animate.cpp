#include "engine/Animate.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/Card.h"
#include "engine/CardPile.h"
#include "engine/CardPileView.h"
#include "engine/Sounds.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Random.h"

// The layer the trail is drawn on: covers the whole game window, takes no mouse input,
// and shows its image over whatever lies below.
class TAnimTrail : public QWidget {
public:
  explicit TAnimTrail(QWidget* form) : QWidget(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    Fit();
  }

  // Covers the window again, with an empty trail.
  void Fit() {
    const QSize size = parentWidget()->size();
    setGeometry(QRect(QPoint(0, 0), size));
    FImage = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    FImage.fill(Qt::transparent);
  }

  QImage FImage;

protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    for (const QRect& r : event->region()) painter.drawImage(r, FImage, r);
  }
};

TspAnimate::TspAnimate(const QString& settingsFile) {
  const TIniFile ini(settingsFile.isEmpty() ? Paths::SettingsFilePath() : settingsFile);
  const int speed = ini.ReadInteger(QStringLiteral("Preferences"), QStringLiteral("AnimationSpeed"), -100);
  // Any positive interval is taken, however slow; zero or a negative value (-100 is the
  // documented "absent") would make the ticks spin: the default then.
  FInterval = speed >= 1 ? speed : DefaultInterval;

  FTimer = new TAnimTimer(this);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(unsigned(FInterval));
  FTimer->SetOnTimer([this](QObject*) { Step(); });
}

TspAnimate::~TspAnimate() {
  FTimer->SetEnabled(false);
  delete FTrail.data();
}

QImage TspAnimate::TrailImage() const { return FTrail ? FTrail->FImage : QImage(); }

void TspAnimate::Start(int pileCount, TCardPileView** piles, bool launchUp, QWidget* form) {
  FTimer->SetEnabled(false);
  for (QPointer<TCardPileView>& view : FViews) {
    if (view) view->removeEventFilter(this);
    view = nullptr;
  }
  if (FForm && FForm != form) FForm->removeEventFilter(this);

  FViewCount = (piles && form) ? std::clamp(pileCount, 0, MaxViews) : 0;
  FTotal = 0;
  for (int i = 0; i < FViewCount; ++i) {
    FViews[i] = piles[i];
    if (!piles[i]) continue;
    piles[i]->installEventFilter(this);
    if (piles[i]->FCards) FTotal += piles[i]->FCards->Count();
  }
  FForm = form;
  FLaunchUp = launchUp;
  if (form) {
    form->installEventFilter(this);
    if (!FTrail || FTrail->parentWidget() != form) {
      delete FTrail.data();
      FTrail = new TAnimTrail(form);
      FTrailDrawn = false;
    } else if (FTrail->size() != form->size()) {
      FTrail->Fit();
      FTrailDrawn = false;
    }
    FTrail->raise();
    FTrail->show();
  }
  const QSize card = TCard::CardPixelSize(TCard::GetCardSize());
  FCardWidth = card.width();
  FCardHeight = card.height();
  FLaunched = 0;
  FViewIndex = 0;
  FStopped = false;
  FCard = nullptr;
  LaunchNextCard();
  // Only when a card is on its way: with no cards the timer stays off.
  if (FCard) FTimer->SetEnabled(true);
}

void TspAnimate::Stop() {
  FTimer->SetEnabled(false);
  FStopped = true;
  // The game may free its cards once stopped.
  FCard = nullptr;
}

void TspAnimate::EndAnimation() {
  FTimer->SetEnabled(false);
  FCard = nullptr;
}

void TspAnimate::LaunchNextCard() {
  FCard = nullptr;
  if (FLaunched >= FTotal || FStopped || !FForm || FViewCount <= 0) {
    EndAnimation();
    return;
  }
  if (FViewIndex >= FViewCount) FViewIndex = 0;
  // Round the views from the current one; one full round without a card means the views
  // were emptied behind the animation's back, and it ends.
  TCardPileView* view = nullptr;
  for (int tries = 0; tries < FViewCount && !FCard; ++tries) {
    view = FViews[FViewIndex];
    if (view && view->FCards) FCard = view->FCards->CardAt(TopOfPile);
    if (!FCard) FViewIndex = (FViewIndex + 1) % FViewCount;
  }
  if (!FCard) {
    EndAnimation();
    return;
  }

  view->FCards->RemoveCard(FCard);
  const QPoint origin = FForm->isAncestorOf(view) ? view->mapTo(FForm.data(), QPoint(0, 0)) : view->pos();
  FX = float(origin.x()) + FCard->FX;
  FY = float(origin.y()) + FCard->FY;
  FCurX = FX;
  FCurY = FY;

  const int h = Random::Next() % 21 - 10;
  const int speed = Random::Next() % 7 + 4;
  if (h < 0) {
    FVX = float(-speed);
    FDirection = 1;
  } else {
    FVX = float(speed);
    FDirection = 2;
  }
  if (FLaunchUp)
    FVY = float(-(Random::Next() % 16 + 20));
  else
    FVY = float(Random::Next() % 7 + 3);
  FGravity = float(Random::Next() % 11 + 5) * 0.1f;
  FXBounce = float(Random::Next() % 20 + 90) * 0.01f;
  FYBounce = float(Random::Next() % 20 + 70) * 0.01f;

  DrawFace(int(FCurX), int(FCurY));
}

void TspAnimate::Step() {
  // A closed window has freed its cards: never touch the current one then.
  if (!FForm) {
    Stop();
    return;
  }
  if (FStopped || !FCard) {
    EndAnimation();
    return;
  }
  FClientWidth = FForm->width();
  FClientHeight = FForm->height();
  if (-FCardWidth < FCurX && FCurX < FClientWidth) {
    FCurX += FVX;
    FCurY += FVY;
    FVY += FGravity;
    const bool bounce = FCurY > float(FClientHeight - FCardHeight);
    if (bounce) FCurY = float(FClientHeight - FCardHeight);
    DrawFace(int(FCurX), int(FCurY));
    if (bounce) {
      FVY = -(FVY * FYBounce);
      FVX = FVX * FXBounce;
      // At least a pixel a tick, so every card leaves the window in the end.
      if (std::fabs(FVX) < 1) FVX = FVX > 0 ? 1.0f : -1.0f;
      if (SoundManager) SoundManager->PlayBoing(FDirection);
    }
  } else {
    ++FLaunched;
    ++FViewIndex;
    LaunchNextCard();
  }
}

// The window's own controls (the status bar with its tool bar and panels) lie above the
// table: a card passes under them, so the trail never covers them. Only the pile views
// (and whatever holds them) are painted over.
QRegion TspAnimate::TableRegion() const {
  QRegion table(FTrail->rect());
  for (QObject* child : FForm->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget == FTrail || widget->isHidden() || widget->isWindow()) continue;
    if (qobject_cast<TCardPileView*>(widget) || widget->findChild<TCardPileView*>() ||
        widget->testAttribute(Qt::WA_TransparentForMouseEvents))
      continue;
    table -= widget->geometry();
  }
  return table;
}

void TspAnimate::DrawFace(int x, int y) {
  if (!FTrail || !FCard || !FForm) return;
  {
    QPainter painter(&FTrail->FImage);
    painter.setClipRegion(TableRegion());
    FCard->DrawBitmapOnCanvas(QPoint(x, y), &painter);
  }
  FTrailDrawn = true;
  // Shown at once, like drawing on the window itself; the paints this causes below the
  // trail are its own, not a repaint that wipes it.
  FDrawing = true;
  FTrail->repaint(QRect(x, y, FCardWidth, FCardHeight));
  FDrawing = false;
}

void TspAnimate::WipeTrail(const QRegion& region) {
  // The views stay watched after the animation: skip the work once nothing is left.
  if (!FTrail || !FTrailDrawn || region.isEmpty()) return;
  if ((QRegion(FTrail->rect()) - region).isEmpty()) {
    FTrail->FImage.fill(Qt::transparent);
    FTrailDrawn = false;
    return;
  }
  QPainter painter(&FTrail->FImage);
  painter.setCompositionMode(QPainter::CompositionMode_Clear);
  for (const QRect& r : region) painter.fillRect(r, Qt::transparent);
}

bool TspAnimate::eventFilter(QObject* watched, QEvent* event) {
  if (!FTrail || !FForm) return false;
  if (watched == FForm && event->type() == QEvent::Resize) {
    FTrail->Fit();
    FTrailDrawn = false;
  } else if (event->type() == QEvent::Paint && !FDrawing) {
    const QRegion region = static_cast<QPaintEvent*>(event)->region();
    if (watched == FForm) {
      WipeTrail(region);
    } else if (auto* view = qobject_cast<TCardPileView*>(watched)) {
      const QPoint origin = FForm->isAncestorOf(view) ? view->mapTo(FForm.data(), QPoint(0, 0)) : view->pos();
      WipeTrail(region.translated(origin));
    }
  }
  return false;
}
