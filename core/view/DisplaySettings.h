#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/dialogs/DialogBase.h"

namespace razo {

class DialogRunner;
class IniProfile;

// The classic logical-font record, as the "Font" section stores it. Meaning of the fields the
// GUI maps onto its own font type:
// - height: in pixels. Negative: the character height (em height, without internal leading),
//   the usual way of asking for a point size. Positive: the cell height (ascent plus descent).
//   0: no display font chosen; views keep the edit control's default font.
// - weight: 0 = the font's default, 400 = normal, 700 = bold (100..900 in steps of 100).
// - italic, underline, strikeOut: 0 off, anything else on.
// - pitchAndFamily: low two bits the pitch (0 default, 1 fixed, 2 variable), high four bits the
//   family (0x00 don't care, 0x10 roman, 0x20 swiss, 0x30 modern, 0x40 script, 0x50 decorative).
// - faceName: UTF-8, at most MaxFaceNameLength characters.
// Width, escapement, orientation, charSet and the precisions are kept but never stored.
struct LogFont {
    static constexpr std::size_t MaxFaceNameLength = 31;

    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;

    // Stores `name` cut to MaxFaceNameLength characters, never inside a UTF-8 sequence.
    void SetFaceName(std::string_view name);

    bool operator==(const LogFont&) const = default;
};

// The display settings shared by every view: one set for the whole program. New views take
// word wrap, syntax colouring and line numbers from it; font and tab stops are re-read whenever a
// view is activated.
struct DisplaySettings {
    int s_bWordWrap = 0;
    int s_bSyntaxColouring = 1;
    int s_bLineNumbers = 1;
    LogFont s_lfDisplayFont;
    LogFont s_lfSavedFont; // the font as last read or written, so only changed fields are written
    int s_nTabStops = 0;   // dialog units: 4 per character
};
DisplaySettings& ProgramDisplaySettings();

// Each view's construction: word wrap, font and tab stops from the profile.
void LoadViewSettings(const IniProfile& profile, DisplaySettings& settings = ProgramDisplaySettings());
// A height of 0 leaves every other field of `font` as it was.
void LoadFontSetting(const IniProfile& profile, std::string_view section, LogFont& font);
// Writes the fields that differ from `saved`, then makes `saved` a copy of `font`. A height of
// 0 writes only "Height".
void SaveFontSetting(IniProfile& profile, std::string_view section, const LogFont& font, LogFont& saved);
// View activation: the font and the tab stops another view may have changed.
void ReloadActivatedViewSettings(const IniProfile& profile,
                                 DisplaySettings& settings = ProgramDisplaySettings());

// Tab stops are stored in dialog units, four per character.
int TabStopsToCharacters(int dialogUnits);
int CharactersToTabStops(int characters);

// The font chooser's answer: nullopt on Cancel (nothing changes), otherwise the chosen font
// becomes the display font and is written to the profile.
void OnDisplayFontChosen(IniProfile& profile, const std::optional<LogFont>& chosen,
                         DisplaySettings& settings = ProgramDisplaySettings());

// Word wrap toggled in a view that wraps now (or not): returns the view's new state, which
// becomes the state of new views and is written to the profile.
bool OnToggleWordWrap(IniProfile& profile, bool wrapsNow,
                      DisplaySettings& settings = ProgramDisplaySettings());

// Syntax colouring and line numbers toggled in a view, as word wrap is.
bool OnToggleSyntaxColouring(IniProfile& profile, bool colouredNow,
                             DisplaySettings& settings = ProgramDisplaySettings());
bool OnToggleLineNumbers(IniProfile& profile, bool shownNow,
                         DisplaySettings& settings = ProgramDisplaySettings());

// The tab stop dialog.
class CTabStopsDialog : public DialogBase<CTabStopsDialog> {
public:
    static constexpr int IDD = 228;
    static constexpr int IdTabWidth = 1214;
    static DialogTemplate MakeTemplate();

    void DoDataExchange(CDataExchange& dx) override;

    int m_nTabWidth = 0; // characters
};

// "Set Tabstops...": returns the new tab stop value in dialog units on OK (the caller applies
// TabStopsToCharacters of it to the view), nullopt on Cancel.
std::optional<int> OnSetTabStops(IniProfile& profile, DialogRunner& runner,
                                 DisplaySettings& settings = ProgramDisplaySettings());

} // namespace razo
