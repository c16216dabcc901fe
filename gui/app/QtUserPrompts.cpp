#include "gui/app/QtUserPrompts.h"

#include <QApplication>

#include <QColorDialog>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

#include "core/dialogs/FileFilter.h"
#include "core/prefs/Preferences.h"
#include "core/resources/Strings.h"
#include "gui/prefs/ProgramChooser.h"

namespace razo {

void QtUserPrompts::StatusNote(const std::string& text) {
    constexpr int NoteMs = 8000;
    auto* window = m_parent ? qobject_cast<QMainWindow*>(m_parent->window()) : nullptr;
    if (window)
        window->statusBar()->showMessage(QString::fromStdString(text), NoteMs);
    QApplication::beep();
}

QWidget* QtUserPrompts::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_parent;
}
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtUserPrompts::Message(const std::string& text, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), QString::fromUtf8(strings::AppTitle), QString::fromStdString(text),
                    QMessageBox::Ok, Owner());
    box.exec();
}

std::optional<std::string> QtUserPrompts::ChooseFileToOpen(const std::string& title,
                                                           const std::string& filter,
                                                           const std::string& startFolder) {
    // A program is any executable file here, so its chooser filters by permission, not by name.
    if (filter == browse::ProgramFilter)
        return ChooseProgram(Owner(), QString::fromStdString(title),
                             QString::fromStdString(ToQtFileFilter(filter)),
                             QString::fromStdString(startFolder));
    const QString path = QFileDialog::getOpenFileName(Owner(), QString::fromStdString(title),
                                                      QString::fromStdString(startFolder),
                                                      QString::fromStdString(ToQtFileFilter(filter)));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<unsigned> QtUserPrompts::ChooseColour(unsigned initial) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, Owner());
    if (!chosen.isValid())
        return std::nullopt;
    return unsigned(chosen.red()) | (unsigned(chosen.green()) << 8) | (unsigned(chosen.blue()) << 16);
}

} // namespace razo
