#include "core/elements/Images.h"

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

using namespace images;

ControlTemplate SourceField() {
    return UrlCombo(IdSrc, "Image src:")
        .Help("The image file; it must be given. A local file is written relative to this document; the "
              "URL is remembered for later dialogs.");
}

ControlTemplate SourceBrowse() {
    return BrowseButton(IdBrowseSrc, IdSrc, browse::LinkTitle, browse::ImageFilter)
        .Help("Picks a local image; its path is put into the field.");
}

ControlTemplate AltField() {
    return Edit(IdAlt, "Alternate text:").Width(160).Help("Text shown where the image cannot be.");
}

ControlTemplate AlignList(std::vector<std::string> entries) {
    return Alignment(IdAlign, "Alignment:", std::move(entries),
                     "How the image sits in the line of text around it.");
}

ControlTemplate IsMapBox() {
    return CheckBox(IdIsMap, "&Server side image map")
        .Help("The server gets the point clicked on the image (ISMAP).");
}

ControlTemplate MapField(int id) {
    return UrlCombo(id, "Client side <MAP> element URL:")
        .Help("The <MAP> element whose areas the image uses, usually #name; remembered for later dialogs.");
}

ControlTemplate MapBrowse(int id, int fieldId) {
    return BrowseButton(id, fieldId, browse::LinkTitle, browse::HtmlFilter)
        .Help("Picks the local page that holds the map.");
}

// Width, height, vertical and horizontal space and, unless left out, the border, in pixels.
std::vector<ControlTemplate> SizeFields(bool withBorder) {
    std::vector<ControlTemplate> fields = {
        Edit(IdWidth, "Width:").Help("The width the image is shown at, in pixels."),
        Edit(IdHeight, "Height:").Help("The height the image is shown at, in pixels."),
        Edit(IdVSpace, "Vertical space:").Help("Space above and below the image, in pixels."),
        Edit(IdHSpace, "Horizontal space:").Help("Space left and right of the image, in pixels."),
    };
    if (withBorder)
        fields.push_back(Edit(IdBorder, "Border width:")
                             .Help("The width of the frame around the image, in "
                                   "pixels; 0 for none."));
    return fields;
}

// SRC, ALIGN, ALT and ISMAP, as every image dialog starts its tag, `more` after them.
template <class D> std::vector<AttributeRow<D>> ImageRows(std::vector<AttributeRow<D>> more) {
    std::vector<AttributeRow<D>> list = {
        rows::Url("SRC", &D::m_strSrc, IdSrc, {.always = true, .relative = true, .history = ""}).Required(),
        rows::Bare("ALIGN", &D::m_strAlign, IdAlign), rows::Quoted("ALT", &D::m_strAlt, IdAlt),
        rows::Flag("ISMAP", &D::m_bIsMap, IdIsMap)};
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

// WIDTH, HEIGHT, BORDER, VSPACE, HSPACE and USEMAP of the HTML 3.2 and Netscape dialogs.
template <class D> std::vector<AttributeRow<D>> SizeRows() {
    return {
        rows::Number("WIDTH", &D::m_strWidth, IdWidth),    rows::Number("HEIGHT", &D::m_strHeight, IdHeight),
        rows::Number("BORDER", &D::m_strBorder, IdBorder), rows::Number("VSPACE", &D::m_strVSpace, IdVSpace),
        rows::Number("HSPACE", &D::m_strHSpace, IdHSpace), rows::Url("USEMAP", &D::m_strMapURL, IdMapUrl)};
}

// LOOP=infinite while the box is ticked, else the count; infinite read back ticks the box.
AttributeRow<CInlineImageMicrosoftDialog> LoopRow() {
    using D = CInlineImageMicrosoftDialog;
    return rows::Custom<D>(
        "LOOP",
        [](const D& d, const BuildContext*, Tag& tag) {
            tag.Attr("LOOP", d.m_bInfiniteLoop ? std::string("infinite") : d.m_strLoop);
        },
        [](D& d, const markup::WrittenAttribute& a) {
            if (markup::SameName(a.value, "infinite")) {
                d.m_bInfiniteLoop = 1;
                d.m_strLoop.clear();
                return true;
            }
            if (!rows::IsNumber(a.value))
                return false;
            d.m_strLoop = a.value;
            return true;
        },
        IdLoop);
}

} // namespace

DialogTemplate CInlineImageDialog::MakeTemplate() {
    std::vector<ControlTemplate> controls = {SourceField(), SourceBrowse(), AltField(),
                                             AlignList({"top", "middle", "bottom", "left", "right"}),
                                             IsMapBox()};
    for (const auto& field : SizeFields(true))
        controls.push_back(field.Expanded());
    controls.push_back(GroupBox("Image Map settings:", 2).Expanded());
    controls.push_back(MapField(IdMapUrl).Expanded());
    controls.push_back(MapBrowse(IdBrowseMap, IdMapUrl).Expanded());
    return MakeDialogTemplate(IDD, "Inline Image", 262, 150, true,
                              "An image tag <IMG> in front of the selection.", std::move(controls));
}

void CInlineImageDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_Text(dx, IdAlt, m_strAlt);
    DDX_Check(dx, IdIsMap, m_bIsMap);
    DDX_RequiredUrl(dx, IdSrc, m_strSrc);
    DDX_OptionalUrl(dx, IdMapUrl, m_strMapURL);
    DDX_OptionalNumber(dx, IdBorder, m_strBorder);
    DDX_OptionalNumber(dx, IdHeight, m_strHeight);
    DDX_OptionalNumber(dx, IdHSpace, m_strHSpace);
    DDX_OptionalNumber(dx, IdVSpace, m_strVSpace);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
}

DialogTemplate CInlineImageNetscapeDialog::MakeTemplate() {
    std::vector<ControlTemplate> controls = {SourceField(), SourceBrowse(), AltField(),
                                             AlignList({"left", "right", "top", "toptext", "middle",
                                                        "absmiddle", "baseline", "bottom", "absbottom"})};
    for (const auto& field : SizeFields(true))
        controls.push_back(field);
    controls.push_back(GroupBox("Image Map settings:", 3));
    controls.push_back(IsMapBox());
    controls.push_back(MapField(IdMapUrl));
    controls.push_back(MapBrowse(IdBrowseMap, IdMapUrl));
    return MakeDialogTemplate(IDD, "Inline Image (Netscape)", 262, 170, false,
                              "An image tag <IMG> in front of the selection.", std::move(controls));
}

void CInlineImageNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDV_MaxChars(dx, m_strAlign, MaxUrlChars);
    DDX_Text(dx, IdAlt, m_strAlt);
    DDX_Check(dx, IdIsMap, m_bIsMap);
    DDX_OptionalNumber(dx, IdBorder, m_strBorder);
    DDX_OptionalNumber(dx, IdHeight, m_strHeight);
    DDX_OptionalNumber(dx, IdHSpace, m_strHSpace);
    DDX_OptionalNumber(dx, IdVSpace, m_strVSpace);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
    DDX_RequiredUrl(dx, IdSrc, m_strSrc);
    DDX_OptionalUrl(dx, IdMapUrl, m_strMapURL);
}

DialogTemplate CInlineImageMicrosoftDialog::MakeTemplate() {
    std::vector<ControlTemplate> controls = {SourceField(), SourceBrowse(), AltField(),
                                             AlignList({"top", "middle", "bottom", "left", "right"})};
    for (const auto& field : SizeFields(false))
        controls.push_back(field);
    controls.push_back(Edit(IdBorder, "Border width:")
                           .Help("The width of the frame around the image, in pixels; 0 for none. "
                                 "Written as typed."));
    controls.push_back(GroupBox("Image Map settings:", 3));
    controls.push_back(IsMapBox());
    controls.push_back(MapField(IdMicrosoftMapUrl));
    controls.push_back(MapBrowse(IdMicrosoftBrowseMap, IdMicrosoftMapUrl));
    controls.push_back(GroupBox("Embedded Avi", 6));
    controls.push_back(UrlCombo(IdDynSrc, "Dynamic src:")
                           .Help("A video clip shown in place of the image; remembered for later dialogs."));
    controls.push_back(BrowseButton(IdBrowseDynSrc, IdDynSrc, browse::LinkTitle, browse::VideoFilter)
                           .Help("Picks a local video clip."));
    controls.push_back(ListCombo(IdStart, "Start:", {"Fileopen", "Mouseover", "Fileopen,Mouseover"})
                           .Sorted()
                           .Help("When the clip starts: as the page opens, when the mouse is over it, or "
                                 "both."));
    controls.push_back(CheckBox(IdControls, "Controls").Help("Shows play controls under the clip."));
    controls.push_back(Edit(IdLoop, "Loop times:").Help("How often the clip plays."));
    controls.push_back(
        CheckBox(IdInfiniteLoop, "Infinite loop").Beside().Help("Plays the clip until the page is left."));
    return MakeDialogTemplate(IDD, "Inline Image (Microsoft)", 262, 230, false,
                              "An image tag <IMG> in front of the selection, optionally with a video clip.",
                              std::move(controls));
}

void CInlineImageMicrosoftDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_Text(dx, IdAlt, m_strAlt);
    DDX_Check(dx, IdControls, m_bControls);
    DDX_OptionalUrl(dx, IdDynSrc, m_strDynSrc);
    DDX_Check(dx, IdIsMap, m_bIsMap);
    DDX_Check(dx, IdInfiniteLoop, m_bInfiniteLoop);
    DDX_CBString(dx, IdStart, m_strStart);
    DDX_RequiredUrl(dx, IdSrc, m_strSrc);
    DDX_OptionalNumber(dx, IdHeight, m_strHeight);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
    DDX_OptionalNumber(dx, IdLoop, m_strLoop);
    DDX_OptionalUrl(dx, IdMicrosoftMapUrl, m_strMapURL);
    DDX_Text(dx, IdBorder, m_strBorder);
    DDX_OptionalNumber(dx, IdHSpace, m_strHSpace);
    DDX_OptionalNumber(dx, IdVSpace, m_strVSpace);
}

const TagRows<CInlineImageDialog>& CInlineImageDialog::Rows() {
    using D = CInlineImageDialog;
    static const TagRows<D> rows{"IMG", ImageRows<D>(SizeRows<D>())};
    return rows;
}

const TagRows<CInlineImageNetscapeDialog>& CInlineImageNetscapeDialog::Rows() {
    using D = CInlineImageNetscapeDialog;
    static const TagRows<D> rows{"IMG", ImageRows<D>(SizeRows<D>())};
    return rows;
}

const TagRows<CInlineImageMicrosoftDialog>& CInlineImageMicrosoftDialog::Rows() {
    using D = CInlineImageMicrosoftDialog;
    static const TagRows<D> rows{"IMG",
                                 ImageRows<D>({rows::Number("WIDTH", &D::m_strWidth, IdWidth),
                                               rows::Number("HEIGHT", &D::m_strHeight, IdHeight),
                                               rows::Number("VSPACE", &D::m_strVSpace, IdVSpace),
                                               rows::Number("HSPACE", &D::m_strHSpace, IdHSpace),
                                               rows::Bare("BORDER", &D::m_strBorder, IdBorder),
                                               rows::Url("DYNSRC", &D::m_strDynSrc, IdDynSrc),
                                               rows::Bare("START", &D::m_strStart, IdStart),
                                               rows::Flag("CONTROLS", &D::m_bControls, IdControls), LoopRow(),
                                               rows::Url("USEMAP", &D::m_strMapURL, IdMicrosoftMapUrl)})};
    return rows;
}

TagPair BuildInlineImage(const CInlineImageDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), ""};
}

TagPair BuildInlineImageNetscape(const CInlineImageNetscapeDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), ""};
}

TagPair BuildInlineImageMicrosoft(const CInlineImageMicrosoftDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), ""};
}

void RegisterImageFamily(ElementRegistry& registry) {
    registry.Bind<CInlineImageDialog>(cmd::Image, BuildInlineImage);
    registry.Bind<CInlineImageNetscapeDialog>(cmd::ImageNetscape, BuildInlineImageNetscape);
    registry.Bind<CInlineImageMicrosoftDialog>(cmd::ImageMicrosoft, BuildInlineImageMicrosoft);
}

} // namespace razo
