#include "core/dialogs/DialogTemplate.h"

#include <utility>

namespace razo {

namespace {

ControlTemplate Make(ControlKind kind, int id, std::string text) {
    ControlTemplate c;
    c.kind = kind;
    c.id = id;
    c.text = std::move(text);
    return c;
}

} // namespace

ControlTemplate ControlTemplate::Sorted() const {
    auto c = *this;
    c.sorted = true;
    return c;
}

ControlTemplate ControlTemplate::Expanded() const {
    auto c = *this;
    c.part = LayoutPart::Expanded;
    return c;
}

ControlTemplate ControlTemplate::Beside() const {
    auto c = *this;
    c.besidePrevious = true;
    return c;
}

ControlTemplate ControlTemplate::TextOnLeft() const {
    auto c = *this;
    c.textOnLeft = true;
    return c;
}

ControlTemplate ControlTemplate::GroupStart() const {
    auto c = *this;
    c.groupStart = true;
    return c;
}

ControlTemplate ControlTemplate::Disabled() const {
    auto c = *this;
    c.disabled = true;
    return c;
}

ControlTemplate ControlTemplate::Width(int dialogUnits) const {
    auto c = *this;
    c.widthHint = dialogUnits;
    return c;
}

ControlTemplate ControlTemplate::Help(std::string what) const {
    auto c = *this;
    c.help = std::move(what);
    return c;
}

ControlTemplate Label(std::string text) {
    return Make(ControlKind::Label, IdStatic, std::move(text));
}

ControlTemplate Edit(int id, std::string label) {
    return Make(ControlKind::Edit, id, std::move(label));
}

ControlTemplate ListCombo(int id, std::string label, std::vector<std::string> entries) {
    auto c = Make(ControlKind::ListCombo, id, std::move(label));
    c.entries = std::move(entries);
    return c;
}

ControlTemplate EditableCombo(int id, std::string label, std::vector<std::string> entries) {
    auto c = Make(ControlKind::EditableCombo, id, std::move(label));
    c.entries = std::move(entries);
    return c;
}

ControlTemplate UrlCombo(int id, std::string label, HistoryList list) {
    auto c = Make(ControlKind::EditableCombo, id, std::move(label));
    c.sorted = true;
    c.history = list;
    return c;
}

ControlTemplate CheckBox(int id, std::string text) {
    return Make(ControlKind::CheckBox, id, std::move(text));
}

ControlTemplate RadioButton(int id, std::string text) {
    return Make(ControlKind::RadioButton, id, std::move(text));
}

ControlTemplate GroupBox(std::string title, int span) {
    auto c = Make(ControlKind::GroupBox, IdStatic, std::move(title));
    c.span = span;
    return c;
}

ControlTemplate PushButton(int id, std::string text) {
    return Make(ControlKind::PushButton, id, std::move(text));
}

ControlTemplate BrowseButton(int id, int fieldId, std::string title, std::string filter) {
    auto c = Make(ControlKind::PushButton, id, "Browse...");
    c.browse = BrowseSpec{fieldId, std::move(title), std::move(filter)};
    c.besidePrevious = true;
    return c;
}

ControlTemplate Swatch(int id) {
    auto c = Make(ControlKind::ColourSwatch, id, "Sample ");
    c.besidePrevious = true;
    return c;
}

DialogTemplate MakeDialogTemplate(int idd, std::string title, int width, int height, bool expandable,
                                  std::string inserts, std::vector<ControlTemplate> controls) {
    DialogTemplate t;
    t.idd = idd;
    t.title = std::move(title);
    t.width = width;
    t.height = height;
    t.expandable = expandable;
    t.inserts = std::move(inserts);
    t.controls = std::move(controls);
    return t;
}

const ControlTemplate* DialogTemplate::Find(int id) const {
    for (const auto& c : controls)
        if (c.id == id && id != IdStatic)
            return &c;
    return nullptr;
}

std::vector<int> DialogTemplate::RadioGroupIds(int firstId) const {
    std::vector<int> ids;
    for (const auto& c : controls) {
        if (ids.empty()) {
            if (c.id == firstId && c.kind == ControlKind::RadioButton)
                ids.push_back(c.id);
            continue;
        }
        if (c.kind != ControlKind::RadioButton || c.groupStart)
            break;
        ids.push_back(c.id);
    }
    return ids;
}

} // namespace razo
