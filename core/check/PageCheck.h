#pragma once
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/check/CheckReport.h"
#include "core/check/CheckedTypes.h"

namespace razo {

// How the bytes of a page are to be read.
enum class PageEncoding {
    Detect, // as a file is opened: UTF-8 (without its byte order mark) when valid, else 8-bit
    Utf8,
    Latin1, // an 8-bit page
};

struct CheckOptions {
    PageEncoding encoding = PageEncoding::Detect;
    // Set from any thread to stop the check soon; it then reports Cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the checking thread now and then with the bytes read so far and the whole.
    std::function<void(std::size_t done, std::size_t total)> progress;
    std::string dtdFolder = W3cDtdFolder;
    std::size_t maxProblems = 1000;
    std::size_t maxBytes = std::size_t(100) << 20;
};

// Checks a page against the rules of its document type: a DOCTYPE the check knows (see
// CheckedTypes) against its W3C DTD with the SGML parser, <!DOCTYPE html> or none with HTML Tidy.
// Any other DOCTYPE, a page holding NUL characters or one larger than `maxBytes` is not checked,
// and the one problem of the report says why. Runs on the calling thread, reads no file but the
// DTDs and catalogs of `dtdFolder`, and never the network; safe on any thread, one check at a
// time going through the SGML parser.
CheckReport CheckPage(std::string_view text, const CheckOptions& options = {});

} // namespace razo
