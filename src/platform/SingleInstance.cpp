#include "platform/SingleInstance.h"

#include "platform/Log.h"

#include <QByteArrayView>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <algorithm>
#include <unistd.h>

namespace platform {
namespace {

constexpr char reopenMessage[] = "reopen\n";
constexpr char reopenWithTokenPrefix[] = "reopen ";
// Tokens are opaque, but short and plain: compositors make them from letters, digits and a
// few separators.
constexpr qsizetype maximumTokenLength = 256;
constexpr qsizetype maximumLineLength = maximumTokenLength + 16;

bool isPlainToken(QByteArrayView token) {
    if (token.isEmpty() || token.size() > maximumTokenLength) {
        return false;
    }
    return std::all_of(token.begin(), token.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               QByteArrayView("-_.:+/=").contains(c);
    });
}

} // namespace

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

std::optional<QString> SingleInstance::reopenRequestIn(const QByteArray& line) {
    if (line == reopenMessage) {
        return QString();
    }
    if (!line.startsWith(reopenWithTokenPrefix) || !line.endsWith('\n')) {
        return std::nullopt;
    }
    const QByteArrayView token = QByteArrayView(line).sliced(
        sizeof(reopenWithTokenPrefix) - 1, line.size() - qsizetype(sizeof(reopenWithTokenPrefix)));
    if (!isPlainToken(token)) {
        Log::line("Activation token of a later launch ignored: not a plain token");
        return QString();
    }
    return QString::fromLatin1(token);
}

bool SingleInstance::handOverToRunningInstance(int timeoutMs, const QString& activationToken) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    const QByteArray token = activationToken.toLatin1();
    socket.write(isPlainToken(token) ? reopenWithTokenPrefix + token + '\n'
                                     : QByteArray(reopenMessage));
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
                if (const auto token = reopenRequestIn(socket->readLine(maximumLineLength))) {
                    Q_EMIT reopenRequested(*token);
                }
            }
            if (socket->bytesAvailable() > maximumLineLength) {
                socket->abort();
            }
        });
    }
}

} // namespace platform
