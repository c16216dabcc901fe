#include "core/app/CopyEdits.h"

namespace razo {

std::optional<std::string> ApplyCopyEdits(std::string_view copy, const std::vector<CopyEdit>& edits) {
    std::string text;
    text.reserve(copy.size() + 4096);
    std::size_t taken = 0;
    for (const CopyEdit& edit : edits) {
        if (edit.copied < taken || edit.copied > copy.size())
            return std::nullopt;
        text.append(copy.substr(taken, edit.copied - taken));
        taken = edit.copied;
        if (edit.position > text.size() || edit.erased > text.size() - edit.position)
            return std::nullopt;
        text.replace(edit.position, edit.erased, edit.inserted);
    }
    text.append(copy.substr(taken));
    return text;
}

} // namespace razo
