// Saves that write into an existing file (here: a page with a second name), cut short by a kill:
// the next start, or the opening of the page, asks whether to put the previous text back (the
// default) or to keep the file as it is, and the cache is empty afterwards. With RAZO_KILL_ROUNDS
// set, killsAtRandomMomentsOfALargeSave kills a second program that many times at random moments
// of Ctrl+S on a 50 MB page, half of them while the page itself is written, and counts what the
// next start found (scripts/save-kill-stress.sh).
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include "core/app/SafeSave.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/DocumentIO.h"
#include "tests/support/RunningApp.h"
#include "tests/support/Screenshots.h"
#include "tests/support/SystemFaults.h"

using namespace razo;
using razo::testing::OnNextModal;
namespace fs = std::filesystem;

namespace {

constexpr const char* kVictimPage = "RAZO_TEST_VICTIM_PAGE";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Page(std::size_t size) {
    std::string page;
    page.reserve(size);
    while (page.size() < size)
        page += "<P>A line of a page that is saved into its own file.</P>\r\n";
    page.resize(size);
    return page;
}

// What a save leaves that the next start must not find.
bool CacheIsEmpty() {
    std::error_code error;
    return !fs::exists(DocumentBackupFolder(), error) || fs::is_empty(DocumentBackupFolder(), error);
}

// `page` with a second name, so that a save writes into it.
void PageWithTwoNames(const std::string& page, const std::string& text) {
    fs::remove(page + ".link");
    WriteAll(page, text);
    fs::create_hard_link(page, page + ".link");
}

// Saves `text` into `page` from a child process that dies at the chosen step: the nth write of
// 16 KB (the journal's header, its copy of the old text, the header again, then the new text),
// or right after the nth flush to the disk (the journal's, then the file's).
void SaveKilled(const std::string& page, const std::string& text, int killAtWrite, int killAtFsync) {
    const bool finished = razo::test::RunAsUser(::geteuid(), [&] {
        DiskCalls calls = DiskCalls::System();
        int writes = 0;
        int flushes = 0;
        calls.write = [&](int fd, const void* data, size_t size) -> ssize_t {
            if (++writes == killAtWrite)
                ::_exit(9);
            return ::write(fd, data, std::min<size_t>(size, 16 * 1024));
        };
        calls.fsync = [&](int fd) {
            const int result = ::fsync(fd);
            if (++flushes == killAtFsync)
                ::_exit(9);
            return result;
        };
        SaveOptions options;
        options.backupFolder = DocumentBackupFolder();
        options.calls = &calls;
        return SaveFileSafely(page, {text}, options).saved;
    });
    QVERIFY(!finished);
}

// The second program of the stress run: opens the page, adds a line at its top, says "saving",
// saves with the window's own command and says "saved" with the time it took; then waits.
int RunVictim(const QString& page) {
    RazoApplication razo;
    razo.Start(QString());
    DocumentWindow* window = razo.Window().Files().OpenPath(page);
    if (window == nullptr)
        return 2;
    window->Control().SetSel(0, 0);
    window->Control().ReplaceSel("<!-- changed -->\r\n", true);
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    if (!razo.Window().Dispatcher().Execute(cmd::FileSave) || window->Doc().IsModified())
        return 3;
    std::printf("saved %lld\n", static_cast<long long>(clock.elapsed()));
    std::fflush(stdout);
    return QApplication::exec();
}

// Waits, at most `ms`, for a journal to be given its whole name in the cache folder `watch` watches.
bool WaitForWholeJournal(int watch, int ms) {
    QElapsedTimer clock;
    clock.start();
    alignas(inotify_event) char events[4096];
    while (clock.elapsed() < ms) {
        pollfd ready{watch, POLLIN, 0};
        if (::poll(&ready, 1, 100) <= 0)
            continue;
        const ssize_t got = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; got > 0 && at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if (event->len > 0 && QByteArray(event->name).endsWith(".save"))
                return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

} // namespace

class InPlaceSaveGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;
    QTemporaryDir m_cache;

    std::string FilePath(const char* name) const { return m_run.FilePath(name).toStdString(); }

    // Answers the next question about an unfinished save with `button` (empty: Return), and
    // counts it.
    void Answer(const QString& button, int* asked, QString* text = nullptr) {
        OnNextModal(m_run.Pending(), [button, asked, text](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                modal->close();
                return;
            }
            ++*asked;
            if (text)
                *text = box->text();
            if (const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR"); !folder.isEmpty())
                razo::testing::WithTitleBar(*box).save(folder + "/question-unfinished-save.png");
            if (button.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Return);
                return;
            }
            for (QAbstractButton* push : box->buttons())
                if (push->text().remove('&') == button)
                    push->click();
        });
    }

private slots:
    void initTestCase() {
        QVERIFY(m_run.Init());
        QVERIFY(m_cache.isValid());
        qputenv("XDG_CACHE_HOME", m_cache.path().toLocal8Bit());
    }
    void init() { m_run.BeginTest(); }
    void cleanup() {
        m_run.EndTest();
        QVERIFY(CacheIsEmpty());
    }

    // A kill while the new text is written leaves a mix, which is asked about; one after it is
    // on the disk leaves the new text and nothing to ask.
    void killedSaveIsSettledAtTheNextStart_data() {
        QTest::addColumn<int>("killAtWrite");
        QTest::addColumn<int>("killAtFsync");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("ending");
        QTest::newRow("mid-write, Return") << 14 << 0 << QString() << "old";
        QTest::newRow("mid-write, keep it") << 14 << 0 << "Keep As It Is"
                                            << "mixed";
        QTest::newRow("after the new text is on the disk") << 0 << 2 << QString() << "new";
    }
    void killedSaveIsSettledAtTheNextStart() {
        QFETCH(int, killAtWrite);
        QFETCH(int, killAtFsync);
        QFETCH(QString, answer);
        QFETCH(QString, ending);
        const std::string page = FilePath("page.html");
        const std::string old = Page(128 * 1024);
        const std::string fresh = "<!-- changed -->\r\n" + old;
        PageWithTwoNames(page, old);
        SaveKilled(page, fresh, killAtWrite, killAtFsync);
        const std::string killed = ReadAll(page);

        int asked = 0;
        QString question;
        Answer(answer, &asked, &question);
        m_run.Start();
        QCOMPARE(asked, ending == "new" ? 0 : 1);
        const std::string now = ReadAll(page);
        if (ending == "old")
            QVERIFY(now == old);
        else if (ending == "new")
            QVERIFY(now == fresh);
        else
            QVERIFY(now == killed && now != old && now != fresh);
        if (asked)
            QVERIFY2(question.contains("may hold part of the new text"), qPrintable(question));
    }

    // The page is opened while a save of it, killed in another run, is unsettled.
    void killedSaveIsSettledWhenThePageIsOpened() {
        m_run.Start();
        const std::string page = FilePath("page.html");
        const std::string old = Page(128 * 1024);
        PageWithTwoNames(page, old);
        SaveKilled(page, "<!-- changed -->\r\n" + old, 14, 0);
        int asked = 0;
        Answer(QString(), &asked);
        DocumentWindow* window = m_run.Window().Files().OpenPath(page);
        QVERIFY(window);
        QCOMPARE(asked, 1);
        QVERIFY(window->Control().GetBytes() == old);
    }

    // Every other round waits for the journal to be whole, which is when the file itself starts to
    // be written, and kills within the next 40 ms; the others kill anywhere in the save.
    void killsAtRandomMomentsOfALargeSave() {
        const int rounds = qEnvironmentVariableIntValue("RAZO_KILL_ROUNDS");
        if (rounds <= 0)
            QSKIP("RAZO_KILL_ROUNDS is not set");
        const std::string page = FilePath("large.html");
        const std::string old = Page(50 * 1024 * 1024);
        const std::string fresh = "<!-- changed -->\r\n" + old;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kVictimPage, QString::fromStdString(page));
        QVERIFY(QDir().mkpath(QString::fromStdString(DocumentBackupFolder())));
        const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        QVERIFY(::inotify_add_watch(watch, DocumentBackupFolder().c_str(), IN_MOVED_TO) >= 0);
        qint64 saveMs = 0;
        // [targeted][outcome]: asked and restored, old text untouched, new text, mixed, cache not empty
        int counts[2][5] = {};
        for (int round = 0; round <= rounds; ++round) {
            const bool targeted = round % 2 == 1;
            PageWithTwoNames(page, old);
            QProcess victim;
            victim.setProcessEnvironment(environment);
            victim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            victim.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(victim.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(victim.canReadLine() || victim.state() == QProcess::NotRunning, 60000);
            QCOMPARE(victim.readLine(), QByteArray("saving\n"));
            // Round 0 only measures how long the save takes.
            if (round == 0) {
                QTRY_VERIFY_WITH_TIMEOUT(victim.canReadLine(), 60000);
                saveMs = victim.readLine().mid(6).trimmed().toLongLong();
                QVERIFY(saveMs > 0);
            } else if (targeted) {
                QVERIFY(WaitForWholeJournal(watch, 20000));
                QThread::usleep(QRandomGenerator::global()->bounded(40000));
            } else {
                QThread::usleep(QRandomGenerator::global()->bounded(saveMs * 1200));
            }
            ::kill(pid_t(victim.processId()), SIGKILL);
            QVERIFY(victim.waitForFinished());
            if (round == 0)
                continue;

            int asked = 0;
            Answer(QString(), &asked);
            m_run.Start();
            m_run.Stop();
            const std::string now = ReadAll(page);
            int* count = counts[targeted];
            count[0] += asked;
            count[1] += !asked && now == old;
            count[2] += now == fresh;
            count[3] += now != old && now != fresh;
            count[4] += !CacheIsEmpty();
            // Events of this round's journal are not the next round's.
            char drain[4096];
            while (::read(watch, drain, sizeof drain) > 0) {
            }
        }
        ::close(watch);
        for (const bool targeted : {false, true}) {
            const int* count = counts[targeted];
            qInfo(
                "%s: asked and restored %d, old text untouched %d, new text %d, mixed %d, cache not empty %d",
                targeted ? "killed within 40 ms of the journal being whole" : "killed anywhere in the save",
                count[0], count[1], count[2], count[3], count[4]);
        }
        qInfo("%d rounds; a save took %lld ms", rounds, static_cast<long long>(saveMs));
        QCOMPARE(counts[0][3] + counts[1][3], 0);
        QCOMPARE(counts[0][4] + counts[1][4], 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (const QString page = qEnvironmentVariable(kVictimPage); !page.isEmpty())
        return RunVictim(page);
    InPlaceSaveGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InPlaceSaveGuiTest.moc"
