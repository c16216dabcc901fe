#pragma once
// The desktop's style, with each of its standard icons read once: every toolbar and the menu bar
// ask for the same extension arrows, and the style would read their images again each time.
#include <QHash>
#include <QProxyStyle>

namespace razo {

class SharedIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    mutable QHash<int, QIcon> m_icons;
};

} // namespace razo
