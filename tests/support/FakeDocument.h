#pragma once
#include <string>
#include <vector>

#include "core/ports/Document.h"

namespace razo::test {

class FakeDocument : public Document {
public:
    std::string path;
    std::string title = "HTML1";
    bool modified = false;
    bool saveSucceeds = true;
    std::vector<std::string> savedTo;

    std::string PathName() const override { return path; }
    std::string Title() const override { return title; }
    bool IsModified() const override { return modified; }
    void SetModifiedFlag(bool on) override { modified = on; }
    bool SaveTo(const std::string& target) override {
        savedTo.push_back(target);
        if (saveSucceeds)
            modified = false;
        return saveSucceeds;
    }
};

} // namespace razo::test
