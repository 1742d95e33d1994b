// The design table against the rules every window design must keep.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <vector>

#include "form_design.h"

namespace design = platewise::design;

TEST(DesignTable, NamesAreUniqueAndTabPlacesRunFromZeroTo84) {
  std::set<std::string_view> names;
  std::vector<int> tabs;
  for (const design::Control& c : design::controls()) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    if (c.kind != design::Kind::Line) tabs.push_back(c.tab);
  }
  std::ranges::sort(tabs);
  std::vector<int> expected(85);
  std::iota(expected.begin(), expected.end(), 0);
  EXPECT_EQ(tabs, expected);
}

TEST(DesignTable, EveryControlFitsInsideItsFrameWhichComesFirst) {
  const auto all = design::controls();
  const design::Window& window = design::window();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const design::Control& c = all[i];
    int width = window.client_width, height = window.client_height;
    if (!c.parent.empty()) {
      const design::Control* frame = design::find(c.parent);
      ASSERT_NE(frame, nullptr) << c.name;
      EXPECT_EQ(frame->kind, design::Kind::Frame) << c.name;
      EXPECT_LT(frame - all.data(), static_cast<std::ptrdiff_t>(i)) << c.name;
      width = frame->width;
      height = frame->height;
    }
    EXPECT_LE(c.left + c.width, width) << c.name;
    EXPECT_LE(c.top + c.height, height) << c.name;
  }
}
