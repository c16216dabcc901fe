#include "gui/app/RecoveryDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/resources/Strings.h"

namespace razo {

RecoveryDialog::RecoveryDialog(const std::vector<Row>& rows, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this)) {
    setWindowTitle(QString::fromUtf8(strings::RecoveryTitle));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    top->addWidget(icon);
    auto* intro = new QLabel(QString::fromUtf8(strings::RecoveryIntro), this);
    intro->setWordWrap(true);
    top->addWidget(intro, 1);
    layout->addLayout(top);

    m_list->setColumnCount(4);
    m_list->setHeaderLabels(
        {QString::fromUtf8(strings::RecoveryPageColumn), QString::fromUtf8(strings::RecoveryFolderColumn),
         QString::fromUtf8(strings::RecoverySizeColumn), QString::fromUtf8(strings::RecoveryTimeColumn)});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    // Reachable by Tab so its rows can be read out; Return still recovers.
    m_list->setFocusPolicy(Qt::TabFocus);
    const QLocale locale;
    bool anyDamaged = false;
    bool anyWhole = false;
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, row.damaged ? QString::fromUtf8(strings::RecoveryDamaged).arg(row.page) : row.page);
        item->setText(1, row.folder.isEmpty() ? QString::fromUtf8(strings::RecoveryNeverSaved) : row.folder);
        item->setToolTip(1, row.folder);
        item->setText(2, locale.formattedDataSize(row.size, 1, QLocale::DataSizeTraditionalFormat));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(3, locale.toString(QDateTime::fromSecsSinceEpoch(row.writtenAt), QLocale::ShortFormat));
        anyDamaged = anyDamaged || row.damaged;
        anyWhole = anyWhole || !row.damaged;
    }
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    // As tall as its rows, a few at least, and wide enough for a folder path.
    m_list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_list->setMinimumWidth(fontMetrics().averageCharWidth() * 96);
    layout->addWidget(m_list, 1);

    QString noteText = QString::fromUtf8(strings::RecoveryNote);
    if (anyDamaged)
        noteText += " " + QString::fromUtf8(strings::RecoveryDamagedNote);
    auto* note = new QLabel(noteText, this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recover =
        buttons->addButton(QString::fromUtf8(strings::RecoverButton), QDialogButtonBox::AcceptRole);
    QPushButton* discard =
        buttons->addButton(QString::fromUtf8(strings::DiscardButton), QDialogButtonBox::DestructiveRole);
    QPushButton* later =
        buttons->addButton(QString::fromUtf8(strings::DecideLaterButton), QDialogButtonBox::RejectRole);
    QPushButton* first = anyWhole ? recover : later;
    recover->setEnabled(anyWhole);
    first->setDefault(true);
    first->setFocus();
    connect(recover, &QPushButton::clicked, this, [this] { Choose(Recover); });
    connect(discard, &QPushButton::clicked, this, [this] { Choose(Discard); });
    connect(later, &QPushButton::clicked, this, [this] { Choose(DecideLater); });
    layout->addWidget(buttons);
}

void RecoveryDialog::Choose(Choice choice) {
    m_choice = choice;
    if (choice == DecideLater)
        reject();
    else
        accept();
}

} // namespace razo
