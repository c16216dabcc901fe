#pragma once
#include <QScrollArea>
#include <QSize>

class QBoxLayout;
class QLayout;

namespace razo {

// The fields of a dialog taller or wider than the screen, in a frameless area that scrolls; the
// dialog's buttons stay outside it, always in reach. The area asks for its page's whole size, so
// the dialog is measured as if nothing scrolled, and keeps the focused field in view. The wheel
// scrolls the page over a list too: a list changes its choice by wheel only when it has the focus.
class FieldsScrollArea : public QScrollArea {
    Q_OBJECT
public:
    // Moves `fields` out of `holder` into a new page of the area, which takes its place.
    FieldsScrollArea(QBoxLayout* holder, QLayout* fields, QWidget* dialog);

    QSize sizeHint() const override;
    // Takes in fields shown or hidden since the last measure.
    void Remeasure();
    // The width of a scroll bar and the gap beside it.
    int ScrollBarRoom() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFocus(QWidget* now);
};

} // namespace razo
