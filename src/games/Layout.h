#pragma once
// Window layouts as data: each game states, per card size, a constexpr table of its
// components (name, kind, geometry, properties, anchors, events bound by handler name)
// and the window's own values. The form builder (FormBuilder.h) makes the components.

#include <array>
#include <cstdint>
#include <span>

#include "platform/Colors.h"

enum class TComponentKind : std::uint8_t { PileView, WastePileView, PyramidPileView, ReservePileView };

enum TAnchor : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// Published properties of a pile view as a layout sets them.
struct TPileProps {
  bool IsBordered = false;
  bool AllowDrag = false;
  bool ShowHint = false;
  const char* Label = "";
  float XOffset = 0;
  float YOffset = 0;
  // Fanned sideways in a view wider than a card (a waste, a row, a reserve): in a window
  // narrower than the layout the view gives up width and its fan closes.
  bool SideFan = false;
};

// One event of a component bound to a handler of the form, both by name
// ("OnDragOver", "FoundationPile1DragOver").
struct TEventBinding {
  const char* Event = nullptr;
  const char* Handler = nullptr;
};
inline constexpr int MaxBindings = 6;
using TEventBindings = std::array<TEventBinding, MaxBindings>;

struct TComponentLayout {
  const char* Name;
  TComponentKind Kind;
  int Left, Top, Width, Height;
  std::uint8_t Anchors;
  TPileProps Props;
  TEventBindings Events;
};

// One status panel: name, width, alignment (0 left, 1 centred, 2 right), indent, margin.
// Its text is in the card size's panel font (PanelFontHeights); the bar draws a text too
// wide for the panel smaller.
struct TPanelLayout {
  const char* Name;
  int Width;
  int Alignment = 0;
  int Indent = 0;
  int Margin = 0;
};

// The window of one game at one card size.
struct TFormLayout {
  int CardSize;  // 0 small, 1 large, 2 huge
  int ClientWidth, ClientHeight;
  int MinWidth, MinHeight;       // minimum tracking size before frames are added
  bool MinHeightHasFrame = false;  // the height gains caption and frames (the "c" games)
  bool MinHeightLessBar = false;   // less the status bar while it is hidden
  TColor Color = 0x00004000;
  int FontHeight = 12;           // window font, character height in pixels
  int StatusBarHeight = 26;
  const char* PlacementPrefix = "";  // "", "s" or "h" before the game's section
  std::span<const TComponentLayout> Components;
  std::span<const TPanelLayout> Panels;  // panel 0 hosts the tool bar (its width is the layout's)
};

// Tool-bar metrics of each card size: bar size, button size.
struct TToolBarMetrics {
  int Width, Height, ButtonWidth, ButtonHeight, FirstPanelWidth;
};
inline constexpr TToolBarMetrics ToolBarMetrics[3] = {
    {168, 18, 19, 18, 170}, {208, 22, 24, 22, 210}, {304, 32, 36, 32, 306}};
inline constexpr int StatusBarHeights[3] = {22, 26, 36};
// Status-panel texts and the check boxes on the bar: Arial of this character height.
inline constexpr int PanelFontHeights[3] = {11, 13, 15};
