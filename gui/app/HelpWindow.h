#pragma once
#include <QDialog>

class QTextBrowser;

namespace razo {

// The help window: the program's help pages (resources under help/) in a text browser.
// One window for the whole program; it stays open beside the editor.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowIndex();
    void ShowUsingHelp();
    // The page for a help context (a dialog's 0x20000 + template id, or a command id):
    // help/topic-<decimal id>.html, the index when there is no such page.
    void ShowHelpTopic(int contextId);

    QString CurrentPage() const;

private:
    void ShowPage(const QString& resourcePath);
    void Present();

    QTextBrowser* m_browser;
};

} // namespace razo
