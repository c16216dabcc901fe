#include "core/dialogs/Colours.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/dialogs/FieldAccess.h"
#include "core/ports/UserPrompts.h"

namespace razo {

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned HexByte(const std::string& text, size_t at) {
    return static_cast<unsigned>(std::strtoul(text.substr(at, 2).c_str(), nullptr, 16));
}

} // namespace

const std::vector<std::string>& Html32ColourNames() {
    static const std::vector<std::string> names = {
        NoColourName, "aqua",  "black",  "blue", "fuchsia", "gray", "green", "lime",   "maroon",
        "navy",       "olive", "purple", "red",  "silver",  "teal", "white", "yellow",
    };
    return names;
}

const std::vector<std::string>& ExtendedColourNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list{NoColourName};
        for (const auto& colour : NamedColours())
            list.emplace_back(colour.name);
        return list;
    }();
    return names;
}

const std::vector<std::string>& ColourNameList(ColourNames names) {
    return names == ColourNames::Extended ? ExtendedColourNames() : Html32ColourNames();
}

std::vector<ControlTemplate> ColourFieldControls(const ColourFieldSpec& field) {
    std::vector<ControlTemplate> controls = {
        ListCombo(field.nameListId, field.label + ":", ColourNameList(field.names)),
        Edit(field.numberId, "").Beside().Width(36),
        PushButton(field.selectId, "Select").Beside(),
    };
    if (!field.swatchIds.empty())
        controls.push_back(Swatch(field.swatchIds.front()).Beside());
    return controls;
}

bool IsColourNumber(const std::string& text) {
    return text.size() == 6 && std::all_of(text.begin(), text.end(), IsHexDigit);
}

Rgb ColourNumberToRGB(const std::string& text) {
    if (!IsColourNumber(text))
        return White;
    return MakeRgb(HexByte(text, 0), HexByte(text, 2), HexByte(text, 4));
}

std::string RGBToColourNumber(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
    return text;
}

std::string FormatColourAttribute(const std::string& attribute, const std::string& colourName,
                                  const std::string& colourNumber) {
    if (!colourName.empty() && colourName != NoColourName)
        return " " + attribute + "=" + colourName;
    if (!colourNumber.empty())
        return " " + attribute + "=\"#" + colourNumber + "\"";
    return {};
}

void CColourSwatch::SetTextColour(Rgb colour) {
    m_crText = colour;
    m_bTextSet = 1;
}

void CColourSwatch::SetBackColour(Rgb colour) {
    m_crBack = colour;
    if (!m_bTextSet)
        m_crText = colour;
}

ColourFieldGroup::ColourFieldGroup(const std::vector<ColourFieldSpec>& fields) : m_fields(fields) {
    for (const auto& field : m_fields)
        for (int id : field.swatchIds)
            m_swatches[id];
}

const ColourFieldSpec* ColourFieldGroup::FieldOf(int controlId) const {
    for (const auto& field : m_fields)
        if (field.nameListId == controlId || field.numberId == controlId || field.selectId == controlId)
            return &field;
    return nullptr;
}

const CColourSwatch* ColourFieldGroup::Swatch(int id) const {
    auto found = m_swatches.find(id);
    return found == m_swatches.end() ? nullptr : &found->second;
}

std::vector<int> ColourFieldGroup::Apply(const ColourFieldSpec& field, Rgb colour) {
    if (field.swatchIds.empty())
        return {};
    if (field.role == ColourRole::Text) {
        m_swatches[field.swatchIds.front()].SetTextColour(colour);
        return {field.swatchIds.front()};
    }
    for (int id : field.swatchIds)
        m_swatches[id].SetBackColour(colour);
    return field.swatchIds;
}

std::vector<int> ColourFieldGroup::OnNameChanged(int nameListId, FieldAccess& fields) {
    const ColourFieldSpec* field = FieldOf(nameListId);
    if (!field)
        return {};
    std::string name = fields.GetText(nameListId);
    if (name == NoColourName)
        return {};
    auto repaint = Apply(*field, LookupNamedColour(name));
    fields.SetText(field->numberId, "");
    return repaint;
}

std::vector<int> ColourFieldGroup::OnNumberChanged(int numberId, FieldAccess& fields) {
    const ColourFieldSpec* field = FieldOf(numberId);
    if (!field)
        return {};
    std::string number = fields.GetText(numberId);
    if (!IsColourNumber(number))
        return {};
    auto repaint = Apply(*field, ColourNumberToRGB(number));
    fields.SelectListString(field->nameListId, NoColourName);
    return repaint;
}

std::vector<int> ColourFieldGroup::OnSelect(int selectId, FieldAccess& fields, UserPrompts& prompts) {
    const ColourFieldSpec* field = FieldOf(selectId);
    if (!field)
        return {};
    // The chooser starts at the colour the field shows: its number, else its named colour.
    const std::string number = fields.GetText(field->numberId);
    const std::string name = fields.GetText(field->nameListId);
    const bool named = !IsColourNumber(number) && !name.empty() && name != NoColourName;
    auto chosen = prompts.ChooseColour(named ? LookupNamedColour(name) : ColourNumberToRGB(number));
    if (!chosen)
        return {};
    fields.SetText(field->numberId, RGBToColourNumber(*chosen));
    return OnNumberChanged(field->numberId, fields);
}

} // namespace razo
