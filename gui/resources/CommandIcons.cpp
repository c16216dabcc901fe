#include "resources/CommandIcons.h"

#include "resources/CommandIds.h"

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
        {cmd::FileNew, {"document-new", QStyle::SP_FileIcon, nullptr}},
        {cmd::FileOpen, {"document-open", QStyle::SP_DialogOpenButton, nullptr}},
        {cmd::FileSave, {"document-save", QStyle::SP_DialogSaveButton, nullptr}},
        {cmd::FilePrint, {"document-print", QStyle::SP_CustomBase, nullptr, DrawPrinter}},
        {cmd::BrowserTest, {"internet-web-browser", QStyle::SP_CustomBase, "1\u25b6"}},
        {cmd::BrowserTest2, {"", QStyle::SP_CustomBase, "2\u25b6"}},
        {cmd::Preferences, {"preferences-system", QStyle::SP_CustomBase, "\u2699"}},
        {cmd::EditCut, {"edit-cut", QStyle::SP_CustomBase, "\u2702"}},
        {cmd::EditCopy, {"edit-copy", QStyle::SP_CustomBase, nullptr, DrawCopies}},
        {cmd::EditPaste, {"edit-paste", QStyle::SP_CustomBase, nullptr, DrawClipboard}},
        {cmd::EditUndo, {"edit-undo", QStyle::SP_ArrowBack, nullptr}},
        {cmd::EditRedo, {"edit-redo", QStyle::SP_ArrowForward, nullptr}},
        {cmd::RepeatTags, {"edit-redo", QStyle::SP_BrowserReload, nullptr}},
        {cmd::AppAbout, {"help-about", QStyle::SP_MessageBoxInformation, nullptr}},
        {cmd::ContextHelp, {"help-contextual", QStyle::SP_TitleBarContextHelpButton, nullptr}},
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
