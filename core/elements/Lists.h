#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;

// The controls of the list dialogs.
namespace lists {
enum Control : int {
    IdCompact = 1000,
    IdListType = 1045,
    IdStartNumber = 1046,
    IdItemNumberType = 1048,
    IdItemBulletType = 1047,
    IdItemValue = 1026,
};
} // namespace lists

class CUnorderedListDialog : public DialogBase<CUnorderedListDialog, CExpandDialog> {
public:
    enum { IDD = 132 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CUnorderedListDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    int m_bCompact = 0;
    std::string m_strBulletType;
};

class COrderedListDialog : public DialogBase<COrderedListDialog, CExpandDialog> {
public:
    enum { IDD = 133 };
    static DialogTemplate MakeTemplate();
    static const TagRows<COrderedListDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    int m_bCompact = 0;
    std::string m_strStartNumber;
    std::string m_strNumberType;
};

// Shared by the directory and the menu list; `element` is the one the command writes, DIR or MENU.
class CDirectoryMenuDialog : public DialogBase<CDirectoryMenuDialog> {
public:
    enum { IDD = 138 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CDirectoryMenuDialog>& Rows();
    explicit CDirectoryMenuDialog(std::string element = "DIR") : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;

    const std::string m_strElement;
    int m_bCompact = 0;
};

class CDefinitionListDialog : public DialogBase<CDefinitionListDialog> {
public:
    enum { IDD = 136 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CDefinitionListDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    int m_bCompact = 0;
};

// The short layout holds no field: a list item is a bare <LI> unless expanded.
class CListItemDialog : public DialogBase<CListItemDialog, CExpandDialog> {
public:
    enum { IDD = 135 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CListItemDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strNumberType;
    std::string m_strBulletType;
    std::string m_strItemValue;
};

TagPair BuildUnorderedList(const CUnorderedListDialog& dialog, bool expanded);
TagPair BuildOrderedList(const COrderedListDialog& dialog, bool expanded);
// `element` is "DIR" or "MENU".
TagPair BuildDirectoryMenuList(const CDirectoryMenuDialog& dialog, const std::string& element);
TagPair BuildDefinitionList(const CDefinitionListDialog& dialog);
TagPair BuildListItem(const CListItemDialog& dialog, bool expanded);

// Unordered, ordered, directory, menu and definition lists and their items.
void RegisterListFamily(ElementRegistry& registry);

namespace messages {
inline constexpr const char* BothListItemTypes =
    "You cannot specify an ordered and an unordered list item type at the same time.";
inline constexpr const char* UnorderedItemValue =
    "You should not specify a value for an unordered list item.";
} // namespace messages

} // namespace razo
