#include "gui/app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>

#include "core/app/RecentFiles.h"
#include "core/app/ToolbarState.h"
#include "core/resources/CommandIds.h"
#include "core/resources/Menus.h"
#include "core/resources/Strings.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/ContextHelp.h"
#include "gui/app/DisplayCommands.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentIO.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/EditCommands.h"
#include "gui/app/FindReplaceDialog.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/MenuBuilder.h"
#include "gui/app/NavigationCommands.h"
#include "gui/app/RazoApplication.h"
#include "gui/app/StatusPanes.h"
#include "gui/app/Toolbars.h"
#include "gui/help/HelpWindow.h"
#include "gui/resources/CommandIcons.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {
namespace {

// Dropped files as the system names them. A name that is not valid UTF-8 stays percent-encoded
// in the URL, so its bytes are taken from there rather than from the decoded text.
std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files.push_back(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    return files;
}

} // namespace

MainWindow::MainWindow(RazoApplication& app)
    : m_app(app), m_dispatcher(new CommandDispatcher(this)),
      m_actions(this, [this](int id) { m_dispatcher->Execute(id); }), m_mdi(new QMdiArea(this)) {
    setWindowTitle(QString::fromUtf8(strings::AppTitle));
    setWindowIcon(ProgramIcon());
    setAcceptDrops(true);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    // Every command action is part of the window, so its status prompt reaches the status bar.
    for (const auto& [id, action] : m_actions.All())
        addAction(action);
    m_menus = std::make_unique<MenuBuilder>(
        m_actions,
        MenuBuilder::Hooks{[this](QMenu* menu) { m_dispatcher->UpdateMenu(menu); },
                           [this](QMenu* menu, QAction* marker) { FillRecentFiles(menu, marker); },
                           [this](QMenu* menu, QAction* marker) { FillWindowList(menu, marker); }});
    setMenuBar(m_menus->Build(NoDocumentMenuBar(), this));
    m_dispatcher->BindAccelerators(this);

    m_find = new FindReplaceDialog(
        [this]() -> QsciScintilla* {
            DocumentWindow* window = ActiveDocument();
            return window ? &window->Editor() : nullptr;
        },
        this);
    m_editServices = std::make_unique<EditServices>(EditServices{*m_find, app.Printer(), this});
    m_files = new DocumentFiles(*m_mdi, app.Documents(), app.Templates(), app.Recent(), this);
    m_files->onWindowCreated = [this](DocumentWindow& window) { AttachDocument(window); };
    RegisterFrameCommands();
    m_dispatcher->SetFixedTargets(&m_frameTarget, &app.Target());
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::SubWindowActivated);
    qApp->installEventFilter(this);

    RestorePlacement();
    CreateToolbars();
    m_status = new StatusPanes(statusBar());
    RestoreToolbarLayout();
    m_dispatcher->AddIdleHandler([this] { UpdateLineColumn(); });
    Refresh();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

// Toolbars are built from the toolbar tables by their own unit; these are the places where the
// main window creates them, lays them out and saves their layout.
void MainWindow::CreateToolbars() {
    m_toolbars = new MainToolbars(*this, m_actions, *m_dispatcher);
    m_toolbars->RegisterToggles(m_frameTarget);
    m_dispatcher->AddIdleHandler([this] { m_toolbars->UpdateButtons(); });
}

void MainWindow::RestoreToolbarLayout() {
    m_toolbars->ApplyLayout(StartupToolbarLayout(m_app.Profile()));
}

void MainWindow::SaveToolbarLayout() {
    SaveBarState(m_app.Profile(), m_toolbars->CurrentLayout());
}

void MainWindow::RegisterFrameCommands() {
    CommandTarget& t = m_frameTarget;
    const auto needsDocument = [this](CmdUI& ui) { ui.Enable(!OpenDocuments().isEmpty()); };
    t.OnCommand(cmd::WindowCascade, [this] { m_mdi->cascadeSubWindows(); });
    t.OnUpdate(cmd::WindowCascade, needsDocument);
    t.OnCommand(cmd::WindowTile, [this] { m_mdi->tileSubWindows(); });
    t.OnUpdate(cmd::WindowTile, needsDocument);
    t.OnCommand(cmd::WindowArrange, [this] { ArrangeIcons(); });
    t.OnUpdate(cmd::WindowArrange, needsDocument);
    t.OnCommand(cmd::NextPane, [this] { m_mdi->activateNextSubWindow(); });
    t.OnUpdate(cmd::NextPane, needsDocument);
    t.OnCommand(cmd::PrevPane, [this] { m_mdi->activatePreviousSubWindow(); });
    t.OnUpdate(cmd::PrevPane, needsDocument);
    t.OnCommand(cmd::HelpIndex, [this] { Help().ShowIndex(); });
    t.OnCommand(cmd::DefaultHelp, [this] { Help().ShowIndex(); });
    t.OnCommand(cmd::HelpUsing, [this] { Help().ShowUsingHelp(); });
    // F1 reaches the frame only with no dialog and no menu open, which see to their own pages.
    t.OnCommand(cmd::Help, [this] { Help().ShowIndex(); });
    t.OnCommand(cmd::ContextHelp, [this] { EnterContextHelp(); });
    m_contextHelp =
        new ContextHelp({[this](const QString& link) { ShowHelpLink(link); },
                         [this](bool active) {
                             if (m_status == nullptr)
                                 return;
                             if (active)
                                 m_status->ShowPrompt(QString::fromUtf8(strings::ContextHelpPrompt));
                             else
                                 m_status->ClearPrompt();
                         }},
                        this);
    t.OnCommand(cmd::ViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    t.OnUpdate(cmd::ViewStatusBar, [this](CmdUI& ui) { ui.SetCheck(statusBar()->isVisible()); });
}

HelpWindow& MainWindow::Help() {
    if (m_help == nullptr)
        m_help = new HelpWindow(this);
    return *m_help;
}

void MainWindow::ShowHelpTopic(int contextId) {
    // A modal dialog blocks every other window, so help asked for from inside one (its Help
    // button, F1) opens above it and closes before the dialog goes on.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != m_help) {
        HelpWindow help(modal);
        help.setModal(true);
        help.ShowHelpTopic(contextId);
        help.exec();
        return;
    }
    Help().ShowHelpTopic(contextId);
}

void MainWindow::ShowHelpLink(const QString& link) {
    Help().ShowLink(link);
}

void MainWindow::EnterContextHelp() {
    m_contextHelp->Enter();
}

void MainWindow::ArrangeIcons() {
    // Minimised document windows line up along the bottom edge of the MDI area.
    int x = 0;
    for (DocumentWindow* window : OpenDocuments()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, m_mdi->viewport()->height() - size.height());
        x += size.width();
    }
}

void MainWindow::AttachDocument(DocumentWindow& window) {
    RegisterEditCommands(window.EditTarget(), window.Editor(), *m_editServices);
    RegisterDisplayCommands(window, m_app.Profile(), m_app.Dialogs());
    RegisterNavigationCommands(window, m_app.Dialogs());
    RazoEditor* editor = &window.Editor();
    connect(editor, &QsciScintilla::cursorPositionChanged, m_dispatcher, &CommandDispatcher::ScheduleIdle);
    connect(editor, &QsciScintilla::selectionChanged, m_dispatcher, &CommandDispatcher::ScheduleIdle);
    connect(&window, &QWidget::windowTitleChanged, this, &MainWindow::UpdateTitle);
    connect(&window, &QMdiSubWindow::windowStateChanged, this, &MainWindow::UpdateTitle);
    connect(&window, &DocumentWindow::closing, this, &MainWindow::DocumentClosing);
    // The editor takes text drops itself; files dropped on it open as documents instead.
    editor->viewport()->installEventFilter(this);
    // The page's context menu holds the program's own commands, so its Undo is the view's.
    for (QWidget* area : {static_cast<QWidget*>(editor), editor->viewport()}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this, [this, area](const QPoint& at) {
            m_menus->BuildMenu(PageContextMenu(), this)->popup(area->mapToGlobal(at));
        });
    }
}

void MainWindow::DocumentClosing(DocumentWindow* window) {
    m_closingWindow = window;
    UpdateRoute();
    // The window leaves the MDI area once the event loop deletes it.
    QTimer::singleShot(0, this, [this] {
        m_closingWindow = nullptr;
        Refresh();
    });
}

QList<DocumentWindow*> MainWindow::OpenDocuments() const {
    QList<DocumentWindow*> windows = m_files->Windows();
    windows.removeAll(m_closingWindow);
    return windows;
}

DocumentWindow* MainWindow::ActiveDocument() const {
    const auto usable = [this](DocumentWindow* window) {
        return window != nullptr && window != m_closingWindow && !window->IsClosing();
    };
    if (usable(m_active))
        return m_active;
    const QList<QMdiSubWindow*> history = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it)
        if (auto* window = qobject_cast<DocumentWindow*>(*it); usable(window))
            return window;
    return nullptr;
}

void MainWindow::SubWindowActivated(QMdiSubWindow* window) {
    // Null when the main window merely lost the focus: the last document stays active.
    if (auto* document = qobject_cast<DocumentWindow*>(window))
        m_active = document;
    Refresh();
}

void MainWindow::Refresh() {
    UpdateRoute();
    UpdateMenuBar();
    UpdateTitle();
    if (DocumentWindow* window = ActiveDocument())
        window->Editor().setFocus();
}

void MainWindow::UpdateRoute() {
    DocumentWindow* window = ActiveDocument();
    m_dispatcher->SetDocumentRoute(window ? window->Route() : std::vector<const CommandTarget*>{});
}

void MainWindow::UpdateMenuBar() {
    const bool documents = !OpenDocuments().isEmpty();
    if (documents == m_documentMenus)
        return;
    m_documentMenus = documents;
    setMenuBar(m_menus->Build(documents ? DocumentMenuBar() : NoDocumentMenuBar(), this));
}

void MainWindow::UpdateTitle() {
    QString title = QString::fromUtf8(strings::AppTitle);
    // A maximised document window adds its own title to the main window's, in brackets, as
    // the platform's MDI does; the name must not appear twice.
    if (DocumentWindow* window = ActiveDocument(); window != nullptr && !window->isMaximized())
        title += " - " + window->Doc().TitleText();
    setWindowTitle(title);
}

void MainWindow::UpdateLineColumn() {
    if (m_status == nullptr)
        return;
    const CmdUI ui = m_dispatcher->QueryState(cmd::IndicatorLnCol);
    m_status->SetLineColumn(ui.enabled && ui.text ? QString::fromStdString(*ui.text) : QString());
}

void MainWindow::FillRecentFiles(QMenu* menu, QAction* marker) {
    RecentFiles& recent = m_app.Recent();
    recent.Load();
    QList<QAction*> items;
    const auto& paths = recent.Paths();
    if (paths.empty())
        items << m_actions.Alias(cmd::FileMruFirst, m_actions.Action(cmd::FileMruFirst)->text(), menu);
    for (size_t i = 0; i < paths.size(); ++i) {
        const QString path = ShownPath(paths[i]);
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(QString(path).replace('&', "&&"));
        items << m_actions.Alias(cmd::FileMruFirst + int(i), text, menu);
    }
    ReplaceMenuList(menu, marker, items);
}

void MainWindow::FillWindowList(QMenu* menu, QAction* marker) {
    QList<QAction*> items;
    const QList<DocumentWindow*> windows = OpenDocuments();
    if (!windows.isEmpty()) {
        auto* separator = new QAction(menu);
        separator->setSeparator(true);
        items << separator;
    }
    DocumentWindow* active = ActiveDocument();
    int number = 1;
    for (DocumentWindow* window : windows) {
        const QString title = window->windowTitle().replace('&', "&&");
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(number++).arg(title), menu);
        item->setCheckable(true);
        item->setChecked(window == active);
        connect(item, &QAction::triggered, this, [this, window] { m_mdi->setActiveSubWindow(window); });
        items << item;
    }
    ReplaceMenuList(menu, marker, items);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Layout and placement are saved first; they stay saved when the user cancels below.
    SaveToolbarLayout();
    SavePlacement();
    if (!m_files->SaveAllModified()) {
        event->ignore();
        return;
    }
    for (DocumentWindow* window : OpenDocuments())
        window->CloseWithoutAsking();
    if (m_help != nullptr)
        m_help->close();
    m_find->close();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::vector<std::string> files = LocalFiles(event->mimeData());
    if (files.empty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has finished, so a message box does not block the drag source.
    QTimer::singleShot(0, this, [this, files] {
        for (const std::string& file : files)
            m_files->OpenPath(file);
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp)
        return false;
    // Only the editors' viewports are watched here otherwise: files dropped on them open.
    const bool drag = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
                      event->type() == QEvent::Drop;
    if (!drag || qobject_cast<QsciScintilla*>(watched->parent()) == nullptr)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (LocalFiles(drop->mimeData()).empty())
        return false;
    if (event->type() == QEvent::Drop)
        dropEvent(drop);
    else
        drop->acceptProposedAction();
    return true;
}

} // namespace razo
