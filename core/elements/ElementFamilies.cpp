#include "core/elements/Applets.h"
#include "core/elements/Blocks.h"
#include "core/elements/Body.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Fonts.h"
#include "core/elements/Forms.h"
#include "core/elements/Frames.h"
#include "core/elements/Html5Forms.h"
#include "core/elements/Html5Head.h"
#include "core/elements/Html5Media.h"
#include "core/elements/Html5Sections.h"
#include "core/elements/Html5Text.h"
#include "core/elements/ImageMaps.h"
#include "core/elements/Images.h"
#include "core/elements/Links.h"
#include "core/elements/Lists.h"
#include "core/elements/SoundMarquee.h"
#include "core/elements/Tables.h"

namespace razo {

// A new family adds its one line here.
void RegisterElementFamilies(ElementRegistry& registry) {
    RegisterBlockFamily(registry);
    RegisterListFamily(registry);
    RegisterTableFamily(registry);
    RegisterFontFamily(registry);
    RegisterAppletFamily(registry);
    RegisterSoundMarqueeFamily(registry);
    RegisterLinkFamily(registry);
    RegisterBodyFamily(registry);
    RegisterImageFamily(registry);
    RegisterImageMapFamily(registry);
    RegisterFormFamily(registry);
    RegisterFrameFamily(registry);
    // HTML5, in the order of its menu
    RegisterSectionFamily(registry);
    RegisterTextFamily(registry);
    RegisterMediaFamily(registry);
    RegisterHtml5FormFamily(registry);
    RegisterHtml5HeadFamily(registry);
}

} // namespace razo
