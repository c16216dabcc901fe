#include "core/elements/Html5Media.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace html5;

static_assert(SourceSrcId(SourceRows) <= IdTrackSrc && PictureSrcsetId(SourceRows) <= IdImageSrc);

constexpr const char* Video = "VIDEO";
constexpr const char* Object = "OBJECT";

constexpr const char* MediaFilter =
    "Video files (*.mp4; *.webm; *.ogv)|*.mp4; *.webm; *.ogv|Audio files (*.mp3; *.ogg; *.wav; *.m4a; "
    "*.flac)|*.mp3; *.ogg; *.wav; *.m4a; *.flac|All files (*.*)|*.*||";
constexpr const char* PictureFilter =
    "Images (*.avif; *.webp; *.jpg; *.png; *.gif; *.svg)|*.avif; *.webp; *.jpg; *.png; *.gif; *.svg|All "
    "files (*.*)|*.*||";
constexpr const char* TrackFilter = "WebVTT files (*.vtt)|*.vtt|All files (*.*)|*.*||";

bool IsVideo(const CMediaDialog& d) {
    return d.m_strElement == Video;
}
bool IsObject(const CEmbeddedDialog& d) {
    return d.m_strElement == Object;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

bool IsTokenChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) ||
           std::string_view("!#$&^_.+-").find(c) != std::string_view::npos;
}

bool IsToken(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsTokenChar);
}

// Refuses at `id` when `refused`, unless an earlier field was refused already.
void RefuseAt(CDataExchange& dx, bool refused, int id, const char* message) {
    if (dx.Saving() && !dx.Failed() && refused)
        dx.Refuse(id, message);
}

// The type field just exchanged: a media type or nothing; left empty, the file's extension names it.
void DDX_MediaType(CDataExchange& dx, int id, std::string& type, const std::string& file, bool video) {
    DDX_CBString(dx, id, type);
    if (!dx.Saving() || dx.Failed() || dx.SkipsLastControl())
        return;
    if (!type.empty() && !IsMediaType(type))
        dx.Refuse(id, messages::NotAMediaType);
    else if (type.empty())
        type = MediaTypeOf(file, video);
}

// The first URL of a list of image candidates ("small.webp 480w, large.webp 1080w").
std::string_view FirstCandidate(std::string_view srcset) {
    const auto first = srcset.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    srcset.remove_prefix(first);
    return srcset.substr(0, std::min(srcset.find_first_of(" \t,"), srcset.size()));
}

// Each candidate's URL made relative to the document and remembered; the descriptors and the
// separators stay as typed.
std::string RelativeSrcset(const std::string& srcset, const BuildContext& context) {
    std::string written;
    std::size_t at = 0;
    while (at < srcset.size()) {
        const std::size_t begin = std::min(srcset.find_first_not_of(" \t", at), srcset.size());
        written += srcset.substr(at, begin - at);
        const std::size_t urlEnd = std::min(srcset.find_first_of(" \t,", begin), srcset.size());
        if (urlEnd > begin)
            written += context.RelativePath(srcset.substr(begin, urlEnd - begin));
        const std::size_t comma = srcset.find(',', urlEnd);
        if (comma == std::string::npos)
            return written + srcset.substr(urlEnd);
        written += srcset.substr(urlEnd, comma + 1 - urlEnd);
        at = comma + 1;
    }
    return written;
}

ControlTemplate Browse(int id, int field, const char* filter, const char* help) {
    return BrowseButton(id, field, browse::LinkTitle, filter).Beside().Help(help);
}

// A width and a height in pixels on one row.
std::vector<ControlTemplate> SizeFields(int width, int height, const char* what) {
    return {
        Number(width, "Width:", std::string("The width ") + what + " takes, in pixels."),
        Number(height, "Height:", std::string("The height ") + what + " takes, in pixels.").Beside(),
    };
}

template <class... Lists> std::vector<ControlTemplate> Joined(Lists... lists) {
    std::vector<ControlTemplate> all;
    (all.insert(all.end(), lists.begin(), lists.end()), ...);
    return all;
}

std::string MediaLabel(const std::string& element) {
    return "<" + element + "> and </" + element +
           "> go around the selection, the text shown where it cannot play.";
}

std::string EmbeddedLabel(const std::string& element) {
    return element == Object
               ? "<OBJECT> and </OBJECT> go around the selection, the text shown where it cannot be."
               : "<EMBED> goes in front of the selection.";
}

} // namespace

std::string MediaTypeOf(std::string_view path, bool video) {
    path = path.substr(0, std::min(path.find_first_of("?#"), path.size()));
    const auto slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos)
        path.remove_prefix(slash + 1);
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    const std::string extension = Lower(path.substr(dot + 1));
    // Containers that hold either sound or pictures.
    for (const char* container : {"ogg", "mp4", "webm"})
        if (extension == container)
            return std::string(video ? "video/" : "audio/") + container;
    static const std::pair<const char*, const char*> types[] = {
        {"mp3", "audio/mpeg"},  {"m4a", "audio/mp4"},       {"aac", "audio/aac"},
        {"oga", "audio/ogg"},   {"opus", "audio/ogg"},      {"wav", "audio/wav"},
        {"flac", "audio/flac"}, {"weba", "audio/webm"},     {"m4v", "video/mp4"},
        {"ogv", "video/ogg"},   {"mov", "video/quicktime"}, {"avif", "image/avif"},
        {"webp", "image/webp"}, {"jpg", "image/jpeg"},      {"jpeg", "image/jpeg"},
        {"png", "image/png"},   {"gif", "image/gif"},       {"svg", "image/svg+xml"},
        {"vtt", "text/vtt"},    {"pdf", "application/pdf"}, {"html", "text/html"},
        {"htm", "text/html"},
    };
    for (const auto& [known, type] : types)
        if (extension == known)
            return type;
    return {};
}

bool IsMediaType(std::string_view text) {
    const std::string_view essence = text.substr(0, std::min(text.find(';'), text.size()));
    const auto slash = essence.find('/');
    if (slash == std::string_view::npos)
        return false;
    std::string_view subtype = essence.substr(slash + 1);
    while (!subtype.empty() && (subtype.back() == ' ' || subtype.back() == '\t'))
        subtype.remove_suffix(1);
    return IsToken(essence.substr(0, slash)) && IsToken(subtype);
}

// --- Audio and video ---

DialogTemplate CMediaDialog::MakeTemplate() {
    ControlTemplate element = Label(MediaLabel(Video));
    element.id = IdMediaElement;
    std::vector<ControlTemplate> sources = {
        GroupBox("Other formats (the browser plays the first it can)", 3 * SourceRows)};
    for (int row = 0; row < SourceRows; ++row) {
        sources.push_back(
            UrlCombo(SourceSrcId(row), "Source " + std::to_string(row + 1) + ":")
                .Help("One more file of the same recording, as <SOURCE SRC=...>; a local file is "
                      "written relative to this document."));
        sources.push_back(Browse(SourceBrowseId(row), SourceSrcId(row), MediaFilter, "Picks a local file."));
        sources.push_back(EditableCombo(SourceTypeId(row), "Type:",
                                        {"video/mp4", "video/webm", "video/ogg", "audio/mpeg", "audio/ogg"})
                              .Width(100)
                              .Help("The file's media type (TYPE); left empty, its extension names it."));
    }
    std::vector<ControlTemplate> own = {
        element,
        UrlCombo(IdMediaSrc, "Source:")
            .Help(
                "The file to play (SRC); may be left empty when source rows name the files. A local file is "
                "written relative to this document; the URL is remembered for later dialogs."),
        Browse(IdMediaBrowse, IdMediaSrc, MediaFilter, "Picks a local sound or video file."),
        UrlCombo(IdPoster, "Poster image:")
            .Disabled()
            .Help("Video: the picture shown until the video plays (POSTER)."),
        Browse(IdPosterBrowse, IdPoster, PictureFilter, "Picks a local image.").Disabled(),
    };
    for (ControlTemplate size : SizeFields(IdMediaWidth, IdMediaHeight, "the video"))
        own.push_back(size.Disabled());
    const std::vector<ControlTemplate> playing = {
        CheckBox(IdControls, "Controls")
            .Help("Shows the browser's play, pause and volume controls (CONTROLS)."),
        CheckBox(IdAutoplay, "Autoplay")
            .Beside()
            .Help("Starts playing as the page opens (AUTOPLAY); browsers allow it only muted."),
        CheckBox(IdLoop, "Loop").Beside().Help("Starts again at the end (LOOP)."),
        CheckBox(IdMuted, "Muted").Beside().Help("Starts with the sound off (MUTED)."),
        ListCombo(IdPreload, "Preload:", {"none", "metadata", "auto"})
            .Help("How much the browser loads before play is pressed: nothing, the length and size, or the "
                  "whole file (PRELOAD); empty leaves it to the browser."),
        ListCombo(IdCrossOrigin, "Cross origin:", {"anonymous", "use-credentials"})
            .Beside()
            .Help("Fetches the file from another site with or without its cookies (CROSSORIGIN)."),
    };
    const std::vector<ControlTemplate> track = {
        GroupBox("Text track", 6),
        UrlCombo(IdTrackSrc, "Track file:")
            .Help("Subtitles, captions or chapters for the recording, a WebVTT file (<TRACK SRC=...>); "
                  "leave it empty for none."),
        Browse(IdTrackBrowse, IdTrackSrc, TrackFilter, "Picks a local WebVTT file."),
        ListCombo(IdTrackKind, "Kind:", {"subtitles", "captions", "descriptions", "chapters", "metadata"})
            .Help("What the track holds (KIND); empty means subtitles."),
        Edit(IdTrackLang, "Language:")
            .Beside()
            .Width(40)
            .Help("The language of the track's text, such as en (SRCLANG); subtitles need it."),
        Edit(IdTrackLabel, "Label:")
            .Width(90)
            .Help("The track's name in the browser's menu of tracks (LABEL)."),
        CheckBox(IdTrackDefault, "Shown by default")
            .Beside()
            .Help("The track is on unless the user's settings choose another (DEFAULT)."),
    };
    return MakeDialogTemplate(IDD, "Audio or Video (HTML5)", 400, 360, false,
                              "A sound or video player: <AUDIO> or <VIDEO> by the command, with optional "
                              "<SOURCE> and <TRACK> tags, around the selection, which browsers show where "
                              "the recording cannot play.",
                              WithCommonControls(Joined(own, playing, sources, track)));
}

void CMediaDialog::DoDataExchange(CDataExchange& dx) {
    const bool video = IsVideo(*this);
    DDX_OptionalUrl(dx, IdMediaSrc, m_strSrc);
    DDX_OptionalUrl(dx, IdPoster, m_strPoster);
    DDX_OptionalNumber(dx, IdMediaWidth, m_strWidth);
    DDX_OptionalNumber(dx, IdMediaHeight, m_strHeight);
    DDX_Check(dx, IdControls, m_bControls);
    DDX_Check(dx, IdAutoplay, m_bAutoplay);
    DDX_Check(dx, IdLoop, m_bLoop);
    DDX_Check(dx, IdMuted, m_bMuted);
    DDX_CBString(dx, IdPreload, m_strPreload);
    DDX_CBString(dx, IdCrossOrigin, m_strCrossOrigin);
    bool anySource = !m_strSrc.empty();
    for (int row = 0; row < SourceRows; ++row) {
        Source& source = m_sources[size_t(row)];
        DDX_OptionalUrl(dx, SourceSrcId(row), source.m_strSrc);
        DDX_MediaType(dx, SourceTypeId(row), source.m_strType, source.m_strSrc, video);
        RefuseAt(dx, source.m_strSrc.empty() && !source.m_strType.empty(), SourceSrcId(row),
                 razo::messages::MustEnterValue);
        anySource = anySource || !source.m_strSrc.empty();
    }
    RefuseAt(dx, !anySource && !m_bStartTagOnly, IdMediaSrc, messages::NoMediaSource);

    DDX_OptionalUrl(dx, IdTrackSrc, m_strTrackSrc);
    DDX_CBString(dx, IdTrackKind, m_strTrackKind);
    DDX_Text(dx, IdTrackLang, m_strTrackLang);
    DDV_LanguageTag(dx, m_strTrackLang);
    DDX_Text(dx, IdTrackLabel, m_strTrackLabel);
    DDX_Check(dx, IdTrackDefault, m_bTrackDefault);
    const bool anyTrackField =
        !m_strTrackKind.empty() || !m_strTrackLang.empty() || !m_strTrackLabel.empty() || m_bTrackDefault;
    RefuseAt(dx, m_strTrackSrc.empty() && anyTrackField, IdTrackSrc, razo::messages::MustEnterValue);
    const bool subtitles = m_strTrackKind.empty() || m_strTrackKind == "subtitles";
    RefuseAt(dx, !m_strTrackSrc.empty() && subtitles && m_strTrackLang.empty(), IdTrackLang,
             messages::SubtitlesNeedLanguage);
    DDX_CommonAttributes(dx, m_common);
}

void CMediaDialog::OnInitDialog(DialogHost& host) {
    FieldAccess& fields = host.Fields();
    fields.SetText(IdMediaElement, MediaLabel(m_strElement));
    for (int id : {IdPoster, IdPosterBrowse, IdMediaWidth, IdMediaHeight})
        fields.EnableControl(id, IsVideo(*this));
    if (!m_bStartTagOnly)
        return;
    for (int row = 0; row < SourceRows; ++row)
        for (int id : {SourceSrcId(row), SourceBrowseId(row), SourceTypeId(row)})
            fields.EnableControl(id, false);
    for (int id = IdTrackSrc; id <= IdTrackDefault; ++id)
        fields.EnableControl(id, false);
}

const TagRows<CMediaDialog>& CMediaDialog::Rows() {
    using D = CMediaDialog;
    static const TagRows<D> rows{[](const D& d) { return d.m_strElement; },
                                 WithCommonRows<D>({
                                     rows::Url("SRC", &D::m_strSrc, IdMediaSrc),
                                     rows::Url("POSTER", &D::m_strPoster, IdPoster).When(IsVideo),
                                     rows::Bare("WIDTH", &D::m_strWidth, IdMediaWidth).When(IsVideo),
                                     rows::Bare("HEIGHT", &D::m_strHeight, IdMediaHeight).When(IsVideo),
                                     rows::Bare("PRELOAD", &D::m_strPreload, IdPreload),
                                     rows::Bare("CROSSORIGIN", &D::m_strCrossOrigin, IdCrossOrigin),
                                     rows::Flag("CONTROLS", &D::m_bControls, IdControls),
                                     rows::Flag("AUTOPLAY", &D::m_bAutoplay, IdAutoplay),
                                     rows::Flag("LOOP", &D::m_bLoop, IdLoop),
                                     rows::Flag("MUTED", &D::m_bMuted, IdMuted),
                                 })};
    return rows;
}

TagPair BuildMedia(const CMediaDialog& dialog, const BuildContext& context) {
    std::string start = WriteStartTag(dialog, context).Close("\r\n");
    for (const CMediaDialog::Source& source : dialog.m_sources)
        if (!source.m_strSrc.empty())
            start += Tag("SOURCE")
                         .Quoted("SRC", context.RelativePath(source.m_strSrc))
                         .Quoted("TYPE", source.m_strType)
                         .Close("\r\n");
    if (!dialog.m_strTrackSrc.empty())
        start += Tag("TRACK")
                     .Quoted("SRC", context.RelativePath(dialog.m_strTrackSrc))
                     .Attr("KIND", dialog.m_strTrackKind)
                     .Attr("SRCLANG", dialog.m_strTrackLang)
                     .Quoted("LABEL", dialog.m_strTrackLabel)
                     .Flag("DEFAULT", dialog.m_bTrackDefault != 0)
                     .Close("\r\n");
    return {start, "\r\n</" + dialog.m_strElement + ">"};
}

// --- Picture ---

DialogTemplate CPictureDialog::MakeTemplate() {
    std::vector<ControlTemplate> sources = {
        GroupBox("Sources (the browser takes the first that fits)", 3 * SourceRows)};
    for (int row = 0; row < SourceRows; ++row) {
        sources.push_back(
            Edit(PictureSrcsetId(row), "Source " + std::to_string(row + 1) + ":")
                .Width(250)
                .Help("Image files for one format or screen, as <SOURCE SRCSET=...>: a URL, or URLs "
                      "with their widths or densities (small.webp 480w, large.webp 1080w); "
                      "local files are written relative to this document."));
        sources.push_back(Edit(PictureMediaId(row), "Media:")
                              .Width(150)
                              .Help("The screens the row is for, as a media query such as (min-width: 800px) "
                                    "(MEDIA); empty for every screen."));
        sources.push_back(
            EditableCombo(PictureTypeId(row), "Type:", {"image/avif", "image/webp", "image/jpeg"})
                .Beside()
                .Width(100)
                .Help("The images' format (TYPE); left empty, the first file's extension names "
                      "it."));
    }
    std::vector<ControlTemplate> image = {
        GroupBox("Image", 7),
        UrlCombo(IdImageSrc, "Image src:")
            .Help("The image every browser can show, written as the <IMG> inside; it must be given. A local "
                  "file is written relative to this document; the URL is remembered for later dialogs."),
        Browse(IdImageBrowse, IdImageSrc, PictureFilter, "Picks a local image."),
        Edit(IdImageAlt, "Alternate text:")
            .Width(160)
            .Help(
                "Text shown where the image cannot be and read out by screen readers (ALT); left empty, the "
                "image counts as decoration."),
    };
    for (const ControlTemplate& size : SizeFields(IdImageWidth, IdImageHeight, "the image"))
        image.push_back(size);
    image.push_back(CheckBox(IdImageLazy, "Load when scrolled near")
                        .Help("The browser loads the image only when the reader comes close to it "
                              "(LOADING=lazy)."));
    image.push_back(ListCombo(IdImageDecoding, "Decoding:", {"async", "sync", "auto"})
                        .Help("Whether the page waits for the image to be decoded (DECODING)."));
    return MakeDialogTemplate(IDD, "Picture (HTML5)", 400, 250, false,
                              "A responsive image: <PICTURE> with <SOURCE> rows and its <IMG>, in front of "
                              "the selection.",
                              WithCommonControls(Joined(sources, image)));
}

void CPictureDialog::DoDataExchange(CDataExchange& dx) {
    for (int row = 0; row < SourceRows; ++row) {
        Source& source = m_sources[size_t(row)];
        DDX_Text(dx, PictureSrcsetId(row), source.m_strSrcset);
        DDV_MaxChars(dx, source.m_strSrcset, MaxUrlChars);
        DDX_Text(dx, PictureMediaId(row), source.m_strMedia);
        DDX_MediaType(dx, PictureTypeId(row), source.m_strType,
                      std::string(FirstCandidate(source.m_strSrcset)), false);
        RefuseAt(dx, source.m_strSrcset.empty() && !(source.m_strMedia.empty() && source.m_strType.empty()),
                 PictureSrcsetId(row), razo::messages::MustEnterValue);
    }
    DDX_RequiredUrl(dx, IdImageSrc, m_strSrc);
    DDX_Text(dx, IdImageAlt, m_strAlt);
    DDX_OptionalNumber(dx, IdImageWidth, m_strWidth);
    DDX_OptionalNumber(dx, IdImageHeight, m_strHeight);
    DDX_Check(dx, IdImageLazy, m_bLazy);
    DDX_CBString(dx, IdImageDecoding, m_strDecoding);
    DDX_CommonAttributes(dx, m_common);
}

void CPictureDialog::OnInitDialog(DialogHost& host) {
    if (!m_bStartTagOnly)
        return;
    for (int id = PictureSrcsetId(0); id < PictureSrcsetId(SourceRows); ++id)
        host.Fields().EnableControl(id, false);
    for (int id = IdImageSrc; id <= IdImageDecoding; ++id)
        host.Fields().EnableControl(id, false);
}

const TagRows<CPictureDialog>& CPictureDialog::Rows() {
    using D = CPictureDialog;
    static const TagRows<D> rows{"PICTURE", CommonRows<D>()};
    return rows;
}

TagPair BuildPicture(const CPictureDialog& dialog, const BuildContext& context) {
    std::string text = WriteStartTag(dialog, context).Close("\r\n");
    for (const CPictureDialog::Source& source : dialog.m_sources)
        if (!source.m_strSrcset.empty())
            text += Tag("SOURCE")
                        .Quoted("SRCSET", RelativeSrcset(source.m_strSrcset, context))
                        .Quoted("MEDIA", source.m_strMedia)
                        .Quoted("TYPE", source.m_strType)
                        .Close("\r\n");
    // ALT="" marks an image as decoration; an IMG without ALT is not valid HTML5.
    text += Tag("IMG")
                .Quoted("SRC", context.RelativePath(dialog.m_strSrc))
                .AlwaysQuoted("ALT", dialog.m_strAlt)
                .Attr("WIDTH", dialog.m_strWidth)
                .Attr("HEIGHT", dialog.m_strHeight)
                .Attr("LOADING", dialog.m_bLazy ? "lazy" : "")
                .Attr("DECODING", dialog.m_strDecoding)
                .Close("\r\n");
    return {text + "</PICTURE>", ""};
}

// --- Inline frame ---

const std::array<const char*, 7>& SandboxTokens() {
    static const std::array<const char*, 7> tokens = {
        "allow-forms",  "allow-scripts",   "allow-same-origin",    "allow-popups",
        "allow-modals", "allow-downloads", "allow-top-navigation",
    };
    return tokens;
}

DialogTemplate CInlineFrameDialog::MakeTemplate() {
    std::vector<ControlTemplate> own = {
        UrlCombo(IdFrameSrc, "Page:")
            .Help(
                "The page shown inside this one (SRC); it must be given. A local file is written relative to "
                "this document; the URL is remembered for later dialogs."),
        Browse(IdFrameBrowse, IdFrameSrc, browse::HtmlFilter, "Picks a local page."),
        Edit(IdFrameTitle, "Title:")
            .Width(160)
            .Help("What the frame holds, in a few words, for screen readers (TITLE)."),
    };
    for (const ControlTemplate& size : SizeFields(IdFrameWidth, IdFrameHeight, "the frame"))
        own.push_back(size);
    own.push_back(
        CheckBox(IdFrameLazy, "Load when scrolled near")
            .Help("The browser loads the page only when the reader comes close to it (LOADING=lazy)."));
    own.push_back(GroupBox("Sandbox", 1 + int(SandboxTokens().size())));
    own.push_back(CheckBox(IdSandbox, "Sandboxed")
                      .Help("The page runs with every restriction (SANDBOX) but those lifted below."));
    for (size_t token = 0; token < SandboxTokens().size(); ++token) {
        ControlTemplate flag =
            CheckBox(SandboxFlagId(int(token)), SandboxTokens()[token])
                .Disabled()
                .Help(std::string("Lifts one restriction of the sandbox (") + SandboxTokens()[token] + ").");
        own.push_back(token % 3 == 0 ? flag : flag.Beside());
    }
    own.push_back(Edit(IdAllow, "Allow:")
                      .Width(160)
                      .Help("The features the page may use, such as fullscreen; autoplay (ALLOW)."));
    own.push_back(
        ListCombo(IdReferrerPolicy, "Referrer policy:",
                  {"no-referrer", "no-referrer-when-downgrade", "origin", "origin-when-cross-origin",
                   "same-origin", "strict-origin", "strict-origin-when-cross-origin", "unsafe-url"})
            .Help("How much of this page's address the framed page is told (REFERRERPOLICY)."));
    return MakeDialogTemplate(IDD, "Inline Frame (HTML5)", 300, 250, false,
                              "Another page inside this one: <IFRAME></IFRAME> in front of the selection.",
                              WithCommonControls(std::move(own), CommonFields::WithoutTitle));
}

void CInlineFrameDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredUrl(dx, IdFrameSrc, m_strSrc);
    DDX_Text(dx, IdFrameTitle, m_strTitle);
    DDX_OptionalNumber(dx, IdFrameWidth, m_strWidth);
    DDX_OptionalNumber(dx, IdFrameHeight, m_strHeight);
    DDX_Check(dx, IdFrameLazy, m_bLazy);
    DDX_Check(dx, IdSandbox, m_bSandbox);
    for (size_t token = 0; token < m_sandboxFlags.size(); ++token)
        DDX_Check(dx, SandboxFlagId(int(token)), m_sandboxFlags[token]);
    DDX_Text(dx, IdAllow, m_strAllow);
    DDX_CBString(dx, IdReferrerPolicy, m_strReferrerPolicy);
    DDX_CommonAttributes(dx, m_common, CommonFields::WithoutTitle);
}

void CInlineFrameDialog::OnInitDialog(DialogHost& host) {
    for (size_t token = 0; token < m_sandboxFlags.size(); ++token)
        host.Fields().EnableControl(SandboxFlagId(int(token)), m_bSandbox != 0);
}

void CInlineFrameDialog::OnFieldChanged(int id, DialogHost& host) {
    if (id != IdSandbox)
        return;
    const bool sandboxed = host.Fields().GetCheck(IdSandbox) != 0;
    for (size_t token = 0; token < m_sandboxFlags.size(); ++token)
        host.Fields().EnableControl(SandboxFlagId(int(token)), sandboxed);
}

namespace {

// SANDBOX alone, or with the tokens of the restrictions lifted.
void WriteSandbox(const CInlineFrameDialog& d, const BuildContext*, Tag& tag) {
    if (!d.m_bSandbox)
        return;
    std::string tokens;
    for (size_t token = 0; token < d.m_sandboxFlags.size(); ++token)
        if (d.m_sandboxFlags[token])
            tokens += (tokens.empty() ? "" : " ") + std::string(SandboxTokens()[token]);
    tokens.empty() ? tag.Flag("SANDBOX", true) : tag.Quoted("SANDBOX", tokens);
}

// A sandbox whose tokens all have a check box; any other is kept as written.
bool ReadSandbox(CInlineFrameDialog& d, const markup::WrittenAttribute& a) {
    std::array<int, 7> flags{};
    std::size_t at = 0;
    while ((at = a.value.find_first_not_of(" \t\r\n", at)) != std::string::npos) {
        const std::size_t end = std::min(a.value.find_first_of(" \t\r\n", at), a.value.size());
        const std::string token = Lower(std::string_view(a.value).substr(at, end - at));
        const auto& tokens = SandboxTokens();
        const auto found = std::find(tokens.begin(), tokens.end(), token);
        if (found == tokens.end())
            return false;
        flags[size_t(found - tokens.begin())] = 1;
        at = end;
    }
    d.m_bSandbox = 1;
    d.m_sandboxFlags = flags;
    return true;
}

} // namespace

const TagRows<CInlineFrameDialog>& CInlineFrameDialog::Rows() {
    using D = CInlineFrameDialog;
    static const TagRows<D> rows{
        "IFRAME", WithCommonRows<D>(
                      {
                          rows::Url("SRC", &D::m_strSrc, IdFrameSrc),
                          rows::Quoted("TITLE", &D::m_strTitle, IdFrameTitle),
                          rows::Bare("WIDTH", &D::m_strWidth, IdFrameWidth),
                          rows::Bare("HEIGHT", &D::m_strHeight, IdFrameHeight),
                          rows::Keyword("LOADING", "lazy", &D::m_bLazy, IdFrameLazy),
                          rows::Custom<D>("SANDBOX", WriteSandbox, ReadSandbox, IdSandbox),
                          rows::Quoted("ALLOW", &D::m_strAllow, IdAllow),
                          rows::Bare("REFERRERPOLICY", &D::m_strReferrerPolicy, IdReferrerPolicy),
                      },
                      CommonFields::WithoutTitle)};
    return rows;
}

TagPair BuildInlineFrame(const CInlineFrameDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close() + "</IFRAME>", ""};
}

// --- Embed and object ---

DialogTemplate CEmbeddedDialog::MakeTemplate() {
    ControlTemplate element = Label(EmbeddedLabel("EMBED"));
    element.id = IdEmbeddedElement;
    std::vector<ControlTemplate> own = {
        element,
        UrlCombo(IdEmbeddedSrc, "File:")
            .Help(
                "The content to show (EMBED's SRC, OBJECT's DATA); it must be given. A local file is written "
                "relative to this document; the URL is remembered for later dialogs."),
        Browse(IdEmbeddedBrowse, IdEmbeddedSrc, browse::AllFilesFilter, "Picks a local file."),
        EditableCombo(IdEmbeddedType, "Type:", {"application/pdf", "image/svg+xml", "text/html", "video/mp4"})
            .Width(90)
            .Help("The content's media type (TYPE); left empty, the file's extension names it."),
        Edit(IdEmbeddedName, "Name:")
            .Width(90)
            .Disabled()
            .Help("Object: a name that links and forms can target (NAME)."),
    };
    for (const ControlTemplate& size : SizeFields(IdEmbeddedWidth, IdEmbeddedHeight, "the content"))
        own.push_back(size);
    return MakeDialogTemplate(IDD, "Embedded Content (HTML5)", 280, 190, false,
                              "Content a plug-in or the browser shows: <EMBED> in front of the selection, or "
                              "<OBJECT> around it, by the command.",
                              WithCommonControls(std::move(own)));
}

void CEmbeddedDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredUrl(dx, IdEmbeddedSrc, m_strSrc);
    DDX_MediaType(dx, IdEmbeddedType, m_strType, m_strSrc, true);
    DDX_Text(dx, IdEmbeddedName, m_strName);
    DDX_OptionalNumber(dx, IdEmbeddedWidth, m_strWidth);
    DDX_OptionalNumber(dx, IdEmbeddedHeight, m_strHeight);
    DDX_CommonAttributes(dx, m_common);
}

void CEmbeddedDialog::OnInitDialog(DialogHost& host) {
    host.Fields().SetText(IdEmbeddedElement, EmbeddedLabel(m_strElement));
    host.Fields().EnableControl(IdEmbeddedName, IsObject(*this));
}

const TagRows<CEmbeddedDialog>& CEmbeddedDialog::Rows() {
    using D = CEmbeddedDialog;
    auto isEmbed = [](const D& d) { return !IsObject(d); };
    static const TagRows<D> rows{[](const D& d) { return d.m_strElement; },
                                 WithCommonRows<D>({
                                     rows::Url("SRC", &D::m_strSrc, IdEmbeddedSrc).When(isEmbed),
                                     rows::Url("DATA", &D::m_strSrc, IdEmbeddedSrc).When(IsObject),
                                     rows::Quoted("TYPE", &D::m_strType, IdEmbeddedType),
                                     rows::Quoted("NAME", &D::m_strName, IdEmbeddedName).When(IsObject),
                                     rows::Bare("WIDTH", &D::m_strWidth, IdEmbeddedWidth),
                                     rows::Bare("HEIGHT", &D::m_strHeight, IdEmbeddedHeight),
                                 })};
    return rows;
}

TagPair BuildEmbedded(const CEmbeddedDialog& dialog, const BuildContext& context) {
    const std::string start = WriteStartTag(dialog, context).Close();
    if (IsObject(dialog))
        return {start, "</OBJECT>"};
    return {start, ""};
}

void RegisterMediaFamily(ElementRegistry& registry) {
    registry.Bind<CMediaDialog>(cmd::Audio, BuildMedia, std::string("AUDIO"));
    registry.Bind<CMediaDialog>(cmd::Video, BuildMedia, std::string(Video));
    registry.Bind<CPictureDialog>(cmd::Picture, BuildPicture);
    registry.Bind<CInlineFrameDialog>(cmd::InlineFrame, BuildInlineFrame);
    registry.Bind<CEmbeddedDialog>(cmd::Embed, BuildEmbedded, std::string("EMBED"));
    registry.Bind<CEmbeddedDialog>(cmd::Object, BuildEmbedded, std::string(Object));
}

} // namespace razo
