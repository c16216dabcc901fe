// The keyboard after menus and dialogs in the running program: whatever was opened and closed by
// keys, typing goes back into the page it came from.
#include <QApplication>
#include <QTimer>
#include <QtTest>

#include "gui/app/DocumentWindow.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;

class MenuFocusGuiTest : public QObject {
    Q_OBJECT
    testing::RunningApp m_run;

    // Presses each key of `keys` ("Alt+F,Esc,...") a little after the one before, on the window
    // that has the keyboard, as a user would; returns once all are pressed.
    static bool Press(const QStringList& keys) {
        QStringList left = keys;
        std::function<void()> next = [&] {
            const QKeyCombination key = QKeySequence(left.takeFirst())[0];
            // Scheduled first: a key may open a modal dialog and return only when it closes.
            if (!left.isEmpty())
                QTimer::singleShot(60, next);
            QWidget* target = QApplication::activePopupWidget();
            if (target == nullptr)
                target = QApplication::activeWindow();
            if (target != nullptr)
                QTest::keyClick(target->windowHandle(), key.key(), key.keyboardModifiers());
        };
        QTimer::singleShot(60, next);
        return QTest::qWaitFor([&] { return left.isEmpty(); }, 10000);
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    void typingGoesBackIntoThePage_data() {
        QTest::addColumn<QString>("keys");
        for (const char* keys : {"Alt+F,Esc,Esc", "Alt+F,Esc,Alt+E,Esc,Esc", "Alt+E,Esc,Alt+E,Esc,Esc",
                                 "Alt+F,Esc,Alt+E,Alt+O,Esc,Esc,Esc",
                                 // Ctrl+J: the Link dialog.
                                 "Alt+F,Esc,Ctrl+J,Esc,Esc", "Ctrl+J,Esc,Alt+F,Esc,Alt+E,Esc,Esc", "F10,Esc"})
            QTest::newRow(keys) << QString(keys);
    }
    void typingGoesBackIntoThePage() {
        QFETCH(QString, keys);
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("a.html", "x");
        QVERIFY(window);
        QTRY_COMPARE(QApplication::focusWidget(), &window->Editor());
        QVERIFY(Press(keys.split(',')));
        QTRY_COMPARE(QApplication::focusWidget(), &window->Editor());
        QTest::keyClick(QApplication::activeWindow()->windowHandle(), Qt::Key_Z);
        QCOMPARE(window->Control().GetBytes(), std::string("zx"));
    }
};

QTEST_MAIN(MenuFocusGuiTest)
#include "MenuFocusGuiTest.moc"
