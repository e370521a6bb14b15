#include <gtest/gtest.h>

#include <QApplication>
#include <vector>

#include "shell/GameTable.h"
#include "shell/GameWindows.h"

namespace {

TEST(GameTable, NamesSectionsAndWindowClasses) {
  EXPECT_EQ(GameListName(12), "Free Cell");
  EXPECT_STREQ(GameInfo(12).GameName, "FreeCell");
  EXPECT_STREQ(GameInfo(26).Section, "SeaHavenTowers");
  EXPECT_EQ(GameIndexOfSection("klondike"), 16);
  EXPECT_EQ(GameIndexOfSection("NoSuchGame"), -1);
  EXPECT_EQ(GameWindowClassName(16, 0), "TsKlondikeForm");
  EXPECT_EQ(GameWindowClassName(16, 1), "TKlondikeForm");
  EXPECT_EQ(GameWindowClassName(16, 2), "ThKlondikeForm");
  EXPECT_EQ(GameInfo(0).MinWidth[1], 0) << "Aces Up fits any desktop at large cards";
  EXPECT_EQ(GameInfo(18).MinWidth[2], 1600);
}

TEST(GameWindows, SlotsRememberTheirWindowUntilItIsDestroyed) {
  EXPECT_EQ(GameWindows::Create(3, 1), nullptr) << "no factory, no window";
  GameWindows::SetFactory(16, 1, [] { return new QWidget; });
  GameWindows::SetFactory(16, 2, [] { return new QWidget; });
  GameWindows::SetFactory(2, 0, [] { return new QWidget; });
  EXPECT_FALSE(GameWindows::AnyOpen());

  QWidget* huge = GameWindows::Create(16, 2);
  QWidget* large = GameWindows::Create(16, 1);
  QWidget* dozen = GameWindows::Create(2, 0);
  EXPECT_EQ(GameWindows::Window(16, 1), large);
  EXPECT_TRUE(GameWindows::AnyOpen());

  std::vector<std::pair<int, int>> order;
  GameWindows::ForEachOpen([&](int game, int size, QWidget*) { order.emplace_back(game, size); });
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{2, 0}, {16, 1}, {16, 2}}));

  delete large;
  EXPECT_EQ(GameWindows::Window(16, 1), nullptr);
  delete huge;
  delete dozen;
  EXPECT_FALSE(GameWindows::AnyOpen());
}

}  // namespace
