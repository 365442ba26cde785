#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(Numbers, SixteenBitConversionRoundsHalvesToEvenAndChecksRange) {
    struct Case {
        double value;
        std::int16_t expected;
    };
    for (const Case& c : std::vector<Case>{{0.5, 0},
                                           {1.5, 2},
                                           {2.5, 2},
                                           {4.5, 4},
                                           {13.5, 14},
                                           {364.5, 364},
                                           {1228.5, 1228},
                                           {4144.5, 4144},
                                           {9324.0, 9324},
                                           {-0.5, 0},
                                           {-1.5, -2},
                                           {32767.4, 32767},
                                           {-32768.5, -32768}}) {
        EXPECT_EQ(platform::toInt16(c.value), c.expected) << c.value;
    }
    for (const double bad :
         {32767.5, 32768.0, -32769.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        try {
            (void)platform::toInt16(bad);
            ADD_FAILURE() << bad << " converted";
        } catch (const platform::RuntimeError& error) {
            EXPECT_EQ(error.number(), platform::ErrorNumber::Overflow);
        }
    }
}

TEST(Numbers, CheckedMultiplicationRaisesOnOverflowAndInvalidOperations) {
    EXPECT_EQ(platform::multiplyChecked(4144.0, 1.5), 6216.0);
    EXPECT_EQ(platform::multiplyChecked(0.5F, 53.0F), 26.5F);
    const float big = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_THROW((void)platform::multiplyChecked(big, 2.0F), platform::RuntimeError);
    EXPECT_THROW((void)platform::multiplyChecked(inf, 0.0F), platform::RuntimeError);
    EXPECT_THROW((void)platform::multiplyChecked(std::numeric_limits<double>::max(), 2.0),
                 platform::RuntimeError);
    // An earlier, unrelated flag must not leak into the next test.
    EXPECT_EQ(platform::multiplyChecked(2.0F, 3.0F), 6.0F);
}

TEST(Twips, BecomePixelsByTheScreensDotsPerInch) {
    EXPECT_EQ(platform::twipsToPixels(7710, 96), 514);
    EXPECT_EQ(platform::twipsToPixels(5130, 96), 342);
    EXPECT_EQ(platform::twipsToPixels(7710, 192), 1028);
    EXPECT_EQ(platform::twipsToPixels(1815, 120), 151);
    EXPECT_EQ(platform::twipsToPixels(5654, 96), 377);
}

} // namespace
