#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace razo {

namespace preview {
inline constexpr const char* SaveFirstMessage = "Please save your document before viewing.";
inline constexpr const char* NoBrowserMessage = "You must specify a browser name using the preferences.";
inline constexpr const char* CannotStartMessage = "Cannot execute browser.";
} // namespace preview

// Splits a command into words the way Qt's QProcess::splitCommand does: blanks separate words,
// double quotes group blanks into a word, and three double quotes in a row stand for one quote.
std::vector<std::string> SplitCommandLine(std::string_view command);

// The program and arguments that show `documentPath` in the browser `browserCommand`: the
// command's own words, then the path as one more argument, unquoted. nullopt when the command
// names no program.
struct BrowserLaunch {
    std::string program;
    std::vector<std::string> arguments;
};
std::optional<BrowserLaunch> BrowserLaunchFor(std::string_view browserCommand,
                                              const std::string& documentPath);

} // namespace razo
