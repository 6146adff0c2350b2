#pragma once

#include "platform/AudioHardware.h"
#include "platform/PulseOperation.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <pulse/context.h>
#include <string>

namespace platform {

class PulseConnection;

// Requests to the server in flight. Each one ends exactly once, later and on the main thread:
// with the server's answer, when its time is up, or as unreachable when the connection goes.
class PulseRequests {
public:
    // Starts the request on a ready context; libpulse answers through the callback and data.
    using Issue = std::function<pa_operation*(pa_context*, pa_context_success_cb_t, void*)>;

    PulseRequests(const PulseConnection& connection, std::chrono::milliseconds timeout);
    // Requests still in flight end without an answer.
    ~PulseRequests();
    PulseRequests(const PulseRequests&) = delete;
    PulseRequests& operator=(const PulseRequests&) = delete;

    // A request about target; without one it is refused without asking the server.
    void send(const std::optional<std::string>& target, const Issue& issue, AudioCompletion done);
    // The connection went: requests in flight will never be answered on it.
    void abandon();

private:
    struct Request {
        PulseRequests* owner;
        std::uint64_t serial;
        AudioCompletion done;
        PulseOperation operation;
    };
    void finish(std::uint64_t serial, AudioResult result);

    const PulseConnection& connection_;
    std::chrono::milliseconds timeout_;
    std::map<std::uint64_t, Request> pending_;
    std::uint64_t serials_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace platform
