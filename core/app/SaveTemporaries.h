#pragma once
#include <string>

#include "core/app/ProcessIdentity.h"

namespace razo {

// The temporary file a save writes beside its page before renaming it over the page:
// ".<name>.razo-<run>-<n>.tmp", where <run> names the saving process (see RunName), so that one
// left by a process that was killed can be told from one still being written.
std::string SaveTemporaryPath(const std::string& page, const ProcessIdentity& self, unsigned serial);

// Removes from `folder` the temporary files of saves whose process has ended: the user's own
// regular files of that form only. Returns how many went.
int RemoveStaleSaveTemporaries(const std::string& folder, const ProcessTable& table);

} // namespace razo
