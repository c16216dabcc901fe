#pragma once
#include <QColor>
#include <QIcon>
#include <QString>

class QPainter;

namespace razo {

// The engine behind every toolbar image: drawn anew at every size and scale asked for, in the
// colours of the palette of the moment, a disabled image faded to grey.

// How a glyph's text is set; the styles combine.
enum GlyphStyle : unsigned {
    Plain = 0,
    Bold = 1,
    Italic = 2,
    Underline = 4,
    Strike = 8,
    Serif = 16,
    Mono = 32,
};

// Colour families: the dialect a command belongs to shows as the glyph's colour.
enum class Family { Html, Netscape, Microsoft, Symbol, Standard, Html5 };

struct Glyph {
    QString text;
    unsigned style;
    Family family;
};

// The colours an image is drawn in, taken from the palette when it is drawn, so the images follow
// a light or a dark desktop.
struct Inks {
    QColor ink;    // lines and letters
    QColor paper;  // what a sheet of paper is filled with
    QColor accent; // the one colour of a picture (a folder, a disk, a clipboard)
    bool dark;     // light drawing on a dark background
};

// The colours of a family in the palette of the moment.
Inks InksFor(Family family);
// `a` and `b` mixed, `share` of `a`.
QColor Mixed(const QColor& a, const QColor& b, qreal share);

// A short text fitted into the icon square.
QIcon GlyphIcon(const Glyph& glyph);

// A small picture drawn in a 16 by 16 square, scaled to whatever size is asked for.
using Drawing = void (*)(QPainter& painter, const Inks& inks);
// A drawing, in the standard family's inks.
QIcon DrawnIcon(Drawing drawing);

} // namespace razo
