// The program as the desktop starts it, a second time: the window already open takes the page and
// the later start ends; one that does not answer is not waited for; options answer on the terminal.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QMdiArea>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include "gui/app/SingleInstance.h"
#include "tests/support/RunningApp.h"

using namespace razo;

class SingleInstanceGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;
    QTemporaryDir m_runtime;

    // The program with `arguments` on the same display and runtime folder as this test. Waits
    // while this test's own event loop goes on, so its window can answer.
    struct Ended {
        bool finished = false;
        int status = -1;
        QByteArray out, err;
    };
    Ended Run(const QStringList& arguments, const QString& folder = QString()) {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral(RAZO_PROGRAM), arguments);
        if (!process.waitForStarted())
            return {};
        QSignalSpy finished(&process, &QProcess::finished);
        Ended ended;
        ended.finished = finished.wait(10000) || process.state() == QProcess::NotRunning;
        if (!ended.finished) {
            process.kill();
            process.waitForFinished();
        }
        ended.status = process.exitCode();
        ended.out = process.readAllStandardOutput();
        ended.err = process.readAllStandardError();
        return ended;
    }

    QStringList OpenWindows() {
        QStringList paths;
        for (DocumentWindow* window : m_run.Window().Files().Windows())
            paths << window->Doc().Path();
        return paths;
    }

    QString WritePage(const QString& name) {
        const QString path = m_run.FilePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("<P>x</P>\n");
        return path;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_run.Init());
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    void aSecondStartOpensThePageInTheRunningWindow() {
        m_run.Start();
        m_run.App().ListenForLaterStarts();
        const QString page = WritePage("page.html");
        m_run.Window().showMinimized();
        // By a name relative to the working folder of the later start, not of the running one.
        QVERIFY(QDir::current() != QDir(m_run.FilePath("")));
        const Ended ended = Run({QStringLiteral("page.html")}, m_run.FilePath(""));
        QVERIFY(ended.finished);
        QCOMPARE(ended.status, 0);
        QTRY_COMPARE(OpenWindows(), QStringList{page});
        QVERIFY(!m_run.Window().isMinimized());
        // The same page again only brings its window forward.
        WritePage("other.html");
        QVERIFY(m_run.Window().Files().OpenPath(m_run.FilePath("other.html")));
        QCOMPARE(Run({page}).status, 0);
        QTRY_VERIFY(m_run.Window().MdiArea().activeSubWindow() ==
                    m_run.Window().Files().FindByPath(page.toStdString()));
        QCOMPARE(OpenWindows().size(), 2);
    }

    // Strangers on the socket (one silent, one with bytes that are no request) are dropped and hold
    // nothing up; the window lets go of the socket when it closes.
    void strangersAreDroppedAndTheSocketGoesWithTheWindow() {
        m_run.Start();
        m_run.App().ListenForLaterStarts();
        const QByteArray name = QFile::encodeName(InstanceSocketPath());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()) + 1);
        int strangers[2];
        for (int& stranger : strangers) {
            stranger = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            QVERIFY(::connect(stranger, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0);
        }
        QVERIFY(::send(strangers[1], "GET / HTTP/1.0\r\n\r\n", 18, MSG_NOSIGNAL) == 18);
        const QString page = WritePage("after.html");
        QCOMPARE(Run({page}).status, 0);
        QTRY_COMPARE(OpenWindows(), QStringList{page});
        char byte = 0;
        QTRY_COMPARE(::recv(strangers[1], &byte, 1, MSG_DONTWAIT), ssize_t(0));
        for (const int stranger : strangers)
            ::close(stranger);
        m_run.Stop();
        QVERIFY(!QFile::exists(InstanceSocketPath()));
    }

    // Held by a run that is stuck: the new start gives up after a second and opens its own window,
    // which then takes the later starts.
    void aRunThatDoesNotAnswerIsNotWaitedFor() {
        // Listening, never answering.
        const QByteArray name = QFile::encodeName(InstanceSocketPath());
        QFile::remove(InstanceSocketPath());
        const int stuck = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()) + 1);
        QVERIFY(::bind(stuck, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0);
        QVERIFY(::listen(stuck, 8) == 0);
        QProcess process;
        process.start(QStringLiteral(RAZO_PROGRAM), {});
        QVERIFY(process.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        bool answered = false;
        while (!answered && waited.elapsed() < 8000) {
            QTest::qWait(100);
            answered = HandToRunningInstance("", 200);
        }
        QVERIFY(answered);
        QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished();
        ::close(stuck);
    }

    void optionsAnswerOnTheTerminal_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << QByteArray("Usage: razo [OPTION]... [--] [FILE]\n") << QByteArray();
        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("razo " RAZO_VERSION "\n")
                                 << QByteArray();
        QTest::newRow("unknown") << QStringList{"-x", "a.html"} << 2 << QByteArray()
                                 << QByteArray("razo: unknown option '-x'\n");
    }
    void optionsAnswerOnTheTerminal() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Ended ended = Run(arguments);
        QVERIFY(ended.finished);
        QCOMPARE(ended.status, status);
        QVERIFY2(ended.out.startsWith(out), ended.out.constData());
        QVERIFY2(ended.err.startsWith(err), ended.err.constData());
    }

    // "--" lets a page named like an option through, to the running window.
    void aPageNamedLikeAnOptionOpens() {
        m_run.Start();
        m_run.App().ListenForLaterStarts();
        const QString page = WritePage("--help");
        QCOMPARE(Run({"--", "--help"}, m_run.FilePath("")).status, 0);
        QTRY_COMPARE(OpenWindows(), QStringList{page});
    }
};

QTEST_MAIN(SingleInstanceGuiTest)
#include "SingleInstanceGuiTest.moc"
