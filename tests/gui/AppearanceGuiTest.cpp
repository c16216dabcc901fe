// The look on a modern desktop: toolbar images drawn at the screen's own resolution, disabled
// images plainly apart from enabled ones on a light and on a dark palette, and the main window
// following a dark palette. With RAZO_SCREENSHOT_DIR set, the main window is saved as a PNG in the
// palette the test runs with (main-window-dark.png).
#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QtTest>
#include <cmath>
#include <memory>

#include "core/resources/Toolbars.h"
#include "gui/app/CommandActions.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/resources/CommandIcons.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/Palettes.h"
#include "tests/support/RunningApp.h"

using namespace razo;
using razo::testing::DarkPalette;
using razo::testing::LightPalette;

namespace {

constexpr QSize kImage(30, 22);

double Luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast any pixel of the image makes with the button it is drawn on.
double StrongestContrast(const QIcon& icon, QIcon::Mode mode, const QColor& background) {
    QImage image(kImage, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, icon.pixmap(kImage, 1.0, mode));
    painter.end();
    double strongest = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, Contrast(image.pixel(x, y), background.rgb()));
    return strongest;
}

} // namespace

class AppearanceGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;
    QPalette m_startPalette;

    // Every toolbar button's image, named by its command.
    QList<QPair<QString, QIcon>> ButtonImages() {
        QList<QPair<QString, QIcon>> images;
        for (const ToolbarInfo& bar : Toolbars())
            for (int id : bar.buttons)
                if (QAction* action = id == ToolbarSeparator ? nullptr : m_run.Window().Actions().Action(id))
                    images.append({action->objectName(), action->icon()});
        images.append({"program", ProgramIcon()});
        return images;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_run.Init());
        m_startPalette = QApplication::palette();
    }
    void init() { m_run.BeginTest(); }
    void cleanup() {
        m_run.EndTest();
        QApplication::setPalette(m_startPalette);
    }

    void imagesAreDrawnAtTheScreensResolution_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 1.5") << 1.5;
        QTest::newRow("scale 2") << 2.0;
    }
    void imagesAreDrawnAtTheScreensResolution() {
        QFETCH(qreal, ratio);
        m_run.Start();
        for (const auto& [name, icon] : ButtonImages()) {
            const QPixmap pixmap = icon.pixmap(kImage, ratio);
            QCOMPARE(pixmap.size(), QSize(qRound(kImage.width() * ratio), qRound(kImage.height() * ratio)));
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), kImage);
        }
    }

    void disabledImagesStandApart_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }
    void disabledImagesStandApart() {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? DarkPalette() : LightPalette());
        m_run.Start();
        const QColor button = QApplication::palette().color(QPalette::Button);
        for (const auto& [name, icon] : ButtonImages()) {
            const double enabled = StrongestContrast(icon, QIcon::Normal, button);
            const double disabled = StrongestContrast(icon, QIcon::Disabled, button);
            const QString where =
                QStringLiteral("%1: enabled %2, disabled %3").arg(name).arg(enabled).arg(disabled);
            QVERIFY2(enabled >= 4.5, qPrintable(where));  // readable
            QVERIFY2(disabled >= 1.3, qPrintable(where)); // still there
            QVERIFY2(disabled <= 2.3 && enabled >= 2.5 * disabled, qPrintable(where));
        }
    }

    // A desktop in a dark palette gets a dark window, edit view included.
    void mainWindowFollowsADarkPalette() {
        QApplication::setPalette(DarkPalette());
        m_run.Start();
        MainWindow& window = m_run.Window();
        window.resize(1280, 860);
        DocumentWindow* document = m_run.OpenFile(
            "dark.html",
            "<HTML>\r\n<BODY>\r\n<H1>Night</H1>\r\n<P>Quiet <B>streets</B>.</P>\r\n</BODY>\r\n</HTML>\r\n");
        QVERIFY(document);
        document->showMaximized();
        document->Control().SetSel(35, 40);
        QCoreApplication::processEvents();
        window.Dispatcher().RunIdle();
        QCOMPARE(document->Editor().paper(), DarkPalette().color(QPalette::Base));
        QCOMPARE(document->Editor().color(), DarkPalette().color(QPalette::Text));
        const QImage shot = window.grab().toImage();
        if (const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR"); !folder.isEmpty())
            QVERIFY(shot.save(folder + "/main-window-dark.png"));
        // Mostly background with some light letters: dark on the whole.
        for (QToolBar* bar : window.findChildren<QToolBar*>()) {
            if (!bar->isVisible())
                continue;
            const QRect area(bar->mapTo(&window, QPoint()) * shot.devicePixelRatio(),
                             bar->size() * shot.devicePixelRatio());
            double sum = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    sum += Luminance(shot.pixel(x, y));
            QVERIFY2(sum / (area.width() * area.height()) < 0.1, qPrintable(bar->windowTitle()));
        }
    }
};

QTEST_MAIN(AppearanceGuiTest)
#include "AppearanceGuiTest.moc"
