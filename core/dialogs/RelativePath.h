#pragma once
#include <string>

namespace razo {

struct RelativePathResult {
    std::string path;
    bool convertSlashes = true; // the document's own title is returned as it stands
};

// `value` relative to the folder of the document at `docPath` (whose title is its file name),
// when it is a local path on the same drive (drive-letter paths, compared without regard to
// letter case) or, for a POSIX document, an absolute path (compared case-sensitively, as the
// file system does). Anything else comes back unchanged.
RelativePathResult RelativeToDocument(const std::string& value, const std::string& docPath,
                                      const std::string& docTitle);

} // namespace razo
