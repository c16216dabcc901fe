#pragma once
#include <QObject>

class QAbstractButton;
class QButtonGroup;

namespace razo {

// The arrow keys in a radio group move to the next choice and choose it, in the group's order
// and round from the last to the first: Down and Right forwards, Up and Left back.
class RadioGroupKeys : public QObject {
public:
    // Adds `button`, already in `group`, to the buttons the group's arrow keys move between.
    static void Watch(QButtonGroup& group, QAbstractButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit RadioGroupKeys(QButtonGroup& group);
    void Step(QAbstractButton& from, int step);

    QButtonGroup& m_group;
};

} // namespace razo
