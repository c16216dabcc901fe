#include "core/view/DisplaySettings.h"

#include <algorithm>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogRunner.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace razo {
namespace {

constexpr int kUnitsPerCharacter = 4;
constexpr int kMinTabWidth = 1;
constexpr int kMaxTabWidth = 100;

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int ReadFontInt(const IniProfile& profile, std::string_view section, const IntSetting& key) {
    return profile.GetProfileInt(section, key.key, key.defaultValue);
}

void WriteFontInt(IniProfile& profile, std::string_view section, const IntSetting& key, int value) {
    profile.WriteProfileInt(section, key.key, value);
}

} // namespace

void LogFont::SetFaceName(std::string_view name) {
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < name.size()) {
        if (!IsUtf8Continuation(name[end]) && ++characters > MaxFaceNameLength)
            break;
        ++end;
    }
    faceName.assign(name.substr(0, end));
}

DisplaySettings& ProgramDisplaySettings() {
    static DisplaySettings settings;
    return settings;
}

void LoadViewSettings(const IniProfile& profile, DisplaySettings& settings) {
    settings.s_bWordWrap = Read(profile, settings::WordWrap);
    settings.s_bSyntaxColouring = Read(profile, settings::SyntaxColouring) != 0 ? 1 : 0;
    settings.s_bLineNumbers = Read(profile, settings::LineNumbers) != 0 ? 1 : 0;
    LoadFontSetting(profile, settings::FontSection, settings.s_lfDisplayFont);
    settings.s_lfSavedFont = settings.s_lfDisplayFont;
    settings.s_nTabStops = Read(profile, settings::TabStops);
}

void LoadFontSetting(const IniProfile& profile, std::string_view section, LogFont& font) {
    font.height = ReadFontInt(profile, section, settings::FontHeight);
    if (font.height == 0)
        return;
    font.weight = ReadFontInt(profile, section, settings::FontWeight);
    font.italic = static_cast<std::uint8_t>(ReadFontInt(profile, section, settings::FontItalic));
    font.underline = static_cast<std::uint8_t>(ReadFontInt(profile, section, settings::FontUnderline));
    font.pitchAndFamily =
        static_cast<std::uint8_t>(ReadFontInt(profile, section, settings::FontPitchAndFamily));
    font.SetFaceName(
        profile.GetProfileString(section, settings::FontFaceName.key, settings::FontFaceName.defaultValue));
}

void SaveFontSetting(IniProfile& profile, std::string_view section, const LogFont& font, LogFont& saved) {
    LogFont stored = font;
    stored.SetFaceName(font.faceName);
    if (stored.height != saved.height)
        WriteFontInt(profile, section, settings::FontHeight, stored.height);
    if (stored.height != 0) {
        if (stored.weight != saved.weight)
            WriteFontInt(profile, section, settings::FontWeight, stored.weight);
        if (stored.italic != saved.italic)
            WriteFontInt(profile, section, settings::FontItalic, stored.italic);
        if (stored.underline != saved.underline)
            WriteFontInt(profile, section, settings::FontUnderline, stored.underline);
        if (stored.pitchAndFamily != saved.pitchAndFamily)
            WriteFontInt(profile, section, settings::FontPitchAndFamily, stored.pitchAndFamily);
        if (stored.faceName != saved.faceName)
            profile.WriteProfileString(section, settings::FontFaceName.key, stored.faceName);
    }
    saved = stored;
}

void ReloadActivatedViewSettings(const IniProfile& profile, DisplaySettings& settings) {
    LoadFontSetting(profile, settings::FontSection, settings.s_lfDisplayFont);
    settings.s_nTabStops = Read(profile, settings::TabStops);
}

int TabStopsToCharacters(int dialogUnits) {
    // A negative value can only come from a hand-edited profile; show it as nothing set. One
    // beyond the dialog's range is taken as its widest, which the control can still lay out.
    return dialogUnits < 0 ? 0 : std::min(dialogUnits / kUnitsPerCharacter, kMaxTabWidth);
}

int CharactersToTabStops(int characters) {
    return characters * kUnitsPerCharacter;
}

void OnDisplayFontChosen(IniProfile& profile, const std::optional<LogFont>& chosen,
                         DisplaySettings& settings) {
    if (!chosen)
        return;
    settings.s_lfDisplayFont = *chosen;
    settings.s_lfDisplayFont.SetFaceName(chosen->faceName);
    SaveFontSetting(profile, settings::FontSection, settings.s_lfDisplayFont, settings.s_lfSavedFont);
}

namespace {

// A view's on/off display setting toggled: the view's new state, for new views and the profile.
bool Toggle(IniProfile& profile, const IntSetting& key, bool onNow, int& stored) {
    const bool on = !onNow;
    stored = on ? 1 : 0;
    Write(profile, key, stored);
    return on;
}

} // namespace

bool OnToggleWordWrap(IniProfile& profile, bool wrapsNow, DisplaySettings& settings) {
    return Toggle(profile, settings::WordWrap, wrapsNow, settings.s_bWordWrap);
}

bool OnToggleSyntaxColouring(IniProfile& profile, bool colouredNow, DisplaySettings& settings) {
    return Toggle(profile, settings::SyntaxColouring, colouredNow, settings.s_bSyntaxColouring);
}

bool OnToggleLineNumbers(IniProfile& profile, bool shownNow, DisplaySettings& settings) {
    return Toggle(profile, settings::LineNumbers, shownNow, settings.s_bLineNumbers);
}

DialogTemplate CTabStopsDialog::MakeTemplate() {
    DialogTemplate made =
        MakeDialogTemplate(IDD, "Tabstop setting", 160, 44, false,
                           "Sets how wide a tab is shown in every window. The text itself does not change.",
                           {Edit(IdTabWidth, "Tapstop width:")
                                .Width(30)
                                .Help("How many character widths one tab advances, from 1 to 100.")});
    made.confirms = "OK applies the width to every window and keeps it for the next start.";
    return made;
}

void CTabStopsDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdTabWidth, m_nTabWidth);
    DDV_MinMaxInt(dx, m_nTabWidth, kMinTabWidth, kMaxTabWidth);
}

std::optional<int> OnSetTabStops(IniProfile& profile, DialogRunner& runner, DisplaySettings& settings) {
    CTabStopsDialog dialog;
    dialog.m_nTabWidth = TabStopsToCharacters(Read(profile, settings::TabStops));
    if (!runner.RunModal(dialog))
        return std::nullopt;
    settings.s_nTabStops = CharactersToTabStops(dialog.m_nTabWidth);
    Write(profile, settings::TabStops, settings.s_nTabStops);
    return settings.s_nTabStops;
}

} // namespace razo
