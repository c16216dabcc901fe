#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/dialogs/DialogRunner.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/elements/ElementServices.h"
#include "core/elements/ElementView.h"

namespace razo {

class Document;
class TagReading;

// What a builder may use besides its dialog's members.
struct BuildContext {
    bool expanded; // what SaveLayoutChoice returned; false for a dialog with one layout
    IniProfile& profile;
    UserPrompts& prompts;
    const Document& document;
    // The tag from the page the dialog was filled from, when it rewrites one (Edit Tag).
    const TagReading* reading = nullptr;

    // MakeRelativePath for this document: records `value` in the remembered list `section`
    // ("" for the URLs) and returns it relative to the document's folder.
    std::string RelativePath(const std::string& value, const std::string& section = "") const;
    // A URL attribute's value as the tag gets it: as the page had it when the dialog was filled
    // from the page and the value was left alone; else made relative (or, when not `relative`,
    // as entered), and remembered either way.
    std::string UrlAsWritten(std::string_view attribute, const std::string& value, bool relative,
                             const std::string& section) const;
};

// Where an element command runs.
struct ElementContext {
    ElementView& view;
    ElementServices& services;

    BuildContext Build(bool expanded) const;
};

inline void InsertTags(ElementView& view, const TagPair& tags) {
    view.InsertTagPair(tags.start, tags.end, tags.atTop);
}
inline void InsertTags(ElementView& view, const std::optional<TagPair>& tags) {
    if (tags)
        InsertTags(view, *tags);
}

namespace detail {

// An expandable dialog gets the profile first, a dialog that asks for them the services (the
// clock, the system's language); others only the extra arguments.
template <class Dialog, class... Args>
std::unique_ptr<Dialog> MakeDialog(ElementServices& services, const Args&... args) {
    if constexpr (std::is_constructible_v<Dialog, ElementServices&, const Args&...>)
        return std::make_unique<Dialog>(services, args...);
    else if constexpr (std::is_constructible_v<Dialog, IniProfile&, const Args&...>)
        return std::make_unique<Dialog>(services.profile, args...);
    else
        return std::make_unique<Dialog>(args...);
}

// Builders come in three shapes: (dialog), (dialog, expanded) and (dialog, BuildContext).
template <class Dialog, class Build>
auto CallBuilder(const Build& build, const Dialog& dialog, const BuildContext& context) {
    if constexpr (std::is_invocable_v<const Build&, const Dialog&, const BuildContext&>)
        return build(dialog, context);
    else if constexpr (std::is_invocable_v<const Build&, const Dialog&, bool>)
        return build(dialog, context.expanded);
    else
        return build(dialog);
}

} // namespace detail

// The pattern of every element command: run the dialog; on OK (and only then) an expandable
// dialog stores its layout, and the built texts go into the view once.
template <class Dialog, class Build, class... Args>
void RunElementCommand(ElementContext& context, const Build& build, const Args&... args) {
    auto dialog = detail::MakeDialog<Dialog>(context.services, args...);
    if (!context.services.dialogs.RunModal(*dialog))
        return;
    bool expanded = false;
    if constexpr (std::is_base_of_v<CExpandDialog, Dialog>)
        expanded = dialog->SaveLayoutChoice() != 0;
    InsertTags(context.view, detail::CallBuilder(build, *dialog, context.Build(expanded)));
}

} // namespace razo
