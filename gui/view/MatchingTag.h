#pragma once
#include <QObject>
#include <optional>

class QColor;
class QsciScintillaBase;

namespace razo {

class RazoEditor;

// The name of the tag the caret is in and the name of the tag that matches it; page offsets.
struct TagMatch {
    long nameBegin = 0;
    long nameEnd = 0;
    long matchBegin = 0;
    long matchEnd = 0;

    bool operator==(const TagMatch&) const = default;
};

// When the caret is in the name of a start or end tag: that name and the name of the tag that
// closes or opens it. Only a stretch of the page around the caret is read (the scanner's reach,
// 256 KiB either way, and 64 KiB more for a tag at its edge), so a caret move costs the same on
// any page.
std::optional<TagMatch> FindTagMatch(QsciScintillaBase& editor, long caret);

// Marks the tag at the caret and the tag that matches it with an indicator (never a selection) as
// the caret moves, and remembers the match for the command that goes there.
class MatchingTagMarker : public QObject {
public:
    static constexpr int Indicator = 20;

    explicit MatchingTagMarker(RazoEditor& editor);

    // The match at the caret as the page is now.
    std::optional<TagMatch> Current();
    // Marks the match at the caret, unmarking the last one; nothing when they are the same.
    void Refresh();
    void SetColour(const QColor& colour);

private:
    RazoEditor& m_editor;
    long m_caret = -1;
    unsigned long long m_change = ~0ULL;
    std::optional<TagMatch> m_match;
    std::optional<TagMatch> m_marked;
};

} // namespace razo
