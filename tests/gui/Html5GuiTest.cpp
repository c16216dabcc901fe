// HTML5 commands in the real main window: a toolbar button and a menu entry open their dialogs,
// which are filled and confirmed by keyboard alone.
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>

#include "core/elements/Html5Forms.h"
#include "core/elements/Html5Media.h"
#include "core/elements/Html5Text.h"
#include "core/resources/CommandIds.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;

class Html5GuiTest : public QObject {
    Q_OBJECT

    testing::RunningApp m_run;

    // Runs `keys` in the next dialog that opens, on the widget with the focus; returns its title.
    void OnNextDialog(QString& title, std::function<void(DialogWindow&)> keys) {
        m_run.App().Dialogs().onShow = [&title, keys](DialogWindow& dialog) {
            QTimer::singleShot(0, &dialog, [&title, keys, &dialog] {
                if (QTest::qWaitForWindowActive(&dialog)) {
                    title = dialog.windowTitle();
                    keys(dialog);
                }
                if (dialog.isVisible())
                    dialog.reject();
            });
        };
    }
    static void Type(DialogWindow& dialog, const QString& text) {
        QTest::keyClicks(dialog.focusWidget() ? dialog.focusWidget() : &dialog, text);
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() {
        m_run.BeginTest();
        m_run.Start();
    }
    void cleanup() { m_run.EndTest(); }

    void sectionButtonTakesAnIdTypedInTheFirstField() {
        DocumentWindow* window = m_run.OpenFile("page.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString title;
        OnNextDialog(title, [](DialogWindow& dialog) {
            Type(dialog, "top");
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QToolBar* bar =
            m_run.Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(cmd::ToolbarHtml5));
        QVERIFY(bar);
        QWidget* button = bar->widgetForAction(m_run.Window().Actions().Action(cmd::Section));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(title, QString("Section (HTML5)"));
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()),
                 QByteArray("<SECTION ID=\"top\">\r\nIntro\r\n</SECTION>"));
    }

    // The type is picked by its first letter; the fields follow it before OK.
    void inputButtonPicksATypeByKeyboard() {
        DocumentWindow* window = m_run.OpenFile("input.html", "Count");
        QVERIFY(window);
        window->Control().SetSel(0, 0);
        QString title;
        bool minEnabled = false, patternEnabled = true;
        OnNextDialog(title, [&](DialogWindow& dialog) {
            Type(dialog, "n");
            minEnabled = dialog.Control(html5::IdMin)->isEnabled();
            patternEnabled = dialog.Control(html5::IdPattern)->isEnabled();
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            Type(dialog, "qty");
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QToolBar* bar =
            m_run.Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(cmd::ToolbarHtml5));
        QVERIFY(bar);
        QWidget* button = bar->widgetForAction(m_run.Window().Actions().Action(cmd::InputHtml5));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(title, QString("Input (HTML5)"));
        QVERIFY(minEnabled);
        QVERIFY(!patternEnabled);
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()),
                 QByteArray("<INPUT TYPE=number NAME=\"qty\">\r\nCount"));
    }

    void meterFromTheMenuByKeyboard() {
        DocumentWindow* window = m_run.OpenFile("meter.html", "half");
        QVERIFY(window);
        window->Control().SetSel(0, 4);
        QString title;
        OnNextDialog(title, [](DialogWindow& dialog) {
            Type(dialog, "0.5");
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        m_run.Window().Actions().Action(cmd::Meter)->trigger();
        QCOMPARE(title, QString("Progress and Meter (HTML5)"));
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()),
                 QByteArray("<METER VALUE=0.5>half</METER>"));
    }

    void timeNowButtonByKeyboard() {
        DocumentWindow* window = m_run.OpenFile("time.html", "today");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString title;
        OnNextDialog(title, [](DialogWindow& dialog) {
            // From the date field, Tab reaches Now and Space presses it.
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            QCOMPARE(dialog.focusWidget(), dialog.Control(html5::IdNow));
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
            auto* field = qobject_cast<QLineEdit*>(dialog.Control(html5::IdDateTime));
            QTRY_VERIFY(field && !field->text().isEmpty());
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        m_run.Window().Actions().Action(cmd::Time)->trigger();
        QCOMPARE(title, QString("Time (HTML5)"));
        const QString text = QString::fromStdString(window->Control().GetBytes());
        QVERIFY2(QRegularExpression(
                     R"(^<TIME DATETIME="\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d">today</TIME>$)")
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
    }

    void videoButtonByKeyboard() {
        DocumentWindow* window = m_run.OpenFile("film.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString title;
        OnNextDialog(title, [](DialogWindow& dialog) {
            Type(dialog, "clip.mp4");
            // Browse, the poster, its Browse, width and height come before the play options.
            for (int i = 0; i < 6; ++i)
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            QCOMPARE(dialog.focusWidget(), dialog.Control(html5::IdControls));
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QToolBar* bar =
            m_run.Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(cmd::ToolbarHtml5));
        QVERIFY(bar);
        QWidget* button = bar->widgetForAction(m_run.Window().Actions().Action(cmd::Video));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(title, QString("Audio or Video (HTML5)"));
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()),
                 QByteArray("<VIDEO SRC=\"clip.mp4\" CONTROLS>\r\nIntro\r\n</VIDEO>"));
    }

    // Ticking the sandbox opens its tokens to the keyboard.
    void frameSandboxByKeyboard() {
        DocumentWindow* window = m_run.OpenFile("frame.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString title;
        OnNextDialog(title, [](DialogWindow& dialog) {
            Type(dialog, "a.html");
            for (int i = 0; i < 6; ++i)
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            QCOMPARE(dialog.focusWidget(), dialog.Control(html5::IdSandbox));
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            QCOMPARE(dialog.focusWidget(), dialog.Control(html5::SandboxFlagId(0)));
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        m_run.Window().Actions().Action(cmd::InlineFrame)->trigger();
        QCOMPARE(title, QString("Inline Frame (HTML5)"));
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()),
                 QByteArray("<IFRAME SRC=\"a.html\" SANDBOX=\"allow-forms\"></IFRAME>Intro"));
    }
};

QTEST_MAIN(Html5GuiTest)
#include "Html5GuiTest.moc"
