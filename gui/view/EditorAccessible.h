#pragma once
// What assistive technology sees of the edit control: its text, caret and selection, with
// offsets in UTF-16 code units as Qt counts them.
//
// QScintilla's own accessible turns the caret's byte position into an offset by counting the
// characters from the start of the text after every change, so with it each keystroke near the
// end of a large page would cost time in proportion to the page. This one goes through the
// control's line index (a line's start by index, then the characters within the line), and
// says nothing at all while no assistive technology is listening.
#include <QAccessibleWidget>

class QsciScintilla;

namespace razo {

class EditorAccessible : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface {
public:
    explicit EditorAccessible(QsciScintilla* editor);

    // Makes every RazoEditor use this accessible; once per program.
    static void Install();
    // Told by the editor; each returns at once while accessibility is off.
    static void CaretMoved(QsciScintilla& editor, long position);
    static void Inserting(QsciScintilla& editor, long position, const char* bytes, long length);
    static void Removing(QsciScintilla& editor, long position, long length);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QsciScintilla* Editor() const;
    long Length() const;
    // Offsets and byte positions, each way, clamped to the text.
    int OffsetOf(long position) const;
    long PositionOf(int offset) const;
    QString Range(long from, long to) const;
    void UseLineIndex() const;
};

} // namespace razo
