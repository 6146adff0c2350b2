#pragma once

#include "audio/AppManger.h"
#include "audio/Audio.h"
#include "audio/SpeakerDevice.h"
#include "platform/Bundle.h"
#include "platform/MemoryAudioHardware.h"
#include "platform/MemoryUserDefaults.h"
#include "platform/NotificationCenter.h"
#include "support/CapturedLog.h"
#include "support/ScopedPlatform.h"
#include "ui/ToastViewController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"
#include "ui/WindowSetup.h"
#include "update/UpdateFlowState.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A main window with audio, defaults and resources held in memory or in the source tree.
class MainScreenFixture : public ::testing::Test {
protected:
    void SetUp() override {
        speakerDevice() = {};
        mainScreenState = 0;
        pendingUpdateScreen = 0;
        window.setReleasedWhenClosed(false);
    }
    void TearDown() override {
        // Toasts close themselves after 1.5 s; none may outlive the test.
        EXPECT_TRUE(QTest::qWaitFor([] { return ToastViewController::openCount() == 0; }, 5000));
        window.setContentViewController(nullptr);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        speakerDevice() = {};
        mainScreenState = 0;
        pendingUpdateScreen = 0;
    }

    void connectSpeakerphone(bool connected) {
        hardware.setOutputs(connected ? std::vector<platform::AudioDeviceInfo>{{7, "Lumatix U"}}
                                      : std::vector<platform::AudioDeviceInfo>{});
        Audio::refreshSpeakerDevice();
    }

    // Puts the screen into the shown main window and lets it appear.
    template <typename Screen>
    Screen* show() {
        auto screen = std::make_unique<Screen>();
        Screen* shown = screen.get();
        window.setContentViewController(std::move(screen));
        window.show();
        QCoreApplication::processEvents();
        return shown;
    }

    template <typename Screen>
    bool waitForContent() {
        return QTest::qWaitFor(
            [this] { return qobject_cast<Screen*>(window.contentViewController()) != nullptr; },
            2000);
    }

    static int observers() {
        auto& center = platform::NotificationCenter::defaultCenter();
        return center.observerCount("checkStatus") + center.observerCount("openSetting") +
               center.observerCount("openInfo");
    }

    platform::MemoryAudioHardware hardware;
    platform::MemoryUserDefaults defaults;
    platform::Bundle bundle{{.identifier = "com.lumatix.connectionassistant",
                             .version = "1.0.3",
                             .resourcesPath = LUMATIX_RESOURCES_SOURCE_DIR}};
    ScopedPlatform scoped{
        {.userDefaults = &defaults, .audioHardware = &hardware, .bundle = &bundle}};
    CapturedLog log;
    Window window;
};
