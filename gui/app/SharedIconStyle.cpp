#include "gui/app/SharedIconStyle.h"

#include <QWidget>

namespace razo {

QIcon SharedIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                    const QWidget* widget) const {
    // An option may ask for a state of its own; only the plain icon is kept, once per direction.
    if (option != nullptr)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const bool rightToLeft = widget != nullptr && widget->layoutDirection() == Qt::RightToLeft;
    const int key = int(standardIcon) * 2 + (rightToLeft ? 1 : 0);
    if (const auto found = m_icons.constFind(key); found != m_icons.constEnd())
        return *found;
    const QIcon icon = QProxyStyle::standardIcon(standardIcon, option, widget);
    m_icons.insert(key, icon);
    return icon;
}

} // namespace razo
