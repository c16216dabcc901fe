#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
class FieldAccess;
struct BuildContext;

// The controls of the frame dialogs.
namespace frames {
enum Control : int {
    IdRows = 1072,
    IdAddRow = 1173,
    IdColumns = 1073,
    IdAddColumn = 1174,

    IdValue = 1026,
    IdPercentage = 1005, // first of the size type group
    IdRelative = 1008,
    IdAbsolute = 1027,
    IdRemaining = 1028,

    IdName = 1050,
    IdNoResize = 1176,
    IdSource = 1002,
    IdBrowse = 1003,
    IdScrolling = 1175,
    IdMarginHeight = 1075,
    IdMarginWidth = 1177,
};
} // namespace frames

// Add Row and Add Col append one size entry at a time to the row and column lists.
class CFramesetDialog : public DialogBase<CFramesetDialog> {
public:
    enum { IDD = 212 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFramesetDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strColumns;
    std::string m_strRows;
};

class CAddFrameSizeDialog : public DialogBase<CAddFrameSizeDialog> {
public:
    enum { IDD = 214 };
    enum SizeType { Percentage, Relative, Absolute, Remaining };
    static DialogTemplate MakeTemplate();
    void DoDataExchange(CDataExchange& dx) override;
    // The entry for the row or column list: "30%", "2*", "120" or "*".
    std::string Entry() const;

    std::string m_strValue;
    int m_nType = -1; // a SizeType, -1 for none
};

class CFrameDialog : public DialogBase<CFrameDialog> {
public:
    enum { IDD = 213 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFrameDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strName;
    int m_bNoResize = 0;
    std::string m_strSource;
    std::string m_strScrolling;
    std::string m_strMarginHeight;
    std::string m_strMarginWidth;
};

// Puts `entry` at the end of the list in field `id`, after a comma when the list is not empty.
void AppendFrameSize(FieldAccess& fields, int id, const std::string& entry);

TagPair BuildFrameset(const CFramesetDialog& dialog);
TagPair BuildFrame(const CFrameDialog& dialog, const BuildContext& context);

// FRAMESET with its size sub-dialog, and FRAME.
void RegisterFrameFamily(ElementRegistry& registry);

namespace messages {
inline constexpr const char* MustSelectType = "You must select a type.";
inline constexpr const char* PercentageRange = "You must specify a value between 0 and 100.";
inline constexpr const char* NotNegative = "You must specify a value greater than or equal to 0.";
} // namespace messages

} // namespace razo
