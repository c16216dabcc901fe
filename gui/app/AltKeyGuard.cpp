#include "gui/app/AltKeyGuard.h"

#include <QApplication>
#include <QKeyEvent>

namespace razo {

void AltKeyGuard::Install(QObject* owner) {
    qApp->installEventFilter(new AltKeyGuard(owner));
}

bool AltKeyGuard::eventFilter(QObject*, QEvent* event) {
    // Mnemonics and shortcuts are matched before the key is sent as a key press, so only the
    // ones nothing wanted get here.
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers = key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (modifiers != Qt::AltModifier || key->text().isEmpty() || !key->text().front().isPrint())
        return false;
    QApplication::beep();
    return true;
}

} // namespace razo
