#pragma once

namespace razo {

class CDialog;
class FieldAccess;
class UserPrompts;

// What a running dialog's own handlers may use: its fields, the user prompts (message boxes
// and choosers that belong to the dialog) and a runner for sub-dialogs, which are modal to it.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual FieldAccess& Fields() = 0;
    virtual UserPrompts& Prompts() = 0;
    // Runs `subDialog` modally above this dialog; true when it ended with OK.
    virtual bool RunModal(CDialog& subDialog) = 0;
};

} // namespace razo
