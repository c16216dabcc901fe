// The editing surface on the real main window: syntax colouring on by default, toggled and stored;
// every style readable on a light and a dark palette and following a palette change; the code
// font; the line number margin; Go to Line; the matching tag. None of it changes the page, its
// undo history or its modified state. With RAZO_SCREENSHOT_DIR set, a coloured page is saved in
// the light and the dark palette (page-light.png, page-dark.png) at the scale the test runs with.
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QtTest>
#include <memory>

#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "core/view/DisplaySettings.h"
#include "core/view/GoToLine.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/view/MatchingTag.h"
#include "gui/view/PageStyles.h"
#include "gui/view/StyleSheetColours.h"
#include "tests/support/Palettes.h"
#include "tests/support/RunningApp.h"
#include "tests/support/Screenshots.h"

using namespace razo;
using razo::testing::CloseNextModal;
using razo::testing::DarkPalette;
using razo::testing::LightPalette;
using razo::testing::OnNextModal;
using Sci = QsciScintillaBase;

namespace {

const QByteArray kPage =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n"
    "<HTML>\r\n<HEAD>\r\n<TITLE>Harbour &amp; Hills</TITLE>\r\n"
    "<STYLE TYPE=\"text/css\">\r\n  H1 { color: #225; margin: 0 }\r\n  /* quiet */\r\n</STYLE>\r\n"
    "</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n<!-- the crossing -->\r\n"
    "<H1 ALIGN=center>The harbour</H1>\r\n"
    "<P>Boats leave at <B>nine</B> &amp; return at dusk.</P>\r\n"
    "<TABLE BORDER=1 WIDTH=\"80%\">\r\n<TR><TD>Ferry</TD><TD>12</TD></TR>\r\n</TABLE>\r\n"
    "<SCRIPT LANGUAGE=\"JavaScript\">\r\nvar n = 3; // crossings\r\n"
    "if (n > 2) { document.write('busy'); }\r\n</SCRIPT>\r\n</BODY>\r\n</HTML>\r\n";

QColor StyleColour(RazoEditor& editor, unsigned message, int style) {
    const long bgr = editor.SendScintilla(message, static_cast<unsigned long>(style));
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

long At(const QByteArray& page, const char* text, int plus = 0) {
    return long(page.indexOf(text)) + plus;
}

} // namespace

class PageSurfaceGuiTest : public QObject {
    Q_OBJECT

private:
    razo::testing::RunningApp m_run;
    QPalette m_startPalette;

    CommandDispatcher& Dispatcher() { return m_run.Window().Dispatcher(); }
    IniProfile Profile() { return IniProfile(m_run.ProfilePath().toStdString()); }

    DocumentWindow* Open(const QByteArray& bytes) {
        DocumentWindow* window = m_run.OpenFile("page.html", bytes);
        if (window) {
            window->Editor().SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
            window->Editor().repaint();
        }
        return window;
    }

    // Every style the page can show, readable on the page's background.
    void VerifyReadable(RazoEditor& editor) {
        const ScreenColour page = ToScreenColour(editor.paper());
        for (int style : HtmlLexerStyles()) {
            const ScreenColour fore = ToScreenColour(StyleColour(editor, Sci::SCI_STYLEGETFORE, style));
            QCOMPARE(StyleColour(editor, Sci::SCI_STYLEGETBACK, style), editor.paper());
            QVERIFY2(ContrastRatio(fore, page) >= 4.5, qPrintable(QString("style %1").arg(style)));
        }
        const ScreenColour numbers =
            ToScreenColour(StyleColour(editor, Sci::SCI_STYLEGETFORE, Sci::STYLE_LINENUMBER));
        const ScreenColour margin =
            ToScreenColour(StyleColour(editor, Sci::SCI_STYLEGETBACK, Sci::STYLE_LINENUMBER));
        QVERIFY(ContrastRatio(numbers, margin) >= 4.5);
    }

    // Runs Go to Line with `line` and `column` typed; the message shown, empty for none.
    QString RunGoToLine(const QString& line, const QString& column, QString* offeredLine = nullptr) {
        QString message;
        QString offered;
        DialogWindow* shown = nullptr;
        // Owns the wait for a message box, which must not outlive this call when none comes.
        QObject answers;
        m_run.App().Dialogs().onShow = [&shown](DialogWindow& window) { shown = &window; };
        QTimer::singleShot(0, m_run.Pending(), [&] {
            auto* lineField = qobject_cast<QLineEdit*>(shown->Control(CGoToLineDialog::IdLine));
            // The caret's line is offered, selected, so that typing replaces it.
            offered = lineField->selectedText();
            lineField->setText(line);
            qobject_cast<QLineEdit*>(shown->Control(CGoToLineDialog::IdColumn))->setText(column);
            CloseNextModal(&answers, message);
            QTest::mouseClick(shown->Control(IdOk), Qt::LeftButton);
            if (shown->isVisible())
                shown->reject();
        });
        Dispatcher().Execute(cmd::GoToLine);
        m_run.App().Dialogs().onShow = nullptr;
        if (offeredLine)
            *offeredLine = offered;
        return message;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_run.Init());
        m_startPalette = QApplication::palette();
    }
    void init() {
        m_run.BeginTest();
        ProgramDisplaySettings() = DisplaySettings();
    }
    void cleanup() {
        m_run.EndTest();
        QApplication::setPalette(m_startPalette);
    }

    void colouringIsOnByDefaultTogglesAndIsStored() {
        m_run.Start();
        DocumentWindow* window = Open(kPage);
        QVERIFY(window);
        RazoEditor& editor = window->Editor();
        QVERIFY(editor.isColoured());
        QVERIFY(*Dispatcher().QueryState(cmd::ToggleSyntaxColouring).checked);
        QVERIFY(QFontInfo(editor.font()).fixedPitch()); // no display font chosen: the code font
        const long tag = At(kPage, "<TITLE>", 1);
        const int tagStyle = int(editor.SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(tag)));
        QVERIFY(StyleColour(editor, Sci::SCI_STYLEGETFORE, tagStyle) != editor.color());
        // The style sheet's property name has a colour of its own, over the lexer's plain text.
        const long property = At(kPage, "color:");
        const ScreenColour propertyColour =
            SyntaxColour(SyntaxKind::Property, ToScreenColour(editor.paper()),
                         ToScreenColour(editor.palette().color(QPalette::Text)));
        QCOMPARE(editor.SendScintilla(Sci::SCI_INDICATORVALUEAT, StyleSheetColours::Indicator, property) &
                     Sci::SC_INDICVALUEMASK,
                 long(propertyColour.r | propertyColour.g << 8 | propertyColour.b << 16));

        QVERIFY(Dispatcher().Execute(cmd::ToggleSyntaxColouring));
        QVERIFY(!editor.isColoured());
        QVERIFY(!*Dispatcher().QueryState(cmd::ToggleSyntaxColouring).checked);
        QCOMPARE(Profile().GetProfileInt("Settings", "SyntaxColouring", -1), 0);
        editor.repaint();
        QCOMPARE(StyleColour(editor, Sci::SCI_STYLEGETFORE,
                             int(editor.SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(tag)))),
                 editor.color());
        QCOMPARE(editor.SendScintilla(Sci::SCI_INDICATORVALUEAT, StyleSheetColours::Indicator, property), 0L);

        // A new page follows the stored choice; turned on again, it is coloured.
        m_run.Restart();
        window = Open(kPage);
        QVERIFY(window && !window->Editor().isColoured());
        QVERIFY(Dispatcher().Execute(cmd::ToggleSyntaxColouring));
        QVERIFY(window->Editor().isColoured());
        QCOMPARE(Profile().GetProfileInt("Settings", "SyntaxColouring", -1), 1);
        QCOMPARE(QByteArray::fromStdString(window->Control().GetBytes()), kPage);
        QVERIFY(!window->Doc().IsModified());
        QVERIFY(!window->Editor().isUndoAvailable());
    }

    void everyStyleIsReadableAndFollowsThePalette() {
        QApplication::setPalette(LightPalette());
        m_run.Start();
        DocumentWindow* window = Open(kPage);
        QVERIFY(window);
        RazoEditor& editor = window->Editor();
        VerifyReadable(editor);
        const int tagStyle =
            int(editor.SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(At(kPage, "<B>", 1))));
        const QColor lightTag = StyleColour(editor, Sci::SCI_STYLEGETFORE, tagStyle);

        QApplication::setPalette(DarkPalette());
        QCoreApplication::processEvents();
        QCOMPARE(editor.paper(), DarkPalette().color(QPalette::Base));
        VerifyReadable(editor);
        QVERIFY(StyleColour(editor, Sci::SCI_STYLEGETFORE, tagStyle) != lightTag);
        QVERIFY(!window->Doc().IsModified());
    }

    void screenshots_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void screenshots() {
        QFETCH(bool, dark);
        const QString folder = qEnvironmentVariable("RAZO_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("RAZO_SCREENSHOT_DIR is not set");
        QApplication::setPalette(dark ? DarkPalette() : LightPalette());
        m_run.Start();
        MainWindow& main = m_run.Window();
        main.resize(1100, 760);
        DocumentWindow* window = Open(kPage);
        QVERIFY(window);
        window->showMaximized();
        window->Control().SetSel(At(kPage, "TABLE BORDER", 2), At(kPage, "TABLE BORDER", 2));
        QCoreApplication::processEvents();
        window->Editor().repaint();
        QCoreApplication::processEvents();
        main.Dispatcher().RunIdle();
        const QString name = QString("%1/page-%2%3.png")
                                 .arg(folder, dark ? "dark" : "light",
                                      qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? "-scale2" : "");
        QVERIFY(razo::testing::WithTitleBar(main).save(name));
    }

    void lineNumberMarginFitsTheLastLine() {
        m_run.Start();
        DocumentWindow* window = Open(QByteArray("line\r\n").repeated(8) + "last");
        QVERIFY(window);
        RazoEditor& editor = window->Editor();
        const auto width = [&editor] { return editor.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL); };
        const auto digitsWidth = [&editor](int digits) {
            return editor.SendScintilla(Sci::SCI_TEXTWIDTH, static_cast<unsigned long>(Sci::STYLE_LINENUMBER),
                                        QByteArray(digits + 1, '9').constData());
        };
        QVERIFY(*Dispatcher().QueryState(cmd::ToggleLineNumbers).checked);
        QCOMPARE(width(), digitsWidth(1)); // nine lines
        window->Control().SetSel(0, 0);
        window->Control().ReplaceSel("one more\r\n", true);
        editor.repaint();
        QCOMPARE(width(), digitsWidth(2)); // ten
        window->Control().SetSel(0, 0);
        window->Control().ReplaceSel(QByteArray("x\r\n").repeated(990).toStdString(), true);
        editor.repaint();
        QCOMPARE(width(), digitsWidth(4)); // a thousand

        QVERIFY(Dispatcher().Execute(cmd::ToggleLineNumbers));
        QCOMPARE(width(), 0L);
        QCOMPARE(Profile().GetProfileInt("Settings", "LineNumbers", -1), 0);
    }

    void goToLineMovesTheCaretAndCentresTheLine() {
        m_run.Start();
        QByteArray page;
        for (int line = 1; line <= 400; ++line)
            page += "<P>Line " + QByteArray::number(line) + "</P>\r\n";
        DocumentWindow* window = Open(page);
        QVERIFY(window);
        RazoEditor& editor = window->Editor();
        QCOMPARE(RunGoToLine("200", "4"), QString());
        const long caret = editor.SendScintilla(Sci::SCI_GETCURRENTPOS);
        QCOMPARE(caret, editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, 199UL) + 3);
        const long middle = editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE) +
                            editor.SendScintilla(Sci::SCI_LINESONSCREEN) / 2;
        QVERIFY2(std::abs(middle - 199) <= 1, qPrintable(QString::number(middle)));
        QCOMPARE(editor.SendScintilla(Sci::SCI_GETANCHOR), caret);

        QString offered;
        QCOMPARE(RunGoToLine("402", "", &offered),
                 QString("Line 402 is not on this page. Enter a line from 1 to 401."));
        QCOMPARE(offered, QString("200"));
        QCOMPARE(editor.SendScintilla(Sci::SCI_GETCURRENTPOS), caret);
        QVERIFY(!window->Doc().IsModified());
    }

    void matchingTagIsMarkedAndReached() {
        m_run.Start();
        const QByteArray page = "<DIV CLASS=a>\r\n<P>x</P>\r\n</div>\r\n";
        DocumentWindow* window = Open(page);
        QVERIFY(window);
        RazoEditor& editor = window->Editor();
        const auto marked = [&editor](long at) {
            return editor.SendScintilla(Sci::SCI_INDICATORVALUEAT, MatchingTagMarker::Indicator, at) != 0;
        };
        window->Control().SetSel(2, 2); // in "DIV"
        editor.repaint();
        const long endName = At(page, "</div>", 2);
        QVERIFY(marked(1) && marked(endName) && marked(endName + 2));
        QVERIFY(!marked(endName - 1) && !marked(At(page, "<P>", 1)));
        QVERIFY(!editor.hasSelectedText());

        QVERIFY(Dispatcher().Execute(cmd::GoToMatchingTag));
        QCOMPARE(editor.SendScintilla(Sci::SCI_GETCURRENTPOS), endName);
        QVERIFY(Dispatcher().Execute(cmd::GoToMatchingTag));
        QCOMPARE(editor.SendScintilla(Sci::SCI_GETCURRENTPOS), 1L);

        // In text no tag is matched, and nothing stays marked.
        window->Control().SetSel(At(page, "x"), At(page, "x"));
        editor.repaint();
        QVERIFY(!marked(1) && !marked(endName));
        Dispatcher().RunIdle();
        QVERIFY(!Dispatcher().QueryState(cmd::GoToMatchingTag).enabled);
        QVERIFY(!window->Doc().IsModified());
    }

    void aPageWithAnOverlongLineIsShownWithoutColour() {
        m_run.Start();
        QByteArray line = "<P>";
        while (line.size() <= RazoEditor::ColourLineLimit)
            line += "<B>bold</B> text ";
        DocumentWindow* window = Open("<HTML>\r\n" + line + "\r\n</HTML>\r\n");
        QVERIFY(window);
        RazoEditor& editor = window->Editor();
        QVERIFY(editor.syntaxColouring());
        QVERIFY(!editor.isColoured());
        QCOMPARE(
            StyleColour(editor, Sci::SCI_STYLEGETFORE, int(editor.SendScintilla(Sci::SCI_GETSTYLEAT, 1UL))),
            editor.color());

        // A short page is coloured; pasting an over-long line into it takes the colour away.
        window = m_run.OpenFile("short.html", "<P>short</P>\r\n");
        QVERIFY(window && window->Editor().isColoured());
        window->Control().SetSel(0, 0);
        window->Control().ReplaceSel(line.toStdString(), true);
        QTRY_VERIFY(!window->Editor().isColoured());
    }
};

QTEST_MAIN(PageSurfaceGuiTest)
#include "PageSurfaceGuiTest.moc"
