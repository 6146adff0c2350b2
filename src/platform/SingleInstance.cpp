#include "platform/SingleInstance.h"

#include "platform/Log.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace platform {
namespace {
constexpr char reopenMessage[] = "reopen\n";
}

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPathFor(const QString& appId) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime + QLatin1Char('/') + appId + QStringLiteral(".socket");
    }
    return QDir::tempPath() + QLatin1Char('/') + appId + QLatin1Char('-') +
           QString::number(getuid()) + QStringLiteral(".socket");
}

bool SingleInstance::handOverToRunningInstance(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(reopenMessage);
    const bool delivered = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(timeoutMs);
    }
    return delivered;
}

bool SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        // Nobody answered on it, so the socket is left over from a process that died.
        QLocalServer::removeServer(socketPath_);
        if (!server_->listen(socketPath_)) {
            Log::line("Cannot listen on " + socketPath_.toStdString() + ": " +
                      server_->errorString().toStdString() +
                      "; a second launch will start a second instance");
            return false;
        }
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Only the one known message counts; anything else is ignored.
            while (socket->canReadLine()) {
                if (socket->readLine(64) == reopenMessage) {
                    Q_EMIT reopenRequested();
                }
            }
            if (socket->bytesAvailable() > 64) {
                socket->abort();
            }
        });
    }
}

} // namespace platform
