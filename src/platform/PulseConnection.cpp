#include "platform/PulseConnection.h"

#include "platform/Log.h"
#include "platform/MainQueue.h"

#include <QPointer>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/subscribe.h>
#include <utility>

namespace platform {

namespace {

// Wraps work so that it does nothing once the connection is gone.
std::function<void()> guarded(PulseConnection* connection,
                              std::function<void(PulseConnection&)> work) {
    return [connection = QPointer(connection), work = std::move(work)] {
        if (connection) {
            work(*connection);
        }
    };
}

} // namespace

PulseConnection::PulseConnection(pa_mainloop_api* api, std::string clientName, Options options)
    : api_(api), clientName_(std::move(clientName)), options_(options) {}

PulseConnection::~PulseConnection() {
    close();
}

void PulseConnection::open() {
    if (context_ != nullptr || api_ == nullptr) {
        return;
    }
    context_ = pa_context_new(api_, clientName_.c_str());
    if (context_ == nullptr) {
        retryLater();
        return;
    }
    pa_context_set_state_callback(
        context_,
        [](pa_context* context, void* self) {
            auto* connection = static_cast<PulseConnection*>(self);
            switch (pa_context_get_state(context)) {
            case PA_CONTEXT_READY:
                connection->connected();
                break;
            case PA_CONTEXT_FAILED:
            case PA_CONTEXT_TERMINATED:
                // Not from inside libpulse's own call chain: the context is released there.
                MainQueue::async(guarded(connection, [](PulseConnection& c) { c.lost(); }));
                break;
            default:
                break;
            }
        },
        this);
    pa_context_set_subscribe_callback(
        context_,
        [](pa_context*, pa_subscription_event_type_t, std::uint32_t, void* self) {
            emit static_cast<PulseConnection*>(self)->serverChanged();
        },
        this);
    const std::uint64_t attempt = ++attempts_;
    setState(AudioConnectionState::connecting);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        MainQueue::async(guarded(this, [](PulseConnection& c) { c.lost(); }));
        return;
    }
    // A frozen server accepts the socket and then never answers.
    MainQueue::asyncAfter(options_.connectTimeout, guarded(this, [attempt](PulseConnection& c) {
                              if (attempt == c.attempts_ && c.context_ != nullptr &&
                                  pa_context_get_state(c.context_) != PA_CONTEXT_READY) {
                                  c.lost();
                              }
                          }));
}

pa_context* PulseConnection::readyContext() const {
    return context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY ? context_
                                                                                     : nullptr;
}

void PulseConnection::connected() {
    if (wasConnected_) {
        Log::line("sound server connection restored");
    }
    wasConnected_ = true;
    if (options_.followChanges) {
        subscription_ = PulseOperation(
            pa_context_subscribe(context_,
                                 static_cast<pa_subscription_mask_t>(
                                     PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE |
                                     PA_SUBSCRIPTION_MASK_CARD | PA_SUBSCRIPTION_MASK_SERVER |
                                     PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT),
                                 nullptr, nullptr));
    }
    setState(AudioConnectionState::ready);
}

void PulseConnection::lost() {
    if (context_ == nullptr) {
        return;
    }
    if (state_ == AudioConnectionState::ready) {
        Log::line(std::string("sound server connection lost: ") +
                  pa_strerror(pa_context_errno(context_)));
    }
    close();
    retryLater();
    setState(AudioConnectionState::disconnected);
}

void PulseConnection::close() {
    if (context_ == nullptr) {
        return;
    }
    subscription_ = {};
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(std::exchange(context_, nullptr));
}

void PulseConnection::retryLater() {
    MainQueue::asyncAfter(options_.reconnectInterval,
                          guarded(this, [](PulseConnection& c) { c.open(); }));
}

void PulseConnection::setState(AudioConnectionState state) {
    if (state_ != state) {
        state_ = state;
        emit stateChanged(state);
    }
}

} // namespace platform
