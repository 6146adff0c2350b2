#pragma once

#include "platform/AudioHardware.h"
#include "platform/PulseOperation.h"

#include <QObject>
#include <chrono>
#include <cstdint>
#include <string>

struct pa_context;
struct pa_mainloop_api;

namespace platform {

// The one connection to the server libpulse finds by itself (PULSE_SERVER, the user's runtime
// folder). The server is never spawned: the desktop owns it, and an absent one is a normal
// state. A lost or frozen one is tried again until it answers.
class PulseConnection final : public QObject {
    Q_OBJECT
public:
    struct Options {
        std::chrono::milliseconds connectTimeout;
        std::chrono::milliseconds reconnectInterval;
        // Off: no change events are asked for.
        bool followChanges;
    };

    PulseConnection(pa_mainloop_api* api, std::string clientName, Options options);
    ~PulseConnection() override;
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Connects unless a connection is already made or under way.
    void open();
    [[nodiscard]] AudioConnectionState state() const { return state_; }
    // The context while the server answers requests on it; null otherwise.
    [[nodiscard]] pa_context* readyContext() const;

signals:
    // Told from the main thread, after the connection has changed.
    void stateChanged(platform::AudioConnectionState state);
    // Devices, cards or the server's defaults changed.
    void serverChanged();

private:
    void connected();
    void lost();
    void close();
    void retryLater();
    void setState(AudioConnectionState state);

    pa_mainloop_api* api_;
    std::string clientName_;
    Options options_;
    pa_context* context_ = nullptr;
    PulseOperation subscription_;
    AudioConnectionState state_ = AudioConnectionState::disconnected;
    std::uint64_t attempts_ = 0;
    bool wasConnected_ = false;
};

} // namespace platform
