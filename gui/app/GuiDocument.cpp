#include "app/GuiDocument.h"

#include <QFileInfo>

#include "app/DocumentIO.h"
#include "ports/TextControl.h"
#include "ports/UserPrompts.h"

namespace razo {

bool GuiDocument::SaveTo(const std::string& path) {
    const std::string bytes = m_control.GetBytes();
    QString error;
    if (!WriteDocumentFile(QString::fromStdString(path), QByteArray::fromStdString(bytes), error)) {
        // The document keeps its changes and its modified flag; the old file is untouched.
        m_prompts.Message(error.toStdString(), MessageIcon::Exclamation);
        return false;
    }
    m_modified = false;
    return true;
}

void GuiDocument::SetPathName(const QString& path) {
    m_path = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
}

void GuiDocument::SetTitle(const QString& title) {
    if (m_title == title)
        return;
    m_title = title;
    if (onTitleChanged)
        onTitleChanged();
}

} // namespace razo
