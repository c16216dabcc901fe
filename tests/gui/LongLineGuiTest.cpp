// The edit control on pages of very long lines: what an input method is told stays near the
// caret, Ln/Col counts characters quickly and correctly, long lines are measured in short runs
// of two styles that look alike, caret moves are still reported, and loading with word wrap on
// keeps the text and the wrap mode.
#include <QSignalSpy>
#include <QtTest>

#include "gui/view/ScintillaTextControl.h"

using namespace razo;
using Sci = QsciScintillaBase;

namespace {

std::string MinifiedLine(size_t size) {
    std::string line;
    for (int item = 0; line.size() < size; ++item)
        line += "<div class=\"item\"><a href=\"/p/" + std::to_string(item) + "\">caf\xC3\xA9 " +
                std::to_string(item) + "</a></div>";
    line.resize(size);
    return line;
}

std::string StylesOf(RazoEditor& editor, long from, long to) {
    std::string styles;
    for (long at = from; at < to; ++at)
        styles += char('0' + editor.SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(at)));
    return styles;
}

} // namespace

class LongLineGuiTest : public QObject {
    Q_OBJECT

private slots:
    void inputMethodsSeeOnlyTheTextNearTheCaret() {
        RazoEditor editor;
        ScintillaTextControl control(editor);
        const std::string line = MinifiedLine(200000);
        control.SetBytes(line);
        const long caret = 100000;
        control.SetSel(caret, caret);
        const QString around = editor.inputMethodQuery(Qt::ImSurroundingText).toString();
        const int at = editor.inputMethodQuery(Qt::ImCursorPosition).toInt();
        QVERIFY2(around.size() <= 2 * RazoEditor::InputMethodContext + 2,
                 qPrintable(QString::number(around.size())));
        QVERIFY(around.size() >= RazoEditor::InputMethodContext);
        // What lies at the reported position is what lies at the caret.
        const QString after = QString::fromUtf8(line.substr(size_t(caret), 40)).left(12);
        QCOMPARE(around.mid(at, 12), after);
        QCOMPARE(editor.inputMethodQuery(Qt::ImAnchorPosition).toInt(), at);
        QCOMPARE(editor.inputMethodQuery(Qt::ImTextAfterCursor).toString().left(12), after);

        // A short line is given whole.
        control.SetBytes("<P>short</P>\r\nnext");
        control.SetSel(5, 5);
        QCOMPARE(editor.inputMethodQuery(Qt::ImSurroundingText).toString(), QString("<P>short</P>"));
        QCOMPARE(editor.inputMethodQuery(Qt::ImCursorPosition).toInt(), 5);
    }

    void charactersAreCountedAsTheControlCountsThem_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("ASCII") << QByteArray("<P>plain text</P>");
        QTest::newRow("accents and euro") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC 5");
        QTest::newRow("beyond the BMP") << QByteArray("a\xF0\x9F\x98\x80"
                                                      "b");
        QTest::newRow("tab counts as one") << QByteArray("a\tb\xC3\xA9");
        QTest::newRow("8-bit document") << QByteArray("caf\xE9 \xE9t\xE9");
    }
    void charactersAreCountedAsTheControlCountsThem() {
        QFETCH(QByteArray, text);
        RazoEditor editor;
        ScintillaTextControl control(editor);
        control.SetBytes(text.toStdString());
        // Only whole characters: the view measures between positions of the control.
        std::vector<long> boundaries;
        for (long at = 0; at <= long(text.size()); ++at)
            if (at == long(text.size()) || !control.IsUtf8() ||
                (static_cast<unsigned char>(text[qsizetype(at)]) & 0xC0) != 0x80)
                boundaries.push_back(at);
        for (long from : boundaries)
            for (long to : boundaries)
                if (from <= to)
                    QCOMPARE(
                        control.CountCharacters(from, to),
                        editor.SendScintilla(Sci::SCI_COUNTCHARACTERS, static_cast<unsigned long>(from), to));
    }

    // Punctuation in style 1, the words between in style 0, on long lines only; an edit leaves
    // the styles of the text around it as they were.
    void longLinesAreMeasuredInShortRuns() {
        RazoEditor editor;
        ScintillaTextControl control(editor);
        const std::string text = "<P>short line</P>\r\n" + MinifiedLine(3 * RazoEditor::LongLine) + "\r\nend";
        control.SetBytes(text);
        QCOMPARE(StylesOf(editor, 0, 16), std::string(16, '0'));
        const long longStart = 19;
        QCOMPARE(StylesOf(editor, longStart, longStart + 18),
                 std::string("100010000011000011")); // <div class="item">
        const long near = longStart + 40;
        const std::string before = StylesOf(editor, near, near + 200);

        control.SetSel(near - 10, near - 10);
        control.ReplaceSel("x<", true);
        editor.SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L); // as drawing asks for styles
        QCOMPARE(StylesOf(editor, near + 2, near + 202), before);
        QCOMPARE(StylesOf(editor, near - 10, near - 8), std::string("01"));
        QCOMPARE(QByteArray::fromStdString(control.GetBytes()).size(), qsizetype(text.size() + 2));
    }

    void bothRunStylesLookAlike() {
        RazoEditor editor;
        QFont font("DejaVu Sans Mono");
        font.setPointSize(17);
        font.setBold(true);
        editor.setFont(font);
        char face0[256] = {};
        char face1[256] = {};
        editor.SendScintilla(Sci::SCI_STYLEGETFONT, 0UL, face0);
        editor.SendScintilla(Sci::SCI_STYLEGETFONT, 1UL, face1);
        QCOMPARE(QByteArray(face1), QByteArray(face0));
        for (const unsigned int get : {Sci::SCI_STYLEGETSIZEFRACTIONAL, Sci::SCI_STYLEGETWEIGHT,
                                       Sci::SCI_STYLEGETITALIC, Sci::SCI_STYLEGETFORE, Sci::SCI_STYLEGETBACK})
            QCOMPARE(editor.SendScintilla(get, 1UL), editor.SendScintilla(get, 0UL));
    }

    void caretMovesAreStillReported() {
        RazoEditor editor;
        ScintillaTextControl control(editor);
        control.SetBytes("line one\r\nline two");
        QSignalSpy moved(&editor, &QsciScintilla::cursorPositionChanged);
        editor.show();
        control.SetSel(12, 12);
        QCoreApplication::processEvents();
        QTRY_VERIFY(!moved.isEmpty());
        QCOMPARE(moved.last().at(0).toInt(), 1);
        QCOMPARE(moved.last().at(1).toInt(), 2);
    }

    void loadingWithWordWrapKeepsTextAndWrap() {
        RazoEditor editor;
        ScintillaTextControl control(editor);
        editor.setWrapMode(QsciScintilla::WrapWord);
        editor.resize(400, 300);
        editor.show();
        std::string text;
        for (int i = 0; i < 2000; ++i)
            text += "<P>A line long enough to be wrapped in a narrow window, number " + std::to_string(i) +
                    "</P>\r\n";
        control.SetBytes(text);
        QCOMPARE(editor.wrapMode(), QsciScintilla::WrapWord);
        QCOMPARE(control.GetBytes(), text);
        QVERIFY(!control.GetModify());
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.repaint();
        QTRY_VERIFY(editor.SendScintilla(Sci::SCI_WRAPCOUNT, 0UL) > 1); // the first line is wrapped
    }
};

QTEST_MAIN(LongLineGuiTest)
#include "LongLineGuiTest.moc"
