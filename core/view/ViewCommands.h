#pragma once

namespace razo {

class CRazoView;
struct ElementServices;

// Every command handler of the view: fixed tags, entities, the element families (which
// register themselves in core/elements/ElementFamilies.cpp) and the standard tags, which run
// some of them in a row.
void RegisterViewCommands(CRazoView& view, ElementServices& services);

} // namespace razo
