#include "resources/StatusBar.h"

namespace razo {

namespace {

constexpr int kPanes[] = {0, 61453, 59137, 59138, 59139};

} // namespace

std::span<const int> StatusBarPanes() {
    return kPanes;
}

} // namespace razo
