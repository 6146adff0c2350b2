#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;

namespace platform {

// One running application per user: a later launch asks the running one to come forward.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The per-user socket: in $XDG_RUNTIME_DIR, else in the temporary folder with the uid.
    [[nodiscard]] static QString socketPathFor(const QString& appId);

    // True when a running instance took the request; this process should then exit. The
    // activation token this launch was given goes along, so that the running instance may
    // raise its window where the compositor asks for one (Wayland).
    bool handOverToRunningInstance(int timeoutMs = 1000, const QString& activationToken = {});
    // Starts answering later launches; false when the socket cannot be created.
    bool listen();

    // What a line from a later launch asks: nothing (no value), to come forward (an empty
    // token), or to come forward with the launch's activation token. A malformed token is
    // dropped and the request kept.
    [[nodiscard]] static std::optional<QString> reopenRequestIn(const QByteArray& line);

Q_SIGNALS:
    void reopenRequested(const QString& activationToken);

private:
    void acceptConnections();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

} // namespace platform
