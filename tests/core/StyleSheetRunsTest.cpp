// Style sheets in a page: where they are, and the runs they are coloured in. A run is written
// "kind:text".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/view/StyleSheetRuns.h"
#include "tests/support/RowName.h"

namespace razo {
namespace {

std::string KindName(SyntaxKind kind) {
    switch (kind) {
    case SyntaxKind::Selector:
        return "sel";
    case SyntaxKind::Property:
        return "prop";
    case SyntaxKind::StyleValue:
        return "val";
    case SyntaxKind::Comment:
        return "com";
    default:
        return "?";
    }
}

std::vector<std::string> Runs(std::string_view css) {
    std::vector<std::string> runs;
    for (const TextRun& run : StyleSheetRuns(css))
        runs.push_back(KindName(run.kind) + ":" + std::string(css.substr(run.begin, run.end - run.begin)));
    return runs;
}

struct RunsRow {
    const char* name;
    const char* css;
    std::vector<std::string> runs;
};

class SheetRuns : public ::testing::TestWithParam<RunsRow> {};

TEST_P(SheetRuns, ColoursEachPart) {
    EXPECT_EQ(Runs(GetParam().css), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Css, SheetRuns,
    ::testing::Values(
        RunsRow{"a rule",
                "P { color: red; margin: 0 1em }",
                {"sel:P", "prop:color", "val:red", "prop:margin", "val:0", "val:1em"}},
        RunsRow{"pseudo-class and list", "A:hover, H1 {x:1}", {"sel:A:hover", "sel:H1", "prop:x", "val:1"}},
        RunsRow{"comments anywhere",
                "/* a */ B { /* b */ c: d /* e */ }",
                {"com:/* a */", "sel:B", "com:/* b */", "prop:c", "val:d", "com:/* e */"}},
        RunsRow{"quoted ; and } in a value", "Q { quotes: \"};\" }", {"sel:Q", "prop:quotes", "val:\"};\""}},
        RunsRow{"rules inside @media",
                "@media print { P { x: y } } I { z: w }",
                {"sel:@media", "sel:print", "sel:P", "prop:x", "val:y", "sel:I", "prop:z", "val:w"}},
        RunsRow{"declarations inside @font-face",
                "@font-face { src: url(a.ttf) }",
                {"sel:@font-face", "prop:src", "val:url(a.ttf)"}},
        RunsRow{"markup comment marks",
                "<!--\nP { a: b }\n-->",
                {"com:<!--", "sel:P", "prop:a", "val:b", "com:-->"}},
        RunsRow{"unclosed comment",
                "P { a: b } /* to the end",
                {"sel:P", "prop:a", "val:b", "com:/* to the end"}}),
    [](const auto& info) { return test::RowName(info.param.name); });

struct SpansRow {
    const char* name;
    const char* text; // "[" and "]" mark the spans expected
};

class SheetSpans : public ::testing::TestWithParam<SpansRow> {};

TEST_P(SheetSpans, FindsTheSheets) {
    std::string text;
    std::vector<std::size_t> marks;
    for (const char* c = GetParam().text; *c; ++c) {
        if (*c == '[' || *c == ']')
            marks.push_back(text.size());
        else
            text += *c;
    }
    std::vector<std::size_t> found;
    for (const TextRun& span : StyleSheetSpans(text, 0, text.size())) {
        found.push_back(span.begin);
        found.push_back(span.end);
    }
    EXPECT_EQ(found, marks) << text;
}

INSTANTIATE_TEST_SUITE_P(Page, SheetSpans,
                         ::testing::Values(SpansRow{"one sheet",
                                                    "<HEAD><Style TYPE=\"text/css\">[P{a:b}]</STYLE></HEAD>"},
                                           SpansRow{"two sheets", "<style>[a]</style><p>x<style>[b]</style>"},
                                           SpansRow{"unclosed to the end", "<style>[P{a:b}]"},
                                           SpansRow{"begun before the text", "[P{a:b}]</style><p>"},
                                           SpansRow{"none in a comment", "<!-- <style>P{}</style> --><p>"},
                                           SpansRow{"none in a script", "<script>'<style>'</script><p>"}),
                         [](const auto& info) { return test::RowName(info.param.name); });

TEST(SheetSpans, OnlyThoseReachingTheRangeShown) {
    const std::string text = "<style>a</style>" + std::string(100, 'x') + "<style>b</style>";
    const auto spans = StyleSheetSpans(text, 50, 60);
    EXPECT_TRUE(spans.empty());
    EXPECT_EQ(StyleSheetSpans(text, 50, text.size()).size(), 1u);
}

} // namespace
} // namespace razo
