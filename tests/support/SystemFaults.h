#pragma once
// Real file-system situations for tests that need them: a small tmpfs that can be filled up,
// work done as another user (root can read and write everything), and a FIFO that cannot hang
// a test that fails.
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace razo::test {

// A tmpfs of `bytes` mounted on a fresh folder inside `parent`, unmounted when it goes. Valid()
// is false where this process may not mount (then tests skip).
class SmallTmpfs {
public:
    SmallTmpfs(const std::filesystem::path& parent, long bytes) : m_path(parent / "tmpfs") {
        std::filesystem::create_directories(m_path);
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
        m_mounted = ::mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallTmpfs() {
        if (m_mounted)
            ::umount2(m_path.c_str(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool Valid() const { return m_mounted; }
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

    // Fills the file system with a file of its own, then frees `room` bytes of it again.
    bool FillLeaving(long room) const {
        const std::string filler = File(".filler");
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            return false;
        const std::string block(4096, 'f');
        long written = 0;
        for (;;) {
            const ssize_t n = ::write(fd, block.data(), block.size());
            if (n <= 0)
                break;
            written += n;
        }
        const bool ok = written >= room && ::ftruncate(fd, written - room) == 0;
        ::close(fd);
        return ok;
    }

private:
    std::filesystem::path m_path;
    bool m_mounted = false;
};

// The uid and gid of "nobody", who owns nothing of the test's files.
inline constexpr uid_t kNobody = 65534;

// Runs `body` in a child process as the user `uid` (when this process is root) and returns
// whether it returned true. Without root the body runs as this user, in a child all the same.
inline bool RunAsUser(uid_t uid, const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(uid) != 0 || ::setuid(uid) != 0))
            ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs `work`, which may open `fifo` and block on it, for at most a second. A call that blocks
// is released by opening the FIFO's other end, so a failing test ends instead of hanging.
template <typename Result>
std::optional<Result> WithinASecond(const std::string& fifo, std::function<Result()> work) {
    auto future = std::async(std::launch::async, std::move(work));
    if (future.wait_for(std::chrono::seconds(1)) == std::future_status::ready)
        return future.get();
    // A writer that comes and goes: the blocked open returns, and reading then ends at once.
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        ::close(writer);
    future.wait();
    return std::nullopt;
}

} // namespace razo::test
