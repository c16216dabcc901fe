#include "gui/app/NewTypeDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/resources/CommandIds.h"
#include "gui/app/ContextHelp.h"
#include "gui/app/DialogHelpKey.h"

namespace razo {

NewTypeDialog::NewTypeDialog(const QStringList& typeNames, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)) {
    setWindowTitle(tr("New"));
    setObjectName("newTypeDialog");
    DialogHelpKey::SetHelpLink(*this, ContextHelp::CommandLink(cmd::FileNew));
    m_list->addItems(typeNames);
    m_list->setCurrentRow(0);
    auto* label = new QLabel(tr("&New"), this);
    label->setBuddy(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    m_list->setFocus();
}

int NewTypeDialog::SelectedIndex() const {
    return m_list->currentRow();
}

int NewTypeDialog::Ask(const QStringList& typeNames, QWidget* parent) {
    NewTypeDialog dialog(typeNames, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.SelectedIndex() : -1;
}

} // namespace razo
