#pragma once
#include <string>

namespace razo {

class DialogRunner;
class IniProfile;
class SystemInfo;
class UserPrompts;

// What an element command needs besides its view (the document comes from the view).
struct ElementServices {
    IniProfile& profile;
    DialogRunner& dialogs;
    UserPrompts& prompts;
    const SystemInfo& system;
};

// The texts one element command puts around the selection.
struct TagPair {
    std::string start;
    std::string end;
    bool atTop = false;

    bool operator==(const TagPair&) const = default;
};

} // namespace razo
