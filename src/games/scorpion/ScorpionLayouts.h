#pragma once
// The Scorpion family's event bindings and status panels, and the window of Scorpion and
// Scorpion II at the three card sizes: seven tableau piles and the stock at the top left.

#include "games/Layout.h"

namespace ScorpionLayouts {

inline constexpr TEventBindings TableauEvents{{{"OnMouseDown", "TableauPile1MouseDown"},
                                              {"OnStartDrag", "TableauPile1StartDrag"},
                                              {"OnDragOver", "TableauPile1DragOver"},
                                              {"OnEndDrag", "TableauPile1EndDrag"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "DeckPileViewMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};

inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps StockProps{.ShowHint = true, .XOffset = 0.4f, .YOffset = 0.2f};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;

// Status panels: the tool bar, the deal number and the score.
inline constexpr int NumberPanel = 1;
inline constexpr int ScorePanel = 2;
inline constexpr TPanelLayout SmallPanels[] = {{"SpeedPanel", 170}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout LargePanels[] = {{"SpeedPanel", 210}, {"GameNumPanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {{"SpeedPanel", 306}, {"GameNumPanel", 180, 1}, {"ScorePanel", 80, 2}};

#define SCORPION_TABLEAU(n, left, top, w, h) {"TableauPile" #n, Pile, left, top, w, h, TopBottom, TableauProps, TableauEvents}

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    SCORPION_TABLEAU(1, 155, 9, 80, 490), SCORPION_TABLEAU(2, 251, 9, 80, 490),
    SCORPION_TABLEAU(3, 347, 9, 80, 490), SCORPION_TABLEAU(4, 443, 9, 80, 490),
    SCORPION_TABLEAU(5, 539, 9, 80, 490), SCORPION_TABLEAU(6, 635, 9, 80, 490),
    SCORPION_TABLEAU(7, 731, 9, 80, 490),
    {"DeckPileView", Pile, 11, 8, 137, 145, Top, StockProps, StockEvents},
};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 824, .ClientHeight = 500,
                                   .MinWidth = 824, .MinHeight = 480, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    SCORPION_TABLEAU(1, 122, 8, 61, 390), SCORPION_TABLEAU(2, 192, 8, 61, 390),
    SCORPION_TABLEAU(3, 262, 8, 61, 390), SCORPION_TABLEAU(4, 332, 8, 61, 390),
    SCORPION_TABLEAU(5, 402, 8, 61, 390), SCORPION_TABLEAU(6, 472, 8, 61, 390),
    SCORPION_TABLEAU(7, 542, 8, 61, 390),
    {"DeckPileView", Pile, 8, 8, 105, 112, Top, StockProps, StockEvents},
};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 615, .ClientHeight = 400,
                                   .MinWidth = 615, .MinHeight = 300, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    SCORPION_TABLEAU(1, 222, 10, 120, 745), SCORPION_TABLEAU(2, 362, 10, 120, 745),
    SCORPION_TABLEAU(3, 502, 10, 120, 745), SCORPION_TABLEAU(4, 642, 10, 120, 745),
    SCORPION_TABLEAU(5, 782, 10, 120, 745), SCORPION_TABLEAU(6, 922, 10, 120, 745),
    SCORPION_TABLEAU(7, 1062, 10, 120, 745),
    {"DeckPileView", Pile, 10, 10, 200, 215, Top, StockProps, StockEvents},
};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1202, .ClientHeight = 757,
                                  .MinWidth = 1160, .MinHeight = 640, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

#undef SCORPION_TABLEAU

}  // namespace ScorpionLayouts
