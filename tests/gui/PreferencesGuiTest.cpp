// The Preferences dialog on the real main window: opened with and without a document, its
// defaults, the URL number refusals and the Browse buttons' chooser for programs. With
// RAZO_SCREENSHOT_DIR set, the dialog is saved as a PNG.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>

#include "core/dialogs/DialogTemplate.h"
#include "core/prefs/Preferences.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/prefs/ProgramChooser.h"
#include "tests/support/RunningApp.h"
#include "tests/support/Screenshots.h"

using namespace razo;
using razo::testing::CloseNextModal;
using razo::testing::OnNextModal;
using razo::testing::WithTitleBar;
using Prefs = CPreferencesDialog;

namespace {

void MakeFile(const QString& path, bool executable) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QString Text(DialogWindow& window, int id) {
    if (auto* edit = qobject_cast<QLineEdit*>(window.Control(id)))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(window.Control(id)))
        return combo->currentText();
    return QString();
}

bool Checked(DialogWindow& window, int id) {
    auto* box = qobject_cast<QCheckBox*>(window.Control(id));
    return box != nullptr && box->isChecked();
}

} // namespace

class PreferencesGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;

    IniProfile Profile() { return IniProfile(m_run.ProfilePath().toStdString()); }

    // Runs Preferences with `script` acting on the open dialog; returns whether OK closed it.
    bool RunPreferences(std::function<void(DialogWindow&)> script) {
        DialogWindow* shown = nullptr;
        bool accepted = false;
        m_run.App().Dialogs().onShow = [&shown, &accepted](DialogWindow& window) {
            shown = &window;
            QObject::connect(&window, &QDialog::accepted, [&accepted] { accepted = true; });
        };
        QTimer::singleShot(0, m_run.Pending(), [&] {
            script(*shown);
            if (shown->isVisible())
                shown->reject();
        });
        const bool ran = m_run.Window().Dispatcher().Execute(cmd::Preferences);
        m_run.App().Dialogs().onShow = nullptr;
        return ran && accepted;
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    void opensWithAndWithoutDocument_data() {
        QTest::addColumn<bool>("withDocument");
        QTest::newRow("no document") << false;
        QTest::newRow("a document") << true;
    }
    void opensWithAndWithoutDocument() {
        QFETCH(bool, withDocument);
        m_run.Start();
        if (withDocument)
            QVERIFY(m_run.OpenFile("page.html", "x"));
        QVERIFY(m_run.Window().Dispatcher().QueryState(cmd::Preferences).enabled);
        bool opened = false;
        const bool ok = RunPreferences([&](DialogWindow& window) {
            opened = true;
            QCOMPARE(window.windowTitle(), QString("Preferences"));
            QCOMPARE(Text(window, Prefs::IdBrowser), QString());
            QCOMPARE(Text(window, Prefs::IdBrowser2), QString());
            QCOMPARE(Text(window, Prefs::IdExtension), QString("html"));
            QCOMPARE(Text(window, Prefs::IdUrlNumber), QString("10"));
            QVERIFY(Checked(window, Prefs::IdRelativePath));
            QVERIFY(Checked(window, Prefs::IdUnixSlashes));
            QVERIFY(!Checked(window, Prefs::IdRememberLayout));
            QTest::mouseClick(window.Control(IdOk), Qt::LeftButton);
        });
        QVERIFY(opened);
        QVERIFY(ok);
        QCOMPARE(Profile().GetProfileString("Editing", "Unix Slashes", ""), std::string("1"));
        QCOMPARE(Profile().GetProfileString("Misc", "Extension", ""), std::string("html"));
    }

    void urlNumberRefusals_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("0") << "0";
        QTest::newRow("101") << "101";
        QTest::newRow("letters") << "ten";
    }
    void urlNumberRefusals() {
        QFETCH(QString, typed);
        m_run.Start();
        QString message;
        bool stayedOnField = false;
        const bool ok = RunPreferences([&](DialogWindow& window) {
            auto* field = qobject_cast<QLineEdit*>(window.Control(Prefs::IdUrlNumber));
            field->setText(typed);
            CloseNextModal(m_run.Pending(), message);
            QTest::mouseClick(window.Control(IdOk), Qt::LeftButton);
            stayedOnField =
                window.isVisible() && window.focusWidget() == field && field->selectedText() == typed;
            field->setText("4");
            QTest::mouseClick(window.Control(IdOk), Qt::LeftButton);
        });
        QVERIFY(!message.isEmpty());
        QVERIFY(stayedOnField);
        QVERIFY(ok);
        QCOMPARE(Profile().GetProfileInt("Editing", "URLNumber", 0), 4);
    }

    void programFilterShowsFoldersAndExecutables() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        MakeFile(folder.filePath("browser"), true);
        MakeFile(folder.filePath("notes.txt"), false);
        QVERIFY(QDir(folder.path()).mkdir("bin"));
        QFileSystemModel files;
        const QModelIndex root = files.setRootPath(folder.path());
        ExecutableFilesFilter filter;
        filter.setSourceModel(&files);
        QTRY_COMPARE(files.rowCount(root), 3);
        QStringList shown;
        const QModelIndex filteredRoot = filter.mapFromSource(root);
        for (int row = 0; row < filter.rowCount(filteredRoot); ++row)
            shown << filter.index(row, 0, filteredRoot).data().toString();
        shown.sort();
        QCOMPARE(shown, QStringList({"bin", "browser"}));
    }

    void browsePutsTheChosenProgramInUnchanged_data() {
        QTest::addColumn<int>("browseButton");
        QTest::addColumn<int>("field");
        QTest::newRow("primary") << int(Prefs::IdBrowseBrowser) << int(Prefs::IdBrowser);
        QTest::newRow("secondary") << int(Prefs::IdBrowseBrowser2) << int(Prefs::IdBrowser2);
    }
    void browsePutsTheChosenProgramInUnchanged() {
        QFETCH(int, browseButton);
        QFETCH(int, field);
        QTemporaryDir folder;
        const QString program = folder.filePath("my browser");
        MakeFile(program, true);
        Profile().WriteProfileString("Misc", "Working Dir", (folder.path() + "/").toStdString());
        m_run.Start();
        QString title;
        bool filtered = false;
        QString typed;
        RunPreferences([&](DialogWindow& window) {
            OnNextModal(m_run.Pending(), [&](QWidget* modal) {
                auto* chooser = qobject_cast<QFileDialog*>(modal);
                if (!chooser) {
                    modal->close();
                    return;
                }
                title = chooser->windowTitle();
                filtered = qobject_cast<ExecutableFilesFilter*>(chooser->proxyModel()) != nullptr;
                // Typed as a person would; the name has a blank in it.
                chooser->findChild<QLineEdit*>("fileNameEdit")->setText(program);
                QMetaObject::invokeMethod(chooser, "accept");
            });
            QTest::mouseClick(window.Control(browseButton), Qt::LeftButton);
            typed = Text(window, field);
        });
        QCOMPARE(title, QString::fromUtf8(browse::BrowserTitle));
        QVERIFY(filtered);
        QCOMPARE(typed, program);
    }

    // Every control of the dialog lies inside it. With RAZO_SCREENSHOT_DIR set, the dialog is
    // also saved there.
    void everyControlIsInsideTheDialog() {
        const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR");
        m_run.Start();
        int checked = 0;
        RunPreferences([&](DialogWindow& window) {
            for (QWidget* child : window.findChildren<QWidget*>()) {
                if (!child->isVisible() || child->parentWidget() != &window)
                    continue;
                const QRect inWindow(child->mapTo(&window, QPoint()), child->size());
                QVERIFY2(window.rect().contains(inWindow), child->metaObject()->className());
                ++checked;
            }
            if (!folder.isEmpty())
                QVERIFY(WithTitleBar(window).save(folder + "/preferences.png"));
        });
        QVERIFY(checked > 10);
    }
};

QTEST_MAIN(PreferencesGuiTest)
#include "PreferencesGuiTest.moc"
