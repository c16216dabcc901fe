#pragma once
#include <QFont>

#include "core/view/DisplaySettings.h"

namespace razo {

// The character heights a display font is shown at, whatever height is stored.
inline constexpr int MinReadablePixels = 8;
inline constexpr int MaxReadablePixels = 200;

// The stored logical font as a QFont: a negative height is the character height in pixels, a
// positive one the cell height (the pixel size is chosen so that the font's ascent plus descent
// match it), weight 0 is the font's normal weight, the pitch and family become a style hint. Heights outside
// MinReadablePixels..MaxReadablePixels are shown at the nearest of the two.
QFont ToQFont(const LogFont& logFont);

// A QFont as the logical font that is stored: its character height in pixels (negative), its
// weight, italic, underline, strike-out, face name and pitch and family.
LogFont ToLogFont(const QFont& font);

} // namespace razo
