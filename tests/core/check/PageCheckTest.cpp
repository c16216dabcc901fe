// Pages known valid and known invalid for every document type the check knows, with the exact
// place and severity of each problem; the pages it refuses; stopping and progress.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <ostream>
#include <pthread.h>
#include <string>
#include <vector>

#include "core/check/PageCheck.h"
#include "core/check/TidyCheck.h"
#include "tests/support/RowName.h"
#include "tests/support/TempDir.h"

namespace razo {

void PrintTo(const Problem& p, std::ostream* out) {
    *out << p.line << ':' << p.column << ": " << SeverityName(p.severity) << ": " << p.message;
}

namespace {

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

std::string Html(const std::string& doctype, const std::string& body) {
    return doctype + "\n<html><head><title>t</title></head>\n" + body + "</html>\n";
}

std::string Xhtml(const char* type, const char* file, const std::string& body) {
    return std::string("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 ") + type +
           "//EN\" \"http://www.w3.org/TR/xhtml1/DTD/" + file +
           "\">\n<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head><title>t</title></head>\n" + body +
           "</html>\n";
}

const std::string Html20 = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">";
const std::string Html32 = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">";
const std::string Html32Draft = "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 3.2 Draft//EN\">";
const std::string Strict = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">";
const std::string Loose = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
const std::string Frames = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">";
const std::string Netscape = "<!DOCTYPE html PUBLIC \"-//Netscape Comm. Corp.//DTD HTML//EN\">";
const std::string Microsoft = "<!DOCTYPE html PUBLIC \"-//Microsoft Corp.//DTD HTML//EN\">";
const std::string FrameSet =
    "<frameset cols=\"50%,50%\"><frame src=\"a.html\"><frame src=\"b.html\"></frameset>";

struct PageRow {
    std::string name;
    std::string page;
    std::vector<Problem> problems;
    std::string note;
};

class CheckedPage : public ::testing::TestWithParam<PageRow> {};

TEST_P(CheckedPage, HasExactlyTheseProblems) {
    const PageRow& row = GetParam();
    const CheckReport report = CheckPage(row.page);
    EXPECT_EQ(report.outcome, CheckOutcome::Checked);
    EXPECT_EQ(report.problems, row.problems);
    ASSERT_FALSE(report.notes.empty());
    EXPECT_EQ(report.notes.front(), row.note);
}

const std::string Tidy = "Checked with HTML Tidy " + TidyVersion() + ".";

INSTANTIATE_TEST_SUITE_P(
    Types, CheckedPage,
    ::testing::Values(
        PageRow{"html 2.0 valid",
                Html(Html20, "<BODY><P>Caf&eacute; <B>x</B><UL><LI>a</UL></BODY>"),
                {},
                "Checked against the W3C HTML 2.0 DTD."},
        PageRow{"html 2.0 has no tables",
                Html(Html20, "<BODY><P><TABLE><TR><TD>x</TABLE></BODY>"),
                {{3, 16, E, "element \"TABLE\" undefined"},
                 {3, 20, E, "element \"TR\" undefined"},
                 {3, 24, E, "element \"TD\" undefined"}},
                "Checked against the W3C HTML 2.0 DTD."},
        PageRow{"html 3.2 valid",
                Html(Html32, "<BODY><CENTER><FONT SIZE=2>x</FONT></CENTER></BODY>"),
                {},
                "Checked against the W3C HTML 3.2 Final DTD."},
        PageRow{"html 3.2 has no span",
                Html(Html32, "<BODY><P><SPAN>x</SPAN></BODY>"),
                {{3, 15, E, "element \"SPAN\" undefined"}},
                "Checked against the W3C HTML 3.2 Final DTD."},
        PageRow{
            "html 3.2 draft as final",
            Html(Html32Draft, "<BODY><P><SPAN>x</SPAN></BODY>"),
            {{3, 15, E, "element \"SPAN\" undefined"}},
            "Checked against the W3C HTML 3.2 Final DTD, the nearest to \"-//W3C//DTD HTML 3.2 Draft//EN\", "
            "which has no DTD of its own."},
        PageRow{
            "html 4.01 strict valid, its system id a web address left unread",
            Html("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" \"http://example.invalid/strict.dtd\">",
                 "<body><p>&euro; <em>x</em></p></body>"),
            {},
            "Checked against the W3C HTML 4.01 Strict DTD."},
        PageRow{"html 4.01 strict has no font",
                Html(Strict, "<body><p><font>x</font></p></body>"),
                {{3, 15, E, "element \"FONT\" undefined"}},
                "Checked against the W3C HTML 4.01 Strict DTD."},
        PageRow{"html 4.01 transitional valid",
                Html(Loose, "<body><center><font color=red>x</font></center></body>"),
                {},
                "Checked against the W3C HTML 4.01 Transitional DTD."},
        PageRow{"html 4.01 transitional wants alt",
                Html(Loose, "<body><p><img src=\"a.png\"></p></body>"),
                {{3, 26, E, "required attribute \"ALT\" not specified"}},
                "Checked against the W3C HTML 4.01 Transitional DTD."},
        PageRow{"html 4.01 frameset valid",
                Html(Frames, FrameSet),
                {},
                "Checked against the W3C HTML 4.01 Frameset DTD."},
        PageRow{"html 4.01 frameset holds no paragraph",
                Html(Frames, "<frameset><p>x</p></frameset>"),
                {{3, 13, E, "document type does not allow element \"P\" here"},
                 {3, 29, E, "end tag for \"FRAMESET\" which is not finished"}},
                "Checked against the W3C HTML 4.01 Frameset DTD."},
        PageRow{"netscape as 4.01 transitional",
                Html(Netscape, "<body><p><span>x</span><marquee>y</marquee></body>"),
                {{3, 32, E, "element \"MARQUEE\" undefined"}},
                "Checked against the W3C HTML 4.01 Transitional DTD, the nearest to \"-//Netscape Comm. "
                "Corp.//DTD HTML//EN\", which has no DTD of its own."},
        PageRow{
            "microsoft as 4.01 transitional",
            Html(Microsoft, "<body><p><font color=red>x</font></body>"),
            {},
            "Checked against the W3C HTML 4.01 Transitional DTD, the nearest to \"-//Microsoft Corp.//DTD "
            "HTML//EN\", which has no DTD of its own."},
        PageRow{"xhtml 1.0 strict valid",
                Xhtml("Strict", "xhtml1-strict.dtd", "<body><p>a<br />b</p></body>"),
                {},
                "Checked against the W3C XHTML 1.0 Strict DTD."},
        PageRow{"xhtml 1.0 strict closes every element",
                Xhtml("Strict", "xhtml1-strict.dtd", "<body><p>a<br>b</p></body>"),
                {{4, 15, E,
                  "end tag for \"br\" omitted, but OMITTAG NO was specified (start tag was here: line 4, "
                  "column 11)"}},
                "Checked against the W3C XHTML 1.0 Strict DTD."},
        PageRow{"xhtml 1.0 transitional valid",
                Xhtml("Transitional", "xhtml1-transitional.dtd",
                      "<body><center><font color=\"red\">x</font></center></body>"),
                {},
                "Checked against the W3C XHTML 1.0 Transitional DTD."},
        PageRow{"xhtml 1.0 transitional misspelt attribute",
                Xhtml("Transitional", "xhtml1-transitional.dtd",
                      "<body><p><font colour=\"red\">x</font></p></body>"),
                {{4, 23, E, "there is no attribute \"colour\""}},
                "Checked against the W3C XHTML 1.0 Transitional DTD."},
        PageRow{"xhtml 1.0 frameset valid",
                Xhtml("Frameset", "xhtml1-frameset.dtd", "<frameset><frame src=\"a.html\" /></frameset>"),
                {},
                "Checked against the W3C XHTML 1.0 Frameset DTD."},
        PageRow{"xhtml 1.0 frameset names are lower case",
                Xhtml("Frameset", "xhtml1-frameset.dtd", "<frameset><FRAME src=\"a.html\" /></frameset>"),
                {{4, 22, E, "there is no attribute \"src\""}, {4, 32, E, "element \"FRAME\" undefined"}},
                "Checked against the W3C XHTML 1.0 Frameset DTD."},
        PageRow{
            "html5 valid", Html("<!DOCTYPE html>", "<body><main><p>Caf\xC3\xA9</p></main></body>"), {}, Tidy},
        PageRow{"html5 unknown element, a tab and a UTF-8 letter before it",
                Html("<!DOCTYPE html>", "<body><p>\t\xC3\xA9<foo>x</foo></p></body>"),
                {{3, 12, E, "<foo> is not recognized!"},
                 {3, 12, W, "discarding unexpected <foo>"},
                 {3, 18, W, "discarding unexpected </foo>"}},
                Tidy},
        PageRow{"html5 media attributes the library does not know, on their elements only",
                Html("<!DOCTYPE html>",
                     "<body><p><img src=a.png alt=\"\" loading=lazy><span loading=lazy>x</span></p></body>"),
                {{3, 45, W, "<span> proprietary attribute \"loading\""}},
                Tidy},
        PageRow{"no doctype, lines ended by lone CRs",
                "<html><head><title>t</title></head>\r<body>\r<p><img src=a.png></p></body></html>\r",
                {{1, 1, W, "missing <!DOCTYPE> declaration"}, {3, 4, W, "<img> lacks \"alt\" attribute"}},
                Tidy},
        PageRow{"8-bit page: a byte is a character",
                Html(Strict, "<body>\r\n<p>\xE9\xE9<bar></p></body>"),
                {{4, 10, E, "element \"BAR\" undefined"}},
                "Checked against the W3C HTML 4.01 Strict DTD."},
        PageRow{"UTF-8 page with byte order mark, counted as the editor shows it",
                "\xEF\xBB\xBF" + Html(Strict, "<body><p>\xE2\x82\xAC<bar></p></body>"),
                {{3, 15, E, "element \"BAR\" undefined"}},
                "Checked against the W3C HTML 4.01 Strict DTD."}),
    [](const auto& info) { return test::RowName(info.param.name); });

struct RefusedRow {
    std::string name;
    std::string page;
    Problem problem;
};

class RefusedPage : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedPage, IsNotCheckedAndSaysWhy) {
    const CheckReport report = CheckPage(GetParam().page);
    EXPECT_EQ(report.outcome, CheckOutcome::NotChecked);
    EXPECT_EQ(report.problems, std::vector<Problem>{GetParam().problem});
    EXPECT_EQ(CheckSummary(report), "The page was not checked");
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RefusedPage,
    ::testing::Values(
        RefusedRow{"nul character",
                   Html(Strict, std::string("<body>\n  \0x</body>", 18)),
                   {4, 3, E, "the page holds a NUL character, as binary files do: it was not checked"}},
        RefusedRow{"unknown public identifier",
                   "<!-- a comment first -->\n <!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.02//EN\">\n<p>x",
                   {2, 2, E,
                    "the document type \"-//W3C//DTD HTML 4.02//EN\" has no rules the check knows (it knows "
                    "HTML 2.0, "
                    "HTML 3.2, HTML 4.0 and 4.01, XHTML 1.0 and 1.1, and <!DOCTYPE html>): the page was not "
                    "checked"}},
        RefusedRow{
            "malformed doctype",
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN>\n<p>x</p>\n",
            {1, 1, E,
             "the DOCTYPE declaration is malformed, so the rules to check against are unknown: the page was "
             "not checked"}},
        RefusedRow{
            "internal subset",
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" [<!ENTITY x SYSTEM \"/dev/zero\">]>\n&x;",
            {1, 1, E,
             "the DOCTYPE declaration has an internal subset, whose declarations could read other files: "
             "the page was not checked"}}),
    [](const auto& info) { return test::RowName(info.param.name); });

TEST(PageCheckLimits, ALargePageOrAMissingDtdIsNotChecked) {
    CheckOptions small;
    small.maxBytes = 1 << 20;
    const CheckReport large = CheckPage(std::string((1 << 20) + 1, 'x'), small);
    ASSERT_EQ(large.problems.size(), 1u);
    EXPECT_EQ(large.problems[0].message,
              "the page is 1 MB, and pages of up to 1 MB are checked: it was not checked");

    test::TempDir folder;
    test::WriteBytes(folder.File("sgml.soc"), "");
    CheckOptions elsewhere;
    elsewhere.dtdFolder = folder.Path().string();
    const CheckReport missing = CheckPage(Html(Strict, "<body></body>"), elsewhere);
    EXPECT_EQ(missing.outcome, CheckOutcome::NotChecked);
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_EQ(missing.problems[0].message,
              "the HTML 4.01 Strict DTD is not installed (" + folder.Path().string() +
                  "/REC-html401-19991224/strict.dtd is missing; it comes with the "
                  "w3c-sgml-lib package): the page was not checked");
}

TEST(PageCheckLimits, StopsAtTheProblemLimitAndSaysSo) {
    CheckOptions options;
    options.maxProblems = 3;
    std::string body = "<body>";
    for (int i = 0; i < 50; ++i)
        body += "<p><foo>";
    for (const std::string& doctype : {Strict, std::string("<!DOCTYPE html>")}) {
        const CheckReport report = CheckPage(Html(doctype, body + "</body>"), options);
        EXPECT_EQ(report.problems.size(), 3u) << doctype;
        EXPECT_EQ(report.notes.back(), "The check stopped after the first 3 problems.");
    }
}

// Checks `page` on a thread with a stack of `bytes`, as a worker thread might have.
CheckReport CheckOnSmallStack(const std::string& page, std::size_t bytes) {
    struct Work {
        const std::string& page;
        CheckReport report;
    } work{page, {}};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, bytes);
    pthread_t thread;
    const auto run = [](void* data) -> void* {
        auto& w = *static_cast<Work*>(data);
        w.report = CheckPage(w.page);
        return nullptr;
    };
    EXPECT_EQ(pthread_create(&thread, &attributes, run, &work), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    return work.report;
}

// Tidy follows nesting by recursion: too deep a page stops the check instead of the program.
TEST(PageCheckLimits, NestingTooDeepForTheStackIsNotChecked) {
    std::string open;
    std::string close;
    for (int i = 0; i < 20000; ++i) {
        open += "<div>";
        close += "</div>";
    }
    const std::string nested = open + "x" + close;
    const CheckReport tidy =
        CheckOnSmallStack(Html("<!DOCTYPE html>", "<body>" + nested + "</body>"), 512 * 1024);
    EXPECT_EQ(tidy.outcome, CheckOutcome::NotChecked);
    ASSERT_EQ(tidy.problems.size(), 1u);
    EXPECT_EQ(tidy.problems[0].line, 3);
    EXPECT_EQ(tidy.problems[0].message,
              "the page nests its elements too deeply for HTML Tidy to follow: the check stopped here");
    // The SGML parser keeps its own list of open elements, and the SGML declaration a limit.
    const CheckReport dtd = CheckOnSmallStack(Html(Strict, "<body>" + nested + "</body>"), 512 * 1024);
    EXPECT_EQ(dtd.problems,
              (std::vector<Problem>{{3, 501, E, "number of open elements exceeds TAGLVL (100)"}}));
}

// A page of a few MiB, checked by each checker, cancelled from the progress it reports.
TEST(PageCheckProgress, ReportsProgressAndStopsWhenCancelled) {
    std::string body = "<body>";
    while (body.size() < (3u << 20))
        body += "<p>Fresh <b>beans</b> and <a href=\"x.html\">a link</a>.</p>\n";
    for (const std::string& doctype : {Loose, std::string("<!DOCTYPE html>")}) {
        const std::string page = Html(doctype, body + "</body>");
        std::vector<std::size_t> steps;
        CheckOptions options;
        options.progress = [&](std::size_t done, std::size_t total) {
            EXPECT_EQ(total, page.size());
            steps.push_back(done);
        };
        EXPECT_EQ(CheckSummary(CheckPage(page, options)), "No problems found") << doctype;
        EXPECT_GT(steps.size(), 10u) << doctype;
        EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end())) << doctype;
        EXPECT_EQ(steps.back(), page.size()) << doctype;

        std::atomic<bool> cancel{false};
        std::size_t lastStep = 0;
        options.cancel = &cancel;
        options.progress = [&](std::size_t done, std::size_t) {
            lastStep = done;
            cancel = done > page.size() / 4;
        };
        const CheckReport cancelled = CheckPage(page, options);
        EXPECT_EQ(cancelled.outcome, CheckOutcome::Cancelled) << doctype;
        EXPECT_TRUE(cancelled.problems.empty());
        EXPECT_LT(lastStep, page.size() / 2) << doctype;
    }
}

} // namespace
} // namespace razo
