#pragma once
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "core/app/CommandRouter.h"
#include "core/resources/Menus.h"
#include "gui/app/CommandActions.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace razo {

class CommandDispatcher;
class ContextHelp;
class DocumentFiles;
class DocumentWindow;
class FindReplaceDialog;
class HelpWindow;
class MainToolbars;
class MenuBuilder;
class PageChecking;
class RazoApplication;
class StatusPanes;
struct EditServices;

// The main window: the MDI area with the document windows, the menus (one set while no document
// is open, one while a document is active), the accelerators, the status bar and the window
// placement kept in the settings.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(RazoApplication& app);
    ~MainWindow() override;

    // Shows the window as the stored placement says (maximised or normal).
    void ShowAtStart();
    // Back in front of the user's other windows, restored if it was minimised.
    void BringToFront();

    CommandDispatcher& Dispatcher() { return *m_dispatcher; }
    const CommandActions& Actions() const { return m_actions; }
    DocumentFiles& Files() { return *m_files; }
    QMdiArea& MdiArea() { return *m_mdi; }
    StatusPanes& Status() { return *m_status; }
    PageChecking& Checking() { return *m_checking; }
    CommandTarget& FrameTarget() { return m_frameTarget; }
    // The document window whose commands the route reaches, null when none is open.
    DocumentWindow* ActiveDocument() const;
    // Find and Replace, made when first asked for.
    FindReplaceDialog& Find();

    // Help for a context (dialog template 0x20000 + id, or a command): its page, else the index.
    void ShowHelpTopic(int contextId);
    // A help page by its link in the help folder ("menu-font.html#font.bold"); empty is the index.
    void ShowHelpLink(const QString& link);
    HelpWindow& Help();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Toolbars come between the menus and the status bar, and save their layout at close.
    void CreateToolbars();
    void RestoreToolbarLayout();
    void SaveToolbarLayout();

    void RestorePlacement();
    void SavePlacement();
    void RegisterFrameCommands();
    void AttachDocument(DocumentWindow& window);
    void DocumentClosing(DocumentWindow* window);
    void SubWindowActivated(QMdiSubWindow* window);
    void Refresh();
    void UpdateRoute();
    // Help asked for from the frame or from a dialog above it.
    void ShowHelp(const std::function<void(HelpWindow&)>& show);
    void UpdateMenuBar();
    void SetMenuBar(const std::vector<MenuEntry>& layout);
    void UpdateTitle();
    void UpdateLineColumn();
    void FillRecentFiles(QMenu* menu, QAction* marker);
    void FillWindowList(QMenu* menu, QAction* marker);
    void ArrangeIcons();
    void EnterContextHelp();
    QList<DocumentWindow*> OpenDocuments() const;

    RazoApplication& m_app;
    CommandDispatcher* m_dispatcher;
    CommandActions m_actions;
    std::unique_ptr<MenuBuilder> m_menus;
    QMdiArea* m_mdi;
    StatusPanes* m_status = nullptr;
    PageChecking* m_checking = nullptr;
    MainToolbars* m_toolbars = nullptr;
    DocumentFiles* m_files;
    FindReplaceDialog* m_find = nullptr; // made when first asked for
    HelpWindow* m_help = nullptr;
    ContextHelp* m_contextHelp = nullptr;
    std::unique_ptr<EditServices> m_editServices;
    CommandTarget m_frameTarget;
    DocumentWindow* m_closingWindow = nullptr;
    // The document window last activated: it stays the route's target while a dialog or another
    // program has the focus.
    QPointer<DocumentWindow> m_active;
    bool m_documentMenus = false;
    bool m_startMaximized = false;
};

} // namespace razo
