#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs/DialogTemplate.h"

namespace razo {

class FieldAccess;
class UserPrompts;

// Colours are 0x00BBGGRR, as the colour chooser port passes them.
using Rgb = unsigned;
inline constexpr Rgb MakeRgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}
inline constexpr unsigned RedOf(Rgb c) {
    return c & 0xFF;
}
inline constexpr unsigned GreenOf(Rgb c) {
    return (c >> 8) & 0xFF;
}
inline constexpr unsigned BlueOf(Rgb c) {
    return (c >> 16) & 0xFF;
}
inline constexpr Rgb White = MakeRgb(255, 255, 255);

inline constexpr const char* NoColourName = "(None)";

struct NamedColour {
    const char* name;
    Rgb value;
};
// The 140 named colours, in alphabetical order.
const std::vector<NamedColour>& NamedColours();
// Name-list entries: "(None)" and the 16 HTML 3.2 names, or "(None)" and all 140.
const std::vector<std::string>& Html32ColourNames();
const std::vector<std::string>& ExtendedColourNames();
const std::vector<std::string>& ColourNameList(ColourNames names);

// The controls of one colour field, in one row: the name list (labelled with the field's label,
// filled from its vocabulary), the number edit, the Select button and the field's own swatch.
// Templates list these, so the controls and the field's description cannot disagree.
std::vector<ControlTemplate> ColourFieldControls(const ColourFieldSpec& field);

// Exact, lower-case match; anything else is black.
Rgb LookupNamedColour(const std::string& name);
// Six characters, each a hexadecimal digit.
bool IsColourNumber(const std::string& text);
// White when the text is not a colour number.
Rgb ColourNumberToRGB(const std::string& text);
// Six upper-case hexadecimal digits RRGGBB.
std::string RGBToColourNumber(Rgb colour);
// " NAME=name" for a chosen name, " NAME=\"#number\"" for a number, "" for neither.
std::string FormatColourAttribute(const std::string& attribute, const std::string& colourName,
                                  const std::string& colourNumber);

// The state of one sample control: "Sample " in the text colour on the back colour. Until a text
// colour is set the text follows the back colour, so a background sample is a plain patch.
class CColourSwatch {
public:
    void SetTextColour(Rgb colour);
    void SetBackColour(Rgb colour);

    Rgb m_crText = White;
    Rgb m_crBack = White;
    int m_bTextSet = 0;
};

// The colour fields of one dialog working together: name list, number edit, Select button and
// the swatches each drives. The renderer forwards the three notifications and repaints the
// swatches a call returns (their ids); Swatch(id) gives the colours to paint.
class ColourFieldGroup {
public:
    explicit ColourFieldGroup(const std::vector<ColourFieldSpec>& fields);

    // The field a control belongs to, or nullptr.
    const ColourFieldSpec* FieldOf(int controlId) const;
    const CColourSwatch* Swatch(int id) const;

    // A name chosen in a name list: shows it and empties the number.
    std::vector<int> OnNameChanged(int nameListId, FieldAccess& fields);
    // The number edit changed: a complete number shows its colour and resets the name to "(None)".
    std::vector<int> OnNumberChanged(int numberId, FieldAccess& fields);
    // Select: the colour chooser, starting at the number's colour; on OK the number is written
    // (and handled as a number change).
    std::vector<int> OnSelect(int selectId, FieldAccess& fields, UserPrompts& prompts);

private:
    std::vector<int> Apply(const ColourFieldSpec& field, Rgb colour);

    std::vector<ColourFieldSpec> m_fields;
    std::map<int, CColourSwatch> m_swatches;
};

} // namespace razo
