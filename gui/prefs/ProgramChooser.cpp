#include "gui/prefs/ProgramChooser.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace razo {

bool ExecutableFilesFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr)
        return true;
    const QFileInfo info = files->fileInfo(files->index(sourceRow, 0, sourceParent));
    return info.isDir() || (info.isFile() && info.isExecutable());
}

std::optional<std::string> ChooseProgram(QWidget* parent, const QString& title, const QString& filter,
                                         const QString& startFolder) {
    QFileDialog dialog(parent, title, startFolder, filter);
    // Only the program's own chooser takes a filter model; the platform's cannot hide files.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setProxyModel(new ExecutableFilesFilter(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

} // namespace razo
