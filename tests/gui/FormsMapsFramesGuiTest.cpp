// Form, image map and frame dialogs on the offscreen platform, driven by the keyboard: the input
// type greys fields with their labels, Enter Coords and Add Row open their sub-dialogs above
// the dialog and fill its fields, and every command inserts its tag from the main window.
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>

#include "core/elements/Forms.h"
#include "core/elements/Frames.h"
#include "core/elements/ImageMaps.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "gui/app/CommandActions.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/RunningApp.h"
#include "tests/support/TempDir.h"

using namespace razo;

namespace {

using Script = std::function<void(DialogWindow&)>;

// Answers the dialogs a runner opens, sub-dialogs included, with one script each in the order
// they open; a window its script leaves open is cancelled.
void Answer(QtDialogRunner& runner, std::vector<Script> scripts) {
    auto queue = std::make_shared<std::deque<Script>>(scripts.begin(), scripts.end());
    runner.onShow = [queue](DialogWindow& window) {
        Script script = queue->empty() ? Script() : queue->front();
        if (!queue->empty())
            queue->pop_front();
        QTimer::singleShot(0, &window, [&window, script] {
            if (script && QTest::qWaitForWindowActive(&window))
                script(window);
            if (window.isVisible())
                window.reject();
        });
    };
}

// Types into a field as the user would: focus, then keys. The keys go to the window's own
// focus, which a window-modal sub-dialog has even before the platform activates it.
void TypeInto(DialogWindow& window, int id, const QString& text) {
    window.Control(id)->setFocus();
    QTest::keyClicks(window.focusWidget(), text);
}

// Presses a button's mnemonic. Shortcuts reach the active window only, and the offscreen
// platform does not hand activation back to a dialog when its sub-dialog closes, as a desktop
// does. The button clicks itself a moment later.
void Mnemonic(DialogWindow& window, Qt::Key key) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, key, Qt::AltModifier);
}

// The application's message boxes wait for a person: each one shown is recorded and closed, so
// that a refused OK fails the test instead of hanging it.
void CloseMessageBoxes(QObject* owner, QStringList& shown) {
    auto* timer = new QTimer(owner);
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, timer, [&shown] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                shown << box->text();
                box->done(QMessageBox::Ok);
            }
        }
    });
    timer->start();
}

QString FieldText(DialogWindow& window, int id) {
    if (auto* edit = qobject_cast<QLineEdit*>(window.Control(id)))
        return edit->text();
    return qobject_cast<QComboBox*>(window.Control(id))->currentText();
}

} // namespace

class FormsMapsFramesGuiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<IniProfile> m_profile;
    std::unique_ptr<test::FakeUserPrompts> m_prompts;
    std::unique_ptr<QtDialogRunner> m_runner;
    testing::RunningApp m_app;
    QStringList m_messages;

private slots:
    void initTestCase() { QVERIFY(m_app.Init()); }
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_profile = std::make_unique<IniProfile>(m_dir->File("RAZO.INI"));
        m_prompts = std::make_unique<test::FakeUserPrompts>();
        m_runner = std::make_unique<QtDialogRunner>(*m_profile, *m_prompts);
    }
    void cleanup() {
        if (m_app.Running())
            m_app.EndTest();
    }

    // The real application with a document holding "Intro", selected.
    DocumentWindow* StartWithIntro() {
        m_app.BeginTest();
        m_app.Start();
        m_messages.clear();
        CloseMessageBoxes(m_app.Pending(), m_messages);
        DocumentWindow* window = m_app.OpenFile("intro.html", "Intro");
        if (window)
            window->Control().SetSel(0, 5);
        QCoreApplication::processEvents();
        m_app.Window().Dispatcher().RunIdle();
        return window;
    }

    void inputTypeGreysFieldsAndLabels_data() {
        using namespace forms;
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("enabled");
        QTest::newRow("text") << "text" << QList<int>{IdName, IdValue, IdSize, IdMaxLength};
        QTest::newRow("checkbox") << "checkbox" << QList<int>{IdName, IdValue, IdChecked};
        QTest::newRow("image") << "image" << QList<int>{IdName, IdAlignment, IdImageSrc, IdImageBrowse};
        QTest::newRow("hidden") << "hidden" << QList<int>{IdName, IdValue};
        QTest::newRow("reset") << "reset" << QList<int>{IdValue};
    }
    void inputTypeGreysFieldsAndLabels() {
        using namespace forms;
        QFETCH(QString, type);
        QFETCH(QList<int>, enabled);
        CFormInputDialog dialog;
        bool checked = false;
        Answer(*m_runner, {[&](DialogWindow& window) {
            QVERIFY(!window.Label(IdName)->isEnabled());
            QVERIFY(window.Label(IdValue)->isEnabled());
            TypeInto(window, IdInputType, type);
            QCOMPARE(FieldText(window, IdInputType), type);
            for (int id :
                 {IdName, IdValue, IdChecked, IdSize, IdMaxLength, IdAlignment, IdImageSrc, IdImageBrowse}) {
                const bool on = enabled.contains(id);
                QVERIFY2(window.Control(id)->isEnabled() == on, qPrintable(QString::number(id)));
                if (QWidget* label = window.Label(id))
                    QVERIFY2(label->isEnabled() == on, qPrintable(QString::number(id)));
            }
            checked = true;
        }});
        m_runner->RunModal(dialog);
        QVERIFY(checked);
    }

    // OK before a type is chosen: the name is missing, but the name field is greyed, so the
    // user is sent to the type list; once a type is chosen the name field opens.
    void inputWithoutTypeSendsTheUserToTheTypeList() {
        using namespace forms;
        CFormInputDialog dialog;
        Answer(*m_runner, {[&](DialogWindow& window) {
            QTest::keyClick(&window, Qt::Key_Return);
            QVERIFY(window.isVisible());
            QCOMPARE(m_prompts->Texts(), std::vector<std::string>{messages::MustSpecifyName});
            QCOMPARE(window.focusWidget(), window.Control(IdInputType));
            QTest::keyClicks(window.focusWidget(), "text");
            TypeInto(window, IdName, "who");
            QTest::keyClick(&window, Qt::Key_Return);
        }});
        QVERIFY(m_runner->RunModal(dialog));
        QCOMPARE(dialog.m_strInputType, std::string("text"));
        QCOMPARE(dialog.m_strName, std::string("who"));
    }

    void enterCoordsFillsTheCoordsField() {
        using namespace maps;
        CAreaDialog dialog;
        std::vector<int> opened;
        Answer(*m_runner, {[&](DialogWindow& area) {
                               TypeInto(area, IdCoords, "9,9");
                               TypeInto(area, IdShape, "circle");
                               Mnemonic(area, Qt::Key_C); // Enter &Coords
                               QTRY_COMPARE(opened.size(), size_t(1));
                               QCOMPARE(FieldText(area, IdCoords), QString("10,20,5"));
                               Mnemonic(area, Qt::Key_C);
                               QTRY_COMPARE(opened.size(), size_t(2));
                               QCOMPARE(FieldText(area, IdCoords), QString("10,20,5"));
                               QTest::keyClick(&area, Qt::Key_Return);
                           },
                           [&](DialogWindow& circle) {
                               opened.push_back(circle.Template().idd);
                               QCOMPARE(circle.parentWidget()->window()->windowTitle(),
                                        QString("Area (HTML 3.2/Microsoft)"));
                               QVERIFY(circle.isModal());
                               // The first field has the focus; Tab leads on.
                               QCOMPARE(circle.focusWidget(), circle.Control(IdCentreX));
                               QTest::keyClicks(circle.focusWidget(), "10");
                               QTest::keyClick(circle.focusWidget(), Qt::Key_Tab);
                               QTest::keyClicks(circle.focusWidget(), "20");
                               QTest::keyClick(circle.focusWidget(), Qt::Key_Tab);
                               QTest::keyClicks(circle.focusWidget(), "5");
                               QTest::keyClick(circle.focusWidget(), Qt::Key_Return);
                           },
                           [&](DialogWindow& again) {
                               opened.push_back(again.Template().idd);
                               QTest::keyClicks(again.focusWidget(), "1");
                               QTest::keyClick(again.focusWidget(), Qt::Key_Escape);
                               QVERIFY(!again.isVisible());
                           }});
        QVERIFY(m_runner->RunModal(dialog));
        QCOMPARE(opened, (std::vector<int>{CCircleCoordsDialog::IDD, CCircleCoordsDialog::IDD}));
        QCOMPARE(dialog.m_strShape, std::string("circle"));
        QCOMPARE(dialog.m_strCoords, std::string("10,20,5"));
    }

    void addRowAppendsToTheRows() {
        using namespace frames;
        CFramesetDialog dialog;
        int sizes = 0;
        Answer(*m_runner, {[&](DialogWindow& frameset) {
                               TypeInto(frameset, IdRows, "abc");
                               Mnemonic(frameset, Qt::Key_R); // Add &Row
                               QTRY_COMPARE(sizes, 1);
                               QCOMPARE(FieldText(frameset, IdRows), QString("abc,30%"));
                               Mnemonic(frameset, Qt::Key_R);
                               QTRY_COMPARE(sizes, 2);
                               QCOMPARE(FieldText(frameset, IdRows), QString("abc,30%,*"));
                               Mnemonic(frameset, Qt::Key_C); // Add &Col, cancelled
                               QTRY_COMPARE(sizes, 3);
                               QCOMPARE(FieldText(frameset, IdColumns), QString());
                               QTest::keyClick(&frameset, Qt::Key_Return);
                           },
                           [&](DialogWindow& size) {
                               ++sizes;
                               QCOMPARE(size.windowTitle(), QString("Add Frame Row/Column"));
                               QTest::keyClicks(size.focusWidget(), "30");
                               QTest::mouseClick(size.Control(IdPercentage), Qt::LeftButton);
                               QTest::keyClick(&size, Qt::Key_Return);
                           },
                           [&](DialogWindow& size) {
                               ++sizes;
                               // Refused without a type, then Remaining space chosen.
                               QTest::keyClick(&size, Qt::Key_Return);
                               QVERIFY(size.isVisible());
                               QTest::mouseClick(size.Control(IdRemaining), Qt::LeftButton);
                               QTest::keyClick(&size, Qt::Key_Return);
                           },
                           [&](DialogWindow& size) {
                               ++sizes;
                               QTest::keyClick(&size, Qt::Key_Escape);
                           }});
        QVERIFY(m_runner->RunModal(dialog));
        QCOMPARE(m_prompts->Texts(), std::vector<std::string>{messages::MustSelectType});
        QCOMPARE(dialog.m_strRows, std::string("abc,30%,*"));
        QCOMPARE(dialog.m_strColumns, std::string());
    }

    // Each command from its menu item or toolbar button (one action behind both) in the main
    // window, answered by the keyboard.
    void commandsInsertTheirTags_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("form") << cmd::Form << int(forms::IdFormUrl) << "a.cgi"
                              << QByteArray("<FORM ACTION=\"a.cgi\">\r\nIntro</FORM>");
        QTest::newRow("netscape form") << cmd::FormNetscape << int(forms::IdFormUrl) << "a.cgi"
                                       << QByteArray("<FORM ACTION=\"a.cgi\">\r\nIntro</FORM>");
        QTest::newRow("input") << cmd::FormInput << int(forms::IdInputType) << "su"
                               << QByteArray("<INPUT TYPE=submit>\r\nIntro");
        QTest::newRow("select") << cmd::FormSelect << int(forms::IdName) << "s"
                                << QByteArray("<SELECT NAME=\"s\">\r\nIntro</SELECT>");
        QTest::newRow("option") << cmd::FormOption << int(forms::IdValue) << "v"
                                << QByteArray("<OPTION VALUE=\"v\">Intro");
        QTest::newRow("map") << cmd::ImageMap << int(maps::IdName) << "m"
                             << QByteArray("<MAP NAME=\"m\">\r\nIntro</MAP>\r\n");
        QTest::newRow("area") << cmd::ImageMapArea << int(maps::IdCoords) << "1,2"
                              << QByteArray("<AREA COORDS=\"1,2\">\r\nIntro");
        QTest::newRow("netscape area") << cmd::ImageMapAreaNetscape << int(maps::IdCoords) << "3"
                                       << QByteArray("<AREA COORDS=\"3\">\r\nIntro");
        QTest::newRow("frameset") << cmd::Frameset << int(frames::IdColumns) << "*,*"
                                  << QByteArray("<FRAMESET COLS=\"*,*\">\r\nIntro</FRAMESET>");
        QTest::newRow("frame") << cmd::Frame << int(frames::IdName) << "f"
                               << QByteArray("<FRAME NAME=\"f\">\r\nIntro");
    }
    void commandsInsertTheirTags() {
        QFETCH(int, command);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QByteArray, text);
        DocumentWindow* window = StartWithIntro();
        QVERIFY(window);
        QAction* action = m_app.Window().Actions().Action(command);
        QVERIFY(action && action->isEnabled());
        Answer(m_app.App().Dialogs(), {[&](DialogWindow& dialog) {
                   TypeInto(dialog, field, typed);
                   QTest::keyClick(&dialog, Qt::Key_Return);
               }});
        action->trigger();
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), text);
    }

    // F2 in an input reopens it with the fields of its type open and filled; OK rewrites the tag
    // alone and Undo takes the edit back.
    void editTagOpensAnInputWithItsTypesFields() {
        using namespace forms;
        m_app.BeginTest();
        m_app.Start();
        m_messages.clear();
        CloseMessageBoxes(m_app.Pending(), m_messages);
        const QByteArray page = "<INPUT TYPE=checkbox NAME=\"milk\" CHECKED>\r\nIntro";
        DocumentWindow* window = m_app.OpenFile("input.html", page);
        QVERIFY(window);
        window->Control().SetSel(8, 8);
        bool shown = false;
        Answer(m_app.App().Dialogs(), {[&](DialogWindow& dialog) {
                   QCOMPARE(FieldText(dialog, IdInputType), QString("checkbox"));
                   QCOMPARE(FieldText(dialog, IdName), QString("milk"));
                   for (int id : {IdName, IdValue, IdChecked})
                       QVERIFY2(dialog.Control(id)->isEnabled(), qPrintable(QString::number(id)));
                   QVERIFY(!dialog.Control(IdSize)->isEnabled());
                   TypeInto(dialog, IdName, "2");
                   shown = true;
                   QTest::keyClick(&dialog, Qt::Key_Return);
               }});
        m_app.Press(*window, Qt::Key_F2, Qt::NoModifier);
        QTRY_VERIFY(shown);
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()),
                 QByteArray("<INPUT TYPE=checkbox NAME=\"milk2\" CHECKED>\r\nIntro"));
        m_app.Press(*window, Qt::Key_Z);
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), page);
    }

    // Text areas need both numbers and a name; typed field by field with Tab.
    void textAreaByTheKeyboard() {
        DocumentWindow* window = StartWithIntro();
        QVERIFY(window);
        Answer(m_app.App().Dialogs(), {[&](DialogWindow& dialog) {
                   for (const char* keys : {"4", "40", "msg"}) {
                       QTest::keyClicks(dialog.focusWidget(), keys);
                       QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
                   }
                   QTest::keyClick(&dialog, Qt::Key_Return);
               }});
        m_app.Window().Actions().Action(cmd::FormTextArea)->trigger();
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()),
                 QByteArray("<TEXTAREA NAME=\"msg\" ROWS=4 COLS=40>\r\nIntro</TEXTAREA>"));
    }
};

QTEST_MAIN(FormsMapsFramesGuiTest)
#include "FormsMapsFramesGuiTest.moc"
