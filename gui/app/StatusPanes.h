#pragma once
#include <QObject>

class QLabel;
class QStatusBar;

namespace razo {

// The panes of the status bar: the stretching message pane with its idle text, a progress pane
// shown while a long task runs, Ln/Col and the three lock-key indicators. Prompts of hovered
// commands replace the idle text while shown.
class StatusPanes : public QObject {
    Q_OBJECT
public:
    explicit StatusPanes(QStatusBar* bar);

    // The Ln/Col pane's text; empty leaves it blank (no document, or the view disabled it).
    void SetLineColumn(const QString& text);
    QString LineColumn() const;
    // How far a long task is ("Checking the page: 40%"); empty hides the pane.
    void SetProgress(const QString& text);
    QString Progress() const;
    // Shows `text` in the message pane until the next prompt or ClearPrompt.
    void ShowPrompt(const QString& text);
    void ClearPrompt();
    // Shows `text` for a few seconds: news that is soon out of date ("reloaded").
    void ShowNotice(const QString& text);

private:
    QLabel* AddPermanent(const char* widthText);

    QStatusBar* m_bar;
    QLabel* m_idle;
    QLabel* m_lineColumn;
    QLabel* m_progress;
};

} // namespace razo
