#pragma once
#include <QDialog>
#include <QString>
#include <vector>

class QTreeWidget;

namespace razo {

// The one question at start about pages a run that ended left unsaved: Recover them all (the
// default), Discard them all, or Decide Later (the next start asks again). Damaged files are
// listed as such; Recover leaves them, Discard removes them with the rest. With nothing but
// damaged files there is nothing to recover, and Decide Later is the default.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    struct Row {
        QString page;   // the file name, or the title of a page never saved
        QString folder; // empty for a page never saved
        qint64 writtenAt = 0;
        qint64 size = 0; // bytes of the page's text, or of the damaged file
        bool damaged = false;
    };
    enum Choice { Recover, Discard, DecideLater };

    RecoveryDialog(const std::vector<Row>& rows, QWidget* parent = nullptr);

    Choice Chosen() const { return m_choice; }
    QTreeWidget* List() const { return m_list; }

private:
    void Choose(Choice choice);

    QTreeWidget* m_list;
    Choice m_choice = DecideLater;
};

} // namespace razo
