#include "core/elements/ImageMaps.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace maps;

constexpr const char* FillsCoords = "OK puts the coordinates into the Coords field of the Area dialog.";

bool IsCoordsCharacter(char c) {
    return c == ',' || (c >= '0' && c <= '9');
}

bool CoordsCharactersValid(const std::string& coords) {
    return std::all_of(coords.begin(), coords.end(), IsCoordsCharacter);
}

std::vector<ControlTemplate> AreaControls(bool withTarget) {
    std::vector<ControlTemplate> controls = {
        UrlCombo(IdUrl, "URL to link to:").Help("The page a click on the area leads to."),
        BrowseButton(IdBrowse, IdUrl, browse::LinkTitle, browse::HtmlFilter)
            .Help("Picks a local file to link to."),
        CheckBox(IdNoHref, "No HTML reference").Help("Marks an area that leads nowhere (NOHREF)."),
    };
    if (withTarget)
        controls.push_back(
            EditableCombo(IdTarget, "Target name:", {"_blank", "_parent", "_self", "_top"})
                .Sorted()
                .Width(90)
                .Help("The window or frame that shows the linked page; any frame name may be typed."));
    controls.push_back(ListCombo(IdShape, "Shape:", {"rectangle", "polygon", "circle"})
                           .Sorted()
                           .Help("The shape of the area; Enter Coords asks for its coordinates."));
    controls.push_back(
        Edit(IdCoords, "Coords:")
            .Width(130)
            .Help("The area's coordinates in pixels, numbers separated by commas (required)."));
    controls.push_back(
        PushButton(IdEnterCoords, "Enter &Coords")
            .Beside()
            .Help("Opens the coordinates dialog of the chosen shape; its OK replaces the Coords."));
    return controls;
}

DialogTemplate CoordsTemplate(int idd, const char* title, int height, std::vector<ControlTemplate> controls) {
    DialogTemplate t = MakeDialogTemplate(idd, title, 160, height, false, "", std::move(controls));
    t.confirms = FillsCoords;
    return t;
}

// The coordinates of the chosen shape from its sub-dialog, or nothing when it was cancelled.
template <class CoordsDialog> std::optional<std::string> AskCoords(DialogHost& host) {
    CoordsDialog dialog;
    if (!host.RunModal(dialog))
        return std::nullopt;
    return dialog.Coords();
}

void EnterCoords(DialogHost& host) {
    const std::string shape = host.Fields().GetText(IdShape);
    std::optional<std::string> coords;
    if (shape == "circle")
        coords = AskCoords<CCircleCoordsDialog>(host);
    else if (shape == "rectangle")
        coords = AskCoords<CRectangleCoordsDialog>(host);
    else if (shape == "polygon")
        coords = AskCoords<CPolygonCoordsDialog>(host);
    else
        host.Prompts().Message(messages::SpecifyShapeFirst, MessageIcon::Exclamation);
    if (coords)
        host.Fields().SetText(IdCoords, *coords);
}

// SHAPE, COORDS, HREF and NOHREF, as both area dialogs write them, `more` after them. The
// members are the area dialog's, so `D` is named.
template <class D> std::vector<AttributeRow<D>> AreaRows(std::vector<AttributeRow<D>> more) {
    std::vector<AttributeRow<D>> list = {
        rows::Quoted<D>("SHAPE", &D::m_strShape, IdShape),
        rows::AlwaysQuoted<D>("COORDS", &D::m_strCoords, IdCoords).Required(),
        rows::Url<D>("HREF", &D::m_strUrl, IdUrl), rows::Flag<D>("NOHREF", &D::m_bNoHref, IdNoHref)};
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

} // namespace

const char* PolygonCoordsProblem(const std::string& coords) {
    if (!CoordsCharactersValid(coords))
        return messages::CoordsCharacters;
    // An odd count of numbers is reported as such before the count of pairs: 1,2,3,4,5 lacks a
    // number more than it lacks a pair.
    const auto commas = std::count(coords.begin(), coords.end(), ',');
    if (commas % 2 == 0)
        return messages::PolygonIncompletePair;
    if (commas < 5)
        return messages::PolygonTooFewPairs;
    return nullptr;
}

DialogTemplate CMapDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Map (HTML3.2/Netscape/Microsoft)", 200, 40, false,
        "A client-side image map: <MAP> and </MAP> around the selection, which holds its areas.",
        {Edit(IdName, "Name:").Width(110).Help("The name an image's USEMAP refers to (required).")});
}

void CMapDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredText(dx, IdName, m_strName);
}

DialogTemplate CAreaDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Area (HTML 3.2/Microsoft)", 260, 90, false,
                              "An area of a client-side image map: <AREA> in front of the selection.",
                              AreaControls(false));
}

void CAreaDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalUrl(dx, IdUrl, m_strUrl);
    DDX_Check(dx, IdNoHref, m_bNoHref);
    ExchangeShapeAndCoords(dx);
}

void CAreaDialog::ExchangeShapeAndCoords(CDataExchange& dx) {
    DDX_CBString(dx, IdShape, m_strShape);
    DDX_RequiredText(dx, IdCoords, m_strCoords);
    if (dx.Saving() && !CoordsCharactersValid(m_strCoords))
        dx.Refuse(IdCoords, messages::CoordsCharacters);
}

void CAreaDialog::OnFieldChanged(int id, DialogHost& host) {
    if (id == IdEnterCoords)
        EnterCoords(host);
}

DialogTemplate CAreaNetscapeDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Area (Netscape)", 260, 105, false,
        "An area of a client-side image map that can open its link in another frame: <AREA> in front of the "
        "selection.",
        AreaControls(true));
}

void CAreaNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalUrl(dx, IdUrl, m_strUrl);
    DDX_Check(dx, IdNoHref, m_bNoHref);
    DDX_CBString(dx, IdTarget, m_strTarget);
    ExchangeShapeAndCoords(dx);
}

DialogTemplate CCircleCoordsDialog::MakeTemplate() {
    return CoordsTemplate(IDD, "Circle Coords", 60,
                          {Edit(IdCentreX, "CentreX:")
                               .Help("The x coordinate of the centre, in pixels from the image's left edge."),
                           Edit(IdCentreY, "CentreY:")
                               .Help("The y coordinate of the centre, in pixels from the image's top edge."),
                           Edit(IdRadius, "Radius:").Help("The radius in pixels.")});
}

void CCircleCoordsDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredNumber(dx, IdCentreX, m_strCentreX);
    DDX_RequiredNumber(dx, IdCentreY, m_strCentreY);
    DDX_RequiredNumber(dx, IdRadius, m_strRadius);
}

std::string CCircleCoordsDialog::Coords() const {
    return m_strCentreX + "," + m_strCentreY + "," + m_strRadius;
}

DialogTemplate CRectangleCoordsDialog::MakeTemplate() {
    return CoordsTemplate(
        IDD, "Rectangle Coords", 75,
        {Edit(IdLeft, "Left:").Help("The left edge, in pixels from the image's left edge."),
         Edit(IdTop, "Top:").Help("The top edge, in pixels from the image's top edge."),
         Edit(IdRight, "Right:").Help("The right edge, in pixels from the image's left edge."),
         Edit(IdBottom, "Bottom:").Help("The bottom edge, in pixels from the image's top edge.")});
}

void CRectangleCoordsDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredNumber(dx, IdBottom, m_strBottom);
    DDX_RequiredNumber(dx, IdLeft, m_strLeft);
    DDX_RequiredNumber(dx, IdRight, m_strRight);
    DDX_RequiredNumber(dx, IdTop, m_strTop);
}

std::string CRectangleCoordsDialog::Coords() const {
    return m_strLeft + "," + m_strTop + "," + m_strRight + "," + m_strBottom;
}

DialogTemplate CPolygonCoordsDialog::MakeTemplate() {
    return CoordsTemplate(IDD, "Polygon Coords", 50,
                          {Label("Enter x,y coords of polygon, seperated by commas:"),
                           Edit(IdCoords, "")
                               .Width(200)
                               .Help("The corners of the polygon as x,y pairs, at least three, all numbers "
                                     "separated by commas.")});
}

void CPolygonCoordsDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredText(dx, IdCoords, m_strCoords);
    if (!dx.Saving())
        return;
    if (const char* problem = PolygonCoordsProblem(m_strCoords))
        dx.Refuse(IdCoords, problem);
}

const TagRows<CMapDialog>& CMapDialog::Rows() {
    static const TagRows<CMapDialog> rows{
        "MAP", {rows::AlwaysQuoted("NAME", &CMapDialog::m_strName, IdName).Required()}};
    return rows;
}

const TagRows<CAreaDialog>& CAreaDialog::Rows() {
    static const TagRows<CAreaDialog> rows{"AREA", AreaRows<CAreaDialog>({})};
    return rows;
}

const TagRows<CAreaNetscapeDialog>& CAreaNetscapeDialog::Rows() {
    using D = CAreaNetscapeDialog;
    static const TagRows<D> rows{"AREA", AreaRows<D>({rows::Quoted("TARGET", &D::m_strTarget, IdTarget)})};
    return rows;
}

TagPair BuildMap(const CMapDialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), "</MAP>\r\n"};
}

TagPair BuildArea(const CAreaDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), ""};
}

TagPair BuildAreaNetscape(const CAreaNetscapeDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), ""};
}

void RegisterImageMapFamily(ElementRegistry& registry) {
    registry.Bind<CMapDialog>(cmd::ImageMap, BuildMap);
    registry.Bind<CAreaDialog>(cmd::ImageMapArea, BuildArea);
    registry.Bind<CAreaNetscapeDialog>(cmd::ImageMapAreaNetscape, BuildAreaNetscape);
    registry.Shows<CRectangleCoordsDialog>();
    registry.Shows<CCircleCoordsDialog>();
    registry.Shows<CPolygonCoordsDialog>();
}

} // namespace razo
