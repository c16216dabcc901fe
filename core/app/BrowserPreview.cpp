#include "core/app/BrowserPreview.h"

namespace razo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view command) {
    std::vector<std::string> words;
    std::string word;
    int quotes = 0;
    bool inQuote = false;
    for (const char c : command) {
        if (c == '"') {
            if (++quotes == 3) {
                quotes = 0;
                word += c;
            }
            continue;
        }
        // One quote opens or closes a group; two in a row ("") change nothing.
        if (quotes == 1)
            inQuote = !inQuote;
        quotes = 0;
        if (!inQuote && IsBlank(c)) {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::optional<BrowserLaunch> BrowserLaunchFor(std::string_view browserCommand,
                                              const std::string& documentPath) {
    std::vector<std::string> words = SplitCommandLine(browserCommand);
    if (words.empty())
        return std::nullopt;
    BrowserLaunch launch{std::move(words.front()), {}};
    launch.arguments.assign(std::make_move_iterator(words.begin() + 1), std::make_move_iterator(words.end()));
    launch.arguments.push_back(documentPath);
    return launch;
}

} // namespace razo
