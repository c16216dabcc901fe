#include "core/resources/Accelerators.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

// Several commands keep a second, older key beside their Ctrl letter (Ctrl+Ins, Shift+Ins,
// Shift+Del, Alt+Backspace). Keys are written as Qt's portable text writes them, so a key read
// back from a shortcut compares equal to its row here.
constexpr Accelerator kAccelerators[] = {
    {"Ctrl+1", cmd::Heading1},
    {"Ctrl+2", cmd::Heading2},
    {"Ctrl+3", cmd::Heading3},
    {"Ctrl+4", cmd::Heading4},
    {"Ctrl+5", cmd::Heading5},
    {"Ctrl+6", cmd::Heading6},
    {"Ctrl+A", cmd::Anchor},
    {"Ctrl+B", cmd::Bold},
    {"Ctrl+C", cmd::EditCopy},
    {"Ctrl+Ins", cmd::EditCopy},
    {"Ctrl+Shift+C", cmd::Centre},
    {"Ctrl+D", cmd::Preformatted},
    {"Ctrl+Shift+D", cmd::TableData},
    {"Ctrl+E", cmd::Emphasis},
    {"Ctrl+F", cmd::EditFind},
    {"Ctrl+Shift+F", cmd::ChooseDisplayFont},
    {"Ctrl+G", cmd::LineBreak},
    {"Ctrl+H", cmd::HorizontalRule},
    {"Ctrl+I", cmd::Italic},
    {"Ctrl+Shift+I", cmd::Image},
    {"Ctrl+J", cmd::Link},
    {"Ctrl+L", cmd::ListItem},
    {"Ctrl+N", cmd::FileNew},
    {"Ctrl+O", cmd::FileOpen},
    {"Ctrl+Shift+O", cmd::OrderedList},
    {"Ctrl+P", cmd::Paragraph},
    {"Ctrl+Q", cmd::Blockquote},
    {"Ctrl+R", cmd::EditReplace},
    {"Ctrl+Shift+R", cmd::TableRow},
    {"Ctrl+S", cmd::FileSave},
    {"Ctrl+T", cmd::Strong},
    {"Ctrl+U", cmd::Underline},
    {"Ctrl+Shift+U", cmd::UnorderedList},
    {"Ctrl+V", cmd::EditPaste},
    {"Shift+Ins", cmd::EditPaste},
    {"Ctrl+W", cmd::ToggleWordWrap},
    {"Ctrl+X", cmd::EditCut},
    {"Shift+Del", cmd::EditCut},
    {"Ctrl+Y", cmd::RepeatTags},
    {"Ctrl+Z", cmd::EditUndo},
    {"Alt+Backspace", cmd::EditUndo},
    {"Ctrl+Shift+Z", cmd::EditRedo},
    {"F1", cmd::Help},
    {"Shift+F1", cmd::ContextHelp},
    {"F2", cmd::EditTag},
    {"F3", cmd::EditFindNext},
    {"F6", cmd::NextPane},
    {"Shift+F6", cmd::PrevPane},
    {"Ctrl+Shift+G", cmd::GoToLine},
    {"Ctrl+M", cmd::GoToMatchingTag},
};

} // namespace

std::span<const Accelerator> AcceleratorTable() {
    return kAccelerators;
}

const char* PrimaryKeys(int id) {
    for (const Accelerator& row : kAccelerators)
        if (row.id == id)
            return row.keys;
    return nullptr;
}

} // namespace razo
