#include "resources/Accelerators.h"

namespace razo {

namespace {

// Several commands keep a second, older key beside their Ctrl letter (Ctrl+Ins, Shift+Ins,
// Shift+Del, Alt+Backspace). Keys are written as Qt's portable text writes them, so a key read
// back from a shortcut compares equal to its row here.
constexpr Accelerator kAccelerators[] = {
    {"Ctrl+1", 32809},
    {"Ctrl+2", 32810},
    {"Ctrl+3", 32811},
    {"Ctrl+4", 32812},
    {"Ctrl+5", 32813},
    {"Ctrl+6", 32814},
    {"Ctrl+A", 32911},
    {"Ctrl+B", 32774},
    {"Ctrl+C", 57634},
    {"Ctrl+Ins", 57634},
    {"Ctrl+Shift+C", 32834},
    {"Ctrl+D", 32802},
    {"Ctrl+Shift+D", 32883},
    {"Ctrl+E", 32779},
    {"Ctrl+F", 57636},
    {"Ctrl+Shift+F", 32944},
    {"Ctrl+G", 32800},
    {"Ctrl+H", 32801},
    {"Ctrl+I", 32775},
    {"Ctrl+Shift+I", 32806},
    {"Ctrl+J", 32910},
    {"Ctrl+L", 32784},
    {"Ctrl+N", 57600},
    {"Ctrl+O", 57601},
    {"Ctrl+Shift+O", 32786},
    {"Ctrl+P", 32799},
    {"Ctrl+Q", 32804},
    {"Ctrl+R", 57641},
    {"Ctrl+Shift+R", 32881},
    {"Ctrl+S", 57603},
    {"Ctrl+T", 32782},
    {"Ctrl+U", 32852},
    {"Ctrl+Shift+U", 32785},
    {"Ctrl+V", 57637},
    {"Shift+Ins", 57637},
    {"Ctrl+W", 32946},
    {"Ctrl+X", 57635},
    {"Shift+Del", 57635},
    {"Ctrl+Y", 32914},
    {"Ctrl+Z", 57643},
    {"Alt+Backspace", 57643},
    {"F1", 57670},
    {"Shift+F1", 57669},
    {"F3", 57640},
    {"F6", 57680},
    {"Shift+F6", 57681},
};

} // namespace

std::span<const Accelerator> AcceleratorTable() {
    return kAccelerators;
}

} // namespace razo
