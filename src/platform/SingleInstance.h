#pragma once

#include <QObject>
#include <QString>

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

    // True when a running instance took the request; this process should then exit.
    bool handOverToRunningInstance(int timeoutMs = 1000);
    // Starts answering later launches; false when the socket cannot be created.
    bool listen();

Q_SIGNALS:
    void reopenRequested();

private:
    void acceptConnections();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

} // namespace platform
