#include "gui/app/PageChecking.h"

#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMainWindow>
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "core/app/CommandRouter.h"
#include "core/check/CheckStrings.h"
#include "core/resources/Accelerators.h"
#include "core/resources/CommandIds.h"
#include "core/resources/Strings.h"
#include "core/text/MessageText.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/StatusPanes.h"
#include "gui/check/BackgroundCheck.h"
#include "gui/check/PageProblems.h"
#include "gui/check/ProblemList.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {

namespace {

// A check shows its progress once it has run this long; most pages are checked before.
constexpr int ProgressDelayMs = 300;
constexpr int ProgressIntervalMs = 100;
// At the end, checks already stopped get this long to end before the program goes.
constexpr int ExitWaitMs = 2000;

// The page's bytes as they are now, copied as the two runs either side of the control's gap, so
// the gap stays where the typing is; SCI_GETTEXT goes slower, and a text pointer moves the gap.
std::string TextOf(RazoEditor& editor) {
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const long gap = std::clamp(editor.SendScintilla(QsciScintillaBase::SCI_GETGAPPOSITION), 0L, length);
    std::string text;
    text.reserve(static_cast<size_t>(length));
    for (const auto& [start, size] : {std::pair(0L, gap), std::pair(gap, length - gap)}) {
        if (size == 0)
            continue;
        const long pointer = editor.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER,
                                                  static_cast<unsigned long>(start), size);
        const auto* run = reinterpret_cast<const char*>(static_cast<std::intptr_t>(pointer));
        text.append(run, static_cast<size_t>(size));
    }
    return text;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString UncheckedText(const DocumentWindow* page) {
    if (page == nullptr)
        return {};
    const char* keys = PrimaryKeys(cmd::CheckPage);
    return Text(FillMessage(strings::ProblemsNotChecked, {keys ? keys : ""}));
}

} // namespace

PageChecking::PageChecking(QMainWindow& window, StatusPanes& status,
                           std::function<DocumentWindow*()> activePage)
    : QObject(&window), m_window(window), m_status(status), m_activePage(std::move(activePage)),
      m_dock(new QDockWidget(QString::fromUtf8(strings::ProblemsTitle), &window)),
      m_list(new ProblemList(m_dock)) {
    m_dock->setObjectName(QStringLiteral("problemsDock"));
    m_dock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_dock->setWidget(m_list);
    m_dock->setFocusProxy(m_list);
    window.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    m_dock->hide();
    connect(m_list, &ProblemList::problemChosen, this, &PageChecking::GoToChosen);
    connect(m_list, &ProblemList::leaveRequested, this, &PageChecking::FocusPage);
    m_progressTimer.setInterval(ProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &PageChecking::ShowProgress);
}

PageChecking::~PageChecking() {
    qApp->removeEventFilter(this);
    if (m_check != nullptr)
        m_check->Cancel();
    BackgroundCheck::WaitForUnfinished(ExitWaitMs);
}

void PageChecking::RegisterCommands(CommandTarget& target) {
    // Again on the page being checked stops the check; on another page it checks that one instead.
    target.OnCommand(cmd::CheckPage, [this] {
        DocumentWindow* page = m_activePage();
        const bool again = Running() && m_checkedPage == page;
        if (Running())
            Cancel(again ? Notice::Tell : Notice::Quiet);
        if (page != nullptr && !again)
            Start(*page);
    });
    target.OnUpdate(cmd::CheckPage, [this](CmdUI& ui) { ui.Enable(Running() || m_activePage() != nullptr); });
    target.OnCommand(cmd::NextProblem, [this] { Step(true); });
    target.OnCommand(cmd::PreviousProblem, [this] { Step(false); });
    for (const int id : {cmd::NextProblem, cmd::PreviousProblem})
        target.OnUpdate(id, [this](CmdUI& ui) { ui.Enable(HasProblems()); });
    // From the list itself, the command puts the list away and goes back to the page.
    target.OnCommand(cmd::ProblemList, [this] {
        if (m_dock->isVisible() && m_list->hasFocus()) {
            m_dock->hide();
            FocusPage();
        } else {
            ShowList(true);
        }
    });
    target.OnUpdate(cmd::ProblemList, [this](CmdUI& ui) { ui.Enable(m_activePage() != nullptr); });
}

void PageChecking::Start(DocumentWindow& page) {
    m_checkedPage = &page;
    m_changedDuringCheck = false;
    m_editWatch =
        connect(&page.Editor(), &QsciScintilla::textChanged, this, [this] { m_changedDuringCheck = true; });
    const PageEncoding encoding = page.Control().IsUtf8() ? PageEncoding::Utf8 : PageEncoding::Latin1;
    m_check = new BackgroundCheck(TextOf(page.Editor()), encoding, this);
    connect(m_check, &BackgroundCheck::finished, this, &PageChecking::Finished);
    m_clock.start();
    m_progressTimer.start();
    qApp->installEventFilter(this);
}

// The check is let go rather than waited for: the thread may take a while to notice. A check
// given up for another page's goes without a word, as that page's report follows.
void PageChecking::Cancel(Notice notice) {
    m_check->Cancel();
    LetGo();
    if (notice == Notice::Tell)
        m_status.ShowNotice(QString::fromUtf8(strings::CheckCancelled));
    emit checkEnded();
}

void PageChecking::Finished(const CheckReport& report) {
    DocumentWindow* page = m_checkedPage;
    const bool changed = m_changedDuringCheck;
    if (page != nullptr)
        PageProblems::Of(page->Editor()).SetReport(report, changed);
    LetGo();
    m_status.ShowNotice(Text(CheckSummary(report)));
    FollowActivePage();
    ShowDock();
    emit checkEnded();
}

// The first time, the list takes the height of a few rows; later the user's height stays.
void PageChecking::ShowDock() {
    if (!m_dockSized) {
        m_dockSized = true;
        constexpr int ShownRows = 8;
        const int height = m_list->header()->sizeHint().height() +
                           ShownRows * m_list->fontMetrics().lineSpacing() +
                           m_dock->fontMetrics().lineSpacing() * 2;
        m_dock->show();
        m_window.resizeDocks({m_dock}, {height}, Qt::Vertical);
    }
    m_dock->show();
    m_dock->raise();
}

void PageChecking::LetGo() {
    disconnect(m_editWatch);
    m_progressTimer.stop();
    m_status.SetProgress(QString());
    qApp->removeEventFilter(this);
    m_check->deleteLater();
    m_check = nullptr;
    m_checkedPage = nullptr;
}

void PageChecking::ShowProgress() {
    if (m_check == nullptr || m_clock.elapsed() < ProgressDelayMs)
        return;
    m_status.SetProgress(Text(FillMessage(strings::CheckingPage, {std::to_string(m_check->Percent())})));
}

void PageChecking::PageClosing(DocumentWindow& page) {
    if (Running() && m_checkedPage == &page)
        Cancel();
}

void PageChecking::FollowActivePage() {
    DocumentWindow* page = m_activePage();
    // With the last page closed there is nothing to list; the next check shows the list again.
    if (page == nullptr && m_dock->isVisible())
        m_dock->hide();
    m_list->ShowProblems(page ? PageProblems::Find(page->Editor()) : nullptr, UncheckedText(page));
    QString title = QString::fromUtf8(strings::ProblemsTitle);
    if (page != nullptr)
        title += " - " + page->Doc().TitleText();
    if (m_dock->windowTitle() != title)
        m_dock->setWindowTitle(title);
}

bool PageChecking::HasProblems() const {
    DocumentWindow* page = m_activePage();
    const PageProblems* problems = page ? PageProblems::Find(page->Editor()) : nullptr;
    return problems != nullptr && problems->Count() > 0;
}

// F8 leaves the focus where it is and tells of the problem in the status bar, so the list need
// not be open to read it.
void PageChecking::Step(bool forward) {
    DocumentWindow* page = m_activePage();
    PageProblems* problems = page ? PageProblems::Find(page->Editor()) : nullptr;
    if (problems == nullptr)
        return;
    FollowActivePage();
    const int index = problems->Step(forward);
    if (index < 0)
        return;
    const Problem& problem = problems->Report().problems[static_cast<size_t>(index)];
    m_status.ShowNotice(Text(FillMessage(strings::ProblemInStatusBar,
                                         {std::to_string(problem.line), std::to_string(problem.column),
                                          SeverityName(problem.severity), problem.message})));
}

void PageChecking::GoToChosen(int index) {
    PageProblems* problems = m_list->Problems();
    if (problems == nullptr || index < 0 || index >= problems->Count())
        return;
    problems->GoTo(index);
    FocusPage();
}

void PageChecking::ShowList(bool focus) {
    FollowActivePage();
    ShowDock();
    if (!focus)
        return;
    m_list->setFocus();
    if (m_list->currentItem() == nullptr && m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

void PageChecking::FocusPage() {
    if (DocumentWindow* page = m_activePage())
        page->Editor().setFocus();
}

// Esc in the main window stops the check; in a dialog or an open menu it keeps its own meaning.
bool PageChecking::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !Running())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    const QWidget* window = widget ? widget->window() : nullptr;
    if ((window != &m_window && window != m_dock) || QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr)
        return false;
    Cancel();
    return true;
}

} // namespace razo
