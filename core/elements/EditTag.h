#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/elements/EditableElement.h"

namespace razo {

class ElementRegistry;
class ElementView;
struct ElementServices;

// An element command whose dialog can rewrite a start tag of the page.
struct TagEditorCommand {
    int id;
    EditableFactory make;
};

// Every such command, in menu order: what the element families register.
const std::vector<TagEditorCommand>& TagEditorCommands();

// The dialog for a tag named `element` (any case) whose fields take most of the tag's
// attributes, one that finds a value for each of its required fields before any that does not;
// the earliest in menu order among equals. Nothing when no command builds it.
std::unique_ptr<EditableElement> ChooseEditor(const markup::StartTag& tag, ElementServices& services);

// Edit Tag: finds the start tag at the caret (or the one whose end tag the caret is in, or that
// ends right before the caret), opens the dialog that builds it filled from the tag, and on OK
// puts what the dialog writes in place of the start tag alone, as one step of Undo. Attributes
// the dialog has no field for follow the known ones as written. Anything that is not such a tag
// gets a note in the status bar.
void EditTagAtCaret(ElementView& view, ElementServices& services);

} // namespace razo
