#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ProcessIdentity.h"
#include "core/app/SafeSave.h"

namespace razo {

// The way of SaveFileSafely for a file that must keep its identity: the new text is written
// into the existing file, after a journal holding its old text (see SaveJournal) is whole on the
// disk in the backup folder. The journal goes once the new text is on the disk, or once a failed
// write has put the old text back. `expected` is the file the page knew; anything else found
// there before the first byte is written leaves everything as it was (`changed`).
SaveOutcome WriteIntoFile(const std::string& target, const std::vector<std::string_view>& pieces,
                          const FileStamp& expected, const SaveOptions& options, const DiskCalls& calls,
                          const ProcessIdentity& self);

// Puts the old text a journal keeps (at `offset` of `journal`, `length` bytes) back into the
// file `page`, whose size becomes `length`, and flushes it to the disk. 0 or an errno.
int PutOldTextBack(int page, int journal, std::uint64_t offset, std::uint64_t length);

} // namespace razo
