// Links, the Body element, the new-document skeleton and images in the running program: File New
// through both dialogs, accelerators by keyboard, Browse with the file chooser, Select with the
// colour chooser.
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <deque>
#include <functional>

#include "core/elements/Blocks.h"
#include "core/elements/Body.h"
#include "core/elements/Images.h"
#include "core/elements/Links.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/NewTypeDialog.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"
#include "tests/support/Screenshots.h"

using namespace razo;

namespace {

// Answers the first modal window of type T once it is shown (the dialog under it is modal too).
template <class T> void AnswerWhen(QObject* owner, std::function<void(T*)> answer) {
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget()); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

QStringList ListedFiles(QFileDialog* chooser) {
    QStringList names;
    auto* view = chooser->findChild<QListView*>("listView");
    if (!view)
        return names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names << view->model()->index(row, 0, root).data().toString();
    return names;
}

} // namespace

class LinkBodyImageGuiTest : public QObject {
    Q_OBJECT

    testing::RunningApp m_run;
    // Scripts for the element dialogs, in the order they open.
    std::deque<std::function<void(DialogWindow&)>> m_scripts;

    void Answer(std::function<void(DialogWindow&)> script) { m_scripts.push_back(std::move(script)); }
    void HookDialogs() {
        m_run.App().Dialogs().onShow = [this](DialogWindow& dialog) {
            if (m_scripts.empty()) {
                QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
                return;
            }
            auto script = m_scripts.front();
            m_scripts.pop_front();
            QTimer::singleShot(0, &dialog, [&dialog, script] {
                if (QTest::qWaitForWindowActive(&dialog))
                    script(dialog);
                if (dialog.isVisible())
                    dialog.reject();
            });
        };
    }
    void StartApp() {
        m_run.Start();
        HookDialogs();
    }
    static QByteArray Text(DocumentWindow& window) {
        return QByteArray::fromStdString(window.Control().GetBytes());
    }
    template <class W> static W* Field(DialogWindow& dialog, int id) {
        return qobject_cast<W*>(dialog.Control(id));
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() {
        m_run.BeginTest();
        m_scripts.clear();
    }
    void cleanup() { m_run.EndTest(); }

    void fileNewShowsTypeThenBodyAndGivesTheSkeleton() {
        StartApp();
        AnswerWhen<NewTypeDialog>(m_run.Pending(), [](NewTypeDialog* dialog) { dialog->accept(); });
        QStringList titles;
        Answer([&](DialogWindow& dialog) {
            titles << dialog.windowTitle();
            auto* type = Field<QComboBox>(dialog, blocks::IdDocType);
            QTRY_VERIFY(QApplication::focusWidget() == type);
            QTest::keyClicks(type, "HTML");
            QTest::keyClick(type, Qt::Key_Down);
            QCOMPARE(type->currentText(), QString("HTML 3.2"));
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        Answer([&](DialogWindow& dialog) {
            titles << dialog.windowTitle();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::FileNew));
        QCOMPARE(titles, QStringList({"Document Type Specification", "Body (HTML 2.0)"}));
        DocumentWindow* window = m_run.Window().ActiveDocument();
        QVERIFY(window);
        const QByteArray skeleton =
            "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 3.2 Draft//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
            "<TITLE>Put your title here</TITLE>\r\n</HEAD>\r\n<BODY>\r\n</BODY>\r\n</HTML>";
        QCOMPARE(Text(*window), skeleton);
        long start = 0, end = 0;
        window->Control().GetSel(start, end);
        QCOMPARE(start, long(skeleton.indexOf("</BODY>")));
        QCOMPARE(end, start);
        QVERIFY(window->Doc().IsModified());
        QVERIFY(!m_run.Window().Dispatcher().Execute(cmd::EditUndo)); // the skeleton stays
        QCOMPARE(Text(*window), skeleton);
    }

    void acceleratorsOpenTheirDialogs_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("Ctrl+J link") << int(Qt::Key_J) << int(Qt::ControlModifier)
                                     << "Hypertext Link (HTML 2.0)" << int(links::IdUrl) << "sub/next.html"
                                     << QByteArray("<A HREF=\"sub/next.html\">Intro</A>");
        QTest::newRow("Ctrl+A anchor")
            << int(Qt::Key_A) << int(Qt::ControlModifier) << "Hypertext Anchor (HTML 2.0)"
            << int(links::IdName) << "top" << QByteArray("<A NAME=\"top\">Intro</A>");
        QTest::newRow("Ctrl+Shift+I image")
            << int(Qt::Key_I) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Inline Image (HTML 2.0)"
            << int(images::IdSrc) << "a.gif" << QByteArray("<IMG SRC=\"a.gif\">Intro");
    }
    void acceleratorsOpenTheirDialogs() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, title);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QByteArray, text);
        // A remembered URL that starts like the typed one must not replace it.
        IniProfile(m_run.ProfilePath().toStdString()).WriteProfileString("URLs", "0", "sub/next-page.html");
        StartApp();
        DocumentWindow* window = m_run.OpenFile("keys.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString shown;
        Answer([&](DialogWindow& dialog) {
            shown = dialog.windowTitle();
            QTRY_VERIFY(QApplication::focusWidget() == dialog.Control(field));
            QTest::keyClicks(QApplication::focusWidget(), typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTest::keyClick(&window->Editor(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(shown, title);
        QCOMPARE(Text(*window), text);
    }

    // F2 in a tag opens its dialog filled from it; OK rewrites the start tag alone and Undo takes
    // the rewrite back.
    void f2ReopensTheTagInItsDialog_data() {
        QTest::addColumn<QByteArray>("page"); // "|" is the caret
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("link") << QByteArray("<a title=Next href='/x/next.html'|>Go</a>")
                              << "Hypertext Link (HTML 2.0)" << int(links::IdUrl) << "/x/next.html"
                              << QByteArray("<A HREF=\"/x/next.html\" TITLE=\"Next\">Go</a>");
        QTest::newRow("image") << QByteArray("<IMG SRC=a.gif WIDTH=20 |>") << "Inline Image (HTML 3.2)"
                               << int(images::IdWidth) << "20" << QByteArray("<IMG SRC=\"a.gif\" WIDTH=20>");
    }
    void f2ReopensTheTagInItsDialog() {
        QFETCH(QByteArray, page);
        QFETCH(QString, title);
        QFETCH(int, field);
        QFETCH(QString, shown);
        QFETCH(QByteArray, text);
        StartApp();
        const int caret = int(page.indexOf('|'));
        const QByteArray before = QByteArray(page).remove(caret, 1);
        DocumentWindow* window = m_run.OpenFile("edit.html", before);
        QVERIFY(window);
        window->Control().SetSel(caret, caret);
        QString opened, inField;
        Answer([&](DialogWindow& dialog) {
            opened = dialog.windowTitle();
            auto* widget = dialog.Control(field);
            auto* combo = qobject_cast<QComboBox*>(widget);
            inField = combo ? combo->currentText() : qobject_cast<QLineEdit*>(widget)->text();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QTest::keyClick(&window->Editor(), Qt::Key_F2);
        QCOMPARE(opened, title);
        QCOMPARE(inField, shown);
        QCOMPARE(Text(*window), text);
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::EditUndo));
        QCOMPARE(Text(*window), before);
    }

    void f2PaintsTheColoursOfTheTag() {
        StartApp();
        DocumentWindow* window = m_run.OpenFile("body.html", "<BODY BGCOLOR=navy TEXT=\"#FF0000\">");
        QVERIFY(window);
        window->Control().SetSel(3, 3);
        QString sample;
        Answer([&](DialogWindow& dialog) {
            sample = Field<QLabel>(dialog, body::IdTextSample)->styleSheet();
            if (const char* dir = std::getenv("RAZO_SCREENSHOT_DIR"))
                testing::WithTitleBar(dialog).save(QString(dir) + "/edit-tag-body.png");
        });
        QTest::keyClick(&window->Editor(), Qt::Key_F2);
        QVERIFY2(sample.contains("color: #ff0000;") && sample.contains("#000080"), qPrintable(sample));
    }

    void browseFillsTheFieldAndTheTagGetsARelativePath() {
        QDir files(m_run.FilePath(""));
        QVERIFY(files.mkpath("img"));
        QFile image(files.filePath("img/LOGO.JPG"));
        QVERIFY(image.open(QIODevice::WriteOnly));
        image.close();
        IniProfile(m_run.ProfilePath().toStdString())
            .WriteProfileString("Misc", "Working Dir", files.filePath("img").toStdString());
        StartApp();
        DocumentWindow* window = m_run.OpenFile("page.html", "x");
        QVERIFY(window);
        window->Control().SetSel(0, 0);
        QStringList listed;
        QString inField;
        Answer([&](DialogWindow& dialog) {
            AnswerWhen<QFileDialog>(m_run.Pending(), [&](QFileDialog* chooser) {
                // "*.jpg" finds a capitalised name too.
                QTRY_VERIFY(ListedFiles(chooser).contains("LOGO.JPG"));
                listed = ListedFiles(chooser);
                chooser->findChild<QLineEdit*>("fileNameEdit")->setText(files.filePath("img/LOGO.JPG"));
                QMetaObject::invokeMethod(chooser, "accept");
            });
            QTest::mouseClick(dialog.Control(images::IdBrowseSrc), Qt::LeftButton);
            inField = Field<QComboBox>(dialog, images::IdSrc)->currentText();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::Image));
        QCOMPARE(listed, QStringList({"LOGO.JPG"}));
        QCOMPARE(inField, files.filePath("img/LOGO.JPG"));
        QCOMPARE(Text(*window), QByteArray("<IMG SRC=\"img/LOGO.JPG\">x"));
    }

    void selectSetsTheNumberAndTheSwatch() {
        StartApp();
        DocumentWindow* window = m_run.OpenFile("colours.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString number, name, sample;
        Answer([&](DialogWindow& dialog) {
            Field<QComboBox>(dialog, body::IdTextName)->setCurrentText("red");
            AnswerWhen<QColorDialog>(m_run.Pending(), [](QColorDialog* chooser) {
                chooser->setCurrentColor(QColor(0x12, 0x34, 0xAB));
                chooser->accept();
            });
            QTest::mouseClick(dialog.Control(body::IdTextSelect), Qt::LeftButton);
            number = Field<QLineEdit>(dialog, body::IdTextNumber)->text();
            name = Field<QComboBox>(dialog, body::IdTextName)->currentText();
            sample = Field<QLabel>(dialog, body::IdTextSample)->styleSheet();
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::BodyNetscape));
        QCOMPARE(number, QString("1234AB"));
        QCOMPARE(name, QString("(None)"));
        QVERIFY2(sample.contains("color: #1234ab;"), qPrintable(sample));
        QCOMPARE(Text(*window), QByteArray("<BODY TEXT=\"#1234AB\">\r\nIntro</BODY>\r\n"));
    }

    void watermarkWithoutBackgroundReturnsToTheUrl() {
        StartApp();
        DocumentWindow* window = m_run.OpenFile("mark.html", "Intro");
        QVERIFY(window);
        QString message;
        bool focused = false;
        Answer([&](DialogWindow& dialog) {
            QTest::mouseClick(dialog.Control(body::IdWatermark), Qt::LeftButton);
            AnswerWhen<QMessageBox>(m_run.Pending(), [&](QMessageBox* box) {
                message = box->text();
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                box->accept();
            });
            QTest::mouseClick(dialog.Control(IdOk), Qt::LeftButton);
            QTRY_VERIFY(!message.isEmpty());
            QTRY_VERIFY(dialog.Control(body::IdBackgroundUrl)->hasFocus());
            focused = true;
            QVERIFY(dialog.isVisible());
        });
        QVERIFY(m_run.Window().Dispatcher().Execute(cmd::BodyMicrosoft));
        QCOMPARE(message, QString::fromUtf8(messages::WatermarkWithoutBackground));
        QVERIFY(focused);
        QCOMPARE(Text(*window), QByteArray("Intro"));
    }
};

QTEST_MAIN(LinkBodyImageGuiTest)
#include "LinkBodyImageGuiTest.moc"
