// The real main window on the offscreen platform: menus against the tables, accelerators through
// the route, byte-exact saving, window placement across a restart and File New's type choice.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/app/RazoDoc.h"
#include "core/app/RecentFiles.h"
#include "core/resources/Accelerators.h"
#include "core/resources/CommandIds.h"
#include "core/resources/Menus.h"
#include "core/settings/IniProfile.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/ContextHelp.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/FindReplaceDialog.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/MainWindow.h"
#include "gui/app/NewTypeDialog.h"
#include "gui/app/RazoApplication.h"
#include "gui/app/StatusPanes.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/help/HelpWindow.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;

namespace {

// Pending answers; dropped at the end of each test so none outlives the variables it writes.
QObject* g_pending = nullptr;

// Answers the next modal dialog from the event loop.
void OnNextModal(std::function<void(QWidget*)> answer) {
    razo::testing::OnNextModal(g_pending, std::move(answer));
}

void DismissMessage(QString* text) {
    OnNextModal([text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *text = box->text();
            box->accept();
        } else {
            modal->close();
        }
    });
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;

    QString ProfilePath() const { return m_run.ProfilePath(); }
    QString FilePath(const QString& name) const { return m_run.FilePath(name); }
    MainWindow& Window() { return m_run.Window(); }
    RazoApplication& App() { return m_run.App(); }
    void StartApp() { m_run.Start(); }
    void StopApp() { m_run.Stop(); }
    DocumentWindow* OpenFile(const QString& name, const QByteArray& bytes) {
        return m_run.OpenFile(name, bytes);
    }
    static void Select(DocumentWindow& window, long start, long end) { window.Control().SetSel(start, end); }
    static QByteArray Text(DocumentWindow& window) {
        return QByteArray::fromStdString(window.Control().GetBytes());
    }
    void Press(DocumentWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        m_run.Press(window, key, modifiers);
    }

    void CompareMenu(QMenu* menu, const std::vector<MenuEntry>& entries, const QString& where);

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() {
        m_run.BeginTest();
        g_pending = m_run.Pending();
    }
    void cleanup() {
        g_pending = nullptr;
        m_run.EndTest();
    }

    void profileLivesInTheConfigFolder() { QCOMPARE(RazoApplication::DefaultProfilePath(), ProfilePath()); }

    void menusMatchTables_data() {
        QTest::addColumn<bool>("withDocument");
        QTest::newRow("no document") << false;
        QTest::newRow("document") << true;
    }
    void menusMatchTables() {
        QFETCH(bool, withDocument);
        StartApp();
        if (withDocument)
            QVERIFY(OpenFile("menus.html", "x"));
        const auto& bar = withDocument ? DocumentMenuBar() : NoDocumentMenuBar();
        const QList<QAction*> tops = Window().menuBar()->actions();
        QCOMPARE(tops.size(), qsizetype(bar.size()));
        for (size_t i = 0; i < bar.size(); ++i) {
            QCOMPARE(tops[qsizetype(i)]->text(), QString::fromStdString(bar[i].caption));
            CompareMenu(tops[qsizetype(i)]->menu(), bar[i].children, QString::fromStdString(bar[i].caption));
        }
    }

    void everyAcceleratorIsBoundOnce() {
        StartApp();
        // With a document open, so that the document window's own keys count too.
        QVERIFY(OpenFile("keys.html", "x"));
        QMap<QString, int> bound;
        for (QShortcut* shortcut : Window().findChildren<QShortcut*>())
            bound[shortcut->key().toString(QKeySequence::PortableText)]++;
        for (QWidget* widget : QApplication::allWidgets())
            for (QAction* action : widget->actions())
                for (const QKeySequence& key : action->shortcuts())
                    bound[key.toString(QKeySequence::PortableText)]++;
        for (const Accelerator& accelerator : AcceleratorTable()) {
            const QString keys =
                QKeySequence::fromString(accelerator.keys).toString(QKeySequence::PortableText);
            QVERIFY2(bound.value(keys) == 1, accelerator.keys);
        }
    }

    void ctrlBWrapsRepeatsAndUndoesOnce() {
        StartApp();
        DocumentWindow* window = OpenFile("tags.html", "abc def ghi");
        QVERIFY(window);
        QVERIFY(!Window().Dispatcher().QueryState(cmd::RepeatTags).enabled);

        Select(*window, 0, 3);
        Press(*window, Qt::Key_B);
        QCOMPARE(Text(*window), QByteArray("<B>abc</B> def ghi"));
        long start = 0, end = 0;
        window->Control().GetSel(start, end);
        QCOMPARE(start, 3L);
        QCOMPARE(end, 6L);
        QVERIFY(window->Doc().IsModified());

        Select(*window, 11, 14);
        Press(*window, Qt::Key_Y);
        QCOMPARE(Text(*window), QByteArray("<B>abc</B> <B>def</B> ghi"));

        Press(*window, Qt::Key_Z);
        QCOMPARE(Text(*window), QByteArray("<B>abc</B> def ghi"));
        window->Control().GetSel(start, end);
        QCOMPARE(start, 11L);
        QCOMPARE(end, 14L);
        QVERIFY(!Window().Dispatcher().QueryState(cmd::EditUndo).enabled);
        Press(*window, Qt::Key_Z);
        QCOMPARE(Text(*window), QByteArray("<B>abc</B> def ghi"));
    }

    // Markup put into a page and saved ends its lines as the file did; the rest is not re-ended.
    void markupTakesThePageLineEnding_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("lf") << QByteArray("t\nx\r\n") << QByteArray("t\n<HEAD>\nx\n</HEAD>\r\n");
        QTest::newRow("cr lf") << QByteArray("t\r\nx\n") << QByteArray("t\r\n<HEAD>\r\nx\r\n</HEAD>\n");
        QTest::newRow("cr") << QByteArray("t\rx\n") << QByteArray("t\r<HEAD>\rx\r</HEAD>\n");
    }
    void markupTakesThePageLineEnding() {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, saved);
        StartApp();
        DocumentWindow* window = OpenFile("ending.html", page);
        QVERIFY(window);
        Select(*window, page.indexOf('x'), page.indexOf('x') + 1);
        QVERIFY(Window().Dispatcher().Execute(cmd::Head));
        QVERIFY(Window().Dispatcher().Execute(cmd::FileSave));
        QCOMPARE(ReadAll(FilePath("ending.html")), saved);
    }

    // A mistyped mnemonic types nothing, in the page or in a dialog field; a real one still works.
    void altWithALetterNothingWantsTypesNothing() {
        StartApp();
        DocumentWindow* window = OpenFile("alt.html", "abc");
        QVERIFY(window);
        window->Control().SetSel(3, 3);
        for (const Qt::Key key : {Qt::Key_Q, Qt::Key_Z, Qt::Key_K})
            Press(*window, key, Qt::AltModifier);
        QCOMPARE(Text(*window), QByteArray("abc"));
        QVERIFY(!window->Doc().IsModified());

        QString typed;
        testing::OnNextModal(this, [&typed](QWidget* modal) {
            auto* field = modal->findChild<QLineEdit*>();
            QVERIFY(field);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Q, Qt::AltModifier);
            typed = field->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        Press(*window, Qt::Key_J);
        QTRY_VERIFY(!typed.isNull());
        QCOMPARE(typed, QString(""));
        QCOMPARE(Text(*window), QByteArray("abc"));

        Press(*window, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QApplication::activePopupWidget()->close();
    }

    void lineColumnPaneFollowsCaret() {
        StartApp();
        DocumentWindow* window = OpenFile("lncol.html", "ab\r\n\tcd");
        QVERIFY(window);
        Select(*window, 6, 6);
        Window().Dispatcher().RunIdle();
        QCOMPARE(Window().Status().LineColumn(), QString("Ln 2, Col 3"));
        window->close();
        QTRY_VERIFY(Window().Files().Windows().isEmpty());
        Window().Dispatcher().RunIdle();
        QCOMPARE(Window().Status().LineColumn(), QString());
    }

    void saveWritesExactBytes_data() {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<bool>("wrapFirst");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("latin-1 and CR LF, wrapped")
            << QByteArray("<P>caf\xe9\r\nline\r\n") << true << QByteArray("<P><B>caf\xe9</B>\r\nline\r\n");
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all += char(i);
        QTest::newRow("every byte value, untouched") << all << false << all;
        QTest::newRow("utf-8 with CR LF, wrapped")
            << QByteArray("<P>caf\xc3\xa9\r\n") << true << QByteArray("<P><B>caf\xc3\xa9</B>\r\n");
    }
    void saveWritesExactBytes() {
        QFETCH(QByteArray, original);
        QFETCH(bool, wrapFirst);
        QFETCH(QByteArray, expected);
        StartApp();
        DocumentWindow* window = OpenFile("bytes.html", original);
        QVERIFY(window);
        QVERIFY2(!Window().Dispatcher().QueryState(cmd::FileSave).enabled,
                 "Save enabled right after opening");
        if (wrapFirst) {
            const long end = long(original.indexOf('\r'));
            Select(*window, 3, end);
            Press(*window, Qt::Key_B);
            QVERIFY(Window().Dispatcher().QueryState(cmd::FileSave).enabled);
            Press(*window, Qt::Key_S);
        } else {
            QVERIFY(Window().Files().Save(*window));
        }
        QCOMPARE(ReadAll(FilePath("bytes.html")), expected);
        QVERIFY(!window->Doc().IsModified());
        QCOMPARE(App().Profile().GetProfileString("Misc", "Working Dir", ""),
                 (QFileInfo(FilePath("x")).path() + "/").toStdString());
    }

    void failedSaveKeepsDocumentModified() {
        StartApp();
        QDir(QFileInfo(FilePath("x")).path()).mkpath("gone");
        DocumentWindow* window = OpenFile("gone/page.html", "abc");
        QVERIFY(window);
        Select(*window, 0, 3);
        Press(*window, Qt::Key_B);

        // Into a folder that is not there: reported, nothing changes on disk.
        QString message;
        DismissMessage(&message);
        QVERIFY(!window->RazoDoc().OnSaveDocument(FilePath("missing/page.html").toStdString(),
                                                  &window->Control()));
        QVERIFY2(message.contains("page.html"), qPrintable(message));
        QVERIFY(window->Doc().IsModified());
        QCOMPARE(ReadAll(FilePath("gone/page.html")), QByteArray("abc"));

        // Its own folder removed since it was opened.
        QVERIFY(QDir(FilePath("gone")).removeRecursively());
        message.clear();
        DismissMessage(&message);
        Press(*window, Qt::Key_S);
        QVERIFY(!message.isEmpty());
        QVERIFY(window->Doc().IsModified());
        QVERIFY(Window().Dispatcher().QueryState(cmd::FileSave).enabled);
    }

    void openRefusesWhatItCannotRead_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::newRow("missing file") << "nothing-here.html" << qint64(-1);
        QTest::newRow("too large") << "huge.html" << qint64(513) * 1024 * 1024;
    }
    void openRefusesWhatItCannotRead() {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        StartApp();
        const QString path = FilePath(name);
        if (size >= 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size)); // sparse: nothing is written
        }
        QString message;
        DismissMessage(&message);
        QVERIFY(Window().Files().OpenPath(path) == nullptr);
        QVERIFY2(message.contains(name), qPrintable(message));
        QVERIFY(Window().Files().Windows().isEmpty());
        QFile::remove(path);
    }

    void closeAsksAboutUnsavedChanges() {
        StartApp();
        DocumentWindow* window = OpenFile("ask.html", "abc");
        QVERIFY(window);
        Select(*window, 0, 3);
        Press(*window, Qt::Key_B);
        QPointer<DocumentWindow> guard(window);
        for (auto answer : {QMessageBox::Cancel, QMessageBox::No}) {
            QString question;
            OnNextModal([&question, answer](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                question = box->text();
                box->button(answer)->click();
            });
            QVERIFY(Window().Dispatcher().Execute(cmd::FileClose));
            QCOMPARE(question, QString("Save changes to ask.html?"));
            QCoreApplication::processEvents();
            if (answer == QMessageBox::Cancel)
                QVERIFY(guard && Window().ActiveDocument() == window);
        }
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(ReadAll(FilePath("ask.html")), QByteArray("abc"));
        QCOMPARE(Window().windowTitle(), QString("Razo"));
        QVERIFY(!Window().Dispatcher().QueryState(cmd::FileSave).enabled);
    }

    void helpShowsItsPages() {
        StartApp();
        QVERIFY(Window().Dispatcher().Execute(cmd::HelpIndex));
        QVERIFY(Window().Help().CurrentPage().endsWith("help/index.html"));
        QVERIFY(Window().Dispatcher().Execute(cmd::HelpUsing));
        QVERIFY(Window().Help().CurrentPage().endsWith("help/using-help.html"));
        Window().ShowHelpTopic(0x20000 + 9999); // no page of its own
        QVERIFY(Window().Help().CurrentPage().endsWith("help/index.html"));
        QVERIFY(Window().Dispatcher().Execute(cmd::ContextHelp));
        QVERIFY(Window().findChild<ContextHelp*>()->Active());
        QCOMPARE(Window().statusBar()->currentMessage(), QString("Select an object on which to get Help"));
        QTest::keyClick(&Window(), Qt::Key_Escape);
        QVERIFY(!Window().findChild<ContextHelp*>()->Active());
        QCOMPARE(Window().statusBar()->currentMessage(), QString());
    }

    void replaceAllReplacesEachMatchOnce_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("replacement holds the match")
            << QByteArray("a b A") << false << false << 2 << QString("<a>") << QByteArray("<a> b <a>");
        QTest::newRow("match case") << QByteArray("a b A") << true << false << 1 << QString("<a>")
                                    << QByteArray("<a> b A");
        QTest::newRow("whole word") << QByteArray("a ab a\r\n") << false << true << 2 << QString("<a>")
                                    << QByteArray("<a> ab <a>\r\n");
        // An 8-bit document cannot hold the euro sign: it goes in as a reference, not as '?'.
        QTest::newRow("beyond Latin-1 in an 8-bit document")
            << QByteArray("a \xe9") << false << false << 1 << QString::fromUtf8("\u20ac\u00e9")
            << QByteArray("&#8364;\xe9 \xe9");
    }
    void replaceAllReplacesEachMatchOnce() {
        QFETCH(QByteArray, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, count);
        QFETCH(QString, replacement);
        QFETCH(QByteArray, expected);
        StartApp();
        DocumentWindow* window = OpenFile("replace.html", text);
        QVERIFY(window);
        SearchState state;
        state.findWhat = "a";
        state.replaceWith = replacement;
        state.matchCase = matchCase;
        state.wholeWord = wholeWord;
        QCOMPARE(FindReplaceDialog::ReplaceAll(window->Editor(), state), count);
        QCOMPARE(Text(*window), expected);
        QVERIFY(window->Doc().IsModified());
    }

    void placementSurvivesRestart() {
        StartApp();
        Window().setGeometry(110, 130, 640, 420);
        const QRect before = Window().geometry();
        StopApp();
        const std::string stored =
            IniProfile(ProfilePath().toStdString()).GetProfileString("Settings", "WindowPos", "");
        QVERIFY(!stored.empty());
        StartApp();
        QCOMPARE(Window().geometry(), before);
    }

    void fileNewAsksForTheType_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("suffix");
        const QString html = "HTML Document (.html)", htm = "HTML Document (.htm)";
        QTest::newRow("default") << QString() << QStringList{html, htm} << ".html";
        QTest::newRow("htm") << "htm" << QStringList{htm, html} << ".htm";
        QTest::newRow("HTM in capitals") << "HTM" << QStringList{html, htm} << ".html";
    }
    void fileNewAsksForTheType() {
        QFETCH(QString, extension);
        QFETCH(QStringList, listed);
        QFETCH(QString, suffix);
        if (!extension.isEmpty())
            IniProfile(ProfilePath().toStdString())
                .WriteProfileString("Misc", "Extension", extension.toStdString());
        StartApp();
        QStringList shown;
        QString preselected;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<NewTypeDialog*>(modal);
            if (dialog == nullptr) {
                modal->close();
                return;
            }
            for (int i = 0; i < dialog->List()->count(); ++i)
                shown << dialog->List()->item(i)->text();
            preselected = dialog->List()->currentItem()->text();
            dialog->accept();
        });
        // The new document then asks for its document type and body; no skeleton here.
        QStringList skeletonDialogs;
        App().Dialogs().onShow = [&skeletonDialogs](DialogWindow& dialog) {
            skeletonDialogs << dialog.windowTitle();
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
        };
        QVERIFY(Window().Dispatcher().Execute(cmd::FileNew));
        QCOMPARE(skeletonDialogs, QStringList({"Document Type Specification", "Body (HTML 2.0)"}));
        QCOMPARE(shown, listed);
        QCOMPARE(preselected, listed.first());
        DocumentWindow* window = Window().ActiveDocument();
        QVERIFY(window);
        QCOMPARE(QString::fromUtf8(window->Type().filterExt), suffix);
        QCOMPARE(window->Doc().TitleText(), QString("HTML1"));
        QCOMPARE(Window().windowTitle(), QString("Razo - HTML1"));
    }
};

void MainWindowTest::CompareMenu(QMenu* menu, const std::vector<MenuEntry>& entries, const QString& where) {
    QVERIFY2(menu, qPrintable(where));
    emit menu->aboutToShow(); // fills the lists and sets the state, as opening it does
    QList<QAction*> actions;
    for (QAction* action : menu->actions())
        if (action->isVisible())
            actions << action;
    qsizetype at = 0;
    const auto next = [&]() -> QAction* { return at < actions.size() ? actions[at++] : nullptr; };
    for (const MenuEntry& entry : entries) {
        const QString context = where + " / " + QString::fromStdString(entry.caption);
        QString expected = QString::fromStdString(entry.caption);
        if (!entry.tabText.empty())
            expected += '\t' + QString::fromStdString(entry.tabText);
        switch (entry.kind) {
        case MenuEntryKind::Separator: {
            QAction* action = next();
            QVERIFY2(action && action->isSeparator(), qPrintable(context + " separator"));
            break;
        }
        case MenuEntryKind::Command: {
            QAction* action = next();
            QVERIFY2(action, qPrintable(context));
            QCOMPARE(action->text(), expected);
            QCOMPARE(action->data().toInt(), entry.id);
            break;
        }
        case MenuEntryKind::RecentFiles: {
            const auto& paths = App().Recent().Paths();
            if (paths.empty()) {
                QAction* action = next();
                QVERIFY2(action, qPrintable(context));
                QCOMPARE(action->text(), expected);
                QVERIFY2(!action->isEnabled(), "Recent File is grayed while the list is empty");
            }
            for (size_t i = 0; i < paths.size(); ++i) {
                QAction* action = next();
                QVERIFY2(action, qPrintable(context));
                QCOMPARE(action->text(), QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(paths[i])));
                QCOMPARE(action->data().toInt(), cmd::FileMruFirst + int(i));
                QVERIFY(action->isEnabled());
            }
            break;
        }
        case MenuEntryKind::Submenu: {
            QAction* action = next();
            QVERIFY2(action && action->menu(), qPrintable(context));
            QCOMPARE(action->text(), expected);
            CompareMenu(action->menu(), entry.children, context);
            break;
        }
        case MenuEntryKind::WindowList:
            for (DocumentWindow* window : Window().Files().Windows()) {
                Q_UNUSED(window);
                QAction* separator = next();
                QVERIFY2(separator && separator->isSeparator(), qPrintable(context));
                QAction* item = next();
                QVERIFY2(item, qPrintable(context));
                QCOMPARE(item->text(), QString("&1 menus.html"));
                QVERIFY(item->isChecked());
            }
            break;
        }
    }
    QVERIFY2(at == actions.size(), qPrintable(where + ": more items than the table"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
