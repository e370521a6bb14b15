#pragma once
// Makes a layout table's pile views in a window and binds their events to the window's
// handlers by name. A layout naming an event or handler that does not exist is a
// programming error: the builder throws std::invalid_argument with the name.

#include <QHash>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include "engine/CardPileView.h"
#include "games/Layout.h"

// The handlers a window publishes, by name. A family base or game adds its own names;
// each entry calls a virtual method, so an override takes the binding over.
struct THandlerTable {
  QHash<QString, TMouseEvent> Mouse;
  QHash<QString, TNotifyEvent> Notify;
  QHash<QString, TStartDragEvent> StartDrag;
  QHash<QString, TDragOverEvent> DragOver;
  QHash<QString, TEndDragEvent> EndDrag;
};

struct TBuiltComponent {
  TCardPileView* View;
  QRect Design;     // geometry in the layout
  std::uint8_t Anchors;
  bool SideFan;     // see TPileProps
};

namespace FormBuilder {

// Creates every component of the layout as a child of form (named by objectName).
QList<TBuiltComponent> Build(QWidget* form, const TFormLayout& layout, const THandlerTable& handlers);
void Bind(TCardPileView* view, const TEventBindings& events, const THandlerTable& handlers);
// Places the components for a table area of the given size: an edge anchored on both
// sides stretches, one anchored right or bottom keeps its distance to that edge. In an
// area narrower than the layout the gaps between the other piles close evenly, and a
// sideways fan gives up width, so that the last pile still ends inside the area.
void ApplyAnchors(const QList<TBuiltComponent>& components, QSize design, QSize area);
// The step of a downward fan that keeps `cards` cards wholly inside a view of the given
// height: the spacing while they fit, else the largest step that does, never below minimum.
int FittedFanStep(int spacing, int viewHeight, int cardHeight, int cards, int minimum);

}  // namespace FormBuilder
