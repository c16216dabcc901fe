// Unsaved text outlives the program, and files changed by another program are never overwritten
// unasked. A modified page leaves a recovery file within a few seconds, which Save and closing
// without saving take away; a second run started after the first was killed offers the pages and
// brings them back byte for byte, and says which it could not bring back. An unmodified page follows its
// file; a modified one asks, and Save over a changed file asks first. With RAZO_SCREENSHOT_DIR set, the
// recovery dialog and both questions are saved as PNGs there.
#include <QDirIterator>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>
#include <csignal>
#include <fstream>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

#include "core/app/RecoveryJournal.h"
#include "core/app/RecoveryStore.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/DiskChangeWatcher.h"
#include "gui/app/DocumentRecovery.h"
#include "gui/app/PageJournal.h"
#include "gui/app/RecoveryDialog.h"
#include "gui/app/RecoveryJournalWriter.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"
#include "tests/support/Screenshots.h"

using namespace razo;
using razo::testing::OnNextModal;

namespace {

constexpr const char* kVictimFolder = "RAZO_TEST_VICTIM_FOLDER";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Text(DocumentWindow& window) {
    return QByteArray::fromStdString(window.Control().GetBytes());
}

QString RecoveryRoot() {
    return QString::fromStdString(DocumentRecovery::DefaultRoot());
}

// Every page file in the recovery folder, of any run.
QStringList PageFiles() {
    QStringList files;
    QDirIterator it(RecoveryRoot(), {"*.page"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

std::optional<ParsedJournal> Parsed(const QByteArray& bytes) {
    return ParseJournal(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// Keys as a person types them, one character at a time, whatever the character.
void TypeKeys(QWidget* editor, const QString& text) {
    for (const QChar c : text) {
        const bool newline = c == '\n';
        const int key = newline ? Qt::Key_Return : Qt::Key_unknown;
        const QString keyText = newline ? QString("\r") : QString(c);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, keyText);
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, keyText);
        QApplication::sendEvent(editor, &release);
    }
}

void SaveShot(QWidget* widget, const QString& name) {
    if (const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR"); !folder.isEmpty())
        QVERIFY(razo::testing::WithTitleBar(*widget).save(folder + "/" + name));
}

// The three pages of the run that is killed: what it typed into them.
const QString kUntitledTyping = QString::fromUtf8("Never saved: caf\u00e9 \u20ac\nlast line");
const QString kLatin1Typing = QString::fromUtf8("na\u00efve \u00e9t\u00e9\n");
const QString kMarkTyping = QString::fromUtf8("caf\u00e9 \u20ac\n");
const QByteArray kLatin1File = "<P>caf\xE9</P>\r\n";
const QByteArray kMarkFile = "\xEF\xBB\xBF<P>\xE2\x82\xAC</P>\n";

// The first run: three pages with unsaved text, kept until its recovery files hold all of it;
// then it says "ready" and waits to be killed. What each page held goes to `folder`.
int RunVictim(const QString& folder) {
    RazoApplication razo;
    razo.Start(QString());
    razo.Dialogs().onShow = [](DialogWindow& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
    };
    DocumentFiles& files = razo.Window().Files();
    QList<DocumentWindow*> windows;
    windows << files.NewOfType(HtmlTemplate);
    windows << files.OpenPath(folder + "/latin1.html");
    windows << files.OpenPath(folder + "/mark.html");
    const QStringList typing{kUntitledTyping, kLatin1Typing, kMarkTyping};
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i] == nullptr)
            return 2;
        const long end = windows[i]->Control().TextLength();
        windows[i]->Control().SetSel(end, end);
        TypeKeys(&windows[i]->Editor(), typing[i]);
    }
    // The journal's own timing, nothing forced.
    QElapsedTimer waited;
    waited.start();
    const auto allKept = [&] {
        razo.Recovery().Writer().WaitUntilIdle();
        for (DocumentWindow* window : windows) {
            const std::string file = razo.Recovery().Store().PageFile(PageJournal::Of(*window)->Serial());
            if (file.empty())
                return false;
            const auto bytes = ReadAll(QString::fromStdString(file));
            const auto parsed = Parsed(bytes);
            if (!parsed || QByteArray(parsed->text.data(), qsizetype(parsed->text.size())) != Text(*window))
                return false;
        }
        return true;
    };
    while (!allKept()) {
        if (waited.elapsed() > 20000)
            return 3;
        QTest::qWait(100);
    }
    for (int i = 0; i < windows.size(); ++i) {
        DocumentWindow& window = *windows[i];
        const QByteArray flags =
            QByteArray(window.Control().IsUtf8() ? "u" : "8") + (window.Doc().HasByteOrderMark() ? "m" : "-");
        if (!WriteAll(folder + QString("/expected-%1").arg(window.Doc().TitleText()), flags + Text(window)))
            return 4;
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class RecoveryGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;
    QTemporaryDir m_state;

    MainWindow& Window() { return m_run.Window(); }

    DocumentWindow* Open(const QString& name, const QByteArray& bytes) { return m_run.OpenFile(name, bytes); }
    static void Type(DocumentWindow& window, const std::string& text) {
        const long end = window.Control().TextLength();
        window.Control().SetSel(end, end);
        window.Control().ReplaceSel(text, true);
    }
    void Save(DocumentWindow& window) {
        Window().MdiArea().setActiveSubWindow(&window);
        QVERIFY(Window().Dispatcher().Execute(cmd::FileSave));
    }
    // Changes the file as another program would: a new file renamed over it.
    void ChangeOutside(const QString& path, const QByteArray& bytes) {
        QVERIFY(WriteAll(path + ".new", bytes));
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::rename(path + ".new", path));
    }
    // Answers the next question with Return, or with the button `click` names; keeps its text.
    void AnswerQuestion(QString* text, const QString& click, const QString& shot) {
        OnNextModal(m_run.Pending(), [text, click, shot](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                modal->close();
                return;
            }
            *text = box->text();
            if (!shot.isEmpty())
                SaveShot(box, shot);
            if (click.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Return);
                return;
            }
            for (QAbstractButton* button : box->buttons())
                if (button->text().remove('&') == click)
                    button->click();
        });
    }

private slots:
    void initTestCase() {
        QVERIFY(m_run.Init());
        // Never the user's own recovery folder, also when run by hand.
        QVERIFY(m_state.isValid());
        qputenv("XDG_STATE_HOME", m_state.path().toLocal8Bit());
    }
    void init() { m_run.BeginTest(); }
    void cleanup() {
        m_run.EndTest();
        QVERIFY2(PageFiles().isEmpty(), qPrintable(PageFiles().join(", ")));
        QVERIFY(QDir(RecoveryRoot()).isEmpty());
    }

    // Saving and closing without saving both take the page's file away.
    void modifiedPageLeavesAFileUntilSavedOrClosed_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("saved") << true;
        QTest::newRow("closed without saving") << false;
    }
    void modifiedPageLeavesAFileUntilSavedOrClosed() {
        QFETCH(bool, save);
        m_run.Start();
        DocumentWindow* window = Open("page.html", "<P>one</P>\r\n");
        QVERIFY(window);
        QVERIFY(PageFiles().isEmpty());
        TypeKeys(&window->Editor(), QString::fromUtf8("caf\u00e9\n"));
        QTRY_COMPARE_WITH_TIMEOUT(PageFiles().size(), 1, 6000);
        m_run.App().Recovery().Writer().WaitUntilIdle();
        const QByteArray bytes = ReadAll(PageFiles().first()); // the parsed text points into it
        const auto parsed = Parsed(bytes);
        QVERIFY(parsed);
        QCOMPARE(QByteArray(parsed->text.data(), qsizetype(parsed->text.size())), Text(*window));
        QCOMPARE(QString::fromStdString(parsed->page.path), m_run.FilePath("page.html"));
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QVERIFY(!(QFileInfo(PageFiles().first()).permissions() & others));

        if (save) {
            Save(*window);
            QCOMPARE(ReadAll(m_run.FilePath("page.html")), Text(*window));
        } else {
            OnNextModal(m_run.Pending(), [](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    box->button(QMessageBox::No)->click();
            });
            window->close();
        }
        QTRY_VERIFY(PageFiles().isEmpty());
    }

    // Changes behind, across and ahead of the part already copied all reach the file.
    void typingWhileALargePageIsCopiedEndsUpInItsFile() {
        m_run.Start();
        QByteArray page;
        while (page.size() < 3 * PageJournal::SliceBytes)
            page += "<P>A line of a large page.</P>\r\n";
        DocumentWindow* window = Open("large.html", page);
        QVERIFY(window);
        Type(*window, "<P>end</P>\r\n");
        PageJournal* journal = PageJournal::Of(*window);
        journal->JournalNow();
        QVERIFY(journal->IsCopying());
        ScintillaTextControl& control = window->Control();
        const auto replace = [&control](long from, long to, const std::string& text) {
            control.SetSel(from, to);
            control.ReplaceSel(text, true);
        };
        replace(0, 0, "<P>top</P>");
        replace(PageJournal::SliceBytes - 10, PageJournal::SliceBytes + 20, "");
        replace(100, 120, "<B>replaced</B>");
        replace(2 * PageJournal::SliceBytes, 2 * PageJournal::SliceBytes, "<P>ahead</P>");
        QTRY_VERIFY(!journal->IsCopying());
        m_run.App().Recovery().Writer().WaitUntilIdle();
        const QByteArray bytes = ReadAll(PageFiles().value(0));
        const auto parsed = Parsed(bytes);
        QVERIFY(parsed);
        QVERIFY(QByteArray(parsed->text.data(), qsizetype(parsed->text.size())) == Text(*window));
    }

    void killedRunIsRecoveredByteForByte() {
        QTemporaryDir victimFiles;
        QVERIFY(WriteAll(victimFiles.filePath("latin1.html"), kLatin1File));
        QVERIFY(WriteAll(victimFiles.filePath("mark.html"), kMarkFile));
        QProcess victim;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kVictimFolder, victimFiles.path());
        victim.setProcessEnvironment(environment);
        victim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        victim.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(victim.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(victim.canReadLine() || victim.state() == QProcess::NotRunning, 40000);
        QCOMPARE(victim.readLine(), QByteArray("ready\n"));
        ::kill(pid_t(victim.processId()), SIGKILL);
        QVERIFY(victim.waitForFinished());
        QCOMPARE(PageFiles().size(), 3);

        QStringList listed;
        OnNextModal(m_run.Pending(), [&listed](QWidget* modal) {
            auto* dialog = qobject_cast<RecoveryDialog*>(modal);
            if (dialog == nullptr) {
                modal->close();
                return;
            }
            for (int i = 0; i < dialog->List()->topLevelItemCount(); ++i)
                listed << dialog->List()->topLevelItem(i)->text(0);
            SaveShot(dialog, "recovery-dialog.png");
            // Back from Recover to the list, where Return still means Recover.
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Backtab);
            QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(dialog->List()));
            QTest::keyClick(dialog->List(), Qt::Key_Return);
        });
        m_run.Start();
        listed.sort();
        QCOMPARE(listed, QStringList({"HTML1", "latin1.html", "mark.html"}));

        const QList<DocumentWindow*> windows = Window().Files().Windows();
        QCOMPARE(windows.size(), 3);
        for (DocumentWindow* window : windows) {
            const QString title = window->Doc().TitleText();
            const QByteArray expected = ReadAll(victimFiles.filePath("expected-" + title));
            QVERIFY2(expected.size() > 2, qPrintable(title));
            QCOMPARE(Text(*window), expected.mid(2));
            QCOMPARE(window->Control().IsUtf8(), expected[0] == 'u');
            QCOMPARE(window->Doc().HasByteOrderMark(), expected[1] == 'm');
            QVERIFY(window->Doc().IsModified());
        }
        const auto byTitle = [&windows](const QString& title) {
            for (DocumentWindow* window : windows)
                if (window->Doc().TitleText() == title)
                    return window;
            return static_cast<DocumentWindow*>(nullptr);
        };
        // What was typed is there, in each page's own encoding.
        QVERIFY(Text(*byTitle("HTML1")).contains("Never saved: caf\xC3\xA9 \xE2\x82\xAC\r\nlast line"));
        QVERIFY(byTitle("HTML1")->Doc().PathName().empty());
        QCOMPARE(Text(*byTitle("latin1.html")), kLatin1File + "na\xEFve \xE9t\xE9\r\n");
        QCOMPARE(Text(*byTitle("mark.html")), kMarkFile.mid(3) + "caf\xC3\xA9 \xE2\x82\xAC\n");

        // Saving writes exactly those bytes where they belong, and the page's file goes.
        Save(*byTitle("latin1.html"));
        Save(*byTitle("mark.html"));
        QCOMPARE(ReadAll(victimFiles.filePath("latin1.html")), Text(*byTitle("latin1.html")));
        QCOMPARE(ReadAll(victimFiles.filePath("mark.html")), "\xEF\xBB\xBF" + Text(*byTitle("mark.html")));
        QTRY_COMPARE(PageFiles().size(), 1);
        // A new page is not named like the page brought back.
        m_run.App().Dialogs().onShow = [](DialogWindow& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
        };
        Window().Files().NewOfType(HtmlTemplate);
        QCOMPARE(Window().ActiveDocument()->Doc().TitleText(), QString("HTML2"));
    }

    void decideLaterOffersAgainAndDiscardRemoves() {
        const std::string folder = RecoveryRoot().toStdString() + "/99999999-1-x";
        QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
        QVERIFY(WriteAll(QString::fromStdString(folder + "/lock"),
                         QByteArray::fromStdString(EncodeLock({99999999, 1, "x"}))));
        JournalPage page;
        page.title = "HTML4";
        page.type = ".htm";
        QVERIFY(WriteAll(QString::fromStdString(folder + "/1.page"),
                         QByteArray::fromStdString(EncodeJournalHeader(page, "text") + "text")));
        for (const QString& button : {QString("Decide Later"), QString("Discard")}) {
            OnNextModal(m_run.Pending(), [button](QWidget* modal) {
                for (QPushButton* push : modal->findChildren<QPushButton*>())
                    if (push->text().remove('&') == button)
                        push->click();
            });
            m_run.Start();
            QVERIFY(Window().Files().Windows().isEmpty());
            m_run.Stop();
            QCOMPARE(PageFiles().size(), button == "Discard" ? 0 : 1);
        }
    }

    // What Recover cannot bring back is said, and its file kept for the next start, where a
    // damaged one is listed as damaged and Discard removes it with its run's folder.
    void recoverSaysWhatItCouldNotBringBack_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("kept");
        QTest::newRow("taken by another run") << "taken"
                                              << "Another Razo recovered it first." << QString();
        QTest::newRow("text changed") << "damaged"
                                      << "The recovery file is damaged."
                                      << "1.damaged";
        QTest::newRow("larger than a page may be") << "large"
                                                   << "The page is 513 MB; Razo opens files of up to 512 MB."
                                                   << "1.page";
    }
    void recoverSaysWhatItCouldNotBringBack() {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        QFETCH(QString, kept);
        const QString folder = RecoveryRoot() + "/99999999-1-x";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(WriteAll(folder + "/lock", QByteArray::fromStdString(EncodeLock({99999999, 1, "x"}))));
        JournalPage page;
        page.path = m_run.FilePath("index.html").toStdString();
        page.title = "index.html";
        page.type = ".html";
        QByteArray file = QByteArray::fromStdString(EncodeJournalHeader(page, "<P>text</P>")) + "<P>text</P>";
        if (fault == "damaged")
            file[file.size() - 2] = 'X';
        if (fault == "large") {
            const std::uint64_t length = 513ULL << 20;
            file = QByteArray::fromStdString(EncodeJournalHeader(page, ""));
            file.replace("length 0", "length " + QByteArray::number(length));
        }
        QVERIFY(WriteAll(folder + "/1.page", file));
        if (fault == "large")
            QVERIFY(QFile::resize(folder + "/1.page", file.size() + (513LL << 20)));

        QString message;
        OnNextModal(m_run.Pending(), [this, fault, folder, &message](QWidget* modal) {
            // The other run's claim comes between the offer and the answer.
            if (fault == "taken")
                QVERIFY(QFile::rename(folder + "/1.page", m_state.filePath("elsewhere.page")));
            OnNextModal(m_run.Pending(), [&message, fault](QWidget* box) {
                if (auto* shown = qobject_cast<QMessageBox*>(box))
                    message = shown->text();
                SaveShot(box, "recovery-failed-" + fault + ".png");
                box->close();
            });
            static_cast<RecoveryDialog*>(modal)->findChild<QPushButton*>()->click();
        });
        m_run.Start();
        QVERIFY2(message.contains(said), qPrintable(message));
        QVERIFY(Window().Files().Windows().isEmpty());
        QFile::remove(m_state.filePath("elsewhere.page"));
        if (kept.isEmpty())
            return;
        QVERIFY2(message.contains("kept and offered again"), qPrintable(message));
        QVERIFY(QFile::exists(folder + "/" + kept));

        m_run.Stop();
        QString listed;
        OnNextModal(m_run.Pending(), [&listed, fault](QWidget* modal) {
            auto* dialog = static_cast<RecoveryDialog*>(modal);
            listed = dialog->List()->topLevelItem(0)->text(0);
            SaveShot(dialog, "recovery-dialog-" + fault + ".png");
            for (QPushButton* push : dialog->findChildren<QPushButton*>())
                if (push->text().remove('&') == "Discard")
                    push->click();
        });
        m_run.Start();
        QCOMPARE(listed, QString(fault == "damaged" ? "index.html (damaged)" : "index.html"));
        QVERIFY(!QFileInfo::exists(folder));
    }

    // Another program renames its file over the page while Save writes the temporary file:
    // asked as for a change seen before the save; Return leaves the other program's text.
    void changeDuringTheSaveIsAskedAbout_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("Return") << QString();
        QTest::newRow("overwrite") << QString("Overwrite");
    }
    void changeDuringTheSaveIsAskedAbout() {
        QFETCH(QString, answer);
        m_run.Start();
        const QString path = m_run.FilePath("page.html");
        DocumentWindow* window = Open("page.html", "<P>old</P>\r\n");
        QVERIFY(window);
        Type(*window, "<P>mine</P>\r\n");
        const QByteArray mine = Text(*window);
        const QByteArray theirs = "<P>theirs</P>\r\n";
        QVERIFY(WriteAll(path + ".new", theirs));
        // As soon as the save's temporary file appears, the other program's file takes the name.
        const int watch = ::inotify_init1(IN_CLOEXEC);
        QVERIFY(::inotify_add_watch(watch, QFile::encodeName(QFileInfo(path).path()).constData(),
                                    IN_CREATE) >= 0);
        std::thread other([watch, path] {
            alignas(inotify_event) char events[4096];
            for (bool renamed = false; !renamed;) {
                const ssize_t got = ::read(watch, events, sizeof events);
                for (ssize_t at = 0; got > 0 && at < got;) {
                    const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                    if (event->len > 0 && QByteArray(event->name).endsWith(".tmp"))
                        renamed = QFile::rename(path + ".new", path + ".tmp-theirs") &&
                                  ::rename(QFile::encodeName(path + ".tmp-theirs").constData(),
                                           QFile::encodeName(path).constData()) == 0;
                    at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                }
                renamed = renamed || got <= 0;
            }
        });
        QString question;
        AnswerQuestion(&question, answer, QString());
        Save(*window);
        other.join();
        ::close(watch);
        // The other program races the save; on a slow run (sanitizers, a loaded machine) the save
        // may be over before it moves. SafeSaveTest covers the check itself without a race.
        if (question.isEmpty())
            QSKIP("the other program moved after the save was over");
        QVERIFY2(question.contains("Save your version over it?"), qPrintable(question));
        QCOMPARE(ReadAll(path), answer.isEmpty() ? theirs : mine);
        QCOMPARE(window->Doc().IsModified(), answer.isEmpty());
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Hidden | QDir::Files).filter(".tmp"),
                 QStringList());
    }

    void unmodifiedPageFollowsItsFileKeepingTheCaretLine() {
        m_run.Start();
        DocumentWindow* window = Open("page.html", "line 1\r\nline 2\r\nline 3\r\nline 4\r\n");
        QVERIFY(window);
        window->Control().SetSel(18, 18); // in line 3
        ChangeOutside(m_run.FilePath("page.html"), "first\r\nsecond\r\nthird, longer\r\n");
        // The system tells of the change; no activation needed.
        QTRY_COMPARE(Text(*window), QByteArray("first\r\nsecond\r\nthird, longer\r\n"));
        QVERIFY(!window->Doc().IsModified());
        QCOMPARE(window->Control().LineFromChar(*window->Control().CaretPos()), 2L);
        QVERIFY(Window().statusBar()->currentMessage().contains("reloaded"));
        QVERIFY(PageFiles().isEmpty());
    }

    void deletedFileKeepsThePageModified() {
        m_run.Start();
        DocumentWindow* window = Open("page.html", "<P>kept</P>\r\n");
        QVERIFY(window);
        QVERIFY(QFile::remove(m_run.FilePath("page.html")));
        m_run.App().DiskWatcher().CheckAll();
        QVERIFY(window->Doc().IsModified());
        QCOMPARE(Text(*window), QByteArray("<P>kept</P>\r\n"));
        QVERIFY(Window().statusBar()->currentMessage().contains("deleted or renamed"));
        // Now unsaved text, so it is journaled; saving puts the file back.
        QTRY_COMPARE_WITH_TIMEOUT(PageFiles().size(), 1, 6000);
        Save(*window);
        QCOMPARE(ReadAll(m_run.FilePath("page.html")), QByteArray("<P>kept</P>\r\n"));
    }

    // Return keeps the edits and then refuses to save over the other program's text; the
    // risky answers do what they say.
    void modifiedPageAsksBeforeLosingEitherText_data() {
        QTest::addColumn<QString>("onChange");
        QTest::addColumn<QString>("onSave");
        QTest::newRow("Return to both") << QString() << QString();
        QTest::newRow("keep, then overwrite") << QString("Keep My Changes") << QString("Overwrite");
        QTest::newRow("reload") << QString("Reload") << QString();
    }
    void modifiedPageAsksBeforeLosingEitherText() {
        QFETCH(QString, onChange);
        QFETCH(QString, onSave);
        m_run.Start();
        const QString path = m_run.FilePath("page.html");
        DocumentWindow* window = Open("page.html", "<P>old</P>\r\n");
        QVERIFY(window);
        Type(*window, "<P>mine</P>\r\n");
        const QByteArray mine = Text(*window);
        const QByteArray theirs = "<P>theirs</P>\r\n";
        ChangeOutside(path, theirs);

        QString question;
        AnswerQuestion(&question, onChange, onChange.isEmpty() ? "question-changed-on-disk.png" : QString());
        m_run.App().DiskWatcher().CheckAll();
        QVERIFY2(question.contains("changed by another program"), qPrintable(question));
        if (onChange == "Reload") {
            QCOMPARE(Text(*window), theirs);
            QVERIFY(!window->Doc().IsModified());
            QTRY_VERIFY(PageFiles().isEmpty());
            return;
        }
        QCOMPARE(Text(*window), mine);
        QVERIFY(window->Doc().IsModified());

        AnswerQuestion(&question, onSave, onSave.isEmpty() ? "question-overwrite.png" : QString());
        Save(*window);
        QVERIFY2(question.contains("Save your version over it?"), qPrintable(question));
        if (onSave == "Overwrite") {
            QCOMPARE(ReadAll(path), mine);
            QVERIFY(!window->Doc().IsModified());
        } else {
            QCOMPARE(ReadAll(path), theirs);
            QVERIFY(window->Doc().IsModified());
        }
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (const QString folder = qEnvironmentVariable(kVictimFolder); !folder.isEmpty())
        return RunVictim(folder);
    RecoveryGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryGuiTest.moc"
