// Undo and Redo in a real edit control: typed text that was undone comes back with Redo, while
// the last inserted tag pair keeps the view's own protection.
#include <QtTest>

#include "core/app/CommandRouter.h"
#include "core/resources/CommandIds.h"
#include "core/view/RazoView.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/FakeDocument.h"

using namespace razo;

class UndoRedoGuiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RazoEditor> m_editor;
    std::unique_ptr<ScintillaTextControl> m_control;
    std::unique_ptr<test::FakeDocument> m_document;
    std::unique_ptr<CRazoView> m_view;
    CommandRouter m_router;

    QByteArray Text() const { return QByteArray::fromStdString(m_control->GetBytes()); }
    bool Enabled(int id) const { return m_router.QueryState(id).enabled; }

private slots:
    void init() {
        m_editor = std::make_unique<RazoEditor>();
        m_control = std::make_unique<ScintillaTextControl>(*m_editor);
        m_document = std::make_unique<test::FakeDocument>();
        m_view = std::make_unique<CRazoView>(*m_control, *m_document);
        m_router.SetRoute({&m_view->Target()});
        m_view->OnInitialUpdate(false);
        m_editor->show();
        m_editor->setFocus();
    }
    void cleanup() {
        m_view.reset();
        m_control.reset();
        m_editor.reset();
    }

    void undoneTypingComesBackWithRedo() {
        QTest::keyClicks(m_editor.get(), "one");
        QTest::keyClick(m_editor.get(), Qt::Key_Return);
        QTest::keyClicks(m_editor.get(), "two");
        const QByteArray typed = Text();
        QVERIFY(typed.startsWith("one") && typed.endsWith("two"));
        QVERIFY(!Enabled(cmd::EditRedo));

        while (Enabled(cmd::EditUndo) && !Text().isEmpty())
            QVERIFY(m_router.Execute(cmd::EditUndo));
        QCOMPARE(Text(), QByteArray());
        QVERIFY(Enabled(cmd::EditRedo));
        while (Enabled(cmd::EditRedo))
            QVERIFY(m_router.Execute(cmd::EditRedo));
        QCOMPARE(Text(), typed);
        QVERIFY(!m_router.Execute(cmd::EditRedo));
    }

    // The keys: Ctrl+Shift+Z is Redo, Ctrl+Y stays Repeat (the editor's own bindings yield).
    void redoKeyIsFreeForTheProgram() {
        QTest::keyClicks(m_editor.get(), "abc");
        m_router.Execute(cmd::EditUndo);
        QTest::keyClick(m_editor.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(m_editor.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Text(), QByteArray()); // neither key reached the editor's own redo
    }

    void theLastPairIsStillRemovedByUndoAndNotBroughtBackByRedo() {
        m_control->SetBytes("Intro");
        m_view->OnInitialUpdate(false);
        m_control->SetSel(0, 5);
        m_view->InsertTagPair("<B>", "</B>", false);
        QCOMPARE(Text(), QByteArray("<B>Intro</B>"));
        QVERIFY(m_router.Execute(cmd::EditUndo));
        QCOMPARE(Text(), QByteArray("Intro"));
        QVERIFY(!m_router.Execute(cmd::EditRedo));
        QCOMPARE(Text(), QByteArray("Intro"));
    }
};

QTEST_MAIN(UndoRedoGuiTest)
#include "UndoRedoGuiTest.moc"
