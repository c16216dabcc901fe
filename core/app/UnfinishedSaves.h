#pragma once
#include <string>
#include <vector>

#include "core/app/ProcessIdentity.h"
#include "core/app/SaveJournal.h"

namespace razo {

// A save into an existing file that did not finish: its process ended while the file held
// neither its old nor its new text. The old text is in the journal.
struct UnfinishedSave {
    std::string file; // the journal
    SaveJournal journal;
    std::size_t headerSize = 0;
};

// The unfinished saves whose journals are in `folder` (see WriteIntoFile); `page` non-empty: only
// those of that file, under any of its names. Journals no longer needed go on the way: of saves
// that finished or never touched their file, of files deleted or replaced since, and journals
// never made whole. Only the user's own journals in the user's own folder are looked at, and
// only those of processes that have ended.
std::vector<UnfinishedSave> FindUnfinishedSaves(const std::string& folder, const std::string& page,
                                                const ProcessTable& table = ProcessTable::System());

// Puts the old text back into the file, then removes the journal. 0, or an errno with the file
// untouched: EIO when the journal does not hold the whole old text, ESTALE when the file under
// the name is no longer the one the journal was made for.
int RestoreUnfinishedSave(const UnfinishedSave& save);

// The file stays as it is; the journal goes.
void DismissUnfinishedSave(const UnfinishedSave& save);

} // namespace razo
