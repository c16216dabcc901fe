#pragma once
#include <QObject>
#include <QPoint>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace razo {

// Help for what the user points at. Shift+F1 turns the pointer into a question mark until the
// next click: a click on a toolbar button or a menu item opens that command's help page instead
// of running it, a click on a menu bar title opens the menu, a click anywhere else opens the
// contents, and Esc leaves. F1 while a menu is open opens the page of the highlighted item.
// Pages are named by their link ("menu-font.html#font.bold"); an empty link is the contents.
class ContextHelp : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void(const QString& link)> show;
        std::function<void(bool active)> modeChanged; // to show and clear the prompt
    };

    ContextHelp(Hooks hooks, QObject* parent);
    ~ContextHelp() override;

    void Enter();
    void Leave();
    bool Active() const { return m_active; }

    // The help link of a command id (a recent-file entry is the list's), empty for none.
    static QString CommandLink(int commandId);
    // What a click at `pos` in `widget` asks help for.
    static QString LinkAt(QWidget* widget, QPoint pos);
    // The item of an open menu: its command's entry, a submenu's or an empty place's menu page.
    static QString MenuItemLink(QMenu* menu, QAction* action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Closes the open menus and shows the link once they are gone.
    void Answer(const QString& link);

    Hooks m_hooks;
    bool m_active = false;
    bool m_swallowRelease = false;
};

} // namespace razo
