#include "gui/view/QtLogFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace razo {
namespace {

constexpr int kPitchMask = 0x03;
constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kFamilyMask = 0xF0;
constexpr int kRoman = 0x10;
constexpr int kSwiss = 0x20;
constexpr int kModern = 0x30;
constexpr int kScript = 0x40;
constexpr int kDecorative = 0x50;

QFont::StyleHint StyleHintOf(int pitchAndFamily) {
    switch (pitchAndFamily & kFamilyMask) {
    case kRoman:
        return QFont::Serif;
    case kSwiss:
        return QFont::SansSerif;
    case kModern:
        return QFont::TypeWriter;
    case kScript:
        return QFont::Cursive;
    case kDecorative:
        return QFont::Decorative;
    default:
        return (pitchAndFamily & kPitchMask) == kFixedPitch ? QFont::TypeWriter : QFont::AnyStyle;
    }
}

int FamilyOf(QFont::StyleHint hint) {
    switch (hint) {
    case QFont::Serif:
        return kRoman;
    case QFont::SansSerif:
        return kSwiss;
    case QFont::TypeWriter:
    case QFont::Monospace:
        return kModern;
    case QFont::Cursive:
        return kScript;
    case QFont::Decorative:
    case QFont::Fantasy:
        return kDecorative;
    default:
        return 0;
    }
}

QFont::Weight WeightOf(int weight) {
    if (weight <= 0)
        return QFont::Normal;
    // Qt's weights are the same 100..900 scale, in steps of 100.
    return static_cast<QFont::Weight>((std::min(weight, 900) + 50) / 100 * 100);
}

// A stored height from a hand-edited profile may be anything; what is shown stays readable.
int ReadablePixels(long long pixels) {
    return static_cast<int>(std::clamp<long long>(pixels, MinReadablePixels, MaxReadablePixels));
}

// The pixel size whose cell (ascent plus descent) is `cellHeight`, as near as the font allows.
int PixelSizeForCell(QFont font, int cellHeight) {
    int size = cellHeight;
    for (int attempt = 0; attempt < 4; ++attempt) {
        font.setPixelSize(size);
        const int cell = QFontMetrics(font).height();
        if (cell == cellHeight || cell <= 0)
            break;
        const int next = std::max(1, static_cast<int>(std::lround(double(size) * cellHeight / cell)));
        if (next == size)
            break;
        size = next;
    }
    return size;
}

} // namespace

QFont ToQFont(const LogFont& logFont) {
    QFont font;
    if (!logFont.faceName.empty())
        font.setFamily(QString::fromStdString(logFont.faceName));
    font.setStyleHint(StyleHintOf(logFont.pitchAndFamily));
    if ((logFont.pitchAndFamily & kPitchMask) == kFixedPitch)
        font.setFixedPitch(true);
    font.setWeight(WeightOf(logFont.weight));
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    const long long height = logFont.height; // wide enough to negate the lowest int
    if (height < 0)
        font.setPixelSize(ReadablePixels(-height));
    else if (height > 0)
        font.setPixelSize(ReadablePixels(PixelSizeForCell(font, ReadablePixels(height))));
    return font;
}

LogFont ToLogFont(const QFont& font) {
    const QFontInfo info(font);
    LogFont logFont;
    logFont.height = -(font.pixelSize() > 0 ? font.pixelSize() : std::max(info.pixelSize(), 1));
    logFont.weight = font.weight();
    logFont.italic = font.italic() ? 1 : 0;
    logFont.underline = font.underline() ? 1 : 0;
    logFont.strikeOut = font.strikeOut() ? 1 : 0;
    const int pitch = info.fixedPitch() ? kFixedPitch : kVariablePitch;
    logFont.pitchAndFamily = static_cast<std::uint8_t>(pitch | FamilyOf(font.styleHint()));
    logFont.SetFaceName(font.family().toStdString());
    return logFont;
}

} // namespace razo
