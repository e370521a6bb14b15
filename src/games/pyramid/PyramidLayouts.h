#pragma once
// Pyramid's window at the three card sizes: the pyramid in the middle, the stock and the
// turned-up card at the top left, the waste and the removed cards at the top right, the
// pass indicator under the stock.

#include "games/Layout.h"

namespace PyramidLayouts {

inline constexpr TEventBindings PairEvents{{{"OnMouseDown", "PyramidPileViewMouseDown"},
                                           {"OnDblClick", "PyramidPileViewDblClick"},
                                           {"OnStartDrag", "PyramidPileViewStartDrag"},
                                           {"OnDragOver", "PyramidPileViewDragOver"},
                                           {"OnEndDrag", "PyramidPileViewEndDrag"}}};
inline constexpr TEventBindings DiscardEvents{{{"OnDragOver", "DiscardPileViewDragOver"},
                                              {"OnMouseDown", "FormMouseDown"}}};
inline constexpr TEventBindings StockEvents{{{"OnDragOver", "FormDragOver"},
                                             {"OnMouseDown", "DeckPileViewMouseDown"},
                                             {"OnClick", "DeckPileViewClick"}}};

inline constexpr TPileProps PyramidProps{.AllowDrag = true};
inline constexpr TPileProps PlayProps{.AllowDrag = true};
inline constexpr TPileProps DiscardProps{.IsBordered = true};
inline constexpr TPileProps StockProps{.ShowHint = true};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr auto Pile = TComponentKind::PileView;
inline constexpr auto Pyramid = TComponentKind::PyramidPileView;

// Where the pass indicator stands.
struct TLabelPlace {
  int Left, Top;
};

// The pyramid comes first so the piles in its corners lie above it.
// Large cards, 80 x 125: pyramid 7 x 80 + 6 x 4 wide, 62 x 7 + 73 high.
inline constexpr TComponentLayout LargeComponents[] = {
    {"PyramidPileView", Pyramid, 28, 8, 584, 507, Top, {.AllowDrag = true, .XOffset = 4}, PairEvents},
    {"DeckPileView", Pile, 8, 8, 80, 140, Top, StockProps, StockEvents},
    {"PlayPileView", Pile, 100, 8, 80, 125, Top, PlayProps, PairEvents},
    {"WastePileView", Pile, 460, 8, 80, 125, Top, PlayProps, PairEvents},
    {"DiscardPileView", Pile, 552, 8, 80, 125, Top, DiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"GameNumPanel", 140, 1}, {"StockPanel", 70}, {"WastePanel", 70}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 640, .ClientHeight = 609,
                                   .MinWidth = 640, .MinHeight = 600, .MinHeightHasFrame = true,
                                   .StatusBarHeight = 26, .Components = LargeComponents,
                                   .Panels = LargePanels};
inline constexpr TLabelPlace LargeLabel{8, 160};

// Small cards, 61 x 95.
inline constexpr TComponentLayout SmallComponents[] = {
    {"PyramidPileView", Pyramid, 37, 8, 445, 382, Top, {.AllowDrag = true, .XOffset = 3}, PairEvents},
    {"DeckPileView", Pile, 8, 8, 61, 110, Top, StockProps, StockEvents},
    {"PlayPileView", Pile, 77, 8, 61, 95, Top, PlayProps, PairEvents},
    {"WastePileView", Pile, 382, 8, 61, 95, Top, PlayProps, PairEvents},
    {"DiscardPileView", Pile, 451, 8, 61, 95, Top, DiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"GameNumPanel", 140, 1}, {"StockPanel", 60}, {"WastePanel", 60}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 520, .ClientHeight = 494,
                                   .MinWidth = 520, .MinHeight = 480, .MinHeightHasFrame = true,
                                   .FontHeight = 11, .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = SmallComponents, .Panels = SmallPanels};
inline constexpr TLabelPlace SmallLabel{8, 124};

// Huge cards, 120 x 188.
inline constexpr TComponentLayout HugeComponents[] = {
    {"PyramidPileView", Pyramid, 36, 8, 876, 767, Top, {.AllowDrag = true, .XOffset = 6}, PairEvents},
    {"DeckPileView", Pile, 8, 8, 120, 205, Top, StockProps, StockEvents},
    {"PlayPileView", Pile, 140, 8, 120, 188, Top, PlayProps, PairEvents},
    {"WastePileView", Pile, 688, 8, 120, 188, Top, PlayProps, PairEvents},
    {"DiscardPileView", Pile, 820, 8, 120, 188, Top, DiscardProps, DiscardEvents},
};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"GameNumPanel", 180, 1}, {"StockPanel", 80}, {"WastePanel", 80}, {"ScorePanel", 80, 2}};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 949, .ClientHeight = 956,
                                  .MinWidth = 960, .MinHeight = 900, .MinHeightHasFrame = true,
                                  .StatusBarHeight = 36, .PlacementPrefix = "h",
                                  .Components = HugeComponents, .Panels = HugePanels};
inline constexpr TLabelPlace HugeLabel{8, 224};

}  // namespace PyramidLayouts
