#pragma once
#include <functional>
#include <string>

#include "core/app/CommandRouter.h"
#include "core/elements/ElementView.h"
#include "core/markup/MarkupStyle.h"

namespace razo {

class Document;
class TextControl;

// The edit view: every piece of markup reaches the text through InsertTagPair, which remembers
// the pair for Repeat and for the view's own Undo. The control's modified flag is clear exactly
// while nothing changed the text since the last insertion.
class CRazoView : public ElementView {
public:
    CRazoView(TextControl& control, Document& document);

    TextControl& Control() override { return m_control; }
    Document& GetDocument() override { return m_document; }
    // The view's link of the command route; element families add their handlers to it.
    CommandTarget& Target() { return m_target; }
    const CommandTarget& Target() const { return m_target; }

    // The texts go in written in the markup style the view is given (none: as they are).
    void InsertTagPair(std::string start, std::string end, bool atTop) override;
    // Asked at every insertion, so a style changed in Preferences applies to the next command.
    void SetMarkupStyle(std::function<markup::MarkupStyle()> style) { m_markupStyle = std::move(style); }

    void OnEditUndo();
    void OnUpdateEditUndo(CmdUI& ui) const;
    void OnEditRedo();
    void OnUpdateEditRedo(CmdUI& ui) const;
    void OnRepeatTags();
    void OnUpdateRepeatTags(CmdUI& ui) const;
    void OnUpdateLineCol(CmdUI& ui) const;
    // Both 1-based; the column counts characters, a tab counting as one.
    void GetCaretLineCol(int& line, int& column) const;

    // Called once when the view is first shown; `isNewDocument` runs the standard tags first.
    void OnInitialUpdate(bool isNewDocument);

    const std::string& LastStart() const { return m_strLastStart; }
    // How many pairs went in so far: tells whether a command inserted anything.
    unsigned long Insertions() const { return m_nInsertions; }
    const std::string& LastEnd() const { return m_strLastEnd; }

private:
    void RemoveLastPair();

    TextControl& m_control;
    Document& m_document;
    CommandTarget m_target;
    std::function<markup::MarkupStyle()> m_markupStyle;

    long m_nSelStart = 0;
    long m_nSelEnd = 0;
    std::string m_strLastStart;
    std::string m_strLastEnd;
    unsigned long m_nInsertions = 0;
    // Offsets the last texts took in the control, measured when they went in.
    long m_nLastStartLength = 0;
    long m_nLastEndLength = 0;
};

} // namespace razo
