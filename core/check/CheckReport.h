#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace razo {

enum class Severity { Error, Warning };

// "error" or "warning", as the problem list and the command line write it.
const char* SeverityName(Severity severity);

// One problem in a checked page. The place is that of the checked text: `line` counts from 1
// (a line ends at LF, CR LF or a lone CR), `column` counts characters from 1 (a UTF-8 sequence
// or, in an 8-bit page, a byte is one character; a tab is one). The caret belongs before that
// character: the SGML parser names the place just after what it found wrong, Tidy the tag's start.
struct Problem {
    int line = 1;
    int column = 1;
    Severity severity = Severity::Error;
    std::string message; // the checking library's words, UTF-8, one line
    bool operator==(const Problem&) const = default;
};

enum class CheckOutcome {
    Checked,    // every problem found is listed (up to the limit a note tells of)
    NotChecked, // the page could not be checked: the one problem says why
    Cancelled,  // stopped on request; nothing is listed
};

struct CheckReport {
    CheckOutcome outcome = CheckOutcome::Checked;
    std::vector<Problem> problems;  // in the order of the page
    std::vector<std::string> notes; // which rules were used, and any limit that was reached

    std::size_t Count(Severity severity) const;
    bool HasErrors() const { return Count(Severity::Error) > 0; }
};

// The status bar's words for a report: "No problems found", "2 errors, 1 warning", ...
std::string CheckSummary(const CheckReport& report);

} // namespace razo
