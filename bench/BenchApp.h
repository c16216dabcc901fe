#pragma once
// Widgets kept between benchmarks must go before the application does: each file registers how
// to release its own, and main() runs them after the last benchmark.
#include <functional>
#include <vector>

namespace razo::bench {

inline std::vector<std::function<void()>>& WidgetReleasers() {
    static std::vector<std::function<void()>> releasers;
    return releasers;
}

inline bool ReleaseBeforeExit(std::function<void()> release) {
    WidgetReleasers().push_back(std::move(release));
    return true;
}

} // namespace razo::bench
