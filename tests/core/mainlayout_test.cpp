#include "core/mainlayout.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace tymba {
namespace {

// From size a to size b band k moves by 30 x (k - 1) x (b - a) and each
// second-line band grows by 15 x (b - a); back again is the same layout.
TEST(FontSizeLayout, BandsMoveInStepWithTheSize) {
  for (const auto [from, to] : std::array<std::pair<int, int>, 3>{{{1, 3}, {3, 2}, {2, 1}}}) {
    SCOPED_TRACE(testing::Message() << from << " to " << to);
    const FontSizeLayout a = fontSizeLayout(from);
    const FontSizeLayout b = fontSizeLayout(to);
    for (int k = 0; k < 10; ++k) {
      EXPECT_EQ(b.lblLinka[k].top - a.lblLinka[k].top, 30 * k * (to - from));
      EXPECT_EQ(b.lblLinka1[k].top - a.lblLinka1[k].top, 30 * k * (to - from));
      EXPECT_EQ(b.lblLinka1[k].height - a.lblLinka1[k].height, 15 * (to - from));
      EXPECT_EQ(b.lblLinka[k].height, a.lblLinka[k].height);
    }
  }
}

TEST(FontSizeLayout, FontTargetTopAndCursorMarkBySize) {
  struct Case {
    const char* name;
    int pismo;
    std::tuple<int, int, int, int> shown;  // points, first target top, Shape1 left and width
  };
  for (const Case& c :
       {Case{"small", 1, {10, 240, 1080, 135}}, Case{"medium", 2, {11, 255, 1080, 150}},
        Case{"large", 3, {12, 270, 1065, 165}},
        Case{"out of range counts as small", 7, {10, 240, 1080, 135}}}) {
    SCOPED_TRACE(c.name);
    const FontSizeLayout l = fontSizeLayout(c.pismo);
    EXPECT_EQ(std::tuple(l.fontPoints, l.targetTop, l.shape1Left, l.shape1Width), c.shown);
  }
}

TEST(WidthLayout, ClockValuesAndTextFollowTheWidth) {
  const WidthLayout w = widthLayout(9400);
  EXPECT_EQ(std::tuple(w.picZadani, w.targetLabel, w.infoValues), std::tuple(9160, 6670, 6620));
  EXPECT_EQ(std::tuple(w.lblMinuta, w.lblDvojtecka, w.lblSekunda), std::tuple(7615, 8335, 8575));
  EXPECT_EQ(lessonLineWidth(6000), 3840);
}

}  // namespace
}  // namespace tymba
