#include "resources/CommandIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
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

QColor InkOf(Family family) {
    switch (family) {
    case Family::Netscape:
        return QColor(0x1b, 0x7a, 0x3a);
    case Family::Microsoft:
        return QColor(0x1d, 0x4f, 0xa8);
    case Family::Symbol:
        return QColor(0x5a, 0x2d, 0x82);
    case Family::Standard:
        return QColor(0x30, 0x30, 0x30);
    case Family::Html:
        break;
    }
    return QColor(0x23, 0x23, 0x23);
}

// Draws a short text fitted into the icon square; scales with the requested size.
// An icon painted anew at every size it is asked for, so it stays sharp at any scale.
class ScalableIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return image;
    }
};

class GlyphIconEngine : public ScalableIconEngine {
public:
    explicit GlyphIconEngine(Glyph glyph) : m_glyph(std::move(glyph)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        QFont font(m_glyph.style & Serif ? "DejaVu Serif"
                                         : (m_glyph.style & Mono ? "DejaVu Sans Mono" : "DejaVu Sans"));
        font.setBold(m_glyph.style & Bold);
        font.setItalic(m_glyph.style & Italic);
        font.setUnderline(m_glyph.style & Underline);
        font.setStrikeOut(m_glyph.style & Strike);
        // Tag names of four letters and more need the narrow cut to stay readable.
        if (m_glyph.text.size() > 3)
            font.setStretch(QFont::Condensed);
        const QRectF box = QRectF(rect).adjusted(rect.width() * 0.04, rect.height() * 0.04,
                                                 -rect.width() * 0.04, -rect.height() * 0.04);
        // Fit the text: the largest pixel size whose bounds fit the box.
        int pixelSize = static_cast<int>(box.height() * (m_glyph.text.size() <= 2 ? 0.82 : 0.64));
        font.setPixelSize(std::max(pixelSize, 4));
        QFontMetricsF metrics(font);
        while (pixelSize > 4 && metrics.horizontalAdvance(m_glyph.text) > box.width()) {
            font.setPixelSize(--pixelSize);
            metrics = QFontMetricsF(font);
        }
        painter->setFont(font);
        QColor ink = InkOf(m_glyph.family);
        if (mode == QIcon::Disabled)
            ink = QColor(0xa0, 0xa0, 0xa0);
        painter->setPen(ink);
        painter->drawText(box, Qt::AlignCenter, m_glyph.text);
        painter->restore();
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph); }

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
        {32809, {"H1", Bold, F::Html}},
        {32810, {"H2", Bold, F::Html}},
        {32811, {"H3", Bold, F::Html}},
        {32812, {"H4", Bold, F::Html}},
        {32813, {"H5", Bold, F::Html}},
        {32814, {"H6", Bold, F::Html}},
        // Font elements
        {32774, {"B", Bold | Serif, F::Html}},
        {32775, {"I", Italic | Serif | Bold, F::Html}},
        {32776, {"TT", Mono, F::Html}},
        {32852, {"U", Underline | Serif, F::Html}},
        {32853, {"S", Strike | Serif, F::Html}},
        {32854, {"A+", Bold, F::Html}},
        {32855, {"a-", Plain, F::Html}},
        {32856, {"x\u2082", Serif, F::Html}},
        {32857, {"x\u00b2", Serif, F::Html}},
        {32969, {"Font", Plain, F::Html}},
        // Phrase elements
        {32782, {"STR", Bold, F::Html}},
        {32779, {"EM", Italic, F::Html}},
        {32780, {"KBD", Mono, F::Html}},
        {32777, {"CITE", Italic, F::Html}},
        {32778, {"CODE", Mono, F::Html}},
        {32781, {"SAMP", Mono, F::Html}},
        {32783, {"VAR", Italic | Serif, F::Html}},
        {32844, {"DFN", Italic, F::Html}},
        // Lists
        {32786, {"OL", Bold, F::Html}},
        {32785, {"UL", Bold, F::Html}},
        {32784, {"LI", Plain, F::Html}},
        {32789, {"DL", Bold, F::Html}},
        {32790, {"DT", Plain, F::Html}},
        {32872, {"DD", Plain, F::Html}},
        {32787, {"DIR", Plain, F::Html}},
        {32788, {"MENU", Plain, F::Html}},
        // Structure
        {32909, {"<>", Bold, F::Html}},
        {32917, {"!DOC", Plain, F::Html}},
        {32791, {"HTML", Plain, F::Html}},
        {32897, {"BASE", Plain, F::Html}},
        {32794, {"BODY", Plain, F::Html}},
        {32799, {"\u00b6", Bold, F::Html}},
        {32802, {"PRE", Mono, F::Html}},
        {32804, {"\u201c\u201d", Bold | Serif, F::Html}},
        {32805, {"ADDR", Italic, F::Html}},
        {32800, {"BR", Plain, F::Html}},
        {32801, {"HR", Plain, F::Html}},
        {32834, {"CTR", Plain, F::Html}},
        {32901, {"DIV", Plain, F::Html}},
        // Links and images
        {32911, {"A#", Bold, F::Html}},
        {32910, {"A", Bold | Underline, F::Html}},
        {32806, {"IMG", Plain, F::Html}},
        {32941, {"MAP", Plain, F::Html}},
        {32949, {"AREA", Plain, F::Html}},
        {32915, {"<!--", Mono, F::Html}},
        {33178, {"\u2605", Plain, F::Html}},
        // Forms
        {32874, {"FORM", Plain, F::Html}},
        {32875, {"INP", Plain, F::Html}},
        {32876, {"SEL", Plain, F::Html}},
        {32877, {"OPT", Plain, F::Html}},
        {32878, {"TXA", Plain, F::Html}},
        // Tables
        {32879, {"TBL", Bold, F::Html}},
        {32881, {"TR", Plain, F::Html}},
        {32882, {"TH", Bold, F::Html}},
        {32883, {"TD", Plain, F::Html}},
        // Java
        {32960, {"APP", Plain, F::Html}},
        {32961, {"PRM", Plain, F::Html}},
        // Netscape
        {32841, {"BODY", Plain, F::Netscape}},
        {32935, {"BASE", Plain, F::Netscape}},
        {32895, {"TH", Bold, F::Netscape}},
        {32896, {"TD", Plain, F::Netscape}},
        {32937, {"FORM", Plain, F::Netscape}},
        {32936, {"A", Bold | Underline, F::Netscape}},
        {32817, {"Font", Plain, F::Netscape}},
        {32818, {"BASEF", Plain, F::Netscape}},
        {32835, {"IMG", Plain, F::Netscape}},
        {32942, {"AREA", Plain, F::Netscape}},
        {32932, {"FSET", Plain, F::Netscape}},
        {32933, {"FRM", Plain, F::Netscape}},
        {32934, {"NOFR", Plain, F::Netscape}},
        {32836, {"BLNK", Plain, F::Netscape}},
        {32832, {"NOBR", Plain, F::Netscape}},
        {32833, {"WBR", Plain, F::Netscape}},
        // Microsoft
        {32919, {"BODY", Plain, F::Microsoft}},
        {32921, {"TBL", Bold, F::Microsoft}},
        {32922, {"TR", Plain, F::Microsoft}},
        {32923, {"TH", Bold, F::Microsoft}},
        {32924, {"TD", Plain, F::Microsoft}},
        {32951, {"Font", Plain, F::Microsoft}},
        {32927, {"IMG", Plain, F::Microsoft}},
        {32925, {"\u266a", Bold, F::Microsoft}},
        {32926, {"MARQ", Plain, F::Microsoft}},
    };
    return glyphs;
}

// A small picture drawn in a 16 by 16 square, scaled to whatever size is asked for.
using Drawing = void (*)(QPainter& painter, const QColor& ink);

void DrawPrinter(QPainter& p, const QColor& ink) {
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper going in
    p.setBrush(ink.lighter(260));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5); // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 9.5, 7, 5)); // printed sheet
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(9, 13));
}

void DrawClipboard(QPainter& p, const QColor& ink) {
    p.setPen(QPen(ink, 1.2));
    p.setBrush(QColor(0xc8, 0x9b, 0x5a));
    p.drawRoundedRect(QRectF(2.5, 2.5, 9, 12), 1, 1); // board
    p.setBrush(ink.lighter(200));
    p.drawRect(QRectF(5, 1.5, 4, 2.5)); // clip
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 6.5, 7, 8)); // the sheet being pasted
    p.drawLine(QPointF(9, 9), QPointF(13, 9));
    p.drawLine(QPointF(9, 11), QPointF(13, 11));
    p.drawLine(QPointF(9, 13), QPointF(12, 13));
}

void DrawCopies(QPainter& p, const QColor& ink) {
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
    p.drawLine(QPointF(8.5, 7.5), QPointF(12.5, 7.5));
    p.drawLine(QPointF(8.5, 9.5), QPointF(12.5, 9.5));
    p.drawLine(QPointF(8.5, 11.5), QPointF(11.5, 11.5));
}

class DrawnIconEngine : public ScalableIconEngine {
public:
    explicit DrawnIconEngine(Drawing drawing) : m_drawing(drawing) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->scale(side / 16, side / 16);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        m_drawing(*painter, QColor(0x30, 0x30, 0x30));
        painter->restore();
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_drawing); }

private:
    Drawing m_drawing;
};

struct StandardIcon {
    const char* themeName;
    QStyle::StandardPixmap stylePixmap; // SP_CustomBase when the style has none
    const char* fallbackGlyph;
    Drawing drawing = nullptr; // preferred to the glyph: the glyph's font may lack the character
};

const std::map<int, StandardIcon>& StandardIcons() {
    static const std::map<int, StandardIcon> icons = {
        {57600, {"document-new", QStyle::SP_FileIcon, nullptr}},
        {57601, {"document-open", QStyle::SP_DialogOpenButton, nullptr}},
        {57603, {"document-save", QStyle::SP_DialogSaveButton, nullptr}},
        {57607, {"document-print", QStyle::SP_CustomBase, nullptr, DrawPrinter}},
        {32870, {"internet-web-browser", QStyle::SP_CustomBase, "1\u25b6"}},
        {32968, {"", QStyle::SP_CustomBase, "2\u25b6"}},
        {32916, {"preferences-system", QStyle::SP_CustomBase, "\u2699"}},
        {57635, {"edit-cut", QStyle::SP_CustomBase, "\u2702"}},
        {57634, {"edit-copy", QStyle::SP_CustomBase, nullptr, DrawCopies}},
        {57637, {"edit-paste", QStyle::SP_CustomBase, nullptr, DrawClipboard}},
        {57643, {"edit-undo", QStyle::SP_ArrowBack, nullptr}},
        {32914, {"edit-redo", QStyle::SP_BrowserReload, nullptr}},
        {57664, {"help-about", QStyle::SP_MessageBoxInformation, nullptr}},
        {57669, {"help-contextual", QStyle::SP_TitleBarContextHelpButton, nullptr}},
    };
    return icons;
}

QIcon StandardActionIcon(const StandardIcon& standard) {
    if (standard.themeName[0] != '\0' && QIcon::hasThemeIcon(standard.themeName))
        return QIcon::fromTheme(standard.themeName);
    if (standard.stylePixmap != QStyle::SP_CustomBase)
        return QApplication::style()->standardIcon(standard.stylePixmap);
    if (standard.drawing != nullptr)
        return QIcon(new DrawnIconEngine(standard.drawing));
    return GlyphIcon({QString::fromUtf8(standard.fallbackGlyph), Plain, Family::Standard});
}

QString DecodeEntity(const std::string& text) {
    static const std::map<std::string, QString> named = {
        {"&amp;", "&"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}};
    if (auto it = named.find(text); it != named.end())
        return it->second;
    if (text.size() > 3 && text.rfind("&#", 0) == 0 && text.back() == ';') {
        bool ok = false;
        const uint code = QString::fromStdString(text.substr(2, text.size() - 3)).toUInt(&ok);
        if (ok)
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    }
    return QString::fromStdString(text);
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
    return GlyphIcon({DecodeEntity(insertedText), Serif, Family::Symbol});
}

} // namespace razo
