#pragma once
#include <string>

namespace razo {

class IniProfile;

// Each setting once: its section, key and the default its readers pass.
struct IntSetting {
    const char* section;
    const char* key;
    int defaultValue;
};
struct StringSetting {
    const char* section;
    const char* key;
    const char* defaultValue;
};

int Read(const IniProfile& profile, const IntSetting& setting);
std::string Read(const IniProfile& profile, const StringSetting& setting);
bool Write(IniProfile& profile, const IntSetting& setting, int value);
bool Write(IniProfile& profile, const StringSetting& setting, const std::string& value);

namespace settings {

inline constexpr const char* ProfileFileName = "RAZO.INI";

inline constexpr StringSetting Extension{"Misc", "Extension", "html"};
inline constexpr StringSetting Browser{"Misc", "Browser", ""};
inline constexpr StringSetting Browser2{"Misc", "Browser2", ""};
inline constexpr StringSetting WorkingDir{"Misc", "Working Dir", ""};

inline constexpr IntSetting RelativePath{"Editing", "RelativePath", 1};
// The path conversion treats a missing key as off; the Preferences dialog shows it ticked.
inline constexpr IntSetting UnixSlashes{"Editing", "Unix Slashes", 0};
inline constexpr IntSetting UnixSlashesInPreferences{"Editing", "Unix Slashes", 1};
inline constexpr IntSetting RememberLayout{"Editing", "HTML2/HTML32", 0};
inline constexpr IntSetting UrlNumber{"Editing", "URLNumber", 10};
// How every command writes its tags; off writes them as the program always has.
inline constexpr IntSetting LowerCaseNames{"Editing", "LowerCaseNames", 0};
inline constexpr IntSetting QuoteEveryValue{"Editing", "QuoteEveryValue", 0};
// The entry the Document Type dialog opens on; empty selects none, as it always has.
inline constexpr StringSetting DefaultDocumentType{"Editing", "DocumentType", ""};
// The language the HTML5 skeleton last gave its page; empty takes the system's.
inline constexpr StringSetting PageLanguage{"Editing", "PageLanguage", ""};

inline constexpr IntSetting LastLayoutExpanded{"Settings", "HTML3.2", 0};
inline constexpr StringSetting WindowPos{"Settings", "WindowPos", ""};
inline constexpr IntSetting WordWrap{"Settings", "WordWrap", 0};
inline constexpr IntSetting TabStops{"Settings", "TabStops", 20};
inline constexpr IntSetting SyntaxColouring{"Settings", "SyntaxColouring", 1};
inline constexpr IntSetting LineNumbers{"Settings", "LineNumbers", 1};

inline constexpr const char* FontSection = "Font";
inline constexpr IntSetting FontHeight{"Font", "Height", 0};
inline constexpr IntSetting FontWeight{"Font", "Weight", 0};
inline constexpr IntSetting FontItalic{"Font", "Italic", 0};
inline constexpr IntSetting FontUnderline{"Font", "Underline", 0};
inline constexpr IntSetting FontPitchAndFamily{"Font", "PitchAndFamily", 0};
inline constexpr StringSetting FontFaceName{"Font", "FaceName", "System"};

inline constexpr IntSetting LayoutVersion{"Version", "Number", 0};
inline constexpr int CurrentLayoutVersion = 21;

inline constexpr const char* OldWindowSizeSection = "Window size";
inline constexpr const char* OldWindowSizeKeys[] = {"Rect", "iconized", "maximized"};

inline constexpr const char* UrlHistorySection = "URLs";
inline constexpr const char* JavaClassHistorySection = "JavaClasses";

inline constexpr const char* RecentFileSection = "Recent File List";
inline constexpr int RecentFileCount = 8;

} // namespace settings
} // namespace razo
