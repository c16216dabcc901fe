#include "core/prefs/Preferences.h"

#include <optional>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/DialogRunner.h"
#include "core/dialogs/FieldAccess.h"
#include "core/resources/DocumentTypeLines.h"
#include "core/settings/IniProfile.h"
#include "core/settings/NumberText.h"
#include "core/settings/SettingsKeys.h"

namespace razo {
namespace {

constexpr const char* kHtm = "htm";
constexpr const char* kHtml = "html";

int CheckValue(int state) {
    return state == 1 ? 1 : 0;
}

// The decimal index a URL history key stands for; nullopt for keys the history never writes
// (leading zeros, signs, blanks, letters).
std::optional<int> HistoryIndex(const std::string& key) {
    int value = 0;
    if (!ParseNumber(key, value) || std::to_string(value) != key)
        return std::nullopt;
    return value;
}

// This dialog's Browse buttons are captioned "&Browse", not "Browse...".
ControlTemplate ProgramBrowseButton(int id, int fieldId) {
    ControlTemplate button = BrowseButton(id, fieldId, browse::BrowserTitle, browse::ProgramFilter).Beside();
    button.text = "&Browse";
    return button;
}

// Keys newer than the dialog are written once they differ from their default, so the settings
// of someone who never changes them keep the keys they always had.
template <class Setting, class Value>
void WriteNewKey(IniProfile& profile, const Setting& setting, const Value& value) {
    constexpr const char* absent = "\n";
    const bool stored = profile.GetProfileString(setting.section, setting.key, absent) != absent;
    if (stored || value != Value(setting.defaultValue))
        Write(profile, setting, value);
}

} // namespace

DialogTemplate CPreferencesDialog::MakeTemplate() {
    DialogTemplate made = MakeDialogTemplate(
        IDD, "Preferences", 260, 190, false,
        "Sets the preview browsers, the default file extension and document type, how file references and "
        "tags are written and how many URLs are remembered.",
        {
            Edit(IdBrowser, "Primary browser path:")
                .Width(150)
                .Help("The program that \"Browser1 Test\" starts on the saved document."),
            ProgramBrowseButton(IdBrowseBrowser, IdBrowser),
            Edit(IdBrowser2, "Secondary browser path:")
                .Width(150)
                .Help("The program that \"Browser2 Test\" starts on the saved document."),
            ProgramBrowseButton(IdBrowseBrowser2, IdBrowser2),
            ListCombo(IdExtension, "Default file extension:", {kHtm, kHtml})
                .Sorted()
                .Help("The file type of new documents, from the next start on."),
            CheckBox(IdRelativePath, "Relative pathnames")
                .Help("File references chosen with Browse are written relative to the document's folder."),
            CheckBox(IdUnixSlashes, "Convert \\'s to /'s")
                .Help("File references are written with forward slashes."),
            Edit(IdUrlNumber, "Number of items in URL list history:")
                .Width(30)
                .Help("How many URLs the URL lists remember, from 1 to 100."),
            CheckBox(IdRememberLayout, "Remember HTML 2/HTML 3.2 selection")
                .Help("Element dialogs open in the layout last used."),
            ListCombo(IdDocumentType, "Default document type:", DocumentTypeEntries())
                .Help("The entry the Document Type list opens on, also when a new document gets its standard "
                      "tags; empty opens it on none."),
            CheckBox(IdLowerCaseNames, "Write tag and attribute names in lower case")
                .Help("Every command writes <p class=x> rather than <P CLASS=x>."),
            CheckBox(IdQuoteEveryValue, "Quote every attribute value")
                .Help("Every command writes WIDTH=\"80\" rather than WIDTH=80."),
        });
    made.confirms = "OK stores every setting at once.";
    return made;
}

void CPreferencesDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdBrowser, m_strBrowser);
    DDX_Text(dx, IdExtension, m_strExtension);
    DDX_Check(dx, IdRelativePath, m_bRelativePath);
    DDX_Text(dx, IdUrlNumber, m_nUrlNumber);
    DDV_MinMaxInt(dx, m_nUrlNumber, MinUrlNumber, MaxUrlNumber);
    DDX_Check(dx, IdUnixSlashes, m_bUnixSlashes);
    DDX_Text(dx, IdBrowser2, m_strBrowser2);
    DDX_Check(dx, IdRememberLayout, m_bRememberLayout);
    DDX_CBString(dx, IdDocumentType, m_strDocumentType);
    DDX_Check(dx, IdLowerCaseNames, m_bLowerCaseNames);
    DDX_Check(dx, IdQuoteEveryValue, m_bQuoteEveryValue);
}

void CPreferencesDialog::OnInitDialog(DialogHost& host) {
    const bool htm = Read(m_profile, settings::Extension) == kHtm;
    host.Fields().SelectListString(IdExtension, htm ? kHtm : kHtml);
}

void TrimUrlHistory(IniProfile& profile, int oldNumber, int newNumber) {
    if (newNumber >= oldNumber)
        return;
    // Walk the stored keys rather than every index: a hand-edited length may be huge.
    for (const std::string& key : profile.KeyNames(settings::UrlHistorySection)) {
        const auto index = HistoryIndex(key);
        if (index && *index >= newNumber && *index < oldNumber)
            profile.WriteProfileString(settings::UrlHistorySection, key, std::nullopt);
    }
}

bool OnPreferences(IniProfile& profile, DialogRunner& runner) {
    CPreferencesDialog dialog(profile);
    dialog.m_strBrowser = Read(profile, settings::Browser);
    dialog.m_strBrowser2 = Read(profile, settings::Browser2);
    dialog.m_strExtension = Read(profile, settings::Extension);
    dialog.m_bRelativePath = Read(profile, settings::RelativePath);
    dialog.m_bRememberLayout = Read(profile, settings::RememberLayout);
    dialog.m_nUrlNumber = Read(profile, settings::UrlNumber);
    dialog.m_bUnixSlashes = Read(profile, settings::UnixSlashesInPreferences);
    dialog.m_strDocumentType = Read(profile, settings::DefaultDocumentType);
    dialog.m_bLowerCaseNames = Read(profile, settings::LowerCaseNames);
    dialog.m_bQuoteEveryValue = Read(profile, settings::QuoteEveryValue);
    const int oldUrlNumber = dialog.m_nUrlNumber;

    if (!runner.RunModal(dialog))
        return false;

    Write(profile, settings::Browser, dialog.m_strBrowser);
    Write(profile, settings::Browser2, dialog.m_strBrowser2);
    Write(profile, settings::Extension, dialog.m_strExtension);
    Write(profile, settings::RelativePath, CheckValue(dialog.m_bRelativePath));
    Write(profile, settings::RememberLayout, CheckValue(dialog.m_bRememberLayout));
    Write(profile, settings::UrlNumber, dialog.m_nUrlNumber);
    Write(profile, settings::UnixSlashes, CheckValue(dialog.m_bUnixSlashes));
    WriteNewKey(profile, settings::DefaultDocumentType, dialog.m_strDocumentType);
    WriteNewKey(profile, settings::LowerCaseNames, CheckValue(dialog.m_bLowerCaseNames));
    WriteNewKey(profile, settings::QuoteEveryValue, CheckValue(dialog.m_bQuoteEveryValue));
    TrimUrlHistory(profile, oldUrlNumber, dialog.m_nUrlNumber);
    return true;
}

} // namespace razo
