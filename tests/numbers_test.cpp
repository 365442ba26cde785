#include "platform/forms/colour_rule.h"
#include "platform/forms/text_fit.h"
#include "platform/forms/twips.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
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

// A face whose every letter is a tenth of its stretch wide, on 10-pixel lines.
struct EvenFace final : platform::TextMeasure {
    explicit EvenFace(int percent) : stretch(percent) {}
    [[nodiscard]] int width(std::string_view text) const override {
        return static_cast<int>(text.size()) * stretch / 10;
    }
    [[nodiscard]] int lineHeight() const override { return 10; }
    [[nodiscard]] int leading() const override { return 2; }
    int stretch;
};

// The text fit: a font keeps its width where every text fits, and is narrowed just far enough
// where one does not: wider than its room, wrapped onto more lines than it has, or under a
// control in front of it.
TEST(TextFit, NarrowsAFontOnlyAsFarAsItsWidestTextNeeds) {
    const auto at = [](int stretch) { return std::make_unique<EvenFace>(stretch); };
    const platform::TextRoom button{.area = {0, 0, 80, 10}};
    const platform::FitCase fits{button, {"&abcdefg"}};
    EXPECT_EQ(platform::fittingStretch(100, std::span(&fits, 1), at), 100);
    const platform::FitCase wide{button, {"abc", "abcdefghij"}};
    EXPECT_EQ(platform::fittingStretch(100, std::span(&wide, 1), at), 80);

    const platform::TextRoom twoLines{.area = {0, 0, 50, 20}, .label = true};
    EXPECT_TRUE(platform::fits(twoLines, EvenFace(100), "aa bb cc"));
    EXPECT_FALSE(platform::fits(twoLines, EvenFace(100), "aa bb cc dd ee ff"));
    const platform::FitCase wrapped{twoLines, {"aaaa bbbb cccc"}};
    EXPECT_EQ(platform::fittingStretch(100, std::span(&wrapped, 1), at), 56);

    // Centred, "abcdef" spans 20 to 80; a neighbour from 75 covers its last letter.
    platform::TextRoom centred{.area = {0, 0, 100, 10},
                               .label = true,
                               .alignment = platform::Alignment::Centre,
                               .inFront = {{75, 0, 100, 10}}};
    const platform::FitCase covered{centred, {"abcdef"}};
    EXPECT_EQ(platform::fittingStretch(100, std::span(&covered, 1), at), 89);
}

// The colour rule: the design's colour where it reads on what lies behind it (4.5:1 for text,
// 3:1 for lines and the bar), the theme's otherwise or in high contrast, and a readable ground
// even in a broken theme.
TEST(ColourRule, KeepsTheDesignWhereItReadsAndTheThemeWhereItDoesNot) {
    using enum platform::ColourRole;
    constexpr platform::Colour white = 0x00FFFFFF, black = 0, blue = 0x00FF0000, grey = 0x00808080;
    const platform::ThemeColours light{.face = white, .link = 0x00AA0000};
    const platform::ThemeColours contrast{.face = white, .link = 0xFF, .highContrast = true};
    const platform::ThemeColours dark{0x00302D2D, 0x00E6E6E6, 0x001E1E1E, 0x00E6E6E6, 0x00402020};
    const platform::ThemeColours textOnFace{dark.face, dark.face, dark.window, dark.windowText};
    const platform::ThemeColours allSame{grey, grey, grey, grey, grey, grey, grey, grey};
    struct Case {
        platform::ColourRole role;
        std::optional<platform::Colour> design;
        platform::Colour behind;
        const platform::ThemeColours& theme;
        platform::Colour expected;
    };
    for (const Case& c : std::vector<Case>{{Text, 0x00767676, white, light, 0x00767676}, // 4.54:1
                                           {Text, 0x00777777, white, light, black},      // 4.48:1
                                           {LineDark, 0x00949494, white, light, 0x00949494},
                                           {LineDark, 0x00959595, white, light, light.lineDark},
                                           {Bar, 0x00FFFFA0, 0x00FFFFC0, light, light.highlight},
                                           {ShapeBack, 0x00FFC0C0, white, light, 0x00FFC0C0},
                                           {Text, black, white, contrast, black},
                                           {Link, blue, white, contrast, 0xFF},
                                           {BarFrame, 0x00FFFFC0, white, contrast, white},
                                           {Link, blue, dark.face, dark, dark.text},
                                           {Text, black, dark.window, textOnFace, dark.windowText},
                                           {Text, std::nullopt, white, allSame, black}}) {
        EXPECT_EQ(platform::chooseColour(c.role, c.design, c.behind, c.theme), c.expected)
            << static_cast<int>(c.role) << " " << std::hex << c.design.value_or(0xFFFFFFFF);
    }
    EXPECT_EQ(platform::groundOf(textOnFace).face, dark.window);
    EXPECT_EQ(platform::groundOf(allSame).face, white);
}
} // namespace
