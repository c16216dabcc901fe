#include "gui/dialogs/CompleterKeys.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>

namespace razo {

namespace {

bool IsMnemonic(const QKeyEvent& key) {
    const int code = key.key();
    return (key.modifiers() & Qt::AltModifier) && !(key.modifiers() & Qt::ControlModifier) &&
           ((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9));
}

bool IsReturn(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

void CompleterKeys::Attach(QCompleter& completer) {
    // Filters run latest first: this one sees the keys before the completer's own.
    completer.popup()->installEventFilter(new CompleterKeys(completer));
}

CompleterKeys::CompleterKeys(QCompleter& completer) : QObject(&completer), m_completer(completer) {}

bool CompleterKeys::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* popup = m_completer.popup();
    QWidget* field = m_completer.widget();
    if (watched != popup || !field)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    // A mnemonic is a shortcut of the dialog: the popup goes before the shortcut is looked up.
    if (event->type() == QEvent::ShortcutOverride && IsMnemonic(key)) {
        popup->hide();
        return false;
    }
    if (event->type() == QEvent::KeyPress && IsReturn(key) && !popup->currentIndex().isValid()) {
        popup->hide();
        // As if the popup had not been open: the field passes Return on to the dialog's OK.
        QKeyEvent again(key.type(), key.key(), key.modifiers(), key.text());
        QCoreApplication::sendEvent(field, &again);
        return true;
    }
    return false;
}

} // namespace razo
