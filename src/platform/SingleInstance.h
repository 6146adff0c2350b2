#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <sys/types.h>
#include <unistd.h>

class QLocalServer;

namespace platform {

// One running application per user: a later launch asks the running one to come forward.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start {
        handedOver, // a running instance took the request: this process should exit
        listening,  // this is the running instance now
        alone,      // no socket could be had: this instance runs without the hand-over
    };

    // user: whose listener a hand-over may go to (this process's user, unless a test says).
    explicit SingleInstance(QString socketPath, QObject* parent = nullptr, uid_t user = ::getuid());
    ~SingleInstance() override;

    // The per-user socket: in $XDG_RUNTIME_DIR when it is this user's private folder, else in
    // a private folder of this user's in the temporary folder, else in the user's cache folder.
    // Empty when none of them can be had.
    [[nodiscard]] static QString socketPathFor(const QString& appId);
    // The same from given folders; the private folder is created when missing.
    [[nodiscard]] static QString socketPathIn(const QString& runtimeDir, const QString& tempDir,
                                              const QString& cacheDir, const QString& appId);
    // Why a folder may not hold the socket: not a folder (a link included), another user's, or
    // open to others. Empty when it may.
    [[nodiscard]] static std::string folderProblem(mode_t mode, uid_t owner, uid_t user);

    // Hands over to a running instance or becomes it. Launches at the same moment take turns
    // through a lock beside the socket, so exactly one of them listens.
    [[nodiscard]] Start start(int timeoutMs = 1000, const QString& activationToken = {});

    // True when a running instance of this user took the request; this process should then
    // exit. The activation token this launch was given goes along, so that the running
    // instance may raise its window where the compositor asks for one (Wayland). A listener
    // of another user gets nothing.
    bool handOverToRunningInstance(int timeoutMs = 1000, const QString& activationToken = {});
    // Tells a running instance of this user that the user's state changed (a setting made on
    // the command line); false when none took it.
    bool announceStateChange(int timeoutMs = 1000);
    // Starts answering later launches; false when the socket cannot be created.
    bool listen();

    // What a line from a later launch asks: nothing (no value), to come forward (an empty
    // token), or to come forward with the launch's activation token. A malformed token is
    // dropped and the request kept.
    [[nodiscard]] static std::optional<QString> reopenRequestIn(const QByteArray& line);

Q_SIGNALS:
    void reopenRequested(const QString& activationToken);
    void userStateChanged();

private:
    void acceptConnections();
    bool sendToRunningInstance(const QByteArray& message, int timeoutMs);

    QString socketPath_;
    uid_t user_;
    QLocalServer* server_ = nullptr;
};

} // namespace platform
