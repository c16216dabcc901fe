#include "core/elements/Fonts.h"

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace fonts;

constexpr int MinSize = 1, MaxSize = 7;

ColourFieldSpec FontColour(ColourNames names) {
    return {"COLOR",        "Colour",         IdColourName,     IdColourNumber,
            IdColourSelect, {IdColourSample}, ColourRole::Text, names};
}

// Size with its type beside it, then the colour row.
DialogTemplate FontTemplate(int idd, const char* title, int height, ColourNames names,
                            std::vector<ControlTemplate> more = {}) {
    const ColourFieldSpec colour = FontColour(names);
    std::vector<ControlTemplate> controls = {
        Edit(IdSize, "Size:").Width(24).Help("The font size, 1 to 7; leave it empty to keep the size."),
        ListCombo(IdSizeType, "Type:", {"Absolute", "Relative +", "Relative -"})
            .Beside()
            .Help("Absolute sets the size; Relative + and Relative - add it to or take it from the base "
                  "font size."),
    };
    for (auto control : ColourFieldControls(colour)) {
        if (control.id == IdColourName)
            control = control.Help("The text colour by name; (None) to give it as a number instead.");
        else if (control.id == IdColourNumber)
            control =
                control.Help("The text colour as six hexadecimal digits, red, green and blue (RRGGBB).");
        else if (control.id == IdColourSelect)
            control = control.Help("Picks the colour from the colour chooser.");
        controls.push_back(control);
    }
    controls.insert(controls.end(), more.begin(), more.end());
    auto made = MakeDialogTemplate(idd, title, 230, height, false, "<FONT> and </FONT> around the selection.",
                                   std::move(controls));
    made.colourFields = {colour};
    return made;
}

void ExchangeSize(CDataExchange& dx, std::string& size) {
    DDX_OptionalNumber(dx, IdSize, size);
    DDV_OptionalNumberRange(dx, size, MinSize, MaxSize);
}

} // namespace

const std::vector<std::string>& fonts::FaceListEntries() {
    static const std::vector<std::string> entries = {"(None)",
                                                     "--Windows 95 Fonts",
                                                     "Arial",
                                                     "Courier New",
                                                     "Times New Roman",
                                                     "--Windows 95 Plus! Fonts",
                                                     "Book Antiqua",
                                                     "News Gothic MT",
                                                     "OCR A Extended",
                                                     "Abadi MT Condensed Light",
                                                     "Calisto MT",
                                                     "Copperplate Gothic Bold",
                                                     "Copperplate Gothic Light",
                                                     "Comic Sans MS",
                                                     "Lucida Sans Unicode",
                                                     "Lucida Handwriting",
                                                     "--Office 95 Fonts",
                                                     "Algerian",
                                                     "Book Antiqua",
                                                     "Arial Narrow",
                                                     "Arial Black",
                                                     "Arial Rounded Bold",
                                                     "Bookman Old Style",
                                                     "Braggadocio",
                                                     "Britannic Bold",
                                                     "Brush Script MT",
                                                     "Colonna MT",
                                                     "Desdemona",
                                                     "Footlight MT Light",
                                                     "Garamond",
                                                     "Century Gothic",
                                                     "Haettenschweiler",
                                                     "Impact",
                                                     "Kino MT",
                                                     "Wide Latin",
                                                     "MS LineDraw",
                                                     "Matura MT Script Capitals",
                                                     "Playbill",
                                                     "Century Schoolbook"};
    return entries;
}

DialogTemplate CFontSizeDialog::MakeTemplate() {
    return FontTemplate(IDD, "Font (HTML 3.2)", 60, ColourNames::Html32);
}

void CFontSizeDialog::DoDataExchange(CDataExchange& dx) {
    ExchangeSize(dx, m_strSize);
    DDX_ColourNumber(dx, IdColourNumber, m_strColourNumber);
    DDX_CBIndex(dx, IdSizeType, m_nSizeType);
    DDX_CBString(dx, IdColourName, m_strColourName);
}

DialogTemplate CFontNetscapeDialog::MakeTemplate() {
    return FontTemplate(IDD, "Font (Netscape)", 60, ColourNames::Extended);
}

void CFontNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBIndex(dx, IdSizeType, m_nSizeType);
    ExchangeSize(dx, m_strSize);
    DDX_CBString(dx, IdColourName, m_strColourName);
    DDX_ColourNumber(dx, IdColourNumber, m_strColourNumber);
}

DialogTemplate CFontMicrosoftDialog::MakeTemplate() {
    return FontTemplate(
        IDD, "Font Size (Microsoft)", 100, ColourNames::Html32,
        {Edit(IdFaces, "Faces chosen in order of preference:")
             .Width(150)
             .Help("The font faces, separated by commas, best first; the reader's browser uses the first "
                   "one it has."),
         ListCombo(IdFaceList, "from here:", FaceListEntries())
             .Help("Adds the face chosen to the end of the faces field. The entries starting with -- "
                   "name groups of fonts and add nothing.")});
}

void CFontMicrosoftDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdFaces, m_strFaces);
    DDX_CBIndex(dx, IdSizeType, m_nSizeType);
    ExchangeSize(dx, m_strSize);
    DDX_CBString(dx, IdColourName, m_strColourName);
    DDX_ColourNumber(dx, IdColourNumber, m_strColourNumber);
}

void CFontMicrosoftDialog::OnFieldChanged(int id, DialogHost& host) {
    if (id != IdFaceList)
        return;
    FieldAccess& fields = host.Fields();
    const std::string faces = fields.GetText(IdFaces);
    const std::string appended = AppendFace(faces, fields.GetText(IdFaceList));
    if (appended != faces)
        fields.SetText(IdFaces, appended);
}

DialogTemplate CBaseFontDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Base Font Size (Netscape/Microsoft)", 180, 40, false,
        "A base font size tag <BASEFONT> in front of the selection.",
        {Edit(IdBaseSize, "Size:")
             .Width(24)
             .Help("The size, 1 to 7, that normal text takes and relative font sizes start from.")});
}

void CBaseFontDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredNumber(dx, IdBaseSize, m_strSize);
    DDV_NumberRange(dx, m_strSize, MinSize, MaxSize);
}

std::string AppendFace(const std::string& faces, const std::string& face) {
    if (face.empty() || face.front() == '(' || face.front() == '-')
        return faces;
    return faces.empty() ? face : faces + "," + face;
}

namespace {

// A size with no type is absolute; a relative one carries its sign, in quotes.
template <class D> AttributeRow<D> SizeRow() {
    return rows::Custom<D>(
        "SIZE",
        [](const D& d, const BuildContext*, Tag& tag) {
            if (d.m_strSize.empty())
                return;
            if (d.m_nSizeType == RelativePlus)
                tag.AlwaysQuoted("SIZE", "+" + d.m_strSize);
            else if (d.m_nSizeType == RelativeMinus)
                tag.AlwaysQuoted("SIZE", "-" + d.m_strSize);
            else
                tag.Attr("SIZE", d.m_strSize);
        },
        [](D& d, const markup::WrittenAttribute& a) {
            std::string_view size = a.value;
            int type = Absolute;
            if (!size.empty() && (size.front() == '+' || size.front() == '-')) {
                type = size.front() == '+' ? RelativePlus : RelativeMinus;
                size.remove_prefix(1);
            }
            if (!rows::IsNumber(size))
                return false;
            d.m_strSize = std::string(size);
            d.m_nSizeType = type;
            return true;
        },
        IdSize);
}

// SIZE and COLOR, as every FONT writes them, `more` after them.
template <class D> TagRows<D> FontRows(std::vector<AttributeRow<D>> more) {
    std::vector<AttributeRow<D>> list = {
        SizeRow<D>(), rows::Colour<D>(
                          "COLOR", [](auto& d) -> auto& { return d.m_strColourName; },
                          [](auto& d) -> auto& { return d.m_strColourNumber; }, IdColourName)};
    list.insert(list.end(), more.begin(), more.end());
    return {"FONT", std::move(list)};
}

} // namespace

const TagRows<CFontSizeDialog>& CFontSizeDialog::Rows() {
    static const TagRows<CFontSizeDialog> rows = FontRows<CFontSizeDialog>({});
    return rows;
}

const TagRows<CFontNetscapeDialog>& CFontNetscapeDialog::Rows() {
    static const TagRows<CFontNetscapeDialog> rows = FontRows<CFontNetscapeDialog>({});
    return rows;
}

const TagRows<CFontMicrosoftDialog>& CFontMicrosoftDialog::Rows() {
    using D = CFontMicrosoftDialog;
    static const TagRows<D> rows = FontRows<D>({rows::Quoted("FACE", &D::m_strFaces, IdFaces)});
    return rows;
}

const TagRows<CBaseFontDialog>& CBaseFontDialog::Rows() {
    static const TagRows<CBaseFontDialog> rows{"BASEFONT",
                                               {rows::Bare("SIZE", &CBaseFontDialog::m_strSize, IdBaseSize)}};
    return rows;
}

TagPair BuildFont(const CFontSizeDialog& dialog) {
    return {WriteStartTag(dialog).Close(), "</FONT>"};
}

TagPair BuildFont(const CFontNetscapeDialog& dialog) {
    return {WriteStartTag(dialog).Close(), "</FONT>"};
}

TagPair BuildFontMicrosoft(const CFontMicrosoftDialog& dialog) {
    return {WriteStartTag(dialog).Close(), "</FONT>"};
}

TagPair BuildBaseFont(const CBaseFontDialog& dialog) {
    return {WriteStartTag(dialog).Close(), ""};
}

void RegisterFontFamily(ElementRegistry& registry) {
    registry.Bind<CFontSizeDialog>(cmd::Font, [](const CFontSizeDialog& d) { return BuildFont(d); });
    registry.Bind<CFontNetscapeDialog>(cmd::FontNetscape,
                                       [](const CFontNetscapeDialog& d) { return BuildFont(d); });
    registry.Bind<CFontMicrosoftDialog>(cmd::FontMicrosoft, BuildFontMicrosoft);
    registry.Bind<CBaseFontDialog>(cmd::BaseFont, BuildBaseFont);
}

} // namespace razo
