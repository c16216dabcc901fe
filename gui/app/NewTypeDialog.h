#pragma once
#include <QDialog>
#include <QStringList>

class QListWidget;

namespace razo {

// File New's question which kind of document to create: the document types' File New names in
// registration order, the first (the default type) preselected.
class NewTypeDialog : public QDialog {
    Q_OBJECT
public:
    NewTypeDialog(const QStringList& typeNames, QWidget* parent = nullptr);

    // Index into typeNames of the chosen type.
    int SelectedIndex() const;
    QListWidget* List() const { return m_list; }

    // Runs the dialog; the chosen index, -1 on Cancel.
    static int Ask(const QStringList& typeNames, QWidget* parent);

private:
    QListWidget* m_list;
};

} // namespace razo
