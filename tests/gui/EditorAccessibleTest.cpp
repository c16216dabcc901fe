// What assistive technology reads of the edit control: offsets in UTF-16 code units over UTF-8
// and 8-bit pages, lines, the caret, the selection and edits made through it.
#include <QAccessible>
#include <QtTest>
#include <memory>

#include "gui/view/ScintillaTextControl.h"

using namespace razo;

namespace {

// A page of three lines with one-, two-, three- and four-byte characters (the last two UTF-16
// units), or its 8-bit counterpart.
const QString kUtf8Page = QString::fromUtf8("<P>caf\u00e9</P>\r\n\u20ac \U0001F600 x\r\nend");
const QString kLatin1Page = QString::fromUtf8("<P>caf\u00e9</P>\r\nna\u00efve\r\nend");

} // namespace

class EditorAccessibleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RazoEditor> m_editor;

    QAccessibleTextInterface* Text() {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_editor.get());
        return accessible ? accessible->textInterface() : nullptr;
    }
    void Open(bool utf8, const QString& page) {
        m_editor->setUtf8(utf8);
        m_editor->setText(page);
    }
    QByteArray Bytes() const { return QByteArray(m_editor->bytes(0, m_editor->length()).constData()); }

private slots:
    void init() {
        m_editor = std::make_unique<RazoEditor>();
        m_editor->show();
    }
    void cleanup() { m_editor.reset(); }

    void offsetsCountUtf16Units_data() {
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QString>("page");
        QTest::newRow("UTF-8") << true << kUtf8Page;
        QTest::newRow("8-bit") << false << kLatin1Page;
    }
    void offsetsCountUtf16Units() {
        QFETCH(bool, utf8);
        QFETCH(QString, page);
        Open(utf8, page);
        QAccessibleTextInterface* text = Text();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), page.size());
        QCOMPARE(text->text(0, text->characterCount()), page);
        // Every place between two whole characters, there and back.
        for (int offset = 0; offset <= page.size(); ++offset) {
            if (offset < page.size() && page.at(offset).isLowSurrogate())
                continue;
            text->setCursorPosition(offset);
            QCOMPARE(text->cursorPosition(), offset);
            QCOMPARE(text->text(offset, page.size()), page.mid(offset));
        }
        // Beyond the text is its end.
        text->setCursorPosition(page.size() + 10);
        QCOMPARE(text->cursorPosition(), page.size());

        const int second = page.indexOf(QStringLiteral("\r\n")) + 3;
        int start = -1;
        int end = -1;
        const QString line = text->textAtOffset(second, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(line, page.mid(page.indexOf(QStringLiteral("\r\n")) + 2, end - start));
        QVERIFY(line.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(text->textAtOffset(page.size(), QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("end"));

        text->setSelection(0, 3, 7);
        QCOMPARE(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        QCOMPARE(QPair(start, end), QPair(3, 7));
        QCOMPARE(m_editor->selectedText(), QStringLiteral("caf\u00e9"));
        text->removeSelection(0);
        QCOMPARE(text->selectionCount(), 0);
    }

    // Text put in through the interface is stored as typed text would be.
    void editsArriveAsTyped_data() {
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << true << QByteArray("<P>\xE2\x82\xAC caf\xC3\xA9</P>");
        QTest::newRow("8-bit") << false << QByteArray("<P>&#8364; caf\xE9</P>");
    }
    void editsArriveAsTyped() {
        QFETCH(bool, utf8);
        QFETCH(QByteArray, bytes);
        Open(utf8, QStringLiteral("<P>Intro</P>"));
        QAccessibleEditableTextInterface* editable =
            QAccessible::queryAccessibleInterface(m_editor.get())->editableTextInterface();
        QVERIFY(editable);
        editable->replaceText(3, 8, QString::fromUtf8("caf\u00e9"));
        editable->insertText(3, QString::fromUtf8("\u20ac "));
        QCOMPARE(Bytes(), bytes);
        editable->deleteText(0, 3);
        QCOMPARE(Bytes(), bytes.mid(3));
    }
};

QTEST_MAIN(EditorAccessibleTest)
#include "EditorAccessibleTest.moc"
