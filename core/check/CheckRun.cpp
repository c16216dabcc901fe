#include "core/check/CheckRun.h"

#include <algorithm>

namespace razo {

namespace {

constexpr std::size_t ProgressSteps = 256;
constexpr std::size_t SmallestProgressStep = 64 * 1024;

} // namespace

CheckRun::CheckRun(const CheckOptions& options, std::size_t total) : m_options(options), m_total(total) {}

bool CheckRun::CancelRequested() const {
    return m_options.cancel != nullptr && m_options.cancel->load(std::memory_order_relaxed);
}

void CheckRun::Add(Problem problem) {
    if (!Full())
        m_problems.push_back(std::move(problem));
}

void CheckRun::Progress(std::size_t done) {
    if (!m_options.progress || done < m_nextProgress)
        return;
    done = std::min(done, m_total);
    m_nextProgress = done + std::max(m_total / ProgressSteps, SmallestProgressStep);
    m_options.progress(done, m_total);
}

} // namespace razo
