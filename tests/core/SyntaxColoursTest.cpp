// The colours of a page's markup: each kind readable (4.5:1 at least) on light, dark and awkward
// backgrounds, and the contrast measure itself.
#include <gtest/gtest.h>

#include "core/view/SyntaxColours.h"
#include "tests/support/RowName.h"

namespace razo {
namespace {

TEST(Contrast, MeasuresAsTheReadabilityGuidelinesDo) {
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {255, 255, 255}), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({0x76, 0x76, 0x76}, {255, 255, 255}), 4.54, 0.01);
    EXPECT_EQ(ReadableOn({0x10, 0x20, 0xc0}, {255, 255, 255}),
              (ScreenColour{0x10, 0x20, 0xc0})); // already readable
}

struct Page {
    const char* name;
    ScreenColour background;
    ScreenColour text;
};

class PageColours : public ::testing::TestWithParam<Page> {};

TEST_P(PageColours, EveryKindIsReadableAndMarkupStandsApart) {
    const Page& page = GetParam();
    const ScreenColour text = SyntaxColour(SyntaxKind::Text, page.background, page.text);
    for (int k = 0; k < SyntaxKindCount; ++k) {
        const ScreenColour colour = SyntaxColour(static_cast<SyntaxKind>(k), page.background, page.text);
        EXPECT_GE(ContrastRatio(colour, page.background), ReadableContrast) << "kind " << k;
        if (k != int(SyntaxKind::Text)) {
            EXPECT_NE(colour, text) << "kind " << k;
        }
    }
    EXPECT_NE(SyntaxColour(SyntaxKind::Tag, page.background, page.text),
              SyntaxColour(SyntaxKind::Attribute, page.background, page.text));
}

INSTANTIATE_TEST_SUITE_P(
    Backgrounds, PageColours,
    ::testing::Values(Page{"white", {255, 255, 255}, {0, 0, 0}},
                      Page{"dark grey", {0x1e, 0x1e, 0x1e}, {0xe6, 0xe6, 0xe6}},
                      Page{"black", {0, 0, 0}, {255, 255, 255}},
                      Page{"mid grey", {0x80, 0x80, 0x80}, {0, 0, 0}},
                      Page{"navy", {0x00, 0x00, 0x60}, {0xff, 0xff, 0xff}},
                      Page{"cream with faint text", {0xff, 0xf8, 0xdc}, {0xa0, 0xa0, 0xa0}}),
    [](const auto& info) { return test::RowName(info.param.name); });

} // namespace
} // namespace razo
