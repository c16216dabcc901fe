#include "gui/dialogs/FieldsScrollArea.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace razo {

namespace {
// Pixels kept in view round a field that takes the focus.
constexpr int FocusRoom = 4;
// Below this a screen's size is not to be believed.
constexpr QSize MinimumRoom(160, 120);
} // namespace

FieldsScrollArea::FieldsScrollArea(QBoxLayout* holder, QLayout* fields, QWidget* dialog)
    : QScrollArea(dialog) {
    setObjectName(QStringLiteral("fields"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    const int index = holder->indexOf(fields);
    const int stretch = holder->stretch(index);
    holder->removeItem(fields);
    fields->setParent(nullptr);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fieldsPage"));
    // Never squeezed below its natural size: what does not fit scrolls.
    page->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    auto* column = new QVBoxLayout(page);
    // A gap between the fields and the scroll bar beside them.
    column->setContentsMargins(0, 0, std::max(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing), 6),
                               0);
    column->addLayout(fields); // takes the fields' widgets with it
    column->addStretch(1);     // rows keep their height when the page is taller than they need
    setWidget(page);
    holder->insertWidget(index, this, stretch);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { ShowFocus(now); });
    for (QComboBox* list : page->findChildren<QComboBox*>())
        list->installEventFilter(this);
}

bool FieldsScrollArea::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QComboBox*>(watched);
    if (event->type() != QEvent::Wheel || !list || list->hasFocus())
        return QScrollArea::eventFilter(watched, event);
    QCoreApplication::sendEvent(verticalScrollBar(), event);
    return true;
}

QSize FieldsScrollArea::sizeHint() const {
    return widget()->sizeHint().grownBy(contentsMargins());
}

void FieldsScrollArea::Remeasure() {
    widget()->layout()->invalidate();
    widget()->layout()->activate();
    updateGeometry();
    // The page's new least size, and the scroll bars it needs, at once rather than at the next
    // event loop: the dialog is sized right after.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &request);
}

// The whole field and a little room round it, not only its text cursor as ensureWidgetVisible
// would: a field cut at its edge looks like a drawing fault.
void FieldsScrollArea::ShowFocus(QWidget* now) {
    if (!now || !widget()->isAncestorOf(now))
        return;
    const QRect field(now->mapTo(widget(), QPoint()), now->size());
    const int room = FocusRoom;
    ensureVisible(field.center().x(), field.center().y(), field.width() / 2 + room,
                  field.height() / 2 + room);
}

int FieldsScrollArea::ScrollBarRoom() const {
    const int spacing = style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, this)
                            ? style()->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, nullptr, this)
                            : 0;
    return std::max(verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height()) +
           std::max(spacing, 0);
}

QSize RoomOnScreen(const QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget() : &dialog;
    const QScreen* screen = owner->screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    // A title bar and the frame's edges, generously: window managers draw their own.
    const int titleBar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog);
    const int edge = dialog.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &dialog);
    const QSize available = screen->availableGeometry().size();
    if (available.width() < MinimumRoom.width() || available.height() < MinimumRoom.height())
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX}; // a screen that reports no real size
    return {available.width() - 2 * edge, available.height() - 2 * titleBar};
}

QSize FitInto(QSize wanted, QSize room, int scrollBarExtent) {
    QSize fitted = wanted;
    if (fitted.height() > room.height()) {
        fitted.setHeight(room.height());
        fitted.rwidth() += scrollBarExtent;
    }
    if (fitted.width() > room.width()) {
        fitted.setWidth(room.width());
        fitted.setHeight(std::min(fitted.height() + scrollBarExtent, room.height()));
    }
    return fitted;
}

} // namespace razo
