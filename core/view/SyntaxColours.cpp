#include "core/view/SyntaxColours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace razo {

namespace {

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

constexpr ScreenColour Black{0, 0, 0};
constexpr ScreenColour White{255, 255, 255};

// The hues of each kind, in SyntaxKind order: deep ones for a light page, soft ones for a dark
// page. ReadableOn only corrects them for backgrounds far from white or black.
constexpr std::array<ScreenColour, SyntaxKindCount> LightHues = {{
    {0, 0, 0},          // Text: the palette's own
    {0x1a, 0x4f, 0xb3}, // Tag
    {0x8a, 0x3b, 0x00}, // Attribute
    {0x1b, 0x6e, 0x1b}, // Value
    {0xa3, 0x4a, 0x00}, // Number
    {0x8e, 0x24, 0xaa}, // Entity
    {0x5f, 0x67, 0x70}, // Comment
    {0x00, 0x6d, 0x77}, // Declaration
    {0x9c, 0x1f, 0x7a}, // Keyword
    {0xc6, 0x28, 0x28}, // Error
    {0x1a, 0x4f, 0xb3}, // Selector
    {0x8a, 0x3b, 0x00}, // Property
    {0x1b, 0x6e, 0x1b}, // StyleValue
}};
constexpr std::array<ScreenColour, SyntaxKindCount> DarkHues = {{
    {0, 0, 0},          // Text
    {0x7c, 0xb7, 0xff}, // Tag
    {0xf0, 0xa8, 0x6c}, // Attribute
    {0x9c, 0xd6, 0x7a}, // Value
    {0xf5, 0xc1, 0x6c}, // Number
    {0xd7, 0xa6, 0xff}, // Entity
    {0x9a, 0xa4, 0xae}, // Comment
    {0x5f, 0xd4, 0xc8}, // Declaration
    {0xff, 0x8f, 0xc8}, // Keyword
    {0xff, 0x7b, 0x72}, // Error
    {0x7c, 0xb7, 0xff}, // Selector
    {0xf0, 0xa8, 0x6c}, // Property
    {0x9c, 0xd6, 0x7a}, // StyleValue
}};

} // namespace

double RelativeLuminance(ScreenColour colour) {
    return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(ScreenColour a, ScreenColour b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ScreenColour Mix(ScreenColour from, ScreenColour to, double amount) {
    const auto channel = [amount](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * std::clamp(amount, 0.0, 1.0)));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

ScreenColour ReadableOn(ScreenColour wanted, ScreenColour background, double ratio) {
    if (ContrastRatio(wanted, background) >= ratio)
        return wanted;
    // One of black and white has at least 4.58:1 against any background.
    const ScreenColour towards =
        ContrastRatio(Black, background) >= ContrastRatio(White, background) ? Black : White;
    constexpr int Steps = 32;
    for (int step = 1; step < Steps; ++step) {
        const ScreenColour mixed = Mix(wanted, towards, double(step) / Steps);
        if (ContrastRatio(mixed, background) >= ratio)
            return mixed;
    }
    return towards;
}

ScreenColour SyntaxColour(SyntaxKind kind, ScreenColour background, ScreenColour text) {
    if (kind == SyntaxKind::Text)
        return ReadableOn(text, background);
    const bool dark = RelativeLuminance(background) < RelativeLuminance(text);
    const auto& hues = dark ? DarkHues : LightHues;
    return ReadableOn(hues[static_cast<std::size_t>(kind)], background);
}

} // namespace razo
