#pragma once

namespace razo {

class CDialog;

// Runs a dialog modally (the GUI's renderer; a scripted fake in tests).
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Shows the dialog's template, runs the load exchange and OnInitDialog, and lets the user
    // work. On OK it runs DoDataExchange in save mode; when that fails the dialog stays open.
    // Returns true once OK was pressed and the exchange succeeded (the members then hold the
    // values), false on Cancel.
    virtual bool RunModal(CDialog& dialog) = 0;
};

} // namespace razo
