#include "core/elements/Html5Head.h"

#include "core/elements/ElementRegistry.h"

namespace razo {

void RegisterHtml5HeadFamily(ElementRegistry&) {}

} // namespace razo
