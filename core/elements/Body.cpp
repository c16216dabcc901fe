#include "core/elements/Body.h"

#include <cctype>
#include <initializer_list>

#include "core/dialogs/Colours.h"
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

using namespace body;

// The background colours all five samples, so each text colour is seen on it.
std::vector<ColourFieldSpec> ColourFields(ColourNames names) {
    return {
        {"BGCOLOR",
         "Background",
         IdBackgroundName,
         IdBackgroundNumber,
         IdBackgroundSelect,
         {IdBackgroundSample, IdTextSample, IdLinkSample, IdVisitedSample, IdActiveSample},
         ColourRole::Background,
         names},
        {"TEXT", "Text", IdTextName, IdTextNumber, IdTextSelect, {IdTextSample}, ColourRole::Text, names},
        {"LINK", "Link", IdLinkName, IdLinkNumber, IdLinkSelect, {IdLinkSample}, ColourRole::Text, names},
        {"VLINK",
         "Visited link",
         IdVisitedName,
         IdVisitedNumber,
         IdVisitedSelect,
         {IdVisitedSample},
         ColourRole::Text,
         names},
        {"ALINK",
         "Active link",
         IdActiveName,
         IdActiveNumber,
         IdActiveSelect,
         {IdActiveSample},
         ColourRole::Text,
         names},
    };
}

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The "Colour Specification" group: one row per field.
std::vector<ControlTemplate> ColourGroup(const std::vector<ColourFieldSpec>& fields) {
    std::vector<ControlTemplate> rows;
    for (const auto& field : fields) {
        auto controls = ColourFieldControls(field);
        controls.front() = controls.front().Help(
            "The " + Lowered(field.label) +
            " colour by name; or choose (None) and give six hexadecimal digits in the box beside it, or "
            "pick a colour with Select. A name wins over a number.");
        rows.insert(rows.end(), controls.begin(), controls.end());
    }
    std::vector<ControlTemplate> group = {GroupBox("Colour Specification", static_cast<int>(rows.size()))};
    group.insert(group.end(), rows.begin(), rows.end());
    return group;
}

ControlTemplate BackgroundUrl(std::string label) {
    return UrlCombo(IdBackgroundUrl, std::move(label))
        .Help("An image tiled behind the page. A local file is written relative to this document; the URL "
              "is remembered for later dialogs.");
}

ControlTemplate BackgroundBrowse() {
    return BrowseButton(IdBrowse, IdBackgroundUrl, browse::LinkTitle, browse::ImageFilter)
        .Help("Picks a local image; its path is put into the field.");
}

DialogTemplate BodyTemplate(int idd, std::string title, int width, int height, bool expandable,
                            std::vector<ControlTemplate> controls, ColourNames names) {
    auto fields = ColourFields(names);
    auto colours = ColourGroup(fields);
    controls.insert(controls.end(), colours.begin(), colours.end());
    if (expandable)
        for (auto& control : controls)
            control = control.Expanded();
    auto made = MakeDialogTemplate(idd, std::move(title), width, height, expandable,
                                   "<BODY> on a line of its own in front of the selection and </BODY> "
                                   "after it.",
                                   std::move(controls));
    made.colourFields = std::move(fields);
    return made;
}

void ExchangeNames(CDataExchange& dx, CBodyColours& colours, std::initializer_list<int> ids) {
    for (int id : ids)
        DDX_CBString(dx, id, colours.Member(id));
}

void ExchangeNumbers(CDataExchange& dx, CBodyColours& colours, std::initializer_list<int> ids) {
    for (int id : ids)
        DDX_ColourNumber(dx, id, colours.Member(id));
}

// BACKGROUND, `more` (the Microsoft dialog's BGPROPERTIES), then BGCOLOR, TEXT, LINK, VLINK and
// ALINK, then `after` (its margins).
template <class D>
std::vector<AttributeRow<D>> BodyRows(std::vector<AttributeRow<D>> more, std::vector<AttributeRow<D>> after) {
    using Member = std::string CBodyColours::*;
    struct Colour {
        const char* attribute;
        Member name, number;
        int nameList;
    };
    const Colour colours[] = {
        {"BGCOLOR", &CBodyColours::m_strBackgroundName, &CBodyColours::m_strBackgroundNumber,
         IdBackgroundName},
        {"TEXT", &CBodyColours::m_strTextName, &CBodyColours::m_strTextNumber, IdTextName},
        {"LINK", &CBodyColours::m_strLinkName, &CBodyColours::m_strLinkNumber, IdLinkName},
        {"VLINK", &CBodyColours::m_strVisitedName, &CBodyColours::m_strVisitedNumber, IdVisitedName},
        {"ALINK", &CBodyColours::m_strActiveName, &CBodyColours::m_strActiveNumber, IdActiveName},
    };
    std::vector<AttributeRow<D>> list = {rows::Url("BACKGROUND", &D::m_strBackground, IdBackgroundUrl)};
    list.insert(list.end(), more.begin(), more.end());
    for (const Colour& colour : colours)
        list.push_back(rows::Colour<D>(
            colour.attribute, [name = colour.name](auto& d) -> auto& { return d.*name; },
            [number = colour.number](auto& d) -> auto& { return d.*number; }, colour.nameList));
    list.insert(list.end(), after.begin(), after.end());
    return list;
}

template <class D> TagPair BodyPair(const D& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), "</BODY>\r\n"};
}

} // namespace

std::string& CBodyColours::Member(int id) {
    switch (id) {
    case IdBackgroundName:
        return m_strBackgroundName;
    case IdBackgroundNumber:
        return m_strBackgroundNumber;
    case IdTextName:
        return m_strTextName;
    case IdTextNumber:
        return m_strTextNumber;
    case IdLinkName:
        return m_strLinkName;
    case IdLinkNumber:
        return m_strLinkNumber;
    case IdVisitedName:
        return m_strVisitedName;
    case IdVisitedNumber:
        return m_strVisitedNumber;
    case IdActiveName:
        return m_strActiveName;
    default:
        return m_strActiveNumber;
    }
}

std::string CBodyColours::Attributes() const {
    return FormatColourAttribute("BGCOLOR", m_strBackgroundName, m_strBackgroundNumber) +
           FormatColourAttribute("TEXT", m_strTextName, m_strTextNumber) +
           FormatColourAttribute("LINK", m_strLinkName, m_strLinkNumber) +
           FormatColourAttribute("VLINK", m_strVisitedName, m_strVisitedNumber) +
           FormatColourAttribute("ALINK", m_strActiveName, m_strActiveNumber);
}

DialogTemplate CBodyDialog::MakeTemplate() {
    return BodyTemplate(IDD, "Body", 262, 140, true, {BackgroundUrl("Bkgnd image URL:"), BackgroundBrowse()},
                        ColourNames::Html32);
}

void CBodyDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalUrl(dx, IdBackgroundUrl, m_strBackground);
    ExchangeNames(dx, *this, {IdActiveName, IdBackgroundName, IdLinkName, IdTextName, IdVisitedName});
    ExchangeNumbers(dx, *this,
                    {IdBackgroundNumber, IdLinkNumber, IdTextNumber, IdVisitedNumber, IdActiveNumber});
}

DialogTemplate CBodyNetscapeDialog::MakeTemplate() {
    return BodyTemplate(IDD, "Body (Netscape)", 262, 140, false,
                        {BackgroundUrl("Bkgnd image URL:"), BackgroundBrowse()}, ColourNames::Extended);
}

void CBodyNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalUrl(dx, IdBackgroundUrl, m_strBackground);
    ExchangeNames(dx, *this, {IdActiveName});
    ExchangeNumbers(dx, *this, {IdActiveNumber});
    ExchangeNames(dx, *this, {IdBackgroundName, IdLinkName, IdTextName, IdVisitedName});
    ExchangeNumbers(dx, *this, {IdBackgroundNumber, IdLinkNumber, IdTextNumber, IdVisitedNumber});
}

DialogTemplate CBodyMicrosoftDialog::MakeTemplate() {
    return BodyTemplate(
        IDD, "Body (Microsoft)", 262, 180, false,
        {BackgroundUrl("Bkgnd URL:"), BackgroundBrowse(),
         CheckBox(IdWatermark, "Fixed background for watermark effect")
             .Help("Keeps the background image still while the page scrolls; needs a background image."),
         Edit(IdLeftMargin, "Left margin:").Help("Space left of the page's contents, in pixels."),
         Label("in pixels.").Beside(),
         Edit(IdTopMargin, "Top margin:").Help("Space above the page's contents, in pixels."),
         Label("in pixels.").Beside()},
        ColourNames::Html32);
}

void CBodyMicrosoftDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdBackgroundUrl, m_strBackground);
    DDX_Check(dx, IdWatermark, m_bWatermark);
    DDX_OptionalNumber(dx, IdTopMargin, m_strTopMargin);
    DDX_OptionalNumber(dx, IdLeftMargin, m_strLeftMargin);
    ExchangeNames(dx, *this, {IdActiveName, IdBackgroundName, IdLinkName, IdTextName, IdVisitedName});
    ExchangeNumbers(dx, *this,
                    {IdBackgroundNumber, IdLinkNumber, IdTextNumber, IdVisitedNumber, IdActiveNumber});
    if (dx.Saving() && m_bWatermark && m_strBackground.empty())
        dx.Refuse(IdBackgroundUrl, messages::WatermarkWithoutBackground, MessageIcon::None);
}

const TagRows<CBodyDialog>& CBodyDialog::Rows() {
    static const TagRows<CBodyDialog> rows{"BODY", BodyRows<CBodyDialog>({}, {})};
    return rows;
}

const TagRows<CBodyNetscapeDialog>& CBodyNetscapeDialog::Rows() {
    static const TagRows<CBodyNetscapeDialog> rows{"BODY", BodyRows<CBodyNetscapeDialog>({}, {})};
    return rows;
}

const TagRows<CBodyMicrosoftDialog>& CBodyMicrosoftDialog::Rows() {
    using D = CBodyMicrosoftDialog;
    static const TagRows<D> rows{
        "BODY", BodyRows<D>({rows::Keyword("BGPROPERTIES", "FIXED", &D::m_bWatermark, IdWatermark)},
                            {rows::Number("TOPMARGIN", &D::m_strTopMargin, IdTopMargin),
                             rows::Number("LEFTMARGIN", &D::m_strLeftMargin, IdLeftMargin)})};
    return rows;
}

TagPair BuildBody(const CBodyDialog& dialog, const BuildContext& context) {
    return BodyPair(dialog, context);
}

TagPair BuildBodyNetscape(const CBodyNetscapeDialog& dialog, const BuildContext& context) {
    return BodyPair(dialog, context);
}

TagPair BuildBodyMicrosoft(const CBodyMicrosoftDialog& dialog, const BuildContext& context) {
    return BodyPair(dialog, context);
}

void RegisterBodyFamily(ElementRegistry& registry) {
    registry.Bind<CBodyDialog>(cmd::Body, BuildBody);
    registry.Bind<CBodyNetscapeDialog>(cmd::BodyNetscape, BuildBodyNetscape);
    registry.Bind<CBodyMicrosoftDialog>(cmd::BodyMicrosoft, BuildBodyMicrosoft);
}

} // namespace razo
