#pragma once
// One window per user and display: a later start hands its document to the run already open
// through a local socket in the user's runtime folder, and ends. Plain system sockets: the
// network library would cost every start more than this whole exchange.
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <sys/types.h>

class QSocketNotifier;

namespace razo {

// The socket of this user and display (QGuiApplication must exist).
QString InstanceSocketPath();

// Hands `path` (empty: only raise the window) to the run open on this display. True when that run
// took it within `timeoutMs`; false when there is none or it did not answer in time.
bool HandToRunningInstance(const std::string& path, int timeoutMs = 1000);

// The running side: takes requests of later starts and gives each path to `open`.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    using OpenHandler = std::function<void(const std::string& path)>;
    explicit InstanceServer(OpenHandler open, QObject* parent = nullptr);
    // Removes the socket, unless a later run has taken its name over.
    ~InstanceServer() override;

    // Listens on InstanceSocketPath(), taking the name over from a run that left it behind or did
    // not answer. False when the socket cannot be made (later starts then open windows of their own).
    bool Listen();

private:
    void Accept();
    void Read(int connection);

    OpenHandler m_open;
    std::string m_path;
    int m_socket = -1;
    ino_t m_inode = 0;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace razo
