#include "gui/app/UnfinishedSaveOffer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/app/FileMessages.h"
#include "core/app/UnfinishedSaves.h"
#include "gui/app/DocumentIO.h"

namespace razo {

namespace {

// Restore or keep; Escape and closing the box answer neither, so the box stays until one is chosen.
bool AskToRestore(QWidget* parent, const std::string& shownPath) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(strings::AppTitle),
                    QString::fromStdString(UnfinishedSaveQuestion(shownPath)), QMessageBox::NoButton, parent);
    QPushButton* restore = box.addButton(QString::fromUtf8(strings::RestoreButton), QMessageBox::AcceptRole);
    box.addButton(QString::fromUtf8(strings::KeepAsItIsButton), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

} // namespace

void OfferUnfinishedSaves(QWidget* parent, const std::string& page) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<UnfinishedSave> saves = FindUnfinishedSaves(DocumentBackupFolder(), page);
    QApplication::restoreOverrideCursor();
    for (const UnfinishedSave& save : saves) {
        const std::string shown = ShownPath(save.journal.path).toStdString();
        if (!AskToRestore(parent, shown)) {
            DismissUnfinishedSave(save);
            continue;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const int error = RestoreUnfinishedSave(save);
        QApplication::restoreOverrideCursor();
        if (error != 0)
            QMessageBox::warning(parent, QString::fromUtf8(strings::AppTitle),
                                 QString::fromStdString(CannotRestoreMessage(shown, error)));
    }
    if (!saves.empty() && parent)
        parent->activateWindow();
}

} // namespace razo
