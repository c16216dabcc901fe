#pragma once
#include <string>
#include <string_view>

namespace razo::markup {

// How the user wants markup written. The program writes upper-case names and leaves simple values
// unquoted; either choice changes the tags of every command's text on its way into the page.
struct MarkupStyle {
    bool lowerCaseNames = false;
    bool quoteEveryValue = false;

    bool Changes() const { return lowerCaseNames || quoteEveryValue; }
};

// `text` with every start and end tag in it written in `style`: element and attribute names in
// lower case, unquoted values in double quotes (single ones when the value holds a double quote).
// Comments, declarations, text between tags and values themselves stay as they are.
std::string ApplyMarkupStyle(std::string_view text, MarkupStyle style);

} // namespace razo::markup
