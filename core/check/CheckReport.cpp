#include "core/check/CheckReport.h"

#include <algorithm>

#include "core/check/CheckStrings.h"
#include "core/text/MessageText.h"

namespace razo {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::size_t CheckReport::Count(Severity severity) const {
    return static_cast<std::size_t>(std::count_if(
        problems.begin(), problems.end(), [severity](const Problem& p) { return p.severity == severity; }));
}

namespace {

std::string Counted(std::size_t count, const char* one, const char* many) {
    return count == 1 ? std::string(one) : FillMessage(many, {std::to_string(count)});
}

} // namespace

std::string CheckSummary(const CheckReport& report) {
    if (report.outcome == CheckOutcome::Cancelled)
        return strings::CheckCancelled;
    if (report.outcome == CheckOutcome::NotChecked)
        return strings::CheckNotDone;
    const std::size_t errors = report.Count(Severity::Error);
    const std::size_t warnings = report.Count(Severity::Warning);
    if (errors == 0 && warnings == 0)
        return strings::CheckNoProblems;
    if (warnings == 0)
        return Counted(errors, strings::CheckOneError, strings::CheckErrors);
    if (errors == 0)
        return Counted(warnings, strings::CheckOneWarning, strings::CheckWarnings);
    return Counted(errors, strings::CheckOneError, strings::CheckErrors) + ", " +
           Counted(warnings, strings::CheckOneWarning, strings::CheckWarnings);
}

} // namespace razo
