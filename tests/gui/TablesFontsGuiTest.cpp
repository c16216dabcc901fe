// Table, font, applet and sound dialogs in the real renderer, driven by the keyboard: the face
// list, a table colour row, the loop check and the applet's two remembered lists.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/elements/Applets.h"
#include "core/elements/Fonts.h"
#include "core/elements/SoundMarquee.h"
#include "core/elements/Tables.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"
#include "gui/app/DocumentWindow.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/RunningApp.h"
#include "tests/support/ScriptedWindow.h"
#include "tests/support/TempDir.h"

using namespace razo;
using razo::test::Entries;

class TablesFontsGuiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<IniProfile> m_profile;
    std::unique_ptr<test::FakeUserPrompts> m_prompts;
    std::unique_ptr<QtDialogRunner> m_runner;

    // Plays `script` against the dialog's window; what RunModal returned.
    bool Run(CDialog& dialog, std::function<void(DialogWindow&)> script) {
        return test::RunScripted(*m_runner, dialog, std::move(script));
    }

    template <class Widget> static Widget* Field(DialogWindow& window, int id) {
        return qobject_cast<Widget*>(window.Control(id));
    }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_profile = std::make_unique<IniProfile>(m_dir->File("RAZO.INI"));
        m_prompts = std::make_unique<test::FakeUserPrompts>();
        m_runner = std::make_unique<QtDialogRunner>(*m_profile, *m_prompts);
    }

    void choosingFacesAppendsThem() {
        CFontMicrosoftDialog dialog;
        const bool ok = Run(dialog, [](DialogWindow& window) {
            auto* list = Field<QComboBox>(window, fonts::IdFaceList);
            auto* faces = Field<QLineEdit>(window, fonts::IdFaces);
            QVERIFY(list && faces);
            list->setFocus();
            QTest::keyClicks(list, "A"); // Arial
            QCOMPARE(faces->text(), QString("Arial"));
            QTest::keyClick(list, Qt::Key_Down); // Courier New
            QCOMPARE(faces->text(), QString("Arial,Courier New"));
            QTest::keyClick(list, Qt::Key_Home); // (None)
            QTest::keyClick(list, Qt::Key_Down); // a group heading
            QCOMPARE(list->currentText(), QString("--Windows 95 Fonts"));
            QCOMPARE(faces->text(), QString("Arial,Courier New"));
            QTest::keyClick(&window, Qt::Key_Return);
        });
        QVERIFY(ok);
        QCOMPARE(dialog.m_strFaces, std::string("Arial,Courier New"));
    }

    void tableColourRowSetsItsSwatch() {
        using namespace tables;
        CTableCellMicrosoftDialog dialog("TD");
        const bool ok = Run(dialog, [](DialogWindow& window) {
            auto* borderNames = Field<QComboBox>(window, IdBorderColourName);
            auto* lightNumber = Field<QLineEdit>(window, IdLightNumber);
            QVERIFY(borderNames && lightNumber);
            borderNames->setFocus();
            QTest::keyClicks(borderNames, "n"); // navy
            QVERIFY(Field<QLabel>(window, IdBorderColourSample)
                        ->styleSheet()
                        .contains("background-color: #000080;"));
            QVERIFY(Field<QLabel>(window, IdBackgroundSample)
                        ->styleSheet()
                        .contains("background-color: #ffffff;"));

            lightNumber->setFocus();
            QTest::keyClicks(lightNumber, "ff0000");
            QVERIFY(
                Field<QLabel>(window, IdLightSample)->styleSheet().contains("background-color: #ff0000;"));
            QCOMPARE(Field<QComboBox>(window, IdLightName)->currentText(), QString("(None)"));
            QTest::keyClick(&window, Qt::Key_Return);
        });
        QVERIFY(ok);
        QCOMPARE(dialog.m_colours.Attributes(),
                 std::string(" BORDERCOLOR=navy BORDERCOLORLIGHT=\"#ff0000\""));
    }

    void loopCountBesideInfiniteLoopIsRefused() {
        using namespace media;
        CBackgroundSoundDialog dialog;
        const bool ok = Run(dialog, [this](DialogWindow& window) {
            auto* source = Field<QComboBox>(window, IdSoundSource);
            auto* loops = Field<QLineEdit>(window, IdLoopTimes);
            auto* infinite = Field<QCheckBox>(window, IdInfiniteLoop);
            QVERIFY(source && loops && infinite);
            source->setFocus();
            QTest::keyClicks(source, "ring.wav");
            loops->setFocus();
            QTest::keyClicks(loops, "3");
            infinite->setFocus();
            QTest::keyClick(infinite, Qt::Key_Space);
            QVERIFY(infinite->isChecked());
            QTest::keyClick(&window, Qt::Key_Return);
            QVERIFY(window.isVisible());
            QCOMPARE(m_prompts->Texts(), std::vector<std::string>{messages::LoopCountWithInfiniteLoop});
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(loops));
            QCOMPARE(loops->selectedText(), QString("3"));
            QTest::keyClick(loops, Qt::Key_Backspace);
            QTest::keyClick(&window, Qt::Key_Return);
        });
        QVERIFY(ok);
        QCOMPARE(dialog.m_strLoopTimes, std::string());
        QCOMPARE(dialog.m_bInfiniteLoop, 1);
    }

    void appletListsComeFromTheirOwnHistories() {
        for (const auto& [key, url, classFile] :
             {std::tuple{"0", "zeta/", "Tick.class"}, std::tuple{"1", "alpha/", ""},
              std::tuple{"2", "", "Clock.class"}}) {
            m_profile->WriteProfileString(settings::UrlHistorySection, key, url);
            m_profile->WriteProfileString(settings::JavaClassHistorySection, key, classFile);
        }
        CAppletDialog dialog(*m_profile);
        Run(dialog, [](DialogWindow& window) {
            auto* classes = Field<QComboBox>(window, applets::IdClassFile);
            auto* codeBases = Field<QComboBox>(window, applets::IdCodeBase);
            QVERIFY(classes && codeBases);
            QCOMPARE(Entries(*classes), QStringList({"Clock.class", "Tick.class"}));
            QCOMPARE(Entries(*codeBases), QStringList({"alpha/", "zeta/"}));
            QCOMPARE(classes->currentText(), QString());
        });
    }

    // In the running program: Ctrl+Shift+R and Ctrl+Shift+D open the row and cell dialogs, whose
    // tags go in front of the selection.
    void rowAndCellAcceleratorsInsertTheirTags() {
        testing::RunningApp run;
        QVERIFY(run.Init());
        run.BeginTest();
        run.Start();
        DocumentWindow* window = run.OpenFile("cells.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QStringList titles;
        run.App().Dialogs().onShow = [&titles](DialogWindow& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                if (QTest::qWaitForWindowActive(&dialog)) {
                    titles << dialog.windowTitle();
                    QTest::keyClick(&dialog, Qt::Key_Return);
                }
                if (dialog.isVisible())
                    dialog.reject();
            });
        };
        QTest::keyClick(&window->Editor(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        // The offscreen platform does not give the activation back when a dialog closes.
        run.Window().activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&run.Window()));
        QTest::keyClick(&window->Editor(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(titles, QStringList({"Table Row (HTML 3.2)", "Table Heading/Data (HTML 3.2)"}));
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), QByteArray("<TR><TD>Intro"));
        run.EndTest();
    }
};

QTEST_MAIN(TablesFontsGuiTest)
#include "TablesFontsGuiTest.moc"
