// Help in the running program: every page of the contents loads; Back, Forward, the contents list
// and find in page; F1 on an open menu, on a dialog and elsewhere; Shift+F1 and a click on a
// toolbar button, a menu item or anything else. With RAZO_SCREENSHOT_DIR set, the help window is
// saved as a PNG.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "core/help/CommandHelp.h"
#include "core/help/TemplateRegistry.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandActions.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/ContextHelp.h"
#include "gui/app/FindReplaceDialog.h"
#include "gui/help/HelpPages.h"
#include "gui/help/HelpWindow.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;
using razo::testing::OnNextModal;

namespace {

QString Url(const QString& link) {
    return "qrc:/help/" + link;
}

QString Url(const std::string& link) {
    return Url(QString::fromStdString(link));
}

QMenu* TopMenu(QMenuBar* bar, const QString& caption) {
    for (QAction* action : bar->actions())
        if (action->text() == caption)
            return action->menu();
    return nullptr;
}

QAction* Item(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions())
        // A caption ending in a blank names the start of an item ("&1 " for a recent file).
        if (caption.endsWith(' ') ? action->text().startsWith(caption)
                                  : action->text().section('\t', 0, 0) == caption)
            return action;
    return nullptr;
}

} // namespace

class HelpGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;

    MainWindow& Window() { return m_run.Window(); }
    HelpWindow& Help() { return Window().Help(); }
    ContextHelp& Mode() { return *Window().findChild<ContextHelp*>(); }
    QString Page() { return Help().CurrentPage(); }
    bool HelpShown() {
        auto* help = Window().findChild<HelpWindow*>();
        return help != nullptr && help->isVisible();
    }
    DocumentWindow* OpenPage() {
        DocumentWindow* window = m_run.OpenFile("page.html", "<P>word</P>");
        if (window != nullptr)
            window->Control().SetSel(3, 7);
        return window;
    }
    QByteArray Text(DocumentWindow* window) {
        return QByteArray::fromStdString(window->Control().GetBytes());
    }
    // F1 in `dialog` once it has the focus; the help page it opens above it is read into `shown`
    // and closed.
    static void PressF1(QWidget* dialog, QString& shown) {
        auto* watch = new QTimer(dialog);
        QObject::connect(watch, &QTimer::timeout, watch, [watch, &shown] {
            if (auto* help = qobject_cast<HelpWindow*>(QApplication::activeModalWidget())) {
                watch->stop();
                shown = help->CurrentPage();
                help->close();
            }
        });
        watch->start(10);
        if (QTest::qWaitFor([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); }))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
    QWidget* Button(int barId, int commandId) {
        auto* bar = Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(barId));
        return bar ? bar->widgetForAction(Window().Actions().Action(commandId)) : nullptr;
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    void everyPageOfTheContentsLoadsUnderItsTitle_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        for (const HelpContentsEntry& entry : HelpContents())
            QTest::newRow(entry.file.c_str())
                << QString::fromStdString(entry.file) << QString::fromStdString(entry.title);
        QTest::newRow("using-help.html") << "using-help.html"
                                         << "Using Help";
    }
    void everyPageOfTheContentsLoadsUnderItsTitle() {
        QFETCH(QString, file);
        QFETCH(QString, title);
        HelpWindow help;
        help.ShowLink(file);
        QCOMPARE(help.CurrentPage(), Url(file));
        QCOMPARE(help.Browser().documentTitle(), title);
        QVERIFY(help.Browser().toPlainText().size() > title.size());
        // The list beside the page shows where the page is.
        QVERIFY(help.Contents().currentItem() != nullptr);
        QCOMPARE(help.Contents().currentItem()->text(0), title);
    }

    void theIndexListsTheGeneratedPages() {
        const QString index = GeneratedHelpHtml("index.html");
        QVERIFY(!index.contains("<!-- contents -->"));
        for (const HelpContentsEntry& entry : HelpContents())
            QVERIFY2(index.contains(QStringLiteral("href=\"%1\"").arg(QString::fromStdString(entry.file))),
                     entry.file.c_str());
        QVERIFY(GeneratedHelpHtml("no-such-page.html").isNull());
        QVERIFY(GeneratedHelpHtml("dialog-1.html").isNull());
    }

    void backAndForwardWalkThePagesSeen() {
        HelpWindow help;
        QPushButton* backButton = nullptr;
        QPushButton* forwardButton = nullptr;
        for (QPushButton* button : help.findChildren<QPushButton*>()) {
            if (button->text().contains("Back"))
                backButton = button;
            if (button->text().contains("Forward"))
                forwardButton = button;
        }
        QVERIFY(backButton && forwardButton);
        const int dialogContext = AllDialogTemplates().front()->HelpContext();
        help.ShowIndex();
        QVERIFY(!backButton->isEnabled());
        help.ShowLink("menu-font.html#font.bold");
        help.ShowHelpTopic(dialogContext);
        // A link in a page leads on, relative to the page.
        help.Browser().setSource(help.Browser().source().resolved(QUrl("keys.html")));
        QCOMPARE(help.CurrentPage(), Url(QString("keys.html")));
        QVERIFY(backButton->isEnabled());
        QVERIFY(!forwardButton->isEnabled());
        backButton->click();
        QCOMPARE(help.CurrentPage(), Url(DialogHelpFile(dialogContext)));
        backButton->click();
        QCOMPARE(help.CurrentPage(), Url(QString("menu-font.html#font.bold")));
        QVERIFY(forwardButton->isEnabled());
        forwardButton->click();
        QCOMPARE(help.CurrentPage(), Url(DialogHelpFile(dialogContext)));
        QTest::keyClick(&help.Browser(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(help.CurrentPage(), Url(QString("menu-font.html#font.bold")));
    }

    void theContentsListOpensThePageChosen() {
        HelpWindow help;
        help.ShowIndex();
        QList<QTreeWidgetItem*> found =
            help.Contents().findItems("Keys", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), qsizetype(1));
        help.Contents().setCurrentItem(found.front());
        QCOMPARE(help.CurrentPage(), Url(QString("keys.html")));
        // A group heading is no page: choosing it leaves the page as it is.
        found = help.Contents().findItems("Dialogs", Qt::MatchExactly);
        QCOMPARE(found.size(), qsizetype(1));
        help.Contents().setCurrentItem(found.front());
        QCOMPARE(help.CurrentPage(), Url(QString("keys.html")));
    }

    void findInPage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::newRow("a key") << "Ctrl+B" << true;
        QTest::newRow("other case") << "superscript" << true;
        QTest::newRow("absent") << "no such words" << false;
    }
    void findInPage() {
        QFETCH(QString, text);
        QFETCH(bool, found);
        HelpWindow help;
        help.ShowLink("menu-font.html");
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(&help.Browser(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(help.FindField().hasFocus());
        QTest::keyClicks(&help.FindField(), text);
        auto* result = help.findChild<QLabel*>("findResult");
        QVERIFY(result);
        QCOMPARE(help.Browser().textCursor().selectedText().compare(text, Qt::CaseInsensitive) == 0, found);
        QCOMPARE(result->text().isEmpty(), found);
        if (!found)
            return;
        // Return in the field goes on to the next place; it does not close the window.
        const int first = help.Browser().textCursor().selectionStart();
        QTextCursor top = help.Browser().textCursor();
        top.movePosition(QTextCursor::Start);
        help.Browser().setTextCursor(top);
        QTest::keyClick(&help.FindField(), Qt::Key_Return);
        QVERIFY(help.isVisible());
        QVERIFY(help.FindField().hasFocus());
        QCOMPARE(help.Browser().textCursor().selectionStart(), first);
        // Round the end of the page and back to the first place.
        int steps = 0;
        do {
            QVERIFY(help.FindNext());
            QVERIFY(++steps < 50);
        } while (help.Browser().textCursor().selectionStart() != first);
        QVERIFY(help.FindNext(true));
        QVERIFY(help.Browser().textCursor().selectionStart() != first || steps == 1);
    }

    void f1OnAnOpenMenuOpensTheHighlightedItemsPage_data() {
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("link");
        QTest::newRow("command") << QStringList{"F&ont"} << "&Bold"
                                 << QString::fromStdString(CommandHelpLink(cmd::Bold));
        QTest::newRow("command in a submenu") << QStringList{"&Structure", "&Body Tags"} << "  &Paragraph..."
                                              << QString::fromStdString(CommandHelpLink(cmd::Paragraph));
        QTest::newRow("submenu") << QStringList{"&Structure"} << "&Body Tags"
                                 << "menu-structure.html";
        QTest::newRow("recent file") << QStringList{"&File"} << "&1 "
                                     << QString::fromStdString(CommandHelpLink(cmd::FileMruFirst));
        QTest::newRow("nothing highlighted") << QStringList{"&Edit"} << ""
                                             << "menu-edit.html";
    }
    void f1OnAnOpenMenuOpensTheHighlightedItemsPage() {
        QFETCH(QStringList, menus);
        QFETCH(QString, item);
        QFETCH(QString, link);
        m_run.Start();
        DocumentWindow* window = OpenPage();
        QVERIFY(window);
        QMenu* menu = TopMenu(Window().menuBar(), menus.front());
        QVERIFY(menu);
        for (const QString& sub : menus.mid(1)) {
            QAction* action = Item(menu, sub);
            QVERIFY2(action && action->menu(), qPrintable(sub));
            menu = action->menu();
        }
        menu->popup(Window().mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        if (!item.isEmpty()) {
            QAction* action = Item(menu, item);
            QVERIFY2(action, qPrintable(item));
            menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_F1);
        QTRY_COMPARE(Page(), Url(link));
        QVERIFY(HelpShown());
        QVERIFY(!menu->isVisible());
        QCOMPARE(Text(window), QByteArray("<P>word</P>"));
    }

    void f1ElsewhereOpensTheContents() {
        m_run.Start();
        DocumentWindow* window = OpenPage();
        QVERIFY(window);
        QTest::keyClick(&window->Editor(), Qt::Key_F1);
        QTRY_VERIFY(HelpShown());
        QCOMPARE(Page(), Url(QString("index.html")));
    }

    // F1 in a dialog opens its page above it; the dialog goes on afterwards.
    void f1InADialogOpensItsPage() {
        m_run.Start();
        DocumentWindow* window = OpenPage();
        QVERIFY(window);
        QString shown;
        bool stillOpen = false;
        OnNextModal(m_run.Pending(), [&shown, &stillOpen](QWidget* dialog) {
            PressF1(dialog, shown);
            stillOpen = dialog->isVisible();
            QMetaObject::invokeMethod(dialog, "reject");
        });
        Window().Dispatcher().Execute(cmd::Heading2);
        QVERIFY(stillOpen);
        QVERIFY(shown.startsWith("qrc:/help/dialog-"));
        QVERIFY(FindTemplateByHelpContext(DialogHelpContext(QUrl(shown).fileName().toStdString())));
        QCOMPARE(Text(window), QByteArray("<P>word</P>"));
    }

    // F1 in the dialogs not built from templates: modal ones open the page above them, the
    // modeless Find and Replace beside them.
    void f1InEveryOtherDialogOpensAPage_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("page");
        QTest::newRow("New") << cmd::FileNew << Url(ContextHelp::CommandLink(cmd::FileNew));
        QTest::newRow("Find") << cmd::EditFind << Url(ContextHelp::CommandLink(cmd::EditFind));
        QTest::newRow("Replace") << cmd::EditReplace << Url(ContextHelp::CommandLink(cmd::EditReplace));
        QTest::newRow("the file chooser") << cmd::FileOpen << Url(QString("index.html"));
    }
    void f1InEveryOtherDialogOpensAPage() {
        QFETCH(int, command);
        QFETCH(QString, page);
        m_run.Start();
        QVERIFY(OpenPage());
        QString shown;
        OnNextModal(m_run.Pending(), [&](QWidget* dialog) {
            PressF1(dialog, shown);
            (void)QTest::qWaitFor([&shown] { return !shown.isEmpty(); });
            QMetaObject::invokeMethod(dialog, "reject");
        });
        Window().Dispatcher().Execute(command);
        if (shown.isEmpty()) {
            auto* find = Window().findChild<FindReplaceDialog*>();
            QVERIFY(find && find->isVisible());
            PressF1(find, shown);
            QTRY_VERIFY(HelpShown());
            shown = Page();
            find->close();
        }
        QCOMPARE(shown, page);
    }

    void contextHelpOnAToolbarButtonOpensItsPageInsteadOfRunningIt_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("command");
        QTest::newRow("fixed tag") << int(cmd::ToolbarFont) << int(cmd::Bold);
        QTest::newRow("element dialog") << int(cmd::ToolbarHeading) << int(cmd::Heading2);
        QTest::newRow("entity on a bar shown later") << int(cmd::ToolbarCapital) << int(cmd::CapitalAacute);
        QTest::newRow("disabled button") << int(cmd::ToolbarStandard) << int(cmd::FileSave);
        QTest::newRow("the help button itself") << int(cmd::ToolbarStandard) << int(cmd::ContextHelp);
        // Its grip, off every button: the View menu command that shows and hides the bar.
        QTest::newRow("the bar itself") << int(cmd::ToolbarFont) << 0;
    }
    void contextHelpOnAToolbarButtonOpensItsPageInsteadOfRunningIt() {
        QFETCH(int, bar);
        QFETCH(int, command);
        m_run.Start();
        // Room for every button also at twice the scale on a small screen.
        Window().resize(1280, 860);
        DocumentWindow* window = OpenPage();
        QVERIFY(window);
        if (bar == cmd::ToolbarCapital) // hidden at first
            QVERIFY(Window().Dispatcher().Execute(bar));
        QWidget* button = command != 0 ? Button(bar, command)
                                       : Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(bar));
        QVERIFY(button && button->isVisible());
        QVERIFY(Window().Dispatcher().Execute(cmd::ContextHelp));
        QVERIFY(Mode().Active());
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          command != 0 ? QPoint() : QPoint(2, button->height() / 2));
        QTRY_COMPARE(Page(), Url(CommandHelpLink(command != 0 ? command : bar)));
        QVERIFY(!Mode().Active());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(Window().statusBar()->currentMessage(), QString());
        QCOMPARE(Text(window), QByteArray("<P>word</P>"));
    }

    // A menu title opens its menu as usual; the item clicked in it is explained, not run.
    void contextHelpOnAMenuItemOpensItsPage() {
        m_run.Start();
        DocumentWindow* window = OpenPage();
        QVERIFY(window);
        QVERIFY(Window().Dispatcher().Execute(cmd::ContextHelp));
        QMenuBar* bar = Window().menuBar();
        QMenu* font = TopMenu(bar, "F&ont");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(font->menuAction()).center());
        QTRY_VERIFY(font->isVisible());
        QVERIFY(Mode().Active());
        QAction* bold = Item(font, "&Bold");
        QTest::mouseClick(font, Qt::LeftButton, {}, font->actionGeometry(bold).center());
        QTRY_COMPARE(Page(), Url(CommandHelpLink(cmd::Bold)));
        QVERIFY(!font->isVisible());
        QVERIFY(!Mode().Active());
        QCOMPARE(Text(window), QByteArray("<P>word</P>"));
    }

    void contextHelpElsewhereOpensTheContents_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("link");
        QTest::newRow("edit view") << "editor"
                                   << "index.html";
        QTest::newRow("status bar") << "status"
                                    << "index.html";
        QTest::newRow("a toolbar between its buttons")
            << "toolbar" << QString::fromStdString(CommandHelpLink(cmd::ToolbarFont));
    }
    void contextHelpElsewhereOpensTheContents() {
        QFETCH(QString, where);
        QFETCH(QString, link);
        m_run.Start();
        DocumentWindow* window = OpenPage();
        QVERIFY(window);
        QWidget* target = nullptr;
        QPoint at(2, 2);
        if (where == "editor") {
            target = window->Editor().viewport();
            at = QPoint(20, 20);
        } else if (where == "status") {
            target = Window().statusBar();
        } else {
            auto* bar = Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(cmd::ToolbarFont));
            target = bar;
            at = QPoint(bar->width() - 2, bar->height() / 2);
            QVERIFY(bar->childAt(at) == nullptr || qobject_cast<QToolBar*>(bar->childAt(at)) ||
                    !bar->childAt(at)->inherits("QToolButton"));
        }
        QVERIFY(Window().Dispatcher().Execute(cmd::ContextHelp));
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QTRY_COMPARE(Page(), Url(link));
        QVERIFY(!Mode().Active());
        QCOMPARE(Text(window), QByteArray("<P>word</P>"));
    }

    void escLeavesContextHelpWithoutHelp() {
        m_run.Start();
        QVERIFY(OpenPage());
        QVERIFY(Window().Dispatcher().Execute(cmd::ContextHelp));
        QCOMPARE(Window().statusBar()->currentMessage(), QString("Select an object on which to get Help"));
        QTest::keyClick(&Window(), Qt::Key_Escape);
        QVERIFY(!Mode().Active());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(Window().statusBar()->currentMessage(), QString());
        QCoreApplication::processEvents();
        QVERIFY(!HelpShown());
    }

    void f1InTheHelpWindowExplainsIt() {
        HelpWindow help;
        help.ShowIndex();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(&help.Browser(), Qt::Key_F1);
        QCOMPARE(help.CurrentPage(), Url(QString("using-help.html")));
    }

    // Everything in the window fits it at its first size; saved for a person to look at.
    void helpWindowFitsItsContents() {
        HelpWindow help;
        help.ShowLink("menu-font.html#font.bold");
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY2(help.minimumSizeHint().width() <= help.width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(help.minimumSizeHint().width()).arg(help.width())));
        const auto* list = static_cast<QAbstractItemView*>(&help.Contents());
        QVERIFY(list->viewport()->width() >= list->sizeHintForColumn(0));
        for (QPushButton* button : help.findChildren<QPushButton*>())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        if (const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR"); !folder.isEmpty())
            QVERIFY(help.grab().save(folder + "/help-window.png"));
    }
};

QTEST_MAIN(HelpGuiTest)
#include "HelpGuiTest.moc"
