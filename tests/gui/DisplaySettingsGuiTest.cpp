// Display font, word wrap and tab stops on the real main window: what each command does to the
// active view, what new and re-activated views take from the settings, and the logical font's
// mapping onto QFont.
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>

#include "core/dialogs/DialogTemplate.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/view/QtLogFont.h"
#include "gui/view/ScintillaTextControl.h"
#include "tests/support/RunningApp.h"

using namespace razo;
using razo::testing::CloseNextModal;
using razo::testing::OnNextModal;

namespace {

constexpr int kBold = cmd::Bold;
constexpr int kTabWidthField = 1214;

LogFont MakeFont(int height, int weight, const char* face, int pitchAndFamily, bool italic = false,
                 bool underline = false) {
    LogFont font;
    font.height = height;
    font.weight = weight;
    font.SetFaceName(face);
    font.pitchAndFamily = std::uint8_t(pitchAndFamily);
    font.italic = italic ? 1 : 0;
    font.underline = underline ? 1 : 0;
    return font;
}

} // namespace

Q_DECLARE_METATYPE(razo::LogFont)

class DisplaySettingsGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;

    MainWindow& Window() { return m_run.Window(); }
    CommandDispatcher& Dispatcher() { return Window().Dispatcher(); }
    IniProfile Profile() { return IniProfile(m_run.ProfilePath().toStdString()); }
    static QByteArray Text(DocumentWindow& window) {
        return QByteArray::fromStdString(window.Control().GetBytes());
    }
    static std::pair<long, long> Selection(DocumentWindow& window) {
        long start = 0, end = 0;
        window.Control().GetSel(start, end);
        return {start, end};
    }
    void Activate(DocumentWindow* window) {
        Window().MdiArea().setActiveSubWindow(window);
        QCoreApplication::processEvents();
    }

    // Runs Set Tabstops, types `typed` into the width field and presses OK. Returns the message
    // shown (empty when none); `stayedOpen` tells whether the dialog was still open on the field.
    QString RunTabStops(const QString& typed, QString* initial, bool* stayedOpen) {
        QString message;
        DialogWindow* shown = nullptr;
        m_run.App().Dialogs().onShow = [&shown](DialogWindow& window) { shown = &window; };
        QTimer::singleShot(0, m_run.Pending(), [&] {
            auto* field = qobject_cast<QLineEdit*>(shown->Control(kTabWidthField));
            *initial = field->text();
            field->setText(typed);
            CloseNextModal(m_run.Pending(), message);
            QTest::mouseClick(shown->Control(IdOk), Qt::LeftButton);
            *stayedOpen = shown->isVisible() && shown->focusWidget() == field;
            if (shown->isVisible())
                shown->reject();
        });
        Dispatcher().Execute(cmd::SetTabStops);
        m_run.App().Dialogs().onShow = nullptr;
        return message;
    }

private slots:
    void initTestCase() { QVERIFY(m_run.Init()); }
    void init() {
        m_run.BeginTest();
        ProgramDisplaySettings() = DisplaySettings();
    }
    void cleanup() { m_run.EndTest(); }

    void logFontMapsOntoQFont_data() {
        QTest::addColumn<LogFont>("logFont");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("weight");
        QTest::addColumn<QString>("family");
        QTest::newRow("character height, default weight")
            << MakeFont(-16, 0, "DejaVu Sans", 0x22) << 16 << int(QFont::Normal) << "DejaVu Sans";
        QTest::newRow("bold italic underlined fixed pitch")
            << MakeFont(-13, 700, "DejaVu Sans Mono", 0x31, true, true) << 13 << int(QFont::Bold)
            << "DejaVu Sans Mono";
        QTest::newRow("light serif") << MakeFont(-20, 300, "DejaVu Serif", 0x12) << 20 << int(QFont::Light)
                                     << "DejaVu Serif";
        QTest::newRow("odd weight rounds to Qt's steps")
            << MakeFont(-11, 650, "DejaVu Sans", 0x22) << 11 << int(QFont::Bold) << "DejaVu Sans";
    }
    void logFontMapsOntoQFont() {
        QFETCH(LogFont, logFont);
        QFETCH(int, pixelSize);
        QFETCH(int, weight);
        QFETCH(QString, family);
        const QFont font = ToQFont(logFont);
        QCOMPARE(font.pixelSize(), pixelSize);
        QCOMPARE(int(font.weight()), weight);
        QCOMPARE(font.italic(), logFont.italic != 0);
        QCOMPARE(font.underline(), logFont.underline != 0);
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(QFontInfo(font).fixedPitch(), (logFont.pitchAndFamily & 3) == 1);
        if (logFont.weight % 100 == 0 && logFont.weight != 0)
            QCOMPARE(ToLogFont(font), logFont);
    }

    void cellHeightMatchesTheFontsCell_data() {
        QTest::addColumn<int>("cell");
        for (int cell : {12, 16, 19, 27})
            QTest::addRow("%d pixels", cell) << cell;
    }
    void cellHeightMatchesTheFontsCell() {
        QFETCH(int, cell);
        const QFont font = ToQFont(MakeFont(cell, 400, "DejaVu Sans", 0x22));
        QVERIFY(font.pixelSize() < cell); // the cell includes the internal leading
        QVERIFY2(std::abs(QFontMetrics(font).height() - cell) <= 1,
                 qPrintable(QString::number(QFontMetrics(font).height())));
    }

    void wordWrapKeepsTextSelectionFontAndUndo() {
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("wrap.html", "abc def");
        QVERIFY(window);
        RazoEditor& editor = window->Editor();
        window->Control().SetSel(0, 3);
        QVERIFY(Dispatcher().Execute(kBold));
        QCOMPARE(Text(*window), QByteArray("<B>abc</B> def"));
        const QFont font = editor.font();

        QVERIFY(!*Dispatcher().QueryState(cmd::ToggleWordWrap).checked);
        QVERIFY(Dispatcher().Execute(cmd::ToggleWordWrap));
        QCOMPARE(editor.wrapMode(), QsciScintilla::WrapWord);
        QVERIFY(*Dispatcher().QueryState(cmd::ToggleWordWrap).checked);
        QCOMPARE(Profile().GetProfileInt("Settings", "WordWrap", -1), 1);
        QCOMPARE(Text(*window), QByteArray("<B>abc</B> def"));
        QCOMPARE(Selection(*window), std::make_pair(3L, 6L));
        QCOMPARE(editor.font(), font);
        // The view's Undo still takes the last pair away.
        QVERIFY(Dispatcher().Execute(cmd::EditUndo));
        QCOMPARE(Text(*window), QByteArray("abc def"));

        // Typing goes into the control's own history, which a toggle keeps as well.
        window->Control().SetSel(7, 7);
        window->Control().ReplaceSel(" ghi", true);
        QVERIFY(Dispatcher().Execute(cmd::ToggleWordWrap));
        QCOMPARE(editor.wrapMode(), QsciScintilla::WrapNone);
        QVERIFY(editor.isUndoAvailable());
        editor.undo();
        QCOMPARE(Text(*window), QByteArray("abc def"));
    }

    void newViewsFollowWordWrapOpenViewsKeepTheirs() {
        m_run.Start();
        DocumentWindow* first = m_run.OpenFile("first.html", "one");
        QVERIFY(first);
        QVERIFY(Dispatcher().Execute(cmd::ToggleWordWrap));
        DocumentWindow* second = m_run.OpenFile("second.html", "two");
        QVERIFY(second);
        QCOMPARE(second->Editor().wrapMode(), QsciScintilla::WrapWord);

        QVERIFY(Dispatcher().Execute(cmd::ToggleWordWrap)); // second: off
        QCOMPARE(Profile().GetProfileInt("Settings", "WordWrap", -1), 0);
        Activate(first);
        QCOMPARE(first->Editor().wrapMode(), QsciScintilla::WrapWord);
        QVERIFY(*Dispatcher().QueryState(cmd::ToggleWordWrap).checked);
        Activate(second);
        QVERIFY(!*Dispatcher().QueryState(cmd::ToggleWordWrap).checked);
    }

    void chosenFontReachesOtherViewsAtActivation() {
        m_run.Start();
        DocumentWindow* first = m_run.OpenFile("a.html", "a");
        DocumentWindow* second = m_run.OpenFile("b.html", "b");
        QVERIFY(first && second);
        Activate(first);
        const QFont before = second->Editor().font();
        QString offered;
        OnNextModal(m_run.Pending(), [&offered](QWidget* modal) {
            auto* dialog = qobject_cast<QFontDialog*>(modal);
            QVERIFY(dialog);
            offered = QFontInfo(dialog->currentFont()).family();
            QFont chosen("DejaVu Serif");
            chosen.setPixelSize(19);
            chosen.setBold(true);
            dialog->setCurrentFont(chosen);
            dialog->accept();
        });
        QVERIFY(Dispatcher().Execute(cmd::ChooseDisplayFont));
        QCOMPARE(offered, QFontInfo(before).family());
        QCOMPARE(QFontInfo(first->Editor().font()).family(), QString("DejaVu Serif"));
        // What the control draws, not just the widget's font: the text height of a 19 px font.
        const long drawnHeight = first->Editor().SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0);
        QVERIFY2(drawnHeight >= 19 && drawnHeight <= 26, QByteArray::number(int(drawnHeight)));
        QCOMPARE(Profile().GetProfileInt("Font", "Height", 0), -19);
        QCOMPARE(Profile().GetProfileInt("Font", "Weight", 0), 700);
        QCOMPARE(Profile().GetProfileString("Font", "FaceName", ""), std::string("DejaVu Serif"));
        QCOMPARE(second->Editor().font(), before);

        Activate(second);
        QCOMPARE(second->Editor().font(), first->Editor().font());
    }

    void cancelledFontDialogChangesNothing() {
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("c.html", "c");
        QVERIFY(window);
        const QFont before = window->Editor().font();
        OnNextModal(m_run.Pending(), [](QWidget* modal) { modal->close(); });
        QVERIFY(Dispatcher().Execute(cmd::ChooseDisplayFont));
        QCOMPARE(window->Editor().font(), before);
        QVERIFY(Profile().KeyNames("Font").empty());
    }

    void newViewTakesStoredFontAndTabStops() {
        IniProfile profile = Profile();
        profile.WriteProfileInt("Font", "Height", -17);
        profile.WriteProfileString("Font", "FaceName", "DejaVu Sans Mono");
        profile.WriteProfileInt("Settings", "TabStops", 12);
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("stored.html", "\tx");
        QVERIFY(window);
        const long drawnHeight = window->Editor().SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0);
        QVERIFY2(drawnHeight >= 17 && drawnHeight <= 24, QByteArray::number(int(drawnHeight)));
        QCOMPARE(QFontInfo(window->Editor().font()).family(), QString("DejaVu Sans Mono"));
        QCOMPARE(window->Editor().tabWidth(), 3);
    }

    void tabStopDialog_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0 is refused") << "0" << false;
        QTest::newRow("101 is refused") << "101" << false;
        QTest::newRow("letters are refused") << "abc" << false;
        QTest::newRow("1 is taken") << "1" << true;
        QTest::newRow("100 is taken") << "100" << true;
    }
    void tabStopDialog() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Profile().WriteProfileInt("Settings", "TabStops", 22);
        m_run.Start();
        DocumentWindow* window = m_run.OpenFile("tabs.html", "\tx");
        QVERIFY(window);
        const int widthBefore = window->Editor().tabWidth();
        QString initial;
        bool stayedOpen = false;
        const QString message = RunTabStops(typed, &initial, &stayedOpen);
        QCOMPARE(initial, QString("5"));
        QCOMPARE(message.isEmpty(), accepted);
        QCOMPARE(stayedOpen, !accepted);
        QCOMPARE(Profile().GetProfileInt("Settings", "TabStops", 0), accepted ? typed.toInt() * 4 : 22);
        QCOMPARE(window->Editor().tabWidth(), accepted ? typed.toInt() : widthBefore);
    }
};

QTEST_MAIN(DisplaySettingsGuiTest)
#include "DisplaySettingsGuiTest.moc"
