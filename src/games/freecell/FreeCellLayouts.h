#pragma once
// The FreeCell family's event bindings and pile properties, and Free Cell's window at the
// three card sizes. Baker's Game shares the small and large windows.

#include "games/Layout.h"

namespace FreeCellLayouts {

inline constexpr TEventBindings TableauEvents{{{"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnDblClick", "TableauPileView1DblClick"}}};
inline constexpr TEventBindings FreeCellEvents{{{"OnMouseDown", "FreePileView1MouseDown"},
                                               {"OnDragOver", "FreePileView1DragOver"},
                                               {"OnStartDrag", "TableauPileView1StartDrag"},
                                               {"OnEndDrag", "TableauPileView1EndDrag"},
                                               {"OnDblClick", "TableauPileView1DblClick"}}};
// A press on a foundation after a win opens the win dialog, as on the table.
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundPileView1DragOver"},
                                                 {"OnMouseDown", "FormMouseDown"}}};

inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps FreeCellProps{.IsBordered = true, .AllowDrag = true};
inline constexpr TPileProps FoundationProps{.IsBordered = true, .Label = "A"};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;

// Status panels: the tool bar, the autoplay box, the deal number and the score.
inline constexpr int NumberPanel = 2;
inline constexpr int ScorePanel = 3;
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1}, {"ScorePanel", 80, 2}};

// Large cards, 80 x 125: free cells left, foundations right, eight columns below.
inline constexpr TComponentLayout LargeComponents[] = {
    {"FreePileView1", Pile, 8, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 96, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 184, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 272, 8, 80, 125, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 424, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 512, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 600, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 688, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 40, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 128, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 216, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 304, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 392, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 480, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 568, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 656, 140, 80, 401, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 776, .ClientHeight = 541,
                                   .MinWidth = 776, .MinHeight = 480, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"FreePileView1", Pile, 8, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 75, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 142, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 209, 8, 61, 95, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 320, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 387, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 454, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 521, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 16, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 87, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 158, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 229, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 300, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 371, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 442, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 513, 111, 61, 298, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 590, .ClientHeight = 409,
                                   .MinWidth = 590, .MinHeight = 300, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"FreePileView1", Pile, 12, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView2", Pile, 144, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView3", Pile, 276, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FreePileView4", Pile, 408, 12, 120, 188, Top, FreeCellProps, FreeCellEvents},
    {"FoundPileView1", Pile, 575, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView2", Pile, 707, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView3", Pile, 839, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundPileView4", Pile, 971, 12, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 22, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 156, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 290, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 424, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 558, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 692, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 826, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView8", Pile, 960, 212, 120, 549, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1103, .ClientHeight = 761,
                                  .MinWidth = 1100, .MinHeight = 600, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace FreeCellLayouts
