#include "platform/PulseAudioHardware.h"

#include <algorithm>
#include <climits>
#include <pulse/context.h>
#include <pulse/def.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <utility>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// How a request ended. Lost means the connection broke under it, so a fresh one may succeed.
enum class Outcome { Done, Refused, Lost, TimedOut };

struct DeviceList {
    std::vector<AudioDeviceInfo> devices;
    bool failed = false;
};

struct Lookup {
    std::string name;
    bool found = false;
    bool isMonitor = false;
    std::uint32_t index = PA_INVALID_INDEX;
};

// Callbacks run inside C code: nothing may unwind through it. ALSA and Bluetooth devices
// describe themselves with their profile ("Lumatix U Analog Stereo"); the product's own name
// is what users and the device rules know them by.
void appendDevice(DeviceList& list, std::uint32_t index, const char* description,
                  const pa_proplist* properties) noexcept {
    try {
        const std::string shown = description != nullptr ? description : "";
        const char* product = properties != nullptr
                                  ? pa_proplist_gets(properties, PA_PROP_DEVICE_PRODUCT_NAME)
                                  : nullptr;
        list.devices.push_back(
            {index, product != nullptr && *product != '\0' ? product : shown, shown});
    } catch (...) {
        list.failed = true;
    }
}

void onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
    auto& list = *static_cast<DeviceList*>(userdata);
    if (eol < 0) {
        list.failed = true;
    } else if (eol == 0 && info != nullptr) {
        appendDevice(list, info->index, info->description, info->proplist);
    }
}

void onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
    auto& list = *static_cast<DeviceList*>(userdata);
    if (eol < 0) {
        list.failed = true;
    } else if (eol == 0 && info != nullptr && info->monitor_of_sink == PA_INVALID_INDEX) {
        appendDevice(list, info->index, info->description, info->proplist);
    }
}

void remember(Lookup& lookup, const char* name, bool isMonitor) noexcept {
    if (name == nullptr) {
        return;
    }
    try {
        lookup.name = name;
        lookup.found = true;
        lookup.isMonitor = isMonitor;
    } catch (...) {
        lookup.found = false;
    }
}

void onSinkName(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
    if (eol == 0 && info != nullptr) {
        remember(*static_cast<Lookup*>(userdata), info->name, false);
    }
}

void onSourceName(pa_context*, const pa_source_info* info, int eol, void* userdata) {
    if (eol == 0 && info != nullptr) {
        auto& lookup = *static_cast<Lookup*>(userdata);
        remember(lookup, info->name, info->monitor_of_sink != PA_INVALID_INDEX);
        lookup.index = info->index;
    }
}

void onServerInfo(pa_context*, const pa_server_info* info, void* userdata) {
    if (info != nullptr) {
        remember(*static_cast<Lookup*>(userdata), info->default_source_name, false);
    }
}

void onSuccess(pa_context*, int success, void* userdata) {
    *static_cast<bool*>(userdata) = success != 0;
}

enum class Kind { Output, Input };

} // namespace

// One connection, driven by a private main loop that only runs inside our calls, so nothing
// happens between calls and no thread is needed.
struct PulseAudioHardware::Connection {
    Connection(std::string clientName, std::chrono::milliseconds timeout)
        : clientName(std::move(clientName)), timeout(timeout), mainloop(pa_mainloop_new()) {}

    ~Connection() {
        drop();
        if (mainloop != nullptr) {
            pa_mainloop_free(mainloop);
        }
    }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs request on a ready connection. A connection that turns out to have died since the
    // last call (server restarted) is replaced once, within the same deadline.
    template <typename Request>
    Outcome withContext(Request&& request) {
        const auto deadline = Clock::now() + timeout;
        if (mainloop == nullptr) {
            return Outcome::Refused;
        }
        for (int attempt = 0; attempt < 2; ++attempt) {
            const bool reused = context != nullptr;
            if (reused) {
                // Notices a hang-up that arrived while we were idle.
                pa_mainloop_iterate(mainloop, 0, nullptr);
            }
            if (!ensureReady(deadline)) {
                return Outcome::Lost;
            }
            const Outcome outcome = request(deadline);
            if (outcome != Outcome::Lost || !reused) {
                return outcome;
            }
        }
        return Outcome::Lost;
    }

    bool ensureReady(Clock::time_point deadline) {
        if (context != nullptr && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) {
            drop();
        }
        if (context == nullptr) {
            context = pa_context_new(pa_mainloop_get_api(mainloop), clientName.c_str());
            if (context == nullptr) {
                return false;
            }
            // Never spawn a server: the desktop owns it, and an absent one is a normal state.
            if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
                drop();
                return false;
            }
        }
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                return true;
            }
            if (!PA_CONTEXT_IS_GOOD(state) || !iterate(deadline)) {
                drop();
                return false;
            }
        }
    }

    // Waits for op (taking ownership). A late reply could never be told apart from the answer
    // to a later request, so a timeout ends the connection.
    Outcome await(pa_operation* op, Clock::time_point deadline) {
        if (op == nullptr) {
            return lostOr(Outcome::Refused);
        }
        while (pa_operation_get_state(op) == PA_OPERATION_RUNNING) {
            if (!iterate(deadline)) {
                pa_operation_cancel(op);
                pa_operation_unref(op);
                drop();
                return Outcome::TimedOut;
            }
        }
        const bool done = pa_operation_get_state(op) == PA_OPERATION_DONE;
        pa_operation_unref(op);
        return done ? Outcome::Done : lostOr(Outcome::Refused);
    }

    Outcome lostOr(Outcome otherwise) {
        if (context == nullptr || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) {
            drop();
            return Outcome::Lost;
        }
        return otherwise;
    }

    // One pass of the main loop, waiting no later than deadline.
    bool iterate(Clock::time_point deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        const int waitUs = static_cast<int>(std::min<long long>(left.count(), INT_MAX));
        return pa_mainloop_prepare(mainloop, waitUs) >= 0 && pa_mainloop_poll(mainloop) >= 0 &&
               pa_mainloop_dispatch(mainloop) >= 0;
    }

    void drop() {
        if (context != nullptr) {
            pa_context_disconnect(context);
            pa_context_unref(context);
            context = nullptr;
        }
    }

    std::vector<AudioDeviceInfo> list(Kind kind) {
        DeviceList result;
        const Outcome outcome = withContext([&](Clock::time_point deadline) {
            result = {};
            pa_operation* op =
                kind == Kind::Output
                    ? pa_context_get_sink_info_list(context, onSinkInfo, &result)
                    : pa_context_get_source_info_list(context, onSourceInfo, &result);
            return await(op, deadline);
        });
        if (outcome != Outcome::Done || result.failed) {
            return {};
        }
        return std::move(result.devices);
    }

    int setDefault(Kind kind, AudioDeviceID id) {
        const Outcome outcome = withContext([&](Clock::time_point deadline) {
            Lookup lookup;
            pa_operation* find =
                kind == Kind::Output
                    ? pa_context_get_sink_info_by_index(context, id, onSinkName, &lookup)
                    : pa_context_get_source_info_by_index(context, id, onSourceName, &lookup);
            if (const Outcome found = await(find, deadline); found != Outcome::Done) {
                return found;
            }
            // A monitor only echoes an output; it is never a microphone to choose.
            if (!lookup.found || lookup.isMonitor) {
                return Outcome::Refused;
            }
            bool succeeded = false;
            pa_operation* set = kind == Kind::Output
                                    ? pa_context_set_default_sink(context, lookup.name.c_str(),
                                                                  onSuccess, &succeeded)
                                    : pa_context_set_default_source(context, lookup.name.c_str(),
                                                                    onSuccess, &succeeded);
            const Outcome outcome = await(set, deadline);
            return outcome == Outcome::Done && !succeeded ? Outcome::Refused : outcome;
        });
        switch (outcome) {
        case Outcome::Done:
            return 0;
        case Outcome::Refused:
            return 1;
        case Outcome::Lost:
            return 2;
        case Outcome::TimedOut:
            return 3;
        }
        return 1;
    }

    std::optional<AudioDeviceID> defaultInput() {
        Lookup source;
        const Outcome outcome = withContext([&](Clock::time_point deadline) {
            Lookup server;
            if (const Outcome asked =
                    await(pa_context_get_server_info(context, onServerInfo, &server), deadline);
                asked != Outcome::Done || !server.found) {
                return asked;
            }
            source = {};
            return await(pa_context_get_source_info_by_name(context, server.name.c_str(),
                                                            onSourceName, &source),
                         deadline);
        });
        if (outcome != Outcome::Done || !source.found || source.isMonitor) {
            return std::nullopt;
        }
        return source.index;
    }

    std::string clientName;
    std::chrono::milliseconds timeout;
    pa_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
};

PulseAudioHardware::PulseAudioHardware(std::string clientName, std::chrono::milliseconds timeout)
    : connection_(std::make_unique<Connection>(std::move(clientName), timeout)) {}

PulseAudioHardware::~PulseAudioHardware() = default;

std::vector<AudioDeviceInfo> PulseAudioHardware::outputDevices() {
    return connection_->list(Kind::Output);
}

std::vector<AudioDeviceInfo> PulseAudioHardware::inputOnlyDevices() {
    return connection_->list(Kind::Input);
}

std::optional<AudioDeviceID> PulseAudioHardware::defaultInputDevice() {
    return connection_->defaultInput();
}

int PulseAudioHardware::setDefaultOutputDevice(AudioDeviceID output) {
    return connection_->setDefault(Kind::Output, output);
}

int PulseAudioHardware::setDefaultInputDevice(AudioDeviceID input) {
    return connection_->setDefault(Kind::Input, input);
}

} // namespace platform
