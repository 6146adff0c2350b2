#pragma once

#include "platform/AudioHardware.h"
#include "platform/LoginItem.h"
#include "platform/MicrophoneAccess.h"
#include "platform/Reachability.h"
#include "platform/UserDefaults.h"

#include <QThreadPool>
#include <algorithm>
#include <map>
#include <optional>

// Platform services held in memory or answering as a test says.

class MemoryUserDefaults final : public platform::UserDefaults {
public:
    [[nodiscard]] std::optional<platform::DefaultsValue>
    objectForKey(const std::string& key) const override {
        const auto found = values_.find(key);
        return found == values_.end() ? std::nullopt : std::optional(found->second);
    }
    void setBool(const std::string& key, bool value) override { write(key, value); }
    void setInteger(const std::string& key, std::int64_t value) override { write(key, value); }
    void setObject(const std::string& key, const std::string& value) override { write(key, value); }
    void removeObject(const std::string& key) override {
        values_.erase(key);
        ++writes_;
    }
    bool synchronize() override {
        ++synchronizations_;
        return true;
    }

    [[nodiscard]] int writeCount() const { return writes_; }
    [[nodiscard]] int synchronizeCount() const { return synchronizations_; }

private:
    void write(const std::string& key, platform::DefaultsValue value) {
        values_[key] = std::move(value);
        ++writes_;
    }
    std::map<std::string, platform::DefaultsValue> values_;
    int writes_ = 0;
    int synchronizations_ = 0;
};

// Like a real server, a setter only succeeds for a device that exists; every request is noted.
class MemoryAudioHardware final : public platform::AudioHardware {
public:
    using Devices = std::vector<platform::AudioDeviceInfo>;
    using IDs = std::vector<platform::AudioDeviceID>;

    [[nodiscard]] Devices outputDevices() override {
        ++enumerations_;
        return outputs_;
    }
    [[nodiscard]] Devices inputOnlyDevices() override {
        ++enumerations_;
        return inputs_;
    }
    [[nodiscard]] std::optional<platform::AudioDeviceID> defaultInputDevice() override {
        return defaultInput_;
    }
    int setDefaultOutputDevice(platform::AudioDeviceID id) override {
        return choose(outputs_, id, outputRequests_, defaultOutput_);
    }
    int setDefaultInputDevice(platform::AudioDeviceID id) override {
        return choose(inputs_, id, inputRequests_, defaultInput_);
    }

    void setOutputs(Devices outputs) { outputs_ = std::move(outputs); }
    void setInputs(Devices inputs) { inputs_ = std::move(inputs); }
    // What the system records from before the application chooses anything.
    void setDefaultInput(platform::AudioDeviceID id) { defaultInput_ = id; }
    [[nodiscard]] std::optional<platform::AudioDeviceID> defaultOutput() const {
        return defaultOutput_;
    }
    [[nodiscard]] std::optional<platform::AudioDeviceID> defaultInput() const {
        return defaultInput_;
    }
    [[nodiscard]] int enumerationCount() const { return enumerations_; }
    [[nodiscard]] const IDs& outputRequests() const { return outputRequests_; }
    [[nodiscard]] const IDs& inputRequests() const { return inputRequests_; }

private:
    static int choose(const Devices& devices, platform::AudioDeviceID id, IDs& requests,
                      std::optional<platform::AudioDeviceID>& chosen) {
        requests.push_back(id);
        if (std::none_of(devices.begin(), devices.end(),
                         [id](const auto& device) { return device.id == id; })) {
            return -1;
        }
        chosen = id;
        return 0;
    }
    Devices outputs_;
    Devices inputs_;
    std::optional<platform::AudioDeviceID> defaultOutput_;
    std::optional<platform::AudioDeviceID> defaultInput_;
    IDs outputRequests_;
    IDs inputRequests_;
    int enumerations_ = 0;
};

class FixedLoginItem final : public platform::LoginItem {
public:
    explicit FixedLoginItem(platform::LoginItemStatus status) : status_(status) {}

    [[nodiscard]] platform::LoginItemStatus status() const override { return status_; }
    bool enable() override {
        ++enableCalls;
        status_ = platform::LoginItemStatus::enabled;
        return true;
    }
    int enableCalls = 0;

    void setStatus(platform::LoginItemStatus status) { status_ = status; }

private:
    platform::LoginItemStatus status_;
};

// Answers from a worker thread, as the desktop's answer does.
class FixedMicrophoneAccess final : public platform::MicrophoneAccess {
public:
    explicit FixedMicrophoneAccess(bool granted) : granted_(granted) {}

    void requestAccess(Completion completion) override {
        ++requests_;
        QThreadPool::globalInstance()->start(
            [granted = granted_, completion = std::move(completion)] { completion(granted); });
    }
    [[nodiscard]] int requestCount() const { return requests_; }

private:
    bool granted_;
    int requests_ = 0;
};

// Reports a fixed network state, or cannot start at all.
class FixedReachability final : public platform::Reachability {
public:
    enum class Answer { reachable, unreachable, notifierFails };

    explicit FixedReachability(Answer answer) : answer_(answer) {}

    bool startNotifier() override {
        if (answer_ == Answer::notifierFails) {
            return false;
        }
        running_ = true;
        queueReport(answer_ == Answer::reachable);
        return true;
    }

private:
    Answer answer_;
};
