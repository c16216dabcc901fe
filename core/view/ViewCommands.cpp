#include "view/ViewCommands.h"

#include "elements/Blocks.h"
#include "elements/ElementServices.h"
#include "elements/Lists.h"
#include "view/Entities.h"
#include "view/FixedTags.h"

namespace razo {

void RegisterViewCommands(CRazoView& view, ElementServices& services) {
    RegisterFixedTagCommands(view);
    RegisterEntityCommands(view);
    RegisterBlockCommands(view, services);
    RegisterListCommands(view, services);
}

} // namespace razo
