#pragma once
#include <array>
#include <string>
#include <string_view>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"
#include "core/elements/Html5Common.h"

namespace razo {

class ElementRegistry;

namespace html5 {
enum MediaControl : int {
    // Audio and video
    IdMediaElement = 3100, // the label that names the element
    IdMediaSrc = 3101,
    IdMediaBrowse = 3102,
    IdPoster = 3103,
    IdPosterBrowse = 3104,
    IdMediaWidth = 3105,
    IdMediaHeight = 3106,
    IdControls = 3107,
    IdAutoplay = 3108,
    IdLoop = 3109,
    IdMuted = 3110,
    IdPreload = 3111,
    IdCrossOrigin = 3112,
    IdSourceSrc = 3113, // three ids a source row: its file, Browse, its type
    IdTrackSrc = 3120,
    IdTrackBrowse = 3121,
    IdTrackKind = 3122,
    IdTrackLang = 3123,
    IdTrackLabel = 3124,
    IdTrackDefault = 3125,
    // Picture
    IdPictureSrcset = 3130, // three ids a source row: its candidates, media condition, type
    IdImageSrc = 3140,
    IdImageBrowse = 3141,
    IdImageAlt = 3142,
    IdImageWidth = 3143,
    IdImageHeight = 3144,
    IdImageLazy = 3145,
    IdImageDecoding = 3146,
    // Inline frame
    IdFrameSrc = 3150,
    IdFrameBrowse = 3151,
    IdFrameTitle = 3152,
    IdFrameWidth = 3153,
    IdFrameHeight = 3154,
    IdFrameLazy = 3155,
    IdSandbox = 3156,
    IdSandboxFlag = 3157, // one check box a token, in the order of SandboxTokens()
    IdAllow = 3170,
    IdReferrerPolicy = 3171,
    // Embed and object
    IdEmbeddedElement = 3180,
    IdEmbeddedSrc = 3181,
    IdEmbeddedBrowse = 3182,
    IdEmbeddedType = 3183,
    IdEmbeddedName = 3184,
    IdEmbeddedWidth = 3185,
    IdEmbeddedHeight = 3186,
};

// The fields of the n-th source row of the audio and video dialog, and of the picture dialog.
constexpr int SourceSrcId(int row) {
    return IdSourceSrc + 3 * row;
}
constexpr int SourceBrowseId(int row) {
    return IdSourceSrc + 3 * row + 1;
}
constexpr int SourceTypeId(int row) {
    return IdSourceSrc + 3 * row + 2;
}
constexpr int PictureSrcsetId(int row) {
    return IdPictureSrcset + 3 * row;
}
constexpr int PictureMediaId(int row) {
    return IdPictureSrcset + 3 * row + 1;
}
constexpr int PictureTypeId(int row) {
    return IdPictureSrcset + 3 * row + 2;
}
constexpr int SandboxFlagId(int token) {
    return IdSandboxFlag + token;
}
} // namespace html5

namespace messages {
inline constexpr const char* NoMediaSource =
    "Please enter the file to play, as the source or in a source row.";
inline constexpr const char* NotAMediaType = "Please enter a media type such as video/mp4 or image/webp.";
inline constexpr const char* SubtitlesNeedLanguage =
    "Please enter the language of the subtitles, such as en or pt-BR.";
} // namespace messages

// How many source rows the audio, video and picture dialogs offer.
inline constexpr int SourceRows = 2;

// The media type a file's extension names ("clip.webm" -> "video/webm"); a container that holds
// sound or pictures (ogg, mp4, webm) is named for the element it plays in. "" when unknown.
std::string MediaTypeOf(std::string_view path, bool video);
// A valid media type: type "/" subtype, with parameters after ";" allowed ("video/mp4;
// codecs=avc1").
bool IsMediaType(std::string_view text);

// <AUDIO> or <VIDEO>, by the command: the file to play or a list of <SOURCE> rows, one <TRACK>,
// and how it plays. The poster and the size belong to video.
class CMediaDialog : public DialogBase<CMediaDialog> {
public:
    enum { IDD = 320 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CMediaDialog>& Rows();
    explicit CMediaDialog(std::string element = "VIDEO") : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    // Edit Tag: the sources and the track are tags of their own.
    void EditStartTagOnly() { m_bStartTagOnly = true; }

    struct Source {
        std::string m_strSrc;
        std::string m_strType; // from the file's extension when left empty
    };
    std::string m_strElement;
    std::string m_strSrc;
    std::string m_strPoster;
    std::string m_strWidth;
    std::string m_strHeight;
    int m_bControls = 0;
    int m_bAutoplay = 0;
    int m_bLoop = 0;
    int m_bMuted = 0;
    std::string m_strPreload;
    std::string m_strCrossOrigin;
    std::array<Source, SourceRows> m_sources;
    std::string m_strTrackSrc;
    std::string m_strTrackKind;
    std::string m_strTrackLang;
    std::string m_strTrackLabel;
    int m_bTrackDefault = 0;
    CommonAttributes m_common;
    bool m_bStartTagOnly = false;
};

// <PICTURE> with <SOURCE> rows for other formats or screens and the <IMG> every browser falls
// back to.
class CPictureDialog : public DialogBase<CPictureDialog> {
public:
    enum { IDD = 321 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CPictureDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    // Edit Tag: the sources and the image are tags of their own.
    void EditStartTagOnly() { m_bStartTagOnly = true; }

    struct Source {
        std::string m_strSrcset;
        std::string m_strMedia;
        std::string m_strType;
    };
    std::array<Source, SourceRows> m_sources;
    std::string m_strSrc;
    std::string m_strAlt;
    std::string m_strWidth;
    std::string m_strHeight;
    int m_bLazy = 0;
    std::string m_strDecoding;
    CommonAttributes m_common;
    bool m_bStartTagOnly = false;
};

// The sandbox's tokens, each lifting one restriction, in the order of their check boxes.
const std::array<const char*, 7>& SandboxTokens();

// <IFRAME>: another page inside this one; its TITLE names it for screen readers.
class CInlineFrameDialog : public DialogBase<CInlineFrameDialog> {
public:
    enum { IDD = 322 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CInlineFrameDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strSrc;
    std::string m_strTitle;
    std::string m_strWidth;
    std::string m_strHeight;
    int m_bLazy = 0;
    int m_bSandbox = 0;
    std::array<int, 7> m_sandboxFlags{}; // what the sandbox allows, by SandboxTokens()
    std::string m_strAllow;
    std::string m_strReferrerPolicy;
    CommonAttributes m_common;
};

// <EMBED> (a plug-in's content, no end tag) or <OBJECT> (around its fallback content), by the
// command.
class CEmbeddedDialog : public DialogBase<CEmbeddedDialog> {
public:
    enum { IDD = 323 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CEmbeddedDialog>& Rows();
    explicit CEmbeddedDialog(std::string element = "EMBED") : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;

    std::string m_strElement;
    std::string m_strSrc; // EMBED's SRC, OBJECT's DATA
    std::string m_strType;
    std::string m_strName; // OBJECT
    std::string m_strWidth;
    std::string m_strHeight;
    CommonAttributes m_common;
};

TagPair BuildMedia(const CMediaDialog& dialog, const BuildContext& context);
TagPair BuildPicture(const CPictureDialog& dialog, const BuildContext& context);
TagPair BuildInlineFrame(const CInlineFrameDialog& dialog, const BuildContext& context);
TagPair BuildEmbedded(const CEmbeddedDialog& dialog, const BuildContext& context);

// The HTML5 media elements.
void RegisterMediaFamily(ElementRegistry& registry);

} // namespace razo
