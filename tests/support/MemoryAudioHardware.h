#pragma once

#include "platform/AudioHardware.h"
#include "platform/MainQueue.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

// A sound server in memory: setters answer on a later turn and note every request; a card's
// new profile brings new devices profileArrival later (old ones linger profileDeparture). The
// readers see the server (Copy::live) or a copy that catches up after each change or refresh().
class MemoryAudioHardware final : public platform::AudioHardware {
public:
    using ID = platform::AudioDeviceID;
    using Devices = std::vector<platform::AudioDeviceInfo>;
    using Cards = std::vector<platform::AudioCardInfo>;
    enum class Copy { live, events, reads };
    struct State {
        Devices outputs;
        Devices inputs;
        Cards cards;
    };
    static constexpr platform::AudioCardID bluetoothCard = 40;

    [[nodiscard]] Devices outputDevices() override { return enumerate(copy_.outputs); }
    [[nodiscard]] Devices inputOnlyDevices() override { return enumerate(copy_.inputs); }
    [[nodiscard]] Cards cards() override { return copy_.cards; }
    [[nodiscard]] std::optional<ID> defaultOutputDevice() override { return defaultOutput; }
    [[nodiscard]] std::optional<ID> defaultInputDevice() override { return defaultInput; }
    [[nodiscard]] std::vector<platform::RecordingStream> recordingStreams() override { return {}; }
    [[nodiscard]] bool isSynchronized() const override { return true; }
    void setDefaultOutputDevice(ID id, platform::AudioCompletion done) override {
        answer(std::move(done), choose(&State::outputs, id, outputRequests, defaultOutput));
    }
    void setDefaultInputDevice(ID id, platform::AudioCompletion done) override {
        answer(std::move(done), choose(&State::inputs, id, inputRequests, defaultInput));
    }
    void setCardProfile(platform::AudioCardID id, const std::string& profile,
                        platform::AudioCompletion done) override {
        profileRequests.emplace_back(id, profile);
        const auto card = std::ranges::find(server_.cards, id, &platform::AudioCardInfo::id);
        const bool known =
            card != server_.cards.end() &&
            std::ranges::count(card->profiles, profile, &platform::AudioCardProfile::name) > 0;
        const bool forced = forcedAnswer && *forcedAnswer != platform::AudioResult::done;
        if (known && !forced && card->activeProfile != profile) {
            card->activeProfile = profile;
            changed();
            switchDevices(id, profile);
        }
        answer(std::move(done),
               known ? platform::AudioResult::done : platform::AudioResult::refused);
    }
    [[nodiscard]] platform::AudioConnectionState connectionState() const override {
        return platform::AudioConnectionState::ready;
    }
    void refresh() override {
        if (copy != Copy::live) {
            catchUpLater();
        }
    }

    void setOutputs(Devices outputs) {
        server_.outputs = std::move(outputs);
        changed();
    }
    void setInputs(Devices inputs) {
        server_.inputs = std::move(inputs);
        changed();
    }
    void setCards(Cards cards) {
        server_.cards = std::move(cards);
        changed();
    }
    // A speakerphone on bluetoothCard: an output for music, output and microphone for headset.
    void addBluetoothSpeakerphone(const std::string& profile = "a2dp_sink") {
        server_.cards.push_back({bluetoothCard,
                                 "Lumatix U",
                                 {{"a2dp_sink", 40, true, 1, 0},
                                  {"headset_head_unit", 30, true, 1, 1},
                                  {"off", 0, true, 0, 0}},
                                 profile});
        profileDevices = [this](platform::AudioCardID card, const std::string& chosen) {
            const auto device = [&] {
                return platform::AudioDeviceInfo{nextID_++, "Lumatix U", "", card};
            };
            return chosen == "a2dp_sink" ? State{{device()}, {}, {}}
                                         : State{{device()}, {device()}, {}};
        };
        arrive(profileDevices(bluetoothCard, profile));
    }
    [[nodiscard]] const State& server() const { return server_; }

    Copy copy = Copy::live;
    std::chrono::milliseconds profileArrival{0};
    std::chrono::milliseconds profileDeparture{0};
    // The outputs and inputs a card's profile brings; none unless set.
    std::function<State(platform::AudioCardID, const std::string& profile)> profileDevices;
    // Every request gets this answer instead of the one the devices call for.
    std::optional<platform::AudioResult> forcedAnswer;
    // The system's defaults; defaultInput may be set to what it records from before.
    std::optional<ID> defaultOutput;
    std::optional<ID> defaultInput;
    std::vector<ID> outputRequests;
    std::vector<ID> inputRequests;
    std::vector<std::pair<platform::AudioCardID, std::string>> profileRequests;
    int enumerations = 0;

private:
    Devices enumerate(const Devices& devices) {
        ++enumerations;
        return devices;
    }
    void changed() {
        if (copy == Copy::live) {
            copy_ = server_;
            emit devicesChanged();
        } else if (copy == Copy::events) {
            catchUpLater();
        }
    }
    void catchUpLater() {
        later(std::chrono::milliseconds(0), [this] {
            copy_ = server_;
            emit devicesChanged();
        });
    }
    // Work for a later turn, dropped once this server is gone.
    void later(std::chrono::milliseconds delay, std::function<void()> work) {
        platform::MainQueue::asyncAfter(
            delay, [alive = std::weak_ptr<bool>(alive_), work = std::move(work)] {
                if (!alive.expired()) {
                    work();
                }
            });
    }
    void answer(platform::AudioCompletion done, platform::AudioResult result) {
        if (done) {
            later(
                std::chrono::milliseconds(0),
                [done = std::move(done), result = forcedAnswer.value_or(result)] { done(result); });
        }
    }
    platform::AudioResult choose(Devices State::*kind, ID id, std::vector<ID>& requests,
                                 std::optional<ID>& chosen) {
        requests.push_back(id);
        const auto listed = [id, kind](const State& state) {
            return std::ranges::find(state.*kind, id, &platform::AudioDeviceInfo::id) !=
                   (state.*kind).end();
        };
        if (forcedAnswer && *forcedAnswer != platform::AudioResult::done) {
            return *forcedAnswer;
        }
        // The client asks by the name its copy holds; the server knows only what it has.
        if (!listed(copy_)) {
            return platform::AudioResult::gone;
        }
        if (!listed(server_)) {
            return platform::AudioResult::refused;
        }
        chosen = id;
        // Servers tell their clients of a new default too.
        changed();
        return platform::AudioResult::done;
    }
    void switchDevices(platform::AudioCardID card, const std::string& profile) {
        const int number = ++switches_[card];
        // Identifiers of a card's devices are unique across outputs and inputs here.
        std::vector<ID> old;
        for (const Devices* devices : {&server_.outputs, &server_.inputs}) {
            for (const auto& device : *devices) {
                if (device.card == card) {
                    old.push_back(device.id);
                }
            }
        }
        const auto depart = [this, old] {
            for (Devices* devices : {&server_.outputs, &server_.inputs}) {
                std::erase_if(*devices,
                              [&old](const auto& d) { return std::ranges::count(old, d.id); });
            }
            changed();
        };
        profileDeparture.count() > 0 ? later(profileDeparture, depart) : depart();
        // Only the card's latest profile brings its devices.
        later(profileArrival, [this, card, profile, number] {
            if (switches_[card] == number && profileDevices) {
                arrive(profileDevices(card, profile));
            }
        });
    }
    void arrive(const State& devices) {
        server_.outputs.insert(server_.outputs.end(), devices.outputs.begin(),
                               devices.outputs.end());
        server_.inputs.insert(server_.inputs.end(), devices.inputs.begin(), devices.inputs.end());
        changed();
    }

    State server_;
    State copy_;
    std::map<platform::AudioCardID, int> switches_;
    ID nextID_ = 100;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
