#pragma once
#include "core/ports/UserPrompts.h"

class QWidget;

namespace razo {

// Message boxes and the standard choosers, parented to the dialog that asks (the active modal
// window), else to the main window.
class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void Message(const std::string& text, MessageIcon icon) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                const std::string& startFolder) override;
    std::optional<unsigned> ChooseColour(unsigned initial) override;
    void StatusNote(const std::string& text) override;

private:
    QWidget* Owner() const;

    QWidget* m_parent;
};

} // namespace razo
