// The dispatcher applies the route's command state to menu items: enabled, and a check mark
// that goes away when no handler gives one any more.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "core/app/CommandRouter.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandDispatcher.h"

using namespace razo;

class CommandDispatcherTest : public QObject {
    Q_OBJECT

private slots:
    void staleCheckMarkIsCleared() {
        CommandDispatcher dispatcher;
        CommandTarget wrapping;
        wrapping.OnCommand(cmd::ToggleWordWrap, [] {});
        wrapping.OnUpdate(cmd::ToggleWordWrap, [](CmdUI& ui) { ui.SetCheck(true); });
        CommandTarget plain;
        plain.OnCommand(cmd::ToggleWordWrap, [] {});
        CommandTarget none;

        QMenu menu;
        QAction* item = menu.addAction("Word Wrap");
        item->setData(cmd::ToggleWordWrap);
        dispatcher.SetFixedTargets(&none, &none);

        dispatcher.SetDocumentRoute({&wrapping});
        dispatcher.UpdateMenu(&menu);
        QVERIFY(item->isCheckable() && item->isChecked() && item->isEnabled());

        // The next document gives no check: the mark of the last one must not stay.
        dispatcher.SetDocumentRoute({&plain});
        dispatcher.UpdateMenu(&menu);
        QVERIFY(!item->isChecked());
        QVERIFY(item->isEnabled());

        // No document: nothing handles the command.
        dispatcher.SetDocumentRoute({});
        dispatcher.UpdateMenu(&menu);
        QVERIFY(!item->isChecked());
        QVERIFY(!item->isEnabled());
    }
};

QTEST_MAIN(CommandDispatcherTest)
#include "CommandDispatcherTest.moc"
