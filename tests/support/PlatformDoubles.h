#pragma once

#include "platform/DesktopNotifications.h"
#include "platform/DesktopSettings.h"
#include "platform/FileManager.h"
#include "platform/LoginItem.h"
#include "platform/MicrophoneAccess.h"
#include "platform/Reachability.h"
#include "platform/UserDefaults.h"
#include "platform/UserState.h"
#include "platform/WebBrowser.h"
#include "support/MemoryAudioHardware.h"

#include <QThreadPool>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Platform services in memory; what they were asked is kept in public members.

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
    void removeObject(const std::string& key) override { writes += int(values_.erase(key)); }
    bool synchronize() override { return ++synchronizations > 0; }

    int writes = 0;
    int synchronizations = 0;

private:
    void write(const std::string& key, platform::DefaultsValue value) {
        values_[key] = std::move(value);
        ++writes;
    }
    std::map<std::string, platform::DefaultsValue> values_;
};

class MemoryUserState final : public platform::UserState {
public:
    [[nodiscard]] std::optional<std::string> value(const std::string& key) override {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool setValue(const std::string& key, const std::string& value) override {
        values[key] = value;
        return true;
    }
    std::map<std::string, std::string> values;
};

class FixedLoginItem final : public platform::LoginItem {
public:
    explicit FixedLoginItem(platform::LoginItemStatus status) : current(status) {}
    [[nodiscard]] platform::LoginItemStatus status() const override { return current; }
    bool enable() override {
        ++enableCalls;
        current = enableWorks ? platform::LoginItemStatus::enabled : current;
        return enableWorks;
    }
    bool disable() override {
        ++disableCalls;
        current = platform::LoginItemStatus::requiresApproval;
        return true;
    }
    platform::LoginItemStatus current;
    bool enableWorks = true;
    int enableCalls = 0;
    int disableCalls = 0;
};

// Answers from a worker thread, as the desktop's answer does.
class FixedMicrophoneAccess final : public platform::MicrophoneAccess {
public:
    explicit FixedMicrophoneAccess(bool granted) : granted_(granted) {}
    void requestAccess(Completion completion) override {
        ++requests;
        QThreadPool::globalInstance()->start(
            [granted = granted_, completion = std::move(completion)] { completion(granted); });
    }
    int requests = 0;

private:
    bool granted_;
};

// Reports a fixed network state, or cannot start at all.
class FixedReachability final : public platform::Reachability {
public:
    enum class Answer { reachable, unreachable, notifierFails };

    explicit FixedReachability(Answer answer) : answer_(answer) {}
    bool startNotifier() override {
        running_ = answer_ != Answer::notifierFails;
        if (running_) {
            queueReport(answer_ == Answer::reachable);
        }
        return running_;
    }

private:
    Answer answer_;
};

// Notes the settings pages asked for ("bluetooth", "microphone"); opens them or not.
class RecordingDesktopSettings final : public platform::DesktopSettings {
public:
    bool openBluetoothSettings() override { return note("bluetooth"); }
    bool openMicrophoneSettings() override { return note("microphone"); }
    bool opens = true;
    std::vector<std::string> pages;

private:
    bool note(const char* page) {
        pages.emplace_back(page);
        return opens;
    }
};

// Downloads go to the folder the test names; shown files are noted.
class MemoryFileManager final : public platform::FileManager {
public:
    [[nodiscard]] std::filesystem::path downloadsFolder() const override { return downloads; }
    void revealFile(const std::filesystem::path& file) override { revealed.push_back(file); }
    std::filesystem::path downloads;
    std::vector<std::filesystem::path> revealed;
};

// Keeps the notices it was asked to show.
class RecordingNotifications final : public platform::DesktopNotifications {
public:
    void notify(const std::string& title, const std::string& body) override {
        shown.push_back(body.empty() ? title : title + " / " + body);
    }
    std::vector<std::string> shown;
};

class RecordingWebBrowser final : public platform::WebBrowser {
public:
    bool opens = true;
    std::vector<std::string> pages;

protected:
    bool openWebPage(const QUrl& page) override {
        pages.push_back(page.toString().toStdString());
        return opens;
    }
};
