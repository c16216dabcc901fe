#include "core/app/RazoDoc.h"

#include "core/app/BrowserPreview.h"
#include "core/ports/Document.h"
#include "core/ports/ProcessLauncher.h"
#include "core/ports/TextControl.h"
#include "core/ports/UserPrompts.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

namespace {

// The folder part of a path with its trailing separator; backslashes count for paths written
// the old way.
std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

} // namespace

CRazoDoc::CRazoDoc(Document& document, IniProfile& profile, UserPrompts& prompts, ProcessLauncher& launcher)
    : m_document(document), m_profile(profile), m_prompts(prompts), m_launcher(launcher) {
    m_target.OnCommand(cmd::BrowserTest, [this] { OnBrowserTest(); });
    m_target.OnCommand(cmd::BrowserTest2, [this] { OnBrowserTest2(); });
    m_target.OnUpdate(cmd::FileSave, [this](CmdUI& ui) { ui.Enable(m_document.IsModified()); });
}

bool CRazoDoc::OnNewDocument() {
    m_bNewDocument = 1;
    return true;
}

bool CRazoDoc::TestAndClearNewFlag() {
    if (m_bNewDocument == 0)
        return false;
    m_bNewDocument = 0;
    return true;
}

bool CRazoDoc::OnSaveDocument(const std::string& path, TextControl* viewControl) {
    // Once saved, the view's own Undo must not take back the last insertion.
    if (viewControl)
        viewControl->SetModify(true);
    // Recorded before the write, so a failed save still moves the browse folder.
    Write(m_profile, settings::WorkingDir, FolderOf(path));
    return m_document.SaveTo(path);
}

void CRazoDoc::OnBrowserTest() {
    Preview(false);
}

void CRazoDoc::OnBrowserTest2() {
    Preview(true);
}

void CRazoDoc::Preview(bool secondBrowser) {
    const std::string browser = Read(m_profile, secondBrowser ? settings::Browser2 : settings::Browser);
    const std::string path = m_document.PathName();
    if (path.empty()) {
        m_prompts.Message(preview::SaveFirstMessage, MessageIcon::None);
        return;
    }
    if (browser.empty()) {
        m_prompts.Message(preview::NoBrowserMessage, MessageIcon::None);
        return;
    }
    if (m_document.IsModified())
        OnSaveDocument(path, m_viewControl);
    // The path goes to the browser as one argument of its own, never through a shell.
    const auto launch = BrowserLaunchFor(browser, path);
    if (!launch || !m_launcher.StartDetached(launch->program, launch->arguments))
        m_prompts.Message(preview::CannotStartMessage, MessageIcon::None);
}

} // namespace razo
