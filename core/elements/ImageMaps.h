#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
struct BuildContext;

// The controls of the image map dialogs and their coordinate sub-dialogs.
namespace maps {
enum Control : int {
    IdName = 1050,
    IdUrl = 1036,
    IdBrowse = 1003,
    IdNoHref = 1185,
    IdTarget = 1179,
    IdShape = 1049,
    IdCoords = 1205, // also the list of the polygon dialog
    IdEnterCoords = 1206,

    IdCentreX = 1207,
    IdCentreY = 1208,
    IdRadius = 1209,
    IdLeft = 1186,
    IdTop = 1187,
    IdRight = 1188,
    IdBottom = 1189,
};
} // namespace maps

class CMapDialog : public DialogBase<CMapDialog> {
public:
    enum { IDD = 219 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CMapDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strName;
};

// "Enter Coords" composes the coords field with the sub-dialog of the chosen shape.
class CAreaDialog : public DialogBase<CAreaDialog> {
public:
    CAreaDialog() = default;
    enum { IDD = 224 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CAreaDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strUrl;
    int m_bNoHref = 0;
    std::string m_strShape;
    std::string m_strCoords;

protected:
    explicit CAreaDialog(const DialogTemplate& shown) : DialogBase(shown) {}
    void ExchangeShapeAndCoords(CDataExchange& dx);
};

// The area with a target frame.
class CAreaNetscapeDialog : public DialogBase<CAreaNetscapeDialog, CAreaDialog> {
public:
    enum { IDD = 220 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CAreaNetscapeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strTarget;
};

class CCircleCoordsDialog : public DialogBase<CCircleCoordsDialog> {
public:
    enum { IDD = 226 };
    static DialogTemplate MakeTemplate();
    void DoDataExchange(CDataExchange& dx) override;
    // "x,y,r" for the coords field.
    std::string Coords() const;

    std::string m_strCentreX;
    std::string m_strCentreY;
    std::string m_strRadius;
};

class CRectangleCoordsDialog : public DialogBase<CRectangleCoordsDialog> {
public:
    enum { IDD = 225 };
    static DialogTemplate MakeTemplate();
    void DoDataExchange(CDataExchange& dx) override;
    // "left,top,right,bottom" for the coords field.
    std::string Coords() const;

    std::string m_strBottom;
    std::string m_strLeft;
    std::string m_strRight;
    std::string m_strTop;
};

class CPolygonCoordsDialog : public DialogBase<CPolygonCoordsDialog> {
public:
    enum { IDD = 227 };
    static DialogTemplate MakeTemplate();
    void DoDataExchange(CDataExchange& dx) override;
    std::string Coords() const { return m_strCoords; }

    std::string m_strCoords;
};

// The message that refuses a polygon's coordinate list, or nullptr when it is three or more
// x,y pairs written as digits and commas.
const char* PolygonCoordsProblem(const std::string& coords);

TagPair BuildMap(const CMapDialog& dialog);
TagPair BuildArea(const CAreaDialog& dialog, const BuildContext& context);
TagPair BuildAreaNetscape(const CAreaNetscapeDialog& dialog, const BuildContext& context);

// MAP, AREA (and its variant with a target) and the coordinate sub-dialogs.
void RegisterImageMapFamily(ElementRegistry& registry);

namespace messages {
inline constexpr const char* SpecifyShapeFirst = "Please specify a shape first.";
inline constexpr const char* CoordsCharacters =
    "Invalid input.  Please enter a list of x-y coords seperated by commas.";
inline constexpr const char* PolygonTooFewPairs =
    "Invalid input.  You must enter at least 3 sets of x-y coords to form a polygon.";
inline constexpr const char* PolygonIncompletePair =
    "Invalid input.  You must enter complete sets of x-y coords.";
} // namespace messages

} // namespace razo
