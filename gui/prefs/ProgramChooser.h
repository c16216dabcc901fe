#pragma once
#include <QSortFilterProxyModel>
#include <optional>
#include <string>

class QWidget;

namespace razo {

// Shows folders and the files that may be run, nothing else: on this platform a program is any
// executable file, whatever its name.
class ExecutableFilesFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};

// The file-open chooser for a browser program: starts in `startFolder`, offers folders and
// executable files, and returns the chosen path as it is (nullopt on Cancel).
std::optional<std::string> ChooseProgram(QWidget* parent, const QString& title, const QString& filter,
                                         const QString& startFolder);

} // namespace razo
