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
    if (confirmSave && !confirmSave(path))
        return false;
    // Straight from the control's buffer: a large document is not copied to be saved.
    std::vector<std::string_view> pieces;
    if (m_byteOrderMark)
        pieces.push_back(Utf8ByteOrderMark);
    pieces.push_back(m_control.TextView());
    QString error;
    if (!SaveDocumentFile(path, pieces, error)) {
        // The document keeps its changes and its modified flag; the old file is untouched.
        m_prompts.Message(error.toStdString(), MessageIcon::Exclamation);
        return false;
    }
    SetDiskStamp(StampOf(path));
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
