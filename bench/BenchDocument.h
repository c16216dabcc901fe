#pragma once
// A document with no file behind it, for benchmarks that drive a view over a page.
#include <string>

#include "core/ports/Document.h"

namespace razo::bench {

class BenchDocument : public Document {
public:
    std::string PathName() const override { return {}; }
    std::string Title() const override { return "HTML1"; }
    bool IsModified() const override { return m_modified; }
    void SetModifiedFlag(bool modified) override { m_modified = modified; }
    bool SaveTo(const std::string&) override { return true; }

private:
    bool m_modified = false;
};

} // namespace razo::bench
