#include "core/check/CheckCommand.h"

#include <algorithm>
#include <optional>

#include "core/app/DocumentReader.h"
#include "core/app/FileMessages.h"
#include "core/check/CheckStrings.h"
#include "core/text/MessageText.h"

namespace razo {

namespace {

class StringSink : public ReadSink {
public:
    void Begin(std::int64_t expectedSize) override {
        m_bytes.reserve(static_cast<std::size_t>(std::max<std::int64_t>(expectedSize, 0)));
    }
    void Append(std::string_view bytes) override { m_bytes.append(bytes); }
    std::string& Bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

// A message written for a dialog, on one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text)
        if (c != '\n')
            line += c;
        else if (line.empty() || line.back() != ' ')
            line += ' ';
    return line;
}

std::optional<std::string> ReadPage(const std::string& path, std::size_t limit, std::ostream& err) {
    StringSink sink;
    const ReadOutcome outcome = ReadDocumentBytes(path, static_cast<std::int64_t>(limit), sink);
    if (outcome.status == ReadOutcome::Read)
        return std::move(sink.Bytes());
    const std::string why =
        outcome.status == ReadOutcome::TooLarge
            ? FillMessage(strings::CheckCannotCheckFile,
                          {path, std::to_string(outcome.size >> 20), std::to_string(limit >> 20)})
            : OneLine(OpenFailureMessage(outcome, path, static_cast<std::int64_t>(limit)));
    err << strings::CheckCommandName << ": " << why << '\n';
    return std::nullopt;
}

void WriteReport(const std::string& path, const CheckReport& report, std::ostream& out) {
    if (report.problems.empty())
        return;
    for (const Problem& problem : report.problems)
        out << path << ':' << problem.line << ':' << problem.column << ": " << SeverityName(problem.severity)
            << ": " << problem.message << '\n';
    for (const std::string& note : report.notes)
        out << path << ": note: " << note << '\n';
}

} // namespace

int RunCheckCommand(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err,
                    const CheckOptions& options) {
    if (paths.empty()) {
        err << strings::CheckCommandName << ": " << strings::CheckNoFiles << '\n';
        return CheckExitUnreadable;
    }
    CheckOptions fileOptions = options;
    fileOptions.encoding = PageEncoding::Detect;
    bool unreadable = false;
    bool errors = false;
    for (const std::string& path : paths) {
        const std::optional<std::string> page = ReadPage(path, options.maxBytes, err);
        if (!page) {
            unreadable = true;
            continue;
        }
        const CheckReport report = CheckPage(*page, fileOptions);
        WriteReport(path, report, out);
        out.flush();
        errors = errors || report.HasErrors();
    }
    return unreadable ? CheckExitUnreadable : errors ? CheckExitErrors : CheckExitClean;
}

} // namespace razo
