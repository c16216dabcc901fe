#include <QClipboard>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QtTest>

#include "gui/view/ScintillaTextControl.h"

using razo::RazoEditor;
using razo::ScintillaTextControl;

namespace {

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class ScintillaTextControlTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_editor = std::make_unique<RazoEditor>();
        m_control = std::make_unique<ScintillaTextControl>(*m_editor);
    }
    void cleanup() {
        m_control.reset();
        m_editor.reset();
    }

    void roundTripsBytesAndChoosesEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QByteArray binary(4096, '\0');
        QRandomGenerator random(1234);
        for (char& b : binary)
            b = static_cast<char>(random.bounded(256));
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ascii") << QByteArray("<P>plain</P>") << true;
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n\r\n") << true;
        QTest::newRow("lf and lone cr") << QByteArray("a\nb\rc") << true;
        QTest::newRow("utf8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9D\x84\x9E") << true;
        QTest::newRow("utf8 with bom") << QByteArray("\xEF\xBB\xBF<HTML>") << true;
        QTest::newRow("latin1") << QByteArray("caf\xE9 na\xEFve") << false;
        QTest::newRow("truncated utf8") << QByteArray("\xE2\x82") << false;
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("nul bytes") << QByteArray("a\0b\0\0c", 6) << true;
        QTest::newRow("random binary") << binary << false;
    }
    void roundTripsBytesAndChoosesEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        m_control->SetBytes("previous text");
        m_control->SetBytes(View(bytes));
        QCOMPARE(Bytes(m_control->GetBytes()), bytes);
        QCOMPARE(m_control->IsUtf8(), utf8);
        QCOMPARE(m_control->TextLength(), bytes.size());
        QVERIFY(!m_control->GetModify());
        QVERIFY(!m_control->CanUndo());
    }

    void replaceSelMeasuresWhatWentIn_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("utf8 ascii") << QByteArray("ab") << QByteArray("<B>") << QByteArray("<B>");
        QTest::newRow("utf8 e acute") << QByteArray("ab") << QByteArray("\xC3\xA9") << QByteArray("\xC3\xA9");
        QTest::newRow("8-bit ascii") << QByteArray("\xE9\xE9") << QByteArray("<B>") << QByteArray("<B>");
        QTest::newRow("8-bit e acute")
            << QByteArray("\xE9\xE9") << QByteArray("\xC3\xA9") << QByteArray("\xE9");
        QTest::newRow("8-bit euro") << QByteArray("\xE9\xE9") << QByteArray("\xE2\x82\xAC")
                                    << QByteArray("&#8364;");
        QTest::newRow("8-bit beyond bmp")
            << QByteArray("\xE9\xE9") << QByteArray("x\xF0\x9D\x84\x9Ey") << QByteArray("x&#119070;y");
        QTest::newRow("empty") << QByteArray("ab") << QByteArray() << QByteArray();
    }
    void replaceSelMeasuresWhatWentIn() {
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, stored);
        m_control->SetBytes(View(document));
        m_control->SetSel(1, 1);
        const long length = m_control->ReplaceSel(View(text), false);
        QCOMPARE(length, stored.size());
        QCOMPARE(Bytes(m_control->GetBytes()), document.left(1) + stored + document.mid(1));
        long start = 0, end = 0;
        m_control->GetSel(start, end);
        QCOMPARE(start, 1 + length);
        QCOMPARE(end, 1 + length);
    }

    void replacingASelectionRemovesIt() {
        m_control->SetBytes("0123456789");
        m_control->SetSel(2, 5);
        QCOMPARE(m_control->ReplaceSel("x", false), 1L);
        QCOMPARE(Bytes(m_control->GetBytes()), QByteArray("01x56789"));
    }

    void notUndoableReplaceEmptiesTheUndoBuffer() {
        m_control->SetBytes("abc");
        m_control->SetSel(3, 3);
        m_control->ReplaceSel("d", true);
        QVERIFY(m_control->CanUndo());
        m_control->SetSel(0, 0);
        m_control->ReplaceSel("<B>", false);
        QVERIFY(!m_control->CanUndo());
        QCOMPARE(Bytes(m_control->GetBytes()), QByteArray("<B>abcd"));
    }

    void undoableReplaceIsUndoneInOneStep() {
        m_control->SetBytes("abc");
        m_control->SetSel(0, 2);
        m_control->ReplaceSel("xyz", true);
        m_control->Undo();
        QCOMPARE(Bytes(m_control->GetBytes()), QByteArray("abc"));
    }

    void modifiedFlagIsSetByEveryChangeAndClearedOnlyOnRequest() {
        m_control->SetBytes("abc");
        QVERIFY(!m_control->GetModify());
        m_control->ReplaceSel("x", false);
        QVERIFY(m_control->GetModify());
        m_control->SetModify(false);
        QVERIFY(!m_control->GetModify());
        QTest::keyClicks(m_editor.get(), "t");
        QCOMPARE(Bytes(m_control->GetBytes()), QByteArray("xtabc"));
        QVERIFY(m_control->GetModify());
        m_control->SetModify(false);
        m_control->Undo();
        QVERIFY(m_control->GetModify());
        m_control->SetModify(true);
        m_control->SetSel(0, 2);
        QVERIFY2(m_control->GetModify(), "moving the selection changes nothing");
    }

    void lineAndCharacterQueries() {
        m_control->SetBytes("ab\r\n\t\xC3\xA9x");
        QCOMPARE(m_control->LineFromChar(5), 1L);
        QCOMPARE(m_control->LineIndex(1), 4L);
        QCOMPARE(m_control->CountCharacters(4, 8), 3L);
        m_control->SetSel(8, 4);
        QCOMPARE(m_control->CaretPos().value_or(-1), 4L);
        long start = 0, end = 0;
        m_control->GetSel(start, end);
        QCOMPARE(start, 4L);
        QCOMPARE(end, 8L);
    }

    // The edges of what one byte holds: U+00FF is the last character an 8-bit document keeps as
    // itself, U+0100 the first that becomes a reference; typed or pasted alike.
    void eightBitDocumentKeepsLatin1UpToItsLastCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("U+00FF") << QString(QChar(0xFF)) << QByteArray("\xFF");
        QTest::newRow("U+00A0") << QString(QChar(0xA0)) << QByteArray("\xA0");
        QTest::newRow("U+0100") << QString(QChar(0x100)) << QByteArray("&#256;");
    }
    void eightBitDocumentKeepsLatin1UpToItsLastCharacter() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        m_control->SetBytes("\xE9");
        m_control->SetSel(1, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(m_editor.get(), &press);
        QCOMPARE(Bytes(m_control->GetBytes()), "\xE9" + bytes);
        QApplication::clipboard()->setText(text);
        m_editor->paste();
        QCOMPARE(Bytes(m_control->GetBytes()), "\xE9" + bytes + bytes);
    }

    void eightBitDocumentKeepsTypedAndPastedCharacters() {
        m_control->SetBytes("\xE9");
        m_control->SetSel(1, 1);
        for (const char* typed : {"\xC3\xA0", "\xE2\x82\xAC"}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(typed));
            QApplication::sendEvent(m_editor.get(), &press);
        }
        QApplication::clipboard()->setText(QString::fromUtf8("\xE2\x80\x94"));
        m_editor->paste();
        QCOMPARE(Bytes(m_control->GetBytes()), QByteArray("\xE9\xE0&#8364;&#8212;"));
    }

    void programKeysDoNotReachTheEditor_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const auto ctrl = static_cast<int>(Qt::ControlModifier);
        const auto ctrlShift = static_cast<int>(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << ctrl;
        QTest::newRow("Ctrl+L") << int(Qt::Key_L) << ctrl;
        QTest::newRow("Ctrl+T") << int(Qt::Key_T) << ctrl;
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << ctrl;
        QTest::newRow("Ctrl+U") << int(Qt::Key_U) << ctrl;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl;
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl;
        QTest::newRow("Ctrl+Shift+U") << int(Qt::Key_U) << ctrlShift;
        QTest::newRow("Ctrl+Shift+D") << int(Qt::Key_D) << ctrlShift;
        QTest::newRow("Ctrl+Shift+C") << int(Qt::Key_C) << ctrlShift;
        QTest::newRow("Shift+Del") << int(Qt::Key_Delete) << int(Qt::ShiftModifier);
        QTest::newRow("Shift+Ins") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
        QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << int(Qt::AltModifier);
    }
    void programKeysDoNotReachTheEditor() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const auto qtKey = static_cast<Qt::Key>(key);
        const auto qtModifiers = static_cast<Qt::KeyboardModifiers>(modifiers);
        // An undone edit and something on the clipboard, so Undo, Redo and Paste would all show.
        m_control->SetBytes("line one\r\nline two\r\n");
        m_control->SetSel(0, 0);
        m_control->ReplaceSel("X", true);
        m_control->ReplaceSel("Y", true);
        m_control->Undo();
        m_editor->SendScintilla(QsciScintillaBase::SCI_COPYTEXT, 5UL, "PASTE");
        m_control->SetSel(12, 14);
        const std::string before = m_control->GetBytes();

        QKeyEvent override(QEvent::ShortcutOverride, qtKey, qtModifiers);
        override.ignore();
        QApplication::sendEvent(m_editor.get(), &override);
        QVERIFY2(!override.isAccepted(), "the editor claims the main window's shortcut");

        QTest::keyClick(m_editor.get(), qtKey, qtModifiers);
        QCOMPARE(Bytes(m_control->GetBytes()), Bytes(before));
        long start = 0, end = 0;
        m_control->GetSel(start, end);
        QCOMPARE(start, 12L);
        QCOMPARE(end, 14L);
    }

    void editingKeysStillWork() {
        m_control->SetBytes("one\r\ntwo\r\n");
        m_control->SetSel(0, 0);
        QTest::keyClick(m_editor.get(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Bytes(m_control->GetBytes()), QByteArray("two\r\n"));
        QTest::keyClick(m_editor.get(), Qt::Key_Delete);
        QCOMPARE(Bytes(m_control->GetBytes()), QByteArray("wo\r\n"));
    }

    void typedLineBreakFollowsTheFile_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("crlf") << QByteArray("a\r\nb") << QByteArray("\r\na\r\nb");
        QTest::newRow("lf") << QByteArray("a\nb") << QByteArray("\na\nb");
        QTest::newRow("cr") << QByteArray("a\rb") << QByteArray("\ra\rb");
        QTest::newRow("none") << QByteArray("ab") << QByteArray("\r\nab");
    }
    void typedLineBreakFollowsTheFile() {
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, expected);
        m_control->SetBytes(View(document));
        QTest::keyClick(m_editor.get(), Qt::Key_Return);
        QCOMPARE(Bytes(m_control->GetBytes()), expected);
        // Markup put in takes the same ending as a typed line.
        QCOMPARE(Bytes(std::string(m_control->LineEnding())), expected.chopped(document.size()));
    }

private:
    std::unique_ptr<RazoEditor> m_editor;
    std::unique_ptr<ScintillaTextControl> m_control;
};

QTEST_MAIN(ScintillaTextControlTest)
#include "ScintillaTextControlTest.moc"
