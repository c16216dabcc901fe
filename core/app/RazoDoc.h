#pragma once
#include <string>

#include "core/app/CommandRouter.h"

namespace razo {

class Document;
class IniProfile;
class ProcessLauncher;
class TextControl;
class UserPrompts;

// What Razo adds to a document: the working folder written on save, the mark that makes a new
// document's view insert the standard tags, and the two browser previews.
class CRazoDoc {
public:
    CRazoDoc(Document& document, IniProfile& profile, UserPrompts& prompts, ProcessLauncher& launcher);

    Document& GetDocument() { return m_document; }
    CommandTarget& Target() { return m_target; }

    // After a successful File New.
    bool OnNewDocument();
    bool TestAndClearNewFlag();
    // The save sequence: protect the last insertion from the view's Undo, record the folder as
    // the working folder, then write. `viewControl` may be null (no view).
    bool OnSaveDocument(const std::string& path, TextControl* viewControl);
    void OnBrowserTest();
    void OnBrowserTest2();

    // The view's control, set by the view's window once it exists.
    void SetViewControl(TextControl* control) { m_viewControl = control; }

private:
    void Preview(bool secondBrowser);

    Document& m_document;
    IniProfile& m_profile;
    UserPrompts& m_prompts;
    ProcessLauncher& m_launcher;
    TextControl* m_viewControl = nullptr;
    CommandTarget m_target;
    int m_bNewDocument = 0;
};

} // namespace razo
