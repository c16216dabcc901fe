// Element commands end to end in the real main window: accelerator, rendered dialog, OK, text.
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;

class ElementDialogCommandTest : public QObject {
    Q_OBJECT

    testing::RunningApp m_run;

    DocumentWindow* OpenFile(const QString& name, const QByteArray& bytes) {
        return m_run.OpenFile(name, bytes);
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() {
        m_run.BeginTest();
        m_run.Start();
    }
    void cleanup() { m_run.EndTest(); }

    void ctrl2WrapsTheSelectionInAHeading() {
        DocumentWindow* window = OpenFile("intro.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString title;
        m_run.App().Dialogs().onShow = [&title](DialogWindow& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                if (QTest::qWaitForWindowActive(&dialog)) {
                    title = dialog.windowTitle();
                    QTest::keyClick(&dialog, Qt::Key_Return);
                }
                if (dialog.isVisible())
                    dialog.reject();
            });
        };
        QTest::keyClick(&window->Editor(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(title, QString("Heading (HTML 2.0)"));
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), QByteArray("<H2>Intro</H2>"));
        long start = 0, end = 0;
        window->Control().GetSel(start, end);
        QCOMPARE(start, 4L);
        QCOMPARE(end, 9L);
    }

    void escapeInsertsNothing() {
        DocumentWindow* window = OpenFile("rule.html", "text");
        QVERIFY(window);
        window->Control().SetSel(0, 4);
        m_run.App().Dialogs().onShow = [](DialogWindow& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog] {
                if (QTest::qWaitForWindowActive(&dialog))
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                if (dialog.isVisible())
                    dialog.reject();
            });
        };
        QTest::keyClick(&window->Editor(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), QByteArray("text"));
    }
};

QTEST_MAIN(ElementDialogCommandTest)
#include "ElementDialogCommandTest.moc"
