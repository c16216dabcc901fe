#pragma once
#include <span>

namespace razo {

// One row of the main frame's accelerator table. Keys in Qt's portable text form, modifiers in the
// order Ctrl, Alt, Shift, as "Ctrl+Shift+U", "Alt+Backspace", "Shift+Ins", "F3". A command may
// have several rows.
struct Accelerator {
    const char* keys;
    int id;
};

std::span<const Accelerator> AcceleratorTable();
// The keys a menu shows for a command: its first row here; nullptr when it has none.
const char* PrimaryKeys(int id);

} // namespace razo
