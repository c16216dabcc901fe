#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
struct BuildContext;

// The controls of the inline image dialogs.
namespace images {
enum Control : int {
    IdSrc = 1002,
    IdBrowseSrc = 1003,
    IdAlt = 1056,
    IdAlign = 1029,
    IdIsMap = 1055,
    IdWidth = 1011,
    IdHeight = 1057,
    IdVSpace = 1012,
    IdHSpace = 1059,
    IdBorder = 1074,
    // The client-side map URL of the HTML 3.2 and Netscape dialogs.
    IdMapUrl = 1004,
    IdBrowseMap = 1005,
    // The Microsoft dialog: its map URL, the movie source and how the movie plays.
    IdMicrosoftMapUrl = 1006,
    IdMicrosoftBrowseMap = 1007,
    IdDynSrc = 1004,
    IdBrowseDynSrc = 1005,
    IdStart = 1046,
    IdControls = 1167,
    IdLoop = 1156,
    IdInfiniteLoop = 1165,
};
} // namespace images

// Width, height, spacing, border and the map URL belong to the HTML 3.2 part.
class CInlineImageDialog : public DialogBase<CInlineImageDialog, CExpandDialog> {
public:
    enum { IDD = 160 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CInlineImageDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strSrc;
    std::string m_strAlt;
    std::string m_strAlign;
    int m_bIsMap = 0;
    std::string m_strWidth;
    std::string m_strHeight;
    std::string m_strVSpace;
    std::string m_strHSpace;
    std::string m_strBorder;
    std::string m_strMapURL;
};

class CInlineImageNetscapeDialog : public DialogBase<CInlineImageNetscapeDialog> {
public:
    enum { IDD = 161 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CInlineImageNetscapeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strSrc;
    std::string m_strAlt;
    std::string m_strAlign;
    int m_bIsMap = 0;
    std::string m_strWidth;
    std::string m_strHeight;
    std::string m_strVSpace;
    std::string m_strHSpace;
    std::string m_strBorder;
    std::string m_strMapURL;
};

class CInlineImageMicrosoftDialog : public DialogBase<CInlineImageMicrosoftDialog> {
public:
    enum { IDD = 193 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CInlineImageMicrosoftDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strSrc;
    std::string m_strAlt;
    std::string m_strAlign;
    int m_bIsMap = 0;
    std::string m_strWidth;
    std::string m_strHeight;
    std::string m_strVSpace;
    std::string m_strHSpace;
    std::string m_strBorder; // free text
    std::string m_strMapURL;
    std::string m_strDynSrc;
    std::string m_strStart;
    int m_bControls = 0;
    std::string m_strLoop;
    int m_bInfiniteLoop = 0;
};

// One <IMG> tag in front of the selection. Every URL written goes through MakeRelativePath, in
// the order the attributes are written: source, movie source, map.
TagPair BuildInlineImage(const CInlineImageDialog& dialog, const BuildContext& context);
TagPair BuildInlineImageNetscape(const CInlineImageNetscapeDialog& dialog, const BuildContext& context);
TagPair BuildInlineImageMicrosoft(const CInlineImageMicrosoftDialog& dialog, const BuildContext& context);

// The three image commands.
void RegisterImageFamily(ElementRegistry& registry);

} // namespace razo
