#include "platform/PulseRequests.h"

#include "platform/MainQueue.h"
#include "platform/PulseConnection.h"

#include <utility>
#include <vector>

namespace platform {

namespace {

void completeLater(AudioCompletion done, AudioResult result) {
    if (done) {
        MainQueue::async([done = std::move(done), result] { done(result); });
    }
}

} // namespace

PulseRequests::PulseRequests(const PulseConnection& connection, std::chrono::milliseconds timeout)
    : connection_(connection), timeout_(timeout) {}

PulseRequests::~PulseRequests() = default;

void PulseRequests::send(const std::optional<std::string>& target, const Issue& issue,
                         AudioCompletion done) {
    pa_context* context = connection_.readyContext();
    if (context == nullptr) {
        completeLater(std::move(done), AudioResult::unreachable);
        return;
    }
    if (!target) {
        completeLater(std::move(done), AudioResult::gone);
        return;
    }
    const std::uint64_t serial = ++serials_;
    auto& request = pending_[serial];
    request = {this, serial, std::move(done), {}};
    request.operation = PulseOperation(issue(
        context,
        [](pa_context*, int success, void* answered) {
            const auto* r = static_cast<Request*>(answered);
            r->owner->finish(r->serial, success != 0 ? AudioResult::done : AudioResult::refused);
        },
        &request));
    if (!request.operation) {
        finish(serial, AudioResult::refused);
        return;
    }
    MainQueue::asyncAfter(timeout_, [this, alive = std::weak_ptr<bool>(alive_), serial] {
        if (!alive.expired()) {
            finish(serial, AudioResult::timedOut);
        }
    });
}

void PulseRequests::abandon() {
    std::vector<AudioCompletion> abandoned;
    for (auto& [serial, request] : pending_) {
        abandoned.push_back(std::move(request.done));
    }
    pending_.clear(); // a cancelled operation never calls back
    for (const auto& done : abandoned) {
        if (done) {
            done(AudioResult::unreachable);
        }
    }
}

void PulseRequests::finish(std::uint64_t serial, AudioResult result) {
    const auto found = pending_.find(serial);
    if (found == pending_.end()) {
        return; // answered, timed out or abandoned already
    }
    AudioCompletion done = std::move(found->second.done);
    pending_.erase(found);
    if (done) {
        done(result);
    }
}

} // namespace platform
