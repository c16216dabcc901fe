// Files as the real main window opens and saves them: a full disk refuses the save and says so,
// FIFOs and devices are refused at once, names that are not UTF-8 open and save under their own
// bytes, a byte order mark stays out of the text and comes back on save, a plain Save puts the
// file first in the recent-file list, and a large file arrives whole through its pieces.
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>

#include "core/app/RecentFiles.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"
#include "tests/support/SystemFaults.h"
#include "tests/support/TempDir.h"

using namespace razo;
using razo::testing::OnNextModal;

namespace {

QByteArray ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

bool WriteAll(const std::string& path, const QByteArray& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.constData(), bytes.size());
    return bool(out);
}

QByteArray Text(DocumentWindow& window) {
    return QByteArray::fromStdString(window.Control().GetBytes());
}

QByteArray Page(int size) {
    QByteArray page;
    while (page.size() < size)
        page += "<P>Some text of the page.</P>\r\n";
    page.truncate(size);
    return page;
}

} // namespace

class FileSafetyGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;

    MainWindow& Window() { return m_run.Window(); }
    // In the test's file folder, under the very bytes given.
    std::string Folder() const { return QFileInfo(m_run.FilePath("x")).path().toStdString(); }
    std::string FilePath(const char* name) const { return Folder() + "/" + name; }

    // Answers the next message box with OK and keeps its text.
    void DismissMessage(QString* text) {
        OnNextModal(m_run.Pending(), [text](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                *text = box->text();
            modal->close();
        });
    }
    void Press(DocumentWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        m_run.Press(window, key, modifiers);
    }
    static void Type(DocumentWindow& window, const std::string& text) {
        const long end = window.Control().TextLength();
        window.Control().SetSel(end, end);
        window.Control().ReplaceSel(text, true);
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    // Pages under and over 16 KB: a writer that buffers 16 KB sees the full disk only on its flush.
    void fullDiskRefusesTheSave_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("5 KB page") << 5 * 1024;
        QTest::newRow("40 KB page") << 40 * 1024;
    }
    void fullDiskRefusesTheSave() {
        QFETCH(int, size);
        razo::test::TempDir mountPoint;
        razo::test::SmallTmpfs disk(mountPoint.Path(), 512 * 1024);
        if (!disk.Valid())
            QSKIP("no tmpfs can be mounted here");
        const std::string path = disk.File("page.html");
        const QByteArray old = Page(size);
        QVERIFY(WriteAll(path, old));
        QVERIFY(disk.FillLeaving(4096));
        m_run.Start();
        DocumentWindow* window = Window().Files().OpenPath(path);
        QVERIFY(window);
        Type(*window, std::string(8000, 'x'));

        QString message;
        DismissMessage(&message);
        Press(*window, Qt::Key_S);
        QVERIFY2(message.contains("No space left on device"), qPrintable(message));
        QCOMPARE(ReadAll(path), old);
        QVERIFY(window->Doc().IsModified());

        // Leaving asks about the unsaved text.
        QString question;
        OnNextModal(m_run.Pending(), [&question](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            question = box ? box->text() : QString();
            if (box)
                box->button(QMessageBox::Cancel)->click();
            else
                modal->close();
        });
        Window().close();
        QCOMPARE(question, QString("Save changes to page.html?"));
        QVERIFY(Window().isVisible());
        window->Doc().SetModifiedFlag(false);
    }

    // A FIFO would block the only thread for ever, a device would be read until memory runs
    // out; either loses the other documents' unsaved text.
    void pipesAndDevicesAreRefusedAtOnce_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("FIFO") << QString();
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("/dev/urandom") << "/dev/urandom";
    }
    void pipesAndDevicesAreRefusedAtOnce() {
        QFETCH(QString, path);
        std::string target = path.toStdString();
        if (target.empty()) {
            target = FilePath("pipe.html");
            QVERIFY(::mkfifo(target.c_str(), 0600) == 0);
        }
        m_run.Start();
        DocumentWindow* other = m_run.OpenFile("other.html", "unsaved");
        QVERIFY(other);
        Type(*other, " text");

        // Should the open block on the FIFO, a writer coming and going two seconds later lets
        // the test fail instead of hanging.
        std::atomic<bool> done{false};
        std::thread release([&] {
            for (int i = 0; i < 200 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (!done && path.isEmpty())
                ::close(::open(target.c_str(), O_WRONLY | O_NONBLOCK));
        });
        QString message;
        DismissMessage(&message);
        const auto started = std::chrono::steady_clock::now();
        DocumentWindow* opened = Window().Files().OpenPath(target);
        done = true;
        release.join();
        QVERIFY(opened == nullptr);
        QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(1));
        QVERIFY2(message.contains("not a regular file"), qPrintable(message));
        QCOMPARE(Window().Files().Windows().size(), 1);
        QCOMPARE(Text(*other), QByteArray("unsaved text"));
        if (path.isEmpty())
            std::filesystem::remove(target);
    }

    void settingsFifoDoesNotStopTheStart() {
        const std::string profile = m_run.ProfilePath().toStdString();
        std::filesystem::create_directories(std::filesystem::path(profile).parent_path());
        QVERIFY(::mkfifo(profile.c_str(), 0600) == 0);
        std::atomic<bool> done{false};
        std::thread release([&] {
            for (int i = 0; i < 200 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (!done)
                ::close(::open(profile.c_str(), O_WRONLY | O_NONBLOCK));
        });
        QString message;
        DismissMessage(&message);
        auto app = std::make_unique<RazoApplication>();
        app->Start(QString());
        done = true;
        release.join();
        QVERIFY(app->Window().isVisible());
        QVERIFY2(message.contains("not a regular file"), qPrintable(message));
        app->Window().close();
        app.reset();
        struct stat info {};
        QVERIFY(::stat(profile.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
        std::filesystem::remove(profile);
    }

    // The name as the system has it, in Latin-1: open, save and reopen it from every way in.
    void namesThatAreNotUtf8KeepTheirBytes() {
        std::filesystem::create_directories(FilePath("latin1"));
        const std::string path = FilePath("latin1/caf\xe9.html");
        QVERIFY(WriteAll(path, "<P>old</P>"));
        m_run.Start();
        DocumentWindow* window = Window().Files().OpenPath(path);
        QVERIFY(window);
        QCOMPARE(window->Doc().PathName(), path);
        Type(*window, "new");
        QVERIFY(Window().Files().Save(*window));
        QCOMPARE(ReadAll(path), QByteArray("<P>old</P>new"));
        std::vector<std::string> names;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
            names.push_back(entry.path().filename().string());
        QCOMPARE(names, std::vector<std::string>{"caf\xe9.html"});
        QCOMPARE(m_run.App().Recent().Paths().front(), path);

        window->CloseWithoutAsking();
        QTRY_VERIFY(Window().Files().Windows().isEmpty());
        Window().Files().OpenRecent(0);
        QCOMPARE(Window().Files().Windows().size(), 1);
        QCOMPARE(Text(*Window().Files().Windows().front()), QByteArray("<P>old</P>new"));
        Window().Files().Windows().front()->CloseWithoutAsking();
        QTRY_VERIFY(Window().Files().Windows().isEmpty());

        // Dropped from a file manager: the URL keeps the byte percent-encoded.
        auto* data = new QMimeData;
        data->setUrls(
            {QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Window(), &drop);
        QTRY_COMPARE(Window().Files().Windows().size(), 1);
        QCOMPARE(Window().Files().Windows().front()->Doc().PathName(), path);
        delete data;
        std::filesystem::remove_all(FilePath("latin1")); // QTemporaryDir cannot name it
    }

    void byteOrderMarkStaysOutOfTheText_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("text");
        const QByteArray mark("\xEF\xBB\xBF");
        QTest::newRow("UTF-8 page") << mark + "<P>caf\xC3\xA9</P>\r\n"
                                    << QByteArray("<P>caf\xC3\xA9</P>\r\n");
        QTest::newRow("nothing but the mark") << mark << QByteArray();
        QTest::newRow("no mark") << QByteArray("<P>x</P>") << QByteArray("<P>x</P>");
        // Not UTF-8 after all: an 8-bit document, whose bytes are all characters.
        QTest::newRow("mark before Latin-1") << mark + "caf\xE9" << mark + "caf\xE9";
    }
    void byteOrderMarkStaysOutOfTheText() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, text);
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("marked.html", file);
        QVERIFY(window);
        QCOMPARE(Text(*window), text);
        const std::string path = window->Doc().PathName();
        QVERIFY(Window().Files().Save(*window));
        QCOMPARE(ReadAll(path), file); // open then save: byte for byte

        // Offset 0 is the first character after the mark: what goes in front goes after it.
        window->Control().SetSel(0, 0);
        window->Control().ReplaceSel("<!DOCTYPE>", true);
        QVERIFY(Window().Files().Save(*window));
        const int markSize = file.size() - text.size();
        QCOMPARE(ReadAll(path), file.left(markSize) + "<!DOCTYPE>" + text);
    }

    void plainSaveMovesTheFileToTheTopOfTheRecentList() {
        m_run.Start();
        DocumentWindow* first = m_run.OpenFile("first.html", "1");
        QVERIFY(m_run.OpenFile("second.html", "2"));
        QCOMPARE(m_run.App().Recent().Paths().front(), FilePath("second.html"));
        Type(*first, "more");
        QVERIFY(Window().Files().Save(*first));
        m_run.App().Recent().Load();
        QCOMPARE(m_run.App().Recent().Paths().front(), first->Doc().PathName());
    }

    // Several pieces, a piece boundary inside a UTF-8 sequence and a file that ends in CR.
    void largeFileArrivesWholeThroughItsPieces() {
        QByteArray page;
        while (page.size() < 3 * 1024 * 1024)
            page += "<P>caf\xC3\xA9 \xE2\x82\xAC line</P>\n";
        page += "\r";
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("large.html", page);
        QVERIFY(window);
        QVERIFY(window->Control().IsUtf8());
        QCOMPARE(window->Editor().eolMode(), QsciScintilla::EolUnix);
        QCOMPARE(window->Control().TextLength(), long(page.size()));
        QVERIFY(!window->Doc().IsModified());
        QVERIFY(Window().Files().Save(*window));
        QCOMPARE(ReadAll(window->Doc().PathName()), page);
    }
};

QTEST_MAIN(FileSafetyGuiTest)
#include "FileSafetyGuiTest.moc"
