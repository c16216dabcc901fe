#pragma once
#include <optional>
#include <string>

namespace razo {

enum class MessageIcon { None, Exclamation, Information, Question, Stop };

// Everything the core asks of a person: message boxes and the standard choosers.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A modal message box with an OK button; the caption is the application title.
    virtual void Message(const std::string& text, MessageIcon icon) = 0;
    // File-open chooser. `filter` is in the classic "description|pattern|...||" form.
    // Returns the chosen file's full path, or nullopt on Cancel.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                        const std::string& startFolder) = 0;
    // Colour chooser; colours as 0x00BBGGRR. nullopt on Cancel.
    virtual std::optional<unsigned> ChooseColour(unsigned initial) = 0;
    // A short note in the status bar, for what needs no answer.
    virtual void StatusNote(const std::string& /*text*/) {}
};

} // namespace razo
