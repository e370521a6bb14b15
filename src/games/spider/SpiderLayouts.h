#pragma once
// Spider's window at the three card sizes: ten tableau piles, eight foundations in a
// row at the top right and the stock at the top left.

#include "games/Layout.h"

namespace SpiderLayouts {

inline constexpr TEventBindings TableauEvents{{{"OnMouseDown", "TableauPile1MouseDown"},
                                              {"OnStartDrag", "TableauPile1StartDrag"},
                                              {"OnDragOver", "TableauPile1DragOver"},
                                              {"OnEndDrag", "TableauPile1EndDrag"}}};
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundPile1DragOver"},
                                                 {"OnMouseDown", "FormMouseDown"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "FormMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};

inline constexpr TPileProps TableauProps{.AllowDrag = true};
inline constexpr TPileProps FoundationProps{.IsBordered = true, .Label = "K"};
inline constexpr TPileProps StockProps{.ShowHint = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr std::uint8_t TopBottom = akLeft | akTop | akBottom;
inline constexpr auto Pile = TComponentKind::PileView;

// Status panels: tool bar, autoplay box, the variations button, difficulty, deal number,
// stock and score.
inline constexpr int AutoplayPanel = 1;
inline constexpr int VariationsPanel = 2;
inline constexpr int DifficultyPanel = 3;
inline constexpr int NumberPanel = 4;
inline constexpr int StockPanel = 5;
inline constexpr int ScorePanel = 6;

// The 70-pixel Autoplay panel keeps a margin of 1 so the whole caption shows.
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170},       {"AutoplayPanel", 70, 0, 5, 1}, {"VariationsPanel", 80, 1},
    {"DifficultyPanel", 130, 1}, {"GameNumPanel", 140, 1},        {"StockPanel", 60},
    {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210},       {"AutoplayPanel", 80, 0, 5, 2}, {"VariationsPanel", 90, 1},
    {"DifficultyPanel", 140, 1}, {"GameNumPanel", 150, 1},       {"StockPanel", 70},
    {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306},       {"AutoplayPanel", 100, 0, 5, 2}, {"VariationsPanel", 110, 1},
    {"DifficultyPanel", 180, 1}, {"GameNumPanel", 180, 1},        {"StockPanel", 80},
    {"ScorePanel", 80, 2}};

#define SPIDER_TABLEAU(n, left, top, w, h) {"TableauPile" #n, Pile, left, top, w, h, TopBottom, TableauProps, TableauEvents}
#define SPIDER_FOUNDATION(n, left, top, w, h) {"FoundPile" #n, Pile, left, top, w, h, Top, FoundationProps, FoundationEvents}

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    SPIDER_TABLEAU(1, 8, 148, 80, 488),    SPIDER_TABLEAU(2, 96, 148, 80, 488),
    SPIDER_TABLEAU(3, 184, 148, 80, 488),  SPIDER_TABLEAU(4, 272, 148, 80, 488),
    SPIDER_TABLEAU(5, 360, 148, 80, 488),  SPIDER_TABLEAU(6, 448, 148, 80, 488),
    SPIDER_TABLEAU(7, 536, 148, 80, 488),  SPIDER_TABLEAU(8, 624, 148, 80, 488),
    SPIDER_TABLEAU(9, 712, 148, 80, 488),  SPIDER_TABLEAU(10, 800, 148, 80, 488),
    SPIDER_FOUNDATION(1, 184, 6, 80, 125), SPIDER_FOUNDATION(2, 272, 6, 80, 125),
    SPIDER_FOUNDATION(3, 360, 6, 80, 125), SPIDER_FOUNDATION(4, 448, 6, 80, 125),
    SPIDER_FOUNDATION(5, 536, 6, 80, 125), SPIDER_FOUNDATION(6, 624, 6, 80, 125),
    SPIDER_FOUNDATION(7, 712, 6, 80, 125), SPIDER_FOUNDATION(8, 800, 6, 80, 125),
    {"DeckPileView", Pile, 8, 4, 139, 144, Top, StockProps, StockEvents},  // the 60-card block
};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 887, .ClientHeight = 636,
                                   .MinWidth = 887, .MinHeight = 480, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    SPIDER_TABLEAU(1, 8, 114, 61, 364),    SPIDER_TABLEAU(2, 80, 114, 61, 364),
    SPIDER_TABLEAU(3, 152, 114, 61, 364),  SPIDER_TABLEAU(4, 224, 114, 61, 364),
    SPIDER_TABLEAU(5, 296, 114, 61, 364),  SPIDER_TABLEAU(6, 368, 114, 61, 364),
    SPIDER_TABLEAU(7, 440, 114, 61, 364),  SPIDER_TABLEAU(8, 512, 114, 61, 364),
    SPIDER_TABLEAU(9, 584, 114, 61, 364),  SPIDER_TABLEAU(10, 656, 114, 61, 364),
    SPIDER_FOUNDATION(1, 152, 6, 61, 95),  SPIDER_FOUNDATION(2, 224, 6, 61, 95),
    SPIDER_FOUNDATION(3, 296, 6, 61, 95),  SPIDER_FOUNDATION(4, 368, 6, 61, 95),
    SPIDER_FOUNDATION(5, 440, 6, 61, 95),  SPIDER_FOUNDATION(6, 512, 6, 61, 95),
    SPIDER_FOUNDATION(7, 584, 6, 61, 95),  SPIDER_FOUNDATION(8, 656, 6, 61, 95),
    {"DeckPileView", Pile, 8, 4, 132, 108, Top, StockProps, StockEvents},
};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 725, .ClientHeight = 478,
                                   .MinWidth = 725, .MinHeight = 450, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    SPIDER_TABLEAU(1, 8, 212, 120, 649),    SPIDER_TABLEAU(2, 131, 212, 120, 649),
    SPIDER_TABLEAU(3, 254, 212, 120, 649),  SPIDER_TABLEAU(4, 377, 212, 120, 649),
    SPIDER_TABLEAU(5, 500, 212, 120, 649),  SPIDER_TABLEAU(6, 623, 212, 120, 649),
    SPIDER_TABLEAU(7, 746, 212, 120, 649),  SPIDER_TABLEAU(8, 869, 212, 120, 649),
    SPIDER_TABLEAU(9, 992, 212, 120, 649),  SPIDER_TABLEAU(10, 1115, 212, 120, 649),
    SPIDER_FOUNDATION(1, 254, 8, 120, 188), SPIDER_FOUNDATION(2, 377, 8, 120, 188),
    SPIDER_FOUNDATION(3, 500, 8, 120, 188), SPIDER_FOUNDATION(4, 623, 8, 120, 188),
    SPIDER_FOUNDATION(5, 746, 8, 120, 188), SPIDER_FOUNDATION(6, 869, 8, 120, 188),
    SPIDER_FOUNDATION(7, 992, 8, 120, 188), SPIDER_FOUNDATION(8, 1115, 8, 120, 188),
    {"DeckPileView", Pile, 8, 6, 236, 200, Top, StockProps, StockEvents},
};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1244, .ClientHeight = 861,
                                  .MinWidth = 1250, .MinHeight = 700, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

#undef SPIDER_TABLEAU
#undef SPIDER_FOUNDATION

}  // namespace SpiderLayouts
