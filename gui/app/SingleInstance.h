#pragma once
// One window per user and display: a later start hands its document to the run already open
// through a local socket in the user's runtime folder, and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

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

    // Listens on InstanceSocketPath(), taking the name over from a run that left it behind or did
    // not answer. False when the socket cannot be made (later starts then open windows of their own).
    bool Listen();

private:
    void Accept();

    QLocalServer m_server;
    OpenHandler m_open;
};

} // namespace razo
