#include "gui/app/MenuBarFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>
#include <QTimer>

namespace razo {

void MenuBarFocus::Attach(QMenuBar* bar) {
    bar->installEventFilter(new MenuBarFocus(bar));
}

MenuBarFocus::MenuBarFocus(QMenuBar* bar) : QObject(bar), m_bar(bar) {
    connect(qApp, &QApplication::focusChanged, this, &MenuBarFocus::FocusChanged);
}

void MenuBarFocus::FocusChanged(QWidget* old, QWidget* now) {
    if (now == m_bar && old != nullptr && old != m_bar && old->window() == m_bar->window())
        m_cameFrom = old;
}

void MenuBarFocus::GiveBack() {
    if (m_cameFrom && m_bar->hasFocus())
        m_cameFrom->setFocus(Qt::MenuBarFocusReason);
}

bool MenuBarFocus::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_bar)
        return false;
    if (event->type() == QEvent::Shortcut) {
        // A menu's Alt+letter: the bar notes where the keyboard is as it opens the menu.
        GiveBack();
    } else if (event->type() == QEvent::FocusIn) {
        // The bar takes the keyboard for its menus with its own reason; any other way in (the
        // window active again) finds no menu in use.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::MenuBarFocusReason && reason != Qt::PopupFocusReason)
            QTimer::singleShot(0, this, [this] {
                if (m_bar->activeAction() == nullptr)
                    GiveBack();
            });
    }
    return false;
}

} // namespace razo
