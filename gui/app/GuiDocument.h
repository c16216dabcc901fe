#pragma once
#include <QString>
#include <functional>

#include "ports/Document.h"

namespace razo {

class ScintillaTextControl;
class UserPrompts;

// The Document port of one open document: its path (the system's bytes), its title, its
// modified flag, whether its file starts with a UTF-8 byte order mark, and the save that writes
// the edit control's bytes unchanged behind that mark.
class GuiDocument : public Document {
public:
    GuiDocument(ScintillaTextControl& control, UserPrompts& prompts)
        : m_control(control), m_prompts(prompts) {}

    std::string PathName() const override { return m_path; }
    std::string Title() const override { return m_title.toStdString(); }
    bool IsModified() const override { return m_modified; }
    void SetModifiedFlag(bool modified) override { m_modified = modified; }
    bool SaveTo(const std::string& path) override;

    // The path as the user sees it; empty while the document was never saved.
    QString Path() const;
    QString TitleText() const { return m_title; }
    // A saved document is titled with its file name. `path` is the system's bytes.
    void SetPathName(const std::string& path);
    void SetTitle(const QString& title);

    // The mark is not part of the edited text; it is written in front of it on save.
    bool HasByteOrderMark() const { return m_byteOrderMark; }
    void SetByteOrderMark(bool mark) { m_byteOrderMark = mark; }

    // Runs when the title changes.
    std::function<void()> onTitleChanged;

private:
    ScintillaTextControl& m_control;
    UserPrompts& m_prompts;
    std::string m_path;
    QString m_title;
    bool m_modified = false;
    bool m_byteOrderMark = false;
};

} // namespace razo
