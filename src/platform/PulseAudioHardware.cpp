#include "platform/PulseAudioHardware.h"

#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "platform/Timer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <algorithm>
#include <glib.h>
#include <map>
#include <pulse/context.h>
#include <pulse/def.h>
#include <pulse/error.h>
#include <pulse/glib-mainloop.h>
#include <pulse/introspect.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/subscribe.h>
#include <utility>

namespace platform {

namespace {

// A sink or source as the server reported it.
struct Endpoint {
    AudioDeviceID index = 0;
    std::string serverName;
    std::string description;
    std::string productName;
    std::string formFactor;
    std::string bus;
    std::uint32_t card = PA_INVALID_INDEX;
    bool monitor = false;

    friend bool operator==(const Endpoint&, const Endpoint&) = default;
};

// Everything the application reads, as of the last complete answer.
struct Snapshot {
    std::vector<Endpoint> sinks;
    std::vector<Endpoint> sources; // monitors included: the default source may be one
    std::vector<AudioCardInfo> cards;
    std::string defaultSource;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

std::string text(const char* value) {
    return value != nullptr ? value : "";
}

std::string property(const pa_proplist* properties, const char* key) {
    return properties != nullptr ? text(pa_proplist_gets(properties, key)) : std::string();
}

// Wraps work so that it does nothing once its owner is gone.
std::function<void()> guarded(const std::shared_ptr<bool>& alive, std::function<void()> work) {
    return [owner = std::weak_ptr<bool>(alive), work = std::move(work)] {
        if (!owner.expired()) {
            work();
        }
    };
}

} // namespace

std::string PulseAudioHardware::deviceName(std::string_view productName,
                                           std::string_view cardDescription,
                                           std::string_view ownDescription) {
    for (const std::string_view candidate : {productName, cardDescription}) {
        if (!candidate.empty()) {
            return std::string(candidate);
        }
    }
    return std::string(ownDescription);
}

struct PulseAudioHardware::Connection {
    // One full read of the server: sinks, sources, cards and the server's defaults.
    struct Fetch {
        Connection* owner;
        Snapshot result;
        int outstanding = 4;
        bool failed = false;
    };

    struct Request {
        Connection* owner;
        std::uint64_t serial;
        AudioCompletion done;
        pa_operation* operation = nullptr;
    };

    Connection(std::string clientName, Options options)
        : clientName(std::move(clientName)), options(options),
          mainloop(pa_glib_mainloop_new(nullptr)) {
        // libpulse runs on GLib's default context, which Qt's event loop drives on Linux;
        // where Qt was told not to use GLib, the context is driven here instead.
        // Without a QCoreApplication (the command line) nothing but GLib runs anyway.
        const auto* dispatcher = QAbstractEventDispatcher::instance();
        if (QCoreApplication::instance() != nullptr &&
            (dispatcher == nullptr || !dispatcher->inherits("QEventDispatcherGlib"))) {
            pump = Timer::scheduled(std::chrono::milliseconds(10), Timer::repeating,
                                    [] { g_main_context_iteration(nullptr, FALSE); });
        }
        connect();
    }

    ~Connection() {
        alive.reset();
        for (auto& [serial, request] : pending) {
            release(request);
        }
        pending.clear();
        disconnect();
        if (mainloop != nullptr) {
            pa_glib_mainloop_free(mainloop);
        }
    }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // --- connection ---------------------------------------------------------------------

    void connect() {
        if (context != nullptr || mainloop == nullptr) {
            return;
        }
        context = pa_context_new(pa_glib_mainloop_get_api(mainloop), clientName.c_str());
        if (context == nullptr) {
            retryLater();
            return;
        }
        pa_context_set_state_callback(context, onState, this);
        pa_context_set_subscribe_callback(context, onEvent, this);
        const std::uint64_t attempt = ++attempts;
        // Never spawn a server: the desktop owns it, and an absent one is a normal state.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            MainQueue::async(guarded(alive, [this] { connectionLost(); }));
            return;
        }
        // A frozen server accepts the socket and then never answers.
        MainQueue::asyncAfter(options.connectTimeout, guarded(alive, [this, attempt] {
                                  if (attempt == attempts && context != nullptr &&
                                      pa_context_get_state(context) != PA_CONTEXT_READY) {
                                      connectionLost();
                                  }
                              }));
    }

    void disconnect() {
        if (context == nullptr) {
            return;
        }
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_set_subscribe_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }

    void retryLater() {
        MainQueue::asyncAfter(options.reconnectInterval, guarded(alive, [this] { connect(); }));
    }

    [[nodiscard]] bool ready() const {
        return context != nullptr && pa_context_get_state(context) == PA_CONTEXT_READY;
    }

    static void onState(pa_context* context, void* userdata) {
        auto* self = static_cast<Connection*>(userdata);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            self->connected();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            // Not from inside libpulse's own call chain: the context is released there.
            MainQueue::async(guarded(self->alive, [self] { self->connectionLost(); }));
            break;
        default:
            break;
        }
    }

    void connected() {
        if (wasConnected) {
            Log::line("sound server connection restored");
        }
        wasConnected = true;
        const auto mask = static_cast<pa_subscription_mask_t>(
            PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_CARD |
            PA_SUBSCRIPTION_MASK_SERVER);
        if (options.followChanges) {
            if (pa_operation* op = pa_context_subscribe(context, mask, nullptr, nullptr)) {
                pa_operation_unref(op);
            }
        }
        startFetch();
    }

    void connectionLost() {
        if (context == nullptr) {
            return;
        }
        if (ready() || synchronized) {
            Log::line(std::string("sound server connection lost: ") +
                      pa_strerror(pa_context_errno(context)));
        }
        // Requests in flight will never be answered on this connection.
        auto abandoned = std::move(pending);
        pending.clear();
        for (auto& [serial, request] : abandoned) {
            release(request);
        }
        fetch.reset();
        fetchAgain = false;
        disconnect();
        const bool hadDevices = synchronized || !(snapshot == Snapshot{});
        snapshot = {};
        synchronized = false;
        retryLater();
        for (auto& [serial, request] : abandoned) {
            if (request.done) {
                request.done(AudioResult::unreachable);
            }
        }
        if (hadDevices) {
            notifyChange();
        }
    }

    // --- reading the server ---------------------------------------------------------------

    static void onEvent(pa_context*, pa_subscription_event_type_t, std::uint32_t, void* userdata) {
        // Every subscribed facility bears on the lists; a burst costs at most two reads.
        static_cast<Connection*>(userdata)->requestFetch();
    }

    void requestFetch() {
        if (!ready()) {
            return;
        }
        if (fetch) {
            fetchAgain = true;
        } else {
            startFetch();
        }
    }

    void startFetch() {
        fetch = std::make_unique<Fetch>(Fetch{this, {}});
        Fetch* f = fetch.get();
        int refused = 0;
        for (pa_operation* op : {pa_context_get_sink_info_list(context, onSink, f),
                                 pa_context_get_source_info_list(context, onSource, f),
                                 pa_context_get_card_info_list(context, onCard, f),
                                 pa_context_get_server_info(context, onServer, f)}) {
            if (op != nullptr) {
                pa_operation_unref(op);
            } else {
                ++refused;
            }
        }
        if (refused > 0) {
            // Answers come later, if at all: count the missing ones as done now.
            f->failed = true;
            f->outstanding -= refused - 1;
            partDone(f);
        }
    }

    // Callbacks run inside C code: nothing may unwind through it.
    template <typename Work>
    static void collect(Fetch* f, int eol, Work work) noexcept {
        if (eol < 0) {
            f->failed = true;
        } else if (eol == 0) {
            try {
                work();
            } catch (...) {
                f->failed = true;
            }
            return;
        }
        partDone(f);
    }

    static Endpoint endpoint(std::uint32_t index, const char* name, const char* description,
                             const pa_proplist* properties, std::uint32_t card, bool monitor) {
        return {index,
                text(name),
                text(description),
                property(properties, PA_PROP_DEVICE_PRODUCT_NAME),
                property(properties, PA_PROP_DEVICE_FORM_FACTOR),
                property(properties, PA_PROP_DEVICE_BUS),
                card,
                monitor};
    }

    static void onSink(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
        auto* f = static_cast<Fetch*>(userdata);
        collect(f, eol, [&] {
            if (info != nullptr) {
                f->result.sinks.push_back(endpoint(info->index, info->name, info->description,
                                                   info->proplist, info->card, false));
            }
        });
    }

    static void onSource(pa_context*, const pa_source_info* info, int eol, void* userdata) {
        auto* f = static_cast<Fetch*>(userdata);
        collect(f, eol, [&] {
            if (info != nullptr) {
                f->result.sources.push_back(endpoint(info->index, info->name, info->description,
                                                     info->proplist, info->card,
                                                     info->monitor_of_sink != PA_INVALID_INDEX));
            }
        });
    }

    static void onCard(pa_context*, const pa_card_info* info, int eol, void* userdata) {
        auto* f = static_cast<Fetch*>(userdata);
        collect(f, eol, [&] {
            if (info == nullptr) {
                return;
            }
            AudioCardInfo card{
                info->index, property(info->proplist, PA_PROP_DEVICE_DESCRIPTION), {}, {}};
            for (auto** profile = info->profiles2; profile != nullptr && *profile != nullptr;
                 ++profile) {
                card.profiles.push_back({text((*profile)->name), (*profile)->priority,
                                         (*profile)->available != 0, (*profile)->n_sinks,
                                         (*profile)->n_sources});
            }
            if (info->active_profile2 != nullptr) {
                card.activeProfile = text(info->active_profile2->name);
            }
            f->result.cards.push_back(std::move(card));
        });
    }

    static void onServer(pa_context*, const pa_server_info* info, void* userdata) {
        auto* f = static_cast<Fetch*>(userdata);
        collect(f, 0, [&] {
            if (info != nullptr) {
                f->result.defaultSource = text(info->default_source_name);
            }
        });
        partDone(f);
    }

    static void partDone(Fetch* f) {
        if (--f->outstanding == 0) {
            f->owner->commit();
        }
    }

    void commit() {
        const auto done = std::move(fetch);
        ++fetches;
        const bool changed = !done->failed && (!synchronized || !(done->result == snapshot));
        if (!done->failed) {
            snapshot = done->result;
            synchronized = true;
        }
        if (fetchAgain) {
            fetchAgain = false;
            startFetch();
        }
        if (changed) {
            notifyChange();
        }
    }

    void notifyChange() const {
        if (const auto handler = changed) {
            handler();
        }
    }

    [[nodiscard]] std::string cardDescription(std::uint32_t index) const {
        const auto card = std::find_if(snapshot.cards.begin(), snapshot.cards.end(),
                                       [index](const auto& c) { return c.id == index; });
        return card != snapshot.cards.end() ? card->description : std::string();
    }

    [[nodiscard]] AudioDeviceInfo info(const Endpoint& e) const {
        return {e.index,
                deviceName(e.productName, cardDescription(e.card), e.description),
                e.description,
                e.card != PA_INVALID_INDEX ? std::optional<AudioCardID>(e.card) : std::nullopt,
                e.serverName,
                e.formFactor,
                e.bus};
    }

    [[nodiscard]] std::vector<AudioDeviceInfo>
    devices(const std::vector<Endpoint>& endpoints) const {
        std::vector<AudioDeviceInfo> result;
        for (const auto& e : endpoints) {
            if (!e.monitor) {
                result.push_back(info(e));
            }
        }
        return result;
    }

    // --- requests -------------------------------------------------------------------------

    using Issue = std::function<pa_operation*(pa_context*, pa_context_success_cb_t, void*)>;

    void request(const std::optional<std::string>& target, const Issue& issue,
                 AudioCompletion done) {
        if (!ready()) {
            completeLater(std::move(done), AudioResult::unreachable);
            return;
        }
        if (!target) {
            completeLater(std::move(done), AudioResult::refused);
            return;
        }
        const std::uint64_t serial = ++serials;
        auto& entry = pending[serial];
        entry = {this, serial, std::move(done), nullptr};
        entry.operation = issue(context, onRequestDone, &entry);
        if (entry.operation == nullptr) {
            finish(serial, AudioResult::refused);
            return;
        }
        MainQueue::asyncAfter(options.requestTimeout, guarded(alive, [this, serial] {
                                  finish(serial, AudioResult::timedOut);
                              }));
    }

    static void onRequestDone(pa_context*, int success, void* userdata) {
        auto* request = static_cast<Request*>(userdata);
        request->owner->finish(request->serial,
                               success != 0 ? AudioResult::done : AudioResult::refused);
    }

    void finish(std::uint64_t serial, AudioResult result) {
        const auto found = pending.find(serial);
        if (found == pending.end()) {
            return; // answered, timed out or abandoned already
        }
        AudioCompletion done = std::move(found->second.done);
        release(found->second);
        pending.erase(found);
        if (done) {
            done(result);
        }
    }

    // A cancelled operation never calls back, so its request can go.
    static void release(Request& request) {
        if (request.operation != nullptr) {
            if (pa_operation_get_state(request.operation) == PA_OPERATION_RUNNING) {
                pa_operation_cancel(request.operation);
            }
            pa_operation_unref(request.operation);
            request.operation = nullptr;
        }
    }

    static void completeLater(AudioCompletion done, AudioResult result) {
        if (done) {
            MainQueue::async([done = std::move(done), result] { done(result); });
        }
    }

    [[nodiscard]] std::optional<std::string> serverName(const std::vector<Endpoint>& endpoints,
                                                        AudioDeviceID id) const {
        // A monitor only echoes an output; it is never a microphone to choose.
        const auto found = std::find_if(endpoints.begin(), endpoints.end(), [id](const auto& e) {
            return e.index == id && !e.monitor;
        });
        return found != endpoints.end() ? std::optional(found->serverName) : std::nullopt;
    }

    std::string clientName;
    Options options;
    pa_glib_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
    std::unique_ptr<Timer> pump;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    std::uint64_t attempts = 0;
    bool wasConnected = false;

    Snapshot snapshot;
    bool synchronized = false;
    std::unique_ptr<Fetch> fetch;
    bool fetchAgain = false;
    int fetches = 0;
    std::function<void()> changed;

    std::map<std::uint64_t, Request> pending;
    std::uint64_t serials = 0;
};

PulseAudioHardware::PulseAudioHardware(std::string clientName)
    : PulseAudioHardware(std::move(clientName), Options{}) {}

PulseAudioHardware::PulseAudioHardware(std::string clientName, Options options)
    : connection_(std::make_unique<Connection>(std::move(clientName), options)) {}

PulseAudioHardware::~PulseAudioHardware() = default;

std::vector<AudioDeviceInfo> PulseAudioHardware::outputDevices() {
    return connection_->devices(connection_->snapshot.sinks);
}

std::vector<AudioDeviceInfo> PulseAudioHardware::inputOnlyDevices() {
    return connection_->devices(connection_->snapshot.sources);
}

std::vector<AudioCardInfo> PulseAudioHardware::cards() {
    return connection_->snapshot.cards;
}

std::optional<AudioDeviceID> PulseAudioHardware::defaultInputDevice() {
    const auto& sources = connection_->snapshot.sources;
    const auto& name = connection_->snapshot.defaultSource;
    const auto found = std::find_if(sources.begin(), sources.end(), [&name](const auto& e) {
        return e.serverName == name && !e.monitor;
    });
    return found != sources.end() ? std::optional(found->index) : std::nullopt;
}

bool PulseAudioHardware::isSynchronized() const {
    return connection_->synchronized;
}

void PulseAudioHardware::setDefaultOutputDevice(AudioDeviceID output, AudioCompletion done) {
    const auto name = connection_->serverName(connection_->snapshot.sinks, output);
    connection_->request(
        name,
        [&name](pa_context* c, pa_context_success_cb_t cb, void* request) {
            return pa_context_set_default_sink(c, name->c_str(), cb, request);
        },
        std::move(done));
}

void PulseAudioHardware::setDefaultInputDevice(AudioDeviceID input, AudioCompletion done) {
    const auto name = connection_->serverName(connection_->snapshot.sources, input);
    connection_->request(
        name,
        [&name](pa_context* c, pa_context_success_cb_t cb, void* request) {
            return pa_context_set_default_source(c, name->c_str(), cb, request);
        },
        std::move(done));
}

void PulseAudioHardware::setCardProfile(AudioCardID card, const std::string& profile,
                                        AudioCompletion done) {
    // The server judges the card and the profile; an unknown one is refused there.
    connection_->request(
        profile,
        [card, &profile](pa_context* c, pa_context_success_cb_t cb, void* request) {
            return pa_context_set_card_profile_by_index(c, card, profile.c_str(), cb, request);
        },
        std::move(done));
}

void PulseAudioHardware::setChangeHandler(std::function<void()> changed) {
    connection_->changed = std::move(changed);
}

void PulseAudioHardware::refresh() {
    if (connection_->context == nullptr) {
        connection_->connect();
    } else {
        connection_->requestFetch();
    }
}

int PulseAudioHardware::fetchCount() const {
    return connection_->fetches;
}

} // namespace platform
