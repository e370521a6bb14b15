#pragma once
// The won-game animation: the top card of each given pile view in turn is launched from
// where it lies, falls under gravity, bounces on the bottom of the game window and leaves
// a trail of faces until it is out to the left or right; then the next card goes.
//
// The trail is drawn into an image held by a transparent, mouse-transparent child widget
// laid over the whole game window (Qt has no painting on a window outside its paint
// event). The trail stays until that part of the window repaints: whenever the window or
// one of the animated views paints for any reason other than the trail itself, the trail
// is wiped inside the region being painted, as it would be on a window that repaints over
// it. A resize of the window wipes it all. The window's own controls (its status bar)
// lie above the table, so the trail never covers them.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "engine/AnimTimer.h"

class TCard;
class TCardPileView;
class TAnimTrail;

class TspAnimate : public QObject {
  Q_OBJECT
public:
  static constexpr int MaxViews = 52;
  // Tick used when the settings hold no usable "AnimationSpeed".
  static constexpr int DefaultInterval = 13;

  // Reads "AnimationSpeed" of [Preferences] from the given settings file (the program's
  // settings file when empty): milliseconds per tick, any positive value; -100, absent,
  // zero or negative gives DefaultInterval.
  explicit TspAnimate(const QString& settingsFile = QString());
  ~TspAnimate() override;

  // Launches the top cards of the views (at most MaxViews) in turn over form, the widget
  // the views lie in. Cards leave the views' piles but are not freed. Nothing runs when
  // the views hold no cards.
  void Start(int pileCount, TCardPileView** piles, bool launchUp, QWidget* form);
  void Stop();
  void LaunchNextCard();
  // One tick: move, bounce and draw the current card, or launch the next when it is out.
  void Step();

  TAnimTimer* Timer() const { return FTimer; }
  // The trail drawn since the window last repainted (transparent where none lies).
  QImage TrailImage() const;

  // ---- state (read by tests and callers; Step and LaunchNextCard own it)
  float FX = 0, FY = 0;    // launch position of the current card
  float FVX = 0, FVY = 0;  // velocity, pixels per tick
  float FGravity = 0;
  float FCurX = 0, FCurY = 0;
  float FXBounce = 0, FYBounce = 0;  // velocity kept at a bounce
  int FTotal = 0;     // cards in the views at Start
  int FLaunched = 0;  // cards that have left the window
  int FClientWidth = 0, FClientHeight = 0;
  int FCardWidth = 0, FCardHeight = 0;
  int FViewCount = 0;
  int FViewIndex = 0;
  int FDirection = 0;  // 1 moving left, 2 moving right (the spring sound's choice)
  int FInterval = DefaultInterval;
  bool FLaunchUp = false;
  bool FStopped = true;
  TCard* FCard = nullptr;  // null whenever no card is on its way

private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  QRegion TableRegion() const;
  void DrawFace(int x, int y);
  void WipeTrail(const QRegion& region);
  void EndAnimation();

  TAnimTimer* FTimer = nullptr;
  QPointer<QWidget> FForm;
  QPointer<TAnimTrail> FTrail;
  QPointer<TCardPileView> FViews[MaxViews];
  bool FDrawing = false;    // paint events caused by the trail itself
  bool FTrailDrawn = false; // something drawn since the trail was last cleared
};
