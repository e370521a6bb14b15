#pragma once
// Pyramid Golf's window at the three card sizes: the pyramid (its rows closer together
// than in Pyramid), the stock at the top left and the wide discard pile below.

#include "games/Layout.h"

namespace PyramidGolfLayouts {

inline constexpr TEventBindings PyramidEvents{{{"OnMouseDown", "PyramidPileViewMouseDown"},
                                              {"OnStartDrag", "TableauPileView1StartDrag"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "DeckPileViewMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};
inline constexpr TEventBindings DiscardEvents{{{"OnDragOver", "FormDragOver"}, {"OnMouseDown", "FormMouseDown"}}};

inline constexpr TPileProps StockProps{.ShowHint = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr auto Pile = TComponentKind::PileView;
inline constexpr auto Pyramid = TComponentKind::PyramidPileView;

// Large cards, 80 x 125.
inline constexpr TComponentLayout LargeComponents[] = {
    {"PyramidPileView", Pyramid, 27, 8, 584, 435, Top, {.AllowDrag = true, .XOffset = 4, .YOffset = -12},
     PyramidEvents},
    {"DeckPileView", Pile, 8, 8, 80, 140, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 8, 448, 622, 130, Top, {.XOffset = 12, .SideFan = true}, DiscardEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"GameNumPanel", 140, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 638, .ClientHeight = 607,
                                   .MinWidth = 640, .MinHeight = 600, .MinHeightHasFrame = true,
                                   .StatusBarHeight = 26, .Components = LargeComponents,
                                   .Panels = LargePanels};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"PyramidPileView", Pyramid, 36, 8, 445, 328, Top, {.AllowDrag = true, .XOffset = 3, .YOffset = -9},
     PyramidEvents},
    {"DeckPileView", Pile, 8, 8, 61, 110, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 8, 344, 502, 100, Top, {.XOffset = 9, .SideFan = true}, DiscardEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"GameNumPanel", 140, 1}, {"StockPanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 518, .ClientHeight = 499,
                                   .MinWidth = 520, .MinHeight = 500, .MinHeightHasFrame = true,
                                   .FontHeight = 11, .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"PyramidPileView", Pyramid, 36, 8, 876, 671, Top, {.AllowDrag = true, .XOffset = 6, .YOffset = -16},
     PyramidEvents},
    {"DeckPileView", Pile, 8, 8, 120, 205, Top, StockProps, StockEvents},
    {"DiscardPileView", Pile, 8, 690, 933, 195, Top, {.XOffset = 18, .SideFan = true}, DiscardEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"GameNumPanel", 180, 1}, {"StockPanel", 80}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 949, .ClientHeight = 956,
                                  .MinWidth = 960, .MinHeight = 900, .MinHeightHasFrame = true,
                                  .StatusBarHeight = 36, .PlacementPrefix = "h",
                                  .Components = HugeComponents, .Panels = HugePanels};

}  // namespace PyramidGolfLayouts
