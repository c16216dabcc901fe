#include "gui/help/HelpPages.h"

#include "core/help/CommandHelp.h"
#include "core/help/HelpTopics.h"
#include "core/help/TemplateRegistry.h"

#include <QFile>
#include <map>

// The help pages and icons are resources of the GUI library; a static library brings them into a
// program only when they are asked for by name.
static void LoadHelpResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(razo);
        return true;
    }();
    (void)loaded;
}

namespace razo {

namespace {

// Templates are static data, so the pointers stay valid for the whole run.
std::map<int, const DialogTemplate*>& ShownTemplates() {
    static std::map<int, const DialogTemplate*> shown;
    return shown;
}

} // namespace

void RememberDialogTemplate(const DialogTemplate& dialogTemplate) {
    ShownTemplates()[dialogTemplate.HelpContext()] = &dialogTemplate;
}

QString DialogHelpPage(int contextId) {
    const DialogTemplate* found = FindTemplateByHelpContext(contextId);
    if (found == nullptr) {
        const auto shown = ShownTemplates().find(contextId);
        found = shown == ShownTemplates().end() ? nullptr : shown->second;
    }
    return found ? QString::fromStdString(HelpTopicHtml(*found)) : QString();
}

void LoadHelpPages() {
    LoadHelpResources();
}

QString GeneratedHelpHtml(const QString& fileName) {
    LoadHelpResources();
    const std::string name = fileName.toStdString();
    if (name == "index.html") {
        // The written overview, with the list of the generated pages where it asks for it.
        QFile file(QStringLiteral(":/help/index.html"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll())
            .replace(QStringLiteral("<!-- contents -->"), QString::fromStdString(HelpContentsHtml()));
    }
    if (const GeneratedHelpPage* page = FindCommandHelpPage(name))
        return QString::fromStdString(page->html);
    if (const int context = DialogHelpContext(name); context != 0)
        return DialogHelpPage(context);
    return {};
}

} // namespace razo
