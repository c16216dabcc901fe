#pragma once
#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

namespace razo {

// The menu bar holds the keyboard only while its menus are used from the keyboard; then it goes
// back to where it came from (the page). Two ways left it on the bar, where typing goes nowhere:
// a menu opened by its Alt+letter while the bar already held the keyboard (Alt+F, Escape, Alt+E)
// made the bar note itself as the place to give it back to; and a window left while the bar held
// the keyboard (Alt+F, Escape, Ctrl+J) got the bar back as its focus when it was active again.
class MenuBarFocus : public QObject {
public:
    // Watches `bar` for as long as it lives.
    static void Attach(QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MenuBarFocus(QMenuBar* bar);
    void FocusChanged(QWidget* old, QWidget* now);
    void GiveBack();

    QMenuBar* m_bar;
    QPointer<QWidget> m_cameFrom;
};

} // namespace razo
