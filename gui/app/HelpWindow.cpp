#include "app/HelpWindow.h"

#include "dialogs/HelpPages.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace razo {
namespace {

constexpr const char* IndexPage = ":/help/index.html";
constexpr const char* UsingHelpPage = ":/help/using-help.html";

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setWindowTitle(tr("Razo Help"));
    setModal(false);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* contents = buttons->addButton(tr("&Contents"), QDialogButtonBox::ActionRole);
    QPushButton* back = buttons->addButton(tr("&Back"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowIndex);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    back->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(560, 480);
}

void HelpWindow::ShowIndex() {
    ShowPage(IndexPage);
}

void HelpWindow::ShowUsingHelp() {
    ShowPage(UsingHelpPage);
}

void HelpWindow::ShowHelpTopic(int contextId) {
    const QString topic = QStringLiteral(":/help/topic-%1.html").arg(contextId);
    if (QFile::exists(topic)) {
        ShowPage(topic);
        return;
    }
    // Every dialog's page is generated from its template.
    if (const QString page = DialogHelpPage(contextId); !page.isEmpty()) {
        m_browser->setHtml(page);
        Present();
        return;
    }
    ShowPage(QString::fromUtf8(IndexPage));
}

QString HelpWindow::CurrentPage() const {
    return m_browser->source().toString();
}

void HelpWindow::ShowPage(const QString& resourcePath) {
    m_browser->setSource(QUrl("qrc" + resourcePath));
    Present();
}

void HelpWindow::Present() {
    show();
    raise();
    activateWindow();
}

} // namespace razo
