#include "games/FormBuilder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "engine/PyramidPileView.h"
#include "engine/ReservePileView.h"
#include "engine/WastePileView.h"

namespace FormBuilder {
namespace {

[[noreturn]] void Missing(const char* what, const QString& name) {
  throw std::invalid_argument(std::string(what) + " " + name.toStdString());
}

template <typename Map, typename Event>
void Assign(const Map& map, const QString& handler, Event& event) {
  auto it = map.find(handler);
  if (it == map.end()) Missing("no handler", handler);
  event = it.value();
}

TCardPileView* Make(TComponentKind kind, QWidget* form) {
  switch (kind) {
    case TComponentKind::WastePileView: return new TWastePileView(form);
    case TComponentKind::PyramidPileView: return new TPyramidPileView(form);
    case TComponentKind::ReservePileView: return new TReservePileView(form);
    case TComponentKind::PileView: break;
  }
  return new TCardPileView(form);
}

// A sideways fan gives up width in a narrow window, and its fan closes, rather than run
// past the window's edge; it keeps one card's width.
bool IsSideFan(const TBuiltComponent& c) {
  return c.SideFan && c.Design.width() > TCardPileView::CardSize().width();
}

int MinimumWidth(const TBuiltComponent& c) {
  return IsSideFan(c) ? TCardPileView::CardSize().width() : c.Design.width();
}

bool FixedLeft(const TBuiltComponent& c) { return (c.Anchors & akRight) == 0; }

// Closes the gaps of a layout in a window narrower than the layout. The piles that keep
// their place from the left cover spans of the table (a sideways fan only its first
// card); the space between the spans, and the margins, shrink by one factor, so the
// gaps close evenly and every pile keeps its width, until the last pile ends inside the
// window. The right margin counts as wide as the layout's own, but no wider than its
// left margin.
class TColumnCloser {
public:
  TColumnCloser(const std::vector<const TBuiltComponent*>& piles, int designWidth, int width) {
    int first = INT_MAX, last = 0;
    for (const TBuiltComponent* c : piles) {
      FSpans.push_back({c->Design.left(), c->Design.left() + MinimumWidth(*c)});
      first = std::min(first, c->Design.left());
      last = std::max(last, c->Design.left() + c->Design.width());
    }
    if (FSpans.empty()) return;
    std::sort(FSpans.begin(), FSpans.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& span : FSpans) {
      if (!merged.empty() && span.first <= merged.back().second)
        merged.back().second = std::max(merged.back().second, span.second);
      else
        merged.push_back(span);
    }
    FSpans = merged;
    int covered = 0;
    for (const auto& [from, to] : FSpans) covered += to - from;
    const int extent = last + std::max(0, std::min(first, designWidth - last));
    FFits = covered <= width;
    if (width >= extent) return;
    FScale = std::clamp(double(width - covered) / std::max(1, extent - covered), 0.0, 1.0);
  }

  // False when the piles side by side are wider than the window, gaps closed or not.
  bool Fits() const { return FFits; }

  // Where a design x lies in the narrowed window.
  int Map(int x) const {
    if (FScale >= 1.0) return x;
    int free = 0, at = 0;
    for (const auto& [from, to] : FSpans) {
      if (x <= from) break;
      free += from - at;
      if (x <= to) {
        at = x;
        break;
      }
      at = to;
    }
    free += std::max(0, x - at);
    return int(std::floor(x - (1.0 - FScale) * free));
  }

private:
  std::vector<std::pair<int, int>> FSpans;  // merged, in order
  double FScale = 1.0;
  bool FFits = true;
};

// The piles in rows: piles whose heights overlap, directly or through others, form one.
std::vector<std::vector<const TBuiltComponent*>> Rows(std::vector<const TBuiltComponent*> piles) {
  std::sort(piles.begin(), piles.end(),
            [](const TBuiltComponent* a, const TBuiltComponent* b) { return a->Design.top() < b->Design.top(); });
  std::vector<std::vector<const TBuiltComponent*>> rows;
  int bottom = INT_MIN;
  for (const TBuiltComponent* c : piles) {
    if (rows.empty() || c->Design.top() >= bottom) {
      rows.emplace_back();
      bottom = INT_MIN;
    }
    rows.back().push_back(c);
    bottom = std::max(bottom, c->Design.top() + c->Design.height());
  }
  return rows;
}

}  // namespace

void Bind(TCardPileView* view, const TEventBindings& events, const THandlerTable& handlers) {
  for (const TEventBinding& binding : events) {
    if (!binding.Event) continue;
    const QString event = QLatin1String(binding.Event);
    const QString handler = QLatin1String(binding.Handler);
    if (event == QLatin1String("OnMouseDown")) Assign(handlers.Mouse, handler, view->OnMouseDown);
    else if (event == QLatin1String("OnMouseUp")) Assign(handlers.Mouse, handler, view->OnMouseUp);
    else if (event == QLatin1String("OnClick")) Assign(handlers.Notify, handler, view->OnClick);
    else if (event == QLatin1String("OnDblClick")) Assign(handlers.Notify, handler, view->OnDblClick);
    else if (event == QLatin1String("OnStartDrag")) Assign(handlers.StartDrag, handler, view->OnStartDrag);
    else if (event == QLatin1String("OnDragOver")) Assign(handlers.DragOver, handler, view->OnDragOver);
    else if (event == QLatin1String("OnEndDrag")) Assign(handlers.EndDrag, handler, view->OnEndDrag);
    else Missing("no event", event);
  }
}

QList<TBuiltComponent> Build(QWidget* form, const TFormLayout& layout, const THandlerTable& handlers) {
  QList<TBuiltComponent> built;
  for (const TComponentLayout& item : layout.Components) {
    TCardPileView* view = Make(item.Kind, form);
    view->setObjectName(QLatin1String(item.Name));
    const QRect design(item.Left, item.Top, item.Width, item.Height);
    view->setGeometry(design);
    view->IsBordered = item.Props.IsBordered;
    view->AllowDrag = item.Props.AllowDrag;
    view->Label = QLatin1String(item.Props.Label);
    view->XOffset = item.Props.XOffset;
    view->YOffset = item.Props.YOffset;
    Bind(view, item.Events, handlers);
    built.append({view, design, item.Anchors, item.Props.SideFan});
  }
  return built;
}

void ApplyAnchors(const QList<TBuiltComponent>& components, QSize design, QSize area) {
  const int dw = area.width() - design.width();
  const int dh = area.height() - design.height();
  auto place = [dh](const TBuiltComponent& c, QRect r) {
    const bool top = c.Anchors & akTop, bottom = c.Anchors & akBottom;
    if (top && bottom) r.setHeight(std::max(0, r.height() + dh));
    else if (bottom) r.moveTop(r.top() + dh);
    if (r != c.View->geometry()) c.View->setGeometry(r);
  };
  std::vector<const TBuiltComponent*> fixed;
  for (const TBuiltComponent& c : components) {
    if (FixedLeft(c)) {
      fixed.push_back(&c);
      continue;
    }
    QRect r = c.Design;
    if (c.Anchors & akLeft) r.setWidth(std::max(0, r.width() + dw));
    else r.moveLeft(r.left() + dw);
    place(c, r);
  }
  auto closeUp = [&](const std::vector<const TBuiltComponent*>& group, const TColumnCloser& columns) {
    for (const TBuiltComponent* c : group) {
      QRect r = c->Design;
      r.moveLeft(columns.Map(c->Design.left()));
      if (IsSideFan(*c)) r.setWidth(std::max(MinimumWidth(*c), columns.Map(c->Design.right() + 1) - r.left()));
      place(*c, r);
    }
  };
  // The whole table closes its gaps as one, so piles above each other stay so; a table
  // whose rows interleave too closely for that closes each row on its own.
  const TColumnCloser whole(fixed, design.width(), area.width());
  if (whole.Fits()) {
    closeUp(fixed, whole);
    return;
  }
  for (const auto& row : Rows(fixed)) closeUp(row, TColumnCloser(row, design.width(), area.width()));
}

int FittedFanStep(int spacing, int viewHeight, int cardHeight, int cards, int minimum) {
  if (cards < 2) return spacing;
  const int fit = (viewHeight - cardHeight) / (cards - 1);
  return std::max(minimum, std::min(spacing, fit));
}

}  // namespace FormBuilder
