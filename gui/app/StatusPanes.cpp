#include "gui/app/StatusPanes.h"

#include <QLabel>
#include <QStatusBar>

#include "core/resources/Strings.h"

namespace razo {

StatusPanes::StatusPanes(QStatusBar* bar) : QObject(bar), m_bar(bar) {
    m_idle = new QLabel(QString::fromUtf8(strings::IdleMessage), bar);
    m_idle->setObjectName("messagePane");
    bar->addWidget(m_idle, 1);
    // Shown only while a long task runs, left of the line and column.
    m_progress = new QLabel(bar);
    m_progress->setObjectName("progressPane");
    bar->addPermanentWidget(m_progress);
    m_progress->hide();
    m_lineColumn = AddPermanent(strings::LnColWidthText);
    m_lineColumn->setObjectName("lineColumnPane");
    // Qt cannot tell the state of the lock keys on every platform, so these panes stay blank;
    // they keep their width so the layout matches the familiar one.
    AddPermanent(strings::CapsIndicator)->setObjectName("capsPane");
    AddPermanent(strings::NumIndicator)->setObjectName("numPane");
    AddPermanent(strings::ScrollIndicator)->setObjectName("scrollPane");
}

QLabel* StatusPanes::AddPermanent(const char* widthText) {
    auto* label = new QLabel(m_bar);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    const int margins = 2 * label->frameWidth() + 8;
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(widthText)) + margins);
    m_bar->addPermanentWidget(label);
    return label;
}

void StatusPanes::SetLineColumn(const QString& text) {
    if (m_lineColumn->text() != text)
        m_lineColumn->setText(text);
}

QString StatusPanes::LineColumn() const {
    return m_lineColumn->text();
}

void StatusPanes::SetProgress(const QString& text) {
    if (m_progress->text() != text)
        m_progress->setText(text);
    m_progress->setVisible(!text.isEmpty());
}

QString StatusPanes::Progress() const {
    return m_progress->text();
}

void StatusPanes::ShowPrompt(const QString& text) {
    m_bar->showMessage(text);
}

void StatusPanes::ClearPrompt() {
    m_bar->clearMessage();
}

void StatusPanes::ShowNotice(const QString& text) {
    constexpr int kNoticeMs = 8000;
    m_bar->showMessage(text, kNoticeMs);
}

} // namespace razo
