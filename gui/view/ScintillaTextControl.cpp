#include "view/ScintillaTextControl.h"

#include <QByteArrayView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <algorithm>
#include <limits>

#include "resources/Accelerators.h"

namespace razo {

namespace {

using Sci = QsciScintillaBase;

// An 8-bit document holds Latin-1. A character it cannot hold goes in as a numeric character
// reference, so nothing the user asked for is lost.
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

// Text from the program is UTF-8.
std::string ToLatin1(std::string_view utf8) {
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(utf8.begin(), utf8.end(), isAscii))
        return std::string(utf8);
    return Latin1WithReferences(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())))
        .toStdString();
}

// New lines typed by the user follow the file's first line break; CR LF when it has none.
QsciScintilla::EolMode EolModeOf(std::string_view bytes) {
    const auto pos = bytes.find_first_of("\r\n");
    if (pos == std::string_view::npos)
        return QsciScintilla::EolWindows;
    if (bytes[pos] == '\n')
        return QsciScintilla::EolUnix;
    return pos + 1 < bytes.size() && bytes[pos + 1] == '\n' ? QsciScintilla::EolWindows
                                                            : QsciScintilla::EolMac;
}

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

QString TextStorableIn(const QsciScintilla& editor, const QString& text) {
    if (editor.isUtf8())
        return text;
    return QString::fromLatin1(Latin1WithReferences(text));
}

RazoEditor::RazoEditor(QWidget* parent) : QsciScintilla(parent) {
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
    releaseProgramKeys();
    reportChangesBeforeTheyHappen();
    connect(this, &QsciScintilla::textChanged, this, [this] { m_modifyFlag = true; });
}

// QScintilla's accessibility support counts the characters from the start of the document up to
// every insertion or deletion it is told of, so each keystroke near the end of a large file would
// cost time in proportion to the file. Scintilla is therefore asked to report a change only just
// before it happens, which QScintilla passes on without counting; textChanged is raised from
// there. Listeners only note that the text changed, so "just before" serves them as well.
void RazoEditor::reportChangesBeforeTheyHappen() {
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int, int) {
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

ScintillaTextControl::ScintillaTextControl(RazoEditor& editor) : m_editor(editor) {}

bool ScintillaTextControl::IsUtf8() const {
    return m_editor.SendScintilla(Sci::SCI_GETCODEPAGE) == Sci::SC_CP_UTF8;
}

void ScintillaTextControl::GetSel(long& start, long& end) const {
    start = m_editor.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    end = m_editor.SendScintilla(Sci::SCI_GETSELECTIONEND);
}

void ScintillaTextControl::SetSel(long start, long end) {
    m_editor.SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(start), end);
}

long ScintillaTextControl::ReplaceSel(std::string_view text, bool canUndo) {
    const std::string bytes = IsUtf8() ? std::string(text) : ToLatin1(text);
    if (!canUndo)
        m_editor.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    // Through the target, with an explicit length, so every byte goes in.
    m_editor.SendScintilla(Sci::SCI_TARGETFROMSELECTION);
    const long start = m_editor.SendScintilla(Sci::SCI_GETTARGETSTART);
    m_editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.c_str());
    const long end = m_editor.SendScintilla(Sci::SCI_GETTARGETEND);
    SetSel(end, end);
    if (!canUndo) {
        m_editor.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
        m_editor.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    }
    return end - start;
}

void ScintillaTextControl::ScrollCaret() {
    m_editor.SendScintilla(Sci::SCI_SCROLLCARET);
}

bool ScintillaTextControl::GetModify() const {
    return m_editor.modifyFlag();
}

void ScintillaTextControl::SetModify(bool modified) {
    m_editor.setModifyFlag(modified);
}

bool ScintillaTextControl::CanUndo() const {
    return m_editor.SendScintilla(Sci::SCI_CANUNDO) != 0;
}

void ScintillaTextControl::Undo() {
    m_editor.SendScintilla(Sci::SCI_UNDO);
}

bool ScintillaTextControl::CanRedo() const {
    return m_editor.SendScintilla(Sci::SCI_CANREDO) != 0;
}

void ScintillaTextControl::Redo() {
    m_editor.SendScintilla(Sci::SCI_REDO);
}

long ScintillaTextControl::LineFromChar(long offset) const {
    return m_editor.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(offset));
}

long ScintillaTextControl::LineIndex(long line) const {
    return m_editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
}

long ScintillaTextControl::TextLength() const {
    return m_editor.SendScintilla(Sci::SCI_GETLENGTH);
}

long ScintillaTextControl::CountCharacters(long from, long to) const {
    return m_editor.SendScintilla(Sci::SCI_COUNTCHARACTERS, static_cast<unsigned long>(from), to);
}

std::optional<long> ScintillaTextControl::CaretPos() const {
    return m_editor.SendScintilla(Sci::SCI_GETCURRENTPOS);
}

std::string ScintillaTextControl::GetBytes() const {
    return std::string(TextView());
}

std::string_view ScintillaTextControl::TextView() const {
    const long length = TextLength();
    const auto* text =
        static_cast<const char*>(m_editor.SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    return text ? std::string_view(text, static_cast<size_t>(length)) : std::string_view();
}

void ScintillaTextControl::SetBytes(std::string_view bytes) {
    BeginLoad(static_cast<std::int64_t>(bytes.size()));
    AppendLoaded(bytes);
    EndLoad(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8());
}

void ScintillaTextControl::BeginLoad(std::int64_t expectedSize) {
    m_editor.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    m_editor.SendScintilla(Sci::SCI_CLEARALL);
    // Room for the whole file at once: growing step by step would copy the text each time and
    // briefly hold it twice.
    if (expectedSize > 0 && expectedSize < std::numeric_limits<long>::max())
        m_editor.SendScintilla(Sci::SCI_ALLOCATE, static_cast<unsigned long>(expectedSize + 1));
}

void ScintillaTextControl::AppendLoaded(std::string_view bytes) {
    if (!bytes.empty())
        m_editor.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.data());
}

void ScintillaTextControl::EndLoad(bool utf8, std::string_view prefix) {
    if (m_editor.isUtf8() != utf8)
        m_editor.setUtf8(utf8);
    if (!prefix.empty()) {
        m_editor.SendScintilla(Sci::SCI_SETTARGETRANGE, 0UL, 0L);
        m_editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(prefix.size()), prefix.data());
    }
    m_editor.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    m_editor.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    m_editor.SendScintilla(Sci::SCI_SETSAVEPOINT);
    m_editor.setEolMode(EolModeOf(FirstLineBreak()));
    SetSel(0, 0);
    SetModify(false);
}

// The first line break and the byte after it, enough to tell CR LF from CR and LF.
std::string ScintillaTextControl::FirstLineBreak() const {
    const long end = m_editor.SendScintilla(Sci::SCI_GETLINEENDPOSITION, 0UL);
    std::string bytes;
    for (long at = end; at < std::min(end + 2, TextLength()); ++at)
        bytes +=
            static_cast<char>(m_editor.SendScintilla(Sci::SCI_GETCHARAT, static_cast<unsigned long>(at)));
    return bytes;
}

} // namespace razo
