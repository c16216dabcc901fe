#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace razo {

// F1 in a dialog without help of its own (New, Find and Replace, a file chooser, a message box)
// opens the page the dialog names with SetHelpLink, else the help contents. Dialogs built from
// templates and the help window see to F1 themselves and never get here.
class DialogHelpKey : public QObject {
public:
    // Shows a help link; an empty link is the contents.
    using ShowLink = std::function<void(const QString& link)>;

    // Watches every key of the application.
    DialogHelpKey(ShowLink show, QObject* parent);

    static void SetHelpLink(QWidget& dialog, const QString& link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ShowLink m_show;
};

} // namespace razo
