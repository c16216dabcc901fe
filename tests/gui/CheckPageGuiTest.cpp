// Check Page in the running program: the problem list fills and the page stays as it was; Return
// and F8 put the caret at a problem, also after lines were added above it; a check stops on Esc,
// on a second Check Page and when its page closes; `razo --check` answers with its exit status
// and says what the list says of the same page. With RAZO_SCREENSHOT_DIR set, the window with
// its list is saved as problem-list.png.
#include <QDockWidget>
#include <QMdiArea>
#include <QProcess>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include "core/check/TidyCheck.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/PageChecking.h"
#include "gui/app/StatusPanes.h"
#include "gui/check/BackgroundCheck.h"
#include "gui/check/PageProblems.h"
#include "gui/check/ProblemList.h"
#include "tests/support/RunningApp.h"
#include "tests/support/Screenshots.h"

using namespace razo;

namespace {

const QByteArray Html32 = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n";
const QByteArray Head = "<html><head><title>t</title></head>\n";
const QByteArray Html32Note = "note: Checked against the W3C HTML 3.2 Final DTD.";

// A page with a "^" where the caret belongs for each problem, and the page without them.
struct MarkedPage {
    QByteArray bytes;
    QList<long> carets;
    explicit MarkedPage(const QByteArray& marked) {
        for (const char c : marked) {
            if (c == '^')
                carets << long(bytes.size());
            else
                bytes += c;
        }
    }
};

} // namespace

class CheckPageGuiTest : public QObject {
    Q_OBJECT
    testing::RunningApp m_run;

    PageChecking& Checking() { return m_run.Window().Checking(); }

    // Check Page by its key, and the report's arrival.
    void CheckAndWait(DocumentWindow& page) {
        QSignalSpy ended(&Checking(), &PageChecking::checkEnded);
        m_run.Press(page, Qt::Key_F7, Qt::NoModifier);
        QVERIFY(ended.count() > 0 || ended.wait(60000));
    }

    // The list as the user reads it: "LINE:COLUMN: type: message" per problem, "note: ..." per note.
    QStringList Rows() {
        QStringList rows;
        ProblemList& list = Checking().List();
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list.topLevelItem(row);
            rows << (ProblemList::ProblemOf(item) < 0
                         ? "note: " + item->text(0)
                         : QStringLiteral("%1:%2: %3: %4")
                               .arg(item->text(0), item->text(1), item->text(2), item->text(3)));
        }
        return rows;
    }

    long Caret(DocumentWindow& page) { return page.Control().CaretPos().value_or(-1); }

    QString StatusMessage() { return m_run.Window().statusBar()->currentMessage(); }

    static QString Program() { return QStringLiteral(RAZO_PROGRAM); }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() {
        m_run.EndTest();
        QVERIFY(BackgroundCheck::WaitForUnfinished(60000));
    }

    void checkPageFillsTheListAndLeavesThePageAsItWas_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("status");
        QTest::newRow("html 3.2 with an element it lacks")
            << Html32 + Head + "<BODY><P><SPAN>x</SPAN></BODY></html>\n"
            << QStringList{"3:15: error: element \"SPAN\" undefined", Html32Note} << "1 error";
        QTest::newRow("html 3.2 clean")
            << Html32 + Head + "<BODY><CENTER><FONT SIZE=2>x</FONT></CENTER></BODY></html>\n"
            << QStringList{"note: No problems found", Html32Note} << "No problems found";
        QTest::newRow("html5, a tab and a UTF-8 letter before the problem")
            << "<!DOCTYPE html>\n" + Head + "<body><p>\t\xC3\xA9<foo>x</foo></p></body></html>\n"
            << QStringList{"3:12: error: <foo> is not recognized!",
                           "3:12: warning: discarding unexpected <foo>",
                           "3:18: warning: discarding unexpected </foo>",
                           "note: Checked with HTML Tidy " + QString::fromStdString(TidyVersion()) + "."}
            << "1 error, 2 warnings";
    }

    void checkPageFillsTheListAndLeavesThePageAsItWas() {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, rows);
        QFETCH(QString, status);
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("page.html", page);
        QVERIFY(window);
        QVERIFY(!Checking().Dock().isVisible());
        CheckAndWait(*window);
        QVERIFY(Checking().Dock().isVisible());
        QCOMPARE(Rows(), rows);
        QCOMPARE(StatusMessage(), status);
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), page);
        QVERIFY(!window->Doc().IsModified());
        QVERIFY(window->Editor().hasFocus());

        if (const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR");
            !folder.isEmpty() &&
            QTest::currentDataTag() == QLatin1String("html5, a tab and a UTF-8 letter before the problem")) {
            m_run.Window().resize(1000, 700);
            window->showMaximized();
            QCoreApplication::processEvents();
            QVERIFY(testing::WithTitleBar(m_run.Window()).save(folder + "/problem-list.png"));
        }
    }

    void returnAndF8GoToTheProblemsAsTheLinesMove() {
        const MarkedPage page(Html32 + Head +
                              "<BODY><P>\t\xC3\xA9<SPAN^>x</SPAN>\n<P><FOO^>y</FOO></BODY></html>\n");
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("page.html", page.bytes);
        QVERIFY(window);
        CheckAndWait(*window);
        QCOMPARE(Rows(), (QStringList{"3:17: error: element \"SPAN\" undefined",
                                      "4:8: error: element \"FOO\" undefined", Html32Note}));

        // Shift+F7 goes to the list; Down and Return take the caret to the second problem.
        m_run.Press(*window, Qt::Key_F7, Qt::ShiftModifier);
        ProblemList& list = Checking().List();
        QVERIFY(list.hasFocus());
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(Caret(*window), page.carets[1]);
        QVERIFY(window->Editor().hasFocus());

        // F8 and Shift+F8 step from there, round the ends, and say the problem in the status bar.
        const QList<std::pair<Qt::KeyboardModifiers, int>> steps = {
            {Qt::NoModifier, 0}, {Qt::NoModifier, 1}, {Qt::ShiftModifier, 0}, {Qt::ShiftModifier, 1}};
        for (const auto& [modifiers, problem] : steps) {
            m_run.Press(*window, Qt::Key_F8, modifiers);
            QCOMPARE(Caret(*window), page.carets[problem]);
            QCOMPARE(ProblemList::ProblemOf(list.currentItem()), problem);
        }
        QCOMPARE(StatusMessage(), QString("4:8: error: element \"FOO\" undefined"));

        // Two lines added above both problems: F8 finds them on their new lines, and the list
        // says that its places are those of the checked text.
        window->Control().SetSel(0, 0);
        const QByteArray added = "<!-- one -->\n<!-- two -->\n";
        window->Control().ReplaceSel(added.toStdString(), true);
        m_run.Press(*window, Qt::Key_F8, Qt::NoModifier);
        QCOMPARE(Caret(*window), page.carets[0] + added.size());
        m_run.Press(*window, Qt::Key_F8, Qt::NoModifier);
        QCOMPARE(Caret(*window), page.carets[1] + added.size());
        QVERIFY(Rows().first().startsWith("note: The page has changed since it was checked"));
        QVERIFY(Rows().contains("3:17: error: element \"SPAN\" undefined"));

        // From the list, Problem List puts it away and gives the keys back to the page.
        m_run.Press(*window, Qt::Key_F7, Qt::ShiftModifier);
        QVERIFY(list.hasFocus());
        QTest::keyClick(&list, Qt::Key_F7, Qt::ShiftModifier);
        QVERIFY(!Checking().Dock().isVisible());
        QVERIFY(window->Editor().hasFocus());
    }

    // The check reads the text as it is in the window, wherever the last edit left the control's
    // gap: an element typed into the middle of a clean page, then one typed at its start.
    void checkPageReadsTheTextAsEdited() {
        const QByteArray clean = Html32 + Head + "<BODY><P>one\n<P>two</BODY></html>\n";
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("edited.html", clean);
        QVERIFY(window);
        const QList<std::pair<long, QByteArray>> edits = {{clean.indexOf("two"), "<FOO>"}, {0, "\n"}};
        const QList<QStringList> rows = {{"4:8: error: element \"FOO\" undefined", Html32Note},
                                         {"5:8: error: element \"FOO\" undefined", Html32Note}};
        for (int i = 0; i < edits.size(); ++i) {
            window->Control().SetSel(edits[i].first, edits[i].first);
            window->Control().ReplaceSel(edits[i].second.toStdString(), true);
            CheckAndWait(*window);
            QCOMPARE(Rows(), rows[i]);
        }
    }

    // Started and stopped in one go, before the thread could have answered: nothing is listed,
    // the page stays as it was, and the thread ends on its own.
    void aCheckStops_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("esc") << "esc";
        QTest::newRow("check page again") << "again";
        QTest::newRow("the page closes") << "close";
    }

    void aCheckStops() {
        QFETCH(QString, how);
        m_run.Start();
        QByteArray page = "<!DOCTYPE html>\n" + Head + "<body>\n";
        while (page.size() < (1 << 20))
            page += "<p>A line with <b>bold</b> text and <foo>an unknown element</foo>.</p>\n";
        DocumentWindow* window = m_run.OpenFile("large.html", page);
        QVERIFY(window);
        window->Editor().setFocus();
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::CheckPage));
        QVERIFY(Checking().Running());
        if (how == "esc")
            QTest::keyClick(&window->Editor(), Qt::Key_Escape);
        else if (how == "again")
            QVERIFY(m_run.Window().Dispatcher().Execute(cmd::CheckPage));
        else
            window->CloseWithoutAsking();
        QVERIFY(!Checking().Running());
        QCOMPARE(StatusMessage(), QString("Check cancelled"));
        QVERIFY(BackgroundCheck::WaitForUnfinished(60000));
        QCoreApplication::processEvents();
        QVERIFY(!Checking().Dock().isVisible());
        if (how != "close") {
            QVERIFY(PageProblems::Find(window->Editor()) == nullptr);
            QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), page);
        }
    }

    // A check that takes a while says how far it is in the status bar, and the words go with it.
    void aLongCheckShowsItsProgress() {
        m_run.Start();
        QByteArray page = "<!DOCTYPE html>\n" + Head + "<body>\n";
        while (page.size() < (20 << 20))
            page += "<p>A line with <b>bold</b> text and <i>a known element</i>.</p>\n";
        DocumentWindow* window = m_run.OpenFile("long.html", page);
        QVERIFY(window);
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::CheckPage));
        StatusPanes& status = m_run.Window().Status();
        QTRY_VERIFY_WITH_TIMEOUT(status.Progress().startsWith("Checking the page: "), 10000);
        QVERIFY(status.Progress().endsWith("% (Esc stops)"));
        QVERIFY(Checking().Running());
        QTest::keyClick(&window->Editor(), Qt::Key_Escape);
        QVERIFY(status.Progress().isEmpty());
    }

    // Check Page on another page while one is checked: that page is checked instead, and the
    // first check's report, whenever its thread ends, goes nowhere.
    void checkPageOnAnotherPageChecksThatOne() {
        m_run.Start();
        DocumentWindow* small = m_run.OpenFile("small.html", Html32 + Head + "<BODY><P><SPAN>x</BODY>\n");
        QByteArray page = "<!DOCTYPE html>\n" + Head + "<body>\n";
        while (page.size() < (1 << 20))
            page += "<p>A line with <b>bold</b> text and <foo>an unknown element</foo>.</p>\n";
        DocumentWindow* large = m_run.OpenFile("large.html", page);
        QVERIFY(small && large);
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::CheckPage));
        m_run.Window().MdiArea().setActiveSubWindow(small);
        QCOMPARE(m_run.Window().ActiveDocument(), small);
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::CheckPage));
        QVERIFY(Checking().Running());
        QVERIFY(StatusMessage() != "Check cancelled");
        QTRY_VERIFY_WITH_TIMEOUT(PageProblems::Find(small->Editor()) != nullptr, 60000);
        QCOMPARE(Rows(), (QStringList{"3:15: error: element \"SPAN\" undefined", Html32Note}));
        QVERIFY(BackgroundCheck::WaitForUnfinished(60000));
        QCoreApplication::processEvents();
        QVERIFY(PageProblems::Find(large->Editor()) == nullptr);
    }

    // The command line needs no display: the variables that name one are taken away.
    void checkCommandAnswersWithItsStatus_data() {
        QTest::addColumn<QByteArray>("page"); // empty: no such file
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("writes"); // problems on the standard output
        QTest::newRow("clean") << Html32 + Head + "<BODY><P>x</BODY></html>\n" << 0 << false;
        QTest::newRow("errors") << Html32 + Head + "<BODY><P><SPAN>x</SPAN></BODY></html>\n" << 1 << true;
        QTest::newRow("only warnings")
            << "<!DOCTYPE html>\n" + Head + "<body><p><img src=a.png></p></body></html>\n"
            << 0 << true;
        QTest::newRow("no such file") << QByteArray() << 2 << false;
    }

    void checkCommandAnswersWithItsStatus() {
        QFETCH(QByteArray, page);
        QFETCH(int, status);
        QFETCH(bool, writes);
        QString path = m_run.FilePath("missing.html");
        if (!page.isEmpty()) {
            path = m_run.FilePath("page.html");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(page);
        }
        QProcess razo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        razo.setProcessEnvironment(environment);
        razo.start(Program(), {"--check", path});
        QVERIFY(razo.waitForFinished(60000));
        QCOMPARE(razo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(razo.exitCode(), status);
        QCOMPARE(razo.readAllStandardError().isEmpty(), status != 2);
        QCOMPARE(!razo.readAllStandardOutput().isEmpty(), writes);
    }

    void checkPageAndTheCommandLineSayTheSame_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("html 3.2, 8-bit")
            << Html32 + Head + "<BODY><P>\xE9<SPAN>x</SPAN>\r<TABLE></BODY></html>\n";
        QTest::newRow("html5, UTF-8 with byte order mark")
            << "\xEF\xBB\xBF<!DOCTYPE html>\r\n" + Head +
                   "<body><p>\xC3\xA9<foo>x</p><img src=a></body></html>\n";
    }

    void checkPageAndTheCommandLineSayTheSame() {
        QFETCH(QByteArray, page);
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("same.html", page);
        QVERIFY(window);
        CheckAndWait(*window);
        QStringList listed;
        for (const QString& row : Rows())
            listed << window->Doc().TitleText() + (row.startsWith("note: ") ? ": " + row : ":" + row);

        QProcess razo;
        razo.setWorkingDirectory(QFileInfo(m_run.FilePath("same.html")).path());
        razo.start(Program(), {"--check", "same.html"});
        QVERIFY(razo.waitForFinished(60000));
        const QStringList written =
            QString::fromUtf8(razo.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(written.size() > 2);
        QCOMPARE(written, listed);
    }
};

QTEST_MAIN(CheckPageGuiTest)
#include "CheckPageGuiTest.moc"
