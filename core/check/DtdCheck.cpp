#include "core/check/DtdCheck.h"

#include <OpenSP/ParserEventGeneratorKit.h>
#include <algorithm>
#include <cerrno>
#include <limits>
#include <locale.h>
#include <memory>
#include <mutex>
#include <sys/mman.h>
#include <system_error>
#include <unistd.h>

#include "core/check/CheckRun.h"
#include "core/check/CheckedTypes.h"
#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

// The parser keeps some state of its own between runs; one check at a time goes through it.
std::mutex ParserMutex;

// The page as a file in memory, which the parser reads as it would any file descriptor; how far
// it has read is the progress of the check.
int PageInMemory(std::string_view text) {
    const int fd = ::memfd_create("razo-page", MFD_CLOEXEC);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category());
    const int error = WriteAll(fd, text);
    if (error != 0 || ::lseek(fd, 0, SEEK_SET) != 0) {
        const int why = error != 0 ? error : errno;
        ::close(fd);
        throw std::system_error(why, std::generic_category());
    }
    return fd;
}

// The parser's messages in English whatever the program's locale, so a check in the window and
// one on the command line say the same.
class EnglishMessages {
public:
    EnglishMessages() : m_locale(::newlocale(LC_ALL_MASK, "C", locale_t(0))) {
        if (m_locale != locale_t(0))
            m_previous = ::uselocale(m_locale);
    }
    ~EnglishMessages() {
        if (m_locale == locale_t(0))
            return;
        ::uselocale(m_previous);
        ::freelocale(m_locale);
    }
    EnglishMessages(const EnglishMessages&) = delete;
    EnglishMessages& operator=(const EnglishMessages&) = delete;

private:
    locale_t m_locale;
    locale_t m_previous = locale_t(0);
};

void AppendUtf8(std::string& out, unsigned long c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += "\xEF\xBF\xBD";
    }
}

std::string Utf8(const SGMLApplication::CharString& text) {
    std::string out;
    out.reserve(text.len);
    for (std::size_t i = 0; i < text.len; ++i)
        AppendUtf8(out, text.ptr[i]);
    return out;
}

int ClampedNumber(unsigned long value) {
    return static_cast<int>(std::min<unsigned long>(value, std::numeric_limits<int>::max()));
}

// One line of a message as the parser writes it: "FILE:LINE:COLUMN:TYPE: text" for the problem,
// "FILE:LINE:COLUMN: text" for a place it relates to (the start tag of an element left open).
// The column there counts from 0.
struct MessageLine {
    std::string file;
    long line = -1;
    long column = -1;
    std::string text;
};

bool ReadNumber(std::string_view text, std::size_t& at, long& value) {
    const std::size_t start = at;
    value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && value < 1000000000)
        value = value * 10 + (text[at++] - '0');
    return at > start;
}

MessageLine ReadMessageLine(std::string_view text) {
    MessageLine read;
    for (std::size_t colon = text.find(':'); colon != std::string_view::npos;
         colon = text.find(':', colon + 1)) {
        std::size_t at = colon + 1;
        long line = 0;
        long column = 0;
        if (!ReadNumber(text, at, line) || at >= text.size() || text[at] != ':' ||
            !ReadNumber(text, ++at, column) || at >= text.size() || text[at] != ':')
            continue;
        ++at;
        if (at + 1 < text.size() && text[at] >= 'A' && text[at] <= 'Z' && text[at + 1] == ':')
            at += 2;
        if (at < text.size() && text[at] == ' ')
            ++at;
        read.file = std::string(text.substr(0, colon));
        read.line = line;
        read.column = column;
        read.text = std::string(text.substr(at));
        return read;
    }
    read.text = std::string(text);
    return read;
}

// The message as the problem list shows it: the parser's words on one line, a place they relate
// to added after them.
std::string ProblemMessage(std::string_view raw, std::string_view documentId) {
    std::string message;
    while (!raw.empty()) {
        const std::size_t end = raw.find('\n');
        const std::string_view text = raw.substr(0, end);
        raw = end == std::string_view::npos ? std::string_view() : raw.substr(end + 1);
        if (text.empty())
            continue;
        const MessageLine line = ReadMessageLine(text);
        if (message.empty()) {
            message = line.text;
            continue;
        }
        message += " (" + line.text;
        if (line.line >= 0) {
            message += ": ";
            if (line.file != documentId && !line.file.ends_with(">" + std::string(documentId)))
                message += line.file + ", ";
            message += "line " + std::to_string(line.line) + ", column " + std::to_string(line.column + 1);
        }
        message += ")";
    }
    return message;
}

// Takes the parser's events: its messages become problems, the others only tell how far it is.
class ProblemCollector : public SGMLApplication {
public:
    ProblemCollector(CheckRun& run, const FileDescriptor& page, EventGenerator& generator)
        : m_run(run), m_page(page), m_generator(generator), m_documentId(std::to_string(page.Get())) {}

    void openEntityChange(const OpenEntityPtr& entity) override { m_entity = entity; }
    void startElement(const StartElementEvent&) override { Tick(); }
    void endElement(const EndElementEvent&) override { Tick(); }
    void data(const DataEvent&) override { Tick(); }
    void sdata(const SdataEvent&) override { Tick(); }
    void pi(const PiEvent&) override { Tick(); }
    void nonSgmlChar(const NonSgmlCharEvent&) override { Tick(); }
    void commentDecl(const CommentDeclEvent&) override { Tick(); }
    void markedSectionStart(const MarkedSectionStartEvent&) override { Tick(); }
    void ignoredChars(const IgnoredCharsEvent&) override { Tick(); }

    void error(const ErrorEvent& event) override {
        if (event.type != ErrorEvent::info)
            m_run.Add(ProblemAt(event));
        Tick();
    }

private:
    void Tick() {
        if (m_run.ShouldStop())
            m_generator.halt();
        if (++m_events % 1024 == 0) {
            const off_t read = ::lseek(m_page.Get(), 0, SEEK_CUR);
            if (read > 0)
                m_run.Progress(static_cast<std::size_t>(read));
        }
    }

    Problem ProblemAt(const ErrorEvent& event) const {
        Problem problem;
        problem.severity = event.type == ErrorEvent::warning ? Severity::Warning : Severity::Error;
        problem.message = ProblemMessage(Utf8(event.message), m_documentId);
        if (!m_entity)
            return problem;
        const Location place(m_entity, event.pos);
        if (Utf8(place.filename) == m_documentId && place.lineNumber != static_cast<unsigned long>(-1)) {
            problem.line = std::max(1, ClampedNumber(place.lineNumber));
            problem.column = std::max(1, ClampedNumber(place.columnNumber));
        } else if (place.filename.len > 0) {
            // Found in a DTD or an entity set rather than in the page: said where, listed at its top.
            problem.message +=
                " (" + Utf8(place.filename) + ", line " + std::to_string(place.lineNumber) + ")";
        }
        return problem;
    }

    CheckRun& m_run;
    const FileDescriptor& m_page;
    EventGenerator& m_generator;
    const std::string m_documentId;
    OpenEntityPtr m_entity;
    unsigned long m_events = 0;
};

// The catalog entry that maps the type's public identifier to its DTD, ahead of the installed
// catalogs: it makes the identifier win over any system identifier the DOCTYPE names (which
// could be a web address), and gives the types without a DTD of their own the nearest one.
std::string TypeCatalog(const CheckedType& type, const std::string& dtdFolder) {
    return std::string("<LITERAL>OVERRIDE YES PUBLIC \"") + type.publicId + "\" \"" + dtdFolder + "/" +
           type.dtdFile + "\"";
}

} // namespace

void CheckAgainstDtd(std::string_view text, bool utf8, const CheckedType& type, const std::string& dtdFolder,
                     CheckRun& run) {
    const FileDescriptor page(PageInMemory(text));
    const std::lock_guard<std::mutex> lock(ParserMutex);
    const EnglishMessages english;

    ParserEventGeneratorKit kit;
    const std::string typeCatalog = TypeCatalog(type, dtdFolder);
    const std::string catalog = dtdFolder + "/" + (type.xml ? XmlCatalogFile : SgmlCatalogFile);
    kit.setOption(ParserEventGeneratorKit::addCatalog, typeCatalog.c_str());
    kit.setOption(ParserEventGeneratorKit::addCatalog, catalog.c_str());
    // Files are read from the DTD folder only.
    kit.setOption(ParserEventGeneratorKit::restrictFileReading);
    kit.setOption(ParserEventGeneratorKit::addSearchDir, dtdFolder.c_str());
    kit.setOption(ParserEventGeneratorKit::enableWarning, "valid");
    kit.setOption(ParserEventGeneratorKit::enableWarning, "non-sgml-char-ref");
    kit.setOption(ParserEventGeneratorKit::enableWarning, "no-duplicate");
    if (type.xml)
        kit.setOption(ParserEventGeneratorKit::enableWarning, "xml");

    std::string systemId =
        std::string("<OSFD BCTF=") + (utf8 ? "UTF-8" : "IDENTITY") + ">" + std::to_string(page.Get());
    char* files[] = {systemId.data()};
    const std::unique_ptr<EventGenerator> generator(kit.makeEventGenerator(1, files));
    generator->inhibitMessages(true);
    ProblemCollector collector(run, page, *generator);
    generator->run(collector);
}

} // namespace razo
