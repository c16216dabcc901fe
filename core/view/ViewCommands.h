#pragma once

namespace razo {

class CRazoView;
struct ElementServices;

// Every command handler of the view: fixed tags, entities and the element families. A new
// family adds its register call here.
void RegisterViewCommands(CRazoView& view, ElementServices& services);

} // namespace razo
