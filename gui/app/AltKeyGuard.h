#pragma once
#include <QObject>

namespace razo {

// An Alt+letter that matches no mnemonic, menu or accelerator would reach the focused widget as
// typing, so a mistyped mnemonic would put a letter into the page or a dialog field. It is
// swallowed with a beep instead. Keys with Ctrl or Meta, and AltGr characters (which the system
// does not report as Alt), pass as they are.
class AltKeyGuard : public QObject {
public:
    using QObject::QObject;
    // Guards every window of the application for as long as `owner` lives.
    static void Install(QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace razo
