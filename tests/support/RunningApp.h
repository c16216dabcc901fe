#pragma once
// The real application on the offscreen platform for GUI tests: start, restart with the same
// profile, open files, and answer the next modal dialog from the event loop.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo::testing {

// Runs `answer` with the next modal widget once one is shown. The timer belongs to `owner`, so
// an answer never outlives the test that set it up.
inline void OnNextModal(QObject* owner, std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

// Closes the next modal window, keeping its text in `message` when it is a message box.
inline void CloseNextModal(QObject* owner, QString& message) {
    OnNextModal(owner, [&message](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            message = box->text();
        modal->close();
    });
}

class RunningApp {
public:
    // Points the configuration folder at a fresh temporary folder; call from initTestCase.
    bool Init() {
        if (!m_config.isValid() || !m_files.isValid())
            return false;
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QApplication::setApplicationName("Razo");
        return true;
    }

    // Each test starts from no profile; answers it set up for dialogs go with it.
    void BeginTest() {
        RemoveProfile();
        m_pending = std::make_unique<QObject>();
    }
    void EndTest() {
        m_pending.reset();
        Stop();
    }
    // Owner of a test's pending answers (see OnNextModal).
    QObject* Pending() const { return m_pending.get(); }

    QString ProfilePath() const { return m_config.filePath("razo/RAZO.INI"); }
    QString FilePath(const QString& name) const { return m_files.filePath(name); }
    void RemoveProfile() { QFile::remove(ProfilePath()); }

    RazoApplication& App() { return *m_app; }
    MainWindow& Window() { return m_app->Window(); }
    bool Running() const { return m_app != nullptr; }

    void Start() {
        m_app = std::make_unique<RazoApplication>();
        m_app->Start(QString());
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        QCoreApplication::processEvents();
    }
    // Closes the window (as the user would, so the layout is saved) without saving documents.
    void Stop() {
        if (!m_app)
            return;
        for (DocumentWindow* window : Window().Files().Windows())
            window->Doc().SetModifiedFlag(false);
        Window().close();
        m_app.reset();
    }
    void Restart() {
        Stop();
        Start();
    }

    // A key pressed in a page, as the user would: accelerators reach the window only while it is
    // active, and the offscreen platform does not give the activation back by itself when a
    // message box closes.
    void Press(DocumentWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        if (QApplication::activeWindow() != &Window()) {
            Window().activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == &Window());
        }
        QTest::keyClick(&window.Editor(), key, modifiers);
        QCoreApplication::processEvents();
    }

    DocumentWindow* OpenFile(const QString& name, const QByteArray& bytes) {
        const QString path = m_files.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return nullptr;
        file.write(bytes);
        file.close();
        DocumentWindow* window = Window().Files().OpenPath(path);
        QCoreApplication::processEvents();
        return window;
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_files;
    std::unique_ptr<RazoApplication> m_app;
    std::unique_ptr<QObject> m_pending;
};

} // namespace razo::testing
