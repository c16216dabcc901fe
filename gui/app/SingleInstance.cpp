#include "gui/app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>

#include "core/app/InstanceRequest.h"

namespace razo {

namespace {

// A request that has not arrived whole by then is dropped.
constexpr int RequestTimeoutMs = 5000;

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
    QLocalSocket socket;
    socket.connectToServer(InstanceSocketPath());
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    // The running window has a working folder of its own.
    std::error_code ignored;
    const std::string absolute = path.empty() ? path : std::filesystem::absolute(path, ignored).string();
    socket.write(QByteArray::fromStdString(EncodeOpenRequest(absolute.empty() ? path : absolute)));
    QByteArray reply;
    while (!deadline.hasExpired() && reply.size() < qsizetype(OpenRequestDone.size())) {
        if (socket.bytesToWrite() > 0)
            socket.waitForBytesWritten(int(deadline.remainingTime()));
        else if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        reply += socket.readAll();
    }
    reply += socket.readAll();
    return reply.toStdString() == OpenRequestDone;
}

InstanceServer::InstanceServer(OpenHandler open, QObject* parent) : QObject(parent), m_open(std::move(open)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

bool InstanceServer::Listen() {
    const QString path = InstanceSocketPath();
    if (m_server.listen(path))
        return true;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Left by a run that was killed, or held by one that did not answer: this run takes it.
    QLocalServer::removeServer(path);
    return m_server.listen(path);
}

void InstanceServer::Accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(RequestTimeoutMs, socket, [socket] { socket->abort(); });
        auto received = std::make_shared<std::string>();
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] {
            *received += socket->readAll().toStdString();
            const OpenRequest request = DecodeOpenRequest(*received);
            if (request.state == OpenRequest::State::Incomplete)
                return;
            if (request.state == OpenRequest::State::Malformed) {
                socket->abort();
                return;
            }
            // Answered first: the later start need not wait while the page opens.
            socket->write(OpenRequestDone.data(), qint64(OpenRequestDone.size()));
            socket->flush();
            socket->disconnectFromServer();
            QTimer::singleShot(0, this, [this, path = request.path] { m_open(path); });
        });
    }
}

} // namespace razo
