#include "core/elements/AttributeRows.h"

#include "core/dialogs/Colours.h"

namespace razo::rows {

bool InExpandedPart(const DialogTemplate& dialogTemplate, int control) {
    if (!dialogTemplate.expandable || control == 0)
        return false;
    const ControlTemplate* found = dialogTemplate.Find(control);
    return found && found->part == LayoutPart::Expanded;
}

bool FitsControl(const DialogTemplate& dialogTemplate, int control, std::string_view value,
                 std::string& out) {
    const ControlTemplate* found = control ? dialogTemplate.Find(control) : nullptr;
    if (!found || found->kind != ControlKind::ListCombo) {
        out = std::string(value);
        return true;
    }
    const std::string* spelling = nullptr;
    for (const std::string& entry : found->entries) {
        if (entry == value)
            spelling = &entry;
        else if (!spelling && markup::SameName(entry, value))
            spelling = &entry;
    }
    if (!spelling)
        return false;
    out = *spelling;
    return true;
}

bool IsNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool ReadColour(const DialogTemplate& dialogTemplate, int nameList, std::string_view value, std::string& name,
                std::string& number) {
    std::string_view digits = value;
    if (!digits.empty() && digits.front() == '#')
        digits.remove_prefix(1);
    if (IsColourNumber(std::string(digits))) {
        name = NoColourName;
        number = std::string(digits);
        return true;
    }
    std::string entry;
    if (value == NoColourName || !FitsControl(dialogTemplate, nameList, value, entry) ||
        entry == NoColourName)
        return false;
    name = entry;
    number.clear();
    return true;
}

} // namespace razo::rows
