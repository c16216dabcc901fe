#include "gui/app/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "core/resources/Strings.h"
#include "gui/resources/CommandIcons.h"

namespace razo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(strings::AboutTitle));
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* text = new QLabel(this);
    text->setText(QStringLiteral("<b>%1</b> version %2<br><br>"
                                 "An editor for writing HTML pages by hand.<br>"
                                 "Menus, keys and toolbars put markup around the selection;<br>"
                                 "the text stays exactly as you write it.")
                      .arg(QString::fromUtf8(strings::AppTitle), QApplication::applicationVersion()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace razo
