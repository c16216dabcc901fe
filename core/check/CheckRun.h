#pragma once
#include <cstddef>
#include <vector>

#include "core/check/CheckReport.h"
#include "core/check/PageCheck.h"

namespace razo {

// What one check collects on its way, shared by both checkers: the problems up to the limit, the
// request to stop, and the progress told to the caller.
class CheckRun {
public:
    CheckRun(const CheckOptions& options, std::size_t total);

    bool CancelRequested() const;
    // Cancelled, or as many problems found as are listed: the checker may stop reading.
    bool ShouldStop() const { return Full() || CancelRequested(); }
    bool Full() const { return m_problems.size() >= m_options.maxProblems; }

    void Add(Problem problem);
    // Tells the caller of `done` bytes read, at most a few hundred times a check.
    void Progress(std::size_t done);

    std::vector<Problem>& Problems() { return m_problems; }

private:
    const CheckOptions& m_options;
    std::size_t m_total;
    std::size_t m_nextProgress = 0;
    std::vector<Problem> m_problems;
};

} // namespace razo
