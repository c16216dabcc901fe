#pragma once
#include <QDialog>

namespace razo {

// "About Razo": the program's name, version and what it is for. Closes on OK.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace razo
