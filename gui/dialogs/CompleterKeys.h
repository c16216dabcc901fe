#pragma once
#include <QObject>

class QCompleter;

namespace razo {

// The remembered-entries popup of a dialog field passes on the keys that belong to the dialog:
// Return with no entry chosen confirms the dialog with the text as typed, and a mnemonic
// (Alt+letter) closes the popup before it moves to its control, so that what is typed next
// goes there. Return on an entry chosen with the arrow keys takes that entry, and Escape closes
// the popup, as the completer does.
class CompleterKeys : public QObject {
public:
    // Watches the popup of `completer` for as long as the completer lives.
    static void Attach(QCompleter& completer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CompleterKeys(QCompleter& completer);

    QCompleter& m_completer;
};

} // namespace razo
