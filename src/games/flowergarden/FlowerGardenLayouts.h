#pragma once
// Flower Garden's window at the three card sizes: the reserve as a tall fan at the left,
// the foundations in a row at the top, the six tableau piles under them.

#include "games/Layout.h"

namespace FlowerGardenLayouts {

inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDblClick", "TableauPileView1DblClick"}}};
inline constexpr TEventBindings ReserveEvents{{{"OnDragOver", "FormDragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "ReservePileViewMouseDown"},
                                              {"OnDblClick", "ReservePileViewDblClick"}}};
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundationPileView1DragOver"}}};

inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps ReserveProps{.AllowDrag = true};
inline constexpr TPileProps FoundationProps{.IsBordered = true, .Label = "A"};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;
inline constexpr auto Reserve = TComponentKind::ReservePileView;

inline constexpr int NumberPanel = 2;
inline constexpr int ScorePanel = 3;
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2}, {"GameNumPanel", 180, 1}, {"ScorePanel", 80, 2}};

inline constexpr TComponentLayout SmallComponents[] = {
    {"ReservePileView", Reserve, 10, 8, 61, 428, TopBottom, ReserveProps, ReserveEvents},
    {"TableauPileView1", Pile, 90, 111, 61, 323, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 162, 111, 61, 323, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 234, 111, 61, 323, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 306, 111, 61, 323, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 378, 111, 61, 323, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 450, 111, 61, 323, TopBottom, TableauProps, TableauEvents},
    {"FoundationPileView1", Pile, 234, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 306, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 378, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 450, 8, 61, 95, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout LargeComponents[] = {
    {"ReservePileView", Reserve, 16, 8, 80, 510, TopBottom, ReserveProps, ReserveEvents},
    {"TableauPileView1", Pile, 128, 140, 80, 378, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 216, 140, 80, 378, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 304, 140, 80, 378, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 392, 140, 80, 378, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 480, 140, 80, 378, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 568, 140, 80, 378, TopBottom, TableauProps, TableauEvents},
    {"FoundationPileView1", Pile, 304, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 392, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 480, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 568, 8, 80, 125, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout HugeComponents[] = {
    {"ReservePileView", Reserve, 12, 8, 120, 751, TopBottom, ReserveProps, ReserveEvents},
    {"TableauPileView1", Pile, 150, 204, 120, 555, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 290, 204, 120, 555, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 430, 204, 120, 555, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 570, 204, 120, 555, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 710, 204, 120, 555, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 850, 204, 120, 555, TopBottom, TableauProps, TableauEvents},
    {"FoundationPileView1", Pile, 430, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView2", Pile, 570, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView3", Pile, 710, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPileView4", Pile, 850, 8, 120, 188, Top, FoundationProps, FoundationEvents},
};

inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 528, .ClientHeight = 460,
                                   .MinWidth = 528, .MinHeight = 350, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 660, .ClientHeight = 544,
                                   .MinWidth = 660, .MinHeight = 480, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1040, .ClientHeight = 795,
                                  .MinWidth = 940, .MinHeight = 580, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace FlowerGardenLayouts
