#include "widgets/FormPlacement.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <climits>
#include <exception>

#include "platform/IniFile.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "widgets/WindowFrame.h"

namespace {

// Windows' show commands and placement flags, the numbers the file holds.
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;

// Border of a window that cannot be resized, and the thin line of one without a caption.
constexpr int FixedFrame = 3;
constexpr int ThinBorder = 1;

int PixelsPerInch() {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    return qRound(screen->logicalDotsPerInchY());
  return 96;
}

QString ScreenSuffix() {
  const QSize s = Metrics::DesktopSize();
  return QStringLiteral("(%1x%2)").arg(s.width()).arg(s.height());
}

QString FourInts(int a, int b, int c, int d) {
  return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
}

// A word that is not a number reads 0; a number beyond the int range (even beyond 64
// bits) reads as the nearest int, so no later arithmetic on it can overflow.
qint64 WordInt(const QString& text, int n, qint64 def) {
  const QString word = NthWord(text, n);
  if (word.isEmpty()) return def;
  bool ok = false;
  const qlonglong v = word.toLongLong(&ok);
  if (ok) return std::clamp<qint64>(v, INT_MIN, INT_MAX);
  const bool negative = word.startsWith(QLatin1Char('-'));
  const QStringView digits = QStringView(word).mid(negative || word.startsWith(QLatin1Char('+')) ? 1 : 0);
  const bool number = !digits.isEmpty() &&
                      std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
  if (!number) return 0;
  return negative ? INT_MIN : INT_MAX;
}

QRect AvailableArea() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->availableGeometry();
  return QRect(QPoint(0, 0), Metrics::DesktopSize());
}

// The free area of the screen that holds most of the rectangle (the primary screen's
// when none does). Coordinates are 64-bit: a stored rectangle may be any size.
QRect AreaHolding(qint64 left, qint64 top, qint64 width, qint64 height) {
  QRect best = AvailableArea();
  qint64 most = 0;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect a = s->availableGeometry();
    const qint64 w = std::min<qint64>(left + width, qint64(a.left()) + a.width()) - std::max<qint64>(left, a.left());
    const qint64 h = std::min<qint64>(top + height, qint64(a.top()) + a.height()) - std::max<qint64>(top, a.top());
    if (w > 0 && h > 0 && w * h > most) {
      most = w * h;
      best = a;
    }
  }
  return best;
}

// Keeps a span of the given size inside the area's span where it fits. A larger one keeps
// its inner part (the span less `before` and `after`) inside, its edges past the area's;
// where that part is larger too, it starts at the area's start.
qint64 Pull(qint64 pos, qint64 size, qint64 lo, qint64 extent, qint64 before, qint64 after) {
  if (size <= extent) return std::clamp(pos, lo, lo + extent - size);
  const qint64 first = lo - before;
  return std::clamp(pos, first, std::max(first, lo + extent - size + after));
}

}  // namespace

QString NthWord(const QString& text, int n) {
  int count = 0;
  int i = 0;
  const int len = text.size();
  while (i < len) {
    while (i < len && (text[i] == ' ' || text[i] == ',')) ++i;
    if (i >= len) break;
    const int start = i;
    while (i < len && text[i] != ' ' && text[i] != ',') ++i;
    if (++count == n) return text.mid(start, i - start);
  }
  return {};
}

void TWinMinMaxInfo::Set(int index, int value) {
  if (FValues[index] == value) return;
  FValues[index] = value;
  if (OnChange) OnChange();
}

void TWinMinMaxInfo::Assign(const TWinMinMaxInfo& other) {
  if (std::equal(std::begin(FValues), std::end(FValues), std::begin(other.FValues))) return;
  std::copy(std::begin(other.FValues), std::end(other.FValues), std::begin(FValues));
  if (OnChange) OnChange();
}

bool TWinMinMaxInfo::DefaultMinMaxInfo() const {
  return std::all_of(std::begin(FValues), std::end(FValues), [](int v) { return v == 0; });
}

TFormPlacement::TFormPlacement(QWidget* form) : QObject(form), FForm(form) {
  FMinMaxInfo.OnChange = [this] { UpdatePlacement(); };
  if (!form) return;
  form->installEventFilter(this);
}

TFormPlacement::~TFormPlacement() {
  if (!FForm) return;
  FForm->removeEventFilter(this);
  // Closing without a close request (program end): the window still holds its placement.
  if (Active && !FSaved) {
    FDestroying = true;
    try {
      StorePlacement();
    } catch (const std::exception& e) {
      qWarning("Window placement not saved: %s", e.what());
    }
    FDestroying = false;
  }
}

QString TFormPlacement::IniFileName() const {
  return FIniFileName.isEmpty() ? Paths::SettingsFilePath() : FIniFileName;
}

QString TFormPlacement::IniSection() const {
  if (!FIniSection.isEmpty() || !FForm) return FIniSection;
  return QString::fromLatin1(FForm->metaObject()->className());
}

int TFormPlacement::MaxPosBorder() const {
  if (!FForm || FForm->windowFlags().testFlag(Qt::FramelessWindowHint)) return 0;
  if (FSizeable) return Metrics::FrameWidth;
  if (qobject_cast<QDialog*>(FForm.data())) return FixedFrame;
  return ThinBorder;
}

QMargins TFormPlacement::NormalFrame() {
  const bool normal = !(FForm->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  // A maximized or minimized window may wear another frame than its normal one: keep the
  // one seen while it was normal.
  if (!FNormalFrameKnown || (normal && FForm->isVisible())) {
    FNormalFrame = WindowFrame::Extents(FForm);
    FNormalFrameKnown = true;
  }
  return FNormalFrame;
}

QRect TFormPlacement::OuterNormalRect() {
  const bool normal = !(FForm->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
  QRect client = normal ? FForm->geometry() : FForm->normalGeometry();
  if (client.isEmpty()) client = FForm->geometry();
  const QMargins m = NormalFrame();
  return client.marginsAdded(m);
}

// Puts the frame at the outer rectangle's top-left and gives the client area the rest.
void TFormPlacement::PlaceOuterRect(const QRect& outer) {
  const QMargins m = WindowFrame::Extents(FForm);
  FNormalFrame = m;
  FNormalFrameKnown = true;
  QRect client = outer.marginsRemoved(m);
  if (!FSizeable) client.setSize(FForm->size());
  // Setting the client rectangle (rather than moving the window) makes Qt ask for static
  // gravity, so the window manager puts the client area exactly there and the frame
  // around it, also for a window it has not framed yet.
  FForm->setGeometry(client);
}

// A stored rectangle may come from a larger screen or a damaged file, and a window's own
// first place may be too large for a small screen: the window gets no larger than the free
// area of its screen (frame included) and no smaller than its minimum, and the whole
// frame, title bar and status bar alike, is moved onto that area. A frame wider or taller
// than the area keeps its client area and title bar on it, the side borders and bottom
// edge running past; where even those do not fit, the client area's left edge and the
// title bar stay on it. A rectangle that fits is kept as it is.
QRect TFormPlacement::FitOnScreen(qint64 left, qint64 top, qint64 width, qint64 height) {
  const QRect area = AreaHolding(left, top, width, height);
  const QMargins frame = WindowFrame::Extents(FForm);
  if (FSizeable) {
    const QSize least = FForm->minimumSize().grownBy(frame);
    const QSize most = FForm->maximumSize().grownBy(frame).boundedTo(area.size()).expandedTo(least);
    width = std::clamp<qint64>(width, least.width(), most.width());
    height = std::clamp<qint64>(height, least.height(), most.height());
  }
  return QRect(int(Pull(left, width, area.left(), area.width(), frame.left(), frame.right())),
               int(Pull(top, height, area.top(), area.height(), 0, frame.bottom())), int(width), int(height));
}

void TFormPlacement::StorePlacement() {
  if (!FForm) return;
  // Never shown, never restored: what the window holds is not a placement of the user's.
  if (Active && !FRestored) return;
  // Placed without the stored placement (another copy's lock kept the file from being
  // read) and left there: storing it would replace the user's placement with a default.
  if (FPlacedWithoutFile && !(FForm->windowState() & Qt::WindowMaximized) &&
      FForm->geometry() == FPlaceWithoutFile)
    return;
  TIniFile ini(IniFileName());
  ini.WriteInteger(IniSection(), QStringLiteral("FormVersion"), Version);
  WritePlacementKeys();
  if (Options & fpActiveControl) {
    QWidget* focus = FForm->focusWidget();
    if (focus && focus != FForm && FForm->isAncestorOf(focus) && !focus->objectName().isEmpty())
      ini.WriteString(IniSection(), QStringLiteral("ActiveControl"), focus->objectName());
  }
  ini.WriteString(IniSection(), QStringLiteral("Visible"),
                  FDestroying ? QStringLiteral("1") : QStringLiteral("0"));
  if (OnSavePlacement) OnSavePlacement();
  FSaved = true;
}

void TFormPlacement::WritePlacementKeys() {
  TIniFile ini(IniFileName());
  const QString section = IniSection();
  const Qt::WindowStates state = FForm->windowState();
  // Never minimized: the whole program minimizes together, and a window that came back
  // minimized at the next start could not be found. It keeps the state it will restore to.
  const int showCmd = (state & Qt::WindowMaximized) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  const int flags = 0;
  const QRect r = OuterNormalRect();
  const QString suffix = ScreenSuffix();
  const QString minMax = FourInts(-1, -1, FMaxPos.x(), FMaxPos.y());
  const QString norm = FourInts(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
  ini.WriteInteger(section, QStringLiteral("Flags"), flags);
  ini.WriteInteger(section, QStringLiteral("ShowCmd"), showCmd);
  ini.WriteInteger(section, QStringLiteral("PixelsPerInch"), PixelsPerInch());
  ini.WriteString(section, QStringLiteral("MinMaxPos") + suffix, minMax);
  ini.WriteString(section, QStringLiteral("MinMaxPos"), minMax);
  ini.WriteString(section, QStringLiteral("NormPos") + suffix, norm);
  ini.WriteString(section, QStringLiteral("NormPos"), norm);
}

void TFormPlacement::LoadPlacement() {
  if (!FForm) return;
  FSaved = false;
  const TIniFile ini(IniFileName());
  bool placed = false;
  if (ini.ReadInteger(IniSection(), QStringLiteral("FormVersion"), 0) >= Version) {
    placed = ReadPlacementKeys(Options & fpPosition, Options & fpState);
    FRestored = true;
    if (OnRestorePlacement) OnRestorePlacement();
    if (Options & fpActiveControl) {
      const QString name = ini.ReadString(IniSection(), QStringLiteral("ActiveControl"), QString());
      QWidget* control = name.isEmpty() ? nullptr : FForm->findChild<QWidget*>(name);
      if (control && control->isEnabled() && control->focusPolicy() != Qt::NoFocus) control->setFocus();
    }
  }
  FRestored = true;
  if (!placed) FitFirstPlacement();
  FPlacedWithoutFile = ProfileUnread(IniFileName());
  FPlaceWithoutFile = FForm->geometry();
  UpdatePlacement();
}

// With nothing stored the window opens where its own code put it, fitted to the screen as
// a stored rectangle is; one that fits stays exactly there. A window without a position
// of its own is left to the window manager.
void TFormPlacement::FitFirstPlacement() {
  const Qt::WindowStates notNormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
  if (!FForm->testAttribute(Qt::WA_Moved) || (FForm->windowState() & notNormal)) return;
  // A window's position is its frame's, also before the frame exists.
  const QRect outer(FForm->pos(), FForm->size().grownBy(WindowFrame::Extents(FForm)));
  const QRect fitted = FitOnScreen(outer.left(), outer.top(), outer.width(), outer.height());
  if (fitted != outer) PlaceOuterRect(fitted);
}

bool TFormPlacement::ReadPlacementKeys(bool loadPosition, bool loadState) {
  if (!loadPosition && !loadState) return false;
  bool placed = false;
  const TIniFile ini(IniFileName());
  const QString section = IniSection();
  if (loadPosition) {
    const QString suffix = ScreenSuffix();
    auto readPos = [&](const QString& key) {
      QString v = ini.ReadString(section, key + suffix, QString());
      if (v.isEmpty()) v = ini.ReadString(section, key, QString());
      return v;
    };
    const QString minMax = readPos(QStringLiteral("MinMaxPos"));
    const QString norm = readPos(QStringLiteral("NormPos"));
    const int ppi = ini.ReadInteger(section, QStringLiteral("PixelsPerInch"), PixelsPerInch());
    if ((!minMax.isEmpty() || !norm.isEmpty()) && ppi == PixelsPerInch()) {
      const QRect cur = FForm->geometry().marginsAdded(WindowFrame::Extents(FForm));
      const qint64 left = WordInt(norm, 1, cur.left());
      const qint64 top = WordInt(norm, 2, cur.top());
      qint64 right = WordInt(norm, 3, qint64(cur.left()) + cur.width());
      qint64 bottom = WordInt(norm, 4, qint64(cur.top()) + cur.height());
      // A window of fixed size takes only the stored position.
      // A hand-edited or damaged rectangle keeps the window's own size.
      if (!FSizeable || right <= left || bottom <= top) {
        right = left + cur.width();
        bottom = top + cur.height();
      }
      const QRect outer = FitOnScreen(left, top, right - left, bottom - top);
      const bool wasMaximized = FForm->windowState() & Qt::WindowMaximized;
      if (wasMaximized) FForm->setWindowState(FForm->windowState() & ~Qt::WindowMaximized);
      PlaceOuterRect(outer);
      placed = true;
      if (wasMaximized) FForm->setWindowState(FForm->windowState() | Qt::WindowMaximized);
    }
  }
  if (loadState) {
    const int showCmd = ini.ReadInteger(section, QStringLiteral("ShowCmd"), 0);
    Qt::WindowStates state = FForm->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    switch (showCmd) {
      case 1: case 5: case 9:
        FForm->setWindowState(state);
        break;
      case 2: case 6: case 7:
        FForm->setWindowState(state | Qt::WindowMinimized);
        break;
      case 3:
        FForm->setWindowState(state | Qt::WindowMaximized);
        break;
      default:
        break;
    }
  }
  return placed;
}

void TFormPlacement::UpdatePlacement() {
  if (!FForm) return;
  ApplyMinMaxInfo();
  if (FPreventResize || !FMinMaxInfo.DefaultMinMaxInfo()) return;
  FMaxPos = QPoint(-MaxPosBorder(), -MaxPosBorder());
}

// The tracking sizes become the window's size limits (client sizes: the frame is taken
// off); a value of 0 keeps the window's own limit.
void TFormPlacement::ApplyMinMaxInfo() {
  if (!FForm || FPreventResize) return;
  if (FMinMaxInfo.DefaultMinMaxInfo()) {
    if (FMinMaxApplied) {
      FForm->setMinimumSize(FOwnMinSize);
      FForm->setMaximumSize(FOwnMaxSize);
      FMinMaxApplied = false;
    }
    return;
  }
  if (!FMinMaxApplied) {
    FOwnMinSize = FForm->minimumSize();
    FOwnMaxSize = FForm->maximumSize();
    FMinMaxApplied = true;
  }
  const QMargins m = FNormalFrameKnown ? FNormalFrame : WindowFrame::Extents(FForm);
  const int dw = m.left() + m.right();
  const int dh = m.top() + m.bottom();
  const TWinMinMaxInfo& i = FMinMaxInfo;
  auto limit = [](int outer, int frame, int own) { return outer > 0 ? std::max(0, outer - frame) : own; };
  FForm->setMinimumSize(limit(i.MinTrackWidth(), dw, FOwnMinSize.width()),
                        limit(i.MinTrackHeight(), dh, FOwnMinSize.height()));
  FForm->setMaximumSize(limit(i.MaxTrackWidth(), dw, FOwnMaxSize.width()),
                        limit(i.MaxTrackHeight(), dh, FOwnMaxSize.height()));
  ApplyMaximizedSize();
}

// The maximized size bounds only a maximized window. There is no maximized size among
// the hints an X11 window gives its window manager, but window managers fit a maximized
// window to the work area within the window's size limits: so while the window is
// maximized it announces the maximized size as its largest (the widget's own limit, which
// bounds resizing, stays the tracking size), and its tracking size again once restored.
void TFormPlacement::ApplyMaximizedSize() {
  QWindow* window = FForm ? FForm->windowHandle() : nullptr;
  if (!window) return;
  QSize most = FForm->maximumSize();
  const TWinMinMaxInfo& i = FMinMaxInfo;
  const bool maximized = FForm->windowState() & Qt::WindowMaximized;
  if (maximized && !FPreventResize) {
    // The frame the window wears now: a maximized frame may be thinner than the normal one.
    const QMargins m = WindowFrame::Extents(FForm);
    if (i.MaxSizeWidth() > 0)
      most.setWidth(std::clamp(i.MaxSizeWidth() - m.left() - m.right(), 0, most.width()));
    if (i.MaxSizeHeight() > 0)
      most.setHeight(std::clamp(i.MaxSizeHeight() - m.top() - m.bottom(), 0, most.height()));
  }
  if (window->maximumSize() == most) return;
  window->setMaximumSize(most);
  if (maximized) {
    FMaxSizeAnnounced = true;
  } else if (FMaxSizeAnnounced) {
    // The window manager restored the window while it still announced the maximized size
    // and may have cut it down to that: it goes back to the rectangle it had before.
    FMaxSizeAnnounced = false;
    if (FRestoreRect.isValid() && FForm->geometry() != FRestoreRect) FForm->setGeometry(FRestoreRect);
  }
}

// Remembers the window's normal rectangle. A window manager that maximizes a window may
// move and resize it before it tells the new state, so the rectangle before the last one
// seen in the normal state is kept too.
void TFormPlacement::TrackNormalRect(QEvent* event) {
  const Qt::WindowStates state = FForm->windowState();
  const Qt::WindowStates notNormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
  if (event->type() == QEvent::WindowStateChange) {
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((state & Qt::WindowMaximized) && !(change->oldState() & notNormal)) {
      if (!event->spontaneous()) {
        FRestoreRect = FForm->normalGeometry();  // maximized by the program: Qt kept it
      } else {
        // The window manager may already have given the window the whole work area.
        const QRect area = FForm->screen() ? FForm->screen()->availableGeometry() : AvailableArea();
        const bool filled = FNormalSeen.marginsAdded(NormalFrame()).contains(area);
        FRestoreRect = filled ? FNormalBefore : FNormalSeen;
      }
    }
    return;
  }
  if (state & notNormal || !FForm->isVisible()) return;
  const QRect now = FForm->geometry();
  if (now == FNormalSeen) return;
  FNormalBefore = FNormalSeen;
  FNormalSeen = now;
}

// The maximized position is not applied: a window manager puts a maximized window at the
// corner of the work area, and moving it there would end its maximized state.
void TFormPlacement::ApplyMaximizedPlacement() {
  if (!FForm || FMinMaxInfo.DefaultMinMaxInfo()) return;
  ApplyMaximizedSize();
}

void TFormPlacement::SetPreventResize(bool value) {
  if (value == FPreventResize) return;
  FPreventResize = value;
  ApplyPreventResize();
  UpdatePlacement();
}

void TFormPlacement::ApplyPreventResize() {
  if (!FForm) return;
  // Window flags can change only while hidden (changing them hides the window); a
  // visible window keeps its buttons until it is shown again, its size is fixed at once.
  if (!FForm->isVisible()) {
    Qt::WindowFlags f = FForm->windowFlags();
    if (FPreventResize)
      f = (f | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint) &
          ~Qt::WindowMaximizeButtonHint;
    else
      f &= ~Qt::CustomizeWindowHint;
    FForm->setWindowFlags(f);
  }
  if (FPreventResize && FForm->isVisible() && !FFixedByUs) {
    FPrevMinSize = FForm->minimumSize();
    FPrevMaxSize = FForm->maximumSize();
    FForm->setFixedSize(FForm->size());
    FFixedByUs = true;
  } else if (!FPreventResize && FFixedByUs) {
    FForm->setMinimumSize(FPrevMinSize);
    FForm->setMaximumSize(FPrevMaxSize);
    FFixedByUs = false;
  }
}

bool TFormPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FForm) return QObject::eventFilter(watched, event);
  try {
    switch (event->type()) {
      case QEvent::Show:
        // Hidden without a close (to the notification area): it comes back where it was.
        if (!event->spontaneous() && FHiddenOpen) {
          FHiddenOpen = false;
        } else if (!event->spontaneous()) {
          // A window whose size its own code fixed counts as not sizeable.
          if (!FFixedByUs) FSizeable = FForm->minimumSize() != FForm->maximumSize();
          if (Active) LoadPlacement();
          // Known from here on, for a save made once the window is gone from the screen.
          if (!FNormalFrameKnown) NormalFrame();
          if (FPreventResize) {
            // The size restored above is the one the window keeps.
            if (FFixedByUs) {
              FForm->setMinimumSize(FPrevMinSize);
              FForm->setMaximumSize(FPrevMaxSize);
              FFixedByUs = false;
            }
            ApplyPreventResize();
          }
        }
        break;
      case QEvent::Close: {
        // The window's own close handler decides first; only an allowed close saves.
        static_cast<QObject*>(FForm.data())->event(event);
        if (event->isAccepted() && Active && FForm->testAttribute(Qt::WA_WState_Created))
          StorePlacement();
        return true;
      }
      case QEvent::Hide:
        if (event->spontaneous()) break;
        // Dialogs end through accept/reject, which hide without a close request.
        if (Active && !FSaved && qobject_cast<QDialog*>(FForm.data()))
          StorePlacement();
        else if (FRestored && !FSaved)
          FHiddenOpen = true;
        break;
      case QEvent::WindowStateChange:
        TrackNormalRect(event);
        ApplyMaximizedPlacement();
        break;
      case QEvent::Move:
      case QEvent::Resize:
        // Where the window manager put it before it first showed is still no place of the user's.
        if (FPlacedWithoutFile && !FForm->testAttribute(Qt::WA_Mapped)) FPlaceWithoutFile = FForm->geometry();
        TrackNormalRect(event);
        // A maximized window's frame is known once the window manager has drawn it.
        if (FForm->windowState() & Qt::WindowMaximized) ApplyMaximizedPlacement();
        break;
      default:
        break;
    }
  } catch (const std::exception& e) {
    // The window still shows or closes; the placement is simply not kept this time.
    qWarning("Window placement: %s", e.what());
  }
  return QObject::eventFilter(watched, event);
}

QString TFormPlacement::ReadSectionString(const QString& key, const QString& def) const {
  return TIniFile(IniFileName()).ReadString(IniSection(), key, def);
}

void TFormPlacement::WriteSectionString(const QString& key, const QString& value) {
  QString v = value;
  // The reader strips one pair of quotes; a value that is itself quoted gets another pair.
  if (v.size() >= 2 && ((v.startsWith('"') && v.endsWith('"')) ||
                        (v.startsWith('\'') && v.endsWith('\''))))
    v = '"' + v + '"';
  TIniFile(IniFileName()).WriteString(IniSection(), key, v);
}

int TFormPlacement::ReadSectionInteger(const QString& key, int def) const {
  return TIniFile(IniFileName()).ReadInteger(IniSection(), key, def);
}

void TFormPlacement::WriteSectionInteger(const QString& key, int value) {
  TIniFile(IniFileName()).WriteInteger(IniSection(), key, value);
}
