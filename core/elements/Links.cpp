#include "core/elements/Links.h"

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementCommand.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace links;

const std::vector<std::string> LinkTypes = {"Banner", "Bookmark", "Copyright", "Glossary",   "Help", "Home",
                                            "Index",  "Next",     "Previous",  "StyleSheet", "ToC",  "Up"};
const std::vector<std::string> TargetNames = {"_blank", "_parent", "_self", "_top"};

ControlTemplate UrlField(std::string label, std::string help) {
    return UrlCombo(IdUrl, std::move(label)).Help(std::move(help));
}

ControlTemplate UrlBrowse() {
    return BrowseButton(IdBrowse, IdUrl, browse::LinkTitle, browse::HtmlFilter)
        .Help("Picks a local file; its path is put into the field.");
}

ControlTemplate TargetList() {
    return EditableCombo(IdTarget, "Target name:", TargetNames)
        .Sorted()
        .Width(90)
        .Help("The window or frame the document opens in; pick one of the reserved names or type a "
              "frame's name.");
}

// The fields the link dialogs share, in the order they are shown.
std::vector<ControlTemplate> LinkControls(bool withTarget) {
    std::vector<ControlTemplate> controls = {
        UrlField("URL to link to:", "The document the link points at. A local file is written relative to "
                                    "this document; the URL is remembered for later dialogs."),
        UrlBrowse(),
        Edit(IdName, "Name:")
            .Width(110)
            .Help("A name for the link itself, so that other links can point at it."),
        Edit(IdTitle, "Object title:").Width(170).Help("A title for the linked document, shown as a hint."),
        EditableCombo(IdRel, "Relationship to object:", LinkTypes)
            .Sorted()
            .Width(90)
            .Help("What the linked document is to this one (REL); pick a type or type your own."),
        EditableCombo(IdRev, "Reverse relationship:", LinkTypes)
            .Sorted()
            .Width(90)
            .Help("What this document is to the linked one (REV)."),
    };
    if (withTarget)
        controls.push_back(TargetList());
    return controls;
}

// HREF, NAME, TITLE, REL and REV as a link and a LINK element write them, `more` after them.
template <class D> std::vector<AttributeRow<D>> LinkRows(std::vector<AttributeRow<D>> more) {
    std::vector<AttributeRow<D>> list = {
        rows::Url("HREF", &D::m_strURL, IdUrl).Required(), rows::Quoted("NAME", &D::m_strName, IdName),
        rows::Quoted("TITLE", &D::m_strTitle, IdTitle), rows::Bare("REL", &D::m_strRel, IdRel),
        rows::Bare("REV", &D::m_strRev, IdRev)};
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

// A base URL is written as entered: it is what the page's relative URLs start from.
template <class D> AttributeRow<D> BaseUrl() {
    return rows::Url("HREF", &D::m_strURL, IdUrl, {.always = false, .relative = false, .history = ""})
        .Required();
}

// The link's rows in the element the builder names, whatever element the dialog was made with.
template <class D> Tag LinkStart(const char* element, const D& dialog, const BuildContext& context) {
    Tag tag(element);
    return WriteRows(dialog, &context, false, tag);
}

} // namespace

DialogTemplate CHypertextLinkDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Hypertext Link (HTML 2.0)", 263, 78, false,
                              "A link: <A HREF=...> and </A> around the selection. The Link command of the "
                              "head tags shows the same dialog and inserts a <LINK> line in front of it.",
                              LinkControls(false));
}

void CHypertextLinkDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdName, m_strName);
    DDX_CBString(dx, IdRel, m_strRel);
    DDX_CBString(dx, IdRev, m_strRev);
    DDX_Text(dx, IdTitle, m_strTitle);
    DDX_RequiredUrl(dx, IdUrl, m_strURL);
}

DialogTemplate CHypertextLinkNetscapeDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Hypertext Link (Netscape)", 262, 90, false,
        "A link: <A HREF=...> and </A> around the selection, with the window or frame it opens in.",
        LinkControls(true));
}

void CHypertextLinkNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdTarget, m_strTarget);
    DDX_CBString(dx, IdRev, m_strRev);
    DDX_CBString(dx, IdRel, m_strRel);
    DDX_Text(dx, IdName, m_strName);
    DDX_Text(dx, IdTitle, m_strTitle);
    DDX_RequiredUrl(dx, IdUrl, m_strURL);
}

DialogTemplate CAnchorDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Hypertext Anchor (HTML 2.0)", 171, 41, false,
        "A named anchor: <A NAME=...> and </A> around the selection.",
        {Edit(IdName, "Anchor name:")
             .Width(110)
             .Help("The name links use to point at this place, after a # in their URL.")});
}

void CAnchorDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredText(dx, IdName, m_strAnchorName);
}

DialogTemplate CDocumentBaseDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Document Base (HTML 2.0)", 237, 42, false, "A <BASE HREF=...> line in front of the selection.",
        {UrlField("Document URL:", "The URL relative references in this document start from. It is "
                                   "written exactly as entered and remembered for later dialogs."),
         UrlBrowse()});
}

void CDocumentBaseDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredUrl(dx, IdUrl, m_strURL);
}

DialogTemplate CDocumentBaseNetscapeDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Document Base (Netscape)", 237, 61, false,
        "A <BASE HREF=...> tag in front of the selection, with the default window or frame of its links.",
        {UrlField("Document URL:", "The URL relative references in this document start from. It is "
                                   "written exactly as entered and remembered for later dialogs."),
         UrlBrowse(), TargetList()});
}

void CDocumentBaseNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdTarget, m_strTarget);
    DDX_RequiredUrl(dx, IdUrl, m_strURL);
}

DialogTemplate CMetaDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Meta Information (HTML 2.0)", 172, 76, false, "A <META> tag in front of the selection.",
        {Edit(IdHttpEquiv, "HTTP equivalent:")
             .Width(100)
             .Help("The HTTP header this tag stands for, such as Refresh."),
         Edit(IdName, "Name:").Width(100).Help("The name of the information, such as keywords or author."),
         Edit(IdContent, "Content:").Width(150).Help("The value itself; it must be given.")});
}

void CMetaDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdHttpEquiv, m_strHttpEquiv);
    DDX_Text(dx, IdName, m_strName);
    DDX_RequiredUrl(dx, IdContent, m_strContent);
}

DialogTemplate CIsIndexDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "IsIndex (HTML 2.0)", 171, 38, false, "An <ISINDEX> tag in front of the selection.",
        {Edit(IdPrompt, "Prompt:")
             .Width(130)
             .Help("The text shown in front of the search field; leave it empty for the "
                   "browser's own.")});
}

void CIsIndexDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdPrompt, m_strPrompt);
}

DialogTemplate CStyleDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Style (HTML 3.2)", 252, 41, false,
        "<STYLE NOTATION=...> and </STYLE> around the selection; nothing when no style language is chosen.",
        {ListCombo(
             IdNotation, "Style:",
             {"IETF/RFC nnn/W3C Style Language//EN", "ISO/IEC 10179:1995//NOTATION DSSSL Style Language//EN"})
             .Sorted()
             .Help("The style sheet language of the enclosed rules.")});
}

void CStyleDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdNotation, m_strNotation);
}

DialogTemplate CCommentDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Comment (HTML 2)", 171, 41, false,
        "A comment: <!-- and the text in front of the selection, --> after it.",
        {Edit(IdName, "Comment:").Width(130).Help("Text that goes into the comment; it may be left empty.")});
}

void CCommentDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdName, m_strComment);
}

const TagRows<CHypertextLinkDialog>& CHypertextLinkDialog::Rows() {
    static const TagRows<CHypertextLinkDialog> rows{
        [](const CHypertextLinkDialog& d) { return d.m_strElement; }, LinkRows<CHypertextLinkDialog>({})};
    return rows;
}

const TagRows<CHypertextLinkNetscapeDialog>& CHypertextLinkNetscapeDialog::Rows() {
    using D = CHypertextLinkNetscapeDialog;
    static const TagRows<D> rows{"A", LinkRows<D>({rows::Quoted("TARGET", &D::m_strTarget, IdTarget)})};
    return rows;
}

const TagRows<CAnchorDialog>& CAnchorDialog::Rows() {
    static const TagRows<CAnchorDialog> rows{
        "A", {rows::Quoted("NAME", &CAnchorDialog::m_strAnchorName, IdName).Required()}};
    return rows;
}

const TagRows<CDocumentBaseDialog>& CDocumentBaseDialog::Rows() {
    static const TagRows<CDocumentBaseDialog> rows{"BASE", {BaseUrl<CDocumentBaseDialog>()}};
    return rows;
}

const TagRows<CDocumentBaseNetscapeDialog>& CDocumentBaseNetscapeDialog::Rows() {
    using D = CDocumentBaseNetscapeDialog;
    static const TagRows<D> rows{"BASE", {BaseUrl<D>(), rows::Quoted("TARGET", &D::m_strTarget, IdTarget)}};
    return rows;
}

const TagRows<CMetaDialog>& CMetaDialog::Rows() {
    using D = CMetaDialog;
    static const TagRows<D> rows{"META",
                                 {rows::Quoted("CONTENT", &D::m_strContent, IdContent).Required(),
                                  rows::Quoted("HTTP-EQUIV", &D::m_strHttpEquiv, IdHttpEquiv),
                                  rows::Quoted("NAME", &D::m_strName, IdName)}};
    return rows;
}

const TagRows<CIsIndexDialog>& CIsIndexDialog::Rows() {
    static const TagRows<CIsIndexDialog> rows{
        "ISINDEX", {rows::Quoted("PROMPT", &CIsIndexDialog::m_strPrompt, IdPrompt)}};
    return rows;
}

const TagRows<CStyleDialog>& CStyleDialog::Rows() {
    static const TagRows<CStyleDialog> rows{
        "STYLE", {rows::Quoted("NOTATION", &CStyleDialog::m_strNotation, IdNotation)}};
    return rows;
}

TagPair BuildHypertextLink(const CHypertextLinkDialog& dialog, const BuildContext& context) {
    return {LinkStart("A", dialog, context).Close(), "</A>"};
}

TagPair BuildHypertextLinkNetscape(const CHypertextLinkNetscapeDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), "</A>"};
}

TagPair BuildLinkElement(const CHypertextLinkDialog& dialog, const BuildContext& context) {
    return {LinkStart("LINK", dialog, context).Close("\r\n"), ""};
}

TagPair BuildAnchor(const CAnchorDialog& dialog) {
    return {WriteStartTag(dialog).Close(), "</A>"};
}

TagPair BuildBase(const CDocumentBaseDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), ""};
}

TagPair BuildBaseNetscape(const CDocumentBaseNetscapeDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), ""};
}

TagPair BuildMeta(const CMetaDialog& dialog) {
    return {WriteStartTag(dialog).Close(), ""};
}

TagPair BuildIsIndex(const CIsIndexDialog& dialog) {
    return {WriteStartTag(dialog).Close(), ""};
}

std::optional<TagPair> BuildStyle(const CStyleDialog& dialog) {
    if (dialog.m_strNotation.empty())
        return std::nullopt;
    return TagPair{WriteStartTag(dialog).Close(), "</STYLE>"};
}

TagPair BuildComment(const CCommentDialog& dialog) {
    return {"<!--" + dialog.m_strComment, "-->"};
}

void RegisterLinkFamily(ElementRegistry& registry) {
    const std::string a = "A", link = "LINK";
    registry.Bind<CHypertextLinkDialog>(cmd::Link, BuildHypertextLink, a);
    registry.Bind<CHypertextLinkNetscapeDialog>(cmd::LinkNetscape, BuildHypertextLinkNetscape);
    registry.Bind<CAnchorDialog>(cmd::Anchor, BuildAnchor);
    registry.Bind<CHypertextLinkDialog>(cmd::LinkElement, BuildLinkElement, link);
    registry.Bind<CDocumentBaseDialog>(cmd::Base, BuildBase);
    registry.Bind<CDocumentBaseNetscapeDialog>(cmd::BaseNetscape, BuildBaseNetscape);
    registry.Bind<CMetaDialog>(cmd::Meta, BuildMeta);
    registry.Bind<CIsIndexDialog>(cmd::IsIndex, BuildIsIndex);
    registry.Bind<CStyleDialog>(cmd::Style, BuildStyle);
    registry.Bind<CCommentDialog>(cmd::Comment, BuildComment);
}

} // namespace razo
