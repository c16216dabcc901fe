// The HTML5 media elements: audio and video with their sources and track, picture, iframe, embed
// and object, each with the common attributes, in both markup styles.
#include "core/elements/Html5Media.h"

#include <algorithm>

#include "core/dialogs/DataExchange.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::html5;

namespace {

class MediaCommands : public ElementCommandTest {};

TEST(MediaTypes, TheExtensionNamesTheTypeAndTheElementTheContainer) {
    struct Row {
        const char* path;
        bool video;
        const char* type;
    };
    for (const Row& row :
         {Row{"clip.webm", true, "video/webm"}, Row{"clip.webm", false, "audio/webm"},
          Row{"/home/a.b/Song.MP3?x=1#t", false, "audio/mpeg"}, Row{"a.ogv", false, "video/ogg"},
          Row{"x.avif", false, "image/avif"}, Row{"dir.d/noext", true, ""}, Row{"a.unknown", true, ""}}) {
        EXPECT_EQ(MediaTypeOf(row.path, row.video), row.type) << row.path;
    }
    for (const char* good : {"video/mp4", "video/mp4; codecs=\"avc1\"", "image/svg+xml"})
        EXPECT_TRUE(IsMediaType(good)) << good;
    for (const char* bad : {"", "mp4", "video/", "/mp4", "video mp4/x", "a/b/c"})
        EXPECT_FALSE(IsMediaType(bad)) << bad;
}

TEST_F(MediaCommands, EachCommandWritesItsElement) {
    ExpectTexts({
        {"video with its file",
         cmd::Video,
         {.texts = {{IdMediaSrc, "/home/site/media/clip.mp4"}}},
         "<VIDEO SRC=\"media/clip.mp4\">\r\nIntro\r\n</VIDEO>"},
        {"video with every field",
         cmd::Video,
         {.texts = {{IdMediaSrc, "clip.mp4"},
                    {IdPoster, "/home/site/still.jpg"},
                    {IdMediaWidth, "640"},
                    {IdMediaHeight, "360"},
                    {IdPreload, "metadata"},
                    {IdCrossOrigin, "anonymous"},
                    {SourceSrcId(0), "/home/site/clip.webm"},
                    {SourceSrcId(1), "clip.mkv"},
                    {SourceTypeId(1), "video/x-matroska"},
                    {IdTrackSrc, "/home/site/en.vtt"},
                    {IdTrackKind, "captions"},
                    {IdTrackLang, "en"},
                    {IdTrackLabel, "English"},
                    {IdId, "v"},
                    {IdClass, "wide"},
                    {IdLang, "en"},
                    {IdTitle, "Film"},
                    {IdOtherAttributes, "playsinline"}},
          .checks = {{IdControls, 1}, {IdAutoplay, 1}, {IdLoop, 1}, {IdMuted, 1}, {IdTrackDefault, 1}}},
         "<VIDEO SRC=\"clip.mp4\" POSTER=\"still.jpg\" WIDTH=640 HEIGHT=360 PRELOAD=metadata "
         "CROSSORIGIN=anonymous CONTROLS AUTOPLAY LOOP MUTED ID=\"v\" CLASS=\"wide\" LANG=en TITLE=\"Film\" "
         "playsinline>\r\n"
         "<SOURCE SRC=\"clip.webm\" TYPE=\"video/webm\">\r\n"
         "<SOURCE SRC=\"clip.mkv\" TYPE=\"video/x-matroska\">\r\n"
         "<TRACK SRC=\"en.vtt\" KIND=captions SRCLANG=en LABEL=\"English\" DEFAULT>\r\n"
         "Intro\r\n</VIDEO>"},
        {"audio from source rows alone, subtitles with their language",
         cmd::Audio,
         {.texts = {{SourceSrcId(0), "song.ogg"},
                    {SourceSrcId(1), "song.mp3"},
                    {IdTrackSrc, "words.vtt"},
                    {IdTrackLang, "pt-BR"}},
          .checks = {{IdControls, 1}}},
         "<AUDIO CONTROLS>\r\n<SOURCE SRC=\"song.ogg\" TYPE=\"audio/ogg\">\r\n"
         "<SOURCE SRC=\"song.mp3\" TYPE=\"audio/mpeg\">\r\n<TRACK SRC=\"words.vtt\" SRCLANG=pt-BR>\r\n"
         "Intro\r\n</AUDIO>"},
        {"picture with its image alone",
         cmd::Picture,
         {.texts = {{IdImageSrc, "/home/site/cat.jpg"}}},
         "<PICTURE>\r\n<IMG SRC=\"cat.jpg\" ALT=\"\">\r\n</PICTURE>Intro"},
        {"picture with every field",
         cmd::Picture,
         {.texts = {{PictureSrcsetId(0), "/home/site/img/cat.avif"},
                    {PictureSrcsetId(1), "/home/site/s.webp 480w,/home/site/l.webp 1080w"},
                    {PictureMediaId(1), "(min-width: 800px)"},
                    {PictureTypeId(1), "image/webp"},
                    {IdImageSrc, "cat.jpg"},
                    {IdImageAlt, "A cat"},
                    {IdImageWidth, "800"},
                    {IdImageHeight, "600"},
                    {IdImageDecoding, "async"},
                    {IdId, "p"}},
          .checks = {{IdImageLazy, 1}}},
         "<PICTURE ID=\"p\">\r\n<SOURCE SRCSET=\"img/cat.avif\" TYPE=\"image/avif\">\r\n"
         "<SOURCE SRCSET=\"s.webp 480w,l.webp 1080w\" MEDIA=\"(min-width: 800px)\" TYPE=\"image/webp\">\r\n"
         "<IMG SRC=\"cat.jpg\" ALT=\"A cat\" WIDTH=800 HEIGHT=600 LOADING=lazy DECODING=async>\r\n"
         "</PICTURE>Intro"},
        {"iframe with its page",
         cmd::InlineFrame,
         {.texts = {{IdFrameSrc, "/home/site/map.html"}}},
         "<IFRAME SRC=\"map.html\"></IFRAME>Intro"},
        {"iframe with every field",
         cmd::InlineFrame,
         {.texts = {{IdFrameSrc, "https://example.org/"},
                    {IdFrameTitle, "Map"},
                    {IdFrameWidth, "400"},
                    {IdFrameHeight, "300"},
                    {IdAllow, "fullscreen; autoplay"},
                    {IdReferrerPolicy, "no-referrer"},
                    {IdId, "f"}},
          .checks = {{IdFrameLazy, 1}, {IdSandbox, 1}, {SandboxFlagId(0), 1}, {SandboxFlagId(4), 1}}},
         "<IFRAME SRC=\"https://example.org/\" TITLE=\"Map\" WIDTH=400 HEIGHT=300 LOADING=lazy "
         "SANDBOX=\"allow-forms allow-modals\" ALLOW=\"fullscreen; autoplay\" REFERRERPOLICY=no-referrer "
         "ID=\"f\"></IFRAME>Intro"},
        {"a sandbox lifting nothing",
         cmd::InlineFrame,
         {.texts = {{IdFrameSrc, "a.html"}}, .checks = {{IdSandbox, 1}}},
         "<IFRAME SRC=\"a.html\" SANDBOX></IFRAME>Intro"},
        {"embed, its type from the extension",
         cmd::Embed,
         {.texts = {{IdEmbeddedSrc, "/home/site/doc.pdf"}}},
         "<EMBED SRC=\"doc.pdf\" TYPE=\"application/pdf\">Intro"},
        {"object with every field around its fallback",
         cmd::Object,
         {.texts = {{IdEmbeddedSrc, "plan.svg"},
                    {IdEmbeddedType, "image/svg+xml"},
                    {IdEmbeddedName, "plan"},
                    {IdEmbeddedWidth, "300"},
                    {IdEmbeddedHeight, "200"},
                    {IdClass, "c"}}},
         "<OBJECT DATA=\"plan.svg\" TYPE=\"image/svg+xml\" NAME=\"plan\" WIDTH=300 HEIGHT=200 "
         "CLASS=\"c\">Intro</OBJECT>"},
    });
    const std::vector<std::string> urls = Urls();
    for (const char* candidate : {"/home/site/s.webp", "/home/site/l.webp"})
        EXPECT_NE(std::find(urls.begin(), urls.end(), candidate), urls.end()) << candidate;
}

TEST_F(MediaCommands, BothMarkupStylesReachTheInnerTags) {
    UseMarkupStyle(true, true);
    ExpectTexts({
        {"video",
         cmd::Video,
         {.texts = {{SourceSrcId(0), "a.webm"},
                    {IdTrackSrc, "t.vtt"},
                    {IdTrackKind, "chapters"},
                    {IdMediaWidth, "9"}},
          .checks = {{IdControls, 1}}},
         "<video width=\"9\" controls>\r\n<source src=\"a.webm\" type=\"video/webm\">\r\n"
         "<track src=\"t.vtt\" kind=\"chapters\">\r\nIntro\r\n</video>"},
        {"picture",
         cmd::Picture,
         {.texts = {{IdImageSrc, "a.png"}, {IdImageWidth, "5"}}, .checks = {{IdImageLazy, 1}}},
         "<picture>\r\n<img src=\"a.png\" alt=\"\" width=\"5\" loading=\"lazy\">\r\n</picture>Intro"},
    });
    UseMarkupStyle(true, false);
    ExpectTexts({{"lower case only",
                  cmd::InlineFrame,
                  {.texts = {{IdFrameSrc, "a.html"}, {IdFrameWidth, "5"}}},
                  "<iframe src=\"a.html\" width=5></iframe>Intro"}});
    UseMarkupStyle(false, true);
    ExpectTexts({{"quoted only",
                  cmd::Object,
                  {.texts = {{IdEmbeddedSrc, "a.pdf"}, {IdEmbeddedWidth, "5"}}},
                  "<OBJECT DATA=\"a.pdf\" TYPE=\"application/pdf\" WIDTH=\"5\">Intro</OBJECT>"}});
}

// Poster and size belong to video, NAME to object, the sandbox's tokens to a sandboxed frame.
TEST_F(MediaCommands, FieldsOfOtherElementsAreGreyed) {
    struct Row {
        int command;
        Press press;
        std::vector<int> greyed, open;
    };
    const std::vector<int> videoOnly = {IdPoster, IdPosterBrowse, IdMediaWidth, IdMediaHeight};
    const std::vector<Row> table = {
        {cmd::Audio, {.texts = {{IdMediaSrc, "a.mp3"}}}, videoOnly, {IdMediaSrc, IdTrackSrc}},
        {cmd::Video, {.texts = {{IdMediaSrc, "a.mp4"}}}, {}, videoOnly},
        {cmd::Embed, {.texts = {{IdEmbeddedSrc, "a"}}}, {IdEmbeddedName}, {IdEmbeddedType}},
        {cmd::Object, {.texts = {{IdEmbeddedSrc, "a"}}}, {}, {IdEmbeddedName}},
        {cmd::InlineFrame, {.texts = {{IdFrameSrc, "a"}}}, {SandboxFlagId(0), SandboxFlagId(6)}, {IdSandbox}},
        {cmd::InlineFrame,
         {.texts = {{IdFrameSrc, "a"}}, .checks = {{IdSandbox, 1}}},
         {},
         {SandboxFlagId(0), SandboxFlagId(6)}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.command);
        Reset();
        Wrap(row.command, {row.press});
        const std::set<int>& disabled = runner.runs.back().disabled;
        for (int id : row.greyed)
            EXPECT_EQ(disabled.count(id), 1u) << id;
        for (int id : row.open)
            EXPECT_EQ(disabled.count(id), 0u) << id;
    }
}

TEST_F(MediaCommands, RefusesWhatHtml5DoesNotAllow) {
    ExpectRefusals({
        {"nothing to play", cmd::Video, {}, messages::NoMediaSource, IdMediaSrc},
        {"a type without its file",
         cmd::Audio,
         {.texts = {{IdMediaSrc, "a.mp3"}, {SourceTypeId(1), "audio/ogg"}}},
         razo::messages::MustEnterValue,
         SourceSrcId(1)},
        {"a type that is none",
         cmd::Video,
         {.texts = {{SourceSrcId(0), "a.mp4"}, {SourceTypeId(0), "mp4"}}},
         messages::NotAMediaType,
         SourceTypeId(0)},
        {"a size that is no number",
         cmd::Video,
         {.texts = {{IdMediaSrc, "a.mp4"}, {IdMediaWidth, "wide"}}},
         razo::messages::NotWholeNumber,
         IdMediaWidth},
        {"a track's label without its file",
         cmd::Video,
         {.texts = {{IdMediaSrc, "a.mp4"}, {IdTrackLabel, "English"}}},
         razo::messages::MustEnterValue,
         IdTrackSrc},
        {"subtitles without their language",
         cmd::Video,
         {.texts = {{IdMediaSrc, "a.mp4"}, {IdTrackSrc, "en.vtt"}}},
         messages::SubtitlesNeedLanguage,
         IdTrackLang},
        {"a track language that is no tag",
         cmd::Video,
         {.texts = {{IdMediaSrc, "a.mp4"}, {IdTrackSrc, "en.vtt"}, {IdTrackLang, "en_GB"}}},
         messages::NotALanguage,
         IdTrackLang},
        {"a picture without its image", cmd::Picture, {}, razo::messages::MustEnterValue, IdImageSrc},
        {"a media condition without its images",
         cmd::Picture,
         {.texts = {{PictureMediaId(0), "(min-width: 800px)"}, {IdImageSrc, "a.jpg"}}},
         razo::messages::MustEnterValue,
         PictureSrcsetId(0)},
        {"an iframe without its page", cmd::InlineFrame, {}, razo::messages::MustEnterValue, IdFrameSrc},
        {"an embed without its file", cmd::Embed, {}, razo::messages::MustEnterValue, IdEmbeddedSrc},
        {"an object's type that is none",
         cmd::Object,
         {.texts = {{IdEmbeddedSrc, "a.pdf"}, {IdEmbeddedType, "pdf"}}},
         messages::NotAMediaType,
         IdEmbeddedType},
        {"an ID with a blank",
         cmd::Object,
         {.texts = {{IdEmbeddedSrc, "a.pdf"}, {IdId, "a b"}}},
         messages::IdWithBlanks,
         IdId},
    });
}

} // namespace
