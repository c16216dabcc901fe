#pragma once
#include <optional>
#include <type_traits>

#include "dialogs/DialogRunner.h"
#include "dialogs/ExpandDialog.h"
#include "elements/ElementServices.h"
#include "view/RazoView.h"

namespace razo {

inline void InsertTags(CRazoView& view, const TagPair& tags) {
    view.InsertTagPair(tags.start, tags.end, tags.atTop);
}
inline void InsertTags(CRazoView& view, const std::optional<TagPair>& tags) {
    if (tags)
        InsertTags(view, *tags);
}

// The pattern of every element command: run the dialog; on OK (and only then) an expandable
// dialog stores its layout, and the built texts go into the view once. `build` takes the dialog,
// plus the expanded flag for an expandable dialog.
template <class Dialog, class Build>
void RunElementCommand(CRazoView& view, ElementServices& services, Dialog& dialog, Build build) {
    if (!services.dialogs.RunModal(dialog))
        return;
    if constexpr (std::is_base_of_v<CExpandDialog, Dialog>) {
        bool expanded = dialog.SaveLayoutChoice() != 0;
        InsertTags(view, build(dialog, expanded));
    } else {
        InsertTags(view, build(dialog));
    }
}

} // namespace razo
