#include "core/elements/EditTag.h"

#include <algorithm>

#include "core/dialogs/DialogRunner.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/ElementServices.h"
#include "core/elements/ElementView.h"
#include "core/markup/MarkupStyle.h"
#include "core/markup/TagFinder.h"
#include "core/ports/Document.h"
#include "core/ports/TextControl.h"
#include "core/ports/UserPrompts.h"
#include "core/resources/Strings.h"
#include "core/settings/MarkupStyleSetting.h"
#include "core/text/MessageText.h"

namespace razo {

namespace {

// Gathers what the families register for editing; their commands and dialogs are not needed.
class EditableCollector : public ElementRegistry {
public:
    explicit EditableCollector(std::vector<TagEditorCommand>& commands) : m_commands(commands) {}
    void DialogCommand(int, RegisteredDialog, Handler) override {}
    void SubDialog(RegisteredDialog) override {}
    void EditableCommand(int id, EditableFactory make) override {
        m_commands.push_back({id, std::move(make)});
    }

private:
    std::vector<TagEditorCommand>& m_commands;
};

// How much of the page is read around the caret: the longest tag, and the reach within which
// an end tag's start tag is looked for.
constexpr markup::ScanLimits Limits{};

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// "<B>" or "</B>", for a note that names the tag.
std::string Shown(std::string_view page, const markup::TagToken& tag) {
    return std::string(tag.kind == markup::TagKind::End ? "</" : "<") + std::string(tag.Name(page)) + ">";
}

struct FoundTag {
    markup::TagToken tag;
    std::string note; // why there is nothing to edit, when there is not
};

FoundTag FindStartTag(std::string_view page, std::size_t caret) {
    const auto tag = markup::TagAtCaret(page, caret, Limits);
    if (!tag)
        return {{}, strings::NoTagAtCaret};
    switch (tag->kind) {
    case markup::TagKind::Start:
        return {*tag, ""};
    case markup::TagKind::End:
        if (const auto start = markup::MatchingTag(page, *tag, Limits))
            return {*start, ""};
        return {*tag, FillMessage(strings::NoStartTag, {Shown(page, *tag)})};
    case markup::TagKind::Comment:
        return {*tag, strings::CommentHasNoDialog};
    default:
        return {*tag, strings::DeclarationHasNoDialog};
    }
}

} // namespace

const std::vector<TagEditorCommand>& TagEditorCommands() {
    static const std::vector<TagEditorCommand> commands = [] {
        std::vector<TagEditorCommand> gathered;
        EditableCollector collector(gathered);
        RegisterElementFamilies(collector);
        return gathered;
    }();
    return commands;
}

std::unique_ptr<EditableElement> ChooseEditor(const markup::StartTag& tag, ElementServices& services) {
    std::unique_ptr<EditableElement> best;
    int bestCover = -1;
    for (const TagEditorCommand& command : TagEditorCommands()) {
        auto editor = command.make(services);
        if (!markup::SameName(editor->Element(), tag.name))
            continue;
        const int cover = editor->Covers(tag);
        if (cover > bestCover) {
            bestCover = cover;
            best = std::move(editor);
        }
    }
    return best;
}

void EditTagAtCaret(ElementView& view, ElementServices& services) {
    TextControl& control = view.Control();
    long selStart = 0, selEnd = 0;
    control.GetSel(selStart, selEnd);
    const long caret = control.CaretPos().value_or(selEnd);
    const long length = control.TextLength();
    const long from = std::max(0L, caret - static_cast<long>(Limits.reach + Limits.tag));
    const long to = std::min(length, caret + static_cast<long>(Limits.tag));
    const std::string window = control.GetByteRange(from, to);

    const FoundTag found = FindStartTag(window, static_cast<std::size_t>(caret - from));
    if (!found.note.empty()) {
        services.prompts.StatusNote(found.note);
        return;
    }
    const std::string_view raw =
        std::string_view(window).substr(found.tag.begin, found.tag.end - found.tag.begin);
    const auto tag = markup::ParseStartTag(control.HoldsUtf8() ? std::string(raw) : Latin1ToUtf8(raw));
    std::unique_ptr<EditableElement> editor = tag ? ChooseEditor(*tag, services) : nullptr;
    if (!editor) {
        services.prompts.StatusNote(FillMessage(strings::TagHasNoDialog, {Shown(window, found.tag)}));
        return;
    }
    TagReading reading(*tag);
    editor->Read(reading);
    if (!services.dialogs.RunModal(editor->Dialog()))
        return;
    BuildContext context{editor->Expanded(), services.profile, services.prompts, view.GetDocument(),
                         &reading};
    // The style applies to what the dialog wrote; the attributes it kept stay as the page has them.
    std::string written =
        markup::ApplyMarkupStyle(editor->Write(context) + ">", StoredMarkupStyle(services.profile));
    written.pop_back();
    const std::string rewritten = written + reading.Rest() + (tag->selfClosing ? " />" : ">");
    control.SetSel(from + static_cast<long>(found.tag.begin), from + static_cast<long>(found.tag.end));
    control.ReplaceSel(rewritten, true);
    control.ScrollCaret();
    view.GetDocument().SetModifiedFlag(true);
}

} // namespace razo
