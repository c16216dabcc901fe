#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"

namespace razo {

class DialogRunner;
class IniProfile;

// The Preferences dialog: the two preview browsers, the default file extension and document type,
// how file references and tags are written, whether the expandable dialogs remember their layout
// and how long the URL history is.
class CPreferencesDialog : public DialogBase<CPreferencesDialog> {
public:
    static constexpr int IDD = 185;
    static constexpr int IdBrowser = 1113;
    static constexpr int IdBrowseBrowser = 1114;
    static constexpr int IdBrowser2 = 1115;
    static constexpr int IdBrowseBrowser2 = 1116;
    static constexpr int IdExtension = 1257;
    static constexpr int IdRelativePath = 1051;
    static constexpr int IdUrlNumber = 1181;
    static constexpr int IdUnixSlashes = 1184;
    static constexpr int IdRememberLayout = 1254;
    static constexpr int IdDocumentType = 1260;
    static constexpr int IdLowerCaseNames = 1261;
    static constexpr int IdQuoteEveryValue = 1262;
    static constexpr int MinUrlNumber = 1;
    static constexpr int MaxUrlNumber = 100;

    static DialogTemplate MakeTemplate();

    // `profile` gives OnInitDialog the stored extension.
    explicit CPreferencesDialog(const IniProfile& profile) : m_profile(profile) {}

    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;

    std::string m_strBrowser;
    std::string m_strExtension;
    int m_bRelativePath = 0;
    int m_nUrlNumber = 0;
    int m_bUnixSlashes = 0;
    std::string m_strBrowser2;
    int m_bRememberLayout = 0;
    std::string m_strDocumentType;
    int m_bLowerCaseNames = 0;
    int m_bQuoteEveryValue = 0;

private:
    const IniProfile& m_profile;
};

namespace browse {
inline constexpr const char* BrowserTitle = "Please specify your browser executable";
// Programs on this platform are executable files of any name.
inline constexpr const char* ProgramFilter = "Program files (*)|*||";
} // namespace browse

// "Preferences...": loads the settings into the dialog and, on OK, writes them all back and
// drops the remembered URLs beyond a lowered history length. Returns whether OK was pressed.
bool OnPreferences(IniProfile& profile, DialogRunner& runner);

// Deletes the "URLs" entries with an index from `newNumber` up to `oldNumber` - 1.
void TrimUrlHistory(IniProfile& profile, int oldNumber, int newNumber);

} // namespace razo
