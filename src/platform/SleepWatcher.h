#pragma once

#include <QObject>
#include <functional>

namespace platform {

// Tells when the computer woke from sleep (logind's PrepareForSleep going false): devices may
// have come or gone meanwhile, and the sound server may have restarted. Without a system bus
// or logind it stays silent.
class SleepWatcher final : public QObject {
    Q_OBJECT
public:
    explicit SleepWatcher(std::function<void()> resumed);

    [[nodiscard]] bool isWatching() const { return watching_; }

private slots:
    void prepareForSleep(bool goingToSleep);

private:
    std::function<void()> resumed_;
    bool watching_ = false;
};

} // namespace platform
