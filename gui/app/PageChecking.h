#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/check/CheckReport.h"

class QDockWidget;
class QMainWindow;

namespace razo {

class BackgroundCheck;
class CommandTarget;
class DocumentWindow;
class ProblemList;
class StatusPanes;

// Check Page and the problem list: the active page is checked on a thread of its own while the
// window goes on taking keys, with its progress in the status bar; Esc or a second Check Page
// stops it, and so does closing the page. The report goes into the page's problems and the list
// (a dock window below the pages, hidden until the first check) shows the active page's. F8 and
// Shift+F8 go from problem to problem.
class PageChecking : public QObject {
    Q_OBJECT
public:
    PageChecking(QMainWindow& window, StatusPanes& status, std::function<DocumentWindow*()> activePage);
    ~PageChecking() override;

    // Check Page, Next Problem, Previous Problem and Problem List.
    void RegisterCommands(CommandTarget& target);
    // Keeps the list on the active page's problems; cheap when nothing changed.
    void FollowActivePage();
    // A page about to close: a check of it stops.
    void PageClosing(DocumentWindow& page);

    bool Running() const { return m_check != nullptr; }
    QDockWidget& Dock() { return *m_dock; }
    ProblemList& List() { return *m_list; }

signals:
    // A check ended: its report arrived or it was stopped.
    void checkEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start(DocumentWindow& page);
    enum class Notice { Tell, Quiet };
    void Cancel(Notice notice = Notice::Tell);
    void Finished(const CheckReport& report);
    void LetGo();
    void ShowProgress();
    void Step(bool forward);
    void GoToChosen(int index);
    void ShowList(bool focus);
    void ShowDock();
    void FocusPage();
    bool HasProblems() const;

    QMainWindow& m_window;
    StatusPanes& m_status;
    std::function<DocumentWindow*()> m_activePage;
    QDockWidget* m_dock;
    ProblemList* m_list;
    BackgroundCheck* m_check = nullptr;
    QPointer<DocumentWindow> m_checkedPage;
    QMetaObject::Connection m_editWatch;
    bool m_changedDuringCheck = false;
    bool m_dockSized = false;
    QElapsedTimer m_clock;
    QTimer m_progressTimer;
};

} // namespace razo
