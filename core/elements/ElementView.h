#pragma once
#include <string>

namespace razo {

class Document;
class TextControl;

// What an element command sees of the view it runs in: the document, the text, and the one way
// markup goes into the text (InsertTagPair, which the view remembers for Repeat and Undo). The view
// implements it, so the element families never include the view.
class ElementView {
public:
    virtual ~ElementView() = default;
    virtual void InsertTagPair(std::string start, std::string end, bool atTop) = 0;
    virtual Document& GetDocument() = 0;
    // The page's text, for reading a tag back and rewriting it in place (Edit Tag).
    virtual TextControl& Control() = 0;
};

} // namespace razo
