#pragma once
#include <QString>
#include <functional>

#include "core/ports/Document.h"
#include "core/settings/AtomicFile.h"

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
    void SetModifiedFlag(bool modified) override;
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

    // The file as this document last read or wrote it, and as the user was last told of it (the
    // same, unless the file changed and the user chose to keep the edits).
    const FileStamp& DiskStamp() const { return m_diskStamp; }
    const FileStamp& SeenStamp() const { return m_seenStamp; }
    void SetDiskStamp(const FileStamp& stamp) { m_diskStamp = m_seenStamp = stamp; }
    void SetSeenStamp(const FileStamp& stamp) { m_seenStamp = stamp; }

    // Runs when the title changes.
    std::function<void()> onTitleChanged;
    // Runs when the modified flag changes.
    std::function<void(bool modified)> onModifiedChanged;
    // Asked before the text is written to `path`, where `found` is; and again, with `duringSave`,
    // when another program changed the file while the text was being written (nothing was then
    // overwritten). False cancels the save without a message.
    std::function<bool(const std::string& path, const FileStamp& found, bool duringSave)> confirmSave;

private:
    ScintillaTextControl& m_control;
    UserPrompts& m_prompts;
    std::string m_path;
    QString m_title;
    bool m_modified = false;
    bool m_byteOrderMark = false;
    FileStamp m_diskStamp;
    FileStamp m_seenStamp;
};

} // namespace razo
