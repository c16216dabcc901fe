#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "core/app/DocumentTypes.h"

class QMdiArea;
class QWidget;

namespace razo {

class DocumentWindow;
class RecentFiles;
struct DocumentServices;

// Creating, opening, saving and closing documents: File New with its choice of type, File Open,
// Save, Save As, the question about unsaved changes, and the recent-file list.
class DocumentFiles : public QObject {
    Q_OBJECT
public:
    DocumentFiles(QMdiArea& area, DocumentServices& services, const TemplateList& templates,
                  RecentFiles& recentFiles, QWidget* dialogParent);

    // Runs for every new document window before it is shown (commands, route, signals).
    std::function<void(DocumentWindow&)> onWindowCreated;

    // File New: asks for the type, then creates the document. Null when cancelled.
    DocumentWindow* New();
    // A new document of the given type, without asking.
    DocumentWindow* NewOfType(const DocumentTemplate& type);
    // File Open: the chooser over both types, then OpenPath.
    void Open();
    // Opens a file (or activates its window when it is open already). Reports a file that cannot
    // be read or is too large and returns null. `path` is the system's bytes.
    DocumentWindow* OpenPath(const std::string& path);
    // A path the user typed or chose.
    DocumentWindow* OpenPath(const QString& path);
    // A window of the given type filled by `fill` instead of a file (a page brought back after a
    // crash); `title` names it while it has no path. Null when `fill` returns false.
    DocumentWindow* OpenFilled(const DocumentTemplate& type, const QString& title,
                               const std::function<bool(DocumentWindow&)>& fill);
    // The recent-file entry at `index`; a file that cannot be opened leaves the list.
    void OpenRecent(int index);

    bool Save(DocumentWindow& window);
    bool SaveAs(DocumentWindow& window);
    // "Save changes to HTML1?": true when the window may close (saved or not wanted).
    bool SaveModified(DocumentWindow& window);
    // Asks about every modified document in turn; false as soon as one answer is Cancel.
    bool SaveAllModified();

    QList<DocumentWindow*> Windows() const;
    DocumentWindow* FindByPath(const std::string& path) const;

signals:
    // A new document window, before it is filled and shown.
    void windowCreated(DocumentWindow* window);

private:
    DocumentWindow* Create(const DocumentTemplate& type);
    void Show(DocumentWindow* window);

    QMdiArea& m_area;
    DocumentServices& m_services;
    const TemplateList& m_templates;
    RecentFiles& m_recent;
    QWidget* m_dialogParent;
    NewDocumentNames m_names;
};

} // namespace razo
