#pragma once
#include <QString>
#include <functional>

#include "ports/Document.h"

namespace razo {

class TextControl;
class UserPrompts;

// The Document port of one open document: its path, its title, its modified flag, and the
// save that writes the edit control's bytes unchanged.
class GuiDocument : public Document {
public:
    GuiDocument(TextControl& control, UserPrompts& prompts) : m_control(control), m_prompts(prompts) {}

    std::string PathName() const override { return m_path.toStdString(); }
    std::string Title() const override { return m_title.toStdString(); }
    bool IsModified() const override { return m_modified; }
    void SetModifiedFlag(bool modified) override { m_modified = modified; }
    bool SaveTo(const std::string& path) override;

    QString Path() const { return m_path; }
    QString TitleText() const { return m_title; }
    // A saved document is titled with its file name.
    void SetPathName(const QString& path);
    void SetTitle(const QString& title);

    // Runs when the title changes.
    std::function<void()> onTitleChanged;

private:
    TextControl& m_control;
    UserPrompts& m_prompts;
    QString m_path;
    QString m_title;
    bool m_modified = false;
};

} // namespace razo
