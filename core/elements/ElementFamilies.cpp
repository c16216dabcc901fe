#include "elements/Applets.h"
#include "elements/Blocks.h"
#include "elements/Body.h"
#include "elements/ElementRegistry.h"
#include "elements/Fonts.h"
#include "elements/Forms.h"
#include "elements/Frames.h"
#include "elements/ImageMaps.h"
#include "elements/Images.h"
#include "elements/Links.h"
#include "elements/Lists.h"
#include "elements/SoundMarquee.h"
#include "elements/StandardTags.h"
#include "elements/Tables.h"

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
    RegisterStandardTags(registry);
    RegisterImageFamily(registry);
    RegisterImageMapFamily(registry);
    RegisterFormFamily(registry);
    RegisterFrameFamily(registry);
}

} // namespace razo
