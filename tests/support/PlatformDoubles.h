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

// Like a real server, a setter only succeeds for a device or profile that exists; every
// request is noted. Answers come at once.
class MemoryAudioHardware final : public platform::AudioHardware {
public:
    using Devices = std::vector<platform::AudioDeviceInfo>;
    using IDs = std::vector<platform::AudioDeviceID>;
    using Cards = std::vector<platform::AudioCardInfo>;

    [[nodiscard]] Devices outputDevices() override {
        ++enumerations_;
        return outputs_;
    }
    [[nodiscard]] Devices inputOnlyDevices() override {
        ++enumerations_;
        return inputs_;
    }
    [[nodiscard]] Cards cards() override { return cards_; }
    [[nodiscard]] std::optional<platform::AudioDeviceID> defaultInputDevice() override {
        return defaultInput_;
    }
    [[nodiscard]] bool isSynchronized() const override { return synchronized_; }
    void setDefaultOutputDevice(platform::AudioDeviceID id,
                                platform::AudioCompletion done) override {
        answer(done, choose(outputs_, id, outputRequests_, defaultOutput_));
    }
    void setDefaultInputDevice(platform::AudioDeviceID id,
                               platform::AudioCompletion done) override {
        answer(done, choose(inputs_, id, inputRequests_, defaultInput_));
    }
    void setCardProfile(platform::AudioCardID id, const std::string& profile,
                        platform::AudioCompletion done) override {
        profileRequests_.emplace_back(id, profile);
        const auto card =
            std::find_if(cards_.begin(), cards_.end(), [id](const auto& c) { return c.id == id; });
        if (card == cards_.end() ||
            std::none_of(card->profiles.begin(), card->profiles.end(),
                         [&profile](const auto& p) { return p.name == profile; })) {
            answer(done, platform::AudioResult::refused);
            return;
        }
        card->activeProfile = profile;
        pendingProfile_ = {id, profile};
        if (!holdProfileDevices_) {
            releaseProfileDevices();
        }
        answer(done, platform::AudioResult::done);
    }
    void setChangeHandler(std::function<void()> changed) override { changed_ = std::move(changed); }
    void refresh() override { ++refreshes_; }

    void setOutputs(Devices outputs) {
        outputs_ = std::move(outputs);
        changed();
    }
    void setInputs(Devices inputs) {
        inputs_ = std::move(inputs);
        changed();
    }
    void setCards(Cards cards) { cards_ = std::move(cards); }
    // The devices a card has in a profile; they replace its devices when it switches there.
    void setProfileDevices(platform::AudioCardID card, const std::string& profile, Devices outputs,
                           Devices inputs) {
        profileDevices_[{card, profile}] = {std::move(outputs), std::move(inputs)};
    }
    // While held, a switched card keeps its old devices, as a slow Bluetooth link does.
    void holdProfileDevices(bool hold) { holdProfileDevices_ = hold; }
    void releaseProfileDevices() {
        const auto devices = profileDevices_.find(pendingProfile_);
        if (devices == profileDevices_.end()) {
            return;
        }
        const auto card = pendingProfile_.first;
        const auto replace = [card](Devices& current, const Devices& fresh) {
            std::erase_if(current, [card](const auto& d) { return d.card == card; });
            current.insert(current.end(), fresh.begin(), fresh.end());
        };
        replace(outputs_, devices->second.first);
        replace(inputs_, devices->second.second);
        changed();
    }
    void setSynchronized(bool synchronized) { synchronized_ = synchronized; }
    // What the system records from before the application chooses anything.
    void setDefaultInput(platform::AudioDeviceID id) { defaultInput_ = id; }
    // Every later request gets this answer instead of the one the devices call for.
    void answerEveryRequestWith(std::optional<platform::AudioResult> result) { forced_ = result; }
    [[nodiscard]] std::optional<platform::AudioDeviceID> defaultOutput() const {
        return defaultOutput_;
    }
    [[nodiscard]] std::optional<platform::AudioDeviceID> defaultInput() const {
        return defaultInput_;
    }
    [[nodiscard]] int enumerationCount() const { return enumerations_; }
    [[nodiscard]] int refreshCount() const { return refreshes_; }
    [[nodiscard]] const IDs& outputRequests() const { return outputRequests_; }
    [[nodiscard]] const IDs& inputRequests() const { return inputRequests_; }
    [[nodiscard]] const std::vector<std::pair<platform::AudioCardID, std::string>>&
    profileRequests() const {
        return profileRequests_;
    }
    [[nodiscard]] std::string activeProfile(platform::AudioCardID id) const {
        for (const auto& card : cards_) {
            if (card.id == id) {
                return card.activeProfile;
            }
        }
        return {};
    }

private:
    void changed() const {
        if (changed_) {
            changed_();
        }
    }
    void answer(const platform::AudioCompletion& done, platform::AudioResult result) const {
        if (done) {
            done(forced_.value_or(result));
        }
    }
    platform::AudioResult choose(const Devices& devices, platform::AudioDeviceID id, IDs& requests,
                                 std::optional<platform::AudioDeviceID>& chosen) const {
        requests.push_back(id);
        if (forced_ && *forced_ != platform::AudioResult::done) {
            return *forced_;
        }
        if (std::none_of(devices.begin(), devices.end(),
                         [id](const auto& device) { return device.id == id; })) {
            return platform::AudioResult::refused;
        }
        chosen = id;
        return platform::AudioResult::done;
    }
    Devices outputs_;
    Devices inputs_;
    Cards cards_;
    std::map<std::pair<platform::AudioCardID, std::string>, std::pair<Devices, Devices>>
        profileDevices_;
    std::pair<platform::AudioCardID, std::string> pendingProfile_;
    bool holdProfileDevices_ = false;
    bool synchronized_ = true;
    std::optional<platform::AudioResult> forced_;
    std::function<void()> changed_;
    std::optional<platform::AudioDeviceID> defaultOutput_;
    std::optional<platform::AudioDeviceID> defaultInput_;
    IDs outputRequests_;
    IDs inputRequests_;
    std::vector<std::pair<platform::AudioCardID, std::string>> profileRequests_;
    int enumerations_ = 0;
    int refreshes_ = 0;
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
