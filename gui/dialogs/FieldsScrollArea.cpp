#include "gui/dialogs/FieldsScrollArea.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace razo {

namespace {
// Pixels kept in view round a field that takes the focus.
constexpr int FocusRoom = 4;
} // namespace

FieldsScrollArea::FieldsScrollArea(QBoxLayout* holder, QLayout* fields, QWidget* dialog)
    : QScrollArea(dialog) {
    setObjectName(QStringLiteral("fields"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // Tab goes from field to field, never to the area itself
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

} // namespace razo
