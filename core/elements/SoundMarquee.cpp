#include "core/elements/SoundMarquee.h"

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace media;

ControlTemplate LoopTimes() {
    return Number(IdLoopTimes, "Loop times:", "How often it plays; leave it empty when looping infinitely.");
}

ControlTemplate InfiniteLoop() {
    return CheckBox(IdInfiniteLoop, "Infinite loop").Beside().Help("Plays it over and over, without end.");
}

ControlTemplate InPercent(int id, const char* what) {
    return CheckBox(id, "in %").Beside().Help(what);
}

// Both dialogs refuse a loop count beside an infinite loop, after their fields.
void CheckLoop(CDataExchange& dx, int infinite, const std::string& loopTimes) {
    if (dx.Saving() && infinite && !loopTimes.empty())
        dx.Refuse(IdLoopTimes, messages::LoopCountWithInfiniteLoop);
}

std::string Loop(int infinite, const std::string& loopTimes) {
    return infinite ? " LOOP=infinite" : Attribute("LOOP", loopTimes);
}

std::string WithPercent(const char* name, const std::string& value, int percent) {
    if (value.empty())
        return {};
    return Attribute(name, value) + (percent ? "%" : "");
}

const ColourFieldSpec MarqueeColour = {
    "BGCOLOR",      "Background",     IdColourName,           IdColourNumber,
    IdColourSelect, {IdColourSample}, ColourRole::Background, ColourNames::Html32};

} // namespace

DialogTemplate CBackgroundSoundDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Background Sound (Microsoft)", 240, 60, false,
        "A background sound tag <BGSOUND> on a line of its own in front of the selection.",
        {UrlCombo(IdSoundSource, "Sound src:").Help("The sound file to play; required."),
         BrowseButton(IdBrowse, IdSoundSource, browse::LinkTitle, browse::SoundFilter), LoopTimes(),
         InfiniteLoop()});
}

void CBackgroundSoundDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalNumber(dx, IdLoopTimes, m_strLoopTimes);
    DDX_Check(dx, IdInfiniteLoop, m_bInfiniteLoop);
    DDX_RequiredUrl(dx, IdSoundSource, m_strSource);
    CheckLoop(dx, m_bInfiniteLoop, m_strLoopTimes);
}

DialogTemplate CMarqueeDialog::MakeTemplate() {
    std::vector<ControlTemplate> controls = {
        Alignment(IdAlign, "Alignment of text:", {"top", "middle", "bottom"},
                  "Where the text sits in a marquee taller than it."),
        ListCombo(IdBehaviour, "Behaviour:", {"scroll", "slide", "alternate"})
            .Sorted()
            .Help("Scroll: the text crosses and starts again; slide: it stops at the far side; "
                  "alternate: it bounces to and fro."),
        ListCombo(IdDirection, "Direction:", {"left", "right"}).Sorted().Help("The way the text moves."),
        Number(IdHeight, "Height:", "The marquee's height in pixels, or in percent of the window."),
        InPercent(IdHeightPercent, "Makes the height a percentage of the window."),
        Number(IdWidth, "Width:", "The marquee's width in pixels, or in percent of the window."),
        InPercent(IdWidthPercent, "Makes the width a percentage of the window."),
        Number(IdHSpace, "Horizontal space in pixels:", "Room left and right of the marquee."),
        Number(IdVSpace, "Vertical space in pixels:", "Room above and below the marquee."),
        LoopTimes(),
        InfiniteLoop(),
        Number(IdScrollAmount, "Scroll amount in pixels:", "How far the text moves at each step."),
        Edit(IdScrollDelay, "Scroll delay in msecs:")
            .Width(30)
            .Help("How long the text waits between steps, in milliseconds; written as typed."),
    };
    std::vector<ControlTemplate> colour = ColourFieldControls(MarqueeColour);
    colour[0] = colour[0].Help("The background colour by name; (None) to give it as a number instead.");
    colour[1] = colour[1].Help("The background colour as six hexadecimal digits (RRGGBB).");
    colour[2] = colour[2].Help("Picks the colour from the colour chooser.");
    controls.push_back(GroupBox("Colour Specification", int(colour.size())));
    controls.insert(controls.end(), colour.begin(), colour.end());
    auto made = MakeDialogTemplate(IDD, "Marquee (Microsoft)", 240, 200, false,
                                   "A scrolling text: <MARQUEE> in front of the selection, "
                                   "</MARQUEE> after it.",
                                   std::move(controls));
    made.colourFields = {MarqueeColour};
    return made;
}

void CMarqueeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_CBString(dx, IdBehaviour, m_strBehaviour);
    DDX_CBString(dx, IdDirection, m_strDirection);
    DDX_Check(dx, IdInfiniteLoop, m_bInfiniteLoop);
    DDX_OptionalNumber(dx, IdHeight, m_strHeight);
    DDX_OptionalNumber(dx, IdHSpace, m_strHSpace);
    DDX_OptionalNumber(dx, IdLoopTimes, m_strLoopTimes);
    DDX_OptionalNumber(dx, IdVSpace, m_strVSpace);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
    DDX_OptionalNumber(dx, IdScrollAmount, m_strScrollAmount);
    DDX_Text(dx, IdScrollDelay, m_strScrollDelay);
    DDX_CBString(dx, IdColourName, m_strColourName);
    DDX_ColourNumber(dx, IdColourNumber, m_strColourNumber);
    DDX_Check(dx, IdHeightPercent, m_bHeightPercent);
    DDX_Check(dx, IdWidthPercent, m_bWidthPercent);
    CheckLoop(dx, m_bInfiniteLoop, m_strLoopTimes);
}

TagPair BuildBackgroundSound(const CBackgroundSoundDialog& d, const BuildContext& context) {
    return {Tag("BGSOUND")
                .AlwaysQuoted("SRC", context.RelativePath(d.m_strSource))
                .Raw(Loop(d.m_bInfiniteLoop, d.m_strLoopTimes))
                .Close("\r\n"),
            ""};
}

// The written order differs from the order of the fields.
TagPair BuildMarquee(const CMarqueeDialog& d) {
    return {Tag("MARQUEE")
                .Attr("ALIGN", d.m_strAlign)
                .Raw(WithPercent("HEIGHT", d.m_strHeight, d.m_bHeightPercent))
                .Raw(WithPercent("WIDTH", d.m_strWidth, d.m_bWidthPercent))
                .Attr("HSPACE", d.m_strHSpace)
                .Attr("VSPACE", d.m_strVSpace)
                .Raw(Loop(d.m_bInfiniteLoop, d.m_strLoopTimes))
                .Attr("BEHAVIOR", d.m_strBehaviour)
                .Attr("DIRECTION", d.m_strDirection)
                .Attr("SCROLLAMOUNT", d.m_strScrollAmount)
                .Attr("SCROLLDELAY", d.m_strScrollDelay)
                .Raw(FormatColourAttribute("BGCOLOR", d.m_strColourName, d.m_strColourNumber))
                .Close(),
            "</MARQUEE>\r\n"};
}

void RegisterSoundMarqueeFamily(ElementRegistry& registry) {
    registry.Bind<CBackgroundSoundDialog>(cmd::BackgroundSound, BuildBackgroundSound);
    registry.Bind<CMarqueeDialog>(cmd::Marquee, BuildMarquee);
}

} // namespace razo
