#include "gui/resources/CommandIcons.h"

#include "core/resources/CommandIds.h"
#include "core/text/CharacterReference.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmapCache>
#include <atomic>
#include <map>

namespace razo {
namespace {

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
enum class Family { Html, Netscape, Microsoft, Symbol, Standard };

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

QColor Mixed(const QColor& a, const QColor& b, qreal share) {
    return QColor::fromRgbF(float(a.redF() * share + b.redF() * (1 - share)),
                            float(a.greenF() * share + b.greenF() * (1 - share)),
                            float(a.blueF() * share + b.blueF() * (1 - share)));
}

Inks InksFor(Family family) {
    const QPalette palette = QGuiApplication::palette();
    const QColor background = palette.color(QPalette::Active, QPalette::Button);
    const QColor text = palette.color(QPalette::Active, QPalette::ButtonText);
    const bool dark = background.lightnessF() < 0.5;
    QColor ink = text;
    switch (family) {
    case Family::Netscape:
        ink = dark ? QColor(0x7c, 0xd6, 0x98) : QColor(0x13, 0x6b, 0x31);
        break;
    case Family::Microsoft:
        ink = dark ? QColor(0x93, 0xb9, 0xff) : QColor(0x16, 0x47, 0xa6);
        break;
    case Family::Symbol:
        ink = dark ? QColor(0xd2, 0xad, 0xf5) : QColor(0x55, 0x25, 0x80);
        break;
    case Family::Html:
    case Family::Standard:
        break;
    }
    const QColor paper = dark ? Mixed(background, text, 0.55) : QColor(Qt::white);
    return {ink, paper, dark ? QColor(0xd8, 0xa8, 0x4a) : QColor(0xc8, 0x8a, 0x26), dark};
}

// A disabled image keeps its shape but loses its colour and most of its strength, so it reads as
// "not now" beside the full-strength images on either palette.
void Fade(QImage& image) {
    constexpr int kept = 64; // of 255: the share of the background a disabled image still covers
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (alpha == 0)
                continue;
            // Premultiplied: the grey of the straight colour, premultiplied again.
            const int grey =
                qGray(qRed(pixel) * 255 / alpha, qGreen(pixel) * 255 / alpha, qBlue(pixel) * 255 / alpha);
            const int faded = alpha * kept / 255;
            const int value = grey * faded / 255;
            line[x] = qRgba(value, value, value, faded);
        }
    }
}

// An icon painted anew at every size it is asked for, in the device pixels of the screen it is
// shown on, so it stays sharp at any scale.
class ScalableIconEngine : public QIconEngine {
public:
    // Toolbars ask for every image at each repaint: an image is drawn once per size, mode and
    // palette and kept in the program's pixmap cache.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QString key = QStringLiteral("razo-icon-%1-%2x%3-%4-%5")
                                .arg(m_serial)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode))
                                .arg(QGuiApplication::palette().cacheKey());
        QPixmap cached;
        if (!QPixmapCache::find(key, &cached)) {
            cached = QPixmap::fromImage(Render(size, mode));
            QPixmapCache::insert(key, cached);
        }
        return cached;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QImage image = Render(rect.size() * ratio, mode);
        image.setDevicePixelRatio(ratio);
        painter->drawImage(rect, image);
    }

protected:
    virtual void Draw(QPainter& painter, const QRectF& box) const = 0;

private:
    static inline std::atomic<quint64> s_serials{0};
    const quint64 m_serial = ++s_serials;

    QImage Render(QSize size, QIcon::Mode mode) const {
        QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        if (mode == QIcon::Disabled)
            Fade(image);
        return image;
    }
};

// Draws a short text fitted into the icon square; scales with the requested size.
class GlyphIconEngine : public ScalableIconEngine {
public:
    explicit GlyphIconEngine(Glyph glyph) : m_glyph(std::move(glyph)) {}

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph); }

protected:
    void Draw(QPainter& painter, const QRectF& rect) const override {
        QFont font(m_glyph.style & Serif ? "DejaVu Serif"
                                         : (m_glyph.style & Mono ? "DejaVu Sans Mono" : "DejaVu Sans"));
        font.setBold(m_glyph.style & Bold);
        font.setItalic(m_glyph.style & Italic);
        font.setUnderline(m_glyph.style & Underline);
        font.setStrikeOut(m_glyph.style & Strike);
        // Tag names of four letters and more need the narrow cut to stay readable.
        if (m_glyph.text.size() > 3)
            font.setStretch(QFont::Condensed);
        const QRectF box = rect.adjusted(rect.width() * 0.04, rect.height() * 0.04, -rect.width() * 0.04,
                                         -rect.height() * 0.04);
        // Fit the text: the largest pixel size whose bounds fit the box.
        int pixelSize = static_cast<int>(box.height() * (m_glyph.text.size() <= 2 ? 0.82 : 0.66));
        font.setPixelSize(std::max(pixelSize, 4));
        QFontMetricsF metrics(font);
        while (pixelSize > 4 && metrics.horizontalAdvance(m_glyph.text) > box.width()) {
            font.setPixelSize(--pixelSize);
            metrics = QFontMetricsF(font);
        }
        painter.setFont(font);
        painter.setPen(InksFor(m_glyph.family).ink);
        painter.drawText(box, Qt::AlignCenter, m_glyph.text);
    }

private:
    Glyph m_glyph;
};

QIcon GlyphIcon(const Glyph& glyph) {
    return QIcon(new GlyphIconEngine(glyph));
}

const std::map<int, Glyph>& ElementGlyphs() {
    using F = Family;
    static const std::map<int, Glyph> glyphs = {
        // Headings
        {cmd::Heading1, {"H1", Bold, F::Html}},
        {cmd::Heading2, {"H2", Bold, F::Html}},
        {cmd::Heading3, {"H3", Bold, F::Html}},
        {cmd::Heading4, {"H4", Bold, F::Html}},
        {cmd::Heading5, {"H5", Bold, F::Html}},
        {cmd::Heading6, {"H6", Bold, F::Html}},
        // Font elements
        {cmd::Bold, {"B", Bold | Serif, F::Html}},
        {cmd::Italic, {"I", Italic | Serif | Bold, F::Html}},
        {cmd::Teletype, {"TT", Mono, F::Html}},
        {cmd::Underline, {"U", Underline | Serif, F::Html}},
        {cmd::Strike, {"S", Strike | Serif, F::Html}},
        {cmd::Big, {"A+", Bold, F::Html}},
        {cmd::Small, {"a-", Plain, F::Html}},
        {cmd::Subscript, {"x\u2082", Serif, F::Html}},
        {cmd::Superscript, {"x\u00b2", Serif, F::Html}},
        {cmd::Font, {"Font", Plain, F::Html}},
        // Phrase elements
        {cmd::Strong, {"STR", Bold, F::Html}},
        {cmd::Emphasis, {"EM", Italic, F::Html}},
        {cmd::Keyboard, {"KBD", Mono, F::Html}},
        {cmd::Citation, {"CITE", Italic, F::Html}},
        {cmd::Code, {"CODE", Mono, F::Html}},
        {cmd::Sample, {"SAMP", Mono, F::Html}},
        {cmd::Variable, {"VAR", Italic | Serif, F::Html}},
        {cmd::DefineTerm, {"DFN", Italic, F::Html}},
        // Lists
        {cmd::OrderedList, {"OL", Bold, F::Html}},
        {cmd::UnorderedList, {"UL", Bold, F::Html}},
        {cmd::ListItem, {"LI", Plain, F::Html}},
        {cmd::DefinitionList, {"DL", Bold, F::Html}},
        {cmd::Term, {"DT", Plain, F::Html}},
        {cmd::Definition, {"DD", Plain, F::Html}},
        {cmd::DirectoryList, {"DIR", Plain, F::Html}},
        {cmd::MenuList, {"MENU", Plain, F::Html}},
        // Structure
        {cmd::InsertStandardTags, {"<>", Bold, F::Html}},
        {cmd::DocumentType, {"!DOC", Plain, F::Html}},
        {cmd::Html, {"HTML", Plain, F::Html}},
        {cmd::Base, {"BASE", Plain, F::Html}},
        {cmd::Body, {"BODY", Plain, F::Html}},
        {cmd::Paragraph, {"\u00b6", Bold, F::Html}},
        {cmd::Preformatted, {"PRE", Mono, F::Html}},
        {cmd::Blockquote, {"\u201c\u201d", Bold | Serif, F::Html}},
        {cmd::Address, {"ADDR", Italic, F::Html}},
        {cmd::LineBreak, {"BR", Plain, F::Html}},
        {cmd::HorizontalRule, {"HR", Plain, F::Html}},
        {cmd::Centre, {"CTR", Plain, F::Html}},
        {cmd::Division, {"DIV", Plain, F::Html}},
        // Links and images
        {cmd::Anchor, {"A#", Bold, F::Html}},
        {cmd::Link, {"A", Bold | Underline, F::Html}},
        {cmd::Image, {"IMG", Plain, F::Html}},
        {cmd::ImageMap, {"MAP", Plain, F::Html}},
        {cmd::ImageMapArea, {"AREA", Plain, F::Html}},
        {cmd::Comment, {"<!--", Mono, F::Html}},
        {cmd::HomePageButton, {"\u2605", Plain, F::Html}},
        // Forms
        {cmd::Form, {"FORM", Plain, F::Html}},
        {cmd::FormInput, {"INP", Plain, F::Html}},
        {cmd::FormSelect, {"SEL", Plain, F::Html}},
        {cmd::FormOption, {"OPT", Plain, F::Html}},
        {cmd::FormTextArea, {"TXA", Plain, F::Html}},
        // Tables
        {cmd::Table, {"TBL", Bold, F::Html}},
        {cmd::TableRow, {"TR", Plain, F::Html}},
        {cmd::TableHeader, {"TH", Bold, F::Html}},
        {cmd::TableData, {"TD", Plain, F::Html}},
        // Java
        {cmd::Applet, {"APP", Plain, F::Html}},
        {cmd::AppletParam, {"PRM", Plain, F::Html}},
        // Netscape
        {cmd::BodyNetscape, {"BODY", Plain, F::Netscape}},
        {cmd::BaseNetscape, {"BASE", Plain, F::Netscape}},
        {cmd::TableHeaderNetscape, {"TH", Bold, F::Netscape}},
        {cmd::TableDataNetscape, {"TD", Plain, F::Netscape}},
        {cmd::FormNetscape, {"FORM", Plain, F::Netscape}},
        {cmd::LinkNetscape, {"A", Bold | Underline, F::Netscape}},
        {cmd::FontNetscape, {"Font", Plain, F::Netscape}},
        {cmd::BaseFont, {"BASEF", Plain, F::Netscape}},
        {cmd::ImageNetscape, {"IMG", Plain, F::Netscape}},
        {cmd::ImageMapAreaNetscape, {"AREA", Plain, F::Netscape}},
        {cmd::Frameset, {"FSET", Plain, F::Netscape}},
        {cmd::Frame, {"FRM", Plain, F::Netscape}},
        {cmd::NoFrames, {"NOFR", Plain, F::Netscape}},
        {cmd::Blink, {"BLNK", Plain, F::Netscape}},
        {cmd::NoBreak, {"NOBR", Plain, F::Netscape}},
        {cmd::WordBreak, {"WBR", Plain, F::Netscape}},
        // Microsoft
        {cmd::BodyMicrosoft, {"BODY", Plain, F::Microsoft}},
        {cmd::TableMicrosoft, {"TBL", Bold, F::Microsoft}},
        {cmd::TableRowMicrosoft, {"TR", Plain, F::Microsoft}},
        {cmd::TableHeaderMicrosoft, {"TH", Bold, F::Microsoft}},
        {cmd::TableDataMicrosoft, {"TD", Plain, F::Microsoft}},
        {cmd::FontMicrosoft, {"Font", Plain, F::Microsoft}},
        {cmd::ImageMicrosoft, {"IMG", Plain, F::Microsoft}},
        {cmd::BackgroundSound, {"\u266a", Bold, F::Microsoft}},
        {cmd::Marquee, {"MARQ", Plain, F::Microsoft}},
    };
    return glyphs;
}

// A small picture drawn in a 16 by 16 square, scaled to whatever size is asked for.
using Drawing = void (*)(QPainter& painter, const Inks& inks);

QPen Line(const Inks& inks, qreal width = 1.2) {
    return QPen(inks.ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QColor InfoBlue(const Inks& inks) {
    return inks.dark ? QColor(0x5d, 0x95, 0xea) : QColor(0x23, 0x63, 0xc4);
}

void DrawNewPage(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.paper);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}));
    p.setBrush(Mixed(inks.ink, inks.paper, 0.25));
    p.drawPolygon(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}})); // the folded corner
}

void DrawFolder(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.accent.darker(115));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(inks.accent);
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}})); // the open flap
}

void DrawDisk(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(InfoBlue(inks));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(inks.paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 4.5)); // shutter
    p.drawRect(QRectF(3.5, 8.5, 9, 6));   // label
    p.drawLine(QPointF(5.5, 10.8), QPointF(10.5, 10.8));
    p.drawLine(QPointF(5.5, 12.6), QPointF(9.5, 12.6));
}

void DrawPrinter(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper going in
    p.setBrush(Mixed(inks.ink, inks.paper, 0.3));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5); // body
    p.setBrush(inks.paper);
    p.drawRect(QRectF(4.5, 9.5, 7, 5)); // printed sheet
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(9, 13));
}

void DrawClipboard(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.accent);
    p.drawRoundedRect(QRectF(2.5, 2.5, 9, 12), 1, 1); // board
    p.setBrush(Mixed(inks.ink, inks.paper, 0.5));
    p.drawRect(QRectF(5, 1.5, 4, 2.5)); // clip
    p.setBrush(inks.paper);
    p.drawRect(QRectF(7.5, 6.5, 7, 8)); // the sheet being pasted
    p.drawLine(QPointF(9, 9), QPointF(13, 9));
    p.drawLine(QPointF(9, 11), QPointF(13, 11));
    p.drawLine(QPointF(9, 13), QPointF(12, 13));
}

void DrawCopies(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.paper);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
    p.drawLine(QPointF(8.5, 7.5), QPointF(12.5, 7.5));
    p.drawLine(QPointF(8.5, 9.5), QPointF(12.5, 9.5));
    p.drawLine(QPointF(8.5, 11.5), QPointF(11.5, 11.5));
}

// A curved arrow from the lower right round to the left: undo. Mirrored, it is redo.
void DrawBackArrow(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks, 1.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(13, 13);
    curve.cubicTo(13.5, 7.5, 10, 5.5, 5.5, 5.5);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(inks.ink);
    p.drawPolygon(QPolygonF({{6.5, 1.5}, {1.5, 5.5}, {6.5, 9.5}}));
}

void DrawForwardArrow(QPainter& p, const Inks& inks) {
    p.translate(16, 0);
    p.scale(-1, 1);
    DrawBackArrow(p, inks);
}

// A circling arrow: the last insertion once more.
void DrawRepeat(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks, 1.9));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(2.5, 2.5, 11, 11);
    QPainterPath arc;
    arc.arcMoveTo(circle, 100);
    arc.arcTo(circle, 100, 290);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(inks.ink);
    p.drawPolygon(QPolygonF({{5.5, 0.5}, {10.5, 2.8}, {6, 6.5}}));
}

void DrawAbout(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(InfoBlue(inks));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.9), 1.2, 1.2);
    p.drawRoundedRect(QRectF(6.9, 7, 2.2, 5.6), 0.6, 0.6);
}

// The pointer with a question mark: help on what is clicked next.
void DrawContextHelp(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks, 1.0));
    p.setBrush(inks.paper);
    p.drawPolygon(
        QPolygonF({{1.5, 1.5}, {1.5, 12}, {4, 9.7}, {5.8, 13.8}, {7.5, 13.1}, {5.7, 9.1}, {9, 9.1}}));
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(inks.ink);
    p.drawText(QRectF(8, 0, 8, 12), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawProgram(QPainter& p, const Inks&) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0xa8));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2.5, 2.5);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(7);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("<R>"));
}

class DrawnIconEngine : public ScalableIconEngine {
public:
    explicit DrawnIconEngine(Drawing drawing) : m_drawing(drawing) {}

    QIconEngine* clone() const override { return new DrawnIconEngine(m_drawing); }

protected:
    void Draw(QPainter& painter, const QRectF& rect) const override {
        const qreal side = std::min(rect.width(), rect.height());
        painter.translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter.scale(side / 16, side / 16);
        m_drawing(painter, InksFor(Family::Standard));
    }

private:
    Drawing m_drawing;
};

// The standard buttons are drawn like the rest rather than taken from an icon theme: a theme
// may lack them, draw them blurred at a scale it has no size for, or miss the dark palette.
struct StandardIcon {
    Drawing drawing;
    const char* glyph = nullptr; // when there is no drawing
};

const std::map<int, StandardIcon>& StandardIcons() {
    static const std::map<int, StandardIcon> icons = {
        {cmd::FileNew, {DrawNewPage}},
        {cmd::FileOpen, {DrawFolder}},
        {cmd::FileSave, {DrawDisk}},
        {cmd::FilePrint, {DrawPrinter}},
        {cmd::BrowserTest, {nullptr, "1\u25b6"}},
        {cmd::BrowserTest2, {nullptr, "2\u25b6"}},
        {cmd::Preferences, {nullptr, "\u2699"}},
        {cmd::EditCut, {nullptr, "\u2702"}},
        {cmd::EditCopy, {DrawCopies}},
        {cmd::EditPaste, {DrawClipboard}},
        {cmd::EditUndo, {DrawBackArrow}},
        {cmd::EditRedo, {DrawForwardArrow}},
        {cmd::RepeatTags, {DrawRepeat}},
        {cmd::AppAbout, {DrawAbout}},
        {cmd::ContextHelp, {DrawContextHelp}},
    };
    return icons;
}

QIcon StandardActionIcon(const StandardIcon& standard) {
    if (standard.drawing != nullptr)
        return QIcon(new DrawnIconEngine(standard.drawing));
    return GlyphIcon({QString::fromUtf8(standard.glyph), Plain, Family::Standard});
}

} // namespace

QIcon IconForCommand(int commandId) {
    if (auto it = StandardIcons().find(commandId); it != StandardIcons().end())
        return StandardActionIcon(it->second);
    if (auto it = ElementGlyphs().find(commandId); it != ElementGlyphs().end())
        return GlyphIcon(it->second);
    return {};
}

QIcon IconForEntity(const std::string& insertedText) {
    return GlyphIcon({QString::fromStdString(ShownCharacter(insertedText)), Serif, Family::Symbol});
}

QIcon ProgramIcon() {
    return QIcon(new DrawnIconEngine(DrawProgram));
}

} // namespace razo
