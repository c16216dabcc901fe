#include "gui/help/HelpWindow.h"

#include "core/help/CommandHelp.h"
#include "core/resources/Strings.h"
#include "gui/help/HelpPages.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace razo {
namespace {

constexpr const char* HelpFolder = ":/help/";
constexpr const char* IndexFile = "index.html";
constexpr const char* UsingHelpFile = "using-help.html";
constexpr int FileRole = Qt::UserRole;

} // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.scheme() == QLatin1String("qrc") &&
        name.path().startsWith(QLatin1String("/help/")))
        if (const QString page = GeneratedHelpHtml(name.fileName()); !page.isNull())
            return page;
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent), m_browser(new HelpBrowser(this)), m_contents(new QTreeWidget(this)),
      m_findText(new QLineEdit(this)), m_findResult(new QLabel(this)) {
    LoadHelpPages();
    setWindowTitle(QString::fromUtf8(strings::HelpTitle));
    setModal(false);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    // Markup in the pages is shown in the font the program's own toolbar images use for code.
    m_browser->document()->setDefaultStyleSheet(
        QStringLiteral("code { font-family: \"DejaVu Sans Mono\"; }"));

    m_back = new QPushButton(QString::fromUtf8(strings::HelpBackButton), this);
    m_forward = new QPushButton(QString::fromUtf8(strings::HelpForwardButton), this);
    auto* home = new QPushButton(QString::fromUtf8(strings::HelpContentsButton), this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, &HelpWindow::ShowIndex);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::PageChanged);
    for (QPushButton* button : {m_back, m_forward, home})
        button->setAutoDefault(false);

    // Find in page: typing searches from the top, Return and F3 go on, Shift+F3 goes back.
    auto* findLabel = new QLabel(QString::fromUtf8(strings::HelpFindLabel), this);
    m_findResult->setObjectName(QStringLiteral("findResult"));
    findLabel->setBuddy(m_findText);
    m_findText->setClearButtonEnabled(true);
    m_findText->setPlaceholderText(QString::fromUtf8(strings::HelpFindHint));
    auto* previous = new QPushButton(QString::fromUtf8(strings::HelpFindPrevious), this);
    auto* next = new QPushButton(QString::fromUtf8(strings::HelpFindNext), this);
    for (QPushButton* button : {previous, next})
        button->setAutoDefault(false);
    connect(m_findText, &QLineEdit::textEdited, this, &HelpWindow::FindFromTop);
    connect(m_findText, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(next, &QPushButton::clicked, this, [this] { FindNext(); });
    connect(previous, &QPushButton::clicked, this, [this] { FindNext(true); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_findText->setFocus();
        m_findText->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, [this] { FindNext(); });
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
            [this] { FindNext(true); });
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, m_browser,
            &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, m_browser,
            &QTextBrowser::forward);
    // F1 in the help window: how to use it.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &HelpWindow::ShowUsingHelp);

    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(true);
    m_contents->setUniformRowHeights(true);
    m_contents->setAccessibleName(QString::fromUtf8(strings::HelpContentsList));
    FillContents();
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const QString file = item->data(0, FileRole).toString(); !file.isEmpty())
            ShowLink(file);
    });
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item == nullptr)
            return;
        const QString file = item->data(0, FileRole).toString();
        if (!file.isEmpty() && file != m_browser->source().fileName())
            ShowLink(file);
    });

    auto* split = new QSplitter(this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    // The list as wide as its longest open entry, so no title is cut short.
    const int listWidth =
        static_cast<QAbstractItemView*>(m_contents)->sizeHintForColumn(0) + 2 * m_contents->frameWidth() + em;
    split->setSizes({listWidth, em * 48});

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(m_back);
    navigation->addWidget(m_forward);
    navigation->addWidget(home);
    navigation->addSpacing(em);
    navigation->addWidget(findLabel);
    navigation->addWidget(m_findText, 1);
    navigation->addWidget(previous);
    navigation->addWidget(next);
    navigation->addWidget(m_findResult);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    // Return belongs to the find field (the next place), never to Close.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);
    resize(std::max(listWidth + em * 48, minimumSizeHint().width()), em * 52);
}

void HelpWindow::FillContents() {
    auto add = [this](QTreeWidgetItem* parent, const QString& title, const QString& file) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, title);
        item->setData(0, FileRole, file);
        return item;
    };
    add(nullptr, QString::fromUtf8(strings::HelpTitle), QString::fromUtf8(IndexFile));
    add(nullptr, QString::fromUtf8(strings::UsingHelpTitle), QString::fromUtf8(UsingHelpFile));
    std::map<std::string, QTreeWidgetItem*> groups;
    for (const HelpContentsEntry& entry : HelpContents()) {
        QTreeWidgetItem*& group = groups[entry.group];
        if (group == nullptr)
            group = add(nullptr, QString::fromStdString(entry.group), QString());
        add(group, QString::fromStdString(entry.title), QString::fromStdString(entry.file));
    }
    // The command pages are few and show at once; the dialogs stay folded.
    if (!groups.empty())
        groups.begin()->second->setExpanded(true);
}

void HelpWindow::PageChanged(const QUrl& url) {
    const QString title = m_browser->documentTitle();
    const QString name = QString::fromUtf8(strings::HelpTitle);
    setWindowTitle(title.isEmpty() || title == name ? name
                                                    : QString::fromUtf8(strings::HelpPageTitle).arg(title));
    ShowFound(true);
    const QString file = url.fileName();
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it)
        if ((*it)->data(0, FileRole).toString() == file) {
            const QSignalBlocker block(m_contents);
            m_contents->setCurrentItem(*it);
            m_contents->scrollToItem(*it);
            return;
        }
    const QSignalBlocker block(m_contents);
    m_contents->setCurrentItem(nullptr);
}

void HelpWindow::FindFromTop() {
    QTextCursor top = m_browser->textCursor();
    top.movePosition(QTextCursor::Start);
    m_browser->setTextCursor(top);
    if (m_findText->text().isEmpty()) {
        ShowFound(true);
        return;
    }
    FindNext();
}

bool HelpWindow::FindNext(bool backward) {
    const QString text = m_findText->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = m_browser->find(text, flags);
    if (!found) {
        // Round the end of the page, keeping the caret where it was if the page lacks the text.
        const QTextCursor kept = m_browser->textCursor();
        QTextCursor wrap = kept;
        wrap.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(wrap);
        found = m_browser->find(text, flags);
        if (!found)
            m_browser->setTextCursor(kept);
    }
    ShowFound(found);
    return found;
}

void HelpWindow::ShowFound(bool found) {
    m_findResult->setText(found ? QString() : QString::fromUtf8(strings::HelpNotFound));
    QPalette palette = m_findText->parentWidget()->palette();
    if (!found)
        palette.setColor(QPalette::Base, palette.color(QPalette::Base).value() < 128
                                             ? QColor(0x6b, 0x26, 0x26)
                                             : QColor(0xff, 0xd6, 0xd6));
    m_findText->setPalette(palette);
}

void HelpWindow::ShowIndex() {
    ShowLink(QString());
}

void HelpWindow::ShowUsingHelp() {
    ShowLink(QString::fromUtf8(UsingHelpFile));
}

void HelpWindow::ShowHelpTopic(int contextId) {
    const QString topic = QStringLiteral("topic-%1.html").arg(contextId);
    if (QFile::exists(HelpFolder + topic)) {
        ShowLink(topic);
        return;
    }
    // Every dialog's page is generated from its template.
    if (!DialogHelpPage(contextId).isEmpty()) {
        ShowLink(QString::fromStdString(DialogHelpFile(contextId)));
        return;
    }
    ShowIndex();
}

void HelpWindow::ShowLink(const QString& link) {
    ShowPage(QString::fromUtf8(HelpFolder) + (link.isEmpty() ? QString::fromUtf8(IndexFile) : link));
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
