#pragma once
// La Belle Lucie's window at the three card sizes: eighteen horizontal fans in rows of
// five, the foundations in a column at the right.

#include "games/Layout.h"

namespace LucieLayouts {

inline constexpr TEventBindings FanEvents{{{"OnDragOver", "CardPileView1DragOver"},
                                          {"OnStartDrag", "CardPileView1StartDrag"},
                                          {"OnEndDrag", "CardPileView1EndDrag"},
                                          {"OnMouseDown", "CardPileView1MouseDown"},
                                          {"OnDblClick", "CardPileView1DblClick"}}};
inline constexpr TEventBindings FoundationEvents{{{"OnDragOver", "FoundationPile1DragOver"}}};

inline constexpr TPileProps SmallFanProps{.AllowDrag = true, .XOffset = 10, .SideFan = true};
inline constexpr TPileProps FanProps{.AllowDrag = true, .XOffset = 12, .SideFan = true};
inline constexpr TPileProps HugeFanProps{.AllowDrag = true, .XOffset = 18, .SideFan = true};
inline constexpr TPileProps FoundationProps{.IsBordered = true, .Label = "A"};

inline constexpr std::uint8_t Top = akLeft | akTop;
inline constexpr auto Pile = TComponentKind::PileView;

inline constexpr int DrawPanel = 1;
inline constexpr int NumberPanel = 3;
inline constexpr int ShufflePanel = 4;
inline constexpr int ScorePanel = 5;
// The 70-pixel Autoplay panel keeps a margin of 1 so the whole caption shows.
inline constexpr TPanelLayout SmallPanels[] = {
    {"SpeedPanel", 170}, {"DrawPanel", 78}, {"AutoPlayPanel", 70, 0, 5, 1},
    {"GameNumPanel", 110, 1}, {"ShufflePanel", 140, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout LargePanels[] = {
    {"SpeedPanel", 210}, {"DrawPanel", 90}, {"AutoPlayPanel", 80, 0, 5, 2},
    {"GameNumPanel", 140, 1}, {"ShufflePanel", 160, 1}, {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {
    {"SpeedPanel", 306}, {"DrawPanel", 110}, {"AutoPlayPanel", 100, 0, 5, 2},
    {"GameNumPanel", 180, 1}, {"ShufflePanel", 180, 1}, {"ScorePanel", 80, 2}};

inline constexpr TComponentLayout SmallComponents[] = {
    {"CardPileView1", Pile, 8, 8, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView2", Pile, 118, 8, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView3", Pile, 228, 8, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView4", Pile, 338, 8, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView5", Pile, 448, 8, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView6", Pile, 8, 111, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView7", Pile, 118, 111, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView8", Pile, 228, 111, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView9", Pile, 338, 111, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView10", Pile, 448, 111, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView11", Pile, 8, 214, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView12", Pile, 118, 214, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView13", Pile, 228, 214, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView14", Pile, 338, 214, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView15", Pile, 448, 214, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView16", Pile, 8, 317, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView17", Pile, 118, 317, 104, 95, Top, SmallFanProps, FanEvents},
    {"CardPileView18", Pile, 228, 317, 104, 95, Top, SmallFanProps, FanEvents},
    {"FoundationPile1", Pile, 570, 8, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 570, 111, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 570, 214, 61, 95, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 570, 317, 61, 95, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout LargeComponents[] = {
    {"CardPileView1", Pile, 8, 8, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView2", Pile, 144, 8, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView3", Pile, 280, 8, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView4", Pile, 416, 8, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView5", Pile, 552, 8, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView6", Pile, 8, 144, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView7", Pile, 144, 144, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView8", Pile, 280, 144, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView9", Pile, 416, 144, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView10", Pile, 552, 144, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView11", Pile, 8, 280, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView12", Pile, 144, 280, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView13", Pile, 280, 280, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView14", Pile, 416, 280, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView15", Pile, 552, 280, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView16", Pile, 8, 416, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView17", Pile, 144, 416, 135, 125, Top, FanProps, FanEvents},
    {"CardPileView18", Pile, 280, 416, 135, 125, Top, FanProps, FanEvents},
    {"FoundationPile1", Pile, 696, 8, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 696, 144, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 696, 280, 80, 125, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 696, 416, 80, 125, Top, FoundationProps, FoundationEvents},
};
inline constexpr TComponentLayout HugeComponents[] = {
    {"CardPileView1", Pile, 8, 8, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView2", Pile, 218, 8, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView3", Pile, 428, 8, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView4", Pile, 638, 8, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView5", Pile, 848, 8, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView6", Pile, 8, 202, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView7", Pile, 218, 202, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView8", Pile, 428, 202, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView9", Pile, 638, 202, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView10", Pile, 848, 202, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView11", Pile, 8, 396, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView12", Pile, 218, 396, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView13", Pile, 428, 396, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView14", Pile, 638, 396, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView15", Pile, 848, 396, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView16", Pile, 8, 590, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView17", Pile, 218, 590, 200, 188, Top, HugeFanProps, FanEvents},
    {"CardPileView18", Pile, 428, 590, 200, 188, Top, HugeFanProps, FanEvents},
    {"FoundationPile1", Pile, 1080, 8, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile2", Pile, 1080, 202, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile3", Pile, 1080, 396, 120, 188, Top, FoundationProps, FoundationEvents},
    {"FoundationPile4", Pile, 1080, 590, 120, 188, Top, FoundationProps, FoundationEvents},
};

inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 640, .ClientHeight = 443,
                                   .MinWidth = 640, .MinHeight = 443, .MinHeightHasFrame = true,
                                   .MinHeightLessBar = true, .FontHeight = 11, .StatusBarHeight = 22,
                                   .PlacementPrefix = "s", .Components = SmallComponents,
                                   .Panels = SmallPanels};
inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 784, .ClientHeight = 576,
                                   .MinWidth = 784, .MinHeight = 615, .MinHeightHasFrame = true,
                                   .MinHeightLessBar = true, .StatusBarHeight = 26,
                                   .Components = LargeComponents, .Panels = LargePanels};
inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1218, .ClientHeight = 828,
                                  .MinWidth = 1225, .MinHeight = 820, .MinHeightHasFrame = true,
                                  .MinHeightLessBar = true, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = HugeComponents,
                                  .Panels = HugePanels};

}  // namespace LucieLayouts
