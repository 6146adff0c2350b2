#include "platform/SingleInstance.h"

#include "platform/Log.h"
#include "platform/StartupLock.h"
#include "platform/XdgBaseDirectory.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr char reopenMessage[] = "reopen\n";
constexpr char reopenWithTokenPrefix[] = "reopen ";
constexpr char stateChangedMessage[] = "state-changed\n";
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

enum class Missing { isAProblem, isMade };

// Whether folder is this user's private folder; made (0700) when missing and asked to.
std::string privateFolderProblem(const QString& folder, Missing missing) {
    const QByteArray path = QFile::encodeName(folder);
    const bool create = missing == Missing::isMade;
    if (create) {
        // The cache folder itself may not be there yet.
        QDir().mkpath(QFileInfo(folder).path());
    }
    if (create && ::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return std::strerror(errno);
    }
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        return std::strerror(errno);
    }
    return SingleInstance::folderProblem(info.st_mode, info.st_uid, ::getuid());
}

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent, uid_t user)
    : QObject(parent), socketPath_(std::move(socketPath)), user_(user) {}

SingleInstance::~SingleInstance() = default;

std::string SingleInstance::folderProblem(mode_t mode, uid_t owner, uid_t user) {
    if (!S_ISDIR(mode)) {
        return "it is not a folder";
    }
    if (owner != user) {
        return "it belongs to user " + std::to_string(owner);
    }
    if ((mode & 077) != 0) {
        return "others may enter it";
    }
    return {};
}

QString SingleInstance::socketPathFor(const QString& appId) {
    return socketPathIn(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(),
                        QFile::decodeName(XdgBaseDirectory::cacheHome().c_str()), appId);
}

QString SingleInstance::socketPathIn(const QString& runtimeDir, const QString& tempDir,
                                     const QString& cacheDir, const QString& appId) {
    const QString socketName = appId + QStringLiteral(".socket");
    if (!runtimeDir.isEmpty()) {
        if (const auto problem = privateFolderProblem(runtimeDir, Missing::isAProblem);
            problem.empty()) {
            return runtimeDir + QLatin1Char('/') + socketName;
        } else {
            Log::line("XDG_RUNTIME_DIR " + runtimeDir.toStdString() + " not used: " + problem);
        }
    }
    // A name others can guess: it is used only when it is this user's own private folder.
    for (const QString& folder :
         {tempDir + QLatin1Char('/') + appId + QLatin1Char('-') + QString::number(::getuid()),
          cacheDir + QLatin1Char('/') + appId}) {
        const auto problem = privateFolderProblem(folder, Missing::isMade);
        if (problem.empty()) {
            return folder + QLatin1Char('/') + socketName;
        }
        Log::line("Instance folder " + folder.toStdString() + " not used: " + problem);
    }
    return {};
}

SingleInstance::Start SingleInstance::start(int timeoutMs, const QString& activationToken) {
    if (socketPath_.isEmpty()) {
        Log::line("No private folder for the instance socket; a second launch will start a "
                  "second instance");
        return Start::alone;
    }
    const StartupLock lock(socketPath_ + QStringLiteral(".lock"));
    if (handOverToRunningInstance(timeoutMs, activationToken)) {
        return Start::handedOver;
    }
    return listen() ? Start::listening : Start::alone;
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
    const QByteArray token = activationToken.toLatin1();
    return sendToRunningInstance(isPlainToken(token) ? reopenWithTokenPrefix + token + '\n'
                                                     : QByteArray(reopenMessage),
                                 timeoutMs);
}

bool SingleInstance::announceStateChange(int timeoutMs) {
    return !socketPath_.isEmpty() && sendToRunningInstance(stateChangedMessage, timeoutMs);
}

bool SingleInstance::sendToRunningInstance(const QByteArray& message, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    // Only a listener of this user may hear from this process (and keep a launch from starting).
    struct ucred peer {};
    socklen_t size = sizeof(peer);
    if (::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                     &size) != 0 ||
        peer.uid != user_) {
        Log::line("Instance socket " + socketPath_.toStdString() +
                  " is held by another user's process; not handing over");
        socket.abort();
        return false;
    }
    socket.write(message);
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
            // Only the known messages count; anything else is ignored.
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(maximumLineLength);
                if (line == stateChangedMessage) {
                    Q_EMIT userStateChanged();
                } else if (const auto token = reopenRequestIn(line)) {
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
