#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace razo {

// Where a document file's bytes go as they are read, a piece at a time, so the file is never
// held twice in memory.
class ReadSink {
public:
    virtual ~ReadSink() = default;
    // Before the first piece: the size the file had when it was opened (it may still change).
    virtual void Begin(std::int64_t expectedSize) = 0;
    virtual void Append(std::string_view bytes) = 0;
};

struct ReadOutcome {
    enum Status {
        Read,       // every byte went to the sink
        Folder,     // a folder, not a file
        NotRegular, // a FIFO, a device, a socket: nothing was read from it
        TooLarge,   // more than the limit; `size` is at least limit + 1
        Failed,     // the system refused; `error` is its errno
    };
    Status status = Failed;
    int error = 0;
    std::int64_t size = 0; // bytes found (for TooLarge: as far as they were counted)
};

// Reads the regular file at `path` (a byte path, as the system names it) into `sink`. Opens
// without blocking, so a FIFO or a device neither hangs nor feeds endless bytes; refuses anything
// that is not a regular file, and never reads more than `limit` + 1 bytes.
ReadOutcome ReadDocumentBytes(const std::string& path, std::int64_t limit, ReadSink& sink,
                              std::size_t pieceSize = 1 << 20);

// Decides, over pieces of text, whether the whole is valid UTF-8 (RFC 3629: no overlong forms,
// no surrogates, nothing above U+10FFFF). A sequence may be split between pieces.
class Utf8Check {
public:
    void Feed(std::string_view bytes);
    // True when every byte fed so far forms complete, valid sequences.
    bool Valid() const { return m_valid && m_needed == 0; }

private:
    bool m_valid = true;
    int m_needed = 0;             // continuation bytes still expected
    unsigned char m_lower = 0x80; // allowed range of the next continuation byte
    unsigned char m_upper = 0xBF;
};

// The UTF-8 byte order mark, kept out of the edited text and written back on save.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// The system's text for an errno value ("No space left on device").
std::string SystemErrorText(int error);

} // namespace razo
