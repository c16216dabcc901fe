#include "gui/view/RazoEditor.h"

#include <QByteArrayView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <algorithm>
#include <cstring>

#include "core/resources/Accelerators.h"
#include "gui/view/EditorAccessible.h"
#include "gui/view/MatchingTag.h"
#include "gui/view/StyleSheetColours.h"

namespace razo {

namespace {

int ScintillaModifiers(int qtModifiers) {
    int modifiers = 0;
    if (qtModifiers & Qt::ShiftModifier)
        modifiers |= QsciScintillaBase::SCMOD_SHIFT;
    if (qtModifiers & Qt::ControlModifier)
        modifiers |= QsciScintillaBase::SCMOD_CTRL;
    if (qtModifiers & Qt::AltModifier)
        modifiers |= QsciScintillaBase::SCMOD_ALT;
    if (qtModifiers & Qt::MetaModifier)
        modifiers |= QsciScintillaBase::SCMOD_META;
    return modifiers;
}

} // namespace

// Nothing the user asked for is lost when an 8-bit document cannot hold it.
QByteArray Latin1WithReferences(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c <= 0xFF)
            out += static_cast<char>(c);
        else
            out += "&#" + QByteArray::number(static_cast<quint32>(c)) + ";";
    }
    return out;
}

QString TextStorableIn(const QsciScintilla& editor, const QString& text) {
    if (editor.isUtf8())
        return text;
    return QString::fromLatin1(Latin1WithReferences(text));
}

RazoEditor::RazoEditor(QWidget* parent)
    : QsciScintilla(parent), m_matchingTag(new MatchingTagMarker(*this)),
      m_styleSheets(std::make_unique<StyleSheetColours>(*this)) {
    // A plain source editor: no lexer, no margins, no wrapping until the user asks for it.
    setLexer(nullptr);
    for (int margin = 0; margin < margins(); ++margin)
        setMarginWidth(margin, 0);
    setWrapMode(WrapNone);
    // The horizontal scroll range follows the widest line shown, not a fixed width.
    SendScintilla(SCI_SETSCROLLWIDTH, 1);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
    SendScintilla(SCI_SETMARGINLEFT, 0UL, 4L);
    setEolMode(EolWindows);
    setUtf8(true);
    EditorAccessible::Install();
    releaseProgramKeys();
    reportChangesBeforeTheyHappen();
    reportCaretMovesCheaply();
    connect(this, &QsciScintilla::textChanged, this, [this] { m_modifyFlag = true; });
    // No lexer: Scintilla asks for the styles it needs, and long lines get their runs.
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, &RazoEditor::styleRuns);
    connect(this, &QsciScintillaBase::SCN_ZOOM, this, [this] { updateLineNumberWidth(true); });
    applyStyles();
}

RazoEditor::~RazoEditor() = default;

// QScintilla works out the caret's column for every caret move, counting from the start of the
// line: on a page of one long line each move or keystroke would cost time in proportion to the
// line. Nothing here needs the column from that signal, so the position is reported instead.
void RazoEditor::reportCaretMovesCheaply() {
    disconnect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        updateMarks(updated);
        const long caret = SendScintilla(SCI_GETCURRENTPOS);
        if (caret == m_lastCaret)
            return;
        m_lastCaret = caret;
        EditorAccessible::CaretMoved(*this, caret);
        const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
        emit cursorPositionChanged(static_cast<int>(line),
                                   static_cast<int>(caret - SendScintilla(SCI_POSITIONFROMLINE, line)));
    });
}

namespace {

// Where a run of a long line ends: between markup punctuation and the words around it.
bool IsRunBreak(char c) {
    return c == ' ' || c == '<' || c == '>' || c == '"' || c == '=' || c == '/';
}

// Styles for the bytes of a long line: 1 for punctuation, 0 for the rest. Each byte's style
// depends on that byte alone, so an edit never changes the styles of the text around it.
void RunStyles(std::string_view text, std::string& styles) {
    styles.resize(text.size());
    std::transform(text.begin(), text.end(), styles.begin(),
                   [](char c) { return IsRunBreak(c) ? '\1' : '\0'; });
}

} // namespace

// Scintilla measures a line in runs of one style, up to about a hundred bytes each, with one text
// layout per run, and keeps only runs under thirty bytes in its cache. A page without line breaks
// (minified markup) is then measured as many thousands of uncached runs whenever its line changes.
// Two styles that look exactly alike, one for markup punctuation and one for the words between,
// make the runs of a long line short and repeated, so most are measured once. Short lines keep
// style 0 throughout, so where ordinary lines wrap does not change.
void RazoEditor::styleRuns(long endPosition) {
    const long length = SendScintilla(SCI_GETLENGTH);
    const long start = SendScintilla(SCI_GETENDSTYLED);
    const long end = std::min(std::max(endPosition, 0L), length);
    if (start >= end)
        return;
    SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(start), 0L);
    std::string styles;
    for (long at = start; at < end;) {
        const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(at));
        const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
        long lineEnd = SendScintilla(SCI_POSITIONFROMLINE, line + 1);
        if (lineEnd <= at)
            lineEnd = length;
        const long upTo = std::min(lineEnd, end);
        if (lineEnd - lineStart > LongLine) {
            const auto* text = reinterpret_cast<const char*>(
                SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(at), upTo - at));
            RunStyles(std::string_view(text, text ? static_cast<size_t>(upTo - at) : 0), styles);
        } else {
            styles.assign(static_cast<size_t>(upTo - at), '\0');
        }
        styles.resize(static_cast<size_t>(upTo - at), '\0');
        SendScintilla(SCI_SETSTYLINGEX, static_cast<uintptr_t>(styles.size()), styles.data());
        at = upTo;
    }
}

// Marking the whole text styled keeps Scintilla from asking for styles the text has already.
void RazoEditor::styleLongLinesInRuns() {
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    if (text == nullptr || length <= LongLine)
        return;
    std::string styles;
    const auto styleLine = [&](const char* line, size_t size) {
        RunStyles(std::string_view(line, size), styles);
        SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(line - text), 0L);
        SendScintilla(SCI_SETSTYLINGEX, static_cast<uintptr_t>(styles.size()), styles.data());
    };
    // Lines end at LF (quickly found); only a long stretch between two is looked at for CRs.
    const char* const end = text + length;
    for (const char* line = text; line < end;) {
        const auto* lf = static_cast<const char*>(std::memchr(line, '\n', static_cast<size_t>(end - line)));
        const char* lineEnd = lf ? lf : end;
        for (const char* part = line; lineEnd - line > LongLine && part < lineEnd;) {
            const auto* cr =
                static_cast<const char*>(std::memchr(part, '\r', static_cast<size_t>(lineEnd - part)));
            const char* partEnd = cr ? cr : lineEnd;
            if (partEnd - part > LongLine)
                styleLine(part, static_cast<size_t>(partEnd - part));
            part = partEnd + 1;
        }
        line = lineEnd + 1;
    }
    SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(length), 0L);
}

// QScintilla answers with the caret's whole paragraph, which on a page without blank lines is
// the whole page, copied for every keystroke an input method sees.
QVariant RazoEditor::inputMethodQuery(Qt::InputMethodQuery query) const {
    const bool aroundCaret = query == Qt::ImSurroundingText || query == Qt::ImCursorPosition ||
                             query == Qt::ImAnchorPosition || query == Qt::ImTextBeforeCursor ||
                             query == Qt::ImTextAfterCursor;
    if (!aroundCaret)
        return QsciScintilla::inputMethodQuery(query);
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long anchor = SendScintilla(SCI_GETANCHOR);
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long lineEnd = SendScintilla(SCI_GETLINEENDPOSITION, line);
    // Whole characters, so a window never cuts a UTF-8 sequence.
    const auto step = [this](long from, int characters, unsigned int message, long limit) {
        long at = from;
        for (int i = 0; i < characters && at != limit; ++i)
            at = SendScintilla(message, static_cast<unsigned long>(at));
        return at;
    };
    const long from = step(caret, InputMethodContext, SCI_POSITIONBEFORE, lineStart);
    const long to = step(caret, InputMethodContext, SCI_POSITIONAFTER, lineEnd);
    const auto textOf = [this](long start, long end) {
        const auto* bytes = reinterpret_cast<const char*>(
            SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
        const QByteArrayView view(bytes, bytes ? end - start : 0);
        return isUtf8() ? QString::fromUtf8(view) : QString::fromLatin1(view);
    };
    switch (query) {
    case Qt::ImSurroundingText:
        return textOf(from, to);
    case Qt::ImTextBeforeCursor:
        return textOf(from, caret);
    case Qt::ImTextAfterCursor:
        return textOf(caret, to);
    case Qt::ImCursorPosition:
        return static_cast<int>(textOf(from, caret).size());
    default: // the anchor, within the same window
        return static_cast<int>(textOf(from, std::clamp(anchor, from, to)).size());
    }
}

// QScintilla's accessibility support counts the characters from the start of the document up to
// every insertion or deletion it is told of, so each keystroke near the end of a large file would
// cost time in proportion to the file. Scintilla is therefore asked to report a change only just
// before it happens, which QScintilla passes on without counting; textChanged is raised from
// there. Listeners only note that the text changed, so "just before" serves them as well.
void RazoEditor::reportChangesBeforeTheyHappen() {
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length, int, int, int, int, int, int) {
                if (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))
                    ++m_changeCount;
                if (type & SC_MOD_BEFOREINSERT) {
                    EditorAccessible::Inserting(*this, position, text, length);
                    noteInsertion(position, length);
                }
                if (type & SC_MOD_BEFOREDELETE)
                    EditorAccessible::Removing(*this, position, length);
                if (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))
                    emit textChanged();
            });
}

// The program's accelerators belong to the main window: the editor must neither claim them as
// shortcut overrides nor act on them when their command is disabled and the key reaches it.
void RazoEditor::releaseProgramKeys() {
    const QList<QsciCommand*>& commands = standardCommands()->commands();
    for (const Accelerator& accelerator : AcceleratorTable()) {
        const QKeySequence sequence =
            QKeySequence::fromString(QString::fromLatin1(accelerator.keys), QKeySequence::PortableText);
        if (sequence.isEmpty())
            continue;
        const QKeyCombination combination = sequence[0];
        const int key = combination.toCombined();
        for (QsciCommand* command : commands) {
            if (command->key() == key)
                command->setKey(0);
            if (command->alternateKey() == key)
                command->setAlternateKey(0);
        }
        // Bound to nothing rather than unbound, so Scintilla does not type the letter either.
        int modifiers = static_cast<int>(combination.keyboardModifiers());
        if (const int sciKey = commandKey(static_cast<int>(combination.key()), modifiers))
            SendScintilla(SCI_ASSIGNCMDKEY,
                          static_cast<unsigned long>(sciKey | ScintillaModifiers(modifiers) << 16),
                          static_cast<long>(SCI_NULL));
    }
}

// Typing a character an 8-bit document cannot hold writes its reference instead of a '?'.
void RazoEditor::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool beyondLatin1 =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    if (isUtf8() || !beyondLatin1 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QsciScintilla::keyPressEvent(event);
        return;
    }
    SendScintilla(SCI_REPLACESEL, Latin1WithReferences(text).constData());
    event->accept();
}

// Pasted or dropped text follows the same rule as typed text.
QByteArray RazoEditor::fromMimeData(const QMimeData* source, bool& rectangular) const {
    QByteArray bytes = QsciScintilla::fromMimeData(source, rectangular);
    if (!isUtf8() && source->hasText())
        bytes = Latin1WithReferences(source->text());
    return bytes;
}

} // namespace razo
