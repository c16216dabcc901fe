#include "core/elements/Applets.h"

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

namespace {

using namespace applets;

} // namespace

DialogTemplate CAppletDialog::MakeTemplate() {
    // Neither combo box names a remembered list: OnInitDialog fills both in one pass.
    return MakeDialogTemplate(
        IDD, "Java Applet (HTML 3.2)", 260, 150, false,
        "An applet: <APPLET> in front of the selection, </APPLET> after it.",
        {EditableCombo(IdClassFile, "Class file:")
             .Sorted()
             .Help("The applet's class file; required. The list offers the class files used before."),
         BrowseButton(IdBrowseClassFile, IdClassFile, browse::ClassFileTitle, browse::ClassFilter),
         EditableCombo(IdCodeBase, "Code base:")
             .Sorted()
             .Help("Where the class file is found, when not beside the page. The list offers the URLs used "
                   "before."),
         BrowseButton(IdBrowseCodeBase, IdCodeBase, browse::CodeBaseTitle, browse::AllFilesFilter),
         Edit(IdName, "Applet name:")
             .Width(120)
             .Help("A name other applets on the page can find this one by."),
         Edit(IdAltText, "Alternate text:")
             .Width(120)
             .Help("Text shown by browsers that cannot run applets."),
         Alignment(IdAlign, "Alignment:", {"top", "middle", "bottom", "left", "right"},
                   "How the applet sits in the line of text, or which side text flows round it."),
         Number(IdWidth, "Width:", "The applet's width in pixels."),
         Number(IdHeight, "Height:", "The applet's height in pixels."),
         Number(IdHSpace, "Horizontal space:", "Room left and right of the applet, in pixels."),
         Number(IdVSpace, "Vertical space:", "Room above and below the applet, in pixels.")});
}

void CAppletDialog::OnInitDialog(DialogHost& host) {
    const int capacity = Read(m_profile, settings::UrlNumber);
    for (int i = 0; i < capacity; ++i) {
        const std::string key = std::to_string(i);
        const std::string url = m_profile.GetProfileString(settings::UrlHistorySection, key, "");
        const std::string classFile = m_profile.GetProfileString(settings::JavaClassHistorySection, key, "");
        if (url.empty() && classFile.empty())
            break;
        if (!url.empty())
            host.Fields().AddListEntry(IdCodeBase, url);
        if (!classFile.empty())
            host.Fields().AddListEntry(IdClassFile, classFile);
    }
}

void CAppletDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_Text(dx, IdAltText, m_strAltText);
    DDX_OptionalUrl(dx, IdCodeBase, m_strCodeBase);
    DDX_OptionalNumber(dx, IdHeight, m_strHeight);
    DDX_OptionalNumber(dx, IdHSpace, m_strHSpace);
    DDX_OptionalNumber(dx, IdVSpace, m_strVSpace);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
    DDX_Text(dx, IdName, m_strName);
    DDX_RequiredText(dx, IdClassFile, m_strClassFile);
}

DialogTemplate CAppletParamDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Java Applet Parameter (HTML 3.2)", 220, 60, false,
        "An applet parameter <PARAM> in front of the selection, meant to go inside an applet.",
        {Edit(IdParamName, "Parameter name:").Width(120).Help("The name the applet asks for; required."),
         Edit(IdParamValue, "Parameter value:")
             .Width(150)
             .Help("The value the applet gets. It is remembered with the URLs and, when it names a file, "
                   "written relative to the page.")});
}

void CAppletParamDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdParamValue, m_strValue);
    DDX_RequiredText(dx, IdParamName, m_strName);
}

// The class file is remembered in the list of Java classes and always written.
const TagRows<CAppletDialog>& CAppletDialog::Rows() {
    using D = CAppletDialog;
    static const TagRows<D> rows{
        "APPLET",
        {rows::Url("CODE", &D::m_strClassFile, IdClassFile,
                   {.always = true, .relative = true, .history = settings::JavaClassHistorySection}),
         rows::Url("CODEBASE", &D::m_strCodeBase, IdCodeBase), rows::Quoted("NAME", &D::m_strName, IdName),
         rows::Bare("ALIGN", &D::m_strAlign, IdAlign), rows::Quoted("ALT", &D::m_strAltText, IdAltText),
         rows::Bare("WIDTH", &D::m_strWidth, IdWidth), rows::Bare("HEIGHT", &D::m_strHeight, IdHeight),
         rows::Bare("VSPACE", &D::m_strVSpace, IdVSpace), rows::Bare("HSPACE", &D::m_strHSpace, IdHSpace)}};
    return rows;
}

// A value may name a file: it is remembered and converted as one.
const TagRows<CAppletParamDialog>& CAppletParamDialog::Rows() {
    using D = CAppletParamDialog;
    static const TagRows<D> rows{"PARAM",
                                 {rows::AlwaysQuoted("NAME", &D::m_strName, IdParamName),
                                  rows::Url("VALUE", &D::m_strValue, IdParamValue)}};
    return rows;
}

TagPair BuildApplet(const CAppletDialog& d, const BuildContext& context) {
    return {WriteStartTag(d, context).Close("\r\n"), "</APPLET>\r\n"};
}

TagPair BuildAppletParam(const CAppletParamDialog& d, const BuildContext& context) {
    return {WriteStartTag(d, context).Close("\r\n"), ""};
}

void RegisterAppletFamily(ElementRegistry& registry) {
    registry.Bind<CAppletDialog>(cmd::Applet, BuildApplet);
    registry.Bind<CAppletParamDialog>(cmd::AppletParam, BuildAppletParam);
}

} // namespace razo
