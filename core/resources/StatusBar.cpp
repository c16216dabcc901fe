#include "core/resources/StatusBar.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

constexpr int kPanes[] = {0, cmd::IndicatorLnCol, cmd::IndicatorCaps, cmd::IndicatorNum, cmd::IndicatorScrl};

} // namespace

std::span<const int> StatusBarPanes() {
    return kPanes;
}

} // namespace razo
