#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/UserPrompts.h"

namespace razo::test {

// Records every message; answers choosers from queues the test fills (empty queue = Cancel).
class FakeUserPrompts : public UserPrompts {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
    };
    std::vector<Shown> messages;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<unsigned>> colourAnswers;
    struct FileRequest {
        std::string title, filter, startFolder;
    };
    std::vector<FileRequest> fileRequests;
    std::vector<unsigned> colourRequests;

    void Message(const std::string& text, MessageIcon icon) override { messages.push_back({text, icon}); }
    std::vector<std::string> notes;
    void StatusNote(const std::string& text) override { notes.push_back(text); }
    std::optional<std::string> ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                const std::string& startFolder) override {
        fileRequests.push_back({title, filter, startFolder});
        if (fileAnswers.empty())
            return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    std::optional<unsigned> ChooseColour(unsigned initial) override {
        colourRequests.push_back(initial);
        if (colourAnswers.empty())
            return std::nullopt;
        auto answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages)
            texts.push_back(m.text);
        return texts;
    }
};

} // namespace razo::test
