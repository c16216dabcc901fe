// The whole command table in the running program: every command a menu, toolbar or key can send
// has a handler, and with a page open and text selected each is enabled, but for the few whose
// state says there is nothing for them to do yet.
#include <QClipboard>
#include <QtTest>
#include <map>

#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "core/resources/SentCommands.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;

class CommandTableWalkTest : public QObject {
    Q_OBJECT
    testing::RunningApp m_run;

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    void everyCommandHasAHandlerAndIsEnabledWithASelection() {
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("page.html", "<P>Some text to mark up.</P>\r\n");
        QVERIFY(window);
        window->Control().SetSel(3, 7);
        QApplication::clipboard()->setText("pasted"); // Paste waits for something to paste
        QCoreApplication::processEvents();

        // Disabled for a reason of their own: nothing was inserted, undone or changed yet, the
        // recent-file list holds one entry only, and the selection is in no tag.
        const std::map<int, const char*> waiting = {
            {cmd::RepeatTags, "no tag inserted yet"},
            {cmd::EditUndo, "the opened text cannot be undone"},
            {cmd::EditRedo, "nothing undone"},
            {cmd::FileSave, "the page is unchanged"},
            {cmd::GoToMatchingTag, "the caret is in no tag's name"},
        };
        QStringList disabled;
        for (int id : SentCommandIds()) {
            if (id > cmd::FileMruFirst && id <= cmd::FileMruLast)
                continue;
            const CommandInfo* info = FindCommand(id);
            QVERIFY2(info != nullptr, qPrintable(QString::number(id)));
            const CmdUI state = m_run.Window().Dispatcher().QueryState(id);
            if (!state.enabled && !waiting.count(id))
                disabled << QString::fromUtf8(info->key);
        }
        QVERIFY2(disabled.isEmpty(), qPrintable("disabled with a page open: " + disabled.join(", ")));
        for (const auto& [id, reason] : waiting)
            QVERIFY2(!m_run.Window().Dispatcher().QueryState(id).enabled, reason);
    }
};

QTEST_MAIN(CommandTableWalkTest)
#include "CommandTableWalkTest.moc"
