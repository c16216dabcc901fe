// The sixteen toolbars of the real main window: the default layout, the layout kept across a
// restart (hidden, moved, floating, damaged, older versions), buttons that follow their commands,
// entity buttons and tooltips. With RAZO_SCREENSHOT_DIR set, the main window is saved as a PNG.
#include <QHelpEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "core/resources/Toolbars.h"
#include "core/settings/IniProfile.h"
#include "gui/app/CommandActions.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/Toolbars.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;
using razo::testing::OnNextModal;

namespace {

constexpr int kStandard = cmd::ToolbarStandard, kHeading = cmd::ToolbarHeading,
              kCapital = cmd::ToolbarCapital, kSmall = cmd::ToolbarSmall, kOther = cmd::ToolbarOther,
              kFont = cmd::ToolbarFont, kPhrase = cmd::ToolbarPhrase, kList = cmd::ToolbarList,
              kStructure = cmd::ToolbarStructure, kLink = cmd::ToolbarLink, kForm = cmd::ToolbarForm,
              kTable = cmd::ToolbarTable, kJava = cmd::ToolbarJava, kNetscape = cmd::ToolbarNetscape,
              kMicrosoft = cmd::ToolbarMicrosoft;

const char* SideName(DockSide side) {
    switch (side) {
    case DockSide::Top:
        return "Top";
    case DockSide::Bottom:
        return "Bottom";
    case DockSide::Left:
        return "Left";
    case DockSide::Right:
        return "Right";
    }
    return "?";
}

QString Describe(const ToolbarPlacementState& s) {
    return QStringLiteral("%1: %2 row %3 index %4 %5%6")
        .arg(s.controlId)
        .arg(s.floating ? "Floating" : SideName(s.side))
        .arg(s.row)
        .arg(s.index)
        .arg(s.visible ? "shown" : "hidden")
        .arg(s.floating ? QStringLiteral(" at %1,%2").arg(s.x).arg(s.y) : QString());
}

QStringList Describe(const std::vector<ToolbarPlacementState>& states) {
    QStringList lines;
    for (const auto& state : states)
        lines << Describe(state);
    return lines;
}

} // namespace

class ToolbarLayoutTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;

    MainWindow& Window() { return m_run.Window(); }
    QToolBar* Bar(int id) { return Window().findChild<QToolBar*>(QStringLiteral("toolbar%1").arg(id)); }
    MainToolbars& Toolbars() { return *Window().findChild<MainToolbars*>(); }
    QWidget* Button(int barId, int commandId) {
        QToolBar* bar = Bar(barId);
        return bar->widgetForAction(Window().Actions().Action(commandId));
    }
    IniProfile Profile() { return IniProfile(m_run.ProfilePath().toStdString()); }
    void Idle() {
        QCoreApplication::processEvents();
        Window().Dispatcher().RunIdle();
    }
    void WriteSection(int barId, const std::map<std::string, std::string>& values) {
        IniProfile profile = Profile();
        for (const auto& [key, value] : values)
            profile.WriteProfileString(BarStateSection(barId), key, value);
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() { m_run.BeginTest(); }
    void cleanup() { m_run.EndTest(); }

    void barsAreBuiltFromTheTable() {
        m_run.Start();
        QCOMPARE(Window().findChildren<QToolBar*>().size(), qsizetype(Toolbars().Bars().size()));
        for (const ToolbarInfo& info : razo::Toolbars()) {
            QToolBar* bar = Bar(info.controlId);
            QVERIFY2(bar, info.title);
            QCOMPARE(bar->windowTitle(), QString::fromUtf8(info.title));
            const QList<QAction*> actions = bar->actions();
            QCOMPARE(actions.size(), qsizetype(info.buttons.size()));
            for (size_t i = 0; i < info.buttons.size(); ++i) {
                QAction* action = actions[qsizetype(i)];
                const int id = info.buttons[i];
                const QString where = QStringLiteral("%1 button %2").arg(info.title).arg(i + 1);
                QVERIFY2(action->isSeparator() == (id == ToolbarSeparator), qPrintable(where));
                if (id == ToolbarSeparator)
                    continue;
                QCOMPARE(action, Window().Actions().Action(id));
                QVERIFY2(!action->icon().isNull(), qPrintable(where + " has no image"));
                QVERIFY2(!action->icon().pixmap(16, 15).isNull(), qPrintable(where + " draws nothing"));
            }
        }
    }

    void defaultLayoutOnFirstStart() {
        m_run.Start();
        QCOMPARE(Profile().GetProfileInt("Version", "Number", 0), 21);
        QCOMPARE(Describe(Toolbars().CurrentLayout()), Describe(DefaultToolbarStates()));

        // What Qt itself says about the same layout.
        const std::map<int, Qt::ToolBarArea> areas = {
            {kStandard, Qt::TopToolBarArea},    {kHeading, Qt::TopToolBarArea},
            {kFont, Qt::TopToolBarArea},        {kList, Qt::TopToolBarArea},
            {kLink, Qt::TopToolBarArea},        {kPhrase, Qt::TopToolBarArea},
            {kForm, Qt::TopToolBarArea},        {kTable, Qt::TopToolBarArea},
            {kJava, Qt::TopToolBarArea},        {kStructure, Qt::LeftToolBarArea},
            {kNetscape, Qt::BottomToolBarArea}, {kMicrosoft, Qt::BottomToolBarArea},
            {kCapital, Qt::BottomToolBarArea},  {kSmall, Qt::BottomToolBarArea},
            {kOther, Qt::BottomToolBarArea},    {cmd::ToolbarHtml5, Qt::TopToolBarArea}};
        for (const auto& [id, area] : areas) {
            QCOMPARE(Window().toolBarArea(Bar(id)), area);
            const bool symbols = id == kCapital || id == kSmall || id == kOther;
            QVERIFY2(Bar(id)->isVisible() == !symbols, qPrintable(QString::number(id)));
            QCOMPARE(Window().Dispatcher().QueryState(id).checked, std::optional<bool>(!symbols));
        }
        QVERIFY(Window().toolBarBreak(Bar(kFont)));
        QVERIFY(Window().toolBarBreak(Bar(kPhrase)));
        QVERIFY(!Window().toolBarBreak(Bar(kHeading)));
        QVERIFY(!Window().toolBarBreak(Bar(kJava)));
        QVERIFY(!Window().toolBarBreak(Bar(kMicrosoft)));

        // Rows stack from the menu downwards; within a row the bars stand left to right.
        QCOMPARE(Bar(kHeading)->y(), Bar(kStandard)->y());
        QVERIFY(Bar(kHeading)->x() > Bar(kStandard)->x());
        QVERIFY(Bar(kFont)->y() > Bar(kStandard)->y());
        QVERIFY(Bar(kPhrase)->y() > Bar(kFont)->y());
        QVERIFY(Bar(kLink)->x() > Bar(kList)->x() && Bar(kList)->x() > Bar(kFont)->x());
        QVERIFY(Bar(kNetscape)->y() > Bar(kStructure)->y());
        QCOMPARE(Bar(kMicrosoft)->y(), Bar(kNetscape)->y());
        QVERIFY(Bar(cmd::ToolbarHtml5)->y() > Bar(kPhrase)->y());
    }

    void layoutSurvivesRestart_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("change");
        QTest::newRow("hidden by its View toggle") << kFont << "hide";
        QTest::newRow("symbols shown by their View toggle") << kCapital << "show";
        QTest::newRow("moved to the left side") << kPhrase << "left";
        QTest::newRow("moved to a new row at the right") << kHeading << "right";
    }
    void layoutSurvivesRestart() {
        QFETCH(int, bar);
        QFETCH(QString, change);
        m_run.Start();
        if (change == "hide" || change == "show") {
            QVERIFY(Window().Dispatcher().Execute(bar));
            QCOMPARE(Window().Dispatcher().QueryState(bar).checked, std::optional<bool>(change == "show"));
        } else {
            Window().addToolBar(change == "left" ? Qt::LeftToolBarArea : Qt::RightToolBarArea, Bar(bar));
        }
        QCoreApplication::processEvents();
        const auto before = Describe(Toolbars().CurrentLayout());
        QVERIFY(before != Describe(DefaultToolbarStates()));

        m_run.Restart();
        QCOMPARE(Describe(Toolbars().CurrentLayout()), before);
        QCOMPARE(Bar(bar)->isVisible(), change != "hide");
        QCOMPARE(Window().Dispatcher().QueryState(bar).checked, std::optional<bool>(change != "hide"));
        if (change == "left") {
            QCOMPARE(Window().toolBarArea(Bar(bar)), Qt::LeftToolBarArea);
            QCOMPARE(Window().toolBarArea(Bar(kStructure)), Qt::LeftToolBarArea);
        }
        if (change == "right")
            QCOMPARE(Window().toolBarArea(Bar(bar)), Qt::RightToolBarArea);
    }

    void floatingBarComesBackWhereItWas() {
        IniProfile profile = Profile();
        profile.WriteProfileInt("Version", "Number", 21);
        WriteSection(kTable, {{"Visible", "1"}, {"Side", "Floating"}, {"X", "60"}, {"Y", "70"}});
        m_run.Start();
        QVERIFY(Bar(kTable)->isFloating());
        QVERIFY(Bar(kTable)->isVisible());
        QCOMPARE(Bar(kTable)->pos(), QPoint(60, 70));
        // The other bars close the gap it left in its row.
        QCOMPARE(Window().toolBarArea(Bar(kJava)), Qt::TopToolBarArea);

        m_run.Stop();
        QCOMPARE(Profile().GetProfileString(BarStateSection(kTable), "Side", ""), std::string("Floating"));
        QCOMPARE(Profile().GetProfileString(BarStateSection(kTable), "X", ""), std::string("60"));
        QCOMPARE(Profile().GetProfileString(BarStateSection(kTable), "Y", ""), std::string("70"));
    }

    void olderLayoutVersionIsIgnored() {
        IniProfile profile = Profile();
        profile.WriteProfileInt("Version", "Number", 20);
        WriteSection(kFont, {{"Visible", "0"}, {"Side", "Left"}, {"Row", "0"}, {"Index", "0"}});
        m_run.Start();
        QCOMPARE(Describe(Toolbars().CurrentLayout()), Describe(DefaultToolbarStates()));
        QCOMPARE(Profile().GetProfileInt("Version", "Number", 0), 21);
    }

    void damagedStateKeepsEveryBar() {
        IniProfile profile = Profile();
        profile.WriteProfileInt("Version", "Number", 21);
        WriteSection(kStandard, {{"Side", "Nowhere"}, {"Row", "x"}});
        WriteSection(kHeading, {{"Side", "Left"}, {"Row", "-3"}, {"Index", "0"}, {"Visible", "7"}});
        WriteSection(kFont, {{"Side", "Floating"}, {"X", "abc"}});
        WriteSection(kList, {{"Side", "Floating"}, {"X", "900000"}, {"Y", "900000"}, {"Visible", "1"}});
        WriteSection(kForm, {{"Side", "Bottom"}, {"Row", "99999"}, {"Index", "5"}, {"Visible", "1"}});
        WriteSection(kTable, {{"Side", "Bottom"}, {"Row", "99999"}, {"Index", "5"}, {"Visible", "1"}});
        WriteSection(kJava, {{"Visible", "0"}});
        m_run.Start();
        for (const ToolbarInfo& info : razo::Toolbars()) {
            QToolBar* bar = Bar(info.controlId);
            QVERIFY2(bar->isFloating() || Window().toolBarArea(bar) != Qt::NoToolBarArea, info.title);
        }
        for (int id : {kStandard, kHeading, kFont, kForm, kTable}) {
            QToolBar* bar = Bar(id);
            QVERIFY2(bar->isVisible(), qPrintable(QString::number(id)));
            QVERIFY(Window().rect().contains(bar->geometry()));
        }
        QVERIFY(!Bar(kJava)->isVisible());
        // A floating bar saved where no screen is comes back where it can be seen.
        QVERIFY(Bar(kList)->isFloating());
        QVERIFY(Bar(kList)->screen()->availableGeometry().intersects(Bar(kList)->geometry()));
    }

    void layoutIsSavedWhenTheCloseIsCancelled() {
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("cancel.html", "text");
        QVERIFY(window);
        window->Control().SetSel(0, 0);
        window->Control().ReplaceSel("more ", true);
        QVERIFY(Window().Dispatcher().Execute(kLink));
        bool asked = false;
        OnNextModal(m_run.Pending(), [&asked](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            asked = box != nullptr;
            if (box)
                box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!Window().close());
        QVERIFY(asked);
        QVERIFY(Window().isVisible());
        QCOMPARE(Profile().GetProfileString(BarStateSection(kLink), "Visible", ""), std::string("0"));
    }

    void buttonsFollowTheirCommands() {
        m_run.Start();
        Idle();
        QVERIFY(Button(kStandard, cmd::FileNew)->isEnabled());
        QVERIFY(Button(kStandard, cmd::Preferences)->isEnabled());
        for (int element : {cmd::Heading1, cmd::Bold, cmd::Table, cmd::BodyNetscape})
            QVERIFY2(!Window().Actions().Action(element)->isEnabled(), qPrintable(QString::number(element)));
        QVERIFY(!Button(kHeading, cmd::Heading1)->isEnabled());

        DocumentWindow* window = m_run.OpenFile("buttons.html", "text");
        QVERIFY(window);
        Idle();
        QVERIFY(Button(kHeading, cmd::Heading1)->isEnabled());
        QVERIFY(Button(kList, cmd::OrderedList)->isEnabled());
        window->close();
        QTRY_VERIFY(Window().Files().Windows().isEmpty());
        Idle();
        QVERIFY(!Button(kHeading, cmd::Heading1)->isEnabled());
    }

    void entityButtonInsertsBeforeSelection() {
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("entity.html", "abc");
        QVERIFY(window);
        QVERIFY(Window().Dispatcher().Execute(kCapital));
        window->Control().SetSel(0, 3);
        Idle();
        auto* button = qobject_cast<QToolButton*>(Button(kCapital, cmd::CapitalAacute));
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), QByteArray("&#193;abc"));
        long start = 0, end = 0;
        window->Control().GetSel(start, end);
        QCOMPARE(start, 6L);
        QCOMPARE(end, 9L);
        Idle();
        QVERIFY(Window().Dispatcher().Execute(cmd::EditUndo));
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), QByteArray("abc"));
    }

    void tooltipsAndPromptsComeFromTheCommandTable() {
        m_run.Start();
        Window().resize(2000, 1000); // every button in view, none in an overflow menu
        for (QToolBar* bar : Toolbars().Bars())
            bar->show();
        QCoreApplication::processEvents();
        int withoutTooltip = 0;
        for (QToolBar* bar : Toolbars().Bars()) {
            for (QAction* action : bar->actions()) {
                if (action->isSeparator())
                    continue;
                const CommandInfo* info = FindCommand(CommandActions::IdOf(action));
                QWidget* button = bar->widgetForAction(action);
                const QString where = bar->windowTitle() + ": " + info->key;
                QVERIFY2(button && button->isVisible(), qPrintable(where));
                // A tip that is left alone shows that the button asked for none.
                const QPoint at = button->rect().center();
                QToolTip::showText(button->mapToGlobal(at), "none", button);
                QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
                QCoreApplication::sendEvent(button, &help);
                const QString expected = *info->tooltip ? QString::fromUtf8(info->tooltip) : "none";
                QVERIFY2(QToolTip::text() == expected, qPrintable(where + " shows " + QToolTip::text()));
                QVERIFY2(button->statusTip() == QString::fromUtf8(info->prompt), qPrintable(where));
                withoutTooltip += *info->tooltip == '\0';
            }
        }
        QVERIFY(withoutTooltip >= 68);

        // Qt offers an action's caption as its tip; a command without a tooltip still shows none.
        QAction* symbol = Window().Actions().Action(cmd::SymbolAmp);
        symbol->setText("Ampersand");
        QWidget* button = Bar(kOther)->widgetForAction(symbol);
        const QPoint at = button->rect().center();
        QToolTip::showText(button->mapToGlobal(at), "none", button);
        QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
        QCoreApplication::sendEvent(button, &help);
        QCOMPARE(QToolTip::text(), QString("none"));
        QToolTip::hideText();
    }

    // The main window as a person first sees it with a page open: every shown toolbar within the
    // window and the selection in view. With RAZO_SCREENSHOT_DIR set, it is also saved there.
    void mainWindowWithAPage() {
        const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR");
        m_run.Start();
        Window().resize(1280, 860);
        DocumentWindow* window = m_run.OpenFile(
            "index.html",
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
            "<TITLE>Caf&#233; R&#233;sum&#233;</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n"
            "<H1>Welcome</H1>\r\n<P>Fresh coffee, every <B>morning</B>.</P>\r\n<UL>\r\n"
            "<LI><A HREF=\"menu.html\">Our menu</A>\r\n<LI><A HREF=\"map.html\">How to find us</A>\r\n"
            "</UL>\r\n<HR>\r\n<ADDRESS>Caf&#233; R&#233;sum&#233;, 1 Market Square</ADDRESS>\r\n"
            "</BODY>\r\n</HTML>\r\n");
        QVERIFY(window);
        window->showMaximized();
        const long morning = long(QByteArray::fromStdString(window->Control().GetBytes()).indexOf("morning"));
        window->Control().SetSel(morning, morning + 7);
        Idle();
        QTest::qWait(50);
        QVERIFY(window->isMaximized());
        QCOMPARE(window->Editor().selectedText(), QString("morning"));
        for (QToolBar* bar : Window().findChildren<QToolBar*>()) {
            if (!bar->isVisible())
                continue;
            const QRect inWindow(bar->mapTo(&Window(), QPoint()), bar->size());
            QVERIFY2(Window().rect().contains(inWindow), qPrintable(bar->windowTitle()));
        }
        if (!folder.isEmpty())
            QVERIFY(Window().grab().save(folder + "/main-window.png"));
    }
};

QTEST_MAIN(ToolbarLayoutTest)
#include "ToolbarLayoutTest.moc"
