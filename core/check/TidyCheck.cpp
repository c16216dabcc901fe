#include "core/check/TidyCheck.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <pthread.h>
#include <string>
#include <string_view>
#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>
#include <utility>

#include "core/check/CheckRun.h"

namespace razo {

namespace {

// How much of the calling thread's stack Tidy may use: half of what is left when the check
// starts. Tidy reads the next byte at the depth it has reached, so that is where it is measured.
class StackBudget {
public:
    StackBudget() : m_start(Here()) {
        std::uintptr_t room = SmallestRoom;
        pthread_attr_t thread;
        if (::pthread_getattr_np(::pthread_self(), &thread) == 0) {
            void* lowest = nullptr;
            std::size_t size = 0;
            if (::pthread_attr_getstack(&thread, &lowest, &size) == 0 && m_start > Address(lowest))
                room = m_start - Address(lowest);
            ::pthread_attr_destroy(&thread);
        }
        m_limit = m_start - std::min(room, LargestRoom) / 2;
    }

    bool Spent() const { return Here() < m_limit; }

private:
    static constexpr std::uintptr_t SmallestRoom = 256 * 1024;
    static constexpr std::uintptr_t LargestRoom = 64 * 1024 * 1024;

    static std::uintptr_t Address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }
    // The frame itself, not a local variable, which a sanitizer may keep elsewhere. The stack
    // grows down on every platform this runs on.
    [[gnu::noinline]] static std::uintptr_t Here() { return Address(__builtin_frame_address(0)); }

    std::uintptr_t m_start;
    std::uintptr_t m_limit;
};

// The page as Tidy reads it, with a look at the request to stop every 4 KiB.
struct PageSource {
    std::string_view text;
    CheckRun& run;
    StackBudget stack;
    std::size_t at = 0;
    bool stopped = false;
    bool tooDeep = false;
};

constexpr std::size_t StopCheckMask = 0xFFF;

int TIDY_CALL NextByte(void* data) {
    auto& page = *static_cast<PageSource*>(data);
    if (page.stopped || page.at >= page.text.size())
        return EndOfStream;
    if (page.stack.Spent()) {
        page.stopped = page.tooDeep = true;
        return EndOfStream;
    }
    if ((page.at & StopCheckMask) == 0) {
        if (page.run.ShouldStop()) {
            page.stopped = true;
            return EndOfStream;
        }
        page.run.Progress(page.at);
    }
    const char c = page.text[page.at++];
    // A lone CR ends a line for the editor; Tidy would count the next line's columns on from it.
    if (c == '\r' && (page.at >= page.text.size() || page.text[page.at] != '\n'))
        return '\n';
    return static_cast<unsigned char>(c);
}

void TIDY_CALL PutBack(void* data, byte) {
    auto& page = *static_cast<PageSource*>(data);
    if (page.at > 0)
        --page.at;
}

Bool TIDY_CALL AtEnd(void* data) {
    const auto& page = *static_cast<const PageSource*>(data);
    return page.stopped || page.at >= page.text.size() ? yes : no;
}

std::optional<Severity> SeverityOf(TidyReportLevel level) {
    switch (level) {
    case TidyWarning:
    case TidyAccess:
        return Severity::Warning;
    case TidyError:
    case TidyBadDocument:
    case TidyFatal:
        return Severity::Error;
    default:
        return std::nullopt; // notes, the summary, configuration
    }
}

// HTML5 elements the library's tag table leaves out, declared to it as inline tags of our own.
constexpr std::string_view MissingInlineElements[] = {"data"};

// The library calls a declared tag unapproved; these are elements of HTML5 like any other.
bool IsDeclaredHtml5Element(TidyMessage message) {
    const char* key = tidyGetMessageKey(message);
    const char* text = tidyGetMessageDefault(message);
    if (key == nullptr || text == nullptr || std::string_view(key) != "PROPRIETARY_ELEMENT")
        return false;
    for (std::string_view element : MissingInlineElements)
        if (std::string_view(text).starts_with("<" + std::string(element) + ">"))
            return true;
    return false;
}

void DeclareMissingElements(TidyDoc doc) {
    std::string names;
    for (std::string_view element : MissingInlineElements)
        names += (names.empty() ? "" : " ") + std::string(element);
    tidyOptSetValue(doc, TidyInlineTags, names.c_str());
}

// HTML5 attributes of the media elements that the library's attribute table leaves out; it calls
// them proprietary, though HTML5 defines them on these elements.
bool IsHtml5MediaAttribute(TidyMessage message) {
    static const std::pair<const char*, const char*> known[] = {
        {"audio", "muted"},    {"video", "muted"},           {"img", "loading"},  {"img", "decoding"},
        {"iframe", "loading"}, {"iframe", "referrerpolicy"}, {"iframe", "allow"},
    };
    const char* key = tidyGetMessageKey(message);
    const char* text = tidyGetMessageDefault(message);
    if (key == nullptr || text == nullptr || std::string_view(key) != "PROPRIETARY_ATTRIBUTE")
        return false;
    return std::any_of(std::begin(known), std::end(known), [text](const auto& pair) {
        return std::string_view(text) ==
               "<" + std::string(pair.first) + "> proprietary attribute \"" + pair.second + "\"";
    });
}

Bool TIDY_CALL OnMessage(TidyMessage message) {
    auto& run = *static_cast<CheckRun*>(tidyGetAppData(tidyGetMessageDoc(message)));
    if (IsDeclaredHtml5Element(message) || IsHtml5MediaAttribute(message))
        return no;
    if (const std::optional<Severity> severity = SeverityOf(tidyGetMessageLevel(message))) {
        Problem problem;
        problem.line = std::max(1, tidyGetMessageLine(message));
        problem.column = std::max(1, tidyGetMessageColumn(message));
        problem.severity = *severity;
        const char* text = tidyGetMessageDefault(message);
        problem.message = text != nullptr ? text : "";
        std::replace(problem.message.begin(), problem.message.end(), '\n', ' ');
        run.Add(std::move(problem));
    }
    return no; // nothing is printed
}

struct TidyRelease {
    void operator()(TidyDoc document) const { tidyRelease(document); }
};
using TidyDocument = std::unique_ptr<std::remove_pointer_t<TidyDoc>, TidyRelease>;

} // namespace

std::optional<std::size_t> CheckWithTidy(std::string_view text, bool utf8, CheckRun& run) {
    const TidyDocument document(tidyCreate());
    TidyDoc doc = document.get();
    tidySetAppData(doc, &run);
    tidySetMessageCallback(doc, OnMessage);
    TidyBuffer unprinted;
    tidyBufInit(&unprinted);
    tidySetErrorBuffer(doc, &unprinted);
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetInt(doc, TidyShowErrors, std::numeric_limits<int>::max());
    // Columns count characters, a tab as one, as the problem list does.
    tidyOptSetInt(doc, TidyTabSize, 1);
    tidySetInCharEncoding(doc, utf8 ? "utf8" : "latin1");
    DeclareMissingElements(doc);

    PageSource page{text, run, StackBudget()};
    TidyInputSource source;
    tidyInitSource(&source, &page, NextByte, PutBack, AtEnd);
    tidyParseSource(doc, &source);
    // Cleaning follows the elements as deep as reading did.
    if (!run.ShouldStop() && !page.tooDeep) {
        tidyCleanAndRepair(doc);
        tidyRunDiagnostics(doc);
    }
    tidyBufFree(&unprinted);
    return page.tooDeep ? std::optional<std::size_t>(page.at) : std::nullopt;
}

std::string TidyVersion() {
    return tidyLibraryVersion();
}

} // namespace razo
