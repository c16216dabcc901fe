#pragma once
#include <vector>

namespace razo {

// Every command id that a menu of either menu bar, a toolbar button or a key sends, each once, in
// ascending order. The recent-file list is there by its first entry.
std::vector<int> SentCommandIds();

} // namespace razo
