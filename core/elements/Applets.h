#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
class IniProfile;
struct BuildContext;

// The controls of the applet dialogs.
namespace applets {
enum Control : int {
    IdAlign = 1029,
    IdAltText = 1056,
    IdCodeBase = 1218,
    IdHeight = 1057,
    IdHSpace = 1059,
    IdVSpace = 1012,
    IdWidth = 1011,
    IdName = 1050,
    IdClassFile = 1172,
    IdBrowseClassFile = 1004,
    IdBrowseCodeBase = 1003,
    IdParamValue = 1026,
    IdParamName = 1050,
};
} // namespace applets

// The class file has a remembered list of its own, beside the URLs that the code base offers.
class CAppletDialog : public DialogBase<CAppletDialog> {
public:
    enum { IDD = 229 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CAppletDialog>& Rows();
    explicit CAppletDialog(const IniProfile& profile) : m_profile(profile) {}
    void DoDataExchange(CDataExchange& dx) override;
    // Fills the class file and code base lists from their two remembered lists in one pass.
    void OnInitDialog(DialogHost& host) override;

    std::string m_strAlign;
    std::string m_strAltText;
    std::string m_strCodeBase;
    std::string m_strHeight;
    std::string m_strHSpace;
    std::string m_strVSpace;
    std::string m_strWidth;
    std::string m_strName;
    std::string m_strClassFile;

private:
    const IniProfile& m_profile;
};

class CAppletParamDialog : public DialogBase<CAppletParamDialog> {
public:
    enum { IDD = 230 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CAppletParamDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strValue;
    std::string m_strName;
};

// The class file goes through the "JavaClasses" list, the code base and a parameter's value
// through the URLs, each turned relative to the document.
TagPair BuildApplet(const CAppletDialog& dialog, const BuildContext& context);
TagPair BuildAppletParam(const CAppletParamDialog& dialog, const BuildContext& context);

// APPLET and PARAM.
void RegisterAppletFamily(ElementRegistry& registry);

} // namespace razo
