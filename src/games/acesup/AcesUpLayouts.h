#pragma once
// Aces Up's window at the three card sizes: the stock at the left, the four piles in the
// middle fanned downwards, the discard pile at the right.

#include "games/Layout.h"

namespace AcesUpLayouts {

inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "FormMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};
inline constexpr TEventBindings DiscardEvents{{{"OnDragOver", "FormDragOver"},
                                               {"OnMouseDown", "FormMouseDown"}}};

inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps StockProps{.ShowHint = true};
inline constexpr TPileProps DiscardProps{};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"TableauPileView1", Pile, 162, 8, 80, 408, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 258, 8, 80, 408, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 354, 8, 80, 408, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 450, 8, 80, 408, TopBottom, TableauProps, TableauEvents},
    {"DeckPileView", Pile, 8, 8, 130, 136, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 562, 8, 80, 136, Top, DiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"GameNumPanel", 140, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 650, .ClientHeight = 450,
                                   .MinWidth = 650, .MinHeight = 300, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"TableauPileView1", Pile, 150, 8, 61, 412, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 230, 8, 61, 412, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 310, 8, 61, 412, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 390, 8, 61, 412, TopBottom, TableauProps, TableauEvents},
    {"DeckPileView", Pile, 8, 8, 110, 106, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 500, 8, 61, 106, Top, DiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"GameNumPanel", 140, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 582, .ClientHeight = 450,
                                   .MinWidth = 500, .MinHeight = 300, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"TableauPileView1", Pile, 200, 10, 120, 547, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 344, 10, 120, 547, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 488, 10, 120, 547, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 632, 10, 120, 547, TopBottom, TableauProps, TableauEvents},
    {"DeckPileView", Pile, 10, 10, 172, 202, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 786, 10, 120, 202, Top, DiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"GameNumPanel", 180, 1}, {"StockPanel", 90}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 926, .ClientHeight = 603,
                                  .MinWidth = 850, .MinHeight = 500, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace AcesUpLayouts
