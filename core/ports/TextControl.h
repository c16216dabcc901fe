#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace razo {

// The edit control as the view sees it. Offsets are the control's own offsets (bytes of the
// document as the control holds it); a CR LF line break counts as two.
class TextControl {
public:
    virtual ~TextControl() = default;

    // Selection with start <= end.
    virtual void GetSel(long& start, long& end) const = 0;
    virtual void SetSel(long start, long end) = 0;
    // Replaces the selection with `text` (UTF-8) and leaves the caret after it. Returns how many
    // offsets the inserted text occupies in the control, which differs from text.size() when the
    // document's encoding needs other bytes.
    virtual long ReplaceSel(std::string_view text, bool canUndo) = 0;
    virtual void ScrollCaret() = 0;

    virtual bool GetModify() const = 0;
    virtual void SetModify(bool modified) = 0;
    virtual bool CanUndo() const = 0;
    virtual void Undo() = 0;
    // Takes back an undo, for controls with an undo history; the classic control has none.
    virtual bool CanRedo() const { return false; }
    virtual void Redo() {}

    virtual long LineFromChar(long offset) const = 0;
    virtual long LineIndex(long line) const = 0;
    virtual long TextLength() const = 0;
    // Number of characters between two offsets of one line (a tab counts as one).
    virtual long CountCharacters(long from, long to) const { return to - from; }
    // Where the caret really is, for controls that know; nullopt lets the view infer it.
    virtual std::optional<long> CaretPos() const { return std::nullopt; }

    virtual std::string GetBytes() const = 0;
    // The bytes between two offsets, as the control holds them.
    virtual std::string GetByteRange(long from, long to) const {
        return GetBytes().substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    }
    // The line ending new lines take in this text (as Enter types them): "\r\n", "\n" or "\r".
    virtual std::string_view LineEnding() const { return "\r\n"; }
    // True while the control holds UTF-8; otherwise each byte is one Latin-1 character.
    virtual bool HoldsUtf8() const { return true; }
    virtual void SetBytes(std::string_view bytes) = 0;
};

} // namespace razo
