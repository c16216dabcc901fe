#include "core/elements/Lists.h"

#include "core/dialogs/DataExchange.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace lists;

constexpr const char* NoType = "(None)";

ControlTemplate Compact() {
    return CheckBox(IdCompact, "Compact").Help("Asks the browser to show the list in less space.");
}

// A type chosen in a list that offers "(None)": neither empty nor "(None)".
bool Chosen(const std::string& type) {
    return !type.empty() && type != NoType;
}

template <class D> AttributeRow<D> CompactRow() {
    return rows::Flag("COMPACT", &D::m_bCompact, IdCompact);
}

// Each of a list's tags ends its line.
TagPair WrapList(const Tag& start, const std::string& element) {
    return {start.Close("\r\n"), "</" + element + ">\r\n"};
}

} // namespace

DialogTemplate CUnorderedListDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Unordered List", 227, 58, true,
                              "A bulleted list: <UL> and </UL> around the selection.",
                              {Compact(), ListCombo(IdListType, "Bullet type:", {"circle", "disc", "square"})
                                              .Expanded()
                                              .Help("The bullet shape every item gets.")});
}

void CUnorderedListDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IdCompact, m_bCompact);
    DDX_CBString(dx, IdListType, m_strBulletType);
}

DialogTemplate COrderedListDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Ordered List", 227, 62, true, "A numbered list: <OL> and </OL> around the selection.",
        {Compact(), Edit(IdStartNumber, "Start number:").Expanded().Help("The number the first item gets."),
         ListCombo(IdListType, "Number type:", {"A", "a", "I", "i", "1"})
             .Expanded()
             .Help("Letters, Roman numerals or digits, in capitals or small.")});
}

void COrderedListDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IdCompact, m_bCompact);
    DDX_OptionalNumber(dx, IdStartNumber, m_strStartNumber);
    DDX_CBString(dx, IdListType, m_strNumberType);
}

DialogTemplate CDirectoryMenuDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Directory/Menu (HTML 2)", 172, 36, false,
        "A directory list (<DIR>) or a menu list (<MENU>) around the selection, by the command chosen.",
        {Compact()});
}

void CDirectoryMenuDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IdCompact, m_bCompact);
}

DialogTemplate CDefinitionListDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Definition List (HTML 2.0)", 175, 38, false,
                              "A definition list: <DL> and </DL> around the selection.", {Compact()});
}

void CDefinitionListDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IdCompact, m_bCompact);
}

DialogTemplate CListItemDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "List Item", 227, 118, true, "A list item start tag <LI> in front of the selection.",
        {GroupBox("Ordered List Element", 2).Expanded(),
         ListCombo(IdItemNumberType, "Number type:", {NoType, "A", "a", "i", "I", "1"})
             .Expanded()
             .Help("The numbering of this item in an ordered list."),
         Edit(IdItemValue, "Ordered list item value:").Expanded().Help("The number this item gets."),
         GroupBox("Unordered List Element", 1).Expanded(),
         ListCombo(IdItemBulletType, "Bullet type:", {NoType, "circle", "disc", "square"})
             .Expanded()
             .Help("The bullet of this item in an unordered list.")});
}

void CListItemDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdItemNumberType, m_strNumberType);
    DDX_CBString(dx, IdItemBulletType, m_strBulletType);
    DDX_OptionalNumber(dx, IdItemValue, m_strItemValue);
    if (!dx.Saving())
        return;
    if (Chosen(m_strBulletType) && Chosen(m_strNumberType))
        dx.Refuse(IdItemNumberType, messages::BothListItemTypes);
    else if (Chosen(m_strBulletType) && !m_strItemValue.empty())
        dx.Refuse(IdItemValue, messages::UnorderedItemValue);
}

const TagRows<CUnorderedListDialog>& CUnorderedListDialog::Rows() {
    using D = CUnorderedListDialog;
    static const TagRows<D> rows{"UL",
                                 {CompactRow<D>(), rows::Bare("TYPE", &D::m_strBulletType, IdListType)}};
    return rows;
}

const TagRows<COrderedListDialog>& COrderedListDialog::Rows() {
    using D = COrderedListDialog;
    static const TagRows<D> rows{"OL",
                                 {CompactRow<D>(), rows::Bare("START", &D::m_strStartNumber, IdStartNumber),
                                  rows::Bare("TYPE", &D::m_strNumberType, IdListType)}};
    return rows;
}

const TagRows<CDirectoryMenuDialog>& CDirectoryMenuDialog::Rows() {
    using D = CDirectoryMenuDialog;
    static const TagRows<D> rows{[](const D& d) { return d.m_strElement; }, {CompactRow<D>()}};
    return rows;
}

const TagRows<CDefinitionListDialog>& CDefinitionListDialog::Rows() {
    using D = CDefinitionListDialog;
    static const TagRows<D> rows{"DL", {CompactRow<D>()}};
    return rows;
}

// One TYPE for both lists of the item: a bullet shape or a numbering, whichever list has the
// value. The dialog refuses both at once; a builder given both writes both.
const TagRows<CListItemDialog>& CListItemDialog::Rows() {
    using D = CListItemDialog;
    static const TagRows<D> rows{
        "LI",
        {rows::Custom<D>(
             "TYPE",
             [](const D& d, const BuildContext*, Tag& tag) {
                 for (const std::string* type : {&d.m_strBulletType, &d.m_strNumberType})
                     if (Chosen(*type))
                         tag.Attr("TYPE", *type);
             },
             [](D& d, const markup::WrittenAttribute& a) {
                 for (auto [list, member] : {std::pair{IdItemBulletType, &D::m_strBulletType},
                                             std::pair{IdItemNumberType, &D::m_strNumberType}}) {
                     std::string entry;
                     if (rows::FitsControl(TemplateData(), list, a.value, entry) && Chosen(entry)) {
                         d.*member = entry;
                         return true;
                     }
                 }
                 return false;
             },
             IdItemBulletType),
         rows::Bare("VALUE", &D::m_strItemValue, IdItemValue)}};
    return rows;
}

TagPair BuildUnorderedList(const CUnorderedListDialog& dialog, bool expanded) {
    return WrapList(WriteStartTag(dialog, expanded), "UL");
}

TagPair BuildOrderedList(const COrderedListDialog& dialog, bool expanded) {
    return WrapList(WriteStartTag(dialog, expanded), "OL");
}

TagPair BuildDirectoryMenuList(const CDirectoryMenuDialog& dialog, const std::string& element) {
    Tag tag(element);
    return WrapList(WriteRows(dialog, nullptr, false, tag), element);
}

TagPair BuildDefinitionList(const CDefinitionListDialog& dialog) {
    return WrapList(WriteStartTag(dialog), "DL");
}

TagPair BuildListItem(const CListItemDialog& dialog, bool expanded) {
    return {WriteStartTag(dialog, expanded).Close(), ""};
}

void RegisterListFamily(ElementRegistry& registry) {
    registry.Bind<CUnorderedListDialog>(cmd::UnorderedList, BuildUnorderedList);
    registry.Bind<COrderedListDialog>(cmd::OrderedList, BuildOrderedList);
    const auto directoryMenu = [](const CDirectoryMenuDialog& d) {
        return BuildDirectoryMenuList(d, d.m_strElement);
    };
    registry.Bind<CDirectoryMenuDialog>(cmd::DirectoryList, directoryMenu, std::string("DIR"));
    registry.Bind<CDirectoryMenuDialog>(cmd::MenuList, directoryMenu, std::string("MENU"));
    registry.Bind<CListItemDialog>(cmd::ListItem, BuildListItem);
    registry.Bind<CDefinitionListDialog>(cmd::DefinitionList, BuildDefinitionList);
}

} // namespace razo
