#include "gui/app/SingleInstance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

#include "core/app/InstanceRequest.h"

namespace razo {

namespace {

// A request that has not arrived whole by then is dropped.
constexpr int RequestTimeoutMs = 5000;
constexpr int Backlog = 8;

QByteArray DisplayName() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        const QByteArray display = qgetenv("WAYLAND_DISPLAY");
        return display.isEmpty() ? QByteArrayLiteral("wayland-0") : display;
    }
    if (platform == QLatin1String("xcb"))
        return qgetenv("DISPLAY");
    return {};
}

// Closes its descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// The socket address of `path`; false when the path is too long for one.
bool AddressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Waits until `fd` can do `events` or the deadline passes.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool SendAll(int fd, std::string_view bytes, const QDeadlineTimer& deadline) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(size_t(sent));
            continue;
        }
        if (sent < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (!WaitFor(fd, POLLOUT, deadline))
            return false;
    }
    return true;
}

} // namespace

QString InstanceSocketPath() {
    // Per user: $XDG_RUNTIME_DIR, or the private folder Qt makes when it is not set.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const std::string name =
        InstanceSocketName(QGuiApplication::platformName().toStdString(), DisplayName().toStdString());
    return QDir(folder).filePath(QString::fromStdString(name));
}

bool HandToRunningInstance(const std::string& path, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    sockaddr_un address;
    if (!AddressOf(QFile::encodeName(InstanceSocketPath()).toStdString(), address))
        return false;
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return false;
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        // A listener whose queue is full: it may take the request in a moment.
        if (errno != EAGAIN || !WaitFor(socket.get(), POLLOUT, deadline))
            return false;
    }
    // The running window has a working folder of its own.
    std::error_code ignored;
    const std::string absolute = path.empty() ? path : std::filesystem::absolute(path, ignored).string();
    if (!SendAll(socket.get(), EncodeOpenRequest(absolute.empty() ? path : absolute), deadline))
        return false;
    std::string reply;
    while (reply.size() < OpenRequestDone.size() && WaitFor(socket.get(), POLLIN, deadline)) {
        char buffer[16];
        const ssize_t got = ::recv(socket.get(), buffer, sizeof(buffer), 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
            break;
        if (got > 0)
            reply.append(buffer, size_t(got));
    }
    return reply == OpenRequestDone;
}

InstanceServer::InstanceServer(OpenHandler open, QObject* parent)
    : QObject(parent), m_open(std::move(open)) {}

InstanceServer::~InstanceServer() {
    if (m_socket < 0)
        return;
    delete m_notifier;
    ::close(m_socket);
    struct stat info {};
    if (::stat(m_path.c_str(), &info) == 0 && info.st_ino == m_inode)
        ::unlink(m_path.c_str());
}

bool InstanceServer::Listen() {
    m_path = QFile::encodeName(InstanceSocketPath()).toStdString();
    sockaddr_un address;
    if (!AddressOf(m_path, address))
        return false;
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return false;
    const auto bind = [&] {
        return ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    };
    if (!bind()) {
        // Left by a run that was killed, or held by one that did not answer: this run takes it.
        if (errno != EADDRINUSE || ::unlink(m_path.c_str()) != 0 || !bind())
            return false;
    }
    struct stat info {};
    if (::listen(socket.get(), Backlog) != 0 || ::stat(m_path.c_str(), &info) != 0)
        return false;
    m_inode = info.st_ino;
    m_socket = socket.release();
    m_notifier = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InstanceServer::Accept);
    return true;
}

void InstanceServer::Accept() {
    for (;;) {
        const int connection = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            return;
        Read(connection);
    }
}

void InstanceServer::Read(int connection) {
    // The connection lives as long as its notifier: closed with it, at the latest after the timeout.
    auto* notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
    auto received = std::make_shared<std::string>();
    const auto finish = [notifier, connection] {
        if (!notifier->isEnabled())
            return; // closed already
        notifier->setEnabled(false);
        ::close(connection);
        notifier->deleteLater();
    };
    QTimer::singleShot(RequestTimeoutMs, notifier, finish);
    connect(notifier, &QSocketNotifier::activated, notifier, [this, connection, received, finish] {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::recv(connection, buffer, sizeof(buffer), 0);
            if (got > 0) {
                received->append(buffer, size_t(got));
                continue;
            }
            if (got < 0 && (errno == EAGAIN || errno == EINTR))
                break;
            finish(); // the later start went away, or the connection failed
            return;
        }
        const OpenRequest request = DecodeOpenRequest(*received);
        if (request.state == OpenRequest::State::Incomplete)
            return;
        if (request.state == OpenRequest::State::Complete) {
            // Answered first: the later start need not wait while the page opens.
            ::send(connection, OpenRequestDone.data(), OpenRequestDone.size(), MSG_NOSIGNAL);
            QTimer::singleShot(0, this, [this, path = request.path] { m_open(path); });
        }
        finish();
    });
}

} // namespace razo
