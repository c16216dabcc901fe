#pragma once
#include <string>

namespace razo {

// What the view and the element commands need of their document.
class Document {
public:
    virtual ~Document() = default;
    // Full path of the file, empty while the document was never saved.
    virtual std::string PathName() const = 0;
    // Title as shown: the file name of a saved document, "HTML1"... for a new one.
    virtual std::string Title() const = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModifiedFlag(bool modified) = 0;
    // Writes the document to `path`; false when the save failed (the user has been told why).
    virtual bool SaveTo(const std::string& path) = 0;
};

} // namespace razo
