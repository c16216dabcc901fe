#include "core/elements/Html5Head.h"

#include <sstream>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/markup/TagSyntax.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace html5;

constexpr const char* AnyFileFilter = "All files (*.*)|*.*||";
constexpr const char* ViewportContent = "width=device-width, initial-scale=1";

constexpr int RelDependentFields[] = {IdSizes, IdPreloadAs, IdHrefLang};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool HasKeyword(const std::string& rel, std::string_view keyword) {
    for (const std::string& word : Words(rel))
        if (markup::SameName(word, keyword))
            return true;
    return false;
}

bool IsDimension(std::string_view text) {
    const size_t x = text.find_first_of("xX");
    const auto digits = [](std::string_view part) {
        return !part.empty() && part[0] != '0' &&
               part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return x != std::string_view::npos && digits(text.substr(0, x)) && digits(text.substr(x + 1));
}

void DDV_Refuse(CDataExchange& dx, bool refused, const char* message) {
    if (refused && dx.Saving() && !dx.SkipsLastControl())
        dx.Refuse(dx.LastControl(), message);
}

void EnableLinkFields(FieldAccess& fields, const std::string& rel) {
    for (int id : RelDependentFields)
        fields.EnableControl(id, LinkFieldApplies(id, rel));
}

ControlTemplate CrossOrigin(int id) {
    return ListCombo(id, "Cross origin:", {"anonymous", "use-credentials"})
        .Help("Fetches the file from another site with CORS: anonymous sends no cookies, use-credentials "
              "does; leave it unchosen for an ordinary fetch.");
}

ControlTemplate Integrity(int id) {
    return Edit(id, "Integrity:")
        .Width(150)
        .Help("The hash the file must have, such as sha384-... ; the browser refuses a file that differs.");
}

} // namespace

bool IsIconSizes(std::string_view text) {
    const std::vector<std::string> words = Words(std::string(text));
    if (words.size() == 1 && markup::SameName(words[0], "any"))
        return true;
    for (const std::string& word : words)
        if (!IsDimension(word))
            return false;
    return !words.empty();
}

bool LinkFieldApplies(int id, const std::string& rel) {
    switch (id) {
    case IdSizes:
        return HasKeyword(rel, "icon") || HasKeyword(rel, "apple-touch-icon");
    case IdPreloadAs:
        return HasKeyword(rel, "preload");
    case IdHrefLang:
        return HasKeyword(rel, "alternate");
    default:
        return true;
    }
}

DialogTemplate CMetaNameDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Meta Data (HTML5)", 260, 130, false,
        "A piece of data about the page, <META NAME=... CONTENT=...>, in front of the selection; it belongs "
        "in the head.",
        WithCommonControls({
            EditableCombo(IdMetaName, "Name:",
                          {"description", "viewport", "theme-color", "author", "robots", "keywords",
                           "application-name", "color-scheme", "generator", "referrer"})
                .Width(110)
                .Help("What the data is: description (shown by search engines), viewport (the layout width "
                      "on small screens), theme-color, author, robots (index, nofollow...), or any name."),
            Edit(IdMetaContent, "Content:")
                .Width(180)
                .Help("The data itself; choosing viewport fills in the usual value when it is empty."),
        }));
}

void CMetaNameDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdMetaName, m_strName);
    if (dx.Saving() && m_strName.empty())
        dx.Refuse(IdMetaName, messages::MustEnterValue);
    DDX_RequiredText(dx, IdMetaContent, m_strContent);
    DDX_CommonAttributes(dx, m_common);
}

void CMetaNameDialog::OnFieldChanged(int id, DialogHost& host) {
    FieldAccess& fields = host.Fields();
    if (id == IdMetaName && fields.GetText(IdMetaName) == "viewport" && fields.GetText(IdMetaContent).empty())
        fields.SetText(IdMetaContent, ViewportContent);
}

const TagRows<CMetaNameDialog>& CMetaNameDialog::Rows() {
    using D = CMetaNameDialog;
    static const TagRows<D> rows{"META", WithCommonRows<D>({
                                             rows::Quoted("NAME", &D::m_strName, IdMetaName),
                                             rows::Quoted("CONTENT", &D::m_strContent, IdMetaContent),
                                         })};
    return rows;
}

DialogTemplate CLinkHtml5Dialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Link (HTML5)", 280, 240, false,
        "A resource the page uses or relates to, <LINK REL=... HREF=...>, in front of the selection; it "
        "belongs "
        "in the head.",
        WithCommonControls({
            EditableCombo(
                IdRel, "Relation:", {"stylesheet", "icon", "preload", "canonical", "manifest", "alternate"})
                .Width(110)
                .Help("How the resource relates to the page: stylesheet, icon, preload (fetch it early), "
                      "canonical (the page's preferred URL), manifest (of an installable web app), alternate "
                      "(another version); several may be given, separated by blanks."),
            UrlCombo(IdHref, "URL:").Help("The address of the resource (required)."),
            BrowseButton(IdHrefBrowse, IdHref, browse::LinkTitle, AnyFileFilter)
                .Beside()
                .Help("Picks a local file; its path is made relative to the page."),
            EditableCombo(IdLinkType, "Type:",
                          {"text/css", "image/png", "image/svg+xml", "image/x-icon", "application/rss+xml",
                           "application/atom+xml", "application/manifest+json", "font/woff2"})
                .Width(110)
                .Help("The MIME type of the resource, when the browser should know it before fetching."),
            EditableCombo(IdMedia, "Media:", {"all", "screen", "print", "(prefers-color-scheme: dark)"})
                .Width(110)
                .Help("The media the resource applies to, as a media query such as print or (max-width: "
                      "600px)."),
            Edit(IdSizes, "Sizes:")
                .Width(80)
                .Disabled()
                .Help("An icon's sizes, such as 16x16 32x32, or any."),
            ListCombo(IdPreloadAs, "As:",
                      {"script", "style", "font", "image", "fetch", "document", "audio", "video", "track",
                       "worker"})
                .Disabled()
                .Help("What kind of resource is preloaded; required for preload."),
            Edit(IdHrefLang, "Version language:")
                .Width(60)
                .Disabled()
                .Help("The language of an alternate version, such as de or pt-BR."),
            CrossOrigin(IdHeadCrossOrigin),
            Integrity(IdIntegrity),
        }));
}

void CLinkHtml5Dialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdRel, m_strRel);
    if (dx.Saving() && Words(m_strRel).empty())
        dx.Refuse(IdRel, messages::MustEnterValue);
    DDX_RequiredUrl(dx, IdHref, m_strHref);
    DDX_CBString(dx, IdLinkType, m_strType);
    DDX_CBString(dx, IdMedia, m_strMedia);
    DDX_Text(dx, IdSizes, m_strSizes);
    DDV_Refuse(dx, !m_strSizes.empty() && !IsIconSizes(m_strSizes), messages::NotSizes);
    DDX_CBString(dx, IdPreloadAs, m_strAs);
    if (dx.Saving() && !dx.SkipsLastControl() && m_strAs.empty())
        dx.Refuse(IdPreloadAs, messages::PreloadNeedsAs);
    DDX_Text(dx, IdHrefLang, m_strHrefLang);
    DDV_LanguageTag(dx, m_strHrefLang);
    DDX_CBString(dx, IdHeadCrossOrigin, m_strCrossOrigin);
    DDX_Text(dx, IdIntegrity, m_strIntegrity);
    DDX_CommonAttributes(dx, m_common);
}

void CLinkHtml5Dialog::OnInitDialog(DialogHost& host) {
    EnableLinkFields(host.Fields(), m_strRel);
}

void CLinkHtml5Dialog::OnFieldChanged(int id, DialogHost& host) {
    if (id == IdRel)
        EnableLinkFields(host.Fields(), host.Fields().GetText(IdRel));
}

const TagRows<CLinkHtml5Dialog>& CLinkHtml5Dialog::Rows() {
    using D = CLinkHtml5Dialog;
    const auto when = [](int field) {
        return [field](const D& d) { return LinkFieldApplies(field, d.m_strRel); };
    };
    static const TagRows<D> rows{
        "LINK", WithCommonRows<D>({
                    rows::Quoted("REL", &D::m_strRel, IdRel),
                    rows::Url("HREF", &D::m_strHref, IdHref),
                    rows::Quoted("TYPE", &D::m_strType, IdLinkType),
                    rows::Quoted("MEDIA", &D::m_strMedia, IdMedia),
                    rows::Quoted("SIZES", &D::m_strSizes, IdSizes).When(when(IdSizes)),
                    rows::Bare("AS", &D::m_strAs, IdPreloadAs).When(when(IdPreloadAs)),
                    rows::Bare("HREFLANG", &D::m_strHrefLang, IdHrefLang).When(when(IdHrefLang)),
                    rows::Bare("CROSSORIGIN", &D::m_strCrossOrigin, IdHeadCrossOrigin),
                    rows::Quoted("INTEGRITY", &D::m_strIntegrity, IdIntegrity),
                })};
    return rows;
}

DialogTemplate CScriptHtml5Dialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Script (HTML5)", 270, 190, false,
        "A script: with a source URL, <SCRIPT SRC=...></SCRIPT> in front of the selection; without one, "
        "<SCRIPT> and </SCRIPT> around the selection, which is the script.",
        WithCommonControls({
            UrlCombo(IdScriptSrc, "Source URL:")
                .Help("The script file; leave it empty for a script written in the page."),
            BrowseButton(IdScriptBrowse, IdScriptSrc, browse::LinkTitle, AnyFileFilter)
                .Beside()
                .Help("Picks a local file; its path is made relative to the page."),
            CheckBox(IdModule, "Module").Help("A JavaScript module, which may import others (TYPE=module)."),
            CheckBox(IdAsync, "Async")
                .Beside()
                .Help("Runs the script as soon as it has arrived, while the page goes on loading."),
            CheckBox(IdDefer, "Defer")
                .Beside()
                .Help("Runs the script file after the page has been read; not for modules, which are "
                      "deferred anyway."),
            Integrity(IdScriptIntegrity),
            CrossOrigin(IdScriptCrossOrigin),
        }));
}

void CScriptHtml5Dialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalUrl(dx, IdScriptSrc, m_strSrc);
    DDX_Check(dx, IdModule, m_bModule);
    DDX_Check(dx, IdAsync, m_bAsync);
    DDX_Check(dx, IdDefer, m_bDefer);
    DDX_Text(dx, IdScriptIntegrity, m_strIntegrity);
    DDX_CBString(dx, IdScriptCrossOrigin, m_strCrossOrigin);
    if (dx.Saving()) {
        const bool classic = !m_bModule;
        if (m_strSrc.empty() && ((classic && (m_bAsync || m_bDefer)) || !m_strIntegrity.empty()))
            dx.Refuse(IdScriptSrc, messages::NeedsScriptSource);
    }
    DDX_CommonAttributes(dx, m_common);
}

// Modules are deferred anyway; DEFER on one is an error.
void CScriptHtml5Dialog::OnInitDialog(DialogHost& host) {
    host.Fields().EnableControl(IdDefer, !m_bModule);
}

void CScriptHtml5Dialog::OnFieldChanged(int id, DialogHost& host) {
    if (id == IdModule)
        host.Fields().EnableControl(IdDefer, host.Fields().GetCheck(IdModule) == 0);
}

const TagRows<CScriptHtml5Dialog>& CScriptHtml5Dialog::Rows() {
    using D = CScriptHtml5Dialog;
    static const TagRows<D> rows{
        "SCRIPT",
        WithCommonRows<D>({
            rows::Url("SRC", &D::m_strSrc, IdScriptSrc),
            rows::Keyword("TYPE", "module", &D::m_bModule, IdModule),
            rows::Flag("ASYNC", &D::m_bAsync, IdAsync),
            rows::Flag("DEFER", &D::m_bDefer, IdDefer).When([](const D& d) { return !d.m_bModule; }),
            rows::Quoted("INTEGRITY", &D::m_strIntegrity, IdScriptIntegrity),
            rows::Bare("CROSSORIGIN", &D::m_strCrossOrigin, IdScriptCrossOrigin),
        })};
    return rows;
}

DialogTemplate CStyleHtml5Dialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Style (HTML5)", 250, 120, false,
        "A style sheet written in the page: <STYLE> and </STYLE> around the selection, which is the CSS.",
        WithCommonControls(
            {EditableCombo(IdStyleMedia, "Media:", {"all", "screen", "print", "(prefers-color-scheme: dark)"})
                 .Width(110)
                 .Help("The media the style sheet applies to, as a media query; empty for "
                       "all.")}));
}

void CStyleHtml5Dialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdStyleMedia, m_strMedia);
    DDX_CommonAttributes(dx, m_common);
}

const TagRows<CStyleHtml5Dialog>& CStyleHtml5Dialog::Rows() {
    using D = CStyleHtml5Dialog;
    static const TagRows<D> rows{"STYLE",
                                 WithCommonRows<D>({rows::Quoted("MEDIA", &D::m_strMedia, IdStyleMedia)})};
    return rows;
}

DialogTemplate CBaseHtml5Dialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Base (HTML5)", 260, 130, false,
        "The start of the page's relative URLs and its default target, <BASE>, in front of the selection; it "
        "belongs in the head, before any link.",
        WithCommonControls({
            UrlCombo(IdBaseHref, "Base URL:")
                .Help("The address relative URLs of the page start from, written as entered (not made "
                      "relative)."),
            EditableCombo(IdBaseTarget, "Target:", {"_blank", "_parent", "_self", "_top"})
                .Width(90)
                .Help("The window or frame links open in unless they name another."),
        }));
}

void CBaseHtml5Dialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalUrl(dx, IdBaseHref, m_strHref);
    DDX_CBString(dx, IdBaseTarget, m_strTarget);
    if (dx.Saving() && m_strHref.empty() && m_strTarget.empty())
        dx.Refuse(IdBaseHref, messages::BaseNeedsUrlOrTarget);
    DDX_CommonAttributes(dx, m_common);
}

const TagRows<CBaseHtml5Dialog>& CBaseHtml5Dialog::Rows() {
    using D = CBaseHtml5Dialog;
    static const TagRows<D> rows{
        "BASE",
        WithCommonRows<D>({rows::Url("HREF", &D::m_strHref, IdBaseHref, {.relative = false, .history = {}}),
                           rows::Quoted("TARGET", &D::m_strTarget, IdBaseTarget)})};
    return rows;
}

TagPair BuildMetaName(const CMetaNameDialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), ""};
}

TagPair BuildLinkHtml5(const CLinkHtml5Dialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), ""};
}

TagPair BuildScriptHtml5(const CScriptHtml5Dialog& dialog, const BuildContext& context) {
    const std::string start = WriteStartTag(dialog, context).Close();
    // A script file's element stays empty.
    if (!dialog.m_strSrc.empty())
        return {start + "</SCRIPT>\r\n", ""};
    return {start + "\r\n", "\r\n</SCRIPT>"};
}

TagPair BuildStyleHtml5(const CStyleHtml5Dialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), "\r\n</STYLE>"};
}

TagPair BuildBaseHtml5(const CBaseHtml5Dialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), ""};
}

void RegisterHtml5HeadFamily(ElementRegistry& registry) {
    registry.Bind<CMetaNameDialog>(cmd::MetaName, BuildMetaName);
    registry.Bind<CLinkHtml5Dialog>(cmd::LinkHtml5, BuildLinkHtml5);
    registry.Bind<CBaseHtml5Dialog>(cmd::BaseHtml5, BuildBaseHtml5);
    registry.Bind<CScriptHtml5Dialog>(cmd::ScriptHtml5, BuildScriptHtml5);
    registry.Bind<CStyleHtml5Dialog>(cmd::StyleHtml5, BuildStyleHtml5);
}

} // namespace razo
