// The character a reference stands for, as the help pages and the symbol buttons show it.
#include <gtest/gtest.h>

#include "core/text/CharacterReference.h"

namespace {

struct Row {
    const char* reference;
    const char* shown;
};

TEST(CharacterReference, ShowsTheCharacterOrKeepsWhatIsNoReference) {
    const Row rows[] = {
        {"&#193;", "\xC3\x81"},
        {"&#65;", "A"},
        {"&#8364;", "\xE2\x82\xAC"},
        {"&#128512;", "\xF0\x9F\x98\x80"}, // beyond the first plane: four bytes
        {"&#1114111;", "\xF4\x8F\xBF\xBF"},
        {"&amp;", "&"},
        {"&quot;", "\""},
        {"&lt;", "<"},
        {"&gt;", ">"},
        // Not a character: kept as written.
        {"&#1114112;", "&#1114112;"},
        {"&#55296;", "&#55296;"},
        {"&#0;", "&#0;"},
        {"&#12345678;", "&#12345678;"},
        {"&#;", "&#;"},
        {"&#x41;", "&#x41;"},
        {"&#12a;", "&#12a;"},
        {"&#193", "&#193"},
        {"&nbsp;", "&nbsp;"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(razo::ShownCharacter(row.reference), row.shown) << row.reference;
}

} // namespace
