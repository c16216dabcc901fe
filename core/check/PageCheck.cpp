#include "core/check/PageCheck.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>

#include "core/app/DocumentReader.h"
#include "core/check/CheckRun.h"
#include "core/check/CheckStrings.h"
#include "core/check/Doctype.h"
#include "core/check/DtdCheck.h"
#include "core/check/TextPlace.h"
#include "core/check/TidyCheck.h"
#include "core/text/MessageText.h"

namespace razo {

namespace {

struct PageText {
    std::string_view text;
    bool utf8 = true;
};

// The text as the editor holds it: a file's byte order mark stays out of a UTF-8 page.
PageText ReadAs(std::string_view text, PageEncoding encoding) {
    if (encoding != PageEncoding::Detect)
        return {text, encoding == PageEncoding::Utf8};
    Utf8Check check;
    check.Feed(text);
    if (check.Valid() && text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());
    return {text, check.Valid()};
}

CheckReport NotChecked(TextPlace place, std::string why) {
    CheckReport report;
    report.outcome = CheckOutcome::NotChecked;
    report.problems.push_back({place.line, place.column, Severity::Error, std::move(why)});
    return report;
}

std::string Megabytes(std::size_t bytes) {
    return std::to_string(bytes >> 20);
}

// What keeps a page from being checked before any checker sees it, if anything.
std::optional<CheckReport> Refusal(const PageText& page, const DoctypeDeclaration& doctype,
                                   const CheckOptions& options) {
    if (page.text.size() > options.maxBytes)
        return NotChecked({}, FillMessage(strings::CheckTooLarge,
                                          {Megabytes(page.text.size()), Megabytes(options.maxBytes)}));
    const std::size_t nul = page.text.find('\0');
    if (nul != std::string_view::npos)
        return NotChecked(PlaceOfOffset(page.text, nul, page.utf8), strings::CheckBinary);
    const TextPlace at = PlaceOfOffset(page.text, doctype.offset, page.utf8);
    switch (doctype.kind) {
    case DoctypeDeclaration::Absent:
    case DoctypeDeclaration::Html:
        return std::nullopt;
    case DoctypeDeclaration::Malformed:
        return NotChecked(at, strings::CheckMalformedDoctype);
    case DoctypeDeclaration::Other:
        return NotChecked(at, FillMessage(strings::CheckUnknownType, {doctype.identifier}));
    case DoctypeDeclaration::Public:
        break;
    }
    const CheckedType* type = FindCheckedType(doctype.identifier);
    if (type == nullptr)
        return NotChecked(at, FillMessage(strings::CheckUnknownType, {doctype.identifier}));
    if (doctype.internalSubset)
        return NotChecked(at, strings::CheckInternalSubset);
    for (const std::string& file : {options.dtdFolder + "/" + (type->xml ? XmlCatalogFile : SgmlCatalogFile),
                                    options.dtdFolder + "/" + type->dtdFile}) {
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(file, ignored))
            return NotChecked(at, FillMessage(strings::CheckDtdMissing, {type->dtdName, file}));
    }
    return std::nullopt;
}

std::string RulesNote(const CheckedType* type, const DoctypeDeclaration& doctype) {
    if (type == nullptr)
        return FillMessage(strings::CheckedWithTidy, {TidyVersion()});
    if (type->nearest)
        return FillMessage(strings::CheckedAgainstNearestDtd, {type->dtdName, doctype.identifier});
    return FillMessage(strings::CheckedAgainstDtd, {type->dtdName});
}

} // namespace

CheckReport CheckPage(std::string_view text, const CheckOptions& options) {
    const PageText page = ReadAs(text, options.encoding);
    const DoctypeDeclaration doctype = ReadDoctype(page.text);
    if (std::optional<CheckReport> refusal = Refusal(page, doctype, options))
        return *refusal;

    CheckReport report;
    CheckRun run(options, page.text.size());
    const CheckedType* type =
        doctype.kind == DoctypeDeclaration::Public ? FindCheckedType(doctype.identifier) : nullptr;
    std::optional<std::size_t> tooDeep;
    try {
        if (!run.CancelRequested()) {
            if (type != nullptr)
                CheckAgainstDtd(page.text, page.utf8, *type, options.dtdFolder, run);
            else
                tooDeep = CheckWithTidy(page.text, page.utf8, run);
        }
    } catch (const std::exception& failure) {
        return NotChecked({}, FillMessage(strings::CheckFailed, {failure.what()}));
    }
    if (run.CancelRequested()) {
        report.outcome = CheckOutcome::Cancelled;
        return report;
    }
    if (tooDeep)
        return NotChecked(PlaceOfOffset(page.text, *tooDeep, page.utf8), strings::CheckTooDeep);
    const bool full = run.Full();
    report.problems = std::move(run.Problems());
    std::stable_sort(report.problems.begin(), report.problems.end(), [](const Problem& a, const Problem& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    report.notes.push_back(RulesNote(type, doctype));
    if (full)
        report.notes.push_back(
            FillMessage(strings::CheckProblemLimit, {std::to_string(options.maxProblems)}));
    if (options.progress)
        options.progress(page.text.size(), page.text.size());
    return report;
}

} // namespace razo
