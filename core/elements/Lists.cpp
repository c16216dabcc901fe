#include "core/elements/Lists.h"

#include "core/dialogs/DataExchange.h"
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

std::string CompactFlag(int compact) {
    return compact ? " COMPACT" : "";
}

TagPair WrapList(const std::string& element, const std::string& attributes) {
    return {"<" + element + attributes + ">\r\n", "</" + element + ">\r\n"};
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

TagPair BuildUnorderedList(const CUnorderedListDialog& dialog, bool expanded) {
    std::string attributes = CompactFlag(dialog.m_bCompact);
    if (expanded)
        attributes += Attribute("TYPE", dialog.m_strBulletType);
    return WrapList("UL", attributes);
}

TagPair BuildOrderedList(const COrderedListDialog& dialog, bool expanded) {
    std::string attributes = CompactFlag(dialog.m_bCompact);
    if (expanded)
        attributes += Attribute("START", dialog.m_strStartNumber) + Attribute("TYPE", dialog.m_strNumberType);
    return WrapList("OL", attributes);
}

TagPair BuildDirectoryMenuList(const CDirectoryMenuDialog& dialog, const std::string& element) {
    return WrapList(element, CompactFlag(dialog.m_bCompact));
}

TagPair BuildDefinitionList(const CDefinitionListDialog& dialog) {
    return WrapList("DL", CompactFlag(dialog.m_bCompact));
}

TagPair BuildListItem(const CListItemDialog& dialog, bool expanded) {
    std::string start = "<LI";
    if (expanded) {
        if (Chosen(dialog.m_strBulletType))
            start += Attribute("TYPE", dialog.m_strBulletType);
        if (Chosen(dialog.m_strNumberType))
            start += Attribute("TYPE", dialog.m_strNumberType);
        start += Attribute("VALUE", dialog.m_strItemValue);
    }
    return {start + ">", ""};
}

void RegisterListFamily(ElementRegistry& registry) {
    registry.Bind<CUnorderedListDialog>(cmd::UnorderedList, BuildUnorderedList);
    registry.Bind<COrderedListDialog>(cmd::OrderedList, BuildOrderedList);
    registry.Bind<CDirectoryMenuDialog>(
        cmd::DirectoryList, [](const CDirectoryMenuDialog& d) { return BuildDirectoryMenuList(d, "DIR"); });
    registry.Bind<CDirectoryMenuDialog>(
        cmd::MenuList, [](const CDirectoryMenuDialog& d) { return BuildDirectoryMenuList(d, "MENU"); });
    registry.Bind<CListItemDialog>(cmd::ListItem, BuildListItem);
    registry.Bind<CDefinitionListDialog>(cmd::DefinitionList, BuildDefinitionList);
}

} // namespace razo
