// The main frame at start and with documents: floating toolbars come up above the main window,
// the title names the active document once in every window state, a stored placement no screen
// can show gives the first-start size, absurd stored numbers leave the window usable, and a
// settings file that will not be written is reported once at start and left alone.
#include <QFontInfo>
#include <QMessageBox>
#include <QScreen>
#include <QToolBar>
#include <QWindow>
#include <QtTest>
#include <climits>
#include <filesystem>
#include <sys/stat.h>

#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "gui/app/Toolbars.h"
#include "gui/view/QtLogFont.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;
using razo::testing::OnNextModal;

namespace {

constexpr int kTableBar = razo::cmd::ToolbarTable;

int Count(const QString& text, const QString& part) {
    return text.count(part);
}

// The order in which the main window and the floating toolbar come on screen.
class ShowOrder : public QObject {
public:
    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (qobject_cast<MainWindow*>(watched))
                shown << "main window";
            else if (watched->objectName() == QStringLiteral("toolbar%1").arg(kTableBar))
                shown << watched->objectName();
        }
        return false;
    }
};

} // namespace

class FrameGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;

    MainWindow& Window() { return m_run.Window(); }
    IniProfile Profile() { return IniProfile(m_run.ProfilePath().toStdString()); }
    QToolBar* Bar(int id) { return Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(id)); }
    // The size of a first start on this screen.
    static QSize FirstStartSize() {
        return QSize(1280, 860).boundedTo(QGuiApplication::primaryScreen()->availableGeometry().size() * 9 /
                                          10);
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    // Shown before the main window, a floating toolbar ends up under it, out of sight.
    void floatingToolbarComesUpAboveTheMainWindow() {
        IniProfile profile = Profile();
        profile.WriteProfileInt("Version", "Number", 21);
        for (const auto& [key, value] : std::map<std::string, std::string>{
                 {"Visible", "1"}, {"Side", "Floating"}, {"X", "60"}, {"Y", "70"}})
            profile.WriteProfileString(BarStateSection(kTableBar), key, value);
        ShowOrder order;
        qApp->installEventFilter(&order);
        m_run.Start();
        qApp->removeEventFilter(&order);
        QCOMPARE(order.shown, (QStringList{"main window", "toolbar33168"}));
        QToolBar* bar = Bar(kTableBar);
        QVERIFY(bar->isFloating());
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->windowHandle()->transientParent(), Window().windowHandle());
        QCOMPARE(bar->pos(), QPoint(60, 70));
    }

    void titleNamesTheDocumentOnce() {
        m_run.Start();
        DocumentWindow* first = m_run.OpenFile("first.html", "1");
        QVERIFY(first);
        QCOMPARE(Window().windowTitle(), QString("Razo - first.html"));

        first->showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(Count(Window().windowTitle(), "first.html"), 1);

        // A document opened while the active one is maximised opens maximised.
        DocumentWindow* second = m_run.OpenFile("second.html", "2");
        QVERIFY(second && second->isMaximized());
        QCOMPARE(Count(Window().windowTitle(), "second.html"), 1);
        QCOMPARE(Count(Window().windowTitle(), "first.html"), 0);

        second->showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(Window().windowTitle(), QString("Razo - second.html"));
        second->showMaximized();
        second->CloseWithoutAsking();
        QTRY_COMPARE(Window().Files().Windows().size(), 1);
        QCOMPARE(Count(Window().windowTitle(), "first.html"), 1);
        QCOMPARE(Count(Window().windowTitle(), "second.html"), 0);
    }

    void unusablePlacementGivesTheFirstStartSize_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("off every screen") << "0,1,-1,-1,-1,-1,-30000,-30000,-29000,-29200";
        QTest::newRow("inverted") << "0,1,-1,-1,-1,-1,700,500,100,100";
        QTest::newRow("no size") << "0,1,-1,-1,-1,-1,100,100,100,100";
        QTest::newRow("integer limits") << "0,1,-1,-1,-1,-1,-2147483648,-2147483648,2147483647,2147483647";
        QTest::newRow("a corner pixel on screen") << "0,1,-1,-1,-1,-1,-999,-799,1,1";
    }
    void unusablePlacementGivesTheFirstStartSize() {
        QFETCH(QString, stored);
        Profile().WriteProfileInt("Version", "Number", 21);
        Profile().WriteProfileString("Settings", "WindowPos", stored.toStdString());
        m_run.Start();
        QCOMPARE(Window().size(), FirstStartSize());
    }

    // A placement stored on a larger screen, or at a smaller scale, comes back wholly on this one.
    void placementFitsIntoTheScreen_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("larger than the screen") << "0,1,-1,-1,-1,-1,0,0,2560,1720";
        QTest::newRow("hanging off a corner") << "0,1,-1,-1,-1,-1,-100,-50,500,400";
        QTest::newRow("hanging off the far corner") << "0,1,-1,-1,-1,-1,2000,1500,2600,2000";
    }
    void placementFitsIntoTheScreen() {
        QFETCH(QString, stored);
        Profile().WriteProfileInt("Version", "Number", 21);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // The far corner lies inside whatever screen the platform has, with enough of it shown.
        stored.replace("2000,1500,2600,2000", QString("%1,%2,%3,%4")
                                                  .arg(screen.right() - 200)
                                                  .arg(screen.bottom() - 200)
                                                  .arg(screen.right() + 400)
                                                  .arg(screen.bottom() + 300));
        Profile().WriteProfileString("Settings", "WindowPos", stored.toStdString());
        m_run.Start();
        const QRect frame = Window().frameGeometry();
        QVERIFY2(
            screen.contains(frame),
            qPrintable(
                QString("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
        // Moved, not put back to the first start's size.
        QCOMPARE(Window().width() == FirstStartSize().width(), false);
    }

    // Stored heights far outside any font: shown in a readable size, kept in the file until
    // the user chooses a font.
    void absurdFontHeightsStayReadable_data() {
        QTest::addColumn<int>("height");
        for (int height : {-100000, 100000, INT_MIN, INT_MAX, -1, 1})
            QTest::addRow("%d", height) << height;
    }
    void absurdFontHeightsStayReadable() {
        QFETCH(int, height);
        LogFont logFont;
        logFont.height = height;
        logFont.weight = INT_MAX;
        logFont.faceName = "DejaVu Sans";
        const QFont font = ToQFont(logFont);
        QVERIFY2(font.pixelSize() >= MinReadablePixels && font.pixelSize() <= MaxReadablePixels,
                 qPrintable(QString::number(font.pixelSize())));

        Profile().WriteProfileInt("Font", "Height", height);
        Profile().WriteProfileInt("Font", "Weight", INT_MIN);
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("font.html", "abc");
        QVERIFY(window);
        const int shown = QFontInfo(window->Editor().font()).pixelSize();
        QVERIFY2(shown >= MinReadablePixels - 1 && shown <= MaxReadablePixels + 1,
                 qPrintable(QString::number(shown)));
        m_run.Stop();
        QCOMPARE(Profile().GetProfileInt("Font", "Height", 0), height);
    }

    // Read-only settings: said once at start, and the file is the same after a session of
    // changes and the close.
    void readOnlySettingsAreReportedOnceAndKept() {
        const QByteArray stored = "; mine\n[Misc]\nBrowser=firefox\n";
        const std::string path = m_run.ProfilePath().toStdString();
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        {
            QFile file(m_run.ProfilePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(stored);
        }
        ::chmod(path.c_str(), 0444);
        int messages = 0;
        QString text;
        const auto count = [&messages, &text](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++messages;
                text = box->text();
            }
            modal->close();
        };
        OnNextModal(m_run.Pending(), count);
        auto app = std::make_unique<RazoApplication>();
        app->Start(QString());
        QCOMPARE(messages, 1);
        QVERIFY2(text.contains("read-only") && text.contains("RAZO.INI"), qPrintable(text));
        OnNextModal(m_run.Pending(), count);
        DocumentWindow* window = app->Window().Files().OpenPath(m_run.FilePath("page.html"));
        Q_UNUSED(window);
        app->Window().close();
        app.reset();
        QCoreApplication::processEvents();
        QCOMPARE(messages, 2); // the second is about the missing page, not the settings
        ::chmod(path.c_str(), 0600);
        QFile file(m_run.ProfilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
    }
};

QTEST_MAIN(FrameGuiTest)
#include "FrameGuiTest.moc"
