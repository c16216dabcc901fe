// Edit Tag in the running program: F2 with the caret in a tag opens the dialog that builds it,
// filled from the tag; OK rewrites only the start tag; Ctrl+Z gives the page back byte for byte.
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "core/elements/Tables.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "tests/support/RunningApp.h"

using namespace razo;

class EditTagGuiTest : public QObject {
    Q_OBJECT

    testing::RunningApp m_run;

    static QString FieldText(DialogWindow& dialog, int id) {
        QWidget* field = dialog.Control(id);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(field))
            return combo->currentText();
        return "?";
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    void f2OpensTheFilledDialogAndRewritesTheStartTag_data() {
        QTest::addColumn<QByteArray>("page"); // "|" is the caret
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("table") << QByteArray(
                                      "<P>\r\n<table width=80% BORDER=3 |cellspacing=2>\r\n<TR><TD>x</TD>"
                                      "</TR>\r\n</table>\r\n")
                               << "Table (HTML 3.2)" << int(tables::IdWidth) << "80"
                               << "95"
                               << QByteArray(
                                      "<P>\r\n<TABLE WIDTH=95% BORDER=3 CELLSPACING=2>\r\n<TR><TD>x</TD>"
                                      "</TR>\r\n</table>\r\n");
        QTest::newRow("cell, caret in its end tag")
            << QByteArray("<TD ALIGN=left>x</|TD>") << "Table Heading/Data (HTML 3.2)"
            << int(tables::IdColSpan) << ""
            << "2" << QByteArray("<TD ALIGN=left COLSPAN=2>x</TD>");
    }

    void f2OpensTheFilledDialogAndRewritesTheStartTag() {
        QFETCH(QByteArray, page);
        QFETCH(QString, title);
        QFETCH(int, field);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QByteArray, after);
        m_run.Start();
        const qsizetype caret = page.indexOf('|');
        const QByteArray before = QByteArray(page).remove(caret, 1);
        DocumentWindow* window = m_run.OpenFile("page.html", before);
        QVERIFY(window);
        window->Editor().SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(caret));

        QString openedTitle, openedValue;
        m_run.App().Dialogs().onShow = [&](DialogWindow& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&dialog));
                openedTitle = dialog.windowTitle();
                openedValue = FieldText(dialog, field);
                auto* edit = qobject_cast<QLineEdit*>(dialog.Control(field));
                QVERIFY(edit);
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, typed);
                QTest::keyClick(edit, Qt::Key_Return);
            });
        };
        m_run.Press(*window, Qt::Key_F2, Qt::NoModifier);
        QTRY_COMPARE(QByteArray::fromStdString(window->Control().GetBytes()), after);
        QCOMPARE(openedTitle, title);
        QCOMPARE(openedValue, shown);
        m_run.Press(*window, Qt::Key_Z);
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), before);
    }
};

QTEST_MAIN(EditTagGuiTest)
#include "EditTagGuiTest.moc"
