#pragma once
#include "core/markup/MarkupStyle.h"

namespace razo {

class IniProfile;

// The markup style Preferences stored.
markup::MarkupStyle StoredMarkupStyle(const IniProfile& profile);

} // namespace razo
