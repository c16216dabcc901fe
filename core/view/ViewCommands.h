#pragma once

namespace razo {

class CRazoView;
struct ElementServices;

// Every command handler of the view: fixed tags, entities and the element families (which
// register themselves in elements/ElementFamilies.cpp).
void RegisterViewCommands(CRazoView& view, ElementServices& services);

} // namespace razo
