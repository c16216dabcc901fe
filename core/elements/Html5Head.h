#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"
#include "core/elements/Html5Common.h"

namespace razo {

class ElementRegistry;

// The HTML5 elements of the head.
void RegisterHtml5HeadFamily(ElementRegistry& registry);

} // namespace razo
