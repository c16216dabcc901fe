#pragma once
// The light and the dark palette a desktop may give the program, for tests of how it follows them.
#include <QColor>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace razo::testing {

inline QPalette LightPalette() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    return fusion->standardPalette();
}

inline QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x2d, 0x2d, 0x2d), text(0xe6, 0xe6, 0xe6), base(0x1e, 0x1e, 0x1e);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return dark;
}

} // namespace razo::testing
