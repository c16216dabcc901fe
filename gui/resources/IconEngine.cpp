#include "gui/resources/IconEngine.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <algorithm>
#include <atomic>

namespace razo {

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
    case Family::Html5:
        ink = dark ? QColor(0xff, 0xa8, 0x7a) : QColor(0xa8, 0x36, 0x0c);
        break;
    case Family::Html:
    case Family::Standard:
        break;
    }
    const QColor paper = dark ? Mixed(background, text, 0.55) : QColor(Qt::white);
    return {ink, paper, dark ? QColor(0xd8, 0xa8, 0x4a) : QColor(0xc8, 0x8a, 0x26), dark};
}

namespace {

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

} // namespace

QIcon GlyphIcon(const Glyph& glyph) {
    return QIcon(new GlyphIconEngine(glyph));
}

namespace {

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

} // namespace

QIcon DrawnIcon(Drawing drawing) {
    return QIcon(new DrawnIconEngine(drawing));
}

} // namespace razo
