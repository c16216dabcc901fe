// A run that was killed is over as soon as it is, even while it is still listed as a zombie:
// the next start must offer its pages.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "core/app/ProcessIdentity.h"

using namespace razo;

TEST(ProcessState, EndedStatesAreZombieAndDead) {
    const std::string tail = " 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 424242 19 20\n";
    struct Row {
        const char* line;
        bool ended;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"77 (razo) R", false},
             {"77 (razo) S", false},
             {"77 (razo) D", false},
             {"77 (razo) T", false},
             {"77 (razo) Z", true},
             {"77 (razo) X", true},
             {"77 (razo) x", true},
             // The name is the program's own choice; only the state after its last ')' counts.
             {"77 (a) Z (b) S", false},
             {"77 (razo", false},
             {"", false},
         }) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(HasEndedFromStatLine(row.line + tail), row.ended);
    }
}

TEST(ProcessState, AKilledRunNotYetCollectedHasEnded) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(0);
    const ProcessTable& system = ProcessTable::System();
    const ProcessIdentity owner{child, system.StartTime(child), system.BootId()};
    // Not collected yet: it lingers as a zombie until waitpid below.
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT), 0);
    EXPECT_FALSE(system.Exists(child));
    EXPECT_FALSE(IsRunning(owner, system));
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
}
