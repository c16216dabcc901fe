#include "core/elements/SoundMarquee.h"

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/AttributeRows.h"
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

// LOOP=infinite while the box is ticked, else the count, if any.
template <class D> AttributeRow<D> LoopRow() {
    return rows::Custom<D>(
        "LOOP",
        [](const D& d, const BuildContext*, Tag& tag) {
            tag.Attr("LOOP", d.m_bInfiniteLoop ? std::string("infinite") : d.m_strLoopTimes);
        },
        [](D& d, const markup::WrittenAttribute& a) {
            const bool infinite = markup::SameName(a.value, "infinite");
            if (!infinite && !rows::IsNumber(a.value))
                return false;
            d.m_bInfiniteLoop = infinite ? 1 : 0;
            d.m_strLoopTimes = infinite ? "" : a.value;
            return true;
        },
        IdLoopTimes);
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

const TagRows<CBackgroundSoundDialog>& CBackgroundSoundDialog::Rows() {
    using D = CBackgroundSoundDialog;
    static const TagRows<D> rows{
        "BGSOUND",
        {rows::Url("SRC", &D::m_strSource, IdSoundSource, {.always = true, .relative = true, .history = {}}),
         LoopRow<D>()}};
    return rows;
}

// The written order differs from the order of the fields.
const TagRows<CMarqueeDialog>& CMarqueeDialog::Rows() {
    using D = CMarqueeDialog;
    static const TagRows<D> rows{
        "MARQUEE",
        {rows::Bare("ALIGN", &D::m_strAlign, IdAlign),
         rows::WithPercent("HEIGHT", &D::m_strHeight, &D::m_bHeightPercent, IdHeight),
         rows::WithPercent("WIDTH", &D::m_strWidth, &D::m_bWidthPercent, IdWidth),
         rows::Bare("HSPACE", &D::m_strHSpace, IdHSpace), rows::Bare("VSPACE", &D::m_strVSpace, IdVSpace),
         LoopRow<D>(), rows::Bare("BEHAVIOR", &D::m_strBehaviour, IdBehaviour),
         rows::Bare("DIRECTION", &D::m_strDirection, IdDirection),
         rows::Bare("SCROLLAMOUNT", &D::m_strScrollAmount, IdScrollAmount),
         rows::Bare("SCROLLDELAY", &D::m_strScrollDelay, IdScrollDelay),
         rows::Colour<D>(
             "BGCOLOR", [](auto& d) -> auto& { return d.m_strColourName; },
             [](auto& d) -> auto& { return d.m_strColourNumber; }, IdColourName)}};
    return rows;
}

TagPair BuildBackgroundSound(const CBackgroundSoundDialog& d, const BuildContext& context) {
    return {WriteStartTag(d, context).Close("\r\n"), ""};
}

TagPair BuildMarquee(const CMarqueeDialog& d) {
    return {WriteStartTag(d).Close(), "</MARQUEE>\r\n"};
}

void RegisterSoundMarqueeFamily(ElementRegistry& registry) {
    registry.Bind<CBackgroundSoundDialog>(cmd::BackgroundSound, BuildBackgroundSound);
    registry.Bind<CMarqueeDialog>(cmd::Marquee, BuildMarquee);
}

} // namespace razo
