#include "core/elements/Blocks.h"

#include "core/elements/AttributeRows.h"

#include "core/dialogs/DataExchange.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"
#include "core/resources/DocumentTypeLines.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

namespace {

using namespace blocks;

const std::vector<std::string> AlignEntries = {"center", "left", "right"};

ControlTemplate AlignList() {
    return Alignment(IdAlign, "Alignment:", AlignEntries,
                     "How the block is aligned on the page; leave it empty for the browser's default.");
}

} // namespace

DialogTemplate CHeadingDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Heading", 225, 43, true,
                              "A heading around the selection, <H1> to <H6> by the command chosen.",
                              {AlignList().Expanded()});
}

void CHeadingDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
}

DialogTemplate CParagraphDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Paragraph", 227, 43, true,
                              "A paragraph start tag <P> in front of the selection.",
                              {AlignList().Expanded()});
}

void CParagraphDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
}

DialogTemplate CPreformattedDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Preformatted Text (HTML 2.0)", 169, 43, false,
        "Preformatted text: <PRE> and </PRE> around the selection.",
        {Edit(IdWidth, "Maximum width in characters:")
             .Help("The widest line the text holds, in characters; leave it empty to omit WIDTH.")});
}

void CPreformattedDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
}

DialogTemplate CLineBreakDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Line Break", 227, 43, true,
                              "A line break <BR> in front of the selection.",
                              {ListCombo(IdClear, "Clear:", {"all", "left", "none", "right"})
                                   .Sorted()
                                   .Expanded()
                                   .Help("Which floating images the next line moves below.")});
}

void CLineBreakDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdClear, m_strClear);
}

DialogTemplate CHorizontalRuleDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Horizontal Rule", 225, 73, true, "A horizontal rule <HR> in front of the selection.",
        {Alignment(IdAlign, "Align:", AlignEntries, "Where a rule narrower than the page sits.").Expanded(),
         Edit(IdSize, "Size:").Expanded().Help("The rule's thickness in pixels."),
         Edit(IdWidth, "Width:")
             .Expanded()
             .Help("The rule's length, in pixels or as a percentage of the page."),
         CheckBox(IdPercent, "in percentage")
             .TextOnLeft()
             .Beside()
             .Expanded()
             .Help("Makes the width a percentage of the page width."),
         CheckBox(IdNoShade, "No shade").Expanded().Help("Draws the rule as a solid bar.")});
}

void CHorizontalRuleDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IdNoShade, m_bNoShade);
    DDX_Check(dx, IdPercent, m_bPercent);
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_OptionalNumber(dx, IdSize, m_strSize);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
}

DialogTemplate CDivisionDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Divison (HTML 3.2)", 171, 38, false,
                              "A division: <DIV> and </DIV> around the selection.", {AlignList()});
}

void CDivisionDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
}

DialogTemplate CDocumentTypeDialog::MakeTemplate() {
    auto made = MakeDialogTemplate(
        IDD, "Document Type Specification", 191, 58, false,
        "A document type line at the very top of the document.",
        {Label("Please select the document type specification you would like for your document:"),
         ListCombo(IdDocType, "", DocumentTypeEntries())
             .Help("The HTML dialect the document declares; (None) inserts nothing. Preferences names "
                   "the one the list opens on.")});
    made.buttons = ButtonPlacement::RightColumn;
    return made;
}

CDocumentTypeDialog::CDocumentTypeDialog(const IniProfile& profile)
    : m_strDocType(Read(profile, settings::DefaultDocumentType)) {}

void CDocumentTypeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdDocType, m_strDocType);
}

const TagRows<CHeadingDialog>& CHeadingDialog::Rows() {
    static const TagRows<CHeadingDialog> rows{
        [](const CHeadingDialog& d) { return "H" + std::to_string(d.m_nLevel); },
        {rows::Bare("ALIGN", &CHeadingDialog::m_strAlign, IdAlign)}};
    return rows;
}

const TagRows<CParagraphDialog>& CParagraphDialog::Rows() {
    static const TagRows<CParagraphDialog> rows{
        "P", {rows::Bare("ALIGN", &CParagraphDialog::m_strAlign, IdAlign)}};
    return rows;
}

const TagRows<CPreformattedDialog>& CPreformattedDialog::Rows() {
    static const TagRows<CPreformattedDialog> rows{
        "PRE", {rows::Bare("WIDTH", &CPreformattedDialog::m_strWidth, IdWidth)}};
    return rows;
}

const TagRows<CLineBreakDialog>& CLineBreakDialog::Rows() {
    static const TagRows<CLineBreakDialog> rows{
        "BR", {rows::Bare("CLEAR", &CLineBreakDialog::m_strClear, IdClear)}};
    return rows;
}

const TagRows<CHorizontalRuleDialog>& CHorizontalRuleDialog::Rows() {
    using D = CHorizontalRuleDialog;
    static const TagRows<D> rows{"HR",
                                 {rows::Bare("ALIGN", &D::m_strAlign, IdAlign),
                                  rows::WithPercent("WIDTH", &D::m_strWidth, &D::m_bPercent, IdWidth),
                                  rows::Bare("SIZE", &D::m_strSize, IdSize),
                                  rows::Flag("NOSHADE", &D::m_bNoShade, IdNoShade)}};
    return rows;
}

const TagRows<CDivisionDialog>& CDivisionDialog::Rows() {
    static const TagRows<CDivisionDialog> rows{"DIV",
                                               {rows::Bare("ALIGN", &CDivisionDialog::m_strAlign, IdAlign)}};
    return rows;
}

TagPair BuildHeading(int level, const CHeadingDialog& dialog, bool expanded) {
    const std::string element = "H" + std::to_string(level);
    Tag tag(element);
    return {WriteRows(dialog, nullptr, expanded, tag).Close(), "</" + element + ">"};
}

TagPair BuildParagraph(const CParagraphDialog& dialog, bool expanded) {
    return {WriteStartTag(dialog, expanded).Close(), ""};
}

TagPair BuildPreformatted(const CPreformattedDialog& dialog) {
    return {WriteStartTag(dialog).Close(), "</PRE>"};
}

TagPair BuildLineBreak(const CLineBreakDialog& dialog, bool expanded) {
    return {WriteStartTag(dialog, expanded).Close(), ""};
}

TagPair BuildHorizontalRule(const CHorizontalRuleDialog& dialog, bool expanded) {
    return {WriteStartTag(dialog, expanded).Close("\r\n"), ""};
}

TagPair BuildDivision(const CDivisionDialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), "</DIV>"};
}

std::optional<TagPair> BuildDocumentType(const CDocumentTypeDialog& dialog) {
    for (const auto& type : DocumentTypeLines())
        if (dialog.m_strDocType == type.entry)
            return TagPair{type.line, "", true};
    return std::nullopt;
}

void RegisterBlockFamily(ElementRegistry& registry) {
    const int headings[] = {cmd::Heading1, cmd::Heading2, cmd::Heading3,
                            cmd::Heading4, cmd::Heading5, cmd::Heading6};
    for (int level = 1; level <= 6; ++level)
        registry.Bind<CHeadingDialog>(
            headings[level - 1],
            [level](const CHeadingDialog& d, bool expanded) { return BuildHeading(level, d, expanded); },
            level);
    registry.Bind<CParagraphDialog>(cmd::Paragraph, BuildParagraph);
    registry.Bind<CPreformattedDialog>(cmd::Preformatted, BuildPreformatted);
    registry.Bind<CLineBreakDialog>(cmd::LineBreak, BuildLineBreak);
    registry.Bind<CHorizontalRuleDialog>(cmd::HorizontalRule, BuildHorizontalRule);
    registry.Bind<CDivisionDialog>(cmd::Division, BuildDivision);
    registry.Bind<CDocumentTypeDialog>(cmd::DocumentType, BuildDocumentType);
}

} // namespace razo
