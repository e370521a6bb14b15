#pragma once
// Indian Patience's window at the three card sizes, on the table of ThievesLayouts.h.

#include "games/fortythieves/ThievesLayouts.h"

namespace IndianLayouts {

using ThievesLayouts::TThievesMetrics;

// Forty Thieves' panels, with a narrower stock panel with large and huge cards.
inline constexpr TPanelLayout LargePanels[] = {{"SpeedPanel", 210}, {"AutoPlayPanel", 80, 0, 5, 2},
                                               {"GameNumPanel", 140, 1}, {"StockPanel", 70},
                                               {"ScorePanel", 80, 2}};
inline constexpr TPanelLayout HugePanels[] = {{"SpeedPanel", 306}, {"AutoPlayPanel", 100, 0, 5, 2},
                                              {"GameNumPanel", 180, 1}, {"StockPanel", 80},
                                              {"ScorePanel", 80, 2}};

inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 887, .ClientHeight = 675,
                                   .MinWidth = 885, .MinHeight = 622, .StatusBarHeight = 26,
                                   .Components = ThievesLayouts::LargeComponents,
                                   .Panels = LargePanels};
inline constexpr TThievesMetrics LargeMetrics{377, 546, 675};

inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 725, .ClientHeight = 520,
                                   .MinWidth = 725, .MinHeight = 520, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = ThievesLayouts::SmallComponents,
                                   .Panels = ThievesLayouts::SmallPanels};
inline constexpr TThievesMetrics SmallMetrics{270, 418, 520};

inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1395, .ClientHeight = 896,
                                  .MinWidth = 1280, .MinHeight = 750, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = ThievesLayouts::HugeComponents,
                                  .Panels = HugePanels};
inline constexpr TThievesMetrics HugeMetrics{462, 700, 896};

}  // namespace IndianLayouts
