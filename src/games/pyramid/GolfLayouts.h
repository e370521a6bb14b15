#pragma once
// Golf's window at the three card sizes: seven columns across the top, the stock and the
// wide discard pile below them.

#include "games/Layout.h"

namespace GolfLayouts {

inline constexpr TEventBindings ColumnEvents{{{"OnMouseDown", "TableauPileView1MouseDown"},
                                             {"OnStartDrag", "TableauPileView1StartDrag"},
                                             {"OnEndDrag", "TableauPileView1EndDrag"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "DeckPileViewMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};
inline constexpr TEventBindings DiscardEvents{{{"OnDragOver", "FormDragOver"}, {"OnMouseDown", "FormMouseDown"}}};

inline constexpr TPileProps ColumnProps{.AllowDrag = true};
inline constexpr TPileProps StockProps{.ShowHint = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr auto Pile = TComponentKind::PileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"TableauPileView1", Pile, 23, 8, 80, 260, Top, ColumnProps, ColumnEvents},
    {"TableauPileView2", Pile, 119, 8, 80, 260, Top, ColumnProps, ColumnEvents},
    {"TableauPileView3", Pile, 215, 8, 80, 260, Top, ColumnProps, ColumnEvents},
    {"TableauPileView4", Pile, 311, 8, 80, 260, Top, ColumnProps, ColumnEvents},
    {"TableauPileView5", Pile, 407, 8, 80, 260, Top, ColumnProps, ColumnEvents},
    {"TableauPileView6", Pile, 503, 8, 80, 260, Top, ColumnProps, ColumnEvents},
    {"TableauPileView7", Pile, 599, 8, 80, 260, Top, ColumnProps, ColumnEvents},
    {"DeckPileView", Pile, 23, 288, 100, 132, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 135, 288, 544, 132, Top, {.XOffset = 14, .SideFan = true}, DiscardEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"KingsPanel", 160, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"StockPanel", 70},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 702, .ClientHeight = 456,
                                   .MinWidth = 702, .MinHeight = 456, .MinHeightHasFrame = true,
                                   .MinHeightLessBar = true, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"TableauPileView1", Pile, 47, 8, 61, 200, Top, ColumnProps, ColumnEvents},
    {"TableauPileView2", Pile, 119, 8, 61, 200, Top, ColumnProps, ColumnEvents},
    {"TableauPileView3", Pile, 191, 8, 61, 200, Top, ColumnProps, ColumnEvents},
    {"TableauPileView4", Pile, 263, 8, 61, 200, Top, ColumnProps, ColumnEvents},
    {"TableauPileView5", Pile, 335, 8, 61, 200, Top, ColumnProps, ColumnEvents},
    {"TableauPileView6", Pile, 407, 8, 61, 200, Top, ColumnProps, ColumnEvents},
    {"TableauPileView7", Pile, 479, 8, 61, 200, Top, ColumnProps, ColumnEvents},
    {"DeckPileView", Pile, 47, 225, 81, 102, Top, StockProps, StockEvents},  // the 52-card block
    {"DiscardPileView", Pile, 140, 225, 400, 102, Top, {.XOffset = 11, .SideFan = true}, DiscardEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"KingsPanel", 135, 0, 5, 2}, {"GameNumPanel", 140, 1}, {"StockPanel", 60},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 587, .ClientHeight = 362,
                                   .MinWidth = 587, .MinHeight = 362, .MinHeightHasFrame = true,
                                   .MinHeightLessBar = true, .FontHeight = 11, .StatusBarHeight = 22,
                                   .PlacementPrefix = "s", .Components = SmallComponents,
                                   .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"TableauPileView1", Pile, 17, 8, 120, 370, Top, ColumnProps, ColumnEvents},
    {"TableauPileView2", Pile, 153, 8, 120, 370, Top, ColumnProps, ColumnEvents},
    {"TableauPileView3", Pile, 289, 8, 120, 370, Top, ColumnProps, ColumnEvents},
    {"TableauPileView4", Pile, 425, 8, 120, 370, Top, ColumnProps, ColumnEvents},
    {"TableauPileView5", Pile, 561, 8, 120, 370, Top, ColumnProps, ColumnEvents},
    {"TableauPileView6", Pile, 697, 8, 120, 370, Top, ColumnProps, ColumnEvents},
    {"TableauPileView7", Pile, 833, 8, 120, 370, Top, ColumnProps, ColumnEvents},
    {"DeckPileView", Pile, 17, 400, 140, 195, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 175, 400, 778, 195, Top, {.XOffset = 20, .SideFan = true}, DiscardEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"KingsPanel", 200, 0, 5, 2}, {"GameNumPanel", 180, 1}, {"StockPanel", 80},
    {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 970, .ClientHeight = 654,
                                  .MinWidth = 970, .MinHeight = 600, .MinHeightHasFrame = true,
                                  .MinHeightLessBar = true, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace GolfLayouts
