#include "gui/view/ScintillaTextControl.h"

#include <QByteArrayView>
#include <algorithm>
#include <limits>

#include "core/app/DocumentReader.h"
#include "core/text/LineEnding.h"

namespace razo {

namespace {

using Sci = QsciScintillaBase;

// Text from the program is UTF-8.
std::string ToLatin1(std::string_view utf8) {
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(utf8.begin(), utf8.end(), isAscii))
        return std::string(utf8);
    return Latin1WithReferences(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())))
        .toStdString();
}

QsciScintilla::EolMode EolModeOf(std::string_view ending) {
    if (ending == "\n")
        return QsciScintilla::EolUnix;
    return ending == "\r" ? QsciScintilla::EolMac : QsciScintilla::EolWindows;
}

} // namespace

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

std::string_view ScintillaTextControl::LineEnding() const {
    switch (m_editor.eolMode()) {
    case QsciScintilla::EolUnix:
        return "\n";
    case QsciScintilla::EolMac:
        return "\r";
    case QsciScintilla::EolWindows:
        break;
    }
    return "\r\n";
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

// Scintilla steps through the range one character at a time; valid UTF-8 is counted by its
// lead bytes instead, which keeps Ln/Col quick at the end of a very long line.
long ScintillaTextControl::CountCharacters(long from, long to) const {
    if (to <= from || !IsUtf8())
        return m_editor.SendScintilla(Sci::SCI_COUNTCHARACTERS, static_cast<unsigned long>(from), to);
    const auto* text = reinterpret_cast<const char*>(
        m_editor.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
    if (text == nullptr)
        return m_editor.SendScintilla(Sci::SCI_COUNTCHARACTERS, static_cast<unsigned long>(from), to);
    const std::string_view range(text, static_cast<size_t>(to - from));
    Utf8Check check;
    check.Feed(range);
    if (!check.Valid())
        return m_editor.SendScintilla(Sci::SCI_COUNTCHARACTERS, static_cast<unsigned long>(from), to);
    return static_cast<long>(std::count_if(
        range.begin(), range.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::optional<long> ScintillaTextControl::CaretPos() const {
    return m_editor.SendScintilla(Sci::SCI_GETCURRENTPOS);
}

std::string ScintillaTextControl::GetBytes() const {
    return std::string(TextView());
}

std::string ScintillaTextControl::GetByteRange(long from, long to) const {
    if (to <= from)
        return {};
    const auto* text = reinterpret_cast<const char*>(
        m_editor.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
    return text ? std::string(text, static_cast<size_t>(to - from)) : std::string();
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
    // With wrapping on, a shown control wraps all the text as it arrives, before the window can
    // answer; wrapped afterwards, only what is shown is wrapped at once, the rest when idle.
    m_wrapAfterLoad = m_editor.wrapMode();
    if (m_wrapAfterLoad != QsciScintilla::WrapNone)
        m_editor.setWrapMode(QsciScintilla::WrapNone);
    m_editor.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    m_editor.SendScintilla(Sci::SCI_CLEARALL);
    // Room for the whole file at once: growing step by step would copy the text each time and
    // briefly hold it twice. Two bytes more leave room for the end mark the text is read with.
    if (expectedSize > 0 && expectedSize < std::numeric_limits<long>::max())
        m_editor.SendScintilla(Sci::SCI_ALLOCATE, static_cast<unsigned long>(expectedSize + 2));
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
    // New lines typed by the user, and markup put in, follow the file's first line break.
    m_editor.setEolMode(EolModeOf(LineEndingOf(FirstLineBreak())));
    // Before the caret is placed: placing it lays out its line, with the styles it has then.
    m_editor.styleLoadedText();
    if (m_wrapAfterLoad != QsciScintilla::WrapNone)
        m_editor.setWrapMode(m_wrapAfterLoad);
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
