// Element commands end to end in the real main window: accelerator, rendered dialog, OK, text.
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/DocumentFiles.h"
#include "app/DocumentWindow.h"
#include "app/GuiDocument.h"
#include "app/MainWindow.h"
#include "app/RazoApplication.h"
#include "dialogs/DialogWindow.h"
#include "dialogs/QtDialogRunner.h"
#include "view/ScintillaTextControl.h"

using namespace razo;

class ElementDialogCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;
    QTemporaryDir m_files;
    std::unique_ptr<RazoApplication> m_app;

    DocumentWindow* OpenFile(const QString& name, const QByteArray& bytes) {
        QFile file(m_files.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return nullptr;
        file.write(bytes);
        file.close();
        DocumentWindow* window = m_app->Window().Files().OpenPath(file.fileName());
        QCoreApplication::processEvents();
        return window;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_config.isValid() && m_files.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    void init() {
        m_app = std::make_unique<RazoApplication>();
        m_app->Start(QString());
        QVERIFY(QTest::qWaitForWindowActive(&m_app->Window()));
    }
    void cleanup() {
        for (DocumentWindow* window : m_app->Window().Files().Windows())
            window->Doc().SetModifiedFlag(false);
        m_app->Window().close();
        m_app.reset();
    }

    void ctrl2WrapsTheSelectionInAHeading() {
        DocumentWindow* window = OpenFile("intro.html", "Intro");
        QVERIFY(window);
        window->Control().SetSel(0, 5);
        QString title;
        m_app->Dialogs().onShow = [&title](DialogWindow& dialog) {
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
        m_app->Dialogs().onShow = [](DialogWindow& dialog) {
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
