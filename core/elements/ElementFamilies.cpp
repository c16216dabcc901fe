#include "elements/Blocks.h"
#include "elements/ElementRegistry.h"
#include "elements/Forms.h"
#include "elements/Frames.h"
#include "elements/ImageMaps.h"
#include "elements/Lists.h"

namespace razo {

// A new family adds its one line here.
void RegisterElementFamilies(ElementRegistry& registry) {
    RegisterBlockFamily(registry);
    RegisterListFamily(registry);
    RegisterImageMapFamily(registry);
    RegisterFormFamily(registry);
    RegisterFrameFamily(registry);
}

} // namespace razo
