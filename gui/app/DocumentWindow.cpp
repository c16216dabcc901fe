#include "gui/app/DocumentWindow.h"

#include <QCloseEvent>
#include <QMenu>

#include "core/app/DocumentTypes.h"
#include "core/app/RazoDoc.h"
#include "core/resources/Accelerators.h"
#include "core/view/RazoView.h"
#include "gui/app/DocumentIO.h"
#include "gui/app/GuiDocument.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {

DocumentWindow::DocumentWindow(const DocumentTemplate& type, DocumentServices& services, QWidget* parent)
    : QMdiSubWindow(parent), m_type(type), m_editor(new RazoEditor(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_editor);
    setFocusProxy(m_editor);
    ReleaseProgramKeysFromSystemMenu();
    m_control = std::make_unique<ScintillaTextControl>(*m_editor);
    m_document = std::make_unique<GuiDocument>(*m_control, services.prompts);
    m_razoDoc =
        std::make_unique<CRazoDoc>(*m_document, services.profile, services.prompts, services.launcher);
    m_razoDoc->SetViewControl(m_control.get());
    m_view = std::make_unique<CRazoView>(*m_control, *m_document);
    if (services.registerViewCommands)
        services.registerViewCommands(*m_view);
    m_document->onTitleChanged = [this] { UpdateTitle(); };
    // Every change of the text marks the document modified, whoever made it.
    connect(m_editor, &QsciScintilla::textChanged, this, [this] { m_document->SetModifiedFlag(true); });
}

DocumentWindow::~DocumentWindow() = default;

// The window's own menu binds Ctrl+W to Close on this platform; the program's keys must win.
void DocumentWindow::ReleaseProgramKeysFromSystemMenu() {
    QList<QKeySequence> programKeys;
    for (const Accelerator& accelerator : AcceleratorTable())
        programKeys << QKeySequence::fromString(QString::fromLatin1(accelerator.keys),
                                                QKeySequence::PortableText);
    for (QAction* action : systemMenu()->actions()) {
        QList<QKeySequence> kept;
        for (const QKeySequence& key : action->shortcuts())
            if (!programKeys.contains(key))
                kept << key;
        action->setShortcuts(kept);
    }
}

std::vector<const CommandTarget*> DocumentWindow::Route() const {
    return {&m_view->Target(), &m_editTarget, &m_razoDoc->Target()};
}

bool DocumentWindow::LoadFile(const std::string& path, QString& error) {
    // Taken before the read: a file that changes while it is read is then seen as changed.
    const FileStamp stamp = StampOf(path);
    bool byteOrderMark = false;
    if (!LoadDocumentFile(path, *m_control, byteOrderMark, error))
        return false;
    m_document->SetDiskStamp(stamp);
    m_document->SetByteOrderMark(byteOrderMark);
    m_document->SetModifiedFlag(false);
    return true;
}

void DocumentWindow::LoadBytes(const QByteArray& bytes) {
    m_document->SetByteOrderMark(
        LoadDocumentBytes(std::string_view(bytes.constData(), size_t(bytes.size())), *m_control));
    m_document->SetModifiedFlag(false);
}

void DocumentWindow::InitialUpdate() {
    m_view->OnInitialUpdate(m_razoDoc->TestAndClearNewFlag());
}

void DocumentWindow::UpdateTitle() {
    setWindowTitle(m_document->TitleText());
}

void DocumentWindow::CloseWithoutAsking() {
    m_closing = true;
    close();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    const bool asked = m_closing;
    if (!asked && canClose && !canClose(*this)) {
        event->ignore();
        return;
    }
    m_closing = true;
    emit closing(this);
    QMdiSubWindow::closeEvent(event);
}

} // namespace razo
