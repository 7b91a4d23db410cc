#include "scaling.h"
#include "tab_order.h"

#include <gtest/gtest.h>

namespace {

TEST(Scaling, FontsFollowTheDensityRoundedToTheNearestPixel) {
    EXPECT_EQ(ScaleFontHeight(-11, 96, 96), -11);
    EXPECT_EQ(ScaleFontHeight(-11, 120, 96), -14);  // -13.75
    EXPECT_EQ(ScaleFontHeight(-11, 144, 96), -17);  // -16.5, away from zero
}

TEST(Scaling, TheLayoutFollowsTheMeasuredTextHeight) {
    EXPECT_EQ(ScaleLength(700, 13, 13), 700);
    EXPECT_EQ(ScaleLength(700, 16, 13), 862);  // 861.5
    EXPECT_EQ(ScaleLength(8, 12, 13), 7);      // 7.38
    EXPECT_EQ(ScaleLength(25, 16, 13), 31);    // 30.77
}

TEST(TabOrder, MovesForwardAndBackWrappingAtBothEnds) {
    EXPECT_EQ(NextInTabOrder(8, 0, true), 1u);
    EXPECT_EQ(NextInTabOrder(8, 7, true), 0u);
    EXPECT_EQ(NextInTabOrder(8, 0, false), 7u);
    EXPECT_EQ(NextInTabOrder(8, std::nullopt, true), 0u);
    EXPECT_EQ(NextInTabOrder(8, std::nullopt, false), 7u);
    EXPECT_EQ(NextInTabOrder(0, std::nullopt, true), std::nullopt);
}

}  // namespace
