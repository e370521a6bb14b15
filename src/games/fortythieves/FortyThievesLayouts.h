#pragma once
// Forty Thieves' window at the three card sizes, on the table of ThievesLayouts.h.

#include "games/fortythieves/ThievesLayouts.h"

namespace FortyThievesLayouts {

using ThievesLayouts::TThievesMetrics;

inline constexpr TFormLayout Large{.CardSize = 1, .ClientWidth = 885, .ClientHeight = 675,
                                   .MinWidth = 885, .MinHeight = 600, .StatusBarHeight = 26,
                                   .Components = ThievesLayouts::LargeComponents,
                                   .Panels = ThievesLayouts::LargePanels};
inline constexpr TThievesMetrics LargeMetrics{377, 546, 675};

inline constexpr TFormLayout Small{.CardSize = 0, .ClientWidth = 725, .ClientHeight = 520,
                                   .MinWidth = 725, .MinHeight = 520, .FontHeight = 11,
                                   .StatusBarHeight = 22, .PlacementPrefix = "s",
                                   .Components = ThievesLayouts::SmallComponents,
                                   .Panels = ThievesLayouts::SmallPanels};
inline constexpr TThievesMetrics SmallMetrics{289, 418, 520};

inline constexpr TFormLayout Huge{.CardSize = 2, .ClientWidth = 1395, .ClientHeight = 896,
                                  .MinWidth = 1260, .MinHeight = 750, .StatusBarHeight = 36,
                                  .PlacementPrefix = "h", .Components = ThievesLayouts::HugeComponents,
                                  .Panels = ThievesLayouts::HugePanels};
inline constexpr TThievesMetrics HugeMetrics{462, 700, 896};

}  // namespace FortyThievesLayouts
