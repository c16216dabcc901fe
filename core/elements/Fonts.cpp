#include "core/elements/Fonts.h"

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
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

Tag FontStart(const CFontDialogBase& d) {
    Tag tag("FONT");
    if (!d.m_strSize.empty()) {
        if (d.m_nSizeType == RelativePlus)
            tag.AlwaysQuoted("SIZE", "+" + d.m_strSize);
        else if (d.m_nSizeType == RelativeMinus)
            tag.AlwaysQuoted("SIZE", "-" + d.m_strSize);
        else
            tag.Attr("SIZE", d.m_strSize);
    }
    tag.Raw(FormatColourAttribute("COLOR", d.m_strColourName, d.m_strColourNumber));
    return tag;
}

} // namespace

TagPair BuildFont(const CFontDialogBase& dialog) {
    return {FontStart(dialog).Close(), "</FONT>"};
}

TagPair BuildFontMicrosoft(const CFontMicrosoftDialog& dialog) {
    return {FontStart(dialog).Quoted("FACE", dialog.m_strFaces).Close(), "</FONT>"};
}

TagPair BuildBaseFont(const CBaseFontDialog& dialog) {
    return {Tag("BASEFONT").Attr("SIZE", dialog.m_strSize).Close(), ""};
}

void RegisterFontFamily(ElementRegistry& registry) {
    registry.Bind<CFontSizeDialog>(cmd::Font, [](const CFontSizeDialog& d) { return BuildFont(d); });
    registry.Bind<CFontNetscapeDialog>(cmd::FontNetscape,
                                       [](const CFontNetscapeDialog& d) { return BuildFont(d); });
    registry.Bind<CFontMicrosoftDialog>(cmd::FontMicrosoft, BuildFontMicrosoft);
    registry.Bind<CBaseFontDialog>(cmd::BaseFont, BuildBaseFont);
}

} // namespace razo
