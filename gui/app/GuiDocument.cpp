#include "gui/app/GuiDocument.h"

#include <QFile>

#include "core/app/DocumentReader.h"
#include "core/app/FilePaths.h"
#include "core/ports/UserPrompts.h"
#include "gui/app/DocumentIO.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {

void GuiDocument::SetModifiedFlag(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    if (onModifiedChanged)
        onModifiedChanged(modified);
}

bool GuiDocument::SaveTo(const std::string& path) {
    // The file as it is now: what a question is about, and the only file the save may replace.
    FileStamp expected = StampOf(path);
    if (confirmSave && !confirmSave(path, expected, false))
        return false;
    // Straight from the control's buffer: a large document is not copied to be saved.
    std::vector<std::string_view> pieces;
    if (m_byteOrderMark)
        pieces.push_back(Utf8ByteOrderMark);
    pieces.push_back(m_control.TextView());
    for (;;) {
        const SaveOutcome outcome = SaveDocumentFile(path, pieces, expected);
        if (outcome.saved) {
            SetDiskStamp(outcome.stamp);
            break;
        }
        // The document keeps its changes and its modified flag; the file is untouched.
        if (!outcome.changed) {
            m_prompts.Message(SaveFailureText(outcome, path).toStdString(), MessageIcon::Exclamation);
            return false;
        }
        // Another program changed the file while it was being saved.
        expected = StampOf(path);
        if (!confirmSave || !confirmSave(path, expected, true))
            return false;
    }
    SetModifiedFlag(false);
    return true;
}

QString GuiDocument::Path() const {
    return m_path.empty() ? QString() : ShownPath(m_path);
}

void GuiDocument::SetPathName(const std::string& path) {
    m_path = AbsoluteFilePath(path);
    SetTitle(QFile::decodeName(QByteArray::fromStdString(FileNameOf(m_path))));
}

void GuiDocument::SetTitle(const QString& title) {
    if (m_title == title)
        return;
    m_title = title;
    if (onTitleChanged)
        onTitleChanged();
}

} // namespace razo
