#pragma once
#include <string>

namespace razo {

struct RelativePathResult {
    std::string path;
    bool convertSlashes = true; // the document's own title is returned as it stands
};

// Whether a path names a file or folder that is there.
using LocalPathTest = bool (*)(const std::string& path);
// The disk's answer, unless a LocalPathOverride is in place.
bool LocalPathExists(const std::string& path);

// Puts another answer in place of the disk's for its lifetime: for tests whose documents live in
// made-up folders.
class LocalPathOverride {
public:
    explicit LocalPathOverride(LocalPathTest test);
    ~LocalPathOverride();
    LocalPathOverride(const LocalPathOverride&) = delete;
    LocalPathOverride& operator=(const LocalPathOverride&) = delete;

private:
    LocalPathTest m_previous;
};

// `value` relative to the folder of the document at `docPath` (whose title is its file name),
// when it is a local path on the same drive (drive-letter paths, compared without regard to
// letter case) or, for a POSIX document, an absolute path that `exists` (compared
// case-sensitively, as the file system does): a value from the root that names nothing there is a
// site-root URL. A protocol-relative URL ("//host/...") and anything else come back unchanged.
RelativePathResult RelativeToDocument(const std::string& value, const std::string& docPath,
                                      const std::string& docTitle, LocalPathTest exists = LocalPathExists);

} // namespace razo
