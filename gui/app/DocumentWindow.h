#pragma once
#include <QMdiSubWindow>
#include <functional>
#include <memory>
#include <string>

#include "core/app/CommandRouter.h"

namespace razo {

class CRazoDoc;
class CRazoView;
class GuiDocument;
class IniProfile;
class ProcessLauncher;
class RazoEditor;
class ScintillaTextControl;
class UserPrompts;
struct DocumentTemplate;

// What every document window needs from the application.
struct DocumentServices {
    IniProfile& profile;
    UserPrompts& prompts;
    ProcessLauncher& launcher;
    // Adds the view's element, fixed-tag and display commands to a new view.
    std::function<void(CRazoView&)> registerViewCommands;
};

// One open document: its MDI window with the edit control, the document and the view. Its
// command targets are, in route order, the view, the window's own editing commands (cut, copy,
// find, print, ...) and the document.
class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    DocumentWindow(const DocumentTemplate& type, DocumentServices& services, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    const DocumentTemplate& Type() const { return m_type; }
    RazoEditor& Editor() { return *m_editor; }
    ScintillaTextControl& Control() { return *m_control; }
    GuiDocument& Doc() { return *m_document; }
    CRazoDoc& RazoDoc() { return *m_razoDoc; }
    CRazoView& View() { return *m_view; }
    CommandTarget& EditTarget() { return m_editTarget; }
    std::vector<const CommandTarget*> Route() const;

    // Reads a file into the control; the document is then unmodified. False with `error` saying
    // why (for the user). `path` is the system's bytes.
    bool LoadFile(const std::string& path, QString& error);
    // Puts a file's bytes, already read, into the control the same way.
    void LoadBytes(const QByteArray& bytes);
    // The view's first showing: a new document (marked by CRazoDoc::OnNewDocument) gets its
    // standard tags.
    void InitialUpdate();

    bool IsClosing() const { return m_closing; }
    // Closes without the question about unsaved changes (it was asked already).
    void CloseWithoutAsking();

    // Asked before the window closes; false keeps it open (the user cancelled).
    std::function<bool(DocumentWindow&)> canClose;

signals:
    // The window is about to go: drop every reference to its targets.
    void closing(DocumentWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();
    void ReleaseProgramKeysFromSystemMenu();

    const DocumentTemplate& m_type;
    RazoEditor* m_editor;
    std::unique_ptr<ScintillaTextControl> m_control;
    std::unique_ptr<GuiDocument> m_document;
    std::unique_ptr<CRazoDoc> m_razoDoc;
    std::unique_ptr<CRazoView> m_view;
    CommandTarget m_editTarget;
    bool m_closing = false;
};

} // namespace razo
