#pragma once
// Klondike's window at the three card sizes.

#include "games/Layout.h"

namespace KlondikeLayouts {

inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundationPile1DragOver"},
                                                 {"OnStartDrag", "TableauPileView1StartDrag"},
                                                 {"OnEndDrag", "TableauPileView1EndDrag"},
                                                 {"OnMouseDown", "TableauPileView1MouseDown"}}};
inline constexpr TEventBindings TableauEvents{{{"OnDragOver", "TableauPileView1DragOver"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"},
                                              {"OnEndDrag", "TableauPileView1EndDrag"},
                                              {"OnMouseDown", "TableauPileView1MouseDown"},
                                              {"OnDblClick", "DiscardPileViewDblClick"}}};
inline constexpr TEventBindings WasteEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnStartDrag", "TableauPileView1StartDrag"},
                                             {"OnEndDrag", "TableauPileView1EndDrag"},
                                             {"OnMouseDown", "DiscardPileViewMouseDown"},
                                             {"OnDblClick", "DiscardPileViewDblClick"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "FormMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};

inline constexpr TPileProps FoundationProps{.IsBordered = true, .AllowDrag = true, .Label = "A"};
inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps WasteProps{.AllowDrag = true};
inline constexpr TPileProps StockProps{.ShowHint = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"FoundationPile1", Pile, 296, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 392, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 488, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 584, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 8, 152, 80, 337, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 104, 152, 80, 337, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 200, 152, 80, 337, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 296, 152, 80, 337, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 392, 152, 80, 337, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 488, 152, 80, 337, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 584, 152, 80, 337, TopBottom, TableauProps, TableauEvents},
    {"DiscardPileView", TComponentKind::WastePileView, 144, 8, 137, 131, Top, WasteProps, WasteEvents},
    {"DeckPileView", Pile, 8, 8, 121, 130, Top, StockProps, StockEvents},  // the 52-card block
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"DrawPanel", 55}, {"AutoPlayPanel", 80, 0, 5, 2},
    {"GameNumPanel", 130, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 672, .ClientHeight = 491,
                                   .MinWidth = 672, .MinHeight = 480, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"FoundationPile1", Pile, 233, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 305, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 377, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 449, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 17, 120, 61, 248, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 89, 120, 61, 248, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 161, 120, 61, 248, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 233, 120, 61, 248, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 305, 120, 61, 248, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 377, 120, 61, 248, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 449, 120, 61, 248, TopBottom, TableauProps, TableauEvents},
    {"DiscardPileView", TComponentKind::WastePileView, 122, 8, 108, 101, Top, WasteProps, WasteEvents},
    {"DeckPileView", Pile, 17, 8, 102, 100, Top, StockProps, StockEvents},
};
// The 70-pixel Autoplay panel keeps a margin of 1 so the whole caption shows.
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"DrawPanel", 48}, {"AutoPlayPanel", 70, 0, 5, 1},
    {"GameNumPanel", 96, 1}, {"StockPanel", 55}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 525, .ClientHeight = 392,
                                   .MinWidth = 525, .MinHeight = 300, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"FoundationPile1", Pile, 446, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 590, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 734, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 878, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"TableauPileView1", Pile, 15, 208, 120, 490, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView2", Pile, 153, 208, 120, 490, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView3", Pile, 302, 208, 120, 490, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView4", Pile, 446, 208, 120, 490, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView5", Pile, 590, 208, 120, 490, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView6", Pile, 734, 208, 120, 490, TopBottom, TableauProps, TableauEvents},
    {"TableauPileView7", Pile, 878, 208, 120, 490, TopBottom, TableauProps, TableauEvents},
    {"DiscardPileView", TComponentKind::WastePileView, 190, 8, 177, 194, Top, WasteProps, WasteEvents},
    {"DeckPileView", Pile, 15, 8, 161, 194, Top, StockProps, StockEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"DrawPanel", 68}, {"AutoPlayPanel", 95, 0, 5, 2},
    {"GameNumPanel", 150, 1}, {"StockPanel", 85}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1008, .ClientHeight = 736,
                                  .MinWidth = 980, .MinHeight = 650, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace KlondikeLayouts
