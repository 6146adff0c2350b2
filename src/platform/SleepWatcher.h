#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <memory>

namespace platform {

// Tells when the computer woke from sleep (logind's PrepareForSleep going false): devices may
// have come or gone meanwhile, and the sound server may have restarted. Without the bus or
// logind it stays silent.
class SleepWatcher final : public QObject {
    Q_OBJECT
public:
    SleepWatcher(QDBusConnection bus, std::function<void()> resumed);
    [[nodiscard]] static std::unique_ptr<SleepWatcher> onSystemBus(std::function<void()> resumed);

    [[nodiscard]] bool isWatching() const { return watching_; }

private slots:
    void prepareForSleep(bool goingToSleep);

private:
    std::function<void()> resumed_;
    bool watching_ = false;
};

} // namespace platform
