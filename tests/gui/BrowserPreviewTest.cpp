// The browser preview with a real process: the configured command is split into a program and
// its arguments, the document path is one more argument, and nothing goes through a shell.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;

class BrowserPreviewTest : public QObject {
    Q_OBJECT

    testing::RunningApp m_run;

    // A stand-in browser that writes each argument it gets on a line of its own.
    QString MakeBrowser() {
        const QString script = m_run.FilePath("fake browser.sh");
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return script;
    }

    QStringList ArgumentsSeen(const QString& script) {
        QFile file(script + ".args");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() {
        m_run.BeginTest();
        m_run.Start();
    }
    void cleanup() { m_run.EndTest(); }

    void previewSavesAndStartsTheBrowserWithThePathAsOneArgument() {
        const QString browser = MakeBrowser();
        QVERIFY(!browser.isEmpty());
        // The command is quoted because its own path has a blank; "--new-window" is its argument.
        Write(m_run.App().Profile(), settings::Browser, "\"" + browser.toStdString() + "\" --new-window");
        const QString page = m_run.FilePath("my page; $(touch injected).html");
        QFile::remove(page);
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<P>");
        file.close();

        DocumentWindow* window = m_run.App().Window().Files().OpenPath(page);
        QVERIFY(window != nullptr);
        window->Control().SetSel(3, 3);
        window->Control().ReplaceSel("hello", true);
        QVERIFY(window->Doc().IsModified());

        QVERIFY(m_run.App().Window().Dispatcher().Execute(cmd::BrowserTest));
        QTRY_COMPARE(ArgumentsSeen(browser), (QStringList{"--new-window", page}));
        QVERIFY(!window->Doc().IsModified());
        QFile saved(page);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("<P>hello"));
        QCOMPARE(QString::fromStdString(Read(m_run.App().Profile(), settings::WorkingDir)),
                 QFileInfo(m_run.FilePath("x")).path() + "/");
        QVERIFY(!QFile::exists(m_run.FilePath("injected")));
    }

    void aBrowserThatCannotStartIsReported() {
        Write(m_run.App().Profile(), settings::Browser2, m_run.FilePath("no such browser").toStdString());
        const QString page = m_run.FilePath("b.html");
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(m_run.App().Window().Files().OpenPath(page) != nullptr);

        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                shown = box->text();
                box->accept();
            }
        });
        QVERIFY(m_run.App().Window().Dispatcher().Execute(cmd::BrowserTest2));
        QCOMPARE(shown, QString("Cannot execute browser."));
    }
};

QTEST_MAIN(BrowserPreviewTest)
#include "BrowserPreviewTest.moc"
