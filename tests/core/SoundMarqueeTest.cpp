#include "core/elements/SoundMarquee.h"
#include "core/dialogs/Colours.h"
#include "core/resources/CommandIds.h"
#include "core/settings/SettingsKeys.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::media;

namespace {

class SoundMarqueeCommands : public ElementCommandTest {
protected:
    SoundMarqueeCommands() : ElementCommandTest("E:\\web\\site\\index.html") {}
};

const std::string MarqueeEnd = "Intro</MARQUEE>\r\n";

} // namespace

TEST_F(SoundMarqueeCommands, BuildTheDocumentedTexts) {
    ExpectTexts({
        {"sound source only",
         cmd::BackgroundSound,
         {.texts = {{IdSoundSource, "E:\\web\\site\\snd\\ring.wav"}}},
         "<BGSOUND SRC=\"snd\\ring.wav\">\r\nIntro"},
        {"sound looped three times",
         cmd::BackgroundSound,
         {.texts = {{IdSoundSource, "ring.wav"}, {IdLoopTimes, "3"}}},
         "<BGSOUND SRC=\"ring.wav\" LOOP=3>\r\nIntro"},
        {"sound looped infinitely",
         cmd::BackgroundSound,
         {.texts = {{IdSoundSource, "ring.wav"}}, .checks = {{IdInfiniteLoop, 1}}},
         "<BGSOUND SRC=\"ring.wav\" LOOP=infinite>\r\nIntro"},
        {"marquee empty", cmd::Marquee, {}, "<MARQUEE>" + MarqueeEnd},
        {"height percent without height",
         cmd::Marquee,
         {.checks = {{IdHeightPercent, 1}}},
         "<MARQUEE>" + MarqueeEnd},
        {"width 50 in percent",
         cmd::Marquee,
         {.texts = {{IdWidth, "50"}}, .checks = {{IdWidthPercent, 1}}},
         "<MARQUEE WIDTH=50%>" + MarqueeEnd},
        {"everything, in the written order",
         cmd::Marquee,
         {.texts = {{IdAlign, "middle"},
                    {IdBehaviour, "alternate"},
                    {IdDirection, "right"},
                    {IdHeight, "20"},
                    {IdHSpace, "1"},
                    {IdLoopTimes, "5"},
                    {IdVSpace, "2"},
                    {IdWidth, "300"},
                    {IdScrollAmount, "6"},
                    {IdScrollDelay, "85"},
                    {IdColourName, "yellow"}},
          .checks = {{IdHeightPercent, 1}}},
         "<MARQUEE ALIGN=middle HEIGHT=20% WIDTH=300 HSPACE=1 VSPACE=2 LOOP=5 BEHAVIOR=alternate "
         "DIRECTION=right SCROLLAMOUNT=6 SCROLLDELAY=85 BGCOLOR=yellow>" +
             MarqueeEnd},
        {"infinite loop and a colour number",
         cmd::Marquee,
         {.texts = {{IdColourNumber, "C0C0C0"}}, .checks = {{IdInfiniteLoop, 1}}},
         "<MARQUEE LOOP=infinite BGCOLOR=\"#C0C0C0\">" + MarqueeEnd},
        // Unchecked, but kept one value: a blank would end it.
        {"scroll delay with a blank",
         cmd::Marquee,
         {.texts = {{IdScrollDelay, "60 ms"}}},
         "<MARQUEE SCROLLDELAY=\"60 ms\">" + MarqueeEnd},
        {"scroll delay as typed",
         cmd::Marquee,
         {.texts = {{IdScrollDelay, "-1"}}},
         "<MARQUEE SCROLLDELAY=-1>" + MarqueeEnd},
    });
}

TEST_F(SoundMarqueeCommands, RefusedFields) {
    const char* loop = messages::LoopCountWithInfiniteLoop;
    ExpectRefusals({
        {"sound loop count while infinite",
         cmd::BackgroundSound,
         {.texts = {{IdSoundSource, "a.wav"}, {IdLoopTimes, "2"}}, .checks = {{IdInfiniteLoop, 1}}},
         loop,
         IdLoopTimes},
        {"marquee loop count while infinite",
         cmd::Marquee,
         {.texts = {{IdLoopTimes, "0"}}, .checks = {{IdInfiniteLoop, 1}}},
         loop,
         IdLoopTimes},
        {"the fields are checked before the loop",
         cmd::Marquee,
         {.texts = {{IdLoopTimes, "2"}, {IdColourNumber, "red"}}, .checks = {{IdInfiniteLoop, 1}}},
         "This is not a valid colour number.",
         IdColourNumber},
        {"no sound source", cmd::BackgroundSound, {}, "You must enter a value.", IdSoundSource},
        {"long sound source",
         cmd::BackgroundSound,
         {.texts = {{IdSoundSource, std::string(1025, 's')}}},
         "Please enter a non-empty string containing 1024 characters at the most.",
         IdSoundSource},
        {"negative scroll amount",
         cmd::Marquee,
         {.texts = {{IdScrollAmount, "-3"}}},
         "You can only enter numerals.",
         IdScrollAmount},
    });
}

TEST_F(SoundMarqueeCommands, SoundSourceEntersTheUrlsAsTyped) {
    Write(profile, settings::UnixSlashes, 1);
    EXPECT_EQ(Wrap(cmd::BackgroundSound, {{.texts = {{IdSoundSource, "E:\\web\\snd\\a.wav"}}}}),
              "<BGSOUND SRC=\"../snd/a.wav\">\r\nIntro");
    EXPECT_EQ(History(settings::UrlHistorySection), std::vector<std::string>{"E:\\web\\snd\\a.wav"});
}

TEST_F(SoundMarqueeCommands, BackgroundColourPaintsItsSample) {
    Wrap(cmd::Marquee, {{.actions = {Choose(IdColourName, "maroon")}, .cancel = true}});
    const auto& swatches = runner.runs.back().swatches;
    ASSERT_TRUE(swatches.count(IdColourSample));
    EXPECT_EQ(swatches.at(IdColourSample).m_crBack, LookupNamedColour("maroon"));
    EXPECT_EQ(swatches.at(IdColourSample).m_crText, LookupNamedColour("maroon"));
}
