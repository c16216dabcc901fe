#include "gui/app/DialogHelpKey.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "gui/help/HelpWindow.h"

namespace razo {

namespace {

constexpr const char* HelpLinkProperty = "razoHelpLink";

} // namespace

DialogHelpKey::DialogHelpKey(ShowLink show, QObject* parent) : QObject(parent), m_show(std::move(show)) {
    qApp->installEventFilter(this);
}

void DialogHelpKey::SetHelpLink(QWidget& dialog, const QString& link) {
    dialog.setProperty(HelpLinkProperty, link);
}

bool DialogHelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_F1 || (key.modifiers() & ~Qt::KeypadModifier))
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (!qobject_cast<QDialog*>(window) || qobject_cast<HelpWindow*>(window))
        return false;
    m_show(window->property(HelpLinkProperty).toString());
    return true;
}

} // namespace razo
