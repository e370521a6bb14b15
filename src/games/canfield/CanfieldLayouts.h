#pragma once
// Canfield's window at the three card sizes.

#include "games/Layout.h"

namespace CanfieldLayouts {

// Foundations, reserve and waste give only their top card.
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundationPile1DragOver"},
                                                 {"OnStartDrag", "TableauPileView1StartDrag"},
                                                 {"OnEndDrag", "TableauPileView1EndDrag"},
                                                 {"OnMouseDown", "DiscardPileViewMouseDown"}}};
inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDblClick", "DiscardPileViewDblClick"}}};
inline constexpr TEventBindings TopCardEvents{{{"OnDragOver", "FormDragOver"},
                                               {"OnStartDrag", "TableauPileView1StartDrag"},
                                               {"OnEndDrag", "TableauPileView1EndDrag"},
                                               {"OnMouseDown", "DiscardPileViewMouseDown"},
                                               {"OnDblClick", "DiscardPileViewDblClick"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "FormMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};

inline constexpr TPileProps FoundationProps{.IsBordered = true, .AllowDrag = true, .Label = "A"};
inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps ReserveProps{.AllowDrag = true, .YOffset = 4};
inline constexpr TPileProps WasteProps{.AllowDrag = true};
inline constexpr TPileProps StockProps{.ShowHint = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;
inline constexpr auto Waste = TComponentKind::WastePileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"DeckPileView", Pile, 8, 8, 121, 131, Top, StockProps, StockEvents},  // the 34-card block
    {"DiscardPileView", Waste, 144, 8, 137, 131, Top, WasteProps, TopCardEvents},
    {"FoundationPile1", Pile, 296, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 392, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 488, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 584, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"ReservePileView", Pile, 72, 152, 80, 374, TopBottom, ReserveProps, TopCardEvents},
    {"TableauPileView1", Pile, 200, 152, 80, 374, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 296, 152, 80, 374, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 392, 152, 80, 374, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 488, 152, 80, 374, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"DrawPanel", 55}, {"AutoPlayPanel", 80, 0, 5, 2},
    {"GameNumPanel", 130, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 672, .ClientHeight = 528,
                                   .MinWidth = 672, .MinHeight = 480, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"DeckPileView", Pile, 17, 8, 102, 101, Top, StockProps, StockEvents},
    {"DiscardPileView", Waste, 122, 8, 108, 101, Top, WasteProps, TopCardEvents},
    {"FoundationPile1", Pile, 257, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 329, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 401, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 473, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"ReservePileView", Pile, 89, 120, 61, 289, TopBottom, ReserveProps, TopCardEvents},
    {"TableauPileView1", Pile, 185, 120, 61, 289, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 257, 120, 61, 289, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 329, 120, 61, 289, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 401, 120, 61, 289, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"DrawPanel", 48}, {"AutoPlayPanel", 72, 0, 5, 2},
    {"GameNumPanel", 110, 1}, {"StockPanel", 55}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 550, .ClientHeight = 433,
                                   .MinWidth = 525, .MinHeight = 300, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"DeckPileView", Pile, 15, 8, 161, 194, Top, StockProps, StockEvents},
    {"DiscardPileView", Waste, 190, 8, 177, 194, Top, WasteProps, TopCardEvents},
    {"FoundationPile1", Pile, 410, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 548, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 686, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 824, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"ReservePileView", Pile, 134, 208, 120, 487, TopBottom, ReserveProps, TopCardEvents},
    {"TableauPileView1", Pile, 272, 208, 120, 487, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 410, 208, 120, 487, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 548, 208, 120, 487, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 686, 208, 120, 487, TopBottom, TableauProps, TableauEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"DrawPanel", 70}, {"AutoPlayPanel", 100, 0, 5, 2},
    {"GameNumPanel", 180, 1}, {"StockPanel", 80}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 964, .ClientHeight = 731,
                                  .MinWidth = 900, .MinHeight = 600, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace CanfieldLayouts
