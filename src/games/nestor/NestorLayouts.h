#pragma once
// Nestor's window at the three card sizes: the reserve row at the top, the eight columns
// below it fanned downwards, the discard pile along the bottom. The columns grow and the
// discard pile moves with the window's height (TNestorMetrics).

#include "games/Layout.h"

namespace NestorLayouts {

// FormResize: with s the status bar's height while it shows (else 0), each column's height
// is ClientHeight + ColumnExtra - (Base + s) and the discard pile's top is
// ClientHeight + DiscardExtra - (Base + s). At the design size a column holds six whole
// cards at the default spacing (22, 28 or 42 pixels), a little above the discard pile.
struct TNestorMetrics {
  int ColumnExtra, DiscardExtra, Base;
};
inline constexpr TNestorMetrics SmallMetrics{227, 344, 448};
inline constexpr TNestorMetrics LargeMetrics{320, 470, 604};
inline constexpr TNestorMetrics HugeMetrics{434, 643, 839};

// Columns and reserve piles take their cards out by hand (the pair goes to the discard
// pile, not onto the target).
inline constexpr TEventBindings PileEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                           {"OnStartDrag", "TableauPileView1StartDrag"},
                                           {"OnEndDrag", "TableauPileView1EndDrag"},
                                           {"OnMouseDown", "TableauPileView1MouseDown"}}};
inline constexpr TEventBindings DiscardEvents{{{"OnDragOver", "FormDragOver"},
                                               {"OnMouseDown", "FormMouseDown"}}};

inline constexpr TPileProps ColumnProps{.AllowDrag = true};
inline constexpr TPileProps ReserveProps{.AllowDrag = true};
// The discard pile is a wide view: its cards fan to the right.
inline constexpr TPileProps SmallDiscardProps{.XOffset = 12, .SideFan = true};
inline constexpr TPileProps LargeDiscardProps{.XOffset = 16, .SideFan = true};
inline constexpr TPileProps HugeDiscardProps{.XOffset = 24, .SideFan = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr auto Pile = TComponentKind::PileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"TableauPileView1", Pile, 11, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"TableauPileView2", Pile, 99, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"TableauPileView3", Pile, 187, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"TableauPileView4", Pile, 275, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"TableauPileView5", Pile, 363, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"TableauPileView6", Pile, 451, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"TableauPileView7", Pile, 539, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"TableauPileView8", Pile, 627, 141, 80, 294, Top, ColumnProps, PileEvents},
    {"PlayPileView1", Pile, 187, 8, 80, 125, Top, ReserveProps, PileEvents},
    {"PlayPileView2", Pile, 275, 8, 80, 125, Top, ReserveProps, PileEvents},
    {"PlayPileView3", Pile, 363, 8, 80, 125, Top, ReserveProps, PileEvents},
    {"PlayPileView4", Pile, 451, 8, 80, 125, Top, ReserveProps, PileEvents},
    {"DiscardPileView", Pile, 11, 444, 696, 130, Top, LargeDiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout LargePanels[] = {{"SpeedPanel", 210}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 723, .ClientHeight = 604,
                                   .MinWidth = 725, .MinHeight = 500, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"TableauPileView1", Pile, 12, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"TableauPileView2", Pile, 84, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"TableauPileView3", Pile, 156, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"TableauPileView4", Pile, 228, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"TableauPileView5", Pile, 300, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"TableauPileView6", Pile, 372, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"TableauPileView7", Pile, 444, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"TableauPileView8", Pile, 516, 108, 61, 205, Top, ColumnProps, PileEvents},
    {"PlayPileView1", Pile, 156, 6, 61, 95, Top, ReserveProps, PileEvents},
    {"PlayPileView2", Pile, 228, 6, 61, 95, Top, ReserveProps, PileEvents},
    {"PlayPileView3", Pile, 300, 6, 61, 95, Top, ReserveProps, PileEvents},
    {"PlayPileView4", Pile, 372, 6, 61, 95, Top, ReserveProps, PileEvents},
    {"DiscardPileView", Pile, 12, 322, 565, 100, Top, SmallDiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {{"SpeedPanel", 170}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 591, .ClientHeight = 448,
                                   .MinWidth = 593, .MinHeight = 400, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"TableauPileView1", Pile, 14, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"TableauPileView2", Pile, 142, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"TableauPileView3", Pile, 270, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"TableauPileView4", Pile, 398, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"TableauPileView5", Pile, 526, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"TableauPileView6", Pile, 654, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"TableauPileView7", Pile, 782, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"TableauPileView8", Pile, 910, 204, 120, 398, Top, ColumnProps, PileEvents},
    {"PlayPileView1", Pile, 270, 8, 120, 188, Top, ReserveProps, PileEvents},
    {"PlayPileView2", Pile, 398, 8, 120, 188, Top, ReserveProps, PileEvents},
    {"PlayPileView3", Pile, 526, 8, 120, 188, Top, ReserveProps, PileEvents},
    {"PlayPileView4", Pile, 654, 8, 120, 188, Top, ReserveProps, PileEvents},
    {"DiscardPileView", Pile, 14, 607, 1016, 192, Top, HugeDiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout HugePanels[] = {{"SpeedPanel", 306}, {"GameNumPanel", 180, 1}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1049, .ClientHeight = 839,
                                  .MinWidth = 1000, .MinHeight = 740, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace NestorLayouts
