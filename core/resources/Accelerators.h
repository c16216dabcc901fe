#pragma once
#include <span>

namespace razo {

// One row of the main frame's accelerator table. Keys in portable text form, as
// "Ctrl+Shift+U", "Alt+Backspace", "Shift+Insert", "F3".
struct Accelerator {
    const char* keys;
    int id;
};

std::span<const Accelerator> AcceleratorTable();

} // namespace razo
