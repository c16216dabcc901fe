#include "gui/view/EditorAccessible.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <algorithm>

#include "gui/view/ScintillaTextControl.h"

namespace razo {

namespace {

using Sci = QsciScintillaBase;

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(RazoEditor::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType())
        return new EditorAccessible(static_cast<QsciScintilla*>(static_cast<QWidget*>(object)));
    return nullptr;
}

QByteArray BytesFor(const QsciScintilla& editor, const QString& text) {
    const QString storable = TextStorableIn(editor, text);
    return editor.isUtf8() ? storable.toUtf8() : storable.toLatin1();
}

// The accessible of an editor, when assistive technology is listening and has asked for it.
EditorAccessible* Listening(QsciScintilla& editor) {
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<EditorAccessible*>(QAccessible::queryAccessibleInterface(&editor));
}

} // namespace

EditorAccessible::EditorAccessible(QsciScintilla* editor)
    : QAccessibleWidget(editor, QAccessible::EditableText) {}

void EditorAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void EditorAccessible::CaretMoved(QsciScintilla& editor, long position) {
    if (EditorAccessible* accessible = Listening(editor)) {
        QAccessibleTextCursorEvent event(&editor, accessible->OffsetOf(position));
        QAccessible::updateAccessibility(&event);
    }
}

void EditorAccessible::Inserting(QsciScintilla& editor, long position, const char* bytes, long length) {
    if (bytes == nullptr)
        return;
    if (EditorAccessible* accessible = Listening(editor)) {
        const QByteArray inserted(bytes, static_cast<qsizetype>(length));
        QAccessibleTextInsertEvent event(&editor, accessible->OffsetOf(position),
                                         editor.isUtf8() ? QString::fromUtf8(inserted)
                                                         : QString::fromLatin1(inserted));
        QAccessible::updateAccessibility(&event);
    }
}

void EditorAccessible::Removing(QsciScintilla& editor, long position, long length) {
    if (EditorAccessible* accessible = Listening(editor)) {
        QAccessibleTextRemoveEvent event(&editor, accessible->OffsetOf(position),
                                         accessible->Range(position, position + length));
        QAccessible::updateAccessibility(&event);
    }
}

void* EditorAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State EditorAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = true;
    state.multiLine = true;
    const QsciScintilla* editor = Editor();
    state.readOnly = editor != nullptr && editor->isReadOnly();
    state.editable = !state.readOnly;
    return state;
}

QsciScintilla* EditorAccessible::Editor() const {
    return static_cast<QsciScintilla*>(widget());
}

long EditorAccessible::Length() const {
    return Editor()->SendScintilla(Sci::SCI_GETLENGTH);
}

// Made when first needed and kept with the text: the accessible may be dropped while the editor
// is already half destroyed, when it can no longer be told to let the index go.
void EditorAccessible::UseLineIndex() const {
    QsciScintilla* editor = Editor();
    if (!(editor->SendScintilla(Sci::SCI_GETLINECHARACTERINDEX) & Sci::SC_LINECHARACTERINDEX_UTF16))
        editor->SendScintilla(Sci::SCI_ALLOCATELINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF16);
}

int EditorAccessible::OffsetOf(long position) const {
    QsciScintilla* editor = Editor();
    position = std::clamp(position, 0L, Length());
    if (!editor->isUtf8())
        return static_cast<int>(position);
    UseLineIndex();
    const long line = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long lineStart = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineOffset =
        editor->SendScintilla(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line),
                              static_cast<long>(Sci::SC_LINECHARACTERINDEX_UTF16));
    return static_cast<int>(lineOffset + editor->SendScintilla(Sci::SCI_COUNTCODEUNITS,
                                                               static_cast<unsigned long>(lineStart),
                                                               position));
}

long EditorAccessible::PositionOf(int offset) const {
    QsciScintilla* editor = Editor();
    const long length = Length();
    if (offset <= 0)
        return 0;
    if (!editor->isUtf8())
        return std::min<long>(offset, length);
    UseLineIndex();
    const long line =
        editor->SendScintilla(Sci::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(offset),
                              static_cast<long>(Sci::SC_LINECHARACTERINDEX_UTF16));
    const long lineStart = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineOffset =
        editor->SendScintilla(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line),
                              static_cast<long>(Sci::SC_LINECHARACTERINDEX_UTF16));
    if (offset == lineOffset)
        return lineStart;
    // The control answers 0 for a place beyond the text.
    const long position = editor->SendScintilla(Sci::SCI_POSITIONRELATIVECODEUNITS,
                                                static_cast<unsigned long>(lineStart), offset - lineOffset);
    return position > 0 ? position : length;
}

QString EditorAccessible::Range(long from, long to) const {
    QsciScintilla* editor = Editor();
    const long length = Length();
    from = std::clamp(from, 0L, length);
    to = std::clamp(to, from, length);
    const QByteArray bytes = editor->bytes(static_cast<int>(from), static_cast<int>(to));
    // bytes() ends with the terminating zero.
    const QByteArray text = bytes.left(static_cast<qsizetype>(to - from));
    return editor->isUtf8() ? QString::fromUtf8(text) : QString::fromLatin1(text);
}

void EditorAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    QsciScintilla* editor = Editor();
    if (selectionIndex != 0 || !editor->hasSelectedText())
        return;
    *startOffset = OffsetOf(editor->SendScintilla(Sci::SCI_GETSELECTIONSTART));
    *endOffset = OffsetOf(editor->SendScintilla(Sci::SCI_GETSELECTIONEND));
}

int EditorAccessible::selectionCount() const {
    return Editor()->hasSelectedText() ? 1 : 0;
}

void EditorAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void EditorAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        const long caret = Editor()->SendScintilla(Sci::SCI_GETCURRENTPOS);
        Editor()->SendScintilla(Sci::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(caret));
    }
}

void EditorAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    Editor()->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(PositionOf(startOffset)),
                            PositionOf(endOffset));
}

int EditorAccessible::cursorPosition() const {
    return OffsetOf(Editor()->SendScintilla(Sci::SCI_GETCURRENTPOS));
}

void EditorAccessible::setCursorPosition(int position) {
    Editor()->SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(PositionOf(position)));
}

QString EditorAccessible::text(int startOffset, int endOffset) const {
    return Range(PositionOf(startOffset), PositionOf(endOffset));
}

// Lines are found by the control; the other units are left to Qt, which reads the whole text.
QString EditorAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    QsciScintilla* editor = Editor();
    const long line =
        editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(PositionOf(offset)));
    const long from = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long to = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
    const long end = to > from ? to : Length();
    *startOffset = OffsetOf(from);
    *endOffset = OffsetOf(end);
    return Range(from, end);
}

int EditorAccessible::characterCount() const {
    return OffsetOf(Length());
}

QRect EditorAccessible::characterRect(int offset) const {
    QsciScintilla* editor = Editor();
    const long position = PositionOf(offset);
    const long after = editor->SendScintilla(Sci::SCI_POSITIONAFTER, static_cast<unsigned long>(position));
    const int x = static_cast<int>(editor->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, position));
    const int y = static_cast<int>(editor->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, position));
    const int right = after > position
                          ? static_cast<int>(editor->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, after))
                          : x;
    const int height = static_cast<int>(editor->SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL));
    QRect rect(x, y, std::max(right - x, 1), height);
    rect.moveTo(editor->viewport()->mapToGlobal(rect.topLeft()));
    return rect;
}

int EditorAccessible::offsetAtPoint(const QPoint& point) const {
    QsciScintilla* editor = Editor();
    const QPoint local = editor->viewport()->mapFromGlobal(point);
    const long position = editor->SendScintilla(
        Sci::SCI_POSITIONFROMPOINTCLOSE, static_cast<unsigned long>(local.x()), static_cast<long>(local.y()));
    return position >= 0 ? OffsetOf(position) : -1;
}

void EditorAccessible::scrollToSubstring(int startIndex, int endIndex) {
    Editor()->SendScintilla(Sci::SCI_SCROLLRANGE, static_cast<unsigned long>(PositionOf(endIndex)),
                            PositionOf(startIndex));
}

// The page is plain text: one run of default attributes.
QString EditorAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void EditorAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void EditorAccessible::insertText(int offset, const QString& text) {
    const long position = PositionOf(offset);
    Editor()->SendScintilla(Sci::SCI_INSERTTEXT, static_cast<unsigned long>(position),
                            BytesFor(*Editor(), text).constData());
}

void EditorAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    setSelection(0, startOffset, endOffset);
    Editor()->SendScintilla(Sci::SCI_REPLACESEL, 0UL, BytesFor(*Editor(), text).constData());
}

} // namespace razo
