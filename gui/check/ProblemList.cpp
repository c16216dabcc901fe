#include "gui/check/ProblemList.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

#include "core/check/CheckReport.h"
#include "core/resources/Strings.h"
#include "gui/check/PageProblems.h"

namespace razo {

namespace {

enum Column { LineColumn, ColumnColumn, TypeColumn, MessageColumn };

constexpr int ProblemRole = Qt::UserRole;

QIcon SeverityIcon(Severity severity) {
    return QApplication::style()->standardIcon(severity == Severity::Error ? QStyle::SP_MessageBoxCritical
                                                                           : QStyle::SP_MessageBoxWarning);
}

QTreeWidgetItem* ProblemRow(const Problem& problem, int index) {
    auto* item = new QTreeWidgetItem({QString::number(problem.line), QString::number(problem.column),
                                      QString::fromUtf8(SeverityName(problem.severity)),
                                      QString::fromStdString(problem.message)});
    item->setData(LineColumn, ProblemRole, index);
    item->setIcon(TypeColumn, SeverityIcon(problem.severity));
    item->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(ColumnColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(MessageColumn, item->text(MessageColumn));
    return item;
}

} // namespace

ProblemList::ProblemList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("problemList"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderLabels(
        {QString::fromUtf8(strings::ProblemLineColumn), QString::fromUtf8(strings::ProblemColumnColumn),
         QString::fromUtf8(strings::ProblemTypeColumn), QString::fromUtf8(strings::ProblemMessageColumn)});
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    setAccessibleName(QString::fromUtf8(strings::ProblemsTitle));
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const int index = ProblemOf(item); index >= 0)
            emit problemChosen(index);
    });
}

int ProblemList::ProblemOf(const QTreeWidgetItem* item) {
    const QVariant index = item ? item->data(LineColumn, ProblemRole) : QVariant();
    return index.isValid() ? index.toInt() : -1;
}

void ProblemList::ShowProblems(PageProblems* problems, const QString& uncheckedText) {
    if (problems == m_problems && uncheckedText == m_uncheckedText && problems != nullptr)
        return;
    if (m_problems)
        disconnect(m_problems, nullptr, this, nullptr);
    m_problems = problems;
    m_uncheckedText = uncheckedText;
    if (problems != nullptr) {
        connect(problems, &PageProblems::reportChanged, this, &ProblemList::Refill);
        connect(problems, &PageProblems::currentChanged, this, &ProblemList::SelectCurrent);
        connect(problems, &QObject::destroyed, this, [this] { ShowProblems(nullptr, m_uncheckedText); });
    }
    Refill();
}

void ProblemList::AddNote(const QString& text) {
    auto* item = new QTreeWidgetItem(this);
    item->setText(LineColumn, text);
    item->setToolTip(LineColumn, text);
    QFont font = item->font(LineColumn);
    font.setItalic(true);
    item->setFont(LineColumn, font);
    item->setFirstColumnSpanned(true);
}

void ProblemList::Refill() {
    clear();
    if (!m_problems) {
        AddNote(m_uncheckedText);
        return;
    }
    const CheckReport& report = m_problems->Report();
    if (m_problems->ChangedSinceCheck())
        AddNote(QString::fromUtf8(strings::ProblemsChangedSince));
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(report.problems.size()));
    for (size_t i = 0; i < report.problems.size(); ++i)
        rows << ProblemRow(report.problems[i], static_cast<int>(i));
    addTopLevelItems(rows);
    if (report.problems.empty())
        AddNote(QString::fromStdString(CheckSummary(report)));
    for (const std::string& note : report.notes)
        AddNote(QString::fromStdString(note));
    FitColumns(rows);
    SelectCurrent(m_problems->Current());
}

// The notes span the row, so the columns are fitted to the header and the problems' rows alone.
void ProblemList::FitColumns(const QList<QTreeWidgetItem*>& rows) {
    const QFontMetrics metrics(font());
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 4);
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this) + margins / 2;
    for (const Column column : {LineColumn, ColumnColumn, TypeColumn}) {
        int width = header()->sectionSizeHint(column);
        for (const QTreeWidgetItem* row : rows)
            width = std::max(width, metrics.horizontalAdvance(row->text(column)) + margins +
                                        (row->icon(column).isNull() ? 0 : icon));
        header()->resizeSection(column, width);
    }
}

void ProblemList::SelectCurrent(int index) {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (index >= 0 && ProblemOf(item) == index) {
            setCurrentItem(item);
            scrollToItem(item);
            return;
        }
    }
}

void ProblemList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit leaveRequested();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

} // namespace razo
