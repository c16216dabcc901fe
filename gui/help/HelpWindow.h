#pragma once
#include <QDialog>
#include <QTextBrowser>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace razo {

// The text browser of the help window: pages under help/ that the program generates (the index's
// contents, the command pages, the dialog pages) are made when asked for; the rest are read.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

// The help window: the program's help pages with Back and Forward, a contents list beside the
// page and a find bar for the page shown. One window for the whole program; it stays open beside
// the editor.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowIndex();
    void ShowUsingHelp();
    // The page for a help context (a dialog's 0x20000 + template id, or a command id):
    // help/topic-<decimal id>.html, else the dialog's generated page, else the index.
    void ShowHelpTopic(int contextId);
    // A page by its link inside the help folder ("menu-font.html#font.bold"); empty is the index.
    void ShowLink(const QString& link);

    QString CurrentPage() const;
    HelpBrowser& Browser() { return *m_browser; }
    QLineEdit& FindField() { return *m_findText; }
    QTreeWidget& Contents() { return *m_contents; }

    // Finds the next (or previous) place of the find field's text in the page, from the caret,
    // round the end; false when the page does not have it.
    bool FindNext(bool backward = false);

private:
    void ShowPage(const QString& resourcePath);
    void Present();
    void FillContents();
    void PageChanged(const QUrl& url);
    void FindFromTop();
    void ShowFound(bool found);

    HelpBrowser* m_browser;
    QTreeWidget* m_contents;
    QLineEdit* m_findText;
    QLabel* m_findResult;
    QPushButton* m_back;
    QPushButton* m_forward;
};

} // namespace razo
