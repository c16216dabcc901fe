#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
struct BuildContext;

// The controls of the Body dialogs.
namespace body {
enum Control : int {
    IdBackgroundUrl = 1087,
    IdBrowse = 1003,
    IdWatermark = 1190,
    IdTopMargin = 1196,
    IdLeftMargin = 1195,
    // The five colour rows: name list, number edit, Select button, sample.
    IdBackgroundName = 1229,
    IdBackgroundNumber = 1042,
    IdBackgroundSelect = 1231,
    IdBackgroundSample = 1045,
    IdTextName = 1230,
    IdTextNumber = 1043,
    IdTextSelect = 1232,
    IdTextSample = 1046,
    IdLinkName = 1226,
    IdLinkNumber = 1027,
    IdLinkSelect = 1233,
    IdLinkSample = 1028,
    IdVisitedName = 1236,
    IdVisitedNumber = 1025,
    IdVisitedSelect = 1234,
    IdVisitedSample = 1029,
    IdActiveName = 1228,
    IdActiveNumber = 1026,
    IdActiveSelect = 1235,
    IdActiveSample = 1030,
};
} // namespace body

// The colour rows every Body dialog has: a name ("(None)" or empty for none) and a number of six
// hexadecimal digits for each.
struct CBodyColours {
    std::string m_strBackgroundName, m_strBackgroundNumber;
    std::string m_strTextName, m_strTextNumber;
    std::string m_strLinkName, m_strLinkNumber;
    std::string m_strVisitedName, m_strVisitedNumber;
    std::string m_strActiveName, m_strActiveNumber;

    // The member behind a name list or number edit.
    std::string& Member(int id);
    // BGCOLOR, TEXT, LINK, VLINK and ALINK, each written only when given.
    std::string Attributes() const;
};

// The background image and colours belong to the HTML 3.2 part; the short layout has no field.
class CBodyDialog : public DialogBase<CBodyDialog, CExpandDialog>, public CBodyColours {
public:
    enum { IDD = 151 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CBodyDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strBackground;
};

class CBodyNetscapeDialog : public DialogBase<CBodyNetscapeDialog>, public CBodyColours {
public:
    enum { IDD = 152 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CBodyNetscapeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strBackground;
};

class CBodyMicrosoftDialog : public DialogBase<CBodyMicrosoftDialog>, public CBodyColours {
public:
    enum { IDD = 194 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CBodyMicrosoftDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strBackground;
    int m_bWatermark = 0;
    std::string m_strTopMargin;
    std::string m_strLeftMargin;
};

// "<BODY ...>\r\n" and "</BODY>\r\n". The background URL goes through MakeRelativePath, and only
// when it is written.
TagPair BuildBody(const CBodyDialog& dialog, const BuildContext& context);
TagPair BuildBodyNetscape(const CBodyNetscapeDialog& dialog, const BuildContext& context);
TagPair BuildBodyMicrosoft(const CBodyMicrosoftDialog& dialog, const BuildContext& context);

// The three Body commands.
void RegisterBodyFamily(ElementRegistry& registry);

namespace messages {
inline constexpr const char* WatermarkWithoutBackground =
    "You can't have a watermark without a background.  Please specify one.";
} // namespace messages

} // namespace razo
