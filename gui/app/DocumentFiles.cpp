#include "gui/app/DocumentFiles.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>

#include "core/app/FilePaths.h"
#include "core/app/RazoDoc.h"
#include "core/app/RecentFiles.h"
#include "core/app/SaveTemporaries.h"
#include "core/dialogs/FileFilter.h"
#include "core/ports/UserPrompts.h"
#include "core/resources/CommandIds.h"
#include "core/resources/Strings.h"
#include "gui/app/DocumentIO.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/NewTypeDialog.h"
#include "gui/app/UnfinishedSaveOffer.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {
namespace {

QString QtFilter(const std::vector<FileFilter>& filters) {
    std::string classic;
    for (const FileFilter& filter : filters)
        classic += filter.name + "|" + filter.pattern + "|";
    return QString::fromStdString(ToQtFileFilter(classic + "|"));
}

QString Suffix(const DocumentTemplate& type) {
    return QString::fromUtf8(type.filterExt).mid(1);
}

} // namespace

DocumentFiles::DocumentFiles(QMdiArea& area, DocumentServices& services, const TemplateList& templates,
                             RecentFiles& recentFiles, QWidget* dialogParent)
    : QObject(&area), m_area(area), m_services(services), m_templates(templates), m_recent(recentFiles),
      m_dialogParent(dialogParent) {}

DocumentWindow* DocumentFiles::Create(const DocumentTemplate& type) {
    auto* window = new DocumentWindow(type, m_services);
    window->canClose = [this](DocumentWindow& w) { return SaveModified(w); };
    // The document's own file commands.
    CommandTarget& target = window->RazoDoc().Target();
    target.OnCommand(cmd::FileClose, [window] { window->close(); });
    target.OnCommand(cmd::FileSave, [this, window] { Save(*window); });
    target.OnCommand(cmd::FileSaveAs, [this, window] { SaveAs(*window); });
    if (onWindowCreated)
        onWindowCreated(*window);
    emit windowCreated(window);
    return window;
}

void DocumentFiles::Show(DocumentWindow* window) {
    const QMdiSubWindow* active = m_area.activeSubWindow();
    const bool maximized = active != nullptr && active->isMaximized();
    m_area.addSubWindow(window);
    // Like the other windows: maximised when the active one is, else large and cascaded.
    const QSize area = m_area.viewport()->size().expandedTo(QSize(640, 440));
    const int offset = 24 * int((Windows().size() - 1) % 8);
    window->setGeometry(offset, offset, area.width() * 3 / 4, area.height() * 3 / 4);
    if (maximized)
        window->showMaximized();
    else
        window->show();
    m_area.setActiveSubWindow(window);
    window->InitialUpdate();
    window->widget()->setFocus();
}

DocumentWindow* DocumentFiles::New() {
    QStringList names;
    for (const DocumentTemplate* type : m_templates)
        names << QString::fromUtf8(type->fileNewName);
    const int chosen = NewTypeDialog::Ask(names, m_dialogParent);
    if (chosen < 0)
        return nullptr;
    return NewOfType(*m_templates[size_t(chosen)]);
}

DocumentWindow* DocumentFiles::NewOfType(const DocumentTemplate& type) {
    DocumentWindow* window = Create(type);
    window->Doc().SetTitle(QString::fromStdString(m_names.Next(type)));
    window->RazoDoc().OnNewDocument();
    Show(window);
    return window;
}

void DocumentFiles::Open() {
    const QString path = QFileDialog::getOpenFileName(m_dialogParent, tr("Open"), QString(),
                                                      QtFilter(OpenFileFilters(m_templates)));
    if (!path.isEmpty())
        OpenPath(path);
}

DocumentWindow* DocumentFiles::OpenPath(const QString& path) {
    return OpenPath(SystemPath(path));
}

DocumentWindow* DocumentFiles::OpenPath(const std::string& path) {
    if (DocumentWindow* open = FindByPath(path)) {
        m_area.setActiveSubWindow(open);
        return open;
    }
    // A save into this file that a killed run left unfinished is settled before the file is read.
    OfferUnfinishedSaves(m_dialogParent, path);
    DocumentWindow* window = Create(TemplateForPath(m_templates, path));
    QString error;
    if (!window->LoadFile(path, error)) {
        delete window;
        m_services.prompts.Message(error.toStdString(), MessageIcon::Exclamation);
        return nullptr;
    }
    window->Doc().SetPathName(path);
    // What saves killed beside it left behind.
    RemoveStaleSaveTemporaries(FolderOf(window->Doc().PathName()), ProcessTable::System());
    m_recent.Add(window->Doc().PathName());
    Show(window);
    return window;
}

DocumentWindow* DocumentFiles::OpenFilled(const DocumentTemplate& type, const QString& title,
                                          const std::function<bool(DocumentWindow&)>& fill) {
    DocumentWindow* window = Create(type);
    window->Doc().SetTitle(title);
    m_names.Reserve(type, title.toStdString());
    if (!fill(*window)) {
        delete window;
        return nullptr;
    }
    Show(window);
    return window;
}

void DocumentFiles::OpenRecent(int index) {
    m_recent.Load();
    const auto& paths = m_recent.Paths();
    if (index < 0 || size_t(index) >= paths.size())
        return;
    const std::string path = paths[size_t(index)];
    if (OpenPath(path) == nullptr)
        m_recent.Remove(path);
}

bool DocumentFiles::Save(DocumentWindow& window) {
    const std::string path = window.Doc().PathName();
    if (path.empty())
        return SaveAs(window);
    if (!window.RazoDoc().OnSaveDocument(path, &window.Control()))
        return false;
    m_recent.Add(path);
    return true;
}

bool DocumentFiles::SaveAs(DocumentWindow& window) {
    const DocumentTemplate& type = window.Type();
    const std::vector<FileFilter> all = OpenFileFilters(m_templates);
    std::vector<FileFilter> filters{{type.filterName, std::string("*") + type.filterExt}};
    if (!all.empty())
        filters.push_back(all.back());
    QFileDialog dialog(m_dialogParent, tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QtFilter(filters));
    dialog.setDefaultSuffix(Suffix(type));
    const QString current = window.Doc().Path();
    dialog.selectFile(current.isEmpty() ? window.Doc().TitleText() + type.filterExt : current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const std::string path = SystemPath(dialog.selectedFiles().constFirst());
    if (!window.RazoDoc().OnSaveDocument(path, &window.Control()))
        return false;
    window.Doc().SetPathName(path);
    m_recent.Add(window.Doc().PathName());
    return true;
}

bool DocumentFiles::SaveModified(DocumentWindow& window) {
    if (!window.Doc().IsModified())
        return true;
    m_area.setActiveSubWindow(&window);
    const QString question = QString::fromUtf8(strings::SaveChangesQuestion).arg(window.Doc().TitleText());
    const auto answer =
        QMessageBox::warning(m_dialogParent, QString::fromUtf8(strings::AppTitle), question,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::No)
        return true;
    return Save(window);
}

bool DocumentFiles::SaveAllModified() {
    for (DocumentWindow* window : Windows())
        if (!SaveModified(*window))
            return false;
    return true;
}

QList<DocumentWindow*> DocumentFiles::Windows() const {
    QList<DocumentWindow*> windows;
    for (QMdiSubWindow* sub : m_area.subWindowList(QMdiArea::CreationOrder))
        if (auto* window = qobject_cast<DocumentWindow*>(sub))
            windows << window;
    return windows;
}

DocumentWindow* DocumentFiles::FindByPath(const std::string& path) const {
    const std::string wanted = AbsoluteFilePath(path);
    for (DocumentWindow* window : Windows())
        if (!window->Doc().PathName().empty() && window->Doc().PathName() == wanted)
            return window;
    return nullptr;
}

} // namespace razo
