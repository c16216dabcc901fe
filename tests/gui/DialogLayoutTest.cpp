// Every registered dialog template, rendered in each of its layouts: nothing clipped, nothing
// overlapping, every control inside the window. With RAZO_SCREENSHOT_DIR set, each layout is
// also saved there as a PNG for a person to look at.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "core/dialogs/ExpandDialog.h"
#include "core/help/TemplateRegistry.h"
#include "core/settings/IniProfile.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/help/HelpPages.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/Screenshots.h"
#include "tests/support/TempDir.h"

using namespace razo;
using razo::testing::WithTitleBar;

namespace {

QRect InWindow(QWidget* widget, QWidget* window) {
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

// The controls a person reads or uses, without the parts inside combo boxes.
QList<QWidget*> VisibleControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(child) || qobject_cast<QLineEdit*>(child) ||
                             qobject_cast<QComboBox*>(child) || qobject_cast<QAbstractButton*>(child) ||
                             qobject_cast<QGroupBox*>(child);
        const bool ownWidget = child->parentWidget() == window ||
                               qobject_cast<QGroupBox*>(child->parentWidget()) ||
                               child->parentWidget()->objectName() == "fieldsPage";
        if (control && ownWidget && child->isVisible())
            controls << child;
    }
    return controls;
}

QString Describe(QWidget* widget) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        text = box->title();
    return QStringLiteral("%1 \"%2\"").arg(widget->metaObject()->className(), text);
}

QString FileName(const DialogTemplate& t, bool expanded) {
    QString slug = QString::fromStdString(t.title).toLower();
    slug.replace(QRegularExpression("[^a-z0-9]+"), "-");
    slug.remove(QRegularExpression("-$"));
    QString name = QStringLiteral("%1-%2").arg(t.idd).arg(slug);
    if (t.expandable)
        name += expanded ? "-expanded" : "-short";
    return name + ".png";
}

} // namespace

class DialogLayoutTest : public QObject {
    Q_OBJECT

    // A field given the focus by its mnemonic, or sent back to after a refused value, scrolls
    // into view: from the bottom up, so that each one starts out of view.
    void CheckFocusScrollsIntoView(DialogWindow& window, QWidget& page) {
        QWidget* viewport = page.parentWidget();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QList<QWidget*> fields = page.findChildren<QWidget*>();
        std::reverse(fields.begin(), fields.end());
        for (QWidget* field : fields) {
            if (!field->isVisible() || !field->isEnabled() || !(field->focusPolicy() & Qt::TabFocus))
                continue;
            field->setFocus(Qt::ShortcutFocusReason);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(viewport->rect().contains(QRect(focus->mapTo(viewport, QPoint()), focus->size())),
                     qPrintable(Describe(focus) + " has the focus out of view"));
        }
    }

    // The wheel scrolls the page even when the pointer passes over a list, which keeps its choice
    // unless it has the focus.
    void CheckWheelScrollsPastLists(DialogWindow& window, QWidget& page) {
        auto* scroll = window.findChild<QScrollArea*>("fields");
        QScrollBar* bar = scroll->verticalScrollBar();
        if (bar->maximum() == 0)
            return;
        for (QComboBox* list : page.findChildren<QComboBox*>()) {
            if (!list->isVisible() || !list->isEnabled() || list->count() < 2 || list->hasFocus())
                continue;
            list->setCurrentIndex(0);
            bar->setValue(0);
            const QPoint at = list->rect().center();
            QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &wheel);
            QVERIFY2(list->currentIndex() == 0, qPrintable(Describe(list) + " changed under the wheel"));
            QVERIFY2(bar->value() > 0, "the wheel did not scroll the page");
            return;
        }
    }

    void CheckLayout(DialogWindow& window) {
        // The whole title shows in a bold title bar, beside the window's icon, close and
        // maximise buttons.
        QFont bold = window.font();
        bold.setBold(true);
        const int title = QFontMetrics(bold).horizontalAdvance(window.windowTitle()) +
                          3 * window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        QVERIFY2(window.width() >= title, qPrintable(window.windowTitle() + " is cut in its title bar"));
        // The window and its title bar fit the screen; fields that do not fit scroll.
        const QSize screen = window.screen()->availableGeometry().size();
        const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        QVERIFY2(window.width() <= screen.width() && window.height() + titleBar <= screen.height(),
                 qPrintable(window.windowTitle() + " is bigger than the screen"));
        // Also after the layout toggle made it taller where it stood.
        QVERIFY2(window.screen()->availableGeometry().contains(window.frameGeometry()),
                 qPrintable(window.windowTitle() + " reaches off the screen"));
        auto* page = window.findChild<QWidget*>("fieldsPage");
        if (auto* scroll = window.findChild<QScrollArea*>("fields");
            scroll && window.width() < screen.width())
            QVERIFY2(!scroll->horizontalScrollBar()->isVisible(),
                     qPrintable(window.windowTitle() + " scrolls sideways with room to spare"));
        const QList<QWidget*> controls = VisibleControls(&window);
        for (QWidget* control : controls) {
            // Inside the window, or inside the page of fields that scrolls in it.
            QWidget* surface = page && page->isAncestorOf(control) ? page : &window;
            const QRect rect = InWindow(control, surface);
            QVERIFY2(surface->rect().contains(rect),
                     qPrintable(Describe(control) + " sticks out of the window"));
            const QSize needed = control->minimumSizeHint();
            QVERIFY2(control->width() >= needed.width() && control->height() >= needed.height(),
                     qPrintable(Describe(control) + " is clipped"));
            auto* label = qobject_cast<QLabel*>(control);
            if (label && !label->wordWrap())
                QVERIFY2(label->width() >= label->sizeHint().width(),
                         qPrintable(Describe(control) + " is cut"));
        }
        if (page) {
            CheckFocusScrollsIntoView(window, *page);
            CheckWheelScrollsPastLists(window, *page);
        }
        for (QWidget* a : controls) {
            for (QWidget* b : controls) {
                if (a >= b || a->parentWidget() != b->parentWidget())
                    continue;
                QVERIFY2(!InWindow(a, &window).intersects(InWindow(b, &window)),
                         qPrintable(Describe(a) + " overlaps " + Describe(b)));
            }
        }
    }

private slots:
    void everyLayoutFits_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("expanded");
        const auto& all = AllDialogTemplates();
        for (size_t i = 0; i < all.size(); ++i) {
            for (bool expanded : {false, true}) {
                if (expanded && !all[i]->expandable)
                    continue;
                QTest::addRow("%s", qPrintable(FileName(*all[i], expanded))) << int(i) << expanded;
            }
        }
    }
    void everyLayoutFits() {
        QFETCH(int, index);
        QFETCH(bool, expanded);
        const DialogTemplate& t = *AllDialogTemplates()[size_t(index)];
        test::TempDir dir;
        IniProfile profile(dir.File("RAZO.INI"));
        test::FakeUserPrompts prompts;
        QtDialogRunner runner(profile, prompts);
        std::unique_ptr<CDialog> dialog =
            t.expandable ? std::make_unique<CExpandDialog>(t, profile) : std::make_unique<CDialog>(t);
        const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR");
        bool checked = false;
        runner.onShow = [&](DialogWindow& window) {
            QTimer::singleShot(0, &window, [&] {
                if (QTest::qWaitForWindowExposed(&window)) {
                    if (expanded)
                        QTest::mouseClick(window.Control(IdToggle), Qt::LeftButton);
                    CheckLayout(window);
                    checked = true;
                    if (!folder.isEmpty()) {
                        QDir().mkpath(folder);
                        WithTitleBar(window).save(QDir(folder).filePath(FileName(t, expanded)));
                    }
                }
                window.reject();
            });
        };
        runner.RunModal(*dialog);
        QVERIFY(checked);
    }

    void everyTemplateHasAHelpPage() {
        for (const DialogTemplate* t : AllDialogTemplates()) {
            const QString page = DialogHelpPage(t->HelpContext());
            QVERIFY2(page.contains("<h1>" + QString::fromStdString(t->title).toHtmlEscaped() + "</h1>"),
                     t->title.c_str());
        }
        QVERIFY(DialogHelpPage(0x20000).isEmpty());
        QVERIFY(DialogHelpPage(0x20000 + 139).contains("Alignment:"));
    }
};

QTEST_MAIN(DialogLayoutTest)
#include "DialogLayoutTest.moc"
