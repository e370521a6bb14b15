#include "games/FormBuilder.h"

#include <stdexcept>

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
    built.append({view, design, item.Anchors});
  }
  return built;
}

void ApplyAnchors(const QList<TBuiltComponent>& components, QSize design, QSize area) {
  const int dw = area.width() - design.width();
  const int dh = area.height() - design.height();
  for (const TBuiltComponent& c : components) {
    QRect r = c.Design;
    const bool left = c.Anchors & akLeft, right = c.Anchors & akRight;
    const bool top = c.Anchors & akTop, bottom = c.Anchors & akBottom;
    if (left && right) r.setWidth(std::max(0, r.width() + dw));
    else if (right) r.moveLeft(r.left() + dw);
    if (top && bottom) r.setHeight(std::max(0, r.height() + dh));
    else if (bottom) r.moveTop(r.top() + dh);
    if (r != c.View->geometry()) c.View->setGeometry(r);
  }
}

int FittedFanStep(int spacing, int viewHeight, int cardHeight, int cards, int minimum) {
  if (cards < 2) return spacing;
  const int fit = (viewHeight - cardHeight) / (cards - 1);
  return std::max(minimum, std::min(spacing, fit));
}

}  // namespace FormBuilder
