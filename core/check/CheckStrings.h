#pragma once

// The page check's own words. Problems are written like the checking libraries' messages (no
// capital, no full stop); notes and summaries are sentences.
namespace razo::strings {

inline constexpr const char* CheckNoProblems = "No problems found";
inline constexpr const char* CheckOneError = "1 error";
inline constexpr const char* CheckErrors = "%1 errors";
inline constexpr const char* CheckOneWarning = "1 warning";
inline constexpr const char* CheckWarnings = "%1 warnings";
inline constexpr const char* CheckCancelled = "Check cancelled";
inline constexpr const char* CheckNotDone = "The page was not checked";

// Why a page was not checked.
inline constexpr const char* CheckUnknownType =
    "the document type \"%1\" has no rules the check knows (it knows HTML 2.0, HTML 3.2, HTML 4.0 and "
    "4.01, XHTML 1.0 and 1.1, and <!DOCTYPE html>): the page was not checked";
inline constexpr const char* CheckMalformedDoctype =
    "the DOCTYPE declaration is malformed, so the rules to check against are unknown: the page was "
    "not checked";
inline constexpr const char* CheckInternalSubset =
    "the DOCTYPE declaration has an internal subset, whose declarations could read other files: the "
    "page was not checked";
inline constexpr const char* CheckDtdMissing =
    "the %1 DTD is not installed (%2 is missing; it comes with the w3c-sgml-lib package): the page "
    "was not checked";
inline constexpr const char* CheckBinary =
    "the page holds a NUL character, as binary files do: it was not checked";
inline constexpr const char* CheckTooLarge =
    "the page is %1 MB, and pages of up to %2 MB are checked: it was not checked";
inline constexpr const char* CheckTooDeep =
    "the page nests its elements too deeply for HTML Tidy to follow: the check stopped here";
inline constexpr const char* CheckFailed = "the check could not run: %1";

// Notes: which rules were used, and limits reached.
inline constexpr const char* CheckedAgainstDtd = "Checked against the W3C %1 DTD.";
inline constexpr const char* CheckedAgainstNearestDtd =
    "Checked against the W3C %1 DTD, the nearest to \"%2\", which has no DTD of its own.";
inline constexpr const char* CheckedWithTidy = "Checked with HTML Tidy %1.";
inline constexpr const char* CheckProblemLimit = "The check stopped after the first %1 problems.";

// The command line: a file that was not read, and a call without files.
inline constexpr const char* CheckCommandName = "razo";
inline constexpr const char* CheckNoFiles = "--check needs the files to check: razo --check FILE...";
inline constexpr const char* CheckCannotCheckFile =
    "Cannot check %1: it is %2 MB, and pages of up to %3 MB are checked.";

} // namespace razo::strings
